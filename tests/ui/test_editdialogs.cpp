// Tests of the move, copy and resize entity dialogs: the live preview from typed values, values that are not
// numbers, picking on the unchanged drawing, the result they hand back and its application, and "Annulla".
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "entity_dialog_helpers.h"
#include "l10n/messaggi.h"
#include "reachability.h"
#include "ui/copyent.h"
#include "ui/moveent.h"
#include "ui/rediment.h"

using namespace entity_dialogs;

namespace {

// The x of the first entity's start of path path.
double StartX(const Drw& drawing, int path)
{
    for (const Entity& entity : drawing.entities)
        if (entity.sequence == path)
            return entity.x1;
    return NAN;
}

bool SameEntities(const Drw& a, const Drw& b)
{
    if (a.entityCount() != b.entityCount() || a.pathCount != b.pathCount)
        return false;
    for (int i = 0; i < a.entityCount(); ++i) {
        const Entity& p = a.entities[i];
        const Entity& q = b.entities[i];
        if (p.x1 != q.x1 || p.y1 != q.y1 || p.x2 != q.x2 || p.y2 != q.y2 || p.sequence != q.sequence)
            return false;
    }
    return true;
}

// Replaces an edit's text as typing would.
void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::keyClicks(edit, text);
}

}  // namespace

class TestEditDialogs : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    Drw source;

    template <typename Form>
    std::unique_ptr<Form> Open()
    {
        auto form = std::make_unique<Form>();
        form->Setup(source);
        form->show();
        form->PeriodicUpdate();
        return form;
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        source = Rows(3);
    }
    void cleanup()
    {
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void eachDialogTakesItsTextsAndSizes()
    {
        auto copy = Open<TCopyEntForm>();
        QCOMPARE(copy->windowTitle(), QString("COPIA ENTITA'"));
        QCOMPARE(copy->ModButton->text(), QString("Copia entità"));
        QCOMPARE(copy->RadioButton5->text(), QString("Copia tutte le entità"));
        QCOMPARE(copy->GroupBox3->title(), QString("Selezione entità"));
        QCOMPARE(copy->size(), QSize(777, 555));
        QCOMPARE(copy->DisPaintBox->size(), QSize(429, 453));
        QCOMPARE(copy->XEdt->text(), QString("0.00"));
        auto move = Open<TMoveEntForm>();
        QCOMPARE(move->windowTitle(), QString("MUOVI ENTITA'"));
        QCOMPARE(move->RadioButton6->text(), QString("Solo entità selezionate"));
        QCOMPARE(move->DisPaintBox->size(), QSize(469, 503));
        auto redim = Open<TRedimEntForm>();
        QCOMPARE(redim->windowTitle(), QString("RIDIMENSIONA ENTITA'"));
        QCOMPARE(redim->ModButton->text(), QString("Modifica"));
        QCOMPARE(redim->PercEdt->text(), QString("100.00"));
        QVERIFY(redim->RadioButton5->isChecked());
    }

    void typedOffsetMovesThePreviewAtOnce()
    {
        auto form = Open<TMoveEntForm>();
        Type(form->XEdt, "12,5");
        QCOMPARE(StartX(form->workDrw, 2), 12.5);
        QCOMPARE(PixelAt(*form, 5, 50), Background);  // the view stays: the left part of the row is empty now
        QCOMPARE(PixelAt(*form, 50, 50), Pen);
        Type(form->XEdt, "");
        QCOMPARE(StartX(form->workDrw, 2), 0.0);
        QCOMPARE(PixelAt(*form, 5, 50), Pen);
        QCOMPARE(form->deltaX, 0.0);
        QVERIFY(SameEntities(source, Rows(3)));  // the source is never touched
        QCOMPARE(recorder->Count(), 0u);         // typing shows no message
    }

    void confirmedOffsetIsAppliedToEveryPath()
    {
        auto form = Open<TMoveEntForm>();
        Type(form->XEdt, " 1 0 ");
        Type(form->YEdt, "-5");
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        double dx = 0, dy = 0;
        bool onlySelected = true;
        int count = -1;
        std::vector<int> paths{7};
        form->GetResult(dx, dy, onlySelected, count, paths);
        QCOMPARE(dx, 10.0);
        QCOMPARE(dy, -5.0);
        QVERIFY(!onlySelected);
        QCOMPARE(count, 0);
        QVERIFY(paths.empty());
        form->ApplyResult(source);
        QCOMPARE(StartX(source, 1), 10.0);
        QCOMPARE(StartX(source, 3), 10.0);
        QCOMPARE(source.entities[0].y1, -5.0);
    }

    void textThatIsNotANumber_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("move") << "move";
        QTest::newRow("copy") << "copy";
        QTest::newRow("resize") << "resize";
    }
    void textThatIsNotANumber()
    {
        QFETCH(QString, dialog);
        std::unique_ptr<EditEntForm> form;
        QLineEdit* edit = nullptr;
        if (dialog == "resize") {
            auto redim = Open<TRedimEntForm>();
            edit = redim->PercEdt;
            Type(edit, "150");
            Type(edit, "abc");
            QCOMPARE(redim->percentage, 100.0);  // the preview falls back to 100 %
            form = std::move(redim);
        } else {
            auto offset = dialog == "move" ? std::unique_ptr<OffsetEntForm>(Open<TMoveEntForm>())
                                           : std::unique_ptr<OffsetEntForm>(Open<TCopyEntForm>());
            edit = offset->XEdt;
            Type(edit, "30");
            Type(edit, "abc");
            QCOMPARE(offset->deltaX, 0.0);
            form = std::move(offset);
        }
        QVERIFY(SameEntities(form->workDrw, source));
        QCOMPARE(recorder->Count(), 0u);
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(recorder->Messages()[0].text.rfind("MTC002:", 0) == 0);
        // The dialog stays open with the edit to correct focused.
        QVERIFY(form->isVisible());
        QCOMPARE(form->focusWidget(), edit);
        form->ApplyResult(source);
        QVERIFY(SameEntities(source, Rows(3)));
        QVERIFY(!source.modified);
    }

    void picksAreMadeOnTheUnchangedDrawing()
    {
        auto form = Open<TMoveEntForm>();
        DragAround(*form, 50, 50);  // "all" chosen: the mouse does nothing
        QCOMPARE(form->SelectedCount(), 0);
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        Type(form->XEdt, "100");
        DragAround(*form, 50, 50);
        QCOMPARE(form->selectedPaths, std::vector<int>({2}));
        QCOMPARE(StartX(form->workDrw, 2), 100.0);
        QCOMPARE(StartX(form->workDrw, 1), 0.0);
        form->PeriodicUpdate();
        QVERIFY(ColourNear(*form, 100, 50, Marker));  // the moved path's start, where the preview shows it
        QVERIFY(!ColourNear(*form, 0, 50, Marker));
        DragAround(*form, 150, 50);  // where path 2 now shows: nothing there in the drawing
        QCOMPARE(form->SelectedCount(), 1);
        DragAround(*form, 50, 0);
        QCOMPARE(form->selectedPaths, std::vector<int>({2, 1}));
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        form->ApplyResult(source);
        QCOMPARE(StartX(source, 1), 100.0);
        QCOMPARE(StartX(source, 2), 100.0);
        QCOMPARE(StartX(source, 3), 0.0);
    }

    void selectedWithNothingPickedChangesNothing()
    {
        auto form = Open<TCopyEntForm>();
        DragAround(*form, 50, 50);
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        Type(form->XEdt, "10");
        QVERIFY(SameEntities(form->workDrw, source));
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        form->ApplyResult(source);
        QVERIFY(SameEntities(source, Rows(3)));
    }

    void switchingToSelectedEmptiesThePicks()
    {
        auto form = Open<TRedimEntForm>();
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        DragAround(*form, 50, 0);
        QCOMPARE(form->SelectedCount(), 1);
        QTest::mouseClick(form->RadioButton5, Qt::LeftButton);
        QCOMPARE(form->SelectedCount(), 1);  // kept while "all" is chosen, unused
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        QCOMPARE(form->SelectedCount(), 0);
    }

    // The zoom tool bar, the edits and the buttons beside each dialog's preview can be reached.
    void controlsBesideThePreviewAreReachable()
    {
        const std::vector<std::unique_ptr<EditEntForm>> forms = [this] {
            std::vector<std::unique_ptr<EditEntForm>> all;
            all.push_back(Open<TMoveEntForm>());
            all.push_back(Open<TCopyEntForm>());
            all.push_back(Open<TRedimEntForm>());
            return all;
        }();
        for (const auto& form : forms) {
            for (QToolButton* button : form->ZoomToolBar->findChildren<QToolButton*>())
                if (button->objectName().startsWith("ToolButton"))
                    QVERIFY_REACHABLE(button);
            for (QWidget* control : form->findChildren<QLineEdit*>())
                QVERIFY_REACHABLE(control);
            for (QWidget* control : std::initializer_list<QWidget*>{form->RadioButton5, form->RadioButton6,
                                                                    form->ModButton, form->CancelButton})
                QVERIFY_REACHABLE(control);
            QVERIFY_APART(form->ZoomToolBar, form->DisPanel, form->GroupBox3, form->ModButton, form->CancelButton);
        }
    }

    // Clicking "selected" again, or Space on it, keeps the picks: only a switch from "all" starts a new list.
    void choosingSelectedAgainKeepsThePicks()
    {
        auto form = Open<TMoveEntForm>();
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        DragAround(*form, 50, 50);
        QCOMPARE(form->SelectedCount(), 1);
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        QTest::keyClick(form->RadioButton6, Qt::Key_Space);
        QCOMPARE(form->selectedPaths, std::vector<int>({2}));
    }

    // A rubber band started by a second press within the double-click time (a double click) picks as any other.
    void quickSecondPressPicksToo()
    {
        auto form = Open<TMoveEntForm>();
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        DragAround(*form, 50, 50);
        int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
        form->view->ToPixel(45, -5, px1, py1);
        form->view->ToPixel(55, 5, px2, py2);
        QTest::mouseDClick(form->DisPaintBox, Qt::LeftButton, {}, QPoint(px1, py1));
        QTest::mouseMove(form->DisPaintBox, QPoint(px2, py2));
        QTest::mouseRelease(form->DisPaintBox, Qt::LeftButton, {}, QPoint(px2, py2));
        QCOMPARE(form->selectedPaths, std::vector<int>({2, 1}));
    }

    // A copy that does not fit the capacity whole: the preview says so once and shows the drawing uncopied; Ok
    // refuses it and the dialog stays open.
    void copyPastTheCapacityIsRefusedWhole()
    {
        source = Rows(MaxEntities / 2 + 1);
        auto form = Open<TCopyEntForm>();
        Type(form->XEdt, "10");
        form->ZoomIn();
        form->PeriodicUpdate();
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(recorder->Messages()[0].text.rfind("ED003:", 0) == 0);
        QCOMPARE(form->workDrw.entityCount(), MaxEntities / 2 + 1);
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QCOMPARE(recorder->Count(), 2u);
        QVERIFY(form->isVisible());
        // A copy of some paths that fits is made (the rows are a few pixels apart at this scale).
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        DragAround(*form, 50, 500, 1000);
        QVERIFY(form->SelectedCount() > 0);
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        form->ApplyResult(source);
        QCOMPARE(source.entityCount(), MaxEntities / 2 + 1 + form->SelectedCount());
        QVERIFY(!source.limitReached);
    }

    // Values whose result holds coordinates that are not finite numbers are refused, the dialog staying open.
    void resultsBeyondTheFiniteNumbersAreRefused_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("value");
        QTest::newRow("move") << "move"
                              << "1,7e308";
        QTest::newRow("copy") << "copy"
                              << "1,7e308";
        QTest::newRow("resize") << "resize"
                                << "1e300";
    }
    void resultsBeyondTheFiniteNumbersAreRefused()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, value);
        source = Drw();
        source.AddLine(1e308, 0, 1.5e308, 1, "0", ++source.pathCount, false, false);
        source.AddLine(-1e308, 0, 0, 1, "0", ++source.pathCount, false, false);
        std::unique_ptr<EditEntForm> form;
        if (dialog == "resize") {
            auto redim = Open<TRedimEntForm>();
            Type(redim->PercEdt, value);
            form = std::move(redim);
        } else {
            auto offset = dialog == "move" ? std::unique_ptr<OffsetEntForm>(Open<TMoveEntForm>())
                                           : std::unique_ptr<OffsetEntForm>(Open<TCopyEntForm>());
            Type(offset->XEdt, value);
            form = std::move(offset);
        }
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(recorder->Messages()[0].text.rfind("ED001:", 0) == 0);
        QVERIFY(form->isVisible());
    }

    void copyAppendsMovedCopiesUnlessTheOffsetIsZero()
    {
        auto zero = Open<TCopyEntForm>();
        QTest::mouseClick(zero->ModButton, Qt::LeftButton);
        zero->ApplyResult(source);
        QVERIFY(SameEntities(source, Rows(3)));

        auto form = Open<TCopyEntForm>();
        Type(form->XEdt, "10");
        QCOMPARE(form->workDrw.pathCount, 6);
        QCOMPARE(source.pathCount, 3);
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        form->ApplyResult(source);
        QCOMPARE(source.pathCount, 6);
        QCOMPARE(StartX(source, 4), 10.0);
        QCOMPARE(StartX(source, 1), 0.0);
    }

    void resizeScalesAboutTheCommonCentre()
    {
        auto form = Open<TRedimEntForm>();
        QTest::mouseClick(form->RadioButton6, Qt::LeftButton);
        Drag(*form, -5, -5, 105, 55);  // paths 1 and 2: box (0, 0)-(100, 50), centre (50, 25)
        Type(form->PercEdt, "50");
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        double percent = 0;
        bool onlySelected = false;
        int count = 0;
        std::vector<int> paths;
        form->GetResult(percent, onlySelected, count, paths);
        QCOMPARE(percent, 50.0);
        QVERIFY(onlySelected);
        QCOMPARE(paths, std::vector<int>({1, 2}));
        form->ApplyResult(source);
        QCOMPARE(StartX(source, 1), 25.0);
        QCOMPARE(source.entities[0].y1, 12.5);
        QCOMPARE(source.entities[1].y1, 37.5);
        QCOMPARE(source.entities[2].y1, 100.0);
    }

    void annullaAndTheCloseBoxHandBackNothing()
    {
        auto form = Open<TMoveEntForm>();
        Type(form->XEdt, "10");
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(!form->view);

        auto closed = Open<TCopyEntForm>();
        Type(closed->XEdt, "10");
        closed->close();
        QCOMPARE(closed->result(), int(QDialog::Rejected));
        QVERIFY(!closed->active);
        QVERIFY(SameEntities(source, Rows(3)));
    }
};

QTEST_MAIN(TestEditDialogs)
#include "test_editdialogs.moc"
