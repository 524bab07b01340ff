#include "TApplication.h"

#include "AppInfo.h"
#include "EException.h"
#include "MsgBox.h"
#include "TModalReturn.h"
#include "TShortcutKeys.h"

// The help topics and icons live in a static library, whose resources are
// not registered on their own.
static void RegisterResources()
{
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(icons);
}

TApplication::TApplication(int &Argc, char **Argv)
    : QApplication(Argc, Argv)
{
    RegisterResources();
    setApplicationName(QStringLiteral("qmrk-w2"));
    // No display name: on X11 Qt appends it to every window title, and the
    // captions must read exactly as the program sets them.
    setApplicationVersion(AppVersion());
}

bool TApplication::notify(QObject *Receiver, QEvent *Event)
{
    try {
        if (TShortcutKeys::CarriesText(Event))
            return NotifyWithoutText(Receiver, static_cast<QKeyEvent *>(Event));
        const bool Handled = QApplication::notify(Receiver, Event);
        TModalReturn::Delivered(Receiver, Event);
        return Handled;
    } catch (const EException &Error) {
        ShowException(Error.Message());
    } catch (const std::exception &Error) {
        ShowException(QString::fromLocal8Bit(Error.what()));
    }
    return false;
}

// Every filter, the navigators' among them, and the widget itself see the
// same key, so a shortcut acts once and types nothing.
bool TApplication::NotifyWithoutText(QObject *Receiver, QKeyEvent *Key)
{
    QKeyEvent Bare = TShortcutKeys::WithoutText(*Key);
    const bool Handled = QApplication::notify(Receiver, &Bare);
    Key->setAccepted(Bare.isAccepted());
    return Handled;
}

bool TApplication::RunCommand(const std::function<void()> &Command)
{
    try {
        Command();
        return true;
    } catch (const EException &Error) {
        ShowException(Error.Message());
        return false;
    }
}

void TApplication::ShowException(const QString &Message)
{
    MsgBox(Message, AppTitle(), MsgFlag::IconError);
}
