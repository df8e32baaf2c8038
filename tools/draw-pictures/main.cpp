// Writes the front end's pictures into the folder given as the only argument.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Paints into images only, so it needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw-pictures <output folder>\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    const struct {
        const char *file;
        QImage image;
    } pictures[] = {
        {"VORNAX12_OFF.png", drawTester(Brand::Vornax, false)},
        {"VORNAX12_ON.png", drawTester(Brand::Vornax, true)},
        {"ZORVANE_OFF.png", drawTester(Brand::Zorvane, false)},
        {"ZORVANE_ON.png", drawTester(Brand::Zorvane, true)},
        {"USB_LOGO_BN.png", drawUsbLogo(false)},
        {"USB_LOGO.png", drawUsbLogo(true)},
        {"ZORVANE_LOGO.png", drawReportLogo()},
        {"ORVALUX_ICON.png", drawProgramIcon(64)},
        {"ORVALUX_ICON_256.png", drawProgramIcon(256)},
    };
    for (const auto &picture : pictures) {
        const QString path = out.filePath(QString::fromLatin1(picture.file));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
