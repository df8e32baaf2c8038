#include "link/Timer.h"
#include "support/FormTest.h"
#include "support/ModalAnswerer.h"
#include "support/QStringPrinter.h"

#include <QLabel>

namespace
{

class HandshakeTest : public FormTest
{
};

TEST_F(HandshakeTest, LearnsTheVersionsFromTheVersionAnswer)
{
    FakeHidDevice &device = connectTester();
    TForm1 &form = window();
    form.Timer4->setEnabled(true);
    const qsizetype before = log().size();
    answer(QStringLiteral("KLT37_VERS|105|004"));
    EXPECT_EQ(form.TesterVersion, 105);
    EXPECT_EQ(form.LogoVersion, 4.0L);
    EXPECT_FALSE(form.Timer3->isEnabled());
    EXPECT_TRUE(form.Timer4->isEnabled()) << "the version answer leaves the logo time-out alone";
    EXPECT_EQ(
        logSince(before).mid(1),
        (QStringList{QStringLiteral("Versión tester: 105"), QStringLiteral("Versión logotipo: 004"),
                     QStringLiteral("Actualización tester no necesaria !")}));
    EXPECT_TRUE(form.pnlUpdate->isHidden());
    EXPECT_EQ(device.commands(), QStringList{QStringLiteral("KLT37_VERS|")});
}

struct PanelCase {
    qint32 serverFirmware;
    bool panelShown;
    const char *logLine;
};

TEST_F(HandshakeTest, OffersTheUpdateOnlyForAnOlderFirmware)
{
    const PanelCase cases[] = {
        {106, true, "Actualizar tester !!!!"},
        {105, false, "Actualización tester no necesaria !"},
        {0, false, "Actualización tester no necesaria !"},
    };
    for (const PanelCase &c : cases) {
        createForm();
        connectTester();
        window().ServerFirmwareVersion = c.serverFirmware;
        answer(QStringLiteral("KLT37_VERS|105|001"));
        EXPECT_EQ(!window().pnlUpdate->isHidden(), c.panelShown) << c.serverFirmware;
        EXPECT_EQ(log().last().toStdString(), c.logLine);
    }
}

TEST_F(HandshakeTest, FallsBackToTheLogoRequest)
{
    FakeHidDevice &device = connectTester();
    TForm1 &form = window();
    form.Timer1->setEnabled(false);
    form.Timer3->fire();
    EXPECT_EQ(log().last(), QStringLiteral("Versión tester no detectada!"));
    EXPECT_FALSE(form.Timer3->isEnabled());
    EXPECT_TRUE(form.Timer4->isEnabled());
    EXPECT_EQ(device.commands().last(), QStringLiteral("KLT37_RMLO|"));
    EXPECT_EQ(form.LastCommand, QStringLiteral("KLT37_RMLO|"));

    const qsizetype before = log().size();
    answer(QStringLiteral("KLT37_RMLO|00002"));
    EXPECT_EQ(form.LogoVersion, 2.0L);
    EXPECT_EQ(form.TesterVersion, 9999);
    EXPECT_FALSE(form.Timer4->isEnabled());
    EXPECT_FALSE(form.pnlUpdate->isHidden());
    EXPECT_EQ(logSince(before).mid(1),
              (QStringList{QStringLiteral("Versión tester: No detectada, se asigna 1.0 "),
                           QStringLiteral("Versión logotipo tester: 00002"),
                           QStringLiteral("Actualizar tester !!!!")}));
}

TEST_F(HandshakeTest, AssumesLogoOneWhenNeitherIsAnswered)
{
    connectTester();
    TForm1 &form = window();
    form.Timer3->fire();
    form.Timer4->fire();
    EXPECT_FALSE(form.Timer4->isEnabled());
    EXPECT_EQ(form.LogoVersion, 1.0L);
    EXPECT_FALSE(form.pnlUpdate->isHidden());
    EXPECT_EQ(log().mid(log().size() - 2), (QStringList{QStringLiteral("Versión no detectada"),
                                                        QStringLiteral("Asignamos versión 1.0")}));
    EXPECT_TRUE(form.Timer1->isEnabled());
}

TEST_F(HandshakeTest, ABadFieldEndsOnlyThatReport)
{
    connectTester();
    TForm1 &form = window();
    answer(QStringLiteral("KLT37_VERS|1X5|004"));
    EXPECT_EQ(form.LogoVersion, 0.0L);
    EXPECT_EQ(form.TesterVersion, 9999);
    answer(QStringLiteral("KLT37_VERS|105|0 4"));
    EXPECT_EQ(form.LogoVersion, 0.0L);
    EXPECT_EQ(form.TesterVersion, 9999);
    answer(QStringLiteral("KLT37_VERS|107|003"));
    EXPECT_EQ(form.TesterVersion, 107);
    EXPECT_EQ(form.LogoVersion, 3.0L);
}

TEST_F(HandshakeTest, AcceptsEveryModelWithoutTheZorvaneBrand)
{
    connectTester();
    answer(QStringLiteral("KLT37_VERS|105|003"));
    EXPECT_EQ(window().LogoVersion, 3.0L);
}

TEST_F(HandshakeTest, TheZorvaneProgramAcceptsItsOwnModel)
{
    folder.write(QStringLiteral("Tester.ini"), "[OEM]\nOEM=Zorvane\n");
    connectTester();
    ModalAnswerer answerer;
    answer(QStringLiteral("KLT37_VERS|105|004"));
    EXPECT_TRUE(answerer.seen().isEmpty());
    EXPECT_EQ(window().TesterVersion, 105);
}

using HandshakeDeathTest = HandshakeTest;

TEST_F(HandshakeDeathTest, TheZorvaneProgramEndsForAnotherModel)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        const char *answer;
    } cases[] = {{"KLT37_VERS|105|003"}, {"KLT37_RMLO|00001"}};
    for (const auto &c : cases) {
        EXPECT_EXIT(
            {
                folder.write(QStringLiteral("Tester.ini"), "[OEM]\nOEM=Zorvane\n");
                connectTester();
                ModalAnswerer answerer([](QWidget *modal) {
                    if (modal->windowTitle() == QLatin1String("Tester not compatible"))
                        std::fprintf(stderr, "box shown\n");
                    modal->close();
                });
                answer(QString::fromLatin1(c.answer));
            },
            ::testing::ExitedWithCode(1), "box shown")
            << c.answer;
    }
}

} // namespace
