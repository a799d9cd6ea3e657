#include "screens/text/CaptionMarkup.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace ttt::test {
namespace {

TEST(CaptionMarkup, AmpersandsMarkOneKeyAndDoubledOnesStandForThemselves) {
  // A caption; its text, marked character and access key; and the caption written back.
  const std::tuple<const char*, const char*, std::optional<std::size_t>, std::optional<char>,
                   const char*>
      cases[] = {
          {"&exit", "exit", 0, 'E', "&exit"},
          {"&&&A", "&A", 1, 'A', "&&&A"},
          {"R&&D &go &now", "R&D go now", 4, 'G', "R&&D &go now"},  // the first marker wins
          {"ends with &", "ends with &", std::nullopt, std::nullopt, "ends with &&"},
          {"A & B", "A  B", 2, std::nullopt, "A & B"},  // a blank is marked, but no key
          // Any character may be underlined, but only ASCII is an Alt key.
          {"&\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", 0, std::nullopt, "&\xC3\xA9t\xC3\xA9"}};
  for (const auto& [caption, text, marked, accessKey, writtenBack] : cases) {
    const CaptionMarkup parsed = parseCaption(caption);
    EXPECT_EQ(parsed.text, text) << caption;
    EXPECT_EQ(parsed.marked, marked) << caption;
    EXPECT_EQ(parsed.accessKey, accessKey) << caption;
    EXPECT_EQ(mnemonicCaption(parsed), writtenBack) << caption;
  }
}

}  // namespace
}  // namespace ttt::test
