#include "reports/ReportTemplate.h"

#include "support/QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

const char *const kReports[] = {
    "KLT37V1_Report",         "KLT37V1_AdBlue_Report", "KLT37V1_HP_Report",  "KLT37V1_Fuel_Report",
    "KLT37V1_Cooling_Report", "KLT37V1_Oil_Report",    "KLT37V1_FSI_Report",
};

TEST(ReportTemplateTest, LoadsTheSevenReportsWithTheSharedBlock)
{
    for (const char *name : kReports) {
        SCOPED_TRACE(name);
        ReportTemplate layout;
        ASSERT_TRUE(layout.load(ReportTemplate::resourceFile(QLatin1String(name))))
            << layout.errorString().toStdString();
        EXPECT_EQ(layout.font().family(), QStringLiteral("Arial"));
        EXPECT_TRUE(layout.font().bold());
        EXPECT_EQ(layout.textColor(), QColor(Qt::black));
        // The shared block comes first: the shadow, then the white frame drawn over it.
        ASSERT_GE(layout.elements().size(), 2u);
        const auto *shadow = std::get_if<ReportRectangle>(&layout.elements()[0]);
        const auto *frame = std::get_if<ReportRectangle>(&layout.elements()[1]);
        ASSERT_TRUE(shadow && frame);
        EXPECT_EQ(shadow->fill, QColor(192, 192, 192));
        EXPECT_EQ(frame->fill, QColor(Qt::white));
        EXPECT_EQ(frame->borderWidth, 2);
    }
}

struct BrokenCase {
    const char *report;
    const char *problem; // expected at the end of the error
    const char *file;    // nullptr: the error names no line
    int line;
};

// A report with one broken element on its third line.
TEST(ReportTemplateTest, NamesTheFileTheLineAndTheProblem)
{
    const char *const header = "<?xml version=\"1.0\"?>\n<report font=\"Arial\" bold=\"true\" "
                               "color=\"#000000\">\n";
    const BrokenCase cases[] = {
        {"<box left=\"1\"/>", "unknown element <box>", "Report.xml", 3},
        {"<hline left=\"1\" top=\"2\" widht=\"3\" line=\"2\"/>", "missing attribute \"width\"",
         "Report.xml", 3},
        {"<hline left=\"1\" top=\"2\" width=\"3\" line=\"2\" colour=\"red\"/>",
         "unknown attribute \"colour\"", "Report.xml", 3},
        {"<hline left=\"1,5\" top=\"2\" width=\"3\" line=\"2\"/>",
         "\"left\" must be a number of at least 0: \"1,5\"", "Report.xml", 3},
        {"<vline left=\"1\" top=\"2\" height=\"0\" line=\"2\"/>",
         "\"height\" must be a number above 0: \"0\"", "Report.xml", 3},
        {"<vline left=\"1\" top=\"2\" height=\"3\" line=\"0\"/>",
         "\"line\" must be a whole number of pixels of at least 1: \"0\"", "Report.xml", 3},
        {"<rectangle left=\"1\" top=\"2\" width=\"3\" height=\"4\" fill=\"greyish\" border=\"0\"/>",
         "\"fill\" is not a colour: \"greyish\"", "Report.xml", 3},
        {"<text left=\"1\" top=\"2\" width=\"3\" size=\"12\" align=\"middle\">A</text>",
         "\"align\" must be left, center or right: \"middle\"", "Report.xml", 3},
        {"<text left=\"1\" top=\"2\" width=\"3\" size=\"12\" align=\"left\"> </text>",
         "<text> without a text", "Report.xml", 3},
        {"<datatext left=\"1\" top=\"2\" width=\"3\" size=\"12\" align=\"left\" field=\"VIN\"/>",
         "\"field\" must name a parameter as param.Name: \"VIN\"", "Report.xml", 3},
        {"<datatext left=\"1\" top=\"2\" width=\"3\" size=\"12\" align=\"left\" "
         "field=\"param.VIN\">VIN</datatext>",
         "<datatext> holds no text", "Report.xml", 3},
        {"<mirror left=\"1\" top=\"2\" width=\"3\" height=\"4\" field=\"param.Logotipo\" "
         "value=\"Zorvane\" picture=\":/pictures/NO_SUCH.png\"/>",
         "the picture \":/pictures/NO_SUCH.png\" cannot be read", "Report.xml", 3},
        {"<include file=\"Nested.xml\"/>", "unknown element <include>", "Nested.xml", 2},
        {"<include file=\"Missing.xml\"/>", "Missing.xml: the file cannot be read", nullptr, 0},
        {"<hline left=\"1\" top=\"2\" width=\"3\" line=\"2\">", "", "Report.xml", 4},
    };
    QTemporaryDir dir;
    const auto write = [&](const QString &name, const QByteArray &content) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    write(QStringLiteral("Nested.xml"), "<block>\n<include file=\"Block.xml\"/>\n</block>\n");
    for (const BrokenCase &broken : cases) {
        SCOPED_TRACE(broken.report);
        write(QStringLiteral("Report.xml"), QByteArray(header) + broken.report + "\n</report>\n");
        ReportTemplate layout;
        ASSERT_FALSE(layout.load(dir.filePath(QStringLiteral("Report.xml"))));
        EXPECT_TRUE(layout.isEmpty());
        const QString where = broken.file ? QStringLiteral("%1:%2: ")
                                                .arg(dir.filePath(QLatin1String(broken.file)))
                                                .arg(broken.line)
                                          : QString();
        EXPECT_TRUE(layout.errorString().startsWith(where)) << layout.errorString().toStdString();
        EXPECT_TRUE(layout.errorString().endsWith(QLatin1String(broken.problem)))
            << layout.errorString().toStdString();
    }
}

TEST(ReportTemplateTest, AcceptsTheParameterPrefixInAnyLetterCase)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Report.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<report font=\"Arial\" bold=\"false\" color=\"navy\">\n"
               "<datatext left=\"1\" top=\"2\" width=\"3\" size=\"12\" align=\"right\" "
               "field=\"PARAM.VIN\"/>\n"
               "<mirror left=\"1\" top=\"2\" width=\"3\" height=\"4\" field=\"Param.Logotipo\" "
               "value=\"Zorvane\" picture=\":/pictures/ZORVANE_LOGO.png\"/>\n"
               "</report>\n");
    file.close();
    ReportTemplate layout;
    ASSERT_TRUE(layout.load(file.fileName())) << layout.errorString().toStdString();
    ASSERT_EQ(layout.elements().size(), 2u);
    EXPECT_EQ(std::get<ReportText>(layout.elements()[0]).parameter, QStringLiteral("VIN"));
    EXPECT_EQ(std::get<ReportText>(layout.elements()[0]).alignment, Qt::AlignRight);
    const auto &mirror = std::get<ReportMirror>(layout.elements()[1]);
    EXPECT_EQ(mirror.parameter, QStringLiteral("Logotipo"));
    EXPECT_EQ(mirror.picture.size(), QSize(500, 82));
    EXPECT_FALSE(layout.font().bold());
    EXPECT_EQ(layout.textColor(), QColor(0, 0, 128));
}

} // namespace
