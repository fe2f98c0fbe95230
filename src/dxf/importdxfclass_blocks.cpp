// Blocks and inserts of ImportDxfClass: the BLOCKS section is only indexed (where each block starts, its base
// point); an INSERT reads its block through the ordinary converters (or copies an earlier reading of it) and
// moves what that added to where the insert places it, once per cell of an insert with columns and rows.
#include <algorithm>
#include <cmath>

#include "dxf/importdxfclass.h"

namespace {

constexpr double DegreesToRadians = Pi / 180.0;

}  // namespace

bool ImportDxfClass::ReadBlocks()
{
    for (;;) {
        const SectionStep step = NextSectionItem(false);
        if (step != SectionStep::Item)
            return step == SectionStep::End;
        if (!ValueIs("BLOCK"))
            continue;  // the blocks' entities are read when an INSERT asks for them
        if (static_cast<int>(blocks.size()) >= MaxBlocks)
            return true;
        Block block;
        block.start = pairStart;
        std::string name;
        bool named = false;
        int code = 0;
        badValue = false;
        while (NextEntityPair(code)) {
            switch (code) {
            case 2:
                if (!named)
                    name = valueLine, named = true;
                break;
            case 10: block.baseX = Real(); break;
            case 20: block.baseY = Real(); break;
            case 30: block.baseZ = Real(); break;
            default: break;
            }
        }
        if (Stopped())
            return false;
        if (named && !badValue) {
            blockIndex.try_emplace(name, static_cast<int>(blocks.size()));
            blocks.push_back(block);
        }
    }
}

bool ImportDxfClass::FindBlock(const std::string& name, int& index) const
{
    auto found = blockIndex.find(name);
    if (found == blockIndex.end())
        return false;
    index = found->second;
    return true;
}

bool ImportDxfClass::ImportInsert()
{
    badValue = false;
    CommonGroups common;
    std::string name;
    Placement placement;
    int columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
    const bool read = ReadEntityGroups(common, [&](int code) {
        switch (code) {
        case 2: name = valueLine; return true;
        case 8: return true;  // the insert's own layer does not go to the block's entities
        case 10: placement.x = Real(); return true;
        case 20: placement.y = Real(); return true;
        case 30: placement.z = Real(); return true;
        case 41: placement.scaleX = Real(); return true;
        case 42: placement.scaleY = Real(); return true;
        case 43: placement.scaleZ = Real(); return true;
        case 50: placement.rotation = Real() * DegreesToRadians; return true;
        case 70: columns = Integer(); return true;
        case 71: rows = Integer(); return true;
        case 44: columnSpacing = Real(); return true;
        case 45: rowSpacing = Real(); return true;
        default: return false;
        }
    });
    if (!read)
        return false;
    int index = 0;
    if (common.paperSpace || !FindBlock(name, index))
        return true;
    const Block& block = blocks[index];
    placement.baseX = block.baseX;
    placement.baseY = block.baseY;
    placement.baseZ = block.baseZ;
    // The cells of an insert with columns and rows are spaced along the insert's own (rotated) axes.
    const double cosR = std::cos(placement.rotation), sinR = std::sin(placement.rotation);
    for (int row = 0; row < std::max(rows, 1); ++row) {
        for (int column = 0; column < std::max(columns, 1); ++column) {
            if (drawing.limitReached) {
                // The drawing is full: whatever the block holds would be refused.
                warnings |= WarnCapacity;
                return true;
            }
            Placement cell = placement;
            const double dx = column * columnSpacing, dy = row * rowSpacing;
            cell.x += dx * cosR - dy * sinR;
            cell.y += dx * sinR + dy * cosR;
            if (!ExpandBlock(index, cell))
                return true;
        }
    }
    return true;
}

bool ImportDxfClass::ExpandBlock(int index, const Placement& placement)
{
    // A block that is already being expanded would insert itself without end; nesting and the number of
    // expansions that add nothing are bounded as well.
    if (static_cast<int>(expanding.size()) >= MaxInsertDepth || emptyExpansions >= MaxEmptyExpansions || Stopped() ||
        std::find(expanding.begin(), expanding.end(), index) != expanding.end()) {
        ++refusedExpansions;
        return false;
    }
    const int first = drawing.entityCount();
    if (const BlockReading* kept = ReusableReading(index))
        CopyReading(index, *kept);
    else
        ReadBlock(index, placement);
    if (drawing.entityCount() == first)
        ++emptyExpansions;
    PlaceEntities(first, placement);
    return true;
}

void ImportDxfClass::ReadBlock(int index, const Placement& placement)
{
    const int64_t resume = reader.GetPosition();
    const ReadingStart start = BeginReading();
    const int outerFloor = chainFloor;
    chainFloor = start.first;  // the block's entities are not chained with what lies outside it
    expanding.push_back(index);
    placements.push_back(placement);
    reader.SeekTo(blocks[index].start);
    ReadEntities(true);  // a value that does not convert ends the block; what was converted stays
    placements.pop_back();
    expanding.pop_back();
    chainFloor = outerFloor;
    reader.SeekTo(resume);
    EndReading(index, start);
}

void ImportDxfClass::Placement::Scale(double& px, double& py, double& pz) const
{
    px = (px - baseX) * scaleX;
    py = (py - baseY) * scaleY;
    pz = (pz - baseZ) * scaleZ;
}

void ImportDxfClass::Placement::Rotate(double cosR, double sinR, double& px, double& py)
{
    const double u = px;
    px = u * cosR - py * sinR;
    py = u * sinR + py * cosR;
}

void ImportDxfClass::Placement::Translate(double& px, double& py, double& pz) const
{
    px += x;
    py += y;
    pz += z;
}

void ImportDxfClass::Placement::Map(double& px, double& py) const
{
    double pz = 0;
    Scale(px, py, pz);
    if (!IsZero(rotation))
        Rotate(std::cos(rotation), std::sin(rotation), px, py);
    Translate(px, py, pz);
}

void ImportDxfClass::MapToDrawing(double& px, double& py) const
{
    for (auto p = placements.rbegin(); p != placements.rend(); ++p)
        p->Map(px, py);
}

void ImportDxfClass::MarkPlaced(int first)
{
    if (first < drawing.entityCount())
        placed.emplace_back(first, drawing.entityCount());
}

void ImportDxfClass::PlaceEntities(int first, const Placement& p)
{
    const bool rotated = !IsZero(p.rotation);
    const double cosR = std::cos(p.rotation), sinR = std::sin(p.rotation);
    // A mirror image (one of the two plane scale factors negative) turns every arc the other way.
    const bool mirrored = p.scaleX * p.scaleY < 0;
    // The ranges placed already, from the first that ends after first.
    auto skip = std::upper_bound(placed.begin(), placed.end(), first,
                                 [](int index, const std::pair<int, int>& range) { return index < range.second; });
    for (int i = first; i < drawing.entityCount(); ++i) {
        if (skip != placed.end() && i >= skip->first) {
            i = skip->second - 1;
            ++skip;
            continue;
        }
        Entity& e = drawing.entities[i];
        p.Scale(e.x1, e.y1, e.z1);
        p.Scale(e.x2, e.y2, e.z2);
        if (e.isArc) {
            p.Scale(e.xc, e.yc, e.zc);
            // A scale that differs along x and y would make the arc elliptical: the centre moves so that the
            // arc stays circular through its scaled ends.
            if (!IsEqual(p.scaleX, p.scaleY))
                SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
            if (mirrored)
                e.clockwise = !e.clockwise;
        }
        if (rotated) {
            Placement::Rotate(cosR, sinR, e.x1, e.y1);
            Placement::Rotate(cosR, sinR, e.x2, e.y2);
            if (e.isArc) {
                Placement::Rotate(cosR, sinR, e.xc, e.yc);
                SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
            }
        }
        p.Translate(e.x1, e.y1, e.z1);
        p.Translate(e.x2, e.y2, e.z2);
        if (e.isArc)
            p.Translate(e.xc, e.yc, e.zc);
    }
}
