// Tests of the recent files: the newest eight, each once; the files opened, imported and saved join the list,
// which "File recenti" shows after a restart; a file no longer found is taken off with a message when chosen.
#include <QAction>
#include <QMenu>
#include <QTest>

#include <filesystem>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "part_fixture.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/recentfiles.h"
#include "ui/savefiledialog.h"

class TestRecentFiles : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    std::unique_ptr<TMainForm> StartProgram()
    {
        auto form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        return form;
    }
    static QStringList MenuTexts(const QMenu* menu)
    {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        return texts;
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

    void theNewestEightEachOnce()
    {
        std::vector<std::string> files;
        for (int i = 0; i < 10; ++i) {
            files.push_back(progDir->File("f" + std::to_string(i) + ".dxf"));
            AddRecentFile(files.back());
        }
        AddRecentFile(files[3]);
        QCOMPARE(RecentFiles(), (std::vector<std::string>{files[3], files[9], files[8], files[7], files[6], files[5],
                                                          files[4], files[2]}));
    }

    void openedImportedAndSavedFilesAreListedAfterARestart()
    {
        const std::string dxf = progDir->WriteFile("sample.dxf", dxf_fixtures::Sample());
        const std::string part = WritePartFile(*progDir);
        const std::string saved = progDir->File("draw/sample.dis");
        auto previous = SetSaveFileDialogHandler([&](QWidget*, const SaveFileRequest&) { return saved; });
        {
            auto form = StartProgram();
            TMDIChild* imported = form->OpenDrawingWindow(dxf, true);
            form->OpenDrawingWindow(part, false);
            imported->SaveDrawing();
        }
        SetSaveFileDialogHandler(std::move(previous));
        auto form = StartProgram();
        form->UpdateFileSubmenus();
        QCOMPARE(MenuTexts(form->RecentMenu),
                 QStringList({"&1 " + QString::fromStdString(saved), "&2 " + QString::fromStdString(part),
                              "&3 " + QString::fromStdString(dxf)}));
        form->RecentMenu->actions().at(1)->trigger();
        QCOMPARE(form->ActiveChild()->filePath, part);
        form.reset();
    }

    void aFileNoLongerFoundIsTakenOffWithAMessage()
    {
        const std::string part = WritePartFile(*progDir);
        AddRecentFile(part);
        std::filesystem::remove(part);
        auto form = StartProgram();
        form->UpdateFileSubmenus();
        form->RecentMenu->actions().at(0)->trigger();
        QCOMPARE(recorder->Texts(),
                 std::vector<std::string>{"FRC001: il file non esiste più ed è stato tolto dai file recenti\n" + part});
        QVERIFY(form->ActiveChild() == nullptr);
        QVERIFY(RecentFiles().empty());
        form->UpdateFileSubmenus();
        QVERIFY(!form->RecentMenu->menuAction()->isEnabled());
        form.reset();
    }
};

QTEST_MAIN(TestRecentFiles)
#include "test_recentfiles.moc"
