// Tests of the drawing window's simulation buttons and of its commands: save, save as, restore, bitmap export,
// mirror, rotate and simplify, with the save dialog scripted; and their entries in the main window's menus.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "l10n/messaggi.h"
#include "support/progdir.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"
#include "ui/savefiledialog.h"

namespace {

// Answers every save dialog with the next scripted name (cancelled when none is left) and keeps the requests.
class ScriptedSaveDialog {
public:
    ScriptedSaveDialog()
    {
        previous = SetSaveFileDialogHandler([this](QWidget*, const SaveFileRequest& request) {
            requests.push_back(request);
            if (answers.empty())
                return std::string();
            std::string answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    }
    ~ScriptedSaveDialog() { SetSaveFileDialogHandler(std::move(previous)); }

    std::vector<std::string> answers;
    std::vector<SaveFileRequest> requests;

private:
    SaveFileDialogHandler previous;
};

// Makes writes beyond a few bytes fail (as a full disk would) for its lifetime, also for root, whom a read-only
// folder would not stop.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

Drw LoadDrawing(const std::string& path)
{
    Drw drawing;
    drawing.Load(path);
    return drawing;
}

const QRgb Yellow = qRgb(255, 255, 0);

}  // namespace

class TestMdiChildCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<ScriptedSaveDialog> dialog;

    std::string DrawFolder() const { return progDir->Path() + "/draw"; }

    // A shown window on a file, ticked once.
    std::unique_ptr<TMDIChild> Open(const std::string& path, bool imported)
    {
        auto child = std::make_unique<TMDIChild>(path, imported);
        child->resize(760, 540);
        child->show();
        child->Tick();
        return child;
    }
    // The sample DXF: three paths, a line (0, 0)-(100, 0), a line (100, 0)-(100, 50) and a half circle above them.
    std::unique_ptr<TMDIChild> OpenSample()
    {
        return Open(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
    }

    // Whether a pixel next to the drawing point (x, y) shows the highlight colour.
    static bool YellowAt(const TMDIChild& child, double x, double y)
    {
        int px = 0, py = 0;
        child.renderer->ToPixel(x, y, px, py);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (child.DisPaintBox->Image().pixel(px + dx, py + dy) == Yellow)
                    return true;
        return false;
    }
    // Which of the sample's three paths show highlighted, as the string of their numbers.
    static QString HighlightedSamplePaths(const TMDIChild& child)
    {
        QString paths;
        if (YellowAt(child, 50, 0))
            paths += "1";
        if (YellowAt(child, 100, 25))
            paths += "2";
        if (YellowAt(child, 50, 50))
            paths += "3";
        return paths;
    }
    static void Ticks(TMDIChild& child, int n)
    {
        for (int i = 0; i < n; ++i)
            child.Tick();
    }
    static bool Enabled(const TMDIChild& child, const char* button) { return child.Button(button)->isEnabled(); }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        std::filesystem::create_directories(progDir->Path() + "/draw");
        recorder = std::make_unique<MessageRecorder>();
        dialog = std::make_unique<ScriptedSaveDialog>();
        CreateMessageCatalogue();
    }
    void cleanup()
    {
        DestroyMessageCatalogue();
        dialog.reset();
        recorder.reset();
        progDir.reset();
    }

    // ---- Simulation ----

    void startButtonVisitsThePathsEveryFourTicks()
    {
        auto child = OpenSample();
        QCOMPARE(HighlightedSamplePaths(*child), QString());
        QTest::mouseClick(child->Button("ToolButton21"), Qt::LeftButton);
        QCOMPARE(child->step, 1);
        QCOMPARE(HighlightedSamplePaths(*child), QString("1"));
        Ticks(*child, 4);
        QCOMPARE(HighlightedSamplePaths(*child), QString("2"));
        Ticks(*child, 4);
        QCOMPARE(HighlightedSamplePaths(*child), QString("3"));
        Ticks(*child, 4);
        QVERIFY(!child->IsRunning());
        QCOMPARE(child->step, 0);
        QCOMPARE(HighlightedSamplePaths(*child), QString());
    }

    void animatedButtonDrawsTheTravelledPartAndStopRepaints()
    {
        auto child = OpenSample();
        child->AniVel->setValue(1);  // 100 mm a tick: the 100 mm line in one tick
        QTest::mouseClick(child->Button("ToolButton34"), Qt::LeftButton);
        QCOMPARE(HighlightedSamplePaths(*child), QString());
        Ticks(*child, 1);
        QCOMPARE(child->animProgress, 200);
        QCOMPARE(HighlightedSamplePaths(*child), QString("1"));
        Ticks(*child, 2);  // moves on, then draws the 50 mm line whole
        QCOMPARE(child->step, 2);
        QCOMPARE(HighlightedSamplePaths(*child), QString("12"));
        QTest::mouseClick(child->Button("ToolButton22"), Qt::LeftButton);
        QCOMPARE(child->step, 0);
        QCOMPARE(HighlightedSamplePaths(*child), QString());
    }

    void handSteppingAndStop()
    {
        auto child = OpenSample();
        QTest::mouseClick(child->Button("ToolButton9"), Qt::LeftButton);
        QTest::mouseClick(child->Button("ToolButton9"), Qt::LeftButton);
        QCOMPARE(HighlightedSamplePaths(*child), QString("2"));
        QTest::mouseClick(child->Button("ToolButton11"), Qt::LeftButton);
        QCOMPARE(HighlightedSamplePaths(*child), QString("1"));
        QTest::mouseClick(child->Button("ToolButton9"), Qt::LeftButton);
        child->Tick();
        QVERIFY(Enabled(*child, "ToolButton22"));
        QTest::mouseClick(child->Button("ToolButton22"), Qt::LeftButton);
        QCOMPARE(child->step, 0);
        QCOMPARE(HighlightedSamplePaths(*child), QString());
    }

    void buttonsFollowTheSimulationState_data()
    {
        QTest::addColumn<QString>("state");
        // Enabled: stepping buttons (next, previous, start), animated start, pause, stop, the editing buttons, save;
        // and whether the speed track bar shows.
        QTest::addColumn<bool>("stepping");
        QTest::addColumn<bool>("animatedStart");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("speedShown");
        QTest::newRow("idle") << "idle" << true << true << false << false << true << false;
        QTest::newRow("stepped by hand") << "stepped" << true << true << false << true << true << false;
        QTest::newRow("running") << "running" << false << false << true << true << false << false;
        QTest::newRow("paused") << "paused" << true << false << false << true << false << false;
        QTest::newRow("animating") << "animating" << false << false << true << true << false << true;
        QTest::newRow("animation paused") << "animationPaused" << false << true << false << true << false << true;
    }
    void buttonsFollowTheSimulationState()
    {
        QFETCH(QString, state);
        QFETCH(bool, stepping);
        QFETCH(bool, animatedStart);
        QFETCH(bool, pause);
        QFETCH(bool, stop);
        QFETCH(bool, editing);
        QFETCH(bool, speedShown);
        auto child = OpenSample();
        child->drawing.modified = true;
        if (state == "stepped")
            child->NextStep();
        if (state == "running" || state == "paused")
            child->StartSimulation(false);
        if (state == "animating" || state == "animationPaused")
            child->StartSimulation(true);
        if (state == "paused" || state == "animationPaused")
            child->PauseSimulation();
        child->UpdateButtons();
        for (const char* name : {"ToolButton9", "ToolButton11", "ToolButton21"})
            QCOMPARE(Enabled(*child, name), stepping);
        QCOMPARE(Enabled(*child, "ToolButton34"), animatedStart);
        QCOMPARE(Enabled(*child, "ToolButton19"), pause);
        QCOMPARE(Enabled(*child, "ToolButton22"), stop);
        for (const char* name :
             {"ToolButton12", "ToolButton13", "ToolButton14", "ToolButton15", "ToolButton16", "ToolButton18"})
            QCOMPARE(Enabled(*child, name), editing);
        QVERIFY(Enabled(*child, "ToolButton24"));
        QCOMPARE(child->AniVel->isVisible(), speedShown);
        child->drawing.modified = false;
        child->UpdateButtons();
        QVERIFY(!Enabled(*child, "ToolButton18"));
    }

    // ---- Save, save as, restore ----

    void savingAnImportedDrawingAsksOnceThenWritesSilently()
    {
        auto child = OpenSample();
        const std::string chosen = DrawFolder() + "/part.dis";
        dialog->answers = {chosen};
        child->SaveDrawing();
        QCOMPARE(dialog->requests.size(), 1u);
        const SaveFileRequest& request = dialog->requests[0];
        QCOMPARE(request.title, std::string("Salva disegno"));
        QCOMPARE(request.folder, DrawFolder());
        QCOMPARE(request.proposedName, DrawFolder() + "/drawing.dis");
        QCOMPARE(request.filter, std::string("File disegno (*.dis)"));
        QCOMPARE(request.defaultSuffix, std::string("dis"));
        QVERIFY(!child->imported);
        QCOMPARE(child->filePath, chosen);
        QCOMPARE(child->windowTitle(), QString::fromStdString(chosen) + "[*]");
        QVERIFY(!child->drawing.modified);
        QCOMPARE(LoadDrawing(chosen).entities, child->drawing.entities);

        QTest::mouseClick(child->Button("ToolButton13"), Qt::LeftButton);  // mirror: now modified
        child->Tick();
        QTest::mouseClick(child->Button("ToolButton18"), Qt::LeftButton);
        QCOMPARE(dialog->requests.size(), 1u);
        QCOMPARE(LoadDrawing(chosen).entities, child->drawing.entities);
        QCOMPARE(recorder->Count(), 0u);
    }

    // "Salva come" and the bitmap export open in the archive folder that the chooser and the browser show.
    void saveDialogsOpenInTheArchiveFolder()
    {
        const std::string archive = progDir->Path() + "/archivio";
        std::filesystem::create_directories(archive);
        progDir->WriteFile("data/disdir.dat", archive + "/");
        auto child = OpenSample();
        child->SaveDrawingAs();
        child->ExportBitmap();
        QCOMPARE(dialog->requests.size(), 2u);
        for (const SaveFileRequest& request : dialog->requests)
            QCOMPARE(request.folder, archive);
        QCOMPARE(dialog->requests[0].proposedName, archive + "/drawing.dis");
        QCOMPARE(dialog->requests[1].proposedName, archive + "/drawing.bmp");
    }

    void cancelledSaveAsChangesNothing()
    {
        auto child = OpenSample();
        const std::string path = child->filePath;
        child->SaveDrawingAs();
        QCOMPARE(dialog->requests.size(), 1u);
        QVERIFY(child->imported);
        QCOMPARE(child->filePath, path);
        QVERIFY(std::filesystem::is_empty(DrawFolder()));
    }

    void failedSaveReportsAndKeepsTheEarlierFile()
    {
        auto child = OpenSample();
        const std::string chosen = DrawFolder() + "/part.dis";
        dialog->answers = {chosen};
        child->SaveDrawingAs();
        const std::string earlier = ReadBytes(chosen);
        child->MirrorDrawingX();
        {
            FileSizeLimit limit;
            child->SaveDrawing();
        }
        QCOMPARE(recorder->Texts(), std::vector<std::string>{"DRW003: errore nel salvataggio del file " + chosen});
        QCOMPARE(ReadBytes(chosen), earlier);
        QVERIFY(child->drawing.modified);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(DrawFolder()), {}), 1);

        // A failed save as keeps the window on its file.
        dialog->answers = {DrawFolder() + "/other.dis"};
        {
            FileSizeLimit limit;
            child->SaveDrawingAs();
        }
        QCOMPARE(child->filePath, chosen);
        QVERIFY(!std::filesystem::exists(DrawFolder() + "/other.dis"));
    }

    void restoringAfterSaveAsReadsTheDrawingFile()
    {
        auto child = OpenSample();
        const std::string chosen = DrawFolder() + "/part.dis";
        dialog->answers = {chosen};
        child->SaveDrawingAs();
        const Drw saved = child->drawing;
        // The DXF changes and the drawing is edited: restoring brings back the saved drawing.
        progDir->WriteFile("drawing.dxf", dxf_fixtures::File(dxf_fixtures::Line(0, 0, 1, 1)));
        child->drawing.DeletePath(1);
        child->NextStep();
        QTest::mouseClick(child->Button("ToolButton14"), Qt::LeftButton);
        QCOMPARE(child->drawing.entities, saved.entities);
        QCOMPARE(child->step, 0);
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 3"));
    }

    void restoringAnImportedDrawingImportsAgainWithoutWarnings()
    {
        const std::string dxf =
            progDir->WriteFile("spline.dxf", dxf_fixtures::File("0\nSPLINE\n8\n0\n" + dxf_fixtures::Line(0, 0, 10, 0)));
        auto child = Open(dxf, true);
        QCOMPARE(recorder->Count(), 1u);
        const Drw imported = child->drawing;
        child->drawing.MirrorY();
        child->RestoreDrawing();
        QCOMPARE(recorder->Count(), 1u);
        QCOMPARE(child->drawing.entities, imported.entities);
        QVERIFY(child->imported);
    }

    // ---- Bitmap export ----

    void bitmapNameGetsTheExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "pic"
                                      << "pic.bmp";
        QTest::newRow("another extension") << "pic.png"
                                           << "pic.png.bmp";
        QTest::newRow("upper case") << "pic.BMP"
                                    << "pic.BMP";
        QTest::newRow("mixed case") << "pic.bMp"
                                    << "pic.bMp";
    }
    void bitmapNameGetsTheExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        auto child = OpenSample();
        dialog->answers = {DrawFolder() + "/" + chosen.toStdString()};
        QTest::mouseClick(child->Button("ToolButton24"), Qt::LeftButton);
        QCOMPARE(dialog->requests.size(), 1u);
        QCOMPARE(dialog->requests[0].title, std::string("Salva disegno come bitmap"));
        QCOMPARE(dialog->requests[0].proposedName, DrawFolder() + "/drawing.bmp");
        QCOMPARE(dialog->requests[0].filter, std::string("File bitmap (*.bmp)"));
        QCOMPARE(dialog->requests[0].defaultSuffix, std::string("bmp"));
        QStringList files = QDir(QString::fromStdString(DrawFolder())).entryList(QDir::Files);
        QCOMPARE(files, QStringList{written});
        const QImage image(QString::fromStdString(DrawFolder()) + "/" + written, "BMP");
        QCOMPARE(image.size(), QSize(800, 600));
        QCOMPARE(child->scratchDrawing.entities, child->drawing.entities);
    }

    void cancelledExportWritesNothing()
    {
        auto child = OpenSample();
        child->ExportBitmap();
        QCOMPARE(dialog->requests.size(), 1u);
        QVERIFY(std::filesystem::is_empty(DrawFolder()));
    }

    // ---- Mirror, rotate, simplify ----

    void mirrorKeepsTheViewAndRotateFitsAgain()
    {
        auto child = OpenSample();
        child->ZoomIn();
        const myDraw before = *child->renderer;
        const Drw original = child->drawing;
        QTest::mouseClick(child->Button("ToolButton12"), Qt::LeftButton);
        QVERIFY(child->drawing.entities != original.entities);
        QCOMPARE(child->renderer->scaleX, before.scaleX);
        QCOMPARE(child->renderer->visMinX, before.visMinX);
        QCOMPARE(child->renderer->visMaxY, before.visMaxY);

        QTest::mouseClick(child->Button("ToolButton15"), Qt::LeftButton);
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        child->drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
        QCOMPARE(maxX - minX, 50.0);  // the 100 x 50 box stands upright
        QCOMPARE(child->renderer->extMinX, minX - 0.1 * (maxX - minX));
        QCOMPARE(child->renderer->extMaxY, maxY + 0.1 * (maxY - minY));
        QVERIFY(child->renderer->scaleX != before.scaleX);

        QTest::mouseClick(child->Button("ToolButton16"), Qt::LeftButton);
        child->drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
        QCOMPARE(maxX - minX, 100.0);
        QCOMPARE(child->renderer->extMinX, minX - 0.1 * (maxX - minX));
    }

    void simplifyReportsTheCountsBeforeAndAfter()
    {
        Drw drawing;
        drawing.pathCount = 2;
        drawing.AddLine(0, 0, 10, 0, "0", 1, false, true);
        drawing.AddLine(10, 0, 20, 0, "0", 1, true, true);
        drawing.AddLine(20, 0, 30, 0, "0", 1, true, false);
        drawing.AddLine(0, 10, 30, 10, "0", 2, false, false);
        const std::string path = DrawFolder() + "/lines.dis";
        drawing.Save(path);
        auto child = Open(path, false);
        recorder->Clear();

        child->SimplifyDrawing();
        QCOMPARE(child->drawing.entityCount(), 2);
        QCOMPARE(recorder->Messages(), (std::vector<RecordedMessage>{{"Entità disegno prima della semplificazione: 4 \n"
                                                                      "Entità disegno dopo la semplificazione: 2",
                                                                      "AVVISO", MsgStyleInfo}}));
        QCOMPARE(recorder->EventLines(),
                 std::vector<std::string>{"Eseguita procedura di semplificazione disegno, entità ridotte da 4 a 2"});
        QVERIFY(child->SimplifyDrwGauge->isHidden());
        QCOMPARE(child->SimplifyDrwGauge->value(), 100);
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 2"));
        QVERIFY(child->drawing.modified);

        recorder->Clear();
        child->SimplifyDrawing();
        QCOMPARE(recorder->EventLines(),
                 std::vector<std::string>{
                     "Procedura di semplificazione disegno eseguita senza riduzione entità, numero entità 2"});
    }

    // ---- The main window's entries ----

    void mainWindowEntriesActOnTheActiveWindow()
    {
        TMainForm form;
        SetProgDir(progDir->Path());  // the form looked up the program's own folder
        form.resize(1000, 700);
        form.show();
        TMDIChild* child = form.OpenDrawingWindow(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        form.ExecuteTimer();
        QVERIFY(form.Action("SequNext")->isEnabled());
        QVERIFY(!form.Action("SequPause")->isEnabled());
        form.Action("SequNext")->trigger();
        form.Action("SequNext")->trigger();
        form.Action("SequPrev")->trigger();
        QCOMPARE(child->step, 1);
        form.Action("SequPlayAni")->trigger();
        form.ExecuteTimer();
        QVERIFY(child->AnimationRunning());
        QVERIFY(form.Action("SequPause")->isEnabled());
        QVERIFY(!form.Action("SpecchiaX")->isEnabled());
        QVERIFY(!form.Action("SaveAsFile")->isEnabled());
        QVERIFY(form.Action("EsportabitmapItem")->isEnabled());
        form.Action("SequPause")->trigger();
        form.ExecuteTimer();
        QVERIFY(child->paused);
        QVERIFY(!form.Action("SequPlay")->isEnabled());
        form.Action("SequPlayAni")->trigger();  // resumes the animation
        QVERIFY(!child->paused && child->animated);
        form.Action("SequStop")->trigger();
        form.ExecuteTimer();
        QVERIFY(!child->IsRunning());

        const Drw original = child->drawing;
        form.Action("SpecchiaX")->trigger();
        form.Action("SpecchiaX")->trigger();
        QCOMPARE(child->drawing.entities, original.entities);
        form.Action("RuotaCW")->trigger();
        form.Action("RuotaCCW")->trigger();
        QCOMPARE(child->drawing.entities.size(), original.entities.size());
        form.Action("SimpleDrwMenu")->trigger();
        QCOMPARE(recorder->Count(), 1u);

        dialog->answers = {DrawFolder() + "/saved.dis", DrawFolder() + "/pic"};
        form.ExecuteTimer();
        QVERIFY(form.Action("SaveFile")->isEnabled());
        form.Action("SaveFile")->trigger();
        QVERIFY(std::filesystem::exists(DrawFolder() + "/saved.dis"));
        form.ExecuteTimer();
        QVERIFY(!form.Action("SaveFile")->isEnabled());
        form.Action("EsportabitmapItem")->trigger();
        QVERIFY(std::filesystem::exists(DrawFolder() + "/pic.bmp"));
        form.Action("SaveAsFile")->trigger();  // no answer left: cancelled
        QCOMPARE(dialog->requests.size(), 3u);
        child->drawing.Clear();
        form.Action("RipristinaDrw")->trigger();
        QCOMPARE(child->drawing.entityCount(), 3);
    }
};

QTEST_MAIN(TestMdiChildCommands)
#include "test_mdichild_commands.moc"
