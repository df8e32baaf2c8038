#include "app/HintEdit.h"
#include "app/Main.h"
#include "app/Setup_KLT37V1.h"
#include "app/Setup_Workshop_KLT37V1.h"
#include "support/FakeFtpClient.h"
#include "support/FakeHidController.h"
#include "support/ModalAnswerer.h"
#include "support/ProgramFolder.h"
#include "support/QStringPrinter.h"
#include "support/ReadOnlyFolder.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

HintEdit *edit(QWidget *dialog, const char *name)
{
    return dialog->findChild<HintEdit *>(QLatin1String(name));
}

// Opens a dialog from the menu and runs work on it while it is modal.
void whileOpen(QAction *item, DetailsDialog *dialog, const std::function<void()> &work)
{
    ModalAnswerer answerer([&](QWidget *modal) {
        if (modal == dialog) {
            work();
            if (dialog->isVisible())
                dialog->close();
        } else {
            modal->close();
        }
    });
    item->trigger();
}

struct FieldCase {
    const char *name;
    QRect geometry;
    const char *hint;
};

TEST(DetailsDialogTest, LaysOutBothDialogs)
{
    ProgramFolder folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form(folder.path(), &hid, &ftp);
    const FieldCase customer[] = {
        {"editVIN", {8, 8, 401, 21}, "Insert VIN number..."},
        {"editBrand", {8, 35, 401, 21}, "Insert vehicle brand..."},
        {"editModel", {8, 62, 401, 21}, "Insert vehicle model..."},
        {"editPlate", {8, 89, 401, 21}, "Insert vehicle plate..."},
        {"editName", {8, 116, 195, 21}, "Insert customer name..."},
        {"editSurname", {214, 116, 195, 21}, "Insert customer surname..."},
    };
    const FieldCase workshop[] = {
        {"editName", {8, 8, 401, 21}, "Insert Workshop name..."},
        {"editAdress1", {8, 35, 401, 21}, "Insert address..."},
        {"editAddress2", {8, 62, 401, 21}, "Insert address additional..."},
        {"editWebsite", {8, 89, 401, 21}, "Insert website..."},
        {"editPhone", {8, 116, 195, 21}, "Insert phone number..."},
        {"editEmail", {214, 116, 195, 21}, "Insert email address..."},
    };
    const struct {
        DetailsDialog *dialog;
        const char *caption;
        const FieldCase *fields;
    } dialogs[] = {{form.Form2, "Customer details edition", customer},
                   {form.Form3, "Workshop details edition", workshop}};
    for (const auto &d : dialogs) {
        EXPECT_EQ(d.dialog->windowTitle().toStdString(), d.caption);
        EXPECT_EQ(d.dialog->size(), QSize(424, 189));
        EXPECT_EQ(d.dialog->minimumSize(), d.dialog->maximumSize());
        EXPECT_FALSE(d.dialog->isVisible());
        QWidget *inTabOrder = d.dialog->btnSetupCancel;
        for (int i = 0; i < DetailsDialog::kFieldCount; ++i) {
            HintEdit *field = edit(d.dialog, d.fields[i].name);
            ASSERT_NE(field, nullptr) << d.fields[i].name;
            EXPECT_EQ(field->geometry(), d.fields[i].geometry) << d.fields[i].name;
            EXPECT_EQ(field->hint().toStdString(), d.fields[i].hint);
            EXPECT_EQ(field->maxLength(), 32767) << "no length limit of our own";
            inTabOrder = inTabOrder->nextInFocusChain();
            EXPECT_EQ(inTabOrder, field) << d.fields[i].name;
        }
        EXPECT_EQ(inTabOrder->nextInFocusChain(), d.dialog->btnSetupSave);
        EXPECT_EQ(d.dialog->btnSetupSave->geometry(), QRect(96, 151, 107, 25));
        EXPECT_EQ(d.dialog->btnSetupCancel->geometry(), QRect(232, 151, 107, 25));
        EXPECT_FALSE(d.dialog->btnSetupSave->isDefault());
        EXPECT_FALSE(d.dialog->btnSetupSave->autoDefault());
    }
}

TEST(DetailsDialogTest, FillsTheFieldsFromTheFileOnce)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("Tester.ini"),
                 "[Customer_Details]\nVIN=WVW123\nSurname=Lopez\n"
                 "[Workshop_Details]\nWorkshop_Email=info@garage.example\n");
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form(folder.path(), &hid, &ftp);
    EXPECT_EQ(edit(form.Form2, "editVIN")->text(), QStringLiteral("WVW123"));
    EXPECT_EQ(edit(form.Form2, "editSurname")->text(), QStringLiteral("Lopez"));
    EXPECT_EQ(edit(form.Form2, "editBrand")->text(), QString());
    EXPECT_EQ(edit(form.Form3, "editEmail")->text(), QStringLiteral("info@garage.example"));

    folder.write(QStringLiteral("Tester.ini"), "[Customer_Details]\nVIN=CHANGED\n");
    bool opened = false;
    whileOpen(form.MenuPrincipal, form.Form2, [&] {
        opened = true;
        EXPECT_EQ(edit(form.Form2, "editVIN")->text(), QStringLiteral("WVW123"));
        EXPECT_EQ(form.Form2->focusWidget(), form.Form2->btnSetupCancel);
    });
    EXPECT_TRUE(opened);
}

TEST(DetailsDialogTest, SaveWritesTheSixKeysInOrderAndKeepsTheOtherSection)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("Tester.ini"),
                 "[OEM]\nOEM=Zorvane\n[Workshop_Details]\nWorkshop_Name=Garage\n");
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form(folder.path(), &hid, &ftp);
    whileOpen(form.MenuPrincipal, form.Form2, [&] {
        edit(form.Form2, "editVIN")->setText(QStringLiteral("WVW123"));
        edit(form.Form2, "editModel")->setText(QStringLiteral("Insert vehicle model..."));
        edit(form.Form2, "editName")->setText(QStringLiteral("Ana"));
        form.Form2->btnSetupSave->click();
        EXPECT_FALSE(form.Form2->isVisible());
    });
    EXPECT_EQ(folder.read(QStringLiteral("Tester.ini")),
              QByteArray("[OEM]\nOEM=Zorvane\n[Workshop_Details]\nWorkshop_Name=Garage\n\n"
                         "[Customer_Details]\nVIN=WVW123\nBrand=\nModel=\nPlate=\nName=Ana\n"
                         "Surname=\n"));

    whileOpen(form.Workshopdetails2, form.Form3, [&] {
        edit(form.Form3, "editName")->setText(QStringLiteral("Taller Norte"));
        form.Form3->btnSetupSave->click();
    });
    EXPECT_EQ(folder.read(QStringLiteral("Tester.ini")),
              QByteArray("[OEM]\nOEM=Zorvane\n[Workshop_Details]\nWorkshop_Name=Taller Norte\n"
                         "Workshop_Address1=\nWorkshop_Address2=\nWorkshop_Website=\n"
                         "Workshop_Phone=\nWorkshop_Email=\n\n"
                         "[Customer_Details]\nVIN=WVW123\nBrand=\nModel=\nPlate=\nName=Ana\n"
                         "Surname=\n"));
}

TEST(DetailsDialogTest, CancelWritesNothingAndKeepsTheTypedText)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("Tester.ini"), "[Customer_Details]\nVIN=OLD\n");
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form(folder.path(), &hid, &ftp);
    whileOpen(form.MenuPrincipal, form.Form2, [&] {
        edit(form.Form2, "editVIN")->setText(QStringLiteral("TYPED"));
        form.Form2->btnSetupCancel->click();
        EXPECT_FALSE(form.Form2->isVisible());
    });
    EXPECT_EQ(folder.read(QStringLiteral("Tester.ini")),
              QByteArray("[Customer_Details]\nVIN=OLD\n"));
    whileOpen(form.MenuPrincipal, form.Form2, [&] {
        EXPECT_EQ(edit(form.Form2, "editVIN")->text(), QStringLiteral("TYPED"));
        form.Form2->btnSetupSave->click();
    });
    EXPECT_EQ(form.Form2->settings().readString("Customer_Details", "VIN"),
              QStringLiteral("TYPED"));
}

TEST(DetailsDialogTest, AFailedWriteShowsTheErrorAndKeepsTheDialogOpen)
{
    const ReadOnlyFolder folder;
    FakeHidController hid;
    FakeFtpClient ftp;
    TForm1 form(folder.path(), &hid, &ftp);
    QStringList errors;
    bool stayedOpen = false;
    whileOpen(form.Workshopdetails2, form.Form3, [&] {
        ModalAnswerer errorAnswerer;
        form.Form3->btnSetupSave->click();
        errors = errorAnswerer.seen();
        stayedOpen = form.Form3->isVisible();
    });
    EXPECT_EQ(errors, QStringList{QStringLiteral("Orvalux: Unable to write to ") + folder.path() +
                                  QStringLiteral("Tester.ini")});
    EXPECT_TRUE(stayedOpen);
}

} // namespace
