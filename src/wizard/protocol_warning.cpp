#include "wizard/protocol_warning.h"

#include "common/failure_text.h"
#include "protocol/protocol_file.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace wizard {
namespace {

common::MessageSink& UnopenedProtocolSink() {
    static common::MessageSink sink;
    return sink;
}

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void ShowUnopenedProtocol(QWidget* parent, const QString& file,
                          const std::function<void(const QUrl& folder)>& openFolder) {
    const QByteArray shown = QDir::toNativeSeparators(file).toUtf8();
    const QString text = QString::fromStdString(protocol::UnopenedProtocolMessage(
        std::string_view(shown.constData(), static_cast<std::size_t>(shown.size()))));
    if (UnopenedProtocolSink()) {
        UnopenedProtocolSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, Text(common::ApplicationTitle), text,
                    QMessageBox::NoButton, parent);
    // The path can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* openButton =
        box.addButton(Text(protocol::OpenFolderCaption), QMessageBox::ActionRole);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    // Where the style gives "OK" its picture, the folder button gets one too.
    if (box.style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons, nullptr, &box))
        openButton->setIcon(box.style()->standardIcon(QStyle::SP_DirOpenIcon, nullptr, &box));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    if (box.clickedButton() == openButton && openFolder)
        openFolder(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}

common::MessageSink SetUnopenedProtocolSink(common::MessageSink sink) {
    return std::exchange(UnopenedProtocolSink(), std::move(sink));
}

} // namespace wizard
