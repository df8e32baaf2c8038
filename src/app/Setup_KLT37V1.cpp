#include "Setup_KLT37V1.h"

namespace
{

constexpr std::array<DetailsField, DetailsDialog::kFieldCount> kCustomerFields = {{
    {"editVIN", 8, 8, 401, 21, "Insert VIN number...", "VIN"},
    {"editBrand", 8, 35, 401, 21, "Insert vehicle brand...", "Brand"},
    {"editModel", 8, 62, 401, 21, "Insert vehicle model...", "Model"},
    {"editPlate", 8, 89, 401, 21, "Insert vehicle plate...", "Plate"},
    {"editName", 8, 116, 195, 21, "Insert customer name...", "Name"},
    {"editSurname", 214, 116, 195, 21, "Insert customer surname...", "Surname"},
}};

} // namespace

TForm2::TForm2(const QString &settingsFileName, QWidget *parent)
    : DetailsDialog(QStringLiteral("Customer details edition"), settingsFileName,
                    QStringLiteral("Customer_Details"), kCustomerFields, parent)
{
    setObjectName(QStringLiteral("Form2"));
}
