#pragma once

#include <QColor>

class QWidget;

// Background of the field that has the focus on the entry windows.
QColor HighlightColor();
// Background of a required field that is still empty or wrong.
QColor MarkColor();
// Background a field is painted while its calculator or calendar is open.
QColor PopupOpenColor();

// The background colour of an entry field, and setting it: the base colour
// for edits, and for a drop-down list its button face as well.
QColor FieldColor(const QWidget *Field);
void SetFieldColor(QWidget *Field, const QColor &Color);
