#include "QmrkRequiredTool.h"
#include "QmrkTestMain.h"
#include "TPrintingTestData.h"
#include "TRvProject.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace PrintingTestData;

// The tax form project as the build installs it beside the program, rendered
// with every parameter filled at its longest, checked on the PDF: every value
// lies in its box of the form and no two texts overlap.

namespace {

const QString InstalledProject = QStringLiteral(QMRK_INSTALLED_PROJECT);

enum class TKind { Text, Amount, Code, Check };

struct TParam {
    QString Name; // of report FormW2 or FormW3
    QString Box; // the box of the IRS form's box table
    TKind Kind;
    int Length; // of a text: the longest the record holds
};

// The parameters of one W-2 and the box each belongs in.
QList<TParam> W2Params()
{
    QList<TParam> Params = { { "Boxa", "a", TKind::Text, 11 }, { "Boxb", "b", TKind::Text, 10 },
        { "Boxc1", "c", TKind::Text, 40 }, { "Boxc2", "c", TKind::Text, 40 },
        { "Boxc3", "c", TKind::Text, 22 }, { "Boxc4", "c", TKind::Text, 36 },
        { "Boxd", "d", TKind::Text, 10 }, { "Boxe1", "e_first", TKind::Text, 15 },
        { "Boxe2", "e_last", TKind::Text, 15 }, { "Boxe3", "e_suffix", TKind::Text, 3 },
        { "Boxf1", "f", TKind::Text, 22 }, { "Boxf2", "f", TKind::Text, 36 } };
    for (int Box = 1; Box <= 11; ++Box)
        Params.append({ QStringLiteral("Box%1").arg(Box), QString::number(Box),
            Box == 9 ? TKind::Text : TKind::Amount, 19 });
    for (const QChar Letter : QStringLiteral("abcd")) {
        Params.append({ QStringLiteral("Box12") + Letter + QLatin1Char('1'),
            QStringLiteral("12%1_code").arg(Letter), TKind::Code, 2 });
        Params.append({ QStringLiteral("Box12") + Letter + QLatin1Char('2'),
            QStringLiteral("12%1_amount").arg(Letter), TKind::Amount, 0 });
    }
    Params.append({ "Box13a", "13_statutory", TKind::Check, 1 });
    Params.append({ "Box13b", "13_retirement", TKind::Check, 1 });
    Params.append({ "Box13c", "13_thirdparty", TKind::Check, 1 });
    for (const QChar Letter : QStringLiteral("abc")) {
        Params.append({ QStringLiteral("Box14") + Letter + QLatin1Char('1'), "14", TKind::Text, 8 });
        Params.append({ QStringLiteral("Box14") + Letter + QLatin1Char('2'), "14", TKind::Amount, 0 });
    }
    for (const QString &Row : { QStringLiteral("a"), QStringLiteral("b") }) {
        const QString Suffix = Row == QLatin1String("a") ? QString() : QStringLiteral("_r2");
        Params.append({ "Box15" + Row + "1", "15_state" + Suffix, TKind::Text, 2 });
        Params.append({ "Box15" + Row + "2", "15_id" + Suffix, TKind::Text, 12 });
        for (int Box = 16; Box <= 19; ++Box)
            Params.append(
                { QStringLiteral("Box%1").arg(Box) + Row, QString::number(Box) + Suffix, TKind::Amount, 0 });
        Params.append({ "Box20" + Row, "20" + Suffix, TKind::Text, 6 });
    }
    return Params;
}

QList<TParam> W3Params()
{
    static const char *const Checks[] = { "b_payer_941", "b_payer_military", "b_payer_943", "b_payer_944",
        "b_payer_ct-1", "b_payer_hshldemp", "b_payer_medicaregovtemp", "b_employer_noneapply",
        "b_employer_501cnon-govt", "b_employer_statelocalnon-501c", "b_employer_statelocal501c",
        "b_employer_federalgovt", "b_thirdparty_box" };
    QList<TParam> Params = { { "Boxa", "a", TKind::Text, 5 } };
    for (int N = 1; N <= 13; ++N)
        Params.append({ QStringLiteral("Boxb%1").arg(N), Checks[N - 1], TKind::Check, 1 });
    Params += { { "Boxc", "c", TKind::Text, 7 }, { "Boxd", "d", TKind::Text, 4 },
        { "Boxe", "e", TKind::Text, 10 }, { "Boxf1", "f", TKind::Text, 40 },
        { "Boxf2", "g", TKind::Text, 40 }, { "Boxg1", "g", TKind::Text, 22 },
        { "Boxg2", "g", TKind::Text, 36 }, { "Boxh", "h", TKind::Text, 10 } };
    for (const int Box : { 1, 2, 3, 4, 5, 6, 7, 8, 10, 11 })
        Params.append({ QStringLiteral("Box%1").arg(Box), QString::number(Box), TKind::Amount, 0 });
    Params += { { "Box12a", "12a", TKind::Amount, 0 }, { "Box13", "13", TKind::Text, 30 },
        { "Box14", "14", TKind::Amount, 0 }, { "Box15", "15_state", TKind::Text, 2 },
        { "EmployerStateID", "15_id", TKind::Text, 12 }, { "Box16", "16", TKind::Amount, 0 },
        { "Box17", "17", TKind::Amount, 0 }, { "Box18", "18", TKind::Amount, 0 },
        { "Box19", "19", TKind::Amount, 0 }, { "ContactPerson", "contact", TKind::Text, 30 },
        { "TelephoneNum", "phone", TKind::Text, 12 }, { "EmailAddress", "email", TKind::Text, 40 },
        { "FaxNum", "fax", TKind::Text, 12 }, { "Signature", "signature", TKind::Text, 30 },
        { "Title", "title", TKind::Text, 20 }, { "Date", "date", TKind::Text, 10 } };
    return Params;
}

QString SlotName(const QString &Name, int Slot)
{
    if (Slot == 0)
        return Name;
    return Name.back().isDigit() ? QStringLiteral("%1_%2").arg(Name).arg(Slot) : Name + QString::number(Slot);
}

// A value of Kind that no other parameter of the run shares a word with:
// each word starts with the parameter's own two-letter tag.
QString Value(const TParam &Param, int Index, bool Grouped)
{
    const QString Tag = QString(QChar('A' + Index / 26 % 26)) + QChar('A' + Index % 26);
    switch (Param.Kind) {
    case TKind::Check:
        return QStringLiteral("X");
    case TKind::Code:
        return Tag;
    case TKind::Amount:
        // Twelve digits, the most a dollar edit takes.
        return Grouped ? QStringLiteral("9,%1,999,999.99").arg(Index, 3, 10, QChar('0'))
                       : QStringLiteral("9%1").arg(Index, 3, 10, QChar('0')) + QStringLiteral("999999.99");
    case TKind::Text:
        break;
    }
    const int Words = Param.Length >= 12 ? 3 : 1;
    QStringList Parts;
    int Left = Param.Length - (Words - 1);
    for (int W = 0; W < Words; ++W) {
        const int Size = W == Words - 1 ? Left : Left / (Words - W);
        Left -= Size;
        QString Word = Tag + QString::number(W);
        Parts.append((Word + QString(qMax(0, Size - Word.size()), QChar('M'))).left(qMax(1, Size)));
    }
    return Parts.join(QLatin1Char(' '));
}

// One row of a form's box table: the outline in inches from the form's corner.
QHash<QString, QRectF> BoxTable(const QString &File)
{
    QFile Csv(DataFile(File));
    if (!Csv.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(File));
    QHash<QString, QRectF> Boxes;
    const QStringList Lines = QString::fromUtf8(Csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    static const QRegularExpression Field(QStringLiteral("(\"[^\"]*\"|[^,]*),?"));
    for (int L = 1; L < Lines.size(); ++L) {
        QStringList Cells;
        auto It = Field.globalMatch(Lines.at(L));
        while (It.hasNext() && Cells.size() < 8)
            Cells.append(It.next().captured(1));
        Boxes.insert(Cells.at(2),
            QRectF(Cells.at(4).toDouble(), Cells.at(5).toDouble(), Cells.at(6).toDouble(),
                Cells.at(7).toDouble()));
    }
    return Boxes;
}

struct TWord {
    QRectF Box; // inches
    QString Text;
};

QString PdfToText()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QList<TWord> Words(const QString &Pdf)
{
    QProcess Process;
    Process.start(PdfToText(), { QStringLiteral("-bbox"), Pdf, QStringLiteral("-") });
    if (!Process.waitForFinished(60000))
        qFatal("pdftotext hangs");
    const QString Html = QString::fromUtf8(Process.readAllStandardOutput());
    static const QRegularExpression Word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<TWord> Result;
    for (auto It = Word.globalMatch(Html); It.hasNext();) {
        const auto M = It.next();
        const QPointF TopLeft(M.captured(1).toDouble() / 72, M.captured(2).toDouble() / 72);
        const QPointF BottomRight(M.captured(3).toDouble() / 72, M.captured(4).toDouble() / 72);
        Result.append({ QRectF(TopLeft, BottomRight), M.captured(5) });
    }
    return Result;
}

// A form of a sheet: where its corner lies and how much narrower it is drawn.
struct TPlacement {
    int Slot; // 0: the report's names have no slot number
    double X, Y, ScaleX;
    bool Quarter;
};

struct TCase {
    QString Report;
    QList<TParam> Params;
    QHash<QString, QRectF> Boxes;
    QList<TPlacement> Forms;
    bool Grouped;
};

QRectF OnPage(const QRectF &Box, const TPlacement &Form)
{
    return QRectF(Form.X + Box.x() * Form.ScaleX, Form.Y + Box.y(), Box.width() * Form.ScaleX, Box.height());
}

QList<TPlacement> Quarters(bool Slots)
{
    const double Scale = 3.85 / 7.5;
    QList<TPlacement> Forms;
    const QPointF Corners[] = { { 0.2, 0.3 }, { 4.45, 0.3 }, { 0.2, 5.8 }, { 4.45, 5.8 } };
    for (int Q = 0; Q < 4; ++Q)
        Forms.append({ Slots ? Q + 1 : 0, Corners[Q].x(), Corners[Q].y(), Scale, true });
    return Forms;
}

TCase Case(const QString &Report)
{
    TCase Result;
    Result.Report = Report;
    Result.Grouped = Report == QLatin1String("FormW2") || Report == QLatin1String("FormW2_CopyD1");
    if (Report == QLatin1String("FormW3")) {
        Result.Params = W3Params();
        Result.Boxes = BoxTable(QStringLiteral("w3_2025_boxes.csv"));
        Result.Forms = { { 0, 0.5, 0.5, 1.0, false } };
        return Result;
    }
    Result.Params = W2Params();
    Result.Boxes = BoxTable(QStringLiteral("w2_2025_boxes.csv"));
    // A box 12 code or amount stands in its part of the box; its text may
    // reach up into the caption line, which leaves that part free.
    for (const QChar Letter : QStringLiteral("abcd")) {
        const QRectF Whole = Result.Boxes.value(QStringLiteral("12") + Letter);
        for (const QString &Part : { QStringLiteral("_code"), QStringLiteral("_amount") }) {
            const QRectF Cell = Result.Boxes.value(QStringLiteral("12") + Letter + Part);
            Result.Boxes.insert(QStringLiteral("12") + Letter + Part,
                QRectF(Cell.left(), Whole.top(), Cell.width(), Whole.height()));
        }
    }
    // The employee copies have no identifier or Void box: box a takes the row's left part.
    if (Result.Grouped)
        Result.Boxes.insert(QStringLiteral("a"), QRectF(0, 0, 3.4, 1.0 / 3));
    if (Report == QLatin1String("FormW2"))
        Result.Forms = Quarters(false);
    else if (Report == QLatin1String("FormW2_CopyD1"))
        Result.Forms = Quarters(true);
    else
        Result.Forms = { { 1, 0.5, 0.5, 1.0, false }, { 2, 0.5, 6.0, 1.0, false } };
    return Result;
}

} // namespace

class TstTaxForms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void installedProjectHasEveryName_data();
    void installedProjectHasEveryName();
    void everyValueInItsBox_data();
    void everyValueInItsBox();
};

void TstTaxForms::installedProjectHasEveryName_data()
{
    QTest::addColumn<QString>("Report");
    QTest::addColumn<QStringList>("Names");
    QStringList W2;
    for (const TParam &Param : W2Params())
        W2.append(Param.Name);
    QStringList W3;
    for (const TParam &Param : W3Params())
        W3.append(Param.Name);
    QStringList D1 = { QStringLiteral("FormType") };
    QStringList Ssa = { QStringLiteral("Void2") };
    for (int Slot = 1; Slot <= 4; ++Slot)
        for (const QString &Name : W2) {
            D1.append(SlotName(Name, Slot));
            if (Slot <= 2)
                Ssa.append(SlotName(Name, Slot));
        }
    QTest::newRow("FormW2") << "FormW2" << W2;
    QTest::newRow("FormW2_CopyD1") << "FormW2_CopyD1" << D1;
    QTest::newRow("FormW2_SSA") << "FormW2_SSA" << Ssa;
    QTest::newRow("FormW3") << "FormW3" << W3;
}

void TstTaxForms::installedProjectHasEveryName()
{
    QFETCH(QString, Report);
    QFETCH(QStringList, Names);
    // The names the print runs set, counted on the list above: a slip there
    // would hide a missing name.
    QCOMPARE(Names.size(),
        Report == QLatin1String("FormW3")           ? 48
            : Report == QLatin1String("FormW2")     ? 54
            : Report == QLatin1String("FormW2_SSA") ? 2 * 54 + 1
                                                    : 4 * 54 + 1);
    const TReportProject Project = TReportProject::Load(InstalledProject);
    QCOMPARE(Project.ReportNames(),
        QStringList({ QStringLiteral("FormW2"), QStringLiteral("FormW2_CopyD1"), QStringLiteral("FormW2_SSA"),
            QStringLiteral("FormW3") }));
    const TReportDefinition *Definition = Project.Find(Report);
    QVERIFY(Definition);
    QSet<QString> Fields;
    for (const TReportItemDef &Item : Definition->Items)
        if (Item.Kind == TReportItemDef::TKind::Field)
            Fields.insert(Item.Text);
    for (const QString &Name : Names)
        QVERIFY2(Fields.contains(Name), qPrintable(Name + QStringLiteral(" is missing")));
    QCOMPARE(Fields.size(), Names.size());
}

void TstTaxForms::everyValueInItsBox_data()
{
    QTest::addColumn<QString>("Report");
    for (const char *Report : { "FormW2", "FormW2_CopyD1", "FormW2_SSA", "FormW3" })
        QTest::newRow(Report) << QString::fromLatin1(Report);
}

void TstTaxForms::everyValueInItsBox()
{
    QFETCH(QString, Report);
    QMRK_REQUIRE_TOOL(!PdfToText().isEmpty(), "pdftotext (poppler-utils) is not installed");
    const TCase Form = Case(Report);
    QStringList Args = { QStringLiteral("report"), QStringLiteral("--project"), InstalledProject,
        QStringLiteral("--report"), Report };
    // Word -> the box it belongs in; check marks may lie in any check box of the run.
    QHash<QString, QList<QRectF>> Expected;
    QList<QRectF> CheckBoxes;
    int Index = 0;
    auto Add = [&](const QString &Name, const QString &Value, const QRectF &Box, bool Check) {
        if (!Args.contains(Name + QLatin1Char('=') + Value))
            Args << QStringLiteral("--param") << Name + QLatin1Char('=') + Value;
        if (Check)
            CheckBoxes.append(Box);
        else
            for (const QString &Word : Value.split(QLatin1Char(' ')))
                Expected[Word].append(Box);
    };
    for (const TPlacement &Placement : Form.Forms) {
        // Without slots every quarter prints the same values.
        if (Placement.Slot == 0)
            Index = 0;
        for (const TParam &Param : Form.Params) {
            QVERIFY2(Form.Boxes.contains(Param.Box), qPrintable(Param.Box));
            Add(SlotName(Param.Name, Placement.Slot), Value(Param, Index++, Form.Grouped),
                OnPage(Form.Boxes.value(Param.Box), Placement), Param.Kind == TKind::Check);
        }
        if (Placement.Quarter && Placement.Slot > 0 && Placement.Slot == 1)
            Args << QStringLiteral("--param")
                 << QStringLiteral("FormType=Copy 1\u2014For State, City, or Local Tax Department");
        if (Placement.Slot == 2 && Report == QLatin1String("FormW2_SSA"))
            Add(QStringLiteral("Void2"), QStringLiteral("X"), OnPage(Form.Boxes.value("void"), Placement),
                true);
    }
    QTemporaryDir Dir;
    const QString Pdf = Dir.filePath(Report + QStringLiteral(".pdf"));
    QProcess Cli;
    Cli.start(QStringLiteral(QMRK_CLI_PATH), Args << QStringLiteral("--pdf") << Pdf);
    QVERIFY(Cli.waitForFinished(60000));
    QVERIFY2(Cli.exitCode() == 0, Cli.readAllStandardError().constData());

    const QList<TWord> Found = Words(Pdf);
    constexpr double Slack = 0.01; // inches: the rule's own width
    QHash<QString, int> Seen;
    int Checks = 0;
    for (const TWord &Word : Found) {
        if (Word.Text == QLatin1String("X")) {
            ++Checks;
            bool Inside = false;
            for (const QRectF &Box : CheckBoxes)
                Inside = Inside
                    || (Word.Box.left() >= Box.left() - Slack && Word.Box.right() <= Box.right() + Slack
                        && Box.contains(Word.Box.center()));
            QVERIFY2(Inside,
                qPrintable(QStringLiteral("a check mark outside its box at %1, %2")
                               .arg(Word.Box.left())
                               .arg(Word.Box.top())));
            continue;
        }
        if (!Expected.contains(Word.Text))
            continue;
        ++Seen[Word.Text];
        QRectF Box;
        for (const QRectF &Candidate : Expected.value(Word.Text))
            if (Box.isNull() || Candidate.contains(Word.Box.center()))
                Box = Candidate.adjusted(-Slack, -Slack, Slack, Slack);
        QVERIFY2(Box.contains(Word.Box),
            qPrintable(QStringLiteral("%1 at (%2, %3)-(%4, %5) is outside its box (%6, %7)-(%8, %9)")
                           .arg(Word.Text)
                           .arg(Word.Box.left())
                           .arg(Word.Box.top())
                           .arg(Word.Box.right())
                           .arg(Word.Box.bottom())
                           .arg(Box.left())
                           .arg(Box.top())
                           .arg(Box.right())
                           .arg(Box.bottom())));
    }
    for (auto It = Expected.begin(); It != Expected.end(); ++It)
        QVERIFY2(Seen.value(It.key()) == It.value().size(),
            qPrintable(QStringLiteral("%1 is printed %2 times, not %3")
                           .arg(It.key())
                           .arg(Seen.value(It.key()))
                           .arg(It.value().size())));
    QCOMPARE(Checks, CheckBoxes.size());

    // No two texts of the sheet, printed captions included, cover each other.
    constexpr double Touch = 0.005;
    for (int I = 0; I < Found.size(); ++I)
        for (int J = I + 1; J < Found.size(); ++J) {
            const QRectF Common = Found.at(I).Box.intersected(Found.at(J).Box);
            QVERIFY2(Common.width() <= Touch || Common.height() <= Touch,
                qPrintable(QStringLiteral("\"%1\" and \"%2\" overlap at %3, %4")
                               .arg(Found.at(I).Text, Found.at(J).Text)
                               .arg(Common.left())
                               .arg(Common.top())));
        }
}

QMRK_TEST_MAIN_IMPL(TstTaxForms, QGuiApplication)
#include "tst_taxforms.moc"
