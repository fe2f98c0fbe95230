// Tests of the main window's archive commands: opening the drawing chosen in the chooser or the archive browser
// (with the dialogs' periodic update on the main window's timer), and deleting a drawing file: the question, the
// refusal for an open drawing, a cancelled choice and a failed deletion.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

#include "archive_fixtures.h"
#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "ui/archive_commands.h"
#include "ui/archiviodisegni.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"
#include "ui/sceltadisegno.h"

using namespace archive_fixtures;

namespace {

// Runs act on the modal dialog of type Dialog as soon as it is up; a dialog that does not appear fails the test
// rather than blocking it, and any dialog still open afterwards is rejected.
template <typename Dialog>
void WhenModal(std::function<void(Dialog*)> act, bool& ran)
{
    ran = false;
    auto* poller = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poller, &QTimer::timeout, [poller, tries, act, &ran] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*tries < 200)
            return;
        poller->stop();
        poller->deleteLater();
        if (dialog == nullptr)
            return;
        ran = true;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poller->start(10);
}

}  // namespace

class TestArchiveCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TMainForm> form;
    std::vector<std::string> askedFolders;
    std::string chosenFile;  // what the delete dialog returns; empty = cancelled

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        askedFolders.clear();
        chosenFile.clear();
        SetDeleteDrawingChooser([this](const std::string& folder) {
            askedFolders.push_back(folder);
            return chosenFile;
        });
    }
    void cleanup()
    {
        SetDeleteDrawingChooser({});
        form.reset();
        recorder.reset();
        progDir.reset();
    }

    void chooserOpensTheChosenDrawingWithItsPreviewOnTheTimer()
    {
        const std::string file = WriteDrawing(*progDir, "draw/sub/part.dis", 30, 10);
        bool ran = false;
        WhenModal<TSceltaDisegnoForm>(
            [this](TSceltaDisegnoForm* dialog) {
                QListWidget* list = dialog->DisListBox;
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
                dialog->redrawRequest = true;
                form->ExecuteTimer();
                QVERIFY(!dialog->redrawRequest);
                QTest::mouseClick(dialog->OpenButton, Qt::LeftButton);
            },
            ran);
        OpenDrawingFromChooser(*form);
        QVERIFY(ran);
        QCOMPARE(form->DrawingWindows().size(), 1u);
        QCOMPARE(form->DrawingWindows()[0]->filePath, file);
        QVERIFY(form->DrawingWindows()[0]->drawing.entities == Rectangle(30, 10).entities);
        // The closed dialog is no longer on the timer.
        form->ExecuteTimer();
    }

    void archiveOpensTheChosenDrawingWithItsThumbnailsOnTheTimer()
    {
        const std::string file = WriteDrawing(*progDir, "draw/a.dis");
        bool ran = false;
        WhenModal<TArchivioDisegniForm>(
            [this](TArchivioDisegniForm* dialog) {
                form->ExecuteTimer();
                QCOMPARE(dialog->redrawRequest, 0);
                QVERIFY(CountPixels(dialog->DisPaintBox[0]->Image(), TArchivioDisegniForm::ThumbPen) > 0);
                QTest::mouseClick(dialog->DisPaintBox[0], Qt::LeftButton);
                QTest::mouseClick(dialog->OpenButton, Qt::LeftButton);
            },
            ran);
        OpenDrawingFromArchive(*form);
        QVERIFY(ran);
        QCOMPARE(form->DrawingWindows().size(), 1u);
        QCOMPARE(form->DrawingWindows()[0]->filePath, file);
        form->ExecuteTimer();
    }

    void cancelledDialogOpensNothing()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        bool ran = false;
        WhenModal<TSceltaDisegnoForm>([](TSceltaDisegnoForm* dialog) { dialog->CancelButton->click(); }, ran);
        OpenDrawingFromChooser(*form);
        QVERIFY(ran);
        QVERIFY(form->DrawingWindows().empty());
    }

    void deletingAsksAndDeletesOnlyOnYes()
    {
        chosenFile = WriteDrawing(*progDir, "draw/a.dis");
        const RecordedMessage question{"Sei sicuro di volere eliminare il file\n" + chosenFile + "?", "CONFERMA",
                                       MsgStyleQuestion};
        recorder->Answer({MsgResultNo});
        DeleteArchiveDrawing(*form);
        QCOMPARE(askedFolders, std::vector<std::string>{progDir->File("draw/")});
        QCOMPARE(recorder->Messages(), std::vector<RecordedMessage>{question});
        QVERIFY(std::filesystem::exists(chosenFile));
        recorder->Answer({MsgResultYes});
        DeleteArchiveDrawing(*form);
        QCOMPARE(recorder->Messages(), (std::vector<RecordedMessage>{question, question}));
        QVERIFY(!std::filesystem::exists(chosenFile));
    }

    void anOpenDrawingIsNotDeleted()
    {
        const std::string file = WriteDrawing(*progDir, "draw/a.dis");
        form->OpenDrawingWindow(file, false);
        QTest::qWait(0);
        QCOMPARE(form->DrawingWindows().size(), 1u);
        chosenFile = progDir->File("draw/../draw/a.dis");  // another spelling of the same file
        recorder->Answer({MsgResultYes});
        DeleteArchiveDrawing(*form);
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{
                     {"Impossibile eliminare un disegno già aperto\n" + chosenFile, "AVVISO", MsgStyleWarning}}));
        QVERIFY(std::filesystem::exists(file));
    }

    void cancelledChoiceChangesNothing()
    {
        const std::string file = WriteDrawing(*progDir, "draw/a.dis");
        progDir->WriteFile("data/disdir.dat", progDir->File("draw/") + "\r\n");
        recorder->Answer({MsgResultYes});
        DeleteArchiveDrawing(*form);
        QCOMPARE(askedFolders.size(), 1u);
        QCOMPARE(recorder->Count(), 0u);
        QVERIFY(std::filesystem::exists(file));
    }

    void failedDeletionIsReported()
    {
        chosenFile = progDir->File("draw/gone.dis");
        recorder->Answer({MsgResultYes});
        DeleteArchiveDrawing(*form);
        QCOMPARE(recorder->Count(), 2u);
        QCOMPARE(recorder->Messages()[1].title, std::string("ERRORE"));
        QCOMPARE(recorder->ErrorLines().size(), 1u);
    }
};

QTEST_MAIN(TestArchiveCommands)
#include "test_archive_commands.moc"
