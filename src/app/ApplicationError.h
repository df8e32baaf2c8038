#pragma once

#include <QString>

class QWidget;

// The program's handler of errors that end an action: a message box with the error text.
void showApplicationError(QWidget *parent, const QString &message);
