#include "simulatedserverlink.h"

#include <QDir>
#include <QSharedPointer>
#include <QTimer>

#include "alarmmodel.h"
#include "apps/shared/sid.h"
#include "capturerecordbuilder.h"
#include "generator.h"
#include "host/otn/globalpid.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "justificationmove.h"
#include "livevalues.h"
#include "parameterstore.h"
#include "poweronstructure.h"
#include "resultcounters.h"
#include "simulatorlogging.h"
#include "structurerules.h"
#include "tributaryscanbuilder.h"

// Resources of a static library are registered by hand, once, at global scope.
static void initCatalogueResource()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(catalogue);
        return true;
    }();
    Q_UNUSED(done)
}

namespace {

const char cataloguePath[] = ":/simulator/catalogue";

int globalSid(int id)
{
    return nsSID::build(nsSID::noPort, nsSID::global, id);
}

void appendUnique(QList<int> &list, int sid)
{
    if (!list.contains(sid))
        list.append(sid);
}

} // namespace

SimulatedServerLink::SimulatedServerLink(const SimulatorOptions &options, QObject *parent)
    : ServerLink(parent), m_options(options)
{
    m_options.portCount = qBound(1, m_options.portCount, nsSID::max_number_of_ports);
    initCatalogueResource();
    loadCatalogue();
    m_store = std::make_unique<ParameterStore>(*m_catalogue, m_options.portCount);
    m_rules = std::make_unique<StructureRules>(*m_store, *m_catalogue);
    m_live = std::make_unique<LiveValues>(m_options.portCount, m_options.seed);
    m_counters = std::make_unique<ResultCounters>(*m_catalogue, m_options.portCount);
    m_generator =
        std::make_unique<Generator>(*m_store, *m_counters, m_options.portCount, m_options.applicationType);
    m_justification = std::make_unique<JustificationMove>(*m_store, *m_counters);
    m_measuredSeconds = QVector<int>(m_options.portCount, 0);
    const PowerOnStructure *structure = nullptr;
    if (!m_options.structure.isEmpty()) {
        structure = PowerOnStructure::find(m_options.structure);
        if (!structure)
            qCWarning(lcSimLink).noquote() << QStringLiteral("unknown power-on structure '%1'").arg(m_options.structure);
    }
    for (int port = 1; port <= m_options.portCount; ++port) {
        if (port - 1 < m_options.moduleTypes.size())
            plugModule(port, m_options.moduleTypes.at(port - 1));
        m_rules->apply(port);
        QString problem;
        if (structure && !structure->applyTo(*m_store, *m_rules, port, &problem)) {
            qCWarning(lcSimLink).noquote()
                << QStringLiteral("power-on structure %1 on port %2: %3").arg(structure->name).arg(port).arg(problem);
        }
        m_live->update(*m_store, port, false);
        AlarmModel::update(*m_store, port);
        m_counters->follow(*m_store, port);
    }
    // The start-up state is the initial snapshot, not a change anybody has to be told about.
    m_store->takeChanges();
    setState(State::Connected);
}

SimulatedServerLink::~SimulatedServerLink() = default;

void SimulatedServerLink::plugModule(int port, int txModuleType)
{
    const int rxModuleType = OtnModule::rxValueOf(txModuleType);
    const QcmaParameterEnum modules[] = {QcmaParameterEnum(nsSID::otnSid(port, PID::Otn::TX::MODULE), txModuleType),
                                         QcmaParameterEnum(nsSID::otnSid(port, PID::Otn::RX::MODULE), rxModuleType)};
    for (const QcmaParameterEnum &module : modules) {
        QString reason;
        if (m_store->validate(module, &reason))
            m_store->assign(module);
        else
            qCWarning(lcSimLink).noquote() << QStringLiteral("module type of port %1: %2").arg(port).arg(reason);
    }
}

void SimulatedServerLink::loadCatalogue()
{
    QStringList files;
    const QDir dir(QString::fromLatin1(cataloguePath));
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    files += m_options.extraCatalogueFiles;
    if (files.isEmpty())
        m_catalogueErrors.append(QStringLiteral("no catalogue file found under %1").arg(dir.path()));
    for (const QString &file : qAsConst(files)) {
        QStringList errors;
        m_catalogue->loadFile(file, &errors);
        for (const QString &error : qAsConst(errors))
            m_catalogueErrors.append(QStringLiteral("%1: %2").arg(file, error));
    }
    for (const QString &error : qAsConst(m_catalogueErrors))
        qCWarning(lcSimLink).noquote() << "catalogue:" << error;
}

std::vector<std::unique_ptr<QcmaParameter>> SimulatedServerLink::snapshot() const
{
    if (state() != State::Connected)
        return {};
    return m_store->snapshot();
}

const QcmaParameter *SimulatedServerLink::value(int sid) const
{
    return m_store->value(sid);
}

int SimulatedServerLink::portCount() const
{
    return m_options.portCount;
}

int SimulatedServerLink::portModuleType(int port) const
{
    if (port < 1 || port > m_options.portCount)
        return (port >= 1 && port - 1 < m_options.moduleTypes.size()) ? m_options.moduleTypes.at(port - 1) : 0;
    const QcmaParameter *module = m_store->value(nsSID::otnSid(port, PID::Otn::TX::MODULE));
    if (module && module->isDefined())
        return module->getEnum();
    return (port >= 1 && port - 1 < m_options.moduleTypes.size()) ? m_options.moduleTypes.at(port - 1) : 0;
}

void SimulatedServerLink::write(const QList<const QcmaParameter *> &parameters)
{
    if (state() != State::Connected) {
        QStringList sids;
        for (const QcmaParameter *candidate : parameters) {
            if (candidate)
                sids.append(QStringLiteral("0x%1").arg(uint(candidate->getSID()), 8, 16, QLatin1Char('0')));
        }
        qCWarning(lcSimLink).noquote() << QStringLiteral("write not received, the connection is down: sid %1")
                                              .arg(sids.join(QStringLiteral(", ")));
        return;
    }
    ++m_writeRequests;
    QList<int> confirmed;
    QList<int> ports;
    for (const QcmaParameter *candidate : parameters) {
        if (!candidate)
            continue;
        const int sid = ParameterStore::keyOf(candidate->getSID());
        QString reason;
        if (!m_store->validate(*candidate, &reason) || !m_rules->check(*candidate, &reason)) {
            ++m_refusedWrites;
            qCWarning(lcSimStore).noquote()
                << QStringLiteral("write refused: sid 0x%1 (port %2, group 0x%3, id %4): %5")
                       .arg(uint(sid), 8, 16, QLatin1Char('0'))
                       .arg(nsSID::portOf(sid))
                       .arg(nsSID::groupOf(sid), 0, 16)
                       .arg(nsSID::idOf(sid))
                       .arg(reason);
            // The old value goes back, so that the screen shows what the tester holds.
            if (m_store->contains(sid))
                appendUnique(confirmed, sid);
            continue;
        }
        m_store->assign(*candidate);
        if (sid == globalSid(PID::Global::MEASUREMENT_RESET) && candidate->getEnum() != 0)
            resetMeasurement();
        m_rules->apply(nsSID::portOf(sid));
        appendUnique(confirmed, sid);
        appendUnique(ports, nsSID::portOf(sid));
        for (int changed : m_store->takeChanges())
            appendUnique(confirmed, changed);
        // Another receiver module reports anew what the receiver expects, changed or not.
        if (nsSID::groupOf(sid) == nsSID::otn && nsSID::idOf(sid) == PID::Otn::RX::MODULE) {
            for (int id : PID::Otn::RX::MAPPING)
                appendUnique(confirmed, nsSID::otnSid(nsSID::portOf(sid), id));
            appendUnique(confirmed, nsSID::otnSid(nsSID::portOf(sid), PID::Otn::RX::TCM));
        }
    }
    // The receiver judges the request's outcome, not the steps on the way to it.
    for (int changed : followConfiguration(ports, true))
        appendUnique(confirmed, changed);
    announce(confirmed);
}

bool SimulatedServerLink::serverChange(int sid, const QVariant &value)
{
    if (!m_store->contains(sid))
        return false;
    if (!m_store->setValue(sid, value) && m_store->value(sid)->toVariant() != value)
        return false;
    m_rules->apply(nsSID::portOf(sid));
    // An alarm set from outside stays as it was set until the configuration changes again.
    const bool modelAlarms = nsSID::groupOf(sid) != nsSID::otn || !AlarmModel::models(nsSID::idOf(sid));
    QList<int> changes = m_store->takeChanges();
    for (int changed : followConfiguration({nsSID::portOf(sid)}, modelAlarms))
        appendUnique(changes, changed);
    announce(changes);
    return true;
}

QList<int> SimulatedServerLink::followConfiguration(const QList<int> &ports, bool modelAlarms)
{
    // Values measured and alarms seen on a port follow its configuration at once.
    for (int port : ports)
        followPort(port, modelAlarms);
    return m_store->takeChanges();
}

void SimulatedServerLink::followPort(int port, bool modelAlarms)
{
    if (port < 1 || port > m_options.portCount)
        return;
    m_generator->follow(port);
    const TransmittedSignal::Insertion sending = m_generator->sending(port);
    m_live->update(*m_store, port, false, sending);
    if (modelAlarms)
        AlarmModel::update(*m_store, port, sending);
    m_counters->follow(*m_store, port);
}

void SimulatedServerLink::measureSecond(int port)
{
    // What the generator inserts in the second reaches the receiver before it counts the second; an
    // alarm that starts or ends with it is a change of what the port sends.
    const TransmittedSignal::Insertion before = m_generator->sending(port);
    m_generator->beginSecond(port);
    m_justification->beginSecond(port);
    const TransmittedSignal::Insertion sent = m_generator->sending(port);
    if (sent != before)
        followPort(port, true);
    m_counters->measure(*m_store, port, sent);
    m_generator->endSecond(port);
    if (m_generator->sending(port) != sent)
        followPort(port, true);
}

void SimulatedServerLink::resetMeasurement()
{
    for (int port = 1; port <= m_options.portCount; ++port)
        m_counters->reset(*m_store, port);
    m_measuredSeconds.fill(0);
    m_store->setValue(globalSid(PID::Global::MEASUREMENT_ELAPSED), 0u);
    // The reset is a command, not a state: it reads back as done.
    m_store->setValue(globalSid(PID::Global::MEASUREMENT_RESET), 0);
}

void SimulatedServerLink::announce(const QList<int> &sids)
{
    if (sids.isEmpty())
        return;
    // The values as they are now; the answer itself travels through the event loop.
    QList<QSharedPointer<QcmaParameter>> values;
    for (int sid : sids) {
        if (const QcmaParameter *p = m_store->value(sid))
            values.append(QSharedPointer<QcmaParameter>(p->clone().release()));
    }
    post([this, values] {
        for (const QSharedPointer<QcmaParameter> &p : values)
            emit parameterChanged(p);
    });
}

void SimulatedServerLink::post(std::function<void()> answer)
{
    // Nothing reaches the client while the connection is down: it learns the outcome from the snapshot
    // it takes when the connection is back.
    if (state() != State::Connected)
        return;
    ++m_pendingAnswers;
    QTimer::singleShot(0, this, [this, answer = std::move(answer), connection = m_connection] {
        --m_pendingAnswers;
        if (connection == m_connection && state() == State::Connected)
            answer();
    });
}

void SimulatedServerLink::dropConnection(const QString &reason)
{
    if (state() == State::Lost)
        return;
    ++m_connection;
    setState(State::Lost, reason);
}

void SimulatedServerLink::restoreConnection()
{
    setState(State::Connected);
}

void SimulatedServerLink::requestIntervalData(int port, int group, quint32 selector)
{
    if (state() != State::Connected) {
        qCDebug(lcSimLink) << "interval request not received: the connection is down";
        return;
    }
    if (group != nsSID::otn || port < 1 || port > m_options.portCount) {
        qCDebug(lcSimLink) << "no interval data for port" << port << "group" << Qt::hex << group;
        return;
    }
    // A new current interval: the port is measured again, and its receiver counts another second (so
    // does a request for the cumulative results, which would stand still otherwise). Computed now, from
    // the configuration the request finds; delivered later.
    // A stopped measurement counts nothing.
    const bool running = m_store->intValue(globalSid(PID::Global::MEASUREMENT_RUNNING)) != 0;
    if (running && (selector == currentIntervalSelector || selector == cumulativeIntervalSelector)) {
        measureSecond(port);
        // The elapsed time is that of the port measured longest since the reset.
        const int seconds = ++m_measuredSeconds[port - 1];
        const int elapsedSid = globalSid(PID::Global::MEASUREMENT_ELAPSED);
        if (uint(seconds) > m_store->value(elapsedSid)->getUInt())
            m_store->setValue(elapsedSid, uint(seconds));
    }
    const TransmittedSignal::Insertion sending = m_generator->sending(port);
    if (selector == currentIntervalSelector) {
        m_live->update(*m_store, port, true, sending);
        AlarmModel::countInterval(*m_store, port, m_counters->lastErrors(port), sending);
    }
    // A single or burst insertion that ended in the second is announced with it.
    announce(m_store->takeChanges());
    QList<QSharedPointer<IntervalData>> answers;
    // The scan publishes its words while it runs.
    if (m_store->intValue(nsSID::otnSid(port, PID::Otn::SCAN::RUNNING)) != 0) {
        auto scan = QSharedPointer<IntervalDataOtnTributaryScan>::create(nsSID::otnSid(port, PID::Otn::SCAN::RESULT),
                                                                         selector);
        scan->words = TributaryScanBuilder::words(*m_store, port, sending);
        answers.append(scan);
    }
    auto capture =
        QSharedPointer<IntervalDataOtnCapture>::create(nsSID::otnSid(port, PID::Otn::CAPTURE::OVERHEAD), selector);
    const CaptureRecordBuilder builder(*m_store, port, m_counters->seconds(port), sending);
    for (int level = 0; level < IntervalDataOtnCapture::levelCount; ++level)
        capture->records[level] = builder.record(level);
    answers.append(capture);
    auto counters =
        QSharedPointer<IntervalDataCounters>::create(nsSID::otnSid(port, IntervalDataCounters::blockId), selector);
    counters->values = m_counters->values(*m_store, port, selector);
    answers.append(counters);
    post([this, answers] {
        for (const QSharedPointer<IntervalData> &data : answers)
            emit intervalDataArrived(data);
    });
}
