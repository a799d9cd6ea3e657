// fltk-window: an FLTK 1.3 window of the menu's size showing the menu's texts in the same faces
// and sizes, to show beside the game's start-up what the toolkit it left costs.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include <initializer_list>

namespace {

constexpr Fl_Font kComicRegular = FL_FREE_FONT;
constexpr Fl_Font kComicBold = FL_FREE_FONT + 1;

}  // namespace

int main() {
  Fl::set_font(kComicRegular, " Comic Neue");
  Fl::set_font(kComicBold, "BComic Neue");
  Fl_Double_Window window(410, 164, "bare FLTK window");
  window.color(FL_BLACK);
  auto* title = new Fl_Box(8, 32, 397, 39);
  title->label("ORVANE'S TIC TAC TOE");
  title->labelfont(kComicBold);
  title->labelsize(29);
  title->labelcolor(FL_RED);
  title->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT);
  int left = 16;
  for (const char* caption : {"&ONE PLAYER", "&TWO PLAYER", "&EXIT"}) {
    auto* button = new Fl_Button(left, 104, 121, 33, caption);
    button->labelfont(kComicRegular);
    button->labelsize(16);
    left += 128;
  }
  window.end();
  window.show();
  return Fl::run();
}
