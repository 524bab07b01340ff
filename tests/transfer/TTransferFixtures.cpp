#include "TTransferFixtures.h"

#include "TRecordBytes.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace TTransferFixtures {

namespace {

    // A stored (scrambled) password: its bytes are carried as they are.
    const QByteArray StoredPassword("Ps\x8F\xE9q\x01Z", 7);

    QByteArray Digits(int I)
    {
        return QByteArray::number(I).rightJustified(2, '0');
    }

} // namespace

QByteArray OldEmployer(const QByteArray &Name)
{
    return TRecordBytes(608)
        .PutStr(0, "CN-77TAILX", 5)
        .PutFlag(11, 1)
        .PutFlag(16, 1)
        .PutFlag(19, 1)
        .PutFlag(22, 1)
        .PutFlag(23, 1) // third-party sick pay
        .PutInt32(24, 12)
        .PutStr(28, "0042")
        .PutStr(33, "12-3456789")
        .PutStr(44, Name.leftJustified(40, '.'), 250)
        .PutStr(85, "ACME HARDWARE", 4)
        .PutStr(126, "1 MAIN ST")
        .PutStr(149, "SPRINGFIELD")
        .PutStr(172, "IL")
        .PutStr(175, "62701-1234")
        .PutStr(186, "SPRINGFIELD IL 62701-1234")
        .PutStr(223, "98-7654321")
        .Fill(234, 6, char(0xA5))
        .PutMoney(240, 123456.78)
        .PutMoney(248, 12345.67)
        .PutMoney(256, 120000.0)
        .PutMoney(264, 7440.0)
        .PutMoney(280, 1790.12)
        .PutMoney(304, 9.99)
        .PutMoney(328, 500.0)
        .Fill(336, 8, char(0xFF))
        .PutStr(344, "SICK PAY")
        .Fill(375, 1, char(0x5A))
        .PutMoney(376, 25.5)
        .PutStr(384, "IL", 200)
        .PutStr(387, "123456789012")
        .PutMoney(400, 99000.0)
        .PutMoney(424, 12.34)
        .PutStr(432, "PAT SMITH", 3)
        .PutStr(463, "217-555-0100")
        .PutStr(476, "pat@acme.example")
        .PutStr(517, "217-555-0101")
        .PutStr(530, "PAT SMITH")
        .PutStr(561, "OWNER")
        .PutStr(582, "01/31/2025")
        .PutStr(593, StoredPassword)
        .PutFlag(606, 1)
        .Fill(607, 1, char(0x77));
}

QByteArray NewEmployer(const QByteArray &Name)
{
    return TRecordBytes(608)
        .PutStr(0, "CN-77")
        .PutFlag(11, 1)
        .PutFlag(16, 1)
        .PutFlag(19, 1)
        .PutFlag(22, 1)
        .PutStr(28, "0042")
        .PutStr(33, "12-3456789")
        .PutStr(44, Name.leftJustified(40, '.'))
        .PutStr(85, "ACME")
        .PutStr(126, "1 MAIN ST")
        .PutStr(149, "SPRINGFIELD")
        .PutStr(172, "IL")
        .PutStr(175, "62701-1234")
        .PutStr(186, "SPRINGFIELD IL 62701-1234")
        .PutStr(384, "IL")
        .PutStr(387, "123456789012")
        .PutStr(432, "PAT")
        .PutStr(463, "217-555-0100")
        .PutStr(476, "pat@acme.example")
        .PutStr(517, "217-555-0101")
        .PutStr(530, "PAT SMITH")
        .PutStr(561, "OWNER")
        .PutStr(593, StoredPassword);
}

QByteArray OldEmployee(int I)
{
    if (I == 2)
        return TRecordBytes(480);
    TRecordBytes Record(480);
    Record.PutStr(0, "123-45-67" + Digits(I))
        .PutStr(12, "E-" + Digits(I) + "OLDOLD", 4)
        .PutStr(23, "ANNABELLE", 3)
        .PutStr(39, "LEE-" + Digits(I))
        .PutStr(55, "JR")
        .PutStr(59, "2 OAK ST")
        .PutStr(82, "AUSTIN")
        .PutStr(105, "TX")
        .PutStr(108, "78702")
        .PutStr(119, "AUSTIN TX 78702")
        .Fill(156, 4, char(0xEE))
        .PutMoney(160, 50000.0 + I)
        .PutMoney(168, 5000.0)
        .PutMoney(176, 50000.0)
        .PutMoney(184, 3100.0)
        .PutMoney(192, 50000.0)
        .PutMoney(200, 725.0)
        .PutStr(224, "BOX 9 TEXT")
        .PutMoney(248, 1000.0)
        .PutStr(264, "DD")
        .PutStr(267, "W")
        .PutMoney(280, 4321.0)
        .PutFlag(312, 1)
        .PutFlag(313, 1)
        .PutStr(315, "UNION")
        .PutMoney(344, 120.0)
        .PutStr(368, "TX")
        .PutStr(374, "987654321098")
        .PutMoney(400, 50000.0)
        .PutMoney(416, 1500.0)
        .PutMoney(448, 80.0)
        .PutStr(464, "AUSTIN")
        .Fill(478, 2, char(0x11));
    if (I == 5)
        Record.PutStr(23, "ABCDEFGHIJKLMNO", 99); // length byte over the slot's 15
    if (I == 7)
        Record.PutStr(105, "TX", 255);
    return Record;
}

QByteArray NewEmployee(int I)
{
    if (I == 2)
        return TRecordBytes(480);
    TRecordBytes Record(480);
    Record.PutStr(0, "123-45-67" + Digits(I))
        .PutStr(12, "E-" + Digits(I))
        .PutStr(23, I == 5 ? "ABCDEFGHIJKLMNO" : "ANN")
        .PutStr(39, "LEE-" + Digits(I))
        .PutStr(55, "JR")
        .PutStr(59, "2 OAK ST")
        .PutStr(82, "AUSTIN")
        .PutStr(105, "TX")
        .PutStr(108, "78702")
        .PutStr(119, "AUSTIN TX 78702");
    return Record;
}

void WriteOldCompany(
    const QString &Folder, const QString &W3Name, const QString &W2Name, int Count, bool Tail)
{
    QDir().mkpath(Folder);
    const QByteArray Name = QFileInfo(W3Name).completeBaseName().toUpper().toLatin1() + " HARDWARE";
    TRecordBytes::WriteFile(Folder + QLatin1Char('/') + W3Name, { OldEmployer(Name) });
    QList<QByteArray> Employees;
    for (int I = 0; I < Count; ++I)
        Employees.append(OldEmployee(I));
    TRecordBytes::WriteFile(
        Folder + QLatin1Char('/') + W2Name, Employees, Tail ? QByteArray("PARTIAL") : QByteArray());
}

QByteArray NewEmployeeFile(int Count)
{
    QByteArray File;
    for (int I = 0; I < Count; ++I)
        File += NewEmployee(I);
    return File;
}

QMap<QString, QString> Fingerprint(const QString &Folder)
{
    QMap<QString, QString> Result;
    for (const QFileInfo &Entry :
        QDir(Folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QByteArray Hash = Entry.isFile()
            ? QCryptographicHash::hash(TRecordBytes::ReadFile(Entry.filePath()), QCryptographicHash::Sha256)
                  .toHex()
            : QByteArray("<not a file>");
        Result.insert(Entry.fileName(),
            QStringLiteral("%1 %2 %3 %4")
                .arg(QString::fromLatin1(Hash))
                .arg(Entry.size())
                .arg(Entry.lastModified().toMSecsSinceEpoch())
                .arg(int(Entry.permissions()), 0, 16));
    }
    return Result;
}

QStringList FilesIn(const QString &Folder)
{
    return QDir(Folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace TTransferFixtures
