// Hostile DXF files through the import's entry point: files cut short at every line, counts and names far beyond
// any real drawing, a line of 10 MB, NUL bytes, nesting and arrays of blocks without end, a million entities, and
// layer names that are not UTF-8. Each import ends with a drawing that keeps every invariant; none crashes.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf/importdxf.h"
#include "dxf/importdxfclass.h"
#include "model/drawing_checks.h"
#include "model/drw.h"
#include "support/text.h"

namespace {

std::string Pair(int code, const std::string& value)
{
    return std::to_string(code) + "\n" + value + "\n";
}

std::string Line(double x1, double y1, double x2, double y2, const std::string& layer = "0")
{
    return Pair(0, "LINE") + Pair(8, layer) + Pair(10, std::to_string(x1)) + Pair(20, std::to_string(y1)) +
           Pair(11, std::to_string(x2)) + Pair(21, std::to_string(y2));
}

std::string Section(const std::string& name, const std::string& body)
{
    return Pair(0, "SECTION") + Pair(2, name) + body + Pair(0, "ENDSEC");
}

std::string Block(const std::string& name, const std::string& body)
{
    return Pair(0, "BLOCK") + Pair(8, "0") + Pair(2, name) + Pair(70, "0") + Pair(10, "0") + Pair(20, "0") +
           Pair(30, "0") + body + Pair(0, "ENDBLK");
}

std::string Insert(const std::string& block, int columns = 1, int rows = 1)
{
    return Pair(0, "INSERT") + Pair(8, "0") + Pair(2, block) + Pair(10, "0") + Pair(20, "0") +
           Pair(70, std::to_string(columns)) + Pair(71, std::to_string(rows)) + Pair(44, "1") + Pair(45, "1");
}

std::string Dxf(const std::string& blocks, const std::string& entities)
{
    return Section("BLOCKS", blocks) + Section("ENTITIES", entities) + Pair(0, "EOF");
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ImportDxfHostile : public ::testing::Test {
protected:
    TempProgDir folder;
    MessageRecorder recorder;

    // Imports the file at path into a drawing that held something else, and checks the invariants.
    Drw ImportPath(const std::string& path)
    {
        Drw drw = MakeDrawing({2, 2});
        ImportDxf(path, drw);
        EXPECT_TRUE(CheckInvariants(drw, true));
        return drw;
    }
    Drw Import(const std::string& content) { return ImportPath(folder.WriteFile("hostile.dxf", content)); }

    // Saves drw and loads it back: the file keeps every entity, and its layers are all in the table.
    Drw SaveAndLoad(Drw drw)
    {
        const std::string path = folder.File("saved.dis");
        EXPECT_TRUE(drw.Save(path));
        Drw loaded;
        EXPECT_TRUE(loaded.Load(path));
        EXPECT_EQ(loaded.entityCount(), drw.entityCount());
        EXPECT_TRUE(CheckInvariants(loaded, true));
        return loaded;
    }
};

// Every fixture, cut after each of its lines and in the middle of each line: the paths read before the cut at most.
TEST_F(ImportDxfHostile, FilesCutShortAtEveryLine)
{
    for (const char* name : {"insert_twice.dxf", "polyline_closed.dxf", "lwpolyline_bulge.dxf", "ellipses.dxf",
                             "block_nested_chain.dxf", "path_count.dxf"}) {
        SCOPED_TRACE(name);
        const std::string whole = ReadBytes(std::string(QUORVIA_TEST_DATA) + "/dxf/" + name);
        ASSERT_FALSE(whole.empty());
        const int fullPaths = Import(whole).pathCount;
        for (size_t end = whole.find('\n'); end != std::string::npos; end = whole.find('\n', end + 1)) {
            SCOPED_TRACE(end);
            EXPECT_LE(Import(whole.substr(0, end + 1)).pathCount, fullPaths);
            EXPECT_LE(Import(whole.substr(0, end - (end > 0 ? 1 : 0))).pathCount, fullPaths);
        }
        recorder.Clear();
    }
}

// Vertex counts that do not match the vertices present are not trusted: the vertices present make the polyline.
TEST_F(ImportDxfHostile, VertexCountsThatLie)
{
    for (const std::string count : {"-1", "0", "40001", "2147483647", "-2147483648", "99999999999"}) {
        SCOPED_TRACE(count);
        const std::string polyline = Pair(0, "LWPOLYLINE") + Pair(8, "0") + Pair(90, count) + Pair(70, "0") +
                                     Pair(10, "0") + Pair(20, "0") + Pair(10, "10") + Pair(20, "0") + Pair(10, "10") +
                                     Pair(20, "10");
        const Drw drw = Import(Dxf("", polyline));
        EXPECT_EQ(drw.entityCount(), 2);
        EXPECT_EQ(drw.pathCount, 1);
    }
}

// Arrays of columns and rows: a count below one places one copy; 40001 or 2^31-1 of each fill the drawing with one
// capacity message and stop; an empty block in 2^31-1 by 2^31-1 cells is bounded work.
TEST_F(ImportDxfHostile, ArrayCountsThatLie)
{
    const std::string block = Block("B", Line(0, 0, 0.5, 0));
    for (const int count : {-1, 0}) {
        EXPECT_EQ(Import(Dxf(block, Insert("B", count, count))).entityCount(), 1);
        EXPECT_EQ(recorder.Count(), 0u);
    }
    for (const int count : {40001, 2147483647}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(Import(Dxf(block, Insert("B", count, count))).entityCount(), MaxEntities);
        EXPECT_EQ(GetImportWarnings(), WarnCapacity);
        EXPECT_EQ(recorder.Count(), 1u);
        recorder.Clear();
    }
    EXPECT_EQ(Import(Dxf(Block("E", ""), Insert("E", 2147483647, 2147483647))).entityCount(), 0);
    EXPECT_EQ(recorder.Count(), 0u);
}

// 10000 blocks, each inserting the next (the last holds a line), and 40 blocks each inserting the next twice:
// neither the depth nor the doubling runs away.
TEST_F(ImportDxfHostile, DeepAndDoublingNestsOfBlocks)
{
    std::string blocks;
    for (int i = 0; i < 10000; i++)
        blocks +=
            Block("B" + std::to_string(i), i + 1 < 10000 ? Insert("B" + std::to_string(i + 1)) : Line(0, 0, 1, 0));
    Import(Dxf(blocks, Insert("B0") + Line(5, 5, 6, 6)));
    EXPECT_EQ(recorder.Count(), 0u);

    blocks.clear();
    for (int i = 0; i < 40; i++) {
        const std::string next = "D" + std::to_string(i + 1);
        blocks += Block("D" + std::to_string(i), i + 1 < 40 ? Insert(next) + Insert(next) : Line(0, 0, 1, 0));
    }
    const Drw drw = Import(Dxf(blocks, Insert("D0")));
    EXPECT_LE(drw.entityCount(), MaxEntities);
}

// Names of 1 MB and more, a line of 10 MB without a line end: each line is read in bounded memory, and a saved
// drawing shortens the name to what its records hold.
TEST_F(ImportDxfHostile, HugeNamesAndLines)
{
    const std::string huge(1 << 20, 'N');
    Drw drw = Import(Dxf(Block(huge, Line(0, 0, 1, 0, huge)), Insert(huge) + Line(2, 0, 3, 0, huge + huge)));
    ASSERT_GE(drw.entityCount(), 1);
    const Drw loaded = SaveAndLoad(drw);
    EXPECT_LE(loaded.entities.back().layer.size(), 384u);

    Import(Section("ENTITIES", Pair(0, "LINE") + "8\n" + std::string(10 << 20, 'L')));
    Import(std::string(10 << 20, '0'));
}

// NUL bytes in codes, keywords, names and numbers; a layer name holding one survives a save and a load as the
// table keeps it, so that loading again does not grow the table.
TEST_F(ImportDxfHostile, NulBytes)
{
    const std::string nul(1, '\0');
    Import(Pair(0, "SEC" + nul + "TION") + Pair(2, "ENTITIES") + "1" + nul + "0\n5\n" + Pair(0, "LINE") +
           Pair(10, "1" + nul + "2") + Pair(20, nul) + Pair(11, "3") + Pair(21, "4"));
    Import(std::string(4096, '\0'));

    Drw drw = Import(Section("ENTITIES", Line(0, 0, 1, 0, "A" + nul + "B") + Line(5, 0, 6, 0, "A")));
    ASSERT_EQ(drw.entityCount(), 2);
    const Drw once = SaveAndLoad(drw);
    const Drw twice = SaveAndLoad(once);
    EXPECT_EQ(twice.layers, once.layers);
    EXPECT_EQ(once.entities[0].layer, "A");
}

// Layer names that are not UTF-8 are decoded from Windows-1252, and a drawing file keeps them.
TEST_F(ImportDxfHostile, LayerNamesThatAreNotUtf8)
{
    const Drw drw = Import(Section(
        "ENTITIES", Line(0, 0, 1, 0, "Citt\xE0") + Line(5, 0, 6, 0, "\xFF\xFE\x80") + Line(9, 0, 10, 0, "\xC3")));
    ASSERT_EQ(drw.entityCount(), 3);
    for (const Entity& e : drw.entities)
        EXPECT_TRUE(IsValidUtf8(e.layer)) << e.layer;
    EXPECT_EQ(drw.entities[0].layer, "Città");
    const Drw loaded = SaveAndLoad(drw);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(loaded.entities[i].layer, drw.entities[i].layer);
}

// SPLINEs whose counts lie, with more values than a SPLINE may hold, a degree of 2^31-1, coordinates near the
// single-precision limit, weights that differ by 60 orders of magnitude, or a curve a hundred metres long at the
// least tolerance: each imports what it can within the capacity, or nothing with the SPLINE warning, in bounded time.
TEST_F(ImportDxfHostile, SplinesBeyondAnyDrawing)
{
    auto spline = [](const std::string& groups) { return Pair(0, "SPLINE") + Pair(8, "S") + groups; };
    const std::string knots = "40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n40\n1\n";
    auto points = [](double a, double b) {
        return Pair(10, "0") + Pair(20, "0") + Pair(10, std::to_string(a)) + Pair(20, std::to_string(b)) +
               Pair(10, std::to_string(b)) + Pair(20, std::to_string(-a)) + Pair(10, std::to_string(a)) +
               Pair(20, std::to_string(a));
    };
    for (const std::string count : {"-1", "2147483647", "99999999999"}) {
        SCOPED_TRACE(count);
        const Drw drw = Import(
            Section("ENTITIES", spline(Pair(71, "3") + Pair(72, count) + Pair(73, count) + knots + points(10, 20))));
        EXPECT_EQ(drw.entityCount(), 0);
        EXPECT_EQ(GetImportWarnings(), WarnSpline);
    }
    std::string many = Pair(71, "1");
    for (int i = 0; i <= MaxSplineValues; i++)
        many += "40\n" + std::to_string(i) + "\n";
    EXPECT_EQ(Import(Section("ENTITIES", spline(many + points(1, 2)))).entityCount(), 0);
    EXPECT_EQ(Import(Section("ENTITIES", spline(Pair(71, "2147483647") + knots + points(1, 2)))).entityCount(), 0);
    EXPECT_EQ(GetImportSkipped().at("SPLINE"), 1);

    // Finite curves, however far out or bent, end within the capacity.
    const Drw far = Import(Section("ENTITIES", spline(Pair(71, "3") + knots + points(3e38, -3e38))));
    EXPECT_LE(far.entityCount(), MaxEntities);
    const Drw weighted = Import(Section("ENTITIES", spline(Pair(71, "3") + knots + points(50, 80) + Pair(41, "1e-30") +
                                                           Pair(41, "1e30") + Pair(41, "1") + Pair(41, "1e-30"))));
    EXPECT_GT(weighted.entityCount(), 0);
    EXPECT_EQ(GetImportWarnings(), 0);
    std::string wave = Pair(71, "3");
    for (int i = 0; i < 2003 + 4; i++)
        wave += "40\n" + std::to_string(std::clamp(i - 3, 0, 2000)) + "\n";
    for (int i = 0; i < 2003; i++)
        wave += Pair(10, std::to_string(50 * i)) + Pair(20, std::to_string(i % 2 ? 50 : -50));
    Drw full = MakeDrawing({2, 2});
    ImportDxf(folder.WriteFile("wave.dxf", Section("ENTITIES", spline(wave) + spline(wave))), full, MinCurveTolerance);
    EXPECT_TRUE(CheckInvariants(full, true));
    EXPECT_EQ(full.entityCount(), MaxEntities);
    EXPECT_EQ(GetImportWarnings(), WarnCapacity);
    EXPECT_EQ(full.pathCount, 2);
}

// A million lines: the drawing keeps the first 40000, the capacity is reported once, and memory stays bounded
// (the file is read line by line, never held whole).
TEST_F(ImportDxfHostile, AMillionEntities)
{
    const std::string path = folder.File("million.dxf");
    {
        std::ofstream out(path, std::ios::binary);
        out << Pair(0, "SECTION") << Pair(2, "ENTITIES");
        for (int i = 0; i < 1000000; i++)
            out << "0\nLINE\n8\n0\n10\n" << i << "\n20\n0\n11\n" << i << "\n21\n1\n";
        out << Pair(0, "ENDSEC") << Pair(0, "EOF");
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const Drw drw = ImportPath(path);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(drw.entityCount(), MaxEntities);
    EXPECT_EQ(drw.entities.back().x1, MaxEntities - 1);
    EXPECT_EQ(GetImportWarnings(), WarnCapacity);
    EXPECT_EQ(recorder.Count(), 1u);
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer keeps freed memory in quarantine, so RSS says nothing there
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes of peak memory added";
#endif
}

}  // namespace
