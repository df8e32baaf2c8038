#include "DialHand.h"

DialHand::DialHand(QObject *parent) : QObject(parent) {}

void DialHand::setValue(double value)
{
    if (value == value_)
        return;
    value_ = value;
    emit moved();
}
