// Tests of the drawing archive browser: the page of thumbnails in listing order, paging, selecting a panel,
// opening by button and double click, Open and Cancel with the folder they store, a changed folder, a drawing
// that cannot be read, the thumbnails' painting on the timer's refresh.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "archive_fixtures.h"
#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"
#include "render/mydraw.h"
#include "support/text.h"
#include "ui/archiviodisegni.h"
#include "ui/paintbox.h"
#include "ui/selecdir.h"
#include "ui/widetext.h"

using namespace archive_fixtures;

class TestArchivioDisegni : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TArchivioDisegniForm> form;
    std::string folderAnswer;  // what the folder dialog returns; empty = cancelled

    // The names shown by the labels of the page, up to the last non-empty one.
    QStringList PageNames()
    {
        QStringList names;
        for (QLabel* label : form->Label)
            names << label->text();
        while (!names.isEmpty() && names.last().isEmpty())
            names.removeLast();
        return names;
    }

    void WriteNumbered(const std::string& folder, int n)
    {
        for (int i = 0; i < n; ++i)
            WriteDrawing(*progDir, StrFormat("%s/d%02d.dis", folder.c_str(), i));
    }

    void Click(int k) { QTest::mouseClick(form->DisPaintBox[k], Qt::LeftButton); }

    bool Highlighted(int k)
    {
        QLabel* label = form->Label[k];
        return label->font().bold() && label->autoFillBackground() &&
               label->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }

    std::string StoredFolder() { return progDir->ReadFile("data/disdir.dat"); }

    // A fresh dialog, shown (which runs its show handler).
    void ShowForm()
    {
        form = std::make_unique<TArchivioDisegniForm>();
        form->show();
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        folderAnswer.clear();
        SetFolderDialogHandler([this](const std::string&, const std::string&) { return folderAnswer; });
    }
    void cleanup()
    {
        form.reset();
        SetFolderDialogHandler({});
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void emptyFolderGivesAnEmptyPageAndWarnsOnOpen()
    {
        std::filesystem::create_directories(progDir->File("draw"));
        ShowForm();
        QCOMPARE(form->windowTitle(), QString("ARCHIVIO DISEGNI"));
        QCOMPARE(form->OpenButton->text(), QString("    Apri"));
        QCOMPARE(form->PathLabel->text(), ToQString(progDir->File("draw/")));
        QCOMPARE(form->count, 0);
        QVERIFY(PageNames().isEmpty());
        QVERIFY(!form->BtnUp->isEnabled());
        QVERIFY(!form->BtnDown->isEnabled());
        Click(0);
        QCOMPARE(form->selected, -1);
        QTest::mouseClick(form->OpenButton, Qt::LeftButton);
        QCOMPARE(recorder->Messages(),
                 (std::vector<RecordedMessage>{{"Selezionare prima un disegno", "AVVISO", MsgStyleWarning}}));
        QVERIFY(form->isVisible());
        QVERIFY(form->resultPath.empty());
    }

    void pageFollowsTheListingOrderWithSubfolders()
    {
        WriteDrawing(*progDir, "draw/sub/a.dis");
        WriteDrawing(*progDir, "draw/z.dis");
        WriteDrawing(*progDir, "draw/b.dis");
        WriteDrawing(*progDir, "draw/sub/inner/c.dis");
        ShowForm();
        QCOMPARE(PageNames(), QStringList({"b", "z", "sub/a", "sub/inner/c"}));
        QCOMPARE(form->thumbName[2], std::string("sub/a"));
        QVERIFY(form->thumbView[3] != nullptr);
        QVERIFY(form->thumbView[4] == nullptr);
    }

    void thirtyDrawingsArePagedByTwentyFour()
    {
        WriteNumbered("draw", 30);
        ShowForm();
        QCOMPARE(form->count, 30);
        QCOMPARE(PageNames().size(), 24);
        QCOMPARE(PageNames().first(), QString("d00"));
        QCOMPARE(PageNames().last(), QString("d23"));
        QVERIFY(form->BtnUp->isEnabled() && form->BtnDown->isEnabled());
        QTest::mouseClick(form->BtnUp, Qt::LeftButton);  // already at the start
        QCOMPARE(form->first, 0);
        Click(20);
        QTest::mouseClick(form->BtnDown, Qt::LeftButton);
        QCOMPARE(form->first, 24);
        QCOMPARE(PageNames(), QStringList({"d24", "d25", "d26", "d27", "d28", "d29"}));
        // The selection does not carry over to another page, where panel 20 shows nothing.
        QCOMPARE(form->selected, -1);
        QVERIFY(!Highlighted(20));
        Click(20);
        QCOMPARE(form->selected, -1);
        QVERIFY(form->thumbView[6] == nullptr);
        QVERIFY(form->thumbDrw[6].entities.empty());
        QTest::mouseClick(form->BtnDown, Qt::LeftButton);  // no further drawings
        QCOMPARE(form->first, 24);
        QTest::mouseClick(form->BtnUp, Qt::LeftButton);
        QCOMPARE(form->first, 0);
        QCOMPARE(PageNames().last(), QString("d23"));
    }

    void clickingASecondPanelHighlightsOnlyItsLabel()
    {
        WriteNumbered("draw", 3);
        ShowForm();
        Click(0);
        QVERIFY(Highlighted(0));
        Click(2);
        QCOMPARE(form->selected, 2);
        QVERIFY(Highlighted(2));
        QVERIFY(!Highlighted(0));
        QVERIFY(!form->Label[0]->font().bold() && !form->Label[0]->autoFillBackground());
        QCOMPARE(form->Label[0]->palette().color(QPalette::WindowText), QColor(Qt::black));
        Click(5);  // a panel without a drawing
        QCOMPARE(form->selected, 2);
    }

    void doubleClickOpensThePanelsDrawing()
    {
        WriteNumbered("draw", 3);
        ShowForm();
        QTest::mouseDClick(form->DisPaintBox[1], Qt::LeftButton);
        QCOMPARE(form->resultPath, progDir->File("draw/d01.dis"));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(!form->isVisible());
        QCOMPARE(StoredFolder(), progDir->File("draw/") + "\r\n");
        // Closing empties the page.
        QVERIFY(!form->shown);
        QVERIFY(PageNames().isEmpty());
    }

    void openButtonReturnsTheSelectedDrawingOfTheShownPage()
    {
        WriteNumbered("draw", 26);
        ShowForm();
        QTest::mouseClick(form->BtnDown, Qt::LeftButton);
        Click(1);
        QTest::mouseClick(form->OpenButton, Qt::LeftButton);
        QCOMPARE(form->resultPath, progDir->File("draw/d25.dis"));
    }

    void cancelStoresTheFolderTheCloseBoxDoesNot()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        ShowForm();
        Click(0);
        form->close();
        QVERIFY(!std::filesystem::exists(progDir->File("data/disdir.dat")));
        QVERIFY(form->resultPath.empty());
        ShowForm();
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(form->resultPath.empty());
        QCOMPARE(StoredFolder(), progDir->File("draw/") + "\r\n");
    }

    void changedFolderShowsItsFirstPageAndIsRemembered()
    {
        std::filesystem::create_directories(progDir->File("draw"));
        WriteNumbered("other", 25);
        ShowForm();
        QVERIFY(!form->BtnDown->isEnabled());
        folderAnswer = progDir->File("other");
        QTest::mouseClick(form->SelDisFolderBtn, Qt::LeftButton);
        QCOMPARE(form->PathLabel->text(), ToQString(progDir->File("other/")));
        QCOMPARE(form->count, 25);
        QCOMPARE(PageNames().first(), QString("d00"));
        QCOMPARE(form->selected, -1);
        // The paging buttons serve the new folder.
        QTest::mouseClick(form->BtnDown, Qt::LeftButton);
        QCOMPARE(PageNames(), QStringList({"d24"}));
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        QCOMPARE(StoredFolder(), progDir->File("other/") + "\r\n");
        // The next time the browser opens in the remembered folder.
        ShowForm();
        QCOMPARE(form->Folder(), progDir->File("other/"));
        QCOMPARE(form->count, 25);
    }

    void cancelledFolderDialogChangesNothing()
    {
        WriteNumbered("draw", 2);
        ShowForm();
        Click(1);
        QTest::keyClick(form.get(), Qt::Key_Escape);  // Esc is the folder button's key
        QCOMPARE(form->Folder(), progDir->File("draw/"));
        QCOMPARE(PageNames(), QStringList({"d00", "d01"}));
        QCOMPARE(form->selected, 1);
        QVERIFY(form->isVisible());
    }

    void damagedDrawingReportsAndTheRestStillWork()
    {
        WriteDrawing(*progDir, "draw/a.dis");
        WriteDamagedDrawing(*progDir, "draw/b.dis");
        WriteDrawing(*progDir, "draw/c.dis", 40, 8);
        ShowForm();
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(recorder->Texts()[0].rfind("DRW005", 0) == 0);
        QCOMPARE(PageNames(), QStringList({"a", "b", "c"}));
        QVERIFY(form->thumbDrw[2].entities == Rectangle(40, 8).entities);
        form->Refresh();
        Click(2);
        QTest::mouseClick(form->OpenButton, Qt::LeftButton);
        QCOMPARE(form->resultPath, progDir->File("draw/c.dis"));
    }

    void refreshPaintsEachThumbnailFittedToItsPanel()
    {
        WriteDrawing(*progDir, "draw/a.dis", 10, 5);
        WriteDrawing(*progDir, "draw/b.dis", 5, 50);
        ShowForm();
        QCOMPARE(form->redrawRequest, 1);
        QCOMPARE(CountPixels(form->DisPaintBox[0]->Image(), TArchivioDisegniForm::ThumbPen), 0);
        form->Refresh();
        QCOMPARE(form->redrawRequest, 0);
        QCOMPARE(form->thumbView[1]->extMaxY, 50.0);
        // Each rectangle spans its paint box inside the margins along its longer side: two such sides, drawn.
        const int span = form->DisPaintBox[0]->width() - 2 * TArchivioDisegniForm::ThumbMargin;
        for (int k : {0, 1})
            QVERIFY(CountPixels(form->DisPaintBox[k]->Image(), TArchivioDisegniForm::ThumbPen) > 2 * span - 4);
        QCOMPARE(CountPixels(form->DisPaintBox[2]->Image(), TArchivioDisegniForm::ThumbPen), 0);
        // A closed dialog paints nothing.
        form->close();
        form->redrawRequest = 1;
        form->Refresh();
        QCOMPARE(CountPixels(form->DisPaintBox[0]->Image(), TArchivioDisegniForm::ThumbPen), 0);
    }
};

QTEST_MAIN(TestArchivioDisegni)
#include "test_archiviodisegni.moc"
