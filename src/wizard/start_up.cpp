#include "wizard/start_up.h"

#include "common/failure_text.h"
#include "common/qt_text.h"
#include "common/utf8_path.h"
#include "wizard/inspection_file.h"
#include "wizard/recovery_file.h"
#include "wizard/tf_1.h"

#include <QMessageBox>
#include <QPushButton>

namespace wizard {

bool ResumeWork(TF_1& window, RecoveryFile& recovery, const QStringList& arguments,
                const RestoreQuestion& ask) {
    bool restored = false;
    for (const RecoveryFile::Left& left : recovery.LeftBehind()) {
        const InspectionRead read =
            LoadInspectionFile(common::PathFromQString(left.path));
        // A recovery file cut short by a crash in the middle of its writing cannot be, as it
        // is replaced whole; one that still cannot be read helps nobody.
        if (!read.inspection) {
            recovery.Discard(left);
            continue;
        }
        if (!ask || !ask(left.written)) {
            recovery.Discard(left);
            continue;
        }
        window.ShowRestored(*read.inspection, QString::fromStdString(read.file));
        recovery.Adopt(left);
        restored = true;
        break;
    }
    recovery.Release();
    if (arguments.size() > 1 && window.MayLeaveInspection())
        window.OpenInspectionFile(arguments.at(1));
    return restored;
}

QString RestoreQuestionText(const QDateTime& written) {
    return QStringLiteral("Восстановить несохранённую проверку от %1?")
        .arg(written.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}

bool AskToRestore(QWidget* parent, const QDateTime& written) {
    QMessageBox box(QMessageBox::Question, common::ToQString(common::ApplicationTitle),
                    RestoreQuestionText(written), QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace wizard
