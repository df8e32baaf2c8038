#pragma once

// A "Tester.ini" with every customer and workshop detail filled in, as a workshop has it.
inline constexpr char kCustomerAndWorkshopDetails[] =
    "[Customer_Details]\nVIN=WVWZZZ1KZAW000123\nBrand=Seat\nModel=Leon\n"
    "Plate=1234 BCD\nName=Ana\nSurname=Lopez\n"
    "[Workshop_Details]\nWorkshop_Name=Talleres Ribera\n"
    "Workshop_Address1=Calle Mayor 12\nWorkshop_Address2=28013 Madrid\n"
    "Workshop_Website=www.ribera.example\nWorkshop_Phone=+34 915 550 123\n"
    "Workshop_Email=info@ribera.example\n";
