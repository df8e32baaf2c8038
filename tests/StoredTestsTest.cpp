#include "app/ScreenGroupBox.h"
#include "link/Timer.h"
#include "measure/widgets/BarChart.h"
#include "measure/widgets/Dial.h"
#include "measure/widgets/DialHand.h"
#include "reports/ReportProject.h"
#include "support/FormTest.h"
#include "support/QStringPrinter.h"

#include <QChart>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QPushButton>

namespace
{

class StoredTestsTest : public FormTest
{
protected:
    void SetUp() override
    {
        connectTester();
        answer(QStringLiteral("KLT37_FUNC|MENU"));
        tester->written.clear();
    }

    template <typename Widget> Widget *find(const char *name)
    {
        return window().findChild<Widget *>(QLatin1String(name));
    }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    QStringList bars(const char *chart)
    {
        const BarChart *shown = find<BarChart>(chart);
        QStringList texts;
        for (int i = 0; i < shown->barCount(); ++i)
            texts << shown->barLabel(i) + QStringLiteral("= ") + shown->markText(i);
        return texts;
    }
};

TEST_F(StoredTestsTest, EachButtonStopsThePollingAndAsksForItsTest)
{
    const struct {
        const char *button;
        const char *command;
        const char *logLine;
    } cases[] = {
        {"btnSavedAdblue", "KLT37_SADB|", "Requesting AdBlue data..."},
        {"btnSavedFuel", "KLT37_SFUE|", "Requesting Fuel data..."},
        {"btnSavedCooling", "KLT37_SCOO|", "Requesting Cooling data..."},
        {"btnSavedOil", "KLT37_SOIL|", "Requesting Oil data..."},
        {"btnSavedHP", "KLT37_SHPD|", "Requesting Common Rail data..."},
        {"btnSavedFSI", "KLT37_SFSI|", "Requesting FSI data..."},
    };
    for (const auto &c : cases) {
        window().Timer1->setEnabled(true);
        window().Timer2->setEnabled(true);
        tester->written.clear();
        find<QPushButton>(c.button)->click();
        EXPECT_FALSE(window().Timer1->isEnabled()) << c.button;
        EXPECT_FALSE(window().Timer2->isEnabled()) << c.button;
        EXPECT_EQ(window().LastCommand, QLatin1String(c.command));
        EXPECT_EQ(tester->commands(), QStringList{QLatin1String(c.command)});
        EXPECT_EQ(log().last(), QLatin1String(c.logLine));
    }
}

struct AnswerCase {
    const char *answer;
    const char *screen;
    const char *gauge;
    double pressure, maximum;
    const char *pressureLabel;
    const char *pressureText;
    const char *maximumLabel;
    const char *maximumText;
    ReportProject *TForm1::*report;
    const char *pressureParameter;
    const char *maximumParameter;
    const char *chart;
    const char *marks[2];
};

TEST_F(StoredTestsTest, TheAnswerShowsTheValuesChartsThemAndKeepsThemForTheReport)
{
    const AnswerCase cases[] = {
        {"KLT37_SADB|0125|0180",
         "GroupAdBlueSaved",
         "GaugeAdblueSaved",
         12.5,
         18.0,
         "lblAdblueSaved",
         "12,5 Bar",
         "lblAdBlueSavedMax",
         "18,0 Max",
         &TForm1::RvProject3,
         "12,5 Bar",
         "18,0 Bar",
         "Chart2",
         {"12,5", "18,0"}},
        {"KLT37_SFUE|0005|0000",
         "GroupFuelSaved",
         "GaugeFuelSaved",
         0.5,
         0.0,
         "lblFuelSaved",
         " 0,5 Bar",
         "lblFuelSavedMax",
         " 0,0 Max",
         &TForm1::RvProject4,
         " 0,5 Bar",
         " 0,0 Bar",
         "Chart3",
         {"0,5", "0,0"}},
        {"KLT37_SCOO|0012|0014",
         "GroupSavedCooling",
         "GaugeSavedCooling",
         1.2,
         1.4,
         "lblSavedCooling",
         " 1,2 Bar",
         "lblSavedCoolingMax",
         " 1,4 Max",
         &TForm1::RvProject5,
         " 1,2 Bar",
         " 1,4 Bar",
         "Chart4",
         {"1,2", "1,4"}},
        {"KLT37_SOIL|0042|0031",
         "GroupSavedOil",
         "GaugeSavedOil",
         4.2,
         3.1,
         "lblSavedOil",
         " 4,2 Bar",
         "lblSavedOilMax",
         " 3,1 Max",
         &TForm1::RvProject7,
         " 4,2 Bar",
         " 3,1 Bar",
         "Chart5",
         {"4,2", "3,1"}},
        {"KLT37_SHPD|1500|1620",
         "GroupSavedHP",
         "GaugeSavedHP",
         1500,
         1620,
         "lblSavedHP",
         "1500 Bar",
         "lblSavedHPMax",
         "1620 Max",
         &TForm1::RvProject2,
         "1500 Bar",
         "1620 Bar",
         "Chart6",
         {"1500", "1620"}},
        {"KLT37_SFSI|2500|2600",
         "GroupSavedFsi",
         "GaugeSavedFsi",
         250.0,
         260.0,
         "lblSavedFsi",
         "250,0 Bar",
         "lblSavedFsiMax",
         "260,0 Max",
         &TForm1::RvProject8,
         "250,0 Bar",
         "260,0 Bar",
         "Chart7",
         {"250,0", "260,0"}},
    };
    for (const AnswerCase &c : cases) {
        answer(QLatin1String(c.answer));
        EXPECT_FALSE(find<ScreenGroupBox>(c.screen)->isHidden()) << c.screen;
        const Dial *gauge = find<Dial>(c.gauge);
        EXPECT_DOUBLE_EQ(gauge->value(), c.pressure) << c.gauge;
        EXPECT_DOUBLE_EQ(gauge->hand()->value(), c.maximum) << c.gauge;
        EXPECT_EQ(text(c.pressureLabel), QLatin1String(c.pressureText));
        EXPECT_EQ(text(c.maximumLabel), QLatin1String(c.maximumText));
        const ReportProject *report = window().*c.report;
        EXPECT_EQ(report->parameter(QStringLiteral("Presion")), QLatin1String(c.pressureParameter));
        EXPECT_EQ(report->parameter(QStringLiteral("Presion_Maxima")),
                  QLatin1String(c.maximumParameter));
        EXPECT_EQ(bars(c.chart), (QStringList{QStringLiteral("Pressure = ") + c.marks[0],
                                              QStringLiteral("Max. Pressure = ") + c.marks[1]}));
    }
    // Each test's values stay in its own report project.
    EXPECT_EQ(window().RvProject3->parameter(QStringLiteral("Presion")),
              QStringLiteral("12,5 Bar"));
}

TEST_F(StoredTestsTest, TheSameTestTwiceLeavesTwoBarsWithTheNewValues)
{
    answer(QStringLiteral("KLT37_SADB|0125|0180"));
    window().DataReceived = false;
    const qsizetype before = log().size();
    answer(QStringLiteral("KLT37_SADB|0090|0210"));
    EXPECT_FALSE(window().DataReceived) << "the answer releases no live request";
    EXPECT_EQ(bars("Chart2"), (QStringList{"Pressure = 9,0", "Max. Pressure = 21,0"}));
    EXPECT_EQ(text("lblAdblueSaved"), QStringLiteral(" 9,0 Bar"));
    EXPECT_EQ(window().RvProject3->parameter(QStringLiteral("Presion_Maxima")),
              QStringLiteral("21,0 Bar"));
    EXPECT_EQ(logSince(before).size(), 2) << "the report and the code; no new activation";
    const Dial *gauge = find<Dial>("GaugeAdblueSaved");
    EXPECT_EQ(gauge->trackedMinimum(), 9.0);
    EXPECT_EQ(gauge->trackedMaximum(), 12.5);
}

TEST_F(StoredTestsTest, AFieldThatDoesNotConvertKeepsThePreviousPairWhole)
{
    answer(QStringLiteral("KLT37_SOIL|0042|0051"));
    for (const char *bad : {"KLT37_SOIL|00x2|0051", "KLT37_SOIL|0042|05 1", "KLT37_SOIL|0042"}) {
        answer(QLatin1String(bad));
        EXPECT_EQ(bars("Chart5"), (QStringList{"Pressure = 4,2", "Max. Pressure = 5,1"})) << bad;
        EXPECT_EQ(text("lblSavedOil"), QStringLiteral(" 4,2 Bar")) << bad;
        EXPECT_EQ(text("lblSavedOilMax"), QStringLiteral(" 5,1 Max")) << bad;
        EXPECT_EQ(window().RvProject7->parameter(QStringLiteral("Presion")),
                  QStringLiteral(" 4,2 Bar"));
        EXPECT_DOUBLE_EQ(find<Dial>("GaugeSavedOil")->value(), 4.2);
    }
}

TEST_F(StoredTestsTest, XClosesTheScreenAndALaterAnswerRefreshesItUnseen)
{
    TForm1 &form = window();
    find<QPushButton>("btnSavedHP")->click();
    answer(QStringLiteral("KLT37_SHPD|1500|1620"));
    find<QPushButton>("btnExitSavedHP")->click();
    EXPECT_TRUE(form.GroupSavedHP->isHidden());
    EXPECT_TRUE(form.Timer1->isEnabled());
    EXPECT_TRUE(form.Timer2->isEnabled());
    EXPECT_EQ(form.ActiveScreen, QStringLiteral("SHPD"));
    EXPECT_EQ(form.RvProject2->parameter(QStringLiteral("Presion")), QStringLiteral("1500 Bar"));

    tester->written.clear();
    form.Timer2->fire();
    EXPECT_EQ(tester->commands(), QStringList{QStringLiteral("KLT37_SHPD|")});
    answer(QStringLiteral("KLT37_SHPD|1400|1480"));
    EXPECT_TRUE(form.GroupSavedHP->isHidden());
    EXPECT_EQ(text("lblSavedHP"), QStringLiteral("1400 Bar"));
    EXPECT_EQ(bars("Chart6"), (QStringList{"Pressure = 1400", "Max. Pressure = 1480"}));
}

TEST_F(StoredTestsTest, AnAnswerWithoutARequestSwitchesAwayFromALiveScreen)
{
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    answer(QStringLiteral("KLT37_SFSI|1150|1230"));
    EXPECT_FALSE(window().GroupSavedFsi->isHidden());
    EXPECT_TRUE(window().GroupOil->isHidden());
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    EXPECT_FALSE(window().GroupOil->isHidden());
}

TEST_F(StoredTestsTest, EachScreenHoldsItsDialLabelsHiddenChartAndButtons)
{
    const struct {
        const char *screen, *gauge, *caption;
        double maximum;
        bool tracking;
        const char *maximumHand, *pressureLabel, *pressureText, *maximumLabel, *maximumText;
        const char *chart, *chartTitle, *series, *print, *exit;
    } cases[] = {
        {"GroupAdBlueSaved", "GaugeAdblueSaved", "AdBlue pressure", 30, true, "GaugeAdblueSavedMax",
         "lblAdblueSaved", "0.0 Bar", "lblAdBlueSavedMax", "0.0 Max", "Chart2", "AdBlue pressure",
         "Series2", "btnPrintAdblue", "btnExitSavedAdblue"},
        {"GroupFuelSaved", "GaugeFuelSaved", "Fuel Pressure", 30, false, "GaugeFuelSavedMax",
         "lblFuelSaved", "0.0 Bar", "lblFuelSavedMax", "0.0 Max", "Chart3", "Fuel pressure",
         "HorizBarSeries1", "btnPrintFuel", "btnExitSavedFuel"},
        {"GroupSavedCooling", "GaugeSavedCooling", "Cooling pressure", 30, true,
         "GaugeSavedCoolingMax", "lblSavedCooling", "0.0 Bar", "lblSavedCoolingMax", "0.0 Max",
         "Chart4", "Cooling pressure", "HorizBarSeries2", "btnPrintSavedCooling",
         "btnExitSavedCooling"},
        {"GroupSavedOil", "GaugeSavedOil", "Oil pressure", 30, true, "GaugeSavedOilMax",
         "lblSavedOil", "0.0 Bar", "lblSavedOilMax", "0.0 Max", "Chart5", "Oil pressure",
         "HorizBarSeries3", "btnPrintSavedOil", "btnExitSavedOil"},
        {"GroupSavedHP", "GaugeSavedHP", "Common\nRail", 2000, true, "GaugeSavedHPMax",
         "lblSavedHP", "0 Bar", "lblSavedHPMax", "0 Max", "Chart6", "Common rail pressure",
         "HorizBarSeries4", "btnPrintHP", "btnExitSavedHP"},
        {"GroupSavedFsi", "GaugeSavedFsi", "High Pressure\nPetrol", 300, true, "GaugeSavedFsiMax",
         "lblSavedFsi", "0 Bar", "lblSavedFsiMax", "0 Max", "Chart7", "FSI pressure",
         "HorizBarSeries5", "btnPrintSavedFsi", "btnExitSavedFsi"},
    };
    for (const auto &c : cases) {
        const auto *screen = find<ScreenGroupBox>(c.screen);
        const Dial *gauge = screen->findChild<Dial *>(QLatin1String(c.gauge));
        ASSERT_NE(gauge, nullptr) << c.gauge;
        EXPECT_EQ(gauge->caption(), QLatin1String(c.caption));
        EXPECT_EQ(gauge->minimum(), 0);
        EXPECT_EQ(gauge->maximum(), c.maximum) << c.gauge;
        EXPECT_EQ(gauge->hand()->objectName(), QLatin1String(c.maximumHand));
        EXPECT_EQ(gauge->isTrackingRange(), c.tracking) << c.gauge;
        EXPECT_EQ(gauge->peakHand(), nullptr) << c.gauge;
        for (const auto &[name, initial] : {std::pair{c.pressureLabel, c.pressureText},
                                            std::pair{c.maximumLabel, c.maximumText}}) {
            const QLabel *label = screen->findChild<QLabel *>(QLatin1String(name));
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), QLatin1String(initial)) << name;
            EXPECT_EQ(label->font().pixelSize(), 37) << name;
            EXPECT_TRUE(label->alignment() & Qt::AlignRight) << name;
            EXPECT_GT(label->x(), gauge->geometry().right()) << name;
        }
        BarChart *chart = screen->findChild<BarChart *>(QLatin1String(c.chart));
        ASSERT_NE(chart, nullptr) << c.chart;
        EXPECT_TRUE(chart->isHidden()) << c.chart;
        EXPECT_EQ(chart->size(), QSize(285, 177)) << c.chart;
        EXPECT_EQ(chart->chart()->title(), QLatin1String(c.chartTitle));
        EXPECT_FALSE(chart->chart()->legend()->isVisible()) << c.chart;
        EXPECT_EQ(chart->series()->objectName(), QLatin1String(c.series));
        const QPushButton *print = screen->findChild<QPushButton *>(QLatin1String(c.print));
        ASSERT_NE(print, nullptr) << c.print;
        EXPECT_EQ(print->text(), QStringLiteral("Print"));
        EXPECT_EQ(print->geometry(), QRect(344, 200, 81, 25)) << c.print;
        const QPushButton *exit = screen->findChild<QPushButton *>(QLatin1String(c.exit));
        ASSERT_NE(exit, nullptr) << c.exit;
        EXPECT_EQ(exit->text(), QStringLiteral("X"));
        EXPECT_LT(exit->x() + exit->y(), 30) << c.exit << " at the top left";
    }
}

} // namespace
