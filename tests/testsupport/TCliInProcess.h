#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// qmrk-w2-cli's work run inside the test process, with what it writes kept:
// as text (QString) or as the UTF-8 bytes a terminal would get (QByteArray).
namespace TCliInProcess {

template <typename TText> struct TRun {
    int Code = -1;
    TText Out;
    TText Err;
};

// Args come after the program name. Provided for QString and QByteArray.
template <typename TText = QString> TRun<TText> RunCli(const QStringList &Args);

} // namespace TCliInProcess
