#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The "Output Options" dialog shown before every report: where the report goes (the preview,
// chosen at first, or the printer; never a file) and how it is printed.
//
// Without a usable printer only the preview can be chosen: the printer destination, the copies,
// collate, duplex and the printer setup are disabled.
class OutputOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Destination { Printer, Preview };

    // printer: the report system's printer, whose settings the dialog shows and, on OK, changes.
    OutputOptionsDialog(QPrinter *printer, bool printerUsable, qreal previewZoom, QWidget *parent);

    Destination destination() const;
    // The zoom the preview opens with, 1.0 being the page's true size.
    qreal previewZoom() const;

    QRadioButton *printerButton() const { return printerButton_; }
    QRadioButton *previewButton() const { return previewButton_; }
    QSpinBox *copiesBox() const { return copiesBox_; }
    QCheckBox *collateBox() const { return collateBox_; }
    QCheckBox *duplexBox() const { return duplexBox_; }
    QPushButton *printerSetupButton() const { return printerSetupButton_; }
    QSpinBox *zoomBox() const { return zoomBox_; }

    void accept() override;

private:
    void applyToPrinter();
    void showPrinter();
    void setUpPrinter();

    QPrinter *printer_;
    bool printerUsable_;
    QRadioButton *printerButton_;
    QRadioButton *previewButton_;
    QLabel *printerName_;
    QSpinBox *copiesBox_;
    QCheckBox *collateBox_;
    QCheckBox *duplexBox_;
    QPushButton *printerSetupButton_;
    QSpinBox *zoomBox_;
};
