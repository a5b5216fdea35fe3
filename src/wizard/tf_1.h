#pragma once

#include "protocol/protocol_file.h"
#include "requirement/requirement.h"
#include "wizard/desktop_opener.h"
#include "wizard/inspection.h"
#include "wizard/navigation.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class TF_1;
}

class GeneralDataPanel;
class BuildingPanel;
class ResultsPanel;
class ConclusionPanel;
class TF_progress;
class Tf_about;
class RecoveryFile;
class QToolButton;

// The main window: the four-step wizard. Its operations read the widgets, call the core and
// write the widgets; those of steps 3, 4 and the report have a source file each beside this one.
class TF_1 : public QWidget {
    Q_OBJECT

public:
    explicit TF_1(QWidget* parent = nullptr);
    ~TF_1() override;

    // The figures of the last CalcRequirement; zero until one determined them.
    std::int32_t JetCount() const { return requirement_.JetCount; }
    double JetFlow() const { return requirement_.JetFlow; }

    // Operations the wizard calls at its transitions.
    void CalcRequirement();          // wizard/tf_1.cpp
    void PrepareResultsGrid();       // wizard/tf_1_results.cpp
    QString BuildConclusion() const; // wizard/tf_1_results.cpp
    void GenerateProtocol();         // wizard/tf_1_protocol.cpp

    // The other two windows, created by start-up after this one.
    void SetProgressWindow(TF_progress* window) { progressWindow_ = window; }
    void SetAboutWindow(Tf_about* window);

    // How the maker's web site, a protocol's folder and a finished protocol are handed to the
    // desktop; tests replace them. The URL opener returns whether it succeeded; the document
    // opener gives the desktop's verdict to its callback, at once or later from the event
    // loop, and an opener that answers at once may simply return it.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    using DocumentOpener = std::function<void(const QString& path, wizard::OpenVerdict verdict)>;
    using ImmediateDocumentOpener = std::function<bool(const QString& path)>;
    void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    void SetDocumentOpener(DocumentOpener opener) { documentOpener_ = std::move(opener); }
    void SetDocumentOpener(ImmediateDocumentOpener opener);

    // Where protocols are saved: the folder the core chooses from the folders the desktop
    // names (or the source names), or, when set, a folder of the caller's own; tests never
    // write into the user's home.
    using FolderSource = std::function<protocol::FolderCandidates()>;
    void SetFolderSource(FolderSource source) { folderSource_ = std::move(source); }
    void SetDocumentFolder(const QString& folder) { documentFolder_ = folder; }

    // The inspection on screen, and showing a saved one exactly as it was.
    wizard::Inspection CurrentInspection() const;
    void ShowInspection(const wizard::Inspection& inspection);
    // Whether anything was entered since the start, the last save or the last opening.
    bool HasUnsavedChanges() const;
    // The file the inspection was last saved to or opened from; empty before that.
    QString InspectionFile() const { return file_; }

    // The inspection commands; a save returns whether the inspection is now saved.
    bool SaveInspection();   // "Сохранить проверку", Ctrl+S
    bool SaveInspectionAs(); // "Сохранить как…", Ctrl+Shift+S
    void OpenInspection();   // "Открыть проверку…", Ctrl+O
    void NewInspection();    // "Новая проверка", Ctrl+N
    // Opens the file named on the command line or by the desktop; false when it is refused.
    bool OpenInspectionFile(const QString& path);
    // Asks before unsaved entries are left, saving them when told to; false: stay.
    bool MayLeaveInspection();

    // The question before unsaved entries are left, and the file dialogs; tests replace them.
    enum class Answer { Yes, No, Cancel };
    using SaveQuestion = std::function<Answer(const QString& text)>;
    enum class FileChoice { Save, Open };
    // Returns the chosen file, or an empty text when the user cancelled.
    using FileChooser = std::function<QString(FileChoice choice, const QString& proposed)>;
    void SetSaveQuestion(SaveQuestion question) { saveQuestion_ = std::move(question); }
    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    // Where unsaved entries are kept while there are any; none: nowhere.
    void SetRecoveryFile(RecoveryFile* recovery) { recovery_ = recovery; }
    // Shows a restored inspection, unsaved, with the file it belonged to, if any.
    void ShowRestored(const wizard::Inspection& inspection, const QString& file);
    // How long after the last change the recovery file is written, and at most after the
    // first unsaved one while typing goes on.
    static constexpr int RecoveryDelayMs = 1000;
    static constexpr int RecoveryMaxDelayMs = 3000;

    // The step whose panel shows.
    wizard::WizardStep CurrentStep() const { return step_; }

    GeneralDataPanel* Panel1() const;
    BuildingPanel* Panel2() const;
    ResultsPanel* Panel3() const;
    ConclusionPanel* Panel4() const;

    // Handlers.
    void FormCreate();
    void ButtonForwardClick();
    void ButtonBackClick();
    void Button3Click();
    void Button1Click();
    void Label2Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyLocale();
    void ShowUnopenedProtocol(const QString& path);
    void SetUpInspectionCommands();
    void ShowStep(wizard::WizardStep step);
    bool SaveTo(const QString& path);
    void EntriesChanged();
    void CheckUnsaved();
    void SetSavedState(const QString& file);
    void UpdateTitle();
    QString DefaultFolder() const;
    void Navigate(wizard::Press press);
    QWidget* PanelOf(wizard::WizardStep step) const;

    std::unique_ptr<Ui::TF_1> ui;
    requirement::Requirement requirement_;
    wizard::WizardStep step_ = wizard::WizardStep::GeneralData;
    TF_progress* progressWindow_ = nullptr;
    Tf_about* aboutWindow_ = nullptr;
    UrlOpener urlOpener_;
    DocumentOpener documentOpener_;
    FolderSource folderSource_;
    QString documentFolder_;
    bool shown_ = false;

    QString file_;
    wizard::Inspection saved_; // what the file holds, or the start
    bool showing_ = false;     // ShowInspection at work: its changes are no entries
    SaveQuestion saveQuestion_;
    FileChooser fileChooser_;
    RecoveryFile* recovery_ = nullptr;
    QTimer recoveryTimer_;
    QElapsedTimer firstUnsaved_; // since the first change not yet in the recovery file
    QList<QToolButton*> commandButtons_;
};
