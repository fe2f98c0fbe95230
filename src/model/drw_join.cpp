// Joining paths: one path after another end to start (JoinPaths), and the automatic join by comparing every path
// with every later one, for drawings whose paths are not stored as chains (drw_autojoin.cpp has the fast one).
#include <algorithm>
#include <utility>
#include <vector>

#include "model/drw_join.h"
#include "support/log.h"
#include "support/text.h"

namespace {

// The first entity index of every path number, rebuilt after each join: path s holds the entities
// first[s] .. first[s + 1] - 1 (none when the two are equal).
class PathIndex {
public:
    explicit PathIndex(const Drw& drw) { Build(drw); }

    void Build(const Drw& drw)
    {
        first.assign(drw.pathCount + 2, 0);
        int i = 0;
        for (int s = 1; s <= drw.pathCount + 1; s++) {
            while (i < drw.entityCount() && drw.entities[i].sequence < s)
                i++;
            first[s] = i;
        }
    }
    int First(int path) const { return first[path]; }
    int Last(int path) const { return first[path + 1] - 1; }
    bool Empty(int path) const { return first[path + 1] == first[path]; }

private:
    std::vector<int> first;
};

// The best end of a later path found so far for the end of path i under test.
struct JoinCandidate {
    bool found = false;
    double distance = LargestDouble;
    int entityOfI = -1;  // the entity of path i at the tested end
    int entityOfJ = -1;  // the entity of path j at the candidate end
    bool atStartOfI = false;
    bool atEndOfJ = false;
    int path = -1;  // j
};

bool Contains(const std::vector<int>* selection, int path)
{
    return std::binary_search(selection->begin(), selection->end(), path);
}

// After path j was absorbed: j leaves the selection and the later numbers move down one.
void RenumberSelection(std::vector<int>& selection, int j)
{
    const auto at = std::find(selection.begin(), selection.end(), j);
    if (at != selection.end())
        selection.erase(at);
    for (int& number : selection) {
        if (number > j)
            number--;
    }
}

}  // namespace

bool Drw::JoinPaths(int a, int b, bool reverseA, bool reverseB)
{
    if (a < 0 || a >= entityCount() || b < 0 || b >= entityCount())
        return false;
    if (entities[a].sequence >= entities[b].sequence)
        return false;
    // The ends to join must be ends of the two chains.
    if (reverseA ? entities[a].joinedPrev : entities[a].joinedNext)
        return false;
    if (reverseB ? entities[b].joinedNext : entities[b].joinedPrev)
        return false;
    // b's chain is moved behind a's, so it must be stored after it, as it is unless a file broke the path order.
    int firstA = 0, lastA = 0, firstB = 0, lastB = 0;
    ChainBounds(a, firstA, lastA);
    ChainBounds(b, firstB, lastB);
    if (firstB <= lastA)
        return false;
    if (reverseA)
        a = ReverseChain(a);
    if (reverseB)
        b = ReverseChain(b);
    Entity& eb = entities[b];
    eb.x1 = entities[a].x2;
    eb.y1 = entities[a].y2;
    if (eb.isArc && !SnapCentreToBisector(eb.x1, eb.y1, eb.x2, eb.y2, eb.xc, eb.yc))
        WriteEventLog(StrFormat("DRW009: Errore nella funzione AutoJoin, entità %d e %d", a, b));
    entities[a].joinedNext = true;
    eb.joinedPrev = true;
    const int sa = entities[a].sequence;
    const int sb = eb.sequence;
    for (int i = 0; i < entityCount(); i++) {
        const int s = entities[i].sequence;
        if (s == sb && i >= b)
            entities[i].sequence = sa;
        else if (s > sb)
            entities[i].sequence = s - 1;
    }
    pathCount--;
    if (b != a + 1) {
        int end = b;
        while (end + 1 < entityCount() && entities[end + 1].joinedPrev)
            end++;
        std::rotate(entities.begin() + a + 1, entities.begin() + b, entities.begin() + end + 1);
    }
    modified = true;
    return true;
}

int AutoJoinByScan(Drw& drw, const JoinRules& rules, int pathA, int pathB, std::vector<int>* selection,
                   const Drw::ProgressCallback& progress)
{
    const bool hasA = pathA >= 0;
    const bool hasB = pathB >= 0;
    const bool useSelection = selection != nullptr && !selection->empty();

    PathIndex index(drw);
    JoinCandidate best;
    int joins = 0;
    int i = 0;
    bool endPass = false;
    for (;;) {
        if (progress)
            progress(drw.pathCount > 0 ? static_cast<double>(i) / drw.pathCount : 0.0);
        endPass = !endPass;
        if (endPass) {
            i++;
            best = JoinCandidate{};
        }
        if (i >= drw.pathCount)
            break;
        const bool tested = !(hasA && i != pathA) && !(useSelection && !Contains(selection, i)) && !index.Empty(i);
        if (tested) {
            const Entity& atI = endPass ? drw.entities[index.Last(i)] : drw.entities[index.First(i)];
            const double px = endPass ? atI.x2 : atI.x1;
            const double py = endPass ? atI.y2 : atI.y1;
            const std::string& layer = drw.entities[index.First(i)].layer;
            for (int j = i + 1; j <= drw.pathCount; j++) {
                if ((hasB && j != pathB) || (useSelection && !Contains(selection, j)) || index.Empty(j))
                    continue;
                if (!EqualsNoCase(drw.entities[index.First(j)].layer, layer))
                    continue;
                for (const bool endOfJ : {false, true}) {
                    const int k = endOfJ ? index.Last(j) : index.First(j);
                    const double d = endOfJ ? Distance(px, py, drw.entities[k].x2, drw.entities[k].y2)
                                            : Distance(px, py, drw.entities[k].x1, drw.entities[k].y1);
                    if (TakesCandidate(d, best.distance, endPass, endOfJ, rules))
                        best = JoinCandidate{true, d, endPass ? index.Last(i) : index.First(i), k, !endPass, endOfJ, j};
                }
            }
        }
        if (endPass || !best.found)
            continue;
        // A join refused because the flags of a hand-made file say the ends are not path ends leaves path i as it
        // is; searching again would find the same candidate for ever.
        if (!drw.JoinPaths(best.entityOfI, best.entityOfJ, best.atStartOfI, best.atEndOfJ))
            continue;
        if (rules.swapped)
            drw.ReversePath(pathA);
        joins++;
        drw.modified = true;
        if (hasA && hasB)
            break;
        i--;
        if (useSelection)
            RenumberSelection(*selection, best.path);
        index.Build(drw);
    }
    return joins;
}

bool PathsAreChains(const Drw& drw)
{
    const std::vector<Entity>& e = drw.entities;
    for (size_t k = 0; k < e.size(); k++) {
        const int s = e[k].sequence;
        if (s < 1 || s > drw.pathCount || (k > 0 && s < e[k - 1].sequence))
            return false;
        const bool startsPath = k == 0 || e[k - 1].sequence != s;
        const bool endsPath = k + 1 == e.size() || e[k + 1].sequence != s;
        if (e[k].joinedPrev == startsPath || e[k].joinedNext == endsPath)
            return false;
    }
    return true;
}
