// The continuous paths of a drawing (Drw::MakeContinuous): the entities split where they meet (drw_meet.cpp), parts
// bridged when asked (drw_bridge.cpp), each part routed (drw_route.cpp), and the drawing rebuilt from the routes and
// ordered, when that makes it faster.
#include <cmath>
#include <map>

#include "model/drw.h"
#include "model/drw_piece_graph.h"
#include "model/drw_route.h"
#include "model/drw_time.h"
#include "support/mymessagebox.h"
#include "support/text.h"

namespace {

bool UsableOptions(const ContinuousOptions& o)
{
    return std::isfinite(o.tolerance) && o.tolerance >= Epsilon && std::isfinite(o.bridge) && o.bridge >= 0.0;
}

// Whether every part of the graph holds the pieces of exactly one path of the drawing, and each path lies in one
// part.
bool EachPartIsOnePath(const PieceGraph& graph, const std::vector<Entity>& entities, const std::vector<int>& part)
{
    std::map<int, int> pathOfPart, partOfPath;
    for (const Piece& p : graph.pieces) {
        const int path = entities[p.source].sequence;
        const int k = part[p.from];
        if (pathOfPart.emplace(k, path).first->second != path || partOfPath.emplace(path, k).first->second != k)
            return false;
    }
    return true;
}

}  // namespace

ContinuousOutcome Drw::MakeContinuous(const ContinuousOptions& options, ContinuousReport* report)
{
    ContinuousReport r;
    r.pathsBefore = r.pathsAfter = pathCount;
    r.entitiesAfter = entityCount();
    const auto finish = [&](ContinuousOutcome outcome) {
        if (report)
            *report = r;
        return outcome;
    };
    if (!UsableOptions(options) || !AllFinite())
        return finish(ContinuousOutcome::Refused);
    PieceGraph graph;
    if (!SplitWhereEntitiesMeet(entities, options.tolerance, graph))
        return finish(ContinuousOutcome::Crowded);
    if (options.bridge >= Epsilon)
        r.bridges = AddBridges(graph, options.bridge, r.bridged);
    std::vector<int> part;
    r.parts = FindParts(graph, part);
    if (r.bridges == 0 && EachPartIsOnePath(graph, entities, part))
        return finish(ContinuousOutcome::Unchanged);

    const double work = UsableSpeed(options.workSpeed), rapid = UsableSpeed(options.rapidSpeed);
    const std::vector<Route> routes = RouteParts(graph, {WorkLengthFactor / work, PathChangeSeconds, 1.0 / rapid});
    int count = 0;
    for (const Route& route : routes) {
        count += static_cast<int>(route.size());
        for (const RouteStep& step : route) {
            r.retraces += step.retrace ? 1 : 0;
            r.retraced += step.retrace ? graph.pieces[step.piece].length : 0.0;
        }
    }
    r.entitiesAfter = count;
    if (count > MaxEntities) {
        ShowWarning(StrFormat("DRW006: Raggiunto il numero limite di entità di un disegno (%d)", MaxEntities));
        return finish(ContinuousOutcome::Refused);
    }

    // The new paths take the place of the old ones, turned round where the routes run them backwards, then ordered;
    // the old ones come back when the new ones are not faster.
    const double before = EstimateTime(options.workSpeed, options.rapidSpeed);
    std::vector<Entity> given;
    given.reserve(count);
    given.swap(entities);
    const int givenPaths = pathCount;
    const bool givenModified = modified;
    for (size_t k = 0; k < routes.size(); k++) {
        for (const RouteStep& step : routes[k]) {
            entities.push_back(graph.pieces[step.piece].entity);
            entities.back().sequence = static_cast<int32_t>(k + 1);
            if (step.reversed)
                ReverseEntity(entityCount() - 1);
        }
    }
    for (size_t i = 0; i < entities.size(); i++) {
        entities[i].joinedPrev = i > 0 && entities[i - 1].sequence == entities[i].sequence;
        entities[i].joinedNext = i + 1 < entities.size() && entities[i + 1].sequence == entities[i].sequence;
    }
    pathCount = static_cast<int>(routes.size());
    OptimiseOrder(options.keepDirections);
    if (!IsLess(EstimateTime(options.workSpeed, options.rapidSpeed), before)) {
        entities.swap(given);
        pathCount = givenPaths;
        modified = givenModified;
        r.entitiesAfter = entityCount();
        r.retraces = r.bridges = 0;
        r.retraced = r.bridged = 0.0;
        return finish(ContinuousOutcome::Unchanged);
    }
    modified = true;
    r.pathsAfter = pathCount;
    return finish(ContinuousOutcome::Changed);
}
