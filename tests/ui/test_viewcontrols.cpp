// Tests of the main window's view controls: the order overlay's switches (menu entries and tool bar buttons, off at
// first, remembered between runs, shown in every drawing window), the zoom window entry, and the status bar's
// indicators and activity text.
#include <QAction>
#include <QIcon>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "reachability.h"
#include "support/parlav.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"
#include "ui/statusindicators.h"

class TestViewControls : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TMainForm> form;

    void StartForm()
    {
        form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
    }

    TMDIChild* OpenSample()
    {
        TMDIChild* child = form->OpenDrawingWindow(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        form->ExecuteTimer();
        return child;
    }

    QToolButton* BarButton(const char* action)
    {
        return qobject_cast<QToolButton*>(form->ToolBarCmd->widgetForAction(form->Action(action)));
    }

    QString Activity() const { return form->statusIndicators->ActivityLbl->text(); }

private slots:
    void initTestCase()
    {
        // The icons of the program's theme, which give the tool bar buttons their size.
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << "/usr/share/icons");
        QIcon::setThemeName("breeze");
    }
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        StartForm();
    }
    void cleanup()
    {
        form.reset();
        recorder.reset();
        progDir.reset();
    }

    // Off at first; the tool bar buttons switch them like the entries, every open window repaints with them, and
    // the next run starts with them as they were left.
    void overlaySwitchesAreRememberedAndShown()
    {
        TMDIChild* child = OpenSample();
        QVERIFY(!form->Action("OrdineItem")->isChecked() && !form->Action("RapidiItem")->isChecked());
        QVERIFY(!child->orderOverlay.order && !child->orderOverlay.rapids);
        const QImage plain = child->DisPaintBox->Image();
        for (const char* name : {"OrdineItem", "RapidiItem"}) {
            QVERIFY_REACHABLE(BarButton(name));
            QTest::mouseClick(BarButton(name), Qt::LeftButton);
            QVERIFY(form->Action(name)->isChecked());
        }
        QVERIFY(child->orderOverlay.order && child->orderOverlay.rapids);
        QVERIFY(child->DisPaintBox->Image() != plain);
        form->Action("RapidiItem")->trigger();
        QVERIFY(child->orderOverlay.order && !child->orderOverlay.rapids);

        form.reset();
        StartForm();
        QVERIFY(form->Action("OrdineItem")->isChecked() && !form->Action("RapidiItem")->isChecked());
        child = OpenSample();
        QVERIFY(child->orderOverlay.order && !child->orderOverlay.rapids);
    }

    void zoomWindowEntryStartsTheActiveWindowsZoomWindow()
    {
        TMDIChild* child = OpenSample();
        QVERIFY(form->Action("ZoomFinestraItem")->isEnabled());
        form->Action("ZoomFinestraItem")->trigger();
        QVERIFY(child->ZoomWindowActive());
        form->Action("LineaItem")->trigger();
        form->ExecuteTimer();
        QVERIFY(!form->Action("ZoomFinestraItem")->isEnabled());
    }

    // Clicking an indicator toggles the switch as its menu entry does, and each indicator shows its entry's state.
    void snapIndicatorsToggleLikeTheirEntries()
    {
        struct Indicator {
            QToolButton* button;
            const char* entry;
            bool ParLav::*field;
        };
        for (const Indicator& indicator :
             {Indicator{form->statusIndicators->OsnapIndicator, "EnableOsnapItem", &ParLav::osnapEnabled},
              Indicator{form->statusIndicators->GrigliaIndicator, "GrigliaItem", &ParLav::gridSnapEnabled}}) {
            QVERIFY_REACHABLE(indicator.button);
            QVERIFY(indicator.button->isChecked());
            QTest::mouseClick(indicator.button, Qt::LeftButton);
            QVERIFY(!((*TheParLav).*indicator.field));
            QVERIFY(!form->Action(indicator.entry)->isChecked());
            QVERIFY(!indicator.button->isChecked());
            form->Action(indicator.entry)->trigger();
            QVERIFY((*TheParLav).*indicator.field);
            QVERIFY(indicator.button->isChecked());
        }
    }

    // The activity shows the drawing tool with the point it waits for, the zoom window, and the simulation's path
    // with its length; nothing when the window is idle.
    void activityFollowsToolsAndSimulation()
    {
        TMDIChild* child = OpenSample();
        QCOMPARE(Activity(), QString());
        form->Action("ArcItem")->trigger();
        form->ExecuteTimer();
        QCOMPARE(Activity(), QString("Arco: primo punto"));
        child->ClickPoint(10, 10);
        child->ClickPoint(20, 20);
        form->ExecuteTimer();
        QCOMPARE(Activity(), QString("Arco: terzo punto"));
        form->Action("StopdisegnoItem")->trigger();
        form->ExecuteTimer();
        form->Action("LineaItem")->trigger();
        child->ClickPoint(10, 10);
        form->ExecuteTimer();
        QCOMPARE(Activity(), QString("Linea: secondo punto"));
        form->Action("StopdisegnoItem")->trigger();
        form->ExecuteTimer();

        form->Action("ZoomFinestraItem")->trigger();
        form->ExecuteTimer();
        QCOMPARE(Activity(), QString("Zoom finestra: trascinare il rettangolo da ingrandire"));
        child->EndZoomWindow();

        form->Action("SequNext")->trigger();
        form->Action("SequNext")->trigger();
        form->ExecuteTimer();
        QCOMPARE(Activity(), QString("Percorso 2 / 3  -  50.00 mm"));
        QVERIFY_REACHABLE(form->statusIndicators->ActivityLbl);
        form->Action("SequStop")->trigger();
        form->ExecuteTimer();
        QCOMPARE(Activity(), QString());
    }
};

QTEST_MAIN(TestViewControls)
#include "test_viewcontrols.moc"
