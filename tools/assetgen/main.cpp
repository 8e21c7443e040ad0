// Writes the game's pictures, sounds and songs into a directory (the game's program directory),
// or one contact sheet of all pictures for review.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/composer.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/pictures.h"
#include "tools/assetgen/sounds.h"
#include "tools/assetgen/wav_writer.h"

namespace {

using assetgen::EncodeBmp;

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

bool WriteAssets(const std::filesystem::path& dir) {
  bool ok = true;
  for (const assetgen::Picture& p : assetgen::Pictures())
    ok &= WriteFile(dir / p.name, EncodeBmp(assetgen::RenderPicture(p)));
  ok &= WriteFile(dir / "SHOT.WAV",
                  assetgen::EncodeWav(assetgen::SynthShot(), assetgen::kSampleRate));
  ok &= WriteFile(dir / "BOM.WAV",
                  assetgen::EncodeWav(assetgen::SynthExplosion(), assetgen::kSampleRate));
  for (const assetgen::SongStyle& song : assetgen::Songs())
    ok &= WriteFile(dir / song.file, assetgen::ComposeSong(song));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--sheet")
    return WriteFile(argv[2], EncodeBmp(assetgen::RenderContactSheet())) ? 0 : 1;
  if (argc == 2 && argv[1][0] != '-') {
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    return WriteAssets(argv[1]) ? 0 : 1;
  }
  std::fprintf(stderr,
               "usage: assetgen DIR             write every picture, sound and song into DIR\n"
               "       assetgen --sheet FILE    write a contact sheet of the pictures (BMP)\n");
  return 2;
}
