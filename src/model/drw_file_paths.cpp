// The path checks of Drw::Load: what a drawing file must hold to be taken, and how the records of a file that
// ended early are made a consistent drawing.
#include "model/drw_file_paths.h"

#include "model/drw_join.h"

bool ConsistentPaths(const Drw& read)
{
    return read.pathCount >= 0 && PathsAreChains(read);
}

int KeepConsistentStart(Drw& read)
{
    std::vector<Entity>& e = read.entities;
    size_t kept = 0;
    for (; kept < e.size(); kept++) {
        const int32_t s = e[kept].sequence;
        const bool continuesPath = kept > 0 && e[kept - 1].sequence == s;
        if (s < 1 || (kept > 0 && s < e[kept - 1].sequence) || e[kept].joinedPrev != continuesPath ||
            (kept > 0 && e[kept - 1].joinedNext != continuesPath))
            break;
    }
    const int dropped = static_cast<int>(e.size() - kept);
    e.resize(kept);
    if (!e.empty())
        e.back().joinedNext = false;
    return dropped;
}

bool NumberPathsInOrder(Drw& read)
{
    bool changed = false;
    int number = 0;
    int32_t stored = 0;  // the file's number of the entity before
    for (size_t k = 0; k < read.entities.size(); k++) {
        Entity& e = read.entities[k];
        if (k == 0 || e.sequence != stored)
            number++;
        stored = e.sequence;
        changed = changed || e.sequence != number;
        e.sequence = number;
    }
    changed = changed || read.pathCount != number;
    read.pathCount = number;
    return changed;
}
