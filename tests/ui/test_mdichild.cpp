// Tests of the drawing window on its own: importing with its messages and counts, the painting on the tick, the
// held zoom buttons, the wheel, the mouse read-out, the button rules, Escape and closing.
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "l10n/messaggi.h"
#include "reachability.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"

class TestMdiChild : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    // A window on a DXF file with the given content, shown (so imported) and ticked once.
    std::unique_ptr<TMDIChild> OpenDxf(const std::string& content)
    {
        std::string path = progDir->WriteFile("drawing.dxf", content);
        auto child = std::make_unique<TMDIChild>(path, true);
        child->resize(760, 540);
        child->show();
        child->Tick();
        return child;
    }

    static double Scale(const TMDIChild& child) { return child.renderer->scaleX; }

    // A drawing of MaxEntities entities, each its own path: all lines or all arcs.
    static Drw Full(bool arcs)
    {
        Drw drawing;
        for (int i = 0; i < MaxEntities; ++i) {
            ++drawing.pathCount;
            if (arcs)
                drawing.AddArc(i, 0, i + 1, 0, i + 0.5, 0, true, "0", drawing.pathCount, false, false);
            else
                drawing.AddLine(i, 0, i, 1, "0", drawing.pathCount, false, false);
        }
        return drawing;
    }

    // Whether a label shows its whole text in the room it has.
    static bool ShowsWhole(const QLabel* label)
    {
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            return label->heightForWidth(room.width()) <= room.height();
        return label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        recorder.reset();
        progDir.reset();
    }

    void importShowsCountsAndTime()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        QVERIFY(child->shown);
        QCOMPARE(recorder->Count(), 0u);
        // The path, and the placeholder where the desktop marks a modified drawing.
        QCOMPARE(child->windowTitle(), QString::fromStdString(child->filePath) + "[*]");
        QCOMPARE(child->baseName, std::string("drawing"));
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 3"));
        QCOMPARE(child->LineeLbl->text(), QString("Linee: 2"));
        QCOMPARE(child->ArchiLbl->text(), QString("Archi: 1"));
        QCOMPARE(child->SequenzeLbl->text(), QString("Percorsi: 3"));
        QVERIFY(QRegularExpression("^\\d+m : \\d\\ds$").match(child->TimeLbl->text()).hasMatch());
    }

    void timeFormat_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0m : 00s";
        QTest::newRow("truncated") << 59.9 << "0m : 59s";
        QTest::newRow("minutes") << 61.0 << "1m : 01s";
        QTest::newRow("one hour") << 3600.0 << "1h: 00m : 00s";
        QTest::newRow("hours") << 3725.0 << "1h: 02m : 05s";
        QTest::newRow("negative") << -5.0 << "0m : 00s";
    }
    void timeFormat()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(TMDIChild::FormatTime(seconds)), text);
    }

    void emptyImportWarnsCh001()
    {
        auto child = OpenDxf(dxf_fixtures::File(""));
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{{"CH001: Nessuna entità presente nel disegno", "AVVISO", 8240}}));
        QVERIFY(child->shown);
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 0"));
    }

    void everyWarningInOrder()
    {
        std::string entities = "0\nSPLINE\n8\n0\n0\nTEXT\n8\n0\n1\nabc\n0\n3DSOLID\n8\n0\n";
        for (int i = 0; i <= MaxEntities; ++i)
            entities += dxf_fixtures::Line(i, 0, i, 1);
        recorder->Clear();
        auto child = OpenDxf(dxf_fixtures::File(entities));
        std::vector<std::string> warnings;
        for (const RecordedMessage& message : recorder->Messages())
            if (message.title == "AVVISO" && message.text.rfind("Le entità", 0) == 0)
                warnings.push_back(message.text);
        QCOMPARE(warnings, (std::vector<std::string>{
                               "Le entità eccedenti il numero massimo gestito in questa versione di programma non sono "
                               "state importate",
                               "Le entità di tipo SPLINE non sono importate in questa versione di programma",
                               "Le entità di tipo TEXT non sono importate in questa versione di programma",
                               "Le entità di tipo 3DSOLID non sono importate in questa versione di programma"}));
        QCOMPARE(child->drawing.entityCount(), MaxEntities);
    }

    void paintsOnTheTickAfterARequest()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        const QRgb green = qRgb(0, 247, 0);
        auto hasGreen = [&] {
            const QImage& image = child->DisPaintBox->Image();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == green)
                        return true;
            return false;
        };
        QVERIFY(hasGreen());
        QCOMPARE(child->repaintRequested, 0);
        // A request is served by the next tick only.
        child->drawing.Clear();
        child->repaintRequested = 1;
        QVERIFY(hasGreen());
        child->Tick();
        QVERIFY(!hasGreen());
    }

    void heldZoomButtonRepeatsFromTheThirdTick()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        QToolButton* zoomIn = child->Button("ToolButton1");
        QVERIFY(zoomIn->isEnabled());
        const double before = Scale(*child);
        QTest::mousePress(zoomIn, Qt::LeftButton);
        for (int tick = 0; tick < 8; ++tick)
            child->Tick();
        QTest::mouseRelease(zoomIn, Qt::LeftButton);
        // Six repeats (ticks 3 to 8) and the click.
        QCOMPARE(std::round(std::log(Scale(*child) / before) / std::log(1 / 0.9)), 7.0);
        child->Tick();
        QCOMPARE(child->repeatCounters[TMDIChild::RepeatZoomIn], 0);
    }

    void quickClickZoomsOnce()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        const double before = Scale(*child);
        QTest::mouseClick(child->Button("ToolButton2"), Qt::LeftButton);
        child->Tick();
        child->Tick();
        QVERIFY(std::abs(Scale(*child) * 1.1 / before - 1) < 1e-9);
    }

    void zoomExtentsStopsRepeatsAndFits()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        const double fitted = Scale(*child);
        child->ZoomIn();
        child->ZoomLeft();
        child->repeatCounters.fill(2);
        child->ZoomExtents();
        QCOMPARE(child->repeatCounters, (std::array<int, TMDIChild::RepeatCount>{}));
        QCOMPARE(Scale(*child), fitted);
        QCOMPARE(child->renderer->panX, 0.0);
    }

    void wheelZoomsAboutTheMousePixel()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        const QPoint at(150, 120);
        double x0, y0, x1, y1;
        child->renderer->ToDrawing(at.x(), at.y(), x0, y0);
        const double before = Scale(*child);
        QWheelEvent wheel(at, child->DisPaintBox->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(child->DisPaintBox, &wheel);
        QVERIFY(Scale(*child) > before * 1.1);
        child->renderer->ToDrawing(at.x(), at.y(), x1, y1);
        QVERIFY(std::abs(x1 - x0) < 0.5 && std::abs(y1 - y0) < 0.5);
        // Towards the user zooms out.
        QVERIFY(child->WheelAt(at.x(), at.y(), -120));
        QVERIFY(std::abs(Scale(*child) / before - 1) < 0.02);
    }

    void wheelOutsideThePaintBoxDoesNothing()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        const double before = Scale(*child);
        const QPoint at(5, 5);
        QWheelEvent wheel(at, child->ZoomToolBar->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(child->ZoomToolBar, &wheel);
        QCOMPARE(Scale(*child), before);
        // The paint box's own edges are outside too.
        QVERIFY(!child->WheelAt(0, 10, 120));
        QVERIFY(!child->WheelAt(10, child->DisPaintBox->height(), 120));
        QCOMPARE(Scale(*child), before);
    }

    void mouseReadOutShowsDrawingCoordinates()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        int px, py;
        child->renderer->ToPixel(50, 25, px, py);
        QTest::mouseMove(child->DisPaintBox, QPoint(px, py));
        QRegularExpressionMatch match =
            QRegularExpression("^X=(-?\\d+\\.\\d\\d) Y=(-?\\d+\\.\\d\\d)$").match(child->QuoteMouseLbl->text());
        QVERIFY2(match.hasMatch(), qPrintable(child->QuoteMouseLbl->text()));
        const double pixelSize = 1 / Scale(*child);
        QVERIFY(std::abs(match.captured(1).toDouble() - 50) <= pixelSize + 0.01);
        QVERIFY(std::abs(match.captured(2).toDouble() - 25) <= pixelSize + 0.01);
    }

    void buttonsFollowTheirRules()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        for (const char* name :
             {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4", "ToolButton5", "ToolButton7", "ToolButton8"})
            QVERIFY2(child->Button(name)->isEnabled(), name);
        // Idle after an import (which leaves the drawing modified): editing, optimising, stepping, saving and the
        // tools are on; pause, stop and stop drawing are off.
        for (const char* name : {"ToolButton33", "ToolButton30", "ToolButton27", "ToolButton9", "ToolButton34",
                                 "ToolButton31", "ToolButton18"})
            QVERIFY2(child->Button(name)->isEnabled(), name);
        for (const char* name : {"ToolButton19", "ToolButton22", "ToolButton39"})
            QVERIFY2(!child->Button(name)->isEnabled(), name);
        QCOMPARE(child->Button("ToolButton9")->statusTip(), QString("Passo successivo"));
        QCOMPARE(child->Button("ToolButton1")->toolTip(), QString("Zoom in"));
        QVERIFY(!child->AniVel->isVisible());
        QCOMPARE(child->AniVel->value(), 150);
    }

    void controlsAreInPlace()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        const QRect panel = child->DisPanel->geometry();
        QCOMPARE(panel.topLeft(), QPoint(76, 4));
        QCOMPARE(panel.width(), child->width() - 90);
        QCOMPARE(child->DisPaintBox->geometry(), QRect(3, 3, panel.width() - 3, panel.height() - 3));
        QCOMPARE(child->ZoomToolBar->geometry().right() + 1, panel.left() - 3);
        QCOMPARE(child->DrawToolBar->geometry().right() + 1, child->ZoomToolBar->x() - 3);
        QCOMPARE(child->ModToolBar->geometry().right() + 1, child->DrawToolBar->x() - 3);
        QVERIFY(child->ModToolBar->x() >= 0);
        QCOMPARE(child->InfoPanel->geometry().right() + 1, panel.left() - 3);
        QCOMPARE(child->InfoPanel->geometry().bottom(), panel.bottom());
        QCOMPARE(child->renderer->width, child->DisPaintBox->width());
    }

    // Drawing files with a damaged path count: one below the entities' numbers is refused and the window stays
    // empty; one far beyond them opens with the paths its entities hold, and its simulation comes to an end.
    void damagedPathCountsOpenEmptyOrClosedUp()
    {
        const std::string data = std::string(QUORVIA_TEST_DATA) + "/dis/";
        TMDIChild refused(data + "pathcount_minus5.dis", false);
        refused.show();
        QCOMPARE(recorder->Texts(),
                 std::vector<std::string>{"DRW005: errore nella lettura del file " + data + "pathcount_minus5.dis"});
        QCOMPARE(refused.SequenzeLbl->text(), QString("Percorsi: 0"));
        QCOMPARE(refused.EntitaLbl->text(), QString("Entità: 0"));

        TMDIChild closedUp(data + "pathcount_2e9.dis", false);
        closedUp.show();
        QCOMPARE(recorder->Count(), 1u);
        QCOMPARE(closedUp.SequenzeLbl->text(), QString("Percorsi: 2"));
        closedUp.ToolButton21Click();
        for (int tick = 0; tick < 20 && closedUp.IsRunning(); ++tick)
            closedUp.Tick();
        QVERIFY(!closedUp.IsRunning());
    }

    // At the window's smallest and a usual size, with the speed bar showing during an animation, no control beside
    // the picture covers another, and the operator reaches each.
    void controlsBesideThePictureAreReachable_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("minimum") << QSize(TMDIChild::MinWidth, TMDIChild::MinHeight);
        QTest::newRow("usual") << QSize(900, 600);
    }
    void controlsBesideThePictureAreReachable()
    {
        QFETCH(QSize, size);
        auto child = OpenDxf(dxf_fixtures::Sample());
        child->resize(size);
        child->ToolButton34Click();
        child->Tick();
        QVERIFY_APART(child->ModToolBar, child->DrawToolBar, child->ZoomToolBar, child->SequenzaToolBar, child->AniVel,
                      child->VelAniImg, child->InfoPanel, child->DisPanel, child->TimeImg, child->TimeLbl);
        for (QToolBar* bar : {child->ZoomToolBar, child->SequenzaToolBar})
            for (QToolButton* button : bar->findChildren<QToolButton*>())
                if (button->objectName().startsWith("ToolButton") && button->isEnabled())
                    QVERIFY_REACHABLE(button);
        for (QWidget* control :
             std::initializer_list<QWidget*>{child->AniVel, child->VelAniImg, child->EntitaLbl, child->LineeLbl,
                                             child->ArchiLbl, child->SequenzeLbl, child->TimeImg, child->TimeLbl})
            QVERIFY_REACHABLE(control);
    }

    // Set at its top pixel the speed bar gives the fastest animation; moving it up speeds the animation.
    void speedBarIsFastestAtTheTop()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        child->ToolButton34Click();
        child->Tick();
        const auto [top, bottom] = reachability::SliderEnds(child->AniVel);
        QCOMPARE(top, Simulation::SpeedMin);
        QVERIFY(Simulation::AnimationIncrement(top) > Simulation::AnimationIncrement(bottom));
    }

    // Every count up to the drawing's capacity shows whole in its label, in Italian and in English.
    void countsAtTheCapacityShowWhole_data()
    {
        QTest::addColumn<QString>("messages");
        QTest::newRow("italiano") << QString();
        QTest::newRow("english") << QString("315=Entities\n316=Lines\n317=Arcs\n318=Paths\n");
    }
    void countsAtTheCapacityShowWhole()
    {
        QFETCH(QString, messages);
        progDir->WriteFile("msg/cad.msg", messages.toStdString());
        CreateMessageCatalogue();
        auto child = OpenDxf(dxf_fixtures::Sample());
        for (bool arcs : {false, true}) {
            child->drawing = Full(arcs);
            child->UpdateInfoPanel();
            QVERIFY(child->SequenzeLbl->text().endsWith(": 40000"));
            for (const QLabel* label : {child->EntitaLbl, child->LineeLbl, child->ArchiLbl, child->SequenzeLbl}) {
                QVERIFY2(ShowsWhole(label), qPrintable(label->text()));
                QVERIFY(child->InfoPanel->contentsRect().contains(label->geometry()));
            }
        }
        QCOMPARE(child->EntitaLbl->text(), messages.isEmpty() ? QString("Entità: 40000") : QString("Entities: 40000"));
        DestroyMessageCatalogue();
    }

    void escapeStopsTheSimulation()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        child->runCounter = 2;
        child->step = 2;
        QTest::keyClick(child.get(), Qt::Key_Escape);
        QCOMPARE(child->step, 0);
        QVERIFY(!child->IsRunning());
    }

    void closingDropsTheRendererWithoutAQuestion()
    {
        auto child = OpenDxf(dxf_fixtures::Sample());
        child->drawing.modified = true;
        QVERIFY(child->close());
        QVERIFY(!child->shown);
        QVERIFY(!child->renderer);
        QCOMPARE(recorder->Count(), 0u);
    }
};

QTEST_MAIN(TestMdiChild)
#include "test_mdichild.moc"
