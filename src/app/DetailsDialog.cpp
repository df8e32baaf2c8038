#include "DetailsDialog.h"

#include "ApplicationError.h"
#include "HintEdit.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace
{

QPushButton *createButton(const QString &caption, const char *objectName, int left, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(left, 151, 107, 25);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

DetailsDialog::DetailsDialog(const QString &caption, const QString &settingsFileName,
                             const QString &section,
                             const std::array<DetailsField, kFieldCount> &fields, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Settings(settingsFileName), section_(section), fields_(fields)
{
    setWindowTitle(caption);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/ORVALUX_ICON.png")));
    setModal(true);
    setFixedSize(424, 189);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    btnSetupCancel = createButton(QStringLiteral("Cancel"), "btnSetupCancel", 232, this);
    for (int i = 0; i < kFieldCount; ++i) {
        const DetailsField &field = fields_[i];
        edits_[i] = new HintEdit(QString::fromUtf8(field.hint), this);
        edits_[i]->setObjectName(QLatin1String(field.objectName));
        edits_[i]->setGeometry(field.left, field.top, field.width, field.height);
    }
    btnSetupSave = createButton(QStringLiteral("Save"), "btnSetupSave", 96, this);

    // Tab order: Cancel first, then the six fields, then Save.
    QWidget *previous = btnSetupCancel;
    for (HintEdit *edit : edits_) {
        setTabOrder(previous, edit);
        previous = edit;
    }
    setTabOrder(previous, btnSetupSave);

    connect(btnSetupSave, &QPushButton::clicked, this, &DetailsDialog::btnSetupSaveClick);
    connect(btnSetupCancel, &QPushButton::clicked, this, &DetailsDialog::btnSetupCancelClick);
    FormCreate();
}

void DetailsDialog::FormCreate()
{
    for (int i = 0; i < kFieldCount; ++i)
        edits_[i]->setText(Settings.readString(section_, QString::fromUtf8(fields_[i].key)));
}

void DetailsDialog::btnSetupSaveClick()
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (!Settings.writeString(section_, QString::fromUtf8(fields_[i].key),
                                  edits_[i]->value())) {
            showApplicationError(this, Settings.writeErrorText());
            return;
        }
    }
    close();
}

void DetailsDialog::btnSetupCancelClick()
{
    close();
}

void DetailsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    btnSetupCancel->setFocus(Qt::OtherFocusReason);
}

void DetailsDialog::keyPressEvent(QKeyEvent *event)
{
    // Neither button is the dialog's cancel button: Escape does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
