#include "screens/layouts/ClassicColours.h"

#include <gtest/gtest.h>

namespace ttt::test {
namespace {

TEST(ClassicColours, FixedColoursSwapToRgbAndAnUnusedSystemColourIsTheButtonFace) {
  EXPECT_EQ(classicRgb(0x0080FF), 0xFF8000u) << "layouts give 0xBBGGRR";
  EXPECT_EQ(classicRgb(kButtonFace), 0xF0F0F0u);
  EXPECT_NE(classicRgb(systemColour(5)), classicRgb(kButtonFace)) << "the window is white";
  EXPECT_EQ(classicRgb(systemColour(13)), classicRgb(kButtonFace));
  EXPECT_EQ(classicRgb(kSystemColourFlag | 0x1FF05), classicRgb(systemColour(5)))
      << "only the low byte names a system colour";
}

}  // namespace
}  // namespace ttt::test
