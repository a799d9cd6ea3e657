// Reads a PNG file and prints what the install tests check of an icon, as "name value" lines:
// its width and height, how many pixels are opaque and how many fully clear, and the side of
// the largest square blocks of equal pixels it is made of (1 for a picture drawn at its size,
// 8 for one blown up eight times).
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // RGBA, one word per pixel
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

bool read(const char* path, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) return false;
  image.format = PNG_FORMAT_RGBA;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * image.height);
  return png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr) != 0;
}

bool madeOfBlocks(const Picture& picture, int side) {
  if (picture.width % side != 0 || picture.height % side != 0) return false;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.at(x, y) != picture.at(x - x % side, y - y % side)) return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Picture picture;
  if (argc != 2 || !read(argv[1], picture)) {
    std::fprintf(stderr, "png-probe: cannot read \"%s\" as a PNG file\n", argc == 2 ? argv[1] : "");
    return 1;
  }
  int opaque = 0;
  int clear = 0;
  for (std::uint32_t pixel : picture.pixels) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&pixel);
    opaque += bytes[3] == 255;
    clear += bytes[3] == 0;
  }
  int block = 1;
  for (int side = 2; side <= picture.width; ++side) {
    if (madeOfBlocks(picture, side)) block = side;
  }
  std::printf("width %d\nheight %d\nopaque %d\nclear %d\nblock %d\n", picture.width, picture.height,
              opaque, clear, block);
  return 0;
}
