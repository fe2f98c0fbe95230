// MyBitmap: the offscreen renderer. It paints a drawing into a pixel buffer of its own, with its own line
// rasteriser and the view transform of the screen renderer (without the x mirror), and writes the buffer as a
// 24-bit uncompressed BMP file.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/viewtransform.h"

class Drw;
struct Entity;

class MyBitmap : protected ViewTransform {
public:
    static constexpr int SelColorCount = 100;
    // The largest buffer allocated, in bytes; a larger size sets the allocation-failed flag.
    static constexpr int64_t MaxBufferBytes = int64_t(1) << 30;

    struct LayerColor {
        std::string name;  // upper-cased
        Color color;
    };

    // Allocates the buffer; a negative size is taken as 0.
    MyBitmap(int width, int height, bool flipY);

    // Stores the size and allocates the buffer again.
    void SetSize(int width, int height);
    // Margins that leave no room are cut to half the size less one.
    void SetMargins(int left, int bottom, int right, int top);
    void SetColors(Color background, Color frame, Color pen, Color grid, Color axes);
    using ViewTransform::SetExtents;
    // The drawing's bounding box, unwidened when marginFraction is 0, as the requested window.
    using ViewTransform::FitDrawing;
    void ShowAxes(bool on) { showAxes = on; }
    void ShowGrid(bool on) { showGrid = on; }

    // Fill, frame, grid and axes (no labels, no origin mark). Nothing without a buffer.
    void DrawBackground();
    // Every entity, those of path sequence (every path when sequence < 0) in selection colour colorIndex when
    // > 0. The first four entities are drawn last, on top of the others.
    void DrawDrawing(const Drw& drawing, int sequence, int colorIndex);
    // Writes the buffer as a BMP file (bottom-up rows, each padded to 4 bytes), replacing an existing file only when
    // the new one is complete; BMP001 on failure, also when there is no buffer, the previous file then kept.
    bool WriteBmp(const std::string& fileName);

    // ---- Pixel primitives, in buffer coordinates; pixels outside the buffer are skipped ----
    // The line with both end pixels, by equal steps of at most one pixel along its length.
    void PutLine(Color color, int x1, int y1, int x2, int y2);
    // Pixels x1 <= x < x2, y1 <= y < y2.
    void FillArea(Color color, int x1, int y1, int x2, int y2);
    // The four sides of the rectangle with corners (x1, y1) and (x2, y2), both included.
    void FrameArea(Color color, int x1, int y1, int x2, int y2);
    // The pixel's colour; 0 outside the buffer.
    Color PixelAt(int x, int y) const;

    // ---- Entity steps, as in the screen renderer ----
    void DrawEntity(const Entity& entity, int colorIndex);
    void DrawLine(double x1, double y1, double x2, double y2, const std::string& layer);
    void DrawArc(double x1, double y1, double x2, double y2, double xc, double yc, bool cw, const std::string& layer);
    void DrawArrow(const Entity& entity);

    bool AllocationFailed() const { return allocationFailed; }

    using ViewTransform::ComputeView;
    using ViewTransform::extMaxX;
    using ViewTransform::extMaxY;
    using ViewTransform::extMinX;
    using ViewTransform::extMinY;
    using ViewTransform::height;
    using ViewTransform::scaleX;
    using ViewTransform::ToPixel;
    using ViewTransform::width;

    Color backgroundColor = 0, frameColor = 0, penColor = 0, gridColor = 0, axesColor = 0;
    std::array<Color, SelColorCount> selColors{};
    int colorIndex = -1;
    std::vector<LayerColor> layerColors;
    bool showAxes = false, showGrid = false, showArrows = false;

private:
    void Allocate();
    // Selection colour for colorIndex 0..99, else the first layer colour matching layer, else penColor.
    Color ChooseColor(const std::string& layer) const;
    void SetPixel(int x, int y, Color color)
    {
        uint8_t* p = rowTable[y] + 3 * x;
        p[0] = static_cast<uint8_t>(RedOf(color));
        p[1] = static_cast<uint8_t>(GreenOf(color));
        p[2] = static_cast<uint8_t>(BlueOf(color));
    }
    void DrawAxes();
    // The headers and rows of the BMP file; false when a write failed.
    bool WriteFile(std::FILE* file) const;

    std::unique_ptr<uint8_t[]> pixelBuffer;
    std::unique_ptr<uint8_t*[]> rowTable;
    bool allocationFailed = false;
};
