#include "wizard/clock.h"

#include <utility>

namespace wizard {
namespace {

Clock& CurrentClock() {
    static Clock clock;
    return clock;
}

} // namespace

QDate Today() {
    return CurrentClock() ? CurrentClock()() : QDate::currentDate();
}

Clock SetClock(Clock clock) {
    return std::exchange(CurrentClock(), std::move(clock));
}

} // namespace wizard
