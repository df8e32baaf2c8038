#include "reports/PdfRenderer.h"
#include "reports/ReportRenderer.h"
#include "support/PdfFile.h"
#include "support/QStringPrinter.h"

#include <QHash>
#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

// Rasterised pages: 50 dots per inch, about two pixels per millimetre.
constexpr int kDotsPerInch = 50;
const QColor kChartColour(40, 110, 190);

// A stand-in for a chart's picture: the stored-test charts' 285 x 177 pixels, all coloured.
QPicture standInChart()
{
    QPicture picture;
    const QRect rect(0, 0, 285, 177);
    picture.setBoundingRect(rect);
    QPainter painter(&picture);
    painter.fillRect(rect, kChartColour);
    return picture;
}

struct ReportCase {
    const char *name;
    const char *title;
    const char *connection;
    const char *column;
    QRectF chartFrame;
    qreal firstRowTop; // 0: the compression report's cylinder lines instead
    qreal secondRowTop;
};

void PrintTo(const ReportCase &report, std::ostream *out)
{
    *out << report.name;
}

const ReportCase kReports[] = {
    {"KLT37V1_Report",
     "COMPRESSION TEST",
     "RvCustomConnection1",
     "PieChart",
     {39.9, 104.1, 129.7, 76.2},
     0,
     0},
    {"KLT37V1_AdBlue_Report",
     "AdBlue pressure test",
     "RvCustomConnection2",
     "GraficoAdBlue",
     {37.5, 92.5, 133.7, 76.2},
     58.7,
     66.8},
    {"KLT37V1_HP_Report",
     "Common rail pressure test",
     "RvCustomConnection6",
     "GraficoHP",
     {40.0, 97.5, 133.7, 76.2},
     63.7,
     71.8},
    {"KLT37V1_Fuel_Report",
     "Fuel pressure test",
     "RvCustomConnection3",
     "GraficoFuel",
     {37.5, 110.0, 133.7, 76.2},
     73.7,
     81.8},
    {"KLT37V1_Cooling_Report",
     "Cooling pressure test",
     "RvCustomConnection4",
     "GraficoCooling",
     {37.5, 110.0, 133.7, 76.2},
     73.7,
     81.8},
    {"KLT37V1_Oil_Report",
     "Oil pressure test",
     "RvCustomConnection5",
     "GraficoOil",
     {37.5, 110.0, 133.7, 76.2},
     73.7,
     81.8},
    {"KLT37V1_FSI_Report",
     "High pressure petrol",
     "RvCustomConnection7",
     "GraficoFSI",
     {37.5, 110.0, 133.7, 76.2},
     73.7,
     81.8},
};

QHash<QString, QString> details()
{
    return {
        {QStringLiteral("Workshop_Name"), QStringLiteral("Talleres Ribera")},
        {QStringLiteral("Workshop_Address1"), QStringLiteral("Calle Mayor 12")},
        {QStringLiteral("Workshop_Address2"), QStringLiteral("28013 Madrid")},
        {QStringLiteral("Workshop_Website"), QStringLiteral("www.ribera.example")},
        {QStringLiteral("Workshop_Phone"), QStringLiteral("+34 915 550 123")},
        {QStringLiteral("Workshop_Email"), QStringLiteral("info@ribera.example")},
        {QStringLiteral("VIN"), QStringLiteral("VIN: WVWZZZ1KZAW000123")},
        {QStringLiteral("Brand"), QStringLiteral("Brand: Seat")},
        {QStringLiteral("Model"), QStringLiteral("Model: Leon")},
        {QStringLiteral("Plate"), QStringLiteral("Plate: 1234 BCD")},
        {QStringLiteral("Name"), QStringLiteral("Name: Ana Lopez")},
    };
}

class ReportRenderingTest : public ::testing::TestWithParam<ReportCase>
{
protected:
    // Renders the report into the PDF folder and returns the file's path.
    QString render(const QString &fileName, const QHash<QString, QString> &parameters)
    {
        ReportTemplate layout;
        EXPECT_TRUE(layout.load(ReportTemplate::resourceFile(QLatin1String(GetParam().name))))
            << layout.errorString().toStdString();
        const ReportRenderer report(
            layout, {[parameters](const QString &name) { return parameters.value(name); },
                     [this](const QString &connection, const QString &column) {
                         pictureRequests << connection + QLatin1Char('/') + column;
                         return standInChart();
                     }});
        const QString path = PdfFile::path(fileName);
        EXPECT_TRUE(PdfRenderer().render(report, QStringLiteral("Rave Report"), path));
        return path;
    }

    QHash<QString, QString> measuredValues() const
    {
        QHash<QString, QString> values = details();
        values.insert(QStringLiteral("Presion"), QStringLiteral("12,5 Bar"));
        values.insert(QStringLiteral("Presion_Maxima"), QStringLiteral("18,0 Bar"));
        for (int n = 1; n <= 6; ++n)
            values.insert(
                QStringLiteral("Cilindro_%1").arg(n),
                QStringLiteral("Cylinder # %1: %2 Bar").arg(n).arg(n == 2 ? " 8,5" : "123,4"));
        return values;
    }

    QStringList pictureRequests;
};

// Where a text lies, in millimetres: its element's left edge and width, and its top.
void expectTextIn(const QString &pdf, const QString &phrase, qreal left, qreal width, qreal top,
                  Qt::Alignment alignment)
{
    SCOPED_TRACE(phrase.toStdString());
    const QRectF box = PdfFile::phraseBox(pdf, phrase);
    ASSERT_FALSE(box.isEmpty());
    const qreal tolerance = 0.8;
    if (alignment == Qt::AlignLeft)
        EXPECT_NEAR(box.left(), left, tolerance);
    else if (alignment == Qt::AlignRight)
        EXPECT_NEAR(box.right(), left + width, tolerance);
    else
        EXPECT_NEAR(box.center().x(), left + width / 2, tolerance);
    EXPECT_GE(box.left(), left - tolerance);
    EXPECT_LE(box.right(), left + width + tolerance);
    // The glyphs sit inside the line below the element's top.
    EXPECT_GE(box.top(), top - 0.05);
    EXPECT_LE(box.bottom(), top + 7.0);
}

TEST_P(ReportRenderingTest, PrintsTheTitleTheValuesAndBothDetailBlocksWhereTheLayoutPutsThem)
{
    const ReportCase &report = GetParam();
    const QString pdf =
        render(QStringLiteral("%1.pdf").arg(QLatin1String(report.name)), measuredValues());
    const QString text = PdfFile::text(pdf);
    EXPECT_TRUE(PdfFile::info(pdf, QStringLiteral("Page size")).endsWith(QLatin1String("(A4)")));

    expectTextIn(pdf, QLatin1String(report.title), 85.1, 116.8, 15.7, Qt::AlignHCenter);
    expectTextIn(pdf, QStringLiteral("Workshop details"), 60.0, 92.9, 197.5, Qt::AlignHCenter);
    expectTextIn(pdf, QStringLiteral("Customer details"), 60.0, 92.9, 247.5, Qt::AlignHCenter);
    const char *const workshop[] = {"Talleres Ribera",    "Calle Mayor 12",  "28013 Madrid",
                                    "www.ribera.example", "+34 915 550 123", "info@ribera.example"};
    for (int line = 0; line < 6; ++line)
        expectTextIn(pdf, QLatin1String(workshop[line]), 60.0, 92.9, 210.0 + 5 * line,
                     Qt::AlignHCenter);
    const char *const customer[] = {"VIN: WVWZZZ1KZAW000123", "Brand: Seat", "Model: Leon",
                                    "Plate: 1234 BCD", "Name: Ana Lopez"};
    for (int line = 0; line < 5; ++line)
        expectTextIn(pdf, QLatin1String(customer[line]), 60.0, 92.9, 260.0 + 5 * line,
                     Qt::AlignHCenter);

    if (report.firstRowTop == 0) {
        const qreal tops[] = {48.7, 56.8, 64.9, 73.1, 81.2, 89.3};
        for (int n = 1; n <= 6; ++n)
            expectTextIn(pdf, QStringLiteral("Cylinder # %1:").arg(n), 74.1, 53.3, tops[n - 1],
                         Qt::AlignLeft);
        // The PDF places words without space characters: the value's padding blank shows as a
        // gap wider by one blank than after the other cylinders' headings.
        EXPECT_TRUE(text.contains(QStringLiteral("Cylinder # 2: 8,5 Bar"))) << text.toStdString();
        const qreal paddedGap = PdfFile::phraseBox(pdf, QStringLiteral("8,5 Bar")).left() -
                                PdfFile::phraseBox(pdf, QStringLiteral("Cylinder # 2:")).right();
        const qreal gap = PdfFile::phraseBox(pdf, QStringLiteral("123,4 Bar")).left() -
                          PdfFile::phraseBox(pdf, QStringLiteral("Cylinder # 1:")).right();
        const qreal blank = 12 * 0.278 * 25.4 / 72; // Arial's blank is 0.278 of the size
        EXPECT_NEAR(paddedGap - gap, blank, 0.15);
        EXPECT_FALSE(text.contains(QStringLiteral("Pressure:")));
    } else {
        expectTextIn(pdf, QStringLiteral("Pressure:"), 70.0, 25.4, report.firstRowTop,
                     Qt::AlignLeft);
        expectTextIn(pdf, QStringLiteral("12,5 Bar"), 111.6, 23.3, report.firstRowTop,
                     Qt::AlignRight);
        expectTextIn(pdf, QStringLiteral("Max. Pressure:"), 70.0, 40.4, report.secondRowTop,
                     Qt::AlignLeft);
        expectTextIn(pdf, QStringLiteral("18,0 Bar"), 111.6, 23.3, report.secondRowTop,
                     Qt::AlignRight);
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pressure: +12,5 Bar"))))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Max. Pressure: +18,0 Bar"))));
        EXPECT_FALSE(text.contains(QStringLiteral("Cylinder")));
    }
    EXPECT_EQ(pictureRequests,
              QStringList{QStringLiteral("%1/%2").arg(QLatin1String(report.connection),
                                                      QLatin1String(report.column))});
}

// The share of pixels in a rectangle (millimetres) that are not white.
qreal inkIn(const QImage &page, const QRectF &millimetres)
{
    const qreal scale = kDotsPerInch / 25.4;
    const QRect pixels(
        QPoint(qCeil(millimetres.left() * scale), qCeil(millimetres.top() * scale)),
        QPoint(qFloor(millimetres.right() * scale) - 1, qFloor(millimetres.bottom() * scale) - 1));
    int ink = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ink += page.pixelColor(x, y) != QColor(Qt::white);
    }
    return qreal(ink) / (pixels.width() * pixels.height());
}

QColor colourAt(const QImage &page, const QPointF &millimetres)
{
    return page.pixelColor((millimetres * (kDotsPerInch / 25.4)).toPoint());
}

TEST_P(ReportRenderingTest, FitsTheChartIntoItsFrameAndDrawsTheFrameOverItsShadow)
{
    const ReportCase &report = GetParam();
    const QImage page = PdfFile::page(
        render(QStringLiteral("%1-chart.pdf").arg(QLatin1String(report.name)), {}), kDotsPerInch);
    ASSERT_NEAR(page.width(), 413, 1);
    ASSERT_NEAR(page.height(), 585, 1);

    // The chart keeps its proportions: as high as the frame, centred between white margins.
    const QRectF frame = report.chartFrame;
    const qreal width = frame.height() * 285 / 177;
    const QRectF chart(frame.center().x() - width / 2, frame.top(), width, frame.height());
    EXPECT_GT(inkIn(page, chart.adjusted(1, 1, -1, -1)), 0.99);
    EXPECT_EQ(colourAt(page, chart.center()), kChartColour);
    EXPECT_EQ(inkIn(page, QRectF(frame.left() + 0.5, frame.top(), chart.left() - frame.left() - 1,
                                 frame.height())),
              0.0);
    EXPECT_EQ(inkIn(page, QRectF(chart.right() + 0.5, frame.top(),
                                 frame.right() - chart.right() - 1, frame.height())),
              0.0);

    // The grey shadow shows right of and below the white frame; the frame's border is black.
    EXPECT_EQ(colourAt(page, {205.8, 150}), QColor(192, 192, 192));
    EXPECT_EQ(colourAt(page, {100, 292.4}), QColor(192, 192, 192));
    EXPECT_EQ(colourAt(page, {7.0, 7.5}), QColor(Qt::white));
    EXPECT_LT(colourAt(page, {5.6, 150}).lightness(), 100);
    EXPECT_LT(colourAt(page, {150, 30.5}).lightness(), 100);
}

TEST_P(ReportRenderingTest, DrawsTheLogoOnlyForTheZorvaneBrand)
{
    const ReportCase &report = GetParam();
    const QRectF logo(10.0, 12.5, 71.2, 11.2);
    const struct {
        const char *logotipo; // nullptr: never set
        bool drawn;
    } cases[] = {{nullptr, false}, {"zorvane", false}, {"Zorvane ", false}, {"Zorvane", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.logotipo ? c.logotipo : "(not set)");
        QHash<QString, QString> parameters = details();
        if (c.logotipo)
            parameters.insert(QStringLiteral("Logotipo"), QLatin1String(c.logotipo));
        const QImage page = PdfFile::page(render(QStringLiteral("%1-logo-%2.pdf")
                                                     .arg(QLatin1String(report.name))
                                                     .arg(c.drawn ? "Zorvane" : "none"),
                                                 parameters),
                                          kDotsPerInch);
        // The logo is mostly its white background and orange lettering.
        if (c.drawn)
            EXPECT_GT(inkIn(page, logo.adjusted(0.5, 0.5, -0.5, -0.5)), 0.2);
        else
            EXPECT_EQ(inkIn(page, logo.adjusted(-0.5, -0.5, 0.5, 0.5)), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(SevenReports, ReportRenderingTest, ::testing::ValuesIn(kReports),
                         [](const ::testing::TestParamInfo<ReportCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(ReportRendererTest, ShrinksATextWiderThanItsElementAndPrintsEmptyDetailsAsBarePrefixes)
{
    ReportTemplate layout;
    ASSERT_TRUE(layout.load(ReportTemplate::resourceFile(QStringLiteral("KLT37V1_Oil_Report"))));
    const QString longName =
        QStringLiteral("Talleres y Servicios del Automovil Hermanos Fernandez de la Ribera S.L.");
    const QHash<QString, QString> parameters = {
        {QStringLiteral("Workshop_Name"), longName},
        {QStringLiteral("VIN"), QStringLiteral("VIN: ")},
        {QStringLiteral("Brand"), QStringLiteral("Brand: ")},
        {QStringLiteral("Name"), QStringLiteral("Name:  ")}};
    const ReportRenderer report(
        layout, {[parameters](const QString &name) { return parameters.value(name); },
                 [](const QString &, const QString &) { return QPicture(); }});
    const QString pdf = PdfFile::path(QStringLiteral("long-workshop-name.pdf"));
    ASSERT_TRUE(PdfRenderer().render(report, QStringLiteral("Rave Report"), pdf));

    const QRectF box = PdfFile::phraseBox(pdf, longName);
    ASSERT_FALSE(box.isEmpty()) << PdfFile::text(pdf).toStdString();
    EXPECT_GE(box.left(), 60.0 - 0.3);
    EXPECT_LE(box.right(), 60.0 + 92.9 + 0.3);
    EXPECT_GT(box.width(), 92.9 - 2);
    EXPECT_LT(box.height(), PdfFile::phraseBox(pdf, QStringLiteral("Workshop details")).height());

    const QString text = PdfFile::text(pdf);
    for (const char *prefix : {"VIN:", "Brand:", "Name:"})
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("^ +%1$").arg(prefix),
                                                     QRegularExpression::MultilineOption)))
            << prefix << "\n"
            << text.toStdString();
    expectTextIn(pdf, QStringLiteral("Workshop details"), 60.0, 92.9, 197.5, Qt::AlignHCenter);
    expectTextIn(pdf, QStringLiteral("Customer details"), 60.0, 92.9, 247.5, Qt::AlignHCenter);
}

} // namespace
