#pragma once

#include "requirement/requirement.h"
#include "wizard/navigation.h"

#include <QString>
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

    // How the maker's web site and a finished protocol are handed to the desktop, and where
    // protocols are saved; tests replace them. An opener returns whether it succeeded.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    using DocumentOpener = std::function<bool(const QString& path)>;
    void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    void SetDocumentOpener(DocumentOpener opener) { documentOpener_ = std::move(opener); }
    void SetDocumentFolder(const QString& folder) { documentFolder_ = folder; }

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
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyLocale();
    void Navigate(wizard::Press press);
    QWidget* PanelOf(wizard::WizardStep step) const;

    std::unique_ptr<Ui::TF_1> ui;
    requirement::Requirement requirement_;
    wizard::WizardStep step_ = wizard::WizardStep::GeneralData;
    TF_progress* progressWindow_ = nullptr;
    Tf_about* aboutWindow_ = nullptr;
    UrlOpener urlOpener_;
    DocumentOpener documentOpener_;
    QString documentFolder_;
    bool shown_ = false;
};
