#include "ScreenButtons.h"

#include <QPushButton>

namespace
{

QPushButton *createButton(QWidget *screen, const QString &caption, const QString &name,
                          const QRect &geometry)
{
    auto *button = new QPushButton(caption, screen);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

QPushButton *createExitButton(QWidget *screen, const QString &name, const QRect &geometry)
{
    QPushButton *button = createButton(screen, QStringLiteral("X"), name, geometry);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    font.setBold(true);
    button->setFont(font);
    return button;
}

QPushButton *createPrintButton(QWidget *screen, const QString &name, const QRect &geometry)
{
    return createButton(screen, QStringLiteral("Print"), name, geometry);
}
