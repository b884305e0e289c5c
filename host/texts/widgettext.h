#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "host/hostexport.h"

class ParameterCatalogue;

namespace UI_Text {
// The key under which a UI text number is registered (page titles and the like).
ZELBASE_EXPORT int buildUIKey(int number);
ZELBASE_EXPORT bool isUIKey(int key);
ZELBASE_EXPORT int numberOfKey(int key);
} // namespace UI_Text

namespace BaseText {
// Value names exist per terminology: neutral, SDH (ITU) and SONET (ANSI) wording.
enum terminology { TerminologyNeutral = 0, TerminologySdh = 1, TerminologySonet = 2 };
// The key of a parameter's name: its SID without flag.
ZELBASE_EXPORT int buildKey(int id, int group, int port);
} // namespace BaseText

// The text catalogue: UI and common texts by number (a JSON resource), parameter and value names
// from the server's parameter catalogue.
class ZELBASE_EXPORT WidgetText
{
public:
    static WidgetText *instance();

    QString getUiText(int number, int terminology = 0) const;
    QString getCommonText(int number, int terminology = 0) const;
    // Text of a key built by UI_Text::buildUIKey.
    QString getTextOfKey(int key, int terminology = 0) const;
    QString getValueName(int sid, int value, int terminology = 0) const;
    QString getSidName(int key, int terminology = 0) const;

    bool hasUiText(int number) const { return m_ui.contains(number); }
    bool hasCommonText(int number) const { return m_common.contains(number); }
    QList<int> uiTextNumbers() const { return m_ui.keys(); }

    void setParameterCatalogue(const ParameterCatalogue *catalogue) { m_catalogue = catalogue; }
    const ParameterCatalogue *parameterCatalogue() const { return m_catalogue; }
    // {"ui": {"4008": "Frame Setup", ...}, "common": {"2004": "Close", ...}}; texts may be
    // {"text": ..., "sdh": ..., "sonet": ...} objects where the wording depends on terminology.
    bool loadJson(const QByteArray &json, QStringList *errors);

private:
    WidgetText();
    struct Entry {
        QString texts[3];
    };
    static QString pick(const Entry &entry, int terminology);
    // The text of number in one of the numbered catalogues; a missing one reads prefix + number.
    static QString numberedText(const QHash<int, Entry> &texts, int number, int terminology, const char *what,
                                const char *prefix);

    QHash<int, Entry> m_ui;
    QHash<int, Entry> m_common;
    const ParameterCatalogue *m_catalogue = nullptr;
};
