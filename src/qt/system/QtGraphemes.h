#pragma once

#include "screens/text/GraphemeBoundaries.h"

namespace ttt {

// Grapheme clusters as Qt's text engine finds them (QTextBoundaryFinder).
class QtGraphemes : public GraphemeBoundaries {
 protected:
  std::vector<std::size_t> validEnds(std::string_view validUtf8) const override;
};

}  // namespace ttt
