#pragma once

#include <QList>
#include <QString>

// The index.html of a screenshot folder: one section per structure with its images, each linked and
// named, and links to the screens that look as they did in an earlier section. Links are relative
// to the folder, so the sheet opens in a browser from wherever the folder lies.
class ContactSheet
{
public:
    struct Image {
        QString path;      // relative to the sheet's folder, "otu2-bulk/OTN Tx Frame Setup.png"
        QString caption;   // "OTN Tx Frame Setup"
    };
    struct Section {
        QString anchor;    // "otu2-bulk"
        QString title;     // "OTU2 bulk"
        QList<Image> images;
        // Screens that look as in an earlier section: the caption and the earlier image.
        QList<Image> unchanged;
    };

    explicit ContactSheet(const QString &title) : m_title(title) {}

    void addSection(const Section &section) { m_sections.append(section); }
    QList<Section> sections() const { return m_sections; }

    QString html() const;
    // Writes html() to the file; false with the reason in error.
    bool write(const QString &fileName, QString *error) const;

    // A relative path as a link: every segment percent-encoded, the slashes kept.
    static QString link(const QString &path);

private:
    QString m_title;
    QList<Section> m_sections;
};
