// AutoJoin: each path, in increasing number, greedily absorbs the nearest end of a later path within the
// tolerance. Comparing every path with every later one and moving entities at every join costs seconds on a full
// drawing; here the path ends sit in a grid of cells as large as the tolerance, so each test looks only at the
// ends nearby, and paths are linked lists of entities that join and turn round in constant time, written back
// into the drawing once at the end. Results, ties and tolerance edges are those of the plain scan.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

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

// The path ends of the drawing in cells of a square grid. The occupied cells are numbered densely and found
// through an open-addressing hash table keyed by the cell's column and row, so the 3 x 3 cells around a point cost
// nine probes of a small table whatever the size of the drawing; the ports of cell c are ports[first[c]] ..
// ports[first[c + 1] - 1]. Ends are entity ports (2 * entity + 0 for its start as stored, + 1 for its end); a port
// stays where it is until it is joined, after which it is no longer an end and is passed over.
class EndGrid {
public:
    void Build(const std::vector<double>& px, const std::vector<double>& py, const std::vector<int>& ends,
               double reach)
    {
        double largest = 0.0;
        for (const int r : ends) {
            if (std::isfinite(px[r]) && std::isfinite(py[r]))
                largest = std::max({largest, std::fabs(px[r]), std::fabs(py[r])});
        }
        // Cells somewhat larger than the reach (and not so small that cell numbers lose precision): every end
        // within reach of a point lies in the 3 x 3 cells around the point's own.
        cell = 1.01 * std::max({reach, 1e-9 * largest, 1e-300});
        size_t slots = 16;
        while (slots < 2 * ends.size())
            slots *= 2;
        table.assign(slots, -1);
        keys.clear();
        first.clear();
        std::vector<int> cellOf(ends.size(), -1);  // the dense cell of each end; -1 off the grid
        for (size_t k = 0; k < ends.size(); k++) {
            const int r = ends[k];
            if (std::isfinite(px[r]) && std::isfinite(py[r]))
                cellOf[k] = Insert({CellOf(px[r]), CellOf(py[r])});
        }
        // Counting sort of the ends by cell.
        first.assign(keys.size() + 1, 0);
        for (const int c : cellOf) {
            if (c >= 0)
                first[c + 1]++;
        }
        for (size_t c = 1; c < first.size(); c++)
            first[c] += first[c - 1];
        ports.resize(first.back());
        std::vector<int> fill(first.begin(), first.end() - 1);
        for (size_t k = 0; k < ends.size(); k++) {
            if (cellOf[k] >= 0)
                ports[fill[cellOf[k]]++] = ends[k];
        }
    }

    // Calls visit(port) for every end stored in the 3 x 3 cells around (x, y).
    template <typename Visit>
    void ForEachNear(double x, double y, Visit visit) const
    {
        const int64_t cx = CellOf(x);
        const int64_t cy = CellOf(y);
        for (int64_t col = cx - 1; col <= cx + 1; col++) {
            for (int64_t row = cy - 1; row <= cy + 1; row++) {
                const int c = Find({col, row});
                if (c < 0)
                    continue;
                for (int k = first[c]; k < first[c + 1]; k++)
                    visit(ports[k]);
            }
        }
    }

private:
    struct Key {
        int64_t cx, cy;
        bool operator==(const Key&) const = default;
    };

    int64_t CellOf(double v) const
    {
        const double c = std::floor(v / cell);
        return static_cast<int64_t>(std::clamp(c, -4e18, 4e18));
    }

    // Neighbouring cells land far apart in the table (the finalizer of splitmix64 over both coordinates).
    size_t SlotOf(const Key& key) const
    {
        uint64_t h = static_cast<uint64_t>(key.cx) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(key.cy);
        h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        return static_cast<size_t>(h ^ (h >> 31)) & (table.size() - 1);
    }

    // The dense number of the cell, or -1 when no end lies in it.
    int Find(const Key& key) const
    {
        for (size_t at = SlotOf(key);; at = (at + 1) & (table.size() - 1)) {
            const int c = table[at];
            if (c < 0 || keys[c] == key)
                return c;
        }
    }

    // The dense number of the cell, numbering it when it is new (the table is never more than half full).
    int Insert(const Key& key)
    {
        size_t at = SlotOf(key);
        for (; table[at] >= 0; at = (at + 1) & (table.size() - 1)) {
            if (keys[table[at]] == key)
                return table[at];
        }
        table[at] = static_cast<int>(keys.size());
        keys.push_back(key);
        return table[at];
    }

    double cell = 1.0;
    std::vector<int> table;  // slot -> dense cell number, -1 empty
    std::vector<Key> keys;   // dense cell number -> its column and row
    std::vector<int> first;  // dense cell number -> its first entry in ports
    std::vector<int> ports;  // the ends, grouped by cell
};

// The best end of a later path found so far for the end of path i under test.
struct Candidate {
    bool found = false;
    double distance = LargestDouble;
    int path = -1;  // j, as its number at the start of the call
    bool atStartOfI = false;
    bool atEndOfJ = false;
};

// One AutoJoin call on a drawing whose paths are chains. Paths are known by their number at the start of the call
// (their id); their present numbers are ranks among the ids still in use. The entities keep their slots (the z
// coordinates and reserved fields, which stay in place when a chain is reversed) while their plane parts (points,
// centre, kind, direction, layer) form each path's chain of ports: head is the port where the path starts, tail
// the port where it ends, and link pairs the joined ports.
class AutoJoiner {
public:
    AutoJoiner(Drw& drw, const JoinRules& rules, int pathA, int pathB, std::vector<int>* selection)
        : drw(drw), rules(rules), pathA(pathA), pathB(pathB), alive(drw.pathCount), lengths(drw.pathCount)
    {
        useSelection = selection != nullptr && !selection->empty();
        pathCount = drw.pathCount;
        ReadPaths();
        if (useSelection)
            ReadSelection(*selection);
        const double reach = (rules.tolerance + 2 * Epsilon) * (1 + 1e-9);
        searchable = reach >= 0;  // false also for a tolerance that is not a number
        if (searchable)
            grid.Build(px, py, ends, reach);
        targetB = NumberToId(pathB);
    }

    int Run(const Drw::ProgressCallback& progress);
    void WriteBack(std::vector<int>* selection);

private:
    void ReadPaths();
    void ReadSelection(const std::vector<int>& selection);
    int NumberToId(int number) const { return number >= 1 && number <= pathCount ? alive.Find(number) : 0; }
    bool Selected(int id) const { return !useSelection || selectedCount[id] > 0; }
    void Search(int id, bool endPass, Candidate& best);
    void Join(int i, const Candidate& best);
    void DropFromSelection(int j, int number);
    void LogRecentreFailure(int i, int j) const;

    Drw& drw;
    JoinRules rules;
    int pathA, pathB;
    bool useSelection = false;
    bool searchable = false;
    int pathCount = 0;
    int joins = 0;
    int targetB = 0;  // id of the path numbered pathB now

    // Per port (2 * entity + 0 or 1): its point, the port it is joined to (-1: a path end), the path it ends.
    std::vector<double> px, py;
    std::vector<int> link, owner;
    std::vector<double> cx, cy;  // per entity: the arc centre (moved when the arc is snapped)
    std::vector<int> layerKey;   // per entity: its upper-cased layer name as a number
    std::vector<int> ends;       // the path ends at the start
    // Per path id: head and tail port (-1 for a number without entities), the slots in order (first, last and
    // the slot after each slot).
    std::vector<int> head, tail, firstSlot, lastSlot, nextSlot;
    FenwickTree alive, lengths;
    EndGrid grid;
    std::vector<int> selectedCount;   // per id: how often its present number is in the selection
    std::vector<int> selectedBelow;   // selected numbers below 1
    std::vector<int> selectedAbove;   // selected numbers above pathCount, each plus the joins made before
    std::vector<std::pair<int, int>> near;  // the candidates of one test: (j, port)
};

void AutoJoiner::ReadPaths()
{
    const int n = drw.entityCount();
    px.resize(2 * n);
    py.resize(2 * n);
    link.assign(2 * n, -1);
    owner.assign(2 * n, 0);
    cx.resize(n);
    cy.resize(n);
    layerKey.resize(n);
    nextSlot.assign(n, -1);
    head.assign(pathCount + 1, -1);
    tail.assign(pathCount + 1, -1);
    firstSlot.assign(pathCount + 1, -1);
    lastSlot.assign(pathCount + 1, -1);
    std::unordered_map<std::string, int> names;
    for (int k = 0; k < n; k++) {
        const Entity& e = drw.entities[k];
        px[2 * k] = e.x1;
        py[2 * k] = e.y1;
        px[2 * k + 1] = e.x2;
        py[2 * k + 1] = e.y2;
        cx[k] = e.xc;
        cy[k] = e.yc;
        layerKey[k] = names.emplace(AnsiUpper(e.layer), static_cast<int>(names.size())).first->second;
        const int s = e.sequence;
        if (head[s] < 0) {
            head[s] = 2 * k;
            firstSlot[s] = k;
        } else {
            link[2 * k] = 2 * (k - 1) + 1;
            link[2 * (k - 1) + 1] = 2 * k;
            nextSlot[k - 1] = k;
        }
        tail[s] = 2 * k + 1;
        lastSlot[s] = k;
        lengths.Add(s, 1);
    }
    for (int s = 1; s <= pathCount; s++) {
        alive.Add(s, 1);
        if (head[s] < 0)
            continue;
        owner[head[s]] = owner[tail[s]] = s;
        ends.push_back(head[s]);
        ends.push_back(tail[s]);
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

void AutoJoiner::Search(int i, bool endPass, Candidate& best)
{
    if (!searchable)
        return;
    const int from = endPass ? tail[i] : head[i];
    const double x = px[from];
    const double y = py[from];
    if (!std::isfinite(x) || !std::isfinite(y))
        return;  // every distance from here is infinite or not a number: no end can be taken
    const int layer = layerKey[head[i] / 2];
    near.clear();
    grid.ForEachNear(x, y, [&](int port) {
        const int j = owner[port];
        if (link[port] >= 0 || j <= i || (targetB != j && pathB >= 0) || !Selected(j) ||
            layerKey[head[j] / 2] != layer)
            return;
        near.push_back({j, port == tail[j] ? 1 : 0});
    });
    // In the order of the scan: by path, its start before its end.
    std::sort(near.begin(), near.end());
    for (const auto& [j, endOfJ] : near) {
        const int port = endOfJ ? tail[j] : head[j];
        const double d = Distance(x, y, px[port], py[port]);
        if (TakesCandidate(d, best.distance, endPass, endOfJ == 1, rules))
            best = Candidate{true, d, j, !endPass, endOfJ == 1};
    }
}

void AutoJoiner::Join(int i, const Candidate& best)
{
    const int j = best.path;
    const int numberOfJ = alive.Prefix(j);
    if (best.atStartOfI)
        std::swap(head[i], tail[i]);
    if (best.atEndOfJ)
        std::swap(head[j], tail[j]);
    // j's first entity starts exactly where i's last one ends; an arc keeps its centre on its chord's bisector.
    const int a = tail[i];
    const int b = head[j];
    px[b] = px[a];
    py[b] = py[a];
    const int eb = b / 2;
    if (drw.entities[eb].isArc && !SnapCentreToBisector(px[b], py[b], px[b ^ 1], py[b ^ 1], cx[eb], cy[eb]))
        LogRecentreFailure(i, j);
    link[a] = b;
    link[b] = a;
    tail[i] = tail[j];
    owner[tail[i]] = i;
    nextSlot[lastSlot[i]] = firstSlot[j];
    lastSlot[i] = lastSlot[j];
    const int moved = lengths.Prefix(j) - lengths.Prefix(j - 1);
    lengths.Add(i, moved);
    lengths.Add(j, -moved);
    alive.Add(j, -1);
    pathCount--;
    joins++;
    if (rules.swapped)
        std::swap(head[i], tail[i]);
    if (useSelection)
        DropFromSelection(j, numberOfJ);
    targetB = NumberToId(pathB);
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
void AutoJoiner::LogRecentreFailure(int i, int j) const
{
    const int a = lengths.Prefix(i) - 1;
    const int b = lengths.Prefix(j - 1);
    WriteEventLog(StrFormat("DRW009: Errore nella funzione AutoJoin, entità %d e %d", a, b));
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
        const int id = alive.Find(i);
        if (!(hasA && i != pathA) && Selected(id) && head[id] >= 0)
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

void AutoJoiner::WriteBack(std::vector<int>* selection)
{
    if (joins == 0)
        return;
    std::vector<Entity> result;
    result.reserve(drw.entities.size());
    int number = 0;
    for (int id = 1; id < static_cast<int>(head.size()); id++) {
        if (alive.Prefix(id) == number)
            continue;  // absorbed
        number++;
        for (int port = head[id], slot = firstSlot[id]; port >= 0; port = link[port ^ 1], slot = nextSlot[slot]) {
            const int e = port / 2;
            const bool reversed = (port & 1) == 1;
            const Entity& plane = drw.entities[e];
            Entity out = drw.entities[slot];
            out.x1 = px[port];
            out.y1 = py[port];
            out.x2 = px[port ^ 1];
            out.y2 = py[port ^ 1];
            out.xc = cx[e];
            out.yc = cy[e];
            out.isArc = plane.isArc;
            out.clockwise = plane.isArc ? plane.clockwise != reversed : plane.clockwise;
            out.layer = plane.layer;
            out.joinedPrev = port != head[id];
            out.joinedNext = (port ^ 1) != tail[id];
            out.sequence = number;
            result.push_back(std::move(out));
            if ((port ^ 1) == tail[id])
                break;
        }
    }
    drw.entities.swap(result);
    drw.pathCount = pathCount;
    drw.modified = true;
    if (!useSelection)
        return;
    std::vector<int>& s = *selection;
    s = selectedBelow;
    number = 0;
    for (int id = 1; id < static_cast<int>(head.size()); id++) {
        if (alive.Prefix(id) == number)
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
