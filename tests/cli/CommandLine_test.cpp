#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace ttt::test {
namespace {

CommandLineRequest parse(std::vector<const char*> arguments) { return parseCommandLine(arguments); }

TEST(CommandLine, PlaysWithoutArgumentsAndOpensTheDisplayItIsGiven) {
  EXPECT_EQ(parse({}).action, CommandLineAction::Play);
  EXPECT_EQ(parse({}).displayName, "");
  for (const auto& arguments :
       std::vector<std::vector<const char*>>{{"-display", "host:1.0"},
                                             {"--display", "host:1.0"},
                                             {"--display=host:1.0"},
                                             {"-display", ":7", "-display", "host:1.0"}}) {
    const CommandLineRequest request = parse(arguments);
    EXPECT_EQ(request.action, CommandLineAction::Play) << request.error;
    EXPECT_EQ(request.displayName, "host:1.0");
  }
}

TEST(CommandLine, HelpOrVersionWinsOverWhatFollowsButNotOverAnEarlierFault) {
  EXPECT_EQ(parse({"--help", "--bogus"}).action, CommandLineAction::ShowHelp);
  EXPECT_EQ(parse({"-display", ":1", "-h"}).action, CommandLineAction::ShowHelp);
  EXPECT_EQ(parse({"--version", "--help"}).action, CommandLineAction::ShowVersion);
  EXPECT_EQ(parse({"--bogus", "--help"}).action, CommandLineAction::Refuse);
}

TEST(CommandLine, RefusesEachWrongArgumentInOneLineNamingIt) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-v"}, "unknown option '-v'"},
      {{"--help=yes"}, "unknown option '--help=yes'"},
      {{"-geometry", "100x100"}, "the toolkit option '-geometry' is not supported"},
      {{"-display"}, "the option '-display' needs a display name"},
      {{"-display", ""}, "the option '-display' needs a display name"},
      {{"--display="}, "the option '--display' needs a display name"},
      {{"board.txt"}, "unexpected argument 'board.txt'"},
      {{"-"}, "unexpected argument '-'"},
      {{""}, "unexpected argument ''"},
      {{nullptr}, "unexpected argument ''"},
      {{"--a\nb\tc"}, "unknown option '--a?b?c'"},
      {{"--\u00e9t\u00e9-1234567890123456789012345678901234567890"},
       "unknown option '--\u00e9t\u00e9-12345678901234567890123456789012...'"},
  };
  for (const auto& [arguments, message] : cases) {
    const CommandLineRequest request = parse(arguments);
    EXPECT_EQ(request.action, CommandLineAction::Refuse) << message;
    EXPECT_EQ(request.error.find("orvane-tictactoe: " + message), 0u) << request.error;
    EXPECT_EQ(request.error.find('\n'), std::string::npos) << request.error;
  }
}

// What the real program prints, and where, is checked on the program itself.
TEST(CommandLine, AnswersOnlyWhatItAsksAndFailsWhenTheAnswerCannotBeWritten) {
  EXPECT_FALSE(answerCommandLine(parse({}), stdout, stderr).has_value());
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(answerCommandLine(parse({"--version"}), full, stderr), 1);
  EXPECT_EQ(answerCommandLine(parse({"--bogus"}), stdout, full), 2);
  std::fclose(full);
}

}  // namespace
}  // namespace ttt::test
