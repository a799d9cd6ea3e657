#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace ttt {

// What the command line asks of the program.
enum class CommandLineAction { Play, ShowHelp, ShowVersion, Refuse };

struct CommandLineRequest {
  CommandLineAction action = CommandLineAction::Play;
  std::string displayName;  // the X display to open; empty for $DISPLAY
  std::string error;        // why the command line is refused, one line
};

// Reads the arguments that follow the program's name. The first request for help or the
// version wins over anything after it; the first wrong argument refuses the whole line.
CommandLineRequest parseCommandLine(std::span<const char* const> arguments);

std::string usageText();
std::string versionText();

inline constexpr int kExitUsage = 2;

// Prints what the request asks for (help, version or the error) and returns the exit status,
// or nothing when the game is to be played.
std::optional<int> answerCommandLine(const CommandLineRequest& request, std::FILE* out,
                                     std::FILE* err);

}  // namespace ttt
