#pragma once

#include <QWidget>

// Base of the controls that work on a record set.
class TRecordSetControl : public QWidget {
    Q_OBJECT
public:
    explicit TRecordSetControl(QWidget *Parent = nullptr);
};
