#include "cli/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "cli/ProgramIdentity.h"

namespace ttt {

namespace {

// FLTK's own X options other than -display. The windows keep the places, titles, class and
// colours they are designed with, so these are refused rather than passed on.
constexpr std::array<std::string_view, 17> kRefusedToolkitOptions = {
    "-bg",   "-bg2",   "-background", "-background2", "-fg",        "-foreground",
    "-dnd",  "-nodnd", "-geometry",   "-iconic",      "-kbd",       "-nokbd",
    "-name", "-title", "-scheme",     "-tooltips",    "-notooltips"};

constexpr std::string_view kDisplayOption = "--display=";

bool isDisplayOption(std::string_view argument) {
  return argument == "-display" || argument == "--display";
}

CommandLineRequest refuse(std::string message) {
  return {CommandLineAction::Refuse, "",
          std::string(kProgramName) + ": " + message + " (see " + kProgramName + " --help)"};
}

// The argument as an error message shows it: on one line, control characters as '?', and
// cut short (at a character boundary) when it is long.
std::string quote(std::string_view argument) {
  constexpr std::size_t kShown = 40;
  std::string shown;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    const auto byte = static_cast<unsigned char>(argument[i]);
    const bool startsCharacter = (byte & 0xC0) != 0x80;
    if (startsCharacter && i >= kShown) return "'" + shown + "...'";
    shown += byte < 0x20 || byte == 0x7F ? '?' : argument[i];
  }
  return "'" + shown + "'";
}

CommandLineRequest refuseArgument(std::string_view argument) {
  const std::string quoted = quote(argument);
  if (std::ranges::find(kRefusedToolkitOptions, argument) != kRefusedToolkitOptions.end()) {
    return refuse("the toolkit option " + quoted + " is not supported");
  }
  if (argument.starts_with('-') && argument.size() > 1) return refuse("unknown option " + quoted);
  return refuse("unexpected argument " + quoted + ": the game takes no files");
}

// Takes a display name; a later -display replaces an earlier one, as with X programs.
std::optional<CommandLineRequest> takeDisplay(CommandLineRequest& request, std::string_view option,
                                              const char* name) {
  if (name == nullptr || *name == '\0') {
    return refuse("the option '" + std::string(option) + "' needs a display name");
  }
  request.displayName = name;
  return std::nullopt;
}

// Exit status 0 only when the text really was written (not, say, to a full disk).
int printed(const std::string& text, std::FILE* out) {
  const bool written = std::fputs(text.c_str(), out) >= 0 && std::fflush(out) == 0;
  return written ? 0 : 1;
}

}  // namespace

CommandLineRequest parseCommandLine(std::span<const char* const> arguments) {
  CommandLineRequest request;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i] == nullptr ? "" : arguments[i];
    std::optional<CommandLineRequest> refused;
    if (argument == "--help" || argument == "-h") {
      return {CommandLineAction::ShowHelp, "", ""};
    } else if (argument == "--version") {
      return {CommandLineAction::ShowVersion, "", ""};
    } else if (isDisplayOption(argument)) {
      const char* name = i + 1 < arguments.size() ? arguments[++i] : nullptr;
      refused = takeDisplay(request, argument, name);
    } else if (argument.starts_with(kDisplayOption)) {
      refused = takeDisplay(request, "--display", argument.data() + kDisplayOption.size());
    } else {
      refused = refuseArgument(argument);
    }
    if (refused) return *refused;
  }
  return request;
}

std::string usageText() {
  const std::string name = kProgramName;
  return "Usage: " + name + " [OPTION]...\n" +
         "Play noughts and crosses (tic-tac-toe) on a 3 x 3 board: against the computer,\n"
         "or two players taking turns at one mouse. The game opens on a menu window.\n"
         "\n"
         "Options:\n"
         "  -display NAME, --display=NAME\n"
         "                 open the windows on the X display NAME (host:number.screen)\n"
         "                 instead of the one that $DISPLAY names\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the program's name and version and exit\n"
         "\n"
         "Keys in the game windows:\n"
         "  1 to 9 on the keypad  place a mark by position: 7 8 9 the top row, 4 5 6 the\n"
         "                        middle row, 1 2 3 the bottom row (Num Lock on or off)\n"
         "  1 to 9 above letters  place a mark in reading order: 1 the top left cell,\n"
         "                        3 the top right, 9 the bottom right\n"
         "  Tab, arrows           move between the buttons\n"
         "  Space, Enter          press the button that has the focus\n"
         "  Alt+letter            press the button whose letter is underlined\n"
         "A key places a mark exactly where a click on that cell would, and only then.\n"
         "\n"
         "FLTK's other X options (-geometry, -name, -title, -scheme, -bg, -fg, -iconic and\n"
         "the rest) are refused: the windows keep their own places, titles and colours.\n"
         "\n"
         "The links in the game windows open the web page and a new mail message through\n"
         "the desktop's opener, xdg-open (package xdg-utils); without it they do nothing.\n"
         "A second start on a display where the game runs brings that game to the front.\n"
         "\n"
         "Exit status: 0 when the game ends from its menu or was already running, 1 when\n"
         "no X display can be opened or the connection to it is lost, 2 when the command\n"
         "line is wrong.\n";
}

std::string versionText() {
  return std::string(kProgramName) + " (" + kProgramDisplayName + ") " + kProgramVersion + "\n";
}

std::optional<int> answerCommandLine(const CommandLineRequest& request, std::FILE* out,
                                     std::FILE* err) {
  switch (request.action) {
    case CommandLineAction::Play:
      return std::nullopt;
    case CommandLineAction::ShowHelp:
      return printed(usageText(), out);
    case CommandLineAction::ShowVersion:
      return printed(versionText(), out);
    case CommandLineAction::Refuse:
      std::fprintf(err, "%s\n", request.error.c_str());
      return kExitUsage;
  }
  return kExitUsage;
}

}  // namespace ttt
