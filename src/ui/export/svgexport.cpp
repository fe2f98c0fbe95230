// The SVG writer: the document, a group per path and the path data of its lines and arcs.
#include "ui/export/svgexport.h"

#include <QLocale>
#include <QString>
#include <QXmlStreamWriter>

#include <algorithm>
#include <numbers>

#include "model/drw.h"

namespace {

constexpr double MarginFraction = 0.02;
constexpr double StrokeFraction = 0.001;  // of the larger side

// The shortest text that reads back to the same double.
QString Number(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString Point(double x, double y)
{
    return Number(x) + ' ' + Number(y);
}

// "A r r 0 large sweep x y" of an arc of at most a full turn ending at (x, y).
QString ArcCommand(double r, double sweep, bool clockwise, double x, double y)
{
    return QString(" A %1 %1 0 %2 %3 %4")
        .arg(Number(r))
        .arg(sweep > std::numbers::pi ? 1 : 0)
        .arg(clockwise ? 0 : 1)
        .arg(Point(x, y));
}

// The path data of the entities first..last (one path).
QString PathData(const Drw& drawing, int first, int last)
{
    QString data;
    double atX = 0, atY = 0;
    for (int i = first; i <= last; ++i) {
        const Entity& e = drawing.entities[i];
        const double r = e.isArc ? Distance(e.x1, e.y1, e.xc, e.yc) : 0;
        if (e.isArc && r < Epsilon)
            continue;
        if (data.isEmpty() || e.x1 != atX || e.y1 != atY)
            data += (data.isEmpty() ? "M " : " M ") + Point(e.x1, e.y1);
        if (!e.isArc) {
            data += " L " + Point(e.x2, e.y2);
        } else if (e.x1 == e.x2 && e.y1 == e.y2) {
            // One arc command cannot close on its start: the circle goes through the opposite point.
            data += ArcCommand(r, std::numbers::pi, e.clockwise, 2 * e.xc - e.x1, 2 * e.yc - e.y1);
            data += ArcCommand(r, std::numbers::pi, e.clockwise, e.x2, e.y2);
        } else {
            data += ArcCommand(r, ArcSweep(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc, e.clockwise), e.clockwise, e.x2, e.y2);
        }
        atX = e.x2;
        atY = e.y2;
    }
    return data;
}

}  // namespace

bool WriteSvg(const Drw& drawing, QIODevice& device, const std::string& title, const std::string& pathCaption)
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    const double side = std::max(maxX - minX, maxY - minY);
    const double margin = side > Epsilon ? side * MarginFraction : 1;
    const double width = maxX - minX + 2 * margin, height = maxY - minY + 2 * margin;

    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("svg");
    xml.writeDefaultNamespace("http://www.w3.org/2000/svg");
    xml.writeAttribute("version", "1.1");
    xml.writeAttribute("width", Number(width) + "mm");
    xml.writeAttribute("height", Number(height) + "mm");
    // y upwards inside the group: the view box spans the negated y range.
    xml.writeAttribute(
        "viewBox",
        QString("%1 %2 %3 %4").arg(Number(minX - margin), Number(-(maxY + margin)), Number(width), Number(height)));
    xml.writeTextElement("title", QString::fromStdString(title));
    xml.writeStartElement("g");
    xml.writeAttribute("transform", "scale(1,-1)");
    xml.writeAttribute("fill", "none");
    xml.writeAttribute("stroke", "#000000");
    xml.writeAttribute("stroke-width", Number(std::max(side, 1.0) * StrokeFraction));
    xml.writeAttribute("stroke-linecap", "round");
    xml.writeAttribute("stroke-linejoin", "round");
    for (int path = 1; path <= drawing.pathCount; ++path) {
        int first, last;
        drawing.PathRange(path, first, last);
        if (last < first)
            continue;
        xml.writeStartElement("g");
        xml.writeAttribute("id", QString("path-%1").arg(path));
        xml.writeTextElement("title", QString::fromStdString(pathCaption) + QString(" %1").arg(path));
        const QString data = PathData(drawing, first, last);
        if (!data.isEmpty()) {
            xml.writeEmptyElement("path");
            xml.writeAttribute("d", data);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return !xml.hasError();
}
