// The rules of the two ANSI code pages the pure logic is tested under: GBK
// (936, Simplified Chinese Windows) and Western (1252). The Windows tests
// check that the system gives exactly these.
#pragma once

#include "common/text.h"

namespace lumaret {

inline CodePage Gbk() {
  CodePage cp;
  for (int b = 0x81; b <= 0xFE; ++b) cp.leadBytes[b] = true;
  cp.fullWidthSpace = "\xA1\xA1";
  return cp;
}

// No two-byte characters and no full-width space.
inline CodePage Western() { return CodePage{}; }

}  // namespace lumaret
