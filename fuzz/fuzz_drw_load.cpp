// Fuzz target for Drw::Load and what follows it: any bytes as a drawing file. Loaded or not, the drawing keeps every
// invariant with every path number in use, and so it does after each operation an operator can reach next; a
// drawing that loaded saves to a file that loads back to the same bytes.
#include "fuzz_operations.h"
#include "fuzz_support.h"
#include "model/drw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = SilenceMessageBoxes();
    (void)silenced;
    Drw drw;
    const bool loaded = drw.Load(InputFile(data, size, "input.dis"));
    // A file that failed to load leaves what it held completely, which a window still shows and works on.
    Require(CheckInvariants(drw, false, false), "after Load");
    if (loaded) {
        Drw first, second;
        const std::string once = SaveAndReload(drw, first);
        const std::string twice = SaveAndReload(first, second);
        Require(::testing::AssertionResult(once == twice) << "saving the reloaded drawing gave other bytes",
                "round trip");
    }
    OperatorArguments args(data, size);
    RunOperatorSteps(drw, args, false);
    Drw reloaded;
    SaveAndReload(drw, reloaded);
    return 0;
}
