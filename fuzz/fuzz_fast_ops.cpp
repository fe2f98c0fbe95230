// Fuzz target for the drawing operations written for speed against the plain algorithms of the test suite: any
// bytes as an operation (AutoJoin, Simplify, RemoveDegenerate, ExplodePaths, DeletePath, JoinPaths, PickPaths), its
// arguments and a small drawing. Points lie on a grid of quarter millimetres (so ends coincide, lines run on in one
// direction and gaps fall exactly at a tolerance), now and then at infinity or far away; lines, arcs and
// zero-length entities on layers that differ only in letter case; paths of any length, some numbers without
// entities, and now and then paths stored against the chain invariants. Both must give the same drawing, result,
// selection, progress and event log. The plain algorithms rely on the invariants, so a drawing that breaks them is
// only given to the member, which must keep within the drawing.
#include <cmath>
#include <functional>
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

// Entities of five or seven bytes: flags (a new path, an arc, its direction, its layer, a path number left empty
// before it, zero length, and with that a broken join flag), the start and end, and an arc's centre.
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
        e.x2 = (flags & 128) != 0 ? e.x1 : Coordinate(in.Next());
        e.y2 = (flags & 128) != 0 ? e.y1 : Coordinate(in.Next());
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

// What one run of an operation gives besides the drawing.
struct Outcome {
    Drw drw;
    int result = 0;
    std::vector<int> selection;
    std::vector<double> progress;
    std::vector<std::string> events;
};

// Runs op(drawing, selection, progress) on a copy of drw with a fresh event log.
template <typename Op>
Outcome Run(const Drw& drw, const std::vector<int>& selection, Op op)
{
    Outcome out{drw, 0, selection, {}, {}};
    EventLog = std::make_unique<Log>("EV");
    const Drw::ProgressCallback record = [&out](double f) { out.progress.push_back(f); };
    out.result = op(out.drw, out.selection, record);
    out.events = EventLog->Lines();
    return out;
}

void RequireSame(const Outcome& fast, const Outcome& plain, const std::vector<int>& selection)
{
    Require(SameDrawing(fast.drw, plain.drw), "drawing");
    Require(::testing::AssertionResult(fast.result == plain.result) << fast.result << " against " << plain.result,
            "result");
    Require(::testing::AssertionResult(fast.selection == plain.selection)
                << "the selections differ: " << ::testing::PrintToString(fast.selection) << " against "
                << ::testing::PrintToString(plain.selection) << " from " << ::testing::PrintToString(selection),
            "selection");
    Require(::testing::AssertionResult(fast.progress == plain.progress) << "the progress differs", "progress");
    Require(::testing::AssertionResult(fast.events == plain.events) << "the event logs differ", "events");
    Require(::testing::AssertionResult(fast.drw.modified == plain.drw.modified) << "modified differs", "modified");
}

// The call the bytes ask for: the operation and its raw arguments, read before the drawing.
struct Call {
    uint8_t kind, tolerance, flags, pathA, pathB, a, b;
    std::vector<int> selection;  // numbers from -2 to 17
};

Call ReadCall(Bytes& in)
{
    Call call{in.Next(), in.Next(), in.Next(), in.Next(), in.Next(), in.Next(), in.Next(), {}};
    call.selection.resize(in.Next() % 8);
    for (int& number : call.selection)
        number = static_cast<int>(in.Next() % 20) - 2;
    return call;
}

// The member and the plain algorithm of one operation, each as op(drawing, selection, progress).
using Op = std::function<int(Drw&, std::vector<int>&, const Drw::ProgressCallback&)>;
struct Operation {
    Op fast, plain;
};

// A pick of the paths in the rectangle of the call (a corner on the grid or at infinity, sides up to 15.75 mm, one
// path or all): the count of paths found, and in the selection's place the paths followed by their nearest entities.
template <typename Pick>
Op PickInRectangle(const Call& call, Pick pick)
{
    const double left = Coordinate(call.a), bottom = Coordinate(call.b);
    const double right = left + (call.pathA % 64) * 0.25, top = bottom + (call.pathB % 64) * 0.25;
    const bool single = (call.flags & 32) != 0;
    return [=](Drw& d, std::vector<int>& found, const Drw::ProgressCallback&) {
        std::vector<int> paths, nearest;
        std::invoke(pick, d, left, bottom, right, top, paths, &nearest, single);
        found = paths;
        found.insert(found.end(), nearest.begin(), nearest.end());
        return static_cast<int>(paths.size());
    };
}

// The operation of the call on drw, with path numbers from -1 to two past the last and entity indices from -1 to
// one past the last.
Operation ChooseOperation(const Call& call, const Drw& drw)
{
    static const double tolerances[] = {0.25, 0.5, 1.0, 0.0, 0.7, -1.0, 1e9, std::nan("")};
    const double tolerance = tolerances[call.tolerance % 8];
    const int pathA = static_cast<int>(call.pathA % (drw.pathCount + 4)) - 1;
    const int pathB = static_cast<int>(call.pathB % (drw.pathCount + 4)) - 1;
    const int a = static_cast<int>(call.a % (drw.entityCount() + 2)) - 1;
    const int b = static_cast<int>(call.b % (drw.entityCount() + 2)) - 1;
    const bool reverseA = (call.flags & 8) != 0, reverseB = (call.flags & 16) != 0;
    switch (call.kind % 7) {
    case 0: {
        const int first = (call.flags & 1) != 0 ? pathA : -1;
        const int second = (call.flags & 2) != 0 ? pathB : -1;
        return {[=](Drw& d, std::vector<int>& s, const Drw::ProgressCallback& p) {
                    return d.AutoJoin(tolerance, first, second, &s, p);
                },
                [=](Drw& d, std::vector<int>& s, const Drw::ProgressCallback& p) {
                    return reference::AutoJoin(d, tolerance, first, second, &s, p);
                }};
    }
    case 1:
        return {[](Drw& d, std::vector<int>&, const Drw::ProgressCallback& p) {
                    d.Simplify(p);
                    return 0;
                },
                [](Drw& d, std::vector<int>&, const Drw::ProgressCallback& p) {
                    reference::Simplify(d, p);
                    return 0;
                }};
    case 2:
        return {[](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) { return d.RemoveDegenerate(); },
                [](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) { return reference::RemoveDegenerate(d); }};
    case 3:
        return {
            [=](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) { return d.ExplodePaths(pathA); },
            [=](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) { return reference::ExplodePaths(d, pathA); }};
    case 4:
        return {[=](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) { return d.DeletePath(pathA) ? 1 : 0; },
                [=](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) {
                    return reference::DeletePath(d, pathA) ? 1 : 0;
                }};
    case 5:
        return {[=](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) {
                    return d.JoinPaths(a, b, reverseA, reverseB) ? 1 : 0;
                },
                [=](Drw& d, std::vector<int>&, const Drw::ProgressCallback&) {
                    return reference::JoinPaths(d, a, b, reverseA, reverseB) ? 1 : 0;
                }};
    default: return {PickInRectangle(call, &Drw::PickPaths), PickInRectangle(call, &reference::PickPaths)};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = SilenceMessageBoxes();
    (void)silenced;
    Bytes in(data, size);
    Call call = ReadCall(in);
    const Drw drw = ReadDrawing(in);
    const Operation operation = ChooseOperation(call, drw);
    if (call.kind % 7 != 0 || (call.flags & 4) == 0)
        call.selection.clear();  // only AutoJoin takes a selection, and only when the call says so
    const Outcome fast = Run(drw, call.selection, operation.fast);
    if (!PathsAreChains(drw)) {
        Require(::testing::AssertionResult(fast.drw.entityCount() <= MaxEntities) << "too many entities", "size");
        return 0;
    }
    RequireSame(fast, Run(drw, call.selection, operation.plain), call.selection);
    return 0;
}
