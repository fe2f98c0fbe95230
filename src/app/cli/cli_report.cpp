// Builds the info, dump and optimise reports.
#include "cli_report.h"

#include "cli_json.h"
#include "geometry/mymath.h"
#include "support/parlav.h"
#include "support/text.h"

static double DrawingLength(const Drw& drawing)
{
    double length = 0.0;
    for (const Entity& entity : drawing.entities)
        length += EntityLength(entity.Geometry());
    return length;
}

static void WriteExtents(const Drw& drawing, JsonWriter& json)
{
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    const bool found = drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    json.Key("extents");
    json.BeginObject();
    json.Key("found");
    json.Bool(found);
    json.Key("minX");
    json.Number(minX);
    json.Key("minY");
    json.Number(minY);
    json.Key("maxX");
    json.Number(maxX);
    json.Key("maxY");
    json.Number(maxY);
    json.EndObject();
}

std::string InfoJson(const std::string& file, const LoadedDrawing& loaded)
{
    const Drw& drawing = loaded.drawing;
    int lines = 0, arcs = 0;
    drawing.CountLinesArcs(lines, arcs);
    JsonWriter json;
    json.BeginObject();
    json.Key("file");
    json.String(file);
    json.Key("format");
    json.String(FormatName(loaded.format));
    json.Key("entities");
    json.Integer(drawing.entityCount());
    json.Key("lines");
    json.Integer(lines);
    json.Key("arcs");
    json.Integer(arcs);
    json.Key("paths");
    json.Integer(drawing.pathCount);
    json.Key("layers");
    json.Integer(drawing.layerCount());
    WriteExtents(drawing, json);
    json.Key("length");
    json.Number(DrawingLength(drawing));
    json.Key("time");
    json.Number(drawing.EstimateTime(workSpeed, rapidSpeed));
    json.Key("warnings");
    json.Integer(loaded.warnings);
    json.Key("skipped");
    json.BeginObject();
    for (const auto& [kind, count] : loaded.skipped) {
        json.Key(kind);
        json.Integer(count);
    }
    json.EndObject();
    json.EndObject();
    return json.Text() + '\n';
}

static void WriteEntity(const Entity& entity, JsonWriter& json)
{
    json.BeginObject();
    const std::pair<const char*, double> reals[] = {{"x1", entity.x1}, {"y1", entity.y1}, {"x2", entity.x2},
                                                    {"y2", entity.y2}, {"xc", entity.xc}, {"yc", entity.yc}};
    for (const auto& [name, value] : reals) {
        json.Key(name);
        json.Number(value);
    }
    json.Key("arc");
    json.Bool(entity.isArc);
    json.Key("cw");
    json.Bool(entity.clockwise);
    json.Key("layer");
    json.String(entity.layer);
    json.Key("seq");
    json.Integer(entity.sequence);
    json.Key("jp");
    json.Bool(entity.joinedPrev);
    json.Key("jn");
    json.Bool(entity.joinedNext);
    json.EndObject();
}

std::string DumpJson(const Drw& drawing)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("paths");
    json.Integer(drawing.pathCount);
    json.Key("entities");
    json.BeginArray();
    for (const Entity& entity : drawing.entities) {
        json.NewLine();
        WriteEntity(entity, json);
    }
    json.EndArray();
    json.EndObject();
    return json.Text() + '\n';
}

OrderFigures FiguresOf(const Drw& drawing)
{
    return {drawing.pathCount, drawing.RapidTravel(), drawing.EstimateTime(workSpeed, rapidSpeed)};
}

std::string OptimiseReport(const OrderFigures& before, const OrderFigures& after, bool json)
{
    if (!json)
        return StrFormat("paths: %d -> %d\nrapid travel: %.1f mm -> %.1f mm\ntime estimate: %.1f s -> %.1f s\n",
                         before.paths, after.paths, before.travel, after.travel, before.time, after.time);
    JsonWriter report;
    report.BeginObject();
    const auto pair = [&report](const char* key, double a, double b) {
        report.Key(key);
        report.BeginObject();
        report.Key("before");
        report.Number(a);
        report.Key("after");
        report.Number(b);
        report.EndObject();
    };
    pair("paths", before.paths, after.paths);
    pair("travel", before.travel, after.travel);
    pair("time", before.time, after.time);
    report.EndObject();
    return report.Text() + '\n';
}
