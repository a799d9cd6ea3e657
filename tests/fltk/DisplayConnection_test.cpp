// Opening the display as the program does at start.
#include "fltk/DisplayConnection.h"

#include <gtest/gtest.h>  // before the X headers, whose macros clash with its names

#include <FL/Fl.H>
#include <FL/x.H>

#include <clocale>
#include <cstdlib>
#include <string>

namespace ttt::test {
namespace {

TEST(DisplayConnection, OpensTheDisplayInTheUsersCharacterLocaleAsTheToolkitDoes) {
  if (fl_display != nullptr) GTEST_SKIP() << "the display is open already";
  // Debian always has C.UTF-8; the program starts, as every C program does, in "C".
  setenv("LC_CTYPE", "C.UTF-8", 1);
  std::setlocale(LC_CTYPE, "C");
  ASSERT_EQ(openToolkitDisplay(), "");
  EXPECT_EQ(std::string(std::setlocale(LC_CTYPE, nullptr)), "C.UTF-8");
  EXPECT_NE(fl_display, nullptr);
}

}  // namespace
}  // namespace ttt::test
