#include "TApplication.h"
#include "TFrmMain.h"
#include "TQtInteraction.h"

#include <csignal>

int main(int argc, char *argv[])
{
    // A write past a file-size limit then fails with an error we report.
    std::signal(SIGXFSZ, SIG_IGN);
    TApplication App(argc, argv);
    TQtInteraction Interaction;
    TFrmMain Main;
    Main.show();
    return App.exec();
}
