#pragma once

#include "TPrinterSettings.h"
#include "TRecentFileList.h"

#include <QString>
#include <QStringList>

#include <memory>

class TAppRegistry;

// The values the whole program shares, set up when the main window first
// shows and let go when it closes.
class TAppGlobals {
public:
    static TAppGlobals &Instance();

    QString ProgramDir; // the program's folder, ending in '/'
    QString DataDir; // Documents/QMRK/2025/Data/
    QString RegBaseKey; // the settings key of this program
    std::unique_ptr<TAppRegistry> AppRegistry;
    TRecentFileList RecentFileList;
    bool MaskEmployeeSSN = false;
    // The last W-2 run: its copy (0 employee, 1 employer, 2 state, 3 SSA),
    // which preselects the next one, and its first and last record numbers.
    quint8 W2FormType = 0;
    qint32 W2PrintFirst = 0;
    qint32 W2PrintLast = 0;
    QStringList MasterList; // clients of the EFW2 submission under way
    // The printer choice as last read or saved; only Print Setup clears it.
    TPrinterSettings PrinterSettings;

    // Back to the state before start-up (tests start each case from it).
    void Reset();
};
