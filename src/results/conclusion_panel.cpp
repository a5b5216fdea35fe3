#include "results/conclusion_panel.h"

#include "ui_conclusion_panel.h"

ConclusionPanel::ConclusionPanel(QWidget* parent)
    : QFrame(parent), ui(std::make_unique<Ui::ConclusionPanel>()) {
    ui->setupUi(this);
    connect(ui->Memo1, &QPlainTextEdit::textChanged, this, &ConclusionPanel::Changed);
}

ConclusionPanel::~ConclusionPanel() = default;

void ConclusionPanel::SetConclusion(const QString& text) {
    ui->Memo1->setPlainText(text);
}

QString ConclusionPanel::Conclusion() const {
    return ui->Memo1->toPlainText();
}
