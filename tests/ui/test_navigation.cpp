// Tests of the drawing window's navigation with the mouse: dragging the drawing with the middle button (and the
// left one while no drawing tool is active) and the zoom window, with the picture and the read-out following.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "reachability.h"
#include "support/text.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"

namespace {

struct DrawingPoint {
    double x, y;
};

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<TMDIChild> child;

    DrawingPoint Under(QPoint pixel) const
    {
        DrawingPoint p;
        child->renderer->ToDrawing(pixel.x(), pixel.y(), p.x, p.y);
        return p;
    }

    // The mouse as the operator moves it: press, moves with the button held, release, on the paint box.
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        PaintBox* box = child->DisPaintBox;
        QTest::mousePress(box, button, {}, from);
        const QPoint middle = (from + to) / 2;
        for (QPoint at : {middle, to}) {
            QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, button, Qt::NoModifier);
            QApplication::sendEvent(box, &move);
        }
        QTest::mouseRelease(box, button, {}, to);
    }

    // Within half a pixel.
    bool Same(DrawingPoint a, DrawingPoint b) const
    {
        const double half = 0.5 / child->renderer->scaleX;
        return std::fabs(a.x - b.x) <= half && std::fabs(a.y - b.y) <= half;
    }

    QString ReadOut(QPoint pixel) const
    {
        const DrawingPoint p = Under(pixel);
        return QString::fromStdString(StrFormat("X=%4.2f Y=%4.2f", p.x, p.y));
    }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        child = std::make_unique<TMDIChild>(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        child->resize(760, 540);
        child->show();
        child->Tick();
    }
    void cleanup()
    {
        child.reset();
        recorder.reset();
        progDir.reset();
    }

    // Dragging carries the drawing point under the mouse along with it, repaints at once and keeps the read-out
    // on the point under the mouse; the middle button drags also while a drawing tool waits for a point, and the
    // tool does not take that press as its point.
    void dragMovesTheViewByTheDragsLength_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("tool");
        QTest::newRow("middle") << int(Qt::MiddleButton) << false;
        QTest::newRow("left") << int(Qt::LeftButton) << false;
        QTest::newRow("middle during a tool") << int(Qt::MiddleButton) << true;
    }
    void dragMovesTheViewByTheDragsLength()
    {
        QFETCH(int, button);
        QFETCH(bool, tool);
        if (tool)
            child->ToolButton31Click();
        const QPoint from(200, 150), to(from + QPoint(83, -41));
        const DrawingPoint grabbed = Under(from);
        const QImage before = child->DisPaintBox->Image();
        Drag(Qt::MouseButton(button), from, to);
        QVERIFY(Same(Under(to), grabbed));
        QVERIFY(child->DisPaintBox->Image() != before);
        QCOMPARE(child->QuoteMouseLbl->text(), ReadOut(to));
        QCOMPARE(child->drawTool.Stage(), tool ? ToolStage::First : ToolStage::None);
    }

    // While a drawing tool is active the left button gives the tool its point and leaves the view.
    void leftButtonDuringAToolClicksThePoint()
    {
        child->ToolButton31Click();
        const double scale = child->renderer->scaleX, panX = child->renderer->panX;
        Drag(Qt::LeftButton, QPoint(200, 150), QPoint(260, 150));
        QCOMPARE(child->drawTool.Stage(), ToolStage::Second);
        QCOMPARE(child->renderer->scaleX, scale);
        QCOMPARE(child->renderer->panX, panX);
    }

    // The rectangle dragged after "Zoom finestra" (its button reached in the smallest window) becomes the view: all
    // of it visible, filling the picture along one axis; the read-out follows the new view and the command ends.
    void zoomWindowShowsTheDraggedRectangle()
    {
        child->resize(TMDIChild::MinWidth, TMDIChild::MinHeight);
        child->Tick();
        QToolButton* button = child->Button("ZoomFinestraButton");
        QVERIFY_REACHABLE(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(child->ZoomWindowActive());
        const QPoint a(150, 120), b(330, 210);
        const DrawingPoint corner1 = Under(a), corner2 = Under(b);
        const double scale = child->renderer->scaleX;
        Drag(Qt::LeftButton, a, b);
        QVERIFY(!child->ZoomWindowActive());
        const myDraw& view = *child->renderer;
        QVERIFY(view.scaleX > scale);
        const double half = 0.5 / view.scaleX;
        QVERIFY(view.visMinX <= corner1.x + half && view.visMaxX >= corner2.x - half);
        QVERIFY(view.visMinY <= corner2.y + half && view.visMaxY >= corner1.y - half);
        const double fillX = (corner2.x - corner1.x) * view.scaleX / (view.areaRight - view.areaLeft);
        const double fillY = (corner1.y - corner2.y) * view.scaleY / (view.areaBottom - view.areaTop);
        QVERIFY(std::fabs(std::max(fillX, fillY) - 1) < 1e-9);
        QCOMPARE(child->QuoteMouseLbl->text(), ReadOut(b));
    }

    // A rectangle too small to mean anything, and Escape during the drag, leave the view as it was; the XOR
    // rectangle is gone from the picture either way.
    void zoomWindowLeftWithoutARectangleKeepsTheView()
    {
        const QImage picture = child->DisPaintBox->Image();
        const double scale = child->renderer->scaleX;
        child->ZoomWindowCommand();
        Drag(Qt::LeftButton, QPoint(150, 120), QPoint(152, 121));
        QVERIFY(!child->ZoomWindowActive());
        QCOMPARE(child->renderer->scaleX, scale);

        child->ZoomWindowCommand();
        QTest::mousePress(child->DisPaintBox, Qt::LeftButton, {}, QPoint(150, 120));
        QMouseEvent move(QEvent::MouseMove, QPoint(300, 200), child->DisPaintBox->mapToGlobal(QPoint(300, 200)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(child->DisPaintBox, &move);
        QTest::keyClick(child.get(), Qt::Key_Escape);
        QTest::mouseRelease(child->DisPaintBox, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(!child->ZoomWindowActive());
        QCOMPARE(child->renderer->scaleX, scale);
        QCOMPARE(child->DisPaintBox->Image(), picture);
    }

    // The zoom window gives way to a drawing tool, and is not offered while one is active.
    void zoomWindowAndToolsExcludeEachOther()
    {
        child->ZoomWindowCommand();
        child->ToolButton31Click();
        QVERIFY(!child->ZoomWindowActive());
        QVERIFY(child->ToolActive());
        child->Tick();
        QVERIFY(!child->Button("ZoomFinestraButton")->isEnabled());
        child->ZoomWindowCommand();
        QVERIFY(!child->ZoomWindowActive());
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
