// The PDF writer: one page laid out as a title line over the drawing.
#include "ui/export/pdfexport.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "model/drw.h"
#include "ui/export/drawingsheet.h"

namespace {

constexpr double MarginMm = 10;
constexpr double LineWidthMm = 0.25;
constexpr double TitlePoints = 10;
constexpr double TitleGapLines = 0.8;  // space between the title and the drawing, in title lines

}  // namespace

bool WritePdf(const Drw& drawing, QIODevice& device, PaperSize paper, const std::string& titleLine,
              const std::string& documentTitle)
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    QPdfWriter writer(&device);
    writer.setTitle(QString::fromStdString(documentTitle));
    writer.setCreator("Quorvia");
    const QPageLayout layout(QPageSize(paper == PaperSize::A3 ? QPageSize::A3 : QPageSize::A4),
                             maxX - minX > maxY - minY ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    if (!writer.setPageLayout(layout))
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    // The painter starts at the top-left corner of the area inside the margins, in the writer's device units.
    const QRectF area(QPointF(0, 0), QSizeF(layout.paintRectPixels(writer.resolution()).size()));
    QFont font("Sans Serif");
    font.setPointSizeF(TitlePoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &writer);
    painter.drawText(QPointF(0, metrics.ascent()),
                     metrics.elidedText(QString::fromStdString(titleLine), Qt::ElideRight, area.width()));
    const QRectF drawingArea = area.adjusted(0, metrics.height() * (1 + TitleGapLines), 0, 0);
    const DrawingSheet sheet(drawing, drawingArea);
    const double unitsPerMm = writer.resolution() / 25.4;
    painter.setPen(QPen(Qt::black, LineWidthMm * unitsPerMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawPath(sheet.Path(drawing));
    return painter.end();
}
