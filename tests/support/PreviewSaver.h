#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

// The answer of a ModalAnswerer to a report: the preview in the output options, then in the
// preview the save action, the file name in the save dialog (or Cancel when the name is empty),
// and finally the preview's close action. It notes what the preview and the save dialog showed,
// and the title and text of any other modal window, which it closes.
class PreviewSaver
{
public:
    explicit PreviewSaver(QString fileName) : fileName_(std::move(fileName)) {}

    void operator()(QWidget *modal);

    struct Preview {
        QString title;
        QSize size;
        bool customZoom = false;
        qreal zoom = 0;
        int pages = 0;
        bool printEnabled = false;
    } preview;
    struct SaveDialog {
        QString title;
        QStringList filters;
        bool saving = false;
    } saveDialog;
    QStringList others;

private:
    QString fileName_;
    bool askedToSave_ = false;
    bool answeredSaveDialog_ = false;
};
