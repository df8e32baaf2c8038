#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, removed afterwards.
class ProgramFolder
{
public:
    // The folder with a trailing separator, as the main window expects it.
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    QString file(const QString &name) const { return path() + name; }
    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir_;
};
