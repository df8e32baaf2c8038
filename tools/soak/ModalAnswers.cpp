#include "ModalAnswers.h"

#include "support/PreviewSaver.h"

ModalAnswers::ModalAnswers()
{
    closer_.emplace();
}

void ModalAnswers::whilePrinting(PreviewSaver &saver, const std::function<void()> &print)
{
    before_ += closer_->seen();
    closer_.reset();
    {
        const ModalAnswerer answerer(std::ref(saver));
        print();
    }
    closer_.emplace();
}

QStringList ModalAnswers::unexpected() const
{
    return before_ + closer_->seen();
}
