// Tests of the remembered layout: the main window comes back where, as large and as maximised as it was left, its
// drawing windows open maximised when they were, and a remembered place is fitted to the screens present.
#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "part_fixture.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/windowlayout.h"

class TestWindowLayout : public QObject {
    Q_OBJECT

private:
    static QMdiSubWindow* SubWindow(TMDIChild* child) { return qobject_cast<QMdiSubWindow*>(child->parentWidget()); }

private slots:
    void placesARememberedFrameOnTheScreensPresent_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("placed");
        // The primary screen 1920 x 1080 at the origin, a second 1280 x 1024 to its right.
        QTest::newRow("inside the primary") << QRect(100, 80, 1000, 700) << QRect(100, 80, 1000, 700);
        QTest::newRow("on the second screen") << QRect(2000, 100, 900, 600) << QRect(2000, 100, 900, 600);
        QTest::newRow("past the primary's bottom") << QRect(100, 900, 1000, 700) << QRect(100, 380, 1000, 700);
        QTest::newRow("mostly on the second") << QRect(1700, 50, 1000, 700) << QRect(1920, 50, 1000, 700);
        QTest::newRow("on a screen gone") << QRect(5000, 3000, 1000, 700) << QRect(920, 380, 1000, 700);
        QTest::newRow("larger than its screen") << QRect(2100, 0, 1600, 1200) << QRect(1920, 0, 1280, 1024);
        QTest::newRow("smaller than the minimum") << QRect(10, 10, 300, 200) << QRect(10, 10, 820, 450);
    }
    void placesARememberedFrameOnTheScreensPresent()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, placed);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(PlaceOnScreens(frame, screens, QSize(820, 450)), placed);
    }

    void theMainWindowAndItsDrawingWindowsComeBackAsLeft()
    {
        TempProgDir progDir;
        MessageRecorder recorder;
        const std::string part = WritePartFile(progDir);
        const QRect frame(100, 80, 1000, 700);
        {
            TMainForm form;
            form.setGeometry(frame);
            form.show();
            SubWindow(form.OpenDrawingWindow(part, false))->showMaximized();
            form.close();
        }
        TMainForm form;
        QVERIFY(ShowRememberedLayout(form));
        QVERIFY(form.isVisible());
        QCOMPARE(form.normalGeometry(), frame);
        QVERIFY(!form.isMaximized());
        QVERIFY(SubWindow(form.OpenDrawingWindow(part, false))->isMaximized());
    }

    void aRememberedFrameComesBackOnAScreenPresent_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QRect>("placed");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QString>("screen");
        QTest::newRow("on the second screen")
            << QByteArray("2000 100 900 600 0 0\r\n") << QRect(2000, 100, 900, 600) << false << "right";
        QTest::newRow("maximised on a screen gone")
            << QByteArray("5000 3000 1000 700 1 0\r\n") << QRect(920, 380, 1000, 700) << true << "left";
    }
    void aRememberedFrameComesBackOnAScreenPresent()
    {
        QFETCH(QByteArray, line);
        QFETCH(QRect, placed);
        QFETCH(bool, maximised);
        QFETCH(QString, screen);
        TempProgDir progDir;
        MessageRecorder recorder;
        progDir.WriteFile("data/window.dat", line.toStdString());
        TMainForm form;
        QVERIFY(ShowRememberedLayout(form));
        QCOMPARE(form.normalGeometry(), placed);
        QCOMPARE(form.isMaximized(), maximised);
        QCOMPARE(form.screen()->name(), screen);
        QVERIFY(!form.drawingsMaximised);
    }

    void nothingRememberedLeavesTheWindowToItsDefault_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("five numbers") << QByteArray("10 10 900 600 0\r\n");
        QTest::newRow("no size") << QByteArray("10 10 0 600 0 0\r\n");
        QTest::newRow("a state not 0 or 1") << QByteArray("10 10 900 600 2 0\r\n");
        QTest::newRow("not numbers") << QByteArray("dieci 10 900 600 0 0\r\n");
    }
    void nothingRememberedLeavesTheWindowToItsDefault()
    {
        QFETCH(QByteArray, line);
        TempProgDir progDir;
        MessageRecorder recorder;
        if (!line.isEmpty())
            progDir.WriteFile("data/window.dat", line.toStdString());
        TMainForm form;
        QVERIFY(!ShowRememberedLayout(form));
        QVERIFY(!form.isVisible());
        QVERIFY(recorder.Messages().empty());
    }
};

// The offscreen platform with two screens: the primary "left" 1920 x 1080 at the origin and "right" 1280 x 1024
// beside it, as in the table above.
int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUORVIA_TEST_DATA "/screens/two_screens.json");
    QApplication application(argc, argv);
    TestWindowLayout test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_windowlayout.moc"
