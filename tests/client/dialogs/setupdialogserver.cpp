#include "setupdialogserver.h"

#include <QByteArrayList>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/catalogue/parametercatalogue.h"

SetupDialogServer::SetupDialogServer(const QByteArray &catalogueJson, const QList<int> &ports,
                                     const QHash<int, QVariant> &initialValues)
    : m_link(new TestServerLink(catalogueJson))
{
    const QList<const ParameterDefinition *> definitions = m_link->catalogue().all();
    if (definitions.isEmpty())
        qWarning("test catalogue holds no parameter");
    for (const ParameterDefinition *d : definitions) {
        const QList<int> portsOfDefinition = d->global ? QList<int>{nsSID::noPort} : ports;
        for (int port : portsOfDefinition) {
            const int sid = nsSID::build(port, d->group, d->id);
            std::unique_ptr<QcmaParameter> p = d->createParameter(sid);
            if (!p)
                continue;
            if (initialValues.contains(sid)) {
                if (!p->setValue(initialValues.value(sid)))
                    qWarning("initial value does not fit parameter 0x%08x", sid);
                p->setDefined(true);
            }
            m_link->addParameter(std::move(p));
        }
    }
    m_manager.reset(new zelServerManager(m_link.get()));
}

SetupDialogServer::~SetupDialogServer()
{
    m_manager.reset();
    m_link.reset();
}

void SetupDialogServer::serverChange(int sid, const QVariant &value, bool defined)
{
    const QcmaParameter *current = m_link->value(sid);
    if (!current) {
        qWarning("no parameter 0x%08x on the test server", sid);
        return;
    }
    std::unique_ptr<QcmaParameter> changed = current->clone();
    if (!changed->setValue(value))
        qWarning("value %s does not fit parameter 0x%08x", qPrintable(value.toString()), sid);
    changed->setDefined(defined);
    m_link->serverChange(std::move(changed));
}

QByteArray SetupDialogServer::enumDefinition(int id, const QString &name, const QStringList &valueNames,
                                             int defaultValue, int group)
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

QByteArray SetupDialogServer::catalogue(const QList<QByteArray> &definitions)
{
    return "{\"parameters\": [" + QByteArrayList(definitions).join(", ") + "]}";
}
