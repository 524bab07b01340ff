#pragma once

class QString;
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
