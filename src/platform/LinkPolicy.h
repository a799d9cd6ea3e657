#pragma once

#include <string_view>

namespace ttt {

// Whether a link label may hand the target to the desktop's opener: a web address
// (http:// or https://) or a mail address (mailto:), the scheme in any case, with something
// after it and no control character anywhere. Nothing else is opened, so no program or file
// is ever run by name, and nothing can be read by an opener as one of its options.
bool isLinkTarget(std::string_view target);

}  // namespace ttt
