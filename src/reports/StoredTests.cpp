#include "StoredTestTable.h"
#include "app/Main.h"
#include "app/NumberFormat.h"
#include "app/ScreenGroupBox.h"
#include "link/MessageText.h"
#include "link/Timer.h"
#include "measure/FunctionCodes.h"
#include "measure/widgets/BarChart.h"
#include "measure/widgets/Dial.h"
#include "measure/widgets/DialHand.h"
#include "reports/ReportProject.h"

#include <QLabel>

#include <iterator>

namespace
{

// The stored test with this code, or -1.
int storedTestIndex(const QString &code)
{
    for (int i = 0; i < int(std::size(kStoredTests)); ++i) {
        if (code == QLatin1String(kStoredTests[i].code))
            return i;
    }
    return -1;
}

std::optional<double> storedValue(const QString &text, int position, const StoredTestUnit &unit)
{
    if (const std::optional<int> value =
            MessageText::toInteger(MessageText::field(text, position, 4)))
        return *value / unit.divisor;
    return std::nullopt;
}

QString formatted(const char *format, double value)
{
    return NumberFormat::format(QLatin1String(format), {value});
}

} // namespace

void TForm1::requestStoredTest(int storedTest)
{
    const StoredTest &test = kStoredTests[storedTest];
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    LastCommand = QStringLiteral("KLT37_%1|").arg(QLatin1String(test.code));
    WriteMemo1(QStringLiteral("Requesting %1 data...").arg(QLatin1String(test.testName)));
    UsbSend(LastCommand);
}

void TForm1::storedTestAnswer(const QString &text)
{
    const QString code = MessageText::field(text, 7, 4);
    followReportedFunction(code);
    const int index = storedTestIndex(code);
    const StoredTest &test = kStoredTests[index];
    const StoredTestUnit &unit = *test.unit;

    // The pair is taken whole or not at all, so that the chart and the report never mix two
    // tests.
    const std::optional<double> pressure = storedValue(text, 12, unit);
    if (!pressure)
        return;
    const std::optional<double> maximum = storedValue(text, 17, unit);
    if (!maximum)
        return;

    const StoredTestScreen &screen = StoredTestScreens[index];
    ReportProject *report = this->*test.report;
    screen.chart->clear();
    screen.chart->addBar(QStringLiteral("Pressure "), *pressure);
    report->setParameter(QStringLiteral("Presion"), formatted(unit.parameterFormat, *pressure));
    screen.gauge->setValue(*pressure);
    screen.pressure->setText(formatted(unit.pressureFormat, *pressure));
    screen.chart->addBar(QStringLiteral("Max. Pressure "), *maximum);
    report->setParameter(QStringLiteral("Presion_Maxima"),
                         formatted(unit.parameterFormat, *maximum));
    screen.maximumHand->setValue(*maximum);
    screen.maximum->setText(formatted(unit.maximumFormat, *maximum));
}

void TForm1::exitStoredTest(int storedTest)
{
    (this->*screenOfCode(kStoredTests[storedTest].code))->hide();
    Timer1->setEnabled(true);
    Timer2->setEnabled(true);
}
