#include "TCli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

QtMessageHandler QtHandler = nullptr;

// A command's stderr carries its own messages, one a line, for scripts to
// read. Without a login session (cron, a root shell) Qt says at start-up that
// it has no runtime folder, which no command uses.
void DropRuntimeFolderNotice(QtMsgType Type, const QMessageLogContext &Context, const QString &Message)
{
    if (Type == QtWarningMsg && Message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    QtHandler(Type, Context, Message);
}

} // namespace

int main(int argc, char *argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);
    QtHandler = qInstallMessageHandler(DropRuntimeFolderNotice);
    // Rendering a report needs fonts, and so a QGuiApplication; the offscreen
    // platform gives it one without a display. Every other command runs on
    // QtCore alone.
    std::unique_ptr<QCoreApplication> Owner;
    if (argc > 1
        && (std::strcmp(argv[1], "report") == 0 || std::strcmp(argv[1], "print") == 0
            || std::strcmp(argv[1], "printers") == 0 || std::strcmp(argv[1], "labels") == 0)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        Owner = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        Owner = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication &App = *Owner;
    QTextStream Out(stdout);
    QTextStream Err(stderr);
    return TCli(Out, Err).Run(App.arguments());
}
