#include "StoredTestTable.h"
#include "app/Main.h"
#include "app/ScreenGroupBox.h"
#include "measure/FunctionCodes.h"
#include "measure/widgets/BarChart.h"
#include "measure/widgets/Dial.h"
#include "measure/widgets/ReadingLabel.h"
#include "measure/widgets/ScreenButtons.h"

#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPushButton>

namespace
{

// Places on a screen of 489 x 265, clear of the USB indicator in its lower right corner.
const QRect kExit(8, 8, 41, 39);
const QRect kDial(44, 16, 223, 233);
const QRect kPressureLabel(270, 34, 208, 46);
const QRect kMaximumLabel(270, 90, 208, 46);
const QRect kPrint(344, 200, 81, 25);
const QRect kChart(190, 40, 285, 177);
constexpr int kLabelPixels = 37;

Dial *createDial(QWidget *screen, const StoredTestDial &look)
{
    auto *dial = new Dial(screen);
    dial->setObjectName(QLatin1String(look.name));
    dial->setGeometry(kDial);
    dial->setScale(0, look.maximum, look.majorTicks);
    dial->setZones(look.zones);
    dial->setCaption(QString::fromLatin1(look.caption));
    dial->setRangeTracking(look.trackingHand);
    return dial;
}

QLabel *createLabel(QWidget *screen, const StoredTestLabel &label, const QRect &geometry)
{
    return createReadingLabel(screen, QLatin1String(label.name), QLatin1String(label.text),
                              kLabelPixels, geometry, Qt::AlignRight);
}

} // namespace

void TForm1::createStoredTestScreens()
{
    for (int i = 0; i < int(std::size(kStoredTests)); ++i) {
        const StoredTest &test = kStoredTests[i];
        QWidget *screen = this->*screenOfCode(test.code);
        StoredTestScreen &parts = StoredTestScreens[i];

        parts.chart =
            new BarChart(QLatin1String(test.chart.title), QLatin1String(test.unit->markFormat),
                         QLatin1String(test.chart.series), screen);
        parts.chart->setObjectName(QLatin1String(test.chart.name));
        parts.chart->setGeometry(kChart);
        parts.chart->hide();

        parts.gauge = createDial(screen, test.dial);
        parts.maximumHand = parts.gauge->addHand(QLatin1String(test.dial.maximumHand));
        parts.pressure = createLabel(screen, test.pressureLabel, kPressureLabel);
        parts.maximum = createLabel(screen, test.maximumLabel, kMaximumLabel);
        parts.exit = createExitButton(screen, QLatin1String(test.exitButton), kExit);
        parts.print = createPrintButton(screen, QLatin1String(test.printButton), kPrint);

        connect(this->*test.menuButton, &QPushButton::clicked, this,
                [this, i] { requestStoredTest(i); });
        connect(parts.exit, &QPushButton::clicked, this, [this, i] { exitStoredTest(i); });
    }
}
