#include "ReportStatusWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

ReportStatusWindow::ReportStatusWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      label_(new QLabel(this))
{
    setObjectName(QStringLiteral("ReportStatus"));
    setWindowTitle(QStringLiteral("Report Status"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setMinimumWidth(240);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(label_);
}

void ReportStatusWindow::showStatus(const char *text, int page)
{
    label_->setText(QString::fromLatin1(text).replace(QLatin1String("%p"), QString::number(page)));
    show();
    raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString ReportStatusWindow::text() const
{
    return label_->text();
}
