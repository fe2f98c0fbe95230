// Readings of blocks kept by ImportDxfClass: the first reading of a block in which nothing was refused is kept,
// and a later insert of the block copies it instead of reading the file again, whenever reading it there could
// not be refused either. The copy then holds the very values a new reading would compute.
#include <algorithm>
#include <utility>

#include "dxf/importdxfclass.h"

ImportDxfClass::ReadingStart ImportDxfClass::BeginReading()
{
    ReadingStart start;
    start.first = drawing.entityCount();
    start.item = itemNumber;
    start.refused = refusedExpansions;
    start.emptyExpansions = emptyExpansions;
    start.deepest = std::exchange(deepestExpansion, static_cast<int>(expanding.size()) + 1);
    start.nestedFloor = std::exchange(nestedFloor, nestedBlocks.size());
    start.placedRanges = placed.size();
    start.skipped = skipped;
    return start;
}

void ImportDxfClass::EndReading(int index, const ReadingStart& start)
{
    const int level = static_cast<int>(expanding.size()) + 1;
    const int depthBelow = deepestExpansion - level;
    deepestExpansion = std::max(start.deepest, deepestExpansion);
    std::vector<int> nested(nestedBlocks.begin() + static_cast<std::ptrdiff_t>(nestedFloor), nestedBlocks.end());
    nestedBlocks.resize(nestedFloor);
    nestedFloor = start.nestedFloor;
    NoteExpanded(index, nested);

    // A refused expansion or entity depends on where the block was inserted, and so do curves approximated where
    // the insert placed them; such a reading is not kept.
    const bool refused = refusedExpansions != start.refused || drawing.limitReached || readFailed;
    const bool curvesPlaced = placed.size() != start.placedRanges;
    const int count = drawing.entityCount() - start.first;
    if (refused || curvesPlaced || readings.contains(index) || keptEntities + count > MaxEntities)
        return;
    BlockReading& reading = readings[index];
    reading.entities.assign(drawing.entities.begin() + start.first, drawing.entities.end());
    for (Entity& e : reading.entities)
        e.sequence -= start.item;
    reading.items = itemNumber - start.item;
    reading.emptyInside = emptyExpansions - start.emptyExpansions;
    reading.depthBelow = depthBelow;
    reading.nested = std::move(nested);
    for (const auto& [kind, number] : skipped) {
        const auto before = start.skipped.find(kind);
        const int added = number - (before == start.skipped.end() ? 0 : before->second);
        if (added > 0)
            reading.skipped[kind] = added;
    }
    keptEntities += count;
}

const ImportDxfClass::BlockReading* ImportDxfClass::ReusableReading(int index) const
{
    auto found = readings.find(index);
    if (found == readings.end())
        return nullptr;
    const BlockReading& reading = found->second;
    // Every entity is accepted: the drawing has room for all of them.
    const bool room =
        !drawing.limitReached && drawing.entityCount() + static_cast<int>(reading.entities.size()) <= MaxEntities;
    // Every nested expansion passes its bounds: the one at k levels below this block meets expanding.size() + k
    // blocks being expanded, at most emptyExpansions + emptyInside empty expansions, and none of the blocks
    // being expanded here.
    const bool accepted = static_cast<int>(expanding.size()) + reading.depthBelow < MaxInsertDepth &&
                          emptyExpansions + reading.emptyInside < MaxEmptyExpansions &&
                          std::none_of(reading.nested.begin(), reading.nested.end(), [this](int block) {
                              return std::find(expanding.begin(), expanding.end(), block) != expanding.end();
                          });
    return room && accepted ? &reading : nullptr;
}

void ImportDxfClass::CopyReading(int index, const BlockReading& reading)
{
    for (const Entity& kept : reading.entities) {
        Entity e = kept;
        e.sequence += itemNumber;
        drawing.AddEntity(e);  // stores the record as given and adds its layer when missing, as reading did
    }
    for (int i = 0; i < reading.items; ++i)
        FinishItem();
    for (const auto& [kind, number] : reading.skipped)
        skipped[kind] += number;
    emptyExpansions += reading.emptyInside;
    deepestExpansion = std::max(deepestExpansion, static_cast<int>(expanding.size()) + 1 + reading.depthBelow);
    NoteExpanded(index, reading.nested);
}

void ImportDxfClass::NoteExpanded(int index, const std::vector<int>& nested)
{
    if (expanding.empty())
        return;  // no reading encloses this expansion
    auto note = [this](int block) {
        const auto from = nestedBlocks.begin() + static_cast<std::ptrdiff_t>(nestedFloor);
        if (std::find(from, nestedBlocks.end(), block) == nestedBlocks.end())
            nestedBlocks.push_back(block);
    };
    note(index);
    for (int block : nested)
        note(block);
}
