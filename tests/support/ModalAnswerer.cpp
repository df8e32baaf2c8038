#include "ModalAnswerer.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

ModalAnswerer::ModalAnswerer(Answer answer) : answer_(std::move(answer))
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

ModalAnswerer::~ModalAnswerer()
{
    timer_.stop();
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    const auto *box = qobject_cast<QMessageBox *>(modal);
    seen_ << modal->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString());
    if (answer_)
        answer_(modal);
    else
        modal->close();
}
