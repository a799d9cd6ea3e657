// render-icon FILE: writes the game windows' light bulb, as the program draws it, to a Windows
// icon file with 16, 32 and 48 pixel images of 32 bits each. Built and run on the build
// machine, so that the program's icon resource comes from the same drawing as its windows.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

#include "art/Images.h"

namespace {

void put16(std::vector<char>& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::vector<char>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// One image as the icon format keeps it: a bitmap header of twice the height, the BGRA rows
// from the bottom up, then an all-clear one-bit mask (the alpha channel is the mask).
std::vector<char> iconImage(const ttt::PixelImage& image) {
  std::vector<char> out;
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height * 2));
  put16(out, 1);
  put16(out, 32);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (int row = image.height - 1; row >= 0; --row) {
    for (int column = 0; column < image.width; ++column) {
      const auto* pixel = &image.rgba[static_cast<std::size_t>((row * image.width + column) * 4)];
      for (int channel : {2, 1, 0, 3}) out.push_back(static_cast<char>(pixel[channel]));
    }
  }
  const int maskRowBytes = (image.width + 31) / 32 * 4;
  out.insert(out.end(), static_cast<std::size_t>(maskRowBytes * image.height), '\0');
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: render-icon FILE\n";
    return 2;
  }
  std::vector<std::vector<char>> images;
  for (int size : {16, 32, 48}) images.push_back(iconImage(ttt::lightBulbIcon(size)));
  std::vector<char> file;
  put16(file, 0);
  put16(file, 1);  // an icon
  put16(file, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  int index = 0;
  for (int size : {16, 32, 48}) {
    const auto& image = images[static_cast<std::size_t>(index++)];
    file.push_back(static_cast<char>(size));
    file.push_back(static_cast<char>(size));
    put16(file, 0);  // no palette, reserved
    put16(file, 1);
    put16(file, 32);
    put32(file, static_cast<std::uint32_t>(image.size()));
    put32(file, offset);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  std::ofstream out(argv[1], std::ios::binary);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  return out ? 0 : 1;
}
