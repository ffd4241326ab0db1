#include "Clock.h"
#include "Navigator.h"
#include "ProgramSetup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator toolkitTexts;
    setUpProgram(toolkitTexts);
    SystemClock clock;
    Navigator navigator(clock, [] { QApplication::exit(0); });
    navigator.startUp();
    return app.exec();
}
