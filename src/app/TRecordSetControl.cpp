#include "TRecordSetControl.h"

TRecordSetControl::TRecordSetControl(QWidget *Parent)
    : QWidget(Parent)
{
}
