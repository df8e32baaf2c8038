#include "app/Main.h"
#include "app/NumberFormat.h"
#include "app/ScreenGroupBox.h"
#include "link/MessageText.h"
#include "link/Timer.h"
#include "reports/ReportProject.h"
#include "widgets/BarChart.h"
#include "widgets/ScreenButtons.h"

#include <QHorizontalBarSeries>
#include <QPushButton>

namespace
{

constexpr int kCylinders = 6;

// Cylinder n occupies characters 5n + 7 to 5n + 10 of the answer.
int cylinderField(int cylinder)
{
    return 5 * cylinder + 7;
}

} // namespace

void TForm1::createCompressionScreen()
{
    chart1 = new BarChart(QStringLiteral("Engine compression"), QStringLiteral("%1.1f"),
                          QStringLiteral("Series1"), GroupCompression);
    chart1->setObjectName(QStringLiteral("chart1"));
    chart1->setGeometry(75, 15, 409, 217);
    btnExitCompression =
        createExitButton(GroupCompression, QStringLiteral("btnExitCompression"), {17, 11, 41, 39});
    btnPrintCompression = createPrintButton(GroupCompression, QStringLiteral("btnPrintCompression"),
                                            {49, 240, 90, 25});
    connect(btnSavedCompression, &QPushButton::clicked, this, &TForm1::btnSavedCompressionClick);
    connect(btnExitCompression, &QPushButton::clicked, this, &TForm1::btnExitCompressionClick);
}

void TForm1::btnSavedCompressionClick()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    LastCommand = QStringLiteral("KLT37_COM1|");
    WriteMemo1(QStringLiteral("Requesting Compression data..."));
    UsbSend(LastCommand);
}

void TForm1::compressionAnswer(const QString &text)
{
    followReportedFunction(MessageText::field(text, 7, 4));

    WriteMemo1(QStringLiteral(" "));
    WriteMemo1(QStringLiteral("Engine compression"));
    WriteMemo1(QStringLiteral(" "));
    for (int n = 1; n <= kCylinders; ++n) {
        // The characters as they came: whole bars, a comma, the tenths.
        WriteMemo1(QStringLiteral("Cylinder nº %1..: ").arg(n) +
                   MessageText::field(text, cylinderField(n), 3) + QLatin1Char(',') +
                   MessageText::field(text, cylinderField(n) + 3, 1) + QStringLiteral(" Bar"));
    }
    WriteMemo1(QStringLiteral(" "));

    // A result is taken whole or not at all, so that the chart and the report never mix two
    // tests.
    std::array<double, kCylinders> pressures{};
    for (int n = 1; n <= kCylinders; ++n) {
        const std::optional<int> tenths =
            MessageText::toInteger(MessageText::field(text, cylinderField(n), 4));
        if (!tenths)
            return;
        pressures[n - 1] = *tenths / 10.0;
    }

    chart1->clear();
    CylinderPressure = pressures;
    for (int n = 1; n <= kCylinders; ++n) {
        RvProject1->setParameter(QStringLiteral("Cilindro_%1").arg(n),
                                 NumberFormat::format(QStringLiteral("Cylinder # %1u: %4.1n Bar"),
                                                      {n, CylinderPressure[n - 1]}));
    }
    // The first bar takes the lowest slot: cylinder 6 at the bottom, cylinder 1 on top.
    for (int n = kCylinders; n >= 1; --n)
        chart1->addBar(QStringLiteral("Cyl # %1").arg(n), CylinderPressure[n - 1]);
}

void TForm1::btnExitCompressionClick()
{
    GroupCompression->hide();
    Timer1->setEnabled(true);
    Timer2->setEnabled(true);
}
