#pragma once

#include "protocol/protocol_data.h"

#include <QFrame>
#include <memory>
#include <optional>

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

    // The inspection date shows in the locale's short date format.
    void ApplyLocale(const QLocale& locale);

    // The equipment item selected, none when the text was typed.
    std::optional<int> EquipmentSelected() const;
    // Shows saved entries as they were.
    void SetGeneralData(const protocol::GeneralData& data, std::optional<int> equipmentSelected);

signals:
    // Any field changed, by the user or by SetGeneralData.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::GeneralDataPanel> ui;
};
