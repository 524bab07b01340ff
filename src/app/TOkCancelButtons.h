#pragma once

#include <QHBoxLayout>

class QDialog;
class QPushButton;

// The "&Ok" and "&Cancel" row at the foot of the program's dialogs. Ok is the
// default button and accepts, Cancel rejects; a window with its own rules
// reconnects them.
class TOkCancelButtons : public QHBoxLayout {
    Q_OBJECT
public:
    explicit TOkCancelButtons(QDialog *Dialog);

    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;
};
