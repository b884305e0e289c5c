#include "customscreen.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "host/catalogue/strictjson.h"

namespace {
const QString formatName = QStringLiteral("otn-client customised screen");
} // namespace

QByteArray CustomScreen::toJson() const
{
    QJsonArray parameters;
    for (int sid : sids)
        parameters.append(QJsonObject{{QStringLiteral("sid"), sid}});
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), formatVersion},
                           {QStringLiteral("name"), name},
                           {QStringLiteral("parameters"), parameters}};
    return QJsonDocument(root).toJson();
}

bool CustomScreen::fromJson(const QByteArray &json, CustomScreen *into, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QString parseError;
    const QJsonDocument document = StrictJson::parse(json, &parseError);
    if (document.isNull())
        return fail(QStringLiteral("it is no JSON (%1)").arg(parseError));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != formatName)
        return fail(QStringLiteral("it is no customised screen of this client"));
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version < 1)
        return fail(QStringLiteral("it has no format version"));
    if (version > formatVersion) {
        return fail(QStringLiteral("it was written by a newer client (format version %1; this client reads up to %2)")
                        .arg(version)
                        .arg(formatVersion));
    }
    const QJsonValue parameters = root.value(QStringLiteral("parameters"));
    if (!parameters.isArray())
        return fail(QStringLiteral("it lists no parameters"));
    CustomScreen screen;
    screen.name = root.value(QStringLiteral("name")).toString();
    const QJsonArray entries = parameters.toArray();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonValue sid = entries.at(i).toObject().value(QStringLiteral("sid"));
        const double number = sid.toDouble(-1);
        if (!sid.isDouble() || number < 0 || number > double(0x7FFFFFFF) || number != double(qint64(number)))
            return fail(QStringLiteral("parameter %1 has no valid SID").arg(i + 1));
        screen.sids.append(int(number));
    }
    if (into)
        *into = screen;
    return true;
}

bool CustomScreen::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot save the screen to %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool CustomScreen::load(const QString &path, CustomScreen *into, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    QString reason;
    if (!fromJson(file.readAll(), into, &reason)) {
        if (error)
            *error = QStringLiteral("Cannot open %1: %2.").arg(path, reason);
        return false;
    }
    return true;
}
