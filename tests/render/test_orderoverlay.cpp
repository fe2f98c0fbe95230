// Tests of the machining order overlay on a recording canvas: start marks and numbers within the spacing rule,
// the arrows at the paths' ends, and the rapid moves between consecutive paths.
#include "render/orderoverlay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <set>

#include "model/drawing_builders.h"
#include "recording_canvas.h"
#include "render/mydraw.h"

namespace {

constexpr int CanvasSize = 400;

// A square canvas showing 0..100 mm on both axes, the drawing window's margins.
struct Fixture {
    RecordingCanvas canvas;
    myDraw draw{&canvas, CanvasSize, CanvasSize, true, false};
    Fixture()
    {
        draw.SetMargins(6, 6, 6, 6);
        draw.SetExtents(0, 0, 100, 100);
        draw.ComputeView();
    }
    std::pair<int, int> Pixel(double x, double y) const
    {
        int px, py;
        draw.ToPixel(x, y, px, py);
        return {px, py};
    }
    // The start pixel of each numbered path, by number, from the marks and the texts beside them.
    std::map<int, std::pair<int, int>> MarkedStarts() const
    {
        std::set<std::pair<int, int>> marks;  // centres of 5 x 5 squares
        for (const RecordingCanvas::Shape& s : canvas.shapes)
            if (s.kind == "rect" && s.right - s.left == 5 && s.bottom - s.top == 5)
                marks.insert({s.left + 2, s.top + 2});
        std::map<int, std::pair<int, int>> starts;
        for (const RecordingCanvas::Shape& s : canvas.shapes) {
            if (s.kind != "text")
                continue;
            const std::pair<int, int> start = {s.left - 4, s.top + RecordingCanvas::LineHeight};
            EXPECT_TRUE(marks.count(start)) << "number " << s.text << " has no mark";
            starts[std::stoi(s.text)] = start;
        }
        EXPECT_EQ(marks.size(), starts.size());
        return starts;
    }
};

// Single-line paths of 2 mm starting at random points of the 100 mm square.
Drw ScatteredPaths(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> at(0.0, 98.0);
    Drw drawing;
    for (int i = 0; i < count; ++i) {
        const double x = at(random), y = at(random);
        AddChainPath(drawing, {{x, y}, {x + 2, y}});
    }
    return drawing;
}

bool Inside(const myDraw& draw, std::pair<int, int> p)
{
    return p.first >= draw.areaLeft && p.first < draw.areaRight && p.second >= draw.areaTop &&
           p.second < draw.areaBottom;
}

bool Apart(std::pair<int, int> a, std::pair<int, int> b)
{
    return std::abs(a.first - b.first) >= OrderLabelSpacing || std::abs(a.second - b.second) >= OrderLabelSpacing;
}

TEST(OrderOverlay, DrawsNothingWhenOff)
{
    Fixture f;
    DrawOrderOverlay(f.draw, MakeDrawing({2, 3}), OrderOverlay{});
    EXPECT_TRUE(f.canvas.segments.empty());
    EXPECT_TRUE(f.canvas.shapes.empty());
}

// Each path far enough from the ones before gets its mark and number at its start; a path starting next to an
// earlier one is left unnumbered, and so is one starting outside the picture.
TEST(OrderOverlay, NumbersThePathsWhoseStartsAreApart)
{
    Fixture f;
    Drw drawing;
    AddChainPath(drawing, {{10, 10}, {20, 10}, {20, 20}});
    AddChainPath(drawing, {{60, 60}, {70, 60}});
    AddChainPath(drawing, {{61, 61}, {80, 80}});  // 4 pixels from path 2's start
    AddChainPath(drawing, {{10, 90}, {30, 90}});
    AddChainPath(drawing, {{150, 50}, {90, 50}});  // starts off the picture
    DrawOrderOverlay(f.draw, drawing, OrderOverlay{true, false});
    const std::map<int, std::pair<int, int>> expected = {
        {1, f.Pixel(10, 10)}, {2, f.Pixel(60, 60)}, {4, f.Pixel(10, 90)}};
    EXPECT_EQ(f.MarkedStarts(), expected);
}

// On a dense drawing the numbered starts are never closer than the spacing, and every path left out starts
// outside the area or next to a path numbered before it.
TEST(OrderOverlay, SpacingRuleHoldsOnADenseDrawing)
{
    Fixture f;
    const Drw drawing = ScatteredPaths(3000, 11);
    DrawOrderOverlay(f.draw, drawing, OrderOverlay{true, false});
    const std::map<int, std::pair<int, int>> marked = f.MarkedStarts();
    ASSERT_GT(marked.size(), 20u);
    ASSERT_LT(marked.size(), 200u);
    for (auto a = marked.begin(); a != marked.end(); ++a)
        for (auto b = std::next(a); b != marked.end(); ++b)
            EXPECT_TRUE(Apart(a->second, b->second)) << "paths " << a->first << " and " << b->first;
    for (int path = 1; path <= drawing.pathCount; ++path) {
        if (marked.count(path))
            continue;
        const Entity& first = drawing.entities[path - 1];
        const std::pair<int, int> start = f.Pixel(first.x1, first.y1);
        bool explained = !Inside(f.draw, start);
        for (auto m = marked.begin(); m != marked.end() && m->first < path && !explained; ++m)
            explained = !Apart(m->second, start);
        EXPECT_TRUE(explained) << "path " << path << " left out without a reason";
    }
}

// The direction arrow of every path: two lines ending at the path's end.
TEST(OrderOverlay, ArrowsEndEveryPath)
{
    Fixture f;
    const Drw drawing = MakeDrawing({3, 1, 2});
    DrawOrderOverlay(f.draw, drawing, OrderOverlay{true, false});
    std::map<std::pair<int, int>, int> linesEndingAt;
    for (const RecordingCanvas::Segment& s : f.canvas.VisibleSegments())
        ++linesEndingAt[{s.x2, s.y2}];
    for (const Entity& e : drawing.entities)
        EXPECT_EQ(linesEndingAt[f.Pixel(e.x2, e.y2)], e.joinedNext ? 0 : 2) << "path " << e.sequence;
}

TEST(OrderOverlay, RapidMovesJoinEachPathEndToTheNextStart)
{
    Fixture f;
    Drw drawing;
    AddChainPath(drawing, {{10, 10}, {20, 10}, {20, 20}});
    AddChainPath(drawing, {{50, 50}, {60, 50}});
    AddChainPath(drawing, {{90, 10}, {90, 30}});
    DrawOrderOverlay(f.draw, drawing, OrderOverlay{false, true});
    ASSERT_EQ(f.canvas.segments.size(), 2u);
    EXPECT_TRUE(f.canvas.shapes.empty());
    const std::pair<std::pair<int, int>, std::pair<int, int>> expected[] = {{f.Pixel(20, 20), f.Pixel(50, 50)},
                                                                            {f.Pixel(60, 50), f.Pixel(90, 10)}};
    for (int i = 0; i < 2; ++i) {
        const RecordingCanvas::Segment& s = f.canvas.segments[i];
        EXPECT_EQ(std::make_pair(std::make_pair(s.x1, s.y1), std::make_pair(s.x2, s.y2)), expected[i]);
        EXPECT_EQ(s.style, PenStyleDashed);
        EXPECT_EQ(s.width, 1);
        EXPECT_EQ(s.color, RapidMoveColor);
    }
}

}  // namespace
