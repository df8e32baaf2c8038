#pragma once

#include "IniFile.h"

#include <QDialog>

#include <array>

class HintEdit;
class QPushButton;

// One field of a details dialog: the edit's object name and place, its hint and its key.
struct DetailsField {
    const char *objectName;
    int left, top, width, height;
    const char *hint;
    const char *key;
};

// A modal dialog with six edits that edits one section of the settings file.
//
// The fields are filled from the file once, when the dialog is created; Save writes the six
// keys one after the other, Cancel only closes. Closing hides the dialog, which lives as long
// as the main window.
class DetailsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFieldCount = 6;

    // The settings-file object the dialog keeps for the whole run.
    IniFile &settings() { return Settings; }

    QPushButton *btnSetupSave;
    QPushButton *btnSetupCancel;

    void btnSetupSaveClick();
    void btnSetupCancelClick();

protected:
    DetailsDialog(const QString &caption, const QString &settingsFileName, const QString &section,
                  const std::array<DetailsField, kFieldCount> &fields, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();

    IniFile Settings;
    QString section_;
    std::array<DetailsField, kFieldCount> fields_;
    std::array<HintEdit *, kFieldCount> edits_;
};
