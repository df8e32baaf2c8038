#pragma once

#include <QObject>

// A hand of a dial that the program moves itself, on the dial's own scale: the maximum hand of
// the stored-test dials.
class DialHand : public QObject
{
    Q_OBJECT

public:
    explicit DialHand(QObject *parent = nullptr);

    double value() const { return value_; }
    void setValue(double value);

signals:
    void moved();

private:
    double value_ = 0;
};
