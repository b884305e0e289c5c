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

WidgetText::WidgetText() : m_builtIn(builtIn()) {}

WidgetText::WidgetText(QSharedPointer<const ParameterCatalogue> catalogue)
    : m_builtIn(builtIn()), m_catalogue(std::move(catalogue))
{
}

QSharedPointer<const WidgetText::BuiltIn> WidgetText::builtIn()
{
    static const QSharedPointer<const BuiltIn> texts = [] {
        auto loaded = QSharedPointer<BuiltIn>::create();
        QFile file(QStringLiteral(":/host/texts/texts.json"));
        QStringList errors;
        if (!file.open(QIODevice::ReadOnly) || !parse(file.readAll(), *loaded, &errors))
            qCWarning(lcZelAssert) << "text catalogue not loaded:" << errors;
        return QSharedPointer<const BuiltIn>(loaded);
    }();
    return texts;
}

bool WidgetText::parse(const QByteArray &json, BuiltIn &into, QStringList *errors)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        if (errors)
            errors->append(parseError.errorString());
        return false;
    }
    const auto load = [](const QJsonObject &object, Numbered &texts) {
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
            texts.insert(it.key().toInt(), e);
        }
    };
    load(doc.object().value(QStringLiteral("ui")).toObject(), into.ui);
    load(doc.object().value(QStringLiteral("common")).toObject(), into.common);
    return true;
}

bool WidgetText::hasUiText(int number) const
{
    return m_builtIn->ui.contains(number);
}

bool WidgetText::hasCommonText(int number) const
{
    return m_builtIn->common.contains(number);
}

QString WidgetText::pick(const Entry &entry, int terminology)
{
    if (terminology > 0 && terminology < 3 && !entry.texts[terminology].isEmpty())
        return entry.texts[terminology];
    return entry.texts[0];
}

QString WidgetText::numberedText(const Numbered &texts, int number, int terminology, const char *what,
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
    return numberedText(m_builtIn->ui, number, terminology, "no UI text", "UI");
}

QString WidgetText::getCommonText(int number, int terminology) const
{
    return numberedText(m_builtIn->common, number, terminology, "no common text", "C");
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
