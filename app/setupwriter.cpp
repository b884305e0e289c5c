#include "setupwriter.h"

#include "apps/shared/sid.h"
#include "clientlogging.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/catalogue/parameterdefinition.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "setupfile.h"

namespace {
constexpr int defaultAnswerSeconds = 10;
} // namespace

SetupWriter::SetupWriter(zelServerManager *manager, const QList<Batch> &batches, QObject *parent)
    : QObject(parent), m_manager(manager), m_batches(batches)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(defaultAnswerSeconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { finish(QStringLiteral("The tester did not answer.")); });
    connect(m_manager, &zelServerManager::parameterChanged, this, &SetupWriter::parameterChanged);
    connect(m_manager, &zelServerManager::linkStateChanged, this, &SetupWriter::linkStateChanged);
}

SetupWriter::~SetupWriter() = default;

int SetupWriter::total() const
{
    int count = 0;
    for (const Batch &batch : m_batches)
        count += batch.size();
    return count;
}

void SetupWriter::start()
{
    if (m_manager->linkState() != ServerLink::State::Connected) {
        finish(QStringLiteral("The tester is not connected."));
        return;
    }
    sendNext();
}

void SetupWriter::cancel()
{
    finish(QStringLiteral("Cancelled; the values written so far stay."));
}

void SetupWriter::sendNext()
{
    if (m_finished)
        return;
    if (m_next >= m_batches.size()) {
        finish(QString());
        return;
    }
    const Batch &batch = m_batches.at(m_next++);
    QList<const QcmaParameter *> values;
    m_waiting.clear();
    for (const std::shared_ptr<QcmaParameter> &parameter : batch) {
        values.append(parameter.get());
        m_waiting.insert(parameter->getSID());
    }
    m_timer.start();
    m_manager->SetQcmaParameterList(values);
    if (m_waiting.isEmpty())
        sendNext();
}

void SetupWriter::parameterChanged(const QcmaParameter &parameter)
{
    if (m_finished || !m_waiting.remove(parameter.getSID()))
        return;
    emit progress(++m_written, total());
    if (m_waiting.isEmpty()) {
        m_timer.stop();
        sendNext();
    }
}

void SetupWriter::linkStateChanged(ServerLink::State state)
{
    if (state != ServerLink::State::Connected && !m_finished)
        finish(QStringLiteral("The connection to the tester was lost."));
}

void SetupWriter::finish(const QString &error)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer.stop();
    m_error = error;
    for (const Batch &batch : qAsConst(m_batches)) {
        for (const std::shared_ptr<QcmaParameter> &wanted : batch) {
            const QcmaParameter *held = m_manager->cachedParameter(wanted->getSID());
            if (held && held->isDefined() && SetupFile::toJson(*held) == SetupFile::toJson(*wanted))
                continue;
            m_refused.append(describe(*wanted));
        }
    }
    if (!m_error.isEmpty())
        qCWarning(lcClient).noquote() << "setup not written to the end:" << m_error;
    for (const QString &line : qAsConst(m_refused))
        qCInfo(lcClient).noquote() << "setup value refused:" << line;
    emit finished();
}

QString SetupWriter::describe(const QcmaParameter &wanted) const
{
    const ParameterDefinition *definition = m_manager->catalogue().findBySid(wanted.getSID());
    const QString name = definition ? definition->name : QStringLiteral("parameter %1").arg(nsSID::idOf(wanted.getSID()));
    const QcmaParameter *held = m_manager->cachedParameter(wanted.getSID());
    const auto text = [](const QJsonValue &value) { return value.toVariant().toString(); };
    return QStringLiteral("%1: %2 (the tester holds %3)")
        .arg(name, text(SetupFile::toJson(wanted)), held ? text(SetupFile::toJson(*held)) : QStringLiteral("none"));
}
