#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <array>

class HidController;
class HidDevice;
class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class ScreenGroupBox;
class TForm2;
class TForm3;

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

    HidController *HidCont;
    HidDevice *TesterDevice = nullptr;
    bool TesterConnected = false;
    // Report ID byte and 64 data bytes; never cleared between commands.
    std::array<quint8, 65> OutReport{};
    QString LastCommand;

    // --- Live measurements (measure/) -----------------------------------------------------

    QString CurrentFunction;
    QString ActiveScreen;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createComponents();
    void FormCreate();
    void setOuterSize(int width, int height);

    QSize outerSize_;
    bool placed_ = false;
};
