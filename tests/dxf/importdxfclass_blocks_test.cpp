// ImportDxfClass blocks and inserts: placement (base point, scale, rotation, translation), mirrored and
// non-uniform inserts, copies, arrays, block names, and blocks that insert themselves or nest too deep.
#include <cmath>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"

namespace {

class ImportDxfClassBlocks : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

void ExpectLine(const Entity& e, double x1, double y1, double x2, double y2)
{
    EXPECT_FALSE(e.isArc);
    EXPECT_NEAR(e.x1, x1, 1e-9);
    EXPECT_NEAR(e.y1, y1, 1e-9);
    EXPECT_NEAR(e.x2, x2, 1e-9);
    EXPECT_NEAR(e.y2, y2, 1e-9);
}

TEST_F(ImportDxfClassBlocks, InsertScalesRotatesAndMoves)
{
    // LINE (0,0)-(10,0), scale 2, rotation 90, insertion point (100, 100).
    ImportResult r = ImportFixture("insert_scaled_rotated.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    ExpectLine(r.drawing.entities[0], 100, 100, 100, 120);
    EXPECT_EQ(r.drawing.pathCount, 1);
}

TEST_F(ImportDxfClassBlocks, BasePointOfTheBlockLandsOnTheInsertionPoint)
{
    // Base point (5, 5), LINE (5,5)-(15,5), scale 2, rotation 90, insertion point (100, 100).
    ImportResult r = ImportFixture("block_base_point.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    ExpectLine(r.drawing.entities[0], 100, 100, 100, 120);
}

TEST_F(ImportDxfClassBlocks, NonUniformScaleKeepsArcsCircularThroughTheirEnds)
{
    // Arc about (0,0), radius 10, 30 to 150 degrees; sx = 2, sy = 1.
    ImportResult r = ImportFixture("insert_nonuniform_arc.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    const Entity& e = r.drawing.entities[0];
    EXPECT_NEAR(e.x1, 20 * std::cos(Pi / 6), 1e-5);
    EXPECT_NEAR(e.y1, 5, 1e-5);
    EXPECT_NEAR(e.x2, -20 * std::cos(Pi / 6), 1e-5);
    EXPECT_NEAR(e.xc, 0, 1e-9);  // on the perpendicular bisector of the scaled ends
    EXPECT_NEAR(std::hypot(e.x1 - e.xc, e.y1 - e.yc), std::hypot(e.x2 - e.xc, e.y2 - e.yc), 1e-9);
    EXPECT_FALSE(e.clockwise);
}

TEST_F(ImportDxfClassBlocks, MirroredInsertTurnsArcsSoTheyPassThroughTheMirroredPoints)
{
    // Arc about (10, 0), radius 5, 0 to 90 degrees; inserted with (-1, 1), a mirror, and with (-1, -1), a half turn.
    ImportResult r = ImportFixture("insert_mirrored.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 2);
    const double h = 5 / std::sqrt(2.0);
    const struct {
        bool clockwise;
        double midX, midY;
    } expected[] = {{true, -10 - h, h}, {false, -10 - h, -h}};
    for (int i = 0; i < 2; ++i) {
        const Entity& e = r.drawing.entities[i];
        EXPECT_EQ(e.clockwise, expected[i].clockwise);
        double x, y;
        PointAlong(e, 0.5, x, y);
        EXPECT_NEAR(x, expected[i].midX, 1e-5) << "insert " << i;
        EXPECT_NEAR(y, expected[i].midY, 1e-5) << "insert " << i;
    }
}

TEST_F(ImportDxfClassBlocks, TwoInsertsGiveTwoCopiesWithTheirOwnPaths)
{
    // A block of a LINE and a CIRCLE, inserted at (0, 0) and at (50, 0).
    ImportResult r = ImportFixture("insert_twice.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    ASSERT_EQ(d.entityCount(), 10);
    EXPECT_EQ(d.pathCount, 4);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(d.entities[i + 5].x1 - d.entities[i].x1, 50, 1e-9);
        EXPECT_EQ(d.entities[i + 5].sequence, d.entities[i].sequence + 2);
    }
}

TEST_F(ImportDxfClassBlocks, ArrayInsertPlacesOneCopyPerCellAlongTheRotatedAxes)
{
    // LINE (0,0)-(1,0) at (10, 10), rotation 90, 3 columns 20 apart, 2 rows 5 apart.
    ImportResult r = ImportFixture("insert_array.dxf");
    const Drw& d = r.drawing;
    ASSERT_EQ(d.entityCount(), 6);
    EXPECT_EQ(d.pathCount, 6);
    int i = 0;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column, ++i)
            ExpectLine(d.entities[i], 10 - 5 * row, 10 + 20 * column, 10 - 5 * row, 11 + 20 * column);
    }
}

TEST_F(ImportDxfClassBlocks, BlockNamesAreCaseSensitive)
{
    // Blocks "Part" (line to x 1) and "PART" (line to x 2); inserts of PART, Part and part.
    ImportResult r = ImportFixture("block_names_case.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 2);
    EXPECT_EQ(r.drawing.entities[0].x2, 2);
    EXPECT_EQ(r.drawing.entities[1].x2, 1);
    EXPECT_EQ(r.drawing.entities[1].y1, 10);
}

TEST_F(ImportDxfClassBlocks, BlockThatInsertsItselfIsNotExpandedAgain)
{
    // A inserts A; B inserts C, which inserts B. The LINE after the inserts is still read.
    ImportResult r = ImportFixture("block_self_insert.dxf");
    const Drw& d = r.drawing;
    ASSERT_EQ(d.entityCount(), 4);
    EXPECT_EQ(d.entities[0].y1, 0);  // A once
    EXPECT_EQ(d.entities[1].y1, 1);  // B
    EXPECT_EQ(d.entities[2].y1, 2);  // C inside B
    ExpectLine(d.entities[3], 50, 50, 60, 60);
    EXPECT_EQ(d.pathCount, 4);
}

TEST_F(ImportDxfClassBlocks, NestingStopsAfterSixteenLevels)
{
    // N0 inserts N1, ... N19 inserts N20; each holds one LINE at y = its level.
    ImportResult r = ImportFixture("block_deep_nesting.dxf");
    const Drw& d = r.drawing;
    ASSERT_EQ(d.entityCount(), MaxInsertDepth + 1);
    for (int level = 0; level < MaxInsertDepth; ++level)
        EXPECT_EQ(d.entities[level].y1, level);
    ExpectLine(d.entities.back(), 50, 50, 60, 60);
}

TEST_F(ImportDxfClassBlocks, NestedInsertIsPlacedInsideItsOuterBlock)
{
    // OUT holds IN (LINE (0,0)-(10,0)) rotated by 90, then LINE (0,0)-(0,-5), which turns the line before it round;
    // OUT is inserted at (100, 0).
    ImportResult r = ImportFixture("block_nested_chain.dxf");
    const Drw& d = r.drawing;
    ASSERT_EQ(d.entityCount(), 2);
    ExpectLine(d.entities[0], 100, 10, 100, 0);
    ExpectLine(d.entities[1], 100, 0, 100, -5);
}

TEST_F(ImportDxfClassBlocks, BlockEntitiesAreNotChainedWithWhatLiesOutsideTheBlock)
{
    // LINE (0,0)-(10,0), then a block LINE (0,0)-(5,5) inserted at (50, 50): they do not touch once placed.
    ImportResult r = ImportFixture("insert_after_line.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 2);
    ExpectLine(r.drawing.entities[0], 0, 0, 10, 0);
    ExpectLine(r.drawing.entities[1], 50, 50, 55, 55);
}

TEST_F(ImportDxfClassBlocks, HugeArrayOfAnEmptyBlockEndsAfterTheExpansionBound)
{
    // 100000 x 100000 cells of a block that adds nothing: the import ends, and the LINE after it is read.
    ImportResult r = ImportFixture("insert_huge_array.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].x2, 1);
    EXPECT_EQ(r.warnings, WarnText);
}

TEST_F(ImportDxfClassBlocks, BlocksBeyondTheIndexAreNotFound)
{
    // MaxBlocks + 1 blocks, each holding one LINE at y = its number; an INSERT of the first and of the last.
    TempProgDir folder;
    std::string dxf = "0\nSECTION\n2\nBLOCKS\n";
    for (int i = 0; i <= MaxBlocks; ++i) {
        dxf += "0\nBLOCK\n2\nB" + std::to_string(i) + "\n0\nLINE\n10\n0\n20\n" + std::to_string(i) +
               "\n11\n1\n21\n0\n0\nENDBLK\n";
    }
    dxf += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB0\n0\nINSERT\n2\nB" + std::to_string(MaxBlocks) +
           "\n0\nENDSEC\n0\nEOF\n";
    Drw drawing;
    ImportDxfClass import(folder.WriteFile("blocks.dxf", dxf), drawing);
    EXPECT_TRUE(import.Import());
    ASSERT_EQ(drawing.entityCount(), 1);
    EXPECT_EQ(drawing.entities[0].y1, 0);
}

}  // namespace
