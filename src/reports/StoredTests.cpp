#include "app/Main.h"
#include "link/MessageText.h"

void TForm1::storedTestAnswer(const QString &text)
{
    followReportedFunction(MessageText::field(text, 7, 4));
}
