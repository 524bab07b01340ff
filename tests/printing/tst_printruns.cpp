#include "QmrkRequiredTool.h"
#include "QmrkTestMain.h"
#include "TDataModulePrintSource.h"
#include "TFormsFixture.h"
#include "TPrintingTestData.h"
#include "TRecordSet.h"
#include "TRvProject.h"
#include "TW2Printing.h"
#include "TW3Printing.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

using namespace PrintingTestData;
using TPage = QHash<QString, QString>;

namespace {

// The pages of a PDF made from the test project: each line "NAME= text".
QList<TPage> PdfPages(const QString &Pdf)
{
    QProcess Text;
    Text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
        { QStringLiteral("-layout"), Pdf, QStringLiteral("-") });
    if (!Text.waitForFinished(60000))
        return {};
    QList<TPage> Pages;
    QStringList Sheets = QString::fromUtf8(Text.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!Sheets.isEmpty() && Sheets.last().trimmed().isEmpty())
        Sheets.removeLast();
    for (const QString &Sheet : std::as_const(Sheets)) {
        TPage Page;
        for (const QString &Line : Sheet.split(QLatin1Char('\n'))) {
            const qsizetype Equals = Line.indexOf(QLatin1Char('='));
            if (Equals > 0)
                Page.insert(Line.left(Equals).trimmed(), Line.mid(Equals + 1).trimmed());
        }
        Pages.append(Page);
    }
    return Pages;
}

QList<EmployeeRecord> Staff(int Count)
{
    // Record order is not name order: the SSA copy sorts them.
    const QStringList Names { "Zoe Young", "Adam Baker", "Carl Baker", "Anna Adams", "Bob Cole" };
    QList<EmployeeRecord> List = TFormsFixture::Employees(Names.first(Count));
    for (int I = 0; I < List.size(); ++I)
        List[I].SetBox1Wages(1000 * (I + 1) + 234.567);
    return List;
}

} // namespace

class TstPrintRuns : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FOut;
    std::unique_ptr<TFormsFixture> FCompany;
    TRvProject FProject;

    QList<TPage> Run(int FormType, int Employees, int Current = 1)
    {
        FCompany = std::make_unique<TFormsFixture>();
        FCompany->OpenCompany(TFormsFixture::SampleEmployer(), Staff(Employees));
        TFrmDataModule &Data = FCompany->Data;
        Data.RSW2->SetCurrentRecord(Current);
        Data.RSW2->GetRec();
        TDataModulePrintSource Source(Data);
        TW2Printing Printing(FProject);
        TRvSystem &System = Printing.SystemFor(FormType);
        const QString Pdf = FOut.filePath(QStringLiteral("run%1.pdf").arg(FormType));
        System.DefaultDest = TReportDest::File;
        System.OutputFormat = TFileFormat::PDF;
        System.OutputFileName = Pdf;
        System.SystemSetups = 0;
        Printing.Print(Source, FormType, Data.RSW2->FirstRecord(), Data.RSW2->LastRecord(), true);
        return PdfPages(Pdf);
    }

private Q_SLOTS:
    void initTestCase()
    {
        FProject.ProjectFile = DataFile(QStringLiteral("TestForms.RAV"));
        QMRK_REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
            "pdftotext (poppler-utils) is not installed");
    }
    void cleanup() { FCompany.reset(); }

    void employeeCopyOnePagePerEmployee()
    {
        const QList<TPage> Pages = Run(0, 3);
        QCOMPARE(Pages.size(), 3);
        const QStringList Last { "YOUNG", "BAKER", "BAKER" };
        for (int I = 0; I < 3; ++I) {
            QCOMPARE(Pages[I].value("Boxe2"), Last[I]);
            QCOMPARE(Pages[I].value("Boxc1"), QStringLiteral("ACME TOOL & DIE CO."));
            QCOMPARE(Pages[I].value("Boxb"), QStringLiteral("12-3456789"));
            QCOMPARE(Pages[I].value("Boxa"), QStringLiteral("***-**-6780"));
        }
        QCOMPARE(Pages[1].value("Box1"), QStringLiteral("2,234.57"));
    }

    void employerCopyFourSlotsAPage()
    {
        const QList<TPage> Pages = Run(1, 5);
        QCOMPARE(Pages.size(), 2);
        for (const TPage &Page : Pages)
            QCOMPARE(Page.value("FormType"), QStringLiteral("Copy D \u2014 For Employer"));
        QCOMPARE(Pages[0].value("Boxe2_4"), QStringLiteral("ADAMS"));
        QCOMPARE(Pages[1].value("Boxe2_1"), QStringLiteral("COLE"));
        QCOMPARE(Pages[1].value("Boxb1"), QStringLiteral("12-3456789"));
        QCOMPARE(Pages[1].value("Boxe2_2"), QString());
        QCOMPARE(Pages[1].value("Boxb2"), QString());
        QCOMPARE(Pages[1].value("Box1_1"), QStringLiteral("5,234.57"));
        // Copy D is not masked.
        QCOMPARE(Pages[0].value("Boxa1"), QStringLiteral("123-45-6780"));
    }

    void stateCopyCaption()
    {
        const QList<TPage> Pages = Run(2, 1);
        QCOMPARE(Pages.size(), 1);
        QCOMPARE(Pages[0].value("FormType"),
            QStringLiteral("Copy 1 \u2014 For State, City, or Local Tax Department"));
    }

    void ssaCopyOfOneEmployeeIsVoidBelow()
    {
        const QList<TPage> Pages = Run(3, 1);
        QCOMPARE(Pages.size(), 1);
        QCOMPARE(Pages[0].value("Void2"), QStringLiteral("X"));
        QCOMPARE(Pages[0].value("Boxe2_1"), QStringLiteral("YOUNG"));
        QCOMPARE(Pages[0].value("Box1_1"), QStringLiteral("1234.57"));
        QCOMPARE(Pages[0].value("Boxe2_2"), QString());
    }

    void ssaCopySortedByName()
    {
        const QList<TPage> Pages = Run(3, 4);
        QCOMPARE(Pages.size(), 2);
        const QStringList Order { Pages[0].value("Boxe1_1") + ' ' + Pages[0].value("Boxe2_1"),
            Pages[0].value("Boxe1_2") + ' ' + Pages[0].value("Boxe2_2"),
            Pages[1].value("Boxe1_1") + ' ' + Pages[1].value("Boxe2_1"),
            Pages[1].value("Boxe1_2") + ' ' + Pages[1].value("Boxe2_2") };
        QCOMPARE(Order, QStringList({ "ANNA ADAMS", "ADAM BAKER", "CARL BAKER", "ZOE YOUNG" }));
        for (const TPage &Page : Pages)
            QCOMPARE(Page.value("Void2"), QString());
    }

    void runsEndOnTheCurrentRecord_data()
    {
        QTest::addColumn<int>("FormType");
        QTest::newRow("employee") << 0;
        QTest::newRow("employer") << 1;
        QTest::newRow("SSA") << 3;
    }
    void runsEndOnTheCurrentRecord()
    {
        QFETCH(int, FormType);
        Run(FormType, 4, 2);
        QCOMPARE(FCompany->Data.RSW2->CurrentRecord(), 2);
        QCOMPARE(FCompany->Data.CurrentEmployee.LastName(), QStringLiteral("Baker"));
        QCOMPARE(FCompany->Data.CurrentEmployee.FirstName(), QStringLiteral("Adam"));
    }

    void cliFailures_data()
    {
        QTest::addColumn<QStringList>("Args");
        QTest::addColumn<int>("Code");
        QTest::newRow("bad form") << QStringList { "--form", "copyz" } << 2;
        QTest::newRow("missing company") << QStringList { "--form", "employee", "--company", "missing" } << 1;
        QTest::newRow("unwritable output")
            << QStringList { "--form", "employee", "--out", "/nonexistent/x.pdf" } << 1;
        QTest::newRow("record out of range") << QStringList { "--form", "employee", "--last", "9" } << 2;
    }
    void cliFailures()
    {
        QFETCH(QStringList, Args);
        QFETCH(int, Code);
        TFormsFixture Company;
        Company.WriteCompany(TFormsFixture::SampleEmployer(), Staff(2));
        QString W2 = Company.W2Path();
        QString Out = FOut.filePath(QStringLiteral("fail.pdf"));
        QStringList Call { QStringLiteral("print"), QStringLiteral("--project"), FProject.ProjectFile };
        for (int I = 0; I < Args.size(); ++I) {
            if (Args[I] == QLatin1String("--company"))
                W2 = FOut.filePath(Args[++I] + QStringLiteral(".W225"));
            else if (Args[I] == QLatin1String("--out"))
                Out = Args[++I];
            else
                Call << Args[I];
        }
        Call << QStringLiteral("--pdf") << Out << W2;
        QProcess Tool;
        Tool.start(QStringLiteral(QMRK_CLI_PATH), Call);
        QVERIFY(Tool.waitForFinished(60000));
        QCOMPARE(Tool.exitCode(), Code);
        QVERIFY(!Tool.readAllStandardError().isEmpty());
        QVERIFY(!QFile::exists(Out));
    }

    void cliPerEmployee()
    {
        TFormsFixture Company;
        Company.WriteCompany(TFormsFixture::SampleEmployer(), Staff(2));
        QTemporaryDir Dir;
        QProcess Tool;
        Tool.start(QStringLiteral(QMRK_CLI_PATH),
            { QStringLiteral("print"), QStringLiteral("--project"), FProject.ProjectFile,
                QStringLiteral("--form"), QStringLiteral("employee"), QStringLiteral("--per-employee"),
                Dir.path(), Company.W2Path() });
        QVERIFY(Tool.waitForFinished(60000));
        QCOMPARE(Tool.exitCode(), 0);
        QCOMPARE(
            QDir(Dir.path()).entryList(QDir::Files), QStringList({ "0001-YOUNG.pdf", "0002-BAKER.pdf" }));
        const QList<TPage> Pages = PdfPages(Dir.filePath(QStringLiteral("0002-BAKER.pdf")));
        QCOMPARE(Pages.size(), 1);
        QCOMPARE(Pages[0].value("Boxe1"), QStringLiteral("ADAM"));
    }

    void w3PrintsTheValuesGiven()
    {
        TW3Printing Printing(FProject);
        EmployerRecord Employer = TFormsFixture::SampleEmployer();
        Employer.SetTotalWages(1234.567);
        Employer.SetContactPhone(QStringLiteral("555-1234"));
        const QString Pdf = FOut.filePath(QStringLiteral("w3.pdf"));
        Printing.RptFormW3.DefaultDest = TReportDest::File;
        Printing.RptFormW3.OutputFormat = TFileFormat::PDF;
        Printing.RptFormW3.OutputFileName = Pdf;
        Printing.RptFormW3.SystemSetups = 0;
        QVERIFY(Printing.Print(Employer));
        const QList<TPage> Pages = PdfPages(Pdf);
        QCOMPARE(Pages.size(), 1);
        QCOMPARE(Pages[0].value("Box1"), QStringLiteral("1234.57"));
        QCOMPARE(Pages[0].value("TelephoneNum"), QString());
        QCOMPARE(Pages[0].value("Boxb1"), QStringLiteral("X"));
        QCOMPARE(Pages[0].value("Boxf1"), QStringLiteral("ACME TOOL & DIE CO."));
    }
};

QMRK_TEST_MAIN_IMPL(TstPrintRuns, QGuiApplication)
#include "tst_printruns.moc"
