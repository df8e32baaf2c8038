// Saves one picture of the main window per screen, each after realistic readings of a tester that
// lives in this program: screenshots OUTPUT_FOLDER [SCALE]
//
// SCALE draws the pictures at that device pixel ratio (2 for a high-DPI screen).

#include "app/Main.h"

#include "support/FakeFtpClient.h"
#include "support/FakeHidController.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

struct Shot {
    const char *file;
    // Answers of the tester, in order; the first one brings the screen.
    std::initializer_list<const char *> answers;
};

const Shot kShots[] = {
    {"menu.png", {"KLT37_FUNC|MENU"}},
    {"oil.png", {"KLT37_FUNC|OIL_", "KLT37_OIL_|0051", "KLT37_OIL_|0042"}},
    {"manometer-1-3.png",
     {"KLT37_FUNC|M003", "KLT37_M003|2350", "KLT37_M003|0600", "KLT37_M003|1850"}},
    {"leakage.png", {"KLT37_FUNC|LOSS", "KLT37_LOSS|1625", "KLT37_LOSS|2050"}},
    {"vacuum.png", {"KLT37_FUNC|VACU", "KLT37_VACU|0680", "KLT37_VACU|0540"}},
    {"fuel.png", {"KLT37_FUNC|FUEL", "KLT37_FUEL|0038", "KLT37_FUEL|0035"}},
    {"adblue.png", {"KLT37_FUNC|ADBL", "KLT37_ADBL|0095", "KLT37_ADBL|0087"}},
    {"particle-filter.png", {"KLT37_FUNC|PART", "KLT37_PART|21,3", "KLT37_PART|16,8"}},
    {"cooling.png", {"KLT37_FUNC|COOL", "KLT37_COOL|0014", "KLT37_COOL|0012"}},
    {"manometer-300.png", {"KLT37_FUNC|M300", "KLT37_M300|1850", "KLT37_M300|1725"}},
    {"manometer-2000.png", {"KLT37_FUNC|M2K_", "KLT37_M2K_|1380", "KLT37_M2K_|1320"}},
    {"common-rail.png", {"KLT37_FUNC|CRHP", "KLT37_CRHP|0880", "KLT37_CRHP|0850"}},
    {"petrol-high-pressure.png", {"KLT37_FUNC|HPPE", "KLT37_HPPE|1150", "KLT37_HPPE|1100"}},
    {"compression.png", {"KLT37_COM1|1250|1220|1265|1180|1238|1244"}},
    {"stored-adblue.png", {"KLT37_SADB|0045|0052"}},
    {"stored-fuel.png", {"KLT37_SFUE|0035|0038"}},
    {"stored-cooling.png", {"KLT37_SCOO|0012|0014"}},
    {"stored-oil.png", {"KLT37_SOIL|0042|0051"}},
    {"stored-common-rail.png", {"KLT37_SHPD|1500|1620"}},
    {"stored-petrol-high-pressure.png", {"KLT37_SFSI|1150|1230"}},
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER [SCALE]\n");
        return 2;
    }
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalux"));

    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QTemporaryDir programFolder;
    FakeHidController controller;
    // No update server: the checks of the window lead nowhere.
    FakeFtpClient ftpClient;
    TForm1 window(programFolder.path() + QLatin1Char('/'), &controller, &ftpClient);
    window.show();
    FakeHidDevice &tester = controller.plug();

    for (const Shot &shot : kShots) {
        for (const char *answer : shot.answers)
            controller.answer(tester, QLatin1String(answer));
        QApplication::processEvents();
        const QString file = output.filePath(QLatin1String(shot.file));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
