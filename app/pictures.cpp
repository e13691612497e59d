#include "app/pictures.h"

#include "app/dpi_scale.h"

namespace lumaret {

namespace {

// The sizes at 96 DPI, by role, and the names of their resources.
struct PictureFacts {
  const char* name;
  PictureSize size;
};
constexpr PictureFacts kFacts[kPictureCount] = {
    {"BACKGROUND", {450, 341}}, {"RING_BLUE", {18, 17}}, {"RING_ORANGE", {18, 17}},
    {"CLOSE", {98, 38}},        {"CLOSE_LIT", {98, 38}}, {"CLOSE_GREY", {98, 38}},
    {"OPEN", {98, 38}},         {"OPEN_LIT", {98, 38}},  {"OPEN_GREY", {98, 38}},
};

const PictureFacts& FactsOf(Picture p) { return kFacts[static_cast<std::size_t>(p)]; }

}  // namespace

PictureSize PictureSizeAt(Picture p, int dpi) {
  const PictureSize at96 = FactsOf(p).size;
  return {ScaleToDpi(at96.width, dpi), ScaleToDpi(at96.height, dpi)};
}

int PictureSetFor(int dpi) {
  if (dpi <= 0) dpi = kDesignDpi;
  for (int set : kPictureSetDpis) {
    if (set >= dpi) return set;
  }
  return kPictureSetDpis.back();
}

std::string PictureResourceName(Picture p, int setDpi) {
  return std::string(FactsOf(p).name) + "_" + std::to_string(setDpi);
}

}  // namespace lumaret
