// Tests of the Qt canvas: XOR figures that restore the picture, dashed pens, the one-pixel line rules and the
// clipping of far-away lines, on an image drawn through the screen renderer.
#include <QtTest>

#include "render/mydraw.h"
#include "ui/qtcanvas.h"
#include "ui/qtcolor.h"

namespace {

constexpr Color Red = RgbColor(238, 0, 0);
constexpr Color Green = RgbColor(0, 247, 0);

// An image with a different colour in every pixel, so that no lost or doubled XOR can hide.
QImage PatternImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 13) & 0xFF, (x * y) & 0xFF));
    }
    return image;
}

int CountInRow(const QImage& image, int y, QRgb colour)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += image.pixel(x, y) == colour;
    return n;
}

// The textbook integer line, both axes decided at every pixel, without its end pixel and clipped pixel by pixel:
// what a one-pixel line must set.
QImage ReferenceLine(int w, int h, int x0, int y0, int x1, int y1, QRgb background, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int i = 0; i < std::max(dx, -dy); ++i) {
        if (x0 >= 0 && x0 < w && y0 >= 0 && y0 < h)
            image.setPixel(x0, y0, colour);
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
    return image;
}

}  // namespace

class TestQtCanvas : public QObject {
    Q_OBJECT

private slots:
    void XorFiguresDrawnTwiceRestoreEveryPixel();
    void DashedLayerPenDrawsDashes();
    void OnePixelLinesLeaveOutTheirEndPixel();
    void OnePixelLinesSetTheTextbookPixelsInEveryDirection();
    void FarAwayLinesAreClippedToTheImage();
    void BackgroundPaintsFrameAndFill();
};

void TestQtCanvas::XorFiguresDrawnTwiceRestoreEveryPixel()
{
    for (bool inBurst : {true, false}) {
        QImage image = PatternImage(200, 150);
        const QImage before = image.copy();
        QtCanvas canvas(&image);
        myDraw draw(&canvas, 200, 150, true, false);
        draw.SetExtents(0, 0, 100, 75);
        draw.ComputeView();
        auto figures = [&] {
            if (inBurst)
                canvas.Begin();
            draw.SetXorPen(true);
            canvas.MoveTo(-500, 20);
            canvas.LineTo(180, 140);
            canvas.LineTo(30, 130);
            canvas.SetPen(RgbColor(200, 100, 50), 1, PenStyleDashed);
            canvas.LineTo(190, 5);
            canvas.SetPen(RgbColor(255, 255, 255), 3, PenStyleSolid);
            canvas.LineTo(10, 10);
            canvas.SetPen(RgbColor(255, 255, 255), 1, PenStyleSolid);
            canvas.Ellipse(40, 40, 90, 80);
            canvas.FrameRect(5, 5, 60, 30);
            draw.SetXorPen(false);
            draw.ResetPreviews();
            draw.EnableSnapMarker();
            draw.BeginCirclePreview(50, 37);
            draw.TrackCircle(150, 60, true);
            draw.BeginRubberRect(10, 140);
            draw.DragRubberRect(190, 20);
            if (inBurst)
                canvas.End();
        };
        figures();
        QVERIFY2(image != before, "the figures are drawn");
        // Inside the ellipse, painted by QPainter beside the pixel writes of the same burst.
        QCOMPARE(image.pixel(65, 60), before.pixel(65, 60) ^ 0x00FFFFFF);
        figures();
        QCOMPARE(image, before);
        QCOMPARE(canvas.GetPenMode(), PenMode::Copy);
    }
}

void TestQtCanvas::DashedLayerPenDrawsDashes()
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtCanvas canvas(&image);
    myDraw draw(&canvas, 200, 100, true, false);
    draw.SetColors(0, 0, Green, 0, 0);
    draw.AddLayerPen("_layer_asse_", Red, 1, PenStyleDashed);
    draw.SetExtents(0, 0, 200, 100);
    draw.ComputeView();
    canvas.Begin();
    draw.DrawLine(0, 50, 199, 50, "_LAYER_ASSE_");
    draw.DrawLine(0, 20, 199, 20, "other");
    canvas.End();
    int row;
    int column;
    draw.ToPixel(0, 50, column, row);
    // Runs of DashOn red pixels separated by DashOff black ones.
    int runs = 0, longest = 0, current = 0;
    for (int x = 0; x < 200; ++x) {
        bool red = image.pixel(x, row) == ToQRgb(Red);
        if (red) {
            current += 1;
            if (current == 1)
                runs += 1;
            longest = std::max(longest, current);
        } else {
            current = 0;
        }
    }
    QCOMPARE(longest, QtCanvas::DashOn);
    QVERIFY(runs >= 199 / (QtCanvas::DashOn + QtCanvas::DashOff));
    QCOMPARE(image.pixel(QtCanvas::DashOn, row), qRgb(0, 0, 0));
    draw.ToPixel(0, 20, column, row);
    QCOMPARE(CountInRow(image, row, ToQRgb(Green)), 199);  // solid, without its end pixel
}

void TestQtCanvas::OnePixelLinesLeaveOutTheirEndPixel()
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtCanvas canvas(&image);
    canvas.SetPen(Green, 1, PenStyleSolid);
    canvas.MoveTo(0, 5);
    canvas.LineTo(10, 5);
    canvas.LineTo(10, 15);
    QCOMPARE(CountInRow(image, 5, ToQRgb(Green)), 11);  // 0..9 from the first line, 10 from the second
    QCOMPARE(image.pixel(10, 14), ToQRgb(Green));
    QCOMPARE(image.pixel(10, 15), qRgb(0, 0, 0));
    canvas.SetPen(Red, 1, PenStyleSolid);
    canvas.FrameRect(2, 2, 6, 4);
    QCOMPARE(image.pixel(2, 2), ToQRgb(Red));
    QCOMPARE(image.pixel(5, 3), ToQRgb(Red));
    QCOMPARE(image.pixel(6, 3), qRgb(0, 0, 0));
}

void TestQtCanvas::OnePixelLinesSetTheTextbookPixelsInEveryDirection()
{
    // Every end from -1 to 31 (the ends on the border take the clipped path) from three starts, in and out of a burst.
    constexpr int size = 31;
    const QRgb background = qRgb(0, 0, 0);
    QImage image(size, size, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    canvas.SetPen(Green, 1, PenStyleSolid);
    int lines = 0;
    for (QPoint start : {QPoint(15, 15), QPoint(0, 0), QPoint(30, 7)}) {
        for (int y = -1; y <= size; ++y) {
            for (int x = -1; x <= size; ++x) {
                image.fill(background);
                bool burst = (x + y) % 2 == 0;
                if (burst)
                    canvas.Begin();
                canvas.MoveTo(start.x(), start.y());
                canvas.LineTo(x, y);
                if (burst)
                    canvas.End();
                if (image != ReferenceLine(size, size, start.x(), start.y(), x, y, background, ToQRgb(Green)))
                    QFAIL(qPrintable(QString("line (%1, %2) - (%3, %4)").arg(start.x()).arg(start.y()).arg(x).arg(y)));
                ++lines;
            }
        }
    }
    QCOMPARE(lines, 3 * (size + 2) * (size + 2));
}

void TestQtCanvas::FarAwayLinesAreClippedToTheImage()
{
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtCanvas canvas(&image);
    canvas.SetPen(Green, 1, PenStyleSolid);
    canvas.MoveTo(-2147483646, 7);
    canvas.LineTo(2147483646, 7);
    QCOMPARE(CountInRow(image, 7, ToQRgb(Green)), 50);
    canvas.MoveTo(-2147483646, -2147483646);
    canvas.LineTo(2147483646, 2147483646);
    int diagonal = 0;
    for (int i = 0; i < 40; ++i)
        diagonal += image.pixel(i, i) == ToQRgb(Green);
    QVERIFY(diagonal >= 39);
    canvas.MoveTo(-2147483646, -30);
    canvas.LineTo(2147483646, -30);
    QCOMPARE(CountInRow(image, 0, ToQRgb(Green)), 1);  // only the diagonal's pixel
}

void TestQtCanvas::BackgroundPaintsFrameAndFill()
{
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(&image);
    myDraw draw(&canvas, 120, 90, true, false);
    const Color frame = RgbColor(166, 202, 240);
    draw.SetColors(RgbColor(0, 0, 0), frame, Green, RgbColor(48, 48, 48), Red);
    draw.SetMargins(6, 6, 6, 6);
    draw.ShowGrid(false);
    draw.SetExtents(-10, -10, 100, 70);
    canvas.Begin();
    draw.DrawBackground();
    canvas.End();
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(1, 1), ToQRgb(frame));
    QCOMPARE(image.pixel(118, 88), ToQRgb(frame));
    QCOMPARE(image.pixel(119, 89), qRgb(0, 0, 0));
    int ox, oy;
    draw.ToPixel(0, 0, ox, oy);
    QCOMPARE(image.pixel(ox + 10, oy), ToQRgb(Red));  // x axis
    QCOMPARE(image.pixel(ox, oy - 10), ToQRgb(Red));  // y axis
}

QTEST_MAIN(TestQtCanvas)
#include "test_qtcanvas.moc"
