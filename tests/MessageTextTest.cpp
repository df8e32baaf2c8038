#include "link/MessageText.h"

#include "app/NumberFormat.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>
#include <optional>

namespace
{

QString withNuls(const char *text, int nuls)
{
    return QString::fromLatin1(text) + QString(nuls, QChar(0));
}

struct IntegerCase {
    QString field;
    std::optional<int> expected;
};

TEST(MessageTextTest, ConvertsIntegerFieldsStrictly)
{
    const IntegerCase cases[] = {
        {QStringLiteral("0123"), 123},
        {withNuls("004", 1), 4},
        {withNuls("7", 3), 7},
        {QStringLiteral("  12"), 12},
        {QStringLiteral("-5"), -5},
        {QStringLiteral("+7"), 7},
        {QStringLiteral("00002"), 2},
        {QString(), std::nullopt},
        {withNuls("", 4), std::nullopt},
        {withNuls("", 1) + QStringLiteral("12"), std::nullopt},
        {QStringLiteral("12|"), std::nullopt},
        {QStringLiteral("1 2"), std::nullopt},
        {QStringLiteral("12 "), std::nullopt},
        {QStringLiteral("    "), std::nullopt},
        {QStringLiteral("-"), std::nullopt},
        {QStringLiteral("0x1F"), std::nullopt},
        {QStringLiteral("12,5"), std::nullopt},
        {QStringLiteral("99999999999"), std::nullopt},
    };
    for (const IntegerCase &c : cases) {
        EXPECT_EQ(MessageText::toInteger(c.field), c.expected)
            << '"' << c.field.toStdString() << '"';
    }
}

struct RealCase {
    QString field;
    std::optional<long double> expected;
};

TEST(MessageTextTest, ConvertsRealFieldsWithTheDecimalComma)
{
    NumberFormat::setDecimalSeparator(QLatin1Char(','));
    const RealCase cases[] = {
        {QStringLiteral("12,5"), 12.5L},
        {QStringLiteral("1000"), 1000.0L},
        {withNuls("3,0", 1), 3.0L},
        {QStringLiteral(" 850"), 850.0L},
        {QStringLiteral("850 "), 850.0L},
        {QStringLiteral("-0,5"), -0.5L},
        {QStringLiteral(",5"), 0.5L},
        {QStringLiteral("12.5"), std::nullopt},
        {QStringLiteral("1,2,3"), std::nullopt},
        {QStringLiteral(","), std::nullopt},
        {QString(), std::nullopt},
        {withNuls("", 4), std::nullopt},
        {QStringLiteral("12a"), std::nullopt},
    };
    for (const RealCase &c : cases) {
        const std::optional<long double> value = MessageText::toReal(c.field);
        ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.field.toStdString();
        if (value) {
            EXPECT_DOUBLE_EQ(double(*value), double(*c.expected)) << c.field.toStdString();
        }
    }
}

TEST(MessageTextTest, TakesFieldsByOneBasedPosition)
{
    const QString text = QStringLiteral("KLT37_FUNC|OIL_") + QString(49, QChar(0));
    EXPECT_EQ(text.size(), 64);
    EXPECT_EQ(MessageText::code(text), QStringLiteral("KLT37_FUNC"));
    EXPECT_EQ(MessageText::field(text, 12, 4), QStringLiteral("OIL_"));
    EXPECT_EQ(MessageText::field(text, 7, 4), QStringLiteral("FUNC"));
    EXPECT_EQ(MessageText::field(text, 62, 5), QString(3, QChar(0)));
    EXPECT_EQ(MessageText::field(text, 65, 4), QString());
    EXPECT_EQ(MessageText::code(QStringLiteral("KLT37")), QStringLiteral("KLT37"));
}

TEST(MessageTextTest, MakesOneCharacterOfEachByte)
{
    const QByteArray report("KLT37_VERS|\x80\xE9\x81\0\0", 16);
    const QString text = MessageText::fromReport(report);
    ASSERT_EQ(text.size(), 16);
    EXPECT_EQ(text.left(11), QStringLiteral("KLT37_VERS|"));
    EXPECT_EQ(text[11], QChar(0x20AC));
    EXPECT_EQ(text[12], QChar(0xE9));
    EXPECT_EQ(text[13], QChar(0x81));
    EXPECT_EQ(text[15], QChar(0));
}

} // namespace
