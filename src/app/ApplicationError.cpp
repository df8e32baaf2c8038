#include "ApplicationError.h"

#include <QApplication>
#include <QMessageBox>

void showApplicationError(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message,
                    QMessageBox::Ok, parent);
    box.exec();
}
