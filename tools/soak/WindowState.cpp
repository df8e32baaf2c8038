#include "WindowState.h"

#include "app/Main.h"
#include "app/ScreenGroupBox.h"

#include <QPushButton>

#include <algorithm>
#include <array>

namespace
{

std::array<QPushButton *, 7> menuButtons(const TForm1 &window)
{
    return {window.btnSavedAdblue,     window.btnSavedFuel, window.btnSavedCooling,
            window.btnSavedOil,        window.btnSavedHP,   window.btnSavedFSI,
            window.btnSavedCompression};
}

} // namespace

bool showsOnly(const TForm1 &window, const ScreenGroupBox *screen)
{
    const QList<ScreenGroupBox *> screens =
        window.centralWidget()->findChildren<ScreenGroupBox *>();
    return std::all_of(screens.begin(), screens.end(), [screen](const ScreenGroupBox *each) {
        return each->isVisible() == (each == screen);
    });
}

bool menuShown(const TForm1 &window)
{
    const auto buttons = menuButtons(window);
    return std::all_of(buttons.begin(), buttons.end(),
                       [](const QPushButton *button) { return button->isVisible(); });
}

bool menuHidden(const TForm1 &window)
{
    const auto buttons = menuButtons(window);
    return std::none_of(buttons.begin(), buttons.end(),
                        [](const QPushButton *button) { return button->isVisible(); });
}
