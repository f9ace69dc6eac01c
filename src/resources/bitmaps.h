// The program's bitmap resources: the 24 x 16 tiles drawn into the owner-drawn
// combos of the multi-channel dialogs, by resource number, and the lists that
// give a stored index its bitmap.
#pragma once

#include <array>
#include <span>

#include "ui/bitmap.h"

namespace travik::res {

inline constexpr int kBitmapWidth = 24;
inline constexpr int kBitmapHeight = 16;
// Monochrome mask combined (AND) into every item before its bitmap (OR).
inline constexpr int kBitmapMask = 178;
// The blank tile: symbol 0 and bargraph kind 0 ("Žádný").
inline constexpr int kBitmapBlank = 179;

// Symbol index (configuration words 92-139) -> resource. The small members
// offer the first 64, the colour-LCD members all 152.
inline constexpr int kSmallSymbolCount = 64;
inline constexpr int kSymbolCount = 152;
extern const std::array<int, kSymbolCount> kSymbolBitmapList;
// Colour index 0-10 -> resource.
inline constexpr int kColourCount = 11;
extern const std::array<int, kColourCount> kColourBitmapList;
// Bargraph kind 0-3 -> resource.
inline constexpr int kBargraphCount = 4;
extern const std::array<int, kBargraphCount> kBargraphBitmapList;

// The bitmap resource, or nullptr when the program has none of that number.
const ui::Bitmap* LoadBitmap(int number);

// The colour a colour index stands for on the device's LCD (0xRRGGBB).
std::uint32_t ColourOf(int index);

}  // namespace travik::res
