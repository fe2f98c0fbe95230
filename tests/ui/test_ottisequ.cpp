// Tests of the path optimisation dialog: the join distance, joining and exploding with their reports, the pick
// modes on the preview, the sequence display, the enabling of the controls, the automatic order, and opening the
// dialog on a drawing window with Ok and Annulla.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "l10n/messaggi.h"
#include "reachability.h"
#include "support/parlav.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/ottisequ.h"
#include "ui/paintbox.h"

namespace {

// A drawing of single-line paths, numbered in the order given.
struct Segment {
    double x1, y1, x2, y2;
};
Drw Lines(std::initializer_list<Segment> segments)
{
    Drw drawing;
    for (const Segment& s : segments)
        drawing.AddLine(s.x1, s.y1, s.x2, s.y2, "0", ++drawing.pathCount, false, false);
    return drawing;
}

// A closed square path of four joined lines, 100 mm a side.
Drw Square()
{
    Drw drawing;
    drawing.pathCount = 1;
    drawing.AddLine(0, 0, 100, 0, "0", 1, false, true);
    drawing.AddLine(100, 0, 100, 100, "0", 1, true, true);
    drawing.AddLine(100, 100, 0, 100, "0", 1, true, true);
    drawing.AddLine(0, 100, 0, 0, "0", 1, true, false);
    return drawing;
}

// Paths are numbered 1..pathCount, contiguous and in increasing order.
bool PathsConsistent(const Drw& drawing)
{
    int previous = 1;
    for (const Entity& e : drawing.entities) {
        if (e.sequence < previous || e.sequence > previous + 1 || e.sequence > drawing.pathCount)
            return false;
        previous = e.sequence;
    }
    return drawing.entities.empty() || previous == drawing.pathCount;
}

}  // namespace

class TestOttiSequ : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    Drw source;

    // A shown dialog on a copy of drawing (kept in `source`), with the preview painted once.
    std::unique_ptr<TOttiSequForm> Open(const Drw& drawing)
    {
        source = drawing;
        auto dialog = std::make_unique<TOttiSequForm>();
        dialog->SetDrawing(source);
        dialog->show();
        dialog->PeriodicUpdate();
        return dialog;
    }

    // Releases the mouse over the drawing point (x, y) of the preview.
    static void ClickAt(TOttiSequForm& dialog, double x, double y)
    {
        int px = 0, py = 0;
        dialog.view->ToPixel(x, y, px, py);
        QTest::mouseRelease(dialog.DisPaintBox, Qt::LeftButton, {}, QPoint(px, py));
    }

    // Clicks a control with the enabled states that the timer would have set by then.
    static void Press(TOttiSequForm& dialog, QAbstractButton* button)
    {
        dialog.UpdateControls();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static void Tick(TOttiSequForm& dialog, int times)
    {
        for (int i = 0; i < times; ++i)
            dialog.PeriodicUpdate();
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        TheParLav = std::make_unique<ParLav>();
    }
    void cleanup()
    {
        TheParLav.reset();
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void showSetsTextsAndState()
    {
        TheParLav->minJoinDistance = 0.25;
        auto dialog = Open(Lines({{0, 0, 10, 0}}));
        QCOMPARE(dialog->windowTitle(), QString("OTTIMIZZAZIONE PERCORSI DELLE LAVORAZIONI"));
        QCOMPARE(dialog->BitBtn5->text(), QString("     Esplodi tutto"));
        QCOMPARE(dialog->Label4->text(), QString("Sequenza percorsi"));
        QCOMPARE(dialog->Button("ToolButton9")->toolTip(), QString("Prossimo percorso della lista"));
        QCOMPARE(dialog->MinDistEdt->text(), QString("0.25"));
        QCOMPARE(dialog->AniVel->value(), 150);
        QCOMPARE(dialog->DisPaintBox->size(), QSize(558, 570));
        QVERIFY(dialog->active);
        QCOMPARE(dialog->redrawRequest, 0);  // served by the first update
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeIdle));
        QCOMPARE(dialog->zoomExtents, (std::array<double, 4>{0, 0, 10, 0}));
    }

    // Two lines 0.3 mm apart: joined at a distance of 0.5 mm (either separator), not at 0.2 mm.
    void autoJoinAtTypedDistance_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("joined");
        QTest::newRow("comma") << "0,5" << 1;
        QTest::newRow("point") << "0.5" << 1;
        QTest::newRow("blanks") << " 0.5 " << 1;
        QTest::newRow("too small") << "0.2" << 0;
    }
    void autoJoinAtTypedDistance()
    {
        QFETCH(QString, text);
        QFETCH(int, joined);
        auto dialog = Open(Lines({{0, 0, 10, 0}, {10.3, 0, 20, 0}}));
        dialog->MinDistEdt->setText(text);
        Press(*dialog, dialog->AutoJoinButton);
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{
                     {"Numero di entità unite: " + std::to_string(joined), "UNIONE COMPLETATA", MsgStyleInfo}}));
        QCOMPARE(dialog->workDrw.pathCount, 2 - joined);
        QCOMPARE(TheParLav->minJoinDistance, text.trimmed() == "0.2" ? 0.2 : 0.5);
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeIdle));
        QCOMPARE(source.pathCount, 2);  // the drawing given stays as it was
    }

    void refusedDistance_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boxes");  // the conversion's own box comes first for text that does not convert
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("negative") << "-1" << 1;
        QTest::newRow("below tolerance") << "1e-9" << 1;
        QTest::newRow("not a number") << "abc" << 2;
        QTest::newRow("empty") << "" << 2;
    }
    void refusedDistance()
    {
        QFETCH(QString, text);
        QFETCH(int, boxes);
        auto dialog = Open(Lines({{0, 0, 10, 0}, {10, 0, 20, 0}}));
        dialog->MinDistEdt->setText(text);
        Press(*dialog, dialog->AutoJoinButton);
        QCOMPARE(int(recorder->Count()), boxes);
        QCOMPARE(recorder->Messages().back(),
                 (RecordedMessage{"Valore di minima distanza non ammesso.", "AVVISO", MsgStyleWarning}));
        QCOMPARE(dialog->workDrw.pathCount, 2);
        QCOMPARE(TheParLav->minJoinDistance, 0.5);
    }

    void explodeAllReportsSplitPaths()
    {
        Drw drawing = Square();
        drawing.AddLine(200, 0, 210, 0, "0", 2, false, false);
        drawing.pathCount = 2;
        auto dialog = Open(drawing);
        Press(*dialog, dialog->BitBtn5);
        QCOMPARE(recorder->Texts(), std::vector<std::string>{"Numero di entità esplose: 1"});
        QCOMPARE(dialog->workDrw.pathCount, 5);
        recorder->Clear();
        Press(*dialog, dialog->BitBtn5);
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{{"Numero di entità esplose: 0", "ESPLOSO COMPLETATO", MsgStyleInfo}}));
    }

    // Explode and join again through the wizard, at the distance typed; the result is ordered and consistent.
    void joinAndOptimiseAll()
    {
        Drw drawing = Square();
        drawing.AddLine(300, 0, 310, 0, "0", 2, false, false);
        drawing.pathCount = 2;
        auto dialog = Open(drawing);
        dialog->MinDistEdt->setText("0.1");
        Press(*dialog, dialog->BitBtn8);
        QCOMPARE(recorder->Count(), 0u);
        QCOMPARE(dialog->workDrw.pathCount, 2);
        QVERIFY(PathsConsistent(dialog->workDrw));
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeIdle));
        QCOMPARE(TheParLav->minJoinDistance, 0.1);
    }

    // A refused distance leaves the paths exploded and the mode set until "Stop comando".
    void joinAndOptimiseAllWithRefusedDistance()
    {
        auto dialog = Open(Square());
        dialog->MinDistEdt->setText("0");
        Press(*dialog, dialog->BitBtn8);
        QCOMPARE(dialog->workDrw.pathCount, 4);
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeOptimise));
        dialog->PeriodicUpdate();
        QVERIFY(dialog->BitBtn4->isEnabled());
        QVERIFY(!dialog->ModButton->isEnabled());
        Press(*dialog, dialog->BitBtn4);
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeIdle));
    }

    void reverseByClicking()
    {
        auto dialog = Open(Lines({{0, 0, 100, 0}, {0, 50, 100, 50}}));
        Press(*dialog, dialog->BitBtn1);
        QCOMPARE(dialog->DisPaintBox->cursor().shape(), Qt::PointingHandCursor);
        ClickAt(*dialog, 50, 50);
        const Entity& reversed = dialog->workDrw.entities[1];
        QCOMPARE(reversed.x1, 100.0);
        QCOMPARE(reversed.x2, 0.0);
        QCOMPARE(dialog->workDrw.entities[0].x1, 0.0);
        ClickAt(*dialog, 50, 25);  // between the paths, beyond the pick square: nothing
        QCOMPARE(dialog->workDrw.entities[0].x1, 0.0);
        Press(*dialog, dialog->BitBtn4);
        QCOMPARE(dialog->DisPaintBox->cursor().shape(), Qt::ArrowCursor);
        ClickAt(*dialog, 50, 50);  // no mode: nothing
        QCOMPARE(dialog->workDrw.entities[1].x1, 100.0);
    }

    void explodeByClicking()
    {
        Drw drawing = Square();
        auto dialog = Open(drawing);
        Press(*dialog, dialog->BitBtn6);
        ClickAt(*dialog, 100, 50);
        QCOMPARE(dialog->workDrw.pathCount, 4);
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeExplode));
    }

    void startPointOnClosedAndOpenPaths()
    {
        Drw drawing = Square();
        drawing.AddLine(200, 0, 200, 100, "0", 2, false, false);
        drawing.pathCount = 2;
        auto dialog = Open(drawing);
        Press(*dialog, dialog->BitBtn7);
        ClickAt(*dialog, 200, 50);
        QCOMPARE(recorder->Messages(), (std::vector<RecordedMessage>{{"Comando applicabile solo con percorsi chiusi",
                                                                      "AVVISO", MsgStyleWarning}}));
        QCOMPARE(dialog->workDrw, drawing);
        ClickAt(*dialog, 100, 50);
        QCOMPARE(dialog->workDrw.entityCount(), 6);
        const Entity& first = dialog->workDrw.entities[0];
        QCOMPARE(first.x1, 100.0);
        QVERIFY(std::abs(first.y1 - 50) < 1);  // the point picked, within a pixel
        QVERIFY(dialog->workDrw.IsPathClosed(1));
    }

    // The order mode starts at path 1; a clicked path takes the current position; the next step moves on with the
    // placed paths still highlighted; "Stop comando" ends the display.
    void orderByClicking()
    {
        auto dialog = Open(Lines({{0, 0, 10, 0}, {0, 50, 10, 50}, {0, 100, 10, 100}}));
        Press(*dialog, dialog->BitBtn2);
        QCOMPARE(dialog->currentStep, 1);
        ClickAt(*dialog, 5, 100);
        QCOMPARE(dialog->workDrw.entities[0].y1, 100.0);
        dialog->PeriodicUpdate();
        QVERIFY(dialog->Button("ToolButton9")->isEnabled());
        QVERIFY(!dialog->Button("ToolButton21")->isEnabled());
        Press(*dialog, dialog->Button("ToolButton9"));
        ClickAt(*dialog, 5, 50);  // now path 3: it becomes path 2
        QCOMPARE(dialog->workDrw.entities[1].y1, 50.0);
        QVERIFY(PathsConsistent(dialog->workDrw));
        Press(*dialog, dialog->BitBtn4);
        QCOMPARE(dialog->currentStep, 0);
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeIdle));
    }

    // First click chooses, a click on empty area does nothing, a near path is joined, a far one warns.
    void manualJoin()
    {
        auto dialog = Open(Lines({{0, 0, 100, 0}, {100.2, 0, 100.2, 100}, {300, 0, 400, 0}}));
        Press(*dialog, dialog->ManuJoinButton);
        ClickAt(*dialog, 50, 0);
        QCOMPARE(dialog->firstJoinPath, 1);
        QCOMPARE(dialog->workDrw.pathCount, 3);
        ClickAt(*dialog, 200, 200);
        QCOMPARE(dialog->workDrw.pathCount, 3);
        ClickAt(*dialog, 100.2, 50);
        QCOMPARE(dialog->workDrw.pathCount, 2);
        QCOMPARE(dialog->workDrw.PathEntityCount(1), 2);
        QCOMPARE(recorder->Count(), 0u);
        ClickAt(*dialog, 350, 0);
        QCOMPARE(recorder->Texts(), std::vector<std::string>{
                                        "Impossibile unire entità perchè più distanti del valore di minima distanza."});
        QCOMPARE(dialog->workDrw.pathCount, 2);
        QCOMPARE(dialog->firstJoinPath, 1);
        QCOMPARE(TheParLav->minJoinDistance, 0.5);  // the manual join does not store its distance
    }

    // A path clicked before the chosen one joins with it under the lower number, which becomes the chosen path.
    void manualJoinOfAnEarlierPath()
    {
        auto dialog = Open(Lines({{0, 0, 0, 100}, {200, 0, 300, 0}, {0, 100, 100, 100}}));
        Press(*dialog, dialog->ManuJoinButton);
        ClickAt(*dialog, 50, 100);
        QCOMPARE(dialog->firstJoinPath, 3);
        ClickAt(*dialog, 0, 50);
        QCOMPARE(dialog->workDrw.pathCount, 2);
        QCOMPARE(dialog->firstJoinPath, 1);
        QCOMPARE(dialog->workDrw.PathEntityCount(1), 2);
    }

    // Clicking the chosen path again near an end of its chain offers to run the entity twice; Yes appends a copy and
    // joins it, No changes nothing.
    void manualJoinDuplicate_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("entities");
        QTest::newRow("yes") << MsgResultYes << 3;
        QTest::newRow("no") << MsgResultNo << 2;
    }
    void manualJoinDuplicate()
    {
        QFETCH(int, answer);
        QFETCH(int, entities);
        auto dialog = Open(Lines({{0, 0, 100, 0}, {0, 200, 100, 200}}));
        Press(*dialog, dialog->ManuJoinButton);
        ClickAt(*dialog, 50, 0);
        recorder->Answer({answer});
        ClickAt(*dialog, 50, 0);
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{{"Duplicare l'entità selezionata?", "CONFERMA", MsgStyleQuestion}}));
        QCOMPARE(dialog->workDrw.entityCount(), entities);
        QCOMPARE(dialog->workDrw.pathCount, 2);
        QCOMPARE(dialog->workDrw.PathEntityCount(1), entities - 1);
        QVERIFY(PathsConsistent(dialog->workDrw));
    }

    void commandButtonsFollowModeAndDisplay()
    {
        auto dialog = Open(Lines({{0, 0, 10, 0}, {0, 50, 10, 50}}));
        dialog->PeriodicUpdate();
        QVERIFY(dialog->BitBtn1->isEnabled());
        QVERIFY(!dialog->BitBtn4->isEnabled());
        QVERIFY(!dialog->Button("ToolButton22")->isEnabled());
        Press(*dialog, dialog->BitBtn1);
        dialog->PeriodicUpdate();
        QVERIFY(!dialog->BitBtn1->isEnabled());
        QVERIFY(!dialog->MinDistEdt->isEnabled());
        QVERIFY(dialog->BitBtn4->isEnabled());
        QVERIFY(!dialog->ModButton->isEnabled());
        QVERIFY(!dialog->CancelButton->isEnabled());
        QVERIFY(!dialog->Button("ToolButton9")->isEnabled());
        Press(*dialog, dialog->BitBtn4);
        Press(*dialog, dialog->Button("ToolButton34"));
        dialog->PeriodicUpdate();
        QVERIFY(!dialog->BitBtn1->isEnabled());
        QVERIFY(!dialog->BitBtn4->isEnabled());
        QVERIFY(dialog->Button("ToolButton19")->isEnabled());
        QVERIFY(dialog->AniVel->isVisible());
        QVERIFY(dialog->SelSequEdt->isVisible());
    }

    void emptyDrawingHasNoStep()
    {
        auto dialog = Open(Drw());
        Press(*dialog, dialog->Button("ToolButton9"));
        dialog->PeriodicUpdate();
        QCOMPARE(dialog->currentStep, 0);
        QVERIFY(!dialog->SelSequEdt->isVisible());
    }

    // One path every four ticks; after the last one the display stops by itself.
    void automaticDisplayStepsAndStops()
    {
        auto dialog = Open(Lines({{0, 0, 10, 0}, {0, 50, 10, 50}, {0, 100, 10, 100}}));
        Press(*dialog, dialog->Button("ToolButton21"));
        QCOMPARE(dialog->currentStep, 1);
        Tick(*dialog, 3);
        QCOMPARE(dialog->currentStep, 1);
        Tick(*dialog, 1);
        QCOMPARE(dialog->currentStep, 2);
        QCOMPARE(dialog->SelSequEdt->text(), QString("2"));
        Tick(*dialog, 4);
        QCOMPARE(dialog->currentStep, 3);
        Tick(*dialog, 4);
        QCOMPARE(dialog->currentStep, 0);
        QCOMPARE(dialog->simCounter, 0);
        QVERIFY(!dialog->SelSequEdt->isVisible());
    }

    void pauseAndResume()
    {
        auto dialog = Open(Lines({{0, 0, 10, 0}, {0, 50, 10, 50}}));
        Press(*dialog, dialog->Button("ToolButton21"));
        Press(*dialog, dialog->Button("ToolButton19"));
        Tick(*dialog, 10);
        QCOMPARE(dialog->currentStep, 1);
        Press(*dialog, dialog->Button("ToolButton21"));  // resumes where it stood
        QCOMPARE(dialog->currentStep, 1);
        Tick(*dialog, 4);
        QCOMPARE(dialog->currentStep, 2);
        Press(*dialog, dialog->Button("ToolButton22"));
        QCOMPARE(dialog->currentStep, 0);
        QCOMPARE(dialog->simCounter, 0);
    }

    // A 100 mm path at the start speed (51 half-millimetres a tick) takes 4 ticks; a path of no length is passed
    // over at the next tick.
    void animatedDisplay()
    {
        auto dialog = Open(Lines({{0, 0, 100, 0}, {50, 50, 50, 50}, {0, 100, 10, 100}}));
        Press(*dialog, dialog->Button("ToolButton34"));
        QCOMPARE(dialog->currentStep, 1);
        QCOMPARE(dialog->animTotal, 200);
        Tick(*dialog, 1);
        QCOMPARE(dialog->animPos, 51);
        Tick(*dialog, 3);
        QCOMPARE(dialog->animPos, 200);
        Tick(*dialog, 1);
        QCOMPARE(dialog->currentStep, 2);
        QCOMPARE(dialog->animTotal, 0);
        Tick(*dialog, 1);
        QCOMPARE(dialog->currentStep, 3);
    }

    // During an animation the controls beside the preview can be seen and reached, none over another.
    void controlsBesideThePreviewAreReachable()
    {
        auto dialog = Open(Lines({{0, 0, 100, 0}, {0, 100, 10, 100}}));
        Press(*dialog, dialog->Button("ToolButton34"));
        dialog->UpdateControls();
        QVERIFY_APART(dialog->DisPanel, dialog->ZoomToolBar, dialog->SequenzaToolBar, dialog->AniVelImg, dialog->AniVel,
                      dialog->SelSequEdt, dialog->ModButton, dialog->CancelButton);
        for (QToolBar* bar : {dialog->ZoomToolBar, dialog->SequenzaToolBar})
            for (QToolButton* button : bar->findChildren<QToolButton*>())
                if (button->objectName().startsWith("ToolButton") && button->isEnabled())
                    QVERIFY_REACHABLE(button);
        for (QWidget* control : std::initializer_list<QWidget*>{dialog->AniVel, dialog->AniVelImg, dialog->SelSequEdt,
                                                                dialog->ModButton, dialog->CancelButton})
            QVERIFY_REACHABLE(control);
    }

    // Set at its top pixel the speed bar draws the most of a path per tick; at the bottom the least.
    void speedBarIsFastestAtTheTop()
    {
        auto dialog = Open(Lines({{0, 0, 100, 0}}));
        Press(*dialog, dialog->Button("ToolButton34"));
        dialog->UpdateControls();
        const auto [top, bottom] = reachability::SliderEnds(dialog->AniVel);
        QCOMPARE(top, TOttiSequForm::SpeedMin);
        reachability::SliderValueAt(dialog->AniVel, QPoint(dialog->AniVel->width() / 2, dialog->AniVel->height() - 1));
        Tick(*dialog, 1);
        const int slow = dialog->animPos;
        reachability::SliderValueAt(dialog->AniVel, QPoint(dialog->AniVel->width() / 2, 0));
        Tick(*dialog, 1);
        QVERIFY(dialog->animPos - slow > slow);
        QVERIFY(bottom != top);
    }

    // Held "Zoom in": the counter runs 1, 2, 3 and from then on each tick zooms again.
    void heldZoomRepeats()
    {
        auto dialog = Open(Lines({{0, 0, 100, 0}}));
        QToolButton* zoomIn = dialog->Button("ToolButton1");
        const double scale = dialog->view->scaleX;
        QTest::mousePress(zoomIn, Qt::LeftButton);
        Tick(*dialog, 2);
        QCOMPARE(dialog->view->scaleX, scale);
        Tick(*dialog, 1);
        QVERIFY(dialog->view->scaleX > scale);
        const double held = dialog->view->scaleX;
        QTest::mouseRelease(zoomIn, Qt::LeftButton);  // the click zooms once more
        QVERIFY(dialog->view->scaleX > held);
        const double released = dialog->view->scaleX;
        Tick(*dialog, 3);
        QCOMPARE(dialog->view->scaleX, released);
    }

    void onlyOkAndAnnullaClose()
    {
        auto dialog = Open(Lines({{0, 0, 10, 0}}));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog->MinDistEdt, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->close());
        Press(*dialog, dialog->CancelButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->active);
        QVERIFY(!dialog->view);
    }

    // Paths 1, 2, 3 laid out so that 1, 3, 2 travels less: reordered, every entity kept, numbering consistent.
    void automaticOrderShortensTravel()
    {
        Drw drawing = Lines({{0, 0, 10, 0}, {100, 0, 110, 0}, {20, 0, 30, 0}});
        auto dialog = Open(drawing);
        const double before = dialog->workDrw.EstimateTime(100, 200);
        Press(*dialog, dialog->BitBtn3);
        const Drw& ordered = dialog->workDrw;
        QCOMPARE(ordered.entities[1].x1, 20.0);
        QCOMPARE(ordered.entities[2].x1, 100.0);
        QVERIFY(PathsConsistent(ordered));
        QVERIFY(ordered.EstimateTime(100, 200) < before);
        QCOMPARE(dialog->mode, int(TOttiSequForm::ModeIdle));
    }

    void automaticOrderKeepsAGoodOrder()
    {
        Drw drawing = Lines({{0, 0, 10, 0}, {20, 0, 30, 0}, {40, 0, 50, 0}});
        QVERIFY(!OptimisePathOrder(drawing));
        QCOMPARE(drawing, Lines({{0, 0, 10, 0}, {20, 0, 30, 0}, {40, 0, 50, 0}}));
    }

    // Multi-entity paths move whole, joins intact.
    void automaticOrderMovesWholePaths()
    {
        Drw drawing = Square();
        drawing.AddLine(500, 0, 510, 0, "0", 2, false, false);
        drawing.pathCount = 2;
        Drw square = Square();
        square.AddLine(10, -5, 20, -5, "0", 3, false, false);  // near the square's end at the origin
        for (Entity e : square.entities)
            if (e.sequence == 3)
                drawing.AddEntity(e);
        drawing.pathCount = 3;
        QVERIFY(OptimisePathOrder(drawing));
        QCOMPARE(drawing.PathEntityCount(1), 4);
        QCOMPARE(drawing.entities[4].x1, 10.0);
        QCOMPARE(drawing.entities[5].x1, 500.0);
        QVERIFY(drawing.entities[3].joinedPrev && !drawing.entities[3].joinedNext);
        QVERIFY(PathsConsistent(drawing));
        QVERIFY(drawing.modified);
    }

    // Through the drawing window: Annulla leaves its drawing as it was, Ok writes the dialog's copy back and fits it.
    void openOnDrawingWindow_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("annulla") << false;
        QTest::newRow("ok") << true;
    }
    void openOnDrawingWindow()
    {
        QFETCH(bool, ok);
        auto child = std::make_unique<TMDIChild>(progDir->WriteFile("d.dxf", dxf_fixtures::Sample()), true);
        child->resize(760, 540);
        child->show();
        child->Tick();
        child->ZoomIn();
        const Drw before = child->drawing;
        const double zoomedScale = child->renderer->scaleX;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TOttiSequForm*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            dialog->MinDistEdt->setText("1000");
            Press(*dialog, dialog->AutoJoinButton);
            QTest::mouseClick(ok ? dialog->ModButton : dialog->CancelButton, Qt::LeftButton);
        });
        child->Tick();
        QVERIFY(child->Button("ToolButton33")->isEnabled());
        QTest::mouseClick(child->Button("ToolButton33"), Qt::LeftButton);
        QVERIFY(seen);
        if (ok) {
            QCOMPARE(child->drawing.pathCount, 1);
            QVERIFY(child->renderer->scaleX < zoomedScale);
            QCOMPARE(child->SequenzeLbl->text(), QString("Percorsi: 1"));
        } else {
            QCOMPARE(child->drawing, before);
        }
    }

    // The main window's command opens the dialog on the active window; its timer updates the dialog while it is
    // open and no longer once it is closed.
    void openFromMainWindow()
    {
        auto form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        TMDIChild* child = form->OpenDrawingWindow(progDir->WriteFile("d.dxf", dxf_fixtures::Sample()), true);
        form->ExecuteTimer();
        QVERIFY(form->Action("OttiSequAct")->isEnabled());
        bool servedByTimer = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TOttiSequForm*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->redrawRequest = 1;
            form->ExecuteTimer();
            servedByTimer = dialog->redrawRequest == 0;
            dialog->MinDistEdt->setText("1000");
            Press(*dialog, dialog->AutoJoinButton);
            Press(*dialog, dialog->ModButton);
        });
        form->Action("OttiSequAct")->trigger();
        QVERIFY(servedByTimer);
        QCOMPARE(child->drawing.pathCount, 1);
        form->ExecuteTimer();
        form.reset();
    }
};

QTEST_MAIN(TestOttiSequ)
#include "test_ottisequ.moc"
