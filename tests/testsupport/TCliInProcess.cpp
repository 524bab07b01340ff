#include "TCliInProcess.h"

#include "TCli.h"

#include <QIODevice>
#include <QTextStream>

namespace TCliInProcess {

template <typename TText> TRun<TText> RunCli(const QStringList &Args)
{
    TRun<TText> Result;
    QTextStream Out(&Result.Out, QIODevice::WriteOnly);
    QTextStream Err(&Result.Err, QIODevice::WriteOnly);
    Result.Code = TCli(Out, Err).Run(QStringList { QStringLiteral("qmrk-w2-cli") } + Args);
    Out.flush();
    Err.flush();
    return Result;
}

template TRun<QString> RunCli<QString>(const QStringList &Args);
template TRun<QByteArray> RunCli<QByteArray>(const QStringList &Args);

} // namespace TCliInProcess
