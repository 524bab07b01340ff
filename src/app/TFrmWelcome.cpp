#include "TFrmWelcome.h"

#include "AppInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

TFrmWelcome::TFrmWelcome(QWidget *Parent)
    : QWidget(Parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmWelcome"));
    setFixedSize(420, 134);
    setAutoFillBackground(true);
    QPalette Colours = palette();
    Colours.setColor(QPalette::Window, QColor(0x1D, 0x3A, 0x4C));
    Colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(Colours);

    auto *Icon = new QLabel(this);
    Icon->setPixmap(QIcon(QStringLiteral(":/icons/program.svg")).pixmap(64, 64));
    auto *Product = new QLabel(AppTitle() + QStringLiteral(" (64-bit)"), this);
    Product->setObjectName(QStringLiteral("LblProduct"));
    QFont Bold = Product->font();
    Bold.setBold(true);
    Bold.setPointSize(15);
    Product->setFont(Bold);
    auto *Version = new QLabel(QStringLiteral("Version ") + VersionText(), this);
    Version->setObjectName(QStringLiteral("LblVersion"));

    auto *Texts = new QVBoxLayout;
    Texts->addStretch();
    Texts->addWidget(Product);
    Texts->addWidget(Version);
    Texts->addStretch();
    auto *Layout = new QHBoxLayout(this);
    Layout->setContentsMargins(24, 12, 24, 12);
    Layout->setSpacing(20);
    Layout->addWidget(Icon);
    Layout->addLayout(Texts, 1);
    if (const QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
}

// The pause holds the start-up on purpose: the program shows its name
// before the main window appears.
void TFrmWelcome::ShowFor(int Ms)
{
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QElapsedTimer Clock;
    Clock.start();
    while (Clock.elapsed() < Ms) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
}
