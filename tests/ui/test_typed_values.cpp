// Typed values, everywhere: every numeric edit of every dialog (join distance, move, copy, resize entities, resize
// drawing, typed point) given the same hostile texts. Each gives its documented outcome: a text that is not a
// usable number is refused (with a message, or for the typed point by moving the focus back to the edit), and no
// outcome is ever a drawing with coordinates that are not finite numbers.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf_fixtures.h"
#include "l10n/messaggi.h"
#include "model/drawing_builders.h"
#include "support/parlav.h"
#include "ui/copyent.h"
#include "ui/mdichild.h"
#include "ui/moveent.h"
#include "ui/ottisequ.h"
#include "ui/rediment.h"
#include "ui/ridimensionadrw.h"

namespace {

// What came of one typed value.
struct Outcome {
    bool refused = false;  // the dialog stayed open, the join or the point was not made
    Drw result;            // the drawing the value led to (the source's copy when refused)
    Drw preview;           // what a live preview showed meanwhile (empty without one)
};

// Two paths: a line and a joined pair, 100 mm wide.
Drw Source()
{
    Drw drawing;
    AddChainPath(drawing, {{0, 0}, {100, 0}});
    AddChainPath(drawing, {{0, 50}, {50, 60}, {100, 50}});
    drawing.modified = false;
    return drawing;
}

// An entity dialog with the text in one of its edits, confirmed; on Ok its operation is applied to a copy.
template <typename Form>
Outcome ConfirmEntityDialog(const char* editName, const QString& text)
{
    const Drw source = Source();
    Form form;
    form.Setup(source);
    form.show();
    form.template findChild<QLineEdit*>(editName)->setText(text);
    QTest::mouseClick(form.ModButton, Qt::LeftButton);
    Outcome outcome{form.isVisible(), source, form.workDrw};
    if (!outcome.refused)
        form.ApplyResult(outcome.result);
    return outcome;
}

Outcome ConfirmResizeDrawing(const char* editName, const QString& text)
{
    const Drw source = Source();
    TRidimForm form;
    form.Setup(source);
    form.show();
    form.PropCB->setChecked(false);
    form.findChild<QLineEdit*>(editName)->setText(text);
    QTest::mouseClick(form.ModButton, Qt::LeftButton);
    Outcome outcome{form.isVisible(), source, {}};
    if (!outcome.refused) {
        double maxX = 0, maxY = 0;
        form.GetResult(maxX, maxY);
        outcome.result.ResizeDrawing(maxX, maxY, "");
    }
    return outcome;
}

// A distance that is taken is stored in the work data before the join.
Outcome AutoJoinAtDistance(const QString& text)
{
    constexpr double Stored = 123;
    TheParLav->minJoinDistance = Stored;
    Drw source = Source();
    TOttiSequForm dialog;
    dialog.SetDrawing(source);
    dialog.show();
    dialog.MinDistEdt->setText(text);
    dialog.AutoJoinButtonClick();
    return {TheParLav->minJoinDistance == Stored, dialog.workDrw, dialog.workDrw};
}

// The line tool's second point typed in one edit (the other holding 10); the first point is (0, 0).
Outcome TypedPoint(const std::string& dxf, const char* editName, const QString& text)
{
    TMDIChild child(dxf, true);
    child.resize(760, 540);
    child.show();
    child.ToolButton31Click();
    child.ClickPoint(0, 0);
    child.XEdt->setText("10");
    child.YEdt->setText("10");
    child.findChild<QLineEdit*>(editName)->setText(text);
    const int before = child.drawing.entityCount();
    child.XYBitBtnClick();
    return {child.drawing.entityCount() == before, child.drawing, {}};
}

}  // namespace

class TestTypedValues : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<ParLav> savedParLav;

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
        CreateMessageCatalogue();
        savedParLav = std::move(TheParLav);
        TheParLav = std::make_unique<ParLav>();
    }
    void cleanup()
    {
        TheParLav = std::move(savedParLav);
        DestroyMessageCatalogue();
        recorder.reset();
        progDir.reset();
    }

    void hostileTexts_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("usable");  // the text is a number the edit takes
        const QString longNumber(10000, '9');
        const QString edits[] = {"join distance", "move X",       "move Y",           "copy X",
                                 "copy Y",        "resize %",     "resize drawing X", "resize drawing Y",
                                 "typed point X", "typed point Y"};
        for (const QString& edit : edits) {
            // Zero is a number: an offset, a scale or a typed coordinate take it (and change nothing, or give the
            // point 0); a join distance or a drawing size must be above it.
            const bool zeroUsable = !edit.startsWith("join") && !edit.startsWith("resize drawing");
            for (const QString& text :
                 {QString(""), QString("abc"), QString("1e400"), QString("-1e400"), QString("nan"), QString("inf"),
                  QString("0"), QString("-0"), QString("1,2,3"), longNumber}) {
                const bool zero = text == "0" || text == "-0";
                QTest::newRow(qPrintable(edit + " '" + text.left(12) + "'")) << edit << text << (zero && zeroUsable);
            }
        }
    }
    void hostileTexts()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(bool, usable);
        const std::string dxf = progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample());
        Outcome outcome;
        if (edit == "join distance")
            outcome = AutoJoinAtDistance(text);
        else if (edit.startsWith("move"))
            outcome = ConfirmEntityDialog<TMoveEntForm>(edit.endsWith('X') ? "XEdt" : "YEdt", text);
        else if (edit.startsWith("copy"))
            outcome = ConfirmEntityDialog<TCopyEntForm>(edit.endsWith('X') ? "XEdt" : "YEdt", text);
        else if (edit == "resize %")
            outcome = ConfirmEntityDialog<TRedimEntForm>("PercEdt", text);
        else if (edit.startsWith("resize drawing"))
            outcome = ConfirmResizeDrawing(edit.endsWith('X') ? "XEdt" : "YEdt", text);
        else
            outcome = TypedPoint(dxf, edit.endsWith('X') ? "XEdt" : "YEdt", text);
        QVERIFY(outcome.result.AllFinite());
        QVERIFY(outcome.preview.AllFinite());
        QCOMPARE(outcome.refused, !usable);
        // A refusal is said in a message; the typed point's only moves the focus back to its edit.
        if (!usable && !edit.startsWith("typed point"))
            QVERIFY(recorder->Count() > 0);
        if (usable)
            QCOMPARE(recorder->Count(), std::size_t(0));
    }

    // Typed points far apart would make a circle's radius overflow: the circle is not added.
    void typedPointsWhoseFigureOverflowsAddNothing()
    {
        TMDIChild child(progDir->WriteFile("drawing.dxf", dxf_fixtures::Sample()), true);
        child.resize(760, 540);
        child.show();
        child.ToolButton40Click();
        child.ClickPoint(1e308, 1e308);
        child.ClickPoint(-1e308, -1e308);
        QVERIFY(!child.ToolActive());
        QCOMPARE(child.drawing.entityCount(), 3);
        QVERIFY(child.drawing.AllFinite());
    }
};

QTEST_MAIN(TestTypedValues)
#include "test_typed_values.moc"
