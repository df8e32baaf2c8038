#include "link/HidReportDescriptor.h"

#include "support/ReportDescriptors.h"

#include <gtest/gtest.h>

namespace
{

struct DescriptorCase {
    const char *name;
    QByteArray descriptor;
    std::optional<HidReportLayout> layout;
};

HidReportLayout layout(bool numbered, int inputLength, int outputLength)
{
    return {numbered, inputLength, outputLength};
}

TEST(HidReportDescriptorTest, FindsTheReportLayout)
{
    const DescriptorCase cases[] = {
        {"the tester's 64 bytes in and out", testerReportDescriptor(), layout(false, 65, 65)},
        {"numbered reports, the longest counts", numberedReportDescriptor(), layout(true, 9, 33)},
        {"a boot keyboard's bit fields and padding",
         descriptorOf({0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15,
                       0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08,
                       0x81, 0x01, 0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91,
                       0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06, 0x75, 0x08, 0x15, 0x00,
                       0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0}),
         layout(false, 9, 2)},
        {"push and pop keep size, count and report ID",
         descriptorOf({0x85, 0x01, 0x75, 0x08, 0x95, 0x02, 0xA4, 0x85, 0x02, 0x75,
                       0x10, 0x95, 0x10, 0x91, 0x02, 0xB4, 0x91, 0x02, 0x81, 0x02}),
         layout(true, 3, 33)},
        {"four-byte data and a long item",
         descriptorOf({0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x77, 0x08, 0x00, 0x00, 0x00, 0x97, 0x10, 0x00,
                       0x00, 0x00, 0x91, 0x02}),
         layout(false, 1, 17)},
        {"no output report", descriptorOf({0x75, 0x08, 0x95, 0x10, 0x81, 0x02}),
         layout(false, 17, 1)},
        {"empty", QByteArray(), std::nullopt},
        {"cut short inside an item", testerReportDescriptor().left(15), std::nullopt},
        {"cut short inside a long item", descriptorOf({0xFE, 0x05, 0x10, 0x01, 0x02}),
         std::nullopt},
        {"pop without push", descriptorOf({0x75, 0x08, 0xB4, 0x91, 0x02}), std::nullopt},
        {"report ID 0", descriptorOf({0x85, 0x00, 0x75, 0x08, 0x95, 0x01, 0x91, 0x02}),
         std::nullopt},
        {"a field wider than 256 bits", descriptorOf({0x76, 0x01, 0x01, 0x95, 0x01, 0x91, 0x02}),
         std::nullopt},
    };
    for (const DescriptorCase &test : cases) {
        const std::optional<HidReportLayout> found = parseHidReportDescriptor(test.descriptor);
        ASSERT_EQ(found.has_value(), test.layout.has_value()) << test.name;
        if (!found)
            continue;
        EXPECT_EQ(found->numberedReports, test.layout->numberedReports) << test.name;
        EXPECT_EQ(found->inputReportLength, test.layout->inputReportLength) << test.name;
        EXPECT_EQ(found->outputReportLength, test.layout->outputReportLength) << test.name;
    }
}

} // namespace
