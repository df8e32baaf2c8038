#pragma once

#include <QByteArray>

struct Figures;
class Workshop;

// Sets the tester to a function, by its code, and waits until the window shows what the
// function selects: its screen, the stored-test menu for MENU, nothing for SELS.
void changeFunction(Workshop &workshop, Figures &figures, const QByteArray &code);
