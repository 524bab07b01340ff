#include "AmountFormat.h"
#include "AppInfo.h"
#include "DateCommands.h"
#include "MsgBox.h"
#include "QmrkTestMain.h"
#include "StateCodes.h"
#include "TCalculatorEngine.h"
#include "TScriptedInteraction.h"
#include "ValidChars.h"

#include <QLocale>

namespace {

QString SetText(const TCharSet &Set)
{
    QString Result;
    for (int Code = 0; Code < 256; ++Code)
        if (Set.test(Code))
            Result.append(QChar(Code));
    return Result;
}

QString Range(char Low, char High)
{
    QString Result;
    for (int Code = Low; Code <= High; ++Code)
        Result.append(QChar(Code));
    return Result;
}

// Presses each character of Keys on the calculator: digits, ".", operators
// and the letters of its keyboard.
void Press(TCalculatorEngine &Engine, const QString &Keys)
{
    for (const QChar Key : Keys) {
        if (Key.isDigit())
            Engine.Digit(Key);
        else if (Key == QLatin1Char('.'))
            Engine.Decimal();
        else if (QStringLiteral("+-*/=%").contains(Key))
            Engine.Operator(Key);
        else if (Key == QLatin1Char('C'))
            Engine.ClearEntry();
        else if (Key == QLatin1Char('A'))
            Engine.AllClear();
        else if (Key == QLatin1Char('_'))
            Engine.ChangeSign();
        else if (Key == QLatin1Char('B'))
            Engine.Backspace();
        else if (Key == QLatin1Char('R'))
            Engine.RoundDisplay();
        else if (Key == QLatin1Char('S'))
            Engine.Store();
        else if (Key == QLatin1Char('M'))
            Engine.Sum();
        else if (Key == QLatin1Char('L'))
            Engine.Recall();
        else if (Key == QLatin1Char('G'))
            Engine.Get();
    }
}

} // namespace

class TstControlsRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void formatAmount_data();
    void formatAmount();
    void formatAmountIgnoresLocale();
    void amountEditText_data();
    void amountEditText();
    void validChars_data();
    void validChars();
    void invalidValidCharsLeaveTheSet();
    void dateCommands_data();
    void dateCommands();
    void lastDayCommand_data();
    void lastDayCommand();
    void stateCodes();
    void stateCycles_data();
    void stateCycles();
    void calculator_data();
    void calculator();
    void calculatorOverflowResets();
    void calculatorMemory();

private:
    TScriptedInteraction *FPerson = nullptr;
};

void TstControlsRules::init()
{
    FPerson = new TScriptedInteraction;
}

void TstControlsRules::cleanup()
{
    QVERIFY2(FPerson->Problems().isEmpty(), qPrintable(FPerson->Problems()));
    delete FPerson;
    FPerson = nullptr;
}

void TstControlsRules::formatAmount_data()
{
    QTest::addColumn<double>("Value");
    QTest::addColumn<int>("CentDigits");
    QTest::addColumn<bool>("Currency");
    QTest::addColumn<QString>("Shown");
    const double V = 1234567.8912345;
    QTest::newRow("0 digits") << V << 0 << false << "1,234,568";
    QTest::newRow("0 digits, currency") << V << 0 << true << "$1,234,568";
    QTest::newRow("1 digit") << V << 1 << false << "1,234,567.9";
    QTest::newRow("1 digit, currency has no sign") << V << 1 << true << "1,234,567.9";
    QTest::newRow("2 digits") << V << 2 << false << "1,234,567.89";
    QTest::newRow("2 digits, currency") << V << 2 << true << "$1,234,567.89";
    QTest::newRow("3 digits") << V << 3 << false << "1,234,567.891";
    QTest::newRow("3 digits, currency has no sign") << V << 3 << true << "1,234,567.891";
    QTest::newRow("4 digits") << V << 4 << false << "1,234,567.8912";
    QTest::newRow("5 digits") << V << 5 << true << "1,234,567.89123";
    QTest::newRow("6 digits") << V << 6 << false << "1,234,567.891235";
    QTest::newRow("zero, 0 digits") << 0.0 << 0 << false << "0";
    QTest::newRow("zero, 6 digits") << 0.0 << 6 << false << "0.000000";
    QTest::newRow("under a thousand") << 999.994 << 2 << false << "999.99";
    QTest::newRow("rounds up into thousands") << 999.995 << 2 << false << "1,000.00";
    QTest::newRow("half a cent rounds away from zero") << 1.005 << 2 << false << "1.01";
    QTest::newRow("negative") << -1234.5 << 2 << false << "-1,234.50";
    QTest::newRow("negative currency: sign first") << -5.0 << 2 << true << "-$5.00";
    QTest::newRow("tiny negative is zero, no sign") << -0.004 << 2 << false << "0.00";
    QTest::newRow("largest amount") << MaxFieldAmount << 2 << false << "999,999,999,999.99";
}

void TstControlsRules::formatAmount()
{
    QFETCH(double, Value);
    QFETCH(int, CentDigits);
    QFETCH(bool, Currency);
    QFETCH(QString, Shown);
    QCOMPARE(FormatAmount(Value, CentDigits, Currency), Shown);
}

void TstControlsRules::formatAmountIgnoresLocale()
{
    const QLocale Before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString Shown = FormatAmount(1234.5, 2, false);
    QLocale::setDefault(Before);
    QCOMPARE(Shown, QStringLiteral("1,234.50"));
}

void TstControlsRules::amountEditText_data()
{
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<int>("CentDigits");
    QTest::addColumn<QString>("Edit");
    QTest::addColumn<double>("Value");
    QTest::newRow("separators dropped") << "1,234.56" << 2 << "1234.56" << 1234.56;
    QTest::newRow("dollar sign dropped") << "$1,235" << 0 << "1235" << 1235.0;
    QTest::newRow("empty gives zero text") << "" << 2 << "0.00" << 0.0;
    QTest::newRow("lone minus gives zero text") << "-" << 3 << "0.000" << 0.0;
    QTest::newRow("value rounded to the cents") << "1.239" << 2 << "1.239" << 1.24;
    QTest::newRow("negative kept") << "-5.00" << 2 << "-5.00" << -5.0;
    QTest::newRow("not a number reads as none") << "1-2" << 2 << "0.00" << 0.0;
    for (int Digits = 0; Digits <= 6; ++Digits)
        QTest::addRow("zero text, %d digits", Digits)
            << "" << Digits << (Digits == 0 ? QStringLiteral("0") : "0." + QString(Digits, QLatin1Char('0')))
            << 0.0;
}

void TstControlsRules::amountEditText()
{
    QFETCH(QString, Shown);
    QFETCH(int, CentDigits);
    QFETCH(QString, Edit);
    QFETCH(double, Value);
    double Parsed = -1;
    QCOMPARE(AmountEditText(Shown, CentDigits, Parsed), Edit);
    QCOMPARE(Parsed, Value);
}

void TstControlsRules::validChars_data()
{
    QTest::addColumn<QString>("ValidChars");
    QTest::addColumn<QString>("Accepted");
    QTest::newRow("control numbers") << "[A..Z,0..9,-]"
                                     << "-" + Range('0', '9') + Range('A', 'Z');
    // The blanks before J and P are replaced by the letters: no blank in the set.
    QTest::newRow("box 12 codes") << "[A..I, J..N, P..T,V,W,Y,Z]"
                                  << Range('A', 'I') + Range('J', 'N') + Range('P', 'T') + "VWYZ";
    QTest::newRow("digits") << "[0..9]" << Range('0', '9');
    QTest::newRow("zip codes") << "[0..9,-]"
                               << "-" + Range('0', '9');
    QTest::newRow("empty set") << "[]"
                               << "";
    QTest::newRow("quoted comma") << "[',',0]"
                                  << ",0";
    QTest::newRow("quoted comma alone") << "[',']"
                                        << ",";
    QTest::newRow("quote left open") << "['.,a]"
                                     << ".a";
    QTest::newRow("quoted range ends") << "['0'..'2']"
                                       << "012";
    QTest::newRow("quoted quote") << "[''',x]"
                                  << "'x";
    QTest::newRow("blank alone is a character") << "[ ,a]"
                                                << " a";
    QTest::newRow("reversed range is empty") << "[Z..A,1]"
                                             << "1";
    QTest::newRow("empty items add nothing") << "[a,,b,]"
                                             << "ab";
    QTest::newRow("quoted closing bracket") << "[a,']']"
                                            << "]a";
}

void TstControlsRules::validChars()
{
    QFETCH(QString, ValidChars);
    QFETCH(QString, Accepted);
    TCharSet Set;
    Set.set('!');
    QVERIFY(ParseValidChars(ValidChars, Set));
    QString Sorted = Accepted;
    std::sort(Sorted.begin(), Sorted.end());
    QCOMPARE(SetText(Set), Sorted);
}

void TstControlsRules::invalidValidCharsLeaveTheSet()
{
    TCharSet Set;
    QVERIFY(ParseValidChars(QStringLiteral("[0..9]"), Set));
    for (const QString &Text : { QStringLiteral("A..Z"), QStringLiteral("[A..Z"), QStringLiteral("A..Z]"),
             QStringLiteral("["), QString() })
        QVERIFY2(!ParseValidChars(Text, Set), qPrintable(Text));
    QCOMPARE(SetText(Set), Range('0', '9'));
    QVERIFY(CharInSet(QLatin1Char('5'), Set));
    QVERIFY(!CharInSet(QChar(0x0135), Set));
}

void TstControlsRules::dateCommands_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Key");
    QTest::addColumn<QString>("Result");
    const QString Empty = EmptyDateText();
    // Today is Wednesday, May 14, 2025.
    QTest::newRow("T gives today") << Empty << "T"
                                   << "05/14/2025";
    QTest::newRow("t gives today") << "01/02/2020"
                                   << "t"
                                   << "05/14/2025";
    QTest::newRow("T on an invalid text") << "13/45/2025"
                                          << "T"
                                          << "05/14/2025";
    QTest::newRow("+ on empty gives tomorrow") << Empty << "+"
                                               << "05/15/2025";
    QTest::newRow("- on empty gives yesterday") << Empty << "-"
                                                << "05/13/2025";
    QTest::newRow("+ across the year") << "12/31/2025"
                                       << "+"
                                       << "01/01/2026";
    QTest::newRow("- across March 1 of a leap year") << "03/01/2024"
                                                     << "-"
                                                     << "02/29/2024";
    QTest::newRow("+ on an invalid text does nothing") << "13/45/2025"
                                                       << "+"
                                                       << "13/45/2025";
    QTest::newRow("+ on a partial date does nothing") << "12/  /2025"
                                                      << "+"
                                                      << "12/  /2025";
    QTest::newRow("H on empty: end of this month") << Empty << "H"
                                                   << "05/31/2025";
    QTest::newRow("H Jan 31 to Feb 28") << "01/31/2025"
                                        << "H"
                                        << "02/28/2025";
    QTest::newRow("H Feb 28 to Mar 31") << "02/28/2025"
                                        << "H"
                                        << "03/31/2025";
    QTest::newRow("H leap February") << "02/15/2024"
                                     << "h"
                                     << "02/29/2024";
    QTest::newRow("H Feb 29 to Mar 31") << "02/29/2024"
                                        << "H"
                                        << "03/31/2024";
    QTest::newRow("H Dec 31 to Jan 31") << "12/31/2025"
                                        << "H"
                                        << "01/31/2026";
    QTest::newRow("H on an invalid text does nothing") << "02/30/2025"
                                                       << "H"
                                                       << "02/30/2025";
    QTest::newRow("R to Dec 31") << "03/05/2025"
                                 << "R"
                                 << "12/31/2025";
    QTest::newRow("R on Dec 31 to next year's") << "12/31/2025"
                                                << "r"
                                                << "12/31/2026";
    QTest::newRow("Y to Jan 1") << "03/05/2025"
                                << "Y"
                                << "01/01/2025";
    QTest::newRow("Y on Jan 1 to last year's") << "01/01/2025"
                                               << "y"
                                               << "01/01/2024";
    QTest::newRow("M to the first") << "05/14/2025"
                                    << "M"
                                    << "05/01/2025";
    QTest::newRow("M on the first to last month's") << "05/01/2025"
                                                    << "m"
                                                    << "04/01/2025";
    QTest::newRow("M on Jan 1 to Dec 1") << "01/01/2025"
                                         << "M"
                                         << "12/01/2024";
    QTest::newRow("W Wednesday to Sunday") << "05/14/2025"
                                           << "W"
                                           << "05/11/2025";
    QTest::newRow("W Sunday back a week") << "05/11/2025"
                                          << "w"
                                          << "05/04/2025";
    QTest::newRow("W Saturday to Sunday") << "05/17/2025"
                                          << "W"
                                          << "05/11/2025";
    QTest::newRow("K Wednesday to Saturday") << "05/14/2025"
                                             << "K"
                                             << "05/17/2025";
    QTest::newRow("K Saturday on a week") << "05/17/2025"
                                          << "k"
                                          << "05/24/2025";
    QTest::newRow("K Sunday to Saturday") << "05/11/2025"
                                          << "K"
                                          << "05/17/2025";
    QTest::newRow("K across the month") << "05/29/2025"
                                        << "K"
                                        << "05/31/2025";
    QTest::newRow("W on an invalid text does nothing") << "13/45/2025"
                                                       << "W"
                                                       << "13/45/2025";
    QTest::newRow("K on empty from today") << Empty << "K"
                                           << "05/17/2025";
    QTest::newRow("other key does nothing") << "05/14/2025"
                                            << "x"
                                            << "05/14/2025";
    QTest::newRow("no year beyond 9999") << "12/31/9999"
                                         << "+"
                                         << "12/31/9999";
}

void TstControlsRules::dateCommands()
{
    QFETCH(QString, Text);
    QFETCH(QString, Key);
    QFETCH(QString, Result);
    QCOMPARE(ApplyDateCommand(Key.at(0), Text, QDate(2025, 5, 14)), Result);
}

void TstControlsRules::lastDayCommand_data()
{
    QTest::addColumn<int>("Month");
    QTest::addColumn<int>("Day");
    QTest::addColumn<int>("Year");
    QTest::addColumn<QString>("Result");
    QTest::newRow("Jan 15") << 1 << 15 << 2025 << "01/31/2025";
    QTest::newRow("Jan 31") << 1 << 31 << 2025 << "02/28/2025";
    QTest::newRow("Jan 31 of a leap year") << 1 << 31 << 2024 << "02/29/2024";
    QTest::newRow("Feb 1900 not leap") << 2 << 1 << 1900 << "02/28/1900";
    QTest::newRow("Feb 2000 leap") << 2 << 1 << 2000 << "02/29/2000";
    QTest::newRow("Mar 31") << 3 << 31 << 2025 << "04/30/2025";
    QTest::newRow("Apr 10") << 4 << 10 << 2025 << "04/30/2025";
    QTest::newRow("Apr 30") << 4 << 30 << 2025 << "05/31/2025";
    QTest::newRow("Jun 30") << 6 << 30 << 2025 << "07/31/2025";
    QTest::newRow("Jul 31") << 7 << 31 << 2025 << "08/31/2025";
    QTest::newRow("Aug 31") << 8 << 31 << 2025 << "09/30/2025";
    QTest::newRow("Sep 30") << 9 << 30 << 2025 << "10/31/2025";
    QTest::newRow("Oct 31") << 10 << 31 << 2025 << "11/30/2025";
    QTest::newRow("Nov 30") << 11 << 30 << 2025 << "12/31/2025";
    QTest::newRow("Dec 31") << 12 << 31 << 2025 << "01/31/2026";
}

void TstControlsRules::lastDayCommand()
{
    QFETCH(int, Month);
    QFETCH(int, Day);
    QFETCH(int, Year);
    QFETCH(QString, Result);
    LastDayCommand(Month, Day, Year);
    QCOMPARE(QStringLiteral("%1/%2/%3")
                 .arg(Month, 2, 10, QLatin1Char('0'))
                 .arg(Day, 2, 10, QLatin1Char('0'))
                 .arg(Year),
        Result);
}

void TstControlsRules::stateCodes()
{
    const QStringList &Codes = StateCodes();
    QCOMPARE(Codes.size(), 54);
    QCOMPARE(Codes.first(), QStringLiteral("AK"));
    QCOMPARE(Codes.at(7), QStringLiteral("DC"));
    QCOMPARE(Codes.at(40), QStringLiteral("PR"));
    QCOMPARE(Codes.last(), QStringLiteral("WY"));
    QStringList Sorted = Codes;
    Sorted.sort();
    QCOMPARE(Sorted, Codes);
}

void TstControlsRules::stateCycles_data()
{
    QTest::addColumn<QString>("Letter");
    QTest::addColumn<QStringList>("Cycle");
    const auto Row = [](const char *Letter, const QStringList &Cycle) {
        QTest::newRow(Letter) << QString::fromLatin1(Letter) << Cycle;
    };
    Row("A", { "AK", "AL", "AR", "AZ" });
    Row("C", { "CA", "CO", "CT" });
    Row("D", { "DC", "DE" });
    Row("F", { "FL" });
    Row("G", { "GA", "GU" });
    Row("H", { "HI" });
    Row("I", { "IA", "ID", "IL", "IN" });
    Row("K", { "KS", "KY" });
    Row("L", { "LA" });
    Row("M", { "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT" });
    Row("N", { "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY" });
    Row("O", { "OH", "OK", "OR" });
    Row("P", { "PA", "PR" });
    Row("R", { "RI" });
    Row("S", { "SC", "SD" });
    Row("T", { "TN", "TX" });
    Row("U", { "UT" });
    Row("V", { "VA", "VI", "VT" });
    Row("W", { "WA", "WI", "WV", "WY" });
    for (const char *None : { "B", "E", "J", "Q", "X", "Y", "Z" })
        Row(None, {});
}

void TstControlsRules::stateCycles()
{
    QFETCH(QString, Letter);
    QFETCH(QStringList, Cycle);
    const QStringList &Codes = StateCodes();
    for (const int From : { -1, int(Codes.indexOf(QStringLiteral("WY"))), 0 }) {
        int Index = From;
        QStringList Seen;
        for (int Press = 0; Press < Cycle.size() + 1; ++Press) {
            const int Next = NextStateIndex(Index, Letter.at(0));
            if (Next < 0)
                break;
            Index = Next;
            Seen << Codes.at(Index);
        }
        if (Cycle.isEmpty()) {
            QVERIFY(Seen.isEmpty());
            continue;
        }
        // Starting from another letter gives the first; after the last comes the first again.
        if (From >= 0 && Codes.at(From).at(0) == Letter.at(0))
            continue;
        QCOMPARE(Seen, Cycle + QStringList { Cycle.first() });
    }
    QCOMPARE(NextStateIndex(-1, Letter.toLower().at(0)), NextStateIndex(-1, Letter.at(0)));
}

void TstControlsRules::calculator_data()
{
    QTest::addColumn<int>("Precision");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("Display");
    QTest::addColumn<QStringList>("Messages");
    const QStringList None;
    QTest::newRow("opens at zero") << 2 << ""
                                   << "0" << None;
    QTest::newRow("100 + 5 % = 105") << 2 << "100+5%"
                                     << "105" << None;
    QTest::newRow("100 - 5 % = 95") << 2 << "100-5%"
                                    << "95" << None;
    QTest::newRow("200 * 5 % = 10") << 2 << "200*5%"
                                    << "10" << None;
    QTest::newRow("200 / 5 % = 4000") << 2 << "200/5%"
                                      << "4000" << None;
    QTest::newRow("sum") << 2 << "12.5+7.25="
                         << "19.75" << None;
    QTest::newRow("chained operators") << 2 << "2+3*4="
                                       << "20" << None;
    QTest::newRow("result rounded to the field's cents") << 2 << "10/3="
                                                         << "3.33" << None;
    QTest::newRow("result rounded to whole dollars") << 0 << "10/4="
                                                     << "3" << None;
    QTest::newRow("result rounded to six decimals") << 6 << "1/3="
                                                    << "0.333333" << None;
    QTest::newRow("divide by zero keeps the first operand")
        << 2 << "8/0="
        << "8" << QStringList { "You cannot divide by zero" };
    QTest::newRow("digits stop at 17") << 2 << "123456789012345678"
                                       << "12345678901234567" << None;
    QTest::newRow("point starts a number") << 2 << ".5+1="
                                           << "1.5" << None;
    QTest::newRow("one point only") << 2 << "1.2.3"
                                    << "1.23" << None;
    QTest::newRow("clear entry") << 2 << "5+3C4="
                                 << "9" << None;
    QTest::newRow("all clear") << 2 << "5+3A2="
                               << "2" << None;
    QTest::newRow("change sign") << 2 << "5_"
                                 << "-5" << None;
    QTest::newRow("change sign back") << 2 << "5__"
                                      << "5" << None;
    QTest::newRow("backspace") << 2 << "123B"
                               << "12" << None;
    QTest::newRow("backspace of the last digit gives 0") << 2 << "7B"
                                                         << "0" << None;
    QTest::newRow("backspace leaving a minus gives 0") << 2 << "5_B"
                                                       << "0" << None;
    QTest::newRow("round half away from zero") << 2 << "2.5R"
                                               << "3" << None;
    QTest::newRow("round negative") << 2 << "2.5_R"
                                    << "-3" << None;
    QTest::newRow("get the field's amount") << 2 << "G"
                                            << "1234.56" << None;
    QTest::newRow("get then add") << 2 << "G+0.44="
                                  << "1235" << None;
}

void TstControlsRules::calculator()
{
    QFETCH(int, Precision);
    QFETCH(QString, Keys);
    QFETCH(QString, Display);
    QFETCH(QStringList, Messages);
    TCalculatorEngine Engine(Precision, QStringLiteral("1234.56"));
    Press(Engine, Keys);
    QCOMPARE(Engine.Display(), Display);
    QCOMPARE(FPerson->MessageTexts(), Messages);
    for (const TAskedCall &Box : FPerson->MessageBoxes()) {
        QCOMPARE(Box.Flags, MsgFlag::IconError);
        QCOMPARE(Box.Caption, AppTitle());
    }
}

void TstControlsRules::calculatorOverflowResets()
{
    TCalculatorEngine Engine(2);
    Press(Engine, QStringLiteral("5SA999999999*999999999="));
    QCOMPARE(Engine.Display(), QStringLiteral("999999998000000000"));
    QCOMPARE(FPerson->MessageTexts(),
        QStringList { QStringLiteral("The calculated result will not fit\rinto the calculator display!") });
    QCOMPARE(Engine.Oper1(), 0.0);
    QCOMPARE(Engine.Oper2(), 0.0);
    QCOMPARE(Engine.Stored(), 0.0);
    QCOMPARE(Engine.NumOper(), 0);
    QVERIFY(!Engine.DecFlag());
    QVERIFY(!Engine.RecallEnabled());
    QCOMPARE(Engine.LastInput(), TCalculatorEngine::iOper);
    // It goes on from a clean state.
    Press(Engine, QStringLiteral("2+3="));
    QCOMPARE(Engine.Display(), QStringLiteral("5"));
}

void TstControlsRules::calculatorMemory()
{
    TCalculatorEngine Engine(2);
    QVERIFY(!Engine.RecallEnabled());
    Press(Engine, QStringLiteral("12S"));
    QVERIFY(Engine.RecallEnabled());
    // After C the next digit starts a new number.
    Press(Engine, QStringLiteral("C3M"));
    QCOMPARE(Engine.Stored(), 15.0);
    Press(Engine, QStringLiteral("AL"));
    QCOMPARE(Engine.Display(), QStringLiteral("15"));
    QCOMPARE(Engine.LastInput(), TCalculatorEngine::iGetRcl);
    Press(Engine, QStringLiteral("*2="));
    QCOMPARE(Engine.Display(), QStringLiteral("30"));
    Press(Engine, QStringLiteral("0S"));
    QVERIFY(!Engine.RecallEnabled());
}

QMRK_TEST_MAIN(TstControlsRules)
#include "tst_controls_rules.moc"
