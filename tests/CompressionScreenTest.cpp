#include "app/ScreenGroupBox.h"
#include "link/Timer.h"
#include "measure/widgets/BarChart.h"
#include "reports/ReportProject.h"
#include "support/FormTest.h"
#include "support/QStringPrinter.h"

#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QPushButton>

namespace
{

const QString kAnswer = QStringLiteral("KLT37_COM1|1234|0085|1000|0999|1100|0000");

class CompressionScreenTest : public FormTest
{
protected:
    void SetUp() override
    {
        connectTester();
        answer(QStringLiteral("KLT37_FUNC|MENU"));
        tester->written.clear();
    }

    QStringList bars()
    {
        QStringList shown;
        for (int i = 0; i < window().chart1->barCount(); ++i)
            shown << window().chart1->barLabel(i) + QStringLiteral(": ") +
                         window().chart1->markText(i);
        return shown;
    }
    QStringList parameters()
    {
        QStringList texts;
        for (int n = 1; n <= 6; ++n)
            texts << window().RvProject1->parameter(QStringLiteral("Cilindro_%1").arg(n));
        return texts;
    }
};

TEST_F(CompressionScreenTest, TheButtonStopsThePollingAndAsksForTheTest)
{
    TForm1 &form = window();
    form.btnSavedCompression->click();
    EXPECT_FALSE(form.Timer1->isEnabled());
    EXPECT_FALSE(form.Timer2->isEnabled());
    EXPECT_EQ(form.LastCommand, QStringLiteral("KLT37_COM1|"));
    EXPECT_EQ(tester->commands(), QStringList{QStringLiteral("KLT37_COM1|")});
    EXPECT_EQ(log().last(), QStringLiteral("Requesting Compression data..."));
    EXPECT_FALSE(form.btnSavedCompression->isHidden()) << "the menu stays until the answer";
}

TEST_F(CompressionScreenTest, TheAnswerIsLoggedChartedAndKeptForTheReport)
{
    TForm1 &form = window();
    form.btnSavedCompression->click();
    const qsizetype before = log().size();
    answer(kAnswer);

    EXPECT_FALSE(form.GroupCompression->isHidden());
    EXPECT_TRUE(form.btnSavedCompression->isHidden());
    EXPECT_EQ(form.ActiveScreen, QStringLiteral("COM1"));
    EXPECT_EQ(logSince(before).mid(1), (QStringList{
                                           "COM1",
                                           "Activando pantalla compresimetro...",
                                           " ",
                                           "Engine compression",
                                           " ",
                                           "Cylinder nº 1..: 123,4 Bar",
                                           "Cylinder nº 2..: 008,5 Bar",
                                           "Cylinder nº 3..: 100,0 Bar",
                                           "Cylinder nº 4..: 099,9 Bar",
                                           "Cylinder nº 5..: 110,0 Bar",
                                           "Cylinder nº 6..: 000,0 Bar",
                                           " ",
                                       }));
    EXPECT_EQ(form.CylinderPressure, (std::array<double, 6>{123.4, 8.5, 100.0, 99.9, 110.0, 0.0}));
    EXPECT_EQ(parameters(), (QStringList{"Cylinder # 1: 123,4 Bar", "Cylinder # 2:  8,5 Bar",
                                         "Cylinder # 3: 100,0 Bar", "Cylinder # 4: 99,9 Bar",
                                         "Cylinder # 5: 110,0 Bar", "Cylinder # 6:  0,0 Bar"}));
    // From the lowest slot up: cylinder 6 at the bottom, cylinder 1 on top.
    EXPECT_EQ(bars(), (QStringList{"Cyl # 6: 0,0", "Cyl # 5: 110,0", "Cyl # 4: 99,9",
                                   "Cyl # 3: 100,0", "Cyl # 2: 8,5", "Cyl # 1: 123,4"}));
    EXPECT_DOUBLE_EQ(form.chart1->barValue(5), 123.4);
    EXPECT_FALSE(form.Timer1->isEnabled());
}

TEST_F(CompressionScreenTest, AFieldThatDoesNotConvertKeepsThePreviousResultWhole)
{
    TForm1 &form = window();
    answer(kAnswer);
    const QStringList chartBefore = bars();
    const QStringList parametersBefore = parameters();
    const std::array<double, 6> pressuresBefore = form.CylinderPressure;

    const qsizetype before = log().size();
    answer(QStringLiteral("KLT37_COM1|1250|1220|1265|12x0|1238|1244"));
    EXPECT_EQ(logSince(before).size(), 1 + 1 + 3 + 6 + 1) << "the log lines are still written";
    EXPECT_EQ(logSince(before)[8], QStringLiteral("Cylinder nº 4..: 12x,0 Bar"));
    EXPECT_EQ(bars(), chartBefore);
    EXPECT_EQ(parameters(), parametersBefore);
    EXPECT_EQ(form.CylinderPressure, pressuresBefore);
}

TEST_F(CompressionScreenTest, ASecondAnswerReplacesTheBars)
{
    answer(kAnswer);
    window().DataReceived = false;
    answer(QStringLiteral("KLT37_COM1|1250|1220|1265|1180|1238|1244"));
    EXPECT_FALSE(window().DataReceived) << "the answer releases no live request";
    EXPECT_EQ(window().chart1->barCount(), 6);
    EXPECT_EQ(window().chart1->markText(5), QStringLiteral("125,0"));
    EXPECT_EQ(window().RvProject1->parameter(QStringLiteral("Cilindro_4")),
              QStringLiteral("Cylinder # 4: 118,0 Bar"));
}

TEST_F(CompressionScreenTest, XClosesTheScreenAndRestartsThePolling)
{
    TForm1 &form = window();
    form.btnSavedCompression->click();
    answer(kAnswer);
    form.btnExitCompression->click();
    EXPECT_TRUE(form.GroupCompression->isHidden());
    EXPECT_TRUE(form.Timer1->isEnabled());
    EXPECT_TRUE(form.Timer2->isEnabled());
    EXPECT_EQ(form.ActiveScreen, QStringLiteral("COM1"));

    // The first tick sends the compression request again; its answer refreshes the hidden chart.
    tester->written.clear();
    form.Timer2->fire();
    EXPECT_EQ(tester->commands(), QStringList{QStringLiteral("KLT37_COM1|")});
    answer(QStringLiteral("KLT37_COM1|1250|1220|1265|1180|1238|1244"));
    EXPECT_TRUE(form.GroupCompression->isHidden());
    EXPECT_EQ(form.chart1->markText(5), QStringLiteral("125,0"));

    answer(QStringLiteral("KLT37_FUNC|MENU"));
    EXPECT_FALSE(form.btnSavedCompression->isHidden());
    EXPECT_EQ(form.ActiveScreen, QStringLiteral("MENU"));
}

TEST_F(CompressionScreenTest, TheScreenHoldsTheChartAndItsButtons)
{
    TForm1 &form = window();
    EXPECT_EQ(form.chart1->objectName(), QStringLiteral("chart1"));
    EXPECT_EQ(form.chart1->parentWidget(), form.GroupCompression);
    EXPECT_EQ(form.chart1->geometry(), QRect(75, 15, 409, 217));
    EXPECT_EQ(form.chart1->chart()->title(), QStringLiteral("Engine compression"));
    EXPECT_FALSE(form.chart1->chart()->legend()->isVisible());
    EXPECT_EQ(form.chart1->view()->rubberBand(), QChartView::NoRubberBand);
    EXPECT_EQ(form.chart1->series()->objectName(), QStringLiteral("Series1"));
    EXPECT_EQ(form.btnExitCompression->text(), QStringLiteral("X"));
    EXPECT_EQ(form.btnExitCompression->geometry(), QRect(17, 11, 41, 39));
    EXPECT_EQ(form.btnPrintCompression->objectName(), QStringLiteral("btnPrintCompression"));
    EXPECT_EQ(form.btnPrintCompression->text(), QStringLiteral("Print"));
    EXPECT_EQ(form.btnPrintCompression->geometry(), QRect(49, 240, 90, 25));
}

} // namespace
