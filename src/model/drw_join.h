// Pieces shared by the two ways AutoJoin runs: the candidate rule, and the plain scan used for drawings whose
// paths are not stored as the invariants say (a hand-made file), where the fast search of drw_autojoin.cpp cannot
// rely on paths being chains.
#pragma once

#include <vector>

#include "model/drw.h"

// The rules of one AutoJoin call that every candidate test needs.
struct JoinRules {
    double tolerance;
    bool swapped;  // pathA and pathB were given in decreasing order
};

// Tests one end of path j at distance d from the tested end of path i, in the order start then end. A candidate
// must be nearer than the current one by more than Epsilon and nearer than the tolerance by more than Epsilon;
// a distance equal to the tolerance (within Epsilon) counts in the end pass of a call that was not swapped, and
// for the end of path j in a swapped call.
inline bool TakesCandidate(double d, double best, bool endPass, bool endOfJ, const JoinRules& rules)
{
    const bool atTolerance = IsEqual(d, rules.tolerance);
    const bool near = IsLess(d, best) && (IsLess(d, rules.tolerance) || (atTolerance && endPass && !rules.swapped));
    return near || (endOfJ && atTolerance && rules.swapped);
}

// AutoJoin by comparing every path with every later one (the selection already sorted; pathA < pathB when both
// are given and rules.swapped tells whether they came the other way round).
int AutoJoinByScan(Drw& drw, const JoinRules& rules, int pathA, int pathB, std::vector<int>* selection,
                   const Drw::ProgressCallback& progress);

// True when the paths are stored as the invariants say: sequence numbers in 1..pathCount, never decreasing, and
// every path one chain (joinedPrev false exactly at its first entity, joinedNext false exactly at its last).
bool PathsAreChains(const Drw& drw);
