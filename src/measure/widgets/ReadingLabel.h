#pragma once

#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QWidget;

// A label that shows a reading on a measurement screen: Tahoma of the given character height,
// in the screens' blue.
QLabel *createReadingLabel(QWidget *screen, const QString &name, const QString &text,
                           int pixelHeight, const QRect &geometry, Qt::Alignment alignment);
