// ImportDxfClass reading: pairs and group codes, keywords, sections in file order, path numbering, and files that
// are not ASCII DXF.
#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"

namespace {

class ImportDxfClassReader : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

TEST_F(ImportDxfClassReader, FileWithoutSectionAddsNothing)
{
    ImportResult r = ImportFixture("no_section.dxf");
    EXPECT_TRUE(r.imported);
    EXPECT_EQ(r.drawing.entityCount(), 0);
    EXPECT_EQ(r.drawing.pathCount, 0);
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(ImportDxfClassReader, KeywordsInAnyLetterCaseAreRecognised)
{
    ImportResult r = ImportFixture("lowercase_keywords.dxf");
    EXPECT_EQ(r.drawing.entityCount(), 5);  // a line and a circle's four arcs
    EXPECT_EQ(r.drawing.pathCount, 2);
}

TEST_F(ImportDxfClassReader, TypeNameWithTrailingBlankIsPassedOver)
{
    ImportResult r = ImportFixture("trailing_blank_type.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].y1, 5);
    EXPECT_EQ(r.drawing.pathCount, 1);
}

TEST_F(ImportDxfClassReader, GroupCodesWithBlanksAroundThemAreRead)
{
    ImportResult r = ImportFixture("blank_code.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    const Entity& e = r.drawing.entities[0];
    EXPECT_EQ(e.x1, 3);
    EXPECT_EQ(e.y1, 4);
    EXPECT_EQ(e.x2, 7);
    EXPECT_EQ(e.y2, 8);
}

TEST_F(ImportDxfClassReader, LineEndsOfEitherKindAndAMissingLastLineEnd)
{
    ImportResult r = ImportFixture("crlf_lf_mixed.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].x2, 3);
    EXPECT_EQ(r.drawing.entities[0].y2, 4);
}

TEST_F(ImportDxfClassReader, InsertBeforeTheBlocksSectionFindsNoBlock)
{
    ImportResult r = ImportFixture("entities_before_blocks.dxf");
    EXPECT_TRUE(r.imported);
    EXPECT_EQ(r.drawing.entityCount(), 0);
    EXPECT_EQ(r.drawing.pathCount, 0);
}

TEST_F(ImportDxfClassReader, PathCountIsTheNumberOfConvertedItems)
{
    // LINE, ARC, CIRCLE, a one-vertex LWPOLYLINE, a POLYLINE and an ELLIPSE take numbers 1 to 6; the ELLIPSE with a
    // null axis and the TEXT take none.
    ImportResult r = ImportFixture("path_count.dxf");
    EXPECT_EQ(r.drawing.pathCount, 6);
    EXPECT_EQ(r.warnings, WarnText);
    EXPECT_EQ(EntitiesOfPath(r.drawing, 4), 0);
    EXPECT_EQ(EntitiesOfPath(r.drawing, 5), 2);
    EXPECT_EQ(EntitiesOfPath(r.drawing, 6), 8);
    EXPECT_EQ(r.drawing.entities.back().sequence, 6);
    ExpectWellFormed(r.drawing);
}

TEST_F(ImportDxfClassReader, UnconvertedKindsSetTheirFlags)
{
    ImportResult r = ImportFixture("flagged.dxf");
    EXPECT_EQ(r.warnings, WarnSpline | WarnSolid);
    EXPECT_EQ(r.drawing.entityCount(), 1);
}

TEST_F(ImportDxfClassReader, BadGroupCodesAreReportedOnceAndCountAsZero)
{
    ImportResult r = ImportFixture("bad_codes.dxf");
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, "MTC003: errore nella conversione numerica. Controllare i valori immessi.");
    EXPECT_EQ(recorder.Messages()[0].style, MsgStyleError);
    EXPECT_EQ(r.drawing.entityCount(), 1);
}

TEST_F(ImportDxfClassReader, ValueThatDoesNotConvertDropsItsEntityAndTheRestOfTheSection)
{
    ImportResult r = ImportFixture("bad_value.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 2);
    EXPECT_EQ(r.drawing.entities[0].y1, 0);
    EXPECT_EQ(r.drawing.entities[1].y1, 20);  // from the next ENTITIES section
    EXPECT_EQ(r.drawing.pathCount, 2);
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(ImportDxfClassReader, BinaryDxfImportsNothingWithItsOwnMessage)
{
    ImportResult r = ImportFixture("binary.dxf");
    EXPECT_TRUE(r.imported);
    EXPECT_EQ(r.drawing.entityCount(), 0);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].title, "ERRORE");
    EXPECT_NE(recorder.Messages()[0].text.find("DXF001"), std::string::npos);
    EXPECT_NE(recorder.Messages()[0].text.find("binary.dxf"), std::string::npos);
}

TEST_F(ImportDxfClassReader, FileThatIsNotDxfImportsNothingQuietly)
{
    ImportResult r = ImportFixture("not_dxf.dxf");
    EXPECT_TRUE(r.imported);
    EXPECT_EQ(r.drawing.entityCount(), 0);
    EXPECT_EQ(r.warnings, 0);
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(ImportDxfClassReader, MissingFileFailsWithTheOpeningMessage)
{
    ImportResult r = ImportFixture("no_such_file.dxf");
    EXPECT_FALSE(r.imported);
    EXPECT_EQ(r.drawing.entityCount(), 0);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text.rfind("FRW001", 0), 0u);
}

}  // namespace
