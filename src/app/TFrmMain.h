#pragma once

#include <QMainWindow>

// The main window: menus, tool bar and the company state.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *Parent = nullptr);
};
