#pragma once

#include <QtGlobal>

// The USB identity of the tester: the IDs select it, the two strings must then match exactly.
constexpr quint16 kTesterVendorId = 0x04D8;
constexpr quint16 kTesterProductId = 0xF394;
inline constexpr char kTesterProduct[] = "Multifunction tester";
inline constexpr char kTesterVendor[] = "Kelvaro";
