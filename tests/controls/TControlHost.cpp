#include "TControlHost.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

TControlHost::TControlHost()
{
    setObjectName(QStringLiteral("ControlHost"));
    FLayout = new QVBoxLayout(this);
    Spare = new QLineEdit(this);
    Spare->setObjectName(QStringLiteral("Spare"));
    FLayout->addWidget(Spare);
    resize(300, 200);
}

void TControlHost::AddWidget(QWidget *Control)
{
    // Before the spare field, so Tab from the control goes to it.
    FLayout->insertWidget(FLayout->count() - 1, Control);
    setTabOrder(Control, Spare);
    if (isVisible())
        Control->show();
}

bool TControlHost::ShowActive()
{
    show();
    activateWindow();
    return QTest::qWaitForWindowActive(this);
}

void TControlHost::Enter(QWidget *Field)
{
    Field->setFocus(Qt::TabFocusReason);
}

void TControlHost::LeaveByTab()
{
    if (QWidget *Focused = QApplication::focusWidget())
        QTest::keyClick(Focused, Qt::Key_Tab);
}

namespace {

void CloseModal(QWidget *Modal)
{
    if (auto *Dialog = qobject_cast<QDialog *>(Modal))
        Dialog->reject();
    else
        Modal->close();
}

} // namespace

void WhenModalShows(const std::function<void(QWidget *)> &Act)
{
    QTimer::singleShot(0, [Act] {
        QWidget *Modal = nullptr;
        [&Modal] { QTRY_VERIFY((Modal = QApplication::activeModalWidget()) != nullptr); }();
        if (!Modal)
            return;
        Act(Modal);
        if (QApplication::activeModalWidget() == Modal)
            CloseModal(Modal);
    });
}

bool RunWithoutModal(const std::function<void()> &Keys)
{
    bool Opened = false;
    QTimer Watch;
    Watch.setInterval(0);
    QObject::connect(&Watch, &QTimer::timeout, [&Opened] {
        if (QWidget *Modal = QApplication::activeModalWidget()) {
            Opened = true;
            CloseModal(Modal);
        }
    });
    Watch.start();
    Keys();
    QCoreApplication::processEvents();
    return Opened;
}

void TypeKeys(QWidget *Target, const QString &Keys)
{
    static const QHash<QString, Qt::Key> Named = { { QStringLiteral("BS"), Qt::Key_Backspace },
        { QStringLiteral("Del"), Qt::Key_Delete }, { QStringLiteral("Home"), Qt::Key_Home },
        { QStringLiteral("End"), Qt::Key_End }, { QStringLiteral("Left"), Qt::Key_Left },
        { QStringLiteral("Right"), Qt::Key_Right }, { QStringLiteral("Enter"), Qt::Key_Return },
        { QStringLiteral("Esc"), Qt::Key_Escape }, { QStringLiteral("Tab"), Qt::Key_Tab } };
    for (qsizetype I = 0; I < Keys.size(); ++I) {
        const qsizetype Close = Keys.indexOf(QLatin1Char('}'), I);
        if (Keys.at(I) == QLatin1Char('{') && Close > I && Named.contains(Keys.mid(I + 1, Close - I - 1))) {
            QTest::keyClick(Target, Named.value(Keys.mid(I + 1, Close - I - 1)));
            I = Close;
            continue;
        }
        QTest::keyClick(Target, Keys.at(I).toLatin1());
    }
}
