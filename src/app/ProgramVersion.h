#pragma once

// The program's version, shown as "Version 1.05" and compared with the update server's
// program version as the number 105.
constexpr long double kProgramVersion = 1.05L;
constexpr int kProgramVersionNumber = 105;
