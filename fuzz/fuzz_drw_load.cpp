// Fuzz target for Drw::Load: any bytes as a drawing file. Loaded or not, the drawing stays within its capacities
// with every entity layer in its table; a drawing that loaded saves to a file that loads back to the same bytes.
#include <fstream>
#include <iterator>

#include "fuzz_support.h"
#include "model/drw.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

::testing::AssertionResult WithinCapacities(const Drw& drw)
{
    if (drw.entityCount() > MaxEntities || drw.layerCount() > MaxLayers)
        return ::testing::AssertionFailure() << drw.entityCount() << " entities, " << drw.layerCount() << " layers";
    if (drw.layerCount() < MaxLayers)
        for (const Entity& e : drw.entities)
            if (!drw.FindLayer(e.layer))
                return ::testing::AssertionFailure() << "layer '" << e.layer << "' is not in the table";
    return ::testing::AssertionSuccess();
}

// Saves drw and loads the file again into reloaded; the bytes saved.
std::string SaveAndReload(Drw& drw, Drw& reloaded)
{
    const std::string path = ScratchPath("saved.dis");
    Require(::testing::AssertionResult(drw.Save(path)) << "a loaded drawing did not save", "save");
    Require(::testing::AssertionResult(reloaded.Load(path)) << "a saved drawing did not load", "reload");
    return ReadBytes(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool silenced = SilenceMessageBoxes();
    (void)silenced;
    Drw drw;
    const bool loaded = drw.Load(InputFile(data, size, "input.dis"));
    Require(WithinCapacities(drw), "after Load");
    if (!loaded)
        return 0;
    Drw first, second;
    const std::string once = SaveAndReload(drw, first);
    const std::string twice = SaveAndReload(first, second);
    Require(::testing::AssertionResult(once == twice) << "saving the reloaded drawing gave other bytes", "round trip");
    return 0;
}
