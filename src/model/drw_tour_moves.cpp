// The moves of the tour search (drw_tour_search.h), each found through the near ends of an end of one stop: 2-opt,
// Or-opt and the 3-opt move of a stretch of any length, and how a move is made on the array of stops.
#include <algorithm>

#include "model/drw_tour_search.h"

// 2-opt through stop i: its link to the next stop (or the one from the stop before) gives way to a link to a near
// end that is left (or entered) the same way, and the stops between run backwards.
void TourSearch::TwoOptFrom(int i, Move& best)
{
    const int out = Out(i);
    const double after = Link(i);
    const int* list = Near(out);
    for (int c = 0; c < looked && list[c] >= 0; c++) {
        work++;
        if (Dist(out, list[c]) >= after - MinGain)
            break;
        const int j = pos[list[c] >> 1];
        if (j == i || !LeavesAt(list[c]))
            continue;
        const double added = Dist(out, Out(j));
        if (j > i)
            OfferReverse(best, i + 1, j, after + Link(j) - added - (j + 1 < n ? Dist(In(i + 1), In(j + 1)) : 0.0));
        else
            OfferReverse(best, j + 1, i, Link(j) + after - added - (i + 1 < n ? Dist(In(j + 1), In(i + 1)) : 0.0));
    }
    if (i == 0)
        return;
    const int in = In(i);
    const double before = Link(i - 1);
    list = Near(in);
    for (int c = 0; c < looked && list[c] >= 0; c++) {
        work++;
        if (Dist(in, list[c]) >= before - MinGain)
            break;
        const int j = pos[list[c] >> 1];
        if (j == i || j == 0 || !EntersAt(list[c]))
            continue;
        const double added = Dist(in, In(j));
        if (j > i)
            OfferReverse(best, i, j - 1, before + Link(j - 1) - added - Dist(Out(i - 1), Out(j - 1)));
        else
            OfferReverse(best, j, i - 1, Link(j - 1) + before - added - Dist(Out(j - 1), Out(i - 1)));
    }
}

// Or-opt through stop i: the stretches of one to LongestShift stops that begin or end with it.
void TourSearch::ShiftsFrom(int i, Move& best)
{
    for (int length = 1; length <= LongestShift; length++) {
        if (i >= 1 && i + length - 1 < n)
            ShiftFrom(i, i + length - 1, best);
        if (length > 1 && i - length + 1 >= 1)
            ShiftFrom(i - length + 1, i, best);
    }
}

// The stretch s..e leaves its place and goes between a stop and the next, entered or left next to a near end of
// where it is entered or left now.
void TourSearch::ShiftFrom(int s, int e, Move& best)
{
    const double cut = Link(s - 1) + Link(e) - (e + 1 < n ? Dist(Out(s - 1), In(e + 1)) : 0.0);
    if (cut <= MinGain)
        return;
    const int in = In(s), out = Out(e);
    for (const int from : {in, out}) {
        const int* list = Near(from);
        for (int c = 0; c < looked && list[c] >= 0; c++) {
            work++;
            if (Dist(from, list[c]) >= cut)
                break;
            const int j = pos[list[c] >> 1];
            // Linked from where stop j is left: the stretch goes after j, entered at `from`.
            if (LeavesAt(list[c]))
                OfferShift(best, s, e, j, from == out);
            // Linked to where stop j is entered: the stretch goes before j, left at `from`.
            if (EntersAt(list[c]))
                OfferShift(best, s, e, j - 1, from == in);
        }
    }
}

// 3-opt through stop i: a stretch of any length comes next to it. The link after stop i (or before it) gives way
// to a link to a near end where a stretch begins (or, turned round, ends), and the stretch's other end is linked to
// a near end of the stop on the other side.
void TourSearch::InsertionsAt(int i, Move& best)
{
    for (const bool after : {true, false}) {
        if (after ? i + 1 >= n : i == 0)
            continue;
        const int k = after ? i : i - 1;  // the stretch goes between k and k + 1
        const int from = after ? Out(i) : In(i);
        const int other = after ? In(i + 1) : Out(i - 1);
        const double removed = Link(k);
        const int* list = Near(from);
        for (int c = 0; c < looked && list[c] >= 0; c++) {
            work++;
            const double added = Dist(from, list[c]);
            if (added >= removed - MinGain)
                break;
            const int j = pos[list[c] >> 1];
            // Stop j begins the stretch (its first stop as the tour runs now: the port must be where j is entered)
            // or ends it (where j is left). The stretch is turned round when that end is not the one next to i.
            for (const bool jBegins : {true, false}) {
                const bool turn = jBegins != after;
                if ((jBegins ? !EntersAt(list[c]) : !LeavesAt(list[c])) || (jBegins && j == 0))
                    continue;
                const double partial = removed - added + (jBegins ? Link(j - 1) : Link(j));
                const int* ends = Near(other);
                for (int d = 0; d < looked && ends[d] >= 0; d++) {
                    work++;
                    if (Dist(other, ends[d]) >= partial)
                        break;
                    const int m = pos[ends[d] >> 1];
                    // The stretch's other end m: its last stop (left there) when j begins it, else its first.
                    if ((jBegins ? !LeavesAt(ends[d]) : !EntersAt(ends[d])) || (jBegins ? m < j : m > j))
                        continue;
                    OfferShift(best, jBegins ? j : m, jBegins ? m : j, k, turn);
                }
            }
        }
    }
}

void TourSearch::OfferReverse(Move& best, int a, int b, double gain) const
{
    if (gain > best.gain && b - a <= spanLimit)
        best = Move{Move::Reverse, a, b, 0, false, gain};
}

// The stretch s..e moved between stop k and the next, turned round when turn, if the paths allow it, it spans no
// more than spanLimit and it saves more than best.
void TourSearch::OfferShift(Move& best, int s, int e, int k, bool turn) const
{
    if (s < 1 || e >= n || s > e || k < 0 || (k >= s - 1 && k <= e))
        return;
    if (std::max(e, k) - std::min(s, k + 1) > spanLimit)
        return;
    const double gain = ShiftGain(s, e, k, turn);
    if (gain > best.gain && (!turn || MayTurn(s, e)))
        best = Move{Move::Shift, s, e, k, turn, gain};
}

double TourSearch::ShiftGain(int s, int e, int k, bool turn) const
{
    const double cut = Link(s - 1) + Link(e) - (e + 1 < n ? Dist(Out(s - 1), In(e + 1)) : 0.0);
    const int entry = turn ? Out(e) : In(s), exit = turn ? In(s) : Out(e);
    return cut - (Dist(Out(k), entry) + (k + 1 < n ? Dist(exit, In(k + 1)) : 0.0) - Link(k));
}

// Whether the stops s..e may all run the other way; a long stretch only when every path may.
bool TourSearch::MayTurn(int s, int e) const
{
    if (stretchesTurn)
        return true;
    if (e - s >= LongestShift)
        return false;
    for (int t = s; t <= e; t++) {
        if (!Turns(paths[tour[t].path]))
            return false;
    }
    return true;
}

void TourSearch::Apply(const Move& move)
{
    const auto begin = tour.begin();
    if (move.kind == Move::Reverse || move.turn) {
        std::reverse(begin + move.a, begin + move.b + 1);
        for (int t = move.a; t <= move.b; t++)
            Turn(tour[t]);
    }
    int lo = move.a, hi = move.b;
    if (move.kind == Move::Shift && move.to > move.b) {
        std::rotate(begin + move.a, begin + move.b + 1, begin + move.to + 1);
        hi = move.to;
    } else if (move.kind == Move::Shift) {
        std::rotate(begin + move.to + 1, begin + move.a, begin + move.b + 1);
        lo = move.to + 1;
    }
    Place(lo, hi);
    work += hi - lo + 1;
}
