#pragma once

#include "protocol/protocol_data.h"

#include <QFrame>

#include <memory>

namespace Ui {
class GeneralDataPanel;
}

// Step 1: the general data of the inspection.
class GeneralDataPanel : public QFrame {
    Q_OBJECT

public:
    explicit GeneralDataPanel(QWidget* parent = nullptr);
    ~GeneralDataPanel() override;

    // The six fields as the protocol prints them.
    protocol::GeneralData GeneralData() const;
    // The address of the inspection (MestoProverki), as typed.
    QString Address() const;

private:
    std::unique_ptr<Ui::GeneralDataPanel> ui;
};
