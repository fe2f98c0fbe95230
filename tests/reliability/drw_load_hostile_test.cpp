// Drawing files found by fuzzing Drw::Load, kept as fixtures in tests/data/dis/fuzz_*.dis: each loads into a
// drawing that saves and loads back to the same file.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drawing_checks.h"
#include "model/drw.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DrwLoadHostile : public ::testing::Test {
protected:
    TempProgDir folder;
    MessageRecorder recorder;

    // Saves drw and loads the file into reloaded; returns the bytes saved.
    std::string SaveAndReload(Drw& drw, Drw& reloaded)
    {
        const std::string path = folder.File("saved.dis");
        EXPECT_TRUE(drw.Save(path));
        EXPECT_TRUE(reloaded.Load(path));
        return ReadBytes(path);
    }
};

// Entity and layer names holding NUL bytes: an entity named "\0" once got a table entry of its own at every save
// and load, because the table's names end at their first zero byte and the entities' names did not. Names now end
// at their first zero byte on loading, for entities and the table alike. (The file's path count, 247, covers the
// numbers of its entities, as loading requires.)
TEST_F(DrwLoadHostile, NulBytesInNamesDoNotGrowTheLayerTable)
{
    Drw drw;
    ASSERT_TRUE(drw.Load(std::string(QUORVIA_TEST_DATA) + "/dis/fuzz_nul_in_layer_names.dis"));
    ASSERT_EQ(drw.entityCount(), 3);
    for (const Entity& e : drw.entities)
        EXPECT_EQ(e.layer.find('\0'), std::string::npos);
    for (const Drw::Layer& layer : drw.layers)
        EXPECT_EQ(layer.name.find('\0'), std::string::npos);
    Drw once, twice;
    const std::string first = SaveAndReload(drw, once);
    EXPECT_EQ(SaveAndReload(once, twice), first);
    EXPECT_EQ(twice.layers, drw.layers);
    EXPECT_EQ(recorder.Count(), 0u);
}

}  // namespace
