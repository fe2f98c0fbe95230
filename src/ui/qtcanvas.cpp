// QtCanvas: one-pixel lines and fills written into the image's pixels, the rest through QPainter.
#include "ui/qtcanvas.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/qtcolor.h"

QtCanvas::QtCanvas(QImage* image) : image(image) {}

QtCanvas::~QtCanvas()
{
    End();
}

void QtCanvas::Begin()
{
    if (painter || image->isNull())
        return;
    painter = std::make_unique<QPainter>(image);
    painter->setRenderHint(QPainter::Antialiasing, false);
    burstPixels = {image->bits(), image->width(), image->height(), image->bytesPerLine()};
}

void QtCanvas::End()
{
    painter.reset();
    burstPixels = Pixels();
}

QtCanvas::Pixels QtCanvas::CurrentPixels()
{
    if (painter)
        return burstPixels;
    if (image->isNull())
        return Pixels();
    return {image->bits(), image->width(), image->height(), image->bytesPerLine()};
}

template <typename Fn>
void QtCanvas::WithPainter(Fn&& paint)
{
    auto setUp = [this](QPainter& p) {
        p.setCompositionMode(penMode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    };
    if (painter) {
        setUp(*painter);
        paint(*painter);
        return;
    }
    if (image->isNull())
        return;
    QPainter p(image);
    p.setRenderHint(QPainter::Antialiasing, false);
    setUp(p);
    paint(p);
}

QPen QtCanvas::MakePen() const
{
    QPen pen(ToQColor(penColor), std::max(penWidth, 1), penStyle == PenStyleDashed ? Qt::DashLine : Qt::SolidLine);
    return pen;
}

void QtCanvas::SetPen(Color color, int width, uint8_t style)
{
    penColor = color;
    penWidth = width;
    penStyle = style;
    dashPhase = 0;
}

void QtCanvas::MoveTo(int x, int y)
{
    currentX = x;
    currentY = y;
    dashPhase = 0;
}

void QtCanvas::LineTo(int x, int y)
{
    if (penWidth <= 1 && painter && penStyle == PenStyleSolid && penMode == PenMode::Copy &&
        burstPixels.Contains(currentX, currentY) && burstPixels.Contains(x, y)) {
        // The bulk of a repaint, a solid line within the image during a burst, goes straight to its pixels.
        int n = std::max(std::abs(x - currentX), std::abs(y - currentY));
        dashPhase += n;
        SolidLineInside(burstPixels, currentX, currentY, x, y, n);
    } else if (penWidth <= 1) {
        PixelLine(currentX, currentY, x, y);
    } else {
        WithPainter([&](QPainter& p) {
            p.setPen(MakePen());
            p.drawLine(currentX, currentY, x, y);
        });
    }
    currentX = x;
    currentY = y;
}

void QtCanvas::PixelLine(int x0, int y0, int x1, int y1)
{
    long long length =
        std::max(std::llabs(static_cast<long long>(x1) - x0), std::llabs(static_cast<long long>(y1) - y0));
    if (length == 0)
        return;
    const Pixels pixels = CurrentPixels();
    if (pixels.bits == nullptr)
        return;
    long long phase = dashPhase;
    dashPhase += length;
    int w = pixels.width, h = pixels.height;
    auto near = [&](int x, int y) { return x >= -1 && x <= w && y >= -1 && y <= h; };
    if (near(x0, y0) && near(x1, y1)) {
        Bresenham(pixels, x0, y0, x1, y1, false, phase);
        return;
    }
    // Clip to the image widened by one pixel (Liang-Barsky), so that far-away ends cost nothing.
    double dx = double(x1) - x0, dy = double(y1) - y0;
    double t0 = 0, t1 = 1;
    auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        double r = q / p;
        if (p < 0) {
            if (r > t1)
                return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0)
                return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!clip(-dx, x0 + 1.0) || !clip(dx, w - double(x0)) || !clip(-dy, y0 + 1.0) || !clip(dy, h - double(y0)))
        return;
    int cx0 = static_cast<int>(std::lround(x0 + t0 * dx)), cy0 = static_cast<int>(std::lround(y0 + t0 * dy));
    int cx1 = static_cast<int>(std::lround(x0 + t1 * dx)), cy1 = static_cast<int>(std::lround(y0 + t1 * dy));
    Bresenham(pixels, cx0, cy0, cx1, cy1, t1 < 1, phase + std::llround(t0 * length));
}

void QtCanvas::Bresenham(const Pixels& pixels, int x0, int y0, int x1, int y1, bool includeEnd, long long phase)
{
    const QRgb rgb = ToQRgb(penColor);
    const bool xorMode = penMode == PenMode::Xor;
    const bool dashed = penStyle == PenStyleDashed;
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int n = std::max(dx, -dy) + (includeEnd ? 1 : 0);
    if (!dashed && !xorMode && pixels.Contains(x0, y0) && pixels.Contains(x1, y1)) {
        SolidLineInside(pixels, x0, y0, x1, y1, n);
        return;
    }
    for (int i = 0; i < n; ++i) {
        bool on = !dashed || (phase + i) % (DashOn + DashOff) < DashOn;
        if (on && pixels.Contains(x0, y0)) {
            QRgb* pixel = reinterpret_cast<QRgb*>(pixels.bits + y0 * pixels.bytesPerLine) + x0;
            *pixel = xorMode ? (*pixel ^ (rgb & 0x00FFFFFF)) : rgb;
        }
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void QtCanvas::SolidLineInside(const Pixels& pixels, int x0, int y0, int x1, int y1, int n)
{
    // The steps of the loop in Bresenham above, split by the major axis: along it every step moves (for
    // dx >= -dy the test e2 >= dy always holds, for dx <= -dy the test e2 <= dx does), so only the minor axis
    // is decided per pixel.
    const QRgb rgb = ToQRgb(penColor);
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const qsizetype stepX = (x0 < x1 ? 1 : -1) * qsizetype(sizeof(QRgb));
    const qsizetype stepY = (y0 < y1 ? 1 : -1) * pixels.bytesPerLine;
    uchar* pixel = pixels.bits + y0 * pixels.bytesPerLine + x0 * qsizetype(sizeof(QRgb));
    int err = dx + dy;
    if (dx >= -dy) {
        for (int i = 0; i < n; ++i) {
            *reinterpret_cast<QRgb*>(pixel) = rgb;
            const bool minor = 2 * err <= dx;
            err += dy + (minor ? dx : 0);
            pixel += stepX + (minor ? stepY : 0);
        }
    } else {
        for (int i = 0; i < n; ++i) {
            *reinterpret_cast<QRgb*>(pixel) = rgb;
            const bool minor = 2 * err >= dy;
            err += dx + (minor ? dy : 0);
            pixel += stepY + (minor ? stepX : 0);
        }
    }
}

void QtCanvas::FillPixels(int left, int top, int right, int bottom, Color color)
{
    if (image->isNull())
        return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image->width());
    bottom = std::min(bottom, image->height());
    const QRgb rgb = ToQRgb(color);
    for (int y = top; y < bottom; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image->scanLine(y));
        if (penMode == PenMode::Xor) {
            for (int x = left; x < right; ++x)
                row[x] ^= rgb & 0x00FFFFFF;
        } else {
            std::fill(row + left, row + std::max(left, right), rgb);
        }
    }
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom)
{
    FillPixels(left, top, right, bottom, brushColor);
    if (penWidth <= 1) {
        FrameRect(left, top, right, bottom);
    } else {
        WithPainter([&](QPainter& p) {
            p.setPen(MakePen());
            p.setBrush(Qt::NoBrush);
            p.drawRect(left, top, right - left - 1, bottom - top - 1);
        });
    }
}

void QtCanvas::FrameRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    // A solid outline that leaves the pen's style and the dashes of the current polyline as they were.
    uint8_t style = penStyle;
    long long phase = dashPhase;
    penStyle = PenStyleSolid;
    int r = right - 1, b = bottom - 1;
    if (r == left || b == top) {
        // One pixel wide or high: a single line, end included.
        Bresenham(CurrentPixels(), left, top, r, b, true, 0);
    } else {
        PixelLine(left, top, r, top);
        PixelLine(r, top, r, b);
        PixelLine(r, b, left, b);
        PixelLine(left, b, left, top);
    }
    penStyle = style;
    dashPhase = phase;
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom)
{
    WithPainter([&](QPainter& p) {
        p.setPen(MakePen());
        p.setBrush(ToQColor(brushColor));
        p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    });
}

void QtCanvas::SetFont(int sizePoints, bool bold, bool italic, bool underline, Color color)
{
    if (sizePoints > 0)
        font.setPointSize(sizePoints);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    fontColor = color;
}

void QtCanvas::TextOut(int x, int y, const std::string& text)
{
    WithPainter([&](QPainter& p) {
        p.setFont(font);
        p.setPen(ToQColor(fontColor));
        p.drawText(x, y + QFontMetrics(font, image).ascent(), QString::fromUtf8(text));
    });
}

int QtCanvas::TextWidth(const std::string& text)
{
    return QFontMetrics(font, image).horizontalAdvance(QString::fromUtf8(text));
}

int QtCanvas::TextHeight(const std::string&)
{
    return QFontMetrics(font, image).height();
}
