#pragma once

#include "common/utf8_path.h"

#include <QDir>
#include <QKeyEvent>
#include <QString>
#include <filesystem>
#include <string_view>

namespace common {

// A UTF-8 text of the core as Qt's.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A path Qt names (with "/" on every system) as the system's own: on Windows a path with
// backslashes throughout, as the user reads paths there.
inline std::filesystem::path PathFromQString(const QString& path) {
    return PathFromUtf8(QDir::toNativeSeparators(path).toStdString());
}

// Whether a key press types a printable character: shortcuts such as Ctrl+A carry a letter
// but type nothing.
inline bool TypesCharacter(const QKeyEvent& event) {
    const QString typed = event.text();
    const bool shortcut =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !shortcut && !typed.isEmpty() && typed.at(0).isPrint();
}

} // namespace common
