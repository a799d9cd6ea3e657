#pragma once

#include <cstdint>

#include "forms/Layout.h"

namespace ttt {

// A layout's colour as 0xRRGGBB, for toolkits that know no Windows system colours: a system
// colour is its classic Windows default.
std::uint32_t classicRgb(Colour colour);

}  // namespace ttt
