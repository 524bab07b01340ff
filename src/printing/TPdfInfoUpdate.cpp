#include "TPdfInfoUpdate.h"

#include "EReportException.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

[[noreturn]] void Fail(const QString &FileName, const QString &Problem)
{
    throw EReportException(
        QStringLiteral("The PDF file %1 could not be completed: %2.").arg(FileName, Problem));
}

// The last trailer dictionary and the offset of the last cross-reference section.
struct TTrailer {
    QByteArray Dictionary;
    qint64 StartXref = -1;
};

TTrailer LastTrailer(const QByteArray &Tail, const QString &FileName)
{
    TTrailer Result;
    const qsizetype Start = Tail.lastIndexOf("startxref");
    const qsizetype TrailerAt = Tail.lastIndexOf("trailer");
    if (Start < 0 || TrailerAt < 0 || TrailerAt > Start)
        Fail(FileName, QStringLiteral("its trailer cannot be found"));
    bool Ok = false;
    Result.StartXref = Tail.mid(Start + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&Ok);
    if (!Ok)
        Fail(FileName, QStringLiteral("its cross-reference offset cannot be read"));
    Result.Dictionary = Tail.mid(TrailerAt + 7, Start - TrailerAt - 7);
    return Result;
}

QByteArray Entry(const QByteArray &Dictionary, const char *Pattern)
{
    const QRegularExpression Expression(QString::fromLatin1(Pattern));
    const QRegularExpressionMatch Match = Expression.match(QString::fromLatin1(Dictionary));
    return Match.hasMatch() ? Match.captured(0).toLatin1() : QByteArray();
}

} // namespace

QByteArray TPdfInfoUpdate::TextString(const QString &Text)
{
    bool Ascii = true;
    for (const QChar Ch : Text)
        Ascii = Ascii && Ch.unicode() >= 0x20 && Ch.unicode() < 0x7F;
    if (Ascii) {
        QByteArray Result = "(";
        for (const QChar Ch : Text) {
            if (Ch == QLatin1Char('(') || Ch == QLatin1Char(')') || Ch == QLatin1Char('\\'))
                Result += '\\';
            Result += char(Ch.unicode());
        }
        return Result + ")";
    }
    QByteArray Result = "<FEFF";
    for (const QChar Ch : Text)
        Result += QByteArray::number(Ch.unicode(), 16).rightJustified(4, '0').toUpper();
    return Result + ">";
}

void TPdfInfoUpdate::Apply(QByteArray &Pdf, const TPdfDocInfo &Info, const QString &FileName)
{
    const qint64 Size = Pdf.size();
    const TTrailer Trailer = LastTrailer(Pdf.right(4096), FileName);
    bool Ok = false;
    const int ObjectCount = Entry(Trailer.Dictionary, "/Size\\s+\\d+").mid(5).trimmed().toInt(&Ok);
    const QByteArray Root = Entry(Trailer.Dictionary, "/Root\\s+\\d+\\s+\\d+\\s+R");
    if (!Ok || Root.isEmpty())
        Fail(FileName, QStringLiteral("its trailer lacks the object count or the catalogue"));
    const QByteArray Id = Entry(Trailer.Dictionary, "/ID\\s*\\[[^\\]]*\\]");
    const QByteArray Created = "(D:"
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";

    // The new dictionary starts on a line of its own after the old %%EOF.
    QByteArray Update = "\n";
    const qint64 ObjectOffset = Size + Update.size();
    const QByteArray Number = QByteArray::number(ObjectCount);
    Update += Number + " 0 obj\n<<\n/Title " + TextString(Info.Title) + "\n/Author " + TextString(Info.Author)
        + "\n/Subject " + TextString(Info.Subject) + "\n/Creator " + TextString(Info.Creator) + "\n/Producer "
        + TextString(Info.Producer) + "\n/CreationDate " + Created + "\n>>\nendobj\n";
    const qint64 XrefOffset = Size + Update.size();
    Update += "xref\n" + Number + " 1\n" + QByteArray::number(ObjectOffset).rightJustified(10, '0')
        + " 00000 n \ntrailer\n<<\n/Size " + QByteArray::number(ObjectCount + 1) + "\n" + Root + "\n/Info "
        + Number + " 0 R\n/Prev " + QByteArray::number(Trailer.StartXref) + "\n"
        + (Id.isEmpty() ? QByteArray() : Id + "\n") + ">>\nstartxref\n" + QByteArray::number(XrefOffset)
        + "\n%%EOF\n";
    Pdf += Update;
}
