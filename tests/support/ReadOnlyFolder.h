#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder in which no file can be created, with a trailing separator. Permissions do not
// stop the superuser, so it then uses /proc, where nobody can create files.
class ReadOnlyFolder
{
public:
    ReadOnlyFolder();
    ~ReadOnlyFolder();

    QString path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};
