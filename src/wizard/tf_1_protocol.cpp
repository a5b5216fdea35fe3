// The main window's "Отчет": the protocol of the inspection.
#include "common/locale_format.h"
#include "common/messages.h"
#include "common/qt_text.h"
#include "common/utf8_path.h"
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"
#include "protocol/protocol_file.h"
#include "protocol/report_progress.h"
#include "protocol/tf_progress.h"
#include "results/conclusion_panel.h"
#include "results/results_panel.h"
#include "wizard/general_data_panel.h"
#include "wizard/protocol_warning.h"
#include "wizard/tf_1.h"

#include <QDir>
#include <QPointer>
#include <QStandardPaths>
#include <filesystem>
#include <memory>

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
    return common::PathFromQString(text);
}

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(common::Utf8FromPath(path));
}

// The folders the desktop names for the user's documents and for temporary files.
protocol::FolderCandidates DesktopFolders() {
    return {ToPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
            ToPath(QDir::tempPath())};
}

// A protocol handed to the desktop. A verdict that comes while the protocol is still being
// finished waits until the windows are usable again; a later one is shown when it comes.
struct Opening {
    QString path;
    bool finishing = true;
    bool unopened = false;
};

// Ends the finishing however GenerateProtocol ends, so that a later verdict is not held back.
class FinishOpening {
public:
    explicit FinishOpening(std::shared_ptr<Opening> opening) : opening_(std::move(opening)) {}
    ~FinishOpening() { opening_->finishing = false; }
    FinishOpening(const FinishOpening&) = delete;
    FinishOpening& operator=(const FinishOpening&) = delete;

private:
    std::shared_ptr<Opening> opening_;
};

} // namespace

void TF_1::SetDocumentOpener(ImmediateDocumentOpener opener) {
    if (!opener) {
        documentOpener_ = nullptr;
        return;
    }
    documentOpener_ = [opener = std::move(opener)](const QString& path,
                                                   wizard::OpenVerdict verdict) {
        const bool opened = opener(path);
        if (verdict)
            verdict(opened);
    };
}

void TF_1::ShowUnopenedProtocol(const QString& path) {
    wizard::ShowUnopenedProtocol(this, path, [this](const QUrl& folder) {
        if (urlOpener_)
            urlOpener_(folder);
    });
}

void TF_1::GenerateProtocol() {
    protocol::ProtocolData data;
    data.general = Panel1()->GeneralData();
    data.JetFlow = JetFlow();
    data.Dnas = Panel3()->DnasText().toStdString();
    data.results = protocol::ResultRows(Panel3()->Grid());
    data.Memo1 = Panel4()->Conclusion().toStdString();
    data.separator = common::DecimalSeparator(*this);

    // Chosen before anything is shown: with nowhere to save, nothing is written. A folder
    // given in place of the choice is taken as it is.
    const bool chosen = documentFolder_.isEmpty();
    const std::filesystem::path folder =
        chosen ? protocol::ProtocolFolder(folderSource_ ? folderSource_() : DesktopFolders())
               : ToPath(documentFolder_);
    const std::string stem = protocol::ProtocolFileStem(data.general.date);
    const auto opening = std::make_shared<Opening>();
    const FinishOpening finish(opening);
    protocol::ReportProgress progress([this](int percent) {
        if (progressWindow_)
            progressWindow_->ShowProgress(percent);
    });
    protocol::Document document([&](const protocol::Document& finished) {
        // Saving is the report: a failure here is a failure of "Отчет".
        if (chosen)
            protocol::CreateMissingFolder(folder);
        opening->path = ToQString(protocol::SaveAsNewFile(
            finished, folder, stem, [&progress](std::size_t rowsWritten, std::size_t rowsInAll) {
                progress.Written(rowsWritten, rowsInAll);
            }));
        progress.Saved();
        if (!documentOpener_) {
            opening->unopened = true;
            return;
        }
        // Opening is the desktop's: the saved protocol stays saved whatever it answers.
        documentOpener_(opening->path, [window = QPointer<TF_1>(this), opening](bool opened) {
            if (opened)
                return;
            if (opening->finishing)
                opening->unopened = true;
            else if (window)
                common::RunGuarded([&] { window->ShowUnopenedProtocol(opening->path); });
        });
    });

    {
        setEnabled(false);
        RestoreWindows restore(this, progressWindow_);
        if (progressWindow_)
            progressWindow_->show();
        protocol::GenerateProtocol(data, document,
                                   [&progress](int percent) { progress.Composed(percent); });
    }
    opening->finishing = false;
    if (opening->unopened)
        ShowUnopenedProtocol(opening->path);
}
