// The main window's inspection commands: save, open, new, the question before unsaved
// entries are left, and the recovery file kept while there are any.
#include "common/failure_text.h"
#include "common/messages.h"
#include "common/qt_text.h"
#include "common/utf8_path.h"
#include "results/conclusion_panel.h"
#include "results/results_panel.h"
#include "ui_tf_1.h"
#include "wizard/building_panel.h"
#include "wizard/clock.h"
#include "wizard/command_icons.h"
#include "wizard/general_data_panel.h"
#include "wizard/inspection_file.h"
#include "wizard/maker.h"
#include "wizard/recovery_file.h"
#include "wizard/tf_1.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolButton>
#include <algorithm>

namespace {

const QString InspectionSuffix = QStringLiteral(".naporis");
const QString SaveQuestionText = QStringLiteral("Сохранить изменения в проверке?");

TF_1::Answer AskWithMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, common::ToQString(common::ApplicationTitle), text,
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return TF_1::Answer::Yes;
    if (box.clickedButton() == no)
        return TF_1::Answer::No;
    return TF_1::Answer::Cancel;
}

// The standard dialog; where the desktop has none of its own, Qt's speaks Russian too.
QString ChooseWithFileDialog(QWidget* parent, TF_1::FileChoice choice, const QString& proposed) {
    const bool save = choice == TF_1::FileChoice::Save;
    QFileDialog dialog(
        parent, save ? QStringLiteral("Сохранить проверку") : QStringLiteral("Открыть проверку"),
        save ? QFileInfo(proposed).absolutePath() : proposed,
        QStringLiteral("Проверки Напориса (*.naporis)"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("naporis"));
    if (save)
        dialog.selectFile(QFileInfo(proposed).fileName());
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept,
                        save ? QStringLiteral("Сохранить") : QStringLiteral("Открыть"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

protocol::InspectionDate TodayDate() {
    const QDate today = wizard::Today();
    return {today.day(), today.month(), today.year()};
}

} // namespace

void TF_1::SetUpInspectionCommands() {
    saveQuestion_ = [this](const QString& text) { return AskWithMessageBox(this, text); };
    fileChooser_ = [this](FileChoice choice, const QString& proposed) {
        return ChooseWithFileDialog(this, choice, proposed);
    };

    // Flat picture buttons in the strip under the sign, out of the Tab order like the grid's
    // own; the keyboard reaches them by their shortcuts.
    struct Command {
        const char* name;
        QString hint;
        QIcon icon;
        QKeySequence keys;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"SaveButton", QStringLiteral("Сохранить проверку (Ctrl+S)"), SaveInspectionIcon(),
         QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveInspection(); }},
        {"SaveAsButton", QStringLiteral("Сохранить как… (Ctrl+Shift+S)"), SaveInspectionAsIcon(),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveInspectionAs(); }},
        {"OpenButton", QStringLiteral("Открыть проверку… (Ctrl+O)"), OpenInspectionIcon(),
         QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenInspection(); }},
        {"NewButton", QStringLiteral("Новая проверка (Ctrl+N)"), NewInspectionIcon(),
         QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NewInspection(); }},
    };
    int top = 72;
    for (const Command& command : commands) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setGeometry(20, top, 25, 25);
        top += 32;
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(command.hint);
        button->setIcon(command.icon);
        button->show();
        connect(button, &QToolButton::clicked, this, common::Guarded(command.run));
        auto* shortcut = new QShortcut(command.keys, this);
        connect(shortcut, &QShortcut::activated, this, common::Guarded(command.run));
        commandButtons_ << button;
    }

    recoveryTimer_.setSingleShot(true);
    connect(&recoveryTimer_, &QTimer::timeout, this, common::Guarded([this] { CheckUnsaved(); }));
    const auto changed = [this] { EntriesChanged(); };
    connect(ui->Panel1, &GeneralDataPanel::Changed, this, changed);
    connect(ui->Panel2, &BuildingPanel::Changed, this, changed);
    connect(ui->Panel3, &ResultsPanel::Changed, this, changed);
    connect(ui->Panel4, &ConclusionPanel::Changed, this, changed);
    // The requirement changes with no input changing.
    connect(ui->ButtonForward, &QPushButton::clicked, this, changed);

    saved_ = CurrentInspection();
    UpdateTitle();
}

wizard::Inspection TF_1::CurrentInspection() const {
    wizard::Inspection x;
    x.step = CurrentStep();
    x.general = ui->Panel1->GeneralData();
    x.equipmentSelected = ui->Panel1->EquipmentSelected();
    x.building = ui->Panel2->State();
    x.requirement = requirement_;
    x.preparedFlow = ui->Panel3->PreparedFlow();
    x.grid = ui->Panel3->Grid();
    x.Dnas = ui->Panel3->DnasText().toStdString();
    x.autoFlow = ui->Panel3->AutoFlow();
    x.autoCompliance = ui->Panel3->AutoCompliance();
    x.conclusion = ui->Panel4->Conclusion().toStdString();
    return x;
}

void TF_1::ShowInspection(const wizard::Inspection& x) {
    // Checked before anything changes: a value the window cannot show leaves it as it was.
    if (const auto problem = wizard::ProblemOf(x))
        throw std::invalid_argument(*problem);
    {
        const QScopedValueRollback showing(showing_, true);
        ui->Panel1->SetGeneralData(x.general, x.equipmentSelected);
        ui->Panel2->SetState(x.building);
        requirement_ = x.requirement;
        ui->Panel3->SetState(x.grid, x.preparedFlow, QString::fromStdString(x.Dnas), x.autoFlow,
                             x.autoCompliance);
        ui->Panel4->SetConclusion(QString::fromStdString(x.conclusion));
        ShowStep(x.step);
    }
    recoveryTimer_.stop();
    firstUnsaved_.invalidate();
}

bool TF_1::HasUnsavedChanges() const {
    return !wizard::SameEntries(CurrentInspection(), saved_);
}

// The step as the wizard leaves it after a transition to it: its panel alone, the forward
// caption and the back button.
void TF_1::ShowStep(wizard::WizardStep step) {
    step_ = step;
    PanelOf(step)->show();
    for (const auto other : {wizard::WizardStep::GeneralData, wizard::WizardStep::Building,
                             wizard::WizardStep::Results, wizard::WizardStep::Conclusion})
        if (other != step)
            PanelOf(other)->hide();
    ui->ButtonBack->setEnabled(step != wizard::WizardStep::GeneralData);
    ui->ButtonForward->setText(common::ToQString(
        step == wizard::WizardStep::Conclusion ? wizard::ReportCaption : wizard::ForwardCaption));
}

bool TF_1::SaveInspection() {
    if (file_.isEmpty())
        return SaveInspectionAs();
    return SaveTo(file_);
}

bool TF_1::SaveInspectionAs() {
    const QString proposed =
        file_.isEmpty()
            ? QDir(DefaultFolder())
                  .filePath(QString::fromStdString(wizard::SuggestedFileName(CurrentInspection())))
            : file_;
    const QString path = fileChooser_ ? fileChooser_(FileChoice::Save, proposed) : QString();
    if (path.isEmpty())
        return false;
    return SaveTo(path);
}

bool TF_1::SaveTo(const QString& path) {
    const wizard::Inspection snapshot = CurrentInspection();
    try {
        wizard::SaveInspectionFile(common::PathFromQString(path), snapshot);
    } catch (const std::runtime_error& error) {
        common::ShowFailure(QString::fromStdString(error.what()));
        return false;
    }
    saved_ = snapshot;
    SetSavedState(path);
    return true;
}

void TF_1::OpenInspection() {
    if (!MayLeaveInspection())
        return;
    const QString path = fileChooser_ ? fileChooser_(FileChoice::Open, DefaultFolder()) : QString();
    if (!path.isEmpty())
        OpenInspectionFile(path);
}

bool TF_1::OpenInspectionFile(const QString& path) {
    const wizard::InspectionRead read =
        wizard::LoadInspectionFile(common::PathFromQString(path));
    if (!read.inspection) {
        common::ShowFailure(QString::fromStdString(
            wizard::OpenFailureMessage(QFileInfo(path).fileName().toStdString(), read.problem)));
        return false;
    }
    ShowInspection(*read.inspection);
    saved_ = CurrentInspection();
    SetSavedState(path);
    return true;
}

void TF_1::NewInspection() {
    if (!MayLeaveInspection())
        return;
    ShowInspection(wizard::NewInspection(TodayDate()));
    saved_ = CurrentInspection();
    SetSavedState({});
}

void TF_1::ShowRestored(const wizard::Inspection& inspection, const QString& file) {
    ShowInspection(inspection);
    // What is unsaved is measured against the file as it is on the disk now.
    const wizard::InspectionRead saved =
        file.isEmpty() ? wizard::InspectionRead{}
                       : wizard::LoadInspectionFile(common::PathFromQString(file));
    saved_ = saved.inspection ? *saved.inspection : wizard::NewInspection(TodayDate());
    file_ = saved.inspection ? file : QString();
    UpdateTitle();
    setWindowModified(HasUnsavedChanges());
}

bool TF_1::MayLeaveInspection() {
    if (!HasUnsavedChanges())
        return true;
    switch (saveQuestion_ ? saveQuestion_(SaveQuestionText) : Answer::Cancel) {
    case Answer::Yes:
        return SaveInspection();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void TF_1::closeEvent(QCloseEvent* event) {
    bool leave = false;
    common::RunGuarded([&] { leave = MayLeaveInspection(); });
    if (!leave) {
        event->ignore();
        return;
    }
    recoveryTimer_.stop();
    if (recovery_)
        recovery_->Finish(); // a clean exit leaves no recovery file
    QWidget::closeEvent(event);
}

// Typing goes on undisturbed: the check and the recovery file wait for a pause, but never
// longer than the longest delay after the first unsaved change.
void TF_1::EntriesChanged() {
    if (showing_)
        return;
    if (!firstUnsaved_.isValid())
        firstUnsaved_.start();
    const qint64 left = RecoveryMaxDelayMs - firstUnsaved_.elapsed();
    recoveryTimer_.start(static_cast<int>(std::clamp<qint64>(left, 0, RecoveryDelayMs)));
}

void TF_1::CheckUnsaved() {
    firstUnsaved_.invalidate();
    const wizard::Inspection snapshot = CurrentInspection();
    const bool unsaved = !wizard::SameEntries(snapshot, saved_);
    setWindowModified(unsaved);
    if (!recovery_)
        return;
    if (unsaved)
        recovery_->Write(wizard::WriteInspection(snapshot, file_.toStdString()));
    else
        recovery_->Remove();
}

void TF_1::SetSavedState(const QString& file) {
    file_ = file;
    recoveryTimer_.stop();
    firstUnsaved_.invalidate();
    if (recovery_)
        recovery_->Remove();
    UpdateTitle();
    setWindowModified(false);
}

void TF_1::UpdateTitle() {
    const QString caption = QString::fromStdString(wizard::MainCaption());
    if (file_.isEmpty()) {
        setWindowTitle(caption);
        return;
    }
    QString name = QFileInfo(file_).fileName();
    if (name.endsWith(InspectionSuffix, Qt::CaseInsensitive))
        name.chop(InspectionSuffix.size());
    // "[*]" is where Qt shows the modified mark; doubled, it is shown as it is.
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] — ") + caption);
}

QString TF_1::DefaultFolder() const {
    if (!file_.isEmpty())
        return QFileInfo(file_).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}
