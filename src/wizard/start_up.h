#pragma once

#include <QDateTime>
#include <QStringList>
#include <functional>

class QWidget;
class RecoveryFile;
class TF_1;

// What start-up does once the windows exist.
namespace wizard {

// Asked once for each recovery file left by a program that did not end cleanly, newest
// first; true: restore it.
using RestoreQuestion = std::function<bool(const QDateTime& written)>;

// Offers what an earlier run left unsaved, then opens the file named on the command line
// (after asking, when restored entries would be left). Returns whether entries were restored.
bool ResumeWork(TF_1& window, RecoveryFile& recovery, const QStringList& arguments,
                const RestoreQuestion& ask);

// "Восстановить несохранённую проверку от 10.12.2026 16:05?"
QString RestoreQuestionText(const QDateTime& written);
// The question in a message box with "Да" and "Нет".
bool AskToRestore(QWidget* parent, const QDateTime& written);

} // namespace wizard
