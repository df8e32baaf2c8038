#include "reports/ReportSystem.h"

#include "reports/OutputOptionsDialog.h"
#include "reports/PdfRenderer.h"
#include "reports/ReportPreviewDialog.h"
#include "reports/ReportRenderer.h"
#include "reports/ReportStatusWindow.h"
#include "support/ModalAnswerer.h"
#include "support/PdfFile.h"
#include "support/PreviewSaver.h"
#include "support/QStringPrinter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

class ReportSystemTest : public ::testing::Test
{
protected:
    // The oil report with a workshop name; it notes the status window's text at each drawing.
    ReportRenderer report()
    {
        ReportTemplate layout;
        EXPECT_TRUE(
            layout.load(ReportTemplate::resourceFile(QStringLiteral("KLT37V1_Oil_Report"))));
        return ReportRenderer(layout, {[](const QString &name) {
                                           return name == QLatin1String("Workshop_Name")
                                                      ? QStringLiteral("Talleres Ribera")
                                                      : QString();
                                       },
                                       [this](const QString &, const QString &) {
                                           const ReportStatusWindow *status = system.statusWindow();
                                           statusWhileDrawing
                                               << (status->isVisible()
                                                       ? status->windowTitle() +
                                                             QStringLiteral(": ") + status->text()
                                                       : QStringLiteral("hidden"));
                                           return QPicture();
                                       }});
    }

    QWidget window;
    PdfRenderer pdf;
    ReportSystem system{pdf, &window};
    QStringList statusWhileDrawing;
};

TEST(OutputOptionsDialogTest, OffersPrinterAndPreviewButNoFileAndOnlyThePreviewWithoutAPrinter)
{
    QPrinter printer;
    for (const bool usable : {true, false}) {
        SCOPED_TRACE(usable ? "printer" : "no printer");
        OutputOptionsDialog dialog(&printer, usable, 1.0, nullptr);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Output Options"));
        EXPECT_TRUE(dialog.isModal());
        QStringList destinations;
        for (const QRadioButton *button : dialog.findChildren<QRadioButton *>())
            destinations << button->text().remove(QLatin1Char('&'));
        EXPECT_EQ(destinations,
                  QStringList({QStringLiteral("Printer"), QStringLiteral("Preview")}));
        EXPECT_TRUE(dialog.previewButton()->isChecked());
        EXPECT_EQ(dialog.destination(), OutputOptionsDialog::Destination::Preview);
        EXPECT_TRUE(dialog.previewButton()->isEnabled());
        for (const QWidget *choice : std::initializer_list<const QWidget *>{
                 dialog.printerButton(), dialog.copiesBox(), dialog.collateBox(),
                 dialog.duplexBox(), dialog.printerSetupButton()})
            EXPECT_EQ(choice->isEnabled(), usable) << choice->metaObject()->className();
        EXPECT_TRUE(dialog.zoomBox()->isEnabled());
        EXPECT_EQ(dialog.zoomBox()->value(), 100);
        EXPECT_DOUBLE_EQ(dialog.previewZoom(), 1.0);
    }
}

TEST(OutputOptionsDialogTest, SetsCopiesAndCollateOnThePrinterOnlyOnOk)
{
    // Duplex is left out: Qt keeps it only on a printer that can print both sides.
    QPrinter printer;
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        printer.setCopyCount(1);
        printer.setCollateCopies(false);
        OutputOptionsDialog dialog(&printer, true, 1.0, nullptr);
        dialog.copiesBox()->setValue(3);
        dialog.collateBox()->setChecked(true);
        dialog.duplexBox()->setChecked(true);
        dialog.printerButton()->setChecked(true);
        dialog.zoomBox()->setValue(150);
        ok ? dialog.accept() : dialog.reject();
        EXPECT_EQ(dialog.destination(), OutputOptionsDialog::Destination::Printer);
        EXPECT_DOUBLE_EQ(dialog.previewZoom(), 1.5);
        EXPECT_EQ(printer.copyCount(), ok ? 3 : 1);
        EXPECT_EQ(printer.collateCopies(), ok);
    }
}

TEST_F(ReportSystemTest, SetsUpItsPrinterForTheReports)
{
    const QPrinter *printer = system.printer();
    EXPECT_EQ(printer->docName(), QStringLiteral("Rave Report"));
    EXPECT_TRUE(printer->fullPage());
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait);
    // Laid out for the look of the printed page: at the printer's resolution, not the screen's.
    EXPECT_GE(printer->resolution(), 300);
}

TEST_F(ReportSystemTest, DrawsNothingWhenTheOutputOptionsAreCancelled)
{
    ModalAnswerer answerer([](QWidget *modal) {
        if (auto *options = qobject_cast<OutputOptionsDialog *>(modal))
            options->reject();
        else
            modal->close();
    });
    system.execute(report());
    EXPECT_EQ(answerer.seen(), QStringList{QStringLiteral("Output Options: ")});
    EXPECT_TRUE(statusWhileDrawing.isEmpty());
}

TEST_F(ReportSystemTest, PreviewsAtTrueSizeAndSavesThePageAsPdfThroughTheSaveDialog)
{
    // Typed without its extension: the dialog adds ".pdf".
    const QString typed = PdfFile::path(QStringLiteral("saved-from-preview"));
    const QString saved = typed + QStringLiteral(".pdf");
    QFile::remove(saved);
    PreviewSaver answers(typed);
    {
        ModalAnswerer answerer(std::ref(answers));
        system.execute(report());
    }
    EXPECT_EQ(answers.preview.title, QStringLiteral("Report Preview"));
    EXPECT_EQ(answers.preview.size, QSize(1000, 700));
    EXPECT_TRUE(answers.preview.customZoom);
    EXPECT_DOUBLE_EQ(answers.preview.zoom, 1.0);
    EXPECT_EQ(answers.preview.pages, 1);
    EXPECT_EQ(answers.preview.printEnabled, ReportSystem::printerUsable());
    EXPECT_EQ(answers.saveDialog.title, QStringLiteral("Save report as"));
    EXPECT_EQ(answers.saveDialog.filters,
              QStringList{QStringLiteral("Adobe Acrobat (PDF) (*.pdf)")});
    EXPECT_TRUE(answers.saveDialog.saving);
    EXPECT_TRUE(answers.others.isEmpty()) << answers.others.join(QLatin1Char('\n')).toStdString();

    // The page was generated for the preview, then again for the file.
    EXPECT_EQ(statusWhileDrawing,
              QStringList(2, QStringLiteral("Report Status: Generating page 1")));
    EXPECT_FALSE(system.statusWindow()->isVisible());
    ASSERT_TRUE(QFile::exists(saved));
    const QString text = PdfFile::text(saved);
    EXPECT_TRUE(text.contains(QStringLiteral("Oil pressure test")));
    EXPECT_TRUE(text.contains(QStringLiteral("Talleres Ribera")));
    EXPECT_EQ(PdfFile::info(saved, QStringLiteral("Title")), QStringLiteral("Rave Report"));
    EXPECT_TRUE(PdfFile::info(saved, QStringLiteral("Producer")).startsWith(QLatin1String("Qt ")));
}

TEST_F(ReportSystemTest, WritesNoFileWhenTheSaveDialogIsCancelled)
{
    PreviewSaver answers{QString()};
    {
        ModalAnswerer answerer(std::ref(answers));
        system.execute(report());
    }
    EXPECT_TRUE(answers.saveDialog.saving);
    EXPECT_TRUE(answers.others.isEmpty());
    EXPECT_EQ(statusWhileDrawing, QStringList{QStringLiteral("Report Status: Generating page 1")});
}

TEST_F(ReportSystemTest, ReportsAFileThatCannotBeWritten)
{
    // A file in a "folder" that is a file: nobody, not even the superuser, can create it.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    const QString unwritable = notAFolder + QStringLiteral("/report.pdf");
    PreviewSaver answers(unwritable);
    {
        ModalAnswerer answerer(std::ref(answers));
        system.execute(report());
    }
    EXPECT_EQ(answers.others, QStringList{QStringLiteral("%1: Unable to write to %2")
                                              .arg(QApplication::applicationName(), unwritable)});
    EXPECT_FALSE(system.statusWindow()->isVisible());
}

TEST_F(ReportSystemTest, PrintsThePageUnderTheJobTitleWithItsStatus)
{
    const QString printed = PdfFile::path(QStringLiteral("printed.pdf"));
    QFile::remove(printed);
    system.printer()->setOutputFileName(printed);
    system.print(report());
    EXPECT_EQ(statusWhileDrawing, QStringList{QStringLiteral("Report Status: Printing page 1")});
    EXPECT_FALSE(system.statusWindow()->isVisible());
    EXPECT_TRUE(PdfFile::text(printed).contains(QStringLiteral("Oil pressure test")));
    EXPECT_EQ(PdfFile::info(printed, QStringLiteral("Title")), QStringLiteral("Rave Report"));
    EXPECT_EQ(PdfFile::info(printed, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_TRUE(
        PdfFile::info(printed, QStringLiteral("Page size")).endsWith(QLatin1String("(A4)")));
}

TEST(ReportPreviewDialogTest, PrintsOnlyWhenThePrintDialogIsAccepted)
{
    QPrinter printer;
    PdfRenderer pdf;
    for (const bool accepted : {false, true}) {
        SCOPED_TRACE(accepted ? "accepted" : "cancelled");
        ReportPreviewDialog dialog(&printer, true, 1.0, pdf, nullptr);
        int printRequests = 0;
        QObject::connect(&dialog, &ReportPreviewDialog::printRequested, [&] { ++printRequests; });
        const QPrinter *shown = nullptr;
        ModalAnswerer answerer([&](QWidget *modal) {
            auto *print = qobject_cast<QPrintDialog *>(modal);
            ASSERT_NE(print, nullptr) << modal->windowTitle().toStdString();
            shown = print->printer();
            accepted ? print->accept() : print->reject();
        });
        dialog.printAction()->trigger();
        EXPECT_EQ(shown, &printer);
        EXPECT_EQ(printRequests, accepted ? 1 : 0);
    }
}

} // namespace
