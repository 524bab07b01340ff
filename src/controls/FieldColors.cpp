#include "FieldColors.h"

#include <QComboBox>
#include <QWidget>

QColor HighlightColor()
{
    return QColor(187, 255, 255);
}

QColor MarkColor()
{
    return QColor(255, 147, 147);
}

QColor PopupOpenColor()
{
    return QColor(Qt::yellow);
}

QColor FieldColor(const QWidget *Field)
{
    return Field->palette().color(QPalette::Base);
}

void SetFieldColor(QWidget *Field, const QColor &Color)
{
    QPalette Palette = Field->palette();
    Palette.setColor(QPalette::Base, Color);
    // A closed drop-down list draws its face with the button colour.
    if (qobject_cast<QComboBox *>(Field) && !static_cast<QComboBox *>(Field)->isEditable())
        Palette.setColor(QPalette::Button, Color);
    Field->setPalette(Palette);
}
