#pragma once

#include <QLabel>

// A panel used as a button. It reports every press and release of a mouse button on it, and a
// click when the left button is released over it after being pressed on it.
class UpdatePanel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void mouseDown();
    void mouseUp();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
