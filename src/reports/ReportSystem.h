#pragma once

#include <QObject>

#include <memory>

class PdfRenderer;
class QPrinter;
class QWidget;
class ReportRenderer;
class ReportStatusWindow;

// The engine that runs every report: the output options, the status window, the preview and the
// printer.
//
// It keeps one printer for the whole run, set up for the reports (A4 portrait on the whole
// sheet, laid out at the printer's own resolution for the look of the printed page, at true
// size, job title "Rave Report"), so that what the user chooses in the output options and in
// the printer setup holds for the next report too.
class ReportSystem : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kJobTitle = "Rave Report";

    // window: the main window, over which the dialogs open. saveFormat: the format in which the
    // preview saves a report.
    ReportSystem(const PdfRenderer &saveFormat, QWidget *window);
    ~ReportSystem() override;

    // The printer and its settings, kept from one report to the next. It is made when first
    // needed, since asking the system for its printers takes a while.
    QPrinter *printer();
    ReportStatusWindow *statusWindow() const { return status_; }
    // Whether a printer is installed; without one only the preview is offered.
    static bool printerUsable();

    // Runs a report: the output options dialog, then the preview or the printer. Returns when
    // the user has finished with it; after a cancelled dialog nothing is shown or printed.
    void execute(const ReportRenderer &report);

    // The modal preview, from which the report can be printed and saved.
    void preview(const ReportRenderer &report, qreal zoom);
    void print(const ReportRenderer &report);
    // Writes the report into a file in the save format.
    void save(const ReportRenderer &report, const QString &fileName);

private:
    QWidget *window_;
    const PdfRenderer &saveFormat_;
    std::unique_ptr<QPrinter> printer_;
    ReportStatusWindow *status_;
};
