#include "screens/text/CaptionMarkup.h"

#include <gtest/gtest.h>

#include <optional>

namespace ttt::test {
namespace {

TEST(CaptionMarkup, AmpersandsMarkOneKeyAndDoubledOnesStandForThemselves) {
  struct Case {
    const char* caption;
    const char* text;
    std::optional<std::size_t> marked;
    std::optional<char> accessKey;
    const char* writtenBack;
  };
  const Case cases[] = {
      {"&exit", "exit", 0, 'E', "&exit"},
      {"&&&A", "&A", 1, 'A', "&&&A"},
      {"R&&D &go &now", "R&D go now", 4, 'G', "R&&D &go now"},  // the first marker wins
      {"ends with &", "ends with &", std::nullopt, std::nullopt, "ends with &&"},
      {"A & B", "A  B", 2, std::nullopt, "A & B"},  // a blank is marked, but no key
      // Any character may be underlined, but only ASCII is an Alt key.
      {"&\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", 0, std::nullopt, "&\xC3\xA9t\xC3\xA9"}};
  for (const Case& c : cases) {
    const CaptionMarkup parsed = parseCaption(c.caption);
    EXPECT_EQ(parsed.text, c.text) << c.caption;
    EXPECT_EQ(parsed.marked, c.marked) << c.caption;
    EXPECT_EQ(parsed.accessKey, c.accessKey) << c.caption;
    EXPECT_EQ(mnemonicCaption(parsed), c.writtenBack) << c.caption;
  }
}

}  // namespace
}  // namespace ttt::test
