#include "TFrmMsgWin.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TFrmMsgWin::TFrmMsgWin(const QString &Caption, const QString &Text, QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmMsgWin"));
    setWindowTitle(Caption);
    setFixedSize(312, 83);
    LblMsg = new QLabel(Text, this);
    LblMsg->setObjectName(QStringLiteral("LblMsg"));
    LblMsg->setAlignment(Qt::AlignCenter);
    LblMsg->setWordWrap(true);
    QFont Bold = LblMsg->font();
    Bold.setBold(true);
    LblMsg->setFont(Bold);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(4, 4, 4, 4);
    Layout->addWidget(LblMsg);
    if (const QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
}

void TFrmMsgWin::ShowNow()
{
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
