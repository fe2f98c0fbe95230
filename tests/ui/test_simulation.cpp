// Tests of the machining simulation's logic: stepping by hand, the automatic stepping every four ticks, the
// animation and its speed, pause, resume and stop, on a window stand-in that records what would be painted.
#include <QTest>

#include <set>
#include <vector>

#include "model/drw.h"
#include "ui/simulation.h"

namespace {

// Keeps the set of paths the picture shows highlighted, as the drawing window would paint them.
class RecordingSimulation : public Simulation {
public:
    Drw drawing;
    int speed = SpeedStart;
    std::set<int> highlighted;
    std::vector<int> partsDrawn;  // the progress of each partial path drawn
    int pathPaints = 0;
    int repaints = 0;

    // Appends a path of one line of the given length along the x axis.
    void AddPath(double length)
    {
        drawing.pathCount += 1;
        const double y = 10.0 * drawing.pathCount;
        drawing.AddLine(0, y, length, y, "0", drawing.pathCount, false, false);
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            SimulationTick();
    }

protected:
    const Drw& SimulatedDrawing() const override { return drawing; }
    void PaintSimulatedPath(int path, int colorIndex) override
    {
        ++pathPaints;
        if (colorIndex > 0)
            highlighted.insert(path);
        else
            highlighted.erase(path);
    }
    void PaintSimulatedPathPart(int path, int part, int whole) override
    {
        QCOMPARE(path, step);
        QCOMPARE(whole, animTotal);
        partsDrawn.push_back(part);
    }
    void RepaintSimulation() override
    {
        ++repaints;
        highlighted.clear();
        if (AnimationRunning()) {
            for (int p = 1; p < step; ++p)
                highlighted.insert(p);
        } else if (step > 0) {
            highlighted.insert(step);
        }
    }
    int AnimationSpeedPosition() const override { return speed; }
};

using PathSet = std::set<int>;

}  // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void steppingRunVisitsEachPathEveryFourTicks()
    {
        RecordingSimulation sim;
        for (int i = 0; i < 3; ++i)
            sim.AddPath(10);
        sim.StartSimulation(false);
        QCOMPARE(sim.step, 1);
        QCOMPARE(sim.highlighted, PathSet{1});
        sim.Ticks(3);
        QCOMPARE(sim.step, 1);
        QCOMPARE(sim.runCounter, 4);
        sim.Ticks(1);
        QCOMPARE(sim.step, 2);
        QCOMPARE(sim.highlighted, PathSet{2});
        sim.Ticks(4);
        QCOMPARE(sim.step, 3);
        QCOMPARE(sim.highlighted, PathSet{3});
        sim.Ticks(3);
        QVERIFY(sim.IsRunning());
        sim.Ticks(1);
        QVERIFY(!sim.IsRunning());
        QCOMPARE(sim.step, 0);
        QVERIFY(sim.highlighted.empty());
        sim.Ticks(8);
        QCOMPARE(sim.step, 0);
        QCOMPARE(sim.runCounter, 0);
    }

    void handSteppingStopsAtTheEnds()
    {
        RecordingSimulation sim;
        for (int i = 0; i < 3; ++i)
            sim.AddPath(10);
        sim.PreviousStep();
        QCOMPARE(sim.step, 0);
        for (int i = 0; i < 3; ++i)
            sim.NextStep();
        QCOMPARE(sim.step, 3);
        QCOMPARE(sim.highlighted, PathSet{3});
        const int paints = sim.pathPaints;
        sim.NextStep();
        QCOMPARE(sim.step, 3);
        QCOMPARE(sim.pathPaints, paints);
        QVERIFY(!sim.IsRunning());

        sim.PreviousStep();
        sim.PreviousStep();
        QCOMPARE(sim.step, 1);
        QCOMPARE(sim.highlighted, PathSet{1});
        const int paintsAtFirst = sim.pathPaints;
        sim.PreviousStep();
        QCOMPARE(sim.step, 1);
        QCOMPARE(sim.pathPaints, paintsAtFirst);
        QCOMPARE(sim.highlighted, PathSet{1});
    }

    void stopAfterHandSteppingReturnsToNoPath()
    {
        RecordingSimulation sim;
        for (int i = 0; i < 3; ++i)
            sim.AddPath(10);
        sim.NextStep();
        sim.NextStep();
        QCOMPARE(sim.highlighted, PathSet{2});
        sim.StopSimulation();
        QCOMPARE(sim.step, 0);
        QVERIFY(sim.highlighted.empty());
        QCOMPARE(sim.repaints, 0);
    }

    void animationDrawsAPathInStepsOfTheSpeed()
    {
        RecordingSimulation sim;
        sim.AddPath(100);
        sim.AddPath(10);
        sim.StartSimulation(true);
        QCOMPARE(sim.step, 1);
        QCOMPARE(sim.animTotal, 200);
        QCOMPARE(sim.animProgress, 0);
        QVERIFY(sim.partsDrawn.empty());
        sim.Ticks(4);
        QCOMPARE(sim.partsDrawn, (std::vector<int>{51, 102, 153, 200}));
        QCOMPARE(sim.step, 1);
        sim.Ticks(1);
        QCOMPARE(sim.step, 2);
        QCOMPARE(sim.animTotal, 20);
        QCOMPARE(sim.animProgress, 0);
        // The travelled path stays highlighted: no path is painted back to normal, nor the new one highlighted.
        QCOMPARE(sim.pathPaints, 0);
        sim.Ticks(1);
        QCOMPARE(sim.animProgress, 20);  // capped at the path's length
        sim.Ticks(1);
        QVERIFY(!sim.IsRunning());
        QCOMPARE(sim.step, 0);
        QCOMPARE(sim.animTotal, 0);
        QCOMPARE(sim.repaints, 1);
        QVERIFY(!sim.animated);
    }

    void animationIncrementFollowsTheTrackBar_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("increment");
        QTest::newRow("fastest") << 1 << 200;
        QTest::newRow("start") << Simulation::SpeedStart << 51;
        QTest::newRow("slowest") << 200 << 1;
        QTest::newRow("below the range") << 0 << 200;
        QTest::newRow("above the range") << 500 << 1;
    }
    void animationIncrementFollowsTheTrackBar()
    {
        QFETCH(int, position);
        QFETCH(int, increment);
        QCOMPARE(Simulation::AnimationIncrement(position), increment);
        // A tick of an animation at that position advances by the same amount.
        RecordingSimulation sim;
        sim.AddPath(1000);
        sim.speed = position;
        sim.StartSimulation(true);
        sim.Ticks(1);
        QCOMPARE(sim.animProgress, increment);
    }

    void pausedAnimationResumesFromEitherStartButton_data()
    {
        QTest::addColumn<bool>("animatedButton");
        QTest::newRow("stepping start") << false;
        QTest::newRow("animated start") << true;
    }
    void pausedAnimationResumesFromEitherStartButton()
    {
        QFETCH(bool, animatedButton);
        RecordingSimulation sim;
        sim.AddPath(100);
        sim.StartSimulation(true);
        sim.Ticks(1);
        sim.PauseSimulation();
        sim.Ticks(3);
        QCOMPARE(sim.animProgress, 51);
        sim.StartSimulation(animatedButton);
        QVERIFY(!sim.paused);
        QVERIFY(sim.animated);
        QCOMPARE(sim.step, 1);
        QCOMPARE(sim.animProgress, 51);
        sim.Ticks(1);
        QCOMPARE(sim.animProgress, 102);
    }

    void pauseAtTheLastTickOfAStepLetsThatStepHappen()
    {
        RecordingSimulation sim;
        for (int i = 0; i < 3; ++i)
            sim.AddPath(10);
        sim.StartSimulation(false);
        sim.Ticks(3);
        sim.PauseSimulation();
        sim.Ticks(1);
        QCOMPARE(sim.step, 2);
        QCOMPARE(sim.runCounter, 1);
        sim.Ticks(10);
        QCOMPARE(sim.step, 2);
        QCOMPARE(sim.runCounter, 1);
        sim.StartSimulation(false);  // resumes where it stood
        QCOMPARE(sim.step, 2);
        sim.Ticks(4);
        QCOMPARE(sim.step, 3);
    }

    void startingAgainBeginsAtTheFirstPath()
    {
        RecordingSimulation sim;
        for (int i = 0; i < 3; ++i)
            sim.AddPath(10);
        sim.StartSimulation(false);
        sim.Ticks(8);
        QCOMPARE(sim.step, 3);
        sim.StartSimulation(true);
        QCOMPARE(sim.step, 1);
        QVERIFY(sim.animated);
        QCOMPARE(sim.highlighted, PathSet{});  // path 3 went back to normal; the animation paints on the ticks
    }

    void drawingsWithoutPathsOrLengthStillEnd()
    {
        RecordingSimulation empty;
        empty.StartSimulation(true);
        QVERIFY(!empty.IsRunning());
        QCOMPARE(empty.step, 0);
        empty.NextStep();
        QCOMPARE(empty.step, 0);

        RecordingSimulation point;
        point.AddPath(0);
        point.StartSimulation(true);
        QCOMPARE(point.animTotal, 1);
        point.Ticks(1);
        QCOMPARE(point.partsDrawn, std::vector<int>{1});
        point.Ticks(1);
        QVERIFY(!point.IsRunning());
    }
};

QTEST_APPLESS_MAIN(TestSimulation)
#include "test_simulation.moc"
