// AutoJoin: each path, in increasing number, greedily absorbs the nearest end of a later path within the
// tolerance. Comparing every path with every later one and moving entities at every join costs seconds on a full
// drawing; here the path ends sit in a grid of cells (drw_end_grid.h), so each test looks only at the ends
// nearby, the joins are decided on path ends alone, and the joined drawing is gathered once at the end. Results,
// ties and tolerance edges are those of the plain scan.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/drw_end_grid.h"
#include "model/drw_join.h"
#include "support/log.h"
#include "support/myutl.h"
#include "support/text.h"

namespace {

// Counts over the path numbers 1..size that are still in use (or their entities): the number a path has now is
// the count of paths in use up to it, and the k-th path in use is found by descending the tree.
class FenwickTree {
public:
    explicit FenwickTree(int size) : tree(size + 1, 0) {}

    void Add(int at, int delta)
    {
        for (; at < static_cast<int>(tree.size()); at += at & -at)
            tree[at] += delta;
    }
    int Prefix(int at) const
    {
        int sum = 0;
        for (; at > 0; at -= at & -at)
            sum += tree[at];
        return sum;
    }
    // The smallest index whose prefix reaches k (k >= 1 and at most the total).
    int Find(int k) const
    {
        int at = 0;
        int step = 1;
        while (step * 2 < static_cast<int>(tree.size()))
            step *= 2;
        for (; step > 0; step /= 2) {
            if (at + step < static_cast<int>(tree.size()) && tree[at + step] < k) {
                at += step;
                k -= tree[at];
            }
        }
        return at + 1;
    }

private:
    std::vector<int> tree;
};

// The most near ends listed per end, besides a floor (24 MB of lists): a drawing whose ends lie more crowded is
// joined by the plain scan, which needs no lists. Ends meet in twos, at most a few together, so only thousands of
// ends on one point or a tolerance spanning a large drawing go past it; both take time as the square of the ends.
constexpr size_t NearEndsPerEnd = 16;
constexpr size_t NearEndsFloor = size_t{1} << 20;

// Asks for the cache lines of an entity ahead of its use.
void Prefetch(const Entity& e)
{
    const char* bytes = reinterpret_cast<const char*>(&e);
    for (size_t at = 0; at < sizeof(Entity); at += 64)
        __builtin_prefetch(bytes + at);
    __builtin_prefetch(bytes + sizeof(Entity) - 1);
}

// The best end of a later path found so far for the end of path i under test.
struct Candidate {
    bool found = false;
    double distance = LargestDouble;
    int path = -1;  // j, as its number at the start of the call
    bool atStartOfI = false;
    bool atEndOfJ = false;
    int place = -1;  // the place in the grid order of that end of j
    int other = -1;  // the place of j's other end
};

// An end within reach of another end, as a search from that end reads it: its place in the grid order and its
// distance, and what the search needs should it still end a path not yet joined (such a path is as it was at the
// start of the call): where that path's other end is and where that end's near ends begin, the layer key of the
// path's first entity times two, plus one when this end is where the path ends.
struct NearEnd {
    double distance;
    int place;
    int other;
    int otherNear;
    int layerAndSide;
};

// Per end, in grid order: the path it belongs to now (a path not yet joined, or the path that has taken it in),
// and where its near ends begin in the list of them (a last one closes the list).
struct EndLink {
    int owner;
    int nearBegin;
};

// One join as the search made it: path i, turned round first when atStartOfI, takes path j, which then runs from
// the end it was taken at (turned round when that is its end).
struct JoinStep {
    int i, j;
    bool atStartOfI, atEndOfJ;
};

// A path as it was at the start, run in storage order or turned round, as a piece of a joined path; step is the
// join that added it (-1 for the path that took the others).
struct Piece {
    int path;
    bool reversed;
    int step;
};

// Where WriteBack takes each entity of the joined drawing from: the slot (z coordinates and reserved fields), the
// port (2 * entity + 0 for its start as stored, + 1 for its end) whose entity gives the plane part and whose point
// is the start, the path number, the join flags, and the join that moved one of its points, if any: the end a
// join takes is moved onto the end that took it, at its start or at its end as placed.
struct Placement {
    int slot;
    int port;
    int sequence;
    int movedBy;
    bool joinedPrev;
    bool joinedNext;
    bool movedAtStart;
};

// One AutoJoin call on a drawing whose paths are chains, in two steps. The search decides every join: it works on
// path ends only, in a few compact arrays (a list per end of the ends within reach, the path each end belongs to),
// so that following a chain across the sheet reads little memory, and it logs the joins. The joined drawing is
// then gathered once, with the points the joins move. Paths are known by their number at the start of the
// call (their id); their present numbers are ranks among the ids still in use. A path that is taken in has never
// taken one itself (only the path under test takes, and only later ones), so what the search asks of a candidate
// is what it was at the start, and a joined path is a row of such paths, each run one way or the other. The
// entities keep their slots (the z coordinates and reserved fields, which stay in place when a chain is reversed)
// while their plane parts (points, centre, kind, direction, layer) are placed along the joined path.
class AutoJoiner {
public:
    AutoJoiner(Drw& drw, const JoinRules& rules, int pathA, int pathB, std::vector<int>* selection)
        : drw(drw), rules(rules), pathA(pathA), pathB(pathB), alive(drw.pathCount)
    {
        useSelection = selection != nullptr && !selection->empty();
        pathCount = drw.pathCount;
        searchable = rules.tolerance + 2 * Epsilon >= 0;  // false also for a tolerance that is not a number
        ReadPaths();
        if (useSelection)
            ReadSelection(*selection);
        numbersKept = useSelection || pathB >= 0;
        if (numbersKept) {
            for (int s = 1; s <= pathCount; s++)
                alive.Add(s, 1);
        }
        targetB = NumberToId(pathB);
    }

    // Whether so many ends lie within reach of each other that their lists were not made (the search then cannot
    // run; the plain scan does the join).
    bool Crowded() const { return crowded; }
    int Run(const Drw::ProgressCallback& progress);
    void WriteBack(std::vector<int>* selection);

private:
    // Per path id.
    struct PathState {
        int head = -1, tail = -1;  // places of its ends; -1 for a number without entities
        int layer = -1;            // the layer key of its first entity
        int firstSlot = -1;        // its entities at the start: firstSlot .. firstSlot + entities - 1
        int entities = 0;
    };
    // An end before the grid orders them.
    struct EndInfo {
        int owner;
        int other;        // the index of its path's other end
        int pathLayer;    // the layer key of its path's first entity
        int entityLayer;  // the layer key of its own entity
        bool isTail;
    };

    void ReadPaths();
    void ReadEnds(const std::vector<EndGrid::End>& points, const std::vector<EndInfo>& info);
    void FindNearEnds(const EndGrid& grid, const std::vector<EndInfo>& info);
    void ReadSelection(const std::vector<int>& selection);
    int NumberToId(int number) const { return number >= 1 && number <= pathCount ? alive.Find(number) : 0; }
    int IdOf(int number);
    bool Selected(int id) const { return !useSelection || selectedCount[id] > 0; }
    void Search(int id, bool endPass, Candidate& best);
    void Join(int i, const Candidate& best);
    void PrefetchAhead(int id);
    void PrefetchSearch(int k);
    void DropFromSelection(int j, int number);
    void ArrangePieces(int id, size_t first, size_t last, std::vector<Piece>& pieces) const;
    void PlacePieces(const std::vector<Piece>& pieces, int number, std::vector<Placement>& order) const;
    std::vector<Placement> Placements() const;
    Entity Placed(const std::vector<Placement>& order, size_t k, const std::vector<Entity>& result);
    void LogRecentreFailures(std::vector<int>& failed);

    Drw& drw;
    JoinRules rules;
    int pathA, pathB;
    bool useSelection = false;
    bool searchable = false;
    bool numbersKept = false;  // alive is kept (only a selection and pathB need present numbers)
    bool crowded = false;
    int pathCount = 0;
    int targetB = 0;                     // id of the path numbered pathB now
    int cursorId = 0, cursorNumber = 0;  // the id IdOf gave last, and its number

    std::vector<EndLink> links;      // per end, in grid order, and one closing the near ends
    std::vector<NearEnd> near;       // per end in grid order, the other ends within reach, by path, start first
    std::vector<int> entityLayer;    // per end, in grid order: the layer key of its entity
    std::vector<PathState> paths;    // per path id
    std::vector<uint8_t> absorbed;   // per path id: taken in by an earlier path
    std::vector<JoinStep> steps;     // the joins, in the order made
    FenwickTree alive;               // over the path ids: 1 for each path in use
    std::vector<int> selectedCount;  // per id: how often its present number is in the selection
    std::vector<int> selectedBelow;  // selected numbers below 1
    std::vector<int> selectedAbove;  // selected numbers above pathCount, each plus the joins made before
};

// Reads the paths, each a run of entities in increasing number, and their ends in that order.
void AutoJoiner::ReadPaths()
{
    const std::vector<Entity>& entities = drw.entities;
    paths.assign(pathCount + 1, PathState{});
    absorbed.assign(pathCount + 1, 0);
    std::vector<EndGrid::End> points;
    std::vector<EndInfo> info;
    points.reserve(2 * static_cast<size_t>(pathCount));
    info.reserve(2 * static_cast<size_t>(pathCount));
    std::unordered_map<std::string, int> names;
    int layer = -1;
    for (int k = 0; k < static_cast<int>(entities.size()); k++) {
        const Entity& e = entities[k];
        if (k == 0 || e.layer != entities[k - 1].layer)
            layer = names.emplace(AnsiUpper(e.layer), static_cast<int>(names.size())).first->second;
        PathState& path = paths[e.sequence];
        if (!e.joinedPrev) {
            path.head = static_cast<int>(points.size());
            path.firstSlot = k;
            path.layer = layer;
            points.push_back({e.x1, e.y1, 2 * k});
            info.push_back({e.sequence, path.head + 1, layer, layer, false});
        }
        if (!e.joinedNext) {
            path.tail = static_cast<int>(points.size());
            path.entities = k - path.firstSlot + 1;
            points.push_back({e.x2, e.y2, 2 * k + 1});
            info.push_back({e.sequence, path.head, path.layer, layer, true});
        }
    }
    ReadEnds(points, info);
}

// Puts the path ends into the grid, turns head and tail from indices in points into places, and lists each end's
// near ends.
void AutoJoiner::ReadEnds(const std::vector<EndGrid::End>& points, const std::vector<EndInfo>& info)
{
    EndGrid grid;
    grid.Build(points, searchable ? rules.tolerance : 0.0);
    // From Build's order to grid order.
    std::vector<EndInfo> placed(info.size());
    entityLayer.resize(info.size());
    for (size_t k = 0; k < info.size(); k++) {
        EndInfo& end = placed[grid.PlaceOf(static_cast<int>(k))];
        end = info[k];
        end.other = grid.PlaceOf(end.other);
        entityLayer[grid.PlaceOf(static_cast<int>(k))] = end.entityLayer;
    }
    for (PathState& path : paths) {
        if (path.head >= 0) {
            path.head = grid.PlaceOf(path.head);
            path.tail = grid.PlaceOf(path.tail);
        }
    }
    FindNearEnds(grid, placed);
    steps.reserve(static_cast<size_t>(pathCount));
}

// Lists, per end in grid order, the other ends within reach in the order of the plain scan (by path, its start
// before its end), with what a search needs of them; the grid gives them, with their distances. Ends crowded
// together (many on one point, or a tolerance spanning the drawing) would make the lists as long as the square of
// their number: past NearEndsPerEnd per end (and NearEndsFloor) the lists are given up and the call is crowded.
void AutoJoiner::FindNearEnds(const EndGrid& grid, const std::vector<EndInfo>& info)
{
    const int ends = static_cast<int>(info.size());
    const size_t budget = NearEndsFloor + NearEndsPerEnd * static_cast<size_t>(ends);
    links.resize(ends + 1);
    near.clear();
    near.reserve(ends + ends / 4);
    const auto before = [&info](const NearEnd& a, const NearEnd& b) {
        const EndInfo& x = info[a.place];
        const EndInfo& y = info[b.place];
        return x.owner != y.owner ? x.owner < y.owner : x.isTail < y.isTail;
    };
    int last = -1;  // the end whose list is being made
    const auto close = [&] {
        if (last >= 0 && near.size() - static_cast<size_t>(links[last].nearBegin) > 1)
            std::sort(near.begin() + links[last].nearBegin, near.end(), before);
    };
    const auto begin = [&](int from) {
        if (near.size() > budget)
            return false;
        close();
        links[from] = {info[from].owner, static_cast<int>(near.size())};
        last = from;
        return true;
    };
    const auto visit = [&](int, int k, double d) {
        near.push_back({d, k, info[k].other, 0, 2 * info[k].pathLayer + (info[k].isTail ? 1 : 0)});
    };
    if (searchable) {
        if (!grid.ForEachNear(begin, visit)) {
            crowded = true;
            near = {};
            return;
        }
        close();
    } else {
        for (int p = 0; p < ends; p++)
            links[p] = {info[p].owner, 0};
    }
    links[ends] = {0, static_cast<int>(near.size())};
    // Where each other end's list begins: the other ends lie anywhere, so those a few entries ahead are fetched.
    constexpr size_t Ahead = 16;
    for (size_t n = 0; n < near.size(); n++) {
        if (n + Ahead < near.size())
            __builtin_prefetch(&links[near[n + Ahead].other]);
        near[n].otherNear = links[near[n].other].nearBegin;
    }
}

void AutoJoiner::ReadSelection(const std::vector<int>& selection)
{
    selectedCount.assign(pathCount + 1, 0);
    for (const int number : selection) {
        if (number < 1)
            selectedBelow.push_back(number);
        else if (number > pathCount)
            selectedAbove.push_back(number);
        else
            selectedCount[number]++;
    }
}

// The id of the path numbered number now. Run asks for numbers that never decrease, and a join only removes a
// path after the one under test, so the id follows by stepping over absorbed ids.
int AutoJoiner::IdOf(int number)
{
    while (cursorNumber < number) {
        do
            cursorId++;
        while (absorbed[cursorId] != 0);
        cursorNumber++;
    }
    return cursorId;
}

// The ends near the tested end of path i that belong to later paths (as they were at the start, untouched so far)
// on the layer of i's first entity, taken in the order of the list.
void AutoJoiner::Search(int i, bool endPass, Candidate& best)
{
    const PathState& path = paths[i];
    const int from = endPass ? path.tail : path.head;
    const int layerAndStart = 2 * path.layer;
    for (int n = links[from].nearBegin; n < links[from + 1].nearBegin; n++) {
        const NearEnd& end = near[n];
        const int j = links[end.place].owner;
        if (j <= i || (targetB != j && pathB >= 0) || !Selected(j) || (end.layerAndSide & ~1) != layerAndStart)
            continue;
        // The next search starts from j's other end, should j be taken.
        __builtin_prefetch(&links[end.other]);
        __builtin_prefetch(&near[end.otherNear]);
        const bool endOfJ = (end.layerAndSide & 1) != 0;
        if (TakesCandidate(end.distance, best.distance, endPass, endOfJ, rules))
            best = Candidate{true, end.distance, j, !endPass, endOfJ, end.place, end.other};
    }
}

// Path i takes path j: j's ends go to i, i's end that took it is no longer an end, and j's other end is i's end
// now. The entities follow in WriteBack.
void AutoJoiner::Join(int i, const Candidate& best)
{
    const int j = best.path;
    const int numberOfJ = useSelection ? alive.Prefix(j) : 0;
    PathState& pi = paths[i];
    const int head = pi.head;
    if (best.atStartOfI)
        std::swap(pi.head, pi.tail);
    steps.push_back({i, j, best.atStartOfI, best.atEndOfJ});
    links[best.place].owner = i;
    links[best.other].owner = i;
    pi.tail = best.other;
    if (rules.swapped)
        std::swap(pi.head, pi.tail);
    if (pi.head != head)
        pi.layer = entityLayer[pi.head];
    if (numbersKept)
        alive.Add(j, -1);
    absorbed[j] = 1;
    pathCount--;
    if (useSelection)
        DropFromSelection(j, numberOfJ);
    if (pathB >= 0)
        targetB = NumberToId(pathB);
}

// The searches of the next paths read their ends' links and near ends: asked for two and one paths ahead, they are
// in the cache by then.
void AutoJoiner::PrefetchAhead(int id)
{
    const int last = static_cast<int>(paths.size()) - 1;
    if (id + 2 <= last && paths[id + 2].head >= 0) {
        __builtin_prefetch(&links[paths[id + 2].head]);
        __builtin_prefetch(&links[paths[id + 2].tail]);
    }
    if (id + 1 <= last && paths[id + 1].head >= 0) {
        PrefetchSearch(paths[id + 1].head);
        PrefetchSearch(paths[id + 1].tail);
    }
}

// Asks for the near ends of the end at place k.
void AutoJoiner::PrefetchSearch(int k)
{
    __builtin_prefetch(&near[links[k].nearBegin]);
}

// The plain scan's selection update: one entry of j's number goes, the numbers above move down one. Further
// entries of that number then name the path that takes it, or no path when j was the last.
void AutoJoiner::DropFromSelection(int j, int number)
{
    const int rest = selectedCount[j] - 1;
    selectedCount[j] = 0;
    if (rest <= 0)
        return;
    if (number <= pathCount)
        selectedCount[alive.Find(number)] += rest;
    else
        selectedAbove.insert(selectedAbove.end(), rest, number + static_cast<int>(steps.size()));
}

int AutoJoiner::Run(const Drw::ProgressCallback& progress)
{
    const bool hasA = pathA >= 0;
    Candidate best;
    int i = 0;
    bool endPass = false;
    for (;;) {
        if (progress)
            progress(pathCount > 0 ? static_cast<double>(i) / pathCount : 0.0);
        endPass = !endPass;
        if (endPass) {
            i++;
            best = Candidate{};
        }
        if (i >= pathCount)
            break;
        const int id = IdOf(i);
        if (endPass)
            PrefetchAhead(id);
        if (searchable && !(hasA && i != pathA) && Selected(id) && paths[id].head >= 0)
            Search(id, endPass, best);
        if (endPass || !best.found)
            continue;
        Join(id, best);
        if (hasA && pathB >= 0)
            break;
        i--;
    }
    return static_cast<int>(steps.size());
}

// The paths that make up path id after its joins steps[first] .. steps[last - 1], in the order it runs. A turn of
// the whole path only flips which way the row is read, so each join adds one piece at one end of the row.
void AutoJoiner::ArrangePieces(int id, size_t first, size_t last, std::vector<Piece>& pieces) const
{
    const size_t joins = last - first;
    pieces.resize(2 * joins + 1);
    size_t front = joins, back = joins + 1;
    pieces[front] = {id, false, -1};
    bool turned = false;
    constexpr size_t Ahead = 16;  // the paths taken lie anywhere: those of later joins are fetched
    for (size_t t = first; t < last; t++) {
        if (t + Ahead < steps.size())
            __builtin_prefetch(&paths[steps[t + Ahead].j]);
        const JoinStep& step = steps[t];
        turned = turned != step.atStartOfI;
        if (turned)
            pieces[--front] = {step.j, !step.atEndOfJ, static_cast<int>(t)};
        else
            pieces[back++] = {step.j, step.atEndOfJ, static_cast<int>(t)};
        turned = turned != rules.swapped;
    }
    const auto begin = pieces.begin() + static_cast<std::ptrdiff_t>(front);
    const auto end = pieces.begin() + static_cast<std::ptrdiff_t>(back);
    if (turned) {
        std::reverse(begin, end);
        for (auto piece = begin; piece != end; ++piece)
            piece->reversed = !piece->reversed;
    }
    pieces.erase(end, pieces.end());
    pieces.erase(pieces.begin(), begin);
}

// Appends the entities of a joined path along its pieces, as ports. Where two pieces meet, the one added later
// was taken at that end, which the join moved.
void AutoJoiner::PlacePieces(const std::vector<Piece>& pieces, int number, std::vector<Placement>& order) const
{
    const size_t begin = order.size();
    for (size_t k = 0; k < pieces.size(); k++) {
        const Piece& piece = pieces[k];
        const PathState& path = paths[piece.path];
        const size_t first = order.size();
        for (int n = 0; n < path.entities; n++) {
            const int e = piece.reversed ? path.firstSlot + path.entities - 1 - n : path.firstSlot + n;
            order.push_back({0, 2 * e + (piece.reversed ? 1 : 0), number, -1, true, true, false});
        }
        if (k > 0 && piece.step > pieces[k - 1].step) {
            order[first].movedBy = piece.step;
            order[first].movedAtStart = true;
        } else if (k > 0) {
            order[first - 1].movedBy = pieces[k - 1].step;
        }
    }
    if (order.size() > begin) {
        order[begin].joinedPrev = false;
        order.back().joinedNext = false;
    }
}

// The joined drawing in storage order, as slots and ports: the paths in the order of their ids, each along its
// pieces, with its own slots followed by those of the paths it took in, in the order it took them (the joins of a
// path follow each other in steps, and the paths that made them come in increasing id).
std::vector<Placement> AutoJoiner::Placements() const
{
    std::vector<Placement> order;
    order.reserve(drw.entities.size());
    std::vector<Piece> pieces;
    int number = 0;
    size_t first = 0;
    for (int id = 1; id < static_cast<int>(paths.size()); id++) {
        if (absorbed[id] != 0)
            continue;
        number++;
        size_t last = first;
        while (last < steps.size() && steps[last].i == id)
            last++;
        ArrangePieces(id, first, last, pieces);
        size_t at = order.size();
        PlacePieces(pieces, number, order);
        for (size_t t = first; t <= last; t++) {
            const PathState& path = paths[t == first ? id : steps[t - 1].j];
            for (int n = 0; n < path.entities; n++)
                order[at++].slot = path.firstSlot + n;
        }
        first = last;
    }
    return order;
}

// The entity of the joined drawing at placement k, the ones before it in result. Each old entity gives its plane
// part exactly once, so its layer name is moved rather than copied. A moved point takes the point it was joined to,
// the end of the entity before or the start of the one after, which no join moves; an arc so moved keeps its centre
// on its chord's bisector, or its join is reported in failed.
Entity AutoJoiner::Placed(const std::vector<Placement>& order, size_t k, const std::vector<Entity>& result)
{
    const Placement& place = order[k];
    const Entity& slot = drw.entities[place.slot];
    Entity& plane = drw.entities[place.port / 2];
    const bool turned = (place.port & 1) == 1;
    Entity out;
    out.x1 = turned ? plane.x2 : plane.x1;
    out.y1 = turned ? plane.y2 : plane.y1;
    out.z1 = slot.z1;
    out.x2 = turned ? plane.x1 : plane.x2;
    out.y2 = turned ? plane.y1 : plane.y2;
    out.z2 = slot.z2;
    out.xc = plane.xc;
    out.yc = plane.yc;
    out.zc = slot.zc;
    out.isArc = plane.isArc;
    out.clockwise = plane.isArc ? plane.clockwise != turned : plane.clockwise;
    out.layer = std::move(plane.layer);
    out.joinedPrev = place.joinedPrev;
    out.joinedNext = place.joinedNext;
    out.sequence = place.sequence;
    out.reserved1 = slot.reserved1;
    out.reserved2 = slot.reserved2;
    out.reserved3 = slot.reserved3;
    if (place.movedBy >= 0 && place.movedAtStart) {
        out.x1 = result.back().x2;
        out.y1 = result.back().y2;
    } else if (place.movedBy >= 0) {
        const Placement& next = order[k + 1];
        const Entity& after = drw.entities[next.port / 2];
        out.x2 = (next.port & 1) == 1 ? after.x2 : after.x1;
        out.y2 = (next.port & 1) == 1 ? after.y2 : after.y1;
    }
    return out;
}

// The joined drawing is gathered into a new vector in one pass. Slots and plane parts are read in no useful order,
// so the entities a few placements ahead are fetched into the cache while the present one is built.
void AutoJoiner::WriteBack(std::vector<int>* selection)
{
    if (steps.empty())
        return;
    const std::vector<Placement> order = Placements();
    std::vector<Entity> result;
    result.reserve(order.size());
    std::vector<int> failed;
    constexpr size_t Ahead = 8;
    for (size_t k = 0; k < order.size(); k++) {
        if (k + Ahead < order.size()) {
            const Placement& ahead = order[k + Ahead];
            Prefetch(drw.entities[ahead.slot]);
            if (ahead.port / 2 != ahead.slot)
                Prefetch(drw.entities[ahead.port / 2]);
        }
        result.push_back(Placed(order, k, result));
        Entity& out = result.back();
        const Placement& place = order[k];
        if (place.movedBy < 0 || !out.isArc)
            continue;
        const bool snapped = place.movedAtStart ? SnapCentreToBisector(out.x1, out.y1, out.x2, out.y2, out.xc, out.yc)
                                                : SnapCentreToBisector(out.x2, out.y2, out.x1, out.y1, out.xc, out.yc);
        if (!snapped)
            failed.push_back(place.movedBy);
    }
    drw.entities.swap(result);
    drw.pathCount = pathCount;
    drw.modified = true;
    LogRecentreFailures(failed);
    // The join of a given pair ends the call, and the plain scan leaves the selection as it was then (sorted).
    if (!useSelection || (pathA >= 0 && pathB >= 0))
        return;
    std::vector<int>& s = *selection;
    s = selectedBelow;
    int number = 0;
    for (int id = 1; id < static_cast<int>(paths.size()); id++) {
        if (absorbed[id] != 0)
            continue;
        number++;
        s.insert(s.end(), selectedCount[id], number);
    }
    std::sort(selectedAbove.begin(), selectedAbove.end());
    const int joins = static_cast<int>(steps.size());
    for (const int value : selectedAbove)
        s.push_back(value - joins);
}

// DRW009 for each join whose arc could not be re-centred, in the order of the joins, with the entity indices the
// plain scan has at that moment: i's last entity and j's first. The counts of entities per path are replayed join
// by join, but only when there is something to report.
void AutoJoiner::LogRecentreFailures(std::vector<int>& failed)
{
    if (failed.empty())
        return;
    std::sort(failed.begin(), failed.end());
    FenwickTree lengths(static_cast<int>(paths.size()) - 1);  // over the path ids: their entities
    for (int id = 1; id < static_cast<int>(paths.size()); id++)
        lengths.Add(id, paths[id].entities);
    size_t next = 0;
    for (size_t t = 0; t < steps.size() && next < failed.size(); t++) {
        const JoinStep& step = steps[t];
        for (; next < failed.size() && failed[next] == static_cast<int>(t); next++) {
            const int a = lengths.Prefix(step.i) - 1;
            const int b = lengths.Prefix(step.j - 1);
            WriteEventLog(StrFormat("DRW009: Errore nella funzione AutoJoin, entità %d e %d", a, b));
        }
        lengths.Add(step.i, paths[step.j].entities);
        lengths.Add(step.j, -paths[step.j].entities);
    }
}

}  // namespace

int Drw::AutoJoin(double tolerance, int pathA, int pathB, std::vector<int>* selection, const ProgressCallback& progress)
{
    if (progress)
        progress(0.0);
    const JoinRules rules{tolerance, pathA >= 0 && pathB >= 0 && pathA > pathB};
    if (rules.swapped)
        std::swap(pathA, pathB);
    if (selection != nullptr && !selection->empty())
        SortAscending(*selection);
    if (!PathsAreChains(*this))
        return AutoJoinByScan(*this, rules, pathA, pathB, selection, progress);
    AutoJoiner joiner(*this, rules, pathA, pathB, selection);
    if (joiner.Crowded())
        return AutoJoinByScan(*this, rules, pathA, pathB, selection, progress);
    const int joins = joiner.Run(progress);
    joiner.WriteBack(selection);
    return joins;
}
