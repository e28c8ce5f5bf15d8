#pragma once

#include <QRect>
#include <QtMath>

namespace busquery::gui {

// The window is laid out in twips, 1/1440 inch: 15 twips a pixel at 96 dots per inch.
inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(int twips, double logicalDpi) {
    return qRound(twips * logicalDpi / kTwipsPerInch);
}

// A control's place from its left, top, width and height in twips. Edges are converted, not
// sizes, so controls that meet in twips still meet in pixels.
inline QRect twipsRect(int left, int top, int width, int height, double logicalDpi) {
    const int x = twipsToPixels(left, logicalDpi);
    const int y = twipsToPixels(top, logicalDpi);
    return QRect(x, y, twipsToPixels(left + width, logicalDpi) - x,
                 twipsToPixels(top + height, logicalDpi) - y);
}

}  // namespace busquery::gui
