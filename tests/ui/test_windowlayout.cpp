// Tests of the remembered layout: the main window comes back where, as large and as maximised as it was left, its
// drawing windows open maximised when they were, and a remembered place is fitted to the screens present.
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

#include <memory>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "part_fixture.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/windowlayout.h"

class TestWindowLayout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    static QMdiSubWindow* SubWindow(TMDIChild* child) { return qobject_cast<QMdiSubWindow*>(child->parentWidget()); }

private slots:
    void init()
    {
        progDir = std::make_unique<TempProgDir>();
        recorder = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        recorder.reset();
        progDir.reset();
    }

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
        const std::string part = WritePartFile(*progDir);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame(screen.left() + 10, screen.top() + 20, 830, 460);
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

    void aMaximisedMainWindowComesBackMaximisedOnTheScreen()
    {
        progDir->WriteFile("data/window.dat", "-4000 9000 900 600 1 0\r\n");
        TMainForm form;
        QVERIFY(ShowRememberedLayout(form));
        QVERIFY(form.isMaximized());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(form.normalGeometry().topLeft()));
        QCOMPARE(form.normalGeometry().size(), QSize(900, 600).boundedTo(screen.size()).expandedTo(form.minimumSize()));
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
        if (!line.isEmpty())
            progDir->WriteFile("data/window.dat", line.toStdString());
        TMainForm form;
        QVERIFY(!ShowRememberedLayout(form));
        QVERIFY(!form.isVisible());
        QVERIFY(recorder->Messages().empty());
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_windowlayout.moc"
