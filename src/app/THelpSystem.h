#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

// The program's help: HTML topics built into the program, addressed by
// context number. A window or control with the property "HelpContext"
// gets its topic on F1.
class THelpSystem : public QObject {
    Q_OBJECT
public:
    // The contexts that have a topic, in the order the contents list shows them.
    static QList<int> Contexts();
    static bool HasTopic(int Context);
    static QString TopicUrl(int Context);
    static QString TopicTitle(int Context);

    // Shows topic Context in the help window, opening it when needed.
    static void ShowTopic(int Context);
    // Marks Widget (a window or a control) with its help context for F1.
    static void SetHelpContext(QWidget *Widget, int Context);
    // The context F1 would show with Widget focused: its own or its nearest parent's; 0 for none.
    static int HelpContextOf(const QWidget *Widget);

    // Makes F1 show the help of the focused window anywhere in the program.
    static void InstallF1Handler();

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
};
