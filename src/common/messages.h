#pragma once

#include <QString>
#include <functional>

class QWidget;

// The program's two kinds of message: the failure report that every escaping failure ends
// in, and the refusal to leave step 2.
namespace common {

// Title "Напорис", critical icon, one "OK"; the "." rule applied to the message.
void ShowFailure(const QString& message);
// Title "Напорис", "Введите параметры здания!", no icon, one "OK".
void ShowRefusal(QWidget* parent);

// Tests replace the message boxes; each setter returns the sink it replaced. An empty sink
// restores the message box.
using MessageSink = std::function<void(const QString& text)>;
MessageSink SetFailureSink(MessageSink sink);
MessageSink SetRefusalSink(MessageSink sink);

// Runs a handler; an exception it raises is shown as a failure and goes no further.
void RunGuarded(const std::function<void()>& handler);

// Wraps a handler for connect(): exceptions never cross Qt's event loop.
template <class Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() { RunGuarded(handler); };
}

} // namespace common
