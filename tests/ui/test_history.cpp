// Tests of the undo history without a window: undo and redo give back each state whole, a change that is no change
// adds no step, a new step drops what could be redone, the bounds drop the oldest steps, a polyline's segments
// extend its step, and the modified flag and the file's state follow the history.
#include <QTest>

#include <string>
#include <vector>

#include "model/drawing_builders.h"
#include "model/drw.h"
#include "ui/history.h"

namespace {

// Three paths: two zigzags and a half circle, on two layers.
Drw Start()
{
    Drw drawing = MakeDrawing({3, 2});
    drawing.AddArc(0, 0, 10, 0, 5, 0, true, "ARCS", 3, false, false);
    drawing.pathCount = 3;
    return drawing;
}

// The drawing of each step's command applied to the last one, by name.
using Command = void (*)(Drw&);
const std::vector<std::pair<std::string, Command>> Commands = {
    {"Specchia in X", [](Drw& d) { d.MirrorX(); }},
    {"Ruota in senso orario", [](Drw& d) { d.RotateCW(); }},
    {"Cancella entità", [](Drw& d) { d.DeletePath(2); }},
    {"Copia entità", [](Drw& d) { d.CopyPaths(10, 0, nullptr, nullptr); }},
    {"Ridimensiona il disegno", [](Drw& d) { d.ResizeDrawing(500, 300, ""); }},
};

}  // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoGiveBackEveryState()
    {
        DrawingHistory history;
        Drw drawing = Start();
        history.Reset(drawing, true);
        std::vector<Drw> states = {drawing};
        for (const auto& [name, command] : Commands) {
            command(drawing);
            QVERIFY(history.Record(name, StepView::Fit, drawing));
            states.push_back(drawing);
        }
        for (int i = static_cast<int>(Commands.size()); i > 0; --i) {
            QCOMPARE(history.UndoStep()->name, Commands[i - 1].first);
            QCOMPARE(history.Undo(drawing)->name, Commands[i - 1].first);
            QCOMPARE(drawing, states[i - 1]);
        }
        QVERIFY(!history.CanUndo());
        QVERIFY(history.Undo(drawing) == nullptr);
        QCOMPARE(drawing, states[0]);
        for (std::size_t i = 1; i < states.size(); ++i) {
            QCOMPARE(history.Redo(drawing)->name, Commands[i - 1].first);
            QCOMPARE(drawing, states[i]);
        }
        QVERIFY(!history.CanRedo());
        QVERIFY(history.Redo(drawing) == nullptr);
    }

    void aChangeThatChangesNothingAddsNoStep()
    {
        DrawingHistory history;
        Drw drawing = Start();
        history.Reset(drawing, true);
        drawing.modified = true;  // as an operation that refused would leave it
        QVERIFY(!history.Record("Cancella entità", StepView::Fit, drawing));
        QCOMPARE(history.StepCount(), 0);
        QVERIFY(!drawing.modified);
    }

    void aNewStepDropsTheStepsToRedo()
    {
        DrawingHistory history;
        Drw drawing = Start();
        history.Reset(drawing, true);
        drawing.MirrorX();
        history.Record("Specchia in X", StepView::Keep, drawing);
        drawing.MirrorY();
        history.Record("Specchia in Y", StepView::Keep, drawing);
        history.Undo(drawing);
        drawing.RotateCW();
        history.Record("Ruota in senso orario", StepView::Fit, drawing);
        QVERIFY(!history.CanRedo());
        QCOMPARE(history.StepCount(), 2);
        QCOMPARE(history.Undo(drawing)->name, std::string("Ruota in senso orario"));
        QCOMPARE(history.Undo(drawing)->name, std::string("Specchia in X"));
    }

    void theBoundsDropTheOldestSteps_data()
    {
        QTest::addColumn<int>("maxSteps");
        QTest::addColumn<int>("maxStates");  // how many states of the drawing the byte bound holds
        QTest::addColumn<int>("kept");
        QTest::newRow("steps") << 3 << 100 << 3;
        QTest::newRow("bytes") << 100 << 3 << 2;
    }
    void theBoundsDropTheOldestSteps()
    {
        QFETCH(int, maxSteps);
        QFETCH(int, maxStates);
        QFETCH(int, kept);
        Drw drawing = MakeDrawing({400, 400});
        DrawingHistory probe;
        probe.Reset(drawing, true);
        DrawingHistory history(maxSteps, probe.Bytes() * maxStates + 1000);
        history.Reset(drawing, true);
        std::vector<Drw> states = {drawing};
        for (int i = 0; i < 6; ++i) {
            drawing.MovePaths(1, 0, nullptr, nullptr);
            history.Record("Sposta entità", StepView::Fit, drawing);
            states.push_back(drawing);
        }
        QCOMPARE(history.StepCount(), kept);
        QVERIFY(history.Bytes() <= probe.Bytes() * maxStates + 1000);
        for (int i = 0; i < kept; ++i)
            history.Undo(drawing);
        QVERIFY(!history.CanUndo());
        states[6 - kept].modified = true;  // the saved state was dropped
        QCOMPARE(drawing, states[6 - kept]);
    }

    void modifiedFollowsTheSavedState()
    {
        DrawingHistory history;
        Drw drawing = Start();
        history.Reset(drawing, true);
        QVERIFY(!drawing.modified && history.AtFileState());
        drawing.MirrorX();
        history.Record("Specchia in X", StepView::Keep, drawing);
        QVERIFY(drawing.modified && !history.AtFileState());
        history.MarkSaved(drawing);
        QVERIFY(!drawing.modified && history.AtFileState());
        history.Undo(drawing);  // past the save
        QVERIFY(drawing.modified && !history.AtFileState());
        history.Redo(drawing);  // back to it
        QVERIFY(!drawing.modified && history.AtFileState());
    }

    // An imported drawing is what its DXF file holds but was never saved as a drawing file.
    void anImportedDrawingStaysModified()
    {
        DrawingHistory history;
        Drw drawing = Start();
        history.Reset(drawing, false);
        QVERIFY(drawing.modified && history.AtFileState());
        drawing.MirrorY();
        history.Record("Specchia in Y", StepView::Keep, drawing);
        QVERIFY(!history.AtFileState());
        history.Undo(drawing);
        QVERIFY(drawing.modified && history.AtFileState());
        history.MarkReread(drawing, false);
        QVERIFY(drawing.modified);
    }

    void segmentsExtendTheirFiguresStep()
    {
        DrawingHistory history;
        Drw drawing = Start();
        history.Reset(drawing, true);
        const Drw before = drawing;
        drawing.pathCount = 4;
        drawing.AddLine(0, 0, 1, 1, "DEFAULT", 4, false, false);
        QVERIFY(history.Record("Polilinea", StepView::Keep, drawing));
        const uint64_t firstSegment = history.StateId();
        drawing.entities.back().joinedNext = true;
        drawing.AddLine(1, 1, 2, 0, "DEFAULT", 4, true, false);
        QVERIFY(history.Extend(drawing));
        QVERIFY(history.StateId() != firstSegment);
        QCOMPARE(history.StepCount(), 1);
        const Drw after = drawing;
        history.Undo(drawing);
        QCOMPARE(drawing, before);
        QVERIFY2(!history.Extend(drawing), "a step to redo is not extended");
        history.Redo(drawing);
        QCOMPARE(drawing, after);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
