#pragma once

#include "screens/text/GraphemeBoundaries.h"

namespace ttt {

// Cluster boundaries as Windows finds them: Uniscribe's ScriptBreak (usp10, on every Windows
// since 2000) marks where each cluster starts in UTF-16 text, which is mapped back to UTF-8.
class UniscribeGraphemes : public GraphemeBoundaries {
 protected:
  std::vector<std::size_t> validEnds(std::string_view validUtf8) const override;
};

}  // namespace ttt
