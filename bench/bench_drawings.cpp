// Generated drawings for the benchmarks: a turtle walking lines and arcs, and the ways its walks are cut up.
#include "bench_drawings.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// Walks the plane appending exact chains: each entity starts where the previous one ended.
class Turtle {
public:
    Turtle(double x, double y, double heading) : x(x), y(y), heading(heading) {}

    Entity Line(double length)
    {
        Entity e = Start();
        x += length * std::cos(heading);
        y += length * std::sin(heading);
        return Finish(e);
    }

    // An arc of radius r turning by sweep radians (negative: clockwise), tangent to the current heading.
    Entity Arc(double r, double sweep)
    {
        Entity e = Start();
        const double side = sweep < 0 ? -1.0 : 1.0;
        e.xc = x - side * r * std::sin(heading);
        e.yc = y + side * r * std::cos(heading);
        const double a = std::atan2(y - e.yc, x - e.xc) + sweep;
        x = e.xc + r * std::cos(a);
        y = e.yc + r * std::sin(a);
        heading += sweep;
        e.isArc = true;
        e.clockwise = sweep < 0;
        return Finish(e);
    }

    void Turn(double angle) { heading += angle; }

private:
    Entity Start() const
    {
        Entity e;
        e.x1 = x;
        e.y1 = y;
        e.layer = "0";
        return e;
    }
    Entity Finish(Entity e) const
    {
        e.x2 = x;
        e.y2 = y;
        return e;
    }

    double x, y, heading;
};

double LogUniform(std::mt19937& random, double lo, double hi)
{
    return lo * std::pow(hi / lo, std::uniform_real_distribution<double>(0.0, 1.0)(random));
}

// Appends the chain as path number pathCount + 1 with consistent join flags.
void AddPath(Drw& drw, std::vector<Entity>& chain)
{
    const int path = drw.pathCount + 1;
    for (size_t k = 0; k < chain.size(); k++) {
        chain[k].sequence = path;
        chain[k].joinedPrev = k > 0;
        chain[k].joinedNext = k + 1 < chain.size();
        drw.AddEntity(chain[k]);
    }
    drw.pathCount = path;
}

}  // namespace

Drw ChainDrawing(int entities, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Drw drw;
    while (drw.entityCount() < entities) {
        Turtle turtle(2000 * unit(random), 2000 * unit(random), 6.283 * unit(random));
        const int length = std::min(2 + static_cast<int>(random() % 39), entities - drw.entityCount());
        std::vector<Entity> chain;
        for (int k = 0; k < length; k++) {
            if (random() % 3 == 0) {
                chain.push_back(turtle.Arc(LogUniform(random, 0.5, 300), (unit(random) - 0.5) * 4));
            } else {
                turtle.Turn((unit(random) - 0.5) * 3);
                chain.push_back(turtle.Line(LogUniform(random, 0.5, 300)));
            }
        }
        if (!chain.empty())
            AddPath(drw, chain);
    }
    drw.modified = false;
    return drw;
}

Drw ShuffledSingles(int entities, double tolerance, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Entity> pieces = ChainDrawing(entities, seed).entities;
    for (Entity& e : pieces) {
        const int kind = static_cast<int>(random() % 20);
        if (kind < 15)
            continue;
        const double gap = tolerance * (kind < 19 ? 0.2 + 0.6 * unit(random) : 1.5 + 1.5 * unit(random));
        const double angle = 6.283 * unit(random);
        e.x1 += gap * std::cos(angle);
        e.y1 += gap * std::sin(angle);
        if (e.isArc)
            SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
    }
    std::shuffle(pieces.begin(), pieces.end(), random);
    Drw drw;
    for (Entity& e : pieces) {
        if (random() % 2) {
            std::swap(e.x1, e.x2);
            std::swap(e.y1, e.y2);
            e.clockwise = e.isArc && !e.clockwise;
        }
        std::vector<Entity> single = {e};
        AddPath(drw, single);
    }
    drw.modified = false;
    return drw;
}

Drw RandomSegments(int entities, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Drw drw;
    for (int k = 0; k < entities; k++) {
        Turtle turtle(1000 * unit(random), 1000 * unit(random), 6.283 * unit(random));
        const double size = LogUniform(random, 0.5, 500);
        std::vector<Entity> single = {random() % 2 ? turtle.Line(size)
                                                   : turtle.Arc(size / 2, (unit(random) - 0.5) * 12)};
        AddPath(drw, single);
    }
    drw.modified = false;
    return drw;
}

Drw SimplifiableDrawing(int entities, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Drw drw;
    while (drw.entityCount() < entities) {
        Turtle turtle(2000 * unit(random), 2000 * unit(random), 6.283 * unit(random));
        std::vector<Entity> chain;
        // Groups of four entities of which two go: a line and its collinear continuation (or a tiny segment
        // after it), then an arc cut in two; a corner between groups keeps them apart.
        for (int group = 0; group < 5 && drw.entityCount() + static_cast<int>(chain.size()) + 5 <= entities; group++) {
            const double length = 1 + 50 * unit(random);
            chain.push_back(turtle.Line(length));
            chain.push_back(turtle.Line(random() % 3 == 0 ? 0.05 : length));
            if (random() % 50 == 0)
                chain.push_back(turtle.Line(0.0));
            const double r = 2 + 40 * unit(random);
            const double sweep = (0.3 + unit(random)) * (random() % 2 ? 1 : -1);
            chain.push_back(turtle.Arc(r, sweep));
            chain.push_back(turtle.Arc(r, sweep));
            turtle.Turn(1.0 + unit(random));
        }
        if (chain.empty())
            break;
        AddPath(drw, chain);
    }
    drw.modified = false;
    return drw;
}

namespace {

// An entity run the other way.
Entity Reversed(Entity e)
{
    std::swap(e.x1, e.x2);
    std::swap(e.y1, e.y2);
    e.clockwise = e.isArc && !e.clockwise;
    return e;
}

// The path's entities in reverse order, each reversed.
std::vector<Entity> ReversedChain(const std::vector<Entity>& chain)
{
    std::vector<Entity> reversed;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        reversed.push_back(Reversed(*it));
    return reversed;
}

}  // namespace

Drw ChainPieces(int entities, double tolerance, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const Drw chains = ChainDrawing(entities, seed);
    std::vector<std::vector<Entity>> pieces;
    for (size_t k = 0; k < chains.entities.size(); k++) {
        const bool startsChain = k == 0 || chains.entities[k - 1].sequence != chains.entities[k].sequence;
        Entity e = chains.entities[k];
        if (startsChain || random() % 3 == 0) {
            if (!startsChain) {
                const double gap = tolerance * (1.5 + 1.5 * unit(random));
                const double angle = 6.283 * unit(random);
                e.x1 += gap * std::cos(angle);
                e.y1 += gap * std::sin(angle);
                if (e.isArc)
                    SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
            }
            pieces.emplace_back();
        }
        pieces.back().push_back(e);
    }
    std::shuffle(pieces.begin(), pieces.end(), random);
    Drw drw;
    for (std::vector<Entity>& piece : pieces) {
        std::vector<Entity> chain = random() % 2 ? ReversedChain(piece) : piece;
        AddPath(drw, chain);
    }
    drw.modified = false;
    return drw;
}

Drw SquareGrid(int side, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::vector<Entity>> squares;
    for (int row = 0; row < side; row++) {
        for (int column = 0; column < side; column++) {
            Turtle turtle(30.0 * column, 30.0 * row, 0.0);
            std::vector<Entity> square;
            for (int k = 0; k < 4; k++) {
                square.push_back(turtle.Line(20.0));
                turtle.Turn(1.5707963267948966);
            }
            square.back().x2 = square.front().x1;
            square.back().y2 = square.front().y1;
            squares.push_back(square);
        }
    }
    std::shuffle(squares.begin(), squares.end(), random);
    Drw drw;
    for (std::vector<Entity>& square : squares)
        AddPath(drw, square);
    drw.modified = false;
    return drw;
}
