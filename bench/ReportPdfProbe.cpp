// Figures of the reports: one AdBlue report page rendered into a PDF file, the picture of its
// hidden 285 x 177 chart recorded at that moment included.
//
//   bench_report_pdf [RUNS]  renders the page RUNS times (25 by default) and prints the median
//                            and the first time in ms, and the size of the PDF file in bytes

#include "measure/widgets/BarChart.h"
#include "reports/ChartConnection.h"
#include "reports/PdfRenderer.h"
#include "reports/ReportRenderer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 25;

    QWidget screen;
    BarChart chart(QStringLiteral("AdBlue pressure"), QStringLiteral("%1.1f"),
                   QStringLiteral("Series2"), &screen);
    chart.setGeometry(0, 0, 285, 177);
    chart.hide();
    chart.addBar(QStringLiteral("Pressure "), 12.5);
    chart.addBar(QStringLiteral("Max. Pressure "), 18.0);
    ChartConnection connection;
    QObject::connect(&connection, &ChartConnection::getCols, [](ChartConnection *c) {
        c->writeField(QStringLiteral("GraficoAdBlue"), ChartConnection::DataType::Graphic, 30,
                      QString(), QString());
    });
    QObject::connect(&connection, &ChartConnection::getRow,
                     [&](ChartConnection *c) { c->writeChart(&chart); });

    const QHash<QString, QString> parameters = {
        {QStringLiteral("Presion"), QStringLiteral("12,5 Bar")},
        {QStringLiteral("Presion_Maxima"), QStringLiteral("18,0 Bar")},
        {QStringLiteral("Workshop_Name"), QStringLiteral("Talleres Ribera")},
        {QStringLiteral("Workshop_Address1"), QStringLiteral("Calle Mayor 12")},
        {QStringLiteral("Workshop_Email"), QStringLiteral("info@ribera.example")},
        {QStringLiteral("VIN"), QStringLiteral("VIN: WVWZZZ1KZAW000123")},
        {QStringLiteral("Name"), QStringLiteral("Name: Ana Lopez")},
        {QStringLiteral("Logotipo"), QStringLiteral("Zorvane")},
    };
    ReportTemplate layout;
    if (!layout.load(ReportTemplate::resourceFile(QStringLiteral("KLT37V1_AdBlue_Report")))) {
        std::fprintf(stderr, "%s\n", qPrintable(layout.errorString()));
        return 1;
    }
    const ReportRenderer report(
        layout,
        {[&](const QString &name) { return parameters.value(name); },
         [&](const QString &, const QString &column) { return connection.picture(column); }});

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    const PdfRenderer pdf;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!pdf.render(report, QStringLiteral("Rave Report"), file))
            return 1;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f %lld\n", times[times.size() / 2], first, QFileInfo(file).size());
    return 0;
}
