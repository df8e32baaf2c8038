#include "PdfFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace
{

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
    QString text;
    QRectF box;
};

QList<Word> words(const QString &fileName)
{
    // <word xMin="..." yMin="..." xMax="..." yMax="...">text</word>, in points.
    static const QRegularExpression pattern(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const qreal mmPerPoint = 25.4 / 72;
    QList<Word> found;
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fileName, QStringLiteral("-")});
    for (const QRegularExpressionMatch &match : pattern.globalMatch(html)) {
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        found << Word{match.captured(5), QRectF(topLeft * mmPerPoint, bottomRight * mmPerPoint)};
    }
    return found;
}

} // namespace

namespace PdfFile
{

QString folder()
{
    QDir().mkpath(QStringLiteral(ORVALUX_REPORT_PDF_FOLDER));
    return QStringLiteral(ORVALUX_REPORT_PDF_FOLDER);
}

QString path(const QString &name)
{
    return QDir(folder()).filePath(name);
}

QString text(const QString &fileName)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
}

QString info(const QString &fileName, const QString &key)
{
    const QString lines = run(QStringLiteral("pdfinfo"), {fileName});
    const QRegularExpression pattern(
        QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(key)),
        QRegularExpression::MultilineOption);
    return pattern.match(lines).captured(1).trimmed();
}

QList<QRectF> phraseBoxes(const QString &fileName, const QString &phrase)
{
    const QStringList wanted = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QList<Word> all = words(fileName);
    QList<QRectF> boxes;
    for (qsizetype first = 0; first + wanted.size() <= all.size(); ++first) {
        QRectF box;
        qsizetype matched = 0;
        while (matched < wanted.size() && all[first + matched].text == wanted[matched]) {
            box |= all[first + matched].box;
            ++matched;
        }
        if (matched == wanted.size())
            boxes << box;
    }
    return boxes;
}

QRectF phraseBox(const QString &fileName, const QString &phrase)
{
    const QList<QRectF> boxes = phraseBoxes(fileName, phrase);
    return boxes.isEmpty() ? QRectF() : boxes.first();
}

QImage page(const QString &fileName, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), fileName, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace PdfFile
