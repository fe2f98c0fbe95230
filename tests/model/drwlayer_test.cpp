// Tests of the drawing's layer table: lookup without letter case, the table's capacity and completing the table
// from the entities.
#include <gtest/gtest.h>

#include <string>

#include "common/message_recorder.h"
#include "model/drawing_builders.h"
#include "model/drw.h"

namespace {

// A drawing whose layer table is full, with layers "L0".."L199".
Drw DrawingWithFullLayerTable()
{
    Drw drw;
    for (int i = 0; i < MaxLayers; i++)
        drw.AddLayer("L" + std::to_string(i));
    return drw;
}

}  // namespace

TEST(Drwlayer, FindLayerIgnoresLetterCase)
{
    Drw drw;
    drw.AddLayer("Taglio");
    drw.AddLayer("Ébauche");
    drw.AddLayer("");
    struct Case {
        const char* name;
        bool found;
    };
    const Case cases[] = {
        {"Taglio", true},  {"TAGLIO", true}, {"taglio", true}, {"éBAUCHE", true},
        {"ÉBAUCHE", true}, {"", true},       {"Tagli", false}, {"Taglio ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(drw.FindLayer(c.name), c.found);
    }
    EXPECT_FALSE(Drw().FindLayer(""));
}

TEST(Drwlayer, AddLayerGivesCreationValuesUpToTheCapacity)
{
    MessageRecorder recorder;
    Drw drw = DrawingWithFullLayerTable();
    ASSERT_EQ(drw.layerCount(), MaxLayers);
    const Drw::Layer& layer = drw.layers[MaxLayers - 1];
    EXPECT_EQ(layer.name, "L199");
    EXPECT_TRUE(layer.flag);
    EXPECT_EQ(layer.value, 1.0);
    EXPECT_EQ(layer.colour, 63232);
    EXPECT_FALSE(drw.modified);

    EXPECT_FALSE(drw.AddLayer("L200"));
    EXPECT_EQ(drw.layerCount(), MaxLayers);
    EXPECT_FALSE(drw.FindLayer("L200"));
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST(Drwlayer, EntityOnAFullTableKeepsItsUnlistedLayer)
{
    MessageRecorder recorder;
    Drw drw = DrawingWithFullLayerTable();
    EXPECT_TRUE(drw.AddLine(0, 0, 1, 1, "NUOVO", 1, false, false));
    EXPECT_EQ(drw.entities[0].layer, "NUOVO");
    EXPECT_EQ(drw.layerCount(), MaxLayers);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST(Drwlayer, EnsureLayersAddsMissingLayersInEntityOrder)
{
    Drw drw;
    drw.AddLayer("Taglio");
    // Entities as a file can hold them: layers not in the table, some differing only in case.
    for (const char* name : {"taglio", "Foro", "Foro", "FORO", "Incisione", "Foro", ""}) {
        Entity e = MakeLine(0, 0, 1, 0, drw.pathCount + 1, name);
        drw.entities.push_back(e);
        drw.pathCount++;
    }

    drw.EnsureLayers();

    ASSERT_EQ(drw.layerCount(), 4);
    EXPECT_EQ(drw.layers[0].name, "Taglio");
    EXPECT_EQ(drw.layers[1].name, "Foro");
    EXPECT_EQ(drw.layers[2].name, "Incisione");
    EXPECT_EQ(drw.layers[3].name, "");
    EXPECT_TRUE(CheckInvariants(drw));

    drw.EnsureLayers();
    EXPECT_EQ(drw.layerCount(), 4);
}

TEST(Drwlayer, EnsureLayersStopsAtAFullTable)
{
    Drw drw;
    for (int i = 0; i < MaxLayers + 5; i++)
        drw.entities.push_back(MakeLine(0, 0, 1, 0, 1, "X" + std::to_string(i)));
    drw.pathCount = 1;

    drw.EnsureLayers();

    ASSERT_EQ(drw.layerCount(), MaxLayers);
    EXPECT_EQ(drw.layers.back().name, "X199");
}
