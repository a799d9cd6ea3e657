#pragma once

namespace ttt {

// The layouts measure in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace ttt
