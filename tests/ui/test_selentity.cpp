// Tests of the entity selection dialog: picking whole paths with the rubber band, the markers, Esc and Annulla,
// the deletion of the picked paths in their order, and the shared preview's zoom, wheel and held buttons.
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "entity_dialog_helpers.h"
#include "l10n/messaggi.h"
#include "model/drawing_builders.h"
#include "reachability.h"
#include "ui/selentity.h"

using namespace entity_dialogs;

class TestSelEntity : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    // A shown dialog on drawing, its first repaint done.
    static std::unique_ptr<TSelEntityForm> Open(const Drw& drawing)
    {
        auto form = std::make_unique<TSelEntityForm>();
        form->Setup(drawing, "CANCELLA ENTITA'", "   Cancella");
        form->show();
        form->PeriodicUpdate();
        return form;
    }
    static std::vector<int> Selection(const TSelEntityForm& form)
    {
        int count = -1;
        std::vector<int> paths;
        form.GetSelection(count, paths);
        if (count != static_cast<int>(paths.size()))
            return {-1};
        return paths;
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
    }
    void cleanup()
    {
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void showSetsTheTextsAndAnEmptySelection()
    {
        auto form = Open(Rows(3));
        QCOMPARE(form->windowTitle(), QString("CANCELLA ENTITA'"));
        QCOMPARE(form->OkButton->text(), QString("   Cancella"));
        QCOMPARE(form->CancelBtn->text(), QString("Annulla"));
        QCOMPARE(form->Button("ToolButton3")->toolTip(), QString("Zoom esteso"));
        QCOMPARE(form->Button("ToolButton1")->toolTip(), QString("Zoom in"));
        QVERIFY(form->active);
        QCOMPARE(form->SelectedCount(), 0);
        QCOMPARE(form->DisPaintBox->size(), QSize(TSelEntityForm::PreviewWidth, TSelEntityForm::PreviewHeight));
        QCOMPARE(PixelAt(*form, 50, 50), Pen);
    }

    void rubberBandPicksWholePathsOnceInPickOrder()
    {
        auto form = Open(Rows(4));
        DragAround(*form, 50, 25);  // between rows: nothing
        QCOMPARE(Selection(*form), std::vector<int>());
        DragAround(*form, 50, 100);
        DragAround(*form, 50, 100);
        QCOMPARE(Selection(*form), std::vector<int>({3}));
        Drag(*form, -5, -5, 105, 55);  // rows 1 and 2 in one band: increasing number
        QCOMPARE(Selection(*form), std::vector<int>({3, 1, 2}));
    }

    void pickedPathsShowEndMarkersAndEscClearsThem()
    {
        auto form = Open(Rows(3));
        DragAround(*form, 50, 50);
        form->PeriodicUpdate();
        QVERIFY(ColourNear(*form, 0, 50, Marker));
        QVERIFY(ColourNear(*form, 100, 50, Marker));
        QVERIFY(!ColourNear(*form, 0, 0, Marker));
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QCOMPARE(form->SelectedCount(), 0);
        form->PeriodicUpdate();
        QVERIFY(!ColourNear(*form, 0, 50, Marker));
        QVERIFY(!ColourNear(*form, 100, 50, Marker));
    }

    void okReturnsThePicksAnnullaReturnsNone()
    {
        auto form = Open(Rows(3));
        DragAround(*form, 50, 0);
        QTest::mouseClick(form->OkButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(Selection(*form), std::vector<int>({1}));

        auto other = Open(Rows(3));
        DragAround(*other, 50, 0);
        QTest::mouseClick(other->CancelBtn, Qt::LeftButton);
        QCOMPARE(other->result(), int(QDialog::Rejected));
        QCOMPARE(Selection(*other), std::vector<int>());
        QVERIFY(!other->active);
        QVERIFY(!other->view);
    }

    // The picks are numbers of the unchanged drawing, whatever their order: 5 then 3 and 3 then 5 delete the same.
    void picksInEitherOrderDeleteThePickedPaths_data()
    {
        QTest::addColumn<std::vector<double>>("rows");  // y of each pick, in pick order
        QTest::newRow("5 then 3") << std::vector<double>{200, 100};
        QTest::newRow("3 then 5") << std::vector<double>{100, 200};
    }
    void picksInEitherOrderDeleteThePickedPaths()
    {
        QFETCH(std::vector<double>, rows);
        const Drw original = Rows(6);
        auto form = Open(original);
        for (double y : rows)
            DragAround(*form, 50, y);
        QTest::mouseClick(form->OkButton, Qt::LeftButton);
        int count = 0;
        std::vector<int> paths;
        form->GetSelection(count, paths);
        Drw drawing = original;
        QCOMPARE(drawing.DeletePaths(paths), 2);
        QCOMPARE(RowNumbers(drawing), std::vector<int>({0, 1, 3, 5}));
    }

    // ---- The shared preview ----

    void heldZoomRepeatsFromTheThirdTick()
    {
        auto form = Open(Rows(3));
        const double scale = form->view->scaleX;
        QTest::mousePress(form->Button("ToolButton1"), Qt::LeftButton);
        form->PeriodicUpdate();
        form->PeriodicUpdate();
        QCOMPARE(form->view->scaleX, scale);
        form->PeriodicUpdate();
        QVERIFY(form->view->scaleX > scale);
        const double held = form->view->scaleX;
        QTest::mouseRelease(form->Button("ToolButton1"), Qt::LeftButton);  // the click zooms once more
        QVERIFY(form->view->scaleX > held);
        const double released = form->view->scaleX;
        form->PeriodicUpdate();
        QCOMPARE(form->view->scaleX, released);
        QTest::mouseClick(form->Button("ToolButton3"), Qt::LeftButton);
        QCOMPARE(form->view->scaleX, scale);
    }

    void wheelZoomsAboutThePointerInsideThePreviewOnly()
    {
        auto form = Open(Rows(3));
        int px = 0, py = 0;
        form->view->ToPixel(25, 50, px, py);
        QVERIFY(form->WheelAt(px, py, 120));
        double x = 0, y = 0;
        form->view->ToDrawing(px, py, x, y);
        QVERIFY(std::fabs(x - 25) < 0.5 && std::fabs(y - 50) < 0.5);
        const double scale = form->view->scaleX;
        QVERIFY(!form->WheelAt(-3, py, 120));
        QVERIFY(!form->WheelAt(px, TSelEntityForm::PreviewHeight + 3, 120));
        QCOMPARE(form->view->scaleX, scale);
        QVERIFY(form->WheelAt(px, py, -120));
        QVERIFY(form->view->scaleX < scale);
    }

    // A wheel turned sideways only (no vertical movement) does not zoom; nor does it through the platform's event.
    void sidewaysWheelDoesNotZoom()
    {
        auto form = Open(Rows(3));
        const double scale = form->view->scaleX;
        const QPoint at(TSelEntityForm::PreviewWidth / 2, TSelEntityForm::PreviewHeight / 2);
        QVERIFY(!form->WheelAt(at.x(), at.y(), 0));
        QWheelEvent sideways(at, form->DisPaintBox->mapToGlobal(at), QPoint(), QPoint(120, 0), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->DisPaintBox, &sideways);
        QCOMPARE(form->view->scaleX, scale);
    }

    // The axis layer is drawn dashed: along a horizontal axis line the preview shows both its colour and gaps.
    void axisLayerIsDashed()
    {
        Drw drawing = Rows(2);
        AddChainPath(drawing, {{0, 25}, {100, 25}}, "_layer_asse_");
        auto form = Open(drawing);
        int x1 = 0, x2 = 0, y = 0;
        form->view->ToPixel(10, 25, x1, y);
        form->view->ToPixel(90, 25, x2, y);
        const QRgb axis = qRgb(238, 0, 0);
        int lit = 0;
        for (int x = x1; x <= x2; ++x)
            lit += form->DisPaintBox->Image().pixel(x, y) == axis ? 1 : 0;
        QVERIFY(lit > 0);
        QVERIFY(lit < x2 - x1 + 1);
    }

    // The zoom tool bar beside the preview can be reached, button by button.
    void zoomToolBarIsReachable()
    {
        auto form = Open(Rows(3));
        for (QToolButton* button : form->ZoomToolBar->findChildren<QToolButton*>())
            if (button->objectName().startsWith("ToolButton"))
                QVERIFY_REACHABLE(button);
        QVERIFY_APART(form->ZoomToolBar, form->DisPanel, form->OkButton, form->CancelBtn);
    }

    void emptyDrawingPicksNothingAndPaintsBlank()
    {
        auto form = Open(Drw());
        DragAround(*form, 0, 0, 50);
        form->PeriodicUpdate();
        QCOMPARE(form->SelectedCount(), 0);
        QTest::mouseClick(form->Button("ToolButton1"), Qt::LeftButton);
        QTest::mouseClick(form->Button("ToolButton4"), Qt::LeftButton);
        QCOMPARE(form->redrawRequest, 0);
    }
};

QTEST_MAIN(TestSelEntity)
#include "test_selentity.moc"
