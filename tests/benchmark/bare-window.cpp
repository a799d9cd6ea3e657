// bare-window: the floor the game's start-up is measured against. An FLTK window of the menu's
// size showing the menu's texts in the same faces and sizes, with nothing of the game behind
// it. Built with BARE_WINDOW_PANGO, it also draws one line through Pango on Xft, so that it
// loads the same text stack as a program that draws its text through Pango.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include <initializer_list>

#ifdef BARE_WINDOW_PANGO
#include <FL/x.H>
#include <pango/pangoxft.h>
#endif

namespace {

constexpr Fl_Font kComicRegular = FL_FREE_FONT;
constexpr Fl_Font kComicBold = FL_FREE_FONT + 1;

#ifdef BARE_WINDOW_PANGO
// A box whose text Pango lays out and Xft draws on the window.
class PangoBox : public Fl_Box {
 public:
  PangoBox(int x, int y, int w, int h) : Fl_Box(x, y, w, h) {}

 protected:
  void draw() override {
    PangoFontMap* fonts = pango_xft_get_font_map(fl_display, fl_screen);
    PangoContext* context = pango_font_map_create_context(fonts);
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_text(layout, "ORVANE'S TIC TAC TOE", -1);
    PangoFontDescription* font = pango_font_description_from_string("Comic Neue Bold 22px");
    pango_layout_set_font_description(layout, font);
    XftDraw* draw = XftDrawCreate(fl_display, fl_window, fl_visual->visual, fl_colormap);
    XftColor red{0, {0xffff, 0, 0, 0xffff}};
    pango_xft_render_layout(draw, &red, layout, x() * PANGO_SCALE, y() * PANGO_SCALE);
    XftDrawDestroy(draw);
    pango_font_description_free(font);
    g_object_unref(layout);
    g_object_unref(context);
  }
};
using TitleBox = PangoBox;
#else
using TitleBox = Fl_Box;
#endif

}  // namespace

int main() {
  Fl::set_font(kComicRegular, " Comic Neue");
  Fl::set_font(kComicBold, "BComic Neue");
  Fl_Double_Window window(410, 164, "bare window");
  window.color(FL_BLACK);
  auto* title = new TitleBox(8, 32, 397, 39);
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
