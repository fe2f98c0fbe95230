// Tests of the screen renderer on a recording canvas: background, arcs, paths, pens and the XOR feedback.
#include "render/mydraw.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/message_recorder.h"
#include "model/drw.h"
#include "recording_canvas.h"
#include "render/arctrace.h"
#include "support/text.h"

namespace {

constexpr Color Green = RgbColor(0, 247, 0);
constexpr Color Yellow = RgbColor(255, 255, 0);
constexpr Color Red = RgbColor(238, 0, 0);

// A square canvas of size pixels showing 0..extent mm on both axes, drawing-window colours.
struct Fixture {
    RecordingCanvas canvas;
    myDraw draw;
    Fixture(int size, double extent) : draw(&canvas, size, size, true, false)
    {
        draw.SetColors(0, RgbColor(166, 202, 240), Green, RgbColor(48, 48, 48), Red);
        draw.SetSelColor(1, Yellow);
        draw.SetExtents(0, 0, extent, extent);
        draw.ComputeView();
    }
    std::vector<RecordingCanvas::Segment> Arc(double x1, double y1, double x2, double y2, double xc, double yc, bool cw)
    {
        canvas.Clear();
        draw.DrawArc(x1, y1, x2, y2, xc, yc, cw, "");
        return canvas.VisibleSegments();
    }
    void Pixel(double x, double y, int& px, int& py) const { draw.ToPixel(x, y, px, py); }
};

Entity Line(double x1, double y1, double x2, double y2, int sequence, bool joinedPrev, bool joinedNext)
{
    Entity e;
    e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
    e.sequence = sequence, e.joinedPrev = joinedPrev, e.joinedNext = joinedNext;
    e.layer = "0";
    return e;
}

// Path 1: two joined lines of 10 mm; path 2: a quarter circle of radius 10 about (50, 50).
Drw TwoPaths()
{
    Drw d;
    d.AddEntity(Line(10, 10, 20, 10, 1, false, true));
    d.AddEntity(Line(20, 10, 20, 20, 1, true, false));
    Entity arc = Line(60, 50, 50, 60, 2, false, false);
    arc.isArc = true;
    arc.xc = 50, arc.yc = 50;
    d.AddEntity(arc);
    d.pathCount = 2;
    return d;
}

}  // namespace

// ---- Arcs ----

TEST(MyDrawArc, QuarterCircleGetsEightSegmentsFromStartToEnd)
{
    Fixture f(400, 100);  // 4 pixels per mm over a 400-pixel area
    auto segments = f.Arc(10, 0, 0, 10, 0, 0, false);
    ASSERT_EQ(segments.size(), 8u);
    int sx, sy, ex, ey;
    f.Pixel(10, 0, sx, sy);
    f.Pixel(0, 10, ex, ey);
    EXPECT_EQ(segments.front().x1, sx);
    EXPECT_EQ(segments.front().y1, sy);
    EXPECT_EQ(segments.back().x2, ex);
    EXPECT_EQ(segments.back().y2, ey);
    for (const auto& s : segments)
        EXPECT_EQ(s.color, Green);
}

TEST(MyDrawArc, ClockwiseArcRunsTheLongWayRound)
{
    Fixture f(400, 100);
    f.draw.SetExtents(-50, -50, 50, 50);
    f.draw.ComputeView();
    auto segments = f.Arc(10, 0, 0, 10, 0, 0, true);
    // 270 degrees: 18 segments for the sweep plus 2.4 for the radius.
    ASSERT_EQ(segments.size(), 20u);
    int ox, oy, ex, ey;
    f.Pixel(0, 0, ox, oy);
    f.Pixel(10, 0, ex, ey);
    bool passesLeft = false, passesBelow = false;
    for (const auto& s : segments) {
        passesLeft |= s.x2 < ox - 35;
        passesBelow |= s.y2 > oy + 35;
    }
    EXPECT_TRUE(passesLeft);
    EXPECT_TRUE(passesBelow);
    // Drawn counter-clockwise from the end to the start.
    EXPECT_EQ(segments.back().x2, ex);
    EXPECT_EQ(segments.back().y2, ey);
}

TEST(MyDrawArc, ArcsThatShowNothing)
{
    Fixture f(100, 100);  // 1 pixel per mm
    double a = 0.1 / 50;  // 0.1 mm along a radius of 50 mm
    EXPECT_TRUE(f.Arc(50, 50, 50 * std::cos(a), 50 + 50 * std::sin(a), 0, 50, false).empty());
    EXPECT_TRUE(f.Arc(50, 50, 60, 50, 50, 50, false).empty()) << "start on the centre";
    EXPECT_TRUE(f.canvas.segments.empty());
}

TEST(MyDrawArc, EqualEndsDrawTheWholeCircle)
{
    for (bool cw : {false, true}) {
        Fixture f(400, 100);
        auto segments = f.Arc(60, 50, 60, 50, 50, 50, cw);
        // A full turn: 24 segments plus 1.2 twice for the radius.
        ASSERT_EQ(segments.size(), 26u) << cw;
        int cx, cy;
        f.Pixel(50, 50, cx, cy);
        for (const auto& s : segments)
            EXPECT_NEAR(std::hypot(s.x2 - cx, s.y2 - cy), 40, 1.0);
    }
}

TEST(MyDrawArc, HugeZoomCapsTheSegmentCount)
{
    Fixture f(400, 1e-6);
    auto segments = f.Arc(10, 0, 0, 10, 0, 0, false);
    EXPECT_LE(f.canvas.segments.size(), static_cast<size_t>(MaxArcSegments));
    EXPECT_FALSE(segments.empty());
}

// ---- Pens and colours ----

TEST(MyDrawPen, LayerPensMatchWithoutLetterCase)
{
    Fixture f(200, 100);
    ASSERT_TRUE(f.draw.AddLayerPen("_layer_asse_", Red, 1, PenStyleDashed));
    f.draw.DrawLine(0, 0, 10, 10, "_LAYER_Asse_");
    f.draw.DrawLine(0, 0, 10, 10, "other");
    f.draw.DrawLine(0, 0, 10, 10, "");
    ASSERT_EQ(f.canvas.segments.size(), 3u);
    EXPECT_EQ(f.canvas.segments[0].color, Red);
    EXPECT_EQ(f.canvas.segments[0].style, PenStyleDashed);
    EXPECT_EQ(f.canvas.segments[1].color, Green);
    EXPECT_EQ(f.canvas.segments[2].color, Green);
    EXPECT_EQ(f.canvas.segments[2].style, PenStyleSolid);
}

TEST(MyDrawPen, LayerPenTableRefusesTheHundredAndFirst)
{
    Fixture f(200, 100);
    for (int i = 0; i < myDraw::MaxLayerPens; ++i)
        EXPECT_TRUE(f.draw.AddLayerPen(StrFormat("L%d", i), Red, 1, 0));
    EXPECT_FALSE(f.draw.AddLayerPen("extra", Red, 1, 0));
    EXPECT_EQ(f.draw.layerPens.size(), 100u);
}

TEST(MyDrawPen, SelectionColourBeyondTheTableIsRefusedAndLogged)
{
    MessageRecorder recorder;
    Fixture f(200, 100);
    auto before = f.draw.selColors;
    f.draw.SetSelColor(10, Red);
    f.draw.SetSelColor(-1, Red);
    EXPECT_EQ(f.draw.selColors, before);
    std::vector<std::string> expected(2, "myDraw | SetSelColor: selezione colore oltre il limite massimo");
    EXPECT_EQ(recorder.EventLines(), expected);
}

TEST(MyDrawPen, DrawingHighlightsOnlyTheGivenPathAndNotItsArrows)
{
    Fixture f(400, 100);
    f.draw.ShowArrows(true);
    f.draw.DrawDrawing(TwoPaths(), 1, 1);
    auto segments = f.canvas.VisibleSegments();
    // Path 1: two lines, then the arrow of its last line; path 2: the arc, then its arrow.
    ASSERT_GE(segments.size(), 6u);
    EXPECT_EQ(segments[0].color, Yellow);
    EXPECT_EQ(segments[1].color, Yellow);
    EXPECT_EQ(segments[2].color, Green) << "arrow";
    EXPECT_EQ(segments[3].color, Green) << "arrow";
    EXPECT_EQ(segments[4].color, Green) << "path 2";
    EXPECT_EQ(f.draw.colorIndex, -1);
}

// ---- Paths ----

TEST(MyDrawPath, PartZeroDrawsNothingVisibleAndWholeDrawsThePathWithItsArrow)
{
    Fixture f(400, 100);
    f.draw.ShowArrows(true);
    Drw d = TwoPaths();
    f.draw.DrawPathPart(d, 1, 0, 5, -1);
    EXPECT_TRUE(f.canvas.VisibleSegments().empty());
    EXPECT_EQ(f.canvas.segments.size(), 1u) << "a zero-length copy of the first entity";
    f.canvas.Clear();
    f.draw.DrawPathPart(d, 2, 0, 5, -1);
    EXPECT_TRUE(f.canvas.VisibleSegments().empty()) << "an arc cut to nothing is not a full circle";
    f.canvas.Clear();
    f.draw.DrawPathPart(d, 1, 5, 5, 1);
    auto segments = f.canvas.VisibleSegments();
    ASSERT_EQ(segments.size(), 4u) << "two lines and the two strokes of the arrow";
    EXPECT_EQ(segments[0].color, Yellow);
    EXPECT_TRUE(f.draw.showArrows);
}

TEST(MyDrawPath, PartStopsAtTheTargetLengthWithoutArrow)
{
    Fixture f(400, 100);
    f.draw.ShowArrows(true);
    f.draw.DrawPathPart(TwoPaths(), 1, 3, 4, -1);  // 15 of 20 mm: the first line and half the second
    auto segments = f.canvas.VisibleSegments();
    ASSERT_EQ(segments.size(), 2u);
    int ex, ey;
    f.Pixel(20, 15, ex, ey);
    EXPECT_EQ(segments[1].x2, ex);
    EXPECT_EQ(segments[1].y2, ey);
    EXPECT_TRUE(f.draw.showArrows) << "restored";
}

// A run of paths is drawn as each of them would be, in order; an empty run draws nothing.
TEST(MyDrawPath, PathsOfARunAreDrawnAsEachPathInTurn)
{
    Fixture f(400, 100);
    const Drw d = TwoPaths();
    f.draw.DrawPath(d, 1, 1);
    f.draw.DrawPath(d, 2, 1);
    const auto each = f.canvas.segments;
    f.canvas.Clear();
    f.draw.DrawPaths(d, 1, 2, 1);
    EXPECT_EQ(f.canvas.segments, each);
    f.canvas.Clear();
    f.draw.DrawPaths(d, 2, 1, 1);
    f.draw.DrawPaths(d, 3, 9, 1);
    EXPECT_TRUE(f.canvas.segments.empty());
}

TEST(MyDrawPath, PathEndsAreSquaresAtBothEndsOfEveryEntity)
{
    Fixture f(400, 100);
    f.draw.DrawPathEnds(TwoPaths(), 1, 1);
    auto segments = f.canvas.VisibleSegments();
    ASSERT_EQ(segments.size(), 16u);
    int px, py;
    f.Pixel(10, 10, px, py);
    EXPECT_EQ(segments[0].x1, px - 2);
    EXPECT_EQ(segments[0].y1, py - 2);
    EXPECT_EQ(segments[0].color, Yellow);
    EXPECT_EQ(f.draw.colorIndex, -1);
}

// ---- Background ----

TEST(MyDrawBackground, FillFrameGridAxesLabelsAndOrigin)
{
    RecordingCanvas canvas;
    myDraw draw(&canvas, 411, 389, true, false);
    draw.SetMargins(6, 6, 6, 6);
    draw.SetExtents(0, 0, 100, 50);
    draw.DrawBackground();
    ASSERT_GE(canvas.shapes.size(), 5u);
    EXPECT_EQ(canvas.shapes[0].kind, "rect");
    EXPECT_EQ(canvas.shapes[0].right, 411);
    EXPECT_EQ(canvas.shapes[1].kind, "frame");
    EXPECT_EQ(canvas.shapes[1].left, 1);
    EXPECT_EQ(canvas.shapes[1].bottom, 388);
    // The x label tells the x at the end of the axis, right-aligned to it, above the axis.
    int ox, oy;
    draw.ToPixel(0, 0, ox, oy);
    std::string xLabel = StrFormat("%5.2f", draw.PixelToX(draw.areaRight));
    EXPECT_EQ(canvas.shapes[2].text, xLabel);
    EXPECT_EQ(canvas.shapes[2].left, draw.areaRight - RecordingCanvas::CharWidth * int(xLabel.size()));
    EXPECT_EQ(canvas.shapes[2].top, oy - (RecordingCanvas::LineHeight + 5));
    EXPECT_EQ(canvas.shapes[3].text, StrFormat("%5.2f", draw.PixelToY(draw.areaTop)));
    EXPECT_EQ(canvas.shapes[4].kind, "ellipse");
    EXPECT_EQ(canvas.shapes[4].left, ox - 2);
    EXPECT_EQ(canvas.shapes[4].bottom, oy + 2);
    // A 100 mm wide view still has a grid step of 1 mm: vertical lines at 0 .. 99 mm (x < 100).
    int gridColumns = 0;
    for (const auto& s : canvas.segments)
        gridColumns += s.x1 == s.x2 && s.y1 == draw.areaTop && s.color == 0;
    EXPECT_EQ(gridColumns, 100);
}

TEST(MyDrawBackground, WithoutCanvasNothingHappens)
{
    myDraw draw(nullptr, 100, 100, true, false);
    draw.SetExtents(0, 0, 10, 10);
    draw.DrawBackground();
    draw.DrawDrawing(TwoPaths(), -1, 1);
    draw.BeginRubberRect(1, 1);
    draw.DragRubberRect(5, 5);
    EXPECT_EQ(draw.scaleX, 0) << "not even the view is computed";
}

// ---- XOR feedback ----

TEST(MyDrawXor, RubberBandBeforeBeginDrawsNothing)
{
    Fixture f(200, 100);
    f.draw.DragRubberRect(50, 60);
    EXPECT_TRUE(f.canvas.segments.empty());
}

TEST(MyDrawXor, RubberBandDraggedAndEndedLeavesThePictureUnchanged)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> drags;
    } cases[] = {{"twice to one corner", {{50, 60}, {50, 60}}},
                 {"across", {{20, 30}, {150, 10}, {90, 90}}},
                 {"beyond the left edge", {{-20, 40}}}};
    for (const Case& c : cases) {
        Fixture f(200, 100);
        f.draw.BeginRubberRect(100, 100);
        for (auto [x, y] : c.drags)
            f.draw.DragRubberRect(x, y);
        EXPECT_EQ(f.canvas.XorTraces(), 4) << c.name << ": one rectangle on screen while dragging";
        f.draw.EndRubberRect(c.drags.back().first, c.drags.back().second);
        EXPECT_EQ(f.canvas.XorTraces(), 0) << c.name;
        EXPECT_EQ(f.canvas.mode, PenMode::Copy) << c.name;
    }
}

TEST(MyDrawXor, RubberRectIsReturnedInAscendingDrawingCoordinates)
{
    Fixture f(200, 100);  // 2 pixels per mm, y up
    f.draw.BeginRubberRect(100, 20);
    f.draw.EndRubberRect(40, 180);
    double minX, minY, maxX, maxY;
    f.draw.GetRubberRect(minX, minY, maxX, maxY);
    EXPECT_DOUBLE_EQ(minX, 20);
    EXPECT_DOUBLE_EQ(maxX, 50);
    EXPECT_DOUBLE_EQ(minY, 10);
    EXPECT_DOUBLE_EQ(maxY, 90);
}

TEST(MyDrawXor, EveryToolPreviewIsErasedWhenItEnds)
{
    struct Tool {
        const char* name;
        void (myDraw::*begin)(double, double);
        void (myDraw::*track)(int, int, bool);
        void (myDraw::*end)(double, double);
    } tools[] = {{"line", &myDraw::BeginLinePreview, &myDraw::TrackLine, &myDraw::EndLinePreview},
                 {"rect", &myDraw::BeginRectPreview, &myDraw::TrackRect, &myDraw::EndRectPreview},
                 {"circle", &myDraw::BeginCirclePreview, &myDraw::TrackCircle, &myDraw::EndCirclePreview},
                 {"arc", &myDraw::BeginArcPreview, &myDraw::TrackArc, &myDraw::EndArcPreview}};
    for (const Tool& t : tools) {
        Fixture f(200, 100);
        f.draw.EnableSnapMarker();
        (f.draw.*t.begin)(50, 50);
        (f.draw.*t.track)(150, 100, true);
        (f.draw.*t.track)(160, 40, false);
        if (t.begin == &myDraw::BeginArcPreview) {
            f.draw.SetArcSecondPoint(80, 60);
            (f.draw.*t.track)(130, 170, true);
            (f.draw.*t.track)(140, 160, true);
        }
        EXPECT_GT(f.canvas.XorTraces(), 0) << t.name;
        (f.draw.*t.end)(70, 20);
        EXPECT_EQ(f.canvas.XorTraces(), 0) << t.name;
        EXPECT_EQ(f.canvas.mode, PenMode::Copy) << t.name;
    }
}

TEST(MyDrawXor, CirclePreviewHasFortySegmentsRoundTheFirstPoint)
{
    Fixture f(200, 100);
    f.draw.BeginCirclePreview(50, 50);
    f.draw.TrackCircle(130, 100, false);
    auto segments = f.canvas.VisibleSegments();
    EXPECT_GE(segments.size(), 38u);
    EXPECT_LE(segments.size(), 40u);
    for (const auto& s : segments)
        EXPECT_NEAR(std::hypot(s.x2 - 100, s.y2 - 100), 30, 1.5);
}

TEST(MyDrawXor, MarkerAloneFollowsTheCursorWithoutATool)
{
    Fixture f(200, 100);
    f.draw.TrackLine(10, 10, true);
    EXPECT_TRUE(f.canvas.segments.empty()) << "neither preview nor marker";
    f.draw.EnableSnapMarker();
    f.draw.TrackLine(10, 10, true);
    EXPECT_EQ(f.canvas.XorTraces(), 4);
    f.draw.TrackLine(30, 10, false);
    EXPECT_EQ(f.canvas.XorTraces(), 0);
}

TEST(MyDrawXor, PreviewResultsComeFromTheStoredPoints)
{
    Fixture f(200, 100);
    f.draw.BeginArcPreview(10, 0);
    f.draw.SetArcSecondPoint(0, 10);
    f.draw.EndArcPreview(-10, 0);
    double ax, ay, cx, cy, centreX, centreY;
    bool cw;
    ASSERT_TRUE(f.draw.GetPreviewArc(ax, ay, cx, cy, centreX, centreY, cw));
    EXPECT_NEAR(centreX, 0, 1e-9);
    EXPECT_NEAR(centreY, 0, 1e-9);
    EXPECT_FALSE(cw);
    EXPECT_EQ(cx, -10);
    f.draw.BeginCirclePreview(1, 2);
    f.draw.EndCirclePreview(4, 6);
    double r;
    f.draw.GetPreviewCircle(centreX, centreY, r);
    EXPECT_EQ(centreX, 1);
    EXPECT_DOUBLE_EQ(r, 5);
}
