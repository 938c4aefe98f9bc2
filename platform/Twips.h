#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Sizes and positions keep their twip values in code: 15 twips are one pixel at 96 dpi.
class Twips {
public:
    static constexpr int PerPixel = 15;
    static constexpr int toPixels(int twips) { return (twips + (twips >= 0 ? PerPixel / 2 : -PerPixel / 2)) / PerPixel; }
    static constexpr int fromPixels(int pixels) { return pixels * PerPixel; }
    static QSize size(int widthTwips, int heightTwips) { return {toPixels(widthTwips), toPixels(heightTwips)}; }
    static QPoint point(int leftTwips, int topTwips) { return {toPixels(leftTwips), toPixels(topTwips)}; }
    static QRect rect(int left, int top, int width, int height)
    {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }
    // The primary screen's size; 0 when there is no screen.
    static int screenWidth();
    static int screenHeight();
};
