// Fuzz target for the DXF import and what follows it: any bytes written to a file and imported into a drawing. The
// drawing must keep every invariant (capacities, paths numbered in storage order, chains whose neighbours meet,
// layers in the table) with finite coordinates, whatever the file held, and keep its invariants through every
// operation an operator can reach next and a save and load.
#include <cmath>

#include "dxf/importdxf.h"
#include "fuzz_operations.h"
#include "fuzz_support.h"
#include "model/drawing_checks.h"

namespace {

::testing::AssertionResult FiniteCoordinates(const Drw& drw)
{
    for (int i = 0; i < drw.entityCount(); i++) {
        const Entity& e = drw.entities[i];
        for (double value : {e.x1, e.y1, e.x2, e.y2, e.xc, e.yc})
            if (!std::isfinite(value))
                return ::testing::AssertionFailure() << "entity " << i << " has the coordinate " << value;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = SilenceMessageBoxes();
    (void)silenced;
    Drw drw;
    ImportDxf(InputFile(data, size, "input.dxf"), drw);
    // Items that add no entity (an ellipse without extent, a polyline of one vertex) still take a path number.
    Require(CheckInvariants(drw, true), "after ImportDxf");
    Require(FiniteCoordinates(drw), "coordinates");
    OperatorArguments args(data, size);
    RunOperatorSteps(drw, args, true);
    Drw reloaded;
    SaveAndReload(drw, reloaded);
    Require(::testing::AssertionResult(reloaded.entityCount() == drw.entityCount()) << "entities lost on reload",
            "reload");
    return 0;
}
