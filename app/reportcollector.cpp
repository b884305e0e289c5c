#include "reportcollector.h"

#include <memory>

#include <QCoreApplication>
#include <QHash>
#include <QScrollArea>

#include "apps/shared/sid.h"
#include "clientoptions.h"
#include "clientsession.h"
#include "historypage.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/statisticslisttablepagefactory.h"
#include "host/contract/testresultidentifier.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/pages/page.h"
#include "host/pages/samplestates.h"
#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstable.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/eventlog.h"
#include "host/server/eventclassifier.h"
#include "host/server/zelservermanager.h"
#include "pagearea.h"
#include "screenshotrunner.h"

namespace {
// Answers may ask for more answers: a few rounds of the event loop deliver them all.
constexpr int settleRounds = 4;
// Steps a result page may take to show another type.
constexpr int maxTypeSteps = 12;
// The size the pages are laid out at off screen, as in the window.
const QSize pageSize(1024, 700);
const QSize historySize(800, 380);

// Bytes as the overhead views show them: a byte outside space to tilde as ".".
QString printable(const QByteArray &bytes)
{
    QString text;
    for (char byte : bytes) {
        const uchar c = uchar(byte);
        text.append(c >= 0x20 && c <= 0x7E ? QChar(c) : QChar(QLatin1Char('.')));
    }
    return text;
}

QString hexBytes(const QByteArray &bytes)
{
    if (bytes.count('\0') == bytes.size())
        return QCoreApplication::translate("ReportCollector", "%n zero byte(s)", nullptr, bytes.size());
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString faultIndication(const QByteArray &bytes)
{
    const int code = bytes.isEmpty() ? 0 : uchar(bytes.at(0));
    const QString hex = QStringLiteral("0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
    switch (code) {
    case 0:
        return hex + QCoreApplication::translate("ReportCollector", " No Fault");
    case 1:
        return hex + QCoreApplication::translate("ReportCollector", " Signal Fail");
    case 2:
        return hex + QCoreApplication::translate("ReportCollector", " Signal Degrade");
    default:
        return hex + QCoreApplication::translate("ReportCollector", " Reserved");
    }
}

// The part of a picture that differs from its corner: a diagram laid out in a larger page without the
// empty room around it.
QImage cropped(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb background = image.pixel(0, 0);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == background)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (right < 0)
        return image;
    constexpr int margin = 4;
    return image.copy(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-margin, -margin, margin, margin)
                          .intersected(image.rect()));
}

bool isHeader(int kind)
{
    return kind == nsStatistics::RowHeader || kind == nsStatistics::RowSectionHeader;
}
} // namespace

ReportCollector::ReportCollector(ClientSession &session) : m_session(session) {}

ReportCollector::~ReportCollector() = default;

ReportData ReportCollector::collect()
{
    m_stage = std::make_unique<QWidget>();
    m_stage->setAttribute(Qt::WA_DontShowOnScreen);
    m_stage->resize(historySize.expandedTo(pageSize));
    m_stage->show();
    ReportData data;
    data.created = QDateTime::currentDateTime();
    data.clientVersion = ClientOptions::version();
    zelServerManager *manager = m_session.serverManager();
    const QString kind = m_session.tester() ? QCoreApplication::translate("ReportCollector", "Simulated tester")
                                            : QCoreApplication::translate("ReportCollector", "Tester");
    data.tester = QCoreApplication::translate("ReportCollector", "%1, application type %2, %n port(s)", nullptr,
                                              manager ? manager->PortCount() : 0)
                      .arg(kind)
                      .arg(manager ? manager->GetApplicationType() : 0);
    for (int port : m_session.ports()) {
        ReportData::Port entry;
        entry.port = port;
        collectPort(entry);
        data.ports.append(entry);
    }
    // The log first: reading the result pages lets the tester count further seconds.
    collectEvents(data);
    collectResults(data);
    m_stage.reset();
    return data;
}

void ReportCollector::collectPort(ReportData::Port &port)
{
    zelServerManager *manager = m_session.serverManager();
    if (!manager)
        return;
    const int terminology = manager->GetTerminology(port.port);
    const int module = manager->GetPortModuleType(port.port);
    const QString moduleName = text(nsSID::otnSid(port.port, PID::Otn::TX::MODULE), terminology);
    port.module = moduleName.isEmpty() ? QString::number(module) : moduleName;
    port.txStructure = structure(port.port, true);
    port.rxStructure = structure(port.port, false);
    port.txDiagram = diagram(InterfaceSetupIdentifier::PageOtnTxFrameSetup, port.port);
    port.rxDiagram = diagram(InterfaceSetupIdentifier::PageOtnRxFrameSetup, port.port);
    collectOverhead(port);
    collectAlarms(port);
    if (EventLog *log = m_session.eventLog()) {
        HistoryPage history(m_stage.get());
        history.setLog(log);
        history.showPort(port.port);
        history.resize(historySize);
        history.show();
        history.showWholeRun();
        settle();
        // The chart, without the page's selectors.
        auto *view = history.findChild<QChartView *>();
        port.history = view ? view->grab().toImage() : history.grab().toImage();
    }
}

QString ReportCollector::text(int sid, int terminology) const
{
    zelServerManager *manager = m_session.serverManager();
    const QcmaParameter *parameter = manager ? manager->cachedParameter(sid) : nullptr;
    return parameter ? manager->texts().getValueName(sid, parameter->getInt(), terminology) : QString();
}

QString ReportCollector::structure(int port, bool transmit) const
{
    zelServerManager *manager = m_session.serverManager();
    const int *ids = transmit ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING;
    OtnMapping mapping;
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        const QcmaParameter *parameter = manager->cachedParameter(nsSID::otnSid(port, ids[field]));
        mapping.setValue(field, parameter ? parameter->getInt() : 0);
    }
    QStringList names = mapping.getOduNames();
    if (names.isEmpty())
        return QString();
    names.first().replace(QStringLiteral("ODU"), QStringLiteral("OTU"));
    const QString client = text(nsSID::otnSid(port, ids[OtnMapping::FieldClient]), manager->GetTerminology(port));
    if (!client.isEmpty())
        names.append(client);
    return names.join(QStringLiteral(" > "));
}

QImage ReportCollector::diagram(int pageId, int port)
{
    InterfaceSetupPageFactory *factory = m_session.setupFactory();
    zelServerManager *manager = m_session.serverManager();
    if (!factory)
        return QImage();
    std::unique_ptr<Page> page(factory->createPage(PageArea::identifierOf(*factory, pageId), manager));
    if (!page)
        return QImage();
    page->setParent(m_stage.get());
    page->setPort(port);
    page->initializePage();
    page->ChangeTerminology(manager->GetTerminology(port));
    page->UpdateText();
    page->resize(pageSize);
    page->show();
    settle();
    ScreenshotRunner::growToShowScrolledContents(page.get());
    // The diagram is what the page scrolls; its buttons and selectors above it stay on the screen.
    const auto *area = page->findChild<QScrollArea *>();
    QWidget *shown = area && area->widget() ? area->widget() : page.get();
    const QImage image = cropped(shown->grab().toImage());
    page->hide();
    return image;
}

void ReportCollector::collectOverhead(ReportData::Port &port)
{
    using namespace PID::Otn::TX;
    zelServerManager *manager = m_session.serverManager();
    const int terminology = manager->GetTerminology(port.port);
    const QStringList levels = port.txStructure.split(QStringLiteral(" > "));
    const auto bytes = [&](int id) {
        const QcmaParameter *parameter = manager->cachedParameter(nsSID::otnSid(port.port, id));
        return parameter ? parameter->getByteArray() : QByteArray();
    };
    const auto name = [&](int id) {
        const QString sidName = manager->texts().getSidName(nsSID::otnSid(port.port, id), terminology);
        return sidName.isEmpty() ? QString::number(id) : sidName;
    };
    const auto trace = [&](const QString &level, int sapi, int dapi, int os) {
        // SAPI[0] and DAPI[0] are not part of the text.
        port.overhead.append({level, name(sapi), printable(bytes(sapi).mid(1))});
        port.overhead.append({level, name(dapi), printable(bytes(dapi).mid(1))});
        port.overhead.append({level, name(os), hexBytes(bytes(os))});
    };
    const QString line = levels.value(0);
    trace(line, OTU_SM_TTI_SAPI, OTU_SM_TTI_DAPI, OTU_SM_TTI_OS);
    // The levels of the structure, without the client after them.
    const int oduLevels = qMin(qMax(1, levels.size() - 1), OtnMapping::maxLevels);
    for (int level = 0; level < oduLevels; ++level) {
        QString oduName = levels.value(level);
        if (level == 0)
            oduName.replace(QStringLiteral("OTU"), QStringLiteral("ODU"));
        trace(oduName, ODU_PM_TTI_SAPI[level], ODU_PM_TTI_DAPI[level], ODU_PM_TTI_OS[level]);
        port.overhead.append({oduName, name(ODU_FTFL_FFI[level]), faultIndication(bytes(ODU_FTFL_FFI[level]))});
        port.overhead.append({oduName, name(ODU_FTFL_FOI[level]), printable(bytes(ODU_FTFL_FOI[level]))});
        port.overhead.append({oduName, name(ODU_FTFL_FOS[level]), hexBytes(bytes(ODU_FTFL_FOS[level]))});
        port.overhead.append({oduName, name(ODU_FTFL_BFI[level]), faultIndication(bytes(ODU_FTFL_BFI[level]))});
        port.overhead.append({oduName, name(ODU_FTFL_BOI[level]), printable(bytes(ODU_FTFL_BOI[level]))});
        port.overhead.append({oduName, name(ODU_FTFL_BOS[level]), hexBytes(bytes(ODU_FTFL_BOS[level]))});
    }
}

void ReportCollector::collectAlarms(ReportData::Port &port)
{
    const EventLog *log = m_session.eventLog();
    if (!log)
        return;
    const EventClassifier *classifier = log->classifier();
    const auto levelName = [classifier](int level) {
        return classifier ? classifier->levelName(level) : QString::number(level);
    };
    // In the order first seen; by level and status id.
    QHash<QPair<int, int>, int> rowOf;
    QHash<int, int> levelOf;
    const auto rowFor = [&](int level, int id, const QString &name) -> ReportData::Alarm & {
        const QPair<int, int> key(level, id);
        auto it = rowOf.find(key);
        if (it == rowOf.end()) {
            it = rowOf.insert(key, port.alarms.size());
            port.alarms.append({levelName(level), name, 0, false});
        }
        return port.alarms[*it];
    };
    for (int row = 0; row < log->size(); ++row) {
        const EventLogEntry &e = log->entry(row);
        if (e.port != port.port || e.kind == EventLogEntry::ErroredSecond)
            continue;
        levelOf.insert(e.id, e.level);
        ReportData::Alarm &alarm = rowFor(e.level, e.id, e.name);
        if (e.kind == EventLogEntry::AlarmClear)
            alarm.seconds += e.duration;
    }
    const QHash<int, qint64> active = log->activeAlarms(port.port);
    const qint64 now = log->seconds(port.port);
    for (auto it = active.cbegin(); it != active.cend(); ++it) {
        // An onset the ring dropped still names the alarm by its id.
        ReportData::Alarm &alarm = rowFor(levelOf.value(it.key()), it.key(), QString::number(it.key()));
        alarm.seconds += qMax<qint64>(0, now - it.value());
        alarm.current = true;
    }
}

void ReportCollector::collectEvents(ReportData &data)
{
    const EventLog *log = m_session.eventLog();
    if (!log)
        return;
    for (int column = 0; column < log->columnCount(); ++column)
        data.eventColumns.append(log->headerData(column, Qt::Horizontal).toString());
    for (int row = 0; row < log->rowCount(); ++row) {
        QStringList line;
        for (int column = 0; column < log->columnCount(); ++column)
            line.append(log->data(log->index(row, column)).toString());
        data.events.append(line);
    }
}

void ReportCollector::collectResults(ReportData &data)
{
    StatisticsListTablePageFactory *factory = m_session.statisticsFactory();
    zelServerManager *manager = m_session.serverManager();
    if (!factory || !manager)
        return;
    const struct {
        int view;
        const char *name;
    } views[] = {{TestResultIdentifier::ViewAlarmsErrors, QT_TRANSLATE_NOOP("ReportCollector", "Alarms/Errors")},
                 {TestResultIdentifier::ViewPerformance, QT_TRANSLATE_NOOP("ReportCollector", "Performance")}};
    const struct {
        quint32 selector;
        const char *name;
    } intervals[] = {{currentIntervalSelector, QT_TRANSLATE_NOOP("ReportCollector", "Current Interval")},
                     {cumulativeIntervalSelector, QT_TRANSLATE_NOOP("ReportCollector", "Cumulative")}};
    for (const auto &view : views) {
        std::unique_ptr<StatisticsListPage> created(factory->createPage(TestResultIdentifier(view.view), manager));
        auto *page = qobject_cast<StatisticsListTablePage *>(created.get());
        auto *states = dynamic_cast<SampleStates *>(created.get());
        if (!page)
            continue;
        page->setParent(m_stage.get());
        page->initializePage();
        page->resize(pageSize);
        page->show();
        settle();
        const QString viewName = QCoreApplication::translate("ReportCollector", view.name);
        for (int port : m_session.ports()) {
            page->showPort(port);
            page->ChangeTerminology(manager->GetTerminology(port));
            for (const auto &interval : intervals) {
                page->showInterval(interval.selector);
                settle();
                const QString intervalName = QCoreApplication::translate("ReportCollector", interval.name);
                const QStringList types = states ? states->sampleStateNames() : QStringList{viewName};
                for (int type = 0; type < types.size(); ++type) {
                    for (int step = 0; states && step < maxTypeSteps && !states->stepToSampleState(type); ++step)
                        settle();
                    settle();
                    readTable(page, port, viewName, types.at(type), intervalName, data.results);
                }
            }
        }
        page->hide();
    }
}

void ReportCollector::readTable(StatisticsListTablePage *page, int port, const QString &view, const QString &type,
                                const QString &interval, QVector<ReportData::Result> &results)
{
    const StatisticsTable *table = page->getStatisticsTable();
    if (!table)
        return;
    // The table draws the shown rows in order, headers included, section ends left out.
    QString section;
    QString level;
    bool levelPending = false;
    int tableRow = 0;
    for (const nsStatistics::TableItem &item : table->tableItems()) {
        if (!item.shown || item.kind == nsStatistics::RowSectionEnd)
            continue;
        const QStringList texts = table->rowTexts(tableRow++);
        if (isHeader(item.kind)) {
            section = texts.value(0);
            if (item.kind == nsStatistics::RowSectionHeader)
                level.clear();
            levelPending = true;
            continue;
        }
        // A section's first plain value names the level its counters belong to (OTU2, ODU0, ...).
        const bool plainValue = item.kind == nsStatistics::RowValue && !item.flagA && !item.flagB;
        if (levelPending && plainValue) {
            level = texts.value(1);
            levelPending = false;
            continue;
        }
        levelPending = false;
        results.append({port, view, type, section, level, texts.value(0), interval, texts.value(1), texts.value(2)});
    }
}

void ReportCollector::settle()
{
    for (int round = 0; round < settleRounds; ++round)
        QCoreApplication::processEvents();
}
