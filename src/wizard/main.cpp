#include "protocol/tf_progress.h"
#include "wizard/application.h"
#include "wizard/tf_1.h"
#include "wizard/tf_about.h"

#include <QLocale>

int main(int argc, char** argv) {
    wizard::SetUpProcess();
    wizard::Application app(argc, argv);
    QLocale::setDefault(QLocale::system());
    wizard::ApplyApplicationLook(app);

    // Created once each, in this order; the main window first, shown centred.
    TF_1 F_1;
    F_1.show();
    TF_progress F_progress(&F_1);
    Tf_about f_about(&F_1);
    F_1.SetProgressWindow(&F_progress);
    F_1.SetAboutWindow(&f_about);

    return app.exec();
}
