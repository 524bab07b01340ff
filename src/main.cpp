#include "TApplication.h"
#include "TProgramStart.h"

#include <csignal>

int main(int argc, char *argv[])
{
    // A write past a file-size limit then fails with an error we report.
    std::signal(SIGXFSZ, SIG_IGN);
    TApplication App(argc, argv);
    return TProgramStart::Run(App);
}
