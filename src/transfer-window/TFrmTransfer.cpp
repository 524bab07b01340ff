#include "TFrmTransfer.h"

#include "TApplication.h"
#include "THelpSystem.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "ETransferException.h"
#include "FileUtils.h"
#include "MsgBox.h"
#include "TAppGlobals.h"
#include "TTransferRun.h"
#include "TextUtils.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 12;
int PauseMsValue = 500;

QString LastYear()
{
    return YearText(TaxYear - 1);
}

// The lines of the explanation, broken and spaced as the window has always
// shown them.
QStringList ExplanationLines()
{
    return {
        QStringLiteral("This utility will transfer your %1 data files to the new %2 version format. In")
            .arg(LastYear(), YearText()),
        QStringLiteral(
            "the  field   below,   enter  the  complete  path  to  your  %1  data files  (if it is")
            .arg(LastYear()),
        QStringLiteral("different from the default  path), click Ok, select the files to be transferred and"),
        QStringLiteral("then click Transfer to begin the transfer process."),
        QString(),
        QStringLiteral("NOTE: Your %1 data files will be unaffected by this process.").arg(LastYear()),
    };
}

QString OverwriteWarning()
{
    return QStringLiteral(
        "                          WARNING!~~Unchecking this box will cause the transfer process~"
        "to  overwrite  any  data file with the same name as~the file being transferred.~~"
        "This may result in LOSS OF DATA, are you sure?");
}

QPushButton *MakeButton(QWidget *Parent, const char *Name, const QString &Text)
{
    auto *Button = new QPushButton(Text, Parent);
    Button->setObjectName(QLatin1String(Name));
    Button->setAutoDefault(false);
    return Button;
}

} // namespace

TFrmTransfer::TFrmTransfer(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmTransfer"));
    setWindowTitle(QStringLiteral("Quillmark W-2 Transfer Utility"));
    THelpSystem::SetHelpContext(this, HelpContext);
    CreateControls();
    ConnectHandlers();
    setFixedSize(sizeHint());
    if (const QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
    FormShow();
}

int TFrmTransfer::PauseMs()
{
    return PauseMsValue;
}

void TFrmTransfer::SetPauseForTest(int Ms)
{
    PauseMsValue = Ms;
}

QWidget *TFrmTransfer::CreateExplanation()
{
    auto *Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("PnlExplanation"));
    Panel->setFrameShape(QFrame::StyledPanel);
    Panel->setAutoFillBackground(true);
    QPalette White = Panel->palette();
    White.setColor(QPalette::Window, Qt::white);
    White.setColor(QPalette::WindowText, Qt::black);
    Panel->setPalette(White);
    auto *Lines = new QVBoxLayout(Panel);
    Lines->setSpacing(0);
    int Number = 1;
    for (const QString &Text : ExplanationLines()) {
        auto *Line = new QLabel(Text, Panel);
        Line->setObjectName(QStringLiteral("LblExplanation%1").arg(Number++));
        Line->setTextFormat(Qt::PlainText);
        Lines->addWidget(Line);
    }
    return Panel;
}

void TFrmTransfer::CreateControls()
{
    Path = new QLineEdit(this);
    Path->setObjectName(QStringLiteral("Path"));
    Path->setAccessibleName(QStringLiteral("Path to %1 data files").arg(LastYear()));
    BtnBrowse = MakeButton(this, "BtnBrowse", QStringLiteral("&Browse"));
    BtnHelp = MakeButton(this, "BtnHelp", QString());
    BtnHelp->setIcon(QIcon(QStringLiteral(":/icons/help.svg")));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    BtnHelp->setAccessibleName(QStringLiteral("Form Help"));
    auto *PathRow = new QHBoxLayout;
    PathRow->addWidget(Path, 1);
    PathRow->addWidget(BtnBrowse);
    PathRow->addWidget(BtnHelp);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setAccessibleName(QStringLiteral("%1 data files").arg(LastYear()));
    FileListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileListBox->setEnabled(false);
    ChkNoOverwrite = new QCheckBox(QStringLiteral("Do not overwrite files"), this);
    ChkNoOverwrite->setObjectName(QStringLiteral("ChkNoOverwrite"));
    ChkNoOverwrite->setChecked(true);
    LblTransferred = new QLabel(QStringLiteral("* = Already transferred"), this);
    LblTransferred->setObjectName(QStringLiteral("LblTransferred"));
    LblTransferred->setVisible(false);

    BtnOk = MakeButton(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnSelectAll = MakeButton(this, "BtnSelectAll", QStringLiteral("Select &All"));
    BtnDeselectAll = MakeButton(this, "BtnDeselectAll", QStringLiteral("&Deselect All"));
    BtnTransfer = MakeButton(this, "BtnTransfer", QStringLiteral("&Transfer"));
    BtnCancel = MakeButton(this, "BtnCancel", QStringLiteral("&Cancel"));
    for (QPushButton *Button : { BtnSelectAll, BtnDeselectAll, BtnTransfer })
        Button->setEnabled(false);
    auto *Buttons = new QVBoxLayout;
    for (QPushButton *Button : { BtnOk, BtnSelectAll, BtnDeselectAll, BtnTransfer, BtnCancel })
        Buttons->addWidget(Button);
    Buttons->addStretch(1);

    auto *Files = new QGridLayout;
    Files->addWidget(FileListBox, 0, 0, 1, 2);
    Files->addLayout(Buttons, 0, 2);
    Files->addWidget(ChkNoOverwrite, 1, 0);
    Files->addWidget(LblTransferred, 1, 1, Qt::AlignRight);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusText = new QLabel(QStringLiteral(" 0 files selected"), StatusBar);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusBar->addWidget(StatusText, 1);

    auto *Layout = new QVBoxLayout(this);
    Layout->addWidget(CreateExplanation());
    Layout->addLayout(PathRow);
    Layout->addLayout(Files, 1);
    Layout->addWidget(StatusBar);
    FileListBox->setMinimumHeight(200);
}

void TFrmTransfer::ConnectHandlers()
{
    const auto Command = [this](void (TFrmTransfer::*Handler)()) {
        return [this, Handler] { TApplication::RunCommand([this, Handler] { (this->*Handler)(); }); };
    };
    connect(BtnBrowse, &QPushButton::clicked, this, Command(&TFrmTransfer::BtnBrowseClick));
    connect(BtnHelp, &QPushButton::clicked, this, Command(&TFrmTransfer::BtnHelpClick));
    connect(BtnOk, &QPushButton::clicked, this, Command(&TFrmTransfer::BtnOkClick));
    connect(BtnSelectAll, &QPushButton::clicked, this, Command(&TFrmTransfer::BtnSelectAllClick));
    connect(BtnDeselectAll, &QPushButton::clicked, this, Command(&TFrmTransfer::BtnDeselectAllClick));
    connect(BtnTransfer, &QPushButton::clicked, this, Command(&TFrmTransfer::BtnTransferClick));
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmTransfer::reject);
    connect(FileListBox, &QListWidget::itemSelectionChanged, this, &TFrmTransfer::FileListBoxSelectionChange);
    connect(ChkNoOverwrite, &QCheckBox::clicked, this, [this](bool Checked) {
        TApplication::RunCommand([this, Checked] { ChkNoOverwriteClick(Checked); });
    });
}

void TFrmTransfer::FormShow()
{
    if (IsBlank(Path->text()))
        Path->setText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/QMRK/%1/Data").arg(LastYear()));
}

void TFrmTransfer::BtnBrowseClick()
{
    QString Folder;
    if (SelectFolder(QStringLiteral("Select the location of your %1 client files").arg(LastYear()), Folder))
        Path->setText(Folder);
}

void TFrmTransfer::BtnOkClick()
{
    if (IsBlank(Path->text()))
        throw ETransferException(QStringLiteral("Path to %1 data files is missing").arg(LastYear()));
    Path->setText(AddPathDelimiter(Path->text()));
    const QString Folder = Path->text().trimmed();
    if (CountMatchingFiles(Folder + QLatin1Char('*') + W3FileExtension(TaxYear - 1)) == 0)
        throw ETransferException(
            QStringLiteral("%1 data files not found in specified location").arg(LastYear()));
    FFromFolder = Folder;
    FState = TState::ChoosingFiles;
    for (QWidget *Control :
        { static_cast<QWidget *>(Path), static_cast<QWidget *>(BtnBrowse), static_cast<QWidget *>(BtnOk) })
        Control->setEnabled(false);
    FileListBox->setEnabled(true);
    FileListBox->setFocus();
    BtnSelectAll->setEnabled(true);
    LblTransferred->setVisible(true);
    const QString DataDir = TAppGlobals::Instance().DataDir;
    for (const QString &Name : TTransferRun::LastYearFiles(Folder)) {
        auto *Item = new QListWidgetItem(
            TTransferRun::CompanyExists(DataDir, Name) ? QLatin1Char('*') + Name : Name, FileListBox);
        // The name itself, so a file whose name begins with '*' is not cut.
        Item->setData(Qt::UserRole, Name);
    }
}

QString TFrmTransfer::SelectionText() const
{
    const qsizetype Selected = FileListBox->selectedItems().size();
    return QLatin1Char(' ') + CountText(Selected, QStringLiteral("file"), QStringLiteral("files"))
        + QStringLiteral(" selected");
}

void TFrmTransfer::FileListBoxSelectionChange()
{
    // The selection cleared at the end of the transfer leaves the result shown.
    if (FState != TState::ChoosingFiles)
        return;
    const qsizetype Selected = FileListBox->selectedItems().size();
    BtnSelectAll->setEnabled(Selected < FileListBox->count());
    BtnDeselectAll->setEnabled(Selected >= 1);
    BtnTransfer->setEnabled(BtnDeselectAll->isEnabled());
    StatusText->setText(SelectionText());
}

void TFrmTransfer::BtnSelectAllClick()
{
    FileListBox->selectAll();
    FileListBoxSelectionChange();
}

void TFrmTransfer::BtnDeselectAllClick()
{
    FileListBox->clearSelection();
    FileListBoxSelectionChange();
}

void TFrmTransfer::ChkNoOverwriteClick(bool Checked)
{
    if (Checked)
        return;
    if (MsgBox(
            OverwriteWarning(), AppTitle(), MsgFlag::YesNo | MsgFlag::IconWarning | MsgFlag::DefaultButton2)
        != MsgResult::Yes)
        ChkNoOverwrite->setChecked(true);
}

void TFrmTransfer::BtnTransferClick()
{
    for (QWidget *Control : std::initializer_list<QWidget *> { BtnCancel, FileListBox, ChkNoOverwrite,
             LblTransferred, BtnSelectAll, BtnDeselectAll, BtnTransfer })
        Control->setEnabled(false);
    FState = TState::Done;
    // Whatever happens in the run, the window ends closable.
    struct TExitButton {
        TFrmTransfer *Window;
        ~TExitButton()
        {
            Window->BtnCancel->setEnabled(true);
            Window->BtnCancel->setText(QStringLiteral("E&xit"));
            Window->BtnCancel->setDefault(true);
            Window->BtnCancel->setFocus();
            Window->FileListBox->clearSelection();
        }
    } Exit { this };
    TransferSelected();
}

void TFrmTransfer::TransferSelected()
{
    QStringList Names;
    for (int Row = 0; Row < FileListBox->count(); ++Row)
        if (const QListWidgetItem *Item = FileListBox->item(Row); Item->isSelected())
            Names.append(Item->data(Qt::UserRole).toString());
    TTransferRun Run(FFromFolder, TAppGlobals::Instance().DataDir, ChkNoOverwrite->isChecked());
    const int Transferred = Run.Run(
        Names,
        [](const TTransferOutcome &Outcome) {
            if (Outcome.Kind == TTransferOutcome::TKind::Failed)
                MsgBox(QStringLiteral("%1 was not transferred:~%2").arg(Outcome.Name, Outcome.Reason),
                    AppTitle(), MsgFlag::IconError);
        },
        PauseMs());
    ShowTransferred(Transferred);
}

void TFrmTransfer::ShowTransferred(int Transferred)
{
    StatusText->setText(StatusText->text() + QStringLiteral(" - ")
        + CountText(Transferred, QStringLiteral("file"), QStringLiteral("files"))
        + QStringLiteral(" transferred"));
}

void TFrmTransfer::BtnHelpClick()
{
    THelpSystem::ShowTopic(HelpContext);
}

void TFrmTransfer::reject()
{
    if (BtnCancel->isEnabled())
        QDialog::reject();
}

void TFrmTransfer::closeEvent(QCloseEvent *Event)
{
    if (BtnCancel->isEnabled())
        QDialog::closeEvent(Event);
    else
        Event->ignore();
}
