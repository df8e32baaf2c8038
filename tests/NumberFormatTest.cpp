#include "app/NumberFormat.h"

#include "support/QStringPrinter.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace
{

class NumberFormatTest : public ::testing::Test
{
protected:
    void SetUp() override { NumberFormat::setDecimalSeparator(QLatin1Char(',')); }
};

struct RealCase {
    const char *pattern;
    long double value;
    const char *expected;
};

TEST_F(NumberFormatTest, FormatsRealsWithTheDecimalComma)
{
    const RealCase cases[] = {
        {"%4.1f Bar", 2.5L, " 2,5 Bar"},         {"%4.1f Bar", 12.3L, "12,3 Bar"},
        {"%4.1f Max", 123.46L, "123,5 Max"},     {"%4.3f Bar", -1.0L, "-1,000 Bar"},
        {"%4.3f Min", 0.0L, "0,000 Min"},        {"%4.0f mbar", 0.0L, "   0 mbar"},
        {"%4.0f Bar", 1500.0L, "1500 Bar"},      {"%3.0f %%", 50.0L, " 50 %"},
        {"%3.0f Max", 100.0L, "100 Max"},        {"%4.1n Bar", 8.5L, " 8,5 Bar"},
        {"%4.1n Bar", 1234.5L, "1.234,5 Bar"},   {"%4.1n Bar", 1234567.0L, "1.234.567,0 Bar"},
        {"%4.1n Bar", -1234.5L, "-1.234,5 Bar"},
    };
    for (const RealCase &c : cases) {
        EXPECT_EQ(NumberFormat::format(QString::fromUtf8(c.pattern), {c.value}).toStdString(),
                  c.expected)
            << c.pattern << " " << double(c.value);
    }
}

TEST_F(NumberFormatTest, CombinesIntegersAndReals)
{
    EXPECT_EQ(NumberFormat::format(QStringLiteral("Cylinder # %1u: %4.1n Bar"), {2u, 8.5L}),
              QStringLiteral("Cylinder # 2:  8,5 Bar"));
    EXPECT_EQ(NumberFormat::format(QStringLiteral("%d bytes Transferred"), {1048576}),
              QStringLiteral("1048576 bytes Transferred"));
}

TEST_F(NumberFormatTest, UsesTheProgramSeparatorNotTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    NumberFormat::setDecimalSeparator(QLatin1Char('.'));
    EXPECT_EQ(NumberFormat::format(QStringLiteral("Version %1.2f"), {1.05L}),
              QStringLiteral("Version 1.05"));
    NumberFormat::setDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(NumberFormat::format(QStringLiteral("%4.1f Bar"), {2.5L}),
              QStringLiteral(" 2,5 Bar"));
    QLocale::setDefault(QLocale::c());
}

TEST_F(NumberFormatTest, LeavesTextWithoutDirectivesAlone)
{
    EXPECT_EQ(NumberFormat::format(QStringLiteral("100% sure"), {}), QStringLiteral("100% sure"));
    EXPECT_EQ(NumberFormat::format(QStringLiteral("%4.1f"), {}), QStringLiteral("%4.1f"));
    EXPECT_EQ(NumberFormat::format(QStringLiteral("%-6s|"), {"ab"}), QStringLiteral("ab    |"));
}

} // namespace
