#include "TFrmMain.h"

#include "AppInfo.h"

TFrmMain::TFrmMain(QWidget *Parent)
    : QMainWindow(Parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(AppTitle());
    resize(800, 600);
}
