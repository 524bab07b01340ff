#include "AppInfo.h"
#include "EReportException.h"
#include "QmrkGuiTestMain.h"
#include "TBaseReport.h"
#include "TFakePrinterCatalog.h"
#include "TFrmOutputOptions.h"
#include "TFrmReportPreview.h"
#include "THostileFiles.h"
#include "TModalDriver.h"
#include "TPreviewPageWidget.h"
#include "TPrintingTestData.h"
#include "TQtReportInteraction.h"
#include "TRvProject.h"
#include "TRvRenderPreview.h"
#include "TRvSystem.h"
#include "TScriptedInteraction.h"
#include "TSnapshotReader.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <optional>

#include <sys/resource.h>

using namespace PrintingTestData;

namespace {

// Answers the report system's questions from a script and records them; the
// preview is the program's own window.
class TScriptedReports : public TReportInteraction {
public:
    TScriptedReports() { TReportInteraction::Install(this); }
    ~TScriptedReports() override { TReportInteraction::Install(nullptr); }

    // Changes the options and returns true, or returns false (cancel).
    QList<std::function<bool(TOutputOptions &)>> Answers;
    QStringList Asked; // caption, then "preview" when asked from the preview
    QStringList Status;

    bool OutputOptions(const QString &Caption, int, TOutputOptions &Options, bool FromPreview) override
    {
        Asked << Caption + (FromPreview ? QStringLiteral(" (preview)") : QString());
        if (Answers.isEmpty())
            return false;
        return Answers.takeFirst()(Options);
    }
    void StatusShow(const QString &Caption) override { Status << QStringLiteral("show ") + Caption; }
    void StatusText(const QString &Text) override { Status << Text; }
    void StatusHide() override { Status << QStringLiteral("hide"); }
    void OverridePreview(TRvSystem &System, int Mode, QObject *&Form) override
    {
        TFrmReportPreview::OverridePreview(System, Mode, Form, nullptr);
    }
};

// Runs Act on the first visible top-level window of type T once it shows;
// for windows shown without waiting for them.
template <typename T> void WhenShown(std::function<void(T *)> Act)
{
    QTimer::singleShot(0, [Act] {
        T *Window = nullptr;
        for (int Waited = 0; Waited < 5000 && !Window; Waited += 10) {
            for (QWidget *Each : QApplication::topLevelWidgets())
                if (auto *Match = qobject_cast<T *>(Each); Match && Match->isVisible())
                    Window = Match;
            if (!Window)
                QTest::qWait(10);
        }
        if (Window)
            Act(Window);
    });
}

QString PagePosition(TFrmReportPreview *Window)
{
    const QScrollBar *Bar = Window->ScrollBox->verticalScrollBar();
    const QString Where = Bar->value() == Bar->minimum() ? QStringLiteral("top")
        : Bar->value() == Bar->maximum()                 ? QStringLiteral("bottom")
                                                         : QStringLiteral("middle");
    return QStringLiteral("%1 %2").arg(Window->RvRenderPreview->CurrentPage()).arg(Where);
}

} // namespace

class TstReportPreview : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TScriptedInteraction> FPerson;
    std::unique_ptr<TScriptedReports> FReports;
    QByteArray FBytes;
    QBuffer FBuffer;
    QString FOldCurrent;

    QString Path(const QString &Name) const { return FDir->filePath(Name); }
    // A preview of Pages sample pages from memory, shown and laid out.
    std::unique_ptr<TFrmReportPreview> Preview(int Pages, TRvSystem *System = nullptr);
    // A report system drawing Pages pages of the sample through the project
    // and its Engine.
    void SetUpSystem(TRvSystem &System, TRvProject &Project, int Pages);

private Q_SLOTS:
    void init();
    void cleanup();
    void aRunIsPreviewedSavedAndReopenedPageForPage();
    void aRunInMemoryLeavesNoFile();
    void outputOptionsLabelsLeadToTheirFields();
    void aSecondRunLeavesTheShownSnapshotFileAlone();
    void aOnePageRunDisablesPaging();
    void buttons_data();
    void buttons();
    void separatorsFollowPrintLastPageZoomOutAndHtmlExport();
    void keys_data();
    void keys();
    void zoom_data();
    void zoom();
    void mouseWheel_data();
    void mouseWheel();
    void ctrlArrowsScrollSideways();
    void escapeAndAltXClose_data();
    void escapeAndAltXClose();
    void popupMenuCopiesTheButtons();
    void systemOptionsDisableSavingAndPrinting();
    void aDamagedSnapshotIsRefusedAndThePagesStay();
    void anUnfitSnapshotIsRefusedAndThePagesStay_data();
    void anUnfitSnapshotIsRefusedAndThePagesStay();
    void exportsAndSaveFromThePreview();
    void aFullDiskKeepsTheFilesBeingReplaced();
    void cancelledDialogsChangeNothing();
    void printFromThePreviewAsksForOptions();
    void cancelInTheOutputOptionsEndsTheRun();
    void runToAFile_data();
    void runToAFile();
    void aFailedRunStillFreesThePreview();
    void aPreviewThatIsNotModalIsWaitedFor();
    void outputOptionsDialog();
    void screenshot();
};

void TstReportPreview::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    FOldCurrent = QDir::currentPath();
    QDir::setCurrent(FDir->path());
    FPerson = std::make_unique<TScriptedInteraction>();
    FReports = std::make_unique<TScriptedReports>();
}

void TstReportPreview::cleanup()
{
    FReports.reset();
    const QString Problems = FPerson->Problems();
    FPerson.reset();
    FBuffer.close();
    QDir::setCurrent(FOldCurrent);
    FDir.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

std::unique_ptr<TFrmReportPreview> TstReportPreview::Preview(int Pages, TRvSystem *System)
{
    FBuffer.close();
    FBytes.clear();
    FBuffer.setBuffer(&FBytes);
    FBuffer.open(QIODevice::ReadWrite);
    WriteSampleRun(FBuffer, Pages);
    auto Window = std::make_unique<TFrmReportPreview>();
    Window->ReportSystem = System;
    Window->FInputStream = &FBuffer;
    Window->InitFromRPSystem();
    Window->resize(700, 500);
    Window->show();
    if (!QTest::qWaitForWindowExposed(Window.get()))
        qWarning("the preview did not show");
    return Window;
}

void TstReportPreview::SetUpSystem(TRvSystem &System, TRvProject &Project, int Pages)
{
    Project.ProjectFile = SampleProject();
    Project.Engine = &System;
    System.SystemSetups &= ~SystemSetup::AllowSetup;
    System.OnPrint = [&Project, Pages](TBaseReport &Output) {
        Project.Open();
        Project.SelectReport(QStringLiteral("Sample"));
        for (int Number = 1; Number <= Pages; ++Number) {
            const QHash<QString, QString> Params = SampleParams(Number);
            for (auto It = Params.begin(); It != Params.end(); ++It)
                Project.SetParam(It.key(), It.value());
            Project.Execute();
            if (Number < Pages)
                Output.NewPage();
        }
        Project.ClearParams();
        Project.Close();
    };
}

void TstReportPreview::aRunIsPreviewedSavedAndReopenedPageForPage()
{
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 3);
    System.TitleStatus = QStringLiteral("Employee Form W-2 Status");
    System.TitlePreview = QStringLiteral("Employee Form W-2 Preview");
    System.SystemFiler.FileName = QStringLiteral("QMRK.RPT");
    System.SystemFiler.StreamMode = TStreamMode::File;
    System.SystemPreview.ZoomFactor = 120;
    System.SystemPreview.MarginPercent = 2.5;
    QList<int> Modes;
    System.OnOverridePreview = [&Modes](TRvSystem &Sys, int Mode, QObject *&Form) {
        Modes << Mode;
        TFrmReportPreview::OverridePreview(Sys, Mode, Form, nullptr);
    };
    bool After = false;
    System.OnAfterPrint = [&After] { After = true; };
    FPerson->AnswerSaveFile(Path(QStringLiteral("saved")));
    QString Caption, Status;
    bool FirstEnabled = true, NextEnabled = false;
    double Zoom = 0;
    WhenModal<TFrmReportPreview>([&](TFrmReportPreview *Window) {
        Caption = Window->windowTitle();
        Status = Window->StatusText->text();
        FirstEnabled = Window->BtnFirst->isEnabled() || Window->BtnPrior->isEnabled();
        NextEnabled = Window->BtnNext->isEnabled() && Window->BtnLast->isEnabled();
        Zoom = Window->RvRenderPreview->ZoomFactor();
        Window->BtnSave->click();
        Window->BtnExit->click();
    });
    QVERIFY(System.Execute());
    QCOMPARE(Modes, QList<int>({ 0, 1, 2, 3 }));
    QVERIFY(After);
    QCOMPARE(Caption, QStringLiteral("Employee Form W-2 Preview"));
    QCOMPARE(Status, QStringLiteral(" Page 1 of 3"));
    QVERIFY(!FirstEnabled);
    QVERIFY(NextEnabled);
    QCOMPARE(Zoom, 85.0);
    QCOMPARE(FReports->Status,
        QStringList({ QStringLiteral("show Employee Form W-2 Status"), QStringLiteral("Generating page 1"),
            QStringLiteral("Generating page 2"), QStringLiteral("Generating page 3"),
            QStringLiteral("hide") }));
    QCOMPARE(FPerson->Calls().last().Caption, QStringLiteral("Save to Snapshot Document"));
    QVERIFY(FPerson->Calls().last().Text.endsWith(QLatin1String("|Snapshot Document (*.ndr)")));

    // The snapshot file of the run, and the copy the Save button made.
    QFile Run(Path(QStringLiteral("QMRK.RPT")));
    QVERIFY(Run.open(QIODevice::ReadOnly));
    QFile Saved(Path(QStringLiteral("saved.ndr")));
    QVERIFY(Saved.open(QIODevice::ReadOnly));
    QCOMPARE(Saved.readAll(), Run.readAll());
    Run.seek(0);
    const QList<TReportPage> Pages = ReadPages(Run);
    QCOMPARE(Pages.size(), 3);
    QVERIFY(Pages.at(1).Texts().size() > 4);

    auto Window = Preview(1);
    Window->OpenFile(Path(QStringLiteral("saved.ndr")));
    QCOMPARE(Window->windowTitle(), AppTitle() + QStringLiteral(" - saved.ndr"));
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page 1 of 3"));
    QVERIFY(Window->FAlternateNDRLoaded);
    for (int Number = 1; Number <= 3; ++Number) {
        QCOMPARE(Window->RvRenderPreview->CurrentPage(), Number);
        QVERIFY(Window->RvRenderPreview->Page() == Pages.at(Number - 1));
        Window->BtnNext->click();
    }
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page 3 of 3"));
}

// A label with a shortcut letter needs a buddy, else it shows the '&' itself
// ("File &name:") and the letter leads nowhere.
void TstReportPreview::outputOptionsLabelsLeadToTheirFields()
{
    TFrmOutputOptions Dialog(QStringLiteral("Setup"), 0, false);
    const QList<QLabel *> Labels = Dialog.findChildren<QLabel *>();
    QVERIFY(!Labels.isEmpty());
    for (const QLabel *Label : Labels) {
        if (QString(Label->text()).remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
            QVERIFY2(Label->buddy(), qPrintable(Label->text()));
    }
    bool Found = false;
    for (const QLabel *Label : Labels)
        Found = Found
            || (Label->text() == QStringLiteral("File &name:") && Label->buddy() == Dialog.EdFileName);
    QVERIFY(Found);
}

void TstReportPreview::aRunInMemoryLeavesNoFile()
{
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 2);
    int Pages = 0;
    WhenModal<TFrmReportPreview>([&Pages](TFrmReportPreview *Window) {
        Pages = Window->RvRenderPreview->Pages();
        QVERIFY(Window->InputFileName().isEmpty());
        QVERIFY(!Window->FAlternateNDRLoaded);
        Window->close();
    });
    QVERIFY(System.Execute());
    QCOMPARE(Pages, 2);
    QVERIFY(!QFile::exists(Path(QStringLiteral("QMRK.RPT"))));
    QVERIFY(System.FilerStream()->size() > 0);
}

// Two copies of the program started from one folder share its snapshot
// file; the second run must not write its pages under the first's preview.
void TstReportPreview::aSecondRunLeavesTheShownSnapshotFileAlone()
{
    const QString Name = Path(QStringLiteral("QMRK.RPT"));
    {
        QFile File(Name);
        QVERIFY(File.open(QIODevice::WriteOnly));
        WriteSampleRun(File, 3);
    }
    QFile Original(Name);
    QVERIFY(Original.open(QIODevice::ReadOnly));
    const QByteArray Bytes = Original.readAll();
    Original.seek(0);
    const QList<TReportPage> Pages = ReadPages(Original);
    TFrmReportPreview Shown;
    Shown.SetInputFileName(QStringLiteral("QMRK.RPT"));
    Shown.InitFromRPSystem();

    TRvSystem Second;
    TRvProject Project;
    SetUpSystem(Second, Project, 1);
    Second.SystemFiler.FileName = QStringLiteral("QMRK.RPT");
    Second.SystemFiler.StreamMode = TStreamMode::File;
    Second.OnOverridePreview = [](TRvSystem &, int, QObject *&) {};
    QString Message;
    try {
        Second.Execute();
    } catch (const EReportException &Error) {
        Message = Error.Message();
    }
    QCOMPARE(Message, QStringLiteral("The snapshot %1 is in use by another report preview.").arg(Name));
    QCOMPARE(Shown.RvRenderPreview->Pages(), 3);
    Shown.BtnNext->click();
    QVERIFY(Shown.RvRenderPreview->Page() == Pages.at(1));
    QFile After(Name);
    QVERIFY(After.open(QIODevice::ReadOnly));
    QCOMPARE(After.readAll(), Bytes);
}

void TstReportPreview::aOnePageRunDisablesPaging()
{
    auto Window = Preview(1);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page 1 of 1"));
    for (QToolButton *Button : { Window->BtnFirst, Window->BtnPrior, Window->BtnNext, Window->BtnLast })
        QVERIFY2(!Button->isEnabled(), qPrintable(Button->objectName()));
    for (QToolButton *Button : { Window->BtnOpen, Window->BtnSave, Window->BtnPrint, Window->BtnZoomIn,
             Window->BtnZoomOut, Window->BtnExportPDF, Window->BtnExportHTML, Window->BtnExit })
        QVERIFY2(Button->isEnabled(), qPrintable(Button->objectName()));
    QTest::keyClick(Window->ScrollBox, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(Window->ScrollBox, Qt::Key_L, Qt::AltModifier);
    QCOMPARE(Window->RvRenderPreview->CurrentPage(), 1);
}

void TstReportPreview::buttons_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Hint");
    QTest::addColumn<QString>("MenuItem");
    QTest::newRow("BtnOpen") << "BtnOpen"
                             << "Open"
                             << "Open Saved Report (Ctrl+O)"
                             << "Open Saved Report";
    QTest::newRow("BtnSave") << "BtnSave"
                             << "Save"
                             << "Save Report (Ctrl+S)"
                             << "Save Report";
    QTest::newRow("BtnPrint") << "BtnPrint"
                              << "Print"
                              << "Print Report (Ctrl+P)"
                              << "Print Report";
    QTest::newRow("BtnFirst") << "BtnFirst"
                              << "First Page"
                              << "Go to First Page (Alt+F)"
                              << "Go to First Page";
    QTest::newRow("BtnPrior") << "BtnPrior"
                              << "Prior Page"
                              << "Go to Prior Page (Alt+P)"
                              << "Go to Prior Page";
    QTest::newRow("BtnNext") << "BtnNext"
                             << "Next Page"
                             << "Go to Next Page (Alt+N)"
                             << "Go to Next Page";
    QTest::newRow("BtnLast") << "BtnLast"
                             << "Last Page"
                             << "Go to Last Page (Alt+L)"
                             << "Go to Last Page";
    QTest::newRow("BtnZoomIn") << "BtnZoomIn"
                               << "Zoom In"
                               << "Zoom In (+)"
                               << "Zoom In";
    QTest::newRow("BtnZoomOut") << "BtnZoomOut"
                                << "Zoom Out"
                                << "Zoom Out (-)"
                                << "Zoom Out";
    QTest::newRow("BtnExportPDF") << "BtnExportPDF"
                                  << "PDF Export"
                                  << "Export to PDF (Ctrl+D)"
                                  << "Export to PDF";
    QTest::newRow("BtnExportHTML") << "BtnExportHTML"
                                   << "HTML Export"
                                   << "Export to HTML (Ctrl+H)"
                                   << "Export to HTML";
    QTest::newRow("BtnExit") << "BtnExit"
                             << "Exit"
                             << "Exit Preview Screen (Alt+X)"
                             << "Exit Preview Screen";
}

void TstReportPreview::buttons()
{
    QFETCH(QString, Name);
    QFETCH(QString, Caption);
    QFETCH(QString, Hint);
    QFETCH(QString, MenuItem);
    TFrmReportPreview Window;
    QCOMPARE(Window.windowTitle(), QStringLiteral("Report Preview"));
    auto *Button = Window.findChild<QToolButton *>(Name);
    QVERIFY(Button);
    QCOMPARE(Button->text(), Caption);
    QCOMPARE(Button->toolTip(), Hint);
    QVERIFY(!Button->icon().isNull());
    QAction *Item = Window.MenuItemOf(Button);
    QVERIFY(Item);
    QCOMPARE(Item->text(), MenuItem);
    QVERIFY(Window.PopupMenu->actions().contains(Item));
}

void TstReportPreview::separatorsFollowPrintLastPageZoomOutAndHtmlExport()
{
    TFrmReportPreview Window;
    auto Sequence = [&Window](const QList<QAction *> &Actions) {
        QStringList Names;
        for (QAction *Action : Actions) {
            if (Action->isSeparator()) {
                Names << QStringLiteral("|");
                continue;
            }
            QWidget *Button = Window.ToolBar->widgetForAction(Action);
            Names << (Button ? Button->objectName() : Action->text());
        }
        return Names.join(QLatin1Char(' '));
    };
    QCOMPARE(Sequence(Window.ToolBar->actions()),
        QStringLiteral(
            "BtnOpen BtnSave BtnPrint | BtnFirst BtnPrior BtnNext BtnLast | BtnZoomIn BtnZoomOut | "
            "BtnExportPDF BtnExportHTML | BtnExit"));
    QCOMPARE(Sequence(Window.PopupMenu->actions()),
        QStringLiteral(
            "Open Saved Report Save Report Print Report | Go to First Page Go to Prior Page Go to Next Page "
            "Go to Last Page | Zoom In Zoom Out | Export to PDF Export to HTML | Exit Preview Screen"));
}

void TstReportPreview::keys_data()
{
    QTest::addColumn<int>("StartPage");
    QTest::addColumn<QString>("StartAt");
    QTest::addColumn<int>("Key");
    QTest::addColumn<int>("Modifiers");
    QTest::addColumn<QString>("Expected");
    const int None = Qt::NoModifier;
    const int Ctrl = Qt::ControlModifier;
    const int Alt = Qt::AltModifier;
    const int Shift = Qt::ShiftModifier;
    QTest::newRow("Page Down scrolls within the page")
        << 1 << "top" << int(Qt::Key_PageDown) << None << "1 middle";
    QTest::newRow("Page Down at the bottom goes to the next page's top")
        << 1 << "bottom" << int(Qt::Key_PageDown) << None << "2 top";
    QTest::newRow("Page Down at the bottom of the last page stays")
        << 3 << "bottom" << int(Qt::Key_PageDown) << None << "3 bottom";
    QTest::newRow("Ctrl+Page Down as plain") << 1 << "bottom" << int(Qt::Key_PageDown) << Ctrl << "2 top";
    QTest::newRow("Shift+Page Down is not ours")
        << 1 << "bottom" << int(Qt::Key_PageDown) << Shift << "1 bottom";
    QTest::newRow("Page Up scrolls within the page")
        << 2 << "bottom" << int(Qt::Key_PageUp) << None << "2 middle";
    QTest::newRow("Page Up at the top goes to the previous page's bottom")
        << 2 << "top" << int(Qt::Key_PageUp) << None << "1 bottom";
    QTest::newRow("Page Up at the top of page 1 stays")
        << 1 << "top" << int(Qt::Key_PageUp) << None << "1 top";
    QTest::newRow("Down scrolls a line") << 1 << "top" << int(Qt::Key_Down) << None << "1 middle";
    QTest::newRow("Down at the bottom goes to the next page")
        << 2 << "bottom" << int(Qt::Key_Down) << None << "3 top";
    QTest::newRow("Down at the bottom of the last page stays")
        << 3 << "bottom" << int(Qt::Key_Down) << Ctrl << "3 bottom";
    QTest::newRow("Up at the top of page 1 stays") << 1 << "top" << int(Qt::Key_Up) << None << "1 top";
    QTest::newRow("Up at the top goes to the previous page's bottom")
        << 3 << "top" << int(Qt::Key_Up) << None << "2 bottom";
    QTest::newRow("Alt+Up is not ours") << 3 << "top" << int(Qt::Key_Up) << Alt << "3 top";
    QTest::newRow("End") << 2 << "top" << int(Qt::Key_End) << None << "2 bottom";
    QTest::newRow("Ctrl+Home") << 2 << "bottom" << int(Qt::Key_Home) << Ctrl << "2 top";
    QTest::newRow("Alt+N next page") << 1 << "top" << int(Qt::Key_N) << Alt << "2 top";
    QTest::newRow("Alt+N on the last page") << 3 << "top" << int(Qt::Key_N) << Alt << "3 top";
    QTest::newRow("Alt+P previous page") << 3 << "top" << int(Qt::Key_P) << Alt << "2 top";
    QTest::newRow("Alt+P on page 1") << 1 << "top" << int(Qt::Key_P) << Alt << "1 top";
    QTest::newRow("Alt+F first page") << 3 << "top" << int(Qt::Key_F) << Alt << "1 top";
    QTest::newRow("Alt+L last page") << 1 << "top" << int(Qt::Key_L) << Alt << "3 top";
    QTest::newRow("plain N is nothing") << 1 << "top" << int(Qt::Key_N) << None << "1 top";
}

void TstReportPreview::keys()
{
    QFETCH(int, StartPage);
    QFETCH(QString, StartAt);
    QFETCH(int, Key);
    QFETCH(int, Modifiers);
    QFETCH(QString, Expected);
    auto Window = Preview(3);
    QScrollBar *Bar = Window->ScrollBox->verticalScrollBar();
    QVERIFY2(Bar->maximum() > Window->ScrollBox->viewport()->height(),
        "the page must be twice as tall as the box");
    Window->RvRenderPreview->RenderPage(StartPage);
    Bar->setValue(StartAt == QLatin1String("top") ? 0 : Bar->maximum());
    QCOMPARE(PagePosition(Window.get()), QStringLiteral("%1 %2").arg(StartPage).arg(StartAt));
    QTest::keyClick(Window->ScrollBox, Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
    QCOMPARE(PagePosition(Window.get()), Expected);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page %1 of 3").arg(Expected.left(1)));
}

void TstReportPreview::zoom_data()
{
    QTest::addColumn<double>("Start");
    QTest::addColumn<QString>("Action");
    QTest::addColumn<double>("Expected");
    QTest::newRow("+ from the start") << 85.0 << "+" << 95.0;
    QTest::newRow("- from the start") << 85.0 << "-" << 75.0;
    QTest::newRow("Zoom In up to the largest") << 195.0 << "in" << 200.0;
    QTest::newRow("Zoom In at the largest") << 200.0 << "in" << 200.0;
    QTest::newRow("Zoom Out down to the smallest") << 15.0 << "out" << 10.0;
    QTest::newRow("Zoom Out at the smallest changes nothing") << 10.0 << "out" << 10.0;
    QTest::newRow("- at the smallest changes nothing") << 10.0 << "-" << 10.0;
    QTest::newRow("keypad +") << 100.0 << "keypad+" << 110.0;
}

void TstReportPreview::zoom()
{
    QFETCH(double, Start);
    QFETCH(QString, Action);
    QFETCH(double, Expected);
    auto Window = Preview(2);
    QCOMPARE(Window->RvRenderPreview->ZoomFactor(), 85.0);
    Window->RvRenderPreview->SetZoomFactor(Start);
    const QSize Before = Window->PageView->size();
    if (Action == QLatin1String("in"))
        Window->BtnZoomIn->click();
    else if (Action == QLatin1String("out"))
        Window->BtnZoomOut->click();
    else if (Action == QLatin1String("keypad+"))
        QTest::keyClick(Window->ScrollBox, Qt::Key_Plus, Qt::KeypadModifier);
    else
        QTest::keyClicks(Window->ScrollBox, Action);
    QCOMPARE(Window->RvRenderPreview->ZoomFactor(), Expected);
    QCOMPARE(Window->PageView->size() == Before, Expected == Start);
    QCOMPARE(Window->PageView->size(), Window->RvRenderPreview->CanvasSize(Window->PageView->logicalDpiX()));
}

void TstReportPreview::mouseWheel_data()
{
    QTest::addColumn<int>("StartPage");
    QTest::addColumn<QString>("StartAt");
    QTest::addColumn<int>("Delta");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("down scrolls a step") << 1 << "top" << -120 << "1 middle";
    QTest::newRow("down at the bottom shows the next page's top") << 1 << "bottom" << -120 << "2 top";
    QTest::newRow("down at the bottom of the last page stays") << 2 << "bottom" << -120 << "2 bottom";
    QTest::newRow("up at the top shows the previous page's bottom") << 2 << "top" << 120 << "1 bottom";
    QTest::newRow("up at the top of page 1 stays") << 1 << "top" << 120 << "1 top";
}

void TstReportPreview::mouseWheel()
{
    QFETCH(int, StartPage);
    QFETCH(QString, StartAt);
    QFETCH(int, Delta);
    QFETCH(QString, Expected);
    auto Window = Preview(2);
    QScrollBar *Bar = Window->ScrollBox->verticalScrollBar();
    Window->RvRenderPreview->RenderPage(StartPage);
    Bar->setValue(StartAt == QLatin1String("top") ? 0 : Bar->maximum());
    QWidget *Viewport = Window->ScrollBox->viewport();
    const QPointF Where(Viewport->width() / 2.0, Viewport->height() / 2.0);
    QWheelEvent Wheel(Where, Viewport->mapToGlobal(Where), QPoint(), QPoint(0, Delta), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Viewport, &Wheel);
    QCOMPARE(PagePosition(Window.get()), Expected);
    if (Expected.endsWith(QLatin1String("middle")))
        QCOMPARE(Bar->value(), TFrmReportPreview::LineStep);
}

void TstReportPreview::ctrlArrowsScrollSideways()
{
    auto Window = Preview(1);
    Window->RvRenderPreview->SetZoomFactor(200);
    QScrollBar *Bar = Window->ScrollBox->horizontalScrollBar();
    QVERIFY(Bar->maximum() > TFrmReportPreview::LineStep + Window->ScrollBox->viewport()->width());
    QTest::keyClick(Window->ScrollBox, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(Bar->value(), TFrmReportPreview::LineStep);
    QTest::keyClick(Window->ScrollBox, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Bar->value(), TFrmReportPreview::LineStep + Window->ScrollBox->viewport()->width());
    QTest::keyClick(Window->ScrollBox, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(Window->ScrollBox, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Bar->value(), 0);
}

void TstReportPreview::escapeAndAltXClose_data()
{
    QTest::addColumn<int>("Key");
    QTest::addColumn<int>("Modifiers");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Alt+X") << int(Qt::Key_X) << int(Qt::AltModifier);
}

void TstReportPreview::escapeAndAltXClose()
{
    QFETCH(int, Key);
    QFETCH(int, Modifiers);
    auto Window = Preview(1);
    QTest::keyClick(Window->ScrollBox, Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
    QVERIFY(!Window->isVisible());
    QVERIFY(Window->fFormClosed);
}

void TstReportPreview::popupMenuCopiesTheButtons()
{
    auto Window = Preview(3);
    Window->BtnLast->click();
    QAction *Next = Window->MenuItemOf(Window->BtnNext);
    QAction *First = Window->MenuItemOf(Window->BtnFirst);
    Next->setEnabled(true);
    First->setEnabled(false);
    Window->PopupMenuPopup();
    QVERIFY(!Next->isEnabled());
    QVERIFY(First->isEnabled());
    Window->MenuItemOf(Window->BtnFirst)->trigger();
    QCOMPARE(Window->RvRenderPreview->CurrentPage(), 1);
}

void TstReportPreview::systemOptionsDisableSavingAndPrinting()
{
    TRvSystem System;
    System.SystemOptions = SystemOption::ShowStatus | SystemOption::PreviewModal;
    auto Window = Preview(2, &System);
    for (QToolButton *Button :
        { Window->BtnSave, Window->BtnPrint, Window->BtnExportPDF, Window->BtnExportHTML })
        QVERIFY2(!Button->isEnabled(), qPrintable(Button->objectName()));
    QVERIFY(Window->BtnOpen->isEnabled());
    // None of these may ask anything now.
    for (Qt::Key Key : { Qt::Key_S, Qt::Key_P, Qt::Key_D, Qt::Key_H })
        QTest::keyClick(Window->ScrollBox, Key, Qt::ControlModifier);
    Window->BtnSaveClick();
    Window->BtnPrintClick();
    QVERIFY(FPerson->Calls().isEmpty());
    QVERIFY(FReports->Asked.isEmpty());
}

void TstReportPreview::aDamagedSnapshotIsRefusedAndThePagesStay()
{
    auto Window = Preview(3);
    Window->BtnNext->click();
    const QString Caption = Window->windowTitle();
    QFile Damaged(Path(QStringLiteral("damaged.ndr")));
    QVERIFY(Damaged.open(QIODevice::WriteOnly));
    QByteArray Bytes = FBytes;
    Bytes[100] = char(Bytes[100] ^ 0x20);
    Damaged.write(Bytes);
    Damaged.close();
    FPerson->AnswerOpenFile(Damaged.fileName());
    QTest::keyClick(Window->ScrollBox, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(FPerson->MessageTexts(),
        QStringList(QStringLiteral("The snapshot %1 is damaged: page 1 fails its check sum.")
                        .arg(Damaged.fileName())));
    QCOMPARE(FPerson->MessageBoxes().first().Caption, AppTitle());
    QCOMPARE(Window->windowTitle(), Caption);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page 2 of 3"));
    QCOMPARE(Window->RvRenderPreview->Pages(), 3);
    QCOMPARE(FPerson->Calls().first().Caption, QStringLiteral("Open Saved Report"));
    QVERIFY(FPerson->Calls().first().Text.endsWith(QLatin1String("|Snapshot Files (*.ndr)")));
}

void TstReportPreview::anUnfitSnapshotIsRefusedAndThePagesStay_data()
{
    QTest::addColumn<QString>("Kind");
    QTest::addColumn<qint64>("Size");
    QTest::newRow("named pipe") << "fifo" << qint64(0);
    QTest::newRow("endless device") << "zero" << qint64(0);
    QTest::newRow("one byte over 1 GiB") << "oversized" << (qint64(1) << 30) + 1;
}

void TstReportPreview::anUnfitSnapshotIsRefusedAndThePagesStay()
{
    QFETCH(QString, Kind);
    QFETCH(qint64, Size);
    auto Window = Preview(3);
    Window->BtnNext->click();
    const QString Unfit = Path(QStringLiteral("unfit.ndr"));
    THostileFiles::Make(Unfit, Kind, Size);
    TFifoReleaser Releaser(Unfit);
    FPerson->AnswerOpenFile(Unfit);
    QTest::keyClick(Window->ScrollBox, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(
        FPerson->MessageTexts(), QStringList(Unfit + THostileFiles::Problem(Kind, Size, qint64(1) << 30)));
    QCOMPARE(Releaser.Released(), 0);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page 2 of 3"));
    QCOMPARE(Window->RvRenderPreview->Pages(), 3);
}

void TstReportPreview::exportsAndSaveFromThePreview()
{
    auto Window = Preview(2);
    FPerson->AnswerSaveFile(Path(QStringLiteral("forms")));
    FPerson->AnswerSaveFile(Path(QStringLiteral("forms")));
    FPerson->AnswerSaveFile(Path(QStringLiteral("copy.ndr")));
    QTest::keyClick(Window->ScrollBox, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(Window->ScrollBox, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(Window->ScrollBox, Qt::Key_S, Qt::ControlModifier);
    const QList<TAskedCall> Calls = FPerson->Calls();
    QCOMPARE(Calls.size(), 3);
    QCOMPARE(Calls[0].Caption, QStringLiteral("Save to PDF Document"));
    QVERIFY(Calls[0].Text.endsWith(QLatin1String("|Adobe Portable Document (*.pdf)")));
    QCOMPARE(Calls[1].Caption, QStringLiteral("Save to HTML Document"));
    QVERIFY(Calls[1].Text.endsWith(QLatin1String("|Web Document (*.html)")));
    QFile Pdf(Path(QStringLiteral("forms.pdf")));
    QVERIFY(Pdf.open(QIODevice::ReadOnly));
    QVERIFY(Pdf.readAll().startsWith("%PDF-"));
    QFile Html(Path(QStringLiteral("forms.html")));
    QVERIFY(Html.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(Html.readAll()).count(QLatin1String("<div class=\"page\"")), 2);
    QFile Copy(Path(QStringLiteral("copy.ndr")));
    QVERIFY(Copy.open(QIODevice::ReadOnly));
    QCOMPARE(Copy.readAll(), FBytes);
    QVERIFY(FPerson->WaitCursorShown() >= 3);
    QCOMPARE(FPerson->WaitCursorDepth(), 0);
    // The stream the preview reads from is where it was.
    Window->BtnNext->click();
    QCOMPARE(Window->RvRenderPreview->CurrentPage(), 2);
}

void TstReportPreview::aFullDiskKeepsTheFilesBeingReplaced()
{
    auto Window = Preview(3);
    const QStringList Names { QStringLiteral("a.pdf"), QStringLiteral("a.html"), QStringLiteral("a.ndr") };
    for (const QString &Name : Names) {
        QFile File(Path(Name));
        QVERIFY(File.open(QIODevice::WriteOnly));
        File.write("an earlier file");
        FPerson->AnswerSaveFile(Path(Name));
    }
    // A file-size limit below any of them stands for a full disk.
    rlimit Old;
    ::getrlimit(RLIMIT_FSIZE, &Old);
    rlimit Limit = Old;
    Limit.rlim_cur = 100;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &Limit) == 0);
    QTest::keyClick(Window->ScrollBox, Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(Window->ScrollBox, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(Window->ScrollBox, Qt::Key_S, Qt::ControlModifier);
    ::setrlimit(RLIMIT_FSIZE, &Old);
    const QStringList Messages = FPerson->MessageTexts();
    QCOMPARE(Messages.size(), 3);
    QVERIFY2(
        Messages[2].startsWith(QStringLiteral("The snapshot %1 could not be written").arg(Path(Names[2]))),
        qPrintable(Messages[2]));
    QCOMPARE(QDir(FDir->path()).entryList(QDir::Files), QStringList({ "a.html", "a.ndr", "a.pdf" }));
    for (const QString &Name : Names) {
        QFile File(Path(Name));
        QVERIFY(File.open(QIODevice::ReadOnly));
        QCOMPARE(File.readAll(), QByteArray("an earlier file"));
    }
}

void TstReportPreview::cancelledDialogsChangeNothing()
{
    auto Window = Preview(2);
    for (int I = 0; I < 3; ++I)
        FPerson->AnswerSaveFile(std::nullopt);
    FPerson->AnswerOpenFile(std::nullopt);
    Window->BtnExportPDF->click();
    Window->BtnExportHTML->click();
    Window->BtnSave->click();
    Window->BtnOpen->click();
    QCOMPARE(QDir(FDir->path()).entryList(QDir::Files), QStringList());
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" Page 1 of 2"));
    QCOMPARE(Window->windowTitle(), QStringLiteral("Report Preview"));
}

void TstReportPreview::printFromThePreviewAsksForOptions()
{
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), {});
    TRvSystem System;
    System.TitleSetup = QStringLiteral("Form W-3 Setup");
    auto Window = Preview(1, &System);
    bool Printed = false;
    Window->OnAfterPreviewPrint = [&Printed] { Printed = true; };
    TJobSettings Seen;
    FReports->Answers << [&Seen](TOutputOptions &Options) {
        Seen = Options.Job;
        return false;
    };
    QTest::keyClick(Window->ScrollBox, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(FReports->Asked, QStringList(QStringLiteral("Form W-3 Setup (preview)")));
    QCOMPARE(Seen.Copies, 1);
    QVERIFY(!Printed);
}

void TstReportPreview::cancelInTheOutputOptionsEndsTheRun()
{
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 1);
    System.SystemSetups |= SystemSetup::AllowSetup;
    System.TitleSetup = QStringLiteral("Employee Labels Setup");
    bool Printed = false;
    System.OnBeforePrint = [&Printed](TBaseReport &) { Printed = true; };
    FReports->Answers <<
        [](TOutputOptions &Options) { return Options.Destination == TReportDest::Preview && false; };
    QVERIFY(!System.Execute());
    QVERIFY(!Printed);
    QCOMPARE(FReports->Asked, QStringList(QStringLiteral("Employee Labels Setup")));
}

void TstReportPreview::runToAFile_data()
{
    QTest::addColumn<int>("Format");
    QTest::addColumn<QByteArray>("Start");
    QTest::newRow("snapshot") << int(TFileFormat::Snapshot) << QByteArray("QMRKSNAP");
    QTest::newRow("PDF") << int(TFileFormat::PDF) << QByteArray("%PDF-");
    QTest::newRow("HTML") << int(TFileFormat::HTML) << QByteArray("<!DOCTYPE html>");
}

void TstReportPreview::runToAFile()
{
    QFETCH(int, Format);
    QFETCH(QByteArray, Start);
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 2);
    System.SystemSetups |= SystemSetup::AllowSetup;
    const QString Target = Path(QStringLiteral("out.file"));
    FReports->Answers << [&Target, Format](TOutputOptions &Options) {
        Options.Destination = TReportDest::File;
        Options.FileName = Target;
        Options.Format = TFileFormat(Format);
        return true;
    };
    QVERIFY(System.Execute());
    QCOMPARE(System.Destination(), TReportDest::File);
    QFile File(Target);
    QVERIFY(File.open(QIODevice::ReadOnly));
    QVERIFY(File.readAll().startsWith(Start));
}

void TstReportPreview::aFailedRunStillFreesThePreview()
{
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 1);
    QList<int> Modes;
    QPointer<QObject> Window;
    System.OnOverridePreview = [&Modes, &Window](TRvSystem &Sys, int Mode, QObject *&Form) {
        Modes << Mode;
        TFrmReportPreview::OverridePreview(Sys, Mode, Form, nullptr);
        if (Mode == 0)
            Window = Form;
    };
    System.OnPreviewSetup
        = [](TRvRenderPreview &) { throw EReportException(QStringLiteral("setup failed")); };
    QVERIFY_THROWS_EXCEPTION(EReportException, System.Execute());
    QCOMPARE(Modes, QList<int>({ 0, 1, 3 }));
    QVERIFY(Window.isNull());

    // A print event that fails shows no preview at all.
    Modes.clear();
    System.OnPreviewSetup = nullptr;
    System.OnPrint = [](TBaseReport &) { throw EReportException(QStringLiteral("no employees")); };
    QVERIFY_THROWS_EXCEPTION(EReportException, System.Execute());
    QVERIFY(Modes.isEmpty());
    QCOMPARE(FReports->Status.last(), QStringLiteral("hide"));
}

void TstReportPreview::aPreviewThatIsNotModalIsWaitedFor()
{
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 2);
    System.SystemOptions &= ~SystemOption::PreviewModal;
    bool WasModal = true;
    WhenShown<TFrmReportPreview>([&WasModal](TFrmReportPreview *Window) {
        WasModal = Window->isModal();
        Window->BtnExit->click();
    });
    QVERIFY(System.Execute());
    QVERIFY(!WasModal);
}

void TstReportPreview::outputOptionsDialog()
{
    FReports.reset();
    TQtReportInteraction Windows;
    TFakePrinterCatalog Catalog;
    Catalog.Add(QStringLiteral("Laser"), { {}, {}, true, true, 99 });
    TRvSystem System;
    TRvProject Project;
    SetUpSystem(System, Project, 1);
    System.SystemSetups |= SystemSetup::AllowSetup;
    System.TitleSetup = QStringLiteral("Form W-3 Setup");
    const QString Target = Path(QStringLiteral("w3.pdf"));
    QString Caption;
    bool PreviewChosen = false;
    WhenModal<TFrmOutputOptions>([&](TFrmOutputOptions *Dialog) {
        Caption = Dialog->windowTitle();
        PreviewChosen = Dialog->RbPreview->isChecked() && !Dialog->GrpFile->isEnabled();
        Dialog->RbFile->click();
        Dialog->EdFileName->setText(Target);
        Dialog->CmbFormat->setCurrentIndex(int(TFileFormat::PDF));
        Dialog->BtnOk->click();
    });
    QVERIFY(System.Execute());
    QCOMPARE(Caption, QStringLiteral("Form W-3 Setup"));
    QVERIFY(PreviewChosen);
    QVERIFY(QFile::exists(Target));

    WhenModal<TFrmOutputOptions>([](TFrmOutputOptions *Dialog) { Dialog->BtnCancel->click(); });
    QVERIFY(!System.Execute());

    // A file destination without a name is refused in the dialog.
    WhenModal<TFrmOutputOptions>([](TFrmOutputOptions *Dialog) {
        Dialog->RbFile->click();
        Dialog->EdFileName->clear();
        Dialog->BtnOk->click();
        QVERIFY(Dialog->isVisible());
        Dialog->BtnCancel->click();
    });
    QVERIFY(!System.Execute());
    QCOMPARE(
        FPerson->MessageTexts(), QStringList(QStringLiteral("Please name the file the report goes to.")));
}

void TstReportPreview::screenshot()
{
    auto Window = Preview(3);
    Window->resize(1000, 760);
    QTRY_COMPARE(Window->size(), QSize(1000, 760));
    Window->BtnNext->click();
    // The page fits the box's width: no sideways scroll bar once laid out.
    QTRY_VERIFY(!Window->ScrollBox->horizontalScrollBar()->isVisible());
    const QImage Picture = Window->grab().toImage();
    QVERIFY(!Picture.isNull());
    QVERIFY(Picture.save(QDir::tempPath() + QStringLiteral("/qmrk-report-preview.png")));
    // The page is white on the grey box.
    const QPoint Centre = Window->PageView->mapTo(Window.get(), QPoint(Window->PageView->width() / 2, 300));
    QCOMPARE(Picture.pixelColor(Centre.x() + 150, Centre.y()), QColor(Qt::white));
    const QPoint Box = Window->ScrollBox->mapTo(Window.get(), QPoint(3, 3));
    QCOMPARE(Picture.pixelColor(Box), QColor(128, 128, 128));
}

QMRK_GUI_TEST_MAIN(TstReportPreview)
#include "tst_reportpreview.moc"
