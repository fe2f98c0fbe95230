// Tests of the drawing's entities and paths: clearing and copying, the add operations and their capacity rule,
// path queries, inserting and deleting paths, extents and counts.
#include "model/drw.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/message_recorder.h"
#include "model/drawing_builders.h"

namespace {

std::string CapacityText(const std::string& code)
{
    return code + ": Raggiunto il numero limite di entità di un disegno (40000)";
}

// Expects exactly one warning with text (title "AVVISO", style 8240) and the same text in EventLog.
void ExpectOneWarning(const MessageRecorder& recorder, const std::string& text)
{
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, text);
    EXPECT_EQ(recorder.Messages()[0].title, "AVVISO");
    EXPECT_EQ(recorder.Messages()[0].style, 8240);
    const std::vector<std::string> events = recorder.EventLines();
    ASSERT_FALSE(events.empty());
    EXPECT_NE(events.back().find(text), std::string::npos);
}

// A drawing holding exactly MaxEntities single-line paths, built once (copying is cheap next to building).
const Drw& FullDrawing()
{
    static const Drw full = [] {
        Drw drw;
        AddSingleLinePaths(drw, MaxEntities);
        return drw;
    }();
    return full;
}

}  // namespace

TEST(Drw, ClearEmptiesTheDrawingAndLiftsTheCapacityLimit)
{
    MessageRecorder recorder;
    Drw drw = FullDrawing();
    EXPECT_FALSE(drw.AddLine(0, 0, 1, 1, "0", 1, false, false));
    ASSERT_TRUE(drw.limitReached);
    drw.simplifyMinLength = 0.5;

    drw.Clear();

    EXPECT_EQ(drw.entityCount(), 0);
    EXPECT_EQ(drw.pathCount, 0);
    EXPECT_EQ(drw.layerCount(), 0);
    EXPECT_FALSE(drw.modified);
    EXPECT_FALSE(drw.limitReached);
    EXPECT_EQ(drw.simplifyMinLength, 0.5);
    EXPECT_TRUE(drw.AddLine(0, 0, 1, 1, "0", 1, false, false));
}

TEST(Drw, CopiesAreIndependentWholeDrawings)
{
    Drw original = MakeDrawing({2, 1});
    original.limitReached = true;
    original.modified = true;
    original.simplifyArcDeviation = 0.01;
    original.layers[0].reals[3] = 2.5;

    Drw copy = original;
    EXPECT_EQ(copy, original);

    copy.entities[0].layer = "CHANGED";
    copy.entities[1].x2 = 99.0;
    copy.layers[0].name = "CHANGED";
    copy.pathCount = 7;
    EXPECT_EQ(original.entities[0].layer, "0");
    EXPECT_EQ(original.entities[1].x2, 2.0);
    EXPECT_EQ(original.layers[0].name, "0");
    EXPECT_EQ(original.pathCount, 2);

    original = copy;
    EXPECT_EQ(original, copy);
}

TEST(Drw, CopyContentsToReplacesContentButKeepsTheTargetsState)
{
    const Drw source = MakeDrawing({1, 2});
    Drw target = MakeDrawing({4, 4, 4});
    target.AddLayer("EXTRA");
    target.limitReached = true;
    target.modified = true;
    target.simplifyLineAngle = 0.2;

    source.CopyContentsTo(target);

    EXPECT_EQ(target.entities, source.entities);
    EXPECT_EQ(target.layers, source.layers);
    EXPECT_EQ(target.pathCount, 2);
    EXPECT_TRUE(target.limitReached);
    EXPECT_TRUE(target.modified);
    EXPECT_EQ(target.simplifyLineAngle, 0.2);
}

TEST(Drw, AddOperationsStoreTheirFieldsAndRegisterNewLayers)
{
    MessageRecorder recorder;
    Drw drw;
    Entity full = MakeArc(1, 2, 3, 4, 5, 6, true, 1, "Taglio");
    full.z1 = 7;
    full.z2 = 8;
    full.zc = 9;
    full.joinedNext = true;
    full.reserved1 = 11;
    full.reserved2 = 12.5;
    full.reserved3 = 13.5;
    ASSERT_TRUE(drw.AddEntity(full));
    EXPECT_EQ(drw.entities[0], full);

    ASSERT_TRUE(drw.AddLine(3, 4, 10, 4, "TAGLIO", 1, true, true));
    const Entity& line = drw.entities[1];
    EXPECT_EQ(line.x1, 3);
    EXPECT_EQ(line.y1, 4);
    EXPECT_EQ(line.x2, 10);
    EXPECT_EQ(line.y2, 4);
    EXPECT_FALSE(line.isArc);
    EXPECT_FALSE(line.clockwise);
    EXPECT_EQ(line.layer, "TAGLIO");
    EXPECT_EQ(line.sequence, 1);
    EXPECT_TRUE(line.joinedPrev);
    EXPECT_TRUE(line.joinedNext);

    ASSERT_TRUE(drw.AddArc(10, 4, 10, 8, 10, 6, false, "Foro", 1, true, false));
    const Entity& arc = drw.entities[2];
    EXPECT_TRUE(arc.isArc);
    EXPECT_FALSE(arc.clockwise);
    EXPECT_EQ(arc.xc, 10);
    EXPECT_EQ(arc.yc, 6);
    EXPECT_EQ(arc.layer, "Foro");
    EXPECT_TRUE(arc.joinedPrev);
    EXPECT_FALSE(arc.joinedNext);

    // "TAGLIO" is the layer "Taglio" already in the table; "Foro" is new.
    ASSERT_EQ(drw.layerCount(), 2);
    EXPECT_EQ(drw.layers[0].name, "Taglio");
    EXPECT_EQ(drw.layers[1].name, "Foro");
    EXPECT_EQ(drw.pathCount, 0);
    EXPECT_TRUE(drw.modified);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST(Drw, AppendLineAfterAnArcContinuesItsPath)
{
    Drw drw;
    ASSERT_TRUE(drw.AddEntity(MakeLine(0, 0, 5, 0, 1, "A")));
    Entity arc = MakeArc(0, 0, 0, 10, 0, 5, true, 2, "Fori");
    arc.z2 = 3;
    ASSERT_TRUE(drw.AddEntity(arc));
    drw.modified = false;

    ASSERT_TRUE(drw.AppendLine(-4, 10, 1));

    ASSERT_EQ(drw.entityCount(), 3);
    const Entity& previous = drw.entities[1];
    const Entity& line = drw.entities[2];
    EXPECT_TRUE(previous.joinedNext);
    EXPECT_EQ(line.x1, 0);
    EXPECT_EQ(line.y1, 10);
    EXPECT_EQ(line.z1, 3);
    EXPECT_EQ(line.x2, -4);
    EXPECT_EQ(line.y2, 10);
    EXPECT_EQ(line.z2, 1);
    EXPECT_FALSE(line.isArc);
    EXPECT_FALSE(line.clockwise);
    EXPECT_TRUE(line.joinedPrev);
    EXPECT_FALSE(line.joinedNext);
    EXPECT_EQ(line.sequence, 2);
    EXPECT_EQ(line.layer, "Fori");
    EXPECT_TRUE(drw.modified);
    EXPECT_FALSE(drw.entities[0].joinedNext);
}

TEST(Drw, AppendArcTakesCentreAndDirection)
{
    Drw drw;
    ASSERT_TRUE(drw.AddEntity(MakeLine(0, 0, 5, 0, 1)));
    ASSERT_TRUE(drw.AppendArc(5, 10, 0, 5, 5, 0, true));

    const Entity& arc = drw.entities[1];
    EXPECT_TRUE(arc.isArc);
    EXPECT_TRUE(arc.clockwise);
    EXPECT_EQ(arc.x1, 5);
    EXPECT_EQ(arc.y1, 0);
    EXPECT_EQ(arc.xc, 5);
    EXPECT_EQ(arc.yc, 5);
    drw.pathCount = 1;
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(Drw, AppendOnAnEmptyDrawingIsRefusedWithoutEffect)
{
    MessageRecorder recorder;
    Drw drw;
    EXPECT_FALSE(drw.AppendLine(1, 1, 0));
    EXPECT_FALSE(drw.AppendArc(1, 1, 0, 0, 1, 0, false));
    EXPECT_EQ(drw, Drw());
    EXPECT_TRUE(recorder.Messages().empty());
}

// Each add operation, applied to a full drawing: its warning code, and the call itself.
struct CapacityCase {
    const char* code;
    std::function<bool(Drw&)> add;
};

class DrwCapacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(DrwCapacity, FirstRefusalWarnsOnceAndLaterAddsAreRefusedSilently)
{
    MessageRecorder recorder;
    Drw drw;
    // The last slot: the 40000th entity is accepted.
    AddSingleLinePaths(drw, MaxEntities - 1);
    ASSERT_TRUE(GetParam().add(drw));
    ASSERT_EQ(drw.entityCount(), MaxEntities);
    EXPECT_FALSE(drw.limitReached);
    EXPECT_TRUE(recorder.Messages().empty());

    EXPECT_FALSE(GetParam().add(drw));
    EXPECT_TRUE(drw.limitReached);
    ExpectOneWarning(recorder, CapacityText(GetParam().code));

    // While the drawing is full every later add is refused without a word.
    const Entity line = MakeLine(0, 0, 1, 1, drw.pathCount + 1);
    EXPECT_FALSE(drw.AddEntity(line));
    EXPECT_FALSE(drw.AddLine(0, 0, 1, 1, "0", drw.pathCount + 1, false, false));
    EXPECT_FALSE(drw.AddArc(0, 0, 1, 1, 1, 0, false, "0", drw.pathCount + 1, false, false));
    EXPECT_FALSE(drw.AppendLine(2, 2, 0));
    EXPECT_FALSE(drw.AppendArc(2, 2, 0, 1, 2, 0, true));
    EXPECT_FALSE(drw.InsertPath(&line, 1));
    EXPECT_EQ(drw.entityCount(), MaxEntities);
    EXPECT_EQ(recorder.Messages().size(), 1u);

    // Deleting a path makes room: the limit is lifted, the drawing takes an entity again and warns when full again.
    ASSERT_TRUE(drw.DeletePath(1));
    EXPECT_FALSE(drw.limitReached);
    EXPECT_TRUE(drw.AppendLine(2, 2, 0));
    EXPECT_FALSE(drw.AppendLine(3, 3, 0));
    EXPECT_EQ(recorder.Messages().size(), 2u);
}

TEST(Drw, DeletingPathsOfAFullDrawingLiftsTheLimit)
{
    MessageRecorder recorder;
    Drw drw;
    AddSingleLinePaths(drw, MaxEntities);
    EXPECT_FALSE(drw.AppendLine(5, 5, 0));
    ASSERT_TRUE(drw.limitReached);
    EXPECT_EQ(drw.DeletePaths({}), 0);
    EXPECT_TRUE(drw.limitReached);
    EXPECT_EQ(drw.DeletePaths({2, 5}), 2);
    EXPECT_FALSE(drw.limitReached);
    EXPECT_TRUE(drw.AppendLine(5, 5, 0));
}

INSTANTIATE_TEST_SUITE_P(
    EveryAddOperation, DrwCapacity,
    ::testing::Values(
        CapacityCase{"DRW011", [](Drw& d) { return d.AddEntity(MakeLine(0, 0, 1, 0, d.pathCount)); }},
        CapacityCase{"DRW001", [](Drw& d) { return d.AddLine(0, 0, 1, 0, "0", d.pathCount, false, false); }},
        CapacityCase{"DRW002",
                     [](Drw& d) { return d.AddArc(0, 0, 1, 0, 0.5, 0, true, "0", d.pathCount, false, false); }},
        CapacityCase{"DRW012", [](Drw& d) { return d.AppendLine(5, 5, 0); }},
        CapacityCase{"DRW013", [](Drw& d) { return d.AppendArc(5, 5, 0, 3, 3, 0, false); }},
        CapacityCase{"DRW006",
                     [](Drw& d) {
                         const Entity e = MakeLine(0, 0, 1, 0, d.pathCount + 1);
                         return d.InsertPath(&e, 1);
                     }}),
    [](const ::testing::TestParamInfo<CapacityCase>& info) { return std::string(info.param.code); });

TEST(Drw, InsertPathThatDoesNotFitLeavesTheDrawingUnchanged)
{
    MessageRecorder recorder;
    Drw drw = FullDrawing();
    ASSERT_TRUE(drw.DeletePath(drw.pathCount));
    ASSERT_TRUE(drw.DeletePath(drw.pathCount));
    const Drw before = drw;
    const std::vector<Entity> path = MakeChain({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1);

    EXPECT_FALSE(drw.InsertPath(path.data(), 3));

    ExpectOneWarning(recorder, CapacityText("DRW006"));
    EXPECT_TRUE(drw.limitReached);
    drw.limitReached = false;
    EXPECT_EQ(drw, before);
}

TEST(Drw, PathRangeAndEntityCount)
{
    Drw drw = MakeDrawing({2, 3, 1});
    // A number without entities, as a DXF import can leave one: path 4 of 5.
    drw.AddEntity(MakeLine(0, 0, 1, 1, 5));
    drw.pathCount = 5;
    struct Case {
        int path, first, last, count;
    };
    const Case cases[] = {
        {1, 0, 1, 2}, {2, 2, 4, 3}, {3, 5, 5, 1}, {4, 6, 5, 0}, {5, 6, 6, 1}, {6, 7, 6, 0}, {0, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        int first = -9, last = -9;
        drw.PathRange(c.path, first, last);
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(last, c.last);
        EXPECT_EQ(drw.PathEntityCount(c.path), c.count);
    }
}

TEST(Drw, InsertPathPlacesThePathByItsNumber)
{
    struct Case {
        const char* name;
        int sequence;
        int expectedPath;   // the number the inserted path gets
        int expectedFirst;  // index of its first entity
    };
    const Case cases[] = {
        {"front", 1, 1, 0},
        {"middle", 2, 2, 2},
        {"end", 3, 3, 5},
        {"beyond the end", 9, 3, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder recorder;
        Drw drw = MakeDrawing({2, 3});
        const std::vector<Entity> path = MakeChain({{50, 50}, {60, 50}, {60, 60}}, c.sequence, "0");

        ASSERT_TRUE(drw.InsertPath(path.data(), 2));

        EXPECT_EQ(drw.entityCount(), 7);
        EXPECT_EQ(drw.pathCount, 3);
        EXPECT_TRUE(drw.modified);
        EXPECT_TRUE(CheckInvariants(drw));
        EXPECT_EQ(drw.entities[c.expectedFirst].x1, 50);
        EXPECT_EQ(drw.entities[c.expectedFirst + 1].x2, 60);
        int first = 0, last = 0;
        drw.PathRange(c.expectedPath, first, last);
        EXPECT_EQ(first, c.expectedFirst);
        EXPECT_EQ(last, c.expectedFirst + 1);
        // The old paths keep their order: the old path 2 (3 entities, at y 20) is the last path.
        drw.PathRange(3, first, last);
        if (c.expectedPath != 3) {
            EXPECT_EQ(drw.entities[last].y2, 21);
        }
        EXPECT_TRUE(recorder.Messages().empty());
    }
}

TEST(Drw, InsertPathAcceptsLayerNamesThatDifferOnlyInCase)
{
    Drw drw = MakeDrawing({1});
    drw.AddLayer("Taglio");
    std::vector<Entity> path = MakeChain({{0, 0}, {1, 0}, {1, 1}}, 2, "Taglio");
    path[1].layer = "TAGLIO";
    EXPECT_TRUE(drw.InsertPath(path.data(), 2));
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(Drw, InsertPathCopiesAPathOfTheSameDrawing)
{
    Drw drw = MakeDrawing({2, 3});
    const std::vector<Entity> oldSecond(drw.entities.begin() + 2, drw.entities.end());
    for (int i = 2; i < 5; i++)
        drw.entities[i].sequence = 1;

    // The records live in the drawing's own storage, which the insertion moves.
    ASSERT_TRUE(drw.InsertPath(drw.entities.data() + 2, 3));

    EXPECT_EQ(drw.entityCount(), 8);
    for (int i = 0; i < 3; i++) {
        Entity expected = oldSecond[i];
        expected.sequence = 1;
        EXPECT_EQ(drw.entities[i], expected);
    }
}

TEST(Drw, InsertPathRefusesMixedRecordsAndLeavesTheDrawingUnchanged)
{
    struct Case {
        const char* name;
        int changedSequence;
        const char* changedLayer;
        const char* text;
    };
    const Case cases[] = {
        {"sequence", 4, "0",
         "DRW007: Impossibile aggiungere una sequenza con entità aventi diverso numero di sequenza"},
        {"layer", 1, "ALTRO", "DRW008: Impossibile aggiungere una sequenza con entità appartenenti a diversi layer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder recorder;
        const Drw before = MakeDrawing({2, 2});
        Drw drw = before;
        std::vector<Entity> path = MakeChain({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1);
        path[2].sequence = c.changedSequence;
        path[2].layer = c.changedLayer;

        EXPECT_FALSE(drw.InsertPath(path.data(), 3));

        EXPECT_EQ(drw, before);
        ExpectOneWarning(recorder, c.text);
    }
}

TEST(Drw, InsertPathRefusesEmptyOrUnnumberedPathsSilently)
{
    MessageRecorder recorder;
    const Drw before = MakeDrawing({2});
    Drw drw = before;
    const Entity unnumbered = MakeLine(0, 0, 1, 1, 0);
    EXPECT_FALSE(drw.InsertPath(&unnumbered, 1));
    EXPECT_FALSE(drw.InsertPath(drw.entities.data(), 0));
    EXPECT_FALSE(drw.InsertPath(nullptr, 1));
    EXPECT_EQ(drw, before);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST(Drw, DeletePathRemovesItsEntitiesAndRenumbersLaterPaths)
{
    Drw drw = MakeDrawing({2, 3, 1});
    ASSERT_TRUE(drw.DeletePath(2));
    EXPECT_EQ(drw.entityCount(), 3);
    EXPECT_EQ(drw.pathCount, 2);
    EXPECT_TRUE(drw.modified);
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_EQ(drw.entities[2].y1, 30);  // the old path 3
    EXPECT_EQ(drw.entities[2].sequence, 2);

    ASSERT_TRUE(drw.DeletePath(1));
    ASSERT_TRUE(drw.DeletePath(1));
    EXPECT_EQ(drw.entityCount(), 0);
    EXPECT_EQ(drw.pathCount, 0);
}

TEST(Drw, DeletePathIgnoresNumbersThatAreNoPath)
{
    const Drw before = MakeDrawing({2, 3});
    Drw drw = before;
    EXPECT_FALSE(drw.DeletePath(0));
    EXPECT_FALSE(drw.DeletePath(3));
    EXPECT_FALSE(drw.DeletePath(-1));
    EXPECT_EQ(drw, before);
}

TEST(Drw, DeletePathOfANumberWithoutEntitiesClosesTheGap)
{
    // Paths 1 and 3 with entities, 2 left empty as an import can leave it.
    Drw drw;
    drw.AddEntity(MakeLine(0, 0, 1, 0, 1));
    drw.AddEntity(MakeLine(0, 5, 1, 5, 3));
    drw.pathCount = 3;
    ASSERT_TRUE(drw.DeletePath(2));
    EXPECT_EQ(drw.entityCount(), 2);
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(Drw, ExtentsOfQuarterArcsFollowTheirDirection)
{
    const double r = 5.0;
    struct Case {
        bool clockwise;
        double minX, minY, maxX, maxY;
    };
    const Case cases[] = {{false, 0, 0, r, r}, {true, -r, -r, r, r}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clockwise ? "clockwise" : "counter-clockwise");
        Drw drw;
        drw.AddEntity(MakeArc(r, 0, 0, r, 0, 0, c.clockwise));
        drw.pathCount = 1;
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        EXPECT_TRUE(drw.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY));
        EXPECT_NEAR(minX, c.minX, 1e-12);
        EXPECT_NEAR(minY, c.minY, 1e-12);
        EXPECT_NEAR(maxX, c.maxX, 1e-12);
        EXPECT_NEAR(maxY, c.maxY, 1e-12);
    }
}

TEST(Drw, ExtentsFilterByRangePathAndLayer)
{
    Drw drw;
    drw.AddEntity(MakeLine(0, 0, 10, 5, 1, "Taglio"));
    drw.AddEntity(MakeLine(-3, 2, 4, 8, 2, "Foro"));
    drw.AddEntity(MakeLine(20, -1, 21, 30, 3, "taglio"));
    drw.pathCount = 3;
    struct Case {
        const char* name;
        int first, last, path;
        const char* layer;
        double minX, minY, maxX, maxY;
    };
    const Case cases[] = {
        {"whole drawing", -1, -1, -1, "", -3, -1, 21, 30},
        {"range", 0, 1, -1, "", -3, 0, 10, 8},
        {"from the second", 1, -1, 0, "", -3, -1, 21, 30},
        {"last beyond the drawing", 2, 99, -1, "", 20, -1, 21, 30},
        {"path", -1, -1, 2, "", -3, 2, 4, 8},
        {"layer in any case", -1, -1, -1, "TAGLIO", 0, -1, 21, 30},
        {"path and layer", -1, -1, 3, "Taglio", 20, -1, 21, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        EXPECT_TRUE(drw.GetExtents(c.first, c.last, c.path, c.layer, minX, minY, maxX, maxY));
        EXPECT_EQ(minX, c.minX);
        EXPECT_EQ(minY, c.minY);
        EXPECT_EQ(maxX, c.maxX);
        EXPECT_EQ(maxY, c.maxY);
    }
}

TEST(Drw, ExtentsWhenNothingIsFound)
{
    double minX = 1, minY = 1, maxX = 1, maxY = 1;
    EXPECT_FALSE(Drw().GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY));
    EXPECT_EQ(minX, 0.0);
    EXPECT_EQ(minY, 0.0);
    EXPECT_EQ(maxX, 0.0);
    EXPECT_EQ(maxY, 0.0);

    const Drw drw = MakeDrawing({2});
    EXPECT_FALSE(drw.GetExtents(-1, -1, -1, "NESSUNO", minX, minY, maxX, maxY));
    EXPECT_EQ(minX, LargestDouble);
    EXPECT_EQ(minY, LargestDouble);
    EXPECT_EQ(maxX, -LargestDouble);
    EXPECT_EQ(maxY, -LargestDouble);
    EXPECT_FALSE(drw.GetExtents(-1, -1, 2, "", minX, minY, maxX, maxY));
}

TEST(Drw, CountLinesArcs)
{
    Drw drw = MakeDrawing({3});
    drw.AddArc(3, 11, 3, 11, 4, 11, false, "0", 2, false, false);
    drw.AddArc(0, 0, 1, 1, 1, 0, true, "0", 3, false, false);
    int lines = -1, arcs = -1;
    drw.CountLinesArcs(lines, arcs);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(arcs, 2);
}
