#include "ECustomException.h"
#include "FormPrintText.h"
#include "MsgBox.h"
#include "QmrkGuiTestMain.h"
#include "QmrkRequiredTool.h"
#include "ShellRules.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TBaseReport.h"
#include "TCupsPrinterCatalog.h"
#include "TCupsTestServer.h"
#include "TEmployeeListPrintSource.h"
#include "TFakePrinterCatalog.h"
#include "TFilterEdit.h"
#include "TFormsFixture.h"
#include "TFrmPrinterSetup.h"
#include "TPageSink.h"
#include "TPrinterSettings.h"
#include "TPrinterSetup.h"
#include "TReportPage.h"
#include "TRvProject.h"
#include "TScriptedInteraction.h"
#include "TSnapshotReader.h"
#include "TW2LabelPrinting.h"
#include "TW2Printing.h"
#include "TW3Printing.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cups/cups.h>

namespace {

const QString Group = QStringLiteral("Software/QMRKTest/2025/Printer/");

// The stored values as the settings store keeps them, read past the program.
QVariant Stored(const QString &Name)
{
    return QSettings(TAppRegistry::DefaultFileName(), QSettings::IniFormat).value(Group + Name);
}

// Writes the stored form by hand, as an older or a damaged copy may have it.
void Store(const QVariantHash &Values)
{
    {
        QSettings Settings(TAppRegistry::DefaultFileName(), QSettings::IniFormat);
        Settings.remove(QStringLiteral("Software"));
        for (auto It = Values.begin(); It != Values.end(); ++It)
            Settings.setValue(Group + It.key(), It.value());
        Settings.sync();
    }
    // The program's store reads the file anew.
    TAppGlobals::Instance().AppRegistry = std::make_unique<TAppRegistry>();
}

QVariantHash Seven(const QString &Name, const QString &Paper, const QString &Bin, int Copies = 1)
{
    return { { QStringLiteral("Name"), Name }, { QStringLiteral("Paper"), Paper },
        { QStringLiteral("Bin"), Bin }, { QStringLiteral("Orientation"), 0 }, { QStringLiteral("Duplex"), 0 },
        { QStringLiteral("Copies"), Copies }, { QStringLiteral("Collate"), 0 } };
}

// The choices of a driver's option (PageSize, InputSlot) as the queue's PPD
// names them: the translation after the '/', or the keyword without one.
QStringList PpdChoices(const QString &Ppd, const QString &Option)
{
    QFile File(Ppd);
    if (!File.open(QIODevice::ReadOnly))
        return { QStringLiteral("cannot read ") + Ppd };
    const QRegularExpression Choice(
        QStringLiteral("^\\*%1 ([^/:]+)(?:/([^:]*))?:").arg(Option), QRegularExpression::MultilineOption);
    QStringList Names;
    for (auto It = Choice.globalMatch(QString::fromLatin1(File.readAll())); It.hasNext();) {
        const auto M = It.next();
        const QString Name = M.captured(2).isEmpty() ? M.captured(1) : M.captured(2);
        if (!Names.contains(Name))
            Names << Name;
    }
    return Names;
}

struct TWord {
    QRectF Box; // inches
    QString Text;
};

QList<TWord> Words(const QString &Pdf)
{
    QProcess Process;
    Process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
        { QStringLiteral("-bbox"), Pdf, QStringLiteral("-") });
    Process.waitForFinished(60000);
    static const QRegularExpression Word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<TWord> Result;
    const QString Html = QString::fromUtf8(Process.readAllStandardOutput());
    for (auto It = Word.globalMatch(Html); It.hasNext();) {
        const auto M = It.next();
        Result.append({ QRectF(QPointF(M.captured(1).toDouble() / 72, M.captured(2).toDouble() / 72),
                            QPointF(M.captured(3).toDouble() / 72, M.captured(4).toDouble() / 72)),
            M.captured(5) });
    }
    return Result;
}

// The longest straight run of ink, in pixels, along a row or a column of
// the first page at 100 dots per inch: a rule of a form is inches long, no
// character of the data is.
int LongestRule(const QString &Pdf)
{
    QTemporaryDir Dir;
    QProcess Process;
    Process.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
        { QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-singlefile"),
            QStringLiteral("-png"), Pdf, Dir.filePath(QStringLiteral("page")) });
    Process.waitForFinished(60000);
    const QImage Page
        = QImage(Dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_Grayscale8);
    if (Page.isNull())
        return -1;
    int Longest = 0;
    for (int Y = 0; Y < Page.height(); ++Y)
        for (int X = 0, Run = 0; X < Page.width(); ++X) {
            Run = qGray(Page.pixel(X, Y)) < 128 ? Run + 1 : 0;
            Longest = qMax(Longest, Run);
        }
    for (int X = 0; X < Page.width(); ++X)
        for (int Y = 0, Run = 0; Y < Page.height(); ++Y) {
            Run = qGray(Page.pixel(X, Y)) < 128 ? Run + 1 : 0;
            Longest = qMax(Longest, Run);
        }
    return Longest;
}

// Counts the items a run puts on its pages, and those shown in the preview only.
class TItemCount : public TPageSink {
public:
    int Printed = 0;
    int PreviewOnly = 0;
    QList<TPageItem> Items;
    void BeginDoc() override { }
    void EndDoc(const TJobSettings &) override { }
    void AddPage(const TReportPage &Page) override
    {
        for (const TPageItem &Item : Page.Items) {
            Items << Item;
            (Item.Has(TPageItem::PreviewOnly) ? PreviewOnly : Printed)++;
        }
    }
};

} // namespace

class TstPrinterSetup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TScriptedInteraction> FPerson;
    std::unique_ptr<TCupsTestServer> FServer;
    QString FServerProblem;

    // Opens Print Setup as the menu does and lets Act work it with real input.
    void RunWindow(const std::function<void(TFrmPrinterSetup &)> &Act)
    {
        QTimer::singleShot(0, this, [this, Act] {
            TFrmPrinterSetup *Window = nullptr;
            QTRY_VERIFY(Window = qobject_cast<TFrmPrinterSetup *>(QApplication::activeModalWidget()));
            Act(*Window);
            // A failed check inside Act leaves the window open.
            if (Window->isVisible())
                Window->BtnCancel->click();
        });
        TFrmPrinterSetup::Execute(nullptr);
    }

    static void Retype(TFilterEdit *Edit, const QString &Text)
    {
        Edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Edit, Qt::Key_End);
        for (int I = 0; I < 4; ++I)
            QTest::keyClick(Edit, Qt::Key_Backspace);
        QTest::keyClicks(Edit, Text);
    }

    static void ChooseWithKeys(QComboBox *List, const QString &Entry)
    {
        List->setFocus(Qt::OtherFocusReason);
        for (int Guard = 0; Guard < 40 && List->currentText() != Entry; ++Guard)
            QTest::keyClick(List, List->findText(Entry) > List->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    }

    static QStringList Entries(const QComboBox *List)
    {
        QStringList Names;
        for (int I = 0; I < List->count(); ++I)
            Names << List->itemText(I);
        return Names;
    }

    // The test's own CUPS server with the queues PDF and Office, started
    // once for the tests that print; false when it cannot run here.
    bool StartServer();
    void CancelOfficeJobs() const;
    QString OfficeJobs() const;
    int RunCli(const QStringList &Args, QString *Out = nullptr, QString *Err = nullptr) const;

    static TFakePrinterCatalog::TPrinter Laser()
    {
        TFakePrinterCatalog::TPrinter Printer;
        Printer.Papers = { QStringLiteral("Letter"), QStringLiteral("Legal") };
        Printer.Bins = { QStringLiteral("Tray 1"), QStringLiteral("Tray 2") };
        Printer.Duplex = true;
        Printer.Collate = true;
        return Printer;
    }

private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase();

    void validationRefusesInOrder_data();
    void validationRefusesInOrder();
    void aPrinterWithoutPapersIsSavedWithBothBlank();
    void choosingAnotherPrinterBlanksPaperAndSource();
    void keysTypedIntoTheListsAreDropped();
    void copiesTakeTwoDigits_data();
    void copiesTakeTwoDigits();
    void storedOrientationTwoShowsPortrait();
    void collationAndDuplexOnlyWhereSupported();
    void enterMovesOnAndEscDoesNotClose();
    void okStoresEveryValue();
    void cancelStoresNothing();
    void olderSettingsReadDataOnlyAsOff();
    void aKeyWithoutOneOfTheSevenValuesIsRefused();
    void noStoredPrinterKeepsTheEngineDefaults();
    void dataOnlyLeavesTheFormToThePreview();
    void aRunWithoutFormsGetsThePrinterButIsNotMoved();

    void listsEqualWhatCupsReports_data();
    void listsEqualWhatCupsReports();
    void storedSettingsReachTheJob_data();
    void storedSettingsReachTheJob();
    void aSavedPrinterThatIsGoneIsAskedAbout_data();
    void aSavedPrinterThatIsGoneIsAskedAbout();
    void cliPrintsOnAQueue_data();
    void cliPrintsOnAQueue();
    void cliListsThePrinters();
    void cliPrintsLabelsOnTheStoredQueue();
    void perEmployeeCopiesAreWholeFormsEvenWithDataOnly();

    void dataOnlyCopyAIsMovedByTheOffsets();
};

void TstPrinterSetup::init()
{
    QFile::remove(TAppRegistry::DefaultFileName());
    TAppGlobals &Globals = TAppGlobals::Instance();
    Globals.Reset();
    Globals.RegBaseKey = RegBaseKey(true);
    Globals.AppRegistry = std::make_unique<TAppRegistry>();
    FPerson = std::make_unique<TScriptedInteraction>();
}

void TstPrinterSetup::cleanup()
{
    if (FPerson) {
        const QString Problems = FPerson->Problems();
        FPerson.reset();
        QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
    }
    TPrinterSetup::SetPrinterOverride(QString());
    TAppGlobals::Instance().Reset();
}

void TstPrinterSetup::cleanupTestCase()
{
    if (FServer)
        FServer->Stop();
    cupsSetServer(nullptr);
}

void TstPrinterSetup::validationRefusesInOrder_data()
{
    QTest::addColumn<QString>("Printer");
    QTest::addColumn<QString>("Paper");
    QTest::addColumn<QString>("Bin");
    QTest::addColumn<QString>("Copies"); // typed; null: as shown
    QTest::addColumn<QString>("Message");
    QTest::addColumn<QString>("Field");
    QTest::newRow("no printer, nothing else either") << ""
                                                     << ""
                                                     << ""
                                                     << "0"
                                                     << "Printer has not been selected"
                                                     << "PrinterName";
    QTest::newRow("no paper comes before no source") << "Laser"
                                                     << ""
                                                     << ""
                                                     << "0"
                                                     << "Paper size has not been selected"
                                                     << "PaperSize";
    QTest::newRow("no source") << "Laser"
                               << "Legal"
                               << ""
                               << "0"
                               << "Paper source has not been selected"
                               << "PaperSource";
    QTest::newRow("copies 0") << "Laser"
                              << "Legal"
                              << "Tray 2"
                              << "0"
                              << "Copies must not be 0"
                              << "Copies";
    QTest::newRow("copies empty") << "Laser"
                                  << "Legal"
                                  << "Tray 2"
                                  << ""
                                  << "Copies must not be 0"
                                  << "Copies";
    QTest::newRow("copies of zeros") << "Laser"
                                     << "Legal"
                                     << "Tray 2"
                                     << "00"
                                     << "Copies must not be 0"
                                     << "Copies";
}

void TstPrinterSetup::validationRefusesInOrder()
{
    QFETCH(QString, Printer);
    QFETCH(QString, Paper);
    QFETCH(QString, Bin);
    QFETCH(QString, Copies);
    QFETCH(QString, Message);
    QFETCH(QString, Field);
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    Store(Seven(Printer, Paper, Bin, 3));
    QString Focused;
    bool StillOpen = false;
    RunWindow([&](TFrmPrinterSetup &W) {
        Retype(W.Copies, Copies);
        QTest::mouseClick(W.BtnOk, Qt::LeftButton);
        QWidget *Focus = W.focusWidget();
        Focused = Focus ? Focus->objectName() : QString();
        // The focus of a list's own line edit belongs to the list.
        if (auto *List = Focus ? qobject_cast<QComboBox *>(Focus->parentWidget()) : nullptr)
            Focused = List->objectName();
        StillOpen = W.isVisible();
    });
    QCOMPARE(FPerson->MessageTexts(), QStringList { Message });
    QCOMPARE(FPerson->MessageBoxes().first().Flags, MsgFlag::IconError);
    QCOMPARE(Focused, Field);
    QVERIFY(StillOpen);
    QCOMPARE(Stored(QStringLiteral("Copies")).toInt(), 3);
}

void TstPrinterSetup::aPrinterWithoutPapersIsSavedWithBothBlank()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    Catalog.Add(QStringLiteral("Plain"), {});
    RunWindow([&](TFrmPrinterSetup &W) {
        ChooseWithKeys(W.PrinterName, QStringLiteral("Plain"));
        QCOMPARE(W.PaperSize->count(), 0);
        QCOMPARE(W.PaperSource->count(), 0);
        QTest::mouseClick(W.BtnOk, Qt::LeftButton);
    });
    QVERIFY(FPerson->MessageTexts().isEmpty());
    QCOMPARE(Stored(QStringLiteral("Name")).toString(), QStringLiteral("Plain"));
    QCOMPARE(Stored(QStringLiteral("Paper")).toString(), QString());
    QCOMPARE(Stored(QStringLiteral("Bin")).toString(), QString());
    QCOMPARE(Stored(QStringLiteral("Copies")).toInt(), 1);
}

void TstPrinterSetup::choosingAnotherPrinterBlanksPaperAndSource()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    TFakePrinterCatalog::TPrinter Other;
    Other.Papers = { QStringLiteral("A4"), QStringLiteral("A5") };
    Other.Bins = { QStringLiteral("Manual") };
    Catalog.Add(QStringLiteral("Other"), Other);
    Store(Seven(QStringLiteral("Laser"), QStringLiteral("Legal"), QStringLiteral("Tray 2")));
    RunWindow([&](TFrmPrinterSetup &W) {
        QCOMPARE(W.PrinterName->currentText(), QStringLiteral("Laser"));
        QCOMPARE(W.PaperSize->currentText(), QStringLiteral("Legal"));
        QCOMPARE(W.PaperSource->currentText(), QStringLiteral("Tray 2"));
        QCOMPARE(Entries(W.PaperSize), Laser().Papers);
        ChooseWithKeys(W.PrinterName, QStringLiteral("Other"));
        QCOMPARE(W.PaperSize->currentText(), QString());
        QCOMPARE(W.PaperSource->currentText(), QString());
        QCOMPARE(Entries(W.PaperSize), Other.Papers);
        QCOMPARE(Entries(W.PaperSource), Other.Bins);
        ChooseWithKeys(W.PaperSize, QStringLiteral("A5"));
        ChooseWithKeys(W.PaperSource, QStringLiteral("Manual"));
        QTest::mouseClick(W.BtnOk, Qt::LeftButton);
    });
    QCOMPARE(Stored(QStringLiteral("Name")).toString(), QStringLiteral("Other"));
    QCOMPARE(Stored(QStringLiteral("Paper")).toString(), QStringLiteral("A5"));
    QCOMPARE(Stored(QStringLiteral("Bin")).toString(), QStringLiteral("Manual"));
}

void TstPrinterSetup::keysTypedIntoTheListsAreDropped()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    Store(Seven(QStringLiteral("Laser"), QStringLiteral("Legal"), QStringLiteral("Tray 2")));
    RunWindow([&](TFrmPrinterSetup &W) {
        for (QComboBox *List : { W.PrinterName, W.PaperSize, W.PaperSource }) {
            const QString Before = List->currentText();
            List->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(List, QStringLiteral("A4 x"));
            QTest::keyClick(List, Qt::Key_Backspace);
            QTest::keyClick(List, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(List->currentText(), Before);
        }
        QTest::mouseClick(W.BtnCancel, Qt::LeftButton);
    });
}

void TstPrinterSetup::copiesTakeTwoDigits_data()
{
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<QString>("Shown");
    QTest::newRow("99 is the largest") << "99"
                                       << "99";
    QTest::newRow("a third digit is refused") << "123"
                                              << "12";
    QTest::newRow("no letters or signs") << "-7a"
                                         << "7";
    QTest::newRow("one") << "5"
                         << "5";
}

void TstPrinterSetup::copiesTakeTwoDigits()
{
    QFETCH(QString, Typed);
    QFETCH(QString, Shown);
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Plain"), {});
    Store(Seven(QStringLiteral("Plain"), QString(), QString()));
    RunWindow([&](TFrmPrinterSetup &W) {
        QCOMPARE(W.Copies->text(), QStringLiteral("1"));
        Retype(W.Copies, Typed);
        QCOMPARE(W.Copies->text(), Shown);
        QCOMPARE(W.Copies->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QTest::mouseClick(W.BtnOk, Qt::LeftButton);
    });
    QCOMPARE(Stored(QStringLiteral("Copies")).toInt(), Shown.toInt());
}

void TstPrinterSetup::storedOrientationTwoShowsPortrait()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Plain"), {});
    QVariantHash Values = Seven(QStringLiteral("Plain"), QString(), QString());
    Values.insert(QStringLiteral("Orientation"), 2);
    Store(Values);
    // A run before the window was opened prints in the printer's own orientation.
    TItemCount Sink;
    TBaseReport Output(Sink);
    TPrinterSetup::SetPrinterSetup(Output, true);
    QCOMPARE(Output.Orientation(), TOrientation::Default);
    bool Portrait = false;
    RunWindow([&](TFrmPrinterSetup &W) {
        Portrait = W.RbPortrait->isChecked() && !W.RbLandscape->isChecked();
        QTest::mouseClick(W.BtnOk, Qt::LeftButton);
    });
    QVERIFY(Portrait);
    QCOMPARE(Stored(QStringLiteral("Orientation")).toInt(), 0);
}

void TstPrinterSetup::collationAndDuplexOnlyWhereSupported()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    Catalog.Add(QStringLiteral("Plain"), {});
    RunWindow([&](TFrmPrinterSetup &W) {
        ChooseWithKeys(W.PrinterName, QStringLiteral("Laser"));
        QVERIFY(W.ChkCollate->isEnabled());
        QVERIFY(W.GrpDuplex->isEnabled());
        ChooseWithKeys(W.PrinterName, QStringLiteral("Plain"));
        QVERIFY(!W.ChkCollate->isEnabled());
        QVERIFY(!W.GrpDuplex->isEnabled());
        QTest::mouseClick(W.BtnCancel, Qt::LeftButton);
    });
}

void TstPrinterSetup::enterMovesOnAndEscDoesNotClose()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Plain"), {});
    bool OpenAfterEsc = false;
    QWidget *AfterEnter = nullptr;
    TFilterEdit *CopiesBox = nullptr;
    RunWindow([&](TFrmPrinterSetup &W) {
        CopiesBox = W.Copies;
        W.Copies->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(W.Copies));
        QTest::keyClick(W.Copies, Qt::Key_Escape);
        OpenAfterEsc = W.isVisible();
        QTest::keyClick(W.Copies, Qt::Key_Return);
        AfterEnter = QApplication::focusWidget();
        QTest::mouseClick(W.BtnCancel, Qt::LeftButton);
    });
    QVERIFY(OpenAfterEsc);
    QVERIFY(AfterEnter && AfterEnter != CopiesBox);
}

void TstPrinterSetup::okStoresEveryValue()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    RunWindow([&](TFrmPrinterSetup &W) {
        QVERIFY(!W.OffsetX->isEnabled());
        ChooseWithKeys(W.PrinterName, QStringLiteral("Laser"));
        ChooseWithKeys(W.PaperSize, QStringLiteral("Legal"));
        ChooseWithKeys(W.PaperSource, QStringLiteral("Tray 2"));
        QTest::mouseClick(W.RbLandscape, Qt::LeftButton);
        W.RbDuplexBook->setFocus();
        QTest::keyClick(W.RbDuplexBook, Qt::Key_Space);
        QVERIFY(W.RbLandscape->isChecked());
        QVERIFY(W.GrpDuplex->isEnabled());
        QVERIFY(W.RbDuplexBook->isChecked());
        W.ChkCollate->setFocus();
        QTest::keyClick(W.ChkCollate, Qt::Key_Space);
        Retype(W.Copies, QStringLiteral("12"));
        W.ChkDataOnly->setFocus();
        QTest::keyClick(W.ChkDataOnly, Qt::Key_Space);
        QVERIFY(W.OffsetX->isEnabled());
        W.OffsetX->setValue(30);
        W.OffsetY->setValue(-20);
        QTest::mouseClick(W.BtnOk, Qt::LeftButton);
    });
    const QVariantHash Expected { { QStringLiteral("Name"), QStringLiteral("Laser") },
        { QStringLiteral("Paper"), QStringLiteral("Legal") },
        { QStringLiteral("Bin"), QStringLiteral("Tray 2") }, { QStringLiteral("Orientation"), 1 },
        { QStringLiteral("Duplex"), 2 }, { QStringLiteral("Copies"), 12 }, { QStringLiteral("Collate"), 1 },
        { QStringLiteral("DataOnly"), 1 }, { QStringLiteral("OffsetX"), 30 },
        { QStringLiteral("OffsetY"), -20 } };
    for (auto It = Expected.begin(); It != Expected.end(); ++It)
        QCOMPARE(Stored(It.key()).toString(), It.value().toString());
    // Booleans are kept as the integers 0 and 1, not as words.
    QFile File(TAppRegistry::DefaultFileName());
    QVERIFY(File.open(QIODevice::ReadOnly));
    const QByteArray Text = File.readAll();
    QVERIFY2(Text.contains("Collate=1") && Text.contains("DataOnly=1"), Text.constData());
}

void TstPrinterSetup::cancelStoresNothing()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    RunWindow([&](TFrmPrinterSetup &W) {
        ChooseWithKeys(W.PrinterName, QStringLiteral("Laser"));
        QTest::mouseClick(W.BtnCancel, Qt::LeftButton);
    });
    QVERIFY(!Stored(QStringLiteral("Name")).isValid());
}

void TstPrinterSetup::olderSettingsReadDataOnlyAsOff()
{
    Store(Seven(QStringLiteral("Laser"), QStringLiteral("Legal"), QStringLiteral("Tray 2"), 4));
    TPrinterSettings Settings;
    Settings.DataOnly = true;
    Settings.OffsetX = 7;
    Settings.LoadFromFile(*TAppGlobals::Instance().AppRegistry, TPrinterSettings::StoredKey());
    QCOMPARE(Settings.Name, QStringLiteral("Laser"));
    QCOMPARE(Settings.Copies, 4);
    QVERIFY(!Settings.DataOnly);
    QCOMPARE(Settings.OffsetX, 0);
    QCOMPARE(Settings.OffsetY, 0);
}

void TstPrinterSetup::aKeyWithoutOneOfTheSevenValuesIsRefused()
{
    QVariantHash Values = Seven(QStringLiteral("Laser"), QString(), QString());
    Values.remove(QStringLiteral("Copies"));
    Store(Values);
    TPrinterSettings Settings;
    QVERIFY_THROWS_EXCEPTION(ECustomException,
        Settings.LoadFromFile(*TAppGlobals::Instance().AppRegistry, TPrinterSettings::StoredKey()));
}

void TstPrinterSetup::noStoredPrinterKeepsTheEngineDefaults()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    Catalog.Default = QStringLiteral("Laser");
    TItemCount Sink;
    TBaseReport Output(Sink);
    const TJobSettings Before = Output.Job();
    TPrinterSetup::SetPrinterSetup(Output, true);
    QCOMPARE(Output.Job(), Before);
    // A blank printer name stored is no printer either.
    QVariantHash Values = Seven(QString(), QStringLiteral("Legal"), QString(), 5);
    Values.insert(QStringLiteral("Orientation"), 1);
    Store(Values);
    TPrinterSetup::SetPrinterSetup(Output, true);
    QCOMPARE(Output.Job(), Before);
}

void TstPrinterSetup::dataOnlyLeavesTheFormToThePreview()
{
    // The tax form project on the sample page of the report engine tests:
    // its background items become grey and preview-only, the data moves.
    TRvProject Project;
    Project.ProjectFile = QStringLiteral(QMRK_INSTALLED_PROJECT);
    Project.Open();
    QVERIFY(Project.SelectReport(QStringLiteral("FormW3")));
    for (const auto &[Name, Text] : W3Params(TFormsFixture::SampleEmployer()))
        Project.SetParam(Name, Text);
    const auto Run = [&Project](const TPrinterSettings &Settings) {
        TPrinterSetup::SetFormPrinting(Project, Settings);
        TItemCount Sink;
        TBaseReport Output(Sink);
        Output.BeginDoc();
        Project.ExecuteOn(Output);
        Output.EndDoc();
        return Sink;
    };
    const TItemCount Full = Run({});
    TPrinterSettings DataOnly;
    DataOnly.DataOnly = true;
    DataOnly.OffsetX = 30;
    DataOnly.OffsetY = -20;
    const TItemCount Data = Run(DataOnly);
    QVERIFY(Full.PreviewOnly == 0 && Full.Printed > 50);
    QVERIFY2(Data.Printed > 10 && Data.Printed * 3 < Full.Printed, qPrintable(QString::number(Data.Printed)));
    QCOMPARE(Data.Printed + Data.PreviewOnly, Full.Printed);
    for (const TPageItem &Item : Data.Items)
        if (Item.Has(TPageItem::PreviewOnly))
            QVERIFY(qGray(Item.Color) >= 0xC0);
    // Off again, the next run prints the whole form unmoved.
    const TItemCount Again = Run({});
    QCOMPARE(Again.Items, Full.Items);
}

void TstPrinterSetup::aRunWithoutFormsGetsThePrinterButIsNotMoved()
{
    // The labels' run: the same before-print step, without a form project.
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), Laser());
    QVariantHash Values
        = Seven(QStringLiteral("Laser"), QStringLiteral("Legal"), QStringLiteral("Tray 2"), 4);
    Values.insert(QStringLiteral("DataOnly"), 1);
    Values.insert(QStringLiteral("OffsetX"), 30);
    Store(Values);
    TRvSystem System;
    System.SystemSetups = 0;
    System.SystemOptions &= ~SystemOption::ShowStatus;
    QBuffer Pages;
    Pages.open(QIODevice::ReadWrite);
    System.SystemFiler.StreamMode = TStreamMode::User;
    System.SystemFiler.UserStream = &Pages;
    System.DefaultDest = TReportDest::Preview;
    System.OnOverridePreview = [](TRvSystem &, int, QObject *&) {};
    System.OnBeforePrint
        = [&System](TBaseReport &Output) { TPrinterSetup::BeforePrint(System, Output, nullptr); };
    System.OnPrint = [](TBaseReport &Output) {
        Output.Line(1, 1, 2, 1);
        Output.PrintXY(1, 2, QStringLiteral("LABEL"));
    };
    QVERIFY(System.Execute());
    Pages.seek(0);
    const TSnapshotReader Snapshot(Pages, QStringLiteral("labels"));
    QCOMPARE(Snapshot.Job().PrinterName, QStringLiteral("Laser"));
    QCOMPARE(Snapshot.Job().PaperName, QStringLiteral("Legal"));
    QCOMPARE(Snapshot.Job().BinName, QStringLiteral("Tray 2"));
    QCOMPARE(Snapshot.Job().Copies, 4);
    const TReportPage Page = Snapshot.Page(1);
    QCOMPARE(Page.Items.size(), 2);
    for (const TPageItem &Item : Page.Items)
        QVERIFY(!Item.Has(TPageItem::PreviewOnly));
    QCOMPARE(Page.Items.first().X, 1.0);
}

bool TstPrinterSetup::StartServer()
{
    if (FServer)
        return FServerProblem.isEmpty();
    // A server that makes copies, so a job carries its copies and collation.
    FServer = std::make_unique<TCupsTestServer>(99);
    if (!FServer->Start(FServerProblem))
        return false;
    cupsSetServer(FServer->Socket().toLocal8Bit().constData());
    if (!QTest::qWaitFor([this] { return FServer->Ready(); }, 30000)) {
        FServerProblem = QStringLiteral("the test's cupsd does not answer");
        return false;
    }
    if (!FServer->AddQueues(FServerProblem))
        return false;
    // Office is the default printer.
    if (!FServer->Tool(
            QStringLiteral("lpadmin"), { QStringLiteral("-d"), QStringLiteral("Office") }, &FServerProblem))
        return false;
    FServerProblem.clear();
    return true;
}

void TstPrinterSetup::CancelOfficeJobs() const
{
    FServer->Tool(QStringLiteral("cancel"), { QStringLiteral("-a"), QStringLiteral("Office") });
}

QString TstPrinterSetup::OfficeJobs() const
{
    return FServer->WaitingJobs(QStringLiteral("Office"));
}

int TstPrinterSetup::RunCli(const QStringList &Args, QString *Out, QString *Err) const
{
    QProcess Cli;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    if (FServer)
        Environment.insert(QStringLiteral("CUPS_SERVER"), FServer->Socket());
    Cli.setProcessEnvironment(Environment);
    Cli.start(QStringLiteral(QMRK_CLI_PATH), Args);
    if (!Cli.waitForFinished(120000)) {
        Cli.kill();
        Cli.waitForFinished(5000);
        return -1;
    }
    if (Out)
        *Out = QString::fromUtf8(Cli.readAllStandardOutput());
    if (Err)
        *Err = QString::fromUtf8(Cli.readAllStandardError());
    return Cli.exitStatus() == QProcess::NormalExit ? Cli.exitCode() : -1;
}

#define REQUIRE_SERVER() QMRK_REQUIRE_TOOL(StartServer(), qPrintable(FServerProblem))

void TstPrinterSetup::listsEqualWhatCupsReports_data()
{
    QTest::addColumn<QString>("Queue");
    QTest::newRow("two-sided office printer") << "Office";
    QTest::newRow("virtual PDF printer") << "PDF";
}

void TstPrinterSetup::listsEqualWhatCupsReports()
{
    QFETCH(QString, Queue);
    REQUIRE_SERVER();
    TCupsPrinterCatalog Catalog;
    const QStringList Papers = PpdChoices(FServer->QueuePpd(Queue), QStringLiteral("PageSize"));
    const QStringList Bins = Catalog.BinNames(Queue);
    QVERIFY(!Papers.isEmpty());
    QCOMPARE(Catalog.PaperNames(Queue), Papers);
    // The sources are CUPS's media-source choices of the queue, by their names.
    QStringList Keywords;
    for (const QString &Bin : Bins)
        Keywords << Catalog.BinKeyword(Queue, Bin);
    const QRegularExpression Supported(QStringLiteral("media-source-supported \\([^)]*\\) = ([^\n]*)"));
    const QRegularExpressionMatch Match = Supported.match(FServer->PrinterAttributes(Queue));
    QStringList Reported = Match.hasMatch() ? Match.captured(1).split(u',') : QStringList();
    // The driver of Office names "auto" for two of its slots; the list offers it once.
    Reported.removeDuplicates();
    QCOMPARE(Keywords, Reported);
    Store(Seven(Queue, QString(), QString()));
    RunWindow([&](TFrmPrinterSetup &W) {
        QVERIFY(Entries(W.PrinterName).contains(Queue));
        QCOMPARE(Entries(W.PaperSize), Papers);
        QCOMPARE(Entries(W.PaperSource), Bins);
        QCOMPARE(W.GrpDuplex->isEnabled(), Queue == QLatin1String("Office"));
        QTest::mouseClick(W.BtnCancel, Qt::LeftButton);
    });
}

void TstPrinterSetup::storedSettingsReachTheJob_data()
{
    QTest::addColumn<QString>("Run");
    QTest::addColumn<QString>("Paper");
    QTest::addColumn<int>("BinIndex"); // -1: none chosen
    QTest::addColumn<int>("Duplex");
    QTest::addColumn<bool>("Collate");
    QTest::addColumn<int>("Copies");
    QTest::addColumn<QString>("Media");
    QTest::addColumn<QString>("Sides");
    QTest::newRow("W-3, A4 from a tray, book, collated, 2 copies") << "w3"
                                                                   << "A4" << 1 << 2 << true << 2 << "A4"
                                                                   << "two-sided-short-edge";
    QTest::newRow("W-2 employee copy, Letter, tablet, 1 copy")
        << "w2"
        << "US Letter" << -1 << 1 << false << 1 << "Letter"
        << "two-sided-long-edge";
    QTest::newRow("W-2 Copy A, Legal, one-sided, 3 copies collated")
        << "ssa"
        << "US Legal" << 0 << 0 << true << 3 << "Legal"
        << "one-sided";
    QTest::newRow("W-2 Copy A, 3 copies not collated") << "ssa"
                                                       << "US Letter" << 2 << 0 << false << 3 << "Letter"
                                                       << "one-sided";
    QTest::newRow("labels, Letter from a tray, 2 copies") << "labels"
                                                          << "US Letter" << 1 << 0 << false << 2 << "Letter"
                                                          << "one-sided";
}

void TstPrinterSetup::storedSettingsReachTheJob()
{
    QFETCH(QString, Run);
    QFETCH(QString, Paper);
    QFETCH(int, BinIndex);
    QFETCH(int, Duplex);
    QFETCH(bool, Collate);
    QFETCH(int, Copies);
    QFETCH(QString, Media);
    QFETCH(QString, Sides);
    REQUIRE_SERVER();
    CancelOfficeJobs();
    TCupsPrinterCatalog Catalog;
    QVERIFY2(Catalog.PaperNames(QStringLiteral("Office")).contains(Paper),
        qPrintable(Catalog.PaperNames(QStringLiteral("Office")).join(u',')));
    const QStringList Bins = Catalog.BinNames(QStringLiteral("Office"));
    const QString Bin = BinIndex < 0 ? QString() : Bins.value(BinIndex);
    QVariantHash Values = Seven(QStringLiteral("Office"), Paper, Bin, Copies);
    Values.insert(QStringLiteral("Duplex"), Duplex);
    Values.insert(QStringLiteral("Collate"), Collate ? 1 : 0);
    Store(Values);

    TRvProject Project;
    Project.ProjectFile = QStringLiteral(QMRK_INSTALLED_PROJECT);
    const auto ToPrinter = [](TRvSystem &System) {
        System.DefaultDest = TReportDest::Printer;
        System.SystemSetups = 0;
        System.SystemOptions &= ~SystemOption::ShowStatus;
    };
    bool Printed = false;
    if (Run == QLatin1String("w3")) {
        TW3Printing Printing(Project);
        ToPrinter(Printing.RptFormW3);
        Printed = Printing.Print(TFormsFixture::SampleEmployer());
    } else if (Run == QLatin1String("labels")) {
        TEmployeeListPrintSource Source(
            TFormsFixture::SampleEmployer(), TFormsFixture::Employees({ QStringLiteral("Ann Adams") }));
        TW2LabelPrinting Labels;
        ToPrinter(Labels.RptW2Labels);
        Printed = Labels.Print(Source);
    } else {
        TEmployeeListPrintSource Source(TFormsFixture::SampleEmployer(),
            TFormsFixture::Employees({ QStringLiteral("Ann Adams"), QStringLiteral("Bob Baker") }));
        TW2Printing Printing(Project);
        const int FormType = Run == QLatin1String("ssa") ? 3 : 0;
        ToPrinter(Printing.SystemFor(FormType));
        Printed = Printing.Print(Source, FormType, 1, 1, true);
    }
    QVERIFY(Printed);
    const QString Jobs = OfficeJobs();
    QVERIFY2(Jobs.count(QLatin1String("job-name (")) == 1, qPrintable(Jobs));
    QVERIFY2(Jobs.contains(QStringLiteral("media (keyword) = %1\n").arg(Media)), qPrintable(Jobs));
    QVERIFY2(Jobs.contains(QStringLiteral("sides (keyword) = %1\n").arg(Sides)), qPrintable(Jobs));
    if (!Bin.isEmpty())
        QVERIFY2(Jobs.contains(QStringLiteral("media-source (keyword) = %1\n")
                                   .arg(Catalog.BinKeyword(QStringLiteral("Office"), Bin))),
            qPrintable(Jobs));
    else
        QVERIFY2(!Jobs.contains(QLatin1String("media-source (keyword)")), qPrintable(Jobs));
    // One copy is the default a job need not name.
    if (Copies > 1)
        QVERIFY2(Jobs.contains(QStringLiteral("copies (integer) = %1\n").arg(Copies)), qPrintable(Jobs));
    else
        QVERIFY2(!Jobs.contains(QLatin1String("copies (integer)")), qPrintable(Jobs));
    // Collation reaches the queue as its driver's option.
    QVERIFY2(Jobs.contains(QLatin1String("Collate (boolean) = true\n")) == Collate, qPrintable(Jobs));
    CancelOfficeJobs();
}

void TstPrinterSetup::aSavedPrinterThatIsGoneIsAskedAbout_data()
{
    QTest::addColumn<int>("Answer");
    QTest::addColumn<int>("Jobs");
    QTest::newRow("print on the default printer") << MsgResult::Ok << 1;
    QTest::newRow("cancel") << MsgResult::Cancel << 0;
}

void TstPrinterSetup::aSavedPrinterThatIsGoneIsAskedAbout()
{
    QFETCH(int, Answer);
    QFETCH(int, Jobs);
    REQUIRE_SERVER();
    CancelOfficeJobs();
    Store(Seven(QStringLiteral("Gone"), QStringLiteral("US Legal"), QString()));
    TRvProject Project;
    Project.ProjectFile = QStringLiteral(QMRK_INSTALLED_PROJECT);
    TW3Printing Printing(Project);
    Printing.RptFormW3.DefaultDest = TReportDest::Printer;
    Printing.RptFormW3.SystemSetups = 0;
    FPerson->AnswerMsgBox(Answer);
    QCOMPARE(Printing.Print(TFormsFixture::SampleEmployer()), Answer == MsgResult::Ok);
    QCOMPARE(FPerson->MessageTexts(),
        QStringList {
            TildeToCR(TPrinterSetup::MissingPrinterText(QStringLiteral("Gone"), QStringLiteral("Office"))) });
    QVERIFY(FPerson->MessageTexts().first().startsWith(
        QLatin1String("The printer Gone saved in Print Setup is not installed.")));
    QCOMPARE(FPerson->MessageBoxes().first().Flags, 289);
    QCOMPARE(int(OfficeJobs().count(QLatin1String("job-name ("))), Jobs);
    // A run into a file uses no printer and asks nothing.
    QTemporaryDir Dir;
    Printing.RptFormW3.DefaultDest = TReportDest::File;
    Printing.RptFormW3.OutputFormat = TFileFormat::PDF;
    Printing.RptFormW3.OutputFileName = Dir.filePath(QStringLiteral("w3.pdf"));
    QVERIFY(Printing.Print(TFormsFixture::SampleEmployer()));
    QCOMPARE(FPerson->MessageTexts().size(), 1);
    QVERIFY(QFile::exists(Printing.RptFormW3.OutputFileName));
    CancelOfficeJobs();
}

void TstPrinterSetup::cliPrintsOnAQueue_data()
{
    QTest::addColumn<QString>("Stored"); // the printer saved in Print Setup
    QTest::addColumn<QStringList>("Option");
    QTest::addColumn<int>("Exit");
    QTest::addColumn<QString>("Said");
    QTest::addColumn<int>("OfficeJobs");
    QTest::newRow("named queue") << "" << QStringList { "--printer", "Office" } << 0 << "Printed on Office"
                                 << 1;
    QTest::newRow("named queue, with =")
        << "PDF" << QStringList { "--printer=Office" } << 0 << "Printed on Office" << 1;
    QTest::newRow("the stored printer")
        << "Office" << QStringList { "--printer" } << 0 << "Printed on Office" << 1;
    QTest::newRow("nothing stored: the default")
        << "" << QStringList { "--printer" } << 0 << "Printed on Office" << 1;
    QTest::newRow("a queue that is not installed")
        << "" << QStringList { "--printer", "Nope" } << 1 << "The printer Nope is not installed" << 0;
    QTest::newRow("a stored printer that is gone")
        << "Gone" << QStringList { "--printer" } << 1
        << "The printer Gone saved in Print Setup is not installed" << 0;
    QTest::newRow("a queue that refuses the job")
        << "" << QStringList { "--printer", "Refusing" } << 1 << "refused the job" << 0;
}

void TstPrinterSetup::cliPrintsOnAQueue()
{
    QFETCH(QString, Stored);
    QFETCH(QStringList, Option);
    QFETCH(int, Exit);
    QFETCH(QString, Said);
    QFETCH(int, OfficeJobs);
    REQUIRE_SERVER();
    CancelOfficeJobs();
    // A queue that takes no jobs.
    FServer->Tool(QStringLiteral("lpadmin"),
        { QStringLiteral("-p"), QStringLiteral("Refusing"), QStringLiteral("-v"),
            QStringLiteral("file:/dev/null"), QStringLiteral("-m"), QStringLiteral("raw"),
            QStringLiteral("-E") });
    FServer->Tool(QStringLiteral("cupsreject"), { QStringLiteral("Refusing") });
    if (!Stored.isEmpty())
        Store(Seven(Stored, QString(), QString(), 1));
    TFormsFixture Company;
    Company.WriteCompany(
        TFormsFixture::SampleEmployer(), TFormsFixture::Employees({ QStringLiteral("Ann Adams") }));
    QString Out, Err;
    const int Code
        = RunCli(QStringList { QStringLiteral("print"), QStringLiteral("--form"), QStringLiteral("w3") }
                + Option + QStringList { Company.W2Path() },
            &Out, &Err);
    QVERIFY2(Code == Exit, qPrintable(Out + Err));
    QVERIFY2((Exit == 0 ? Out : Err).contains(Said), qPrintable(Out + Err));
    QCOMPARE(int(this->OfficeJobs().count(QLatin1String("job-name ("))), OfficeJobs);
    CancelOfficeJobs();
}

void TstPrinterSetup::cliListsThePrinters()
{
    REQUIRE_SERVER();
    QString Out, Err;
    QCOMPARE(RunCli({ QStringLiteral("printers") }, &Out, &Err), 0);
    TCupsPrinterCatalog Catalog;
    QString Expected;
    for (const QString &Queue : Catalog.PrinterNames()) {
        Expected
            += Queue + (Queue == QLatin1String("Office") ? QStringLiteral(" (default)") : QString()) + u'\n';
        for (const auto &[Heading, Names] :
            { std::pair { QStringLiteral("Paper sizes"), Catalog.PaperNames(Queue) },
                std::pair { QStringLiteral("Paper sources"), Catalog.BinNames(Queue) } }) {
            Expected += QStringLiteral("  %1:%2\n")
                            .arg(Heading, Names.isEmpty() ? QStringLiteral(" (none)") : QString());
            for (const QString &Name : Names)
                Expected += QStringLiteral("    ") + Name + u'\n';
        }
    }
    QCOMPARE(Out, Expected);
    QVERIFY(Out.contains(QLatin1String("Office (default)\n  Paper sizes:\n")));
    QVERIFY(Out.contains(QLatin1String("\nPDF\n")));
}

void TstPrinterSetup::cliPrintsLabelsOnTheStoredQueue()
{
    REQUIRE_SERVER();
    CancelOfficeJobs();
    Store(Seven(QStringLiteral("Office"), QString(), QString(), 2));
    TFormsFixture Company;
    Company.WriteCompany(
        TFormsFixture::SampleEmployer(), TFormsFixture::Employees({ QStringLiteral("Ann Adams") }));
    QString Out, Err;
    const int Code
        = RunCli({ QStringLiteral("labels"), QStringLiteral("--printer"), Company.W2Path() }, &Out, &Err);
    QVERIFY2(Code == 0, qPrintable(Out + Err));
    QCOMPARE(Out, QStringLiteral("Printed on Office\n"));
    const QString Jobs = OfficeJobs();
    QVERIFY2(Jobs.count(QLatin1String("job-name (")) == 1, qPrintable(Jobs));
    QVERIFY2(Jobs.contains(QLatin1String("copies (integer) = 2\n")), qPrintable(Jobs));
    CancelOfficeJobs();
    // A queue that is not installed refuses the run before anything is printed.
    QCOMPARE(RunCli({ QStringLiteral("labels"), QStringLiteral("--printer"), QStringLiteral("Gone"),
                        Company.W2Path() },
                 &Out, &Err),
        1);
    QVERIFY2(Err.contains(QLatin1String("Gone")), qPrintable(Err));
    QCOMPARE(int(OfficeJobs().count(QLatin1String("job-name ("))), 0);
}

// The copies of --per-employee are handed to the employees as files: the
// whole form, whatever Print Setup says about printed forms.
void TstPrinterSetup::perEmployeeCopiesAreWholeFormsEvenWithDataOnly()
{
    QMRK_REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
        "pdftotext (poppler-utils) is not installed");
    TFormsFixture Company;
    Company.WriteCompany(
        TFormsFixture::SampleEmployer(), TFormsFixture::Employees({ QStringLiteral("Ann Adams") }));
    QVariantHash Values = Seven(QString(), QString(), QString());
    Values.insert(QStringLiteral("DataOnly"), 1);
    Values.insert(QStringLiteral("OffsetX"), 30);
    Values.insert(QStringLiteral("OffsetY"), -20);
    Store(Values);
    QTemporaryDir Dir;
    QString Out, Err;
    QCOMPARE(RunCli({ QStringLiteral("print"), QStringLiteral("--form"), QStringLiteral("employee"),
                        QStringLiteral("--per-employee"), Dir.path(), Company.W2Path() },
                 &Out, &Err),
        0);
    const QStringList Files = QDir(Dir.path()).entryList({ QStringLiteral("*.pdf") });
    QCOMPARE(Files.size(), 1);
    const QList<TWord> Copy = Words(Dir.filePath(Files.first()));
    for (const QString &Caption : { QStringLiteral("Wages,"), QStringLiteral("OMB") })
        QVERIFY2(std::any_of(Copy.begin(), Copy.end(),
                     [&Caption](const TWord &Word) { return Word.Text == Caption; }),
            qPrintable(Caption));
}

void TstPrinterSetup::dataOnlyCopyAIsMovedByTheOffsets()
{
    QMRK_REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(),
        "pdftotext and pdftoppm (poppler-utils) are not installed");
    TFormsFixture Company;
    Company.WriteCompany(TFormsFixture::SampleEmployer(),
        TFormsFixture::Employees({ QStringLiteral("Ann Adams"), QStringLiteral("Bob Baker") }));
    QTemporaryDir Dir;
    const auto CopyA = [&](const QString &Name) {
        const QString Pdf = Dir.filePath(Name);
        QString Out, Err;
        const int Code = RunCli({ QStringLiteral("print"), QStringLiteral("--form"), QStringLiteral("ssa"),
                                    QStringLiteral("--pdf"), Pdf, Company.W2Path() },
            &Out, &Err);
        return Code == 0 ? Pdf : QString();
    };
    const QString Full = CopyA(QStringLiteral("full.pdf"));
    QVariantHash Values = Seven(QString(), QString(), QString());
    Values.insert(QStringLiteral("DataOnly"), 1);
    Values.insert(QStringLiteral("OffsetX"), 30);
    Values.insert(QStringLiteral("OffsetY"), -20);
    Store(Values);
    const QString Data = CopyA(QStringLiteral("data.pdf"));
    QVERIFY(!Full.isEmpty() && !Data.isEmpty());

    const QList<TWord> FullWords = Words(Full);
    const QList<TWord> DataWords = Words(Data);
    QVERIFY(DataWords.size() > 20);
    QVERIFY(FullWords.size() > DataWords.size() + 100);
    // Every value lies 0.30 in right and 0.20 in up from where the full form has it.
    constexpr double Exact = 0.002; // inches: pdftotext's rounding
    for (const TWord &Word : DataWords) {
        bool Matched = false;
        for (const TWord &Other : FullWords)
            Matched = Matched
                || (Other.Text == Word.Text && qAbs(Word.Box.left() - Other.Box.left() - 0.30) < Exact
                    && qAbs(Word.Box.top() - Other.Box.top() + 0.20) < Exact
                    && qAbs(Word.Box.width() - Other.Box.width()) < Exact);
        QVERIFY2(Matched,
            qPrintable(
                QStringLiteral("%1 at %2, %3").arg(Word.Text).arg(Word.Box.left()).arg(Word.Box.top())));
    }
    // No caption of the form is left ...
    for (const QString &Caption :
        { QStringLiteral("Wages,"), QStringLiteral("Employer"), QStringLiteral("OMB") })
        QVERIFY2(std::none_of(DataWords.begin(), DataWords.end(),
                     [&Caption](const TWord &Word) { return Word.Text == Caption; }),
            qPrintable(Caption));
    // ... and no rule: the longest line of ink is a character's, the full form's inches.
    QVERIFY(LongestRule(Full) > 300);
    const int Longest = LongestRule(Data);
    QVERIFY2(Longest >= 0 && Longest < 30, qPrintable(QString::number(Longest)));
}

QMRK_GUI_TEST_MAIN(TstPrinterSetup)
#include "tst_printersetup.moc"
