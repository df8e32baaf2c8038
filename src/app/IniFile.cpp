#include "IniFile.h"

#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>

#include <optional>
#include <vector>

namespace
{

struct Line {
    QString text;
    QString ending; // "\r\n", "\n" or empty for a last line without one
};

enum class Encoding { Utf8, Utf8WithBom, Windows1252 };

struct Document {
    std::vector<Line> lines;
    Encoding encoding = Encoding::Utf8;
    QString ending;
};

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QString nativeLineEnding()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

Document parse(const QByteArray &bytes)
{
    Document document;
    QString text;
    if (bytes.startsWith(kUtf8Bom)) {
        document.encoding = Encoding::Utf8WithBom;
        text = QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    } else {
        auto toUtf16 = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = toUtf16(bytes);
        if (toUtf16.hasError()) {
            document.encoding = Encoding::Windows1252;
            text = Windows1252::decode(bytes);
        }
    }
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype newline = text.indexOf(QLatin1Char('\n'), start);
        if (newline < 0) {
            document.lines.push_back({text.mid(start), QString()});
            break;
        }
        const bool crlf = newline > start && text[newline - 1] == QLatin1Char('\r');
        const qsizetype end = crlf ? newline - 1 : newline;
        document.lines.push_back(
            {text.mid(start, end - start), crlf ? QStringLiteral("\r\n") : QStringLiteral("\n")});
        start = newline + 1;
    }
    document.ending = nativeLineEnding();
    for (const Line &line : document.lines) {
        if (!line.ending.isEmpty()) {
            document.ending = line.ending;
            break;
        }
    }
    return document;
}

std::optional<Document> load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
}

// The key of a "key=value" line, or nothing for comments and lines without "=".
std::optional<QString> keyName(const QString &line)
{
    const QString trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals < 0 || trimmed.startsWith(QLatin1Char(';')))
        return std::nullopt;
    return trimmed.left(equals).trimmed();
}

QString valueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where the lines of a section are: the header line and the line after its last line.
struct SectionRange {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionRange> findSection(const Document &document, const QString &section)
{
    const std::size_t count = document.lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<QString> name = sectionName(document.lines[i].text);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < count && !sectionName(document.lines[end].text))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const Document &document, const SectionRange &range,
                                   const QString &key)
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::optional<QString> name = keyName(document.lines[i].text);
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

void insertLine(Document &document, std::size_t position, const QString &text)
{
    if (position > 0 && document.lines[position - 1].ending.isEmpty())
        document.lines[position - 1].ending = document.ending;
    document.lines.insert(document.lines.begin() + qsizetype(position),
                          Line{text, document.ending});
}

QByteArray serialise(Document &document)
{
    QString text;
    for (const Line &line : document.lines)
        text += line.text + line.ending;
    if (document.encoding == Encoding::Windows1252) {
        if (const std::optional<QByteArray> bytes = Windows1252::encode(text))
            return *bytes;
        document.encoding = Encoding::Utf8; // a value the code page cannot hold
    }
    const QByteArray utf8 = text.toUtf8();
    return document.encoding == Encoding::Utf8WithBom ? kUtf8Bom + utf8 : utf8;
}

} // namespace

IniFile::IniFile(const QString &fileName) : fileName_(fileName) {}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const std::optional<Document> document = load(fileName_);
    if (!document)
        return defaultValue;
    const std::optional<SectionRange> range = findSection(*document, section);
    if (!range)
        return defaultValue;
    const std::optional<std::size_t> line = findKey(*document, *range, key);
    return line ? valueOf(document->lines[*line].text) : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    // A line break in the value would end its line and could start a section of its own.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));

    const QFileInfo info(fileName_);
    if (info.exists() && !info.isWritable())
        return false;
    Document document = load(fileName_).value_or(Document{{}, Encoding::Utf8, nativeLineEnding()});

    const QString entry = key + QLatin1Char('=') + oneLine;
    if (const std::optional<SectionRange> range = findSection(document, section)) {
        if (const std::optional<std::size_t> line = findKey(document, *range, key)) {
            const QString &old = document.lines[*line].text;
            document.lines[*line].text =
                old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + oneLine;
        } else {
            std::size_t position = range->end;
            while (position > range->header + 1 &&
                   document.lines[position - 1].text.trimmed().isEmpty())
                --position;
            insertLine(document, position, entry);
        }
    } else {
        if (!document.lines.empty() && !document.lines.back().text.trimmed().isEmpty())
            insertLine(document, document.lines.size(), QString());
        insertLine(document, document.lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
        insertLine(document, document.lines.size(), entry);
    }

    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = serialise(document);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString IniFile::writeErrorText() const
{
    return QStringLiteral("Unable to write to %1")
        .arg(QDir::toNativeSeparators(QFileInfo(fileName_).absoluteFilePath()));
}
