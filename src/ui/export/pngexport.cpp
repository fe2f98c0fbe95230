// The PNG writer: the drawing's painter path stroked on a white image.
#include "ui/export/pngexport.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>

#include "ui/export/drawingsheet.h"

namespace {

constexpr double MarginFraction = 0.02;
constexpr double LineWidth = 1.5;  // pixels

}  // namespace

bool WritePng(const Drw& drawing, QIODevice& device)
{
    QImage image(ExportImageWidth, ExportImageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const double margin = std::max(ExportImageWidth, ExportImageHeight) * MarginFraction;
    const DrawingSheet sheet(drawing, QRectF(image.rect()).adjusted(margin, margin, -margin, -margin));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(sheet.Path(drawing));
    painter.end();
    QImageWriter writer(&device, "png");
    return writer.write(image);
}
