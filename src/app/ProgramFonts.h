#pragma once

// Makes the fonts of the program's windows available: Tahoma, or a metric-compatible
// substitute where the system has none. Safe to call more than once.
void installProgramFonts();
