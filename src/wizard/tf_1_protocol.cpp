// The main window's "Отчет": the protocol of the inspection.
#include "common/locale_format.h"
#include "common/utf8_path.h"
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"
#include "protocol/tf_progress.h"
#include "results/conclusion_panel.h"
#include "results/results_panel.h"
#include "wizard/general_data_panel.h"
#include "wizard/tf_1.h"

#include <QDir>
#include <filesystem>

namespace {

// Whatever happens while the protocol is written, the main window comes back usable.
class RestoreWindows {
public:
    RestoreWindows(QWidget* main, TF_progress* progress) : main_(main), progress_(progress) {}
    ~RestoreWindows() {
        if (progress_)
            progress_->hide();
        main_->setEnabled(true);
    }
    RestoreWindows(const RestoreWindows&) = delete;
    RestoreWindows& operator=(const RestoreWindows&) = delete;

private:
    QWidget* main_;
    TF_progress* progress_;
};

std::filesystem::path ToPath(const QString& text) {
    return common::PathFromUtf8(text.toStdString());
}

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(common::Utf8FromPath(path));
}

} // namespace

void TF_1::GenerateProtocol() {
    protocol::ProtocolData data;
    data.general = Panel1()->GeneralData();
    data.JetFlow = JetFlow();
    data.Dnas = Panel3()->DnasText().toStdString();
    data.results = protocol::ResultRows(Panel3()->Grid());
    data.Memo1 = Panel4()->Conclusion().toStdString();
    data.separator = common::DecimalSeparator(*this);

    const QString folder = documentFolder_.isEmpty() ? QDir::tempPath() : documentFolder_;
    // Qt names no temporary folder when the one set for the session does not exist; the
    // protocol must not land in whatever the working folder happens to be.
    if (folder.isEmpty())
        throw protocol::DocumentError(
            "Папка временных файлов не найдена: протокол некуда сохранить");
    protocol::Document document(
        protocol::ShowAsFile(ToPath(folder), protocol::ProtocolFileStem(data.general.date),
                             [this](const std::filesystem::path& path) {
                                 return documentOpener_ && documentOpener_(ToQString(path));
                             }));

    setEnabled(false);
    RestoreWindows restore(this, progressWindow_);
    if (progressWindow_)
        progressWindow_->show();
    protocol::GenerateProtocol(data, document, [this](int percent) {
        if (progressWindow_)
            progressWindow_->ShowProgress(percent);
    });
}
