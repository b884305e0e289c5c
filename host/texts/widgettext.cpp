#include "widgettext.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "apps/shared/sid.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/catalogue/parametercatalogue.h"

namespace {
constexpr int uiKeyTag = 0x40000000;
}

int UI_Text::buildUIKey(int number)
{
    return uiKeyTag | (number & 0xFFFFFF);
}

bool UI_Text::isUIKey(int key)
{
    return (key & uiKeyTag) != 0;
}

int UI_Text::numberOfKey(int key)
{
    return key & 0xFFFFFF;
}

int BaseText::buildKey(int id, int group, int port)
{
    return nsSID::build(port, group, id);
}

WidgetText::WidgetText()
{
    QFile file(QStringLiteral(":/host/texts/texts.json"));
    QStringList errors;
    if (!file.open(QIODevice::ReadOnly) || !loadJson(file.readAll(), &errors))
        qCWarning(lcZelAssert) << "text catalogue not loaded:" << errors;
}

WidgetText *WidgetText::instance()
{
    static WidgetText texts;
    return &texts;
}

bool WidgetText::loadJson(const QByteArray &json, QStringList *errors)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        if (errors)
            errors->append(parseError.errorString());
        return false;
    }
    const auto load = [](const QJsonObject &object, QHash<int, Entry> &into) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            Entry e;
            if (it->isObject()) {
                const QJsonObject o = it->toObject();
                e.texts[0] = o.value(QStringLiteral("text")).toString();
                e.texts[1] = o.value(QStringLiteral("sdh")).toString();
                e.texts[2] = o.value(QStringLiteral("sonet")).toString();
            } else {
                e.texts[0] = it->toString();
            }
            into.insert(it.key().toInt(), e);
        }
    };
    load(doc.object().value(QStringLiteral("ui")).toObject(), m_ui);
    load(doc.object().value(QStringLiteral("common")).toObject(), m_common);
    return true;
}

QString WidgetText::pick(const Entry &entry, int terminology)
{
    if (terminology > 0 && terminology < 3 && !entry.texts[terminology].isEmpty())
        return entry.texts[terminology];
    return entry.texts[0];
}

QString WidgetText::numberedText(const QHash<int, Entry> &texts, int number, int terminology, const char *what,
                                 const char *prefix)
{
    const auto it = texts.constFind(number);
    if (it == texts.constEnd()) {
        qCDebug(lcZelIgnored) << what << number;
        return QLatin1String(prefix) + QString::number(number);
    }
    return pick(*it, terminology);
}

QString WidgetText::getUiText(int number, int terminology) const
{
    return numberedText(m_ui, number, terminology, "no UI text", "UI");
}

QString WidgetText::getCommonText(int number, int terminology) const
{
    return numberedText(m_common, number, terminology, "no common text", "C");
}

QString WidgetText::getTextOfKey(int key, int terminology) const
{
    if (UI_Text::isUIKey(key))
        return getUiText(UI_Text::numberOfKey(key), terminology);
    return getSidName(key, terminology);
}

QString WidgetText::getValueName(int sid, int value, int terminology) const
{
    const ParameterDefinition *d = m_catalogue ? m_catalogue->findBySid(sid) : nullptr;
    return d ? d->valueName(value, terminology) : QString::number(value);
}

QString WidgetText::getSidName(int key, int) const
{
    const ParameterDefinition *d = m_catalogue ? m_catalogue->findBySid(key) : nullptr;
    return d ? d->name : QString();
}
