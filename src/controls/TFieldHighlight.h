#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

// The entry windows' focus highlight: the field that gets the focus is
// painted HighlightColor() and gets its own colour back when it is left.
// Only moves between fields count (see TFocusGuard), so a message box or a
// calculator leaves the highlight alone.
class TFieldHighlight : public QObject {
    Q_OBJECT
public:
    // Watches every edit, drop-down list and spin box inside Window.
    explicit TFieldHighlight(QWidget *Window);
    void Watch(QWidget *Field);

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    QColor FOldColor;
    // The field painted with the highlight.
    QPointer<QWidget> FCurrent;
};
