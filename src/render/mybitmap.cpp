// MyBitmap's buffer, pixel primitives, background and entity drawing.
#include "render/mybitmap.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "model/drw.h"
#include "render/arctrace.h"
#include "render/entitysteps.h"
#include "support/text.h"

MyBitmap::MyBitmap(int width, int height, bool flipY) : ViewTransform(0, 0, flipY, false)
{
    SetSize(width, height);
}

void MyBitmap::SetSize(int w, int h)
{
    ViewTransform::SetSize(std::max(w, 0), std::max(h, 0));
    Allocate();
}

void MyBitmap::Allocate()
{
    pixelBuffer.reset();
    rowTable.reset();
    int64_t bytes = int64_t(width) * height * 3;
    allocationFailed = bytes > MaxBufferBytes;
    if (allocationFailed)
        return;
    pixelBuffer.reset(new (std::nothrow) uint8_t[std::max<int64_t>(bytes, 1)]());
    rowTable.reset(new (std::nothrow) uint8_t*[std::max(height, 1)]);
    allocationFailed = !pixelBuffer || !rowTable;
    if (allocationFailed) {
        pixelBuffer.reset();
        rowTable.reset();
        return;
    }
    for (int y = 0; y < height; ++y)
        rowTable[y] = pixelBuffer.get() + int64_t(y) * width * 3;
}

void MyBitmap::SetMargins(int left, int bottom, int right, int top)
{
    if (int64_t(left) + right >= width)
        left = right = static_cast<int>(width * 0.5 - 1);
    if (int64_t(bottom) + top >= height)
        bottom = top = static_cast<int>(height * 0.5 - 1);
    ViewTransform::SetMargins(left, bottom, right, top);
}

void MyBitmap::SetColors(Color background, Color frame, Color pen, Color grid, Color axes)
{
    backgroundColor = background;
    frameColor = frame;
    penColor = pen;
    gridColor = grid;
    axesColor = axes;
}

// ---- Pixel primitives ----

namespace {

// The steps m of 0..n at which a coordinate running from a to a + delta in n steps truncates into 0..limit - 1,
// widened by one step on each side; the caller still tests every pixel.
void StepRange(double a, double delta, double n, int limit, double& mLo, double& mHi)
{
    if (delta == 0) {
        if (a <= -1 || a >= limit)
            mLo = 1, mHi = 0;
        return;
    }
    double t1 = (-1 - a) / delta * n;
    double t2 = (limit - a) / delta * n;
    mLo = std::max(mLo, std::floor(std::min(t1, t2)) - 1);
    mHi = std::min(mHi, std::ceil(std::max(t1, t2)) + 1);
}

}  // namespace

void MyBitmap::PutLine(Color color, int x1, int y1, int x2, int y2)
{
    if (allocationFailed)
        return;
    double dx = double(x2) - x1, dy = double(y2) - y1;
    double n = std::trunc(std::sqrt(dx * dx + dy * dy)) + 1;
    // Only the steps that can land inside the buffer are walked, so a line far beyond it costs nothing.
    double mLo = 0, mHi = n;
    StepRange(x1, dx, n, width, mLo, mHi);
    StepRange(y1, dy, n, height, mLo, mHi);
    for (double m = mLo; m <= mHi; m += 1) {
        double fx = x1 + dx / n * m, fy = y1 + dy / n * m;
        // Truncation toward zero puts -1 < f < 0 on pixel 0.
        if (fx <= -1 || fy <= -1 || fx >= width || fy >= height)
            continue;
        SetPixel(static_cast<int>(fx), static_cast<int>(fy), color);
    }
}

void MyBitmap::FillArea(Color color, int x1, int y1, int x2, int y2)
{
    if (allocationFailed)
        return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width);
    y2 = std::min(y2, height);
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x)
            SetPixel(x, y, color);
    }
}

void MyBitmap::FrameArea(Color color, int x1, int y1, int x2, int y2)
{
    PutLine(color, x1, y1, x2, y1);
    PutLine(color, x2, y1, x2, y2);
    PutLine(color, x2, y2, x1, y2);
    PutLine(color, x1, y2, x1, y1);
}

Color MyBitmap::PixelAt(int x, int y) const
{
    if (allocationFailed || x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const uint8_t* p = rowTable[y] + 3 * x;
    return RgbColor(p[0], p[1], p[2]);
}

// ---- Background ----

void MyBitmap::DrawBackground()
{
    if (allocationFailed)
        return;
    ComputeView();
    FillArea(backgroundColor, 0, 0, width, height);
    FrameArea(frameColor, 1, 1, width - 2, height - 2);
    if (showGrid) {
        ForEachGridLine([this](int x1, int y1, int x2, int y2) { PutLine(gridColor, x1, y1, x2, y2); });
    }
    if (showAxes)
        DrawAxes();
}

void MyBitmap::DrawAxes()
{
    constexpr int t = 5;
    int ox, oy;
    ToPixel(0, 0, ox, oy);
    // An origin far off the buffer is brought nearer, still off it, so that the arrowheads cannot overflow int.
    ox = std::clamp(ox, -(1 << 24), 1 << 24);
    oy = std::clamp(oy, -(1 << 24), 1 << 24);
    PutLine(axesColor, areaLeft, oy, areaRight, oy);
    PutLine(axesColor, areaRight, oy, areaRight - t, oy - t);
    PutLine(axesColor, areaRight, oy, areaRight - t, oy + t);
    int s = flipY ? areaBottom : areaTop;
    int e = flipY ? areaTop : areaBottom;
    int d = flipY ? -t : t;
    PutLine(axesColor, ox, s, ox, e);
    PutLine(axesColor, ox, e, ox - d, e - d);
    PutLine(axesColor, ox, e, ox + d, e - d);
}

// ---- Entities ----

Color MyBitmap::ChooseColor(const std::string& layer) const
{
    if (colorIndex >= 0 && colorIndex < SelColorCount)
        return selColors[colorIndex];
    if (!layer.empty() && !layerColors.empty()) {
        std::string upper = AnsiUpper(layer);
        for (const LayerColor& entry : layerColors) {
            if (entry.name == upper)
                return entry.color;
        }
    }
    return penColor;
}

void MyBitmap::DrawLine(double x1, double y1, double x2, double y2, const std::string& layer)
{
    int px1, py1, px2, py2;
    ToPixel(x1, y1, px1, py1);
    ToPixel(x2, y2, px2, py2);
    PutLine(ChooseColor(layer), px1, py1, px2, py2);
}

void MyBitmap::DrawArc(double x1, double y1, double x2, double y2, double xc, double yc, bool cw,
                       const std::string& layer)
{
    Color color = ChooseColor(layer);
    int lastX = 0, lastY = 0;
    auto moveTo = [&](int x, int y) {
        lastX = x;
        lastY = y;
    };
    auto lineTo = [&](int x, int y) {
        PutLine(color, lastX, lastY, x, y);
        moveTo(x, y);
    };
    if (TraceArc(*this, x1, y1, x2, y2, xc, yc, cw, moveTo, lineTo) == ArcTraceResult::Dot) {
        int px, py;
        ToPixel(x1, y1, px, py);
        PutLine(ChooseColor(""), px, py, px, py);
    }
}

void MyBitmap::DrawArrow(const Entity& entity)
{
    DrawArrowWith(*this, entity);
}

void MyBitmap::DrawEntity(const Entity& entity, int index)
{
    DrawEntityWith(*this, entity, index);
}

void MyBitmap::DrawDrawing(const Drw& drawing, int sequence, int index)
{
    if (allocationFailed)
        return;
    auto draw = [&](const Entity& entity) {
        bool highlighted = index > 0 && (sequence < 0 || entity.sequence == sequence);
        DrawEntity(entity, highlighted ? index : -1);
    };
    int count = drawing.entityCount();
    for (int i = 4; i < count; ++i)
        draw(drawing.entities[i]);
    for (int i = 0; i < std::min(count, 4); ++i)
        draw(drawing.entities[i]);
}
