#pragma once

#include "screens/text/GraphemeBoundaries.h"

namespace ttt::test {

// Cluster boundaries enough for the tests: a code point joins the cluster before it when it
// is a combining accent (U+0300 to U+036F), a variation selector, a skin tone, a zero-width
// joiner or what follows one.
class TestGraphemes : public GraphemeBoundaries {
 protected:
  std::vector<std::size_t> validEnds(std::string_view validUtf8) const override;
};

}  // namespace ttt::test
