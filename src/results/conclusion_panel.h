#pragma once

#include <QFrame>
#include <memory>

namespace Ui {
class ConclusionPanel;
}

// Step 4: the conclusions and recommendations, freely editable.
class ConclusionPanel : public QFrame {
    Q_OBJECT

public:
    explicit ConclusionPanel(QWidget* parent = nullptr);
    ~ConclusionPanel() override;

    void SetConclusion(const QString& text); // replaces the memo's whole text
    QString Conclusion() const;              // the memo's text, lines separated by "\n"

signals:
    void Changed();

private:
    std::unique_ptr<Ui::ConclusionPanel> ui;
};
