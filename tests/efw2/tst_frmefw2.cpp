#include "EFW2Files.h"
#include "EInOutError.h"
#include "FieldColors.h"
#include "QmrkGuiTestMain.h"
#include "TAppGlobals.h"
#include "TCheckBoxEdit.h"
#include "TDesktop.h"
#include "TEFW2Batch.h"
#include "TEFW2Fixtures.h"
#include "TExpectedLine.h"
#include "TFilterEdit.h"
#include "TFrmDataModule.h"
#include "TFrmEFW2.h"
#include "TFrmHelp.h"
#include "TFrmMain.h"
#include "THelpSystem.h"
#include "TMaskedEdit.h"
#include "TModalDriver.h"
#include "TRecordBytes.h"
#include "TRecordSet.h"
#include "TScriptedInteraction.h"
#include "TStateEdit.h"
#include "TSubmitterBreaks.h"
#include "TVisualStyle.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

using namespace EFW2Fixtures;

namespace {

const QString Title = QStringLiteral("Quillmark W-2 2025");
constexpr int ErrorBox = 16;
constexpr int InfoBox = 64;
constexpr int YesNoQuestion = 292;

const QStringList FieldNames { "EIN", "UserID", "ResubInd", "ResubID", "CompanyName", "LocationAddr",
    "DeliveryAddr", "City", "StateCode", "ZipCode", "ZipCodeExt", "ForeignState", "ForeignZip", "CountryCode",
    "SubmitName", "SubmitAddr1", "SubmitAddr2", "SubmitCity", "SubmitState", "SubmitZip", "SubmitZipExt",
    "SubmitFSP", "SubmitFPC", "SubmitCC", "ContactName", "ContactPhone", "ContactExt", "ContactEmail",
    "ContactFax", "PreparerCode" };

QString AccessibleName(QWidget *Widget)
{
    QAccessibleInterface *Interface = QAccessible::queryAccessibleInterface(Widget);
    return Interface ? Interface->text(QAccessible::Name) : QString();
}

} // namespace

class TstFrmEFW2 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    std::unique_ptr<TFrmDataModule> Data;
    std::unique_ptr<TFrmEFW2> Window;

    QString ProgramDir() const { return Dir->filePath(QStringLiteral("prog/")); }
    QString DataDir() const { return Dir->filePath(QStringLiteral("data/")); }
    QString EFW2Dir() const { return DataDir() + QStringLiteral("EFW2/"); }
    QString SettingsFile() const { return ProgramDir() + QStringLiteral("QMRK.W2S"); }
    QString ClientsFile() const { return ProgramDir() + QStringLiteral("QMRK.CP"); }
    QString MasterFile() const { return EFW2Dir() + QStringLiteral("FormsW2Report.txt"); }
    QString ClientFile(const QString &Name) const { return EFW2Dir() + Name + QStringLiteral(".txt"); }

    void WriteSettings(const QByteArray &Bytes) { TRecordBytes::WriteFile(SettingsFile(), { Bytes }); }
    void OpenClient(const QString &File, const EmployerRecord &Employer,
        const QList<EmployeeRecord> &Employees, int FormsReviewState = 2);
    void Show();
    // Process is disabled and says why, in its hint and under the boxes.
    void CheckProcessBlockShown(const QString &Why);
    // Close, as the person does it; false when the window stayed open.
    bool CloseWindow();
    QStringList FileLines(const QString &Path) const { return CrLfLines(TRecordBytes::ReadFile(Path)); }
    QString Messages() const { return Person->MessageTexts().join(QLatin1Char('|')); }
    QWidget *Field(const QString &Name) const { return Window->findChild<QWidget *>(Name); }
    // Staff: the employees, when not Employees(Count, File).
    void ProcessClient(const QString &File, const QString &Name, int Count,
        const std::function<void()> &Before, const QList<EmployeeRecord> &Staff = {});
    // The three-client submission of threeClientSubmission, with these staffs.
    void ProcessThreeClients(const QList<QList<EmployeeRecord>> &Staffs);

private Q_SLOTS:
    void init();
    void cleanup();

    void captionAndLayout();
    void fieldsHaveTheirLabelsAsNames();
    void enterMovesThroughTheFieldsInOrder();
    void firstUse();
    void settingsComeBackAsTheyWereLeft();
    void typedSettingsAreSaved();
    void marksFollowTheFields();
    void submitterRulesThroughTheWindow_data();
    void submitterRulesThroughTheWindow();
    void noValidEmployeesComesFirst();
    void singleClient();
    void threeClientSubmission();
    void clientAlreadyProcessed();
    void formsNotYetReviewed();
    void submitterBoxRule();
    void finalBoxRule();
    void formChecksBeforeWriting_data();
    void formChecksBeforeWriting();
    void failedWriteCountsNothing();
    void failedCloseChangesNoFile_data();
    void failedCloseChangesNoFile();
    void reprocessingReplacesTheReadOnlyFile();
    void viewCountryCodes();
    void helpShowsTopic19();
    void unwritableSettingsFolder();
    void menuOpensTheWindow();
    void screenshot();
    void limitFindingsAskFirst_data();
    void limitFindingsAskFirst();
    void windowAndCommandLineWriteTheSameBytes();
};

void TstFrmEFW2::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(ProgramDir());
    QDir().mkpath(DataDir());
    TDesktop::SetProgramDirForTest(ProgramDir());
    TAppGlobals::Instance().Reset();
    TAppGlobals::Instance().ProgramDir = ProgramDir();
    TAppGlobals::Instance().DataDir = DataDir();
    Person = std::make_unique<TScriptedInteraction>();
    Data = std::make_unique<TFrmDataModule>();
}

void TstFrmEFW2::cleanup()
{
    Window.reset();
    for (QWidget *Top : QApplication::topLevelWidgets())
        if (qobject_cast<TFrmHelp *>(Top))
            delete Top;
    if (Data->CompanyFileOpen)
        Data->CloseCompany();
    Data.reset();
    TFrmEFW2::SetOpenDocumentForTest({});
    TDesktop::SetProgramDirForTest(QString());
    const QString Problems = Person->Problems();
    Person.reset();
    Dir.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstFrmEFW2::OpenClient(const QString &File, const EmployerRecord &Employer,
    const QList<EmployeeRecord> &Employees, int FormsReviewState)
{
    const QString W2 = WriteCompany(DataDir(), File, Employer, Employees);
    Data->OpenCompany(W2);
    QVERIFY(Data->CompanyFileOpen);
    Data->FormsReviewState = FormsReviewState;
}

void TstFrmEFW2::Show()
{
    Window = std::make_unique<TFrmEFW2>(*Data);
    Window->show();
    Window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Window.get()));
}

bool TstFrmEFW2::CloseWindow()
{
    Window->BtnClose->click();
    return !Window->isVisible();
}

void TstFrmEFW2::CheckProcessBlockShown(const QString &Why)
{
    QVERIFY(!Window->BtnProcess->isEnabled());
    QCOMPARE(Window->BtnProcess->toolTip(), Why);
    const auto *Label = Window->findChild<QLabel *>(QStringLiteral("LblProcessBlock"));
    QVERIFY(Label && Label->isVisible());
    QCOMPARE(Label->text(), Why);
}

void TstFrmEFW2::captionAndLayout()
{
    WriteSettings(SettingsBytes(Submitter()));
    OpenClient(QStringLiteral("One"), Employer(QStringLiteral("ACME ONE")), Employees(2));
    Show();
    QCOMPARE(Window->windowTitle(),
        QStringLiteral("EFW2 - Submitter Information and File Creation Version 2025.00"));
    QVERIFY(!(Window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(Window->minimumSize() == Window->maximumSize());
    QCOMPARE(Window->CurClientPanel->text(), QStringLiteral(" Current Client:  ACME ONE"));
    QVERIFY(Window->CurClientPanel->font().bold());
    QCOMPARE(Window->Fields().size(), 30);
    for (int I = 0; I < FieldNames.size(); ++I)
        QCOMPARE(Window->Fields().at(I)->objectName(), FieldNames.at(I));
    QCOMPARE(Window->StateCode->count(), 54);
    QCOMPARE(Window->StateCode->itemText(0), QStringLiteral("AK"));
    QCOMPARE(Window->SubmitState->itemText(53), QStringLiteral("WY"));
    QCOMPARE(Window->EIN->EditMask(), QStringLiteral("99-9999999"));
    QCOMPARE(Window->ContactPhone->EditMask(), QStringLiteral("999-999-9999"));
    QCOMPARE(Window->ContactFax->EditMask(), QStringLiteral("999-999-9999"));
    const QList<std::pair<QPushButton *, QString>> Buttons {
        { Window->BtnHelp, QStringLiteral("Obtain help on completing this Form") },
        { Window->BtnProcess, QStringLiteral("Process the Form and create EFW2 file") },
        { Window->BtnReset, QStringLiteral("Reset the EFW2 file creation process") },
        { Window->BtnClose,
            QStringLiteral("Closes the Form without processing, but your data will be saved") },
    };
    for (const auto &[Button, Hint] : Buttons)
        QCOMPARE(Button->toolTip(), Hint);
    QCOMPARE(Window->BtnViewCountryCodes->text(), QStringLiteral("&View Country Codes"));
    for (QWidget *NoTab : QList<QWidget *> { Window->BtnClose, Window->ChkSubmitter, Window->ChkFinal })
        QVERIFY(!(NoTab->focusPolicy() & Qt::TabFocus));
    QVERIFY(Window->MemoClientsProcessed->isReadOnly());
    QCOMPARE(Window->MemoClientsProcessed->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(Window->TotalRecords->isReadOnly());
    QCOMPARE(Window->TotalRecords->Alignment(), TAlignment::RightJustify);
    QCOMPARE(Window->ChkSubmitter->text(), QStringLiteral("Submitter"));
    QCOMPARE(Window->ChkFinal->text(), QStringLiteral("Final"));
    QStringList Labels;
    for (QLabel *Label : Window->findChildren<QLabel *>())
        Labels.append(Label->text());
    for (const char *Text :
        { "Clients Processed:", "Total  number of employee  records created for all Clients",
            "Click View Country Codes Above", ".  .  .", "\u2014" })
        QVERIFY2(Labels.contains(QString::fromUtf8(Text)), Text);
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::fieldsHaveTheirLabelsAsNames()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    const QList<std::pair<QString, QString>> Names {
        { "EIN", "Submitter's Employer Identification Number (EIN)" },
        { "UserID",
            "BSO User ID assigned to the employee who is attesting to the accuracy of the EFW2 file" },
        { "ResubInd", "Check if the file is being resubmitted" },
        { "ResubID", "and enter the Wage File Identifier from SSA notice" },
        { "CompanyName", "Company Name" },
        { "LocationAddr", "Location address (Floor, Suite or Room number)" },
        { "DeliveryAddr", "Delivery address" },
        { "City", "City" },
        { "StateCode", "State" },
        { "ZipCode", "Zip Code and Zip Code extension (extension is optional)" },
        { "ZipCodeExt", "Zip Code extension" },
        { "ForeignState", "Foreign State or Province" },
        { "ForeignZip", "Foreign Postal Code" },
        { "CountryCode", "Country Code (if U.S. state or possession, leave blank)" },
        { "SubmitName", "Submitter Name" },
        { "SubmitAddr1", "Submitter's Location address (Floor, Suite or Room number)" },
        { "SubmitAddr2", "Submitter's Delivery address" },
        { "SubmitCity", "Submitter's City" },
        { "SubmitState", "Submitter's State" },
        { "SubmitZip", "Submitter's Zip Code and Zip Code extension (extension is optional)" },
        { "SubmitZipExt", "Submitter's Zip Code extension" },
        { "SubmitFSP", "Submitter's Foreign State or Province" },
        { "SubmitFPC", "Submitter's Foreign Postal Code" },
        { "SubmitCC", "Submitter's Country Code (if U.S. state or possession, leave blank)" },
        { "ContactName", "Person to be contacted by SSA concerning processing problems" },
        { "ContactPhone", "Contact Person's telephone number and extension" },
        { "ContactExt", "Contact Person's telephone extension" },
        { "ContactEmail", "Contact Person's e-mail/internet address" },
        { "ContactFax", "Contact Person's  fax number if applicable" },
        { "PreparerCode",
            "Preparer Code. Enter one of the following codes to indicate who prepared the EFW2 file:" },
    };
    QCOMPARE(Names.size(), 30);
    for (const auto &[Name, Caption] : Names) {
        QWidget *Control = Field(Name);
        QVERIFY2(Control, qPrintable(Name));
        QCOMPARE(AccessibleName(Control), Caption);
    }
    // The caption each line shows names its first field.
    for (QLabel *Label : Window->findChildren<QLabel *>())
        if (Label->buddy() && Window->Fields().contains(Label->buddy()))
            QVERIFY2(Label->text().startsWith(AccessibleName(Label->buddy())), qPrintable(Label->text()));
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::enterMovesThroughTheFieldsInOrder()
{
    TSubmitterData D = Submitter();
    D.ResubInd = true;
    D.ResubID = QStringLiteral("AB12");
    WriteSettings(SettingsBytes(D));
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    Window->EIN->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Window->EIN);
    QStringList Visited { QStringLiteral("EIN") };
    for (int I = 1; I < FieldNames.size(); ++I) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(Visited, FieldNames);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!Window->isVisible());
}

void TstFrmEFW2::firstUse()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()), QByteArray(564, '\0'));
    QVERIFY(QDir(EFW2Dir()).exists());
    for (QWidget *Control : Window->Fields()) {
        if (auto *Masked = qobject_cast<TMaskedEdit *>(Control))
            QCOMPARE(Masked->StoredText(), Masked->EditMask().replace(QLatin1Char('9'), QLatin1Char(' ')));
        else if (auto *Edit = qobject_cast<QLineEdit *>(Control))
            QVERIFY2(Edit->text().isEmpty(), qPrintable(Control->objectName()));
        else if (auto *State = qobject_cast<TStateEdit *>(Control))
            QCOMPARE(State->currentIndex(), -1);
    }
    QCOMPARE(Window->EIN->StoredText(), QStringLiteral("  -       "));
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("0"));
    QVERIFY(!Window->ChkSubmitter->isChecked() && !Window->ChkFinal->isChecked());
    QVERIFY(!Window->ResubID->isEnabled());
    QVERIFY(Window->BtnProcess->isEnabled());
    QVERIFY(!Window->BtnReset->isEnabled());
    QVERIFY(Window->MemoClientsProcessed->toPlainText().isEmpty());
    QVERIFY(CloseWindow());
    // Closing keeps what the window holds: masked fields with their literals.
    const QByteArray Expected = TRecordBytes(564)
                                    .PutStr(3, "  -       ")
                                    .PutStr(34, "0")
                                    .PutStr(454, "   -   -    ")
                                    .PutStr(525, "   -   -    ");
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()), QByteArray(Expected));
    QVERIFY(!QFile::exists(ClientsFile()) && !QFile::exists(MasterFile()));
}

void TstFrmEFW2::settingsComeBackAsTheyWereLeft()
{
    TSubmitterData D = Submitter();
    D.ResubInd = true;
    D.ResubID = QStringLiteral("Ab12");
    D.StateCode.clear();
    D.ContactFax = QStringLiteral("   -   -    ");
    D.ForeignZip = QStringLiteral("K1A 0B1");
    const QByteArray Bytes = TRecordBytes(564)
                                 .PutBytes(0, SettingsBytes(D, 7, true, true, false))
                                 .PutStr(0, "RA")
                                 .PutStr(43, "98")
                                 .Fill(555, 1, char(0x5A))
                                 .PutBytes(237 + 21, "ZZZ");
    WriteSettings(Bytes);
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    QCOMPARE(Window->SubmitterFromWindow(), D);
    QVERIFY(Window->ResubInd->Checked());
    QVERIFY(Window->ResubID->isEnabled());
    QCOMPARE(Window->StateCode->currentIndex(), -1);
    QCOMPARE(Window->SubmitState->currentText(), QStringLiteral("IL"));
    QCOMPARE(Window->EIN->StoredText(), QStringLiteral("12-3456789"));
    QCOMPARE(Window->ContactPhone->StoredText(), QStringLiteral("217-555-0100"));
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("7"));
    QVERIFY(Window->ChkSubmitter->isChecked() && Window->ChkFinal->isChecked());
    QVERIFY(Window->BtnReset->isEnabled());
    QVERIFY(CloseWindow());
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()), Bytes);
}

void TstFrmEFW2::typedSettingsAreSaved()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    const auto Type = [this](QWidget *Control, const QString &Text) {
        Control->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Control);
        QTest::keyClicks(Control, Text);
    };
    Type(Window->EIN, QStringLiteral("123456789"));
    Type(Window->UserID, QStringLiteral("ab12cd34x"));
    Type(Window->ResubInd, QStringLiteral(" "));
    QTest::keyClick(Window->ResubInd, Qt::Key_Tab);
    QTRY_VERIFY(Window->ResubID->isEnabled());
    Type(Window->ResubID, QStringLiteral("Wf1"));
    Type(Window->CompanyName, QStringLiteral("acme payroll"));
    Type(Window->StateCode, QStringLiteral("ii"));
    Type(Window->ZipCode, QStringLiteral("62a701"));
    Type(Window->CountryCode, QStringLiteral("c1a"));
    Type(Window->SubmitState, QStringLiteral("t"));
    Type(Window->ContactPhone, QStringLiteral("2175550100"));
    Type(Window->ContactEmail, QStringLiteral("Pat@Acme.Example"));
    Type(Window->PreparerCode, QStringLiteral("xs"));
    QVERIFY(CloseWindow());
    const QByteArray Expected = TRecordBytes(564)
                                    .PutStr(3, "12-3456789")
                                    .PutStr(14, "AB12CD34")
                                    .PutStr(34, "1")
                                    .PutStr(36, "Wf1")
                                    .PutStr(46, "ACME PAYROLL")
                                    .PutStr(173, "ID")
                                    .PutStr(176, "62701")
                                    .PutStr(233, "CA")
                                    .PutStr(363, "TN")
                                    .PutStr(454, "217-555-0100")
                                    .PutStr(480, "Pat@Acme.Example")
                                    .PutStr(525, "   -   -    ")
                                    .PutStr(540, "S");
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()), QByteArray(Expected));
}

void TstFrmEFW2::marksFollowTheFields()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    const QColor Normal = FieldColor(Window->CompanyName);
    // The first field has the focus and shows the highlight instead of its mark.
    QTRY_COMPARE(FieldColor(Window->EIN), HighlightColor());
    for (const QString &Name : QStringList { "UserID", "SubmitName", "SubmitAddr2", "SubmitCity",
             "SubmitState", "SubmitZip", "ContactName", "ContactPhone", "ContactEmail", "PreparerCode" })
        QVERIFY2(FieldColor(Field(Name)) == MarkColor(), qPrintable(Name));
    for (const QString &Name :
        QStringList { "ResubID", "SubmitZipExt", "ZipCode", "ContactFax", "CompanyName" })
        QVERIFY2(FieldColor(Field(Name)) != MarkColor(), qPrintable(Name));

    Window->UserID->setFocus();
    QTRY_COMPARE(FieldColor(Window->UserID), HighlightColor());
    QTest::keyClicks(Window->UserID, QStringLiteral("AB12CD3"));
    QTest::keyClick(Window->UserID, Qt::Key_Tab);
    QTRY_COMPARE(FieldColor(Window->UserID), MarkColor());
    Window->UserID->setFocus();
    QTRY_COMPARE(FieldColor(Window->UserID), HighlightColor());
    QTest::keyClick(Window->UserID, Qt::Key_End);
    QTest::keyClicks(Window->UserID, QStringLiteral("4"));
    QTest::keyClick(Window->UserID, Qt::Key_Tab);
    QTRY_COMPARE(FieldColor(Window->UserID), Normal);
    QCOMPARE(Window->UserID->text(), QStringLiteral("AB12CD34"));
    // An unmarked field gets back the colour it had.
    QTRY_COMPARE(FieldColor(Window->ResubInd), HighlightColor());
    QTest::keyClick(Window->ResubInd, Qt::Key_Space);
    QVERIFY(!Window->ResubID->isEnabled());
    QTest::keyClick(Window->ResubInd, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), Window->CompanyName);
    QVERIFY(Window->ResubID->isEnabled());
    QCOMPARE(FieldColor(Window->ResubID), MarkColor());
    QCOMPARE(FieldColor(Window->ResubInd), Normal);
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::submitterRulesThroughTheWindow_data()
{
    QTest::addColumn<int>("Rule");
    for (int Rule = 1; Rule <= SubmitterRuleCount; ++Rule)
        QTest::newRow(SubmitterBreak(Rule).Row) << Rule;
}

void TstFrmEFW2::submitterRulesThroughTheWindow()
{
    QFETCH(int, Rule);
    const TSubmitterBreak &Break = SubmitterBreak(Rule);
    WriteSettings(SettingsBytes(BrokenFrom(Rule), 3));
    OpenClient(QStringLiteral("One"), Employer(), Employees(2));
    Show();
    Window->BtnProcess->click();
    QCOMPARE(Messages(), Break.Message);
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    QCOMPARE(Person->MessageBoxes().first().Caption, Title);
    QTRY_COMPARE(QApplication::focusWidget(), Field(Break.Field));
    QVERIFY(!QFile::exists(ClientFile(QStringLiteral("One"))));
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("3"));
    QCOMPARE(Window->Settings().TotalRecords(), 3);
    QVERIFY(Window->BtnProcess->isEnabled());
    QVERIFY(Window->isVisible());
    Window.reset();
}

void TstFrmEFW2::noValidEmployeesComesFirst()
{
    WriteSettings(SettingsBytes(BrokenFrom(1)));
    OpenClient(QStringLiteral("One"), Employer(),
        { EmployeeRecord(), Employee(QStringLiteral("A"), QStringLiteral("B"), -10) });
    Show();
    Window->BtnProcess->click();
    QCOMPARE(Messages(), QStringLiteral("This client file does not have any valid W-2 employees."));
    QCOMPARE(Window->Settings().TotalRecords(), 0);
    QVERIFY(!QFile::exists(ClientFile(QStringLiteral("One"))));
    QVERIFY(Window->BtnProcess->isEnabled());
    Window.reset();
}

void TstFrmEFW2::singleClient()
{
    WriteSettings(SettingsBytes(Submitter()));
    QList<EmployeeRecord> Staff = Employees(3);
    Staff.insert(1, EmployeeRecord());
    OpenClient(QStringLiteral("Solo"), Employer(QStringLiteral("SOLO SHOP")), Staff);
    Data->RSW2->SetCurrentRecord(3);
    Data->RSW2->GetRec();
    Show();
    QCOMPARE(Window->BtnProcess->toolTip(), QStringLiteral("Process the Form and create EFW2 file"));
    QVERIFY(Window->findChild<QLabel *>(QStringLiteral("LblProcessBlock"))->isHidden());
    Window->BtnProcess->click();
    QCOMPARE(
        Messages(), QStringLiteral("Process Completed.  Total employee records processed for SOLO SHOP = 3"));
    CheckProcessBlockShown(QStringLiteral("This client has already been processed in this submission."));
    QCOMPARE(Person->MessageBoxes().first().Flags, 0);
    // The employee file is back on the record it was on.
    QCOMPARE(Data->RSW2->CurrentRecord(), 3);
    QCOMPARE(Data->CurrentEmployee.FirstName(), QStringLiteral("Emp2"));
    const QStringList Lines = FileLines(ClientFile(QStringLiteral("Solo")));
    QCOMPARE(RecordIds(Lines), QStringList({ "RA", "RE", "RW", "RW", "RW", "RT", "RF" }));
    QCOMPARE_LINE(Lines.last(), TExpectedLine().At(1, "RF").At(8, "000000003").Line());
    // The lines and the data module count the same employees.
    QCOMPARE(Data->ValidEmployeeCount(), 3);
    QVERIFY(IsReadOnly(ClientFile(QStringLiteral("Solo"))));
    QVERIFY(!Window->BtnProcess->isEnabled() && !Window->ChkSubmitter->isEnabled()
        && !Window->ChkFinal->isEnabled());
    QVERIFY(Window->BtnReset->isEnabled());
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("3"));
    QCOMPARE(Window->MemoClientsProcessed->toPlainText(), QStringLiteral("SOLO SHOP"));
    QVERIFY(Window->Submission().MasterList().isEmpty());
    QVERIFY(CloseWindow());
    QVERIFY(!QFile::exists(MasterFile()));
    QCOMPARE(TRecordBytes::ReadFile(ClientsFile()), QByteArray("SOLO SHOP\r\n"));
    // The RA left its final texts in the slots no field owns.
    const QByteArray Settings = TRecordBytes::ReadFile(SettingsFile());
    QCOMPARE(Settings.mid(0, 3), QByteArray("\x02RA"));
    QCOMPARE(Settings.mid(23, 5), QByteArray("\x04    "));
    QCOMPARE(Settings.mid(43, 3),
        QByteArray("\x02"
                   "98"));
    QCOMPARE(Settings.mid(556, 4), QByteArray("\x03\0\0\0", 4));

    // Another company later: single-client files stay single-client files.
    OpenClient(QStringLiteral("Other"), Employer(QStringLiteral("OTHER SHOP")), Employees(1));
    Show();
    QVERIFY(Window->BtnProcess->isEnabled());
    QVERIFY(!Window->ChkSubmitter->isEnabled() && !Window->ChkFinal->isEnabled());
    Window->BtnProcess->click();
    QCOMPARE(RecordIds(FileLines(ClientFile(QStringLiteral("Other")))),
        QStringList({ "RA", "RE", "RW", "RT", "RF" }));
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("4"));
    QVERIFY(CloseWindow());
    QCOMPARE(TRecordBytes::ReadFile(ClientsFile()), QByteArray("SOLO SHOP\r\nOTHER SHOP\r\n"));
}

void TstFrmEFW2::ProcessClient(const QString &File, const QString &Name, int Count,
    const std::function<void()> &Before, const QList<EmployeeRecord> &Staff)
{
    Person->Clear();
    OpenClient(File, Employer(Name), Staff.isEmpty() ? Employees(Count, File) : Staff);
    Show();
    QCOMPARE(Window->CurClientPanel->text(), QStringLiteral(" Current Client:  ") + Name);
    Before();
    Window->BtnProcess->click();
    QVERIFY2(Person->MessageTexts().last()
            == QStringLiteral("Process Completed.  Total employee records processed for %1 = %2")
                   .arg(Name)
                   .arg(Count),
        qPrintable(Messages()));
    QVERIFY(!Window->BtnProcess->isEnabled());
    QVERIFY(!Window->ChkSubmitter->isEnabled() && !Window->ChkFinal->isEnabled());
    QVERIFY(Window->BtnReset->isEnabled());
}

void TstFrmEFW2::threeClientSubmission()
{
    WriteSettings(SettingsBytes(Submitter()));

    // First client: Final checked, Submitter clear.
    ProcessClient(QStringLiteral("One"), QStringLiteral("ACME ONE"), 5, [this] {
        QVERIFY(Window->ChkSubmitter->isEnabled() && Window->ChkFinal->isEnabled());
        Window->ChkFinal->click();
        QVERIFY(Window->ChkFinal->isChecked());
    });
    QVERIFY(Window->ChkSubmitter->isChecked());
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("5"));
    QVERIFY(CloseWindow());
    QCOMPARE(RecordIds(FileLines(ClientFile(QStringLiteral("One")))),
        QStringList({ "RA", "RE", "RW", "RW", "RW", "RW", "RW", "RT" }));
    QVERIFY(IsReadOnly(MasterFile()));
    QCOMPARE(FileLines(MasterFile()), FileLines(ClientFile(QStringLiteral("One"))));
    QCOMPARE(TRecordBytes::ReadFile(ClientsFile()), QByteArray("ACME ONE\r\n"));
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()).mid(556, 7), QByteArray("\x05\0\0\0\x01\x01\0", 7));

    // Middle client: both boxes come back checked, Submitter cannot be cleared.
    ProcessClient(QStringLiteral("Two"), QStringLiteral("ACME TWO"), 4, [this] {
        QVERIFY(Window->ChkSubmitter->isChecked() && Window->ChkFinal->isChecked());
        QVERIFY(!Window->ChkSubmitter->isEnabled());
        QVERIFY(Window->ChkFinal->isEnabled());
        QCOMPARE(Window->MemoClientsProcessed->toPlainText(), QStringLiteral("ACME ONE"));
        QVERIFY(!IsReadOnly(MasterFile()));
    });
    QVERIFY(CloseWindow());
    QCOMPARE(RecordIds(FileLines(ClientFile(QStringLiteral("Two")))),
        QStringList({ "RE", "RW", "RW", "RW", "RW", "RT" }));

    // Last client: Final cleared and confirmed; no closing before Process.
    ProcessClient(QStringLiteral("Three"), QStringLiteral("ACME THREE"), 3, [this] {
        Person->AnswerMsgBox(6);
        Window->ChkFinal->click();
        QVERIFY(!Window->ChkFinal->isChecked());
        QCOMPARE(
            Person->MessageTexts().last(), QStringLiteral("Will this be the last Client to be Processed?"));
        QCOMPARE(Person->MessageBoxes().last().Flags, YesNoQuestion);
        QVERIFY(Window->Settings().LastClientConfirmed());
        QVERIFY(!CloseWindow());
        QCOMPARE(Person->MessageTexts().last(),
            QStringLiteral("The Final Client must be Processed before closing the Form."));
        QCOMPARE(Person->MessageBoxes().last().Flags, ErrorBox);
    });
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("12"));
    QCOMPARE(Window->MemoClientsProcessed->toPlainText(), QStringLiteral("ACME ONE\nACME TWO\nACME THREE"));
    QVERIFY(CloseWindow());

    const QStringList Three = FileLines(ClientFile(QStringLiteral("Three")));
    QCOMPARE(RecordIds(Three), QStringList({ "RE", "RW", "RW", "RW", "RT", "RF" }));
    QCOMPARE_LINE(Three.last(), TExpectedLine().At(1, "RF").At(8, "000000012").Line());
    const QStringList Master = FileLines(MasterFile());
    QCOMPARE(RecordIds(Master),
        QStringList({ "RA", "RE", "RW", "RW", "RW", "RW", "RW", "RT", "RE", "RW", "RW", "RW", "RW", "RT",
            "RE", "RW", "RW", "RW", "RT", "RF" }));
    QCOMPARE(Master,
        FileLines(ClientFile(QStringLiteral("One"))) + FileLines(ClientFile(QStringLiteral("Two"))) + Three);
    QCOMPARE(Master.at(7).mid(2, 7), QStringLiteral("0000005"));
    QCOMPARE(Master.at(13).mid(2, 7), QStringLiteral("0000004"));
    QCOMPARE(Master.at(18).mid(2, 7), QStringLiteral("0000003"));
    QVERIFY(IsReadOnly(MasterFile()));
    QCOMPARE(TRecordBytes::ReadFile(ClientsFile()), QByteArray("ACME ONE\r\nACME TWO\r\nACME THREE\r\n"));

    // Complete: Process stays disabled for any company until Reset.
    Person->Clear();
    OpenClient(QStringLiteral("Four"), Employer(QStringLiteral("ACME FOUR")), Employees(2));
    Show();
    QVERIFY(!Window->BtnProcess->isEnabled());
    QVERIFY(!Window->ChkSubmitter->isEnabled() && !Window->ChkFinal->isEnabled());
    QVERIFY(Window->BtnReset->isEnabled());
    CheckProcessBlockShown(QStringLiteral("The submission is complete: its last client has been processed. "
                                          "Press Reset to start a new submission."));
    Person->AnswerMsgBox(7);
    Window->BtnReset->click();
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("12"));
    QVERIFY(QFile::exists(MasterFile()));
    Person->AnswerMsgBox(6);
    Window->BtnReset->click();
    QCOMPARE(Person->MessageTexts().last(),
        QStringLiteral(
            "This will clear the Master EFW2 Text File and reset the total\rnumber  of employee records "
            "created for all Clients to zero. \r\rAre you sure?"));
    QCOMPARE(Person->MessageBoxes().last().Flags, YesNoQuestion);
    QVERIFY(!QFile::exists(MasterFile()) && !QFile::exists(ClientsFile()));
    QVERIFY(QFile::exists(ClientFile(QStringLiteral("Three"))));
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("0"));
    QVERIFY(Window->MemoClientsProcessed->toPlainText().isEmpty());
    QVERIFY(Window->BtnProcess->isEnabled() && !Window->BtnReset->isEnabled());
    QVERIFY(Window->findChild<QLabel *>(QStringLiteral("LblProcessBlock"))->isHidden());
    QVERIFY(!Window->ChkSubmitter->isChecked() && !Window->ChkFinal->isChecked());
    QVERIFY(Window->ChkSubmitter->isEnabled() && Window->ChkFinal->isEnabled());
    QVERIFY(!Window->Settings().LastClientConfirmed());
    QVERIFY(CloseWindow());
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()).mid(556, 7), QByteArray(7, '\0'));
}

void TstFrmEFW2::clientAlreadyProcessed()
{
    WriteSettings(SettingsBytes(Submitter(), 5));
    TRecordBytes::WriteFile(ClientsFile(), { "acme tool & die co.\r\n" });
    OpenClient(QStringLiteral("One"), Employer(), Employees(2));
    Show();
    QVERIFY(!Window->BtnProcess->isEnabled());
    QVERIFY(!Window->ChkSubmitter->isEnabled() && !Window->ChkFinal->isEnabled());
    QCOMPARE(Window->MemoClientsProcessed->toPlainText(), QStringLiteral("acme tool & die co."));
    CheckProcessBlockShown(QStringLiteral("This client has already been processed in this submission."));
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::formsNotYetReviewed()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(2), 1);
    Show();
    QVERIFY(!Window->BtnProcess->isEnabled());
    QVERIFY(!Window->ChkSubmitter->isEnabled() && !Window->ChkFinal->isEnabled());
    CheckProcessBlockShown(QStringLiteral(
        "Process is available once the forms have been reviewed since this company was opened: close the "
        "Form W-3 window, and close the Form W-2 window while its Print All button is enabled."));
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::submitterBoxRule()
{
    WriteSettings(SettingsBytes(Submitter(), 0, true, false));
    OpenClient(QStringLiteral("One"), Employer(), Employees(2));
    Show();
    // With an empty master list clearing it does nothing special.
    Window->ChkSubmitter->click();
    QVERIFY(!Window->ChkSubmitter->isChecked());
    QVERIFY(Person->MessageBoxes().isEmpty());
    QVERIFY(CloseWindow());

    WriteSettings(SettingsBytes(Submitter(), 2, true, false));
    TRecordBytes::WriteFile(MasterFile(), { "RE\r\nRT\r\n" });
    SetReadOnly(MasterFile(), true);
    Show();
    QVERIFY(Window->ChkSubmitter->isEnabled());
    Window->ChkSubmitter->click();
    QVERIFY(Window->ChkSubmitter->isChecked());
    QCOMPARE(Messages(), QStringLiteral("You have already created a Submitter record."));
    QCOMPARE(Person->MessageBoxes().first().Flags, InfoBox);
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::finalBoxRule()
{
    WriteSettings(SettingsBytes(Submitter(), 5, true, true));
    TRecordBytes::WriteFile(ClientsFile(), { "ACME ONE\r\n" });
    QDir().mkpath(EFW2Dir());
    TRecordBytes::WriteFile(MasterFile(), { "RA\r\nRE\r\nRT\r\n" });
    OpenClient(QStringLiteral("Two"), Employer(QStringLiteral("ACME TWO")), Employees(2));
    Show();
    QVERIFY(Window->ChkFinal->isEnabled());
    Person->AnswerMsgBox(7);
    Window->ChkFinal->click();
    QVERIFY(Window->ChkFinal->isChecked());
    QVERIFY(!Window->Settings().LastClientConfirmed());
    Person->AnswerMsgBox(6);
    Window->ChkFinal->click();
    QVERIFY(Window->Settings().LastClientConfirmed());
    // Checking it again asks nothing and keeps the confirmation.
    Window->ChkFinal->click();
    QVERIFY(Window->ChkFinal->isChecked());
    QVERIFY(Window->Settings().LastClientConfirmed());
    QCOMPARE(Person->MessageBoxes().size(), 2);
    QVERIFY(!CloseWindow());
    Window->BtnProcess->click();
    QCOMPARE(
        RecordIds(FileLines(ClientFile(QStringLiteral("Two")))), QStringList({ "RE", "RW", "RW", "RT" }));
    QVERIFY(CloseWindow());
    QCOMPARE(RecordIds(FileLines(MasterFile())), QStringList({ "RA", "RE", "RT", "RE", "RW", "RW", "RT" }));
    QCOMPARE(Person->MessageTexts(),
        QStringList({ "Will this be the last Client to be Processed?",
            "Will this be the last Client to be Processed?",
            "The Final Client must be Processed before closing the Form.",
            "Process Completed.  Total employee records processed for ACME TWO = 2" }));
}

void TstFrmEFW2::formChecksBeforeWriting_data()
{
    QTest::addColumn<QString>("Spoil");
    QTest::addColumn<QString>("Message");
    QTest::newRow("W-3 without a kind of employer")
        << "employer"
        << "Form W-3: The Kind of Employer box has not been checked.\r\rNo EFW2 file was created.";
    QTest::newRow("W-2 with an invalid SSN") << "ssn"
                                             << "Form W-2 of employee record 3 (Emp2 Worker): Social "
                                                "security number is invalid.\r\rNo EFW2 file was "
                                                "created.";
    QTest::newRow("W-2 with a local tax and no locality")
        << "local"
        << "Form W-2 of employee record 3 (Emp2 Worker): Local data 1 is incomplete.\r\rNo EFW2 file was "
           "created.";
    QTest::newRow("box 2 too large for its field")
        << "huge"
        << "Form W-2 of employee record 3 (Emp2 Worker): Box 2 (Federal income tax withheld) of "
           "5000000000.00 is "
           "too large for the EFW2 file.\r\rNo EFW2 file was created.";
}

void TstFrmEFW2::formChecksBeforeWriting()
{
    QFETCH(QString, Spoil);
    QFETCH(QString, Message);
    WriteSettings(SettingsBytes(Submitter(), 1));
    EmployerRecord Company = Employer();
    // Record 2 never went through the W-2 window; record 3 is Emp2.
    QList<EmployeeRecord> Staff = Employees(3);
    Staff.insert(1, EmployeeRecord());
    if (Spoil == QLatin1String("employer"))
        Company.SetKindOfEmployerNoneApply(false);
    else if (Spoil == QLatin1String("ssn"))
        Staff[2].SetEmployeeSSN(QStringLiteral("666-12-3456"));
    else if (Spoil == QLatin1String("local"))
        Staff[2].SetBox19LocalTax_a(15);
    else
        Staff[2].SetBox2FedIncomeTax(5e9);
    OpenClient(QStringLiteral("One"), Company, Staff);
    Show();
    Window->BtnProcess->click();
    QCOMPARE(Messages(), Message);
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    QVERIFY(!QFile::exists(ClientFile(QStringLiteral("One"))));
    QCOMPARE(Window->Settings().TotalRecords(), 1);
    QVERIFY(Window->MemoClientsProcessed->toPlainText().isEmpty());
    QVERIFY(Window->BtnProcess->isEnabled());
    QVERIFY(CloseWindow());
    QVERIFY(!QFile::exists(ClientsFile()));
}

// Nothing is counted when the client file cannot be written, and the old
// file stays as it was.
void TstFrmEFW2::failedWriteCountsNothing()
{
    WriteSettings(SettingsBytes(Submitter(), 4));
    OpenClient(QStringLiteral("One"), Employer(), Employees(2));
    QDir().mkpath(EFW2Dir());
    ReplaceTextFile(ClientFile(QStringLiteral("One")), { QStringLiteral("OLD") }, true);
    QVERIFY(QDir().mkpath(ClientFile(QStringLiteral("One")) + QStringLiteral(".new/in the way")));
    Show();
    Window->BtnProcess->click();
    QVERIFY2(Messages().startsWith(QStringLiteral("Cannot create ") + ClientFile(QStringLiteral("One"))),
        qPrintable(Messages()));
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    QCOMPARE(TRecordBytes::ReadFile(ClientFile(QStringLiteral("One"))), QByteArray("OLD\r\n"));
    QVERIFY(IsReadOnly(ClientFile(QStringLiteral("One"))));
    QCOMPARE(Window->TotalRecords->text(), QStringLiteral("4"));
    QCOMPARE(Window->Settings().TotalRecords(), 4);
    QVERIFY(Window->BtnProcess->isEnabled());
    QVERIFY(Window->MemoClientsProcessed->toPlainText().isEmpty());
    QVERIFY(CloseWindow());
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()).mid(556, 4), QByteArray("\x04\0\0\0", 4));
    QVERIFY(!QFile::exists(ClientsFile()));
}

void TstFrmEFW2::failedCloseChangesNoFile_data()
{
    QTest::addColumn<QString>("Blocked");
    QTest::newRow("master file") << "FormsW2Report.txt";
    QTest::newRow("clients-processed list") << "QMRK.CP";
    QTest::newRow("settings file") << "QMRK.W2S";
}

// The count, the clients-processed list and the master file are written
// together or not at all: were one kept without the others, the client could
// be processed again, counted twice and put in the master file twice.
void TstFrmEFW2::failedCloseChangesNoFile()
{
    QFETCH(QString, Blocked);
    const QByteArray Before = SettingsBytes(Submitter());
    WriteSettings(Before);
    ProcessClient(
        QStringLiteral("One"), QStringLiteral("ACME ONE"), 5, [this] { Window->ChkFinal->click(); });
    const bool SettingsBlocked = Blocked == QLatin1String("QMRK.W2S");
    const QString BlockedPath = (Blocked == QLatin1String("FormsW2Report.txt") ? EFW2Dir() : ProgramDir())
        + Blocked + (SettingsBlocked ? QString() : QStringLiteral(".new"));
    if (SettingsBlocked)
        QVERIFY(QFile::remove(SettingsFile()));
    QVERIFY(QDir().mkpath(BlockedPath + QStringLiteral("/in the way")));
    Person->Clear();
    QVERIFY(!CloseWindow());
    QVERIFY2(Messages().startsWith(QStringLiteral("Cannot ")), qPrintable(Messages()));
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    if (!SettingsBlocked)
        QCOMPARE(TRecordBytes::ReadFile(SettingsFile()), Before);
    QVERIFY(!QFile::exists(ClientsFile()) && !QFile::exists(MasterFile()));
    for (const QString &Staged :
        { ClientsFile() + QStringLiteral(".new"), MasterFile() + QStringLiteral(".new") })
        QVERIFY(Staged == BlockedPath || !QFile::exists(Staged));

    // Once the way is clear, closing again keeps the whole submission.
    QVERIFY(QDir(BlockedPath).removeRecursively());
    if (SettingsBlocked)
        WriteSettings(Before);
    QVERIFY(CloseWindow());
    QCOMPARE(TRecordBytes::ReadFile(SettingsFile()).mid(556, 7), QByteArray("\x05\0\0\0\x01\x01\0", 7));
    QCOMPARE(TRecordBytes::ReadFile(ClientsFile()), QByteArray("ACME ONE\r\n"));
    QCOMPARE(FileLines(MasterFile()), FileLines(ClientFile(QStringLiteral("One"))));
    QVERIFY(IsReadOnly(MasterFile()));
}

void TstFrmEFW2::reprocessingReplacesTheReadOnlyFile()
{
    WriteSettings(SettingsBytes(Submitter()));
    OpenClient(QStringLiteral("One"), Employer(), Employees(2));
    Show();
    Window->BtnProcess->click();
    QCOMPARE(RecordIds(FileLines(ClientFile(QStringLiteral("One")))).size(), 6);
    Person->AnswerMsgBox(6);
    Window->BtnReset->click();
    QVERIFY(CloseWindow());
    OpenClient(QStringLiteral("One"), Employer(), Employees(3));
    Show();
    Window->BtnProcess->click();
    QCOMPARE(RecordIds(FileLines(ClientFile(QStringLiteral("One")))).size(), 7);
    QVERIFY(IsReadOnly(ClientFile(QStringLiteral("One"))));
    QVERIFY(!QFile::exists(ClientFile(QStringLiteral("One")) + QStringLiteral(".new")));
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::viewCountryCodes()
{
    QStringList Opened;
    TFrmEFW2::SetOpenDocumentForTest([&Opened](const QString &Path) { Opened.append(Path); });
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    Window->BtnViewCountryCodes->click();
    QCOMPARE(Messages(), QStringLiteral("The Country Codes file cannot no be found"));
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    QVERIFY(Opened.isEmpty());
    TRecordBytes::WriteFile(ProgramDir() + QStringLiteral("CountryCodes.pdf"), { "%PDF-1.4" });
    Window->BtnViewCountryCodes->click();
    QCOMPARE(Opened, QStringList({ ProgramDir() + QStringLiteral("CountryCodes.pdf") }));
    QCOMPARE(Person->MessageBoxes().size(), 1);
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::helpShowsTopic19()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    Show();
    QCOMPARE(THelpSystem::HelpContextOf(Window->UserID), 19);
    Window->BtnHelp->click();
    TFrmHelp *Help = nullptr;
    for (QWidget *Top : QApplication::topLevelWidgets())
        if (auto *Candidate = qobject_cast<TFrmHelp *>(Top); Candidate && Candidate->isVisible())
            Help = Candidate;
    QVERIFY(Help);
    QCOMPARE(Help->CurrentContext(), 19);
    Help->close();
    QVERIFY(CloseWindow());
}

void TstFrmEFW2::unwritableSettingsFolder()
{
    OpenClient(QStringLiteral("One"), Employer(), Employees(1));
    TAppGlobals::Instance().ProgramDir = Dir->filePath(QStringLiteral("missing/"));
    QVERIFY_THROWS_EXCEPTION(EInOutError, std::make_unique<TFrmEFW2>(*Data));
    QVERIFY(!QFile::exists(Dir->filePath(QStringLiteral("missing"))));
}

void TstFrmEFW2::menuOpensTheWindow()
{
    TDesktop::SetWelcomePauseForTest(0);
    TDesktop::SetScreenSizeForTest(QSize(1280, 1024));
    const QString W2 = WriteCompany(Dir->filePath(QStringLiteral("co")), QStringLiteral("Acme"),
        Employer(QStringLiteral("ACME VIA MENU")), Employees(2));
    Data.reset();
    {
        TFrmMain Main({ W2 });
        TFrmDataModule Module;
        Main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Main));
        QVERIFY(Module.CompanyFileOpen);
        QVERIFY(Main.MnuEFW2->isEnabled());
        QString Panel;
        WhenModal<TFrmEFW2>([&Panel](TFrmEFW2 *Efw2) {
            Panel = Efw2->CurClientPanel->text();
            QVERIFY(!Efw2->BtnProcess->isEnabled());
            Efw2->BtnClose->click();
        });
        Main.MnuEFW2->trigger();
        QCOMPARE(Panel, QStringLiteral(" Current Client:  ACME VIA MENU"));
        QVERIFY(QFile::exists(ProgramDir() + QStringLiteral("QMRK.W2S")));
        const QString Documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir(Documents + QStringLiteral("/QMRK/2025/Data/EFW2")).exists());
        Main.close();
    }
    Data = std::make_unique<TFrmDataModule>();
}

void TstFrmEFW2::screenshot()
{
    QString StyleError;
    QVERIFY2(TVisualStyle::Apply(*qApp, StyleError), qPrintable(StyleError));
    TSubmitterData D = Submitter();
    D.UserID = QStringLiteral("AB12");
    D.SubmitCity.clear();
    D.ContactEmail = QStringLiteral("pat@");
    WriteSettings(SettingsBytes(D, 9, true, true));
    TRecordBytes::WriteFile(ClientsFile(), { "ACME ONE\r\nACME TWO\r\n" });
    QDir().mkpath(EFW2Dir());
    TRecordBytes::WriteFile(MasterFile(), { "RA\r\n" });
    OpenClient(QStringLiteral("Three"), Employer(QStringLiteral("ACME THREE")), Employees(3));
    Show();
    Window->CompanyName->setFocus();
    QTRY_COMPARE(FieldColor(Window->CompanyName), HighlightColor());
    QCOMPARE(FieldColor(Window->UserID), MarkColor());
    const QImage Picture = Window->grab().toImage();
    QVERIFY(Picture.save(QStringLiteral("/tmp/qmrk-efw2-window.png")));
    const QPoint InsideUserID = Window->UserID->mapTo(
        Window.get(), QPoint(Window->UserID->width() - 5, Window->UserID->height() / 2));
    QCOMPARE(Picture.pixelColor(InsideUserID), MarkColor());
    QVERIFY(CloseWindow());
    qApp->setStyleSheet(QString());
}

void TstFrmEFW2::limitFindingsAskFirst_data()
{
    QTest::addColumn<int>("Answer");
    QTest::newRow("No writes and counts nothing") << 7;
    QTest::newRow("Yes writes the file") << 6;
}

// Every finding in one box, then the question; No is the default.
void TstFrmEFW2::limitFindingsAskFirst()
{
    QFETCH(int, Answer);
    WriteSettings(SettingsBytes(Submitter(), 2));
    QList<EmployeeRecord> Staff = Employees(3);
    Staff[0].SetBox3SocSecWages(180000);
    Staff[0].SetBox5MedicareWages(180000);
    Staff[0].SetBox6MedicareTax(2610);
    Staff[2].SetBox6MedicareTax(100);
    OpenClient(QStringLiteral("One"), Employer(QStringLiteral("ONE CO")), Staff);
    Show();
    Person->AnswerMsgBox(Answer);
    Window->BtnProcess->click();
    const TAskedCall Question = Person->MessageBoxes().first();
    QCOMPARE(Question.Text,
        QStringLiteral(
            "The SSA's 2025 checks would report these amounts:\r\r"
            "Error: employee record 1 (Emp1 Worker, ***-**-6780): social security wages plus tips "
            "above the 2025 wage base of 176,100.00 (boxes 3 and 7: 180,000.00)\r"
            "Notice: employee record 3 (Emp3 Worker, ***-**-6780): Medicare tax more than a cent away "
            "from 1.45 % of Medicare wages and tips plus 0.9 % of the part above 200,000.00 (box 6: "
            "100.00, box 5: 3,000.00)\r\rWrite the EFW2 file anyway?"));
    QCOMPARE(Question.Caption, Title);
    QCOMPARE(Question.Flags, 308); // Yes and No, warning icon, No the default
    if (Answer == 7) {
        QCOMPARE(Person->MessageBoxes().size(), 1);
        QVERIFY(!QFile::exists(ClientFile(QStringLiteral("One"))));
        QCOMPARE(Window->TotalRecords->text(), QStringLiteral("2"));
        QVERIFY(Window->MemoClientsProcessed->toPlainText().isEmpty());
        QVERIFY(Window->BtnProcess->isEnabled());
        QVERIFY(CloseWindow());
        QVERIFY(!QFile::exists(ClientsFile()));
        QCOMPARE(TRecordBytes::ReadFile(SettingsFile()).mid(556, 4), QByteArray("\x02\0\0\0", 4));
    } else {
        QCOMPARE(Person->MessageTexts().last(),
            QStringLiteral("Process Completed.  Total employee records processed for ONE CO = 3"));
        QCOMPARE(RecordIds(FileLines(ClientFile(QStringLiteral("One")))),
            QStringList({ "RA", "RE", "RW", "RW", "RW", "RT", "RF" }));
        QCOMPARE(Window->TotalRecords->text(), QStringLiteral("5"));
        QVERIFY(CloseWindow());
    }
}

void TstFrmEFW2::ProcessThreeClients(const QList<QList<EmployeeRecord>> &Staffs)
{
    const auto Count = [&Staffs](int I) { return int(Staffs.at(I).size()); };
    ProcessClient(
        QStringLiteral("One"), QStringLiteral("ACME ONE"), Count(0), [this] { Window->ChkFinal->click(); },
        Staffs.at(0));
    QVERIFY(CloseWindow());
    ProcessClient(
        QStringLiteral("Two"), QStringLiteral("ACME TWO"), Count(1), [] {}, Staffs.at(1));
    QVERIFY(CloseWindow());
    ProcessClient(
        QStringLiteral("Three"), QStringLiteral("ACME THREE"), Count(2),
        [this] {
            Person->AnswerMsgBox(6);
            Window->ChkFinal->click();
        },
        Staffs.at(2));
    QVERIFY(CloseWindow());
}

// The window and "qmrk-w2-cli efw2" make one run: the same companies and
// submitter data give the same bytes, for one client and for a submission.
void TstFrmEFW2::windowAndCommandLineWriteTheSameBytes()
{
    const QByteArray Settings = SettingsBytes(Submitter());
    WriteSettings(Settings);
    QVERIFY(QDir().mkpath(Dir->filePath(QStringLiteral("cli"))));
    const QString CliSettings = Dir->filePath(QStringLiteral("cli/QMRK.W2S"));
    TRecordBytes::WriteFile(CliSettings, { Settings });
    QList<EmployeeRecord> First = Employees(3, QStringLiteral("One"));
    First[0].SetBox8AllocatedTips(321.09);
    First[0].SetBox12Code_a(QStringLiteral("D"));
    First[0].SetBox12Amt_a(100);
    First[0].SetBox12Code_b(QStringLiteral("d"));
    First[0].SetBox12Amt_b(25.5);
    First[1].SetBox11NonqualifiedPlans(900);
    First[2].SetBox12Code_d(QStringLiteral("Z"));
    First[2].SetBox12Amt_d(42);
    QList<EmployeeRecord> Second = Employees(2, QStringLiteral("Two"));
    Second[1].SetBox12Code_a(QStringLiteral("GG"));
    Second[1].SetBox12Amt_a(5000);
    const QList<EmployeeRecord> Third = Employees(2, QStringLiteral("Three"));
    const auto RunCli = [&](const QString &OutDir, const QStringList &Companies) {
        QString Out;
        QString Err;
        QTextStream OutStream(&Out, QIODevice::WriteOnly);
        QTextStream ErrStream(&Err, QIODevice::WriteOnly);
        const int Code = TEFW2Batch(OutStream, ErrStream)
                             .Run(QStringList { QStringLiteral("--settings"), CliSettings,
                                      QStringLiteral("--out"), OutDir }
                                 + Companies);
        ErrStream.flush();
        QVERIFY2(Code == 0, qPrintable(Err));
    };
    const auto W2 = [this](const QString &Name) { return DataDir() + Name + QStringLiteral(".W225"); };

    ProcessClient(
        QStringLiteral("Solo"), QStringLiteral("SOLO SHOP"), 3, [] {}, First);
    QVERIFY(CloseWindow());
    const QString SoloOut = Dir->filePath(QStringLiteral("cli/solo"));
    RunCli(SoloOut, { W2(QStringLiteral("Solo")) });
    const QByteArray Solo = TRecordBytes::ReadFile(ClientFile(QStringLiteral("Solo")));
    QVERIFY(Solo.contains("\r\nRO"));
    QCOMPARE(TRecordBytes::ReadFile(SoloOut + QStringLiteral("/Solo.txt")), Solo);

    // A new submission: the window's three clients against one command.
    Person->AnswerMsgBox(6);
    Show();
    Window->BtnReset->click();
    QVERIFY(CloseWindow());
    ProcessThreeClients({ First, Second, Third });
    const QString ManyOut = Dir->filePath(QStringLiteral("cli/many"));
    RunCli(ManyOut, { W2(QStringLiteral("One")), W2(QStringLiteral("Two")), W2(QStringLiteral("Three")) });
    for (const QString &Name : { QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three") })
        QCOMPARE(TRecordBytes::ReadFile(ManyOut + QLatin1Char('/') + Name + QStringLiteral(".txt")),
            TRecordBytes::ReadFile(ClientFile(Name)));
    const QByteArray Master = TRecordBytes::ReadFile(MasterFile());
    QCOMPARE(TRecordBytes::ReadFile(ManyOut + QStringLiteral("/FormsW2Report.txt")), Master);
    QCOMPARE(RecordIds(CrLfLines(Master)),
        QStringList({ "RA", "RE", "RW", "RO", "RW", "RW", "RO", "RT", "RU", "RE", "RW", "RW", "RO", "RT",
            "RU", "RE", "RW", "RW", "RT", "RF" }));
}

QMRK_GUI_TEST_MAIN(TstFrmEFW2)
#include "tst_frmefw2.moc"
