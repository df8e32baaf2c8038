#include "app/Main.h"
#include "app/NumberFormat.h"
#include "app/ScreenGroupBox.h"
#include "support/FakeFtpClient.h"
#include "support/FakeHidController.h"
#include "support/Pictures.h"
#include "support/ProgramFolder.h"
#include "support/QStringPrinter.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>
#include <memory>

namespace
{

class MainWindowTest : public ::testing::Test
{
protected:
    TForm1 &createForm()
    {
        form = std::make_unique<TForm1>(folder.path(), &hid, &ftp);
        return *form;
    }

    ProgramFolder folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    std::unique_ptr<TForm1> form;
};

struct BrandingCase {
    const char *settings; // nullptr: no settings file
    const char *brand;
    const char *picture;
};

TEST_F(MainWindowTest, ChoosesTheBrandingFromTheSettingsFile)
{
    const BrandingCase cases[] = {
        {"[OEM]\nOEM=Zorvane\n", "Zorvane", "ZORVANE_OFF"},
        {"[oem]\r\noem = Zorvane\r\n", "Zorvane", "ZORVANE_OFF"},
        {"[OEM]\nOEM=zorvane\n", "zorvane", "VORNAX12_OFF"},
        {"[OEM]\nOEM=ZORVANE\n", "ZORVANE", "VORNAX12_OFF"},
        {"[OEM]\nOEM=Other\n", "Other", "VORNAX12_OFF"},
        {"[OEM]\nOEM=\n", "", "VORNAX12_OFF"},
        {"[Customer_Details]\nOEM=Zorvane\n", "", "VORNAX12_OFF"},
        {nullptr, "", "VORNAX12_OFF"},
    };
    for (const BrandingCase &c : cases) {
        ProgramFolder caseFolder;
        if (c.settings)
            caseFolder.write(QStringLiteral("Tester.ini"), c.settings);
        const TForm1 window(caseFolder.path(), &hid, &ftp);
        EXPECT_EQ(window.OemBrand.toStdString(), c.brand) << (c.settings ? c.settings : "no file");
        EXPECT_EQ(shown(window.imgTester), picture(c.picture)) << c.picture;
    }
}

TEST_F(MainWindowTest, PlacesEveryScreenOverTheDisplay)
{
    TForm1 &window = createForm();
    const QList<ScreenGroupBox *> screens = window.findChildren<ScreenGroupBox *>();
    ASSERT_EQ(screens.size(), 19);
    for (const ScreenGroupBox *screen : screens) {
        EXPECT_EQ(screen->geometry(), QRect(192, 140, 489, 265))
            << screen->objectName().toStdString();
        EXPECT_TRUE(screen->isHidden()) << screen->objectName().toStdString();
        EXPECT_EQ(screen->palette().color(QPalette::Window), QColor(Qt::white));
    }
    EXPECT_EQ(screens.first(), window.GroupOil);
    EXPECT_EQ(screens.last(), window.GroupSavedFsi);
}

struct ComponentCase {
    const char *name;
    QRect geometry;
    bool hidden;
    const char *text;
};

TEST_F(MainWindowTest, LaysOutTheComponents)
{
    TForm1 &window = createForm();
    const ComponentCase cases[] = {
        {"imgTester", {96, 39, 700, 487}, false, ""},
        {"imgUsb", {581, 379, 100, 34}, false, ""},
        {"lblFuncion", {121, 8, 73, 19}, true, "OFF"},
        {"pnlUpdate", {344, 8, 185, 32}, true, "UPDATE TESTER SOFTWARE"},
        {"btn6", {527, 12, 90, 25}, true, "Test Report"},
        {"btnSavedFSI", {261, 196, 172, 25}, true, "High pressure petrol"},
        {"btnSavedHP", {261, 230, 172, 25}, true, "High pressure Diesel"},
        {"btnSavedOil", {261, 264, 172, 25}, true, "Oil"},
        {"btnSavedAdblue", {261, 298, 172, 25}, true, "AdBlue"},
        {"btnSavedCompression", {464, 196, 172, 25}, true, "Compression"},
        {"btnSavedFuel", {464, 230, 172, 25}, true, "Fuel"},
        {"btnSavedCooling", {464, 264, 172, 25}, true, "Cooling"},
    };
    for (const ComponentCase &c : cases) {
        const auto *widget = window.findChild<QWidget *>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
        EXPECT_EQ(widget->isHidden(), c.hidden) << c.name;
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            text = label->text();
        else if (const auto *button = qobject_cast<const QPushButton *>(widget))
            text = button->text();
        EXPECT_EQ(text.toStdString(), c.text) << c.name;
    }
    EXPECT_EQ(shown(window.imgUsb), picture("USB_LOGO_BN"));
    EXPECT_EQ(window.Memo1->geometry(), QRect(842, 8, 346, 503));
    EXPECT_EQ(window.Memo1->toPlainText(), QStringLiteral("Memo1"));
    EXPECT_EQ(window.lblFuncion->font().pixelSize(), 16);
    EXPECT_TRUE(window.lblFuncion->font().bold());
}

TEST_F(MainWindowTest, StartsWithItsSpecifiedFrameAndState)
{
    TForm1 &window = createForm();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Multifunction tester"));
    EXPECT_EQ(window.font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(window.font().pixelSize(), 11);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.CurrentFunction, QStringLiteral("OFF"));
    EXPECT_EQ(window.ActiveScreen, QStringLiteral("OFF"));
    EXPECT_EQ(window.ExePath, folder.path());

    window.show();
    EXPECT_EQ(window.frameGeometry().size(),
              window.Memo1->isHidden() ? QSize(900, 600) : QSize(1200, 600));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    const QList<QAction *> items = window.menuBar()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Customer details"));
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("MenuPrincipal"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Workshop details"));
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("Workshopdetails2"));
    EXPECT_EQ(items[0]->menu(), nullptr);
    EXPECT_EQ(items[1]->menu(), nullptr);
}

TEST_F(MainWindowTest, ShowsTheVersionWithAFullStopAndThenUsesTheComma)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TForm1 &window = createForm();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(window.StatusPanels[1]->text(), QStringLiteral("Version 1.05"));
    EXPECT_EQ(window.StatusPanels[0]->text(), QString());
    EXPECT_EQ(window.StatusPanels[0]->width(), 675);
    EXPECT_EQ(window.StatusPanels[1]->width(), 150);
    EXPECT_EQ(NumberFormat::format(QStringLiteral("%4.1f Bar"), {12.3L}),
              QStringLiteral("12,3 Bar"));
}

TEST_F(MainWindowTest, WritesTheLogOnlyWhileThePaneIsVisible)
{
    TForm1 &window = createForm();
    window.Memo1->hide();
    window.WriteMemo1(QStringLiteral("not shown"));
    EXPECT_EQ(window.Memo1->toPlainText(), QStringLiteral("Memo1"));
    window.appendToMemo1(QStringLiteral("direct"));
    window.appendToMemo1(QStringLiteral("KLT37_FUNC|OIL_") + QString(49, QChar(0)));
    EXPECT_EQ(window.Memo1->toPlainText(), QStringLiteral("Memo1\ndirect\nKLT37_FUNC|OIL_"));

    window.Memo1->show();
    window.WriteMemo1(QStringLiteral("shown"));
    EXPECT_EQ(window.Memo1->toPlainText().split(QLatin1Char('\n')).last(), QStringLiteral("shown"));
    window.clearMemo1();
    EXPECT_EQ(window.Memo1->toPlainText(), QString());
}

} // namespace
