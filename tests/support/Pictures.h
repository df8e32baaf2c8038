#pragma once

#include <QImage>
#include <QLabel>
#include <QString>

// The program's picture resource of that name, and the picture an image label shows, in one
// format so that they compare.
inline QImage picture(const char *name)
{
    return QImage(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_ARGB32);
}

inline QImage shown(const QLabel *image)
{
    return image->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}
