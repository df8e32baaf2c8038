#pragma once

#include <QDialog>

class QLabel;

// The "Report Status" window: tells which page is being generated or printed while the report
// system works on it.
class ReportStatusWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char *kGenerating = "Generating page %p";
    static constexpr const char *kPrinting = "Printing page %p";

    explicit ReportStatusWindow(QWidget *parent);

    // Shows the window with one of the texts above, %p replaced by the page number, and lets it
    // be painted before the work begins.
    void showStatus(const char *text, int page);
    QString text() const;

private:
    QLabel *label_;
};
