#pragma once

#include <QLocale>
#include <QWidget>

namespace common {

// The decimal separator as the core takes it, "," or "." (any other separator falls back to
// "."), of the locale a widget shows: its window's, unless one is set on the widget itself.
// Every number the program reads or writes takes it from here, so the grid, the spin inputs
// and the protocol never disagree.
inline char DecimalSeparator(const QWidget& widget) {
    return widget.locale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

// A widget without a locale of its own takes its window's again (a window: the default
// locale). Qt does this by itself only when the application is told of a change.
inline void FollowWindowLocale(QWidget& widget) {
    if (!widget.testAttribute(Qt::WA_SetLocale))
        widget.unsetLocale();
}

} // namespace common
