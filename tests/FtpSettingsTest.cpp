#include "update/FtpSettings.h"

#include "support/ProgramFolder.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace
{

struct SettingsCase {
    const char *updateIni; // nullptr: no file
    const char *host;      // nullptr: the built-in value, for this and the next fields
    int port;              // 0: the built-in port
    const char *user;
    const char *password;
};

TEST(FtpSettingsTest, UpdateIniOverridesTheBuiltInValuesKeyByKey)
{
    const FtpSettings builtIn = FtpSettings::builtIn();
    const SettingsCase cases[] = {
        {nullptr, nullptr, 0, nullptr, nullptr},
        {"[FTP]\nHost=ftp.example.com\nPort=2121\nUser=workshop\nPassword=Ab3$efgh\n",
         "ftp.example.com", 2121, "workshop", "Ab3$efgh"},
        {"[ftp]\r\nhost = 10.0.0.7\r\n", "10.0.0.7", 0, nullptr, nullptr},
        {"[FTP]\nPort=none\nUser=\n", nullptr, 0, "", nullptr},
        {"[FTP]\nPort=70000\n", nullptr, 0, nullptr, nullptr},
        {"[Other]\nHost=ftp.example.com\n", nullptr, 0, nullptr, nullptr},
    };
    for (const SettingsCase &c : cases) {
        ProgramFolder folder;
        if (c.updateIni)
            folder.write(QStringLiteral("Update.ini"), c.updateIni);
        const FtpSettings settings = FtpSettings::load(folder.path());
        const char *name = c.updateIni ? c.updateIni : "no file";
        EXPECT_EQ(settings.host, c.host ? QString::fromUtf8(c.host) : builtIn.host) << name;
        EXPECT_EQ(settings.port, c.port ? c.port : builtIn.port) << name;
        EXPECT_EQ(settings.user, c.user ? QString::fromUtf8(c.user) : builtIn.user) << name;
        EXPECT_EQ(settings.password, c.password ? QString::fromUtf8(c.password) : builtIn.password)
            << name;
    }
}

TEST(FtpSettingsTest, BuiltInValuesAreThoseOfTheBuild)
{
    const FtpSettings builtIn = FtpSettings::builtIn();
    EXPECT_FALSE(builtIn.host.isEmpty());
    EXPECT_EQ(builtIn.port, 21);
    EXPECT_FALSE(builtIn.user.isEmpty());
    EXPECT_EQ(builtIn.password.size(), 8);
}

} // namespace
