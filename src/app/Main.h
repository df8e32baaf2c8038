#pragma once

#include "update/FtpClient.h"
#include "update/UpdatePanel.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>

class BarChart;
class BlockBar;
class ChartConnection;
class Dial;
class DialHand;
class HidController;
class HidDevice;
class PdfRenderer;
class QAction;
class QFile;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class ReportProject;
class ReportSystem;
class ScreenGroupBox;
class TForm2;
class TForm3;
class Timer;

// The main window. It owns every component and all state of the program for the whole run;
// its member functions are defined in the folder of the subsystem they belong to.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // programFolder is the folder of the running executable, with a trailing separator.
    TForm1(const QString &programFolder, HidController *hidController, FtpClient *ftpClient,
           QWidget *parent = nullptr);
    ~TForm1() override;

    // --- Application shell (app/) ---------------------------------------------------------

    // Appends one line to the log pane, only while the pane is visible.
    void WriteMemo1(const QString &Texto);
    // Appends one line to the log pane whether it is visible or not.
    void appendToMemo1(const QString &line);
    void clearMemo1();
    // Loads a picture resource by name into BrandPicture and copies it into image.
    void loadPicture(QLabel *image, const QString &resourceName);

    void MenuCustomerOnClick();
    void MenuWorkshopOnClick();
    // Shows or hides the seven stored-test buttons.
    void setStoredTestMenuVisible(bool visible);

    QString ExePath;
    QString OemBrand;
    QPixmap BrandPicture;

    TForm2 *Form2 = nullptr;
    TForm3 *Form3 = nullptr;

    QAction *MenuPrincipal;
    QAction *Workshopdetails2;
    QLabel *imgTester;
    QLabel *imgUsb;
    QLabel *lblFuncion;
    QPlainTextEdit *Memo1;
    QStatusBar *StatusBar;
    std::array<QLabel *, 2> StatusPanels;
    UpdatePanel *pnlUpdate;
    QPushButton *btn6;

    // The stored-test menu.
    QPushButton *btnSavedAdblue;
    QPushButton *btnSavedFuel;
    QPushButton *btnSavedCooling;
    QPushButton *btnSavedOil;
    QPushButton *btnSavedHP;
    QPushButton *btnSavedFSI;
    QPushButton *btnSavedCompression;

    // The screens.
    ScreenGroupBox *GroupOil;
    ScreenGroupBox *GroupM003;
    ScreenGroupBox *GroupLoss;
    ScreenGroupBox *GroupVacuum;
    ScreenGroupBox *GroupFuel;
    ScreenGroupBox *GroupAdblue;
    ScreenGroupBox *GroupParticle;
    ScreenGroupBox *GroupCooling;
    ScreenGroupBox *GroupM300;
    ScreenGroupBox *GroupM2K_;
    ScreenGroupBox *GroupCRHP;
    ScreenGroupBox *GroupFSI;
    ScreenGroupBox *GroupCompression;
    ScreenGroupBox *GroupAdBlueSaved;
    ScreenGroupBox *GroupFuelSaved;
    ScreenGroupBox *GroupSavedCooling;
    ScreenGroupBox *GroupSavedOil;
    ScreenGroupBox *GroupSavedHP;
    ScreenGroupBox *GroupSavedFsi;

    // --- Tester link (link/) --------------------------------------------------------------

    // Copies a command into OutReport and writes it to the held tester.
    void UsbSend(const QString &Comando);
    // The two steps of every send: the command into OutReport, then OutReport to the tester.
    void copyToOutReport(const QString &command);
    void writeOutReport();
    // Handles one input report of the held tester.
    void HidContDeviceData(HidDevice *HidDev, quint8 ReportID, const QByteArray &Data);
    // Finds, identifies and releases the tester when the set of HID devices changes.
    void DetectarUsb(QObject *Sender);

    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();

    HidController *HidCont;
    Timer *Timer1; // function poll
    Timer *Timer2; // live-data request
    Timer *Timer3; // version answer time-out
    Timer *Timer4; // logo answer time-out
    HidDevice *TesterDevice = nullptr;
    bool TesterConnected = false;
    // Report ID byte and 64 data bytes; never cleared between commands.
    std::array<quint8, 65> OutReport{};
    QString LastCommand;

    // --- Live measurements (measure/) -----------------------------------------------------

    // Routes one message text to the branch of its code.
    void dispatchMessage(const QString &text);
    void versionAnswer(const QString &text);
    void logoAnswer(const QString &text);
    void functionAnswer(const QString &text);
    void liveReading(const QString &text);
    void compressionAnswer(const QString &text);
    // Records the function the tester reported and follows it with the screen.
    void followReportedFunction(const QString &code);
    // Ends the program when the Zorvane program meets another tester model.
    void applyCompatibilityRule();

    // Switches the measurement area to the screen of a function code.
    void ActivarPantalla(const QString &Funcion);
    // Hides every screen.
    void HideGroups();
    // Restarts the running maximum (and minimum) of a live function.
    void resetRunningValues(int liveFunction);

    // Builds the twelve live screens from the table of live functions.
    void createLiveScreens();
    void createCompressionScreen();
    void btnSavedCompressionClick();
    void btnExitCompressionClick();

    QString CurrentFunction;
    QString ActiveScreen;
    bool DataReceived = false;
    qint32 TesterVersion = 9999;
    long double LogoVersion = 0;
    qint32 ServerFirmwareVersion = 0;
    // Indexed like the live functions; M003 also keeps its running minimum.
    std::array<long double, 12> RunningMaximum{};
    long double RunningMinimum = 0;

    // The instruments, labels and Reset button of each live screen, indexed like the live
    // functions: a dial or a block bar, and a minimum label on M003 only.
    struct LiveScreen {
        Dial *gauge = nullptr;
        BlockBar *bar = nullptr;
        QLabel *value = nullptr;
        QLabel *maximum = nullptr;
        QLabel *minimum = nullptr;
        QPushButton *reset = nullptr;
    };
    std::array<LiveScreen, 12> LiveScreens{};

    // The compression screen and the last compression result, cylinders 1 to 6.
    BarChart *chart1;
    QPushButton *btnExitCompression;
    QPushButton *btnPrintCompression;
    std::array<double, 6> CylinderPressure{};

    // --- Stored tests and reports (reports/) ----------------------------------------------

    void storedTestAnswer(const QString &text);
    // Builds the six stored-test screens from the table of stored tests.
    void createStoredTestScreens();
    // The stored-test menu button and the "X" button of a stored test, indexed like the table.
    void requestStoredTest(int storedTest);
    void exitStoredTest(int storedTest);

    // The dial with its maximum hand, the labels, the hidden chart and the buttons of each
    // stored-test screen, indexed like the table of stored tests.
    struct StoredTestScreen {
        Dial *gauge = nullptr;
        DialHand *maximumHand = nullptr;
        QLabel *pressure = nullptr;
        QLabel *maximum = nullptr;
        BarChart *chart = nullptr;
        QPushButton *print = nullptr;
        QPushButton *exit = nullptr;
    };
    std::array<StoredTestScreen, 6> StoredTestScreens{};

    // The report projects and the named parameters they hold.
    ReportProject *RvProject1; // compression
    ReportProject *RvProject2; // common rail
    ReportProject *RvProject3; // AdBlue
    ReportProject *RvProject4; // fuel
    ReportProject *RvProject5; // cooling
    ReportProject *RvProject7; // oil
    ReportProject *RvProject8; // petrol high pressure

    // The report engine: the PDF format, the system that runs every report, and the chart
    // connections; then the Print buttons are connected to their handlers.
    void createReportEngine();
    void createChartConnections();

    // The seven "Print" buttons; each prints its report with the details of the settings file.
    void btnPrintCompressionClick();
    void btnPrintAdblueClick();
    void btnPrintFuelClick();
    void btnPrintSavedCoolingClick();
    void btnPrintSavedOilClick();
    void btnPrintHPClick();
    void btnPrintSavedFsiClick();
    void printReport(ReportProject *project);

    // The chart connections' events: their one column, and the picture of their chart.
    void RvCustomConnection1GetCols(ChartConnection *Connection);
    void RvCustomConnection1GetRow(ChartConnection *Connection);
    void RvCustomConnection2GetCols(ChartConnection *Connection);
    void RvCustomConnection2GetRow(ChartConnection *Connection);
    void RvCustomConnection3GetCols(ChartConnection *Connection);
    void RvCustomConnection3GetRow(ChartConnection *Connection);
    void RvCustomConnection4GetCols(ChartConnection *Connection);
    void RvCustomConnection4GetRow(ChartConnection *Connection);
    void RvCustomConnection5GetCols(ChartConnection *Connection);
    void RvCustomConnection5GetRow(ChartConnection *Connection);
    void RvCustomConnection6GetCols(ChartConnection *Connection);
    void RvCustomConnection6GetRow(ChartConnection *Connection);
    void RvCustomConnection7GetCols(ChartConnection *Connection);
    void RvCustomConnection7GetRow(ChartConnection *Connection);

    PdfRenderer *RvRenderPDF1;
    ReportSystem *RvSystem1;
    ChartConnection *RvCustomConnection1; // compression chart
    ChartConnection *RvCustomConnection2; // AdBlue
    ChartConnection *RvCustomConnection3; // fuel
    ChartConnection *RvCustomConnection4; // cooling
    ChartConnection *RvCustomConnection5; // oil
    ChartConnection *RvCustomConnection6; // common rail
    ChartConnection *RvCustomConnection7; // petrol high pressure

    // --- Software and firmware update (update/) -------------------------------------------

    // Starts an update check; runs at every activation of the window.
    void FormActivate();
    void FtpClient1FtpStatus(FtpClient::StatusCode StatusCode, const QString &InfoText);
    void FtpClient1FtpError(int ErrorCode, const QString &ErrorText);
    void pnlUpdateClick();
    void pnlUpdateMouseDown();
    void pnlUpdateMouseUp();
    // Called when the server has a newer firmware than the tester's; does nothing.
    void LaunchBetaFlash();
    // The close sequence: releases the tester and the update connection, installs a downloaded
    // program and removes the temporary files.
    void FormClose();

    FtpClient *FtpClient1;
    // What the current update connection is for: "version", "firmware" or "exe".
    QString UpdateState;
    qint32 ServerPcVersion = 0;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createComponents();
    void FormCreate();
    void setOuterSize(int width, int height);

    QSize outerSize_;
    std::unique_ptr<QFile> logMirror_;
    bool placed_ = false;

    // update/
    // Starts downloading remotePath into localName in the program folder, for purpose.
    bool startDownload(const QString &purpose, const QString &remotePath, const QString &localName);
    void requestFirmware();
    void endFirmwareDownload();
    void requestProgram();
    void endProgramDownload();
    void evaluateVersionFile();
    void waitUntilIdle();
    void launchFlashingUtility();
    void installNewProgram();

    // What the download under way is for; it ends as that, whatever UpdateState says by then.
    QString downloadFor_;
    // The size "Orvalux_Nuevo.exe" had when its download ended complete; -1 while none did.
    qint64 completedProgramSize_ = -1;
};
