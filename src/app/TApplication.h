#pragma once

#include <QApplication>

#include <functional>

class QKeyEvent;

// The application object: an error that no command handles is shown in an
// error box titled with the application title, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &Argc, char **Argv);
    bool notify(QObject *Receiver, QEvent *Event) override;

    static void ShowException(const QString &Message);
    // Runs a command; an error it raises is shown in the program's error box
    // and false returned, so the error never travels through Qt's event code.
    static bool RunCommand(const std::function<void()> &Command);

private:
    bool NotifyWithoutText(QObject *Receiver, QKeyEvent *Key);
};
