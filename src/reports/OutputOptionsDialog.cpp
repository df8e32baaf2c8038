#include "OutputOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

OutputOptionsDialog::OutputOptionsDialog(QPrinter *printer, bool printerUsable, qreal previewZoom,
                                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      printer_(printer), printerUsable_(printerUsable)
{
    setObjectName(QStringLiteral("OutputOptions"));
    setWindowTitle(QStringLiteral("Output Options"));
    setModal(true);

    auto *destinationGroup = new QGroupBox(QStringLiteral("Report destination"), this);
    printerButton_ = new QRadioButton(QStringLiteral("&Printer"), destinationGroup);
    previewButton_ = new QRadioButton(QStringLiteral("Pre&view"), destinationGroup);
    auto *destinationLayout = new QVBoxLayout(destinationGroup);
    destinationLayout->addWidget(printerButton_);
    destinationLayout->addWidget(previewButton_);

    auto *printerGroup = new QGroupBox(QStringLiteral("Printer"), this);
    printerName_ = new QLabel(printerGroup);
    copiesBox_ = new QSpinBox(printerGroup);
    copiesBox_->setRange(1, 999);
    collateBox_ = new QCheckBox(QStringLiteral("&Collate"), printerGroup);
    duplexBox_ = new QCheckBox(QStringLiteral("&Duplex"), printerGroup);
    printerSetupButton_ = new QPushButton(QStringLiteral("&Setup..."), printerGroup);
    auto *printerLayout = new QFormLayout(printerGroup);
    printerLayout->addRow(QStringLiteral("Name:"), printerName_);
    printerLayout->addRow(QStringLiteral("C&opies:"), copiesBox_);
    printerLayout->addRow(collateBox_);
    printerLayout->addRow(duplexBox_);
    printerLayout->addRow(printerSetupButton_);

    auto *previewGroup = new QGroupBox(QStringLiteral("Preview"), this);
    zoomBox_ = new QSpinBox(previewGroup);
    zoomBox_->setRange(10, 400);
    zoomBox_->setSingleStep(10);
    zoomBox_->setSuffix(QStringLiteral(" %"));
    zoomBox_->setValue(int(std::lround(previewZoom * 100)));
    auto *previewLayout = new QFormLayout(previewGroup);
    previewLayout->addRow(QStringLiteral("&Zoom:"), zoomBox_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(printerSetupButton_, &QPushButton::clicked, this, &OutputOptionsDialog::setUpPrinter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(destinationGroup);
    layout->addWidget(printerGroup);
    layout->addWidget(previewGroup);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    destinationGroup->setMinimumWidth(300);

    previewButton_->setChecked(true);
    printerButton_->setEnabled(printerUsable);
    printerGroup->setEnabled(printerUsable);
    showPrinter();
}

OutputOptionsDialog::Destination OutputOptionsDialog::destination() const
{
    return printerButton_->isChecked() ? Destination::Printer : Destination::Preview;
}

qreal OutputOptionsDialog::previewZoom() const
{
    return zoomBox_->value() / 100.0;
}

void OutputOptionsDialog::accept()
{
    applyToPrinter();
    QDialog::accept();
}

void OutputOptionsDialog::applyToPrinter()
{
    printer_->setCopyCount(copiesBox_->value());
    printer_->setCollateCopies(collateBox_->isChecked());
    printer_->setDuplex(duplexBox_->isChecked() ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
}

void OutputOptionsDialog::showPrinter()
{
    printerName_->setText(printerUsable_ ? printer_->printerName()
                                         : QStringLiteral("No printer installed"));
    copiesBox_->setValue(printer_->copyCount());
    collateBox_->setChecked(printer_->collateCopies());
    duplexBox_->setChecked(printer_->duplex() != QPrinter::DuplexNone);
}

void OutputOptionsDialog::setUpPrinter()
{
    // The setup chooses the printer and its properties; a report never goes to a file.
    applyToPrinter();
    QPrintDialog setup(printer_, this);
    setup.setOption(QAbstractPrintDialog::PrintToFile, false);
    setup.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (setup.exec() == QDialog::Accepted)
        showPrinter();
}
