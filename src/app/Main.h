#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <memory>

class HidController;
class HidDevice;
class QAction;
class QFile;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
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
    TForm1(const QString &programFolder, HidController *hidController, QWidget *parent = nullptr);
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
    QLabel *pnlUpdate;
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

    QString CurrentFunction;
    QString ActiveScreen;
    bool DataReceived = false;
    qint32 TesterVersion = 9999;
    long double LogoVersion = 0;
    qint32 ServerFirmwareVersion = 0;
    // Indexed like the live functions; M003 also keeps its running minimum.
    std::array<long double, 12> RunningMaximum{};
    long double RunningMinimum = 0;

    // --- Stored tests and reports (reports/) ----------------------------------------------

    void storedTestAnswer(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createComponents();
    void FormCreate();
    void setOuterSize(int width, int height);

    QSize outerSize_;
    std::unique_ptr<QFile> logMirror_;
    bool placed_ = false;
};
