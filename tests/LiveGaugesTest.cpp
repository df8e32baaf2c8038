#include "app/ScreenGroupBox.h"
#include "link/Timer.h"
#include "measure/widgets/BlockBar.h"
#include "measure/widgets/Dial.h"
#include "measure/widgets/PeakHand.h"
#include "support/FormTest.h"
#include "support/ManualHoldTimer.h"
#include "support/QStringPrinter.h"

#include <QLabel>
#include <QPushButton>

namespace
{

class LiveGaugesTest : public FormTest
{
protected:
    void SetUp() override { connectTester(); }

    // Brings the screen of a function anew, with its running values restarted.
    void enter(const char *code)
    {
        answer(QStringLiteral("KLT37_FUNC|SELS"));
        answer(QStringLiteral("KLT37_FUNC|") + QLatin1String(code));
    }
    void reading(const char *code, const QString &field)
    {
        answer(QStringLiteral("KLT37_") + QLatin1String(code) + QLatin1Char('|') + field);
    }
    QLabel *label(const char *name) { return window().findChild<QLabel *>(QLatin1String(name)); }
    QString text(const char *name) { return label(name)->text(); }
    Dial *dial(const char *name) { return window().findChild<Dial *>(QLatin1String(name)); }
    BlockBar *bar(const char *name) { return window().findChild<BlockBar *>(QLatin1String(name)); }
    QPushButton *button(const char *name)
    {
        return window().findChild<QPushButton *>(QLatin1String(name));
    }
    double instrumentValue(const char *name)
    {
        if (const Dial *found = dial(name))
            return found->value();
        return bar(name)->value();
    }
};

struct ReadingCase {
    const char *code;
    const char *field;
    const char *instrument;
    double value;
    const char *valueLabel;
    const char *valueText;
    const char *maximumLabel;
    const char *maximumText;
};

TEST_F(LiveGaugesTest, ShowsEachReadingOnItsInstrumentAndLabels)
{
    const ReadingCase cases[] = {
        {"OIL_", "0123", "GaugeOil", 12.3, "lblOil", "12,3 Bar", "lblOilMax", "12,3 Max"},
        {"OIL_", "0025", "GaugeOil", 2.5, "lblOil", " 2,5 Bar", "lblOilMax", " 2,5 Max"},
        {"OIL_", "004", "GaugeOil", 0.4, "lblOil", " 0,4 Bar", "lblOilMax", " 0,4 Max"},
        {"M003", "1000", "GaugeM003", 0, "lblM003", "0,000 Bar", "lblMaxM003", "0,000 Max"},
        {"LOSS", "1250", "pbLoss", 50, "lblLoss", " 50 %", "lblLossMax", " 50 Max"},
        {"VACU", "0480", "GaugeVacuum", 480, "lblVacuum", " 480 mbar", "lblVacuumMax", " 480 Max"},
        {"VACU", "48,6", "GaugeVacuum", 48.6, "lblVacuum", "  49 mbar", "lblVacuumMax", "  49 Max"},
        {"FUEL", "0045", "GaugeFuel", 4.5, "lblFuel", " 4,5 Bar", "lblFuelMax", " 4,5 Max"},
        {"ADBL", "0125", "GaugeAdblue", 12.5, "lblAdblue", "12,5 Bar", "lblAdblueMax", "12,5 Max"},
        {"PART", "17,4", "pbParticle", 17.4, "lblParticle", "  17 mbar", "lblParticleMax",
         "  17 Max"},
        {"COOL", "0012", "GaugeCooling", 1.2, "lblCooling", " 1,2 Bar", "lblCoolingMax",
         " 1,2 Max"},
        {"M300", "2451", "GaugeM300", 245.1, "lblM300", "245,1 Bar", "lblM300Max", "245,1 Max"},
        {"M2K_", "1500", "GaugeM2K_", 1500, "lblM2K_", "1500 Bar", "lblM2K_Max", "1500 Max"},
        {"CRHP", "0350", "GaugeCRHP", 350, "lblCRHP", " 350 Bar", "lblCRHPMax", " 350 Max"},
        {"HPPE", "1234", "GaugeFSI", 123.4, "lblFSI", "123,4 Bar", "lblFSIMax", "123,4 Max"},
    };
    for (const ReadingCase &c : cases) {
        enter(c.code);
        window().DataReceived = false;
        reading(c.code, QLatin1String(c.field));
        EXPECT_DOUBLE_EQ(instrumentValue(c.instrument), c.value) << c.code << " " << c.field;
        EXPECT_EQ(text(c.valueLabel), QLatin1String(c.valueText)) << c.code << " " << c.field;
        EXPECT_EQ(text(c.maximumLabel), QLatin1String(c.maximumText)) << c.code << " " << c.field;
        EXPECT_TRUE(window().DataReceived) << c.code;
    }
}

TEST_F(LiveGaugesTest, KeepsTheRunningMaximumUntilTheScreenIsEnteredAgain)
{
    enter("OIL_");
    reading("OIL_", QStringLiteral("0051"));
    reading("OIL_", QStringLiteral("0042"));
    EXPECT_EQ(text("lblOil"), QStringLiteral(" 4,2 Bar"));
    EXPECT_EQ(text("lblOilMax"), QStringLiteral(" 5,1 Max"));
    EXPECT_DOUBLE_EQ(double(window().RunningMaximum[0]), 5.1);
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    reading("OIL_", QStringLiteral("0030"));
    EXPECT_EQ(text("lblOilMax"), QStringLiteral(" 5,1 Max")) << "the same function reported again";
    enter("OIL_");
    reading("OIL_", QStringLiteral("0030"));
    EXPECT_EQ(text("lblOilMax"), QStringLiteral(" 3,0 Max"));
}

TEST_F(LiveGaugesTest, TheManometerKeepsItsMinimumToo)
{
    enter("M003");
    reading("M003", QStringLiteral("0000"));
    EXPECT_EQ(window().RunningMaximum[1], -1.0L) << "not greater than the start value";
    EXPECT_EQ(window().RunningMinimum, -1.0L);
    EXPECT_EQ(text("lblM003"), QStringLiteral("-1,000 Bar"));
    EXPECT_EQ(text("lblMaxM003"), QStringLiteral("-1,000 Max"));
    EXPECT_EQ(text("lblMinM003"), QStringLiteral("-1,000 Min"));
    EXPECT_DOUBLE_EQ(dial("GaugeM003")->value(), -1.0);

    reading("M003", QStringLiteral("2500"));
    reading("M003", QStringLiteral("1000"));
    EXPECT_EQ(text("lblM003"), QStringLiteral("0,000 Bar"));
    EXPECT_EQ(text("lblMaxM003"), QStringLiteral("1,500 Max"));
    EXPECT_EQ(text("lblMinM003"), QStringLiteral("-1,000 Min"));
}

TEST_F(LiveGaugesTest, LeakageIsReadAsPerCentOfTheTightCylinder)
{
    enter("LOSS");
    const struct {
        const char *field;
        double percent;
        const char *valueText;
        const char *maximumText;
    } cases[] = {{"2500", 0, "  0 %", "  0 Max"},
                 {"0000", 100, "100 %", "100 Max"},
                 {"3000", 0, "  0 %", "100 Max"},
                 {"1250", 50, " 50 %", "100 Max"}};
    for (const auto &c : cases) {
        reading("LOSS", QLatin1String(c.field));
        EXPECT_DOUBLE_EQ(bar("pbLoss")->value(), c.percent) << c.field;
        EXPECT_EQ(text("lblLoss"), QLatin1String(c.valueText)) << c.field;
        EXPECT_EQ(text("lblLossMax"), QLatin1String(c.maximumText)) << c.field;
    }
}

TEST_F(LiveGaugesTest, ResetRestartsTheMaximumButLeavesTheLabelsAndThePeakHand)
{
    enter("FUEL");
    auto *timer = new ManualHoldTimer;
    dial("GaugeFuel")->peakHand()->setHoldTimer(timer);
    reading("FUEL", QStringLiteral("0050"));
    reading("FUEL", QStringLiteral("0040"));
    const qsizetype sent = tester->written.size();
    const qsizetype lines = log().size();

    button("btnResetFuel")->click();
    EXPECT_EQ(window().RunningMaximum[4], 0.0L);
    EXPECT_EQ(text("lblFuel"), QStringLiteral(" 4,0 Bar"));
    EXPECT_EQ(text("lblFuelMax"), QStringLiteral(" 5,0 Max"));
    EXPECT_EQ(dial("GaugeFuel")->peakHand()->value(), 5.0);
    EXPECT_EQ(tester->written.size(), sent) << "nothing goes to the tester";
    EXPECT_EQ(log().size(), lines);

    reading("FUEL", QStringLiteral("0020"));
    EXPECT_EQ(text("lblFuelMax"), QStringLiteral(" 2,0 Max"));
    timer->advance(2000);
    EXPECT_EQ(dial("GaugeFuel")->peakHand()->value(), 2.0);

    enter("M003");
    reading("M003", QStringLiteral("3000"));
    reading("M003", QStringLiteral("0500"));
    button("btnResetMaxMinM003")->click();
    EXPECT_EQ(window().RunningMaximum[1], -1.0L);
    EXPECT_EQ(window().RunningMinimum, 3.0L);
    EXPECT_EQ(text("lblMinM003"), QStringLiteral("-0,500 Min"));
    reading("M003", QStringLiteral("2000"));
    EXPECT_EQ(text("lblMaxM003"), QStringLiteral("1,000 Max"));
    EXPECT_EQ(text("lblMinM003"), QStringLiteral("1,000 Min"));
}

TEST_F(LiveGaugesTest, AFieldThatDoesNotConvertChangesNothingAndStopsTheRequests)
{
    const struct {
        const char *code;
        const char *good;
        const char *bad;
        const char *instrument;
        const char *valueLabel;
        const char *maximumLabel;
    } cases[] = {
        {"VACU", "0500", "05.0", "GaugeVacuum", "lblVacuum", "lblVacuumMax"},
        {"PART", "0020", "12.5", "pbParticle", "lblParticle", "lblParticleMax"},
        {"OIL_", "0123", "12a4", "GaugeOil", "lblOil", "lblOilMax"},
        {"M2K_", "1500", "    ", "GaugeM2K_", "lblM2K_", "lblM2K_Max"},
        {"LOSS", "1000", "", "pbLoss", "lblLoss", "lblLossMax"},
    };
    for (const auto &c : cases) {
        enter(c.code);
        reading(c.code, QLatin1String(c.good));
        window().Timer2->fire();
        const QString valueText = text(c.valueLabel);
        const QString maximumText = text(c.maximumLabel);
        const double value = instrumentValue(c.instrument);
        const std::array<long double, 12> maxima = window().RunningMaximum;
        const qsizetype sent = tester->written.size();

        reading(c.code, QLatin1String(c.bad));
        EXPECT_EQ(text(c.valueLabel), valueText) << c.code;
        EXPECT_EQ(text(c.maximumLabel), maximumText) << c.code;
        EXPECT_EQ(instrumentValue(c.instrument), value) << c.code;
        EXPECT_EQ(window().RunningMaximum, maxima) << c.code;
        EXPECT_FALSE(window().DataReceived) << c.code;
        window().Timer2->fire();
        window().Timer2->fire();
        EXPECT_EQ(tester->written.size(), sent) << c.code << ": no request until the next entry";
    }
    enter("VACU");
    window().Timer2->fire();
    EXPECT_EQ(tester->commands().last(), QStringLiteral("KLT37_VACU|"));
}

TEST_F(LiveGaugesTest, AReadingForAnotherScreenChangesNothing)
{
    enter("ADBL");
    reading("ADBL", QStringLiteral("0080"));
    window().DataReceived = false;
    reading("FUEL", QStringLiteral("0050"));
    EXPECT_FALSE(window().DataReceived);
    EXPECT_EQ(text("lblFuel"), QStringLiteral("0.0 Bar"));
    EXPECT_EQ(text("lblFuelMax"), QStringLiteral("0.0 Max"));
    EXPECT_EQ(dial("GaugeFuel")->value(), 0.0);
    EXPECT_EQ(window().RunningMaximum[4], 0.0L);
    EXPECT_EQ(text("lblAdblue"), QStringLiteral(" 8,0 Bar"));
    EXPECT_EQ(window().RunningMaximum[5], 8.0L);
}

struct ScreenCase {
    const char *screen;
    const char *instrument;
    const char *caption; // dials only
    double minimum, maximum;
    int majorTicks;
    bool peakHand;
    std::initializer_list<std::pair<const char *, const char *>> labels;
    const char *resetButton;
    const char *resetCaption;
};

TEST_F(LiveGaugesTest, BuildsEachLiveScreenWithItsInstrumentLabelsAndResetButton)
{
    const ScreenCase cases[] = {
        {"GroupOil",
         "GaugeOil",
         "OIL Pressure",
         0,
         10,
         11,
         true,
         {{"lblOil", "0.0 Bar"}, {"lblOilMax", "0.0 Max"}},
         "btnResetMaxOil",
         "Reset Max"},
        {"GroupM003",
         "GaugeM003",
         "Manometer",
         -1,
         3,
         9,
         false,
         {{"lblM003", "-0.000 Bar"}, {"lblMaxM003", "-0.000 Max"}, {"lblMinM003", "-0.000 Min"}},
         "btnResetMaxMinM003",
         "Reset Max / Min"},
        {"GroupLoss",
         "pbLoss",
         nullptr,
         0,
         100,
         0,
         false,
         {{"lblLoss", "0 %"}, {"lblLossMax", "0% Max"}},
         "btnResetMaxLoss",
         "Reset Max"},
        {"GroupVacuum",
         "GaugeVacuum",
         "Vacuum",
         0,
         1000,
         11,
         true,
         {{"lblVacuum", "0 mbar"}, {"lblVacuumMax", "0 Max"}},
         "btnResetMaxVacuum",
         "Reset Max"},
        {"GroupFuel",
         "GaugeFuel",
         "Fuel pressure",
         0,
         10,
         11,
         true,
         {{"lblFuel", "0.0 Bar"}, {"lblFuelMax", "0.0 Max"}},
         "btnResetFuel",
         "Reset Max"},
        {"GroupAdblue",
         "GaugeAdblue",
         "AdBlue pressure",
         0,
         30,
         7,
         true,
         {{"lblAdblue", "0.0 Bar"}, {"lblAdblueMax", "0.0 Max"}},
         "btnResetAdblue",
         "Reset Max"},
        {"GroupParticle",
         "pbParticle",
         nullptr,
         0,
         50,
         0,
         false,
         {{"lblParticle", "0 mbar"}, {"lblParticleMax", "0 Max"}},
         "btnResetParticle",
         "Reset Max"},
        {"GroupCooling",
         "GaugeCooling",
         "Cooling pressure",
         0,
         30,
         7,
         true,
         {{"lblCooling", "0.0 Bar"}, {"lblCoolingMax", "0.0 Max"}},
         "btnResetCooling",
         "Reset Max"},
        {"GroupM300",
         "GaugeM300",
         "Manometer",
         0,
         300,
         7,
         true,
         {{"lblM300", "0.0 Bar"}, {"lblM300Max", "0.0 Max"}},
         "btnResetM300",
         "Reset Max"},
        {"GroupM2K_",
         "GaugeM2K_",
         "Manometer",
         0,
         2000,
         9,
         true,
         {{"lblM2K_", "0 Bar"}, {"lblM2K_Max", "0 Max"}},
         "btnResetM2K_",
         "Reset Max"},
        {"GroupCRHP",
         "GaugeCRHP",
         "High pressure\nDiesel",
         0,
         2000,
         9,
         true,
         {{"lblCRHP", "0 Bar"}, {"lblCRHPMax", "0 Max"}},
         "btnResetCRHP",
         "Reset Max"},
        {"GroupFSI",
         "GaugeFSI",
         "High Pressure\nPetrol",
         0,
         300,
         7,
         true,
         {{"lblFSI", "0.0 Bar"}, {"lblFSIMax", "0.0 Max"}},
         "btnResetFSI",
         "Reset Max"},
    };
    for (const ScreenCase &c : cases) {
        const auto *screen = window().findChild<ScreenGroupBox *>(QLatin1String(c.screen));
        ASSERT_NE(screen, nullptr) << c.screen;
        if (c.caption) {
            const Dial *gauge = screen->findChild<Dial *>(QLatin1String(c.instrument));
            ASSERT_NE(gauge, nullptr) << c.instrument;
            EXPECT_EQ(gauge->size(), QSize(223, 233)) << c.instrument;
            EXPECT_LT(gauge->x(), 20) << c.instrument;
            EXPECT_EQ(gauge->caption(), QLatin1String(c.caption));
            EXPECT_EQ(gauge->minimum(), c.minimum) << c.instrument;
            EXPECT_EQ(gauge->maximum(), c.maximum) << c.instrument;
            EXPECT_EQ(gauge->majorTicks(), c.majorTicks) << c.instrument;
            EXPECT_EQ(gauge->peakHand() != nullptr, c.peakHand) << c.instrument;
            EXPECT_EQ(gauge->isReversed(), QLatin1String(c.instrument) == "GaugeVacuum");
        } else {
            const BlockBar *blocks = screen->findChild<BlockBar *>(QLatin1String(c.instrument));
            ASSERT_NE(blocks, nullptr) << c.instrument;
            EXPECT_EQ(blocks->size(), QSize(433, 49)) << c.instrument;
            EXPECT_EQ(blocks->minimum(), c.minimum) << c.instrument;
            EXPECT_EQ(blocks->maximum(), c.maximum) << c.instrument;
            EXPECT_EQ(blocks->blendsZones(), QLatin1String(c.instrument) == "pbLoss");
        }
        const int pixels = c.labels.size() == 3 || QLatin1String(c.screen) == "GroupLoss" ? 35 : 37;
        int previousTop = -1;
        for (const auto &[name, initial] : c.labels) {
            const QLabel *shown = screen->findChild<QLabel *>(QLatin1String(name));
            ASSERT_NE(shown, nullptr) << name;
            EXPECT_EQ(shown->text(), QLatin1String(initial)) << name;
            EXPECT_EQ(shown->font().family(), QStringLiteral("Tahoma")) << name;
            EXPECT_EQ(shown->font().pixelSize(), pixels) << name;
            EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0x11, 0x6F, 0xCC));
            if (c.caption) {
                EXPECT_TRUE(shown->alignment() & Qt::AlignRight) << name;
            }
            if (QLatin1String(c.screen) != "GroupParticle") {
                EXPECT_GT(shown->y(), previousTop) << name << " stands below the one before";
                previousTop = shown->y();
            }
        }
        const QPushButton *reset = screen->findChild<QPushButton *>(QLatin1String(c.resetButton));
        ASSERT_NE(reset, nullptr) << c.resetButton;
        EXPECT_EQ(reset->text(), QLatin1String(c.resetCaption));
        EXPECT_GT(reset->y(), previousTop) << c.resetButton;
    }
}

TEST_F(LiveGaugesTest, LeavesTheCornerOfTheUsbIndicatorFreeAndTheLabelsRoomForTheirTexts)
{
    const QRect usbCorner(389, 239, 100, 26);
    for (const ScreenGroupBox *screen : window().findChildren<ScreenGroupBox *>()) {
        for (const QWidget *part : screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (part->isHidden())
                continue;
            EXPECT_TRUE(screen->rect().contains(part->geometry()))
                << qPrintable(part->objectName());
            EXPECT_FALSE(part->geometry().intersects(usbCorner)) << qPrintable(part->objectName());
        }
    }
    // The widest texts each label can show.
    const std::pair<const char *, const char *> widest[] = {
        {"lblOil", "100,0 Bar"},    {"lblM003", "-1,000 Bar"},      {"lblMinM003", "-1,000 Min"},
        {"lblLoss", "100 %"},       {"lblVacuum", "1000 mbar"},     {"lblParticle", "  50 mbar"},
        {"lblM300", "300,0 Bar"},   {"lblM2K_Max", "2000 Max"},     {"lblCRHP", "2000 Bar"},
        {"lblFSIMax", "300,0 Max"}, {"lblParticleMax", "  50 Max"},
    };
    for (const auto &[name, widestText] : widest) {
        const QLabel *shown = label(name);
        EXPECT_LE(shown->fontMetrics().horizontalAdvance(QLatin1String(widestText)), shown->width())
            << name;
        EXPECT_GE(shown->height(), shown->fontMetrics().height()) << name;
    }
}

} // namespace
