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

} // namespace wizard
