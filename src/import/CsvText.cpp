#include "CsvText.h"

#include "AnsiCodePage.h"

#include <QStringDecoder>

#include <algorithm>

QString DecodeCsvText(const QByteArray &Bytes)
{
    QByteArrayView Body(Bytes);
    if (Body.startsWith("\xEF\xBB\xBF"))
        Body = Body.sliced(3);
    QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString Text = Utf8.decode(Body);
    if (!Utf8.hasError())
        return Text;
    return FromAnsi(Body);
}

namespace {

// Reads one record from Pos; Pos ends after its line end.
bool ReadRecord(const QString &Text, qsizetype &Pos, QStringList &Fields, QString &Error)
{
    const qsizetype End = Text.size();
    QString Field;
    for (;;) {
        if (Pos < End && Text[Pos] == QLatin1Char('"')) {
            ++Pos;
            for (;;) {
                if (Pos >= End) {
                    Error = QStringLiteral("a quoted field is not closed");
                    return false;
                }
                const QChar Ch = Text[Pos++];
                if (Ch == QLatin1Char('"')) {
                    if (Pos < End && Text[Pos] == QLatin1Char('"')) {
                        Field.append(QLatin1Char('"'));
                        ++Pos;
                        continue;
                    }
                    break;
                }
                Field.append(Ch);
            }
            if (Pos < End && Text[Pos] != QLatin1Char(',') && Text[Pos] != QLatin1Char('\r')
                && Text[Pos] != QLatin1Char('\n')) {
                Error = QStringLiteral("text follows a closing quote");
                return false;
            }
        } else {
            while (Pos < End && Text[Pos] != QLatin1Char(',') && Text[Pos] != QLatin1Char('\r')
                && Text[Pos] != QLatin1Char('\n')) {
                if (Text[Pos] == QLatin1Char('"')) {
                    Error = QStringLiteral("a quote stands inside a field that is not quoted");
                    return false;
                }
                Field.append(Text[Pos++]);
            }
        }
        Fields.append(Field);
        Field.clear();
        if (Pos < End && Text[Pos] == QLatin1Char(',')) {
            ++Pos;
            continue;
        }
        if (Pos < End && Text[Pos] == QLatin1Char('\r'))
            ++Pos;
        if (Pos < End && Text[Pos] == QLatin1Char('\n'))
            ++Pos;
        return true;
    }
}

} // namespace

bool ParseCsv(const QString &Text, QList<TCsvRecord> &Records, int &Row, QString &Error)
{
    Records.clear();
    qsizetype Pos = 0;
    Row = 0;
    while (Pos < Text.size()) {
        ++Row;
        TCsvRecord Record;
        Record.Row = Row;
        if (!ReadRecord(Text, Pos, Record.Fields, Error))
            return false;
        Records.append(Record);
    }
    return true;
}

QString CsvField(const QString &Field)
{
    static const QString Special = QStringLiteral(",\"\r\n");
    if (std::none_of(Field.cbegin(), Field.cend(), [](QChar Ch) { return Special.contains(Ch); }))
        return Field;
    QString Quoted = Field;
    Quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + Quoted + QLatin1Char('"');
}
