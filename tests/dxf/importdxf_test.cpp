// ImportDxf, SetImportProgress, GetImportWarnings and GetImportSkipped: the driver's clearing, warnings, progress
// callback, capacity, entities passed over and logs.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxf.h"
#include "dxf/importdxfclass.h"

namespace {

class ImportDxfDriver : public ::testing::Test {
protected:
    MessageRecorder recorder;
    TempProgDir progDir;
};

TEST_F(ImportDxfDriver, OnlyTextGivesAnEmptyDrawingAndTheTextWarning)
{
    Drw drawing;
    ImportDxf(DxfFixture("text_only.dxf"), drawing);
    EXPECT_EQ(drawing.entityCount(), 0);
    EXPECT_EQ(GetImportWarnings(), WarnText);
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(ImportDxfDriver, ImportingTwiceGivesTheSameDrawing)
{
    Drw once;
    ImportDxf(DxfFixture("insert_twice.dxf"), once);
    Drw twice = once;
    ImportDxf(DxfFixture("insert_twice.dxf"), twice);
    EXPECT_EQ(twice.entities, once.entities);
    EXPECT_EQ(twice.pathCount, once.pathCount);
    EXPECT_EQ(twice.layers, once.layers);
    EXPECT_EQ(twice.entities.front().sequence, 1);
}

TEST_F(ImportDxfDriver, MissingFileLeavesTheDrawingEmpty)
{
    Drw drawing;
    ImportDxf(DxfFixture("circle.dxf"), drawing);
    ImportDxf(DxfFixture("no_such_file.dxf"), drawing);
    EXPECT_EQ(drawing.entityCount(), 0);
    EXPECT_EQ(drawing.pathCount, 0);
    EXPECT_EQ(GetImportWarnings(), 0);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text.rfind("FRW001", 0), 0u);
}

TEST_F(ImportDxfDriver, ProgressIsReportedOncePerItemOfTheNextImportOnly)
{
    std::vector<int> calls;
    SetImportProgress([&calls](int items) { calls.push_back(items); });
    Drw drawing;
    ImportDxf(DxfFixture("path_count.dxf"), drawing);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ImportDxf(DxfFixture("path_count.dxf"), drawing);
    EXPECT_EQ(calls.size(), 6u);
}

TEST_F(ImportDxfDriver, DrawingThatDoesNotFitWarnsOnceAndKeepsReading)
{
    // MaxEntities + 1 separate lines, then a circle and an insert that no longer fit, then a TEXT that is still met.
    std::string dxf =
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nENDBLK\n"
        "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i <= MaxEntities; ++i)
        dxf += "0\nLINE\n10\n" + std::to_string(3 * i) + "\n20\n0\n11\n" + std::to_string(3 * i + 1) + "\n21\n0\n";
    dxf += "0\nCIRCLE\n10\n0\n20\n0\n40\n1\n0\nINSERT\n2\nB\n0\nTEXT\n1\nx\n0\nENDSEC\n0\nEOF\n";
    const std::string path = progDir.WriteFile("big.dxf", dxf);
    Drw drawing;
    ImportDxf(path, drawing);
    EXPECT_EQ(drawing.entityCount(), MaxEntities);
    EXPECT_EQ(drawing.pathCount, MaxEntities + 2);  // refused items keep their numbers
    EXPECT_EQ(GetImportWarnings(), WarnCapacity | WarnText);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, "DRW011: Raggiunto il numero limite di entità di un disegno (40000)");
    EXPECT_EQ(recorder.Messages()[0].title, "AVVISO");
}

TEST_F(ImportDxfDriver, EntitiesPassedOverAreCountedAndLoggedInOneLine)
{
    Drw drawing;
    ImportDxf(DxfFixture("spline_curves.dxf"), drawing);
    EXPECT_EQ(GetImportSkipped(), (std::map<std::string, int>{{"HATCH", 1}, {"TEXT", 1}}));
    ASSERT_FALSE(recorder.EventLines().empty());
    EXPECT_EQ(recorder.EventLines().back(), "Entità DXF non importate: HATCH 1, TEXT 1");
    // Nothing passed over: no line, and the counts of the import before are gone.
    const std::size_t lines = recorder.EventLines().size();
    ImportDxf(DxfFixture("circle.dxf"), drawing);
    EXPECT_TRUE(GetImportSkipped().empty());
    EXPECT_EQ(recorder.EventLines().size(), lines);
}

TEST_F(ImportDxfDriver, LogsInPlaceBeforeTheImportAreBackAfterItWithItsLines)
{
    Log* errorLog = ErrorLog.get();
    Log* eventLog = EventLog.get();
    Drw drawing;
    ImportDxf(DxfFixture("no_such_file.dxf"), drawing);
    EXPECT_EQ(ErrorLog.get(), errorLog);
    EXPECT_EQ(EventLog.get(), eventLog);
    ASSERT_FALSE(recorder.ErrorLines().empty());
    EXPECT_EQ(recorder.ErrorLines().back().rfind("FRW001", 0), 0u);
}

TEST_F(ImportDxfDriver, WithoutLogsBeforeTheImportNoneIsLeft)
{
    std::unique_ptr<Log> savedError = std::move(ErrorLog);
    std::unique_ptr<Log> savedEvent = std::move(EventLog);
    Drw drawing;
    ImportDxf(DxfFixture("circle.dxf"), drawing);
    EXPECT_EQ(ErrorLog, nullptr);
    EXPECT_EQ(EventLog, nullptr);
    ErrorLog = std::move(savedError);
    EventLog = std::move(savedEvent);
    EXPECT_EQ(drawing.entityCount(), 4);
}

}  // namespace
