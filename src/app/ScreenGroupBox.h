#pragma once

#include <QFrame>

// One measurement screen of the main window: a white area without border or caption. All
// screens share one rectangle over the tester's display and at most one is visible.
class ScreenGroupBox : public QFrame
{
    Q_OBJECT

public:
    explicit ScreenGroupBox(QWidget *parent);
};
