#include "TExpectedLine.h"

TExpectedLine::TExpectedLine()
    : FLine(512, ' ')
{
}

TExpectedLine &TExpectedLine::At(int Position, const QByteArray &Value)
{
    Q_ASSERT(Position >= 1 && Position - 1 + Value.size() <= FLine.size());
    FLine.replace(Position - 1, Value.size(), Value);
    return *this;
}

TExpectedLine &TExpectedLine::Zeros(int Position, int Width)
{
    return At(Position, QByteArray(Width, '0'));
}

QString LineDifference(const QString &Actual, const QByteArray &Expected)
{
    const QByteArray Bytes = Actual.toLatin1();
    if (Bytes == Expected && Actual.size() == Expected.size())
        return QString();
    if (Actual.size() != Expected.size())
        return QStringLiteral("length %1, expected %2").arg(Actual.size()).arg(Expected.size());
    int At = 0;
    while (At < Bytes.size() && Bytes.at(At) == Expected.at(At))
        ++At;
    return QStringLiteral("first difference at position %1: got \"%2\", expected \"%3\"")
        .arg(At + 1)
        .arg(QString::fromLatin1(Bytes.mid(At, 20)), QString::fromLatin1(Expected.mid(At, 20)));
}
