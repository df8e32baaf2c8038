#include "Main.h"

#include "Program.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));

    Program program(QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/'));
    closeOnTerminationSignals(&program.window());
    program.window().show();
    return application.exec();
}
