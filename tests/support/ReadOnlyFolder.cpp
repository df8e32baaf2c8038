#include "ReadOnlyFolder.h"

#include <QFile>

#include <unistd.h>

ReadOnlyFolder::ReadOnlyFolder()
{
    if (geteuid() == 0) {
        path_ = QStringLiteral("/proc/");
        return;
    }
    path_ = dir_.path() + QLatin1Char('/');
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (path_ != QLatin1String("/proc/"))
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
