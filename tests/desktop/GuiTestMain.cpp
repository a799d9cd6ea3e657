// GoogleTest comes before the X headers, whose macros (None, Bool) would break its own names.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>

// GUI tests need an X display. Listing the tests does not, so CTest can discover them
// anywhere; running them without a display fails at once with a message that says why.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!GTEST_FLAG_GET(list_tests)) {
    const char* name = std::getenv("DISPLAY");
    Display* display = name != nullptr ? XOpenDisplay(name) : nullptr;
    if (display == nullptr) {
      std::fprintf(stderr, "GUI tests need an X display; run them through tests/support/with-xvfb.sh\n");
      return 1;
    }
    XCloseDisplay(display);
    fl_open_display();
  }
  return RUN_ALL_TESTS();
}
