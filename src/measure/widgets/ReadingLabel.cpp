#include "ReadingLabel.h"

#include <QLabel>

QLabel *createReadingLabel(QWidget *screen, const QString &name, const QString &text,
                           int pixelHeight, const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, screen);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelHeight);
    label->setFont(font);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, QColor(0x11, 0x6F, 0xCC));
    label->setPalette(blue);
    return label;
}
