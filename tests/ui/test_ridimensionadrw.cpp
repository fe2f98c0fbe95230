// Tests of the resize drawing dialog: the present size shown, keeping the proportion while typing, the shrink
// check without scaling, values that are not numbers, drawings of zero width, and the resize that follows.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"
#include "model/drawing_builders.h"
#include "ui/ridimensionadrw.h"

namespace {

void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// A rectangle outline from (x, y) of width w and height h, one path.
Drw Rectangle(double x, double y, double w, double h)
{
    Drw drawing;
    AddChainPath(drawing, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}});
    drawing.modified = false;
    return drawing;
}

}  // namespace

class TestRidimensionaDrw : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    static std::unique_ptr<TRidimForm> Open(const Drw& drawing)
    {
        auto form = std::make_unique<TRidimForm>();
        form->Setup(drawing);
        form->show();
        return form;
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

    void showsThePresentSizeAndTexts()
    {
        auto form = Open(Rectangle(-20, 5, 1000, 500));
        QCOMPARE(form->windowTitle(), QString("RIDIMENSIONA DISEGNO"));
        QCOMPARE(form->PropCB->text(), QString("Mantieni proporzioni"));
        QVERIFY(form->PropCB->isChecked());
        QVERIFY(form->ScalaCB->isChecked());
        QCOMPARE(form->XEdt->text(), QString("1000.00"));
        QCOMPARE(form->YEdt->text(), QString("500.00"));
        QCOMPARE(form->aspectRatio, 0.5);
    }

    void proportionKeptWhileTypingAndTheResizeFollows()
    {
        Drw drawing = Rectangle(0, 0, 1000, 500);
        auto form = Open(drawing);
        Type(form->XEdt, "2000");
        QCOMPARE(form->YEdt->text(), QString("1000.00"));
        Type(form->YEdt, "250");
        QCOMPARE(form->XEdt->text(), QString("500.00"));
        Type(form->YEdt, "1000");
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        double maxX = 0, maxY = 0;
        form->GetResult(maxX, maxY);
        QCOMPARE(maxX, 2000.0);
        QCOMPARE(maxY, 1000.0);
        drawing.ResizeDrawing(maxX, maxY, "");
        double minX = 0, minY = 0;
        drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
        QCOMPARE(maxX - minX, 2000.0);
        QCOMPARE(maxY - minY, 1000.0);
    }

    void withoutProportionTheOtherEditStays()
    {
        auto form = Open(Rectangle(0, 0, 1000, 500));
        form->PropCB->setChecked(false);
        Type(form->XEdt, "2000");
        QCOMPARE(form->YEdt->text(), QString("500.00"));
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        double maxX = 0, maxY = 0;
        form->GetResult(maxX, maxY);
        QCOMPARE(maxX, 2000.0);
        QCOMPARE(maxY, 500.0);
    }

    void shrinkingWithoutScalingIsCheckedAgainstTheExtents_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<bool>("scale");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("10 mm smaller") << "990" << false << false;
        QTest::newRow("0.05 mm smaller") << "999,95" << false << true;
        QTest::newRow("10 mm smaller, scaling") << "990" << true << true;
        QTest::newRow("larger") << "1200" << false << true;
    }
    void shrinkingWithoutScalingIsCheckedAgainstTheExtents()
    {
        QFETCH(QString, width);
        QFETCH(bool, scale);
        QFETCH(bool, accepted);
        auto form = Open(Rectangle(0, 0, 1000, 500));
        form->PropCB->setChecked(false);
        form->ScalaCB->setChecked(scale);
        Type(form->XEdt, width);
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QCOMPARE(form->isVisible(), !accepted);
        QCOMPARE(form->result() == QDialog::Accepted, accepted);
        if (accepted) {
            QCOMPARE(recorder->Count(), 0u);
        } else {
            QCOMPARE(recorder->Count(), 1u);
            QCOMPARE(recorder->Messages()[0], (RecordedMessage{MsgText(240), "AVVISO", MsgStyleWarning}));
        }
    }

    void textThatIsNotANumberKeepsTheDialogOpen()
    {
        auto form = Open(Rectangle(0, 0, 1000, 500));
        Type(form->XEdt, "abc");  // while typing: no message, 0
        QCOMPARE(recorder->Count(), 0u);
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(recorder->Count(), 1u);
        QVERIFY(recorder->Messages()[0].text.rfind("MTC002:", 0) == 0);
    }

    void zeroWidthNeverGivesNonFiniteSizes()
    {
        Drw drawing;
        AddChainPath(drawing, {{10, 0}, {10, 300}});
        auto form = Open(drawing);
        QCOMPARE(form->aspectRatio, LargestDouble);
        Type(form->XEdt, "5");
        QCOMPARE(form->YEdt->text(), QString("300.00"));
        Type(form->YEdt, "600");
        QCOMPARE(form->XEdt->text(), QString("5"));
        QTest::mouseClick(form->ModButton, Qt::LeftButton);
        double maxX = 0, maxY = 0;
        form->GetResult(maxX, maxY);
        QVERIFY(std::isfinite(maxX) && std::isfinite(maxY));
        drawing.ResizeDrawing(maxX, maxY, "");
        for (const Entity& entity : drawing.entities)
            QVERIFY(std::isfinite(entity.x1) && std::isfinite(entity.y1) && std::isfinite(entity.x2) &&
                    std::isfinite(entity.y2));
        QCOMPARE(drawing.entities[0].y2, 600.0);
    }

    void emptyDrawingShowsZero()
    {
        auto form = Open(Drw());
        QCOMPARE(form->XEdt->text(), QString("0.00"));
        Type(form->XEdt, "10");
        QCOMPARE(form->YEdt->text(), QString("0.00"));
    }

    void annullaHandsBackNothing()
    {
        auto form = Open(Rectangle(0, 0, 1000, 500));
        Type(form->XEdt, "2000");
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestRidimensionaDrw)
#include "test_ridimensionadrw.moc"
