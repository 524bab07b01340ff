#include "DateUtils.h"
#include "EConvertError.h"
#include "ECopyFileException.h"
#include "EFileReadException.h"
#include "EmailCheck.h"
#include "FileUtils.h"
#include "IdentifierChecks.h"
#include "MsgBox.h"
#include "NumberUtils.h"
#include "QmrkTestMain.h"
#include "THostileFiles.h"
#include "TScriptedInteraction.h"
#include "TextUtils.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

const QString CopyErrorPrefix = QStringLiteral("The following error occured during the copy file process:\r");

bool WriteFile(const QString &Path, const QByteArray &Bytes)
{
    QFile File(Path);
    return File.open(QIODevice::WriteOnly) && File.write(Bytes) == Bytes.size();
}

QByteArray ReadFile(const QString &Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

QString SystemText(int ErrorNumber)
{
    return QString::fromLocal8Bit(std::strerror(ErrorNumber));
}

} // namespace

class TestCommonUtils : public QObject {
    Q_OBJECT

private:
    TScriptedInteraction Interaction;

private Q_SLOTS:
    void init();
    void cleanup();

    void ssn_data();
    void ssn();
    void maskSsn_data();
    void maskSsn();
    void ein_data();
    void ein();
    void everyInvalidEinPrefix_data();
    void everyInvalidEinPrefix();
    void phone_data();
    void phone();
    void zip_data();
    void zip();
    void email_data();
    void email();

    void roundValue_data();
    void roundValue();
    void textToFloat_data();
    void textToFloat();
    void textToFloatMalformed_data();
    void textToFloatMalformed();
    void textToInt_data();
    void textToInt();
    void textToIntMalformed_data();
    void textToIntMalformed();
    void numbersIgnoreGermanLocale();

    void isValidDateText_data();
    void isValidDateText();
    void splitDateText_data();
    void splitDateText();
    void makeDateText_data();
    void makeDateText();
    void addMonthsToDateText_data();
    void addMonthsToDateText();
    void isLeapYear_data();
    void isLeapYear();

    void textSlices_data();
    void textSlices();
    void keepChars_data();
    void keepChars();
    void padding();
    void doubleAmpersands();
    void indexOfText_data();
    void indexOfText();
    void textBefore();

    void tildeToCR_data();
    void tildeToCR();
    void msgBoxShowsConvertedText();
    void msgBoxShowsControlCharactersEscaped_data();
    void msgBoxShowsControlCharactersEscaped();

    void copyFileCopiesBytes();
    void copyFileOverwritesUnlessFailIfExists();
    void copyFileFailIfExistsThrows();
    void copyFileMissingSource();
    void copyFailedClearedBySuccess();
    void countMatchingFiles_data();
    void countMatchingFiles();
    void selectFolder();
    void selectFolderCancelled();
    void waitMessage();
    void devEnvironment();
    void readRegularFile_data();
    void readRegularFile();
    void unfitFilesAreRefused_data();
    void unfitFilesAreRefused();
};

void TestCommonUtils::init()
{
    Interaction.Clear();
}

void TestCommonUtils::cleanup()
{
    QVERIFY2(Interaction.Problems().isEmpty(), qPrintable(Interaction.Problems()));
}

// ---- identifiers -----------------------------------------------------------

void TestCommonUtils::ssn_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Valid");
    QTest::newRow("valid") << "123-45-6788" << true;
    QTest::newRow("starts with 8") << "899-12-3456" << true;
    QTest::newRow("starts with 0") << "012-34-5678" << true;
    QTest::newRow("sample number") << "123-45-6789" << false;
    QTest::newRow("666 area") << "666-12-3456" << false;
    QTest::newRow("000 area") << "000-12-3456" << false;
    QTest::newRow("00 group") << "123-00-4567" << false;
    QTest::newRow("0000 serial") << "123-45-0000" << false;
    QTest::newRow("starts with 9") << "912-34-5678" << false;
    QTest::newRow("900 area") << "900-12-3456" << false;
    QTest::newRow("trailing blank") << "123-45-6788 " << true;
    QTest::newRow("sample with trailing blank") << "123-45-6789 " << false;
    QTest::newRow("leading blank") << " 123-45-6788" << false;
    QTest::newRow("too short") << "123-45-678" << false;
    QTest::newRow("too long") << "123-45-67888" << false;
    QTest::newRow("no hyphens") << "123456788" << false;
    QTest::newRow("hyphens moved") << "12-345-6788" << false;
    QTest::newRow("letter") << "123-45-678A" << false;
    QTest::newRow("empty mask") << "   -  -    " << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("123-45-678\u0668") << false;
}

void TestCommonUtils::ssn()
{
    QFETCH(QString, Text);
    QFETCH(bool, Valid);
    QCOMPARE(IsValidSSN(Text), Valid);
}

void TestCommonUtils::maskSsn_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Masked");
    QTest::newRow("valid") << "123-45-6788"
                           << "***-**-6788";
    QTest::newRow("valid with trailing blank") << "123-45-6788 "
                                               << "***-**-6788";
    QTest::newRow("sample number") << "123-45-6789"
                                   << "";
    QTest::newRow("malformed") << "12345"
                               << "";
}

void TestCommonUtils::maskSsn()
{
    QFETCH(QString, Text);
    QFETCH(QString, Masked);
    QCOMPARE(MaskSSN(Text), Masked);
}

void TestCommonUtils::ein_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Valid");
    QTest::newRow("valid") << "12-3456789" << true;
    QTest::newRow("prefix 10") << "10-0000000" << true;
    QTest::newRow("prefix 99") << "99-1234567" << true;
    QTest::newRow("prefix 07") << "07-1234567" << false;
    QTest::newRow("prefix 89") << "89-1234567" << false;
    QTest::newRow("nine digits") << "123456789" << false;
    QTest::newRow("hyphen moved") << "123-456789" << false;
    QTest::newRow("letter") << "12-345678X" << false;
    QTest::newRow("trailing blank") << "12-3456789 " << true;
    QTest::newRow("leading blank") << " 12-3456789" << false;
    QTest::newRow("too long") << "12-34567890" << false;
    QTest::newRow("empty mask") << "  -       " << false;
}

void TestCommonUtils::ein()
{
    QFETCH(QString, Text);
    QFETCH(bool, Valid);
    QCOMPARE(IsValidEIN(Text), Valid);
}

void TestCommonUtils::everyInvalidEinPrefix_data()
{
    QTest::addColumn<QString>("Prefix");
    const char *Expected[]
        = { "00", "07", "08", "09", "17", "18", "19", "28", "29", "49", "69", "70", "78", "79", "89" };
    QCOMPARE(InvalidEINPrefixes.size(), std::size(Expected));
    for (const char *Prefix : Expected)
        QTest::newRow(Prefix) << QString::fromLatin1(Prefix);
}

void TestCommonUtils::everyInvalidEinPrefix()
{
    QFETCH(QString, Prefix);
    bool Listed = false;
    for (QLatin1String Invalid : InvalidEINPrefixes)
        Listed = Listed || Invalid == Prefix;
    QVERIFY(Listed);
    QVERIFY(!IsValidEIN(Prefix + QStringLiteral("-1234567")));
    // The same number with a neighbouring prefix is fine unless that one is listed too.
    const QString Neighbour = QString::number((Prefix.toInt() + 1) % 100).rightJustified(2, QLatin1Char('0'));
    bool NeighbourListed = false;
    for (QLatin1String Invalid : InvalidEINPrefixes)
        NeighbourListed = NeighbourListed || Invalid == Neighbour;
    QCOMPARE(IsValidEIN(Neighbour + QStringLiteral("-1234567")), !NeighbourListed);
}

void TestCommonUtils::phone_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Valid");
    QTest::newRow("valid") << "555-123-4567" << true;
    QTest::newRow("trailing blank") << "555-123-4567 " << true;
    QTest::newRow("leading blank") << " 555-123-4567" << false;
    QTest::newRow("ten digits") << "5551234567" << false;
    QTest::newRow("parentheses") << "(555)123-4567" << false;
    QTest::newRow("dots") << "555.123.4567" << false;
    QTest::newRow("short") << "555-123-456" << false;
    QTest::newRow("empty mask") << "   -   -    " << false;
}

void TestCommonUtils::phone()
{
    QFETCH(QString, Text);
    QFETCH(bool, Valid);
    QCOMPARE(IsValidPhone(Text), Valid);
}

void TestCommonUtils::zip_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Zip");
    QTest::addColumn<bool>("ZipPlus4");
    QTest::newRow("five digits") << "12345" << true << false;
    QTest::newRow("zip+4") << "12345-6789" << true << true;
    QTest::newRow("four digits") << "1234" << false << false;
    QTest::newRow("nine digits") << "123456789" << false << false;
    QTest::newRow("six digits") << "123456" << false << false;
    QTest::newRow("five with trailing blanks") << "12345     " << true << false;
    QTest::newRow("five with leading blank") << " 12345" << false << false;
    QTest::newRow("zip+4 hyphen moved") << "1234-56789" << false << false;
    QTest::newRow("letter") << "1234A" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestCommonUtils::zip()
{
    QFETCH(QString, Text);
    QFETCH(bool, Zip);
    QFETCH(bool, ZipPlus4);
    QCOMPARE(IsValidZip(Text), Zip);
    QCOMPARE(IsValidZipPlus4(Text), ZipPlus4);
}

void TestCommonUtils::email_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Valid");
    QTest::newRow("plain") << "john.doe@example.com" << true;
    QTest::newRow("short") << "a@b.co" << true;
    QTest::newRow("plus and subdomain") << "pay+w2@mail.example.org" << true;
    QTest::newRow("apostrophe") << "o'brien@example.ie" << true;
    QTest::newRow("hyphen inside label") << "a@my-host.example.com" << true;
    QTest::newRow("quoted local part") << "\"john doe\"@example.com" << true;
    QTest::newRow("quoted with escaped quote") << "\"a\\\"b\"@example.com" << true;
    QTest::newRow("name and angle brackets") << "John Doe <john@example.com>" << true;
    QTest::newRow("quoted name and angle brackets") << "\"Doe, John\" <john@example.com>" << true;
    QTest::newRow("angle brackets only") << "<john@example.com>" << true;
    QTest::newRow("IPv4 literal") << "x@[192.168.0.1]" << true;
    QTest::newRow("IPv6 literal") << "x@[IPv6:2001:db8::1]" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("leading dot") << ".john@example.com" << false;
    QTest::newRow("dot before at") << "john.@example.com" << false;
    QTest::newRow("double dot") << "john..doe@example.com" << false;
    QTest::newRow("blank in local part") << "john doe@example.com" << false;
    QTest::newRow("hyphen-started label") << "john@-example.com" << false;
    QTest::newRow("hyphen-ended label") << "john@example-.com" << false;
    QTest::newRow("one-letter top-level domain") << "john@example.c" << false;
    QTest::newRow("no dot in domain") << "john@localhost" << false;
    QTest::newRow("no at") << "john.example.com" << false;
    QTest::newRow("two ats") << "john@doe@example.com" << false;
    QTest::newRow("trailing newline") << "a@b.com\n" << false;
    QTest::newRow("trailing blank") << "a@b.com " << false;
    QTest::newRow("unclosed angle bracket") << "John <john@example.com" << false;
    QTest::newRow("closing angle bracket only") << "john@example.com>" << false;
    QTest::newRow("IPv4 part above 255") << "x@[256.1.1.1]" << false;
    QTest::newRow("IPv4 with three parts") << "x@[1.2.3]" << false;
    QTest::newRow("non-ASCII local part") << QString::fromUtf8("j\u00f6rg@example.com") << false;
    QTest::newRow("non-ASCII domain") << QString::fromUtf8("jorg@ex\u00e4mple.com") << false;
    QTest::newRow("non-ASCII in quotes") << QString::fromUtf8("\"j\u00f6rg\"@example.com") << false;
}

void TestCommonUtils::email()
{
    QFETCH(QString, Text);
    QFETCH(bool, Valid);
    QCOMPARE(IsValidEmail(Text), Valid);
}

// ---- numbers ---------------------------------------------------------------

void TestCommonUtils::roundValue_data()
{
    const double Inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("Value");
    QTest::addColumn<int>("N");
    QTest::addColumn<double>("Expected");
    QTest::newRow("0.125") << 0.125 << 2 << 0.13;
    QTest::newRow("0.005") << 0.005 << 2 << 0.01;
    QTest::newRow("-0.125") << -0.125 << 2 << -0.13;
    QTest::newRow("1.005 stored below half") << 1.005 << 2 << 1.01;
    QTest::newRow("2.675 stored below half") << 2.675 << 2 << 2.68;
    QTest::newRow("0.004") << 0.004 << 2 << 0.0;
    QTest::newRow("0.006") << 0.006 << 2 << 0.01;
    QTest::newRow("-0.004") << -0.004 << 2 << 0.0;
    QTest::newRow("carry into a new digit") << 9.995 << 2 << 10.0;
    QTest::newRow("whole half") << 2.5 << 0 << 3.0;
    QTest::newRow("negative whole half") << -2.5 << 0 << -3.0;
    QTest::newRow("one decimal") << 1.45 << 1 << 1.5;
    QTest::newRow("fifteen digits") << 123456789012.345 << 2 << 123456789012.35;
    QTest::newRow("1e15") << 1e15 << 2 << 1e15;
    QTest::newRow("1e20") << 1e20 << 2 << 1e20;
    QTest::newRow("tiny") << 1e-20 << 2 << 0.0;
    QTest::newRow("zero") << 0.0 << 2 << 0.0;
    QTest::newRow("amount") << 1234.5678 << 2 << 1234.57;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 2 << 0.0;
    QTest::newRow("infinity") << Inf << 2 << 0.0;
    QTest::newRow("minus infinity") << -Inf << 2 << 0.0;
}

void TestCommonUtils::roundValue()
{
    QFETCH(double, Value);
    QFETCH(int, N);
    QFETCH(double, Expected);
    const double Actual = RoundValue(Value, N);
    // Exact: the result must be the double nearest to the rounded decimal.
    QVERIFY2(Actual == Expected,
        qPrintable(QStringLiteral("got %1, expected %2").arg(Actual, 0, 'g', 17).arg(Expected, 0, 'g', 17)));
}

void TestCommonUtils::textToFloat_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<double>("Expected");
    QTest::newRow("dollars and separators") << "$1,234.50" << 1234.5;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("nothing kept") << "abc" << 0.0;
    QTest::newRow("negative") << "-3.25" << -3.25;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("blanks inside") << " 1 000 " << 1000.0;
    QTest::newRow("negative amount") << "-$1,000.01" << -1000.01;
    QTest::newRow("too small for a double") << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
}

void TestCommonUtils::textToFloat()
{
    QFETCH(QString, Text);
    QFETCH(double, Expected);
    QCOMPARE(TextToFloat(Text), Expected);
}

void TestCommonUtils::textToFloatMalformed_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Message");
    QTest::newRow("two points") << "1.2.3"
                                << "'1.2.3' is not a valid floating point value";
    QTest::newRow("inner minus") << "12-5"
                                 << "'12-5' is not a valid floating point value";
    QTest::newRow("double minus") << "--1"
                                  << "'--1' is not a valid floating point value";
    QTest::newRow("trailing minus") << "$5.00-"
                                    << "'5.00-' is not a valid floating point value";
    QTest::newRow("minus and point") << "-."
                                     << "'-.' is not a valid floating point value";
    const QString Huge = "1" + QString(400, QLatin1Char('0'));
    QTest::newRow("too large") << Huge << "'" + Huge + "' is not a valid floating point value";
}

void TestCommonUtils::textToFloatMalformed()
{
    QFETCH(QString, Text);
    QFETCH(QString, Message);
    try {
        TextToFloat(Text);
        QFAIL("no EConvertError");
    } catch (const EConvertError &E) {
        QCOMPARE(E.Message(), Message);
    }
}

void TestCommonUtils::textToInt_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("Expected");
    QTest::newRow("plain") << "123" << 123;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("lone minus") << "-" << 0;
    QTest::newRow("negative") << "-45" << -45;
    QTest::newRow("separator") << "1,234" << 1234;
    QTest::newRow("point dropped") << "$12.50" << 1250;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
}

void TestCommonUtils::textToInt()
{
    QFETCH(QString, Text);
    QFETCH(int, Expected);
    QCOMPARE(TextToInt(Text), Expected);
}

void TestCommonUtils::textToIntMalformed_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Message");
    QTest::newRow("inner minus") << "1-2"
                                 << "'1-2' is not a valid integer value";
    QTest::newRow("double minus") << "--1"
                                  << "'--1' is not a valid integer value";
    QTest::newRow("too large") << "2147483648"
                               << "'2147483648' is not a valid integer value";
    QTest::newRow("too small") << "-2147483649"
                               << "'-2147483649' is not a valid integer value";
}

void TestCommonUtils::textToIntMalformed()
{
    QFETCH(QString, Text);
    QFETCH(QString, Message);
    try {
        TextToInt(Text);
        QFAIL("no EConvertError");
    } catch (const EConvertError &E) {
        QCOMPARE(E.Message(), Message);
    }
}

void TestCommonUtils::numbersIgnoreGermanLocale()
{
    // Restores the locales however the test ends.
    struct TLocaleGuard {
        std::string Numeric = std::setlocale(LC_NUMERIC, nullptr);
        ~TLocaleGuard()
        {
            std::setlocale(LC_NUMERIC, Numeric.c_str());
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        }
    } Guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        qInfo("de_DE.UTF-8 is not installed; only Qt's default locale is German");

    QCOMPARE(TextToFloat(QStringLiteral("$1,234.50")), 1234.5);
    // A German decimal comma is a thousands separator to the forms.
    QCOMPARE(TextToFloat(QStringLiteral("12,5")), 125.0);
    QCOMPARE(TextToInt(QStringLiteral("1.234")), 1234);
    QVERIFY(RoundValue(2.675, 2) == 2.68);
    QVERIFY(RoundValue(0.125, 2) == 0.13);
    QVERIFY(IsValidDateText(QStringLiteral("02/29/2024")));
    QCOMPARE(AddMonthsToDateText(QStringLiteral("01/31/2025"), 1), QStringLiteral("02/28/2025"));
}

// ---- dates -----------------------------------------------------------------

void TestCommonUtils::isValidDateText_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Valid");
    QTest::newRow("leap day 2024") << "02/29/2024" << true;
    QTest::newRow("leap day 2025") << "02/29/2025" << false;
    QTest::newRow("leap day 2000") << "02/29/2000" << true;
    QTest::newRow("leap day 1900") << "02/29/1900" << false;
    QTest::newRow("month 13") << "13/45/2025" << false;
    QTest::newRow("day 31 in April") << "04/31/2025" << false;
    QTest::newRow("year end") << "12/31/2025" << true;
    QTest::newRow("month 0") << "00/10/2025" << false;
    QTest::newRow("empty mask") << "  /  /    " << false;
    QTest::newRow("partly filled") << "01/  /2025" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("short form has only 8") << "1/5/2025" << false;
    QTest::newRow("two-digit year") << "01/05/25" << false;
    QTest::newRow("year first") << "2025/01/05" << false;
    QTest::newRow("hyphens") << "01-05-2025" << false;
    QTest::newRow("day first") << "31/12/2025" << false;
    QTest::newRow("year 0") << "01/01/0000" << false;
    QTest::newRow("five-digit year") << "01/01/20250" << false;
}

void TestCommonUtils::isValidDateText()
{
    QFETCH(QString, Text);
    QFETCH(bool, Valid);
    QCOMPARE(IsValidDateText(Text), Valid);
}

void TestCommonUtils::splitDateText_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("Month");
    QTest::addColumn<int>("Day");
    QTest::addColumn<int>("Year");
    QTest::newRow("valid") << "03/07/2025" << 3 << 7 << 2025;
    QTest::newRow("leap day") << "02/29/2024" << 2 << 29 << 2024;
    QTest::newRow("invalid") << "02/30/2025" << 0 << 0 << 0;
    QTest::newRow("empty mask") << "  /  /    " << 0 << 0 << 0;
}

void TestCommonUtils::splitDateText()
{
    QFETCH(QString, Text);
    QFETCH(int, Month);
    QFETCH(int, Day);
    QFETCH(int, Year);
    int M = -1;
    int D = -1;
    int Y = -1;
    SplitDateText(Text, M, D, Y);
    QCOMPARE(M, Month);
    QCOMPARE(D, Day);
    QCOMPARE(Y, Year);
}

void TestCommonUtils::makeDateText_data()
{
    QTest::addColumn<int>("Month");
    QTest::addColumn<int>("Day");
    QTest::addColumn<int>("Year");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("one-digit month and day") << 3 << 7 << 2025 << "03/07/2025";
    QTest::newRow("two-digit month and day") << 12 << 31 << 2025 << "12/31/2025";
    QTest::newRow("year unpadded") << 1 << 1 << 999 << "01/01/999";
}

void TestCommonUtils::makeDateText()
{
    QFETCH(int, Month);
    QFETCH(int, Day);
    QFETCH(int, Year);
    QFETCH(QString, Expected);
    QCOMPARE(MakeDateText(Month, Day, Year), Expected);
}

void TestCommonUtils::addMonthsToDateText_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("N");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("clipped to February") << "01/31/2025" << 1 << "02/28/2025";
    QTest::newRow("clipped to leap February") << "01/31/2024" << 1 << "02/29/2024";
    QTest::newRow("thirteen months") << "01/31/2025" << 13 << "02/28/2026";
    QTest::newRow("into next year") << "11/15/2025" << 3 << "02/15/2026";
    QTest::newRow("one back") << "03/31/2025" << -1 << "02/28/2025";
    QTest::newRow("back into last year") << "01/15/2025" << -1 << "12/15/2024";
    QTest::newRow("twelve back from leap day") << "02/29/2024" << -12 << "02/28/2023";
    QTest::newRow("none") << "05/10/2025" << 0 << "05/10/2025";
    QTest::newRow("invalid date") << "02/30/2025" << 1 << "";
    QTest::newRow("empty") << "" << 1 << "";
    QTest::newRow("beyond year 9999") << "12/31/9999" << 1 << "";
}

void TestCommonUtils::addMonthsToDateText()
{
    QFETCH(QString, Text);
    QFETCH(int, N);
    QFETCH(QString, Expected);
    QCOMPARE(AddMonthsToDateText(Text, N), Expected);
}

void TestCommonUtils::isLeapYear_data()
{
    QTest::addColumn<int>("Year");
    QTest::addColumn<bool>("Leap");
    QTest::newRow("2024") << 2024 << true;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("2400") << 2400 << true;
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("2100") << 2100 << false;
    QTest::newRow("2025") << 2025 << false;
}

void TestCommonUtils::isLeapYear()
{
    QFETCH(int, Year);
    QFETCH(bool, Leap);
    QCOMPARE(IsLeapYear(Year), Leap);
}

// ---- text helpers ----------------------------------------------------------

void TestCommonUtils::textSlices_data()
{
    QTest::addColumn<QString>("Function");
    QTest::addColumn<int>("Index");
    QTest::addColumn<int>("N");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("mid inside") << "mid" << 2 << 3 << "ell";
    QTest::newRow("mid past the end") << "mid" << 4 << 10 << "lo";
    QTest::newRow("mid after the end") << "mid" << 6 << 1 << "";
    QTest::newRow("mid from 0 loses one") << "mid" << 0 << 2 << "H";
    QTest::newRow("mid zero length") << "mid" << 1 << 0 << "";
    QTest::newRow("left") << "left" << 0 << 2 << "He";
    QTest::newRow("left longer than text") << "left" << 0 << 9 << "Hello";
    QTest::newRow("left negative") << "left" << 0 << -1 << "";
    QTest::newRow("right") << "right" << 0 << 2 << "lo";
    QTest::newRow("right longer than text") << "right" << 0 << 9 << "Hello";
    QTest::newRow("right zero") << "right" << 0 << 0 << "";
}

void TestCommonUtils::textSlices()
{
    QFETCH(QString, Function);
    QFETCH(int, Index);
    QFETCH(int, N);
    QFETCH(QString, Expected);
    const QString Text = QStringLiteral("Hello");
    QString Actual;
    if (Function == QLatin1String("mid"))
        Actual = MidText(Text, Index, N);
    else if (Function == QLatin1String("left"))
        Actual = LeftText(Text, N);
    else
        Actual = RightText(Text, N);
    QCOMPARE(Actual, Expected);
}

void TestCommonUtils::keepChars_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Set");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("amount") << "$1,234.50"
                            << "0123456789-."
                            << "1234.50";
    QTest::newRow("above 255 dropped") << QString::fromUtf8("a\u20acb\u0100c") << "abc"
                                       << "abc";
    QTest::newRow("above 255 in set still dropped")
        << QString::fromUtf8("x\u20ac") << QString::fromUtf8("x\u20ac") << "x";
    QTest::newRow("Latin-1 kept") << QString::fromUtf8("caf\u00e9!") << QString::fromUtf8("acef\u00e9")
                                  << QString::fromUtf8("caf\u00e9");
    QTest::newRow("empty set") << "abc"
                               << ""
                               << "";
}

void TestCommonUtils::keepChars()
{
    QFETCH(QString, Text);
    QFETCH(QString, Set);
    QFETCH(QString, Expected);
    QCOMPARE(KeepChars(Text, Set), Expected);
}

void TestCommonUtils::padding()
{
    QCOMPARE(PadZeros(QStringLiteral("42"), 5), QStringLiteral("00042"));
    QCOMPARE(PadZeros(QStringLiteral("123456"), 3), QStringLiteral("123456"));
    QCOMPARE(PadLeft(QStringLiteral("ab"), 4), QStringLiteral("  ab"));
    QCOMPARE(PadRight(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
    QCOMPARE(PadRight(QStringLiteral("abcdef"), 4), QStringLiteral("abcdef"));
}

void TestCommonUtils::doubleAmpersands()
{
    QCOMPARE(DoubleAmpersands(QStringLiteral("A&B")), QStringLiteral("A&&B"));
    QCOMPARE(DoubleAmpersands(QStringLiteral("&&")), QStringLiteral("&&&&"));
    QCOMPARE(DoubleAmpersands(QStringLiteral("Smith Co")), QStringLiteral("Smith Co"));
}

void TestCommonUtils::indexOfText_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("HighIndex");
    QTest::addColumn<int>("Expected");
    QTest::newRow("first") << "alpha" << 2 << 1;
    QTest::newRow("case ignored") << "beta" << 2 << 2;
    QTest::newRow("beyond HighIndex") << "gamma" << 1 << 0;
    QTest::newRow("HighIndex past the list") << "gamma" << 10 << 3;
    QTest::newRow("HighIndex 0") << "beta" << 0 << 0;
    QTest::newRow("missing") << "delta" << 2 << 0;
}

void TestCommonUtils::indexOfText()
{
    QFETCH(QString, Text);
    QFETCH(int, HighIndex);
    QFETCH(int, Expected);
    const QStringList List { QStringLiteral("Alpha"), QStringLiteral("BETA"), QStringLiteral("Gamma") };
    QCOMPARE(IndexOfText(Text, List, HighIndex), Expected);
}

void TestCommonUtils::textBefore()
{
    QCOMPARE(TextBefore(QStringLiteral("acme.W225"), QLatin1Char('.')), QStringLiteral("acme"));
    QCOMPARE(TextBefore(QStringLiteral("a.b.c"), QLatin1Char('.')), QStringLiteral("a"));
    QCOMPARE(TextBefore(QStringLiteral(".W225"), QLatin1Char('.')), QString());
}

// ---- messages --------------------------------------------------------------

void TestCommonUtils::tildeToCR_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("one tilde") << "Line one~Line two"
                               << "Line one\rLine two";
    QTest::newRow("two tildes together") << "A~~B"
                                         << "A\r\rB";
    QTest::newRow("no tilde") << "Nothing to change"
                              << "Nothing to change";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCommonUtils::tildeToCR()
{
    QFETCH(QString, Text);
    QFETCH(QString, Expected);
    QCOMPARE(TildeToCR(Text), Expected);
}

void TestCommonUtils::msgBoxShowsControlCharactersEscaped_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Shown");
    QTest::newRow("terminal title and bell from a name")
        << QStringLiteral("The client ACME\x1b]0;PWNED\x07 is already processed.~Choose another.")
        << QStringLiteral("The client ACME\\x1b]0;PWNED\\x07 is already processed.\rChoose another.");
    QTest::newRow("DEL and C1 controls") << QString::fromUtf16(u"A\x7f"
                                                               u"B\x9b"
                                                               u"31mC\x80")
                                         << QStringLiteral("A\\x7fB\\x9b"
                                                           "31mC\\x80");
    QTest::newRow("NUL, tab and backspace")
        << QStringLiteral("A\0B\tC\bD") << QStringLiteral("A\\x00B\\x09C\\x08D");
    QTest::newRow("line breaks of converted texts stay")
        << QStringLiteral("One\r\nTwo\rThree~Four") << QStringLiteral("One\r\nTwo\rThree\rFour");
    QTest::newRow("printable text unchanged") << QString::fromUtf16(u"Caf\u00e9 \u20acuro & Sons \\ 100%")
                                              << QString::fromUtf16(u"Caf\u00e9 \u20acuro & Sons \\ 100%");
}

// Names and paths from files reach messages; what the box is given holds no
// control character but the line breaks the message makes.
void TestCommonUtils::msgBoxShowsControlCharactersEscaped()
{
    QFETCH(QString, Text);
    QFETCH(QString, Shown);
    MsgBox(Text, QStringLiteral("Quillmark\x1b[2J"), MsgFlag::IconError);
    const QList<TAskedCall> Boxes = Interaction.MessageBoxes();
    QCOMPARE(Boxes.size(), 1);
    QCOMPARE(Boxes.first().Text, Shown);
    QCOMPARE(Boxes.first().Caption, QStringLiteral("Quillmark\\x1b[2J"));
}

void TestCommonUtils::msgBoxShowsConvertedText()
{
    const int YesNoQuestion = MsgFlag::YesNo | MsgFlag::IconQuestion | MsgFlag::DefaultButton2;
    QCOMPARE(YesNoQuestion, 292);
    Interaction.AnswerMsgBox(MsgResult::Yes);
    QCOMPARE(MsgBox(QStringLiteral("Delete this employee?~This cannot be undone."), QStringLiteral("Title"),
                 YesNoQuestion),
        MsgResult::Yes);
    QCOMPARE(
        MsgBox(QStringLiteral("Saved."), QStringLiteral("Title"), MsgFlag::IconInformation), MsgResult::Ok);

    const QList<TAskedCall> Boxes = Interaction.MessageBoxes();
    QCOMPARE(Boxes.size(), 2);
    QCOMPARE(Boxes.at(0).Text, QStringLiteral("Delete this employee?\rThis cannot be undone."));
    QCOMPARE(Boxes.at(0).Text.split(QLatin1Char('\r')).size(), 2);
    QCOMPARE(Boxes.at(0).Caption, QStringLiteral("Title"));
    QCOMPARE(Boxes.at(0).Flags, 292);
    QCOMPARE(Boxes.at(1).Text, QStringLiteral("Saved."));
    QCOMPARE(Boxes.at(1).Flags, 64);
}

// ---- files and system ------------------------------------------------------

void TestCommonUtils::copyFileCopiesBytes()
{
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    const QByteArray Bytes("W2\0\x01\xff record bytes", 18);
    const QString Source = Dir.filePath(QStringLiteral("acme.W225"));
    const QString Dest = Dir.filePath(QStringLiteral("acme copy.W225"));
    QVERIFY(WriteFile(Source, Bytes));
    CopyFailed = true;
    CopyFileChecked(Source, Dest, true);
    QVERIFY(!CopyFailed);
    QCOMPARE(ReadFile(Dest), Bytes);
}

void TestCommonUtils::copyFileOverwritesUnlessFailIfExists()
{
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    const QString Source = Dir.filePath(QStringLiteral("new.W325"));
    const QString Dest = Dir.filePath(QStringLiteral("old.W325"));
    QVERIFY(WriteFile(Source, "new contents"));
    QVERIFY(WriteFile(Dest, "old contents, longer"));
    CopyFileChecked(Source, Dest, false);
    QVERIFY(!CopyFailed);
    QCOMPARE(ReadFile(Dest), QByteArray("new contents"));
}

void TestCommonUtils::copyFileFailIfExistsThrows()
{
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    const QString Source = Dir.filePath(QStringLiteral("new.W325"));
    const QString Dest = Dir.filePath(QStringLiteral("old.W325"));
    QVERIFY(WriteFile(Source, "new"));
    QVERIFY(WriteFile(Dest, "old"));
    try {
        CopyFileChecked(Source, Dest, true);
        QFAIL("no ECopyFileException");
    } catch (const ECopyFileException &E) {
        QCOMPARE(E.Message(), CopyErrorPrefix + SystemText(EEXIST));
    }
    QVERIFY(CopyFailed);
    QCOMPARE(ReadFile(Dest), QByteArray("old"));
}

void TestCommonUtils::copyFileMissingSource()
{
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    const QString Dest = Dir.filePath(QStringLiteral("copy.W225"));
    try {
        CopyFileChecked(Dir.filePath(QStringLiteral("missing.W225")), Dest, false);
        QFAIL("no ECopyFileException");
    } catch (const ECopyFileException &E) {
        QCOMPARE(E.Message(), CopyErrorPrefix + SystemText(ENOENT));
    }
    QVERIFY(CopyFailed);
    QVERIFY(!QFile::exists(Dest));
}

void TestCommonUtils::copyFailedClearedBySuccess()
{
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    const QString Source = Dir.filePath(QStringLiteral("acme.W225"));
    QVERIFY(WriteFile(Source, "data"));
    QVERIFY_THROWS_EXCEPTION(
        ECopyFileException, CopyFileChecked(Dir.filePath(QStringLiteral("missing")), Source, false));
    QVERIFY(CopyFailed);
    CopyFileChecked(Source, Dir.filePath(QStringLiteral("backup.W225")), false);
    QVERIFY(!CopyFailed);
}

void TestCommonUtils::countMatchingFiles_data()
{
    QTest::addColumn<QString>("Pattern");
    QTest::addColumn<int>("Expected");
    QTest::newRow("upper-case extension") << "*.W324" << 4;
    QTest::newRow("lower-case extension") << "*.w324" << 4;
    QTest::newRow("one name any case") << "ACME.W324" << 1;
    QTest::newRow("name with any extension") << "acme.*" << 2;
    QTest::newRow("question mark") << "*.W32?" << 5;
    QTest::newRow("star dot star is everything") << "*.*" << 6;
    QTest::newRow("star") << "*" << 6;
    QTest::newRow("no match") << "*.W225" << 0;
}

void TestCommonUtils::countMatchingFiles()
{
    QFETCH(QString, Pattern);
    QFETCH(int, Expected);
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    // Copied from Windows in lower case, hidden, a folder with the extension,
    // another year's file and a file without extension.
    for (const char *Name : { "acme.w324", "Other.W324", ".hidden.W324", "acme.W325", "README" })
        QVERIFY(WriteFile(Dir.filePath(QString::fromLatin1(Name)), "x"));
    QVERIFY(QDir(Dir.path()).mkdir(QStringLiteral("Archive.W324")));
    QCOMPARE(CountMatchingFiles(Dir.filePath(Pattern)), Expected);
}

void TestCommonUtils::selectFolder()
{
    Interaction.AnswerSelectFolder(QStringLiteral("/home/user/Backups"));
    QString Folder = QStringLiteral("left over");
    QVERIFY(SelectFolder(QStringLiteral("Select the backup folder"), Folder));
    QCOMPARE(Folder, QStringLiteral("/home/user/Backups"));
    QCOMPARE(Interaction.Calls().size(), 1);
    QCOMPARE(Interaction.Calls().at(0).Kind, QStringLiteral("SelectFolder"));
    QCOMPARE(Interaction.Calls().at(0).Caption, QStringLiteral("Select the backup folder"));
}

void TestCommonUtils::selectFolderCancelled()
{
    Interaction.AnswerSelectFolder(std::nullopt);
    QString Folder = QStringLiteral("left over");
    QVERIFY(!SelectFolder(QStringLiteral("Select the backup folder"), Folder));
    QVERIFY(Folder.isEmpty());
}

void TestCommonUtils::waitMessage()
{
    ShowWaitMessage(QStringLiteral("Backup"), QStringLiteral("Please wait..."));
    QVERIFY(Interaction.WaitMessageShown());
    HideWaitMessage();
    QVERIFY(!Interaction.WaitMessageShown());
    const QList<TAskedCall> &Calls = Interaction.Calls();
    QCOMPARE(Calls.size(), 2);
    QCOMPARE(Calls.at(0).Kind, QStringLiteral("ShowWaitMessage"));
    QCOMPARE(Calls.at(0).Caption, QStringLiteral("Backup"));
    QCOMPARE(Calls.at(0).Text, QStringLiteral("Please wait..."));
    QCOMPARE(Calls.at(1).Kind, QStringLiteral("HideWaitMessage"));
}

void TestCommonUtils::devEnvironment()
{
    const QByteArray Saved = qgetenv("QMRK_TEST_SETTINGS");
    QVERIFY(qputenv("QMRK_TEST_SETTINGS", "1"));
    QVERIFY(IsDevEnvironmentRunning());
    QVERIFY(qputenv("QMRK_TEST_SETTINGS", "0"));
    QVERIFY(!IsDevEnvironmentRunning());
    QVERIFY(qunsetenv("QMRK_TEST_SETTINGS"));
    QVERIFY(!IsDevEnvironmentRunning());
    QVERIFY(qputenv("QMRK_TEST_SETTINGS", Saved));
}

void TestCommonUtils::readRegularFile_data()
{
    QTest::addColumn<int>("Size");
    QTest::addColumn<bool>("Read");
    QTest::newRow("empty") << 0 << true;
    QTest::newRow("under the limit") << 99 << true;
    QTest::newRow("at the limit") << 100 << true;
    QTest::newRow("one byte over") << 101 << false;
}

void TestCommonUtils::readRegularFile()
{
    QFETCH(int, Size);
    QFETCH(bool, Read);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("file"));
    QByteArray Bytes(Size, '\0');
    for (int I = 0; I < Size; ++I)
        Bytes[I] = char(I * 7);
    QVERIFY(WriteFile(Path, Bytes));
    QByteArray Data("left alone");
    QString Reason;
    if (!Read) {
        QVERIFY_THROWS_EXCEPTION(EFileReadException, ReadRegularFile(Path, 100, Data, Reason));
        QCOMPARE(Data, QByteArray("left alone"));
        return;
    }
    QVERIFY(ReadRegularFile(Path, 100, Data, Reason));
    QCOMPARE(Data, Bytes);
    QFile File(Path);
    QVERIFY(OpenRegularFile(File, 100, Reason));
    QCOMPARE(File.readAll(), Bytes);
    QVERIFY(!ReadRegularFile(Dir.filePath(QStringLiteral("missing")), 100, Data, Reason));
    QCOMPARE(Reason, SystemText(ENOENT));
}

void TestCommonUtils::unfitFilesAreRefused_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("endless device") << "zero";
    QTest::newRow("empty device") << "null";
    QTest::newRow("folder") << "folder";
    QTest::newRow("sparse 64 GiB") << "oversized";
}

// Refused with the path and the reason, without waiting on the pipe; the
// releaser lets a reader that waited go, so this fails instead of hanging.
void TestCommonUtils::unfitFilesAreRefused()
{
    QFETCH(QString, Kind);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("file"));
    const qint64 Size = qint64(64) << 30;
    THostileFiles::Make(Path, Kind, Size);
    const QString Expected = Path + THostileFiles::Problem(Kind, Size, 1000);
    TFifoReleaser Releaser(Path);
    QByteArray Data;
    QString Reason;
    try {
        ReadRegularFile(Path, 1000, Data, Reason);
        QFAIL("read");
    } catch (const EFileReadException &Error) {
        QCOMPARE(Error.Message(), Expected);
    }
    QFile File(Path);
    try {
        OpenRegularFile(File, 1000, Reason);
        QFAIL("opened");
    } catch (const EFileReadException &Error) {
        QCOMPARE(Error.Message(), Expected);
    }
    QVERIFY(!File.isOpen());
    QCOMPARE(Releaser.Released(), 0);
}

QMRK_TEST_MAIN(TestCommonUtils)
#include "tst_commonutils.moc"
