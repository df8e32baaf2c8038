#include "FtpSettings.h"

#include "app/IniFile.h"

FtpSettings FtpSettings::builtIn()
{
    return {QStringLiteral(ORVALUX_FTP_HOST), ORVALUX_FTP_PORT, QStringLiteral(ORVALUX_FTP_USER),
            QStringLiteral(ORVALUX_FTP_PASSWORD)};
}

FtpSettings FtpSettings::load(const QString &programFolder)
{
    const FtpSettings defaults = builtIn();
    const IniFile file(programFolder + QStringLiteral("Update.ini"));
    const QString section = QStringLiteral("FTP");
    FtpSettings settings;
    settings.host = file.readString(section, QStringLiteral("Host"), defaults.host);
    settings.port = file.readInteger(section, QStringLiteral("Port"), defaults.port);
    if (settings.port < 1 || settings.port > 65535)
        settings.port = defaults.port;
    settings.user = file.readString(section, QStringLiteral("User"), defaults.user);
    settings.password = file.readString(section, QStringLiteral("Password"), defaults.password);
    return settings;
}
