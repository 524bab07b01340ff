#include "QmrkGuiTestMain.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TCheckBoxEdit.h"
#include "TDesktop.h"
#include "TDollarEdit.h"
#include "TFilterEdit.h"
#include "TFormKeys.h"
#include "TFrmDataModule.h"
#include "TFrmMain.h"
#include "TFrmNewFileDlg.h"
#include "TFrmW2.h"
#include "TFrmW3.h"
#include "TMaskedEdit.h"
#include "TModalScript.h"
#include "TRecordBytes.h"
#include "TRecordSet.h"
#include "TScriptedInteraction.h"
#include "TStateEdit.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {

const QString Caption = QStringLiteral("Quillmark W-2 Version 2025.00");

QString DataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/QMRK/2025/Data/");
}

// Types Text into the field named Name of Window.
void Key(QWidget *Window, const char *Name, const QString &Text)
{
    TypeInto(Window->findChild<QWidget *>(QLatin1String(Name)), Text);
}

// The employer as a person enters it, key by key, then the Close button.
void EnterEmployer(TFrmW3 *W)
{
    QCOMPARE(W->Boxc->text(), QStringLiteral("1"));
    QTest::mouseClick(W->Boxb1, Qt::LeftButton);
    QTest::mouseClick(W->Boxb8, Qt::LeftButton);
    Key(W, "Boxe", QStringLiteral("123456789"));
    Key(W, "Boxf_a", QStringLiteral("Acme & Sons"));
    Key(W, "Boxg_a", QStringLiteral("1 Main St"));
    Key(W, "Boxg_b", QStringLiteral("Austin"));
    Key(W, "Boxg_c", QStringLiteral("TTT"));
    Key(W, "Boxg_d", QStringLiteral("78701"));
    Key(W, "Box15", QStringLiteral("TT"));
    Key(W, "StateID", QStringLiteral("1234567"));
    Key(W, "Contact", QStringLiteral("Pat Ledger"));
    QTest::mouseClick(W->BtnClose, Qt::LeftButton);
}

// The first employee: the state line already carries the employer's state.
void EnterEmployee(TFrmW2 *W)
{
    QCOMPARE(W->W3Boxf_a->text(), QStringLiteral("Acme & Sons"));
    QCOMPARE(W->W3Boxg_b->text(), QStringLiteral("Austin TN 78701"));
    QCOMPARE(W->Box15a->State(), QStringLiteral("TX"));
    QCOMPARE(W->StateID_a->text(), QStringLiteral("1234567"));
    QVERIFY(!W->BtnPrintOne->isEnabled());
    Key(W, "Boxa", QStringLiteral("123456780"));
    Key(W, "Amount1", QStringLiteral("50000"));
    LeaveField();
    QCOMPARE(W->Box16a->text(), QStringLiteral("50,000.00"));
    Key(W, "Boxe_a", QStringLiteral("Ann"));
    Key(W, "Boxe_b", QStringLiteral("Lee"));
    Key(W, "Boxf_a", QStringLiteral("2 Oak St"));
    Key(W, "Boxf_b", QStringLiteral("Austin"));
    Key(W, "Boxf_c", QStringLiteral("TX"));
    Key(W, "Boxf_d", QStringLiteral("78702"));
    QTest::mouseClick(W->BtnClose, Qt::LeftButton);
}

} // namespace

class TstNewCompany : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    std::unique_ptr<TFrmMain> Main;
    std::unique_ptr<TFrmDataModule> Data;

    void Start();

private Q_SLOTS:
    void init();
    void cleanup();
    void newCompanyEntersEmployerThenEmployee();
    void formCommandsOpenTheWindows();
};

void TstNewCompany::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    TDesktop::SetProgramDirForTest(Dir->path());
    TDesktop::SetWelcomePauseForTest(0);
    TDesktop::SetScreenSizeForTest(QSize(1280, 1024));
    TAppGlobals::Instance().Reset();
    QFile::remove(TAppRegistry::DefaultFileName());
    QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/QMRK"))
        .removeRecursively();
    Person = std::make_unique<TScriptedInteraction>();
}

void TstNewCompany::cleanup()
{
    if (Main)
        Main->close();
    Main.reset();
    Data.reset();
    const QString Problems = Person->Problems();
    Person.reset();
    Dir.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstNewCompany::Start()
{
    Main = std::make_unique<TFrmMain>();
    Data = std::make_unique<TFrmDataModule>();
    QVERIFY(ShowActive(Main.get()));
}

void TstNewCompany::newCompanyEntersEmployerThenEmployee()
{
    Start();
    TModalScript Script;
    Script
        .Then<TFrmNewFileDlg>([](TFrmNewFileDlg *Dialog) {
            QTest::keyClicks(Dialog->NewFileName, QStringLiteral("Acme"));
            QTest::keyClick(Dialog->NewFileName, Qt::Key_Return);
        })
        .Then<TFrmW3>(EnterEmployer)
        .Then<TFrmW2>(EnterEmployee);
    Script.Start();
    QTest::mouseClick(Main->BtnNew, Qt::LeftButton);
    QVERIFY(Script.Done());
    QVERIFY(Person->MessageTexts().isEmpty());
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->FormsReviewState, 0);
    QCOMPARE(Main->windowTitle(), Caption + QStringLiteral(" - Acme && Sons"));
    QVERIFY(Main->MnuFormW2->isEnabled());
    const QString W2File = DataDir() + QStringLiteral("Acme.W225");
    const EmployerRecord Employer
        = EmployerRecord::FromBytes(TRecordBytes::ReadFile(DataDir() + "Acme.W325"));
    QCOMPARE(Employer.EmployerEIN(), QStringLiteral("12-3456789"));
    QCOMPARE(Employer.EmployerState(), QStringLiteral("TN"));
    QCOMPARE(Employer.Box15State(), QStringLiteral("TX"));
    QVERIFY(Employer.KindOfPayer941());
    QCOMPARE(Employer.FormsW2Count(), 1);
    const QByteArray Employees = TRecordBytes::ReadFile(W2File);
    QCOMPARE(Employees.size(), 480);
    const EmployeeRecord Employee = EmployeeRecord::FromBytes(Employees);
    QCOMPARE(Employee.FirstName(), QStringLiteral("Ann"));
    QCOMPARE(Employee.EmployeeSSN(), QStringLiteral("123-45-6780"));
    QCOMPARE(Employee.Box15State_a(), QStringLiteral("TX"));
    QCOMPARE(Employee.StateID_a(), QStringLiteral("1234567"));
    QCOMPARE(Employee.Box3SocSecWages(), 50000.0);
    QCOMPARE(Employee.Box6MedicareTax(), 725.0);
    QCOMPARE(Employee.CityStateZip(), QStringLiteral("Austin TX 78702"));
}

void TstNewCompany::formCommandsOpenTheWindows()
{
    Start();
    TModalScript Script;
    Script
        .Then<TFrmNewFileDlg>([](TFrmNewFileDlg *Dialog) {
            QTest::keyClicks(Dialog->NewFileName, QStringLiteral("Acme"));
            QTest::keyClick(Dialog->NewFileName, Qt::Key_Return);
        })
        .Then<TFrmW3>(EnterEmployer)
        .Then<TFrmW2>(EnterEmployee)
        .Then<TFrmW2>([](TFrmW2 *W) {
            QCOMPARE(W->Boxe_a->text(), QStringLiteral("Ann"));
            QVERIFY(W->BtnPrintAll->isEnabled());
            QTest::keyClick(W->Boxa, Qt::Key_Escape);
        })
        .Then<TFrmW3>([](TFrmW3 *W) {
            Key(W, "Boxf_a", QStringLiteral("Acme Holdings"));
            QTest::keyClick(W->Boxf_a, Qt::Key_Escape);
        });
    Script.Start();
    Main->MnuNew->trigger();
    QCOMPARE(Data->FormsReviewState, 0);
    Main->MnuFormW2->trigger();
    QCOMPARE(Data->FormsReviewState, 1);
    QTest::mouseClick(Main->BtnFormW3, Qt::LeftButton);
    QVERIFY(Script.Done());
    QCOMPARE(Data->FormsReviewState, 2);
    QCOMPARE(Main->windowTitle(), Caption + QStringLiteral(" - Acme Holdings"));
    QVERIFY(Person->MessageTexts().isEmpty());
}

QMRK_GUI_TEST_MAIN(TstNewCompany)
#include "tst_newcompany.moc"
