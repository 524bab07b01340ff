#pragma once

#include <QStringList>

class QWidget;

// Gives Field the focus as Tab would and waits until it has it.
bool EnterField(QWidget *Field);
// Replaces what Field holds by Text, typed key by key: letters for a state
// selector (an empty Text clears it), the space bar for a check box ("X"
// checks it), characters for the edits. The focus stays in the field.
void TypeInto(QWidget *Field, const QString &Text);
// Leaves the focused field with the Tab key.
void LeaveField();
// Shows Window and waits until it is the active window.
bool ShowActive(QWidget *Window);
// The object name of the widget that has the focus; empty when none has.
QString FocusName();
// Where the focus goes with the Enter key: the focused widget, then the one
// after each Enter, Count names in all.
QStringList VisitWithEnter(int Count);
