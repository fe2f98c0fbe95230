// Tests of drawing files: the byte layout against fixtures, reading versions 0 and 1, round trips of random
// drawings, saving that never harms the previous file, hostile files, and the archive folder setting.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drawing_builders.h"
#include "model/drawing_checks.h"
#include "model/drw.h"
#include "model/drw_file.h"
#include "model/drw_file_format.h"
#include "support/text.h"

namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name)
{
    return std::string(QUORVIA_TEST_DATA) + "/dis/" + name;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int32_t Int32At(const std::string& bytes, size_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// The drawing stored in the fixtures sample_v0.dis and sample_v1.dis (see make_fixtures.py there).
Drw SampleDrawing()
{
    Drw drw;
    Entity line = MakeLine(1.5, 2.5, 10.0, 2.5, 1, "");
    line.z1 = 0.25, line.z2 = 0.5, line.joinedNext = true;
    Entity arc = MakeArc(10.0, 2.5, 20.0, 2.5, 15.0, 2.5, true, 1, "");
    arc.z1 = 0.5, arc.zc = 0.75, arc.joinedPrev = true;
    arc.reserved1 = 7, arc.reserved2 = 0.5, arc.reserved3 = -2.0;
    drw.entities = {line, arc, MakeLine(0.0, 0.0, 0.0, 30.0, 2, "0")};
    drw.pathCount = 2;
    Drw::Layer empty;
    empty.flag = false, empty.value = 2.5, empty.colour = 0x123456;
    for (int k = 0; k < 8; k++)
        empty.ints[k] = k + 1, empty.reals[k] = 0.5 * (k + 1);
    Drw::Layer zero, city;
    zero.name = "0", city.name = "Città";
    drw.layers = {empty, zero, city};
    return drw;
}

class DrwFile : public ::testing::Test {
protected:
    TempProgDir folder;
    MessageRecorder recorder;

    std::string PathOf(const std::string& name) const { return folder.File(name); }

    void ExpectOneError(const std::string& text) const
    {
        ASSERT_EQ(recorder.Count(), 1u);
        EXPECT_EQ(recorder.Messages()[0], (RecordedMessage{text, "ERRORE", 8208}));
        ASSERT_FALSE(recorder.ErrorLines().empty());
        EXPECT_EQ(recorder.ErrorLines().back(), text);
    }
};

// ---- Byte layout -------------------------------------------------------------------------------------------------

TEST_F(DrwFile, EmptyDrawingSavesAsSixteenBytes)
{
    Drw drw;
    ASSERT_TRUE(drw.Save(PathOf("empty.dis")));
    EXPECT_EQ(ReadBytes(PathOf("empty.dis")), std::string("\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));
}

TEST_F(DrwFile, SaveWritesTheFixtureByteForByte)
{
    Drw drw = SampleDrawing();
    drw.modified = true;
    ASSERT_TRUE(drw.Save(PathOf("sample.dis")));

    const std::string saved = ReadBytes(PathOf("sample.dis"));
    const std::string expected = ReadBytes(Fixture("sample_v1.dis"));
    if (saved != expected)
        std::ofstream(Fixture("sample_v1.dis.received"), std::ios::binary) << saved;
    EXPECT_EQ(saved, expected) << "the saved file is in sample_v1.dis.received";
    EXPECT_FALSE(drw.modified);
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(recorder.EventLines().back(), "Salvataggio disegno " + PathOf("sample.dis"));
}

TEST_F(DrwFile, RecordLengthsCountTheNameBytes)
{
    ASSERT_TRUE(SampleDrawing().Save(PathOf("sample.dis")));
    const std::string bytes = ReadBytes(PathOf("sample.dis"));
    // Entities: empty layer, empty layer, "0"; each length is followed by its record.
    EXPECT_EQ(Int32At(bytes, 8), 116);
    EXPECT_EQ(Int32At(bytes, 8 + 4 + 116), 116);
    const size_t third = 8 + 2 * (4 + 116);
    EXPECT_EQ(Int32At(bytes, third), 117);
    // Path count, layer count, then layers "", "0" and "Città" (5 bytes in Windows-1252).
    const size_t layers = third + 4 + 117;
    EXPECT_EQ(Int32At(bytes, layers), 2);
    EXPECT_EQ(Int32At(bytes, layers + 4), 3);
    EXPECT_EQ(Int32At(bytes, layers + 8), 116);
    EXPECT_EQ(Int32At(bytes, layers + 12 + 116), 117);
    EXPECT_EQ(Int32At(bytes, layers + 16 + 116 + 117), 121);
    EXPECT_EQ(bytes.substr(layers + 24 + 116 + 117, 5), "Citt\xE0");
}

// ---- Loading -----------------------------------------------------------------------------------------------------

TEST_F(DrwFile, LoadReadsEveryFieldOfBothVersions)
{
    for (const char* name : {"sample_v1.dis", "sample_v0.dis"}) {
        SCOPED_TRACE(name);
        Drw drw;
        drw.modified = true;
        ASSERT_TRUE(drw.Load(Fixture(name)));
        EXPECT_TRUE(SameDrawing(drw, SampleDrawing()));
        EXPECT_FALSE(drw.modified);
    }
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(DrwFile, AnyVersionButZeroHasRecordLengths)
{
    std::string bytes = ReadBytes(Fixture("sample_v1.dis"));
    bytes[0] = 7;
    Drw drw;
    ASSERT_TRUE(drw.Load(folder.WriteFile("v7.dis", bytes)));
    EXPECT_TRUE(SameDrawing(drw, SampleDrawing()));
}

TEST_F(DrwFile, FlagValueTwoIsFalseForEntitiesAndTrueForLayers)
{
    Drw drw;
    ASSERT_TRUE(drw.Load(Fixture("flags2.dis")));
    ASSERT_EQ(drw.entityCount(), 1);
    const Entity& e = drw.entities[0];
    EXPECT_FALSE(e.isArc);
    EXPECT_FALSE(e.clockwise);
    EXPECT_FALSE(e.joinedPrev);
    EXPECT_FALSE(e.joinedNext);
    // "B" is stored with 2, "C" with -1; "A", named by the entity only, is added with the creation values.
    ASSERT_EQ(drw.layerCount(), 3);
    EXPECT_EQ(drw.layers[0].name, "B");
    EXPECT_TRUE(drw.layers[0].flag);
    EXPECT_FALSE(drw.layers[1].flag);
    EXPECT_EQ(drw.layers[2].name, "A");
    EXPECT_TRUE(drw.layers[2].flag);
    EXPECT_EQ(drw.layers[2].value, 1.0);
    EXPECT_EQ(drw.layers[2].colour, 0x00F700);
}

TEST_F(DrwFile, LoadReplacesWhatTheDrawingHeld)
{
    Drw drw = MakeDrawing({3, 2, 4});
    ASSERT_TRUE(drw.Load(Fixture("sample_v1.dis")));
    EXPECT_TRUE(SameDrawing(drw, SampleDrawing()));
}

TEST_F(DrwFile, MissingFileShowsDrw004AndChangesNothing)
{
    Drw drw = MakeDrawing({2, 1});
    drw.modified = true;
    const Drw before = drw;
    const std::string path = PathOf("nowhere.dis");
    EXPECT_FALSE(drw.Load(path));
    ExpectOneError("DRW004: file " + path + " non esistente");
    EXPECT_TRUE(SameDrawing(drw, before));
    EXPECT_TRUE(drw.modified);
}

TEST_F(DrwFile, SaveThenLoadGivesBackRandomDrawings)
{
    for (unsigned seed = 1; seed <= 40; seed++) {
        SCOPED_TRACE(seed);
        const Drw original = RandomDrawing(seed);
        ASSERT_TRUE(CheckInvariants(original));
        Drw copy = original;
        ASSERT_TRUE(copy.Save(PathOf("random.dis")));
        Drw loaded;
        ASSERT_TRUE(loaded.Load(PathOf("random.dis")));
        EXPECT_TRUE(SameDrawing(loaded, original));
    }
}

TEST_F(DrwFile, LongLayerNamesAreShortenedToFitTheRecord)
{
    const std::string longName(450, 'L');
    Drw drw;
    drw.AddLine(0, 0, 10, 0, longName, 1, false, false);
    drw.pathCount = 1;
    ASSERT_TRUE(drw.Save(PathOf("long.dis")));
    const std::string bytes = ReadBytes(PathOf("long.dis"));
    EXPECT_EQ(Int32At(bytes, 8), DisRecordCapacity);

    Drw loaded;
    ASSERT_TRUE(loaded.Load(PathOf("long.dis")));
    EXPECT_EQ(loaded.entities[0].layer, std::string(DisMaxNameBytes, 'L'));
    ASSERT_EQ(loaded.layerCount(), 1);
    EXPECT_TRUE(CheckInvariants(loaded));
}

TEST_F(DrwFile, NamesOutsideWindows1252AreSavedWithQuestionMarks)
{
    Drw drw;
    drw.AddLine(0, 0, 10, 0, "Žluť€", 1, false, false);
    drw.AddLine(10, 0, 20, 0, "日本", 2, false, false);
    drw.pathCount = 2;
    ASSERT_TRUE(drw.Save(PathOf("text.dis")));
    Drw loaded;
    ASSERT_TRUE(loaded.Load(PathOf("text.dis")));
    EXPECT_EQ(loaded.entities[0].layer, "Žlu?€");
    EXPECT_EQ(loaded.entities[1].layer, "??");
    EXPECT_TRUE(CheckInvariants(loaded));
}

// ---- Saving never harms the previous file ------------------------------------------------------------------------

class DrwFileSaveFailure : public DrwFile {
protected:
    const std::string oldBytes = "previous drawing";

    // Saves a drawing of a few paths to path, expecting DRW003 and the modified flag kept.
    void ExpectSaveFails(const std::string& path)
    {
        Drw drw = MakeDrawing({3, 5});
        drw.modified = true;
        EXPECT_FALSE(drw.Save(path));
        ExpectOneError("DRW003: errore nel salvataggio del file " + path);
        EXPECT_TRUE(drw.modified);
        EXPECT_TRUE(recorder.EventLines().empty());
    }
};

TEST_F(DrwFileSaveFailure, FolderThatDoesNotExist)
{
    ExpectSaveFails(PathOf("missing/drawing.dis"));
}

TEST_F(DrwFileSaveFailure, TargetThatIsAFolder)
{
    fs::create_directory(PathOf("folder.dis"));
    ExpectSaveFails(PathOf("folder.dis"));
    EXPECT_TRUE(fs::is_directory(PathOf("folder.dis")));
}

TEST_F(DrwFileSaveFailure, DeviceTargetsAreRefusedAndLeftAlone)
{
    ASSERT_TRUE(fs::exists("/dev/full"));
    fs::create_symlink("/dev/full", PathOf("link.dis"));
    ExpectSaveFails(PathOf("link.dis"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_TRUE(fs::is_symlink(PathOf("link.dis")));
}

// A write that fails part-way (here the file size limit, which fails a write as a full disk does) leaves the old
// file as it was and no temporary file behind.
TEST_F(DrwFileSaveFailure, FailedWriteKeepsTheOldFile)
{
    const std::string path = folder.WriteFile("drawing.dis", oldBytes);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectSaveFails(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadBytes(path), oldBytes);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(DrwFileSaveFailure, ReadOnlyFolder)
{
    const std::string path = folder.WriteFile("locked/drawing.dis", oldBytes);
    fs::permissions(PathOf("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    const bool writable = access(PathOf("locked").c_str(), W_OK) == 0;
    if (!writable)
        ExpectSaveFails(path);
    fs::permissions(PathOf("locked"), fs::perms::owner_all);
    if (writable)
        GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_EQ(ReadBytes(path), oldBytes);
}

TEST_F(DrwFile, SaveReplacesTheOldFileWithoutLeavingTemporaries)
{
    const std::string path = folder.WriteFile("drawing.dis", std::string(5000, 'x'));
    ASSERT_TRUE(Drw().Save(path));
    EXPECT_EQ(ReadBytes(path).size(), 16u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        entries++;
    EXPECT_EQ(entries, 2);  // data/ and the drawing
}

TEST_F(DrwFile, SaveThroughALinkUpdatesTheLinkedFile)
{
    const std::string target = folder.WriteFile("real.dis", "old");
    fs::create_symlink(target, PathOf("link.dis"));
    ASSERT_TRUE(Drw().Save(PathOf("link.dis")));
    EXPECT_TRUE(fs::is_symlink(PathOf("link.dis")));
    EXPECT_EQ(ReadBytes(target).size(), 16u);
}

// ---- Hostile files -----------------------------------------------------------------------------------------------

std::string Int32Bytes(int32_t value)
{
    DisWriter writer;
    writer.Int32(value);
    return writer.bytes;
}

class DrwFileHostile : public DrwFile {
protected:
    // Loads bytes into a drawing that held other paths, expecting DRW005 and a consistent drawing of
    // entitiesKept entities.
    Drw ExpectUnreadable(const std::string& bytes, int entitiesKept)
    {
        const std::string path = folder.WriteFile("hostile.dis", bytes);
        Drw drw = MakeDrawing({2, 3});
        EXPECT_FALSE(drw.Load(path));
        ExpectOneError("DRW005: errore nella lettura del file " + path);
        EXPECT_EQ(drw.entityCount(), entitiesKept);
        EXPECT_TRUE(CheckInvariants(drw));
        recorder.Clear();
        return drw;
    }
};

TEST_F(DrwFileHostile, EveryTruncationKeepsTheCompleteEntities)
{
    const std::string bytes = ReadBytes(Fixture("sample_v1.dis"));
    const size_t entityEnds[] = {8 + 120, 8 + 240, 8 + 361};  // records of 4 + 116, 4 + 116, 4 + 117 bytes
    for (size_t size = 0; size < bytes.size(); size++) {
        SCOPED_TRACE(size);
        int complete = 0;
        for (size_t end : entityEnds)
            complete += size >= end ? 1 : 0;
        const Drw drw = ExpectUnreadable(bytes.substr(0, size), complete);
        EXPECT_EQ(drw.pathCount, complete == 0 ? 0 : complete < 3 ? 1 : 2);
    }
}

TEST_F(DrwFileHostile, CountsOutsideTheCapacities)
{
    const std::string v1 = Int32Bytes(1);
    for (int32_t count : {-1, MaxEntities + 1, 0x7FFFFFFF, INT32_MIN}) {
        SCOPED_TRACE(count);
        ExpectUnreadable(v1 + Int32Bytes(count), 0);
    }
    for (int32_t count : {-1, MaxLayers + 1, 0x7FFFFFFF}) {
        SCOPED_TRACE(count);
        ExpectUnreadable(v1 + Int32Bytes(0) + Int32Bytes(0) + Int32Bytes(count), 0);
    }
}

// A file read to its end must hold consistent paths; one that does not is refused whole, the drawing kept.
TEST_F(DrwFileHostile, InconsistentPathsAreRefusedAndChangeNothing)
{
    struct Damage {
        const char* what;
        std::function<void(Drw&)> apply;
    };
    const Damage damages[] = {
        {"path count -5", [](Drw& d) { d.pathCount = -5; }},
        {"path count below the last number", [](Drw& d) { d.pathCount = 1; }},
        {"number 0", [](Drw& d) { d.entities[0].sequence = d.entities[1].sequence = 0; }},
        {"a path's parts in two places", [](Drw& d) { std::swap(d.entities[1], d.entities[2]); }},
        {"first entity joined back", [](Drw& d) { d.entities[2].joinedPrev = true; }},
        {"path end joined on", [](Drw& d) { d.entities[2].joinedNext = true; }},
        {"chain broken inside a path", [](Drw& d) { d.entities[0].joinedNext = false; }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        Drw damaged = SampleDrawing();
        damage.apply(damaged);
        ASSERT_TRUE(damaged.Save(PathOf("damaged.dis")));
        Drw drw = MakeDrawing({2, 3});
        drw.modified = true;
        const Drw before = drw;
        recorder.Clear();
        EXPECT_FALSE(drw.Load(PathOf("damaged.dis")));
        ExpectOneError("DRW005: errore nella lettura del file " + PathOf("damaged.dis"));
        EXPECT_TRUE(drw == before);
    }
}

// The entities decide the paths: numbers without entities (as an import leaves them) and a path count beyond the
// last number are closed up to 1..n, which the event log records.
TEST_F(DrwFile, PathNumbersAreClosedUpInStorageOrder)
{
    for (int32_t storedCount : {9, 2000000000}) {
        SCOPED_TRACE(storedCount);
        Drw gaps = SampleDrawing();
        gaps.entities[0].sequence = gaps.entities[1].sequence = 4;
        gaps.entities[2].sequence = 7;
        gaps.pathCount = storedCount;
        ASSERT_TRUE(gaps.Save(PathOf("gaps.dis")));
        recorder.Clear();
        Drw drw;
        ASSERT_TRUE(drw.Load(PathOf("gaps.dis")));
        EXPECT_TRUE(SameDrawing(drw, SampleDrawing()));
        EXPECT_EQ(recorder.Count(), 0u);
        EXPECT_EQ(recorder.EventLines().back(), StrFormat("Disegno %s: percorsi numerati da 1 a 2 (nel file %d)",
                                                          PathOf("gaps.dis").c_str(), storedCount));
    }
}

// A file that breaks off keeps what it held completely, up to the first entity that does not continue the paths
// before it.
TEST_F(DrwFileHostile, ABrokenOffFileKeepsItsConsistentStart)
{
    Drw damaged = SampleDrawing();
    damaged.entities.push_back(MakeLine(0.0, 30.0, 5.0, 30.0, 1, "0"));  // numbered below the path before it
    ASSERT_TRUE(damaged.Save(PathOf("damaged.dis")));
    const std::string bytes = ReadBytes(PathOf("damaged.dis"));
    const std::string path = folder.WriteFile("broken.dis", bytes.substr(0, bytes.size() - 1));
    Drw drw;
    EXPECT_FALSE(drw.Load(path));
    ExpectOneError("DRW005: errore nella lettura del file " + path);
    EXPECT_EQ(recorder.EventLines().back(),
              "Disegno " + path + " letto in parte: 3 entità in 2 percorsi e 2 layer tenuti, 1 entità scartate");
    Drw kept = SampleDrawing();
    kept.layers.pop_back();  // "Città", whose record broke off
    EXPECT_TRUE(SameDrawing(drw, kept));
}

TEST_F(DrwFileHostile, RecordLengthsThatDoNotMatchTheRecord)
{
    const std::string sample = ReadBytes(Fixture("sample_v1.dis"));
    // The first record's length (116) replaced; the record stays as it is.
    for (int32_t length : {0, 115, 117, 501, 0x7FFFFFFF, -116}) {
        SCOPED_TRACE(length);
        ExpectUnreadable(sample.substr(0, 8) + Int32Bytes(length) + sample.substr(12), 0);
    }
    // A length of 500 around a record whose name length says 0.
    ExpectUnreadable(sample.substr(0, 8) + Int32Bytes(500) + sample.substr(12) + std::string(500, '\0'), 0);
}

TEST_F(DrwFileHostile, NameLengthsThatDoNotFit)
{
    const std::string v0 = ReadBytes(Fixture("sample_v0.dis"));
    const size_t nameLength = 8 + 6 * 8 + 4 + 3 * 8 + 4;  // of the first entity, in the plain version
    for (int32_t length : {-1, DisMaxNameBytes + 1, 0x7FFFFFFF}) {
        SCOPED_TRACE(length);
        ExpectUnreadable(v0.substr(0, nameLength) + Int32Bytes(length) + v0.substr(nameLength + 4), 0);
    }
}

TEST_F(DrwFileHostile, AFolderCannotBeRead)
{
    fs::create_directory(PathOf("folder.dis"));
    Drw drw;
    EXPECT_FALSE(drw.Load(PathOf("folder.dis")));
    ExpectOneError("DRW005: errore nella lettura del file " + PathOf("folder.dis"));
}

// Random damage to a valid file and random bytes must never crash the reader or give inconsistent paths.
TEST_F(DrwFileHostile, DamagedFilesNeverCrashTheReader)
{
    Drw source = RandomDrawing(7);
    ASSERT_TRUE(source.Save(PathOf("source.dis")));
    const std::string valid = ReadBytes(PathOf("source.dis"));
    std::mt19937 random(11);
    for (int round = 0; round < 300; round++) {
        std::string bytes = valid;
        if (round % 3 == 0) {
            bytes.resize(random() % 64);
            for (char& c : bytes)
                c = static_cast<char>(random());
        } else {
            for (int k = 0; k < 4; k++)
                bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        Drw drw;
        drw.Load(folder.WriteFile("damaged.dis", bytes));
        EXPECT_TRUE(CheckInvariants(drw, false, false));
    }
}

// ---- Archive folder setting --------------------------------------------------------------------------------------

TEST_F(DrwFile, ArchiveFolderDefaultsToTheDrawFolder)
{
    EXPECT_EQ(ReadArchiveFolder(), folder.Path() + "/draw/");
    folder.WriteFile("data/disdir.dat", "\r\n");
    EXPECT_EQ(ReadArchiveFolder(), folder.Path() + "/draw/");
}

TEST_F(DrwFile, ArchiveFolderReadsBackAsWritten)
{
    for (const std::string stored : {"/home/operatore/disegni", "/srv/archivio/"}) {
        ASSERT_TRUE(WriteArchiveFolder(stored));
        EXPECT_EQ(ReadArchiveFolder(), stored);
    }
    EXPECT_EQ(folder.ReadFile("data/disdir.dat"), "/srv/archivio/\r\n");
}

}  // namespace
