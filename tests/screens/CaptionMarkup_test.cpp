#include <gtest/gtest.h>

#include "screens/text/CaptionMarkup.h"

namespace ttt::test {
namespace {

TEST(CaptionMarkup, AmpersandsMarkOneKeyAndDoubledOnesStandForThemselves) {
  const CaptionMarkup exit = parseCaption("&exit");
  EXPECT_EQ(exit.text, "exit");
  EXPECT_EQ(exit.marked, 0u);
  EXPECT_EQ(exit.accessKey, 'E');

  const CaptionMarkup tricky = parseCaption("&&&A");
  EXPECT_EQ(tricky.text, "&A");
  EXPECT_EQ(tricky.marked, 1u);
  EXPECT_EQ(tricky.accessKey, 'A');

  const CaptionMarkup two = parseCaption("R&&D &go &now");
  EXPECT_EQ(two.text, "R&D go now") << "later markers are dropped";
  EXPECT_EQ(two.marked, 4u) << "the first marker wins";
  EXPECT_EQ(two.accessKey, 'G');

  const CaptionMarkup none = parseCaption("ends with &");
  EXPECT_EQ(none.text, "ends with &");
  EXPECT_FALSE(none.marked.has_value());
  EXPECT_FALSE(none.accessKey.has_value());

  const CaptionMarkup accented = parseCaption("&\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(accented.marked, 0u) << "any character may be underlined";
  EXPECT_FALSE(accented.accessKey.has_value()) << "but only ASCII is an Alt key";
}

TEST(CaptionMarkup, WrittenBackItReadsAsTheSameParse) {
  for (const char* caption : {"&NEW GAME", "&&&A", "R&&D &go &now", "A & B", "plain"}) {
    const CaptionMarkup parsed = parseCaption(caption);
    const CaptionMarkup again = parseCaption(mnemonicCaption(parsed));
    EXPECT_EQ(again.text, parsed.text) << caption;
    EXPECT_EQ(again.marked, parsed.marked) << caption;
  }
  EXPECT_EQ(mnemonicCaption(parseCaption("R&&D &go &now")), "R&&D &go now");
}

}  // namespace
}  // namespace ttt::test
