#pragma once

#include <QString>

// Where the update server is and which account the program logs in with.
struct FtpSettings {
    QString host;
    int port = 21;
    QString user;
    QString password;

    // The values the program was built with.
    static FtpSettings builtIn();
    // The built-in values, each replaced by its key in section "FTP" of "Update.ini" in the
    // program folder when the file has it. The program never writes that file.
    static FtpSettings load(const QString &programFolder);
};
