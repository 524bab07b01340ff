#pragma once

#include <QDialog>

class QLabel;

// The modeless "please wait" window shown during long file operations.
class TFrmMsgWin : public QDialog {
    Q_OBJECT
public:
    TFrmMsgWin(const QString &Caption, const QString &Text, QWidget *Parent = nullptr);
    // Shows the window and paints it at once, before the long work starts.
    void ShowNow();

    QLabel *LblMsg = nullptr;
};
