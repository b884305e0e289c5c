#include "strictjson.h"

#include <QJsonArray>
#include <QSet>
#include <QVector>

namespace {

// A key as the parser compares it, in its quotes: escapes decoded.
QByteArray decodedKey(const QByteArray &quoted)
{
    if (!quoted.contains('\\'))
        return quoted;
    const QJsonDocument single = QJsonDocument::fromJson('[' + quoted + ']');
    return single.isArray() ? '"' + single.array().at(0).toString().toUtf8() + '"' : quoted;
}

struct Container {
    bool object = false;
    bool expectingKey = false;
    QSet<QByteArray> keys;
};

} // namespace

QString StrictJson::duplicateKey(const QByteArray &json, int *offset)
{
    QVector<Container> open;
    const int size = json.size();
    int i = 0;
    while (i < size) {
        const char c = json.at(i);
        if (c == '"') {
            const int start = i++;
            while (i < size && json.at(i) != '"')
                i += json.at(i) == '\\' ? 2 : 1;
            const QByteArray quoted = json.mid(start, qMin(i, size - 1) + 1 - start);
            ++i;
            if (!open.isEmpty() && open.last().object && open.last().expectingKey) {
                Container &object = open.last();
                object.expectingKey = false;
                const QByteArray key = decodedKey(quoted);
                if (object.keys.contains(key)) {
                    if (offset)
                        *offset = start;
                    return QString::fromUtf8(key.mid(1, key.size() - 2));
                }
                object.keys.insert(key);
            }
            continue;
        }
        if (c == '{' || c == '[') {
            Container next;
            next.object = c == '{';
            next.expectingKey = next.object;
            open.append(next);
        } else if ((c == '}' || c == ']') && !open.isEmpty()) {
            open.removeLast();
        } else if (c == ',' && !open.isEmpty() && open.last().object) {
            open.last().expectingKey = true;
        }
        ++i;
    }
    return {};
}

QJsonDocument StrictJson::parse(const QByteArray &json, QString *error)
{
    int offset = 0;
    const QString twice = duplicateKey(json, &offset);
    if (!twice.isNull()) {
        if (error)
            *error = QStringLiteral("key \"%1\" named twice in one object at byte %2").arg(twice).arg(offset);
        return {};
    }
    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("%1 at byte %2").arg(parseError.errorString()).arg(parseError.offset);
        return {};
    }
    return document;
}
