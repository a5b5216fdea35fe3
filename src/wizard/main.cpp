#include "protocol/tf_progress.h"
#include "wizard/application.h"
#include "wizard/recovery_file.h"
#include "wizard/start_up.h"
#include "wizard/tf_1.h"
#include "wizard/tf_about.h"

#include <QLocale>
#include <QStandardPaths>

int main(int argc, char** argv) {
    wizard::SetUpProcess();
    wizard::Application app(argc, argv);
    QLocale::setDefault(QLocale::system());
    wizard::ApplyApplicationLook(app);

    // Unsaved entries are kept in the user's application-data folder while there are any.
    RecoveryFile recovery(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    // Created once each, in this order; the main window first, shown centred.
    TF_1 F_1;
    F_1.SetRecoveryFile(&recovery);
    F_1.show();
    TF_progress F_progress(&F_1);
    Tf_about f_about(&F_1);
    F_1.SetProgressWindow(&F_progress);
    F_1.SetAboutWindow(&f_about);

    // What an earlier run left unsaved, and the file named by the command line or the desktop.
    wizard::ResumeWork(F_1, recovery, app.arguments(), [&F_1](const QDateTime& written) {
        return wizard::AskToRestore(&F_1, written);
    });

    return app.exec();
}
