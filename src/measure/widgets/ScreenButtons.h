#pragma once

#include <QString>

class QPushButton;
class QRect;
class QWidget;

// The "X" button that closes a compression or stored-test screen: a bold cross at its top left.
QPushButton *createExitButton(QWidget *screen, const QString &name, const QRect &geometry);
// The "Print" button of a compression or stored-test screen.
QPushButton *createPrintButton(QWidget *screen, const QString &name, const QRect &geometry);
