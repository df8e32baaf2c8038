#include "UpdatePanel.h"

#include <QMouseEvent>

void UpdatePanel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseDown();
}

void UpdatePanel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    // The click comes before the mouse-up, so the panel still shows pressed while it is handled.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    emit mouseUp();
}
