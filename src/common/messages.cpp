#include "common/messages.h"

#include "common/failure_text.h"
#include "common/qt_text.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <new>

namespace common {
namespace {

MessageSink& FailureSink() {
    static MessageSink sink;
    return sink;
}

MessageSink& RefusalSink() {
    static MessageSink sink;
    return sink;
}

QString Title() {
    return ToQString(ApplicationTitle);
}

} // namespace

void ShowFailure(const QString& message) {
    const QString text = QString::fromStdString(FailureText(message.toStdString()));
    if (FailureSink()) {
        FailureSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, Title(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void ShowRefusal(QWidget* parent) {
    const QString text = QStringLiteral("Введите параметры здания!");
    if (RefusalSink()) {
        RefusalSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, Title(), text, QMessageBox::Ok, parent);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

MessageSink SetFailureSink(MessageSink sink) {
    return std::exchange(FailureSink(), std::move(sink));
}

MessageSink SetRefusalSink(MessageSink sink) {
    return std::exchange(RefusalSink(), std::move(sink));
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        ShowFailure(ToQString(OutOfMemoryMessage));
    } catch (const std::exception& e) {
        ShowFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        // Nothing to quote: an empty box would tell the user nothing.
        ShowFailure(ToQString(UnknownFailureMessage));
    }
}

} // namespace common
