// The exported bitmap read back with Qt's image reader: the right size, the export's colours, and y upwards.
#include <QtTest>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drw.h"
#include "render/bitmapexport.h"

class TestBitmapImage : public QObject {
    Q_OBJECT

private slots:
    void ExportOpensTheRightWayUp();
};

void TestBitmapImage::ExportOpensTheRightWayUp()
{
    MessageRecorder recorder;
    TempProgDir dir;
    Drw drawing;
    // A long line at the top of the drawing and a short one at its bottom.
    drawing.AddLine(0, 100, 100, 100, "0", 1, false, false);
    drawing.AddLine(0, 0, 10, 0, "0", 2, false, false);
    drawing.pathCount = 2;
    const std::string name = dir.File("picture.bmp");
    QVERIFY(ExportDrawingBitmap(drawing, name));
    QImage image;
    QVERIFY(image.load(QString::fromStdString(name), "BMP"));
    QCOMPARE(image.size(), QSize(800, 600));
    const QRgb pen = qRgb(64, 255, 64);
    int topRow = -1, bottomRow = -1;
    for (int y = 0; y < 600; ++y) {
        if (image.pixel(400, y) == pen && topRow < 0)
            topRow = y;
        if (image.pixel(130, y) == pen)
            bottomRow = y;
    }
    QVERIFY(topRow >= 0 && bottomRow >= 0);
    QVERIFY2(topRow < bottomRow, "y = 100 is above y = 0");
    QCOMPARE(topRow, 5);  // buffer row 594 of 600, stored bottom-up
    QCOMPARE(bottomRow, 593);
    QCOMPARE(image.pixel(1, 300), qRgb(166, 202, 240));
    QCOMPARE(recorder.Count(), std::size_t(0));
}

QTEST_MAIN(TestBitmapImage)
#include "test_bitmapimage.moc"
