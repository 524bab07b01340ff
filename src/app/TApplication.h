#pragma once

#include <QApplication>

// The application object: an error that no command handles is shown in an
// error box titled with the application title, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &Argc, char **Argv);
    bool notify(QObject *Receiver, QEvent *Event) override;

    static void ShowException(const QString &Message);
};
