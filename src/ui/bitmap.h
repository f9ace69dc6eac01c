// Bitmaps as the program's resources hold them, and the raster surface that
// owner-drawn controls paint into. Pixels are 0xRRGGBB.
#pragma once

#include <cstdint>
#include <vector>

namespace travik::ui {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row

  Bitmap() = default;
  Bitmap(int w, int h, std::uint32_t fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  void Set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[std::size_t(y) * width + x] = colour;
  }
  void FillRect(int x, int y, int w, int h, std::uint32_t colour);
  void Frame(int x, int y, int w, int h, std::uint32_t colour);
};

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

// An item of an owner-drawn combo to be painted: its position in the list
// (-1 for an empty list or no selection), the item data the procedure stored
// with it, where it goes on the canvas and how it is shown.
struct DrawItem {
  int control = 0;
  int item = -1;
  std::uintptr_t data = 0;
  Rect rect;
  bool selected = false;
  int base_unit_x = 8;  // the horizontal dialog base unit of the window, in pixels
  Bitmap* canvas = nullptr;
};

// The raster operations owner drawing uses, clipped to the canvas.
void BlitAnd(Bitmap& canvas, const Bitmap& source, int x, int y);
void BlitOr(Bitmap& canvas, const Bitmap& source, int x, int y);

}  // namespace travik::ui
