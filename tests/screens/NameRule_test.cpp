#include <gtest/gtest.h>

#include <string>

#include "screens/text/NameRule.h"
#include "support/TestGraphemes.h"

namespace ttt::test {
namespace {

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

TEST_F(NameRuleTest, APasteKeepsItsFirstLineAndEveryByteOfIt) {
  const NameChange pasted = type("", "  Ann\t\x01 \xFF\r\nBob\nCarl");
  EXPECT_EQ(pasted.text, "  Ann\t\x01 \xFF") << "blanks, tabs, controls and stray bytes kept";
  EXPECT_FALSE(pasted.limited) << "a line break is no limit: no beep";
  EXPECT_EQ(type("A", "\nB").text, "A");
  EXPECT_EQ(type("A", "B\rC").text, "AB");
}

TEST_F(NameRuleTest, TheSelectionIsReplacedAndCountsTowardsTheRoom) {
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
