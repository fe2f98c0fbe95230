// ImportDxfClass kept block readings: a drawing whose inserts copy earlier readings of their blocks must equal,
// field by field, the drawing read afresh for every insert. The reference makes every block insert itself at its
// end: that insert is refused and adds nothing, but a reading with a refusal is never kept, so every insert of
// the reference reads its block from the file.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"
#include "support/text.h"

namespace {

std::string Pair(int code, const std::string& value)
{
    return std::to_string(code) + "\n" + value + "\n";
}

std::string Line(double x1, double y1, double x2, double y2, const char* layer = "0")
{
    return Pair(0, "LINE") + Pair(8, layer) + Pair(10, StrFormat("%g", x1)) + Pair(20, StrFormat("%g", y1)) +
           Pair(11, StrFormat("%g", x2)) + Pair(21, StrFormat("%g", y2));
}

std::string Arc(double cx, double cy, double r, double start, double end)
{
    return Pair(0, "ARC") + Pair(8, "ARCS") + Pair(10, StrFormat("%g", cx)) + Pair(20, StrFormat("%g", cy)) +
           Pair(40, StrFormat("%g", r)) + Pair(50, StrFormat("%g", start)) + Pair(51, StrFormat("%g", end));
}

std::string Circle(double cx, double cy, double r)
{
    return Pair(0, "CIRCLE") + Pair(8, "Circles") + Pair(10, StrFormat("%g", cx)) + Pair(20, StrFormat("%g", cy)) +
           Pair(40, StrFormat("%g", r));
}

// A closed polyline of three vertices, the second with a bulge.
std::string BulgedPolyline(double x, double y)
{
    return Pair(0, "LWPOLYLINE") + Pair(8, "POLY") + Pair(70, "1") + Pair(10, StrFormat("%g", x)) +
           Pair(20, StrFormat("%g", y)) + Pair(10, StrFormat("%g", x + 7.3)) + Pair(20, StrFormat("%g", y)) +
           Pair(42, "0.41") + Pair(10, StrFormat("%g", x + 7.3)) + Pair(20, StrFormat("%g", y + 4.1));
}

std::string Ellipse(double cx, double cy)
{
    return Pair(0, "ELLIPSE") + Pair(10, StrFormat("%g", cx)) + Pair(20, StrFormat("%g", cy)) + Pair(11, "6.5") +
           Pair(21, "2.25") + Pair(40, "0.45") + Pair(41, "5.5") + Pair(42, "0.5");
}

struct Insert {
    std::string name;
    double x = 0, y = 0, scaleX = 1, scaleY = 1, rotation = 0;
    int columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
};

std::string InsertText(const Insert& i)
{
    std::string text = Pair(0, "INSERT") + Pair(2, i.name) + Pair(10, StrFormat("%.9g", i.x)) +
                       Pair(20, StrFormat("%.9g", i.y)) + Pair(41, StrFormat("%.9g", i.scaleX)) +
                       Pair(42, StrFormat("%.9g", i.scaleY)) + Pair(50, StrFormat("%.9g", i.rotation));
    if (i.columns != 1 || i.rows != 1) {
        text += Pair(70, std::to_string(i.columns)) + Pair(71, std::to_string(i.rows)) +
                Pair(44, StrFormat("%.9g", i.columnSpacing)) + Pair(45, StrFormat("%.9g", i.rowSpacing));
    }
    return text;
}

// A BLOCKS section entry; selfInsert: the block ends with an insert of itself (the uncacheable reference).
std::string Block(const std::string& name, double baseX, double baseY, const std::string& body, bool selfInsert)
{
    return Pair(0, "BLOCK") + Pair(2, name) + Pair(10, StrFormat("%g", baseX)) + Pair(20, StrFormat("%g", baseY)) +
           body + (selfInsert ? InsertText({name}) : "") + Pair(0, "ENDBLK");
}

std::string Dxf(const std::string& blocks, const std::string& entities)
{
    return Pair(0, "SECTION") + Pair(2, "BLOCKS") + blocks + Pair(0, "ENDSEC") + Pair(0, "SECTION") +
           Pair(2, "ENTITIES") + entities + Pair(0, "ENDSEC") + Pair(0, "EOF");
}

struct Outcome {
    Drw drawing;
    int warnings = 0;
    std::map<std::string, int> skipped;
    std::vector<int> progress;
    std::vector<std::string> messages;
};

class ImportDxfClassBlockCache : public ::testing::Test {
protected:
    // Imports the file that makeDxf(selfInsert) gives, once as it is and once as the uncacheable reference, and
    // expects the same outcome of both.
    template <class MakeDxf>
    Outcome ExpectSameAsReference(MakeDxf makeDxf)
    {
        Outcome kept = Run(makeDxf(false));
        Outcome reference = Run(makeDxf(true));
        EXPECT_TRUE(kept.drawing == reference.drawing);
        EXPECT_EQ(kept.drawing.entityCount(), reference.drawing.entityCount());
        const std::size_t n = std::min(kept.drawing.entities.size(), reference.drawing.entities.size());
        for (std::size_t i = 0; i < n; ++i) {
            if (!(kept.drawing.entities[i] == reference.drawing.entities[i])) {
                ADD_FAILURE() << "first difference at entity " << i;
                break;
            }
        }
        EXPECT_EQ(kept.drawing.layers, reference.drawing.layers);
        EXPECT_EQ(kept.drawing.pathCount, reference.drawing.pathCount);
        EXPECT_EQ(kept.drawing.limitReached, reference.drawing.limitReached);
        EXPECT_EQ(kept.warnings, reference.warnings);
        EXPECT_EQ(kept.skipped, reference.skipped);
        EXPECT_EQ(kept.progress, reference.progress);
        EXPECT_EQ(kept.messages, reference.messages);
        return kept;
    }

    MessageRecorder recorder;
    TempProgDir folder;

private:
    Outcome Run(const std::string& dxf)
    {
        recorder.Clear();
        Outcome outcome;
        ImportDxfClass import(folder.WriteFile("blocks.dxf", dxf), outcome.drawing);
        import.SetProgressCallback([&outcome](int item) { outcome.progress.push_back(item);
    });
    EXPECT_TRUE(import.Import());
    outcome.warnings = import.warnings;
    outcome.skipped = import.skipped;
    outcome.messages = recorder.Texts();
    return outcome;
}
};  // namespace

TEST_F(ImportDxfClassBlockCache, NestedMirroredScaledAndArrayedCopiesEqualFreshReadings)
{
    // INNER (base point off the origin) holds every kind of entity and a TEXT; OUTER holds INNER three times
    // (rotated and non-uniform, mirrored, as an array) with a LINE between them that turns the lines before it.
    // Both are inserted many times with different placements, a LINE after an insert chains with its last entity.
    Outcome outcome = ExpectSameAsReference([](bool selfInsert) {
        const std::string inner = Line(1.5, -2.25, 11.5, -2.25, "Inner") + Arc(3, 4, 2.5, 20, 250) +
                                  Circle(-4, 1, 1.75) + BulgedPolyline(2, 2) + Ellipse(0.5, 0.25) + Pair(0, "TEXT") +
                                  Pair(1, "label");
        const std::string outer = InsertText({"INNER", 3, 1, 1.5, 0.5, 30}) + Line(0, 0, -9.5, 3.25, "Outer") +
                                  InsertText({"INNER", -20, 5, -1, 1, 0}) + Circle(40, 40, 3) +
                                  InsertText({"INNER", 0, 0, 1, 1, 15, 3, 2, 31.5, -18.25});
        std::string entities = Line(0, 0, 1, 1);
        const Insert inserts[] = {
            {"OUTER", 100, 100, 1, 1, 0},
            {"OUTER", -50.5, 20.25, 2, 2, 90},
            {"OUTER", 7, -3, -1, 1, 0},
            {"OUTER", 7, -3, 1, -1, 45},
            {"OUTER", 0, 0, 0.3, 2.7, 123.45},
            {"INNER", 1000, 0, 1, 1, 0},
            {"INNER", 13.1, 17.9, -1.5, -1.5, 200},
            {"OUTER", 5, 5, 1, 1, 33, 4, 3, 120, 95},
            {"INNER", -1, -2, 1.25, 0.75, -60, 2, 5, 10.5, 22.5},
        };
        for (const Insert& insert : inserts)
            entities += InsertText(insert);
        entities += Line(-1.5, 2.25, 0, 0);  // ends where the last block entity may start or end
        entities += InsertText({"OUTER", 9, 9, 1, 1, 0}) + Line(0, 0, 1, 1) + InsertText({"MISSING"});
        return Dxf(Block("INNER", 1.5, -2.25, inner, selfInsert) + Block("OUTER", 0, 0, outer, selfInsert), entities);
    });
    EXPECT_EQ(outcome.warnings, WarnText);
    EXPECT_GT(outcome.drawing.entityCount(), 2000);
}

TEST_F(ImportDxfClassBlockCache, SplinesAreApproximatedWhereEachInsertPutsThemAndPassedOverEntitiesCounted)
{
    // LEAF holds a line, a cubic SPLINE and a TEXT, PLAIN a line and a HATCH; each is inserted with different
    // placements, LEAF also inside PLAIN.
    Outcome outcome = ExpectSameAsReference([](bool selfInsert) {
        const std::string spline = Pair(0, "SPLINE") + Pair(8, "Leaf") + Pair(70, "8") + Pair(71, "3") +
                                   "40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n40\n1\n" +
                                   "10\n0\n20\n0\n10\n4\n20\n6\n10\n9\n20\n-2\n10\n12\n20\n3\n";
        const std::string leaf = Line(0, 0, 5, 0) + spline + Pair(0, "TEXT") + Pair(1, "x");
        const std::string plain = Line(0, 0, 1, 1) + Pair(0, "HATCH") + InsertText({"LEAF", 2, 2, 1, 1, 45});
        std::string entities;
        for (const Insert& insert :
             {Insert{"LEAF", 10, 10, 1, 1, 0}, Insert{"LEAF", 30, 10, -1, 1, 0}, Insert{"LEAF", 50, 10, 3, 0.5, 20},
              Insert{"PLAIN", 0, 40, 1, 1, 0}, Insert{"PLAIN", 20, 40, 2, 2, 90}})
            entities += InsertText(insert);
        return Dxf(Block("LEAF", 0, 0, leaf, selfInsert) + Block("PLAIN", 0, 0, plain, selfInsert), entities);
    });
    EXPECT_EQ(outcome.skipped, (std::map<std::string, int>{{"HATCH", 2}, {"TEXT", 5}}));
    EXPECT_EQ(outcome.drawing.pathCount, 3 * 2 + 2 * 3);
}

TEST_F(ImportDxfClassBlockCache, DrawingFilledDuringAnInsertEndsAsWhenEveryInsertReadsItsBlock)
{
    // A block of 97 entities (a LINE, then 24 circles): the 413th copy no longer fits and fills the drawing in the
    // middle of a circle; the inserts after it add nothing, nor does the LINE at the end.
    Outcome outcome = ExpectSameAsReference([](bool selfInsert) {
        std::string body = Line(0, 0, 1, 0);
        for (int i = 0; i < 24; ++i)
            body += Circle(i * 3.5, 1, 1.25);
        std::string entities;
        for (int i = 0; i < 420; ++i)
            entities += InsertText({"BIG", i * 0.5, i * -0.25, 1.0 + i % 3, 1, i * 7.5});
        return Dxf(Block("BIG", 0, 0, body, selfInsert), entities + Line(5, 5, 6, 6));
    });
    EXPECT_TRUE(outcome.drawing.limitReached);
    EXPECT_EQ(outcome.drawing.entityCount(), MaxEntities);
    EXPECT_EQ(outcome.warnings, WarnCapacity);
    EXPECT_EQ(outcome.messages.size(), 1u);
    // The filling insert numbers all 25 items of its block, the refused LINE at the end one more.
    EXPECT_EQ(outcome.drawing.pathCount, 413 * 25 + 1);
}

TEST_F(ImportDxfClassBlockCache, KeptNestedReadingIsNotCopiedWhereItWouldNestTooDeep)
{
    // L0 .. L5, each a LINE at y = its level and an insert of the next; D0 .. D11 likewise, D11 inserting L0.
    // Inserted on their own, the L blocks give 6 lines; inside the D blocks L0 starts at depth 12, where only L0
    // to L3 fit within the nesting bound.
    Outcome outcome = ExpectSameAsReference([](bool selfInsert) {
        std::string blocks;
        for (int level = 0; level < 6; ++level) {
            const std::string next = level < 5 ? InsertText({"L" + std::to_string(level + 1)}) : "";
            blocks += Block("L" + std::to_string(level), 0, 0, Line(0, level, 1, level) + next, selfInsert);
        }
        for (int level = 0; level < 12; ++level) {
            const std::string next = "D" + std::to_string(level + 1);
            blocks += Block("D" + std::to_string(level), 0, 0,
                            Line(5, level, 6, level) + InsertText({level < 11 ? next : "L0"}), selfInsert);
        }
        return Dxf(blocks, InsertText({"L0"}) + InsertText({"D0"}) + InsertText({"L2", 0, 100}));
    });
    EXPECT_EQ(outcome.drawing.entityCount(), 6 + 12 + 4 + 4);
}

TEST_F(ImportDxfClassBlockCache, KeptReadingIsNotCopiedWhereItsEmptyExpansionsWouldPassTheBound)
{
    // EMPTY holds only a TEXT; ROW holds a LINE and EMPTY in 150 cells. After 66 rows the 67th meets the bound
    // of empty expansions part way through its cells, and the rows after it are refused.
    Outcome outcome = ExpectSameAsReference([](bool selfInsert) {
        const std::string row = Line(0, 0, 1, 0) + InsertText({"EMPTY", 0, 0, 1, 1, 0, 150, 1, 1, 0});
        std::string entities;
        for (int i = 0; i < 80; ++i)
            entities += InsertText({"ROW", 0, static_cast<double>(i)});
        return Dxf(
            Block("EMPTY", 0, 0, Pair(0, "TEXT") + Pair(1, "t"), selfInsert) + Block("ROW", 0, 0, row, selfInsert),
            entities);
    });
    EXPECT_EQ(outcome.drawing.entityCount(), 67);
    EXPECT_EQ(outcome.warnings, WarnText);
}

TEST_F(ImportDxfClassBlockCache, EveryCopyOfANestedBlockIsPlacedByItsOwnInsert)
{
    // INNER: LINE (0,0)-(1,0), ARC about (0,0) of radius 1 from 0 to 90 degrees. OUTER: INNER at (10, 0), then
    // LINE (5,5)-(10,1), turned round to follow the arc. OUTER at (100, 0); at (0, 100) mirrored (-1, 1); at
    // (0, 0) in two columns 50 apart.
    ImportResult r = ImportFixture("blocks_reused.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    const struct {
        double x1, y1, x2, y2, xc, yc;
        bool isArc, clockwise;
    } expected[] = {
        {110, 0, 111, 0, 0, 0, false, false},       {111, 0, 110, 1, 110, 0, true, false},
        {110, 1, 105, 5, 0, 0, false, false},       {-10, 100, -11, 100, 0, 0, false, false},
        {-11, 100, -10, 101, -10, 100, true, true}, {-10, 101, -5, 105, 0, 0, false, false},
        {10, 0, 11, 0, 0, 0, false, false},         {11, 0, 10, 1, 10, 0, true, false},
        {10, 1, 5, 5, 0, 0, false, false},          {60, 0, 61, 0, 0, 0, false, false},
        {61, 0, 60, 1, 60, 0, true, false},         {60, 1, 55, 5, 0, 0, false, false},
    };
    ASSERT_EQ(d.entityCount(), 12);
    EXPECT_EQ(d.pathCount, 12);
    for (int i = 0; i < 12; ++i) {
        const Entity& e = d.entities[i];
        SCOPED_TRACE("entity " + std::to_string(i));
        EXPECT_EQ(e.sequence, i + 1);
        EXPECT_EQ(e.isArc, expected[i].isArc);
        EXPECT_EQ(e.clockwise, expected[i].clockwise);
        EXPECT_NEAR(e.x1, expected[i].x1, 1e-9);
        EXPECT_NEAR(e.y1, expected[i].y1, 1e-9);
        EXPECT_NEAR(e.x2, expected[i].x2, 1e-9);
        EXPECT_NEAR(e.y2, expected[i].y2, 1e-9);
        if (e.isArc) {
            EXPECT_NEAR(e.xc, expected[i].xc, 1e-9);
            EXPECT_NEAR(e.yc, expected[i].yc, 1e-9);
        }
        EXPECT_EQ(e.layer, e.isArc ? "ARCS" : "0");
    }
}

}  // namespace
