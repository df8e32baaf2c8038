#include "Setup_Workshop_KLT37V1.h"

namespace
{

constexpr std::array<DetailsField, DetailsDialog::kFieldCount> kWorkshopFields = {{
    {"editName", 8, 8, 401, 21, "Insert Workshop name...", "Workshop_Name"},
    {"editAdress1", 8, 35, 401, 21, "Insert address...", "Workshop_Address1"},
    {"editAddress2", 8, 62, 401, 21, "Insert address additional...", "Workshop_Address2"},
    {"editWebsite", 8, 89, 401, 21, "Insert website...", "Workshop_Website"},
    {"editPhone", 8, 116, 195, 21, "Insert phone number...", "Workshop_Phone"},
    {"editEmail", 214, 116, 195, 21, "Insert email address...", "Workshop_Email"},
}};

} // namespace

TForm3::TForm3(const QString &settingsFileName, QWidget *parent)
    : DetailsDialog(QStringLiteral("Workshop details edition"), settingsFileName,
                    QStringLiteral("Workshop_Details"), kWorkshopFields, parent)
{
    setObjectName(QStringLiteral("Form3"));
}
