#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Converts dialog units to pixels and back from the metrics of a window's
// font: one horizontal unit is a quarter of the average character width, one
// vertical unit an eighth of the line height. Every layout of the program is
// given in dialog units so that it follows the font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont &font);
    // From explicit base sizes (average character width, line height).
    DialogUnits(int averageCharWidth, int lineHeight);

    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }

    // Dialog units to pixels, rounded to the nearest pixel.
    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QSize toPixels(int width, int height) const;
    QRect toPixels(int x, int y, int width, int height) const;

    // Pixels to whole dialog units (rounded down), e.g. a client size.
    int toUnitsX(int pixels) const;
    int toUnitsY(int pixels) const;

private:
    int m_baseWidth;
    int m_baseHeight;
};
