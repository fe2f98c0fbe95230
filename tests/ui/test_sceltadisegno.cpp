// Tests of the drawing chooser and the folder selection: the listing of the archive folder and its subfolders,
// the preview of the drawing under the cursor (loaded once per move), Open and Cancel with the folder they store,
// the warning without a selection, a changed folder, and a drawing that cannot be read.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "archive_fixtures.h"
#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"
#include "render/mydraw.h"
#include "ui/paintbox.h"
#include "ui/sceltadisegno.h"
#include "ui/selecdir.h"
#include "ui/widetext.h"

using namespace archive_fixtures;

class TestSceltaDisegno : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TSceltaDisegnoForm> form;
    std::vector<std::string> folderRequests;  // start folders the folder dialog was opened with
    std::string folderAnswer;                 // what the folder dialog returns; empty = cancelled

    QStringList ListedNames()
    {
        QStringList names;
        for (int i = 0; i < form->DisListBox->count(); ++i)
            names << form->DisListBox->item(i)->text();
        return names;
    }

    void ClickRow(int row)
    {
        QListWidget* list = form->DisListBox;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    std::string StoredFolder() { return progDir->ReadFile("data/disdir.dat"); }

    // A fresh dialog, shown (which runs its show handler).
    void ShowForm()
    {
        form = std::make_unique<TSceltaDisegnoForm>();
        form->show();
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        folderRequests.clear();
        folderAnswer.clear();
        SetFolderDialogHandler([this](const std::string& start, const std::string&) {
            folderRequests.push_back(start);
            return folderAnswer;
        });
    }
    void cleanup()
    {
        form.reset();
        SetFolderDialogHandler({});
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void listsTheDefaultFolderAndItsSubfolders()
    {
        WriteDrawing(*progDir, "draw/b.dis");
        WriteDrawing(*progDir, "draw/a.dis");
        WriteDrawing(*progDir, "draw/sub/part.dis");
        WriteDrawing(*progDir, "draw/sub/deeper/x.dis");
        progDir->WriteFile("draw/notes.txt", "not a drawing");
        ShowForm();
        QCOMPARE(form->windowTitle(), QString("SCELTA DISEGNO"));
        QCOMPARE(form->OpenButton->text(), QString("Apri"));
        QCOMPARE(form->CancelButton->text(), QString("Annulla"));
        QCOMPARE(form->PathLabel->text(), ToQString(progDir->File("draw/")));
        QCOMPARE(ListedNames(), QStringList({"a", "b", "sub/part", "sub/deeper/x"}));
        QVERIFY(form->shown);
        QVERIFY(form->view != nullptr);
        QCOMPARE(form->previewIndex, -1);
    }

    void storedFolderWithoutSlashStillListsItsDrawings()
    {
        WriteDrawing(*progDir, "archive/one.dis");
        progDir->WriteFile("data/disdir.dat", progDir->File("archive") + "\r\n");
        ShowForm();
        QCOMPARE(form->Folder(), progDir->File("archive/"));
        QCOMPARE(ListedNames(), QStringList({"one"}));
    }

    void previewShowsTheDrawingUnderTheCursor()
    {
        WriteDrawing(*progDir, "draw/small.dis", 10, 5);
        WriteDrawing(*progDir, "draw/wide.dis", 300, 20);
        ShowForm();
        ClickRow(1);
        QCOMPARE(form->previewIndex, 1);
        QVERIFY(form->previewDrw.entities == Rectangle(300, 20).entities);
        QCOMPARE(form->view->extMaxX, 300.0);
        QCOMPARE(form->view->extMaxY, 20.0);
        const int drawn = CountPixels(form->DisPaintBox->Image(), TSceltaDisegnoForm::PreviewPen);
        // The wide rectangle spans the paint box inside its margins.
        QVERIFY(drawn > 2 * (form->DisPaintBox->width() - 2 * TSceltaDisegnoForm::PreviewMargin) - 4);
        // The timer's refresh paints only on request, and only while the dialog is shown.
        form->redrawRequest = true;
        form->Refresh();
        QVERIFY(!form->redrawRequest);
        QCOMPARE(CountPixels(form->DisPaintBox->Image(), TSceltaDisegnoForm::PreviewPen), drawn);
    }

    void arrowKeysLoadEachDrawingOnce()
    {
        for (const char* name : {"draw/a.dis", "draw/b.dis", "draw/c.dis"})
            WriteDrawing(*progDir, name);
        ShowForm();
        // With the files gone, every load shows DRW004, so the messages count the loads.
        std::filesystem::remove_all(progDir->File("draw"));
        ClickRow(0);
        QTest::keyClick(form->DisListBox, Qt::Key_Down);
        QTest::keyClick(form->DisListBox, Qt::Key_Down);
        QCOMPARE(recorder->Count(), 3u);
        QCOMPARE(form->previewIndex, 2);
        // Keys that do not move the cursor load nothing.
        QTest::keyClick(form->DisListBox, Qt::Key_Down);
        QTest::keyClick(form->DisListBox, Qt::Key_Shift);
        ClickRow(2);
        QCOMPARE(recorder->Count(), 3u);
        QVERIFY(recorder->Texts()[0].rfind("DRW004", 0) == 0);
    }

    void openReturnsTheFileAndStoresTheFolder()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        WriteDrawing(*progDir, "draw/sub/part.dis");
        ShowForm();
        ClickRow(1);
        QTest::mouseClick(form->OpenButton, Qt::LeftButton);
        QCOMPARE(form->resultPath, progDir->File("draw/sub/part.dis"));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(!form->isVisible());
        QVERIFY(!form->shown);
        QVERIFY(form->view == nullptr);
        QCOMPARE(StoredFolder(), progDir->File("draw/") + "\r\n");
        QCOMPARE(recorder->Count(), 0u);
    }

    void doubleClickOpens()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        WriteDrawing(*progDir, "draw/b.dis");
        ShowForm();
        QListWidget* list = form->DisListBox;
        const QPoint place = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        QCOMPARE(form->resultPath, progDir->File("draw/b.dis"));
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void openWithoutSelectionWarnsAndStaysOpen()
    {
        std::filesystem::create_directories(progDir->File("draw"));
        ShowForm();
        QCOMPARE(form->DisListBox->count(), 0);
        QTest::mouseClick(form->OpenButton, Qt::LeftButton);
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{{"Selezionare prima un disegno", "AVVISO", MsgStyleWarning}}));
        QVERIFY(form->isVisible());
        QVERIFY(form->resultPath.empty());
        QVERIFY(!std::filesystem::exists(progDir->File("data/disdir.dat")));
    }

    void changedFolderIsStoredByCancelButNotByTheCloseBox()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        WriteDrawing(*progDir, "other/x.dis", 20, 7);
        WriteDrawing(*progDir, "other/y.dis");
        ShowForm();
        ClickRow(0);
        folderAnswer = progDir->File("other");
        QTest::mouseClick(form->SelDisFolderBtn, Qt::LeftButton);
        QCOMPARE(folderRequests, std::vector<std::string>{progDir->File("draw/")});
        QCOMPARE(form->PathLabel->text(), ToQString(progDir->File("other/")));
        QCOMPARE(ListedNames(), QStringList({"x", "y"}));
        // The first drawing of the new list is loaded, although the old list's first one was shown.
        ClickRow(0);
        QVERIFY(form->previewDrw.entities == Rectangle(20, 7).entities);
        QCOMPARE(form->previewIndex, 0);
        form->close();
        QVERIFY(!std::filesystem::exists(progDir->File("data/disdir.dat")));
        QVERIFY(form->resultPath.empty());

        ShowForm();
        QCOMPARE(form->Folder(), progDir->File("draw/"));
        QTest::mouseClick(form->SelDisFolderBtn, Qt::LeftButton);
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(form->resultPath.empty());
        QCOMPARE(StoredFolder(), progDir->File("other/") + "\r\n");
    }

    void cancelledFolderDialogChangesNothing()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        ShowForm();
        ClickRow(0);
        QTest::keyClick(form.get(), Qt::Key_Escape);  // Esc is the folder button's key
        QCOMPARE(folderRequests.size(), 1u);
        QCOMPARE(form->Folder(), progDir->File("draw/"));
        QCOMPARE(ListedNames(), QStringList({"a"}));
        QCOMPARE(form->DisListBox->currentRow(), 0);
        QVERIFY(form->isVisible());
    }

    void damagedDrawingReportsAndDoesNotBlock()
    {
        WriteDamagedDrawing(*progDir, "draw/bad.dis");
        WriteDrawing(*progDir, "draw/good.dis");
        ShowForm();
        // Open pressed while the message box of the failed load is up is ignored.
        std::vector<std::string> shown;
        SetMessageBoxHandler([&](const std::string& text, const std::string&, int) {
            shown.push_back(text);
            form->OpenButtonClick();
            return MsgResultOk;
        });
        ClickRow(0);
        QCOMPARE(shown.size(), 1u);
        QVERIFY(shown[0].rfind("DRW005", 0) == 0);
        QVERIFY(form->isVisible());
        QVERIFY(form->resultPath.empty());
        QVERIFY(!form->loading);
        recorder = std::make_unique<MessageRecorder>();
        ClickRow(0);
        QCOMPARE(recorder->Count(), 0u);  // already shown: not loaded again
        ClickRow(1);
        QVERIFY(form->previewDrw.entities == Rectangle(10, 5).entities);
        QTest::mouseClick(form->OpenButton, Qt::LeftButton);
        QCOMPARE(form->resultPath, progDir->File("draw/good.dis"));
    }

    // A drawing that loading refuses previews as nothing, not as the drawing previewed before it.
    void refusedDrawingPreviewsNothing()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        WriteRefusedDrawing(*progDir, "draw/b.dis");
        ShowForm();
        ClickRow(0);
        QVERIFY(!form->previewDrw.entities.empty());
        ClickRow(1);
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(form->previewDrw.entities.empty());
    }

    void selectFolderAddsTheSlashAndKeepsTheFolderWhenCancelled()
    {
        std::string folder = "untouched";
        folderAnswer = "/tmp/x";
        QVERIFY(SelectFolder("/start/", folder));
        QCOMPARE(folder, std::string("/tmp/x/"));
        folderAnswer = "/";
        QVERIFY(SelectFolder("/start/", folder));
        QCOMPARE(folder, std::string("/"));
        folderAnswer.clear();
        QVERIFY(!SelectFolder("/start/", folder));
        QCOMPARE(folder, std::string("/"));
    }
};

QTEST_MAIN(TestSceltaDisegno)
#include "test_sceltadisegno.moc"
