// The machining time estimate of a drawing: machining at the working speed, rapid travel between paths and fixed
// allowances, in storage (machining) order.
#include "model/drw_time.h"
#include "model/drw.h"

namespace {

constexpr double StartSeconds = 7.5;  // before the first entity
constexpr double EndSeconds = 3.5;    // after the last entity

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
