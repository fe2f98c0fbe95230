// Tests of the drawing tools without a window: object and grid snapping, the points each tool's clicks take, and
// the entities its figures append (sequence numbers, join flags, layer), polylines and polyarcs continuing their
// path, collinear arcs, a full drawing, and the XOR preview erased when a figure ends.
#include <QTest>

#include <memory>

#include "common/message_recorder.h"
#include "model/drw.h"
#include "render/mydraw.h"
#include "render/recording_canvas.h"
#include "support/parlav.h"
#include "ui/drawtool.h"
#include "ui/snap.h"

Q_DECLARE_METATYPE(ToolMode)

namespace {

struct Point {
    double x, y;
};

// A line path of its own, numbered as the drawing's next path.
void AddLinePath(Drw& drawing, double x1, double y1, double x2, double y2)
{
    drawing.pathCount += 1;
    drawing.AddLine(x1, y1, x2, y2, "0", drawing.pathCount, false, false);
}

// Expects the entity to be a line from (x1, y1) to (x2, y2) of path sequence with the given joins, on "DEFAULT".
void CheckLine(const Entity& e, double x1, double y1, double x2, double y2, int sequence, bool prev, bool next)
{
    QVERIFY(!e.isArc);
    QCOMPARE(e.x1, x1);
    QCOMPARE(e.y1, y1);
    QCOMPARE(e.x2, x2);
    QCOMPARE(e.y2, y2);
    QCOMPARE(e.sequence, sequence);
    QCOMPARE(e.joinedPrev, prev);
    QCOMPARE(e.joinedNext, next);
    QCOMPARE(e.layer, std::string("DEFAULT"));
}

}  // namespace

class TestDrawTool : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<myDraw> renderer;  // without a canvas: the previews keep their points, nothing is painted
    Drw drawing;
    DrawTool tool;

    // Starts mode and clicks the points; returns the result of the last click.
    ClickResult Draw(ToolMode mode, std::initializer_list<Point> points)
    {
        tool.Start(mode, *renderer);
        ClickResult result = ClickResult::Ignored;
        for (Point p : points)
            result = tool.Click(p.x, p.y, drawing, *renderer);
        return result;
    }

private slots:
    void init()
    {
        recorder = std::make_unique<MessageRecorder>();
        renderer = std::make_unique<myDraw>(nullptr, 500, 500, true, false);
        drawing = Drw();
        tool = DrawTool();
    }
    void cleanup()
    {
        renderer.reset();
        recorder.reset();
    }

    // ---- Snapping ----

    void objectSnapRadiusBoundary_data()
    {
        QTest::addColumn<double>("cursorX");
        QTest::addColumn<double>("cursorY");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("exactly the radius along x") << -25.0 << 0.0 << true;
        QTest::newRow("exactly the radius, 3-4-5") << 15.0 << -20.0 << true;
        QTest::newRow("just beyond") << -25.001 << 0.0 << false;
        QTest::newRow("on the end") << 0.0 << 0.0 << true;
    }
    void objectSnapRadiusBoundary()
    {
        QFETCH(double, cursorX);
        QFETCH(double, cursorY);
        QFETCH(bool, snaps);
        AddLinePath(drawing, 0, 0, 200, 0);
        double x = cursorX, y = cursorY;
        QCOMPARE(SnapToEntity(drawing, 25.0, x, y), snaps);
        QCOMPARE(x, snaps ? 0.0 : cursorX);
        QCOMPARE(y, snaps ? 0.0 : cursorY);
    }

    void objectSnapPrefersNearestThenFirstInIndexOrder()
    {
        // The start of the first path and the end of the second are both 20 mm from the cursor at the origin.
        AddLinePath(drawing, 20, 0, 100, 100);
        AddLinePath(drawing, -100, -100, -20, 0);
        double x = 0, y = 0;
        QVERIFY(SnapToEntity(drawing, 25, x, y));
        QCOMPARE(x, 20.0);
        // A later candidate clearly nearer wins: an arc's centre 5 mm away; a line's unused centre fields do not count.
        drawing.pathCount += 1;
        drawing.AddArc(-40, 5, -30, 15, 0, 5, false, "0", drawing.pathCount, false, false);
        x = 0, y = 0;
        QVERIFY(SnapToEntity(drawing, 25, x, y));
        QCOMPARE(x, 0.0);
        QCOMPARE(y, 5.0);
    }

    void gridSnapRoundsHalvesAwayFromZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("snapped");
        QTest::newRow("14.9") << 14.9 << 10.0;
        QTest::newRow("15") << 15.0 << 20.0;
        QTest::newRow("-15") << -15.0 << -20.0;
        QTest::newRow("-14.9") << -14.9 << -10.0;
        QTest::newRow("-4") << -4.0 << 0.0;
        QTest::newRow("zero") << 0.0 << 0.0;
    }
    void gridSnapRoundsHalvesAwayFromZero()
    {
        QFETCH(double, value);
        QFETCH(double, snapped);
        double x = value, y = value;
        SnapToGrid(10, 10, x, y);
        QCOMPARE(x, snapped);
        QCOMPARE(y, snapped);
    }

    void snapCursorFollowsTheSwitches()
    {
        // A visible window 500 mm wide has a 10 mm grid.
        renderer->SetExtents(0, 0, 500, 500);
        renderer->ComputeView();
        double gx, gy;
        renderer->GridSteps(gx, gy);
        QCOMPARE(gx, 10.0);
        AddLinePath(drawing, 100, 100, 200, 100);
        ParLav work;

        work.osnapEnabled = false;
        work.gridSnapEnabled = false;
        SnappedPoint p = SnapCursor(drawing, *renderer, work, 104.3, 98.7, 17, 23);
        QVERIFY(!p.snapped);
        QCOMPARE(p.x, 104.3);
        QCOMPARE(p.y, 98.7);
        QCOMPARE(p.px, 17);
        QCOMPARE(p.py, 23);

        work.gridSnapEnabled = true;
        p = SnapCursor(drawing, *renderer, work, 14.9, -15, 17, 23);
        QVERIFY(p.snapped);
        QCOMPARE(p.x, 10.0);
        QCOMPARE(p.y, -20.0);
        int px, py;
        renderer->ToPixel(10, -20, px, py);
        QCOMPARE(p.px, px);
        QCOMPARE(p.py, py);

        // Object snap goes first; the grid only when no entity end is near.
        work.osnapEnabled = true;
        p = SnapCursor(drawing, *renderer, work, 104.3, 98.7, 17, 23);
        QCOMPARE(p.x, 100.0);
        QCOMPARE(p.y, 100.0);
        p = SnapCursor(drawing, *renderer, work, 154.3, 98.7, 17, 23);
        QCOMPARE(p.x, 150.0);
        QCOMPARE(p.y, 100.0);
    }

    // ---- Tools ----

    void clickWithoutToolIsIgnored()
    {
        QCOMPARE(tool.Click(1, 2, drawing, *renderer), ClickResult::Ignored);
        QCOMPARE(drawing.entityCount(), 0);
        QCOMPARE(tool.Stage(), ToolStage::None);
    }

    void singleFiguresEndTheTool_data()
    {
        QTest::addColumn<ToolMode>("mode");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("entities");
        QTest::newRow("line") << ToolMode::Line << 2 << 1;
        QTest::newRow("arc") << ToolMode::Arc << 3 << 1;
        QTest::newRow("rectangle") << ToolMode::Rectangle << 2 << 4;
        QTest::newRow("circle") << ToolMode::Circle << 2 << 2;
    }
    void singleFiguresEndTheTool()
    {
        QFETCH(ToolMode, mode);
        QFETCH(int, clicks);
        QFETCH(int, entities);
        AddLinePath(drawing, -50, -50, -40, -40);
        const Point points[] = {{0, 0}, {10, 10}, {20, 0}};
        tool.Start(mode, *renderer);
        QCOMPARE(tool.Stage(), ToolStage::First);
        for (int i = 0; i < clicks - 1; ++i) {
            QCOMPARE(tool.Click(points[i].x, points[i].y, drawing, *renderer), ClickResult::Advanced);
            QCOMPARE(static_cast<int>(tool.Stage()), i + 2);
        }
        QCOMPARE(drawing.entityCount(), 1);
        QCOMPARE(tool.Click(points[clicks - 1].x, points[clicks - 1].y, drawing, *renderer), ClickResult::Finished);
        QVERIFY(!tool.Active());
        QCOMPARE(tool.Stage(), ToolStage::None);
        QCOMPARE(drawing.entityCount(), 1 + entities);
        QCOMPARE(drawing.pathCount, 2);
        for (int i = 1; i < drawing.entityCount(); ++i)
            QCOMPARE(drawing.entities[i].sequence, 2);
        QVERIFY(drawing.modified);
    }

    void lineJoinsItsTwoPointsEvenWhenTheyCoincide()
    {
        Draw(ToolMode::Line, {{3, 4}, {-7, 8}});
        QCOMPARE(drawing.entityCount(), 1);
        CheckLine(drawing.entities[0], 3, 4, -7, 8, 1, false, false);
        // Two clicks snapped to the same end give a zero-length line, appended as a path of its own.
        Draw(ToolMode::Line, {{-7, 8}, {-7, 8}});
        QCOMPARE(drawing.entityCount(), 2);
        CheckLine(drawing.entities[1], -7, 8, -7, 8, 2, false, false);
    }

    void polylineChainsItsSegmentsUntilStopped()
    {
        AddLinePath(drawing, -50, -50, -40, -40);
        QCOMPARE(Draw(ToolMode::Polyline, {{0, 0}, {10, 0}, {10, 10}}), ClickResult::Finished);
        QVERIFY(tool.Active());
        QCOMPARE(tool.Mode(), ToolMode::Polyline);
        QCOMPARE(tool.Stage(), ToolStage::Second);
        QVERIFY(!tool.PolyFirst());
        QCOMPARE(drawing.entityCount(), 3);
        QCOMPARE(drawing.pathCount, 2);
        CheckLine(drawing.entities[1], 0, 0, 10, 0, 2, false, true);
        CheckLine(drawing.entities[2], 10, 0, 10, 10, 2, true, false);
        tool.Stop(renderer.get());
        QVERIFY(!tool.Active());
        QCOMPARE(drawing.entityCount(), 3);
        // A new polyline starts a new path.
        Draw(ToolMode::Polyline, {{0, 0}, {5, 5}});
        CheckLine(drawing.entities[3], 0, 0, 5, 5, 3, false, false);
    }

    void polylineAfterTheDrawingChangedStartsANewPath()
    {
        Draw(ToolMode::Polyline, {{0, 0}, {10, 0}});
        // Another path arrives meanwhile (an edit while the tool waits): the next segment cannot join it.
        AddLinePath(drawing, 50, 50, 60, 60);
        tool.Click(10, 10, drawing, *renderer);
        QCOMPARE(drawing.pathCount, 3);
        CheckLine(drawing.entities[0], 0, 0, 10, 0, 1, false, false);
        CheckLine(drawing.entities[2], 10, 0, 10, 10, 3, false, false);
    }

    void arcThroughThreePoints()
    {
        // From (10, 0) through (0, 10) to (-10, 0): the upper half of the circle of radius 10, anticlockwise.
        Draw(ToolMode::Arc, {{10, 0}, {0, 10}, {-10, 0}});
        QCOMPARE(drawing.entityCount(), 1);
        const Entity& arc = drawing.entities[0];
        QVERIFY(arc.isArc);
        QCOMPARE(arc.x1, 10.0);
        QCOMPARE(arc.x2, -10.0);
        QVERIFY(std::abs(arc.xc) < 1e-9 && std::abs(arc.yc) < 1e-9);
        QVERIFY(!arc.clockwise);
        QCOMPARE(arc.sequence, 1);
        QCOMPARE(arc.layer, std::string("DEFAULT"));
        // Through (0, -10) instead: the lower half, clockwise.
        Draw(ToolMode::Arc, {{10, 0}, {0, -10}, {-10, 0}});
        QVERIFY(drawing.entities[1].clockwise);
        QCOMPARE(drawing.entities[1].sequence, 2);
    }

    void collinearArcPointsAddNothing_data()
    {
        QTest::addColumn<ToolMode>("mode");
        QTest::newRow("arc") << ToolMode::Arc;
        QTest::newRow("polyarc") << ToolMode::Polyarc;
    }
    void collinearArcPointsAddNothing()
    {
        QFETCH(ToolMode, mode);
        QCOMPARE(Draw(mode, {{0, 0}, {5, 5}, {10, 10}}), ClickResult::Finished);
        QCOMPARE(drawing.entityCount(), 0);
        QCOMPARE(drawing.pathCount, 0);
        QVERIFY(!tool.Active());
    }

    void polyarcChainsArcsFromTheLastEnd()
    {
        Draw(ToolMode::Polyarc, {{0, 0}, {10, 10}, {20, 0}, {30, -10}, {40, 0}});
        QCOMPARE(drawing.entityCount(), 2);
        QCOMPARE(drawing.pathCount, 1);
        const Entity& first = drawing.entities[0];
        const Entity& second = drawing.entities[1];
        QVERIFY(first.isArc && second.isArc);
        QCOMPARE(first.x2, 20.0);
        QCOMPARE(second.x1, 20.0);
        QCOMPARE(second.x2, 40.0);
        QVERIFY(first.clockwise);
        QVERIFY(!second.clockwise);
        QVERIFY(!first.joinedPrev && first.joinedNext && second.joinedPrev && !second.joinedNext);
        QCOMPARE(second.sequence, 1);
        QCOMPARE(tool.Stage(), ToolStage::Second);
    }

    void rectangleFromTopRightIsOneClosedPathFromTheFirstCorner()
    {
        Draw(ToolMode::Rectangle, {{30, 20}, {-10, -5}});
        QCOMPARE(drawing.entityCount(), 4);
        CheckLine(drawing.entities[0], 30, 20, -10, 20, 1, false, true);
        CheckLine(drawing.entities[1], -10, 20, -10, -5, 1, true, true);
        CheckLine(drawing.entities[2], -10, -5, 30, -5, 1, true, true);
        CheckLine(drawing.entities[3], 30, -5, 30, 20, 1, true, false);
    }

    void circleIsTwoHalfArcsFromItsLeftmostPoint()
    {
        // Centre (5, 5), second point at distance 5: radius 5.
        Draw(ToolMode::Circle, {{5, 5}, {8, 9}});
        QCOMPARE(drawing.entityCount(), 2);
        const Entity& a = drawing.entities[0];
        const Entity& b = drawing.entities[1];
        QVERIFY(a.isArc && b.isArc && a.clockwise && b.clockwise);
        QCOMPARE(a.x1, 0.0);
        QCOMPARE(a.y1, 5.0);
        QCOMPARE(a.x2, 10.0);
        QCOMPARE(b.x1, 10.0);
        QCOMPARE(b.x2, 0.0);
        QCOMPARE(a.xc, 5.0);
        QCOMPARE(b.yc, 5.0);
        QVERIFY(!a.joinedPrev && a.joinedNext && b.joinedPrev && !b.joinedNext);
        QCOMPARE(a.sequence, 1);
        QCOMPARE(b.sequence, 1);
    }

    // ---- A full drawing ----

    void figureThatDoesNotFitLeavesTheDrawingAsItWas()
    {
        // Room for two more entities: the rectangle's four are refused whole, without an empty path number.
        for (int i = 0; i < MaxEntities - 2; ++i)
            drawing.AddLine(i, 0, i, 1, "0", 1, false, false);
        drawing.pathCount = 1;
        drawing.modified = false;
        const Drw before = drawing;
        Draw(ToolMode::Rectangle, {{0, 0}, {10, 10}});
        QVERIFY(!tool.Active());
        QCOMPARE(drawing.entityCount(), before.entityCount());
        QCOMPARE(drawing.pathCount, 1);
        QVERIFY(drawing.entities == before.entities);
        QVERIFY(!drawing.modified);
        QCOMPARE(recorder->Count(), 1u);
    }

    void refusedPolylineSegmentKeepsTheChainEnded()
    {
        for (int i = 0; i < MaxEntities - 1; ++i)
            drawing.AddLine(i, 0, i, 1, "0", 1, false, false);
        drawing.pathCount = 1;
        Draw(ToolMode::Polyline, {{0, 0}, {10, 0}, {10, 10}});
        QCOMPARE(drawing.entityCount(), MaxEntities);
        QCOMPARE(drawing.pathCount, 2);
        CheckLine(drawing.entities.back(), 0, 0, 10, 0, 2, false, false);
    }

    // ---- Preview ----

    void finishedFigureLeavesNoXorTrace_data()
    {
        QTest::addColumn<ToolMode>("mode");
        QTest::newRow("line") << ToolMode::Line;
        QTest::newRow("arc") << ToolMode::Arc;
        QTest::newRow("rectangle") << ToolMode::Rectangle;
        QTest::newRow("circle") << ToolMode::Circle;
    }
    void finishedFigureLeavesNoXorTrace()
    {
        QFETCH(ToolMode, mode);
        RecordingCanvas canvas;
        myDraw painting(&canvas, 500, 500, true, false);
        painting.SetExtents(0, 0, 500, 500);
        painting.ComputeView();
        tool.Start(mode, painting);
        const Point points[] = {{100, 100}, {200, 250}, {300, 120}};
        const int clicks = mode == ToolMode::Arc ? 3 : 2;
        for (int i = 0; i < clicks; ++i) {
            int px, py;
            painting.ToPixel(points[i].x + 7, points[i].y + 3, px, py);
            tool.Track(px, py, true, painting);
            QVERIFY(canvas.XorTraces() > 0);
            tool.Click(points[i].x, points[i].y, drawing, painting);
        }
        QCOMPARE(canvas.XorTraces(), 0);
        QVERIFY(!drawing.entities.empty());
    }
};

QTEST_MAIN(TestDrawTool)
#include "test_drawtool.moc"
