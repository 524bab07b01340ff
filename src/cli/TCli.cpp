#include "TCli.h"

#include "AppInfo.h"

#include <QTextStream>

TCli::TCli(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

int TCli::Run(const QStringList &Args)
{
    const QString Command = Args.value(1);
    if (Command == QLatin1String("--help") || Command == QLatin1String("-h"))
        return Help();
    if (Command == QLatin1String("--version")) {
        FOut << "qmrk-w2-cli " << AppVersion() << " (" << AppTitle() << ")\n";
        return 0;
    }
    if (Command.isEmpty())
        return Usage(QStringLiteral("no command given"));
    return Usage(QStringLiteral("unknown command '%1'").arg(Command));
}

int TCli::Help()
{
    FOut << "Usage: qmrk-w2-cli COMMAND [ARGUMENTS]\n\n"
         << AppTitle() << ": Forms W-2 and W-3 for tax year 2025, without a display.\n\n"
         << "Commands:\n"
            "  --help       show this text\n"
            "  --version    show the program's version\n";
    return 0;
}

int TCli::Usage(const QString &Problem)
{
    FErr << "qmrk-w2-cli: " << Problem << "\nTry 'qmrk-w2-cli --help'.\n";
    return 2;
}
