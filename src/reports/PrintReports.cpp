#include "PdfRenderer.h"
#include "ReportProject.h"
#include "ReportSystem.h"
#include "app/Main.h"
#include "app/Setup_Workshop_KLT37V1.h"

#include <QPushButton>

namespace
{

// Each "Print" button, the handler it runs, and the report project with its template.
struct PrintEntry {
    const char *button;
    void (TForm1::*click)();
    ReportProject *TForm1::*project;
    const char *templateName;
};

constexpr PrintEntry kPrintButtons[] = {
    {"btnPrintCompression", &TForm1::btnPrintCompressionClick, &TForm1::RvProject1,
     "KLT37V1_Report"},
    {"btnPrintAdblue", &TForm1::btnPrintAdblueClick, &TForm1::RvProject3, "KLT37V1_AdBlue_Report"},
    {"btnPrintFuel", &TForm1::btnPrintFuelClick, &TForm1::RvProject4, "KLT37V1_Fuel_Report"},
    {"btnPrintSavedCooling", &TForm1::btnPrintSavedCoolingClick, &TForm1::RvProject5,
     "KLT37V1_Cooling_Report"},
    {"btnPrintSavedOil", &TForm1::btnPrintSavedOilClick, &TForm1::RvProject7, "KLT37V1_Oil_Report"},
    {"btnPrintHP", &TForm1::btnPrintHPClick, &TForm1::RvProject2, "KLT37V1_HP_Report"},
    {"btnPrintSavedFsi", &TForm1::btnPrintSavedFsiClick, &TForm1::RvProject8, "KLT37V1_FSI_Report"},
};

// The keys of the settings file that a report prints, in the order they are read; each key is
// also the name of its report parameter, except "Surname", which is part of "Name".
const char *const kCustomerKeys[] = {"VIN", "Brand", "Model", "Plate", "Name", "Surname"};
const char *const kWorkshopKeys[] = {"Workshop_Name",    "Workshop_Address1", "Workshop_Address2",
                                     "Workshop_Website", "Workshop_Phone",    "Workshop_Email"};

} // namespace

void TForm1::createReportEngine()
{
    RvRenderPDF1 = new PdfRenderer(this);
    RvRenderPDF1->setObjectName(QStringLiteral("RvRenderPDF1"));
    RvSystem1 = new ReportSystem(*RvRenderPDF1, this);
    RvSystem1->setObjectName(QStringLiteral("RvSystem1"));
    createChartConnections();
    for (const PrintEntry &entry : kPrintButtons) {
        ReportProject *project = this->*entry.project;
        project->setTemplateName(QLatin1String(entry.templateName));
        project->setEngine(RvSystem1);
        connect(findChild<QPushButton *>(QLatin1String(entry.button)), &QPushButton::clicked, this,
                entry.click);
    }
}

void TForm1::btnPrintCompressionClick()
{
    printReport(RvProject1);
}

void TForm1::btnPrintAdblueClick()
{
    printReport(RvProject3);
}

void TForm1::btnPrintFuelClick()
{
    printReport(RvProject4);
}

void TForm1::btnPrintSavedCoolingClick()
{
    printReport(RvProject5);
}

void TForm1::btnPrintSavedOilClick()
{
    printReport(RvProject7);
}

void TForm1::btnPrintHPClick()
{
    printReport(RvProject2);
}

void TForm1::btnPrintSavedFsiClick()
{
    printReport(RvProject8);
}

void TForm1::printReport(ReportProject *project)
{
    // Read from the file at every print, so that details saved a moment ago are printed.
    const IniFile &settings = Form3->settings();
    QStringList customer;
    for (const char *key : kCustomerKeys)
        customer << settings.readString(QStringLiteral("Customer_Details"), QLatin1String(key));
    QStringList workshop;
    for (const char *key : kWorkshopKeys)
        workshop << settings.readString(QStringLiteral("Workshop_Details"), QLatin1String(key));

    project->setParameter(QStringLiteral("VIN"), QStringLiteral("VIN: ") + customer[0]);
    project->setParameter(QStringLiteral("Brand"), QStringLiteral("Brand: ") + customer[1]);
    project->setParameter(QStringLiteral("Model"), QStringLiteral("Model: ") + customer[2]);
    project->setParameter(QStringLiteral("Plate"), QStringLiteral("Plate: ") + customer[3]);
    project->setParameter(QStringLiteral("Name"),
                          QStringLiteral("Name: ") + customer[4] + QLatin1Char(' ') + customer[5]);
    for (int i = 0; i < workshop.size(); ++i)
        project->setParameter(QLatin1String(kWorkshopKeys[i]), workshop[i]);
    if (OemBrand == QLatin1String("Zorvane"))
        project->setParameter(QStringLiteral("Logotipo"), QStringLiteral("Zorvane"));

    project->open();
    project->execute();
    project->close();
}
