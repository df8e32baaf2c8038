#include "app/IniFile.h"

#include "support/ProgramFolder.h"
#include "support/QStringPrinter.h"
#include "support/ReadOnlyFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{

class IniFileTest : public ::testing::Test
{
protected:
    QString content() const { return QString::fromUtf8(folder.read(QStringLiteral("Tester.ini"))); }
    void setContent(const char *text) const { folder.write(QStringLiteral("Tester.ini"), text); }

    ProgramFolder folder;
    IniFile ini{folder.file(QStringLiteral("Tester.ini"))};
};

TEST_F(IniFileTest, ReadsMissingFileSectionOrKeyAsTheDefault)
{
    EXPECT_EQ(ini.readString("OEM", "OEM"), QString());
    EXPECT_EQ(ini.readString("OEM", "OEM", "none"), QStringLiteral("none"));
    setContent("[Other]\nOEM=Zorvane\n[OEM]\nBrand=x\n");
    EXPECT_EQ(ini.readString("OEM", "OEM", "none"), QStringLiteral("none"));
    EXPECT_EQ(ini.readString("Missing", "OEM", "none"), QStringLiteral("none"));
}

TEST_F(IniFileTest, ReadsValuesAsProfileFilesDo)
{
    setContent("; comment=1\n"
               "[ customer_details ]\n"
               "  vin = WVW123  \n"
               "Brand=\"Volkswagen \"\n"
               "Model='Golf'\n"
               "Plate=\"unbalanced\n"
               "Name=first\n"
               "name=second\n"
               "Surname=a=b\n"
               "[Customer_Details]\n"
               "Empty=\n");
    const char *section = "Customer_Details";
    EXPECT_EQ(ini.readString(section, "VIN"), QStringLiteral("WVW123"));
    EXPECT_EQ(ini.readString(section, "Brand"), QStringLiteral("Volkswagen "));
    EXPECT_EQ(ini.readString(section, "Model"), QStringLiteral("Golf"));
    EXPECT_EQ(ini.readString(section, "Plate"), QStringLiteral("\"unbalanced"));
    EXPECT_EQ(ini.readString(section, "NAME"), QStringLiteral("first"));
    EXPECT_EQ(ini.readString(section, "Surname"), QStringLiteral("a=b"));
    EXPECT_EQ(ini.readString(section, "; comment"), QString());
}

TEST_F(IniFileTest, ReadsEveryTimeFromTheFile)
{
    setContent("[OEM]\nOEM=Zorvane\n");
    EXPECT_EQ(ini.readString("OEM", "OEM"), QStringLiteral("Zorvane"));
    setContent("[OEM]\nOEM=Other\n");
    EXPECT_EQ(ini.readString("OEM", "OEM"), QStringLiteral("Other"));
}

TEST_F(IniFileTest, ReadsIntegers)
{
    setContent("[PC_Version]\nVersion=106\n[Orvalux_Version]\nVersion=1.2\n");
    EXPECT_EQ(ini.readInteger("PC_Version", "Version", 0), 106);
    EXPECT_EQ(ini.readInteger("Orvalux_Version", "Version", 0), 0);
    EXPECT_EQ(ini.readInteger("Missing", "Version", 0), 0);
}

TEST_F(IniFileTest, CreatesTheFileAndTheSectionOnTheFirstWrite)
{
    ASSERT_TRUE(ini.writeString("Customer_Details", "VIN", "WVW123"));
    ASSERT_TRUE(ini.writeString("Customer_Details", "Brand", ""));
    ASSERT_TRUE(ini.writeString("Workshop_Details", "Workshop_Name", "Garage"));
    EXPECT_EQ(content(), QStringLiteral("[Customer_Details]\nVIN=WVW123\nBrand=\n\n"
                                        "[Workshop_Details]\nWorkshop_Name=Garage\n"));
    EXPECT_EQ(ini.readString("Customer_Details", "Brand", "x"), QString());
}

TEST_F(IniFileTest, WritesOneKeyAndKeepsEverythingElse)
{
    setContent("; Tester settings\r\n"
               "[OEM]\r\n"
               "OEM=Zorvane\r\n"
               "\r\n"
               "[customer_details]\r\n"
               "vin = OLD\r\n"
               "Colour=red ; kept as written\r\n"
               "\r\n"
               "[Extra]\r\n"
               "Key=Value");
    ASSERT_TRUE(ini.writeString("Customer_Details", "VIN", "NEW"));
    ASSERT_TRUE(ini.writeString("Customer_Details", "Brand", "Seat"));
    ASSERT_TRUE(ini.writeString("Extra", "Other", "1"));
    EXPECT_EQ(content(), QStringLiteral("; Tester settings\r\n"
                                        "[OEM]\r\n"
                                        "OEM=Zorvane\r\n"
                                        "\r\n"
                                        "[customer_details]\r\n"
                                        "vin=NEW\r\n"
                                        "Colour=red ; kept as written\r\n"
                                        "Brand=Seat\r\n"
                                        "\r\n"
                                        "[Extra]\r\n"
                                        "Key=Value\r\n"
                                        "Other=1\r\n"));
}

TEST_F(IniFileTest, KeepsTheEncodingOfTheFile)
{
    setContent("[Workshop_Details]\nWorkshop_Name=Taller Mu\xF1oz\n");
    EXPECT_EQ(ini.readString("Workshop_Details", "Workshop_Name"), QStringLiteral("Taller Muñoz"));
    ASSERT_TRUE(ini.writeString("Workshop_Details", "Workshop_Address1", "Calle Peñón"));
    EXPECT_EQ(folder.read("Tester.ini"),
              QByteArray("[Workshop_Details]\nWorkshop_Name=Taller Mu\xF1oz\n"
                         "Workshop_Address1=Calle Pe\xF1\xF3n\n"));
    // A character the code page has no byte for turns the file into UTF-8 instead of losing it.
    ASSERT_TRUE(ini.writeString("Workshop_Details", "Workshop_Address2", "Łódź"));
    EXPECT_EQ(ini.readString("Workshop_Details", "Workshop_Name"), QStringLiteral("Taller Muñoz"));
    EXPECT_EQ(ini.readString("Workshop_Details", "Workshop_Address2"), QStringLiteral("Łódź"));
}

TEST_F(IniFileTest, KeepsAValueOnOneLine)
{
    ASSERT_TRUE(ini.writeString("Customer_Details", "Name", "Ann\n[OEM]\nOEM=Zorvane"));
    EXPECT_EQ(ini.readString("OEM", "OEM"), QString());
    EXPECT_EQ(ini.readString("Customer_Details", "Name"), QStringLiteral("Ann [OEM] OEM=Zorvane"));
}

TEST_F(IniFileTest, ReportsAWriteThatFails)
{
    const ReadOnlyFolder readOnly;
    IniFile locked(readOnly.path() + QStringLiteral("Tester.ini"));
    EXPECT_FALSE(locked.writeString("Customer_Details", "VIN", "x"));
    EXPECT_EQ(locked.writeErrorText(),
              QStringLiteral("Unable to write to ") +
                  QDir::toNativeSeparators(readOnly.path() + QStringLiteral("Tester.ini")));

    IniFile nowhere(folder.file(QStringLiteral("missing/Tester.ini")));
    EXPECT_FALSE(nowhere.writeString("Customer_Details", "VIN", "x"));
}

TEST_F(IniFileTest, LeavesNoTemporaryFileBehind)
{
    setContent("[OEM]\nOEM=Zorvane\n");
    ASSERT_TRUE(ini.writeString("Customer_Details", "VIN", "x"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("Tester.ini")});
}

} // namespace
