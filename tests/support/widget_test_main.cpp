// Entry point of every widget test: an offscreen application in a Russian locale, so that
// the tests see the separator "," and the date format dd.MM.yyyy whatever the machine's
// environment, with the look the program itself sets.
#include "wizard/application.h"

#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    wizard::Application app(argc, argv);
    wizard::ApplyApplicationLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
