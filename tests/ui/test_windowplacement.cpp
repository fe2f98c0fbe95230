// Tests of where windows go: the main window's first state by screen size, a window kept inside the frame, and
// tiling that keeps every window inside the frame at its minimum size.
#include <QTest>

#include "ui/windowplacement.h"

namespace {

// Whether no two places overlap.
bool Disjoint(const std::vector<QRect>& places)
{
    for (std::size_t i = 0; i < places.size(); ++i)
        for (std::size_t j = i + 1; j < places.size(); ++j)
            if (places[i].intersects(places[j]))
                return false;
    return true;
}

}  // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void mainWindowStartsMaximisedOnSmallScreens_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("1366 x 768") << QSize(1366, 768) << true;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
        QTest::newRow("1920 x 1200") << QSize(1920, 1200) << false;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << false;
    }
    void mainWindowStartsMaximisedOnSmallScreens()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, maximised);
        QCOMPARE(StartMaximised(screen), maximised);
    }

    void windowIsMovedInsideTheArea_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("placed");
        const QRect area(0, 0, 1000, 600);
        QTest::newRow("inside stays") << QRect(10, 20, 500, 400) << QRect(10, 20, 500, 400);
        QTest::newRow("past the right and bottom") << QRect(700, 300, 500, 400) << QRect(500, 200, 500, 400);
        QTest::newRow("before the left and top") << QRect(-50, -9, 500, 400) << QRect(0, 0, 500, 400);
        QTest::newRow("larger than the area") << QRect(300, 300, 1200, 700) << QRect(0, 0, 1200, 700);
    }
    void windowIsMovedInsideTheArea()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, placed);
        QCOMPARE(PlaceInside(window, QRect(0, 0, 1000, 600)), placed);
    }

    // Six windows of at least 550 x 440: every one inside the frame; apart wherever the frame has room for them.
    void tilingKeepsEveryWindowInsideTheFrame_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("apart");
        QTest::newRow("stacked, room for two rows of three") << QRect(0, 0, 1800, 900) << true << true;
        QTest::newRow("side by side, room for three of two rows") << QRect(0, 0, 1800, 900) << false << true;
        QTest::newRow("stacked, small frame") << QRect(0, 0, 1000, 600) << true << false;
        QTest::newRow("side by side, small frame") << QRect(0, 0, 1000, 600) << false << false;
    }
    void tilingKeepsEveryWindowInsideTheFrame()
    {
        QFETCH(QRect, area);
        QFETCH(bool, horizontal);
        QFETCH(bool, apart);
        const QSize minimum(550, 440);
        const std::vector<QRect> places = TileRects(6, area, minimum, horizontal);
        QCOMPARE(places.size(), 6u);
        for (const QRect& place : places) {
            QVERIFY(area.contains(place));
            QVERIFY(place.width() >= minimum.width() && place.height() >= minimum.height());
        }
        QCOMPARE(Disjoint(places), apart);
    }

    // With room for full strips the tiling is the plain one: equal strips, the full width (or height) each.
    void tilingWithRoomGivesStrips()
    {
        const std::vector<QRect> stacked = TileRects(2, QRect(0, 0, 800, 1000), QSize(550, 440), true);
        QCOMPARE(stacked, (std::vector<QRect>{QRect(0, 0, 800, 500), QRect(0, 500, 800, 500)}));
        const std::vector<QRect> sideBySide = TileRects(2, QRect(0, 0, 1200, 500), QSize(550, 440), false);
        QCOMPARE(sideBySide, (std::vector<QRect>{QRect(0, 0, 600, 500), QRect(600, 0, 600, 500)}));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
