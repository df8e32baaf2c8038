#include "app/Main.h"
#include "link/MessageText.h"

void TForm1::liveReading(const QString &text)
{
    // A reading counts only for the screen on display; a late one for another is dropped.
    if (ActiveScreen != MessageText::field(text, 7, 4))
        return;
    DataReceived = true;
}
