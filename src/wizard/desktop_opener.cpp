#include "wizard/desktop_opener.h"

#include <QObject>
#include <memory>

#ifdef Q_OS_WIN
#include <QDesktopServices>
#include <QUrl>
#else
#include <QProcess>
#include <csignal>
#endif

namespace wizard {

#ifdef Q_OS_WIN

void OpenOnDesktop(const QString& path, QObject*, OpenVerdict verdict, const QString&) {
    // ShellExecute answers whether an application took the file before it returns.
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (verdict)
        verdict(opened);
}

#else

void OpenOnDesktop(const QString& path, QObject* context, OpenVerdict verdict,
                   const QString& program) {
    // A child of the context: it goes with the window, and no verdict comes after that.
    auto* process = new QProcess(context);
    process->setProgram(program);
    process->setArguments({path});
    // What the opener says goes where the program's own messages go; the application it
    // starts reads nothing from us.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
#ifdef SIGXFSZ
    // Ignored signals pass on to the programs started; the word processor gets the default
    // that the program's start-up set aside for itself.
    process->setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
#endif
    // A process that fails to start reports both an error and, sometimes, a finish: one
    // verdict only.
    auto answer = [process, verdict = std::move(verdict),
                   answered = std::make_shared<bool>(false)](bool opened) {
        if (*answered)
            return;
        *answered = true;
        process->deleteLater();
        if (verdict)
            verdict(opened);
    };
    QObject::connect(process, &QProcess::finished, process,
                     [answer](int exitCode, QProcess::ExitStatus exitStatus) {
                         answer(exitStatus == QProcess::NormalExit && exitCode == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [answer](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             answer(false);
                     });
    process->start();
}

#endif

} // namespace wizard
