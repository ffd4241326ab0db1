// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"
#include "CommandLine.h"
#include "Navigator.h"
#include "ProgramSetup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    if (int exitStatus = 0; !readCommandLine(argc, argv, exitStatus))
        return exitStatus;
    QApplication app(argc, argv);
    QTranslator toolkitTexts;
    setUpProgram(toolkitTexts);
    SystemClock clock;
    Navigator navigator(clock, [] { QApplication::exit(0); });
    navigator.startUp();
    return app.exec();
}
