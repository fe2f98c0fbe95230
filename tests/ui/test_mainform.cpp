// Tests of the main window: start-up texts and menus, the import command with its folder memory, reusing an open
// window, the enabling rules, the snap switches, the timer's re-entrancy guard and the shut-down.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "l10n/messaggi.h"
#include "support/log.h"
#include "support/parlav.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/qttranslations.h"

class TestMainForm : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TMainForm> form;

    std::string WriteDxf(const std::string& name) { return progDir->WriteFile(name, dxf_fixtures::Sample()); }

    QMdiSubWindow* SubWindow(TMDIChild* child) { return qobject_cast<QMdiSubWindow*>(child->parentWidget()); }

    bool Enabled(const char* name) { return form->Action(name)->isEnabled(); }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
    }
    void cleanup()
    {
        form.reset();
        recorder.reset();
        progDir.reset();
    }

    void startsWithServicesTextsAndMenus()
    {
        QCOMPARE(form->windowTitle(), QString("QUORVIA"));
        QCOMPARE(form->minimumSize(), QSize(820, 450));
        QVERIFY(MessageCatalogue && TheParLav);
        QCOMPARE(EventLog->Lines(), std::vector<std::string>{"AVVIO PROGRAMMA"});
        QCOMPARE(form->Action("ImportDxf")->text(), QString("Importa &dxf"));
        QCOMPARE(form->Action("ImportDxf")->statusTip(), QString("Importa un disegno da un file .dxf"));
        QCOMPARE(form->Action("ChiudiTutti")->statusTip(), QString("Chiudi tutti i disegni"));
        QCOMPARE(form->Action("ZoomAllTuttiItem")->text(), QString("Zoom disegno - tutti"));
        QStringList menus;
        for (QAction* menu : form->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, QStringList({"&File", "Visualizza", "Disegna", "Modifica", "Percorsi", "&Strumenti", "&Window",
                                     "&Help"}));
        QStringList bar;
        for (QAction* action : form->ToolBarCmd->actions())
            bar << (action->isSeparator() ? "|" : action->objectName());
        QCOMPARE(bar, QStringList({"FileOpen", "ArchDis", "SaveFile", "ImportDxf", "FileClose", "|", "WindowCascade",
                                   "WindowTileHorizontal", "WindowTileVertical", "WindowMinimizeAll", "|", "OrdineItem",
                                   "RapidiItem", "|", "HelpAbout"}));
        QVERIFY(form->Action("EnableOsnapItem")->isChecked());
        QVERIFY(form->Action("GrigliaItem")->isChecked());
    }

    void statusBarShowsTheHint()
    {
        QAction* save = form->Action("SaveFile");
        QCOMPARE(save->statusTip(), QString("Salva il disegno"));
        save->showStatusText(form.get());
        QCOMPARE(form->statusBar()->currentMessage(), QString("Salva il disegno"));
    }

    void importRemembersTheFolder()
    {
        const std::string file = WriteDxf("work/one.dxf");
        std::vector<std::string> folders;
        form->chooseDxfFile = [&](const std::string& folder) {
            folders.push_back(folder);
            return file;
        };
        form->ImportDxfExecute();
        form->ImportDxfExecute();
        QCOMPARE(folders, (std::vector<std::string>{progDir->Path() + "/", progDir->File("work/")}));
        QCOMPARE(form->DrawingWindows().size(), 1u);
        // A cancelled dialog changes nothing.
        form->chooseDxfFile = [](const std::string&) { return std::string(); };
        form->ImportDxfExecute();
        QCOMPARE(form->DrawingWindows().size(), 1u);
        QCOMPARE(form->lastDxfFolder, progDir->File("work/"));
    }

    void importLooksFirstInTheSamples()
    {
        std::filesystem::create_directory(progDir->File("samples"));
        std::string asked;
        form->chooseDxfFile = [&](const std::string& folder) {
            asked = folder;
            return std::string();
        };
        form->ImportDxfExecute();
        QCOMPARE(asked, progDir->File("samples/"));
    }

    void sameFileTwiceBringsTheWindowBack()
    {
        const std::string one = WriteDxf("one.dxf");
        const std::string two = WriteDxf("two.dxf");
        TMDIChild* first = form->OpenDrawingWindow(one, true);
        TMDIChild* second = form->OpenDrawingWindow(two, true);
        QCOMPARE(form->ActiveChild(), second);
        // Another spelling of the same file.
        TMDIChild* again = form->OpenDrawingWindow(progDir->Path() + "/./sub/../one.dxf", true);
        QCOMPARE(again, first);
        QCOMPARE(form->ActiveChild(), first);
        QCOMPARE(form->DrawingWindows().size(), 2u);
        // Letter case names another file on Linux.
        QVERIFY(form->OpenDrawingWindow(progDir->File("ONE.dxf"), true) != first);
    }

    void minimisedWindowChosenAgainIsRestored()
    {
        const std::string one = WriteDxf("one.dxf");
        TMDIChild* child = form->OpenDrawingWindow(one, true);
        SubWindow(child)->showMinimized();
        QVERIFY(SubWindow(child)->isMinimized());
        QVERIFY(!form->Active());
        form->OpenDrawingWindow(one, true);
        QVERIFY(!SubWindow(child)->isMinimized());
        QVERIFY(form->Active());
    }

    void commandsFollowTheirRules()
    {
        form->ExecuteTimer();
        for (const char* name : {"ImportDxf", "FileExit", "EnableOsnapItem", "GrigliaItem"})
            QVERIFY2(Enabled(name), name);
        for (const char* name : {"FileClose", "ChiudiTutti", "ZoomPiuItem", "ZoomAllItem", "ZoomBassoItem",
                                 "ZoomAllTuttiItem", "WindowCascade", "WindowMinimizeAll"})
            QVERIFY2(!Enabled(name), name);
        // Commands that act on a drawing window stay off without one; the frame's own services are always on.
        for (const char* name : {"SaveFile", "SaveAsFile", "EsportabitmapItem", "LineaItem", "SpostaAction",
                                 "SpecchiaX", "SequNext", "OttiSequAct"})
            QVERIFY2(!Enabled(name), name);
        for (const char* name : {"ImportDxf", "FileOpen", "ArchDis", "Cambiolingua1", "Help", "HelpAbout", "FileExit"})
            QVERIFY2(Enabled(name), name);

        TMDIChild* child = form->OpenDrawingWindow(WriteDxf("one.dxf"), true);
        form->ExecuteTimer();
        for (const char* name : {"FileClose", "ChiudiTutti", "ZoomPiuItem", "ZoomMenoItem", "ZoomAllItem",
                                 "ZoomSinistraItem", "WindowCascade", "WindowTileVertical", "WindowMinimizeAll"})
            QVERIFY2(Enabled(name), name);
        QVERIFY(!Enabled("ZoomAllTuttiItem"));

        form->OpenDrawingWindow(WriteDxf("two.dxf"), true);
        form->ExecuteTimer();
        QVERIFY(Enabled("ZoomAllTuttiItem"));

        // A minimised active window is not active for the zoom entries.
        SubWindow(child)->showMinimized();
        form->MDIClient->setActiveSubWindow(SubWindow(child));
        form->ExecuteTimer();
        QVERIFY(!Enabled("ZoomPiuItem"));
        QVERIFY(!Enabled("ZoomAllTuttiItem"));
        QVERIFY(Enabled("FileClose"));
    }

    void zoomEntriesActOnTheActiveWindow()
    {
        TMDIChild* child = form->OpenDrawingWindow(WriteDxf("one.dxf"), true);
        form->ExecuteTimer();
        const double fitted = child->renderer->scaleX;
        form->Action("ZoomPiuItem")->trigger();
        QVERIFY(child->renderer->scaleX > fitted);
        form->Action("ZoomAllItem")->trigger();
        QCOMPARE(child->renderer->scaleX, fitted);
    }

    void snapSwitchesToggle()
    {
        QAction* osnap = form->Action("EnableOsnapItem");
        osnap->trigger();
        QVERIFY(!TheParLav->osnapEnabled);
        QVERIFY(!osnap->isChecked());
        osnap->trigger();
        QVERIFY(TheParLav->osnapEnabled);
        QVERIFY(osnap->isChecked());
        form->Action("GrigliaItem")->trigger();
        QVERIFY(!TheParLav->gridSnapEnabled);
        QVERIFY(!form->Action("GrigliaItem")->isChecked());
        QVERIFY(TheParLav->osnapEnabled);
    }

    void timerTickIsNotReentered()
    {
        TMDIChild* child = form->OpenDrawingWindow(WriteDxf("one.dxf"), true);
        QWidget preview;
        preview.show();
        int updates = 0;
        form->AddPreviewDialog(&preview, [&] {
            ++updates;
            child->repaintRequested = 1;
            form->ExecuteTimer();  // as a modal dialog opened inside a tick would
        });
        form->ExecuteTimer();
        QCOMPARE(updates, 1);
        QCOMPARE(child->repaintRequested, 1);  // the nested tick did not run the windows
        form->RemovePreviewDialog(&preview);
        form->ExecuteTimer();
        QCOMPARE(updates, 1);
        QCOMPARE(child->repaintRequested, 0);
    }

    void windowMenuListsTheWindows()
    {
        const std::string one = WriteDxf("one.dxf");
        form->OpenDrawingWindow(one, true);
        QMenu* menu = form->findChild<QMenu*>("WindowMenu");
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QVERIFY(texts.contains(QString("&1 ") + QString::fromStdString(one)));
    }

    void openByExtension()
    {
        QVERIFY(!form->OpenFileByExtension(progDir->WriteFile("notes.txt", "x")));
        QVERIFY(form->OpenFileByExtension(WriteDxf("upper.DXF")));
        QCOMPARE(form->DrawingWindows().size(), 1u);
        QVERIFY(form->DrawingWindows()[0]->imported);
    }

    // Ctrl+W is the frame's "Chiudi" alone (the sub-windows' own menus drop it) and closes the active window.
    void ctrlWClosesTheActiveWindow()
    {
        form->OpenDrawingWindow(WriteDxf("one.dxf"), true);
        form->OpenDrawingWindow(WriteDxf("two.dxf"), true);
        form->ExecuteTimer();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keySequence(form.get(), QKeySequence("Ctrl+W"));
        QCOMPARE(form->DrawingWindows().size(), 1u);
    }

    // New windows open inside the frame, and six windows tiled either way stay inside it.
    void windowsOpenAndTileInsideTheFrame()
    {
        form->resize(1100, 760);
        const QRect frame = form->MDIClient->viewport()->rect();
        for (int i = 0; i < 6; ++i) {
            TMDIChild* child = form->OpenDrawingWindow(WriteDxf("w" + std::to_string(i) + ".dxf"), true);
            QVERIFY2(frame.contains(SubWindow(child)->geometry()), qPrintable(QString::number(i)));
        }
        for (const char* tile : {"WindowTileHorizontal", "WindowTileVertical"}) {
            form->ExecuteTimer();
            form->Action(tile)->trigger();
            for (TMDIChild* child : form->DrawingWindows())
                QVERIFY2(frame.contains(SubWindow(child)->geometry()), tile);
        }
    }

    // A damaged line of the active message file read at start-up is written to the error log.
    void startUpFaultsOfTheMessageFileAreLogged()
    {
        form.reset();
        progDir->WriteFile("msg/cad.msg", "40=Importa\nnot a message line\n");
        form = std::make_unique<TMainForm>();
        const std::vector<std::string> errors = ErrorLog->Lines();
        QVERIFY(std::any_of(errors.begin(), errors.end(),
                            [](const std::string& line) { return line.rfind("MSG001: riga 2 ", 0) == 0; }));
    }

    // With the English message file the texts the forms used to fix are English too.
    void englishReachesTheFormsFixedTexts()
    {
        form.reset();
        std::filesystem::create_directories(progDir->Path() + "/msg");
        std::filesystem::copy_file(std::string(QUORVIA_TEST_DATA) + "/../../resources/msg/eng/cad.eng",
                                   progDir->Path() + "/msg/cad.msg");
        form = std::make_unique<TMainForm>();
        form->show();
        QCOMPARE(form->findChild<QMenu*>("DisegnaMenu")->title(), QString("Draw"));
        QCOMPARE(form->Action("ChiudiTutti")->text(), QString("Close all"));
        QCOMPARE(form->Action("ChiudiTutti")->statusTip(), QString("Close all drawings"));
        QCOMPARE(form->Action("EsportabitmapItem")->statusTip(), QString("Export bitmap image"));
        TMDIChild* child = form->OpenDrawingWindow(WriteDxf("one.dxf"), true);
        QCOMPARE(child->EntitaLbl->text(), QString("Entities: 3"));
        QCOMPARE(child->Button("ToolButton24")->toolTip(), QString("Export bitmap image"));
    }

    // Qt's own dialogs speak the chosen language: Italian at start (no setting yet), English after a change.
    void qtDialogsSpeakTheChosenLanguage()
    {
        const auto yesText = [] {
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Yes);
            return box.button(QMessageBox::Yes)->text();
        };
        QCOMPARE(yesText(), QString("&Sì"));
        ApplyQtTranslations(LanguageEnglish);
        QCOMPARE(yesText(), QString("&Yes"));
        ApplyQtTranslations(StoredLanguage());
        QCOMPARE(yesText(), QString("&Sì"));
    }

    // The title names a maximised drawing, then the program once: the platform adds the program's name only to
    // titles that do not end with it.
    void maximisedDrawingTitlesTheMainWindowOnce()
    {
        TMDIChild* child = form->OpenDrawingWindow(WriteDxf("one.dxf"), true);
        SubWindow(child)->showMaximized();
        QCOMPARE(form->windowTitle(), SubWindow(child)->windowTitle() + QString::fromUtf8(" \u2014 QUORVIA"));
        SubWindow(child)->showNormal();
        QCOMPARE(form->windowTitle(), QString("QUORVIA"));
    }

    void closeProgramClosesModifiedDrawingsWithoutAQuestion()
    {
        for (const char* name : {"one.dxf", "two.dxf"})
            form->OpenDrawingWindow(WriteDxf(name), true)->drawing.modified = true;
        const std::size_t messagesBefore = recorder->Count();
        form->CloseProgram();
        QVERIFY(form->DrawingWindows().empty());
        QCOMPARE(recorder->Count(), messagesBefore);
        QVERIFY(!form->Execute->isActive());
        QVERIFY(!TheParLav && !MessageCatalogue && !EventLog && !ErrorLog);
        const std::string events = progDir->ReadFile("data/event.log");
        QVERIFY(events.find("AVVIO PROGRAMMA") != std::string::npos);
        QVERIFY(events.find("CHIUSURA PROGRAMMA") != std::string::npos);
        // A second run does nothing.
        form->CloseProgram();
        QCOMPARE(progDir->ReadFile("data/event.log"), events);
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
