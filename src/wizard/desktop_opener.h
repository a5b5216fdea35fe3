#pragma once

#include <QString>
#include <functional>

class QObject;

namespace wizard {

// The desktop's answer whether it opened a file.
using OpenVerdict = std::function<void(bool opened)>;

// Opens a file in the desktop's application for its type and gives the desktop's own answer
// to `verdict` once it is known, without the window waiting for it. On Windows that is the
// shell's answer, at once. Elsewhere it is the exit status of `program` (xdg-open), which
// comes later from the event loop: QDesktopServices only says that xdg-open started, and so
// takes an xdg-open that found no application (status 3) for success. No verdict comes
// after `context` is gone.
void OpenOnDesktop(const QString& path, QObject* context, OpenVerdict verdict,
                   const QString& program = QStringLiteral("xdg-open"));

} // namespace wizard
