#include "app/HintEdit.h"
#include "app/Setup_Workshop_KLT37V1.h"
#include "measure/widgets/BarChart.h"
#include "reports/ChartConnection.h"
#include "reports/OutputOptionsDialog.h"
#include "reports/ReportProject.h"
#include "support/CustomerAndWorkshop.h"
#include "support/FormTest.h"
#include "support/ModalAnswerer.h"
#include "support/PdfFile.h"
#include "support/PreviewSaver.h"
#include "support/QStringPrinter.h"

#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

namespace
{

// Rasterised pages: 50 dots per inch, about two pixels per millimetre.
constexpr int kDotsPerInch = 50;

// The share of pixels of an image that are not white.
qreal ink(const QImage &image)
{
    int pixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            pixels += image.pixelColor(x, y) != QColor(Qt::white);
    }
    return qreal(pixels) / (image.width() * image.height());
}

// The same inside a rectangle of a page, in millimetres, less its outermost pixels.
qreal inkIn(const QImage &page, const QRectF &millimetres)
{
    const qreal scale = kDotsPerInch / 25.4;
    return ink(page.copy(QRectF(millimetres.topLeft() * scale, millimetres.size() * scale)
                             .toAlignedRect()
                             .adjusted(1, 1, -1, -1)));
}

const QRectF kLogoFrame(10.0, 12.5, 71.2, 11.2);

class PrintReportsTest : public FormTest
{
protected:
    // Presses a Print button and saves the previewed page into the PDF folder; returns the path.
    QString print(const char *button, const QString &fileName)
    {
        const QString path = PdfFile::path(fileName);
        QFile::remove(path);
        PreviewSaver answers(path);
        {
            ModalAnswerer answerer(std::ref(answers));
            window().findChild<QPushButton *>(QLatin1String(button))->click();
        }
        EXPECT_EQ(answers.preview.title, QStringLiteral("Report Preview"));
        EXPECT_TRUE(answers.others.isEmpty()) << answers.others.join(u'\n').toStdString();
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
        return path;
    }
};

struct PrintCase {
    const char *button;
    const char *answer;
    const char *title;
    const char *values[2]; // the value rows, or two of the cylinder lines
    const char *chartTexts[2];
    QRectF chartFrame;
};

const PrintCase kPrintCases[] = {
    {"btnPrintCompression",
     "KLT37_COM1|1234|0085|1000|0999|1100|0000",
     "COMPRESSION TEST",
     {"Cylinder # 1: 123,4 Bar", "Cylinder # 2: 8,5 Bar"},
     {"Cyl # 6", "123,4"},
     {39.9, 104.1, 129.7, 76.2}},
    {"btnPrintAdblue",
     "KLT37_SADB|0125|0180",
     "AdBlue pressure test",
     {"Pressure: +12,5 Bar", "Max. Pressure: +18,0 Bar"},
     {"Max. Pressure", "12,5"},
     {37.5, 92.5, 133.7, 76.2}},
    {"btnPrintFuel",
     "KLT37_SFUE|0005|0000",
     "Fuel pressure test",
     {"Pressure: +0,5 Bar", "Max. Pressure: +0,0 Bar"},
     {"Max. Pressure", "0,5"},
     {37.5, 110.0, 133.7, 76.2}},
    {"btnPrintSavedCooling",
     "KLT37_SCOO|0150|0160",
     "Cooling pressure test",
     {"Pressure: +15,0 Bar", "Max. Pressure: +16,0 Bar"},
     {"Max. Pressure", "16,0"},
     {37.5, 110.0, 133.7, 76.2}},
    {"btnPrintSavedOil",
     "KLT37_SOIL|0042|0051",
     "Oil pressure test",
     {"Pressure: +4,2 Bar", "Max. Pressure: +5,1 Bar"},
     {"Max. Pressure", "5,1"},
     {37.5, 110.0, 133.7, 76.2}},
    {"btnPrintHP",
     "KLT37_SHPD|1500|1620",
     "Common rail pressure test",
     {"Pressure: +1500 Bar", "Max. Pressure: +1620 Bar"},
     {"Max. Pressure", "1620"},
     {40.0, 97.5, 133.7, 76.2}},
    {"btnPrintSavedFsi",
     "KLT37_SFSI|2500|2600",
     "High pressure petrol",
     {"Pressure: +250,0 Bar", "Max. Pressure: +260,0 Bar"},
     {"Max. Pressure", "260,0"},
     {37.5, 110.0, 133.7, 76.2}},
};

TEST_F(PrintReportsTest, PrintsEachReportWithItsValuesTheDetailsAndAPictureOfItsChart)
{
    folder.write(QStringLiteral("Tester.ini"), kCustomerAndWorkshopDetails);
    connectTester();
    for (const PrintCase &c : kPrintCases) {
        SCOPED_TRACE(c.button);
        answer(QLatin1String(c.answer));
        const QString pdf = print(c.button, QStringLiteral("%1.pdf").arg(QLatin1String(c.button)));
        const QString text = PdfFile::text(pdf);
        QStringList expected = {QLatin1String(c.title),
                                QStringLiteral("Workshop details"),
                                QStringLiteral("Customer details"),
                                QLatin1String(c.values[0]),
                                QLatin1String(c.values[1]),
                                QStringLiteral("Talleres Ribera"),
                                QStringLiteral("Calle Mayor 12"),
                                QStringLiteral("28013 Madrid"),
                                QStringLiteral("www\\.ribera\\.example"),
                                QStringLiteral("\\+34 915 550 123"),
                                QStringLiteral("info@ribera\\.example"),
                                QStringLiteral("VIN: WVWZZZ1KZAW000123"),
                                QStringLiteral("Brand: Seat"),
                                QStringLiteral("Model: Leon"),
                                QStringLiteral("Plate: 1234 BCD"),
                                QStringLiteral("Name: Ana Lopez")};
        for (const QString &line : expected)
            EXPECT_TRUE(text.contains(QRegularExpression(line))) << line.toStdString() << "\n"
                                                                 << text.toStdString();
        // The chart is a vector picture: its texts are on the page, inside the chart's frame.
        for (const char *chartText : c.chartTexts) {
            const QList<QRectF> boxes = PdfFile::phraseBoxes(pdf, QLatin1String(chartText));
            EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const QRectF &box) {
                return c.chartFrame.contains(box);
            })) << chartText;
        }
        const QImage page = PdfFile::page(pdf, kDotsPerInch);
        EXPECT_GT(inkIn(page, c.chartFrame), 0.05);
        EXPECT_EQ(inkIn(page, kLogoFrame), 0.0);
    }
}

TEST_F(PrintReportsTest, PrintsTheBarePrefixesForMissingDetails)
{
    const struct {
        const char *settings; // nullptr: no settings file
        const char *name;
    } cases[] = {{nullptr, "Name:  "},
                 {"[Customer_Details]\nName=Ana\n[Workshop_Details]\n", "Name: Ana "}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.settings)
            folder.write(QStringLiteral("Tester.ini"), c.settings);
        createForm();
        connectTester();
        answer(QStringLiteral("KLT37_SADB|0125|0180"));
        const QString pdf = print("btnPrintAdblue", QStringLiteral("empty-details.pdf"));
        const ReportProject *project = form->RvProject3;
        EXPECT_EQ(project->parameter(QStringLiteral("VIN")), QStringLiteral("VIN: "));
        EXPECT_EQ(project->parameter(QStringLiteral("Brand")), QStringLiteral("Brand: "));
        EXPECT_EQ(project->parameter(QStringLiteral("Model")), QStringLiteral("Model: "));
        EXPECT_EQ(project->parameter(QStringLiteral("Plate")), QStringLiteral("Plate: "));
        EXPECT_EQ(project->parameter(QStringLiteral("Name")), QLatin1String(c.name));
        for (const char *key : {"Workshop_Name", "Workshop_Address1", "Workshop_Address2",
                                "Workshop_Website", "Workshop_Phone", "Workshop_Email"})
            EXPECT_EQ(project->parameter(QLatin1String(key)), QString()) << key;
        EXPECT_EQ(project->parameter(QStringLiteral("Presion")), QStringLiteral("12,5 Bar"));

        const QString text = PdfFile::text(pdf);
        for (const char *prefix : {"VIN:", "Brand:", "Model:", "Plate:"})
            EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("^ +%1$").arg(prefix),
                                                         QRegularExpression::MultilineOption)))
                << prefix;
        EXPECT_TRUE(text.contains(QStringLiteral("Workshop details")));
        EXPECT_TRUE(text.contains(QStringLiteral("Customer details")));
        // Between the workshop heading and the customer heading nothing is printed.
        const QString workshopBlock = text.section(QStringLiteral("Workshop details"), 1)
                                          .section(QStringLiteral("Customer details"), 0, 0);
        EXPECT_TRUE(workshopBlock.trimmed().isEmpty()) << workshopBlock.toStdString();
    }
}

TEST_F(PrintReportsTest, PrintsTheLogoOnlyUnderTheZorvaneBrand)
{
    const struct {
        const char *oem;
        bool logo;
    } cases[] = {{"Zorvane", true}, {"zorvane", false}, {"ZORVANE", false}, {"", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.oem);
        folder.write(QStringLiteral("Tester.ini"),
                     QByteArray("[OEM]\nOEM=") + c.oem + "\n" + kCustomerAndWorkshopDetails);
        createForm();
        connectTester();
        answer(QStringLiteral("KLT37_SOIL|0042|0051"));
        const QString pdf = print("btnPrintSavedOil",
                                  QStringLiteral("logo-%1.pdf").arg(c.logo ? "Zorvane" : "none"));
        EXPECT_EQ(form->RvProject7->parameter(QStringLiteral("Logotipo")),
                  QLatin1String(c.logo ? "Zorvane" : ""));
        const qreal ink = inkIn(PdfFile::page(pdf, kDotsPerInch), kLogoFrame);
        if (c.logo)
            EXPECT_GT(ink, 0.2);
        else
            EXPECT_EQ(ink, 0.0);
    }
}

TEST_F(PrintReportsTest, PrintsTheWorkshopNameSavedBetweenTwoPrintsOfTheSameReport)
{
    folder.write(QStringLiteral("Tester.ini"), kCustomerAndWorkshopDetails);
    connectTester();
    answer(QStringLiteral("KLT37_SADB|0125|0180"));
    const QString first = PdfFile::text(print("btnPrintAdblue", QStringLiteral("first-print.pdf")));
    EXPECT_TRUE(first.contains(QStringLiteral("Talleres Ribera")));

    form->Form3->findChild<HintEdit *>(QStringLiteral("editName"))
        ->setText(QStringLiteral("Autos Norte"));
    form->Form3->btnSetupSaveClick();
    const QString second =
        PdfFile::text(print("btnPrintAdblue", QStringLiteral("second-print.pdf")));
    EXPECT_TRUE(second.contains(QStringLiteral("Autos Norte"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("Talleres Ribera")));
    EXPECT_TRUE(second.contains(QRegularExpression(QStringLiteral("Pressure: +12,5 Bar"))));
    EXPECT_TRUE(second.contains(QRegularExpression(QStringLiteral("Max. Pressure: +18,0 Bar"))));
}

TEST_F(PrintReportsTest, ClosesTheReportWhenTheOutputOptionsAreCancelled)
{
    folder.write(QStringLiteral("Tester.ini"), kCustomerAndWorkshopDetails);
    QStringList seen;
    {
        ModalAnswerer answerer([&](QWidget *modal) {
            seen << modal->windowTitle();
            if (auto *options = qobject_cast<OutputOptionsDialog *>(modal))
                options->reject();
            else
                modal->close();
        });
        window().btnPrintCompression->click();
    }
    EXPECT_EQ(seen, QStringList{QStringLiteral("Output Options")});
    EXPECT_FALSE(form->RvProject1->isOpen());
    EXPECT_EQ(form->RvProject1->parameter(QStringLiteral("VIN")),
              QStringLiteral("VIN: WVWZZZ1KZAW000123"));
}

// A picture drawn at its own size on a white image.
QImage drawn(const QPicture &picture)
{
    QImage image(picture.boundingRect().size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(-picture.boundingRect().topLeft(), picture);
    return image;
}

TEST_F(PrintReportsTest, ConnectionsOfferOneGraphicColumnHoldingTheirChartAsItIsNow)
{
    const struct {
        const char *connection;
        const char *column;
        const char *chart;
        const char *answers[2];
    } cases[] = {
        {"RvCustomConnection1",
         "PieChart",
         "chart1",
         {"KLT37_COM1|1234|0085|1000|0999|1100|0000", "KLT37_COM1|0100|0200|0300|0400|0500|0600"}},
        {"RvCustomConnection2",
         "GraficoAdBlue",
         "Chart2",
         {"KLT37_SADB|0125|0180", "KLT37_SADB|0200|0210"}},
        {"RvCustomConnection3",
         "GraficoFuel",
         "Chart3",
         {"KLT37_SFUE|0005|0000", "KLT37_SFUE|0030|0040"}},
        {"RvCustomConnection4",
         "GraficoCooling",
         "Chart4",
         {"KLT37_SCOO|0150|0160", "KLT37_SCOO|0010|0020"}},
        {"RvCustomConnection5",
         "GraficoOil",
         "Chart5",
         {"KLT37_SOIL|0042|0051", "KLT37_SOIL|0012|0013"}},
        {"RvCustomConnection6",
         "GraficoHP",
         "Chart6",
         {"KLT37_SHPD|1500|1620", "KLT37_SHPD|0300|0900"}},
        {"RvCustomConnection7",
         "GraficoFSI",
         "Chart7",
         {"KLT37_SFSI|2500|2600", "KLT37_SFSI|0100|0200"}},
    };
    connectTester();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.connection);
        auto *connection = form->findChild<ChartConnection *>(QLatin1String(c.connection));
        ASSERT_NE(connection, nullptr);
        const QList<ChartConnection::Field> columns = connection->columns();
        ASSERT_EQ(columns.size(), 1);
        EXPECT_EQ(columns[0].name, QLatin1String(c.column));
        EXPECT_EQ(columns[0].type, ChartConnection::DataType::Graphic);
        EXPECT_EQ(columns[0].width, 30);
        EXPECT_EQ(columns[0].fullName, QString());
        EXPECT_EQ(columns[0].description, QString());
        EXPECT_TRUE(connection->picture(QStringLiteral("Other")).isNull());

        const BarChart *chart = form->findChild<BarChart *>(QLatin1String(c.chart));
        ASSERT_NE(chart, nullptr);
        answer(QLatin1String(c.answers[0]));
        const QPicture before = connection->picture(QLatin1String(c.column));
        EXPECT_EQ(before.boundingRect(), QRect(QPoint(), chart->size()));
        EXPECT_FALSE(chart->isVisible());
        answer(QLatin1String(c.answers[1]));
        const QImage after = drawn(connection->picture(QLatin1String(c.column)));
        EXPECT_NE(drawn(before), after) << "the picture follows the chart's bars";
        EXPECT_GT(ink(after), 0.05);
    }
}

} // namespace
