#include "TProgramStart.h"

#include "AppInfo.h"
#include "MsgBox.h"
#include "ShellRules.h"
#include "TApplication.h"
#include "TDesktop.h"
#include "TFrmDataModule.h"
#include "TFrmMain.h"
#include "THelpSystem.h"
#include "TQtInteraction.h"
#include "TQtReportInteraction.h"
#include "TVisualStyle.h"

bool TProgramStart::CheckScreen()
{
    if (ScreenIsLargeEnough(TDesktop::ScreenSize()))
        return true;
    MsgBox(
        QStringLiteral("Unable to run Quillmark W-2!~~This program will not run under screen~resolutions of "
                       "less than 1280 X 800."),
        AppTitle(), MsgFlag::Ok);
    return false;
}

int TProgramStart::Run(TApplication &App)
{
    TQtInteraction Interaction;
    TQtReportInteraction ReportInteraction;
    if (!CheckScreen())
        return 0;
    QString StyleError;
    if (!TVisualStyle::Apply(App, StyleError))
        MsgBox(StyleError, AppTitle(), MsgFlag::IconError);
    THelpSystem::InstallF1Handler();
    TFrmMain Main(App.arguments().mid(1));
    TFrmDataModule Data;
    Main.show();
    return App.exec();
}
