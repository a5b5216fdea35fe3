#pragma once

#include <QApplication>

namespace wizard {

// The last line of defence: an exception that escapes the handling of any event is shown as
// a failure and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// What the process sets up for itself before anything else, in the program only (tests run
// without it unless they ask for it): a file-size limit (`ulimit -f`) makes a write fail with
// EFBIG, reported and cleaned up like a full disk, instead of ending the program with SIGXFSZ
// and everything typed in it.
void SetUpProcess();

// The program's name, icon, style and font, set before any window exists; the program and
// the widget tests both call it, so tests see what users see.
void ApplyApplicationLook(QApplication& app);

// The sign, as the windows show it (49 x 49) and as the program's icon (48, 32, 24, 16).
QPixmap FireCockPicture();

} // namespace wizard
