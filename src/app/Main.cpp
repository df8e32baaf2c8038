#include "Main.h"

#include "IniFile.h"
#include "NumberFormat.h"
#include "ProgramFonts.h"
#include "ProgramVersion.h"
#include "ScreenGroupBox.h"
#include "Setup_KLT37V1.h"
#include "Setup_Workshop_KLT37V1.h"
#include "link/HidController.h"
#include "link/Timer.h"
#include "reports/ReportProject.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace
{

#ifdef ORVALUX_SHOW_LOG
constexpr bool kLogPaneVisible = true;
#else
constexpr bool kLogPaneVisible = false;
#endif

// Lines the log pane keeps; older lines are dropped so a long run does not grow without end.
constexpr int kLogPaneLines = 10000;

struct ScreenEntry {
    const char *name;
    ScreenGroupBox *TForm1::*member;
};

constexpr ScreenEntry kScreens[] = {
    {"GroupOil", &TForm1::GroupOil},
    {"GroupM003", &TForm1::GroupM003},
    {"GroupLoss", &TForm1::GroupLoss},
    {"GroupVacuum", &TForm1::GroupVacuum},
    {"GroupFuel", &TForm1::GroupFuel},
    {"GroupAdblue", &TForm1::GroupAdblue},
    {"GroupParticle", &TForm1::GroupParticle},
    {"GroupCooling", &TForm1::GroupCooling},
    {"GroupM300", &TForm1::GroupM300},
    {"GroupM2K_", &TForm1::GroupM2K_},
    {"GroupCRHP", &TForm1::GroupCRHP},
    {"GroupFSI", &TForm1::GroupFSI},
    {"GroupCompression", &TForm1::GroupCompression},
    {"GroupAdBlueSaved", &TForm1::GroupAdBlueSaved},
    {"GroupFuelSaved", &TForm1::GroupFuelSaved},
    {"GroupSavedCooling", &TForm1::GroupSavedCooling},
    {"GroupSavedOil", &TForm1::GroupSavedOil},
    {"GroupSavedHP", &TForm1::GroupSavedHP},
    {"GroupSavedFsi", &TForm1::GroupSavedFsi},
};

struct MenuButtonEntry {
    const char *name;
    const char *caption;
    int left, top;
    QPushButton *TForm1::*member;
};

constexpr MenuButtonEntry kStoredTestButtons[] = {
    {"btnSavedAdblue", "AdBlue", 261, 298, &TForm1::btnSavedAdblue},
    {"btnSavedFuel", "Fuel", 464, 230, &TForm1::btnSavedFuel},
    {"btnSavedCooling", "Cooling", 464, 264, &TForm1::btnSavedCooling},
    {"btnSavedOil", "Oil", 261, 264, &TForm1::btnSavedOil},
    {"btnSavedHP", "High pressure Diesel", 261, 230, &TForm1::btnSavedHP},
    {"btnSavedFSI", "High pressure petrol", 261, 196, &TForm1::btnSavedFSI},
    {"btnSavedCompression", "Compression", 464, 196, &TForm1::btnSavedCompression},
};

struct ReportProjectEntry {
    const char *name;
    ReportProject *TForm1::*member;
};

constexpr ReportProjectEntry kReportProjects[] = {
    {"RvProject1", &TForm1::RvProject1}, {"RvProject2", &TForm1::RvProject2},
    {"RvProject3", &TForm1::RvProject3}, {"RvProject4", &TForm1::RvProject4},
    {"RvProject5", &TForm1::RvProject5}, {"RvProject7", &TForm1::RvProject7},
    {"RvProject8", &TForm1::RvProject8},
};

QFont tahoma(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

template <typename Widget> Widget *place(Widget *widget, const char *name, int left, int top)
{
    widget->setObjectName(QLatin1String(name));
    widget->move(left, top);
    return widget;
}

QPixmap resourcePicture(const QString &name)
{
    // Picture names are matched without regard to case; the files carry the upper-case name.
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name.toUpper()));
}

} // namespace

TForm1::TForm1(const QString &programFolder, HidController *hidController, FtpClient *ftpClient,
               QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ExePath(programFolder), HidCont(hidController), FtpClient1(ftpClient)
{
    installProgramFonts();
    if (const QString mirror = qEnvironmentVariable("ORVALUX_LOG"); !mirror.isEmpty()) {
        logMirror_ = std::make_unique<QFile>(mirror);
        if (!logMirror_->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            logMirror_.reset();
    }
    createComponents();
    FormCreate();
    Form3 = new TForm3(ExePath + QStringLiteral("Tester.ini"), this);
    Form2 = new TForm2(ExePath + QStringLiteral("Tester.ini"), this);

    connect(HidCont, &HidController::deviceChange, this, [this] { DetectarUsb(HidCont); });
    connect(HidCont, &HidController::deviceData, this, &TForm1::HidContDeviceData);
    connect(FtpClient1, &FtpClient::ftpStatus, this, &TForm1::FtpClient1FtpStatus);
    connect(FtpClient1, &FtpClient::ftpError, this, &TForm1::FtpClient1FtpError);
    connect(pnlUpdate, &UpdatePanel::clicked, this, &TForm1::pnlUpdateClick);
    connect(pnlUpdate, &UpdatePanel::mouseDown, this, &TForm1::pnlUpdateMouseDown);
    connect(pnlUpdate, &UpdatePanel::mouseUp, this, &TForm1::pnlUpdateMouseUp);
}

TForm1::~TForm1() = default;

// The window as designed, before its creation handler runs.
void TForm1::createComponents()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Multifunction tester"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/ORVALUX_ICON.png")));
    setFont(tahoma(11));

    // The two items are commands on the window's own bar, never moved to a desktop's menu bar;
    // not looking for one also spares the start-up a round trip to the session bus.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    MenuPrincipal = menuBar()->addAction(QStringLiteral("Customer details"));
    MenuPrincipal->setObjectName(QStringLiteral("MenuPrincipal"));
    Workshopdetails2 = menuBar()->addAction(QStringLiteral("Workshop details"));
    Workshopdetails2->setObjectName(QStringLiteral("Workshopdetails2"));
    menuBar()->setObjectName(QStringLiteral("Menu1"));
    connect(MenuPrincipal, &QAction::triggered, this, &TForm1::MenuCustomerOnClick);
    connect(Workshopdetails2, &QAction::triggered, this, &TForm1::MenuWorkshopOnClick);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    imgTester = place(new QLabel(client), "imgTester", 0, 0);
    imgTester->setPixmap(resourcePicture(QStringLiteral("VORNAX12_OFF")));
    imgTester->adjustSize();

    for (const ScreenEntry &screen : kScreens) {
        this->*screen.member = new ScreenGroupBox(client);
        (this->*screen.member)->setObjectName(QLatin1String(screen.name));
    }

    // The USB indicator sits in the display's lower right corner, above the screens.
    imgUsb = place(new QLabel(client), "imgUsb", 581, 379);
    imgUsb->setPixmap(resourcePicture(QStringLiteral("USB_Logo_BN")));
    imgUsb->adjustSize();

    lblFuncion = place(new QLabel(QStringLiteral("OFF"), client), "lblFuncion", 121, 8);
    lblFuncion->resize(73, 19);
    lblFuncion->setAlignment(Qt::AlignCenter);
    lblFuncion->setFont(tahoma(16, true));
    QPalette blue = lblFuncion->palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    lblFuncion->setPalette(blue);
    lblFuncion->hide();

    Memo1 = place(new QPlainTextEdit(client), "Memo1", 842, 8);
    Memo1->resize(346, 503);
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(kLogPaneLines);
    Memo1->setPlainText(QStringLiteral("Memo1"));
    Memo1->setVisible(kLogPaneVisible);

    pnlUpdate = place(new UpdatePanel(QStringLiteral("UPDATE TESTER SOFTWARE"), client),
                      "pnlUpdate", 344, 8);
    pnlUpdate->resize(185, 32);
    pnlUpdate->setAlignment(Qt::AlignCenter);
    pnlUpdate->setFont(tahoma(11, true));
    pnlUpdate->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlUpdate->setAutoFillBackground(true);
    QPalette green = pnlUpdate->palette();
    green.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    green.setColor(QPalette::WindowText, Qt::white);
    pnlUpdate->setPalette(green);
    pnlUpdate->hide();

    btn6 = place(new QPushButton(QStringLiteral("Test Report"), client), "btn6", 527, 12);
    btn6->resize(90, 25);
    btn6->hide();

    for (const MenuButtonEntry &entry : kStoredTestButtons) {
        auto *button = place(new QPushButton(QLatin1String(entry.caption), client), entry.name,
                             entry.left, entry.top);
        button->resize(172, 25);
        button->hide();
        this->*entry.member = button;
    }

    Timer1 = new Timer(1000, false, this);
    Timer2 = new Timer(200, true, this);
    Timer3 = new Timer(3000, false, this);
    Timer4 = new Timer(1000, false, this);
    connect(Timer1, &Timer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &Timer::timeout, this, &TForm1::Timer2Timer);
    connect(Timer3, &Timer::timeout, this, &TForm1::Timer3Timer);
    connect(Timer4, &Timer::timeout, this, &TForm1::Timer4Timer);

    for (const ReportProjectEntry &project : kReportProjects) {
        this->*project.member = new ReportProject(this);
        (this->*project.member)->setObjectName(QLatin1String(project.name));
    }
    createLiveScreens();
    createCompressionScreen();
    createStoredTestScreens();
    createReportEngine();

    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    const int panelWidths[] = {675, 150};
    for (int i = 0; i < 2; ++i) {
        StatusPanels[i] = new QLabel(StatusBar);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setFixedWidth(panelWidths[i]);
        StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar->addWidget(StatusPanels[i]);
    }
}

void TForm1::FormCreate()
{
    BrandPicture = QPixmap();

    NumberFormat::setDecimalSeparator(QLatin1Char('.'));
    StatusPanels[1]->setText(
        NumberFormat::format(QStringLiteral("Version %1.2f"), {kProgramVersion}));
    NumberFormat::setDecimalSeparator(QLatin1Char(','));

    lblFuncion->setText(QStringLiteral("OFF"));
    CurrentFunction = QStringLiteral("OFF");
    ActiveScreen = QStringLiteral("OFF");

    // ExePath is the program folder the window was created with.

    for (ScreenGroupBox *screen : centralWidget()->findChildren<ScreenGroupBox *>())
        screen->setGeometry(192, 140, 489, 265);

    imgTester->move(96, 39);

    setOuterSize(Memo1->isHidden() ? 900 : 1200, 600);

    const IniFile settings(ExePath + QStringLiteral("Tester.ini"));
    OemBrand = settings.readString(QStringLiteral("OEM"), QStringLiteral("OEM"));

    if (OemBrand == QLatin1String("Zorvane"))
        loadPicture(imgTester, QStringLiteral("Zorvane_OFF"));
}

void TForm1::setOuterSize(int width, int height)
{
    outerSize_ = QSize(width, height);
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(width - frame.width(), height - frame.height());
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    // The frame is known once the window is shown: keep the outer size and centre the window.
    setOuterSize(outerSize_.width(), outerSize_.height());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), outerSize_);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm1::loadPicture(QLabel *image, const QString &resourceName)
{
    BrandPicture = resourcePicture(resourceName);
    image->setPixmap(BrandPicture);
    image->adjustSize();
}

void TForm1::WriteMemo1(const QString &Texto)
{
    if (Memo1->isHidden())
        return;
    appendToMemo1(Texto);
}

void TForm1::appendToMemo1(const QString &line)
{
    // The pane shows a line up to its first NUL, as the tester's zero-filled answers end in NULs.
    const qsizetype nul = line.indexOf(QChar(0));
    const QString shown = nul < 0 ? line : line.left(nul);
    Memo1->appendPlainText(shown);
    if (logMirror_) {
        logMirror_->write(shown.toUtf8() + '\n');
        logMirror_->flush();
    }
}

void TForm1::clearMemo1()
{
    Memo1->clear();
}

void TForm1::setStoredTestMenuVisible(bool visible)
{
    for (const MenuButtonEntry &entry : kStoredTestButtons)
        (this->*entry.member)->setVisible(visible);
}

void TForm1::MenuCustomerOnClick()
{
    Form2->exec();
}

void TForm1::MenuWorkshopOnClick()
{
    Form3->exec();
}
