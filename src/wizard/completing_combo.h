#pragma once

#include <QComboBox>

// An editable list in which typing the beginning of an item selects that item and completes
// its text, the rest highlighted; any other edit leaves no item selected.
class CompletingCombo : public QComboBox {
    Q_OBJECT

public:
    explicit CompletingCombo(QWidget* parent = nullptr);

    // Replaces the items and selects the first.
    void Refill(const QStringList& items);

signals:
    // The user changed the text by a key; the selection may have changed with it.
    void TextEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool HandleKey(QKeyEvent* key);
    void Complete(const QString& typed);
    void Deselect();

    bool handlingKey_ = false;
};
