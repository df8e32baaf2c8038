#include "ProgramFolder.h"

#include <QFile>

void ProgramFolder::write(const QString &name, const QByteArray &content) const
{
    QFile file(this->file(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray ProgramFolder::read(const QString &name) const
{
    QFile file(this->file(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
