#include "DialogInspection.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "ModalDialogDriver.h"

namespace ttt::test {

namespace {
TextSize measure(const Fl_Box& box, const char* text, bool drawSymbols) {
  fl_font(box.labelfont(), box.labelsize());
  TextSize size;
  fl_measure(text, size.width, size.height, drawSymbols ? 1 : 0);
  return size;
}
}  // namespace

TextSize drawnSize(const Fl_Box& box) {
  return measure(box, box.label() != nullptr ? box.label() : "", true);
}

TextSize literalSize(const Fl_Box& box, const std::string& text) { return measure(box, text.c_str(), false); }

std::string shownText(const Fl_Box& box) {
  const std::string label = box.label() != nullptr ? box.label() : "";
  std::string shown;
  for (std::size_t i = 0; i < label.size(); ++i) {
    shown += label[i];
    if (label[i] == '@' && i + 1 < label.size() && label[i + 1] == '@') ++i;
  }
  return shown;
}

SeenPrompt readPrompt(const DialogParts& dialog, const std::string& expectedText) {
  SeenPrompt seen;
  seen.title = dialog.window->label() != nullptr ? dialog.window->label() : "";
  if (dialog.prompt != nullptr) {
    seen.prompt = shownText(*dialog.prompt);
    seen.drawn = drawnSize(*dialog.prompt);
    seen.literal = literalSize(*dialog.prompt, expectedText);
  }
  return seen;
}

}  // namespace ttt::test
