// Tests of the recovery copies: a drawing with changes no file holds leaves a copy however its window is closed and
// every minute, one without leaves none; "Disegni recuperati" lists the copies newest first, opens one as a new
// drawing never saved and deletes them on request; at start the copies beyond twenty or older than thirty days go.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "l10n/messaggi.h"
#include "part_fixture.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/recovery.h"
#include "ui/savefiledialog.h"

namespace {

// The drawing of a file, with the modified flag of compare, for comparing the two whole.
Drw LoadedAs(const std::string& path, const Drw& compare)
{
    Drw drawing;
    drawing.Load(path);
    drawing.modified = compare.modified;
    return drawing;
}

}  // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::vector<std::string> saveAnswers;
    SaveFileDialogHandler previousSaveHandler;

    std::unique_ptr<TMainForm> StartProgram()
    {
        auto form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        return form;
    }
    std::unique_ptr<TMDIChild> OpenWindow(const std::string& path, bool imported)
    {
        auto child = std::make_unique<TMDIChild>(path, imported);
        child->resize(760, 540);
        child->show();
        child->Tick();
        return child;
    }
    static void Ticks(TMDIChild& child, int n)
    {
        for (int i = 0; i < n; ++i)
            child.Tick();
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        saveAnswers.clear();
        previousSaveHandler = SetSaveFileDialogHandler([this](QWidget*, const SaveFileRequest&) {
            std::string answer = saveAnswers.empty() ? std::string() : saveAnswers.front();
            if (!saveAnswers.empty())
                saveAnswers.erase(saveAnswers.begin());
            return answer;
        });
    }
    void cleanup()
    {
        SetSaveFileDialogHandler(std::move(previousSaveHandler));
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void closingAModifiedDrawingLeavesACopy_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("its window closed") << "window";
        QTest::newRow("Chiudi tutti") << "all";
        QTest::newRow("quitting") << "quit";
    }
    void closingAModifiedDrawingLeavesACopy()
    {
        QFETCH(QString, way);
        auto form = StartProgram();
        TMDIChild* child = form->OpenDrawingWindow(WritePartFile(*progDir), false);
        child->MirrorDrawingX();
        const Drw mirrored = child->drawing;
        if (way == "window")
            form->FileCloseExecute();
        else if (way == "all")
            form->ChiudiTuttiExecute();
        else
            form->CloseProgram();
        const std::vector<RecoveryCopy> copies = RecoveryCopies();
        QCOMPARE(copies.size(), 1u);
        QCOMPARE(copies[0].name, std::string("part"));
        QCOMPARE(LoadedAs(copies[0].path, mirrored), mirrored);
        form.reset();
    }

    void aDrawingThatAFileHoldsLeavesNone_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("loaded, unchanged") << "loaded";
        QTest::newRow("imported, unchanged") << "imported";
        QTest::newRow("saved after a change") << "saved";
        QTest::newRow("undone back to the file") << "undone";
    }
    void aDrawingThatAFileHoldsLeavesNone()
    {
        QFETCH(QString, state);
        const bool imported = state == "imported";
        const std::string path =
            imported ? progDir->WriteFile("sample.dxf", dxf_fixtures::Sample()) : WritePartFile(*progDir);
        auto child = OpenWindow(path, imported);
        if (state == "saved" || state == "undone")
            child->MirrorDrawingY();
        if (state == "saved")
            child->SaveDrawing();
        if (state == "undone")
            child->Undo();
        child->close();
        QVERIFY(RecoveryCopies().empty());
    }

    // Once a minute while the drawing has changes no file holds; the copy goes when the drawing comes back to its
    // file by undo or is saved.
    void everyMinuteWhileModified()
    {
        auto child = OpenWindow(WritePartFile(*progDir), false);
        child->MirrorDrawingX();
        Ticks(*child, 10);
        QVERIFY(RecoveryCopies().empty());
        Ticks(*child, TMDIChild::RecoveryTicks);
        QCOMPARE(RecoveryCopies().size(), 1u);
        child->RotateDrawingCW();
        Ticks(*child, TMDIChild::RecoveryTicks);
        QCOMPARE(RecoveryCopies().size(), 1u);
        QCOMPARE(LoadedAs(RecoveryCopies()[0].path, child->drawing), child->drawing);
        child->Undo();
        child->Undo();
        QVERIFY(RecoveryCopies().empty());
        child->Redo();
        Ticks(*child, TMDIChild::RecoveryTicks);
        QCOMPARE(RecoveryCopies().size(), 1u);
        child->SaveDrawing();
        QVERIFY(RecoveryCopies().empty());
    }

    void aRecoveredDrawingOpensAsANewUnsavedDrawing()
    {
        auto closed = OpenWindow(progDir->WriteFile("sample.dxf", dxf_fixtures::Sample()), true);
        closed->MirrorDrawingY();
        const Drw mirrored = closed->drawing;
        closed->close();
        auto form = StartProgram();
        form->UpdateFileSubmenus();
        QVERIFY(form->RecoveredMenu->menuAction()->isEnabled());
        QAction* entry = form->RecoveredMenu->actions().at(0);
        QVERIFY(entry->text().startsWith("sample "));
        entry->trigger();
        TMDIChild* child = form->ActiveChild();
        QVERIFY(child && child->recovered);
        QCOMPARE(child->drawing, mirrored);
        QVERIFY(child->isWindowModified());
        form->ExecuteTimer();
        QVERIFY(form->Action("SaveFile")->isEnabled());
        // Saving asks for a name and then removes the copy.
        const std::string chosen = progDir->File("sample.dis");
        saveAnswers = {chosen};
        child->SaveDrawing();
        QCOMPARE(child->filePath, chosen);
        QVERIFY(!child->recovered && !child->drawing.modified);
        QVERIFY(RecoveryCopies().empty());
        form.reset();
    }

    void copiesAreDeletedOnRequest()
    {
        for (const char* name : {"a", "b"}) {
            Drw drawing;
            WriteRecoveryCopy(drawing, NewRecoveryCopyPath(name));
        }
        auto form = StartProgram();
        form->UpdateFileSubmenus();
        QAction* remove = form->RecoveredMenu->findChild<QAction*>("EliminaRecuperatiItem");
        QVERIFY(remove);
        recorder->Answer({MsgResultNo});
        remove->trigger();
        QCOMPARE(RecoveryCopies().size(), 2u);
        QCOMPARE(recorder->Messages().back().text, std::string("Eliminare tutti i disegni recuperati?"));
        recorder->Answer({MsgResultYes});
        remove->trigger();
        QVERIFY(RecoveryCopies().empty());
        form->UpdateFileSubmenus();
        QVERIFY(!form->RecoveredMenu->menuAction()->isEnabled());
        form.reset();
    }

    void atStartCopiesBeyondTwentyOrOlderThanThirtyDaysGo()
    {
        using namespace std::chrono;
        const auto now = std::filesystem::file_time_type::clock::now();
        std::vector<std::string> paths;
        for (int i = 0; i < 23; ++i) {
            Drw drawing;
            paths.push_back(NewRecoveryCopyPath("copy" + std::to_string(i)));
            WriteRecoveryCopy(drawing, paths.back());
            // copy0 the newest, one a minute older each; copy3 older than thirty days.
            const minutes age = i == 3 ? minutes(31 * 24 * 60) : minutes(i);
            std::filesystem::last_write_time(paths.back(), now - age);
        }
        auto form = StartProgram();
        std::vector<std::string> names;
        for (const RecoveryCopy& copy : RecoveryCopies())
            names.push_back(copy.name);
        std::vector<std::string> expected;
        for (int i = 0; i < 21; ++i)
            if (i != 3)
                expected.push_back("copy" + std::to_string(i));
        QCOMPARE(names, expected);
        form->UpdateFileSubmenus();
        QVERIFY(form->RecoveredMenu->actions().at(0)->text().startsWith("copy0 "));
        form.reset();
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
