// Tests of the entity dialogs' commands on a drawing window: the drawing window's buttons and the main window's
// entries open the dialog modally on the window's drawing, apply its result on Ok (counts, fit, repaint) and
// change nothing on "Annulla"; the main window's timer runs the open dialog's periodic update.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "entity_dialog_helpers.h"
#include "l10n/messaggi.h"
#include "ui/copyent.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/moveent.h"
#include "ui/rediment.h"
#include "ui/ridimensionadrw.h"
#include "ui/selentity.h"

using namespace entity_dialogs;

namespace {

void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Extents(const Drw& drawing, double& minX, double& minY, double& maxX, double& maxY)
{
    drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
}

}  // namespace

class TestEditCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    // A shown window on the sample: a line (0, 0)-(100, 0), a line (100, 0)-(100, 50), a half circle above them.
    std::unique_ptr<TMDIChild> OpenSample()
    {
        auto child = std::make_unique<TMDIChild>(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        child->resize(760, 540);
        child->show();
        child->Tick();
        return child;
    }
    static void Press(TMDIChild& child, const char* button) { QTest::mouseClick(child.Button(button), Qt::LeftButton); }

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

    void moveButtonMovesTheWindowsDrawingAndFitsIt()
    {
        auto child = OpenSample();
        const double scale = child->renderer->scaleX;
        bool found = false;
        WhenModal<TMoveEntForm>(
            [](TMoveEntForm& form) {
                Type(form.XEdt, "300");
                QTest::mouseClick(form.ModButton, Qt::LeftButton);
            },
            &found);
        Press(*child, "ToolButton30");
        QVERIFY(found);
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        Extents(child->drawing, minX, minY, maxX, maxY);
        QCOMPARE(minX, 300.0);
        QCOMPARE(child->renderer->extMinX, 300.0 - 0.1 * (maxX - minX));  // fitted with the window's margin
        QCOMPARE(child->renderer->scaleX, scale);
        QVERIFY(child->drawing.modified);
    }

    void copyButtonAppendsCopiesAndTheCountsFollow()
    {
        auto child = OpenSample();
        WhenModal<TCopyEntForm>([](TCopyEntForm& form) {
            Type(form.YEdt, "100");
            QTest::mouseClick(form.ModButton, Qt::LeftButton);
        });
        Press(*child, "ToolButton35");
        QCOMPARE(child->drawing.pathCount, 6);
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 6"));
        QCOMPARE(child->SequenzeLbl->text(), QString("Percorsi: 6"));
    }

    void deleteButtonDeletesThePickedPaths()
    {
        auto child = OpenSample();
        WhenModal<TSelEntityForm>([](TSelEntityForm& form) {
            QCOMPARE(form.windowTitle(), QString("CANCELLA ENTITA'"));
            QCOMPARE(form.OkButton->text(), QString("   Cancella"));
            DragAround(form, 100, 25, 2);  // path 2, the vertical line, and not the arc 5 mm away
            QTest::mouseClick(form.OkButton, Qt::LeftButton);
        });
        Press(*child, "ToolButton27");
        QCOMPARE(child->drawing.pathCount, 2);
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 2"));
        QVERIFY(child->drawing.entities[1].isArc);
        QCOMPARE(child->drawing.entities[1].sequence, 2);
    }

    void annullaLeavesTheDrawingUntouched_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("move") << "ToolButton30";
        QTest::newRow("copy") << "ToolButton35";
        QTest::newRow("resize entities") << "ToolButton20";
        QTest::newRow("delete") << "ToolButton27";
        QTest::newRow("resize drawing") << "ToolButton17";
    }
    void annullaLeavesTheDrawingUntouched()
    {
        QFETCH(QString, button);
        auto child = OpenSample();
        child->drawing.modified = false;
        const Drw before = child->drawing;
        // Some editing in whichever dialog opens, then Annulla.
        WhenModal<QDialog>([](QDialog& dialog) {
            if (auto* edit = dialog.findChild<QLineEdit*>("XEdt"))
                Type(edit, "25");
            if (auto* edit = dialog.findChild<QLineEdit*>("PercEdt"))
                Type(edit, "40");
            if (auto* form = qobject_cast<PreviewForm*>(&dialog))
                Drag(*form, -10, -10, 110, 60);
            QPushButton* cancel = dialog.findChild<QPushButton*>("CancelButton");
            if (!cancel)
                cancel = dialog.findChild<QPushButton*>("CancelBtn");
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        Press(*child, button.toLatin1().constData());
        QCOMPARE(child->drawing.entityCount(), before.entityCount());
        for (int i = 0; i < before.entityCount(); ++i) {
            QCOMPARE(child->drawing.entities[i].x1, before.entities[i].x1);
            QCOMPARE(child->drawing.entities[i].y2, before.entities[i].y2);
        }
        QVERIFY(!child->drawing.modified);
    }

    void resizeDrawingButtonResizesToTheTypedSize()
    {
        auto child = OpenSample();
        WhenModal<TRidimForm>([](TRidimForm& form) {
            QCOMPARE(form.XEdt->text(), QString("100.00"));
            QCOMPARE(form.YEdt->text(), QString("50.00"));
            Type(form.XEdt, "300");
            QCOMPARE(form.YEdt->text(), QString("150.00"));
            QTest::mouseClick(form.ModButton, Qt::LeftButton);
        });
        Press(*child, "ToolButton17");
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        Extents(child->drawing, minX, minY, maxX, maxY);
        QCOMPARE(minX, 0.0);
        QCOMPARE(maxX, 300.0);
        QCOMPARE(maxY, 150.0);
    }

    void mainWindowEntriesActOnTheActiveWindowAndTickTheDialog()
    {
        TMainForm mainForm;
        mainForm.resize(1000, 700);
        mainForm.show();
        TMDIChild* child = mainForm.OpenDrawingWindow(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        mainForm.ExecuteTimer();
        QVERIFY(mainForm.Action("RidimEntAct")->isEnabled());
        bool served = false;
        WhenModal<TRedimEntForm>([&mainForm, &served](TRedimEntForm& form) {
            Type(form.PercEdt, "200");
            form.redrawRequest = 1;
            mainForm.ExecuteTimer();
            served = form.redrawRequest == 0;
            QTest::mouseClick(form.ModButton, Qt::LeftButton);
        });
        mainForm.Action("RidimEntAct")->trigger();
        QVERIFY(served);
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        Extents(child->drawing, minX, minY, maxX, maxY);
        QCOMPARE(maxX - minX, 200.0);
        QCOMPARE(minX, -50.0);  // about the centre of the box (0, 0)-(100, 50)
        // Closed and deregistered: later ticks run no update of it.
        mainForm.ExecuteTimer();
    }
};

QTEST_MAIN(TestEditCommands)
#include "test_edit_commands.moc"
