// The pictures for a DPI, loaded from the exe's resources into DIB sections
// as the window draws them: every stored set, a DPI between the sets, and
// resources that are missing or damaged.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_look.h"
#include "app/picture_codec.h"
#include "app/picture_scaling.h"

namespace lumaret {
namespace {

HINSTANCE Self() { return GetModuleHandleW(nullptr); }

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// The stored picture, decoded here to compare with what LoadPicture made.
Pixels StoredPixels(HMODULE module, Picture p, int set) {
  HRSRC found = FindResourceW(module, Wide(PictureResourceName(p, set)).c_str(), RT_RCDATA);
  Pixels out;
  if (!found) return out;
  const void* data = LockResource(LoadResource(module, found));
  DecodePicture(static_cast<const std::uint8_t*>(data), SizeofResource(module, found), &out);
  return out;
}

COLORREF AsColorref(std::uint32_t c) { return RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF); }

// Compares the bitmap with `want`: every pixel through its bits, and a grid
// of them through GetPixel, so the rows are the right way up for GDI too.
// Returns the number of pixels that differ.
int Compare(const LoadedPicture& got, const Pixels& want) {
  DIBSECTION dib{};
  if (GetObjectW(got.bitmap, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 24) return -1;
  const int stride = dib.dsBm.bmWidthBytes;
  const bool bottomUp = dib.dsBmih.biHeight > 0;
  int bad = 0;
  for (int y = 0; y < want.height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(dib.dsBm.bmBits) + stride * (bottomUp ? want.height - 1 - y : y);
    for (int x = 0; x < want.width; ++x) {
      if (PackRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]) != want.At(x, y)) ++bad;
    }
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, got.bitmap);
  for (int y = 0; y < want.height; y += 7)
    for (int x = 0; x < want.width; x += 7)
      if (GetPixel(dc, x, y) != AsColorref(want.At(x, y))) ++bad;
  SelectObject(dc, old);
  DeleteDC(dc);
  return bad;
}

TEST(LoadPicture, EveryStoredSetComesOutAsItsOwnPixels) {
  for (int dpi : kPictureSetDpis) {
    for (Picture p : kAllPictures) {
      SCOPED_TRACE(PictureResourceName(p, dpi));
      const Pixels want = StoredPixels(Self(), p, dpi);
      ASSERT_FALSE(want.empty());
      LoadedPicture got = LoadPicture(Self(), p, dpi);
      ASSERT_NE(got.bitmap, nullptr);
      EXPECT_EQ(got.width, PictureSizeAt(p, dpi).width);
      EXPECT_EQ(got.height, PictureSizeAt(p, dpi).height);
      EXPECT_EQ(got.key, AsColorref(want.At(0, 0)));
      EXPECT_EQ(Compare(got, want), 0);
      DeleteObject(got.bitmap);
    }
  }
}

TEST(LoadPicture, ADpiBetweenTheSetsIsMadeFromTheNextLargerOne) {
  for (int dpi : {168, 108, 240}) {
    const int set = PictureSetFor(dpi);
    ASSERT_NE(set, dpi);
    for (Picture p : {Picture::Background, Picture::RingOrange, Picture::OpenLit}) {
      SCOPED_TRACE(PictureResourceName(p, dpi));
      const PictureSize size = PictureSizeAt(p, dpi);
      const Pixels want = ResamplePicture(StoredPixels(Self(), p, set), size.width, size.height);
      LoadedPicture got = LoadPicture(Self(), p, dpi);
      ASSERT_NE(got.bitmap, nullptr);
      EXPECT_EQ(got.width, size.width);
      EXPECT_EQ(got.height, size.height);
      EXPECT_EQ(got.key, AsColorref(want.At(0, 0)));
      EXPECT_EQ(Compare(got, want), 0);
      DeleteObject(got.bitmap);
    }
  }
}

TEST(ControlLook, LoadsThePicturesForItsDpi) {
  ControlLook look;
  look.Load(Self(), 144);
  EXPECT_EQ(look.dpi(), 144);
  EXPECT_EQ(look.picture(Picture::Background).width, 675);
  EXPECT_EQ(look.picture(Picture::Background).height, 512);
  EXPECT_EQ(look.picture(Picture::RingBlue).width, 27);
  look.Load(Self());
  EXPECT_EQ(look.dpi(), 96);
  EXPECT_EQ(look.picture(Picture::Close).width, 98);
  EXPECT_EQ(look.picture(Picture::Close).height, 38);
}

TEST(LoadPicture, AMissingOrDamagedResourceGivesNoPicture) {
  // A module without the pictures.
  EXPECT_EQ(LoadPicture(GetModuleHandleW(L"kernel32.dll"), Picture::Background).bitmap, nullptr);

  // A copy of this exe whose 96-DPI background is cut short.
  wchar_t self[MAX_PATH], temp[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  GetTempPathW(MAX_PATH, temp);
  const std::wstring copy = std::wstring(temp) + L"lumaret-damaged-pictures.exe";
  ASSERT_TRUE(CopyFileW(self, copy.c_str(), FALSE));
  std::vector<std::uint8_t> stored;
  {
    HRSRC found = FindResourceW(Self(), L"BACKGROUND_96", RT_RCDATA);
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(Self(), found)));
    stored.assign(data, data + SizeofResource(Self(), found) / 2);
  }
  HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(UpdateResourceW(update, RT_RCDATA, L"BACKGROUND_96", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                              stored.data(), static_cast<DWORD>(stored.size())));
  ASSERT_TRUE(EndUpdateResourceW(update, FALSE));

  HMODULE damaged = LoadLibraryExW(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(damaged, nullptr);
  EXPECT_EQ(LoadPicture(damaged, Picture::Background, 96).bitmap, nullptr);
  // The other pictures and sets are untouched.
  LoadedPicture other = LoadPicture(damaged, Picture::Background, 120);
  EXPECT_NE(other.bitmap, nullptr);
  if (other.bitmap) DeleteObject(other.bitmap);
  FreeLibrary(damaged);
  DeleteFileW(copy.c_str());
}

}  // namespace
}  // namespace lumaret
