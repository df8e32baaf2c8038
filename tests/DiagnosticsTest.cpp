#include "app/Setup_KLT37V1.h"
#include "app/TerminationSignals.h"
#include "support/FormTest.h"
#include "support/ModalAnswerer.h"
#include "support/QStringPrinter.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <csignal>

namespace
{

class DiagnosticsTest : public FormTest
{
};

TEST_F(DiagnosticsTest, MirrorsEveryLogLineIntoTheNamedFile)
{
    const QString mirror = folder.file(QStringLiteral("orvalux.log"));
    qputenv("ORVALUX_LOG", mirror.toUtf8());
    createForm();
    qunsetenv("ORVALUX_LOG");
    window().Memo1->hide();
    connectTester();
    window().WriteMemo1(QStringLiteral("only while the pane is shown"));
    answer(QStringLiteral("KLT37_VERS|105|004"));

    QFile file(mirror);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("Tester détecté...\nActualización tester no necesaria !\n"));
}

TEST_F(DiagnosticsTest, ATerminationSignalClosesTheWindowAsTheUserWould)
{
    TForm1 &form = window();
    closeOnTerminationSignals(&form);
    form.show();
    std::raise(SIGTERM);
    EXPECT_TRUE(waitUntil([&] { return !form.isVisible(); }));

    form.show();
    bool dialogClosed = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        if (modal == form.Form2) {
            std::raise(SIGINT);
            dialogClosed = waitUntil([&] { return !form.Form2->isVisible(); });
        }
    });
    form.MenuPrincipal->trigger();
    EXPECT_TRUE(dialogClosed);
    EXPECT_TRUE(waitUntil([&] { return !form.isVisible(); }));
}

// A window whose close asks something, as the close of an installed update does.
class AskingWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Software updated"),
                        QStringLiteral("Installed"), QMessageBox::Ok, this);
        box.exec();
        closed = true;
        QWidget::closeEvent(event);
    }

public:
    bool closed = false;
};

TEST(TerminationSignalsTest, AnswersTheMessageBoxesTheCloseOpens)
{
    AskingWindow window;
    closeOnTerminationSignals(&window);
    window.show();
    std::raise(SIGTERM);
    EXPECT_TRUE(waitUntil([&] { return window.closed && !window.isVisible(); }));
}

} // namespace
