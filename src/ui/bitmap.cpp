#include "ui/bitmap.h"

namespace travik::ui {

void Bitmap::FillRect(int x, int y, int w, int h, std::uint32_t colour) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, colour);
}

void Bitmap::Frame(int x, int y, int w, int h, std::uint32_t colour) {
  FillRect(x, y, w, 1, colour);
  FillRect(x, y + h - 1, w, 1, colour);
  FillRect(x, y, 1, h, colour);
  FillRect(x + w - 1, y, 1, h, colour);
}

namespace {
template <typename Op>
void Blit(Bitmap& canvas, const Bitmap& source, int x, int y, Op op) {
  for (int j = 0; j < source.height; ++j) {
    const int cy = y + j;
    if (cy < 0 || cy >= canvas.height) continue;
    for (int i = 0; i < source.width; ++i) {
      const int cx = x + i;
      if (cx < 0 || cx >= canvas.width) continue;
      std::uint32_t& px = canvas.pixels[std::size_t(cy) * canvas.width + cx];
      px = op(px, source.At(i, j)) & 0xFFFFFFu;
    }
  }
}
}  // namespace

void BlitAnd(Bitmap& canvas, const Bitmap& source, int x, int y) {
  Blit(canvas, source, x, y, [](std::uint32_t a, std::uint32_t b) { return a & b; });
}

void BlitOr(Bitmap& canvas, const Bitmap& source, int x, int y) {
  Blit(canvas, source, x, y, [](std::uint32_t a, std::uint32_t b) { return a | b; });
}

}  // namespace travik::ui
