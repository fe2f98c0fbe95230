// The machining time estimate of a drawing: machining at the working speed, rapid travel between paths and fixed
// allowances, in storage (machining) order.
#include "model/drw.h"

namespace {

constexpr double StartSeconds = 7.5;       // before the first entity
constexpr double EndSeconds = 3.5;         // after the last entity
constexpr double PathChangeSeconds = 7.0;  // for each change of path, besides the rapid travel
constexpr double WorkLengthFactor = 1.18;  // the machining length plus 18 %
constexpr double FallbackSpeed = 0.1;      // mm/s, for a speed that is zero, negative or not a number

double UsableSpeed(double speed)
{
    return speed >= Epsilon ? speed : FallbackSpeed;
}

}  // namespace

double Drw::EstimateTime(double workSpeed, double rapidSpeed) const
{
    const double work = UsableSpeed(workSpeed);
    const double rapid = UsableSpeed(rapidSpeed);
    double seconds = StartSeconds;
    for (size_t i = 0; i < entities.size(); i++) {
        const Entity& e = entities[i];
        if (i > 0 && e.sequence != entities[i - 1].sequence) {
            const Entity& previous = entities[i - 1];
            seconds += Distance(previous.x2, previous.y2, e.x1, e.y1) / rapid + PathChangeSeconds;
        }
        seconds += EntityLength(e.Geometry()) / work * WorkLengthFactor;
    }
    return seconds + EndSeconds;
}

double Drw::RapidTravel() const
{
    double travel = 0.0;
    for (size_t i = 1; i < entities.size(); i++) {
        const Entity& previous = entities[i - 1];
        if (entities[i].sequence != previous.sequence)
            travel += Distance(previous.x2, previous.y2, entities[i].x1, entities[i].y1);
    }
    return travel;
}
