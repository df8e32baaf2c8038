#pragma once

#include <QDialog>

class PdfRenderer;
class QAction;
class QPrintPreviewWidget;
class QPrinter;
class QToolBar;

// The modal "Report Preview": the report's page on the printer's paper, with a page shadow, and a
// tool bar to print it, save it in a file, zoom and close.
//
// The dialog draws nothing itself: the preview asks for the page with paintRequested(), the
// print action asks the user in the print dialog and then emits printRequested(), the save
// action asks for a file name in the save dialog and then emits saveRequested().
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // saveFormat: the format a report is saved in. Without a usable printer the print action
    // is disabled.
    ReportPreviewDialog(QPrinter *printer, bool printerUsable, qreal zoom,
                        const PdfRenderer &saveFormat, QWidget *parent);

    QPrintPreviewWidget *preview() const { return preview_; }
    QToolBar *toolBar() const { return toolBar_; }
    QAction *printAction() const { return printAction_; }
    QAction *saveAction() const { return saveAction_; }
    QAction *zoomInAction() const { return zoomInAction_; }
    QAction *zoomOutAction() const { return zoomOutAction_; }
    QAction *trueSizeAction() const { return trueSizeAction_; }
    QAction *closeAction() const { return closeAction_; }

signals:
    void paintRequested(QPrinter *printer);
    void printRequested();
    void saveRequested(const QString &fileName);

private:
    void print();
    void save();

    QPrinter *printer_;
    const PdfRenderer &saveFormat_;
    QPrintPreviewWidget *preview_;
    QToolBar *toolBar_;
    QAction *printAction_;
    QAction *saveAction_;
    QAction *zoomInAction_;
    QAction *zoomOutAction_;
    QAction *trueSizeAction_;
    QAction *closeAction_;
};
