#include "app/Main.h"
#include "link/MessageText.h"

void TForm1::compressionAnswer(const QString &text)
{
    followReportedFunction(MessageText::field(text, 7, 4));
}
