// The rules of text: access-key markup, long runs broken in a message, and the name limit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "screens/text/CaptionMarkup.h"
#include "screens/text/MessageWrap.h"
#include "screens/text/NameRule.h"
#include "support/TestGraphemes.h"

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

// Ten pixels a character, as the test's clusters count them.
int measure(std::string_view text) {
  static const TestGraphemes clusters;
  return static_cast<int>(clusters.count(text)) * 10;
}

TEST(MessageWrap, OnlyRunsTooWideForALineAreBrokenBetweenWholeCharacters) {
  const TestGraphemes clusters;
  EXPECT_EQ(breakLongRuns("ab cd\tef", 20, measure, clusters, "\n"), "ab cd\tef");
  EXPECT_EQ(breakLongRuns("abcdefg won", 30, measure, clusters, "\r\n"), "abc\r\ndef\r\ng won");
  const std::string accented = "e\xCC\x81";
  EXPECT_EQ(breakLongRuns(accented + accented + accented, 20, measure, clusters, "\n"),
            accented + accented + "\n" + accented)
      << "an accent stays on its letter";
  // A line narrower than any character still takes one character a line, and ends.
  EXPECT_EQ(breakLongRuns("abc", 1, measure, clusters, "\n"), "a\nb\nc");
}

constexpr std::size_t kLimit = 255;                                  // characters in a name
const std::string kDecomposedE = "e\xCC\x81";                        // e + U+0301, one character
const std::string kWavingDark = "\xF0\x9F\x91\x8B\xF0\x9F\x8F\xBF";  // hand + skin tone

std::string repeat(const std::string& text, std::size_t times) {
  std::string all;
  for (std::size_t i = 0; i < times; ++i) all += text;
  return all;
}

class NameRuleTest : public ::testing::Test {
 protected:
  NameChange type(const std::string& text, const std::string& inserted) {
    return insertIntoName(clusters, text, text.size(), text.size(), inserted);
  }
  TestGraphemes clusters;
};

TEST_F(NameRuleTest, DecomposedAndEmojiNamesAreKeptWholeAtTheLimitAndTheNextCharacterRefused) {
  for (const std::string& character : {kDecomposedE, kWavingDark}) {
    const std::string full = repeat(character, kLimit);
    const NameChange pasted = type("", full + character);
    EXPECT_EQ(pasted.text, full) << "the 256th character is left out whole";
    EXPECT_TRUE(pasted.limited);
    EXPECT_EQ(pasted.cursor, full.size());

    const NameChange typed = type(full, character);
    EXPECT_EQ(typed.text, full);
    EXPECT_TRUE(typed.limited);
  }
  // Typed one code point at a time: the accent joins its letter and adds no character.
  const std::string letters = repeat(kDecomposedE, kLimit - 1) + "e";
  const NameChange accent = type(letters, "\xCC\x81");
  EXPECT_FALSE(accent.limited);
  EXPECT_EQ(accent.text, repeat(kDecomposedE, kLimit));
}

TEST_F(NameRuleTest, APasteKeepsItsFirstLineWithEveryByteAndReplacesTheSelectionWithinTheRoom) {
  const NameChange pasted = type("", "  Ann\t\x01 \xFF\r\nBob\nCarl");
  EXPECT_EQ(pasted.text, "  Ann\t\x01 \xFF") << "blanks, tabs, controls and stray bytes kept";
  EXPECT_FALSE(pasted.limited) << "a line break is no limit: no beep";
  EXPECT_EQ(type("A", "\nB").text, "A");
  EXPECT_EQ(type("A", "B\rC").text, "AB");
  // A selection is replaced, and counts towards the room.
  const std::string full = repeat("a", kLimit);
  const NameChange replaced = insertIntoName(clusters, full, 10, 13, "xyz!");
  EXPECT_EQ(replaced.text, full.substr(0, 10) + "xyz" + full.substr(13));
  EXPECT_EQ(replaced.cursor, 13u);
  EXPECT_TRUE(replaced.limited);
  // A range beyond the text is taken at the text's end.
  EXPECT_EQ(insertIntoName(clusters, "ab", 7, 9, "c").text, "abc");
}

TEST_F(NameRuleTest, BeforeAndAfterAreReadAsTheEditBetweenThem) {
  const std::string full = repeat(kDecomposedE, kLimit);
  // A field that applied the edit already: the rule takes back what does not fit.
  EXPECT_EQ(editName(clusters, full, full + "x").text, full);
  EXPECT_TRUE(editName(clusters, full, "x" + full).limited);
  const NameChange middle = editName(clusters, "Ann", "AXYnn");
  EXPECT_EQ(middle.text, "AXYnn");
  EXPECT_EQ(middle.cursor, 3u);
  // A change inside a multi-byte character is taken as the whole character's.
  EXPECT_EQ(editName(clusters, "\xC3\xA9", "\xC3\xAA").cursor, 2u);
  EXPECT_EQ(editName(clusters, "Ann", "An").text, "An");
}

TEST(GraphemeBoundaries, StrayBytesAndNulAreClustersOfTheirOwn) {
  TestGraphemes clusters;
  const std::string text = std::string("a\xCC\x81") + '\0' + "\xC3" + "b\xED\xA0\x80";
  const std::vector<std::size_t> expected{3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(clusters.ends(text), expected);
  EXPECT_EQ(clusters.boundaryBefore("a\xCC\x81z", 2), 0u);
  EXPECT_EQ(clusters.boundaryAfter("a\xCC\x81z", 2), 3u);
}

}  // namespace
}  // namespace ttt::test
