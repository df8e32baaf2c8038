#include "app/ScreenGroupBox.h"
#include "link/Timer.h"
#include "support/FormTest.h"
#include "support/QStringPrinter.h"

#include <QLabel>
#include <QPushButton>

namespace
{

class ScreenManagerTest : public FormTest
{
protected:
    void SetUp() override { connectTester(); }

    // The names of the screens on display.
    QStringList visibleScreens()
    {
        QStringList names;
        for (ScreenGroupBox *screen : window().findChildren<ScreenGroupBox *>()) {
            if (!screen->isHidden())
                names << screen->objectName();
        }
        return names;
    }
    bool menuShown()
    {
        return !window().btnSavedOil->isHidden() && !window().btnSavedCompression->isHidden();
    }
    bool menuHidden()
    {
        return window().btnSavedOil->isHidden() && window().btnSavedCompression->isHidden();
    }
};

struct ActivationCase {
    const char *code;
    const char *screen; // empty: no screen
    const char *logLine;
};

TEST_F(ScreenManagerTest, ShowsTheScreenOfEachReportedFunction)
{
    const ActivationCase cases[] = {
        {"OIL_", "GroupOil", "Activando pantalla aceite..."},
        {"M003", "GroupM003", "Activando pantalla Manometro -1 a 3 Bar..."},
        {"LOSS", "GroupLoss", "Activando pantalla fugas cilindros..."},
        {"VACU", "GroupVacuum", "Activando pantalla vacuometro..."},
        {"FUEL", "GroupFuel", "Activando pantalla presión gasolina..."},
        {"ADBL", "GroupAdblue", "Activando pantalla presión AdBlue..."},
        {"COOL", "GroupCooling", "Activando pantalla presión Cooling..."},
        {"M300", "GroupM300", "Activando pantalla manometro 300 Bar..."},
        {"M2K_", "GroupM2K_", "Activando pantalla manometro 2000 Bar..."},
        {"CRHP", "GroupCRHP", "Activando pantalla Alta presión common rail..."},
        {"HPPE", "GroupFSI", "Activando pantalla FSI..."},
        {"PART", "GroupParticle", "Activando pantalla presión filtro particulas..."},
        {"SELS", "", "Activando pantalla selección sensor..."},
    };
    for (const ActivationCase &c : cases) {
        window().DataReceived = false;
        const qsizetype before = log().size();
        answer(QStringLiteral("KLT37_FUNC|") + QLatin1String(c.code));
        EXPECT_EQ(window().CurrentFunction, QLatin1String(c.code));
        EXPECT_EQ(window().ActiveScreen, QLatin1String(c.code));
        EXPECT_EQ(window().lblFuncion->text(), QLatin1String(c.code));
        EXPECT_EQ(visibleScreens(),
                  *c.screen ? QStringList{QLatin1String(c.screen)} : QStringList{})
            << c.code;
        EXPECT_TRUE(menuHidden()) << c.code;
        EXPECT_EQ(logSince(before).mid(1),
                  (QStringList{QLatin1String(c.code), QString::fromUtf8(c.logLine)}))
            << c.code;
        EXPECT_TRUE(window().DataReceived) << c.code;
    }
}

TEST_F(ScreenManagerTest, TheMenuShowsTheStoredTestButtonsAndNoScreen)
{
    answer(QStringLiteral("KLT37_FUNC|FUEL"));
    answer(QStringLiteral("KLT37_FUNC|MENU"));
    EXPECT_TRUE(visibleScreens().isEmpty());
    EXPECT_TRUE(menuShown());
    EXPECT_EQ(log().last(), QStringLiteral("Activando pantalla menú..."));
    answer(QStringLiteral("KLT37_FUNC|SELS"));
    EXPECT_TRUE(menuHidden());
}

TEST_F(ScreenManagerTest, RepeatedReportsOfTheSameFunctionChangeNothing)
{
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    window().RunningMaximum[0] = 7.5L;
    window().DataReceived = false;
    const qsizetype before = log().size();
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    EXPECT_EQ(logSince(before).mid(1), QStringList{QStringLiteral("OIL_")});
    EXPECT_EQ(window().RunningMaximum[0], 7.5L);
    EXPECT_FALSE(window().DataReceived);
}

TEST_F(ScreenManagerTest, RestartsTheRunningValuesOnEntry)
{
    window().RunningMaximum.fill(99.0L);
    window().RunningMinimum = -99.0L;
    answer(QStringLiteral("KLT37_FUNC|M003"));
    EXPECT_EQ(window().RunningMaximum[1], -1.0L);
    EXPECT_EQ(window().RunningMinimum, 3.0L);
    EXPECT_EQ(window().RunningMaximum[0], 99.0L);
    answer(QStringLiteral("KLT37_FUNC|CRHP"));
    EXPECT_EQ(window().RunningMaximum[10], 0.0L);
    EXPECT_EQ(window().RunningMinimum, 3.0L);
}

TEST_F(ScreenManagerTest, AnUnknownCodeKeepsTheScreenButHidesTheMenu)
{
    answer(QStringLiteral("KLT37_FUNC|FUEL"));
    window().setStoredTestMenuVisible(true);
    for (int repeat = 0; repeat < 2; ++repeat) {
        window().DataReceived = false;
        const qsizetype before = log().size();
        answer(QStringLiteral("KLT37_FUNC|OFF") + QChar(0));
        EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("GroupFuel")});
        EXPECT_EQ(window().ActiveScreen, QStringLiteral("FUEL"));
        EXPECT_TRUE(menuHidden());
        EXPECT_TRUE(window().DataReceived);
        EXPECT_EQ(logSince(before).size(), 2) << "the report and the code only";
    }
}

TEST_F(ScreenManagerTest, StoredTestAndCompressionAnswersRecordTheirOwnCode)
{
    const struct {
        const char *answer;
        const char *code;
        const char *screen;
    } cases[] = {
        {"KLT37_SADB|0125|0180", "SADB", "GroupAdBlueSaved"},
        {"KLT37_SFUE|0005|0000", "SFUE", "GroupFuelSaved"},
        {"KLT37_SCOO|0010|0020", "SCOO", "GroupSavedCooling"},
        {"KLT37_SOIL|0030|0040", "SOIL", "GroupSavedOil"},
        {"KLT37_SHPD|1500|1620", "SHPD", "GroupSavedHP"},
        {"KLT37_SFSI|2500|2600", "SFSI", "GroupSavedFsi"},
        {"KLT37_COM1|1234|0085|1000|0999|1100|0000", "COM1", "GroupCompression"},
    };
    for (const auto &c : cases) {
        answer(QString::fromLatin1(c.answer));
        EXPECT_EQ(window().CurrentFunction, QLatin1String(c.code));
        EXPECT_EQ(window().ActiveScreen, QLatin1String(c.code));
        EXPECT_EQ(visibleScreens(), QStringList{QLatin1String(c.screen)});
    }
    answer(QStringLiteral("KLT37_FUNC|ADBL"));
    EXPECT_EQ(visibleScreens(), QStringList{QStringLiteral("GroupAdblue")});
}

class PollingTest : public FormTest
{
protected:
    void SetUp() override
    {
        connectTester();
        tester->written.clear();
    }
};

TEST_F(PollingTest, PollsTheFunctionEverySecond)
{
    EXPECT_EQ(window().Timer1->interval(), 1000);
    window().Timer1->fire();
    EXPECT_EQ(tester->commands(), QStringList{QStringLiteral("KLT37_FUNC|")});
    EXPECT_EQ(window().LastCommand, QStringLiteral("KLT37_FUNC|"));
}

TEST_F(PollingTest, RequestsOneReadingAfterEachActivationOrReading)
{
    TForm1 &form = window();
    EXPECT_EQ(form.Timer2->interval(), 200);
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    form.Timer2->fire();
    EXPECT_EQ(tester->commands(), QStringList{QStringLiteral("KLT37_OIL_|")});
    EXPECT_EQ(log().last(), QStringLiteral("Requesting data..."));
    EXPECT_FALSE(form.DataReceived);
    form.Timer2->fire();
    EXPECT_EQ(tester->commands().size(), 1) << "no second request while one is outstanding";

    answer(QStringLiteral("KLT37_M003|1000")) /* for another screen: dropped */;
    EXPECT_FALSE(form.DataReceived);
    answer(QStringLiteral("KLT37_OIL_|0123"));
    EXPECT_TRUE(form.DataReceived);
    form.Timer2->fire();
    EXPECT_EQ(tester->commands(),
              (QStringList{QStringLiteral("KLT37_OIL_|"), QStringLiteral("KLT37_OIL_|")}));
}

TEST_F(PollingTest, ResendsTheLastCommandOnceOnAScreenWithoutReadings)
{
    TForm1 &form = window();
    form.Timer1->fire();
    answer(QStringLiteral("KLT37_FUNC|MENU"));
    form.Timer2->fire();
    form.Timer2->fire();
    EXPECT_EQ(tester->commands(),
              (QStringList{QStringLiteral("KLT37_FUNC|"), QStringLiteral("KLT37_FUNC|")}));
}

TEST_F(PollingTest, SendsNothingWithoutATester)
{
    TForm1 &form = window();
    answer(QStringLiteral("KLT37_FUNC|OIL_"));
    hid.unplug(*tester);
    form.DataReceived = true;
    form.Timer2->fire();
    form.Timer1->fire();
    EXPECT_TRUE(tester->written.isEmpty());
    EXPECT_TRUE(form.Timer2->isEnabled());
}

TEST_F(PollingTest, OnlyLogsWhatMatchesNoCode)
{
    TForm1 &form = window();
    const QString before = form.ActiveScreen;
    for (const char *text : {"klt37_func|OIL_", "KLT37", "", "KLT37_XXXX|0001"}) {
        const qsizetype lines = log().size();
        answer(QString::fromLatin1(text));
        EXPECT_EQ(logSince(lines).size(), 1) << text;
    }
    EXPECT_EQ(form.ActiveScreen, before);
    EXPECT_EQ(form.CurrentFunction, QStringLiteral("OFF"));
}

} // namespace
