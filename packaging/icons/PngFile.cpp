#include "PngFile.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace ttt {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports errors by longjmp to the point set with setjmp, so the rows and the
// file are prepared by the caller and nothing here needs unwinding.
bool encode(std::FILE* file, const PixelImage& picture, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
               static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string writePng(const PixelImage& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.rgba.size() != 4u * static_cast<std::size_t>(picture.width * picture.height)) {
    return "the picture is empty or its pixels do not match its size";
  }
  std::vector<png_bytep> rows;
  auto* pixels = const_cast<png_bytep>(picture.rgba.data());
  for (int row = 0; row < picture.height; ++row) rows.push_back(pixels + row * picture.width * 4);

  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return std::strerror(errno);
  // A half-written file is removed, so that a failed build step leaves no broken icon behind.
  std::string error;
  if (!encode(file.get(), picture, rows.data())) error = "libpng could not encode the picture";
  if (std::fclose(file.release()) != 0 && error.empty()) error = std::strerror(errno);
  if (!error.empty()) std::remove(path.c_str());
  return error;
}

}  // namespace ttt
