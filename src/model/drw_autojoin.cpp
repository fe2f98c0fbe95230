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
};

// One end of a later path that a search may take: its path, whether it is that path's end, its distance.
struct NearEnd {
    int path;
    int endOfPath;
    double distance;
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

// One AutoJoin call on a drawing whose paths are chains. Paths are known by their number at the start of the call
// (their id); their present numbers are ranks among the ids still in use. The entities keep their slots (the z
// coordinates and reserved fields, which stay in place when a chain is reversed) while their plane parts (points,
// centre, kind, direction, layer) form each path's chain of ports, link pairing the joined ports. A path's head
// and tail are the places in the grid order (EndGrid) of the ends where it starts and ends; what a search needs
// of a candidate end sits in its EndState, beside the states of the ends near it, so that a search reads a few
// cache lines and never an entity.
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
    void WriteBack(std::vector<int>* selection);

private:
    // Per end, in grid order.
    struct EndState {
        int owner = 0;        // the path it ends
        int pathLayer = -1;   // the layer key of the entity at the start of that path
        int entityLayer = -1; // the layer key of its own entity
        bool live = true;     // still a path end (not joined)
        bool isTail = false;  // where its path ends, not where it starts
        bool isArc = false;   // its entity is an arc
        int other = -1;       // the place of the other end of its path
    };
    struct PathState {
        int head = -1, tail = -1;           // places of its ends; -1 for a number without entities
        int firstSlot = -1, lastSlot = -1;  // its slots in order run from firstSlot along nextSlot
        int entities = 0;
        bool absorbed = false;
    };

    void ReadPaths();
    void ReadSelection(const std::vector<int>& selection);
    int NumberToId(int number) const { return number >= 1 && number <= pathCount ? alive.Find(number) : 0; }
    int IdOf(int number);
    bool Selected(int id) const { return !useSelection || selectedCount[id] > 0; }
    void Search(int id, bool endPass, Candidate& best);
    void Join(int i, const Candidate& best);
    void MarkEnds(int id);
    void PrefetchAhead(int id);
    void PrefetchSearch(int k);
    void PrefetchRuns(std::pair<int, int> starts);
    void PrefetchPort(int port);
    void DropFromSelection(int j, int number);
    void LogRecentreFailure(int i, int j);
    void CountEntitiesBefore();
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
    int joins = 0;
    int targetB = 0;                     // id of the path numbered pathB now
    int cursorId = 0, cursorNumber = 0;  // the id IdOf gave last, and its number

    std::vector<double> px, py;  // per port (2 * entity + 0 or 1): its point
    std::vector<int> link;       // per port: the port it is joined to; -1 at a path end
    std::vector<double> cx, cy;  // per entity: the arc centre (moved when the arc is snapped)
    EndGrid grid;
    std::vector<EndState> endStates;  // per end, in grid order
    // Per end, in grid order: where the runs of a search from its path's other end begin, as it was at the start
    // (a search takes only ends of paths not yet joined, so the next search starts from the other end of the
    // candidate it finds, and that search's ends can be asked for at once).
    std::vector<std::pair<int, int>> otherRuns;
    std::vector<PathState> paths;     // per path id
    std::vector<int> nextSlot;        // per slot: the slot after it in its path
    // Over the path ids: 1 for each path in use, and the number of entities of each path.
    FenwickTree alive, lengths;
    std::vector<int> selectedCount;  // per id: how often its present number is in the selection
    std::vector<int> selectedBelow;  // selected numbers below 1
    std::vector<int> selectedAbove;  // selected numbers above pathCount, each plus the joins made before
    std::vector<NearEnd> near;       // the candidates of one test
};

void AutoJoiner::ReadPaths()
{
    const int n = drw.entityCount();
    px.resize(2 * n);
    py.resize(2 * n);
    link.assign(2 * n, -1);
    cx.resize(n);
    cy.resize(n);
    nextSlot.assign(n, -1);
    paths.assign(pathCount + 1, PathState{});
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
        if (k == 0 || e.layer != drw.entities[k - 1].layer)
            layer = names.emplace(AnsiUpper(e.layer), static_cast<int>(names.size())).first->second;
        layers[k] = layer;
        PathState& path = paths[e.sequence];
        if (path.head < 0) {
            path.head = 2 * k;
            path.firstSlot = k;
        } else {
            link[2 * k] = 2 * (k - 1) + 1;
            link[2 * (k - 1) + 1] = 2 * k;
            nextSlot[k - 1] = k;
        }
        path.tail = 2 * k + 1;
        path.lastSlot = k;
        path.entities++;
    }
    // The ends into the grid, and head and tail from ports to places.
    std::vector<EndGrid::End> points;
    std::vector<EndState> states;
    points.reserve(2 * static_cast<size_t>(pathCount));
    states.reserve(2 * static_cast<size_t>(pathCount));
    for (int s = 1; s <= pathCount; s++) {
        PathState& path = paths[s];
        if (path.head < 0)
            continue;
        for (const int port : {path.head, path.tail}) {
            const int e = port / 2;
            points.push_back({px[port], py[port], port});
            states.push_back({s, layers[path.head / 2], layers[e], true, port == path.tail, drw.entities[e].isArc});
            states.back().other = static_cast<int>(points.size()) - (port == path.tail ? 2 : 0);
        }
        path.head = static_cast<int>(points.size()) - 2;
        path.tail = static_cast<int>(points.size()) - 1;
    }
    grid.Build(points, searchable ? rules.tolerance : 0.0);
    endStates.resize(states.size());
    for (size_t k = 0; k < states.size(); k++) {
        states[k].other = grid.PlaceOf(states[k].other);
        endStates[grid.PlaceOf(static_cast<int>(k))] = states[k];
    }
    otherRuns.resize(endStates.size());
    for (size_t k = 0; k < endStates.size(); k++)
        otherRuns[k] = grid.RunStarts(endStates[k].other);
    for (PathState& path : paths) {
        if (path.head >= 0) {
            path.head = grid.PlaceOf(path.head);
            path.tail = grid.PlaceOf(path.tail);
        }
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
        while (paths[cursorId].absorbed);
        cursorNumber++;
    }
    return cursorId;
}

void AutoJoiner::Search(int i, bool endPass, Candidate& best)
{
    if (!searchable)
        return;
    const int from = endPass ? paths[i].tail : paths[i].head;
    const int layer = endStates[from].pathLayer;
    __builtin_prefetch(&link[grid.At(from).port]);  // written by a join at this end
    near.clear();
    grid.ForEachNear(from, [&](int k, double d) {
        const EndState& end = endStates[k];
        const int j = end.owner;
        if (!end.live || j <= i || (targetB != j && pathB >= 0) || !Selected(j) || end.pathLayer != layer)
            return;
        near.push_back({j, end.isTail ? 1 : 0, d});
        // Read and written by the join and read by the next search, should j be taken.
        __builtin_prefetch(&paths[j]);
        PrefetchPort(grid.At(k).port);
        grid.PrefetchEnd(end.other);
        __builtin_prefetch(&endStates[end.other]);
        PrefetchRuns(otherRuns[k]);
    });
    // In the order of the scan: by path, its start before its end.
    std::sort(near.begin(), near.end(), [](const NearEnd& a, const NearEnd& b) {
        return a.path != b.path ? a.path < b.path : a.endOfPath < b.endOfPath;
    });
    for (const NearEnd& end : near) {
        if (TakesCandidate(end.distance, best.distance, endPass, end.endOfPath == 1, rules))
            best = Candidate{true, end.distance, end.path, !endPass, end.endOfPath == 1};
    }
}

void AutoJoiner::Join(int i, const Candidate& best)
{
    const int j = best.path;
    const int numberOfJ = useSelection ? alive.Prefix(j) : 0;
    PathState& pi = paths[i];
    PathState& pj = paths[j];
    if (best.atStartOfI)
        std::swap(pi.head, pi.tail);
    if (best.atEndOfJ)
        std::swap(pj.head, pj.tail);
    // j's first entity starts exactly where i's last one ends (a path end's point is still the one in the grid);
    // an arc keeps its centre on its chord's bisector.
    const EndGrid::End& end = grid.At(pi.tail);
    const int a = end.port;
    const int b = grid.At(pj.head).port;
    px[b] = end.x;
    py[b] = end.y;
    const int eb = b / 2;
    if (endStates[pj.head].isArc && !SnapCentreToBisector(px[b], py[b], px[b ^ 1], py[b ^ 1], cx[eb], cy[eb]))
        LogRecentreFailure(i, j);
    link[a] = b;
    link[b] = a;
    endStates[pi.tail].live = false;
    endStates[pj.head].live = false;
    pi.tail = pj.tail;
    nextSlot[pi.lastSlot] = pj.firstSlot;
    pi.lastSlot = pj.lastSlot;
    if (lengthsKept) {
        lengths.Add(i, pj.entities);
        lengths.Add(j, -pj.entities);
    }
    pi.entities += pj.entities;
    if (numbersKept)
        alive.Add(j, -1);
    pj.absorbed = true;
    pathCount--;
    joins++;
    if (rules.swapped)
        std::swap(pi.head, pi.tail);
    MarkEnds(i);
    PrefetchSearch(pi.tail);
    if (useSelection)
        DropFromSelection(j, numberOfJ);
    if (pathB >= 0)
        targetB = NumberToId(pathB);
}

// The searches of the next paths read their ends' points and states, and the runs of ends around them: asked
// for two and one paths ahead, they are in the cache by then.
void AutoJoiner::PrefetchAhead(int id)
{
    const int last = static_cast<int>(paths.size()) - 1;
    if (id + 2 <= last && paths[id + 2].head >= 0) {
        for (const int k : {paths[id + 2].head, paths[id + 2].tail}) {
            grid.PrefetchEnd(k);
            __builtin_prefetch(&endStates[k]);
        }
    }
    if (id + 1 <= last && paths[id + 1].head >= 0) {
        for (const int k : {paths[id + 1].head, paths[id + 1].tail})
            PrefetchSearch(k);
    }
}

// Asks for what a join reads and writes of a port and its entity.
void AutoJoiner::PrefetchPort(int port)
{
    for (const void* p : {static_cast<const void*>(&px[port]), static_cast<const void*>(&py[port]),
                          static_cast<const void*>(&link[port]), static_cast<const void*>(&cx[port / 2]),
                          static_cast<const void*>(&cy[port / 2])})
        __builtin_prefetch(p);
}

// Asks for the ends and their states that a search from the end at place k reads.
void AutoJoiner::PrefetchSearch(int k)
{
    PrefetchRuns(grid.RunStarts(k));
}

// Asks for the runs of ends that begin at starts, with their states and where their other ends' runs begin.
void AutoJoiner::PrefetchRuns(std::pair<int, int> starts)
{
    grid.PrefetchRuns(starts);
    for (const int k : {starts.first, starts.second}) {
        __builtin_prefetch(endStates.data() + k);
        __builtin_prefetch(otherRuns.data() + k);
    }
}

// Brings the states of the path's two ends up to date after a join.
void AutoJoiner::MarkEnds(int id)
{
    const PathState& path = paths[id];
    EndState& head = endStates[path.head];
    EndState& tail = endStates[path.tail];
    head.owner = tail.owner = id;
    head.pathLayer = tail.pathLayer = head.entityLayer;
    head.isTail = false;
    tail.isTail = true;
    head.other = path.tail;
    tail.other = path.head;
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
        selectedAbove.insert(selectedAbove.end(), rest, number + joins);
}

// DRW009 with the entity indices the plain scan has at that moment: i's last entity and j's first.
void AutoJoiner::LogRecentreFailure(int i, int j)
{
    if (!lengthsKept)
        CountEntitiesBefore();
    const int a = lengths.Prefix(i) - 1;
    const int b = lengths.Prefix(j - 1);
    WriteEventLog(StrFormat("DRW009: Errore nella funzione AutoJoin, entità %d e %d", a, b));
}

// Sets up lengths, which only the message of a failed re-centring needs, from the paths as they are now.
void AutoJoiner::CountEntitiesBefore()
{
    for (int id = 1; id < static_cast<int>(paths.size()); id++) {
        if (!paths[id].absorbed)
            lengths.Add(id, paths[id].entities);
    }
    lengthsKept = true;
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
        if (!(hasA && i != pathA) && Selected(id) && paths[id].head >= 0)
            Search(id, endPass, best);
        if (endPass || !best.found)
            continue;
        Join(id, best);
        if (hasA && pathB >= 0)
            break;
        i--;
    }
    return joins;
}

// The joined drawing in storage order, as slots and ports: the paths in the order of their ids, each along its
// chain of ports and its list of slots.
std::vector<Placement> AutoJoiner::Placements() const
{
    std::vector<Placement> order;
    order.reserve(drw.entities.size());
    int number = 0;
    for (int id = 1; id < static_cast<int>(paths.size()); id++) {
        const PathState& path = paths[id];
        if (path.absorbed)
            continue;
        number++;
        if (path.head < 0)
            continue;
        const int head = grid.At(path.head).port;
        const int tail = grid.At(path.tail).port;
        for (int port = head, slot = path.firstSlot;; port = link[port ^ 1], slot = nextSlot[slot]) {
            const bool last = (port ^ 1) == tail;
            order.push_back({slot, port, number, port != head, !last});
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
    if (joins == 0)
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
        if (paths[id].absorbed)
            continue;
        number++;
        s.insert(s.end(), selectedCount[id], number);
    }
    std::sort(selectedAbove.begin(), selectedAbove.end());
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
    joiner.WriteBack(selection);
    return joins;
}
