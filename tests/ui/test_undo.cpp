// Tests of undo and redo on the drawing window and the main window: every command that changes the drawing is one
// named step that undo takes back whole and redo does again, a command that changes nothing adds none, the entries
// and buttons are enabled and named by the state, the window refreshes after them, and the modified mark follows
// the saved state.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "entity_dialog_helpers.h"
#include "l10n/messaggi.h"
#include "part_fixture.h"
#include "ui/copyent.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/moveent.h"
#include "ui/ottisequ.h"
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

// Presses a dialog's button with the enabled states its periodic update would have set.
void PressInOptimisation(TOttiSequForm& dialog, QAbstractButton* button)
{
    dialog.UpdateControls();
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickTool(TMDIChild& child, ToolMode mode, std::initializer_list<std::pair<double, double>> points)
{
    child.StartTool(mode);
    for (auto [x, y] : points)
        child.ClickPoint(x, y);
}

void Press(TMDIChild& child, const char* button)
{
    child.Tick();
    QTest::mouseClick(child.Button(button), Qt::LeftButton);
}

// Runs the command of the given name on the window: the drawing commands, the dialogs confirmed (or, for the
// names ending in "cancelled", closed with "Annulla") and the drawing tools.
void RunCommand(TMDIChild& child, const QString& command)
{
    if (command == "mirror X")
        Press(child, "ToolButton13");
    else if (command == "mirror Y")
        Press(child, "ToolButton12");
    else if (command == "rotate CW")
        Press(child, "ToolButton15");
    else if (command == "rotate CCW")
        Press(child, "ToolButton16");
    else if (command == "simplify")
        child.SimplifyDrawing();
    else if (command == "restore")
        Press(child, "ToolButton14");
    else if (command.startsWith("delete")) {
        const bool pick = command == "delete";
        WhenModal<TSelEntityForm>([pick](TSelEntityForm& form) {
            if (pick)
                DragAround(form, 50, 50, 2);
            QTest::mouseClick(form.OkButton, Qt::LeftButton);
        });
        Press(child, "ToolButton27");
    } else if (command.startsWith("move")) {
        const bool ok = command == "move";
        WhenModal<TMoveEntForm>([ok](TMoveEntForm& form) {
            Type(form.XEdt, "300");
            QTest::mouseClick(ok ? form.ModButton : form.CancelButton, Qt::LeftButton);
        });
        Press(child, "ToolButton30");
    } else if (command.startsWith("copy")) {
        const QString offset = command == "copy" ? "100" : "0";
        WhenModal<TCopyEntForm>([offset](TCopyEntForm& form) {
            Type(form.YEdt, offset);
            QTest::mouseClick(form.ModButton, Qt::LeftButton);
        });
        Press(child, "ToolButton35");
    } else if (command == "resize entities") {
        WhenModal<TRedimEntForm>([](TRedimEntForm& form) {
            Type(form.PercEdt, "50");
            QTest::mouseClick(form.ModButton, Qt::LeftButton);
        });
        Press(child, "ToolButton20");
    } else if (command.startsWith("resize drawing")) {
        const bool ok = command == "resize drawing";
        WhenModal<TRidimForm>([ok](TRidimForm& form) {
            Type(form.XEdt, "400");
            QTest::mouseClick(ok ? form.ModButton : form.CancelButton, Qt::LeftButton);
        });
        Press(child, "ToolButton17");
    } else if (command.startsWith("optimise")) {
        const bool ok = command == "optimise";
        WhenModal<TOttiSequForm>([ok](TOttiSequForm& form) {
            form.MinDistEdt->setText("1000");
            PressInOptimisation(form, form.AutoJoinButton);
            PressInOptimisation(form, ok ? form.ModButton : form.CancelButton);
        });
        Press(child, "ToolButton33");
    } else if (command == "line")
        ClickTool(child, ToolMode::Line, {{0, 200}, {50, 250}});
    else if (command == "polyline") {
        ClickTool(child, ToolMode::Polyline, {{0, 200}, {50, 250}, {100, 200}, {150, 250}});
        child.StopTool(true);
    } else if (command == "arc")
        ClickTool(child, ToolMode::Arc, {{0, 200}, {50, 250}, {100, 200}});
    else if (command == "collinear arc")
        ClickTool(child, ToolMode::Arc, {{0, 200}, {50, 200}, {100, 200}});
    else if (command == "polyarc") {
        ClickTool(child, ToolMode::Polyarc, {{0, 200}, {50, 250}, {100, 200}, {150, 150}, {200, 200}});
        child.StopTool(true);
    } else if (command == "rectangle")
        ClickTool(child, ToolMode::Rectangle, {{0, 200}, {50, 250}});
    else if (command == "circle")
        ClickTool(child, ToolMode::Circle, {{0, 200}, {0, 250}});
    else
        QFAIL(qPrintable("no such command: " + command));
}

}  // namespace

class TestUndo : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    std::string WritePart() { return WritePartFile(*progDir); }
    std::unique_ptr<TMDIChild> OpenPart()
    {
        auto child = std::make_unique<TMDIChild>(WritePart(), false);
        child->resize(760, 540);
        child->show();
        child->Tick();
        return child;
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

    void everyCommandIsOneStep_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("step");
        QTest::newRow("mirror X") << "mirror X"
                                  << "Specchia in X";
        QTest::newRow("mirror Y") << "mirror Y"
                                  << "Specchia in Y";
        QTest::newRow("rotate CW") << "rotate CW"
                                   << "Ruota in senso orario";
        QTest::newRow("rotate CCW") << "rotate CCW"
                                    << "Ruota in senso antiorario";
        QTest::newRow("simplify") << "simplify"
                                  << "Semplifica il disegno";
        QTest::newRow("restore") << "restore"
                                 << "Ripristina disegno";
        QTest::newRow("delete") << "delete"
                                << "Cancella entità";
        QTest::newRow("move") << "move"
                              << "Sposta entità";
        QTest::newRow("copy") << "copy"
                              << "Copia entità";
        QTest::newRow("resize entities") << "resize entities"
                                         << "Ridimensiona entità";
        QTest::newRow("resize drawing") << "resize drawing"
                                        << "Ridimensiona il disegno";
        QTest::newRow("optimise") << "optimise"
                                  << "Ottimizza percorsi";
        QTest::newRow("line") << "line"
                              << "Linea";
        QTest::newRow("polyline, one step for all segments") << "polyline"
                                                             << "Polilinea";
        QTest::newRow("arc") << "arc"
                             << "Arco";
        QTest::newRow("polyarc, one step for all segments") << "polyarc"
                                                            << "Poliarco";
        QTest::newRow("rectangle") << "rectangle"
                                   << "Rettangolo";
        QTest::newRow("circle") << "circle"
                                << "Cerchio";
    }
    void everyCommandIsOneStep()
    {
        QFETCH(QString, command);
        QFETCH(QString, step);
        auto child = OpenPart();
        if (command == "restore")
            child->MirrorDrawingX();
        const int steps = child->history.StepCount();
        const Drw before = child->drawing;
        RunCommand(*child, command);
        const Drw after = child->drawing;
        QVERIFY(after != before);
        QCOMPARE(child->history.StepCount(), steps + 1);
        QCOMPARE(QString::fromStdString(child->UndoCaption()), "Annulla " + step);
        Press(*child, "UndoButton");
        QCOMPARE(child->drawing, before);
        QCOMPARE(QString::fromStdString(child->RedoCaption()), "Ripeti " + step);
        Press(*child, "RedoButton");
        QCOMPARE(child->drawing, after);
    }

    void aCommandThatChangesNothingAddsNoStep_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("move cancelled") << "move cancelled";
        QTest::newRow("resize drawing cancelled") << "resize drawing cancelled";
        QTest::newRow("optimise cancelled") << "optimise cancelled";
        QTest::newRow("delete with nothing picked") << "delete nothing";
        QTest::newRow("copy by nothing") << "copy by nothing";
        QTest::newRow("arc through three points on a line") << "collinear arc";
        QTest::newRow("restore of the drawing as loaded") << "restore";
    }
    void aCommandThatChangesNothingAddsNoStep()
    {
        QFETCH(QString, command);
        auto child = OpenPart();
        const Drw before = child->drawing;
        RunCommand(*child, command);
        QCOMPARE(child->drawing, before);
        QCOMPARE(child->history.StepCount(), 0);
        child->Tick();
        QVERIFY(!child->Button("UndoButton")->isEnabled());
    }

    // The counts, the time and the view follow an undo and a redo as they followed the command.
    void theWindowRefreshesAfterUndoAndRedo()
    {
        auto child = OpenPart();
        const QString time = child->TimeLbl->text();
        RunCommand(*child, "copy");
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 8"));
        const double copiedScale = child->renderer->scaleX;
        child->ZoomIn();
        child->Undo();
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 4"));
        QCOMPARE(child->SequenzeLbl->text(), QString("Percorsi: 3"));
        QCOMPARE(child->TimeLbl->text(), time);
        child->Redo();
        QCOMPARE(child->EntitaLbl->text(), QString("Entità: 8"));
        QCOMPARE(child->renderer->scaleX, copiedScale);  // fitted again, as after the copy
        // A mirror keeps the view, and so do its undo and redo.
        child->MirrorDrawingX();
        child->ZoomIn();
        const double zoomed = child->renderer->scaleX;
        child->Undo();
        QCOMPARE(child->renderer->scaleX, zoomed);
    }

    void undoPastTheSaveMarksTheDrawingModified()
    {
        auto child = OpenPart();
        QVERIFY(!child->drawing.modified && !child->isWindowModified());
        child->MirrorDrawingX();
        QVERIFY(child->drawing.modified && child->isWindowModified());
        child->SaveDrawing();
        QVERIFY(!child->drawing.modified && !child->isWindowModified());
        child->MirrorDrawingY();
        child->Undo();  // back to the state saved
        QVERIFY(!child->drawing.modified && !child->isWindowModified());
        child->Tick();
        QVERIFY(!child->Button("ToolButton18")->isEnabled());
        child->Undo();  // past it
        QVERIFY(child->drawing.modified && child->isWindowModified());
        QVERIFY(child->windowTitle().endsWith("[*]"));
    }

    void loadingStartsAFreshHistory()
    {
        auto child = OpenPart();
        QCOMPARE(child->history.StepCount(), 0);
        QVERIFY(!child->history.CanUndo() && !child->history.CanRedo());
        QCOMPARE(QString::fromStdString(child->UndoCaption()), QString("Annulla"));
    }

    // The main window's entries and the window's buttons: enabled only with a step to take back or do again, never
    // while the simulation runs or a tool is active; the entries name the step; the standard shortcuts.
    void entriesAndButtonsFollowTheState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("undo");
        QTest::addColumn<bool>("redo");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("fresh history") << "fresh" << false << false << "Annulla";
        QTest::newRow("after a mirror") << "mirrored" << true << false << "Annulla Specchia in X";
        QTest::newRow("after its undo") << "undone" << false << true << "Annulla";
        QTest::newRow("simulation running") << "running" << false << false << "Annulla Specchia in X";
        QTest::newRow("tool active") << "tool" << false << false << "Annulla Specchia in X";
    }
    void entriesAndButtonsFollowTheState()
    {
        QFETCH(QString, state);
        QFETCH(bool, undo);
        QFETCH(bool, redo);
        QFETCH(QString, undoText);
        auto form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        TMDIChild* child = form->OpenDrawingWindow(WritePart(), false);
        if (state != "fresh")
            child->MirrorDrawingX();
        if (state == "undone")
            child->Undo();
        if (state == "running")
            child->StartSimulation(false);
        if (state == "tool")
            child->StartTool(ToolMode::Line);
        form->ExecuteTimer();
        QCOMPARE(form->Action("AnnullaItem")->isEnabled(), undo);
        QCOMPARE(form->Action("RipetiItem")->isEnabled(), redo);
        QCOMPARE(child->Button("UndoButton")->isEnabled(), undo);
        QCOMPARE(child->Button("RedoButton")->isEnabled(), redo);
        QCOMPARE(form->Action("AnnullaItem")->text(), undoText);
        const Drw before = child->drawing;
        child->Undo();
        child->Redo();
        if (!undo && !redo)
            QCOMPARE(child->drawing, before);  // refused
        form.reset();
    }

    // The two buttons stand free in the smallest drawing window, where the operator can click them.
    void buttonsAreReachableInTheSmallestWindow()
    {
        auto form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        TMDIChild* child = form->OpenDrawingWindow(WritePart(), false);
        child->parentWidget()->resize(TMDIChild::MinWidth, TMDIChild::MinHeight);
        child->MirrorDrawingX();
        child->Undo();
        form->ExecuteTimer();
        for (const char* name : {"UndoButton", "RedoButton"}) {
            QToolButton* button = child->Button(name);
            const QPoint centre = form->mapFromGlobal(button->mapToGlobal(button->rect().center()));
            QCOMPARE(form->childAt(centre), button);
            QVERIFY(
                !button->geometry().translated(button->parentWidget()->pos()).intersects(child->InfoPanel->geometry()));
        }
        QTest::mouseClick(child->Button("RedoButton"), Qt::LeftButton);
        QVERIFY(child->history.CanUndo());
        form.reset();
    }

    void standardShortcutsUndoAndRedoTheActiveWindow()
    {
        auto form = std::make_unique<TMainForm>();
        form->resize(1000, 700);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TMDIChild* child = form->OpenDrawingWindow(WritePart(), false);
        const Drw loaded = child->drawing;
        child->MirrorDrawingX();
        const Drw mirrored = child->drawing;
        const std::pair<QKeyCombination, const Drw*> keys[] = {
            {Qt::ControlModifier | Qt::Key_Z, &loaded},
            {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z, &mirrored},
            {Qt::ControlModifier | Qt::Key_Z, &loaded},
            {Qt::ControlModifier | Qt::Key_Y, &mirrored},
        };
        for (const auto& [key, expected] : keys) {
            form->ExecuteTimer();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), key.key(),
                            key.keyboardModifiers());
            QCOMPARE(child->drawing, *expected);
        }
        form.reset();
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
