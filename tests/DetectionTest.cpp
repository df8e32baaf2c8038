#include "app/ScreenGroupBox.h"
#include "link/Timer.h"
#include "support/FormTest.h"
#include "support/Pictures.h"
#include "support/QStringPrinter.h"

#include <QLabel>
#include <QPushButton>

namespace
{

QList<QPushButton *> storedTestButtons(TForm1 &form)
{
    return {form.btnSavedAdblue, form.btnSavedFuel, form.btnSavedCooling,    form.btnSavedOil,
            form.btnSavedHP,     form.btnSavedFSI,  form.btnSavedCompression};
}

bool allShown(const QList<QPushButton *> &buttons)
{
    return std::all_of(buttons.begin(), buttons.end(),
                       [](QPushButton *b) { return !b->isHidden(); });
}

bool allHidden(const QList<QPushButton *> &buttons)
{
    return std::all_of(buttons.begin(), buttons.end(),
                       [](QPushButton *b) { return b->isHidden(); });
}

const QByteArray kVersionRequest = QByteArray(1, '\0') + "KLT37_VERS|" + QByteArray(53, '\0');

class DetectionTest : public FormTest
{
};

TEST_F(DetectionTest, WaitsWhenNoTesterIsThere)
{
    TForm1 &form = window();
    form.Timer3->setEnabled(true);
    emit hid.deviceChange();
    EXPECT_EQ(form.StatusPanels[0]->text(), QStringLiteral("En attente de l'appareil ...."));
    EXPECT_EQ(log(), QStringList{QStringLiteral("En attente de l'appareil ....")});
    EXPECT_FALSE(form.TesterConnected);
    EXPECT_EQ(form.CurrentFunction, QStringLiteral("OFF"));
    EXPECT_FALSE(form.Timer3->isEnabled());
    EXPECT_EQ(form.TesterDevice, nullptr);
}

TEST_F(DetectionTest, ConnectsTheTesterAndAsksForItsVersion)
{
    FakeHidDevice &device = connectTester();
    TForm1 &form = window();
    EXPECT_EQ(form.TesterDevice, &device);
    EXPECT_TRUE(form.TesterConnected);
    EXPECT_EQ(form.StatusPanels[0]->text(), QStringLiteral("Tester connected"));
    EXPECT_EQ(shown(form.imgUsb), picture("USB_LOGO"));
    EXPECT_EQ(shown(form.imgTester), picture("VORNAX12_ON"));
    EXPECT_TRUE(allShown(storedTestButtons(form)));
    EXPECT_EQ(log(), QStringList{QStringLiteral("Tester détecté...")});
    EXPECT_TRUE(form.Timer1->isEnabled());
    EXPECT_TRUE(form.Timer3->isEnabled());
    EXPECT_FALSE(form.Timer4->isEnabled());
    EXPECT_EQ(form.LastCommand, QStringLiteral("KLT37_VERS|"));
    EXPECT_EQ(device.written, QList<QByteArray>{kVersionRequest});
}

TEST_F(DetectionTest, NotesASecondDeviceWhileConnected)
{
    FakeHidDevice &device = connectTester();
    hid.plug([](FakeHidDevice &other) {
        other.vendorId = 0x046D;
        other.product = QStringLiteral("USB Keyboard");
    });
    EXPECT_EQ(log().last(), QStringLiteral("Est déjà connecté Multifunction tester"));
    EXPECT_EQ(window().TesterDevice, &device);
    EXPECT_EQ(device.written.size(), 1);
}

TEST_F(DetectionTest, ReleasesTheTesterWhenItIsUnplugged)
{
    FakeHidDevice &device = connectTester();
    TForm1 &form = window();
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    form.pnlUpdate->show();
    form.Timer4->setEnabled(true);
    hid.unplug(device);

    EXPECT_EQ(form.TesterDevice, nullptr);
    EXPECT_FALSE(device.checkedOut);
    EXPECT_FALSE(form.TesterConnected);
    EXPECT_EQ(log().last(), QStringLiteral("Libéré!"));
    EXPECT_EQ(form.StatusPanels[0]->text(), QStringLiteral("En attente de l'appareil ...."));
    EXPECT_EQ(shown(form.imgUsb), picture("USB_LOGO_BN"));
    EXPECT_EQ(shown(form.imgTester), picture("VORNAX12_OFF"));
    EXPECT_EQ(form.CurrentFunction, QStringLiteral("OFF"));
    EXPECT_EQ(form.ActiveScreen, QStringLiteral("OFF"));
    EXPECT_TRUE(allHidden(storedTestButtons(form)));
    EXPECT_TRUE(form.GroupOil->isHidden());
    EXPECT_EQ(form.lblFuncion->text(), QStringLiteral("OFF"));
    EXPECT_TRUE(form.pnlUpdate->isHidden());
    EXPECT_FALSE(form.Timer1->isEnabled());
    EXPECT_FALSE(form.Timer3->isEnabled());
    EXPECT_FALSE(form.Timer4->isEnabled());
    EXPECT_TRUE(form.Timer2->isEnabled());
}

TEST_F(DetectionTest, GetsTheSameScreenBackWhenPluggedInAgain)
{
    FakeHidDevice &first = connectTester();
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    hid.unplug(first);
    FakeHidDevice &again = connectTester();
    EXPECT_EQ(again.written, QList<QByteArray>{kVersionRequest});
    EXPECT_EQ(shown(window().imgTester), picture("VORNAX12_ON"));
    EXPECT_TRUE(allShown(storedTestButtons(window())));

    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    EXPECT_FALSE(window().GroupOil->isHidden());
    EXPECT_TRUE(window().DataReceived);
}

TEST_F(DetectionTest, HoldsButIgnoresADeviceWithOtherStrings)
{
    window();
    FakeHidDevice &impostor =
        hid.plug([](FakeHidDevice &d) { d.vendor = QStringLiteral("kelvaro"); });
    TForm1 &form = window();
    EXPECT_EQ(form.TesterDevice, &impostor);
    EXPECT_FALSE(form.TesterConnected);
    EXPECT_EQ(form.StatusPanels[0]->text(), QString());
    EXPECT_TRUE(impostor.written.isEmpty());
    EXPECT_FALSE(form.Timer1->isEnabled());

    // While it is held no other device is taken.
    FakeHidDevice &real = hid.plug();
    EXPECT_FALSE(real.checkedOut);
    EXPECT_EQ(log().last(), QStringLiteral("Est déjà connecté Multifunction tester"));

    hid.unplug(impostor);
    EXPECT_EQ(log().last(), QStringLiteral("Libéré!"));
    emit hid.deviceChange();
    EXPECT_EQ(form.TesterDevice, &real);
    EXPECT_TRUE(form.TesterConnected);
}

TEST_F(DetectionTest, ShowsTheZorvanePicturesInBothStates)
{
    folder.write(QStringLiteral("Tester.ini"), "[OEM]\nOEM=Zorvane\n");
    FakeHidDevice &device = connectTester();
    EXPECT_EQ(shown(window().imgTester), picture("ZORVANE_ON"));
    hid.unplug(device);
    EXPECT_EQ(shown(window().imgTester), picture("ZORVANE_OFF"));
}

} // namespace
