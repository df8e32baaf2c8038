#include "ReportSystem.h"

#include "OutputOptionsDialog.h"
#include "PdfRenderer.h"
#include "ReportPreviewDialog.h"
#include "ReportRenderer.h"
#include "ReportStatusWindow.h"
#include "app/ApplicationError.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

// A report is one page.
constexpr int kPage = 1;
// The preview opens at the page's true size.
constexpr qreal kPreviewZoom = 1.0;

} // namespace

ReportSystem::ReportSystem(const PdfRenderer &saveFormat, QWidget *window)
    : QObject(window), window_(window), saveFormat_(saveFormat),
      status_(new ReportStatusWindow(window))
{
}

ReportSystem::~ReportSystem() = default;

QPrinter *ReportSystem::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(QLatin1String(kJobTitle));
        printer_->setPageLayout(ReportRenderer::pageLayout());
    }
    return printer_.get();
}

bool ReportSystem::printerUsable()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void ReportSystem::execute(const ReportRenderer &report)
{
    OutputOptionsDialog options(printer(), printerUsable(), kPreviewZoom, window_);
    if (options.exec() != QDialog::Accepted)
        return;
    if (options.destination() == OutputOptionsDialog::Destination::Printer)
        print(report);
    else
        preview(report, options.previewZoom());
}

void ReportSystem::preview(const ReportRenderer &report, qreal zoom)
{
    ReportPreviewDialog dialog(printer(), printerUsable(), zoom, saveFormat_, window_);
    connect(&dialog, &ReportPreviewDialog::paintRequested, this, [&](QPrinter *printer) {
        status_->showStatus(ReportStatusWindow::kGenerating, kPage);
        QPainter painter(printer);
        report.render(painter);
        status_->hide();
    });
    connect(&dialog, &ReportPreviewDialog::printRequested, this, [&] { print(report); });
    connect(&dialog, &ReportPreviewDialog::saveRequested, this,
            [&](const QString &fileName) { save(report, fileName); });
    dialog.exec();
}

void ReportSystem::print(const ReportRenderer &report)
{
    status_->showStatus(ReportStatusWindow::kPrinting, kPage);
    QPainter painter;
    const bool printed = painter.begin(printer());
    if (printed) {
        report.render(painter);
        painter.end();
    }
    status_->hide();
    if (!printed)
        showApplicationError(window_,
                             QStringLiteral("Unable to print on %1").arg(printer()->printerName()));
}

void ReportSystem::save(const ReportRenderer &report, const QString &fileName)
{
    status_->showStatus(ReportStatusWindow::kGenerating, kPage);
    const bool saved = saveFormat_.render(report, QLatin1String(kJobTitle), fileName);
    status_->hide();
    if (!saved)
        showApplicationError(window_, QStringLiteral("Unable to write to %1").arg(fileName));
}
