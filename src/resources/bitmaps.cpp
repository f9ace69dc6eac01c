// The pixels are ours: the device's pictograms are not known here, so each
// symbol tile carries its list index, the colour tiles are true swatches and
// the bargraph tiles show their kind as a small bar.
#include "resources/bitmaps.h"

#include <map>
#include <string>

namespace travik::res {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kFrameGrey = 0x9A9A9A;
constexpr std::uint32_t kExtendedFrame = 0x3A6FC4;  // symbols only the colour LCDs have
constexpr std::uint32_t kSwatchFrame = 0x404040;

constexpr std::array<int, kSymbolCount> MakeSymbolList() {
  std::array<int, kSymbolCount> list{};
  int n = 0;
  auto add = [&](int number) { list[n++] = number; };
  auto range = [&](int first, int last) {
    for (int r = first; r <= last; ++r) add(r);
  };
  for (int r : {179, 159, 158, 157, 156, 160, 161, 181, 182, 162, 163, 184, 183, 186, 185, 154, 144, 125})
    add(r);
  range(128, 138);
  range(140, 143);
  range(145, 151);
  for (int r : {153, 152, 176, 175}) add(r);
  range(187, 190);
  range(164, 173);
  for (int r : {155, 191, 206, 209, 211, 213}) add(r);
  range(241, 328);
  return list;
}

// 3 x 5 digits, one row a byte, bit 2 the left column.
constexpr std::uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};

void DrawDigit(ui::Bitmap& b, int digit, int x, int y, int scale) {
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col)
      if (kDigits[digit][row] & (4 >> col)) b.FillRect(x + col * scale, y + row * scale, scale, scale, kBlack);
}

ui::Bitmap Tile(std::uint32_t frame) {
  ui::Bitmap b(kBitmapWidth, kBitmapHeight, kWhite);
  b.Frame(0, 0, kBitmapWidth, kBitmapHeight, frame);
  return b;
}

ui::Bitmap SymbolTile(int index) {
  ui::Bitmap b = Tile(index < kSmallSymbolCount ? kFrameGrey : kExtendedFrame);
  const std::string digits = std::to_string(index);
  // Two pixels a font pixel; the digits sit centred, 1 pixel apart.
  const int scale = 2;
  const int width = static_cast<int>(digits.size()) * (3 * scale + 1) - 1;
  int x = (kBitmapWidth - width) / 2;
  const int y = (kBitmapHeight - 5 * scale) / 2;
  for (char c : digits) {
    DrawDigit(b, c - '0', x, y, scale);
    x += 3 * scale + 1;
  }
  return b;
}

ui::Bitmap Swatch(std::uint32_t colour) {
  ui::Bitmap b(kBitmapWidth, kBitmapHeight, colour);
  b.Frame(0, 0, kBitmapWidth, kBitmapHeight, kSwatchFrame);
  return b;
}

// A bar outline across the tile with the kind's filling.
ui::Bitmap Bargraph(int kind) {
  ui::Bitmap b = Tile(kFrameGrey);
  b.Frame(2, 5, 20, 6, kBlack);
  switch (kind) {
    case 1:  // relative: from a centre mark outwards
      b.FillRect(11, 2, 2, 12, kBlack);
      b.FillRect(13, 6, 5, 4, kBlack);
      break;
    case 2:  // absolute: from the left end
      b.FillRect(2, 2, 1, 12, kBlack);
      b.FillRect(3, 6, 11, 4, kBlack);
      break;
    case 3:  // constant: the whole bar, in segments
      for (int x = 3; x < 21; x += 3) b.FillRect(x, 6, 2, 4, kBlack);
      break;
    default: break;
  }
  return b;
}

const std::map<int, ui::Bitmap>& AllBitmaps() {
  static const std::map<int, ui::Bitmap> all = [] {
    std::map<int, ui::Bitmap> m;
    m.emplace(kBitmapMask, ui::Bitmap(kBitmapWidth, kBitmapHeight, kBlack));
    for (int i = 1; i < kSymbolCount; ++i) m.emplace(kSymbolBitmapList[i], SymbolTile(i));
    m.emplace(kBitmapBlank, Tile(kFrameGrey));
    for (int i = 0; i < kColourCount; ++i) m.emplace(kColourBitmapList[i], Swatch(ColourOf(i)));
    for (int k = 1; k < kBargraphCount; ++k) m.emplace(kBargraphBitmapList[k], Bargraph(k));
    return m;
  }();
  return all;
}

}  // namespace

const std::array<int, kSymbolCount> kSymbolBitmapList = MakeSymbolList();
const std::array<int, kColourCount> kColourBitmapList = {198, 199, 200, 201, 202, 197,
                                                         207, 231, 235, 237, 238};
const std::array<int, kBargraphCount> kBargraphBitmapList = {kBitmapBlank, 195, 194, 196};

const ui::Bitmap* LoadBitmap(int number) {
  const auto& all = AllBitmaps();
  auto it = all.find(number);
  return it == all.end() ? nullptr : &it->second;
}

std::uint32_t ColourOf(int index) {
  static constexpr std::uint32_t kPalette[kColourCount] = {
      0xFFFFFF, 0xFF0000, 0x00C000, 0x0000FF, 0xFFFF00, 0x00FFFF,
      0xFF00FF, 0xFF8000, 0x808080, 0x80C0FF, 0x000000};
  return index >= 0 && index < kColourCount ? kPalette[index] : 0;
}

}  // namespace travik::res
