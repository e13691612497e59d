// Draws the program's icon and the window's pictures, at every DPI whose
// set the exe stores, and writes them into the folder given as the only
// argument: lumaret.ico, one compressed picture per set and role
// (background_144.lpic, ...), and pictures.rc, the resource lines that
// embed them under the names the window looks for. Run on the build
// machine; the resource compiler then embeds what it wrote.
#include <cctype>
#include <cstdio>
#include <string>

#include "app/art/artwork.h"
#include "app/picture_codec.h"

int main(int argc, char** argv) {
  using namespace lumaret;
  using namespace lumaret::art;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_art OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string out = argv[1] + std::string("/");
  std::vector<Canvas> icons;
  for (int size : kIconSizes) icons.push_back(DrawIcon(size));
  bool ok = WriteFile(out + "lumaret.ico", EncodeIco(icons));

  std::string rc = "// Written by make_art: every picture of every stored set.\n";
  for (int dpi : kPictureSetDpis) {
    for (Picture p : kAllPictures) {
      const std::vector<std::uint8_t> stored = EncodePicture(ToPixels(DrawPicture(p, dpi)));
      const std::string name = PictureResourceName(p, dpi);
      std::string file = name + ".lpic";
      for (char& ch : file) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      if (stored.empty()) {
        std::fprintf(stderr, "make_art: %s cannot be stored\n", name.c_str());
        ok = false;
      }
      ok = WriteFile(out + file, stored) && ok;
      rc += name + " RCDATA \"" + out + file + "\"\n";
    }
  }
  ok = WriteFile(out + "pictures.rc", std::vector<std::uint8_t>(rc.begin(), rc.end())) && ok;
  return ok ? 0 : 1;
}
