#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "screens/text/GraphemeBoundaries.h"

namespace ttt {

// The widest a line of a message box's text may be: half the width of the work area of the
// screen it opens on, so that the box, with its icon, margins and button, always fits there.
int widestMessageLine(int workAreaWidth);

// The text with each line break, "\r\n" or a lone "\r", written as "\n", for toolkits that show
// a carriage return as a box.
std::string withNewlines(std::string_view text);

// The width of some text in pixels, in the font of the message box.
using MeasureText = std::function<int(std::string_view utf8)>;

// Message boxes break their text at blanks, but a run without blanks (a long name) that no
// line can hold would push the box off the screen. This breaks every such run of `text`
// into lines of at most `width` pixels, between whole characters (at least one character a
// line), by inserting `lineBreak`; blanks and the rest of the text are left as they are.
std::string breakLongRuns(std::string_view text, int width, const MeasureText& measure,
                          const GraphemeBoundaries& clusters, std::string_view lineBreak);

}  // namespace ttt
