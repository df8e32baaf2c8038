#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Answers every modal window that opens while it lives, so that no test waits for a person.
// It records the title and text of each, then runs the answer (by default: close the window).
class ModalAnswerer
{
public:
    using Answer = std::function<void(QWidget *modal)>;

    explicit ModalAnswerer(Answer answer = {});
    ~ModalAnswerer();

    // "title: text" of each modal window answered so far, in order.
    const QStringList &seen() const { return seen_; }

private:
    void poll();

    Answer answer_;
    QStringList seen_;
    QTimer timer_;
};
