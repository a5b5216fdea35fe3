#include "wizard/application.h"

#include "common/failure_text.h"
#include "common/messages.h"
#include "common/qt_text.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>
#include <csignal>

// Resources of a static library must be registered by name, outside any namespace.
static void InitResources() {
    static bool registered = false;
    if (!registered) {
        registered = true;
        Q_INIT_RESOURCE(resources);
    }
}

namespace wizard {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    common::RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void SetUpProcess() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void ApplyApplicationLook(QApplication& app) {
    InitResources();
    app.setApplicationName(common::ToQString(common::ApplicationTitle));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    // Close to the 8-point sans serif the forms were laid out in: 11 pixels high. Liberation
    // Sans and Windows' Arial share their metrics, so every text fits the forms alike on both.
#ifdef Q_OS_WIN
    QFont font(QStringLiteral("Arial"));
#else
    QFont font(QStringLiteral("Liberation Sans"));
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    app.setFont(font);
    QIcon icon;
    for (const int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/naporis/fire_cock_%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
}

QPixmap FireCockPicture() {
    InitResources();
    return QPixmap(QStringLiteral(":/naporis/fire_cock_49.png"));
}

} // namespace wizard
