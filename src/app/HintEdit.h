#pragma once

#include <QLineEdit>

// A line edit that shows a grey hint while it is empty and has no keyboard focus. The hint is
// never part of the value: a text equal to the hint reads as empty.
class HintEdit : public QLineEdit
{
    Q_OBJECT

public:
    HintEdit(const QString &hint, QWidget *parent);

    const QString &hint() const { return hint_; }
    QString value() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString hint_;
};
