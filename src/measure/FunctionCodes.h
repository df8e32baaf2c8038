#pragma once

class ScreenGroupBox;
class TForm1;

// What each function code the tester reports selects: a screen with its log line, and for the
// live functions the running values to restart. MENU shows the stored-test menu instead of a
// screen; SELS shows nothing.
struct FunctionCode {
    const char *code;
    ScreenGroupBox *TForm1::*screen;
    const char *logLine;
    bool storedTestMenu;
};

extern const FunctionCode kFunctionCodes[21];

// The screen the code selects; nullptr for MENU, SELS and unknown codes.
ScreenGroupBox *TForm1::*screenOfCode(const char *code);
