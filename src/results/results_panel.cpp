#include "results/results_panel.h"

#include "common/locale_format.h"
#include "common/messages.h"
#include "results/nozzle.h"
#include "results/results_model.h"
#include "results/sheet_icons.h"
#include "ui_results_panel.h"

#include <QEvent>
#include <algorithm>

namespace {

// Where the form puts the controls; FitToFont moves them only as far as the font needs.
constexpr int DnasLeft = 144;
constexpr int Label8Left = 208;
constexpr int Label19Top = 72;
constexpr int Label9Top = 96;
constexpr int SwitchWidth = 49;
constexpr int LabelGap = 4;

} // namespace

ResultsPanel::ResultsPanel(QWidget* parent)
    : QFrame(parent), ui(std::make_unique<Ui::ResultsPanel>()), model_(new ResultsModel(this)) {
    ui->setupUi(this);
    model_->SetSeparator(common::DecimalSeparator(*this));
    ui->SG->setModel(model_);
    ui->SpeedButton1->setIcon(AddRowIcon());
    ui->SpeedButton2->setIcon(RemoveRowIcon());
    ui->SpeedButton2->setEnabled(results::CanRemoveRow(model_->Grid()));

    connect(ui->Dnas, &DiameterSpinBox::TextChanged, this,
            common::Guarded([this] { DnasChange(); }));
    connect(ui->CheckBox8, &QCheckBox::toggled, this,
            common::Guarded([this] { Action2Execute(); }));
    connect(ui->CheckBox7, &QCheckBox::toggled, this,
            common::Guarded([this] { Action2Execute(); }));
    connect(ui->SpeedButton1, &QToolButton::clicked, this,
            common::Guarded([this] { SpeedButton1Click(); }));
    connect(ui->SpeedButton2, &QToolButton::clicked, this,
            common::Guarded([this] { SpeedButton2Click(); }));
    connect(model_, &ResultsModel::DataRowCountChanged, this,
            [this] { ui->SpeedButton2->setEnabled(results::CanRemoveRow(model_->Grid())); });
    connect(model_, &QAbstractItemModel::dataChanged, this, &ResultsPanel::Changed);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ResultsPanel::Changed);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ResultsPanel::Changed);
    connect(model_, &QAbstractItemModel::modelReset, this, &ResultsPanel::Changed);
    connect(ui->Dnas, &DiameterSpinBox::TextChanged, this, &ResultsPanel::Changed);
    connect(ui->CheckBox8, &QCheckBox::toggled, this, &ResultsPanel::Changed);
    connect(ui->CheckBox7, &QCheckBox::toggled, this, &ResultsPanel::Changed);
    FitToFont();
}

ResultsPanel::~ResultsPanel() = default;

void ResultsPanel::Prepare(std::int32_t JetCount, double JetFlow) {
    const char separator = common::DecimalSeparator(*this);
    model_->SetSeparator(separator);
    model_->Prepare(JetCount, JetFlow);
    preparedFlow_ = JetFlow;
    ui->Label19->setText(QString::fromStdString(results::RequiredFlowCaption(JetFlow, separator)));
    FitToFont();
}

const results::ResultsGrid& ResultsPanel::Grid() const {
    return model_->Grid();
}

QString ResultsPanel::DnasText() const {
    return ui->Dnas->Text();
}

bool ResultsPanel::AutoFlow() const {
    return ui->CheckBox8->isChecked();
}

bool ResultsPanel::AutoCompliance() const {
    return ui->CheckBox7->isChecked();
}

void ResultsPanel::SetState(const results::ResultsGrid& grid, std::optional<double> preparedFlow,
                            const QString& Dnas, bool autoFlow, bool autoCompliance) {
    // The switches and the diameter first, so the saved rows are brought up to date once.
    ui->CheckBox8->setChecked(autoFlow);
    ui->CheckBox7->setChecked(autoCompliance);
    ui->Dnas->SetText(Dnas);
    const char separator = common::DecimalSeparator(*this);
    model_->SetSeparator(separator);
    model_->Restore(grid, preparedFlow.value_or(0.0));
    preparedFlow_ = preparedFlow;
    ui->Label19->setText(preparedFlow ? QString::fromStdString(
                                            results::RequiredFlowCaption(*preparedFlow, separator))
                                      : QString());
    FitToFont();
}

void ResultsPanel::DnasChange() {
    const results::DiameterOutcome outcome =
        results::ExamineDiameterText(ui->Dnas->Text().toStdString());
    if (outcome.text) {
        // The new text comes back here and brings the rows up to date.
        ui->Dnas->SetText(QString::fromStdString(*outcome.text));
        return;
    }
    model_->SetDiameter(outcome.diameter);
}

void ResultsPanel::SpeedButton1Click() {
    model_->AppendRow();
}

void ResultsPanel::SpeedButton2Click() {
    model_->RemoveLastRow();
}

void ResultsPanel::Action2Execute() {
    model_->SetSwitches(ui->CheckBox8->isChecked(), ui->CheckBox7->isChecked());
}

void ResultsPanel::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LocaleChange) {
        common::FollowWindowLocale(*this);
        model_->SetSeparator(common::DecimalSeparator(*this));
    }
    if (event->type() == QEvent::FontChange)
        FitToFont();
}

// The form's positions were laid out for a narrower font than many desktops have: labels
// take their text's size and push their neighbours right or down, so nothing is clipped and
// nothing overlaps.
void ResultsPanel::FitToFont() {
    for (QLabel* label : {ui->Label4, ui->Label7, ui->Label8, ui->Label9})
        label->resize(label->sizeHint());

    ui->Dnas->move(std::max(DnasLeft, ui->Label7->geometry().right() + 1 + LabelGap),
                   ui->Dnas->y());
    ui->Label8->move(std::max(Label8Left, ui->Dnas->geometry().right() + 1 + 7), ui->Label8->y());

    const int captionWidth = ui->Bevel2->width();
    ui->Label19->resize(captionWidth, ui->Label19->heightForWidth(captionWidth));
    const int label9Top =
        std::max(Label9Top, Label19Top + ui->Label19->height() + (Label9Top - Label19Top - 16));
    const int shift = label9Top - ui->Label9->y();
    if (shift != 0) {
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 ui->Label9, ui->CheckBox8, ui->CheckBox7, ui->SpeedButton1, ui->SpeedButton2})
            widget->move(widget->x(), widget->y() + shift);
        ui->SG->setGeometry(ui->SG->x(), ui->SG->y() + shift, ui->SG->width(),
                            ui->SG->height() - shift);
    }
    for (QCheckBox* box : {ui->CheckBox8, ui->CheckBox7})
        box->resize(std::max(SwitchWidth, box->sizeHint().width()), box->height());
}
