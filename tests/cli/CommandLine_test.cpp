#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/ProgramIdentity.h"

namespace ttt::test {
namespace {

CommandLineRequest parse(std::vector<const char*> arguments) { return parseCommandLine(arguments); }

TEST(CommandLine, PlaysWithoutArgumentsAndOpensTheDisplayItIsGiven) {
  EXPECT_EQ(parse({}).action, CommandLineAction::Play);
  EXPECT_EQ(parse({}).displayName, "");
  for (const auto& arguments : std::vector<std::vector<const char*>>{
           {"-display", "host:1.0"}, {"--display", "host:1.0"}, {"--display=host:1.0"},
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
      {{"-name", "other"}, "the toolkit option '-name' is not supported"},
      {{"-display"}, "the option '-display' needs a display name"},
      {{"-display", ""}, "the option '-display' needs a display name"},
      {{"--display="}, "the option '--display' needs a display name"},
      {{"board.txt"}, "unexpected argument 'board.txt'"},
      {{"-"}, "unexpected argument '-'"},
      {{""}, "unexpected argument ''"},
      {{nullptr}, "unexpected argument ''"},
  };
  for (const auto& [arguments, message] : cases) {
    const CommandLineRequest request = parse(arguments);
    EXPECT_EQ(request.action, CommandLineAction::Refuse) << message;
    EXPECT_EQ(request.error.find(std::string(kProgramName) + ": " + message), 0u) << request.error;
    EXPECT_EQ(request.error.find('\n'), std::string::npos) << request.error;
  }
}

// The text each request prints, where it goes, and the exit status it gives.
struct Answer {
  std::optional<int> status;
  std::string out;
  std::string err;
};

std::string contents(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  std::fclose(file);
  return text;
}

Answer answer(std::vector<const char*> arguments) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const std::optional<int> status = answerCommandLine(parse(arguments), out, err);
  return {status, contents(out), contents(err)};
}

TEST(CommandLine, AnswersHelpAndVersionOnStandardOutputAndFaultsOnStandardError) {
  const Answer help = answer({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, usageText());
  EXPECT_EQ(help.out.find("Usage: orvane-tictactoe [OPTION]..."), 0u);
  EXPECT_TRUE(help.err.empty());
  const Answer version = answer({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("orvane-tictactoe (Orvane's Tic Tac Toe) ") +
                             kProgramVersion + "\n");
  const Answer refused = answer({"--bogus"});
  EXPECT_EQ(refused.status, kExitUsage);
  EXPECT_TRUE(refused.out.empty());
  EXPECT_EQ(refused.err, parse({"--bogus"}).error + "\n");
  EXPECT_FALSE(answer({}).status.has_value());
}

TEST(CommandLine, HelpThatCannotBeWrittenIsAFailure) {
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(answerCommandLine(parse({"--version"}), full, stderr), 1);
  std::fclose(full);
}

}  // namespace
}  // namespace ttt::test
