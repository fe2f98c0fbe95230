// The view transform shared by the screen and bitmap renderers: a uniform mapping of drawing millimetres to
// pixels that fits a requested window into the drawing area, with zoom and pan.
#pragma once

#include <cmath>

class Drw;

class ViewTransform {
public:
    ViewTransform(int width, int height, bool flipY, bool mirrorX);

    // Settings only store; nothing changes until ComputeView.
    void SetSize(int width, int height);
    void SetMargins(int left, int bottom, int right, int top);
    void SetExtents(double minX, double minY, double maxX, double maxY);
    void SetPan(double x, double y);

    // Fits the requested window to the area; a window of zero width and height keeps the previous view.
    void ComputeView();

    // Pixel of a coordinate from which the pan has been removed, clamped to +-2147483646.
    int XToPixel(double x) const { return RoundPixel(XPixelValue(x)); }
    int YToPixel(double y) const { return RoundPixel(YPixelValue(y)); }
    // Pixel of a drawing point (pan included).
    void ToPixel(double x, double y, int& px, int& py) const
    {
        px = XToPixel(x - panX);
        py = YToPixel(y - panY);
    }
    // The pixel coordinates before rounding: XToPixel(x) is RoundPixel(XPixelValue(x)), likewise for y.
    double XPixelValue(double x) const { return (mirrorX ? extMaxX - (x - extMinX) : x) * scaleX + offsetX; }
    double YPixelValue(double y) const { return (flipY ? extMaxY - (y - extMinY) : y) * scaleY + offsetY; }
    // A pixel coordinate rounded to the nearest pixel, a half downwards (RoundToInt's rule), beyond +-2147483647
    // clamped to +-2147483646; NaN gives 0.
    static int RoundPixel(double v);
    // Coordinates without the pan; 0 when the scale is zero.
    double PixelToX(double px) const;
    double PixelToY(double py) const;
    // Drawing point (pan included) under a pixel.
    void ToDrawing(double px, double py, double& x, double& y) const;

    // Factor below 1 enlarges the drawing; ZoomAt keeps the point under pixel (px, py) where it is.
    void Zoom(double factor);
    void ZoomAt(double factor, double px, double py);
    // Move the drawing on screen by a fraction of the visible window in the named direction.
    void PanLeft(double fraction);
    void PanRight(double fraction);
    void PanUp(double fraction);
    void PanDown(double fraction);
    // Moves the drawing on screen by (dx, dy) pixels, whatever the mirror and flip: the drawing point under a pixel
    // comes to lie under the pixel dx, dy further on. Valid after ComputeView (it uses the scale).
    void PanByPixels(double dx, double dy);

    // Requested window = the drawing's bounding box widened by marginFraction of its size on each side; pan 0.
    // A drawing without entities gives the window (0, 0, 0, 0), which leaves the view as it was.
    void FitDrawing(const Drw& drawing, double marginFraction);

    // Grid step in mm per axis: the smallest power of ten, at least 1, giving at most 100 steps.
    void GridSteps(double& gx, double& gy) const;

    // Calls line(x1, y1, x2, y2) in pixels for every grid line that can show on the canvas: vertical lines at
    // multiples of gx over the drawing area's height, horizontal lines at multiples of gy over its width.
    template <typename LineFn>
    void ForEachGridLine(LineFn&& line) const;

    // Canvas size and margins (pixels); requested window without pan, visible window with pan, pan (mm);
    // drawing area (pixels); scale (pixels per mm, equal on both axes) and pixel position of coordinate 0.
    int width, height;
    int marginLeft = 0, marginBottom = 0, marginRight = 0, marginTop = 0;
    double extMinX = 0, extMinY = 0, extMaxX = 0, extMaxY = 0;
    double visMinX = 0, visMinY = 0, visMaxX = 0, visMaxY = 0;
    double panX = 0, panY = 0;
    int areaLeft = 0, areaBottom = 0, areaRight = 0, areaTop = 0;
    double scaleX = 0, scaleY = 0;
    double offsetX = 0, offsetY = 0;
    bool flipY;
    bool mirrorX;

private:
    template <typename Fn>
    static void ForEachMultiple(double step, double lo, double hi, double visMin, double visMax, Fn&& fn);
};

inline int ViewTransform::RoundPixel(double v)
{
    constexpr double limit = 2147483647.0;
    if (v > limit)
        return 2147483646;
    if (v < -limit)
        return -2147483646;
    if (std::isnan(v))
        return 0;
    // RoundToInt's arithmetic for the int range, inline because every pixel drawn passes here (and without
    // touching the ConversionFailed flag of text conversions): the truncated value and the exact remainder decide.
    const int truncated = static_cast<int>(v);
    const double remainder = v - truncated;
    return truncated + (remainder > 0.5 ? 1 : 0) - (remainder <= -0.5 ? 1 : 0);
}

template <typename Fn>
void ViewTransform::ForEachMultiple(double step, double lo, double hi, double visMin, double visMax, Fn&& fn)
{
    // Lines at 0, step, 2 step, ... below visMax, then at -step, -2 step, ... above visMin; those off the
    // canvas (outside lo..hi) change no pixel and are skipped rather than walked one by one. The count is
    // bounded because far from the origin k + 1 can round back to k.
    constexpr int maxLines = 1000;
    int n = 0;
    for (double k = std::fmax(0.0, std::ceil(lo / step)); k * step < visMax && k * step <= hi && n < maxLines;
         k += 1, ++n)
        fn(k * step);
    n = 0;
    for (double k = std::fmax(1.0, std::ceil(-hi / step)); - k * step > visMin && -k * step >= lo && n < maxLines;
         k += 1, ++n)
        fn(-k * step);
}

template <typename LineFn>
void ViewTransform::ForEachGridLine(LineFn&& line) const
{
    double gx, gy;
    GridSteps(gx, gy);
    double x0, y0, x1, y1;
    ToDrawing(0, 0, x0, y0);
    ToDrawing(width, height, x1, y1);
    ForEachMultiple(gx, std::fmin(x0, x1), std::fmax(x0, x1), visMinX, visMaxX, [&](double x) {
        int px = XToPixel(x - panX);
        line(px, areaTop, px, areaBottom);
    });
    ForEachMultiple(gy, std::fmin(y0, y1), std::fmax(y0, y1), visMinY, visMaxY, [&](double y) {
        int py = YToPixel(y - panY);
        line(areaLeft, py, areaRight, py);
    });
}
