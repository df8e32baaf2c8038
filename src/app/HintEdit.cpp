#include "HintEdit.h"

HintEdit::HintEdit(const QString &hint, QWidget *parent) : QLineEdit(parent), hint_(hint)
{
    setPlaceholderText(hint_);
}

QString HintEdit::value() const
{
    return text() == hint_ ? QString() : text();
}

void HintEdit::focusInEvent(QFocusEvent *event)
{
    setPlaceholderText(QString());
    QLineEdit::focusInEvent(event);
}

void HintEdit::focusOutEvent(QFocusEvent *event)
{
    setPlaceholderText(hint_);
    QLineEdit::focusOutEvent(event);
}
