#pragma once

#include "common/messages.h"

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace wizard {

// The warning for a protocol that was saved but that no program opened: title "Напорис",
// warning icon, where the file is, and the buttons "Открыть папку", which hands the file's
// folder to `openFolder`, and "OK" (Enter and Escape). The report itself did not fail.
void ShowUnopenedProtocol(QWidget* parent, const QString& file,
                          const std::function<void(const QUrl& folder)>& openFolder);

// Tests replace the box and record its text; returns the sink it replaced. An empty sink
// restores the box.
common::MessageSink SetUnopenedProtocolSink(common::MessageSink sink);

} // namespace wizard
