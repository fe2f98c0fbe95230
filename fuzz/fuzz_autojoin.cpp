// Fuzz target for AutoJoin against the plain scan of the test suite: any bytes as a small drawing and a call. Points
// lie on a grid of quarter millimetres (so ends coincide and gaps fall exactly at the tolerance), now and then at
// infinity or far away; lines and arcs on layers that differ only in letter case; paths of any length, some numbers
// without entities, and now and then paths stored against the chain invariants. The call takes a tolerance, a first
// and a second path and a selection. Both must give the same drawing, joins, selection, progress and event log.
// The plain scan relies on the invariants, so a drawing that breaks them is only joined by AutoJoin, which must
// keep its entities.
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "model/drawing_checks.h"
#include "model/drw.h"
#include "model/drw_join.h"
#include "model/reference_ops.h"
#include "support/log.h"

namespace {

// The input, byte by byte; zeros once it is used up.
class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data(data), size(size) {}
    uint8_t Next() { return at < size ? data[at++] : 0; }
    bool More() const { return at < size; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

double Coordinate(uint8_t byte)
{
    switch (byte) {
    case 255: return std::numeric_limits<double>::infinity();
    case 254: return -1e300;
    default: return (byte % 64) * 0.25;
    }
}

// Entities of six or eight bytes: flags (a new path, an arc, its direction, its layer, a broken join flag, a path
// number left empty before it), the start and end, and an arc's centre.
Drw ReadDrawing(Bytes& in)
{
    static const char* const layers[] = {"0", "b", "B", "0"};
    Drw drw;
    while (in.More() && drw.entityCount() < 48) {
        const uint8_t flags = in.Next();
        const bool startsPath = (flags & 1) != 0 || drw.entities.empty();
        Entity e;
        e.x1 = Coordinate(in.Next());
        e.y1 = Coordinate(in.Next());
        e.x2 = Coordinate(in.Next());
        e.y2 = Coordinate(in.Next());
        e.isArc = (flags & 2) != 0;
        if (e.isArc) {
            e.xc = Coordinate(in.Next());
            e.yc = Coordinate(in.Next());
            e.clockwise = (flags & 4) != 0;
        }
        e.layer = layers[(flags >> 3) & 3];
        e.z1 = drw.entityCount();
        if (startsPath) {
            drw.pathCount += (flags & 64) != 0 ? 2 : 1;
            if (!drw.entities.empty())
                drw.entities.back().joinedNext = false;
        }
        e.sequence = drw.pathCount;
        e.joinedPrev = !startsPath;
        e.joinedNext = true;
        if ((flags & 0xA0) == 0xA0)  // rarely: a flag against the invariants
            e.joinedPrev = !e.joinedPrev;
        drw.AddEntity(e);
    }
    if (!drw.entities.empty())
        drw.entities.back().joinedNext = false;
    drw.modified = false;
    return drw;
}

// A path number from -1 to two past the last.
int PathNumber(Bytes& in, const Drw& drw) { return static_cast<int>(in.Next() % (drw.pathCount + 4)) - 1; }

struct Outcome {
    Drw drw;
    int joins = 0;
    std::vector<int> selection;
    std::vector<double> progress;
    std::vector<std::string> events;
};

template <typename Join>
Outcome Run(const Drw& drw, Join join, double tolerance, int pathA, int pathB, const std::vector<int>& selection)
{
    Outcome out{drw, 0, selection, {}, {}};
    EventLog = std::make_unique<Log>("EV");
    const Drw::ProgressCallback record = [&out](double f) { out.progress.push_back(f); };
    out.joins = join(out.drw, tolerance, pathA, pathB, &out.selection, record);
    out.events = EventLog->Lines();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = SilenceMessageBoxes();
    (void)silenced;
    static const double tolerances[] = {0.25, 0.5, 1.0, 0.0, 0.7, -1.0, 1e9, std::nan("")};
    Bytes in(data, size);
    const double tolerance = tolerances[in.Next() % 8];
    const uint8_t call = in.Next();
    const uint8_t a = in.Next(), b = in.Next();
    std::vector<int> selection(in.Next() % 8);
    for (int& number : selection)
        number = static_cast<int>(in.Next() % 20) - 2;
    const Drw drw = ReadDrawing(in);
    Bytes numbers(&a, 1), other(&b, 1);
    const int pathA = (call & 1) != 0 ? PathNumber(numbers, drw) : -1;
    const int pathB = (call & 2) != 0 ? PathNumber(other, drw) : -1;
    if ((call & 4) == 0)
        selection.clear();
    const auto member = [](Drw& d, double t, int pa, int pb, std::vector<int>* s, const Drw::ProgressCallback& p) {
        return d.AutoJoin(t, pa, pb, s, p);
    };
    const Outcome fast = Run(drw, member, tolerance, pathA, pathB, selection);
    if (!PathsAreChains(drw)) {
        Require(::testing::AssertionResult(fast.drw.entityCount() == drw.entityCount()) << "entities were lost",
                "entities");
        return 0;
    }
    const Outcome plain = Run(drw, reference::AutoJoin, tolerance, pathA, pathB, selection);
    Require(SameDrawing(fast.drw, plain.drw), "drawing");
    Require(::testing::AssertionResult(fast.joins == plain.joins) << fast.joins << " joins against " << plain.joins,
            "joins");
    Require(::testing::AssertionResult(fast.selection == plain.selection)
                << "the selections differ: " << ::testing::PrintToString(fast.selection) << " against "
                << ::testing::PrintToString(plain.selection) << " from " << ::testing::PrintToString(selection)
                << " joining " << pathA << " and " << pathB << " in " << drw.pathCount << " paths",
            "selection");
    Require(::testing::AssertionResult(fast.progress == plain.progress) << "the progress differs", "progress");
    Require(::testing::AssertionResult(fast.events == plain.events) << "the event logs differ", "events");
    Require(::testing::AssertionResult(fast.drw.modified == plain.drw.modified) << "modified differs", "modified");
    return 0;
}
