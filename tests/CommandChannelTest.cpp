#include "app/Main.h"
#include "support/FakeFtpClient.h"
#include "support/FakeHidController.h"
#include "support/ProgramFolder.h"
#include "support/QStringPrinter.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace
{

class CommandChannelTest : public ::testing::Test
{
protected:
    ProgramFolder folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form{folder.path(), &hid, &ftp};
    FakeHidDevice tester;
};

TEST_F(CommandChannelTest, FramesACommandIntoOneReport)
{
    form.TesterDevice = &tester;
    form.LastCommand = QStringLiteral("KLT37_FUNC|");
    form.UsbSend(form.LastCommand);
    ASSERT_EQ(tester.written.size(), 1);
    EXPECT_EQ(tester.written[0], QByteArray(1, '\0') + "KLT37_FUNC|" + QByteArray(53, '\0'));
}

TEST_F(CommandChannelTest, KeepsWhatALongerCommandLeftInTheReport)
{
    form.TesterDevice = &tester;
    form.UsbSend(QStringLiteral("KLT37_FUNC|EXTRA"));
    form.UsbSend(QStringLiteral("KLT37_VERS|"));
    EXPECT_EQ(tester.written[1].mid(1, 16), QByteArray("KLT37_VERS|EXTRA"));
}

TEST_F(CommandChannelTest, WritesTheDevicesReportLengthWithoutReadingPastTheBuffer)
{
    form.TesterDevice = &tester;
    for (const int length : {9, 65, 200}) {
        tester.reportLength = length;
        form.UsbSend(QStringLiteral("KLT37_OIL_|"));
        const QByteArray expected =
            (QByteArray(1, '\0') + "KLT37_OIL_|" + QByteArray(189, '\0')).left(length);
        EXPECT_EQ(tester.written.last(), expected) << length;
    }
    form.UsbSend(QString(100, QLatin1Char('X')));
    EXPECT_EQ(tester.written.last().mid(1, 64), QByteArray(64, 'X'));
    EXPECT_EQ(tester.written.last().mid(65), QByteArray(135, '\0'));
}

TEST_F(CommandChannelTest, SendsNothingWithoutAPluggedInTester)
{
    form.UsbSend(QStringLiteral("KLT37_FUNC|"));
    EXPECT_EQ(form.OutReport[1], 'K');
    tester.pluggedIn = false;
    form.TesterDevice = &tester;
    form.UsbSend(QStringLiteral("KLT37_VERS|"));
    EXPECT_TRUE(tester.written.isEmpty());
    EXPECT_EQ(form.OutReport[7], 'V');
}

TEST_F(CommandChannelTest, LogsEachReceivedReport)
{
    form.Memo1->show();
    form.HidContDeviceData(&tester, 0, QByteArray("KLT37_XXXX|0001") + QByteArray(49, '\0'));
    EXPECT_EQ(form.Memo1->toPlainText().split(QLatin1Char('\n')).last(),
              QStringLiteral("KLT37_XXXX|0001"));
}

} // namespace
