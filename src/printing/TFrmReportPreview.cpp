#include "TFrmReportPreview.h"

#include "AppInfo.h"
#include "CommitSaveFile.h"
#include "EReportException.h"
#include "FileUtils.h"
#include "TPreviewPageWidget.h"
#include "TReportInteraction.h"
#include "TRvRenderHTML.h"
#include "TRvRenderPDF.h"
#include "TRvRenderPreview.h"
#include "TRvRenderPrinter.h"
#include "TRvSystem.h"
#include "TSnapshotReader.h"
#include "TUserInteraction.h"
#include "TWaitCursor.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

// The icons live in a static library, whose resources are not registered on
// their own.
static void RegisterPreviewIcons()
{
    Q_INIT_RESOURCE(preview);
}

TFrmReportPreview::TFrmReportPreview(QWidget *Parent)
    : QDialog(Parent)
{
    RegisterPreviewIcons();
    setObjectName(QStringLiteral("FrmReportPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    FormCreate();
}

TFrmReportPreview::~TFrmReportPreview()
{
    // FormDestroy: the renderers go with the window; the preview lets go of
    // its stream before the file it may own is closed.
    RvRenderPreview->disconnect(this);
    RvRenderPreview->ReleaseStream();
    FOwnedStream.reset();
}

void TFrmReportPreview::FormCreate()
{
    FPageNum = 1;
    RvRenderPreview = new TRvRenderPreview(this);
    RvRenderPreview->setObjectName(QStringLiteral("RvRenderPreview"));
    RvRenderPreview->ShadowDepth = 0;
    RvRenderPreview->MarginPercent = 2.5;
    RvRenderPreview->SetZoomFactor(100);
    RvRenderPreview->ZoomInc = 10;
    connect(RvRenderPreview, &TRvRenderPreview::PageChange, this, &TFrmReportPreview::NDRPreviewPageChange);
    connect(RvRenderPreview, &TRvRenderPreview::ZoomChange, this, &TFrmReportPreview::NDRPreviewZoomChange);
    RvRenderPrinter = std::make_unique<TRvRenderPrinter>();

    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    CreateToolBar();
    CreateScrollBox();
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusText = new QLabel(StatusBar);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusBar->addWidget(StatusText, 1);
    Layout->addWidget(ToolBar);
    Layout->addWidget(ScrollBox, 1);
    Layout->addWidget(StatusBar);
    resize(800, 600);
}

QToolButton *TFrmReportPreview::AddButton(const char *Name, const QString &Caption, const QString &Hint,
    const QString &MenuText, const QString &Icon, void (TFrmReportPreview::*Handler)())
{
    auto *Button = new QToolButton(ToolBar);
    Button->setObjectName(QLatin1String(Name));
    Button->setText(Caption);
    Button->setToolTip(Hint);
    Button->setIcon(QIcon(QStringLiteral(":/preview/") + Icon));
    Button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setAccessibleName(Caption);
    Button->installEventFilter(this);
    connect(Button, &QToolButton::clicked, this, Handler);
    ToolBar->addWidget(Button);

    QAction *Item = PopupMenu->addAction(QIcon(QStringLiteral(":/preview/") + Icon), MenuText);
    Item->setObjectName(QStringLiteral("Mnu") + QLatin1String(Name).mid(3));
    connect(Item, &QAction::triggered, this, Handler);
    FCommands.append({ Button, Item });
    return Button;
}

void TFrmReportPreview::AddSeparator()
{
    ToolBar->addSeparator();
    PopupMenu->addSeparator();
}

void TFrmReportPreview::CreateToolBar()
{
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setIconSize(QSize(24, 24));
    ToolBar->installEventFilter(this);
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    connect(PopupMenu, &QMenu::aboutToShow, this, &TFrmReportPreview::PopupMenuPopup);

    BtnOpen = AddButton("BtnOpen", QStringLiteral("Open"), QStringLiteral("Open Saved Report (Ctrl+O)"),
        QStringLiteral("Open Saved Report"), QStringLiteral("open.svg"), &TFrmReportPreview::BtnOpenClick);
    BtnSave = AddButton("BtnSave", QStringLiteral("Save"), QStringLiteral("Save Report (Ctrl+S)"),
        QStringLiteral("Save Report"), QStringLiteral("save.svg"), &TFrmReportPreview::BtnSaveClick);
    BtnPrint = AddButton("BtnPrint", QStringLiteral("Print"), QStringLiteral("Print Report (Ctrl+P)"),
        QStringLiteral("Print Report"), QStringLiteral("print.svg"), &TFrmReportPreview::BtnPrintClick);
    AddSeparator();
    BtnFirst = AddButton("BtnFirst", QStringLiteral("First Page"), QStringLiteral("Go to First Page (Alt+F)"),
        QStringLiteral("Go to First Page"), QStringLiteral("first.svg"), &TFrmReportPreview::BtnFirstClick);
    BtnPrior = AddButton("BtnPrior", QStringLiteral("Prior Page"), QStringLiteral("Go to Prior Page (Alt+P)"),
        QStringLiteral("Go to Prior Page"), QStringLiteral("prior.svg"), &TFrmReportPreview::BtnPriorClick);
    BtnNext = AddButton("BtnNext", QStringLiteral("Next Page"), QStringLiteral("Go to Next Page (Alt+N)"),
        QStringLiteral("Go to Next Page"), QStringLiteral("next.svg"), &TFrmReportPreview::BtnNextClick);
    BtnLast = AddButton("BtnLast", QStringLiteral("Last Page"), QStringLiteral("Go to Last Page (Alt+L)"),
        QStringLiteral("Go to Last Page"), QStringLiteral("last.svg"), &TFrmReportPreview::BtnLastClick);
    AddSeparator();
    BtnZoomIn = AddButton("BtnZoomIn", QStringLiteral("Zoom In"), QStringLiteral("Zoom In (+)"),
        QStringLiteral("Zoom In"), QStringLiteral("zoomin.svg"), &TFrmReportPreview::BtnZoomInClick);
    BtnZoomOut = AddButton("BtnZoomOut", QStringLiteral("Zoom Out"), QStringLiteral("Zoom Out (-)"),
        QStringLiteral("Zoom Out"), QStringLiteral("zoomout.svg"), &TFrmReportPreview::BtnZoomOutClick);
    AddSeparator();
    BtnExportPDF = AddButton("BtnExportPDF", QStringLiteral("PDF Export"),
        QStringLiteral("Export to PDF (Ctrl+D)"), QStringLiteral("Export to PDF"), QStringLiteral("pdf.svg"),
        &TFrmReportPreview::BtnExportPDFClick);
    BtnExportHTML = AddButton("BtnExportHTML", QStringLiteral("HTML Export"),
        QStringLiteral("Export to HTML (Ctrl+H)"), QStringLiteral("Export to HTML"),
        QStringLiteral("html.svg"), &TFrmReportPreview::BtnExportHTMLClick);
    AddSeparator();
    BtnExit = AddButton("BtnExit", QStringLiteral("Exit"), QStringLiteral("Exit Preview Screen (Alt+X)"),
        QStringLiteral("Exit Preview Screen"), QStringLiteral("exit.svg"), &TFrmReportPreview::BtnExitClick);
}

void TFrmReportPreview::CreateScrollBox()
{
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setAlignment(Qt::AlignCenter);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    QPalette Grey = ScrollBox->palette();
    Grey.setColor(QPalette::Window, QColor(128, 128, 128));
    ScrollBox->setPalette(Grey);
    ScrollBox->setBackgroundRole(QPalette::Window);
    ScrollBox->viewport()->setAutoFillBackground(true);
    ScrollBox->viewport()->setPalette(Grey);
    PageView = new TPreviewPageWidget(*RvRenderPreview);
    ScrollBox->setWidget(PageView);
    ScrollBox->installEventFilter(this);
    ScrollBox->viewport()->installEventFilter(this);
    PageView->installEventFilter(this);
    setFocusProxy(ScrollBox);
}

QAction *TFrmReportPreview::MenuItemOf(QToolButton *Button) const
{
    for (const auto &[Each, Item] : FCommands)
        if (Each == Button)
            return Item;
    return nullptr;
}

int TFrmReportPreview::SystemOptions() const
{
    return ReportSystem ? ReportSystem->SystemOptions : SystemOption::Defaults;
}

int TFrmReportPreview::SystemSetups() const
{
    return ReportSystem ? ReportSystem->SystemSetups : SystemSetup::Defaults;
}

bool TFrmReportPreview::HasSnapshot() const
{
    return RvRenderPreview->Snapshot() != nullptr;
}

void TFrmReportPreview::OverridePreview(TRvSystem &System, int Mode, QObject *&Form, QWidget *Owner)
{
    auto *Window = qobject_cast<TFrmReportPreview *>(Form);
    const bool Modal = System.SystemOptions & SystemOption::PreviewModal;
    switch (Mode) {
    case 0:
        Window = new TFrmReportPreview(Owner);
        Window->setWindowTitle(System.TitlePreview);
        Window->resize(System.SystemPreview.FormWidth, System.SystemPreview.FormHeight);
        if (System.SystemPreview.Maximized)
            Window->setWindowState(Qt::WindowMaximized);
        Window->ReportSystem = &System;
        Form = Window;
        break;
    case 1:
        if (!Window)
            return;
        Window->ApplyPreviewSettings();
        if (System.OnPreviewSetup)
            System.OnPreviewSetup(*Window->RvRenderPreview);
        Window->SetInputFileName(System.FilerFileName());
        Window->FInputStream = System.FilerStream();
        Window->InitFromRPSystem();
        if (Modal)
            Window->exec();
        else
            Window->show();
        break;
    case 2:
        if (Window && !Modal && Window->isVisible()) {
            QEventLoop Loop;
            connect(Window, &QDialog::finished, &Loop, &QEventLoop::quit);
            Loop.exec();
        }
        break;
    case 3:
        if (Window) {
            if (!System.FilerFileName().isEmpty())
                Window->RvRenderPreview->ReleaseStream();
            delete Window;
        }
        Form = nullptr;
        break;
    }
}

void TFrmReportPreview::ApplyPreviewSettings()
{
    if (!ReportSystem)
        return;
    const TRvSystem::TSystemPreview &Settings = ReportSystem->SystemPreview;
    RvRenderPreview->GridHoriz = Settings.GridHoriz;
    RvRenderPreview->GridVert = Settings.GridVert;
    RvRenderPreview->MarginPercent = Settings.MarginPercent;
    RvRenderPreview->ShadowDepth = Settings.ShadowDepth;
    RvRenderPreview->Monochrome = Settings.Monochrome;
    RvRenderPreview->PageInc = Settings.PageInc;
    RvRenderPreview->Rulers = Settings.Rulers;
    RvRenderPreview->ZoomInc = Settings.ZoomInc;
    RvRenderPreview->SetZoomFactor(Settings.ZoomFactor);
}

namespace {

std::unique_ptr<QFile> OpenSnapshotFile(const QString &FileName)
{
    auto File = std::make_unique<QFile>(FileName);
    QString Reason;
    if (!OpenRegularFile(*File, TSnapshotReader::MaxFileSize, Reason))
        throw EReportException(QStringLiteral("The snapshot %1 cannot be opened: %2")
                                   .arg(QFileInfo(FileName).absoluteFilePath(), Reason));
    return File;
}

} // namespace

void TFrmReportPreview::InitFromRPSystem()
{
    if (!FInputFileName.isEmpty()) {
        auto File = OpenSnapshotFile(FInputFileName);
        // Others may not write it while it is shown: pages are read from it
        // as they are turned to.
        TRvSystem::LockSnapshotFile(*File);
        RvRenderPreview->SetStream(File.get(), QFileInfo(FInputFileName).absoluteFilePath());
        FOwnedStream = std::move(File);
        FAlternateNDRLoaded = true;
    } else if (FInputStream) {
        RvRenderPreview->SetStream(FInputStream, QStringLiteral("the report in memory"));
    }
    RvRenderPreview->RenderPage(1);
    if (ReportSystem && ReportSystem->OnPreviewShow)
        ReportSystem->OnPreviewShow(*RvRenderPreview);
}

void TFrmReportPreview::OpenFile(const QString &FileName)
{
    auto File = OpenSnapshotFile(FileName);
    // A damaged file is refused here, and the pages shown stay.
    RvRenderPreview->SetStream(File.get(), QFileInfo(FileName).absoluteFilePath());
    FOwnedStream = std::move(File);
    FInputFileName = FileName;
    FAlternateNDRLoaded = true;
    RvRenderPreview->RenderPage(1);
    ScrollBox->verticalScrollBar()->setValue(0);
    setWindowTitle(AppTitle() + QStringLiteral(" - ") + QFileInfo(FileName).fileName());
    UpdateButtons();
}

void TFrmReportPreview::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TFrmReportPreview::FormShow()
{
    NDRPreviewPageChange();
    RvRenderPreview->SetZoomFactor(85);
    UpdateButtons();
    ScrollBox->setFocus();
}

void TFrmReportPreview::closeEvent(QCloseEvent *Event)
{
    fFormClosed = true;
    QDialog::closeEvent(Event);
}

void TFrmReportPreview::UpdateButtons()
{
    const int Page = RvRenderPreview->CurrentPage();
    const int Pages = RvRenderPreview->Pages();
    BtnFirst->setEnabled(Page > 1);
    BtnPrior->setEnabled(Page > 1);
    BtnNext->setEnabled(Page < Pages);
    BtnLast->setEnabled(Page < Pages);
    BtnSave->setEnabled(SystemOptions() & SystemOption::AllowSaveFromPreview);
    const bool MayPrint = SystemOptions() & SystemOption::AllowPrintFromPreview;
    BtnPrint->setEnabled(MayPrint);
    BtnExportPDF->setEnabled(MayPrint);
    BtnExportHTML->setEnabled(MayPrint);
    BtnZoomIn->setEnabled(true);
    BtnZoomOut->setEnabled(true);
    BtnOpen->setEnabled(true);
}

void TFrmReportPreview::PopupMenuPopup()
{
    for (const auto &[Button, Item] : FCommands)
        Item->setEnabled(Button->isEnabled());
}

void TFrmReportPreview::NDRPreviewPageChange()
{
    StatusText->setText(
        QStringLiteral(" Page %1 of %2").arg(RvRenderPreview->CurrentPage()).arg(RvRenderPreview->Pages()));
    PageView->UpdateSize();
    UpdateButtons();
}

void TFrmReportPreview::NDRPreviewZoomChange()
{
    if (RvRenderPreview->HasPage())
        PageView->UpdateSize();
}

void TFrmReportPreview::ShowPage(int Number, bool AtBottom)
{
    RvRenderPreview->RenderPage(Number);
    QScrollBar *Bar = ScrollBox->verticalScrollBar();
    Bar->setValue(AtBottom ? Bar->maximum() : 0);
    UpdateButtons();
}

void TFrmReportPreview::BtnFirstClick()
{
    ShowPage(1, false);
}

void TFrmReportPreview::BtnPriorClick()
{
    ShowPage(RvRenderPreview->CurrentPage() - qMax(1, RvRenderPreview->PageInc), false);
}

void TFrmReportPreview::BtnNextClick()
{
    ShowPage(RvRenderPreview->CurrentPage() + qMax(1, RvRenderPreview->PageInc), false);
}

void TFrmReportPreview::BtnLastClick()
{
    ShowPage(RvRenderPreview->Pages(), false);
}

void TFrmReportPreview::BtnZoomInClick()
{
    RvRenderPreview->ZoomIn();
    UpdateButtons();
}

void TFrmReportPreview::BtnZoomOutClick()
{
    RvRenderPreview->ZoomOut();
    UpdateButtons();
}

void TFrmReportPreview::BtnExitClick()
{
    close();
}

void TFrmReportPreview::BtnOpenClick()
{
    QString FileName;
    if (TUserInteraction::Current().SelectOpenFile(QStringLiteral("Open Saved Report"), QString(),
            QStringLiteral("Snapshot Files (*.ndr)"), FileName))
        OpenFile(FileName);
    UpdateButtons();
}

void TFrmReportPreview::CopySnapshotTo(const QString &FileName)
{
    QIODevice *Stream = RvRenderPreview->Stream();
    const qint64 Position = Stream->pos();
    QSaveFile Target(FileName);
    bool Copied = Target.open(QIODevice::WriteOnly) && Stream->seek(0);
    while (Copied && !Stream->atEnd()) {
        const QByteArray Chunk = Stream->read(1 << 20);
        Copied = !Chunk.isEmpty() && Target.write(Chunk) == Chunk.size();
    }
    Stream->seek(Position);
    const QString Problem = Copied ? CommitSaveFile(Target) : Target.errorString();
    if (!Problem.isEmpty())
        throw EReportException(
            QStringLiteral("The snapshot %1 could not be written: %2").arg(FileName, Problem));
}

void TFrmReportPreview::BtnSaveClick()
{
    if (!(SystemOptions() & SystemOption::AllowSaveFromPreview) || !HasSnapshot())
        return;
    QString FileName;
    // The export renderers exist only during an export, so the snapshot is
    // the one format offered here.
    if (!TUserInteraction::Current().SelectSaveDocument(QStringLiteral("Save to Snapshot Document"),
            QString(), QStringLiteral("Snapshot Document (*.ndr)"), QStringLiteral("ndr"), FileName))
        return;
    const TWaitCursor Wait;
    CopySnapshotTo(FileName);
}

void TFrmReportPreview::BtnPrintClick()
{
    if (!(SystemOptions() & SystemOption::AllowPrintFromPreview) || !HasSnapshot())
        return;
    const TSnapshotReader &Snapshot = *RvRenderPreview->Snapshot();
    RvRenderPrinter->Settings = Snapshot.Job();
    RvRenderPrinter->IgnoreFileSettings = false;
    if (SystemSetups() & SystemSetup::AllowPreviewSetup) {
        TOutputOptions Options;
        Options.Destination = TReportDest::Printer;
        Options.Job = Snapshot.Job();
        const QString Caption = ReportSystem ? ReportSystem->TitleSetup : QStringLiteral("Print Report");
        if (!TReportInteraction::Current().OutputOptions(Caption, SystemSetups(), Options, true))
            return;
        RvRenderPrinter->Settings = Options.Job;
        RvRenderPrinter->IgnoreFileSettings = true;
    }
    {
        const TWaitCursor Wait;
        RvRenderPrinter->Render(Snapshot);
    }
    if (OnAfterPreviewPrint)
        OnAfterPreviewPrint();
}

void TFrmReportPreview::BtnExportPDFClick()
{
    if (!(SystemOptions() & SystemOption::AllowPrintFromPreview) || !HasSnapshot())
        return;
    QString FileName;
    if (!TUserInteraction::Current().SelectSaveDocument(QStringLiteral("Save to PDF Document"), QString(),
            QStringLiteral("Adobe Portable Document (*.pdf)"), QStringLiteral("pdf"), FileName))
        return;
    const TWaitCursor Wait;
    const auto RvRenderPDF = std::make_unique<TRvRenderPDF>();
    RvRenderPDF->Info = TRvRenderPDF::ProgramInfo();
    RvRenderPDF->Render(*RvRenderPreview->Snapshot(), FileName);
}

void TFrmReportPreview::BtnExportHTMLClick()
{
    if (!(SystemOptions() & SystemOption::AllowPrintFromPreview) || !HasSnapshot())
        return;
    QString FileName;
    if (!TUserInteraction::Current().SelectSaveDocument(QStringLiteral("Save to HTML Document"), QString(),
            QStringLiteral("Web Document (*.html)"), QStringLiteral("html"), FileName))
        return;
    const TWaitCursor Wait;
    const auto RvRenderHTML = std::make_unique<TRvRenderHTML>();
    RvRenderHTML->Title = windowTitle();
    RvRenderHTML->Render(*RvRenderPreview->Snapshot(), FileName);
}

bool TFrmReportPreview::AtTop() const
{
    return ScrollBox->verticalScrollBar()->value() <= ScrollBox->verticalScrollBar()->minimum();
}

bool TFrmReportPreview::AtBottom() const
{
    return ScrollBox->verticalScrollBar()->value() >= ScrollBox->verticalScrollBar()->maximum();
}

void TFrmReportPreview::ScrollVertically(int Delta)
{
    QScrollBar *Bar = ScrollBox->verticalScrollBar();
    Bar->setValue(qBound(Bar->minimum(), Bar->value() + Delta, Bar->maximum()));
}

void TFrmReportPreview::ScrollHorizontally(int Delta)
{
    QScrollBar *Bar = ScrollBox->horizontalScrollBar();
    Bar->setValue(qBound(Bar->minimum(), Bar->value() + Delta, Bar->maximum()));
}

void TFrmReportPreview::FormMouseWheelDown()
{
    if (!AtBottom())
        ScrollVertically(LineStep);
    else if (RvRenderPreview->CurrentPage() < RvRenderPreview->Pages())
        ShowPage(RvRenderPreview->CurrentPage() + 1, false);
}

void TFrmReportPreview::FormMouseWheelUp()
{
    if (!AtTop())
        ScrollVertically(-LineStep);
    else if (RvRenderPreview->CurrentPage() > 1)
        ShowPage(RvRenderPreview->CurrentPage() - 1, true);
}

bool TFrmReportPreview::FormKeyDown(QKeyEvent *Event)
{
    const Qt::KeyboardModifiers Mods = Event->modifiers() & ~Qt::KeypadModifier;
    const bool PlainOrCtrl = Mods == Qt::NoModifier || Mods == Qt::ControlModifier;
    const bool Ctrl = Mods == Qt::ControlModifier;
    const bool CtrlShift = Mods == (Qt::ControlModifier | Qt::ShiftModifier);
    const bool Alt = Mods == Qt::AltModifier;
    const int Page = RvRenderPreview->CurrentPage();
    const int Pages = RvRenderPreview->Pages();
    const int BoxHeight = ScrollBox->viewport()->height();
    const int BoxWidth = ScrollBox->viewport()->width();
    switch (Event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_Up:
        if (!PlainOrCtrl)
            return false;
        if (!AtTop())
            ScrollVertically(Event->key() == Qt::Key_Up ? -LineStep : -BoxHeight);
        else if (Page > 1)
            ShowPage(Page - 1, true);
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Down:
        if (!PlainOrCtrl)
            return false;
        if (!AtBottom())
            ScrollVertically(Event->key() == Qt::Key_Down ? LineStep : BoxHeight);
        else if (Page < Pages)
            ShowPage(Page + 1, false);
        return true;
    case Qt::Key_End:
    case Qt::Key_Home:
        if (!PlainOrCtrl)
            return false;
        ScrollBox->verticalScrollBar()->setValue(Event->key() == Qt::Key_End
                ? ScrollBox->verticalScrollBar()->maximum()
                : ScrollBox->verticalScrollBar()->minimum());
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!Ctrl && !CtrlShift)
            return false;
        ScrollHorizontally((Event->key() == Qt::Key_Left ? -1 : 1) * (CtrlShift ? BoxWidth : LineStep));
        return true;
    case Qt::Key_D:
        if (Ctrl && BtnExportPDF->isEnabled())
            BtnExportPDFClick();
        return Ctrl;
    case Qt::Key_H:
        if (Ctrl && BtnExportHTML->isEnabled())
            BtnExportHTMLClick();
        return Ctrl;
    case Qt::Key_O:
        if (Ctrl)
            BtnOpenClick();
        return Ctrl;
    case Qt::Key_S:
        if (Ctrl)
            BtnSaveClick();
        return Ctrl;
    case Qt::Key_P:
        if (Ctrl && BtnPrint->isEnabled())
            BtnPrintClick();
        else if (Alt && BtnPrior->isEnabled())
            BtnPriorClick();
        return Ctrl || Alt;
    case Qt::Key_F:
        if (Alt && BtnFirst->isEnabled())
            BtnFirstClick();
        return Alt;
    case Qt::Key_N:
        if (Alt && BtnNext->isEnabled())
            BtnNextClick();
        return Alt;
    case Qt::Key_L:
        if (Alt && BtnNext->isEnabled())
            BtnLastClick();
        return Alt;
    case Qt::Key_X:
        if (Alt)
            BtnExitClick();
        return Alt;
    default:
        return false;
    }
}

bool TFrmReportPreview::FormKeyPress(QKeyEvent *Event)
{
    if (Event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (Event->text() == QLatin1String("+")) {
        BtnZoomInClick();
        return true;
    }
    if (Event->text() == QLatin1String("-")) {
        BtnZoomOutClick();
        return true;
    }
    return false;
}

void TFrmReportPreview::keyPressEvent(QKeyEvent *Event)
{
    if (FormKeyDown(Event) || FormKeyPress(Event))
        return;
    QDialog::keyPressEvent(Event);
}

bool TFrmReportPreview::eventFilter(QObject *Watched, QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::KeyPress: {
        // The window sees the keys before its controls do.
        auto *Key = static_cast<QKeyEvent *>(Event);
        if (FormKeyDown(Key) || FormKeyPress(Key))
            return true;
        break;
    }
    case QEvent::Wheel:
        if (Watched == ScrollBox->viewport()) {
            const QPoint Delta = static_cast<QWheelEvent *>(Event)->angleDelta();
            if (Delta.y() < 0)
                FormMouseWheelDown();
            else if (Delta.y() > 0)
                FormMouseWheelUp();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (Watched == ScrollBox->viewport() || Watched == PageView) {
            PopupMenu->popup(static_cast<QContextMenuEvent *>(Event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(Watched, Event);
}
