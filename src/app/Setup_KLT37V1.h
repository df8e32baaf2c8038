#pragma once

#include "DetailsDialog.h"

// The customer details dialog: the vehicle and its owner, section "Customer_Details".
class TForm2 : public DetailsDialog
{
    Q_OBJECT

public:
    TForm2(const QString &settingsFileName, QWidget *parent);
};
