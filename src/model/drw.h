// The drawing: a value holding up to MaxEntities lines and arcs grouped into paths, and a table of up to MaxLayers
// layers. The members of one class are spread over drw.cpp (entities and paths), drwlayer.cpp (layer table) and the
// files named in the sections below.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "geometry/mymath.h"

constexpr int MaxEntities = 40000;  // entities per drawing
constexpr int MaxLayers = 200;      // layers per drawing

// One line or arc. Coordinates in millimetres, y pointing up. An arc runs from (x1, y1) to (x2, y2) about
// (xc, yc); its radius is the distance from the centre to the start; equal end points make a full circle.
struct Entity {
    double x1 = 0.0, y1 = 0.0, z1 = 0.0;  // start point; z is carried along, never computed with
    double x2 = 0.0, y2 = 0.0, z2 = 0.0;  // end point
    double xc = 0.0, yc = 0.0, zc = 0.0;  // centre of an arc; meaningless for a line
    bool isArc = false;
    bool clockwise = false;   // arcs only: runs clockwise from start to end; false for lines
    std::string layer;        // may be empty; compared without letter case
    bool joinedPrev = false;  // start coincides with the end of the previous entity of the path
    bool joinedNext = false;  // end coincides with the start of the next entity of the path
    int32_t sequence = 0;     // number of the path, 1-based
    int32_t reserved1 = 0;    // carried through copy, save and load; never interpreted
    double reserved2 = 0.0, reserved3 = 0.0;

    // The plane geometry of the entity, for the functions of mymath.h.
    EntityGeometry Geometry() const;

    // Field by field, coordinates compared exactly.
    friend bool operator==(const Entity&, const Entity&) = default;
};

// What Drw::MakeContinuous is asked to do.
struct ContinuousOptions {
    double tolerance = 0.5;       // mm: ends and entities this near meet (the join distance); at least Epsilon
    double bridge = 0.0;          // mm: parts this near are joined by a straight line; 0: never
    bool keepDirections = false;  // the order of the paths runs no open path the other way (OptimiseOrder)
    double workSpeed = 100.0;     // mm/s, as EstimateTime takes them: what a retraced millimetre and a
    double rapidSpeed = 200.0;    // change of path cost
};

// What Drw::MakeContinuous found and did.
enum class ContinuousOutcome {
    Changed,    // the drawing holds the new paths
    Unchanged,  // every part is already one path, or the new paths would not be faster: nothing was changed
    Refused,    // the result would pass MaxEntities (warning DRW006), or a coordinate is not finite: unchanged
    Crowded     // the entities lie too crowded on one another for the join distance to be split in bounded time
};
struct ContinuousReport {
    int parts = 0;          // connected parts of the drawing, after bridges
    int pathsBefore = 0;    // paths as given
    int pathsAfter = 0;     // paths of the result (those of the drawing as given when it was not changed)
    int entitiesAfter = 0;  // entities of the result, also when it was refused for capacity
    int retraces = 0;       // entities stitched a second time
    double retraced = 0.0;  // mm stitched a second time
    int bridges = 0;        // straight lines added between parts
    double bridged = 0.0;   // mm of those lines
};

// Invariants kept by every operation: the entities of a path are contiguous and paths are stored in increasing
// sequence number 1..pathCount; a path is a chain (joinedNext/joinedPrev true between neighbours, false at its
// ends); every entity's layer is in the layer table (unless the table was full).
class Drw {
public:
    // One entry of the layer table. Only the name is interpreted; the other fields are carried through copy,
    // save and load.
    struct Layer {
        std::string name;  // compared without letter case
        bool flag = true;
        double value = 1.0;
        int32_t colour = 0x00F700;
        std::array<int32_t, 8> ints{};
        std::array<double, 8> reals{};

        friend bool operator==(const Layer&, const Layer&) = default;
    };

    // Set when an add or insert was refused for capacity; while set, every add and insert is refused silently.
    // Deleting paths lifts it once the drawing has room again.
    bool limitReached = false;
    std::vector<Entity> entities;  // the entities in machining order; never more than MaxEntities
    int pathCount = 0;             // paths are numbered 1..pathCount
    bool modified = false;         // changed since construction, Clear, Load or Save
    // Tolerances of the simplification, set by it before each use.
    double simplifyMinLength = 0.0;
    double simplifyMaxArcRadius = 0.0;
    double simplifyLineAngle = 0.0;
    double simplifyLineDeviation = 0.0;
    double simplifyArcAngle = 0.0;
    double simplifyArcDeviation = 0.0;
    std::vector<Layer> layers;  // the layer table; never more than MaxLayers

    int entityCount() const { return static_cast<int>(entities.size()); }
    int layerCount() const { return static_cast<int>(layers.size()); }

    // Every field, coordinates compared exactly.
    friend bool operator==(const Drw&, const Drw&) = default;

    // ---- Construction, clearing, copying (drw.cpp) ------------------------------------------------------------
    // A drawing is copied whole by assignment (every field). A new drawing is empty with every flag false.

    // Empties entities, paths and layers, clears modified and lifts limitReached, so that a drawing object can be
    // reloaded or re-imported after a capacity refusal. The simplification tolerances are kept.
    void Clear();
    // Replaces target's entities, path count and layers with this drawing's; target's limitReached, modified and
    // simplification tolerances stay as they were.
    void CopyContentsTo(Drw& target) const;

    // ---- Adding entities (drw.cpp) ----------------------------------------------------------------------------
    // Each returns true when the entity was added, and then sets modified. None changes pathCount: the caller
    // gives sequence numbers that keep the invariants. When the drawing is full the first refusal sets
    // limitReached and shows a warning ("DRWnnn: Raggiunto il numero limite di entità di un disegno (40000)")
    // that also goes to EventLog; while limitReached is set every add returns false without a message.

    // Stores the record as given and adds its layer to the table when missing (DRW011).
    bool AddEntity(const Entity& entity);
    // A line from (x1, y1) to (x2, y2); z, centre and reserved fields keep their defaults (DRW001).
    bool AddLine(double x1, double y1, double x2, double y2, const std::string& layer, int sequence, bool joinedPrev,
                 bool joinedNext);
    // An arc from (x1, y1) to (x2, y2) about (xc, yc); z and reserved fields keep their defaults (DRW002).
    bool AddArc(double x1, double y1, double x2, double y2, double xc, double yc, bool clockwise,
                const std::string& layer, int sequence, bool joinedPrev, bool joinedNext);
    // Continue the last entity with a line or arc to (x, y, z): the new entity starts at the last entity's end,
    // takes its layer and sequence and is joined to it (the last entity's joinedNext becomes true). The layer
    // table is not consulted. On an empty drawing there is nothing to continue: they return false without a
    // message and change nothing (DRW012, DRW013 when full).
    bool AppendLine(double x, double y, double z);
    bool AppendArc(double x, double y, double z, double xc, double yc, double zc, bool clockwise);

    // ---- Paths (drw.cpp) --------------------------------------------------------------------------------------
    // first: index of the first entity whose sequence is not below path; last: one before the first entity whose
    // sequence is above path. A path number without entities gives last = first - 1. Found by halving, in
    // logarithmic time, as paths are stored in increasing number; on a drawing stored out of that order (a
    // hand-made file) the range still lies within the drawing, with first <= last + 1.
    void PathRange(int path, int& first, int& last) const;
    // The number of entities of the path (0 for a number without entities).
    int PathEntityCount(int path) const;
    // Inserts n records (in path order, every field stored as given) as one path. Their common sequence number s
    // says where: for s in 1..pathCount the path goes before the present path s, takes number s and the later
    // paths move up by one; for s above pathCount it is appended as path pathCount + 1 (its records are numbered
    // so). Refusals leave the entities untouched: limitReached set (silent), capacity (DRW006, sets
    // limitReached), mixed sequence numbers (DRW007) or layers (DRW008, compared without case), and, silently,
    // n < 1 or s < 1. The records may be entities of this same drawing.
    bool InsertPath(const Entity* items, int n);
    // Removes the entities of the path and numbers the later paths down by one. A number outside 1..pathCount is
    // ignored (returns false). A deletion that leaves room lifts limitReached (as does DeletePaths).
    bool DeletePath(int path);
    // Removes the listed paths (numbers as they are before the call) in one pass over the drawing and numbers the
    // rest down to close the gaps: the drawing DeletePath gives when the listed paths are deleted one by one, each
    // number lowered for the deletions below it. Numbers outside 1..pathCount and repeats are ignored. Returns how
    // many paths were deleted.
    int DeletePaths(const std::vector<int>& paths);

    // ---- Queries (drw.cpp) ------------------------------------------------------------------------------------
    // Bounding box of the entities first..last (first < 0: from 0; last < 0 or beyond the drawing: to the last
    // entity) that belong to path (when path > 0) and to layer (when not empty; compared without case). Returns
    // whether any entity passed. An empty drawing gives 0 for all four; otherwise, when none passes, the minima
    // stay at +LargestDouble and the maxima at -LargestDouble. (-1, -1, -1, "") is the whole drawing.
    bool GetExtents(int first, int last, int path, const std::string& layer, double& minX, double& minY, double& maxX,
                    double& maxY) const;
    // Numbers of lines and of arcs in the drawing.
    void CountLinesArcs(int& lines, int& arcs) const;
    // Whether every start, end and arc centre coordinate is a finite number (drw_transform.cpp).
    bool AllFinite() const;

    // ---- Layer table (drwlayer.cpp) ---------------------------------------------------------------------------
    // Names are equal when they are equal after AnsiUpper.

    bool FindLayer(const std::string& name) const;
    // Appends a layer with the creation values; false, silently, when the table is full. Does not look for
    // duplicates: callers use FindLayer first.
    bool AddLayer(const std::string& name);
    // Adds, in entity order, every entity layer that the table lacks (used after loading a drawing).
    void EnsureLayers();

    // ---- Drawing file format (drw_file.cpp) -------------------------------------------------------------------
    // Writes the drawing as a .dis file (version 1, every record prefixed with its length). The bytes go to a
    // temporary file in the target's folder that replaces path only when all of them were written, so a failure
    // never harms the previous file. Layer names are stored as Windows-1252, shortened to the 384 bytes a record
    // holds. Success clears modified and logs "Salvataggio disegno <path>"; failure shows DRW003, returns false.
    bool Save(const std::string& path);
    // Replaces entities, pathCount and layers with a .dis file's content (version 0 or 1), adds missing entity
    // layers to the table and clears modified. The paths are numbered 1..n in storage order: numbers without
    // entities (the DXF import leaves them) are closed up, with a line in EventLog. A missing file shows DRW004
    // and changes nothing; so does, with DRW005, a file read to its end whose paths are not consistent (a
    // negative path count, an entity numbered outside 1..pathCount or below the one before it, join flags that do
    // not make each path one chain). A file that ends early or holds a count, record length or name length that
    // does not fit shows DRW005 and returns false; the drawing then holds the layers read completely and the
    // entities read completely up to the first that breaks its path's order or chain, the last one ending its
    // path, as an EventLog line says.
    bool Load(const std::string& path);

    // ---- Transformations and entity editing (drw_transform.cpp) -----------------------------------------------
    // Whole-drawing edits about the bounding box, each setting modified. The mirrors keep the box in place and
    // invert the direction of arcs; the 90-degree rotations keep the box's lower-left corner in place.
    void MirrorX();
    void MirrorY();
    void RotateCW();
    void RotateCCW();
    // Path edits on a selection of path numbers: count absent or paths absent: every path; *count <= 0: nothing
    // (result 0); else the paths listed in paths[0..*count-1]. Paths are processed in increasing number; each
    // returns the number of entities processed. Offsets below Epsilon on both axes do nothing (result 0).
    int MovePaths(double dx, double dy, const int* count, const int* paths);
    // Appends a moved copy of each selected path as a new last path (copies are never copied again). Entities
    // that InsertPath refuses (a full drawing) still count in the result.
    int CopyPaths(double dx, double dy, const int* count, const int* paths);
    // Scales each selected path by factor about the centre of the selection's union box (aboutCommonCentre) or
    // of its own box; factor 0 or 1 (within Epsilon) does nothing. Arc centres are kept on their chords' bisectors.
    int ScalePaths(double factor, const int* count, const int* paths, bool aboutCommonCentre);
    // Scales the drawing (only the entities of layer when it is not empty) so that its box keeps its lower-left
    // corner and gets its upper-right corner at (newMaxX, newMaxY). An axis of zero extent stays unscaled, and a
    // change that would produce a value that is not finite is not made. A non-uniform scale re-centres the arcs.
    void ResizeDrawing(double newMaxX, double newMaxY, const std::string& layer);

    // ---- Path operations (drw_paths.cpp) ----------------------------------------------------------------------
    // Indices are 0-based entity indices, paths 1-based numbers. A path's start point is the start of its first
    // entity, its end point the end of its last. Numbers or indices outside the drawing are ignored (false, -1).

    // Receives the fraction (0 to 1) of a long operation's work done.
    using ProgressCallback = std::function<void(double)>;

    // The chain holding entity k, through the join flags: first going back while an entity has joinedPrev, last
    // going forward while it has joinedNext.
    void ChainBounds(int k, int& first, int& last) const;
    // Exchanges start and end (x, y) and the two join flags of entity k, and inverts an arc's direction.
    void ReverseEntity(int k);
    // Exchanges the plane points, kind, direction, join flags, sequence and layer of entities i and j; their z
    // coordinates and reserved fields stay with the slots.
    void SwapEntities(int i, int j);
    // Reverses the order and direction of the chain holding entity k; returns k's new index.
    int ReverseChain(int k);
    // Reverses the path: it starts where it ended and runs the other way.
    void ReversePath(int path);
    // Makes every entity of the path (path -1: of every path) a path of its own, numbered in storage order (the
    // later paths move up); returns how many paths of more than one entity were split.
    int ExplodePaths(int path);
    // True when the path's start and end points are less than Epsilon apart.
    bool IsPathClosed(int path) const;
    // The sum of the lengths of the path's entities (mm; arcs along the arc).
    double PathLength(int path) const;
    // Joins the path of entity b after the path of entity a; a's path must come before b's. reverseA: a's path is
    // turned round first (its start is the end to join); reverseB: b's path is (its end is the end to join). b's
    // start is snapped onto a's end (an arc of b is re-centred; when that fails DRW009 goes to EventLog); the
    // joined path keeps a's number, later paths move down one. False, changing nothing, for bad a and b.
    bool JoinPaths(int a, int b, bool reverseA, bool reverseB);
    // Joins paths whose ends lie within tolerance (mm), each path greedily absorbing the nearest end (start
    // before end, lower number first on ties) of a later path whose first entity has the same layer. With pathA
    // and pathB (>= 0) only those two are joined, the joined path keeping the direction of the lower number when
    // they were given the other way round. With pathA alone only that path absorbs. A non-empty selection limits
    // both sides to the listed paths; it is sorted and kept up to date (absorbed paths removed, numbers lowered).
    // progress receives i / pathCount while path i is examined. Returns the number of joins.
    int AutoJoin(double tolerance, int pathA, int pathB, std::vector<int>* selection, const ProgressCallback& progress);
    // Makes the closed path start at (x, y), a point of its entity k: k is split there (an arc keeps centre and
    // direction in both parts) and the path gains one entity. A point at one of k's ends needs no split: the path
    // then starts at that entity boundary. False, changing nothing, for an open path or a k outside it; and, with
    // the capacity warning (DRW006, limitReached untouched), when a split is needed in a full drawing.
    bool SetStartPoint(int path, int k, double x, double y);
    // Moves path from so that it becomes path number to; the paths between move by one. The entities move in
    // place (every field kept, whatever their layers). False, changing nothing, when from equals to or either is
    // outside 1..pathCount.
    bool MovePath(int from, int to);
    // Finds the paths whose nearest point to the rectangle's centre lies inside [left, right] x [bottom, top]
    // (mm). paths holds the numbers already found, which are skipped; each new one is appended, in increasing
    // number, with the index of its entity nearest to the centre appended to nearestEntities (when given; kept
    // parallel to paths). single: only the path nearest to the centre is kept (lowest number on ties), as the
    // only entry.
    void PickPaths(double left, double bottom, double right, double top, std::vector<int>& paths,
                   std::vector<int>* nearestEntities, bool single) const;
    // The nearest path within 7 mm (a square of +-7 mm) of (x, y): true with its number, its entity nearest to
    // (x, y) and (when asked for) the nearest point of that entity; false with path and entity -1.
    bool PickPathAt(double x, double y, int& path, int& entity, double* nearestX = nullptr,
                    double* nearestY = nullptr) const;

    // ---- Machining time estimate (drw_time.cpp) ---------------------------------------------------------------
    // Seconds the machine needs for the drawing in storage order, at workSpeed and rapidSpeed (mm/s; a speed
    // below Epsilon counts as 0.1): 11 s fixed, 7 s plus the rapid travel for each change of path, and the
    // machining length at the working speed plus 18 %.
    double EstimateTime(double workSpeed, double rapidSpeed) const;
    // The rapid travel in storage order (mm): from the end of each path to the start of the next, as EstimateTime
    // counts it.
    double RapidTravel() const;

    // ---- Automatic path order (drw_order.cpp) -----------------------------------------------------------------
    // Orders the paths in place to shorten the rapid travel (RapidTravel). The paths move whole and are numbered
    // 1..pathCount in their new order (numbers without entities are dropped); the entities keep every field but
    // their sequence, the layer table stays. The first path stays first and as it is; closed paths keep their start
    // point and direction; open paths may be run the other way (as ReversePath does) unless keepDirections.
    // Returns true, and sets modified, only when the new order travels less (by more than Epsilon) than the order
    // given, which otherwise stays untouched. Refused (false, untouched): a drawing whose paths are not stored as
    // chains (a hand-made file) or whose path ends are not finite points. The same drawing always gives the same
    // order, and the work (near path ends looked at, paths moved) is bounded by a multiple of n log n for n paths.
    bool OptimiseOrder(bool keepDirections = false);

    // ---- Continuous paths (drw_continuous.cpp) -----------------------------------------------------------------
    // Makes every connected part of the drawing one path that stitches each of its entities once, going over the
    // fewest millimetres twice that it finds instead of cutting the thread. Entities meet where their ends lie
    // within options.tolerance of each other or of another entity, and where they cross; lines and arcs are split
    // there, so that a path can turn (an end and a crossing a join distance apart count as one point, and the ends
    // of pieces that meet are snapped together; an end is not joined to a place its own entities already reach
    // within four join distances, so that chains of tiny entities keep their shape). Odd meeting points are paired
    // by short routes along the part, which are stitched again as copies of the pieces they run over; a pair whose
    // route would cost more time than a change of path (at the options' speeds) is left as a change of path, so a
    // part may then give more than one path. With options.bridge > 0, parts whose nearest points (a meeting point
    // of one, any point of the other) lie at most that far apart are first joined by a straight line on the
    // layer of the piece it leaves from, nearest first, until they are one part. The new paths are then ordered
    // by OptimiseOrder(options.keepDirections). Every entity keeps its layer, z and reserved fields; a drawing is
    // changed only when its estimate falls (EstimateTime at the options' speeds), and never when every part
    // already is one path and no bridge is asked for and found. Pieces that would close on themselves with less
    // than half a turn (an entity shorter than the join distance whose ends met) are left out. The same drawing
    // and options always give the same result. The report, when given, is filled in every case.
    ContinuousOutcome MakeContinuous(const ContinuousOptions& options, ContinuousReport* report = nullptr);

    // ---- Simplification (drw_simplify.cpp) --------------------------------------------------------------------
    // Removes zero-length entities, tiny segments, flat arcs and runs of nearly collinear lines and of arcs that
    // continue one another, without moving a path's start or end point or changing the number or order of paths
    // (a path of one zero-length entity disappears). The tolerances are the simplify* fields, which SimplifyPath
    // sets (see drw_simplify.h); the single steps use them as they stand.

    // The whole drawing: progress (when given) receives 0.05, 0.25, then 0.25 + 0.75 p / pathCount after path p.
    // Sets modified.
    void Simplify(const ProgressCallback& progress = nullptr);
    // Removes every entity whose start and end are less than Epsilon apart (a one-entity full circle too), keeping
    // the join flags and path numbers consistent; returns how many.
    int RemoveDegenerate();
    // Sets the six tolerances, then RemoveShortEntities, FlattenArcs, MergeLines and MergeArcs on the path.
    void SimplifyPath(int path);
    // Removes the entities shorter than simplifyMinLength from a path of more than one entity, the neighbour
    // taking over the removed end point.
    void RemoveShortEntities(int path);
    // Turns the arcs with a radius above simplifyMaxArcRadius into lines between the same end points.
    void FlattenArcs(int path);
    // Merges joined lines that keep their direction (simplifyLineAngle, simplifyLineDeviation); true when any were.
    bool MergeLines(int path);
    // Merges joined arcs of one direction that continue one another (simplifyArcAngle, simplifyArcDeviation);
    // true when any were.
    bool MergeArcs(int path);

private:
    // Whether n more entities may be added; when they do not fit, the first time shows the capacity warning
    // "<code>: Raggiunto il numero limite ..." and sets limitReached.
    bool HasRoomFor(int n, const char* code);
    // Lifts limitReached when the drawing holds fewer than MaxEntities entities.
    void LiftLimitWhenRoom();
    // Stores a new entity and marks the drawing modified; with ensureLayer also adds its layer to the table.
    void Store(const Entity& entity, bool ensureLayer);
    // Continues the last entity with the end point, arc flag and centre of next (the shared part of the appends).
    bool Append(Entity next, const char* code);
    // The shared part of AddLine and AddArc: gives entity its layer, sequence and join flags and stores it when
    // there is room (code names the capacity warning).
    bool AddNew(Entity entity, const std::string& layer, int sequence, bool joinedPrev, bool joinedNext,
                const char* code);
};
