#pragma once

#include <QLocale>

namespace common {

// The decimal separator of the current locale as the core takes it: "," or "." (any other
// separator falls back to ".").
inline char DecimalSeparator(const QLocale& locale = QLocale()) {
    const QString point = locale.decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

} // namespace common
