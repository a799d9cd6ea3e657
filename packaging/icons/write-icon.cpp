// Writes the program's light-bulb icon, drawn at the requested size, as a PNG file. The build
// runs it once for every size of the icon theme.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "PngFile.h"
#include "art/Images.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: write-icon SIZE FILE.png\n", stderr);
    return 2;
  }
  char* end = nullptr;
  const long size = std::strtol(argv[1], &end, 10);
  if (*end != '\0' || size < 1 || size > 1024) {
    std::fprintf(stderr, "write-icon: the size must be 1 to 1024 pixels, not \"%s\"\n", argv[1]);
    return 2;
  }
  const std::string error = ttt::writePng(ttt::lightBulbIcon(static_cast<int>(size)), argv[2]);
  if (!error.empty()) {
    std::fprintf(stderr, "write-icon: cannot write %s: %s\n", argv[2], error.c_str());
    return 1;
  }
  return 0;
}
