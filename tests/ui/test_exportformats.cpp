// Tests of the exports in the formats people share: the SVG reads back to the drawing's entities (arcs as arcs)
// in one group per path, the PDF has one page of the chosen size, the PNG is the picture of the drawing.
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drawing_builders.h"
#include "pdf_pages.h"
#include "ui/export/drawingsheet.h"
#include "ui/export/exportformats.h"
#include "ui/export/pngexport.h"

namespace {

// One drawn piece as the SVG gives it back: a line or an arc from start to end (radius, large and sweep flags of
// the arc), in the path of number path.
struct Piece {
    int path;
    bool arc;
    double x1, y1, x2, y2;
    double r = 0;
    bool large = false, ccw = false;
};

// The pieces the drawing must read back as: every entity, a full circle as its two halves.
std::vector<Piece> Expected(const Drw& drawing)
{
    std::vector<Piece> pieces;
    for (const Entity& e : drawing.entities) {
        if (!e.isArc) {
            pieces.push_back({e.sequence, false, e.x1, e.y1, e.x2, e.y2});
            continue;
        }
        const double r = Distance(e.x1, e.y1, e.xc, e.yc);
        const double sweep = ArcSweep(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc, e.clockwise);
        if (e.x1 == e.x2 && e.y1 == e.y2) {
            const double ox = 2 * e.xc - e.x1, oy = 2 * e.yc - e.y1;
            pieces.push_back({e.sequence, true, e.x1, e.y1, ox, oy, r, false, !e.clockwise});
            pieces.push_back({e.sequence, true, ox, oy, e.x2, e.y2, r, false, !e.clockwise});
        } else {
            pieces.push_back({e.sequence, true, e.x1, e.y1, e.x2, e.y2, r, sweep > std::numbers::pi, !e.clockwise});
        }
    }
    return pieces;
}

// The pieces of one <path>'s data of M, L and A commands.
void ReadPathData(int path, const QString& data, std::vector<Piece>& pieces)
{
    const QStringList tokens = data.split(' ', Qt::SkipEmptyParts);
    qsizetype i = 0;
    auto number = [&] { return tokens.value(i++).toDouble(); };
    double x = 0, y = 0;
    while (i < tokens.size()) {
        const QString command = tokens[i++];
        Piece p{path, command == "A", x, y, 0, 0};
        if (command == "A") {
            p.r = number();
            QCOMPARE(number(), p.r);
            QCOMPARE(number(), 0.0);
            p.large = number() == 1;
            p.ccw = number() == 1;
        } else if (command != "M" && command != "L") {
            QFAIL(qPrintable("unexpected command " + command));
        }
        x = number();
        y = number();
        p.x2 = x;
        p.y2 = y;
        if (command != "M")
            pieces.push_back(p);
    }
}

// The pieces of an SVG file, with the number of each group they stand in.
std::vector<Piece> ReadSvg(const QString& file)
{
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&in);
    std::vector<Piece> pieces;
    int path = 0;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const QString id = xml.attributes().value("id").toString();
        if (xml.name() == QLatin1String("g") && id.startsWith("path-"))
            path = id.mid(5).toInt();
        else if (xml.name() == QLatin1String("path"))
            ReadPathData(path, xml.attributes().value("d").toString(), pieces);
    }
    return pieces;
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-6;
}

// Paths of lines and arcs both ways, longer and shorter than half a turn, a full circle, and a path whose second
// entity starts away from the first one's end; coordinates that do not round to short decimals.
Drw MixedDrawing()
{
    Drw drawing;
    drawing.AddEntity(MakeLine(0.1, 0.2, 100.0 / 3, 0.2, 1));
    drawing.AddEntity(MakeArc(100.0 / 3, 0.2, 100.0 / 3 + 20, 20.2, 100.0 / 3, 20.2, false, 1));
    drawing.entities[0].joinedNext = drawing.entities[1].joinedPrev = true;
    drawing.AddEntity(MakeArc(60, 0, 40, 0, 50, 0, true, 2));
    drawing.AddEntity(MakeArc(90, 50, 70, 50, 80, 50, false, 3));
    drawing.AddEntity(MakeArc(20, 60, 30, 70, 20, 70, true, 4));
    drawing.AddEntity(MakeArc(130, 70, 130, 70, 120, 70, false, 5));
    drawing.AddEntity(MakeLine(std::sqrt(2.0), 90, 50, 90 + 1e-5, 6));
    drawing.AddEntity(MakeLine(50, 90, 60, 95, 6));
    drawing.entities[6].joinedNext = drawing.entities[7].joinedPrev = true;
    drawing.pathCount = 6;
    return drawing;
}

}  // namespace

class TestExportFormats : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgDir> progDir;
    std::unique_ptr<MessageRecorder> recorder;

    QString Export(const Drw& drawing, const std::string& name, PaperSize paper = PaperSize::A4)
    {
        const std::string path = progDir->File(name);
        if (!ExportDrawing(drawing, path, paper, "/somewhere/part.dxf"))
            return {};
        return QString::fromStdString(path);
    }

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

    void svgReadsBackToTheEntities()
    {
        const Drw drawing = MixedDrawing();
        const QString file = Export(drawing, "part.svg");
        QVERIFY(QSvgRenderer(file).isValid());
        const std::vector<Piece> expected = Expected(drawing), read = ReadSvg(file);
        QCOMPARE(read.size(), expected.size());
        for (std::size_t i = 0; i < read.size(); ++i) {
            const Piece &r = read[i], &e = expected[i];
            QVERIFY2(r.path == e.path && r.arc == e.arc && r.large == e.large && r.ccw == e.ccw,
                     qPrintable(QString("piece %1").arg(i)));
            QVERIFY2(Near(r.x1, e.x1) && Near(r.y1, e.y1) && Near(r.x2, e.x2) && Near(r.y2, e.y2) && Near(r.r, e.r),
                     qPrintable(QString("piece %1").arg(i)));
        }
    }

    // The document is in millimetres, as large as the drawing with a small margin.
    void svgIsInMillimetres()
    {
        QFile file(Export(MixedDrawing(), "part.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        const QString width = xml.attributes().value("width").toString();
        QVERIFY(width.endsWith("mm"));
        const double drawingWidth = 130 - 0.1;  // the circle reaches x = 130, the first line starts at 0.1
        QVERIFY(std::fabs(width.chopped(2).toDouble() - drawingWidth * 1.04) < 1e-6);
    }

    // One page of the paper chosen, turned to the drawing's shape.
    void pdfHasOnePageOfTheChosenSize_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("wide");
        QTest::newRow("A4 portrait") << int(PaperSize::A4) << false;
        QTest::newRow("A4 landscape") << int(PaperSize::A4) << true;
        QTest::newRow("A3 landscape") << int(PaperSize::A3) << true;
    }
    void pdfHasOnePageOfTheChosenSize()
    {
        QFETCH(int, paper);
        QFETCH(bool, wide);
        Drw drawing;
        AddChainPath(drawing, {{0, 0}, {wide ? 300.0 : 100.0, wide ? 100.0 : 300.0}});
        QFile file(Export(drawing, "part.pdf", PaperSize(paper)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::vector<QSizeF> pages = PdfPageSizes(file.readAll());
        QCOMPARE(pages.size(), 1u);
        QSizeF expected = QPageSize(PaperSize(paper) == PaperSize::A3 ? QPageSize::A3 : QPageSize::A4).sizePoints();
        if (wide)
            expected.transpose();
        QVERIFY2(
            std::fabs(pages[0].width() - expected.width()) < 1 && std::fabs(pages[0].height() - expected.height()) < 1,
            qPrintable(QString("%1 x %2").arg(pages[0].width()).arg(pages[0].height())));
    }

    // The drawing, black on white, fills the picture to its margin along its tight axis.
    void pngIsThePictureOfTheDrawing()
    {
        Drw drawing;
        AddChainPath(drawing, {{0, 0}, {400, 0}, {400, 100}});
        const QImage image(Export(drawing, "part.png"));
        QCOMPARE(image.size(), QSize(ExportImageWidth, ExportImageHeight));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        const int margin = ExportImageWidth * 2 / 100;
        const int y = ExportImageHeight / 2 + (ExportImageWidth - 2 * margin) / 8;  // the 400 mm line
        QVERIFY(qGray(image.pixel(ExportImageWidth / 2, y)) < 128);
        QVERIFY(qGray(image.pixel(margin + 1, y)) < 128);
    }

    // Arcs of a radius far beyond the sheet (the flat biarcs of a spline's inflection) keep the chain unbroken: one
    // subpath through every entity's exact ends, no step where the next entity starts.
    void flatArcsKeepTheChainUnbroken()
    {
        Drw drawing;
        const double yc = -std::sqrt(5000.0 * 5000.0 - 50.0 * 50.0);
        drawing.AddEntity(MakeLine(0, -10, 0, 0));
        drawing.AddEntity(MakeArc(0, 0, 100, 0, 50, yc, true));
        drawing.AddEntity(MakeArc(100, 0, 200, 0, 150, -yc, false));
        drawing.AddEntity(MakeLine(200, 0, 200, 10));
        drawing.pathCount = 1;
        const DrawingSheet sheet(drawing, QRectF(0, 0, 1600, 1200));
        const QPainterPath path = sheet.Path(drawing);
        int subpaths = 0;
        for (int i = 0; i < path.elementCount(); ++i)
            subpaths += path.elementAt(i).isMoveTo();
        QCOMPARE(subpaths, 1);
        QCOMPARE(path.currentPosition(), sheet.Map(200, 10));
    }

    void failedWriteReportsExp001()
    {
        Drw drawing;
        AddChainPath(drawing, {{0, 0}, {10, 0}});
        const std::string path = progDir->File("missing/part.svg");
        QVERIFY(!ExportDrawing(drawing, path, PaperSize::A4, "part.dxf"));
        QCOMPARE(recorder->Texts(), std::vector<std::string>{"EXP001: errore nella scrittura del file " + path});
    }
};

QTEST_MAIN(TestExportFormats)
#include "test_exportformats.moc"
