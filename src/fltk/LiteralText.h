#pragma once

#include <string>

namespace ttt {

// The toolkit's dialogs and tooltips read '@' as the start of a symbol and draw a carriage
// return as a visible control character. Returns the text to hand them so that they show it
// as written: every '@' doubled, every '\r' dropped (a CR LF pair then breaks the line once).
std::string literalToolkitText(const std::string& text);

}  // namespace ttt
