#pragma once

#include <QDate>
#include <functional>

namespace wizard {

// Today's date as the program reads it (local time). Tests fix it, so that none of them
// depends on the day, or the midnight, it runs across.
using Clock = std::function<QDate()>;
QDate Today();
// Returns the clock it replaced; an empty clock restores the system's.
Clock SetClock(Clock clock);

} // namespace wizard
