// ImportDxfClass: reads one ASCII DXF file as group-code/value pairs, walks its sections in file order and turns
// each LINE, ARC, CIRCLE, LWPOLYLINE, POLYLINE, ELLIPSE and SPLINE (also those placed by an INSERT of a block) into
// one path of lines and arcs of a drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dxf/biarc.h"
#include "dxf/importdxf.h"
#include "model/drw.h"
#include "support/filereadwrite.h"

// Flags of ImportDxfClass::warnings: kinds of content that the import met but could not take over.
constexpr int WarnCapacity = 1;  // the drawing refused an entity (it holds at most MaxEntities)
constexpr int WarnSpline = 2;    // a SPLINE that could not be converted
constexpr int WarnText = 4;      // a TEXT or MTEXT
constexpr int WarnSolid = 8;     // a SOLID or 3DSOLID

// Blocks indexed per file; later blocks are not indexed and their INSERTs add nothing.
constexpr int MaxBlocks = 500;
// Blocks expanded inside one another beyond this depth are not expanded further.
constexpr int MaxInsertDepth = 16;
// Block expansions that add nothing to the drawing (an array INSERT counts one per cell), per import. Expansions
// that add entities end when the drawing is full; this bounds the rest of the work that nested or arrayed
// INSERTs can ask for.
constexpr int MaxEmptyExpansions = 10000;

// Values of one kind (knots, weights, control or fit point coordinates) a SPLINE may hold; one with more is not
// converted.
constexpr int MaxSplineValues = 100000;
// Entity kinds counted by name in skipped; the names of further kinds, and names that are not a kind's (too long,
// or holding other characters than capital letters, digits and '_'), are counted under OtherKinds.
constexpr int MaxSkippedKinds = 64;
constexpr std::size_t MaxKindLength = 32;
constexpr const char* OtherKinds = "(other)";

class ImportDxfClass {
public:
    // Opens fileName for reading (a file that cannot be opened shows FRW001); drawing is filled by Import.
    ImportDxfClass(const std::string& fileName, Drw& drawing);
    ImportDxfClass(const ImportDxfClass&) = delete;
    ImportDxfClass& operator=(const ImportDxfClass&) = delete;

    // Called after each converted item with the number of items converted so far.
    void SetProgressCallback(std::function<void(int)> callback);
    // The tolerance (mm) of the arcs that replace curves, for the next Import; at least MinCurveTolerance.
    void SetCurveTolerance(double tolerance);

    // Reads the whole file into the drawing, adding to what it holds, and sets its pathCount to the number of
    // items converted. False, with nothing added, when the file could not be opened; true otherwise, whatever
    // the file held (a binary DXF file is reported and imports nothing).
    bool Import();

    int warnings = 0;  // Warn* flags gathered by Import
    // The entities passed over by Import, per kind (the DXF type, upper case): kinds that are not converted, and
    // SPLINEs that could not be. Inside a block, once per placement of the block.
    std::map<std::string, int> skipped;

private:
    // One block of the BLOCKS section: where its pair 0/BLOCK starts and its base point.
    struct Block {
        int64_t start = 0;
        double baseX = 0.0, baseY = 0.0, baseZ = 0.0;
    };
    // The placement of one copy of a block: entity p of the block lands at
    // insertion + rotation(scale × (p − base)).
    struct Placement {
        double baseX = 0.0, baseY = 0.0, baseZ = 0.0;
        double scaleX = 1.0, scaleY = 1.0, scaleZ = 1.0;
        double rotation = 0.0;  // radians, counter-clockwise
        double x = 0.0, y = 0.0, z = 0.0;

        // The three steps of the placement, in this order.
        void Scale(double& px, double& py, double& pz) const;
        static void Rotate(double cosR, double sinR, double& px, double& py);
        void Translate(double& px, double& py, double& pz) const;
        // Where the placement puts the plane point (px, py).
        void Map(double& px, double& py) const;
    };
    // A vertex of a polyline as read: position, bulge of the segment that starts at it, vertex flags.
    struct Vertex {
        double x = 0.0, y = 0.0, z = 0.0;
        double bulge = 0.0;
        int flags = 0;
        bool hasX = false, hasY = false;
    };
    // The groups of an entity that every converter reads alike.
    struct CommonGroups {
        bool paperSpace = false;  // group 67 = 1: a layout decoration, not part of the model
        double extrusionX = 0.0, extrusionY = 0.0, extrusionZ = 0.0;  // 210, 220, 230
        // Seen from below (extrusion (0, 0, -1)): x is negated and arcs run the other way.
        bool FromBelow() const;
    };

    // ---- Pairs (importdxfclass_reader.cpp) ----
    // Reads the next pair into codeLine and valueLine, remembering in pairStart where it began. atEnd is true
    // when the end of the file was met before a whole pair was read. False after a read failure.
    bool ReadPair(bool& atEnd);
    // Returns to the start of the pair just read, so that the caller's loop reads it again.
    void StepBack();
    // The group code of codeLine as an integer: strictly (the whole line must be one integer; otherwise the
    // code is 0, and with showError a message is shown, once per import) or leniently (leading digits, like
    // strtol; 0 when there are none, without a message).
    int StrictCode(bool showError);
    int LenientCode() const;
    // True when valueLine, upper-cased, is keyword (upper case, ASCII) as a whole; Contains: holds it.
    bool ValueIs(const char* keyword) const;
    bool ValueContains(const char* keyword) const;
    // The value line as a single-precision real or an integer; a value that does not convert sets badValue.
    double Real();
    int Integer();
    // The value line as a layer name: kept when it is UTF-8, otherwise decoded from Windows-1252.
    std::string LayerName() const;
    // Reads the next pair of the entity being converted, with lenient (strict: strict, with message) codes.
    // False when the entity ends: at a code 0 (stepped back), at the end of the file, or on a read failure.
    bool NextEntityPair(int& code, bool strict = false);
    // Reads the groups 67, 210, 220, 230 common to the converters; false when code is none of them.
    bool ReadCommonGroup(int code, CommonGroups& common);
    // Reads the groups of the entity being converted up to its end: each through readGroup (true when it took
    // the group), otherwise group 8 into current.layer and the common groups into common. False when a value
    // does not convert or reading failed.
    template <class ReadGroup>
    bool ReadEntityGroups(CommonGroups& common, ReadGroup readGroup);
    // True when reading must stop (a read failure).
    bool Stopped() const { return readFailed; }

    // ---- Sections (importdxfclass_reader.cpp) ----
    // Reserves the drawing's entity storage for what a file of this size can hold.
    void ReserveForFile();
    bool IsBinaryDxf();
    bool FindSection(std::string& name);
    bool SkipToEndSec();
    // What NextSectionItem met: a pair with code 0 that starts the next item (in valueLine), the end of the
    // section (its ENDSEC, or in blockMode the block's ENDBLK, stepped back; or the end of the file), or a read
    // failure.
    enum class SectionStep { Item, End, Failed };
    // Reads pairs up to the next one with code 0 inside a section; pairs with other codes are passed over.
    SectionStep NextSectionItem(bool blockMode);
    bool ReadEntities(bool blockMode);
    // An entity whose kind (in valueLine) is not converted: its warning flag, if it has one, and its count.
    void PassOver();
    bool ReadTables();

    // ---- Items (importdxfclass_items.cpp) ----
    // Starts a new item: resets current, the item's pending entities and badValue.
    void BeginItem();
    // Queues a copy of current (layer and sequence) as the next entity of the item and returns it for filling.
    Entity& QueueEntity();
    // Adds the queued entities as one path of number itemNumber (mirrored first when fromBelow): the first
    // with AddEntity, the rest appended. Returns the number added; a refusal sets WarnCapacity.
    int CommitItem(bool fromBelow);
    // Ends an item that took a path number: itemNumber moves on and the progress callback is told.
    void FinishItem();
    // After a LINE or ARC: turns the new entity or the one before it so that they follow each other head to tail.
    void ChainWithPrevious();

    // ---- Converters (importdxfclass_entities.cpp, importdxfclass_polyline.cpp, importdxfclass_ellipse.cpp) ----
    bool ImportLine();
    bool ImportArc();
    bool ImportCircle();
    bool ImportLwPolyline();
    bool ImportPolyline();
    bool ImportEllipse();
    bool ImportSpline();
    // Queues the four counter-clockwise quarter arcs of a circle, from (cx + r, cy).
    void QueueCircle(double cx, double cy, double cz, double r);
    // Queues the segments between the vertices (and back to the first when closed) and commits them.
    void CommitPolyline(bool closed, bool fromBelow);
    // Queues the lines and arcs that replace a curve.
    void QueueSegments(const std::vector<CurveSegment>& segments);
    // The number of entities the drawing can still take.
    int Room() const;
    // Counts an entity of kind (the value line of its pair 0) in skipped.
    void CountSkipped(std::string_view kind);

    // ---- Blocks and inserts (importdxfclass_blocks.cpp) ----
    bool ReadBlocks();
    bool FindBlock(const std::string& name, int& index) const;
    bool ImportInsert();
    // Adds the entities of block index (read through the converters, or copied from an earlier reading that
    // gives the same) and places them. False, with nothing added, when the block is being expanded already (it
    // would insert itself), nesting is too deep, or too many expansions added nothing.
    bool ExpandBlock(int index, const Placement& placement);
    // Reads block index through the converters, adding its entities unplaced (but for curves placed as they are
    // approximated), and keeps the reading for later inserts when nothing in it was refused or placed.
    void ReadBlock(int index, const Placement& placement);
    // Moves the entities first..end-1 of the drawing from block coordinates to where the placement puts them,
    // passing over those already placed.
    void PlaceEntities(int first, const Placement& placement);
    // Where the placements of the blocks being expanded put the plane point (px, py) of the innermost block.
    void MapToDrawing(double& px, double& py) const;
    // Records that the entities first..end-1 (the last ones) are placed already.
    void MarkPlaced(int first);

    // ---- Readings of blocks kept for later inserts (importdxfclass_blockcache.cpp) ----
    // What reading a block did, taken while nothing refused anything: its entities in block coordinates as the
    // reading left them (nested inserts placed, chains turned), path numbers counted from the block's first
    // item, and its effects on the import's counters. Reading the block again gives the same whenever no
    // refusal can occur, since the reading depends on nothing else but the file.
    struct BlockReading {
        std::vector<Entity> entities;        // sequence: path number minus that of the block's first item
        int items = 0;                       // items converted (path numbers taken)
        int emptyInside = 0;                 // nested expansions that added nothing
        int depthBelow = 0;                  // levels of nested expansion below the block
        std::vector<int> nested;             // the blocks expanded inside it, each once
        std::map<std::string, int> skipped;  // entities passed over in it, per kind
    };
    // The state a reading of a block starts from, to tell what the reading did.
    struct ReadingStart {
        int first = 0;  // the block's first entity in the drawing
        int item = 0;   // path number of the block's first item
        int refused = 0, emptyExpansions = 0, deepest = 0;
        std::size_t nestedFloor = 0;         // the enclosing reading's start in nestedBlocks
        std::size_t placedRanges = 0;        // the size of placed
        std::map<std::string, int> skipped;  // skipped before the reading
    };
    ReadingStart BeginReading();
    // Keeps the reading of block index (when nothing was refused, it is the first one kept and the kept
    // entities stay within MaxEntities) and tells the enclosing reading its depth and nested blocks.
    void EndReading(int index, const ReadingStart& start);
    // The kept reading of block index when copying it gives exactly what reading the block would give here:
    // the drawing has room for all of it and no nested expansion would be refused. Null otherwise.
    const BlockReading* ReusableReading(int index) const;
    // Adds the kept reading of block index as reading the block would: entities, path numbers, progress,
    // counters. Warnings need nothing: those of the block went into warnings when it was first read.
    void CopyReading(int index, const BlockReading& reading);
    // Tells the enclosing reading, if any, that block index was expanded, with the blocks expanded inside it.
    void NoteExpanded(int index, const std::vector<int>& nested);

    std::string fileName;
    FileReadWrite reader;
    Drw& drawing;

    Entity current;      // the entity being built
    int itemNumber = 1;  // path number of the next converted item
    std::function<void(int)> progress;
    double curveTolerance = CurveTolerance;

    // Reading state.
    std::string codeLine, valueLine;
    int64_t pairStart = 0;
    bool readFailed = false;
    bool badValue = false;
    bool codeMessageShown = false;

    // The item being converted: its entities until they go into the drawing, and a polyline's vertices.
    std::vector<Entity> pending;
    std::vector<Vertex> vertices;
    // Entities before this index belong to an earlier placement and are not chained with.
    int chainFloor = 0;

    // The block index.
    std::vector<Block> blocks;
    std::unordered_map<std::string, int> blockIndex;  // name as written -> first block of that name
    std::vector<int> expanding;                       // blocks being expanded, outermost first
    std::vector<Placement> placements;                // their placements, outermost first
    // Ranges [first, end) of entities added in drawing coordinates while blocks were expanded (the arcs of
    // curves), in increasing order: placing the blocks around them passes them over.
    std::vector<std::pair<int, int>> placed;
    int emptyExpansions = 0;
    int refusedExpansions = 0;  // expansions refused so far
    int deepestExpansion = 0;   // the greatest size of expanding within the current reading of a block
    std::unordered_map<int, BlockReading> readings;  // block index -> its kept reading
    int keptEntities = 0;                            // entities of all kept readings, at most MaxEntities
    // The blocks expanded within the readings under way, each once per reading: those of the innermost reading
    // from nestedFloor on, those of the readings around it before.
    std::vector<int> nestedBlocks;
    std::size_t nestedFloor = 0;
};

template <class ReadGroup>
bool ImportDxfClass::ReadEntityGroups(CommonGroups& common, ReadGroup readGroup)
{
    int code = 0;
    while (NextEntityPair(code)) {
        if (!readGroup(code)) {
            if (code == 8)
                current.layer = LayerName();
            else
                ReadCommonGroup(code, common);
        }
        if (badValue)
            return false;
    }
    return !Stopped();
}
