#include "wizard/completing_combo.h"

#include "common/qt_text.h"
#include "wizard/building_inputs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <string>
#include <vector>

CompletingCombo::CompletingCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(10);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (handlingKey_)
            return;
        // Edits that bypass the keys (paste, cut, undo) select nothing either.
        if (currentIndex() >= 0 && lineEdit()->text() != itemText(currentIndex()))
            Deselect();
        emit TextEdited();
    });
}

void CompletingCombo::Refill(const QStringList& items) {
    clear();
    addItems(items);
    setCurrentIndex(0);
}

bool CompletingCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress &&
        HandleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

void CompletingCombo::keyPressEvent(QKeyEvent* event) {
    // The list holds the focus and hands keys to its edit; completion comes first.
    if (!HandleKey(event))
        QComboBox::keyPressEvent(event);
}

bool CompletingCombo::HandleKey(QKeyEvent* key) {
    const QScopedValueRollback handling(handlingKey_, true);
    if (key->key() == Qt::Key_Backspace) {
        lineEdit()->backspace();
        Deselect();
        emit TextEdited();
        return true;
    }
    if (!common::TypesCharacter(*key))
        return false;
    Complete(key->text());
    emit TextEdited();
    return true;
}

void CompletingCombo::Complete(const QString& typed) {
    QLineEdit* edit = lineEdit();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QString prefix = edit->text().left(start) + typed;
    std::vector<std::string> items;
    for (int i = 0; i < count(); ++i)
        items.push_back(itemText(i).toStdString());
    const auto found = wizard::CompleteItem(items, prefix.toStdString());
    if (!found) {
        edit->insert(typed);
        Deselect();
        return;
    }
    const int index = static_cast<int>(*found);
    setCurrentIndex(index);
    // The completed text is the item itself, so what the rules read is what the list holds.
    const QString item = itemText(index);
    edit->setText(item);
    edit->setSelection(item.size(), prefix.size() - item.size());
}

void CompletingCombo::Deselect() {
    if (currentIndex() < 0)
        return;
    QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
}
