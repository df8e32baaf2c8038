#include "Main.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));

    TForm1 Form1(QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/'),
                 nullptr);
    Form1.show();
    return application.exec();
}
