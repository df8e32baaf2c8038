#include "ScreenGroupBox.h"

ScreenGroupBox::ScreenGroupBox(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    hide();
}
