// The reports of quorvia-cli: the summary of a drawing (info) and its entities (dump) as JSON, and what optimise
// and continuous changed.
#pragma once

#include <string>

#include "cli_load.h"

// One object: file, format, entities, lines, arcs, paths, layers, extents {found, minX, minY, maxX, maxY},
// length (mm, sum of the entity lengths), time (s, the machining time estimate at the machine speeds), warnings,
// skipped {kind: count} (the entities the import passed over; empty for a drawing file).
std::string InfoJson(const std::string& file, const LoadedDrawing& loaded);

// {paths, entities: [{x1, y1, x2, y2, xc, yc, arc, cw, layer, seq, jp, jn}]}, one entity per line, in storage
// order.
std::string DumpJson(const Drw& drawing);

// What optimise and continuous report of a drawing: its paths, its rapid travel between paths (mm) and its machining
// time estimate at the machine speeds (s).
struct OrderFigures {
    int paths;
    double travel;
    double time;
};
OrderFigures FiguresOf(const Drw& drawing);

// The figures before and after: three lines "paths: B -> A", "rapid travel: B mm -> A mm" and "time estimate: B s ->
// A s" (one decimal), or with json one object {paths, travel, time}, each {before, after}.
std::string OptimiseReport(const OrderFigures& before, const OrderFigures& after, bool json);
