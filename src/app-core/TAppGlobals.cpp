#include "TAppGlobals.h"

#include "TAppRegistry.h"

TAppGlobals &TAppGlobals::Instance()
{
    static TAppGlobals Globals;
    return Globals;
}

void TAppGlobals::Reset()
{
    ProgramDir.clear();
    DataDir.clear();
    RegBaseKey.clear();
    AppRegistry.reset();
    RecentFileList = TRecentFileList();
    MaskEmployeeSSN = false;
    W2FormType = 0;
    W2PrintFirst = 0;
    W2PrintLast = 0;
    MasterList.clear();
    PrinterSettings.Clear();
}
