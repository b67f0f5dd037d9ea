#pragma once

#include <QRect>

namespace armoursmith {

// Window layouts are kept in twips (1/1440 inch); 15 twips make one device-independent pixel.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

inline QRect TwipsToPixels(const TwipsRect& rect) {
  return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
          TwipsToPixels(rect.height)};
}

}  // namespace armoursmith
