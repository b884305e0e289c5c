#include "testserverlink.h"

#include <QByteArrayList>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

TestServerLink::TestServerLink(const QByteArray &catalogueJson, QObject *parent) : ServerLink(parent)
{
    if (!catalogueJson.isEmpty())
        m_catalogue->loadJson(catalogueJson, nullptr);
    // An in-memory server is there at once.
    setState(State::Connected);
}

TestServerLink::TestServerLink(const QByteArray &catalogueJson, const QList<int> &ports,
                               const QHash<int, QVariant> &initialValues)
    : TestServerLink(catalogueJson)
{
    const QList<const ParameterDefinition *> definitions = m_catalogue->all();
    if (definitions.isEmpty() && !catalogueJson.isEmpty())
        qWarning("test catalogue holds no parameter");
    for (const ParameterDefinition *d : definitions) {
        for (int port : d->global ? QList<int>{nsSID::noPort} : ports) {
            const int sid = nsSID::build(port, d->group, d->id);
            std::unique_ptr<QcmaParameter> p = d->createParameter(sid);
            if (!p)
                continue;
            if (initialValues.contains(sid)) {
                if (!p->setValue(initialValues.value(sid)))
                    qWarning("initial value does not fit parameter 0x%08x", sid);
                p->setDefined(true);
            }
            addParameter(std::move(p));
        }
    }
}

TestServerLink::~TestServerLink() = default;

std::vector<std::unique_ptr<QcmaParameter>> TestServerLink::snapshot() const
{
    std::vector<std::unique_ptr<QcmaParameter>> list;
    for (const auto &entry : m_values)
        list.push_back(entry.second->clone());
    return list;
}

void TestServerLink::addParameter(std::unique_ptr<QcmaParameter> parameter)
{
    const int sid = parameter->getSID();
    m_values[sid] = std::move(parameter);
}

const QcmaParameter *TestServerLink::value(int sid) const
{
    const auto it = m_values.find(sid);
    return it == m_values.end() ? nullptr : it->second.get();
}

void TestServerLink::write(const QList<const QcmaParameter *> &parameters)
{
    ++m_writeRequests;
    for (const QcmaParameter *p : parameters) {
        const QcmaParameter *current = value(p->getSID());
        if (!current)
            continue;
        if (current->accepts(*p, nullptr))
            addParameter(p->clone());
        announce(*value(p->getSID()));
    }
}

void TestServerLink::serverChange(std::unique_ptr<QcmaParameter> parameter)
{
    const QcmaParameter &value = *parameter;
    addParameter(std::move(parameter));
    announce(value);
}

bool TestServerLink::serverChange(int sid, const QVariant &newValue, bool defined)
{
    const QcmaParameter *current = value(sid);
    if (!current) {
        qWarning("no parameter 0x%08x on the test server", sid);
        return false;
    }
    std::unique_ptr<QcmaParameter> changed = current->clone();
    const bool fits = changed->setValue(newValue);
    if (!fits)
        qWarning("value %s does not fit parameter 0x%08x", qPrintable(newValue.toString()), sid);
    changed->setDefined(defined);
    serverChange(std::move(changed));
    return fits;
}

void TestServerLink::announce(const QcmaParameter &parameter)
{
    QSharedPointer<QcmaParameter> copy(parameter.clone().release());
    post([this, copy] { emit parameterChanged(copy); });
}

void TestServerLink::requestIntervalData(int port, int group, quint32 selector)
{
    m_intervalRequests << port << group << int(selector);
    if (m_intervalReply) {
        QSharedPointer<IntervalData> reply = m_intervalReply;
        post([this, reply] { emit intervalDataArrived(reply); });
    }
}

void TestServerLink::post(const std::function<void()> &answer)
{
    ++m_pendingAnswers;
    QTimer::singleShot(0, this, [this, answer] {
        --m_pendingAnswers;
        answer();
    });
}

QByteArray TestServerLink::enumDefinition(int id, const QString &name, const QStringList &valueNames, int defaultValue,
                                          int group)
{
    QJsonArray values;
    for (int i = 0; i < valueNames.size(); ++i)
        values.append(QJsonObject{{QStringLiteral("value"), i}, {QStringLiteral("name"), valueNames.at(i)}});
    const QJsonObject o{{QStringLiteral("id"), id},
                        {QStringLiteral("group"), QStringLiteral("0x%1").arg(group, 6, 16, QLatin1Char('0'))},
                        {QStringLiteral("kind"), QStringLiteral("enum")},
                        {QStringLiteral("name"), name},
                        {QStringLiteral("values"), values},
                        {QStringLiteral("default"), defaultValue}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QByteArray TestServerLink::catalogueJson(const QList<QByteArray> &definitions)
{
    return "{\"parameters\": [" + QByteArrayList(definitions).join(", ") + "]}";
}
