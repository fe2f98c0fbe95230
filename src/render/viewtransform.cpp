// The view transform: fitting the requested window, the pixel mappings, zoom, pan and fitting a drawing.
#include "render/viewtransform.h"

#include <limits>

#include "model/drw.h"

namespace {

constexpr double Tiny = 1e-8;

}  // namespace

ViewTransform::ViewTransform(int width, int height, bool flipY, bool mirrorX)
    : width(width), height(height), flipY(flipY), mirrorX(mirrorX)
{
}

void ViewTransform::SetSize(int w, int h)
{
    width = w;
    height = h;
}

void ViewTransform::SetMargins(int left, int bottom, int right, int top)
{
    marginLeft = left;
    marginBottom = bottom;
    marginRight = right;
    marginTop = top;
}

void ViewTransform::SetExtents(double minX, double minY, double maxX, double maxY)
{
    extMinX = minX;
    extMinY = minY;
    extMaxX = maxX;
    extMaxY = maxY;
}

void ViewTransform::SetPan(double x, double y)
{
    panX = x;
    panY = y;
}

void ViewTransform::ComputeView()
{
    areaLeft = marginLeft;
    areaTop = marginTop;
    areaRight = width - marginRight;
    areaBottom = height - marginBottom;
    double dx = extMaxX - extMinX;
    double dy = extMaxY - extMinY;
    if (std::fabs(dx) < Tiny && std::fabs(dy) < Tiny)
        return;
    constexpr double largest = std::numeric_limits<double>::max();
    double sx = std::fabs(dx) < Tiny ? largest : (areaRight - areaLeft) / dx;
    double sy = std::fabs(dy) < Tiny ? largest : (areaBottom - areaTop) / dy;
    if (sx < sy) {
        double s = sx;
        double h = ((areaBottom - areaTop) / s - dy) * 0.5;
        visMinY = extMinY - h;
        visMaxY = extMaxY + h;
        visMinX = extMinX;
        visMaxX = extMaxX;
        scaleX = scaleY = s;
    } else {
        double s = sy;
        double h = ((areaRight - areaLeft) / s - dx) * 0.5;
        visMinX = extMinX - h;
        visMaxX = extMaxX + h;
        visMinY = extMinY;
        visMaxY = extMaxY;
        scaleX = scaleY = s;
    }
    offsetX = areaLeft - scaleX * visMinX;
    offsetY = areaTop - scaleY * visMinY;
    visMinX += panX;
    visMaxX += panX;
    visMinY += panY;
    visMaxY += panY;
}

double ViewTransform::PixelToX(double px) const
{
    if (std::fabs(scaleX) < Tiny)
        return 0;
    double x = (px - offsetX) / scaleX;
    return mirrorX ? extMaxX - (x - extMinX) : x;
}

double ViewTransform::PixelToY(double py) const
{
    if (std::fabs(scaleY) < Tiny)
        return 0;
    double y = (py - offsetY) / scaleY;
    return flipY ? extMaxY - (y - extMinY) : y;
}

void ViewTransform::ToDrawing(double px, double py, double& x, double& y) const
{
    x = PixelToX(px) + panX;
    y = PixelToY(py) + panY;
}

void ViewTransform::Zoom(double f)
{
    double cx = (visMinX + visMaxX) * 0.5 - panX;
    double cy = (visMinY + visMaxY) * 0.5 - panY;
    extMinX = cx - (cx - extMinX) * f;
    extMaxX = cx + f * (extMaxX - cx);
    extMinY = cy - f * (cy - extMinY);
    extMaxY = cy + f * (extMaxY - cy);
}

void ViewTransform::ZoomAt(double f, double px, double py)
{
    double dx = std::trunc(px - width * 0.5);
    double dy = std::trunc(py - height * 0.5);
    double ax = PixelToX(dx) - PixelToX(0);
    double ay = PixelToY(dy) - PixelToY(0);
    panX += ax;
    panY += ay;
    ComputeView();
    Zoom(f);
    ComputeView();
    panX -= ax * f;
    panY -= ay * f;
}

void ViewTransform::PanLeft(double f)
{
    panX += (mirrorX ? -f : f) * (visMaxX - visMinX);
}
void ViewTransform::PanRight(double f)
{
    panX -= (mirrorX ? -f : f) * (visMaxX - visMinX);
}
void ViewTransform::PanUp(double f)
{
    panY += (flipY ? -f : f) * (visMaxY - visMinY);
}
void ViewTransform::PanDown(double f)
{
    panY -= (flipY ? -f : f) * (visMaxY - visMinY);
}

void ViewTransform::PanByPixels(double dx, double dy)
{
    panX -= PixelToX(dx) - PixelToX(0);
    panY -= PixelToY(dy) - PixelToY(0);
}

void ViewTransform::FitDrawing(const Drw& drawing, double marginFraction)
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    if (drawing.entityCount() > 0)
        drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    double mx = (maxX - minX) * marginFraction;
    double my = (maxY - minY) * marginFraction;
    SetExtents(minX - mx, minY - my, maxX + mx, maxY + my);
    SetPan(0, 0);
}

void ViewTransform::GridSteps(double& gx, double& gy) const
{
    gx = 1;
    while ((visMaxX - visMinX) * 0.1 / gx > 10)
        gx *= 10;
    gy = 1;
    while ((visMaxY - visMinY) * 0.1 / gy > 10)
        gy *= 10;
}
