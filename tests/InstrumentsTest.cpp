#include "app/NumberFormat.h"
#include "measure/widgets/BlockBar.h"
#include "measure/widgets/Dial.h"
#include "measure/widgets/PeakHand.h"
#include "support/ManualHoldTimer.h"
#include "support/QStringPrinter.h"

#include <QImage>
#include <QtMath>

#include <cmath>
#include <gtest/gtest.h>

namespace
{

constexpr ColourZone kManometer[] = {{0.25, 0xDC143C}, {0.75, 0x7FFF00}};
constexpr ColourZone kLoss[] = {{0.1, 0x00FF00}, {0.3, 0x006400}, {0.3, 0xFFFF00}, {0.3, 0xFF0000}};
constexpr ColourZone kParticle[] = {{0.3, 0x00FF00}, {0.2, 0xFF8C00}, {0.5, 0xFF0000}};

// The colour of the dial's picture at a distance from its centre, as a share of its radius,
// in the direction of a value.
QColor pixelAt(const Dial &dial, const QImage &picture, double value, double share)
{
    const double radius = std::min(dial.width(), dial.height()) / 2.0;
    const double angle = qDegreesToRadians(dial.angleOf(value));
    const QPointF point(dial.width() / 2.0 + share * radius * std::cos(angle),
                        dial.height() / 2.0 - share * radius * std::sin(angle));
    return picture.pixelColor(point.toPoint());
}

bool isDark(const QColor &colour)
{
    return colour.red() < 70 && colour.green() < 70 && colour.blue() < 70;
}

bool isRed(const QColor &colour)
{
    return colour.red() > 160 && colour.green() < 80 && colour.blue() < 80;
}

bool isNear(const QColor &colour, QRgb expected)
{
    const QColor want(expected);
    return std::abs(colour.red() - want.red()) < 40 &&
           std::abs(colour.green() - want.green()) < 40 &&
           std::abs(colour.blue() - want.blue()) < 40;
}

// Whether the colour shows anywhere on the ray of a value between two shares of the radius.
bool showsOnRay(const Dial &dial, const QImage &picture, double value, QRgb colour)
{
    for (double share = 0.75; share < 1.0; share += 0.01) {
        if (isNear(pixelAt(dial, picture, value, share), colour))
            return true;
    }
    return false;
}

Dial *dialOf(double minimum, double maximum, int majorTicks, bool reversed = false)
{
    auto *dial = new Dial;
    dial->resize(223, 233);
    dial->setScale(minimum, maximum, majorTicks, reversed);
    return dial;
}

TEST(DialTest, SweepsTwoHundredSeventyDegreesFromLowerLeftToLowerRight)
{
    const struct {
        double minimum, maximum;
        bool reversed;
        double value, degrees;
    } cases[] = {
        {0, 10, false, 0, 225},     {0, 10, false, 10, -45},    {0, 10, false, 5, 90},
        {0, 10, false, -3, 225},    {0, 10, false, 12, -45},    {-1, 3, false, 0, 157.5},
        {0, 1000, true, 0, -45},    {0, 1000, true, 1000, 225}, {0, 1000, true, 250, 22.5},
        {0, 1000, true, 1200, 225},
    };
    for (const auto &c : cases) {
        const std::unique_ptr<Dial> dial(dialOf(c.minimum, c.maximum, 11, c.reversed));
        EXPECT_DOUBLE_EQ(dial->angleOf(c.value), c.degrees)
            << c.minimum << " to " << c.maximum << (c.reversed ? " reversed, " : ", ") << c.value;
    }
}

TEST(DialTest, LabelsEveryMajorTickCountingBothEnds)
{
    // The program runs with the decimal comma from its start.
    NumberFormat::setDecimalSeparator(QLatin1Char(','));
    const std::unique_ptr<Dial> oil(dialOf(0, 10, 11));
    EXPECT_EQ(oil->tickLabels(),
              (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    const std::unique_ptr<Dial> manometer(dialOf(-1, 3, 9));
    EXPECT_EQ(manometer->tickLabels(),
              (QStringList{"-1", "-0,5", "0", "0,5", "1", "1,5", "2", "2,5", "3"}));
    const std::unique_ptr<Dial> commonRail(dialOf(0, 2000, 9));
    EXPECT_EQ(commonRail->tickLabels(),
              (QStringList{"0", "250", "500", "750", "1000", "1250", "1500", "1750", "2000"}));
}

TEST(DialTest, DrawsTheBlackHandWhereTheValueLiesAndTheZonesOutsideTheTicks)
{
    const std::unique_ptr<Dial> dial(dialOf(-1, 3, 9));
    dial->setZones(kManometer);
    const QImage atStart = dial->grab().toImage();
    EXPECT_FALSE(isDark(pixelAt(*dial, atStart, 2, 0.4))) << "no hand there yet";

    dial->setValue(2);
    const QImage picture = dial->grab().toImage();
    EXPECT_TRUE(isDark(pixelAt(*dial, picture, 2, 0.25)));
    EXPECT_TRUE(isDark(pixelAt(*dial, picture, 2, 0.4)));
    EXPECT_FALSE(isDark(pixelAt(*dial, picture, 0.5, 0.4)));
    EXPECT_TRUE(showsOnRay(*dial, picture, -0.5, 0xDC143C));
    EXPECT_FALSE(showsOnRay(*dial, picture, -0.5, 0x7FFF00));
    EXPECT_TRUE(showsOnRay(*dial, picture, 2.5, 0x7FFF00));
}

TEST(DialTest, TheVacuumScaleRisesAnticlockwise)
{
    const std::unique_ptr<Dial> dial(dialOf(0, 1000, 11, true));
    dial->setValue(250);
    const QImage picture = dial->grab().toImage();
    // 250 mbar lies right of the top, where 750 lies on a scale that is not reversed.
    const QPointF centre(dial->width() / 2.0, dial->height() / 2.0);
    const double reach = 0.4 * dial->width() / 2.0;
    const auto at = [&](double degrees) {
        const double angle = qDegreesToRadians(degrees);
        return picture.pixelColor(
            (centre + QPointF(reach * std::cos(angle), -reach * std::sin(angle))).toPoint());
    };
    EXPECT_TRUE(isDark(at(22.5)));
    EXPECT_FALSE(isDark(at(157.5)));
}

TEST(DialTest, ThePeakHandHoldsTheHighestReadingForTwoSeconds)
{
    const std::unique_ptr<Dial> dial(dialOf(0, 10, 11));
    PeakHand *peak = dial->addPeakHand();
    auto *timer = new ManualHoldTimer;
    peak->setHoldTimer(timer);

    dial->setValue(5);
    EXPECT_EQ(peak->value(), 5);
    timer->advance(1000);
    dial->setValue(3);
    EXPECT_EQ(peak->value(), 5) << "a lower reading neither moves nor restarts the hold";
    const QImage held = dial->grab().toImage();
    EXPECT_TRUE(isRed(pixelAt(*dial, held, 5, 0.4)));
    EXPECT_TRUE(isDark(pixelAt(*dial, held, 3, 0.4)));

    timer->advance(999);
    EXPECT_EQ(peak->value(), 5);
    timer->advance(1);
    EXPECT_EQ(peak->value(), 3)
        << "2000 ms after the reading of 5 it falls back to the current one";
    EXPECT_FALSE(peak->isHolding());
    dial->setValue(2);
    EXPECT_EQ(peak->value(), 2) << "after the fall-back it rides with the main hand";

    dial->setValue(4);
    timer->advance(1500);
    dial->setValue(4);
    timer->advance(1999);
    dial->setValue(1);
    EXPECT_EQ(peak->value(), 4) << "an equal reading starts the hold again";
    timer->advance(1);
    EXPECT_EQ(peak->value(), 1);
}

TEST(DialTest, TheTrackingHandsFollowTheLowestAndHighestValue)
{
    const std::unique_ptr<Dial> dial(dialOf(0, 30, 7));
    dial->setRangeTracking(true);
    EXPECT_FALSE(dial->trackedMinimum());
    dial->setValue(12.5);
    EXPECT_EQ(dial->trackedMinimum(), 12.5);
    EXPECT_EQ(dial->trackedMaximum(), 12.5);
    dial->setValue(8);
    dial->setValue(15);
    dial->setValue(10);
    EXPECT_EQ(dial->trackedMinimum(), 8);
    EXPECT_EQ(dial->trackedMaximum(), 15);
}

TEST(BlockBarTest, LightsTheBlocksUpToTheValue)
{
    BlockBar bar;
    bar.resize(433, 49);
    bar.setRange(0, 100);
    const struct {
        double value;
        int lit;
    } cases[] = {{0, 0}, {1, 1}, {50, 25}, {99, 50}, {100, 50}, {130, 50}, {-5, 0}};
    for (const auto &c : cases) {
        bar.setValue(c.value);
        EXPECT_EQ(bar.litBlocks(), c.lit) << c.value;
    }
}

TEST(BlockBarTest, TheParticleZonesAreDiscrete)
{
    BlockBar bar;
    bar.setRange(0, 50);
    bar.setZones(kParticle, false);
    // Each of the 50 blocks covers one mbar.
    const struct {
        int block;
        QRgb colour;
    } cases[] = {{0, 0x00FF00},  {14, 0x00FF00}, {15, 0xFF8C00},
                 {24, 0xFF8C00}, {25, 0xFF0000}, {49, 0xFF0000}};
    for (const auto &c : cases)
        EXPECT_EQ(bar.blockColour(c.block), QColor(c.colour)) << c.block;
}

TEST(BlockBarTest, TheLossZonesBlendFromTheMiddleOfOneToTheMiddleOfTheNext)
{
    BlockBar bar;
    bar.setRange(0, 100);
    bar.setZones(kLoss, true);
    EXPECT_EQ(bar.blockColour(2), QColor(0x00FF00));
    EXPECT_EQ(bar.blockColour(12), QColor(0x006400));
    EXPECT_EQ(bar.blockColour(27), QColor(0xFFFF00));
    EXPECT_EQ(bar.blockColour(42), QColor(0xFF0000));
    const QColor between = bar.blockColour(5);
    EXPECT_EQ(between.red(), 0);
    EXPECT_GT(between.green(), 0x64);
    EXPECT_LT(between.green(), 0xFF);
}

TEST(BlockBarTest, DrawsLitBlocksInTheirZoneColourAndTheOthersDim)
{
    BlockBar bar;
    bar.resize(433, 49);
    bar.setRange(0, 50);
    bar.setZones(kParticle, false);
    bar.setValue(20);
    const QImage picture = bar.grab().toImage();
    const auto middleOf = [&](int block) {
        return picture.pixelColor(qRound(bar.positionOf((block + 0.4) / BlockBar::kBlocks)), 24);
    };
    EXPECT_TRUE(isNear(middleOf(5), 0x00FF00));
    EXPECT_TRUE(isNear(middleOf(17), 0xFF8C00));
    const QColor unlit = middleOf(40);
    EXPECT_LT(unlit.red(), 120) << "the red zone is not lit at 20 mbar";
}

} // namespace
