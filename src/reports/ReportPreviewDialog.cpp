#include "ReportPreviewDialog.h"

#include "PdfRenderer.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(QPrinter *printer, bool printerUsable, qreal zoom,
                                         const PdfRenderer &saveFormat, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      printer_(printer), saveFormat_(saveFormat), preview_(new QPrintPreviewWidget(printer, this)),
      toolBar_(new QToolBar(this))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    setModal(true);
    resize(1000, 700);

    printAction_ =
        toolBar_->addAction(QStringLiteral("&Print..."), this, &ReportPreviewDialog::print);
    printAction_->setShortcut(QKeySequence::Print);
    printAction_->setEnabled(printerUsable);
    saveAction_ =
        toolBar_->addAction(QStringLiteral("&Save as..."), this, &ReportPreviewDialog::save);
    saveAction_->setShortcut(QKeySequence::Save);
    toolBar_->addSeparator();
    zoomInAction_ =
        toolBar_->addAction(QStringLiteral("Zoom &in"), preview_, [this] { preview_->zoomIn(); });
    zoomInAction_->setShortcut(QKeySequence::ZoomIn);
    zoomOutAction_ =
        toolBar_->addAction(QStringLiteral("Zoom &out"), preview_, [this] { preview_->zoomOut(); });
    zoomOutAction_->setShortcut(QKeySequence::ZoomOut);
    trueSizeAction_ = toolBar_->addAction(QStringLiteral("&100 %"), preview_,
                                          [this] { preview_->setZoomFactor(1.0); });
    toolBar_->addSeparator();
    closeAction_ = toolBar_->addAction(QStringLiteral("&Close"), this, &QDialog::reject);

    preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview_->setZoomFactor(zoom);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            &ReportPreviewDialog::paintRequested);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(preview_);
}

void ReportPreviewDialog::print()
{
    QPrintDialog dialog(printer_, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted)
        emit printRequested();
}

void ReportPreviewDialog::save()
{
    QFileDialog dialog(this, QStringLiteral("Save report as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(saveFormat_.fileFilter());
    // "*.pdf": the file name gets ".pdf" when the user types none.
    dialog.setDefaultSuffix(saveFormat_.fileExtension().mid(2));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        emit saveRequested(dialog.selectedFiles().constFirst());
}
