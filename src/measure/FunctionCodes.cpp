#include "FunctionCodes.h"

#include "app/Main.h"

#include <cstring>

const FunctionCode kFunctionCodes[21] = {
    {"SADB", &TForm1::GroupAdBlueSaved, "Activando pantalla AdBlue...", false},
    {"SFUE", &TForm1::GroupFuelSaved, "Activando pantalla Fuel...!", false},
    {"SCOO", &TForm1::GroupSavedCooling, "Activando pantalla Cooling...!", false},
    {"SOIL", &TForm1::GroupSavedOil, "Activando pantalla Saved Oil...!", false},
    {"SHPD", &TForm1::GroupSavedHP, "Activando pantalla Saved Common Rail...!", false},
    {"SFSI", &TForm1::GroupSavedFsi, "Activando pantalla Saved FSI...!", false},
    {"COM1", &TForm1::GroupCompression, "Activando pantalla compresimetro...", false},
    {"OIL_", &TForm1::GroupOil, "Activando pantalla aceite...", false},
    {"M003", &TForm1::GroupM003, "Activando pantalla Manometro -1 a 3 Bar...", false},
    {"LOSS", &TForm1::GroupLoss, "Activando pantalla fugas cilindros...", false},
    {"VACU", &TForm1::GroupVacuum, "Activando pantalla vacuometro...", false},
    {"FUEL", &TForm1::GroupFuel, "Activando pantalla presión gasolina...", false},
    {"ADBL", &TForm1::GroupAdblue, "Activando pantalla presión AdBlue...", false},
    {"COOL", &TForm1::GroupCooling, "Activando pantalla presión Cooling...", false},
    {"M300", &TForm1::GroupM300, "Activando pantalla manometro 300 Bar...", false},
    {"M2K_", &TForm1::GroupM2K_, "Activando pantalla manometro 2000 Bar...", false},
    {"CRHP", &TForm1::GroupCRHP, "Activando pantalla Alta presión common rail...", false},
    {"HPPE", &TForm1::GroupFSI, "Activando pantalla FSI...", false},
    {"PART", &TForm1::GroupParticle, "Activando pantalla presión filtro particulas...", false},
    {"MENU", nullptr, "Activando pantalla menú...", true},
    {"SELS", nullptr, "Activando pantalla selección sensor...", false},
};

ScreenGroupBox *TForm1::*screenOfCode(const char *code)
{
    for (const FunctionCode &row : kFunctionCodes) {
        if (std::strcmp(row.code, code) == 0)
            return row.screen;
    }
    return nullptr;
}
