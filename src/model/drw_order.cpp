// The automatic order of the paths: the paths' ends collected in one pass, a short tour through them (drw_tour.h),
// and the drawing rebuilt once in the tour's order, the paths to run the other way turned round in their new place.
#include <cmath>
#include <utility>
#include <vector>

#include "model/drw.h"
#include "model/drw_join.h"
#include "model/drw_tour.h"

namespace {

// The paths of a drawing stored as chains, with their ends; false when an end is not a finite point.
bool CollectPaths(const Drw& drw, bool keepDirections, std::vector<int>& firsts, std::vector<TourPath>& ends)
{
    const std::vector<Entity>& e = drw.entities;
    for (size_t k = 0; k < e.size(); k++) {
        if (k > 0 && e[k].sequence == e[k - 1].sequence)
            continue;
        size_t last = k;
        while (last + 1 < e.size() && e[last + 1].sequence == e[k].sequence)
            last++;
        const TourPath path{e[k].x1, e[k].y1, e[last].x2, e[last].y2, false, false};
        if (!std::isfinite(path.sx) || !std::isfinite(path.sy) || !std::isfinite(path.ex) || !std::isfinite(path.ey))
            return false;
        firsts.push_back(static_cast<int>(k));
        ends.push_back(path);
        ends.back().closed = IsZero(Distance(path.sx, path.sy, path.ex, path.ey));
        // The first path stays as it is: the machine starts where it starts.
        ends.back().reversible = !keepDirections && !ends.back().closed && firsts.size() > 1;
    }
    firsts.push_back(static_cast<int>(e.size()));
    return true;
}

}  // namespace

bool Drw::OptimiseOrder(bool keepDirections)
{
    std::vector<int> firsts;
    std::vector<TourPath> ends;
    if (!PathsAreChains(*this) || !CollectPaths(*this, keepDirections, firsts, ends) || ends.size() < 2)
        return false;
    const std::vector<TourStop> tour = ShortTour(ends);
    std::vector<TourStop> given;
    for (int p = 0; p < static_cast<int>(ends.size()); p++)
        given.push_back({p, false});
    if (!IsLess(TourTravel(ends, tour), TourTravel(ends, given)))
        return false;
    // The paths moved whole into their new places and numbered there, then turned round where the tour says.
    std::vector<Entity> ordered;
    ordered.reserve(entities.size());
    std::vector<int> newFirsts;
    for (size_t k = 0; k < tour.size(); k++) {
        newFirsts.push_back(static_cast<int>(ordered.size()));
        for (int i = firsts[tour[k].path]; i < firsts[tour[k].path + 1]; i++) {
            ordered.push_back(std::move(entities[i]));
            ordered.back().sequence = static_cast<int32_t>(k + 1);
        }
    }
    entities = std::move(ordered);
    pathCount = static_cast<int>(tour.size());
    for (size_t k = 0; k < tour.size(); k++) {
        if (tour[k].reversed)
            ReverseChain(newFirsts[k]);
    }
    modified = true;
    return true;
}
