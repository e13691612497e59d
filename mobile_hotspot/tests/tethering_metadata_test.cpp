// Every computed IID computed again from its signature, by the Windows
// Runtime's algorithm for parameterized types, with a small SHA-1 of our
// own; the algorithm itself checked against IIDs Microsoft publishes.
#include "mobile_hotspot/tethering_metadata.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace lumaret {
namespace {

using tethering::Iid;

// SHA-1 (FIPS 180-4) of a byte string.
std::vector<std::uint8_t> Sha1(const std::vector<std::uint8_t>& message) {
  auto rotl = [](std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); };
  std::uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  std::vector<std::uint8_t> data = message;
  const std::uint64_t bits = static_cast<std::uint64_t>(message.size()) * 8;
  data.push_back(0x80);
  while (data.size() % 64 != 56) data.push_back(0);
  for (int i = 7; i >= 0; --i) data.push_back(static_cast<std::uint8_t>(bits >> (i * 8)));
  for (std::size_t block = 0; block < data.size(); block += 64) {
    std::uint32_t w[80];
    for (int t = 0; t < 16; ++t) {
      w[t] = (std::uint32_t(data[block + 4 * t]) << 24) | (std::uint32_t(data[block + 4 * t + 1]) << 16) |
             (std::uint32_t(data[block + 4 * t + 2]) << 8) | data[block + 4 * t + 3];
    }
    for (int t = 16; t < 80; ++t) w[t] = rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (int t = 0; t < 80; ++t) {
      std::uint32_t f, k;
      if (t < 20) {
        f = (b & c) | (~b & d);
        k = 0x5A827999;
      } else if (t < 40) {
        f = b ^ c ^ d;
        k = 0x6ED9EBA1;
      } else if (t < 60) {
        f = (b & c) | (b & d) | (c & d);
        k = 0x8F1BBCDC;
      } else {
        f = b ^ c ^ d;
        k = 0xCA62C1D6;
      }
      const std::uint32_t next = rotl(a, 5) + f + e + k + w[t];
      e = d;
      d = c;
      c = rotl(b, 30);
      b = a;
      a = next;
    }
    h[0] += a;
    h[1] += b;
    h[2] += c;
    h[3] += d;
    h[4] += e;
  }
  std::vector<std::uint8_t> digest;
  for (std::uint32_t word : h) {
    for (int i = 3; i >= 0; --i) digest.push_back(static_cast<std::uint8_t>(word >> (i * 8)));
  }
  return digest;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  char two[3];
  for (std::uint8_t b : bytes) {
    std::snprintf(two, sizeof two, "%02x", b);
    out += two;
  }
  return out;
}

// The IID as a signature writes it: lower case, in braces.
std::string Text(const Iid& iid) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", iid.data1, iid.data2,
                iid.data3, iid.data4[0], iid.data4[1], iid.data4[2], iid.data4[3], iid.data4[4], iid.data4[5],
                iid.data4[6], iid.data4[7]);
  return text;
}

// The Windows Runtime's IID for a parameterized type's signature: SHA-1
// over the namespace GUID's bytes followed by the signature in UTF-8 (all
// ASCII here), the first 16 bytes taken as a GUID (fields big-endian),
// version 5 and the RFC 4122 variant set.
Iid IidOfSignature(const std::string& signature) {
  std::vector<std::uint8_t> message = {0x11, 0xf4, 0x7a, 0xd5, 0x7b, 0x73, 0x42, 0xc0,
                                       0xab, 0xae, 0x87, 0x8b, 0x1e, 0x16, 0xad, 0xee};
  message.insert(message.end(), signature.begin(), signature.end());
  const std::vector<std::uint8_t> h = Sha1(message);
  Iid iid{};
  iid.data1 = (std::uint32_t(h[0]) << 24) | (std::uint32_t(h[1]) << 16) | (std::uint32_t(h[2]) << 8) | h[3];
  iid.data2 = static_cast<std::uint16_t>((h[4] << 8) | h[5]);
  iid.data3 = static_cast<std::uint16_t>((((h[6] << 8) | h[7]) & 0x0FFF) | 0x5000);
  for (int i = 0; i < 8; ++i) iid.data4[i] = h[8 + i];
  iid.data4[0] = static_cast<std::uint8_t>((iid.data4[0] & 0x3F) | 0x80);
  return iid;
}

std::string PInterface(const Iid& generic, const std::string& argument) {
  return "pinterface(" + Text(generic) + ";" + argument + ")";
}

TEST(Sha1, StandardVectors) {
  auto of = [](const std::string& s) { return Hex(Sha1(std::vector<std::uint8_t>(s.begin(), s.end()))); };
  EXPECT_EQ(of(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(of("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
  EXPECT_EQ(of(std::string(1000, 'a')), "291e9a6c66994949b57ba5e650361e98fc36b1ba");
}

// IIDs Microsoft publishes for instances of generic interfaces.
TEST(ParameterizedIid, TheAlgorithmGivesPublishedIids) {
  const Iid kIIterableGeneric = {0xFAA585EA, 0x6214, 0x4217, {0xAF, 0xDA, 0x7F, 0x46, 0xDE, 0x58, 0x69, 0xB3}};
  const struct {
    std::string signature;
    const char* iid;
  } cases[] = {
      {PInterface(tethering::kIAsyncOperationGeneric, "b1"), "{cdb5efb3-5788-509d-9be1-71ccb8a3362a}"},
      {PInterface(tethering::kAsyncOperationCompletedHandlerGeneric, "b1"), "{c1d3d1a2-ae17-5a5f-b5a2-bdcc8844889a}"},
      {PInterface(kIIterableGeneric, "string"), "{e2fcc7c1-3bfc-5a0b-b2b0-72e769d1cb7e}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signature);
    EXPECT_EQ(Text(IidOfSignature(c.signature)), c.iid);
  }
}

// The constants Lumaret uses, from signatures built of the constants they
// are made of: the result class's name and default interface, the generic
// interfaces' own IIDs.
TEST(ParameterizedIid, TheConstantsAreComputed) {
  const std::string result = "rc(Windows.Networking.NetworkOperators.NetworkOperatorTetheringOperationResult;" +
                             Text(tethering::kINetworkOperatorTetheringOperationResult) + ")";
  EXPECT_EQ(result, tethering::kOperationResultSignature);
  std::string className;
  for (const wchar_t* c = tethering::kOperationResultClass; *c; ++c) className += static_cast<char>(*c);
  EXPECT_NE(result.find("(" + className + ";"), std::string::npos);

  const std::string operation = PInterface(tethering::kIAsyncOperationGeneric, result);
  const std::string handler = PInterface(tethering::kAsyncOperationCompletedHandlerGeneric, result);
  EXPECT_EQ(operation,
            "pinterface({9fc2b0bb-e446-44e2-aa61-9cab8f636af2};rc(Windows.Networking.NetworkOperators."
            "NetworkOperatorTetheringOperationResult;{ebd203a1-01ba-476d-b4b3-bf3d12c8f80c}))");
  EXPECT_EQ(Text(IidOfSignature(operation)), Text(tethering::kIAsyncOperationOfOperationResult));
  EXPECT_EQ(Text(IidOfSignature(handler)), Text(tethering::kAsyncOperationCompletedHandlerOfOperationResult));
  // As remembered from the SDK.
  EXPECT_EQ(Text(tethering::kIAsyncOperationOfOperationResult), "{601b30ed-9b7f-54b6-b61b-24a09bc56304}");
}

}  // namespace
}  // namespace lumaret
