#include "contactsheet.h"

#include <QFile>
#include <QUrl>

namespace {

const char style[] =
    "body { font-family: sans-serif; margin: 16px; background: #f4f4f4; }\n"
    "nav a { margin-right: 12px; }\n"
    "section { margin-top: 24px; }\n"
    ".sheet { display: flex; flex-wrap: wrap; gap: 16px; }\n"
    "figure { margin: 0; width: 320px; }\n"
    "figure img { width: 320px; border: 1px solid #bbb; background: white; }\n"
    "figcaption { font-size: 13px; margin-top: 4px; }\n"
    ".unchanged { font-size: 13px; color: #555; }\n";

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QString ContactSheet::link(const QString &path)
{
    QStringList segments = path.split(QLatin1Char('/'));
    for (QString &segment : segments)
        segment = QString::fromLatin1(QUrl::toPercentEncoding(segment));
    return segments.join(QLatin1Char('/'));
}

QString ContactSheet::html() const
{
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    page += QStringLiteral("<title>%1</title>\n<style>\n%2</style>\n</head>\n<body>\n")
                .arg(escaped(m_title), QString::fromLatin1(style));
    page += QStringLiteral("<h1>%1</h1>\n<nav>\n").arg(escaped(m_title));
    for (const Section &section : m_sections) {
        page += QStringLiteral("<a href=\"#%1\">%2</a>\n")
                    .arg(link(section.anchor), escaped(section.title));
    }
    page += QStringLiteral("</nav>\n");
    for (const Section &section : m_sections) {
        page += QStringLiteral("<section id=\"%1\">\n<h2>%2</h2>\n<div class=\"sheet\">\n")
                    .arg(escaped(section.anchor), escaped(section.title));
        for (const Image &image : section.images) {
            const QString href = link(image.path);
            page += QStringLiteral("<figure><a href=\"%1\"><img src=\"%1\" alt=\"%2\" loading=\"lazy\"></a>"
                                   "<figcaption>%2</figcaption></figure>\n")
                        .arg(href, escaped(image.caption));
        }
        page += QStringLiteral("</div>\n");
        if (!section.unchanged.isEmpty()) {
            QStringList links;
            for (const Image &image : section.unchanged)
                links << QStringLiteral("<a href=\"%1\">%2</a>").arg(link(image.path), escaped(image.caption));
            page += QStringLiteral("<p class=\"unchanged\">As in an earlier structure: %1</p>\n")
                        .arg(links.join(QStringLiteral(", ")));
        }
        page += QStringLiteral("</section>\n");
    }
    page += QStringLiteral("</body>\n</html>\n");
    return page;
}

bool ContactSheet::write(const QString &fileName, QString *error) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
        || file.write(html().toUtf8()) < 0) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
