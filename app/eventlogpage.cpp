#include "eventlogpage.h"

#include "ui_eventlogpage.h"

#include <QScrollBar>

#include "host/server/eventclassifier.h"
#include "host/server/eventlog.h"
#include "host/server/eventlogfilter.h"

EventLogPage::EventLogPage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::EventLogPage>()), m_filter(new EventLogFilter(this))
{
    ui->setupUi(this);
    ui->tvEvents->setModel(m_filter);
    ui->tvEvents->sortByColumn(EventLog::ColumnSecond, Qt::AscendingOrder);
    connect(ui->cmbPort, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { m_filter->setPort(ui->cmbPort->currentData().toInt()); });
    connect(ui->cmbLevel, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { m_filter->setLevel(ui->cmbLevel->currentData().toInt()); });
    connect(ui->cmbKind, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { m_filter->setKind(ui->cmbKind->currentData().toInt()); });
    connect(m_filter, &QAbstractItemModel::rowsAboutToBeInserted, this, &EventLogPage::aboutToInsert);
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &EventLogPage::inserted);
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &EventLogPage::updateEntries);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &EventLogPage::updateEntries);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &EventLogPage::updateEntries);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &EventLogPage::updateEntries);
}

EventLogPage::~EventLogPage() = default;

QComboBox *EventLogPage::portCombo() const
{
    return ui->cmbPort;
}

QComboBox *EventLogPage::levelCombo() const
{
    return ui->cmbLevel;
}

QComboBox *EventLogPage::kindCombo() const
{
    return ui->cmbKind;
}

void EventLogPage::setLog(EventLog *log)
{
    if (m_log)
        disconnect(m_log, nullptr, this, nullptr);
    m_log = log;
    m_filter->setSourceModel(log);
    if (log)
        connect(log, &EventLog::droppedChanged, this, &EventLogPage::updateEntries);
    fillCombos();
    ui->tvEvents->resizeColumnsToContents();
    updateEntries();
}

void EventLogPage::showPort(int port)
{
    const int index = ui->cmbPort->findData(port);
    if (index >= 0)
        ui->cmbPort->setCurrentIndex(index);
}

void EventLogPage::fillCombos()
{
    const int all = EventLogFilter::all;
    ui->cmbPort->clear();
    ui->cmbPort->addItem(tr("All"), all);
    ui->cmbLevel->clear();
    ui->cmbLevel->addItem(tr("All"), all);
    ui->cmbKind->clear();
    ui->cmbKind->addItem(tr("All"), all);
    if (!m_log)
        return;
    for (int port : m_log->ports())
        ui->cmbPort->addItem(tr("Port %1").arg(port), port);
    if (const EventClassifier *classifier = m_log->classifier()) {
        for (int level = 0; level < classifier->levelCount(); ++level)
            ui->cmbLevel->addItem(classifier->levelName(level), level);
    }
    for (EventLogEntry::Kind kind : {EventLogEntry::AlarmOn, EventLogEntry::AlarmClear, EventLogEntry::ErroredSecond})
        ui->cmbKind->addItem(EventLog::kindName(kind), int(kind));
}

void EventLogPage::updateEntries()
{
    if (!m_log) {
        ui->lblEntries->clear();
        return;
    }
    QString text = tr("%1 of %2 entries (room for %3)").arg(m_filter->rowCount()).arg(m_log->size()).arg(m_log->capacity());
    if (m_log->dropped() > 0)
        text += tr(", %1 oldest dropped").arg(m_log->dropped());
    ui->lblEntries->setText(text);
}

void EventLogPage::aboutToInsert()
{
    const QScrollBar *bar = ui->tvEvents->verticalScrollBar();
    m_follow = bar->value() >= bar->maximum();
}

void EventLogPage::inserted()
{
    if (m_follow)
        ui->tvEvents->scrollToBottom();
}
