#pragma once

#include <QWidget>

// The borderless window shown for a moment while the program starts.
class TFrmWelcome : public QWidget {
    Q_OBJECT
public:
    explicit TFrmWelcome(QWidget *Parent = nullptr);
    // Shows the window, paints it and keeps it up for Ms milliseconds.
    void ShowFor(int Ms);
};
