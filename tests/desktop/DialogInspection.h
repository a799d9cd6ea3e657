#pragma once

#include <string>

class Fl_Box;

namespace ttt::test {

struct DialogParts;

// The size a label takes as the toolkit draws it, '@' symbols and all.
struct TextSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TextSize&, const TextSize&) = default;
};
TextSize drawnSize(const Fl_Box& box);
// The size the given text would take in the box's font if every character were drawn as
// itself, with a line break at each '\n'.
TextSize literalSize(const Fl_Box& box, const std::string& text);

// A label as it reads on screen: "@@" is drawn as one '@'.
std::string shownText(const Fl_Box& box);

// A dialog's title and prompt as shown, and the room the prompt takes drawn as it is and
// drawn as the expected plain text.
struct SeenPrompt {
  std::string title;
  std::string prompt;
  TextSize drawn;
  TextSize literal;
};
SeenPrompt readPrompt(const DialogParts& dialog, const std::string& expectedText);

}  // namespace ttt::test
