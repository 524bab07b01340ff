#include "TFrmAbout.h"

#include "AppInfo.h"
#include "MakerAddresses.h"
#include "TDesktop.h"
#include "TMemoryStatus.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int AboutWidth = 390;
constexpr int AboutHeight = 345;

QLabel *AddLabel(QWidget *Parent, const char *Name, const QString &Text = {})
{
    auto *Label = new QLabel(Text, Parent);
    Label->setObjectName(QLatin1String(Name));
    return Label;
}

} // namespace

TFrmAbout::TFrmAbout(QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About QMRK"));
    setFixedSize(AboutWidth, AboutHeight);

    ProgramIcon = AddLabel(this, "ProgramIcon");
    ProgramIcon->setPixmap(QIcon(QStringLiteral(":/icons/program.svg")).pixmap(48, 48));
    ProductName = AddLabel(this, "ProductName");
    QFont Large = ProductName->font();
    Large.setBold(true);
    Large.setPointSizeF(Large.pointSizeF() * 1.6);
    ProductName->setFont(Large);
    ProductName->setWordWrap(true);
    // The raised look: a hard shadow below and to the right of the letters.
    auto *Shadow = new QGraphicsDropShadowEffect(ProductName);
    Shadow->setBlurRadius(0);
    Shadow->setOffset(2, 2);
    Shadow->setColor(QColor(128, 128, 128));
    ProductName->setGraphicsEffect(Shadow);
    Version = AddLabel(this, "Version");

    LblWebSite = AddLabel(this, "LblWebSite", MakerWebSite());
    QFont Link = LblWebSite->font();
    Link.setUnderline(true);
    LblWebSite->setFont(Link);
    QPalette LinkColour = LblWebSite->palette();
    LinkColour.setColor(QPalette::WindowText, Qt::blue);
    LblWebSite->setPalette(LinkColour);
    LblWebSite->setCursor(Qt::PointingHandCursor);
    LblWebSite->setAccessibleName(QStringLiteral("Web site ") + MakerWebSite());
    LblWebSite->installEventFilter(this);

    auto *Separator = new QFrame(this);
    Separator->setObjectName(QStringLiteral("Separator"));
    Separator->setFrameShape(QFrame::HLine);
    Separator->setFrameShadow(QFrame::Sunken);
    PhysMem = AddLabel(this, "PhysMem");
    MemLoad = AddLabel(this, "MemLoad");
    auto *PhysMemCaption
        = AddLabel(this, "LblPhysMem", QStringLiteral("Physical Memory Available to Windows:"));
    auto *MemLoadCaption = AddLabel(this, "LblMemLoad", QStringLiteral("Memory in Use:"));

    // OK is both the default and the cancel button: Enter and Esc close the box.
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *Head = new QHBoxLayout;
    Head->addWidget(ProgramIcon, 0, Qt::AlignTop);
    auto *Names = new QVBoxLayout;
    Names->addWidget(ProductName);
    Names->addWidget(Version);
    Names->addWidget(LblWebSite);
    Head->addLayout(Names, 1);
    auto *Memory = new QGridLayout;
    Memory->addWidget(PhysMemCaption, 0, 0);
    Memory->addWidget(PhysMem, 0, 1, Qt::AlignRight);
    Memory->addWidget(MemLoadCaption, 1, 0);
    Memory->addWidget(MemLoad, 1, 1, Qt::AlignRight);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(16, 16, 16, 12);
    Layout->addLayout(Head);
    Layout->addStretch();
    Layout->addWidget(Separator);
    Layout->addLayout(Memory);
    Layout->addStretch();
    Layout->addWidget(BtnOK, 0, Qt::AlignHCenter);
}

void TFrmAbout::setVisible(bool Visible)
{
    if (Visible && !isVisible()) {
        FormShow();
        if (parentWidget())
            move(parentWidget()->window()->geometry().center() - rect().center());
    }
    QDialog::setVisible(Visible);
}

void TFrmAbout::FormShow()
{
    ProductName->setText(AppTitle() + QStringLiteral(" (64-bit)"));
    Version->setText(QStringLiteral("Version ") + VersionText());
    const TMemoryStatus Status = TMemoryStatus::Current();
    PhysMem->setText(Status.TotalText());
    MemLoad->setText(Status.LoadText());
}

bool TFrmAbout::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == LblWebSite && Event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(Event)->button() == Qt::LeftButton) {
        LblWebSiteClick();
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}

void TFrmAbout::LblWebSiteClick()
{
    TDesktop::OpenUrl(QUrl(MakerWebSite()));
    accept();
}
