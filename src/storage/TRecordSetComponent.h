#pragma once

#include <QObject>

// A plain non-visual component: owned by a window or the data module.
class TRecordSetComponent : public QObject
{
    Q_OBJECT
public:
    explicit TRecordSetComponent(QObject *Owner = nullptr);
};
