// AutoJoin: each path, in increasing number, greedily absorbs the nearest end of a later path within the
// tolerance. Comparing every path with every later one and moving entities at every join costs seconds on a full
// drawing; here the path ends sit in a grid of cells (drw_end_grid.h), so each test looks only at the ends
// nearby, and paths are linked lists of entities that join and turn round in constant time, gathered into the
// drawing once at the end. Results, ties and tolerance edges are those of the plain scan.
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
// and where its near ends begin in the list of them; a last one closes the list.
struct EndLink {
    int owner;
    int nearBegin;
};

// One join as the search made it: the end of path i at place a takes the end of path j at place b.
struct JoinStep {
    int i, j;
    int a, b;
};

// Where WriteBack takes each entity of the joined drawing from: the slot (z coordinates and reserved fields), the
// port whose entity gives the plane part and whose end is the start, the path number and the join flags.
struct Placement {
    int slot;
    int port;
    int sequence;
    bool joinedPrev;
    bool joinedNext;
};

// One AutoJoin call on a drawing whose paths are chains, in three steps. The search decides every join: it works
// on path ends only, in a few compact arrays (a list per end of the ends within reach, the path each end belongs
// to), so that following a chain across the sheet reads little memory, and it logs the joins. The joins are then
// made on the ports, and the joined drawing is gathered once. Paths are known by their number at the start of the
// call (their id); their present numbers are ranks among the ids still in use. A path that is taken in has never
// taken one itself (only the path under test takes, and only later ones), so what the search asks of a candidate
// is what it was at the start. The entities keep their slots (the z coordinates and reserved fields, which stay in
// place when a chain is reversed) while their plane parts (points, centre, kind, direction, layer) form each
// path's chain of ports, link pairing the joined ports.
class AutoJoiner {
public:
    AutoJoiner(Drw& drw, const JoinRules& rules, int pathA, int pathB, std::vector<int>* selection)
        : drw(drw), rules(rules), pathA(pathA), pathB(pathB), alive(drw.pathCount), lengths(drw.pathCount)
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

    int Run(const Drw::ProgressCallback& progress);
    void ApplyJoins();
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
        int other;       // the index of its path's other end
        int pathLayer;   // the layer key of its path's first entity
        int entityLayer; // the layer key of its own entity
        bool isTail;
    };

    void ReadPaths();
    void ReadEnds(const std::vector<int>& layers);
    void FindNearEnds(const std::vector<EndInfo>& info);
    void ReadSelection(const std::vector<int>& selection);
    int NumberToId(int number) const { return number >= 1 && number <= pathCount ? alive.Find(number) : 0; }
    int IdOf(int number);
    bool Selected(int id) const { return !useSelection || selectedCount[id] > 0; }
    void Search(int id, bool endPass, Candidate& best);
    void Join(int i, const Candidate& best);
    void PrefetchAhead(int id);
    void PrefetchSearch(int k);
    void PrefetchStep(size_t t, size_t ahead);
    void ApplyJoin(size_t t);
    void DropFromSelection(int j, int number);
    void LogRecentreFailure(size_t t);
    void CountEntitiesBefore(size_t t);
    std::vector<Placement> Placements() const;
    Entity Placed(const Placement& place);

    Drw& drw;
    JoinRules rules;
    int pathA, pathB;
    bool useSelection = false;
    bool searchable = false;
    bool numbersKept = false;  // alive is kept (only a selection and pathB need present numbers)
    bool lengthsKept = false;  // lengths is kept (from the first failed re-centring on)
    int pathCount = 0;
    int targetB = 0;                     // id of the path numbered pathB now
    int cursorId = 0, cursorNumber = 0;  // the id IdOf gave last, and its number

    std::vector<double> px, py;  // per port (2 * entity + 0 or 1): its point
    std::vector<int> link;       // per port: the port it is joined to; -1 at a path end
    std::vector<double> cx, cy;  // per entity: the arc centre (moved when the arc is snapped)
    std::vector<bool> arcs;      // per entity: it is an arc
    EndGrid grid;
    std::vector<EndLink> links;      // per end, in grid order, and one closing the near ends
    std::vector<NearEnd> near;       // per end in grid order, the other ends within reach, by path, start first
    std::vector<int> entityLayer;    // per end, in grid order: the layer key of its entity
    std::vector<PathState> paths;    // per path id
    std::vector<uint8_t> absorbed;   // per path id: taken in by an earlier path
    std::vector<JoinStep> steps;     // the joins, in the order made
    // Over the path ids: 1 for each path in use, and the number of entities of each path.
    FenwickTree alive, lengths;
    std::vector<int> selectedCount;  // per id: how often its present number is in the selection
    std::vector<int> selectedBelow;  // selected numbers below 1
    std::vector<int> selectedAbove;  // selected numbers above pathCount, each plus the joins made before
};

void AutoJoiner::ReadPaths()
{
    const int n = drw.entityCount();
    px.resize(2 * n);
    py.resize(2 * n);
    link.assign(2 * n, -1);
    cx.resize(n);
    cy.resize(n);
    arcs.resize(n);
    paths.assign(pathCount + 1, PathState{});
    absorbed.assign(pathCount + 1, 0);
    std::vector<int> layers(n);
    std::unordered_map<std::string, int> names;
    int layer = -1;
    for (int k = 0; k < n; k++) {
        const Entity& e = drw.entities[k];
        px[2 * k] = e.x1;
        py[2 * k] = e.y1;
        px[2 * k + 1] = e.x2;
        py[2 * k + 1] = e.y2;
        cx[k] = e.xc;
        cy[k] = e.yc;
        arcs[k] = e.isArc;
        if (k == 0 || e.layer != drw.entities[k - 1].layer)
            layer = names.emplace(AnsiUpper(e.layer), static_cast<int>(names.size())).first->second;
        layers[k] = layer;
        PathState& path = paths[e.sequence];
        if (path.head < 0) {
            path.head = 2 * k;
            path.firstSlot = k;
            path.layer = layer;
        } else {
            link[2 * k] = 2 * (k - 1) + 1;
            link[2 * (k - 1) + 1] = 2 * k;
        }
        path.tail = 2 * k + 1;
        path.entities++;
    }
    ReadEnds(layers);
}

// Puts the path ends into the grid, turns head and tail from ports into places, and lists each end's near ends.
void AutoJoiner::ReadEnds(const std::vector<int>& layers)
{
    std::vector<EndGrid::End> points;
    std::vector<EndInfo> info;
    points.reserve(2 * static_cast<size_t>(pathCount));
    info.reserve(2 * static_cast<size_t>(pathCount));
    for (int s = 1; s <= pathCount; s++) {
        PathState& path = paths[s];
        if (path.head < 0)
            continue;
        const int first = static_cast<int>(points.size());
        for (const int port : {path.head, path.tail}) {
            const bool isTail = port == path.tail;
            points.push_back({px[port], py[port], port});
            info.push_back({s, isTail ? first : first + 1, path.layer, layers[port / 2], isTail});
        }
        path.head = first;
        path.tail = first + 1;
    }
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
    FindNearEnds(placed);
}

// Lists, per end in grid order, the other ends within reach in the order of the plain scan (by path, its start
// before its end), with what a search needs of them; the grid gives them, with their distances.
void AutoJoiner::FindNearEnds(const std::vector<EndInfo>& info)
{
    const int ends = static_cast<int>(info.size());
    links.resize(ends + 1);
    near.clear();
    near.reserve(ends + ends / 4);
    for (int p = 0; p < ends; p++) {
        links[p] = {info[p].owner, static_cast<int>(near.size())};
        if (!searchable)
            continue;
        const auto first = near.end() - near.begin();
        grid.ForEachNear(p, [&](int k, double d) {
            if (k != p)
                near.push_back({d, k, info[k].other, 0, 2 * info[k].pathLayer + (info[k].isTail ? 1 : 0)});
        });
        const auto before = [&info](const NearEnd& a, const NearEnd& b) {
            const EndInfo& x = info[a.place];
            const EndInfo& y = info[b.place];
            return x.owner != y.owner ? x.owner < y.owner : x.isTail < y.isTail;
        };
        std::sort(near.begin() + first, near.end(), before);
    }
    links[ends] = {0, static_cast<int>(near.size())};
    for (NearEnd& end : near)
        end.otherNear = links[end.other].nearBegin;
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
// now. The ports follow in ApplyJoins.
void AutoJoiner::Join(int i, const Candidate& best)
{
    const int j = best.path;
    const int numberOfJ = useSelection ? alive.Prefix(j) : 0;
    PathState& pi = paths[i];
    const int head = pi.head;
    if (best.atStartOfI)
        std::swap(pi.head, pi.tail);
    steps.push_back({i, j, pi.tail, best.place});
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

// Asks for what join t reads and writes: first the two ends in the grid, then, once they are in, their ports.
void AutoJoiner::PrefetchStep(size_t t, size_t ahead)
{
    if (t + 2 * ahead < steps.size()) {
        grid.PrefetchAt(steps[t + 2 * ahead].a);
        grid.PrefetchAt(steps[t + 2 * ahead].b);
    }
    if (t + ahead < steps.size()) {
        const JoinStep& step = steps[t + ahead];
        const int a = grid.At(step.a).port;
        const int b = grid.At(step.b).port;
        for (const void* p : {static_cast<const void*>(&px[b]), static_cast<const void*>(&py[b]),
                              static_cast<const void*>(&link[a]), static_cast<const void*>(&link[b]),
                              static_cast<const void*>(&cx[b / 2]), static_cast<const void*>(&cy[b / 2]),
                              static_cast<const void*>(&paths[step.j])})
            __builtin_prefetch(p);
    }
}

// Join t on the ports: j's first entity starts exactly where i's last one ends (a path end's point is still the
// one in the grid); an arc keeps its centre on its chord's bisector.
void AutoJoiner::ApplyJoin(size_t t)
{
    const JoinStep& step = steps[t];
    const EndGrid::End& end = grid.At(step.a);
    const int a = end.port;
    const int b = grid.At(step.b).port;
    px[b] = end.x;
    py[b] = end.y;
    const int eb = b / 2;
    if (arcs[eb] && !SnapCentreToBisector(px[b], py[b], px[b ^ 1], py[b ^ 1], cx[eb], cy[eb]))
        LogRecentreFailure(t);
    link[a] = b;
    link[b] = a;
    if (lengthsKept) {
        lengths.Add(step.i, paths[step.j].entities);
        lengths.Add(step.j, -paths[step.j].entities);
    }
}

// The joins in the order made. They touch ports all over the drawing, each its own, so those a few joins ahead are
// fetched into the cache while the present one is made.
void AutoJoiner::ApplyJoins()
{
    constexpr size_t Ahead = 8;
    for (size_t t = 0; t < steps.size(); t++) {
        PrefetchStep(t, Ahead);
        ApplyJoin(t);
    }
}

// DRW009 with the entity indices the plain scan has at join t: i's last entity and j's first.
void AutoJoiner::LogRecentreFailure(size_t t)
{
    if (!lengthsKept)
        CountEntitiesBefore(t);
    const int a = lengths.Prefix(steps[t].i) - 1;
    const int b = lengths.Prefix(steps[t].j - 1);
    WriteEventLog(StrFormat("DRW009: Errore nella funzione AutoJoin, entità %d e %d", a, b));
}

// Sets up lengths, which only the message of a failed re-centring needs, as the paths were before join t.
void AutoJoiner::CountEntitiesBefore(size_t t)
{
    for (int id = 1; id < static_cast<int>(paths.size()); id++)
        lengths.Add(id, paths[id].entities);
    for (size_t k = 0; k < t; k++) {
        lengths.Add(steps[k].i, paths[steps[k].j].entities);
        lengths.Add(steps[k].j, -paths[steps[k].j].entities);
    }
    lengthsKept = true;
}

// The joined drawing in storage order, as slots and ports: the paths in the order of their ids, each along its
// chain of ports, with its own slots followed by those of the paths it took in, in the order it took them (the
// joins of a path follow each other in steps, and the paths that made them come in increasing id).
std::vector<Placement> AutoJoiner::Placements() const
{
    std::vector<Placement> order;
    order.reserve(drw.entities.size());
    int number = 0;
    size_t step = 0;
    for (int id = 1; id < static_cast<int>(paths.size()); id++) {
        if (absorbed[id] != 0)
            continue;
        number++;
        const PathState& path = paths[id];
        if (path.head < 0)
            continue;
        const int head = grid.At(path.head).port;
        const int tail = grid.At(path.tail).port;
        int slot = path.firstSlot;
        int slotsLeft = path.entities;
        for (int port = head;; port = link[port ^ 1]) {
            while (slotsLeft == 0 && step < steps.size()) {
                const PathState& taken = paths[steps[step++].j];
                slot = taken.firstSlot;
                slotsLeft = taken.entities;
            }
            const bool last = (port ^ 1) == tail;
            order.push_back({slot++, port, number, port != head, !last});
            slotsLeft--;
            if (last)
                break;
        }
    }
    return order;
}

// The entity of the joined drawing at one placement. Each old entity gives its plane part exactly once, so its
// layer name is moved rather than copied.
Entity AutoJoiner::Placed(const Placement& place)
{
    const Entity& slot = drw.entities[place.slot];
    const int e = place.port / 2;
    Entity& plane = drw.entities[e];
    Entity out;
    out.x1 = px[place.port];
    out.y1 = py[place.port];
    out.z1 = slot.z1;
    out.x2 = px[place.port ^ 1];
    out.y2 = py[place.port ^ 1];
    out.z2 = slot.z2;
    out.xc = cx[e];
    out.yc = cy[e];
    out.zc = slot.zc;
    out.isArc = plane.isArc;
    out.clockwise = plane.isArc ? plane.clockwise != ((place.port & 1) == 1) : plane.clockwise;
    out.layer = std::move(plane.layer);
    out.joinedPrev = place.joinedPrev;
    out.joinedNext = place.joinedNext;
    out.sequence = place.sequence;
    out.reserved1 = slot.reserved1;
    out.reserved2 = slot.reserved2;
    out.reserved3 = slot.reserved3;
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
    constexpr size_t Ahead = 8;
    for (size_t k = 0; k < order.size(); k++) {
        if (k + Ahead < order.size()) {
            const int port = order[k + Ahead].port;
            Prefetch(drw.entities[order[k + Ahead].slot]);
            Prefetch(drw.entities[port / 2]);
            for (const double* v : {&px[port], &py[port], &cx[port / 2], &cy[port / 2]})
                __builtin_prefetch(v);
        }
        result.push_back(Placed(order[k]));
    }
    drw.entities.swap(result);
    drw.pathCount = pathCount;
    drw.modified = true;
    if (!useSelection)
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

}  // namespace

int Drw::AutoJoin(double tolerance, int pathA, int pathB, std::vector<int>* selection,
                  const ProgressCallback& progress)
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
    const int joins = joiner.Run(progress);
    joiner.ApplyJoins();
    joiner.WriteBack(selection);
    return joins;
}
