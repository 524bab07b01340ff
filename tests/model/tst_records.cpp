#include "AnsiCodePage.h"
#include "CompanyFiles.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "QmrkTestMain.h"
#include "TRecordBytes.h"

#include <functional>
#include <span>

namespace {

// The record layouts written out again from the file format's tables, so the
// program's own tables and accessors are checked against them, not against
// themselves. Type: 'S' Str[n], 'M' money, 'F' flag, 'I' int32.
struct TLayoutRow {
    const char *Name;
    int Offset;
    char Type;
    int N;
};

const TLayoutRow EmployerRows[] = {
    { "EmployerControlNumber", 0, 'S', 10 },
    { "KindOfPayer941", 11, 'F', 1 },
    { "KindOfPayerMilitary", 12, 'F', 1 },
    { "KindOfPayer943", 13, 'F', 1 },
    { "KindOfPayer944", 14, 'F', 1 },
    { "KindOfPayerCT1", 15, 'F', 1 },
    { "KindOfPayerHousehold", 16, 'F', 1 },
    { "KindOfPayerMedicareGovt", 17, 'F', 1 },
    { "KindOfEmployerNoneApply", 18, 'F', 1 },
    { "KindOfEmployer501cNonGovt", 19, 'F', 1 },
    { "KindOfEmployerStateLocalNon501c", 20, 'F', 1 },
    { "KindOfEmployerStateLocal501c", 21, 'F', 1 },
    { "KindOfEmployerFederalGovt", 22, 'F', 1 },
    { "ThirdPartySickPay", 23, 'F', 1 },
    { "FormsW2Count", 24, 'I', 4 },
    { "EstablishmentNumber", 28, 'S', 4 },
    { "EmployerEIN", 33, 'S', 10 },
    { "EmployerName", 44, 'S', 40 },
    { "EmployerTradeName", 85, 'S', 40 },
    { "EmployerAddress", 126, 'S', 22 },
    { "EmployerCity", 149, 'S', 22 },
    { "EmployerState", 172, 'S', 2 },
    { "EmployerZipCode", 175, 'S', 10 },
    { "EmployerCityStateZip", 186, 'S', 36 },
    { "OtherEIN", 223, 'S', 10 },
    { "TotalWages", 240, 'M', 8 },
    { "TotalFedIncomeTax", 248, 'M', 8 },
    { "TotalSocSecWages", 256, 'M', 8 },
    { "TotalSocSecTax", 264, 'M', 8 },
    { "TotalMedicareWages", 272, 'M', 8 },
    { "TotalMedicareTax", 280, 'M', 8 },
    { "TotalSocSecTips", 288, 'M', 8 },
    { "TotalAllocatedTips", 296, 'M', 8 },
    { "TotalBox9", 304, 'M', 8 },
    { "TotalDependentCare", 312, 'M', 8 },
    { "TotalNonqualifiedPlans", 320, 'M', 8 },
    { "TotalDeferredComp", 328, 'M', 8 },
    { "SickPayText", 344, 'S', 30 },
    { "SickPayTaxWithheld", 376, 'M', 8 },
    { "Box15State", 384, 'S', 2 },
    { "EmployerStateID", 387, 'S', 12 },
    { "TotalStateWages", 400, 'M', 8 },
    { "TotalStateTax", 408, 'M', 8 },
    { "TotalLocalWages", 416, 'M', 8 },
    { "TotalLocalTax", 424, 'M', 8 },
    { "ContactPerson", 432, 'S', 30 },
    { "ContactPhone", 463, 'S', 12 },
    { "ContactEmail", 476, 'S', 40 },
    { "ContactFax", 517, 'S', 12 },
    { "SignerName", 530, 'S', 30 },
    { "SignerTitle", 561, 'S', 20 },
    { "SignatureDate", 582, 'S', 10 },
    { "FilePassword", 593, 'S', 12 },
    { "FinalReturn", 606, 'F', 1 },
};

const TLayoutRow EmployeeRows[] = {
    { "EmployeeSSN", 0, 'S', 11 },
    { "ControlNumber", 12, 'S', 10 },
    { "FirstName", 23, 'S', 15 },
    { "LastName", 39, 'S', 15 },
    { "Suffix", 55, 'S', 3 },
    { "StreetAddress", 59, 'S', 22 },
    { "City", 82, 'S', 22 },
    { "State", 105, 'S', 2 },
    { "ZipCode", 108, 'S', 10 },
    { "CityStateZip", 119, 'S', 36 },
    { "Box1Wages", 160, 'M', 8 },
    { "Box2FedIncomeTax", 168, 'M', 8 },
    { "Box3SocSecWages", 176, 'M', 8 },
    { "Box4SocSecTax", 184, 'M', 8 },
    { "Box5MedicareWages", 192, 'M', 8 },
    { "Box6MedicareTax", 200, 'M', 8 },
    { "Box7SocSecTips", 208, 'M', 8 },
    { "Box8AllocatedTips", 216, 'M', 8 },
    { "Box9Text", 224, 'S', 23 },
    { "Box10DependentCare", 248, 'M', 8 },
    { "Box11NonqualifiedPlans", 256, 'M', 8 },
    { "Box12Code_a", 264, 'S', 2 },
    { "Box12Code_b", 267, 'S', 2 },
    { "Box12Code_c", 270, 'S', 2 },
    { "Box12Code_d", 273, 'S', 2 },
    { "Box12Amt_a", 280, 'M', 8 },
    { "Box12Amt_b", 288, 'M', 8 },
    { "Box12Amt_c", 296, 'M', 8 },
    { "Box12Amt_d", 304, 'M', 8 },
    { "Box13Statutory", 312, 'F', 1 },
    { "Box13Retirement", 313, 'F', 1 },
    { "Box13SickPay", 314, 'F', 1 },
    { "Box14Desc_a", 315, 'S', 8 },
    { "Box14Desc_b", 324, 'S', 8 },
    { "Box14Desc_c", 333, 'S', 8 },
    { "Box14Amt_a", 344, 'M', 8 },
    { "Box14Amt_b", 352, 'M', 8 },
    { "Box14Amt_c", 360, 'M', 8 },
    { "Box15State_a", 368, 'S', 2 },
    { "Box15State_b", 371, 'S', 2 },
    { "StateID_a", 374, 'S', 12 },
    { "StateID_b", 387, 'S', 12 },
    { "Box16StateWages_a", 400, 'M', 8 },
    { "Box16StateWages_b", 408, 'M', 8 },
    { "Box17StateTax_a", 416, 'M', 8 },
    { "Box17StateTax_b", 424, 'M', 8 },
    { "Box18LocalWages_a", 432, 'M', 8 },
    { "Box18LocalWages_b", 440, 'M', 8 },
    { "Box19LocalTax_a", 448, 'M', 8 },
    { "Box19LocalTax_b", 456, 'M', 8 },
    { "Box20Locality_a", 464, 'S', 6 },
    { "Box20Locality_b", 471, 'S', 6 },
};

// Filler and reserved bytes: offset and count.
const QList<QPair<int, int>> EmployerFiller = { { 234, 6 }, { 336, 8 }, { 375, 1 }, { 607, 1 } };
const QList<QPair<int, int>> EmployeeFiller = { { 156, 4 }, { 276, 4 }, { 342, 2 }, { 478, 2 } };

// Reads or writes one field through the record class's own accessors.
struct TAccessor {
    std::function<QVariant(const QByteArray &)> Get;
    std::function<QByteArray(const QByteArray &, const QVariant &)> Set;
};

template <typename TRecord, typename TValue>
TAccessor MakeAccessor(TValue (TRecord::*Getter)() const,
    void (TRecord::*Setter)(std::conditional_t<std::is_same_v<TValue, QString>, const QString &, TValue>))
{
    return { [Getter](const QByteArray &Bytes) {
                return QVariant::fromValue((TRecord::FromBytes(Bytes).*Getter)());
            },
        [Setter](const QByteArray &Bytes, const QVariant &Value) {
            TRecord Record = TRecord::FromBytes(Bytes);
            (Record.*Setter)(Value.value<TValue>());
            return Record.Bytes();
        } };
}

#define W3(Name)                                                                                             \
    {                                                                                                        \
        QStringLiteral(#Name), MakeAccessor(&EmployerRecord::Name, &EmployerRecord::Set##Name)               \
    }
#define W2(Name)                                                                                             \
    {                                                                                                        \
        QStringLiteral(#Name), MakeAccessor(&EmployeeRecord::Name, &EmployeeRecord::Set##Name)               \
    }

const QHash<QString, TAccessor> &EmployerAccessors()
{
    static const QHash<QString, TAccessor> Map = {
        W3(EmployerControlNumber),
        W3(KindOfPayer941),
        W3(KindOfPayerMilitary),
        W3(KindOfPayer943),
        W3(KindOfPayer944),
        W3(KindOfPayerCT1),
        W3(KindOfPayerHousehold),
        W3(KindOfPayerMedicareGovt),
        W3(KindOfEmployerNoneApply),
        W3(KindOfEmployer501cNonGovt),
        W3(KindOfEmployerStateLocalNon501c),
        W3(KindOfEmployerStateLocal501c),
        W3(KindOfEmployerFederalGovt),
        W3(ThirdPartySickPay),
        W3(FormsW2Count),
        W3(EstablishmentNumber),
        W3(EmployerEIN),
        W3(EmployerName),
        W3(EmployerTradeName),
        W3(EmployerAddress),
        W3(EmployerCity),
        W3(EmployerState),
        W3(EmployerZipCode),
        W3(EmployerCityStateZip),
        W3(OtherEIN),
        W3(TotalWages),
        W3(TotalFedIncomeTax),
        W3(TotalSocSecWages),
        W3(TotalSocSecTax),
        W3(TotalMedicareWages),
        W3(TotalMedicareTax),
        W3(TotalSocSecTips),
        W3(TotalAllocatedTips),
        W3(TotalBox9),
        W3(TotalDependentCare),
        W3(TotalNonqualifiedPlans),
        W3(TotalDeferredComp),
        W3(SickPayText),
        W3(SickPayTaxWithheld),
        W3(Box15State),
        W3(EmployerStateID),
        W3(TotalStateWages),
        W3(TotalStateTax),
        W3(TotalLocalWages),
        W3(TotalLocalTax),
        W3(ContactPerson),
        W3(ContactPhone),
        W3(ContactEmail),
        W3(ContactFax),
        W3(SignerName),
        W3(SignerTitle),
        W3(SignatureDate),
        W3(FilePassword),
        W3(FinalReturn),
    };
    return Map;
}

const QHash<QString, TAccessor> &EmployeeAccessors()
{
    static const QHash<QString, TAccessor> Map = {
        W2(EmployeeSSN),
        W2(ControlNumber),
        W2(FirstName),
        W2(LastName),
        W2(Suffix),
        W2(StreetAddress),
        W2(City),
        W2(State),
        W2(ZipCode),
        W2(CityStateZip),
        W2(Box1Wages),
        W2(Box2FedIncomeTax),
        W2(Box3SocSecWages),
        W2(Box4SocSecTax),
        W2(Box5MedicareWages),
        W2(Box6MedicareTax),
        W2(Box7SocSecTips),
        W2(Box8AllocatedTips),
        W2(Box9Text),
        W2(Box10DependentCare),
        W2(Box11NonqualifiedPlans),
        W2(Box12Code_a),
        W2(Box12Code_b),
        W2(Box12Code_c),
        W2(Box12Code_d),
        W2(Box12Amt_a),
        W2(Box12Amt_b),
        W2(Box12Amt_c),
        W2(Box12Amt_d),
        W2(Box13Statutory),
        W2(Box13Retirement),
        W2(Box13SickPay),
        W2(Box14Desc_a),
        W2(Box14Desc_b),
        W2(Box14Desc_c),
        W2(Box14Amt_a),
        W2(Box14Amt_b),
        W2(Box14Amt_c),
        W2(Box15State_a),
        W2(Box15State_b),
        W2(StateID_a),
        W2(StateID_b),
        W2(Box16StateWages_a),
        W2(Box16StateWages_b),
        W2(Box17StateTax_a),
        W2(Box17StateTax_b),
        W2(Box18LocalWages_a),
        W2(Box18LocalWages_b),
        W2(Box19LocalTax_a),
        W2(Box19LocalTax_b),
        W2(Box20Locality_a),
        W2(Box20Locality_b),
    };
    return Map;
}

bool IsEmployer(const QString &Record)
{
    return Record == QLatin1String("employer");
}

std::span<const TLayoutRow> Rows(const QString &Record)
{
    if (IsEmployer(Record))
        return EmployerRows;
    return EmployeeRows;
}

std::span<const TFieldDef> CodeFields(const QString &Record)
{
    return IsEmployer(Record) ? EmployerRecord::Fields() : EmployeeRecord::Fields();
}

int RecordSize(const QString &Record)
{
    return IsEmployer(Record) ? 608 : 480;
}

const TAccessor &Accessor(const QString &Record, const QString &Name)
{
    const QHash<QString, TAccessor> &Map = IsEmployer(Record) ? EmployerAccessors() : EmployeeAccessors();
    Q_ASSERT(Map.contains(Name));
    return *Map.find(Name);
}

const QList<QPair<int, int>> &Filler(const QString &Record)
{
    return IsEmployer(Record) ? EmployerFiller : EmployeeFiller;
}

// A value for each field that differs from its neighbours' and fills a text.
QVariant SampleValue(const TLayoutRow &Field)
{
    switch (Field.Type) {
    case 'S':
        return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")
            .mid(Field.Offset % 10, Field.N);
    case 'M':
        return 1000.0 + Field.Offset + 0.25;
    case 'F':
        return true;
    default:
        return qint32(-123456789);
    }
}

void PutSample(TRecordBytes &Bytes, const TLayoutRow &Field)
{
    const QVariant Value = SampleValue(Field);
    switch (Field.Type) {
    case 'S':
        Bytes.PutStr(Field.Offset, Value.toString().toLatin1());
        break;
    case 'M':
        Bytes.PutMoney(Field.Offset, Value.toDouble());
        break;
    case 'F':
        Bytes.PutFlag(Field.Offset, 1);
        break;
    default:
        Bytes.PutInt32(Field.Offset, Value.toInt());
    }
}

void AddRecordRows()
{
    QTest::addColumn<QString>("record");
    QTest::newRow("employer") << QStringLiteral("employer");
    QTest::newRow("employee") << QStringLiteral("employee");
}

} // namespace

class TstRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void yearBoundNames_data();
    void yearBoundNames();
    void fieldTable_data();
    void fieldTable();
    void fieldCount_data() { AddRecordRows(); }
    void fieldCount();
    void onlyFillerUncovered_data() { AddRecordRows(); }
    void onlyFillerUncovered();
    void accessors_data();
    void accessors();
    void newRecordsAreZero();
    void shortenedTextKeepsTail_data();
    void shortenedTextKeepsTail();
    void fillerAndReservedKept_data() { AddRecordRows(); }
    void fillerAndReservedKept();
    void windows1252_data();
    void windows1252();
    void codePageBytes_data();
    void codePageBytes();
    void longTextCut_data();
    void longTextCut();
    void lengthByteAboveSlot();
    void flagByteOtherThanOne();
    void moneyBytePattern();
};

void TstRecords::fieldTable_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("index");
    for (const char *Name : { "employer", "employee" }) {
        const QString Record = QLatin1String(Name);
        const std::span<const TLayoutRow> Fields = Rows(Record);
        for (int I = 0; I < int(Fields.size()); ++I)
            QTest::addRow("%s %s", qPrintable(Record), Fields[I].Name) << Record << I;
    }
}

void TstRecords::fieldTable()
{
    QFETCH(QString, record);
    QFETCH(int, index);
    const TLayoutRow &Expected = Rows(record)[index];
    const std::span<const TFieldDef> Fields = CodeFields(record);
    QVERIFY(index < int(Fields.size()));
    const TFieldDef &Field = Fields[index];
    QCOMPARE(QByteArray(Field.Name), QByteArray(Expected.Name));
    QCOMPARE(Field.Offset, Expected.Offset);
    const char Type = Field.Type == TFieldType::Str ? 'S'
        : Field.Type == TFieldType::Money           ? 'M'
        : Field.Type == TFieldType::Flag            ? 'F'
                                                    : 'I';
    QCOMPARE(Type, Expected.Type);
    QCOMPARE(Field.Length, Expected.N);
}

void TstRecords::fieldCount()
{
    QFETCH(QString, record);
    QCOMPARE(CodeFields(record).size(), Rows(record).size());
}

void TstRecords::onlyFillerUncovered()
{
    QFETCH(QString, record);
    QList<int> Uses(RecordSize(record), 0);
    for (const TFieldDef &Field : CodeFields(record))
        for (int I = Field.Offset; I < Field.Offset + Field.Size(); ++I)
            ++Uses[I];
    QList<int> Expected(RecordSize(record), 1);
    for (const auto &[Offset, Count] : Filler(record))
        for (int I = Offset; I < Offset + Count; ++I)
            Expected[I] = 0;
    QCOMPARE(Uses, Expected);
}

void TstRecords::accessors_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("index");
    for (const char *Name : { "employer", "employee" }) {
        const QString Record = QLatin1String(Name);
        const std::span<const TLayoutRow> Fields = Rows(Record);
        for (int I = 0; I < int(Fields.size()); ++I)
            QTest::addRow("%s %s", qPrintable(Record), Fields[I].Name) << Record << I;
    }
}

// Each typed getter reads its value from the field's bytes, and each setter
// writes exactly those bytes into a zero record.
void TstRecords::accessors()
{
    QFETCH(QString, record);
    QFETCH(int, index);
    const TLayoutRow &Field = Rows(record)[index];
    TRecordBytes Fixture(RecordSize(record));
    PutSample(Fixture, Field);
    const TAccessor &Access = Accessor(record, QLatin1String(Field.Name));

    QCOMPARE(Access.Get(Fixture), SampleValue(Field));
    QCOMPARE(Access.Set(QByteArray(RecordSize(record), '\0'), SampleValue(Field)), Fixture.Bytes());
}

void TstRecords::newRecordsAreZero()
{
    QCOMPARE(EmployerRecord().Bytes(), QByteArray(608, '\0'));
    QCOMPARE(EmployeeRecord().Bytes(), QByteArray(480, '\0'));
    QCOMPARE(EmployerRecord().EmployerName(), QString());
    QCOMPARE(EmployeeRecord().Box1Wages(), 0.0);
    QCOMPARE(EmployerRecord().FinalReturn(), false);
    QCOMPARE(EmployerRecord().FormsW2Count(), 0);
}

void TstRecords::shortenedTextKeepsTail_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray Hardware = TRecordBytes(608).PutStr(44, "ACME HARDWARE");
    QTest::newRow("ACME over ACME HARDWARE")
        << QStringLiteral("employer") << QStringLiteral("EmployerName") << Hardware << QStringLiteral("ACME")
        << TRecordBytes(608).PutStr(44, "ACME HARDWARE", 4).Bytes();
    QTest::newRow("ZENITH over ACME HARDWARE")
        << QStringLiteral("employer") << QStringLiteral("EmployerName") << Hardware
        << QStringLiteral("ZENITH") << TRecordBytes(608).PutStr(44, "ZENITHARDWARE", 6).Bytes();
    QTest::newRow("empty over a name") << QStringLiteral("employee") << QStringLiteral("LastName")
                                       << TRecordBytes(480).PutStr(39, "LINDQVIST").Bytes() << QString()
                                       << TRecordBytes(480).PutStr(39, "LINDQVIST", 0).Bytes();
    QTest::newRow("LI over LINDQVIST")
        << QStringLiteral("employee") << QStringLiteral("LastName")
        << TRecordBytes(480).PutStr(39, "LINDQVIST").Bytes() << QStringLiteral("LI")
        << TRecordBytes(480).PutStr(39, "LINDQVIST", 2).Bytes();
}

void TstRecords::shortenedTextKeepsTail()
{
    QFETCH(QString, record);
    QFETCH(QString, field);
    QFETCH(QByteArray, before);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    const TAccessor &Access = Accessor(record, field);
    const QByteArray After = Access.Set(before, value);
    QCOMPARE(After, expected);
    QCOMPARE(Access.Get(After).toString(), value);
}

// A record as another copy of the program may have written it, with every
// filler and reserved byte set, keeps those bytes whatever is changed.
void TstRecords::fillerAndReservedKept()
{
    QFETCH(QString, record);
    TRecordBytes Before(RecordSize(record));
    TRecordBytes Expected(RecordSize(record));
    for (const auto &[Offset, Count] : Filler(record)) {
        Before.Fill(Offset, Count, char(0xA5));
        Expected.Fill(Offset, Count, char(0xA5));
    }
    QByteArray Bytes = Before;
    for (const TLayoutRow &Field : Rows(record)) {
        Bytes = Accessor(record, QLatin1String(Field.Name)).Set(Bytes, SampleValue(Field));
        PutSample(Expected, Field);
    }
    QCOMPARE(Bytes, Expected.Bytes());
}

void TstRecords::windows1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("e acute") << QStringLiteral("Café Olé") << QByteArray("Caf\xE9 Ol\xE9")
                             << QStringLiteral("Café Olé");
    QTest::newRow("euro sign") << QStringLiteral("€ 5") << QByteArray("\x80 5") << QStringLiteral("€ 5");
    QTest::newRow("curly quotes and dash") << QStringLiteral("“A” – B")
                                           << QByteArray("\x93"
                                                         "A\x94 \x96 B")
                                           << QStringLiteral("“A” – B");
    QTest::newRow("Y diaeresis, S caron")
        << QStringLiteral("ŸŠ") << QByteArray("\x9F\x8A") << QStringLiteral("ŸŠ");
    QTest::newRow("Cyrillic has no byte")
        << QStringLiteral("Жук") << QByteArray("???") << QStringLiteral("???");
    QTest::newRow("A macron has no byte")
        << QStringLiteral("Ānd") << QByteArray("?nd") << QStringLiteral("?nd");
    QTest::newRow("emoji is one character")
        << QStringLiteral("a\U0001F600b") << QByteArray("a?b") << QStringLiteral("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QLatin1Char('x') << QByteArray("?x")
                                    << QStringLiteral("?x");
}

void TstRecords::windows1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    EmployerRecord Record;
    Record.SetEmployerName(text);
    QCOMPARE(Record.Bytes(), TRecordBytes(608).PutStr(44, bytes).Bytes());
    QCOMPARE(EmployerRecord::FromBytes(TRecordBytes(608).PutStr(44, bytes)).EmployerName(), readBack);
}

void TstRecords::codePageBytes_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("0x41 A") << 0x41 << 0x41;
    QTest::newRow("0x80 euro") << 0x80 << 0x20AC;
    QTest::newRow("0x82 low quote") << 0x82 << 0x201A;
    QTest::newRow("0x85 ellipsis") << 0x85 << 0x2026;
    QTest::newRow("0x8C OE") << 0x8C << 0x0152;
    QTest::newRow("0x99 trade mark") << 0x99 << 0x2122;
    QTest::newRow("0x9F Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("0xA0 no-break space") << 0xA0 << 0xA0;
    QTest::newRow("0xE9 e acute") << 0xE9 << 0xE9;
    QTest::newRow("0xFF y diaeresis") << 0xFF << 0xFF;
}

void TstRecords::codePageBytes()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QByteArray Byte(1, char(byte));
    QCOMPARE(FromAnsi(Byte), QString(QChar(unicode)));
    QCOMPARE(ToAnsi(QString(QChar(unicode))), Byte);
}

void TstRecords::longTextCut_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::newRow("45-character employer name")
        << QStringLiteral("employer") << QStringLiteral("EmployerName") << 44
        << QStringLiteral("THE VERY LONG NAME OF A COMPANY THAT GOES ON.") << 40;
    QTest::newRow("state of three letters")
        << QStringLiteral("employer") << QStringLiteral("Box15State") << 384 << QStringLiteral("CAL") << 2;
    QTest::newRow("SSN with a digit too many") << QStringLiteral("employee") << QStringLiteral("EmployeeSSN")
                                               << 0 << QStringLiteral("123-45-67890") << 11;
    QTest::newRow("Box 9 text of 30 characters")
        << QStringLiteral("employee") << QStringLiteral("Box9Text") << 224
        << QStringLiteral("123456789012345678901234567890") << 23;
}

// The text is cut to the slot; the field after it is not touched.
void TstRecords::longTextCut()
{
    QFETCH(QString, record);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(QString, text);
    QFETCH(int, n);
    const TAccessor &Access = Accessor(record, field);
    const QByteArray Full(RecordSize(record), char(0x5A));
    const QByteArray After = Access.Set(Full, text);
    QCOMPARE(
        After, TRecordBytes(RecordSize(record), char(0x5A)).PutStr(offset, text.left(n).toLatin1()).Bytes());
    QCOMPARE(Access.Get(After).toString(), text.left(n));
}

// The program never writes a length beyond the slot; a damaged file that has
// one reads as the whole slot, never beyond it.
void TstRecords::lengthByteAboveSlot()
{
    const EmployerRecord Record
        = EmployerRecord::FromBytes(TRecordBytes(608).PutStr(172, "IL", 200).PutStr(175, "62701"));
    QCOMPARE(Record.EmployerState(), QStringLiteral("IL"));
    QCOMPARE(Record.EmployerZipCode(), QStringLiteral("62701"));
}

void TstRecords::flagByteOtherThanOne()
{
    EmployeeRecord Record = EmployeeRecord::FromBytes(TRecordBytes(480).PutFlag(313, 2));
    QCOMPARE(Record.Box13Retirement(), true);
    Record.SetBox13Retirement(true);
    QCOMPARE(Record.Bytes(), TRecordBytes(480).PutFlag(313, 1).Bytes());
    Record.SetBox13Retirement(false);
    QCOMPARE(Record.Bytes(), QByteArray(480, '\0'));
}

// 1.0 and -2.5 as the IEEE 754 bytes, least significant first.
void TstRecords::moneyBytePattern()
{
    const QByteArray One = QByteArray::fromHex("000000000000F03F");
    const QByteArray MinusTwoAndHalf = QByteArray::fromHex("00000000000004C0");
    EmployeeRecord Record;
    Record.SetBox1Wages(1.0);
    Record.SetBox16StateWages_a(-2.5);
    QCOMPARE(Record.Bytes(), TRecordBytes(480).PutBytes(160, One).PutBytes(400, MinusTwoAndHalf).Bytes());
    QCOMPARE(EmployeeRecord::FromBytes(TRecordBytes(480).PutBytes(160, One)).Box1Wages(), 1.0);
}

void TstRecords::yearBoundNames_data()
{
    QTest::addColumn<int>("Year");
    QTest::addColumn<QString>("W2Extension");
    QTest::addColumn<QString>("W3Extension");
    QTest::newRow("this year") << int(TaxYear) << QStringLiteral(".W225") << QStringLiteral(".W325");
    QTest::newRow("last year") << int(TaxYear) - 1 << QStringLiteral(".W224") << QStringLiteral(".W324");
    QTest::newRow("a year ending in 0") << 2030 << QStringLiteral(".W230") << QStringLiteral(".W330");
    QTest::newRow("a leading zero kept") << 2009 << QStringLiteral(".W209") << QStringLiteral(".W309");
}

// Every name bound to the tax year is made from the one value.
void TstRecords::yearBoundNames()
{
    QFETCH(int, Year);
    QFETCH(QString, W2Extension);
    QFETCH(QString, W3Extension);
    QCOMPARE(TaxYear, 2025);
    QCOMPARE(W2FileExtension(Year), W2Extension);
    QCOMPARE(W3FileExtension(Year), W3Extension);
    QCOMPARE(W3FileFor(QStringLiteral("/data/Acme.Co") + W2FileExtension()),
        QStringLiteral("/data/Acme.Co") + W3FileExtension());
    QCOMPARE(VersionText(), QStringLiteral("2025.00"));
    QCOMPARE(AppTitle(), QStringLiteral("Quillmark W-2 2025"));
}

QMRK_TEST_MAIN(TstRecords)
#include "tst_records.moc"
