#include "fltk/WindowIdentity.h"

#include <FL/Fl_Window.H>

#include "fltk/ToolkitImage.h"
#include "art/Images.h"

namespace ttt {

void setWindowIdentity(const char* windowClass) {
  Fl_Window::default_xclass(windowClass);
  // The toolkit keeps copies of the default icons.
  const auto large = toolkitImage(lightBulbIcon(32));
  const auto small = toolkitImage(lightBulbIcon(16));
  const Fl_RGB_Image* icons[] = {large.get(), small.get()};
  Fl_Window::default_icons(icons, 2);
}

}  // namespace ttt
