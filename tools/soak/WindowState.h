#pragma once

class ScreenGroupBox;
class TForm1;

// Whether the screen is the one measurement screen shown; for nullptr, whether none is.
bool showsOnly(const TForm1 &window, const ScreenGroupBox *screen);
// Whether the seven buttons of the stored-test menu are all shown, or all hidden.
bool menuShown(const TForm1 &window);
bool menuHidden(const TForm1 &window);
