#include "TCli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication App(argc, argv);
    QTextStream Out(stdout);
    QTextStream Err(stderr);
    return TCli(Out, Err).Run(App.arguments());
}
