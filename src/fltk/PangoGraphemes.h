#pragma once

#include "screens/GraphemeBoundaries.h"

namespace ttt {

// Cluster boundaries as the Linux text stack finds them: Pango's log attributes, whose
// cursor positions fall between clusters.
class PangoGraphemes : public GraphemeBoundaries {
 protected:
  std::vector<std::size_t> validEnds(std::string_view validUtf8) const override;
};

}  // namespace ttt
