// QtCanvas: the renderer's canvas on a QImage (Format_RGB32). One-pixel lines (solid, dashed, XOR), the bulk of
// what is drawn, are rasterised straight into the image's pixels, clipped to it; filled rectangles too. Ellipses,
// text and wider pens go through a QPainter on the same image (XOR as RasterOp_SourceXorDestination), open from
// Begin to End or, outside such a burst, for the one call.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>

#include "render/canvas.h"

class QtCanvas : public Canvas {
public:
    // Dashes of one-pixel dashed pens: DashOn pixels drawn, DashOff skipped, continued along a polyline.
    static constexpr int DashOn = 6;
    static constexpr int DashOff = 4;

    // image is not owned and must outlive the canvas; it may be reallocated between bursts.
    explicit QtCanvas(QImage* image);
    ~QtCanvas() override;

    // A burst of drawing: keeps one painter open until End.
    void Begin();
    void End();

    void SetPen(Color color, int width, uint8_t style) override;
    void SetPenMode(PenMode mode) override { penMode = mode; }
    PenMode GetPenMode() const override { return penMode; }
    void SetBrushColor(Color color) override { brushColor = color; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void SetFont(int sizePoints, bool bold, bool italic, bool underline, Color color) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

private:
    // The image's pixels, taken once per burst (while a painter is active a copy of the image is a deep copy, so
    // they stay the image's own) or else once per line.
    struct Pixels {
        uchar* bits = nullptr;
        int width = 0, height = 0;
        qsizetype bytesPerLine = 0;
        bool Contains(int x, int y) const
        {
            return static_cast<unsigned>(x) < static_cast<unsigned>(width) &&
                   static_cast<unsigned>(y) < static_cast<unsigned>(height);
        }
    };
    // Runs paint with a painter set up for the pen mode: the burst's, or one opened for this call.
    template <typename Fn>
    void WithPainter(Fn&& paint);
    // A one-pixel line from (x0, y0) towards (x1, y1), without its end pixel.
    void PixelLine(int x0, int y0, int x1, int y1);
    // Bresenham between points near the image; pixels outside it are skipped. phase: dash position of the first.
    void Bresenham(const Pixels& pixels, int x0, int y0, int x1, int y1, bool includeEnd, long long phase);
    void FillPixels(int left, int top, int right, int bottom, Color color);
    // A solid line whose ends lie in the image (so does every pixel between), n pixels from (x0, y0).
    void SolidLineInside(const Pixels& pixels, int x0, int y0, int x1, int y1, int n);
    QPen MakePen() const;
    // The burst's pixels, or the image's own outside a burst; bits is null for a null image.
    Pixels CurrentPixels();

    QImage* image;
    std::unique_ptr<QPainter> painter;
    Pixels burstPixels;
    Color penColor = 0, brushColor = 0xFFFFFF, fontColor = 0;
    int penWidth = 1;
    uint8_t penStyle = PenStyleSolid;
    PenMode penMode = PenMode::Copy;
    QFont font;
    int currentX = 0, currentY = 0;
    // Dash position of the next pixel along the current polyline; MoveTo and SetPen restart it.
    long long dashPhase = 0;
};
