// Tests of the view transform: fitting, the pixel mappings, zoom, pan and the grid step.
#include "render/viewtransform.h"

#include <gtest/gtest.h>

#include "model/drw.h"
#include "support/mytypeconversion.h"

namespace {

ViewTransform MakeView(int w, int h, int margin, double minX, double minY, double maxX, double maxY,
                       bool mirrorX = false)
{
    ViewTransform v(w, h, true, mirrorX);
    v.SetMargins(margin, margin, margin, margin);
    v.SetExtents(minX, minY, maxX, maxY);
    v.ComputeView();
    return v;
}

}  // namespace

TEST(ViewTransform, FitsTheWiderWindowAcrossTheArea)
{
    ViewTransform v = MakeView(411, 389, 6, 0, 0, 100, 50);
    EXPECT_EQ(v.areaLeft, 6);
    EXPECT_EQ(v.areaRight, 405);
    EXPECT_EQ(v.areaTop, 6);
    EXPECT_EQ(v.areaBottom, 383);
    EXPECT_DOUBLE_EQ(v.scaleX, 3.99);
    EXPECT_DOUBLE_EQ(v.scaleY, 3.99);
    double h = (377 / 3.99 - 50) / 2;
    EXPECT_DOUBLE_EQ(v.visMinY, -h);
    EXPECT_DOUBLE_EQ(v.visMaxY, 50 + h);
    EXPECT_EQ(v.XToPixel(0), 6);
    EXPECT_EQ(v.XToPixel(100), 405);
    // The spare height is split evenly above and below the window.
    EXPECT_NEAR(v.YToPixel(25), (6 + 383) / 2.0, 0.5);
}

TEST(ViewTransform, ZeroWidthWindowTakesItsScaleFromTheHeightAndIsCentred)
{
    ViewTransform v = MakeView(400, 200, 0, 5, 0, 5, 100);
    EXPECT_DOUBLE_EQ(v.scaleY, 2.0);
    EXPECT_EQ(v.XToPixel(5), 200);
    EXPECT_EQ(v.YToPixel(100), 0);
    EXPECT_EQ(v.YToPixel(0), 200);
}

TEST(ViewTransform, FlipYPutsLargerYHigher)
{
    ViewTransform v = MakeView(300, 300, 10, 0, 0, 50, 50);
    EXPECT_EQ(v.YToPixel(v.visMaxY), v.areaTop);
    EXPECT_EQ(v.YToPixel(v.visMinY), v.areaBottom);
    EXPECT_LT(v.YToPixel(30), v.YToPixel(20));
}

TEST(ViewTransform, ToDrawingInvertsToPixelWithinHalfAPixel)
{
    for (bool mirror : {false, true}) {
        ViewTransform v = MakeView(640, 480, 6, -20, 3, 130, 77, mirror);
        v.SetPan(12.5, -4.25);
        v.ComputeView();
        for (double x : {-20.0, 0.0, 13.37, 129.9}) {
            for (double y : {3.0, 41.41, 77.0}) {
                int px, py;
                v.ToPixel(x, y, px, py);
                double bx, by;
                v.ToDrawing(px, py, bx, by);
                EXPECT_LE(std::fabs(bx - x), 0.5 / v.scaleX) << "mirror " << mirror << " x " << x;
                EXPECT_LE(std::fabs(by - y), 0.5 / v.scaleY) << "mirror " << mirror << " y " << y;
            }
        }
    }
}

TEST(ViewTransform, ZoomInThenOutLeavesNinetyNinePercent)
{
    ViewTransform v = MakeView(500, 500, 0, 0, 0, 100, 100);
    v.Zoom(0.9);
    v.ComputeView();
    v.Zoom(1.1);
    v.ComputeView();
    EXPECT_NEAR(v.extMaxX - v.extMinX, 99.0, 1e-9);
    EXPECT_NEAR((v.extMaxX + v.extMinX) / 2, 50.0, 1e-9);
}

TEST(ViewTransform, ZoomAtTheCentreIsZoom)
{
    ViewTransform a = MakeView(400, 300, 6, 0, 0, 100, 60);
    ViewTransform b = a;
    a.ZoomAt(0.9, 200, 150);
    a.ComputeView();
    b.Zoom(0.9);
    b.ComputeView();
    EXPECT_NEAR(a.visMinX, b.visMinX, 1e-9);
    EXPECT_NEAR(a.visMaxY, b.visMaxY, 1e-9);
}

TEST(ViewTransform, ZoomAtKeepsThePointUnderThePixel)
{
    for (double factor : {0.9, 1.1}) {
        for (bool mirror : {false, true}) {
            ViewTransform v = MakeView(400, 300, 6, 0, 0, 100, 60, mirror);
            double x, y;
            v.ToDrawing(90, 250, x, y);
            v.ZoomAt(factor, 90, 250);
            v.ComputeView();
            int px, py;
            v.ToPixel(x, y, px, py);
            EXPECT_NEAR(px, 90, 1) << factor << " " << mirror;
            EXPECT_NEAR(py, 250, 1) << factor << " " << mirror;
        }
    }
}

TEST(ViewTransform, FiftyPansMoveTheDrawingByOneVisibleWidth)
{
    for (bool mirror : {false, true}) {
        ViewTransform v = MakeView(400, 300, 6, 0, 0, 100, 60, mirror);
        double width = v.visMaxX - v.visMinX;
        int before, py;
        v.ToPixel(50, 30, before, py);
        for (int i = 0; i < 50; ++i) {
            v.PanLeft(0.02);
            v.ComputeView();
        }
        int after;
        v.ToPixel(50, 30, after, py);
        EXPECT_NEAR(v.visMaxX - v.visMinX, width, 1e-9);
        EXPECT_NEAR(after, before - (v.areaRight - v.areaLeft), 1) << "mirror " << mirror;
    }
}

TEST(ViewTransform, PanUpMovesTheDrawingUpOnScreen)
{
    ViewTransform v = MakeView(400, 300, 6, 0, 0, 100, 60);
    int px, before, after;
    v.ToPixel(50, 30, px, before);
    v.PanUp(0.1);
    v.ComputeView();
    v.ToPixel(50, 30, px, after);
    EXPECT_LT(after, before);
}

TEST(ViewTransform, EmptyDrawingKeepsThePreviousView)
{
    ViewTransform v = MakeView(400, 300, 6, 0, 0, 100, 60);
    ViewTransform before = v;
    v.FitDrawing(Drw(), 0.1);
    v.ComputeView();
    EXPECT_EQ(v.extMinX, 0);
    EXPECT_EQ(v.extMaxX, 0);
    EXPECT_EQ(v.extMaxY, 0);
    EXPECT_EQ(v.scaleX, before.scaleX);
    EXPECT_EQ(v.offsetX, before.offsetX);
    EXPECT_EQ(v.visMaxY, before.visMaxY);
}

TEST(ViewTransform, FittingWidensTheBoundingBoxByTheMargin)
{
    Drw drawing;
    drawing.AddLine(10, 20, 110, 70, "0", 1, false, false);
    ViewTransform v(400, 300, true, false);
    v.SetPan(3, 4);
    v.FitDrawing(drawing, 0.1);
    EXPECT_DOUBLE_EQ(v.extMinX, 0);
    EXPECT_DOUBLE_EQ(v.extMaxX, 120);
    EXPECT_DOUBLE_EQ(v.extMinY, 15);
    EXPECT_DOUBLE_EQ(v.extMaxY, 75);
    EXPECT_EQ(v.panX, 0);
    EXPECT_EQ(v.panY, 0);
}

TEST(ViewTransform, DegenerateStatesNeitherOverflowNorDivide)
{
    ViewTransform fresh(400, 300, true, false);
    EXPECT_EQ(fresh.PixelToX(123), 0);
    EXPECT_EQ(fresh.XToPixel(1e6), 0);
    ViewTransform v = MakeView(400, 300, 0, 0, 0, 1e-6, 1e-6);
    EXPECT_EQ(v.XToPixel(1e9), 2147483646);
    EXPECT_EQ(v.XToPixel(-1e9), -2147483646);
}

TEST(ViewTransform, GridStepIsTheSmallestPowerOfTenGivingAtMostHundredLines)
{
    struct Case {
        double visible, step;
    } cases[] = {{99, 1}, {101, 10}, {1000, 10}, {1001, 100}, {0.5, 1}};
    for (const Case& c : cases) {
        ViewTransform v(400, 300, true, false);
        v.visMinX = -3;
        v.visMaxX = -3 + c.visible;
        v.visMinY = 10;
        v.visMaxY = 10 + c.visible;
        double gx, gy;
        v.GridSteps(gx, gy);
        EXPECT_EQ(gx, c.step) << c.visible;
        EXPECT_EQ(gy, c.step) << c.visible;
    }
}

TEST(ViewTransform, GridLinesLieOnMultiplesOfTheStepInsideTheCanvas)
{
    ViewTransform v = MakeView(400, 300, 6, 1000003, -50, 1000053, 0);
    int vertical = 0, horizontal = 0;
    v.ForEachGridLine([&](int x1, int y1, int x2, int y2) {
        if (x1 == x2) {
            ++vertical;
            EXPECT_NEAR(std::remainder(v.PixelToX(x1) + v.panX, 1.0), 0.0, 0.5 / v.scaleX + 1e-6);
            EXPECT_EQ(y1, v.areaTop);
            EXPECT_EQ(y2, v.areaBottom);
        } else {
            ++horizontal;
        }
        EXPECT_TRUE(x1 >= 0 && x1 <= 400 && y1 >= 0 && y1 <= 300);
    });
    // About 69 mm across and 49 whole millimetres down at a step of 1 mm; far from the origin only the lines on
    // the canvas are produced.
    EXPECT_GT(vertical, 50);
    EXPECT_LT(vertical, 80);
    EXPECT_GT(horizontal, 40);
    EXPECT_LT(horizontal, 70);
}

TEST(ViewTransform, RoundPixelRoundsAsRoundToIntAndClamps)
{
    // Halves go downwards on both sides of zero, as RoundToInt has them.
    for (double v : {0.0, 0.5, -0.5, 1.5, -1.5, 2.4999999999999996, -0.49999999999999994, 1e9 + 0.5, -1e9 - 0.5,
                     2147483646.5, -2147483646.5, 2147483647.0, -2147483647.0, 123.456, -123.456}) {
        EXPECT_EQ(ViewTransform::RoundPixel(v), RoundToInt(v)) << v;
    }
    EXPECT_EQ(ViewTransform::RoundPixel(2147483647.25), 2147483646);
    EXPECT_EQ(ViewTransform::RoundPixel(-2147483647.25), -2147483646);
    EXPECT_EQ(ViewTransform::RoundPixel(1e300), 2147483646);
    EXPECT_EQ(ViewTransform::RoundPixel(-INFINITY), -2147483646);
    EXPECT_EQ(ViewTransform::RoundPixel(NAN), 0);
}
