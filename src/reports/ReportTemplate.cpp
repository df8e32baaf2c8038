#include "ReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <cmath>

namespace
{

// The attributes of one element. Remembers the first problem, and which attributes were asked
// for, so that a misspelt attribute is reported instead of silently ignored.
class Attributes
{
public:
    explicit Attributes(const QXmlStreamAttributes &attributes) : attributes_(attributes) {}

    QString text(const char *name)
    {
        const QLatin1String key(name);
        asked_ << key;
        if (!attributes_.hasAttribute(key)) {
            fail(QStringLiteral("missing attribute \"%1\"").arg(key));
            return {};
        }
        return attributes_.value(key).toString();
    }

    // A position, at 0 or more.
    qreal position(const char *name) { return number(name, false); }
    // A width, height or size, above 0.
    qreal length(const char *name) { return number(name, true); }

    int lineWidth(const char *name, int minimum)
    {
        const QString value = text(name);
        bool ok = false;
        const int width = value.toInt(&ok);
        if (!ok || width < minimum)
            fail(QStringLiteral("\"%1\" must be a whole number of pixels of at least %2: \"%3\"")
                     .arg(QLatin1String(name))
                     .arg(minimum)
                     .arg(value));
        return width;
    }

    bool boolean(const char *name)
    {
        const QString value = text(name);
        if (value != QLatin1String("true") && value != QLatin1String("false"))
            fail(QStringLiteral("\"%1\" must be true or false: \"%2\"")
                     .arg(QLatin1String(name), value));
        return value == QLatin1String("true");
    }

    QColor color(const char *name)
    {
        const QString value = text(name);
        const QColor color = QColor::fromString(value);
        if (!color.isValid())
            fail(QStringLiteral("\"%1\" is not a colour: \"%2\"").arg(QLatin1String(name), value));
        return color;
    }

    Qt::Alignment alignment(const char *name)
    {
        const QString value = text(name);
        if (value == QLatin1String("left"))
            return Qt::AlignLeft;
        if (value == QLatin1String("center"))
            return Qt::AlignHCenter;
        if (value == QLatin1String("right"))
            return Qt::AlignRight;
        fail(QStringLiteral("\"%1\" must be left, center or right: \"%2\"")
                 .arg(QLatin1String(name), value));
        return Qt::AlignLeft;
    }

    // The parameter name of a data field "param.Name"; the prefix in any letter case.
    QString parameter(const char *name)
    {
        const QString value = text(name);
        const QLatin1String prefix("param.");
        if (!value.startsWith(prefix, Qt::CaseInsensitive) || value.size() == prefix.size()) {
            fail(QStringLiteral("\"%1\" must name a parameter as param.Name: \"%2\"")
                     .arg(QLatin1String(name), value));
            return {};
        }
        return value.mid(prefix.size());
    }

    QImage picture(const char *name)
    {
        const QString value = text(name);
        const QImage picture(value);
        if (picture.isNull())
            fail(QStringLiteral("the picture \"%1\" cannot be read").arg(value));
        return picture;
    }

    // The first problem of the element, once every attribute it has was asked for.
    QString problem()
    {
        for (const QXmlStreamAttribute &attribute : attributes_) {
            if (!asked_.contains(attribute.name()))
                fail(QStringLiteral("unknown attribute \"%1\"").arg(attribute.name()));
        }
        return problem_;
    }

private:
    qreal number(const char *name, bool aboveZero)
    {
        const QString value = text(name);
        bool ok = false;
        const qreal number = value.toDouble(&ok);
        if (!ok || !std::isfinite(number) || number < 0 || (aboveZero && number == 0))
            fail(QStringLiteral("\"%1\" must be a number %2 0: \"%3\"")
                     .arg(QLatin1String(name),
                          aboveZero ? QStringLiteral("above") : QStringLiteral("of at least"),
                          value));
        return number;
    }

    void fail(const QString &problem)
    {
        if (problem_.isEmpty())
            problem_ = problem;
    }

    QXmlStreamAttributes attributes_;
    QStringList asked_;
    QString problem_;
};

// Reads a report file and the block files it includes, element after element.
class TemplateReader
{
public:
    explicit TemplateReader(std::vector<ReportElement> &elements) : elements_(elements) {}

    bool readReport(const QString &fileName, QFont &font, QColor &textColor)
    {
        return readFile(fileName, QLatin1String("report"), [&](Attributes &attributes) {
            font = QFont(attributes.text("font"));
            font.setBold(attributes.boolean("bold"));
            textColor = attributes.color("color");
        });
    }

    QString error;

private:
    template <typename ReadRoot>
    bool readFile(const QString &fileName, QLatin1String rootName, ReadRoot readRoot)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return fail(fileName, 0, QStringLiteral("the file cannot be read"));
        QXmlStreamReader xml(&file);
        if (!xml.readNextStartElement())
            return fail(fileName, xml.lineNumber(), xml.errorString());
        if (xml.name() != rootName)
            return fail(fileName, xml.lineNumber(),
                        QStringLiteral("the root element must be <%1>").arg(rootName));
        Attributes attributes(xml.attributes());
        readRoot(attributes);
        if (const QString problem = attributes.problem(); !problem.isEmpty())
            return fail(fileName, xml.lineNumber(), problem);
        const bool includesAllowed = rootName == QLatin1String("report");
        while (xml.readNextStartElement()) {
            if (!readElement(xml, fileName, includesAllowed))
                return false;
        }
        if (xml.hasError())
            return fail(fileName, xml.lineNumber(), xml.errorString());
        return true;
    }

    bool readElement(QXmlStreamReader &xml, const QString &fileName, bool includesAllowed)
    {
        const qint64 line = xml.lineNumber();
        const QString tag = xml.name().toString();
        Attributes a(xml.attributes());
        QString included;
        if (tag == u"include" && includesAllowed) {
            included = QFileInfo(fileName).dir().filePath(a.text("file"));
        } else if (tag == u"rectangle") {
            elements_.push_back(ReportRectangle{QRectF(a.position("left"), a.position("top"),
                                                       a.length("width"), a.length("height")),
                                                a.color("fill"), a.lineWidth("border", 0)});
        } else if (tag == u"hline") {
            const QPointF from(a.position("left"), a.position("top"));
            elements_.push_back(
                ReportLine{from, from + QPointF(a.length("width"), 0), a.lineWidth("line", 1)});
        } else if (tag == u"vline") {
            const QPointF from(a.position("left"), a.position("top"));
            elements_.push_back(
                ReportLine{from, from + QPointF(0, a.length("height")), a.lineWidth("line", 1)});
        } else if (tag == u"text" || tag == u"datatext") {
            ReportText text{QPointF(a.position("left"), a.position("top")),
                            a.length("width"),
                            a.length("size"),
                            a.alignment("align"),
                            QString(),
                            QString()};
            if (tag == u"datatext")
                text.parameter = a.parameter("field");
            elements_.push_back(text);
        } else if (tag == u"picture") {
            elements_.push_back(ReportPicture{QRectF(a.position("left"), a.position("top"),
                                                     a.length("width"), a.length("height")),
                                              a.text("connection"), a.text("column")});
        } else if (tag == u"mirror") {
            elements_.push_back(ReportMirror{QRectF(a.position("left"), a.position("top"),
                                                    a.length("width"), a.length("height")),
                                             a.parameter("field"), a.text("value"),
                                             a.picture("picture")});
        } else {
            return fail(fileName, line, QStringLiteral("unknown element <%1>").arg(tag));
        }
        if (const QString problem = a.problem(); !problem.isEmpty())
            return fail(fileName, line, problem);

        // Only a fixed text has content: its text, on one line.
        const QString content =
            xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).trimmed();
        if (xml.hasError())
            return fail(fileName, xml.lineNumber(), xml.errorString());
        if (tag == u"text") {
            if (content.isEmpty())
                return fail(fileName, line, QStringLiteral("<text> without a text"));
            std::get<ReportText>(elements_.back()).text = content;
        } else if (!content.isEmpty()) {
            return fail(fileName, line, QStringLiteral("<%1> holds no text").arg(tag));
        }
        if (!included.isEmpty())
            return readFile(included, QLatin1String("block"), [](Attributes &) {});
        return true;
    }

    bool fail(const QString &fileName, qint64 line, const QString &problem)
    {
        error = line > 0 ? QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(problem)
                         : QStringLiteral("%1: %2").arg(fileName, problem);
        return false;
    }

    std::vector<ReportElement> &elements_;
};

} // namespace

QString ReportTemplate::resourceFile(const QString &name)
{
    return QStringLiteral(":/templates/%1.xml").arg(name);
}

bool ReportTemplate::load(const QString &fileName)
{
    std::vector<ReportElement> elements;
    TemplateReader reader(elements);
    QFont font;
    QColor textColor;
    if (!reader.readReport(fileName, font, textColor)) {
        *this = ReportTemplate();
        error_ = reader.error;
        return false;
    }
    font_ = font;
    textColor_ = textColor;
    elements_ = std::move(elements);
    error_.clear();
    return true;
}
