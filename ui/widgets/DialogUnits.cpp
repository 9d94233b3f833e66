#include "ui/widgets/DialogUnits.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

// The average width of the Latin letters, the measure dialog layouts have
// always been based on (a font's own "average" width can be that of its
// full-width characters in a Japanese font).
int AverageCharWidth(const QFontMetrics &metrics)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double width = metrics.horizontalAdvance(letters) / double(letters.size());
    return std::max(1, int(std::lround(width)));
}

int Scale(int units, int base, int divisor)
{
    return int(std::lround(double(units) * base / divisor));
}

} // namespace

DialogUnits::DialogUnits(const QFont &font)
    : DialogUnits(AverageCharWidth(QFontMetrics(font)), QFontMetrics(font).height())
{
}

DialogUnits::DialogUnits(int averageCharWidth, int lineHeight)
    : m_baseWidth(std::max(1, averageCharWidth)), m_baseHeight(std::max(1, lineHeight))
{
}

int DialogUnits::toPixelsX(int units) const
{
    return Scale(units, m_baseWidth, 4);
}

int DialogUnits::toPixelsY(int units) const
{
    return Scale(units, m_baseHeight, 8);
}

QSize DialogUnits::toPixels(int width, int height) const
{
    return {toPixelsX(width), toPixelsY(height)};
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const
{
    // Edges are converted, not sizes, so that rectangles meeting in dialog
    // units also meet in pixels.
    const int left = toPixelsX(x), top = toPixelsY(y);
    return {left, top, toPixelsX(x + width) - left, toPixelsY(y + height) - top};
}

int DialogUnits::toUnitsX(int pixels) const
{
    return int(std::floor(double(pixels) * 4 / m_baseWidth));
}

int DialogUnits::toUnitsY(int pixels) const
{
    return int(std::floor(double(pixels) * 8 / m_baseHeight));
}
