#pragma once

#include <QByteArray>
#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

#include "host/hostexport.h"

class ParameterCatalogue;

namespace UI_Text {
// The key under which a UI text number is registered (page titles and the like).
ZELCORE_EXPORT int buildUIKey(int number);
ZELCORE_EXPORT bool isUIKey(int key);
ZELCORE_EXPORT int numberOfKey(int key);
} // namespace UI_Text

namespace BaseText {
// Value names exist per terminology: neutral, SDH (ITU) and SONET (ANSI) wording.
enum terminology { TerminologyNeutral = 0, TerminologySdh = 1, TerminologySonet = 2 };
// The key of a parameter's name: its SID without flag.
ZELCORE_EXPORT int buildKey(int id, int group, int port);
} // namespace BaseText

// The texts of one server: UI and common texts by number (built in, one table shared by all) and
// parameter and value names from the server's parameter catalogue. Both are held by shared ownership,
// so a copy stays valid whatever else goes first; copies are cheap.
class ZELCORE_EXPORT WidgetText
{
public:
    // The built-in texts only: parameter and value names stay unknown.
    WidgetText();
    explicit WidgetText(QSharedPointer<const ParameterCatalogue> catalogue);

    QString getUiText(int number, int terminology = 0) const;
    QString getCommonText(int number, int terminology = 0) const;
    // Text of a key built by UI_Text::buildUIKey.
    QString getTextOfKey(int key, int terminology = 0) const;
    QString getValueName(int sid, int value, int terminology = 0) const;
    QString getSidName(int key, int terminology = 0) const;

    bool hasUiText(int number) const;
    bool hasCommonText(int number) const;
    const ParameterCatalogue *parameterCatalogue() const { return m_catalogue.data(); }

private:
    struct Entry {
        QString texts[3];
    };
    using Numbered = QHash<int, Entry>;
    struct BuiltIn {
        Numbered ui;
        Numbered common;
    };

    // {"ui": {"4008": "Frame Setup", ...}, "common": {"2004": "Close", ...}}; texts may be
    // {"text": ..., "sdh": ..., "sonet": ...} objects where the wording depends on terminology.
    static bool parse(const QByteArray &json, BuiltIn &into, QStringList *errors);
    // The resource's texts, read once; never changed afterwards.
    static QSharedPointer<const BuiltIn> builtIn();
    static QString pick(const Entry &entry, int terminology);
    // The text of number in one of the numbered catalogues; a missing one reads prefix + number.
    static QString numberedText(const Numbered &texts, int number, int terminology, const char *what,
                                const char *prefix);

    QSharedPointer<const BuiltIn> m_builtIn;
    QSharedPointer<const ParameterCatalogue> m_catalogue;
};
