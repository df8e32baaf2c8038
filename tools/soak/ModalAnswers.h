#pragma once

#include "support/ModalAnswerer.h"

#include <QStringList>

#include <functional>
#include <optional>

class PreviewSaver;

// Answers every modal window that opens during the soak: a report's windows through a
// PreviewSaver while a report is printed, and any other by closing it, noted as unexpected.
class ModalAnswers
{
public:
    ModalAnswers();

    // Runs print, which opens the report's windows, with the saver answering them.
    void whilePrinting(PreviewSaver &saver, const std::function<void()> &print);
    // "title: text" of each window that opened outside a print.
    QStringList unexpected() const;

private:
    QStringList before_;
    std::optional<ModalAnswerer> closer_;
};
