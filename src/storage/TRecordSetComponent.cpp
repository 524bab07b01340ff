#include "TRecordSetComponent.h"

TRecordSetComponent::TRecordSetComponent(QObject *Owner)
    : QObject(Owner)
{
}
