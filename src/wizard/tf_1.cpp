#include "wizard/tf_1.h"

#include "common/link_label.h"
#include "common/locale_format.h"
#include "common/messages.h"
#include "common/qt_text.h"
#include "results/conclusion_panel.h"
#include "ui_tf_1.h"
#include "wizard/application.h"
#include "wizard/building_panel.h"
#include "wizard/general_data_panel.h"
#include "wizard/maker.h"
#include "wizard/tf_about.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

// The focusable controls inside a panel, in the panel's own tab order.
QList<QWidget*> TabStopsOf(QWidget* panel) {
    QList<QWidget*> stops;
    for (QWidget* w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain()) {
        if (panel->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops << w;
    }
    return stops;
}

} // namespace

TF_1::TF_1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TF_1>()),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      documentOpener_([this](const QString& path, wizard::OpenVerdict verdict) {
          wizard::OpenOnDesktop(path, this, std::move(verdict));
      }) {
    ui->setupUi(this);
    // Panel1, ButtonForward, ButtonBack, Button3, Panel3, Panel2, Panel4, Button1: hidden panels
    // and disabled buttons are skipped by Tab.
    QList<QWidget*> order = TabStopsOf(ui->Panel1);
    order << ui->ButtonForward << ui->ButtonBack << ui->Button3;
    order << TabStopsOf(ui->Panel3) << TabStopsOf(ui->Panel2) << TabStopsOf(ui->Panel4);
    order << ui->Button1;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    setWindowTitle(QString::fromStdString(wizard::MainCaption()));
    ui->Image1->setPixmap(wizard::FireCockPicture());

    connect(ui->Label2, &LinkLabel::Clicked, this, common::Guarded([this] { Label2Click(); }));

    connect(ui->ButtonForward, &QPushButton::clicked, this,
            common::Guarded([this] { ButtonForwardClick(); }));
    connect(ui->ButtonBack, &QPushButton::clicked, this,
            common::Guarded([this] { ButtonBackClick(); }));
    connect(ui->Button3, &QPushButton::clicked, this, common::Guarded([this] { Button3Click(); }));
    connect(ui->Button1, &QPushButton::clicked, this, common::Guarded([this] { Button1Click(); }));
    FormCreate();
    SetUpInspectionCommands();
}

TF_1::~TF_1() = default;

GeneralDataPanel* TF_1::Panel1() const {
    return ui->Panel1;
}
BuildingPanel* TF_1::Panel2() const {
    return ui->Panel2;
}
ResultsPanel* TF_1::Panel3() const {
    return ui->Panel3;
}
ConclusionPanel* TF_1::Panel4() const {
    return ui->Panel4;
}

void TF_1::SetAboutWindow(Tf_about* window) {
    aboutWindow_ = window;
    if (window)
        connect(window, &Tf_about::AddressClicked, this,
                common::Guarded([this] { Label2Click(); }));
}

// The four panels share one place, the window its fixed size: both stand in the form.
void TF_1::FormCreate() {
    ApplyLocale();
}

void TF_1::CalcRequirement() {
    requirement_ = requirement::CalcRequirement(ui->Panel2->Parameters(), requirement_);
}

void TF_1::ButtonForwardClick() {
    Navigate(wizard::Press::Forward);
}

void TF_1::ButtonBackClick() {
    Navigate(wizard::Press::Back);
}

// The step changes only after the transition's operation has run, so one that fails leaves
// the wizard where it was; the new panel is shown before the old one is hidden.
void TF_1::Navigate(wizard::Press press) {
    if (wizard::ComputesRequirement(step_, press))
        CalcRequirement();
    const wizard::Transition transition = wizard::Transit(step_, press, requirement_.Determined());
    if (transition.refusal) {
        common::ShowRefusal(this);
        return;
    }
    switch (transition.operation) {
    case wizard::Operation::None:
        break;
    case wizard::Operation::PrepareResultsGrid:
        PrepareResultsGrid();
        break;
    case wizard::Operation::BuildConclusion:
        ui->Panel4->SetConclusion(BuildConclusion());
        break;
    case wizard::Operation::GenerateProtocol:
        GenerateProtocol();
        break;
    }
    QWidget* from = PanelOf(step_);
    QWidget* to = PanelOf(transition.next);
    step_ = transition.next;
    if (to != from) {
        to->show();
        from->hide();
    }
    ui->ButtonForward->setText(common::ToQString(transition.forwardCaption));
    // Disabled under the focus, the back button would pass it on to "Выход", and the next
    // Enter would end the program with everything typed: forward is where the user goes.
    if (!transition.backEnabled && ui->ButtonBack->isEnabled())
        ui->ButtonForward->setFocus(Qt::OtherFocusReason);
    ui->ButtonBack->setEnabled(transition.backEnabled);
}

QWidget* TF_1::PanelOf(wizard::WizardStep step) const {
    switch (step) {
    case wizard::WizardStep::GeneralData:
        return ui->Panel1;
    case wizard::WizardStep::Building:
        return ui->Panel2;
    case wizard::WizardStep::Results:
        return ui->Panel3;
    case wizard::WizardStep::Conclusion:
        return ui->Panel4;
    }
    return ui->Panel1;
}

void TF_1::Button3Click() {
    close();
}

void TF_1::Button1Click() {
    if (aboutWindow_)
        aboutWindow_->exec();
}

void TF_1::Label2Click() {
    // A failure to open the site is not reported.
    if (urlOpener_)
        urlOpener_(QUrl(common::ToQString(wizard::MakerAddress)));
}

void TF_1::ApplyLocale() {
    ui->Panel1->ApplyLocale(locale());
}

void TF_1::changeEvent(QEvent* event) {
    // The regional settings are read again when the system announces a change.
    if (event->type() == QEvent::LocaleChange && !testAttribute(Qt::WA_SetLocale)) {
        QLocale::setDefault(QLocale::system());
        common::FollowWindowLocale(*this);
        ApplyLocale();
    }
    QWidget::changeEvent(event);
}

void TF_1::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        // Centred on the desktop, all screens together, at its first showing only.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect desktop = screen->virtualGeometry();
            const QSize frame = frameGeometry().size();
            move(desktop.center() - QPoint(frame.width() / 2, frame.height() / 2));
        }
    }
    QWidget::showEvent(event);
}
