#include "FormTest.h"

#include <QPlainTextEdit>

TForm1 &FormTest::createForm()
{
    form = std::make_unique<TForm1>(folder.path(), &hid, ftpClient);
    form->Memo1->show();
    return *form;
}

FakeHidDevice &FormTest::connectTester()
{
    window();
    tester = &hid.plug();
    return *tester;
}

void FormTest::answer(const QString &text)
{
    hid.answer(*tester, text);
}

QStringList FormTest::log() const
{
    return form->Memo1->toPlainText().split(QLatin1Char('\n'));
}
