#pragma once

#include "DetailsDialog.h"

// The workshop details dialog: the workshop printed on every report, section
// "Workshop_Details".
class TForm3 : public DetailsDialog
{
    Q_OBJECT

public:
    TForm3(const QString &settingsFileName, QWidget *parent);
};
