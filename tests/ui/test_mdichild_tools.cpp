// Tests of the drawing tools in the drawing window: the buttons and menu entries that start and stop them and
// their enabling, clicks on the paint box with object and grid snap, the typed point, the preview following the
// mouse, and Escape ending a polyline.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>
#include <utility>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "reachability.h"
#include "support/parlav.h"
#include "support/progdir.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"

class TestMdiChildTools : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<ParLav> savedParLav;

    std::unique_ptr<TMDIChild> OpenSample()
    {
        auto child = std::make_unique<TMDIChild>(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        child->resize(760, 540);
        child->show();
        child->Tick();
        return child;
    }

    static QPoint PixelOf(const TMDIChild& child, double x, double y)
    {
        int px, py;
        child.renderer->ToPixel(x, y, px, py);
        return QPoint(px, py);
    }

    static void SetSnaps(bool osnap, bool grid)
    {
        TheParLav->osnapEnabled = osnap;
        TheParLav->gridSnapEnabled = grid;
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        savedParLav = std::move(TheParLav);
        TheParLav = std::make_unique<ParLav>();
    }
    void cleanup()
    {
        TheParLav = std::move(savedParLav);
        recorder.reset();
        progDir.reset();
    }

    void toolButtonsFollowTheToolAndTheSimulation()
    {
        auto child = OpenSample();
        for (const char* name :
             {"ToolButton31", "ToolButton41", "ToolButton36", "ToolButton42", "ToolButton37", "ToolButton40"})
            QVERIFY2(child->Button(name)->isEnabled(), name);
        QVERIFY(!child->Button("ToolButton39")->isEnabled());
        QVERIFY(!child->XYPanel->isVisible());

        QTest::mouseClick(child->Button("ToolButton37"), Qt::LeftButton);
        QCOMPARE(child->drawTool.Mode(), ToolMode::Rectangle);
        QCOMPARE(child->drawTool.Stage(), ToolStage::First);
        QVERIFY(child->XYPanel->isVisible());
        QCOMPARE(child->DisPaintBox->cursor().shape(), Qt::CrossCursor);
        child->Tick();
        QVERIFY(!child->Button("ToolButton31")->isEnabled());
        QVERIFY(child->Button("ToolButton39")->isEnabled());

        QTest::mouseClick(child->Button("ToolButton39"), Qt::LeftButton);
        QVERIFY(!child->ToolActive());
        QVERIFY(!child->XYPanel->isVisible());
        QCOMPARE(child->DisPaintBox->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(child->repaintRequested, 1);

        child->runCounter = 1;  // a simulation runs
        child->Tick();
        QVERIFY(!child->Button("ToolButton31")->isEnabled());
    }

    void clicksSnapToEntityEndsAndGrid()
    {
        auto child = OpenSample();
        SetSnaps(true, true);
        child->ToolButton31Click();
        // Near the end (100, 50) of the sample's second line; then more than 25 mm from every end and centre, so on
        // the grid (steps of 1 or 10 mm here).
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, 102, 48));
        QCOMPARE(child->drawTool.Stage(), ToolStage::Second);
        QTest::mouseClick(child->DisPaintBox, Qt::RightButton, {}, PixelOf(*child, 60.3, 29.7));
        QVERIFY(!child->ToolActive());
        QCOMPARE(child->drawing.entityCount(), 4);
        const Entity& line = child->drawing.entities.back();
        QCOMPARE(line.x1, 100.0);
        QCOMPARE(line.y1, 50.0);
        QCOMPARE(line.x2, 60.0);
        QCOMPARE(line.y2, 30.0);
        QCOMPARE(line.sequence, 4);
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 4"));
        QCOMPARE(child->repaintRequested, 1);
    }

    void withoutSnapsTheClickIsThePixelsPoint()
    {
        auto child = OpenSample();
        SetSnaps(false, false);
        child->ToolButton40Click();
        const QPoint centre = PixelOf(*child, 33.3, 21.7);
        const QPoint through = PixelOf(*child, 43.3, 21.7);
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, centre);
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, through);
        double mx, my, tx, ty;
        child->renderer->ToDrawing(centre.x(), centre.y(), mx, my);
        child->renderer->ToDrawing(through.x(), through.y(), tx, ty);
        QCOMPARE(child->drawing.entityCount(), 5);
        const Entity& half = child->drawing.entities[3];
        QCOMPARE(half.xc, mx);
        QCOMPARE(half.yc, my);
        QVERIFY(std::abs(half.x1 - (mx - std::hypot(tx - mx, ty - my))) < 1e-9);
    }

    void typedPointIsTakenWithoutSnapping()
    {
        auto child = OpenSample();
        SetSnaps(true, true);
        child->ToolButton31Click();
        child->XEdt->setText("100,3");
        child->YEdt->setText(" 49.9 ");
        QTest::mouseClick(child->XYBitBtn, Qt::LeftButton);
        child->XEdt->setText("-7");
        child->YEdt->setText("2.25");
        QTest::mouseClick(child->XYBitBtn, Qt::LeftButton);
        QCOMPARE(child->drawing.entityCount(), 4);
        const Entity& line = child->drawing.entities.back();
        QCOMPARE(line.x1, 100.3);
        QCOMPARE(line.y1, 49.9);
        QCOMPARE(line.x2, -7.0);
        QCOMPARE(line.y2, 2.25);
    }

    void badTypedCoordinateOnlyMovesTheFocus()
    {
        auto child = OpenSample();
        child->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(child.get()));
        child->ToolButton31Click();
        child->XEdt->setText("1");
        child->YEdt->setText("abc");
        QTest::mouseClick(child->XYBitBtn, Qt::LeftButton);
        QVERIFY(child->YEdt->hasFocus());
        child->XEdt->setText("");
        QTest::mouseClick(child->XYBitBtn, Qt::LeftButton);
        QVERIFY(child->XEdt->hasFocus());
        QCOMPARE(child->drawTool.Stage(), ToolStage::First);
        QCOMPARE(recorder->Count(), 0u);
    }

    void previewFollowsTheMouseAndIsErasedByTheFigure()
    {
        auto child = OpenSample();
        SetSnaps(false, false);
        child->ToolButton31Click();
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, 20, 20));
        const QImage before = child->DisPaintBox->Image().copy();
        QTest::mouseMove(child->DisPaintBox, PixelOf(*child, 80, 40));
        QVERIFY(child->DisPaintBox->Image() != before);
        QTest::mouseMove(child->DisPaintBox, PixelOf(*child, 60, 10));
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, 60, 10));
        QCOMPARE(child->DisPaintBox->Image(), before);
    }

    void escapeEndsAPolylineKeepingItsSegments()
    {
        auto child = OpenSample();
        SetSnaps(false, true);
        child->ToolButton41Click();
        for (auto [x, y] : {std::pair{10.0, 10.0}, std::pair{30.0, 10.0}, std::pair{30.0, 30.0}})
            QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, x, y));
        QVERIFY(child->ToolActive());
        QVERIFY(child->XYPanel->isVisible());
        child->Tick();
        QTest::keyClick(child.get(), Qt::Key_Escape);
        QVERIFY(!child->ToolActive());
        QVERIFY(!child->XYPanel->isVisible());
        QCOMPARE(child->repaintRequested, 1);
        QCOMPARE(child->drawing.entityCount(), 5);
        QCOMPARE(child->drawing.pathCount, 4);
        QVERIFY(child->drawing.entities[3].joinedNext);
        QVERIFY(!child->drawing.entities[4].joinedNext);
        QCOMPARE(child->drawing.entities[4].sequence, 4);
    }

    // The typed-point panel lies over the picture: it stays reachable while the tool repaints, and a point typed
    // through the controls the operator reaches lands.
    void typedPointPanelIsReachableOverThePicture()
    {
        auto child = OpenSample();
        child->ToolButton31Click();
        child->repaintRequested = 1;
        child->Tick();
        for (QWidget* control :
             std::initializer_list<QWidget*>{child->XYPanel, child->XEdt, child->YEdt, child->XYBitBtn})
            QVERIFY_REACHABLE(control);
        // The edits and their text stand out from the black picture around them.
        for (QLineEdit* edit : {child->XEdt, child->YEdt}) {
            QVERIFY(edit->palette().color(QPalette::Text) != edit->palette().color(QPalette::Base));
            QVERIFY(edit->palette().color(QPalette::Base) != child->DisPanel->palette().color(QPalette::Window));
        }
        const auto reached = [&child](QWidget* control) {
            return child->childAt(control->mapTo(child.get(), control->rect().center()));
        };
        for (auto [edit, text] : {std::pair{child->XEdt, "5"}, std::pair{child->YEdt, "7"}}) {
            QTest::mouseClick(reached(edit), Qt::LeftButton);
            QTest::keyClicks(reached(edit), text);
        }
        QTest::mouseClick(reached(child->XYBitBtn), Qt::LeftButton);
        QCOMPARE(child->drawTool.Stage(), ToolStage::Second);
        QCOMPARE(child->drawing.entityCount(), 3);
    }

    // Two quick clicks come as a press and a double click: both are points (here a polyline's closing point on the
    // spot of the one before).
    void twoQuickClicksMakeTwoPolylinePoints()
    {
        auto child = OpenSample();
        SetSnaps(false, false);
        child->ToolButton41Click();
        const QPoint a = PixelOf(*child, 10, 10), b = PixelOf(*child, 40, 10);
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, a);
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, b);
        QTest::mouseDClick(child->DisPaintBox, Qt::LeftButton, {}, b);
        QTest::mouseRelease(child->DisPaintBox, Qt::LeftButton, {}, b);
        QCOMPARE(child->drawing.entityCount(), 5);
        QCOMPARE(child->drawing.entities[4].x1, child->drawing.entities[4].x2);
        QVERIFY(child->ToolActive());
    }

    // A simulation started with a first point placed ends the tool: clicks during it add nothing.
    void simulationEndsTheTool()
    {
        auto child = OpenSample();
        SetSnaps(false, false);
        child->ToolButton31Click();
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, 10, 10));
        child->ToolButton21Click();
        QVERIFY(child->IsRunning());
        QVERIFY(!child->ToolActive());
        QVERIFY(!child->XYPanel->isVisible());
        QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, 40, 10));
        child->StartTool(ToolMode::Line);
        QVERIFY(!child->ToolActive());
        QCOMPARE(child->drawing.entityCount(), 3);
    }

    // A polyline segment refused for capacity ends the tool; a later tool reports its own refusal, and once paths
    // are deleted the drawing takes figures again.
    void capacityRefusalEndsAPolyline()
    {
        auto child = OpenSample();
        SetSnaps(false, false);
        while (child->drawing.entityCount() < MaxEntities - 1)
            child->drawing.AddLine(0, 0, 1, 1, "0", ++child->drawing.pathCount, false, false);
        child->ToolButton41Click();
        for (auto [x, y] : {std::pair{10.0, 10.0}, std::pair{30.0, 10.0}, std::pair{30.0, 30.0}})
            QTest::mouseClick(child->DisPaintBox, Qt::LeftButton, {}, PixelOf(*child, x, y));
        QCOMPARE(child->drawing.entityCount(), MaxEntities);
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(!child->ToolActive());
        child->ToolButton31Click();
        child->ClickPoint(0, 0);
        child->ClickPoint(5, 5);
        QCOMPARE(recorder->Count(), 2u);
        child->drawing.DeletePath(1);
        child->ToolButton31Click();
        child->ClickPoint(0, 0);
        child->ClickPoint(5, 5);
        QCOMPARE(child->drawing.entityCount(), MaxEntities);
        QCOMPARE(recorder->Count(), 2u);
    }

    void mainWindowEntriesStartAndStopTheTools()
    {
        TMainForm form;
        SetProgDir(progDir->Path());
        form.resize(1000, 700);
        form.show();
        TMDIChild* child = form.OpenDrawingWindow(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        form.ExecuteTimer();
        const char* items[] = {"LineaItem", "PolilineaItem", "ArcItem", "PoliarcItem", "RettangoloItem", "CerchioItem"};
        const ToolMode modes[] = {ToolMode::Line,    ToolMode::Polyline,  ToolMode::Arc,
                                  ToolMode::Polyarc, ToolMode::Rectangle, ToolMode::Circle};
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(form.Action(items[i])->isEnabled(), items[i]);
            QVERIFY(!form.Action("StopdisegnoItem")->isEnabled());
            form.Action(items[i])->trigger();
            QCOMPARE(child->drawTool.Mode(), modes[i]);
            form.ExecuteTimer();
            QVERIFY2(!form.Action(items[i])->isEnabled(), items[i]);
            QVERIFY(form.Action("StopdisegnoItem")->isEnabled());
            form.Action("StopdisegnoItem")->trigger();
            QVERIFY(!child->ToolActive());
            form.ExecuteTimer();
        }
    }
};

QTEST_MAIN(TestMdiChildTools)
#include "test_mdichild_tools.moc"
