#include "otnstatuserrorpage.h"
#include "ui_otnstatuserrorpage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_status.h"
#include "host/bindings/uihelperlist.h"
#include "host/bindings/uihelperlisttablestatus.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/portstatusitem.h"

namespace {

constexpr int ledSize = 20;
constexpr QSize levelButtonMinimum(87, 58);
constexpr int tableRows = 10;
constexpr int tableColumns = 2;

constexpr int uiTextAlarms = 4062;
constexpr int uiTextErrors = 4063;
constexpr int uiTextMultiLane = 4277;
// Room between a name of the first column and the LED beside it.
constexpr int columnGap = 8;

} // namespace

OtnStatusErrorPage::OtnStatusErrorPage(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnStatusPageBase(identifier, manager, flags), ui(std::make_unique<Ui::OtnStatusErrorPage>())
{
    m_receivedMapping.init();
    setHelpPage(QStringLiteral("otn_status_erroralarm.html"));
}

OtnStatusErrorPage::~OtnStatusErrorPage() = default;

QStringList OtnStatusErrorPage::levelNames(const OtnMapping &mapping)
{
    QStringList names = mapping.getOduNames();
    if (!names.isEmpty()) {
        const QString line = names.first();
        names.first() = QString(line).replace(QStringLiteral("ODU"), QStringLiteral("OTU"), Qt::CaseSensitive)
                        + QLatin1Char('/') + line;
    }
    return names;
}

void OtnStatusErrorPage::initializeUi()
{
    ui->setupUi(this);
    installComboDelegates(this);
    connect(&m_levelMapper, &QSignalMapper::mappedInt, this, &OtnStatusErrorPage::changed_level);
    buildLevelButtons();

    QTableWidget *const alarms[levelCount] = {ui->tblAlarm, ui->tblAlarm_2, ui->tblAlarm_3, ui->tblAlarm_4,
                                              ui->tblAlarm_LLD};
    QTableWidget *const errors[levelCount] = {ui->tblError, ui->tblError_2, ui->tblError_3, ui->tblError_4,
                                              ui->tblError_LLD};
    for (int level = 0; level < levelCount; ++level) {
        m_alarmTables[level] = alarms[level];
        m_errorTables[level] = errors[level];
        setupTable(alarms[level]);
        setupTable(errors[level]);
        // Until the received structure is known, only the first level's (empty) tables take room.
        alarms[level]->setVisible(level == 0);
        errors[level]->setVisible(level == 0);
    }
}

void OtnStatusErrorPage::buildLevelButtons()
{
    for (int level = 0; level < levelCount; ++level) {
        LevelButton &record = m_levelButtons[level];
        record.button = new QPushButton(this);
        record.button->setObjectName(level == laneLevel ? QStringLiteral("pbLevelLane")
                                                        : QStringLiteral("pbLevel%1").arg(level + 1));
        record.button->setCheckable(true);
        record.button->setAutoExclusive(true);
        record.button->setMinimumSize(levelButtonMinimum);
        record.button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        auto *layout = new QHBoxLayout(record.button);
        layout->setAlignment(Qt::AlignCenter);
        layout->setSizeConstraint(QLayout::SetMinimumSize);
        record.led = new PortStatusItem(record.button);
        record.led->setFixedSize(ledSize, ledSize);
        record.label = new QLabel(record.button);
        layout->addWidget(record.led);
        layout->addWidget(record.label);
        connect(record.button, &QPushButton::clicked, &m_levelMapper, QOverload<>::of(&QSignalMapper::map));
        m_levelMapper.setMapping(record.button, level);
    }
    m_levelButtons[0].button->setChecked(true);
    // Offered once the received signal turns out to be a multi-lane one.
    m_levelButtons[laneLevel].button->hide();

    ui->hLayoutLevel->addWidget(m_levelButtons[laneLevel].button);
    for (int level = 0; level < OtnStatusCounters::oduLevels; ++level)
        ui->hLayoutLevel->addWidget(m_levelButtons[level].button);
    ui->hLayoutLevel->addStretch(1);
}

void OtnStatusErrorPage::setupTable(QTableWidget *table)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setDragEnabled(false);
    table->setDragDropOverwriteMode(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setRowCount(tableRows);
    table->setColumnCount(tableColumns);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void OtnStatusErrorPage::initializeHelper()
{
    const auto sidOf = [this](int id) { return nsSID::otnSid(m_port, id); };
    for (int level = 0; level < OtnStatusCounters::oduLevels; ++level) {
        const LevelButton &record = m_levelButtons[level];
        auto summary = std::make_unique<UiHelper_Status>(m_manager, record.led, record.label,
                                                         sidOf(nsIID::Otn::Alarm::SUM_ERRALARM[level]),
                                                         UiHelper::ConnectManually);
        m_alarmBindings[level] =
            m_helpers->AddUiHelper(std::make_unique<UiHelperListTableStatus>(m_alarmTables[level]));
        m_errorBindings[level] =
            m_helpers->AddUiHelper(std::make_unique<UiHelperListTableStatus>(m_errorTables[level]));
        m_levelStatus[level] = m_helpers->AddUiHelper(std::move(summary));
    }
    const LevelButton &lane = m_levelButtons[laneLevel];
    m_levelStatus[laneLevel] = m_helpers->AddUiHelper(std::make_unique<UiHelper_Status>(
        m_manager, lane.led, lane.label, sidOf(OtnStatusCounters::laneSummaryId), UiHelper::ConnectManually));
    m_laneBindings = m_helpers->AddUiHelper(std::make_unique<UiHelperList>());
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        m_mappingNotifications[field] = m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(
            m_manager, this, sidOf(PID::Otn::RX::MAPPING[field]), UiHelper::ConnectManually));
    }
    m_intervalNotification = m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, 0, currentIntervalSelector, UiHelper::ConnectManually));
    UpdateText();
}

void OtnStatusErrorPage::UpdateText()
{
    if (!isPageInitialized())
        return;
    const WidgetText texts = this->texts();
    ui->gbAlarm->setTitle(texts.getUiText(uiTextAlarms, 0));
    ui->gbError->setTitle(texts.getUiText(uiTextErrors, 0));
    m_levelButtons[laneLevel].label->setText(texts.getUiText(uiTextMultiLane, 0));
    m_levelButtons[laneLevel].button->setToolTip(tr("Alarms and errors of %1").arg(texts.getUiText(uiTextMultiLane, 0)));
    for (int level = 0; level < OtnStatusCounters::oduLevels; ++level) {
        if (m_alarmBindings[level])
            m_alarmBindings[level]->UpdateText();
        if (m_errorBindings[level])
            m_errorBindings[level]->UpdateText();
    }
    // The summaries name their LEDs after their parameters; the level update names them after the levels.
    for (UiHelper_Status *summary : m_levelStatus) {
        if (summary)
            summary->UpdateText();
    }
    if (m_laneBindings)
        m_laneBindings->UpdateText();
    updateLevelButtons();
}

void OtnStatusErrorPage::setPort(int port)
{
    if (port == m_port)
        return;
    // The new port's structure is awaited whole before the tables are rebuilt for it.
    refillPendingMappingIds();
    OtnStatusPageBase::setPort(port);
}

void OtnStatusErrorPage::showEvent(QShowEvent *event)
{
    refillPendingMappingIds();
    OtnStatusPageBase::showEvent(event);
}

void OtnStatusErrorPage::hideEvent(QHideEvent *event)
{
    m_helpers->DisconnectManual();
    OtnStatusPageBase::hideEvent(event);
}

void OtnStatusErrorPage::refillPendingMappingIds()
{
    for (int id : PID::Otn::RX::MAPPING)
        m_pendingMappingIds.insert(id);
}

void OtnStatusErrorPage::changed_level(int tabIndex)
{
    if (tabIndex < 0 || tabIndex >= levelCount)
        return;
    m_currentLevel = tabIndex;
    showLevel(tabIndex);
}

QVector<int> OtnStatusErrorPage::offeredLevels() const
{
    QVector<int> levels;
    if (!isPageInitialized())
        return levels;
    // The lane button comes first in the row; a button not named yet waits for the structure.
    for (int level : {laneLevel, 0, 1, 2, 3}) {
        const LevelButton &record = m_levelButtons[level];
        if (!record.button->isHidden() && !record.label->text().isEmpty())
            levels << level;
    }
    return levels;
}

QStringList OtnStatusErrorPage::sampleStateNames() const
{
    QStringList names;
    for (int level : offeredLevels())
        names << m_levelButtons[level].label->text();
    return names;
}

bool OtnStatusErrorPage::stepToSampleState(int index)
{
    const QVector<int> levels = offeredLevels();
    if (index < 0 || index >= levels.size() || !m_pendingMappingIds.isEmpty())
        return false;
    const int level = levels.at(index);
    if (m_currentLevel != level)
        m_levelButtons[level].button->click();
    return m_currentLevel == level;
}

void OtnStatusErrorPage::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (parameter.getType() != QcmaParameter::TypeInt && parameter.getType() != QcmaParameter::TypeEnum)
        return;
    const int id = nsSID::idOf(parameter.getSID());
    const int field = PID::indexIn(PID::Otn::RX::MAPPING, OtnMapping::fieldCount, id);
    if (field < 0)
        return;
    const int value = parameter.getInt();
    switch (field) {
    case OtnMapping::FieldInterface:
        m_receivedMapping.setValue(field, value);
        m_laneCount = OtnMapping::numOfLldLane(value);
        if (isPageInitialized())
            m_levelButtons[laneLevel].button->setVisible(m_laneCount > 0);
        break;
    case OtnMapping::FieldClient:
        m_receivedMapping.setValue(field, value);
        break;
    default:
        // A stage the structure does not use is undefined: no multiplexing.
        m_receivedMapping.setValue(field, parameter.isDefined() ? value : 0);
        break;
    }
    m_pendingMappingIds.remove(id);
    if (m_pendingMappingIds.isEmpty() && m_receivedMapping.isValid() && isPageInitialized())
        rebuild();
}

void OtnStatusErrorPage::rebuild()
{
    updateLevelButtons();
    m_counters.applyVisibility(m_receivedMapping);
    showLevel(m_currentLevel);
}

void OtnStatusErrorPage::updateLevelButtons()
{
    const QStringList names = levelNames(m_receivedMapping);
    QPushButton *laneButton = m_levelButtons[laneLevel].button;
    if (names.size() <= 1 && laneButton->isHidden()) {
        for (int level = 0; level < OtnStatusCounters::oduLevels; ++level)
            m_levelButtons[level].button->hide();
        m_currentLevel = 0;
        return;
    }
    ui->hLayoutLevel->setEnabled(true);
    // Every button; the last item is the spacer.
    for (int i = 0; i < ui->hLayoutLevel->count() - 1; ++i) {
        if (QWidget *button = ui->hLayoutLevel->itemAt(i)->widget())
            button->hide();
    }
    const auto name = [this](const LevelButton &record, const QString &text) {
        record.label->setText(text);
        // The button's face is an LED and a short level name.
        record.button->setToolTip(tr("Alarms and errors of %1").arg(text));
        record.button->show();
        // The button's minimum follows its new name now, not after its next layout pass.
        record.button->layout()->activate();
    };
    for (int level = 0; level < names.size() && level < OtnStatusCounters::oduLevels; ++level)
        name(m_levelButtons[level], names.at(level));
    if (OtnMapping::numOfLldLane(m_receivedMapping[OtnMapping::FieldInterface]) > 0)
        name(m_levelButtons[laneLevel], texts().getUiText(uiTextMultiLane, 0));
    if (m_currentLevel > names.size() - 1)
        m_currentLevel = laneButton->isHidden() ? 0 : laneLevel;
    m_levelButtons[m_currentLevel].button->setChecked(true);
}

void OtnStatusErrorPage::showLevel(int level)
{
    for (int i = 0; i < levelCount; ++i) {
        m_alarmTables[i]->setVisible(i == level);
        m_errorTables[i]->setVisible(i == level);
    }
    m_alarmTables[level]->clear();
    m_errorTables[level]->clear();

    for (int i = 0; i < OtnStatusCounters::oduLevels; ++i) {
        m_alarmBindings[i]->DisconnectManual();
        m_alarmBindings[i]->Clear();
        m_errorBindings[i]->DisconnectManual();
        m_errorBindings[i]->Clear();
    }
    m_laneBindings->DisconnectManual();
    m_laneBindings->Clear();
    clearLaneTables();

    if (level < laneLevel) {
        fillTable(OtnStatusCounters::Alarms, level);
        fillTable(OtnStatusCounters::Errors, level);
        m_alarmBindings[level]->ConnectManual();
        m_errorBindings[level]->ConnectManual();
    } else {
        buildLaneTables();
        m_laneBindings->ConnectManual();
    }
    if (m_manager)
        m_manager->Interval_GetAndPost_Ex(m_port, nsSID::otn, currentIntervalSelector);
    for (QTableWidget *table : {m_alarmTables[level], m_errorTables[level]}) {
        table->resizeColumnsToContents();
        // The first column as wide as its longest name, the second takes the rest: the longer names
        // of one column are not cut to an even share.
        int widest = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (const QWidget *cell = table->cellWidget(row, 0))
                widest = qMax(widest, cell->sizeHint().width());
        }
        QHeaderView *header = table->horizontalHeader();
        header->setSectionResizeMode(0, widest > 0 ? QHeaderView::Interactive : QHeaderView::Stretch);
        if (widest > 0)
            table->setColumnWidth(0, widest + columnGap);
    }
}

void OtnStatusErrorPage::fillTable(OtnStatusCounters::Kind kind, int level)
{
    QTableWidget *table = kind == OtnStatusCounters::Alarms ? m_alarmTables[level] : m_errorTables[level];
    UiHelperListTableStatus *bindings =
        kind == OtnStatusCounters::Alarms ? m_alarmBindings[level] : m_errorBindings[level];
    const QVector<OtnStatusCounters::Entry> &entries = m_counters.entries(kind, level);
    const int shown = int(std::count_if(entries.cbegin(), entries.cend(),
                                        [](const OtnStatusCounters::Entry &e) { return e.shown; }));
    // Down the first column, then down the second.
    const int rows = (shown + tableColumns - 1) / tableColumns;
    table->setColumnCount(tableColumns);
    table->setRowCount(rows);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    int row = 0;
    int column = 0;
    for (const OtnStatusCounters::Entry &entry : entries) {
        if (entry.shown) {
            std::unique_ptr<UiHelper_Status> binding;
            std::unique_ptr<QWidget> cell = createCell(column, nsSID::otnSid(m_port, entry.id), &binding);
            bindings->addUiHelper(row, column, std::move(binding), std::move(cell));
            ++row;
        }
        if (row >= rows) {
            row = 0;
            ++column;
        }
    }
}

void OtnStatusErrorPage::buildLaneTables()
{
    if (m_laneCount <= 0)
        return;
    const struct {
        QTableWidget *table;
        const QVector<int> &ids;
    } tables[] = {{ui->tblAlarm_LLD, OtnStatusCounters::laneAlarms()}, {ui->tblError_LLD, OtnStatusCounters::laneErrors()}};
    for (const auto &t : tables) {
        t.table->setColumnCount(tableColumns);
        t.table->setRowCount(t.ids.size());
        t.table->horizontalHeader()->hide();
        t.table->verticalHeader()->hide();
        for (int row = 0; row < t.ids.size(); ++row) {
            std::unique_ptr<UiHelper_Status> binding;
            std::unique_ptr<QWidget> cell = createCell(0, nsSID::otnSid(m_port, t.ids.at(row)), &binding);
            m_laneBindings->AddUiHelper(std::move(binding));
            t.table->setCellWidget(row, 0, cell.release());
        }
    }
}

void OtnStatusErrorPage::clearLaneTables()
{
    for (QTableWidget *table : {ui->tblAlarm_LLD, ui->tblError_LLD}) {
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column)
                table->removeCellWidget(row, column);
        }
    }
}

std::unique_ptr<QWidget> OtnStatusErrorPage::createCell(int column, int sid, std::unique_ptr<UiHelper_Status> *binding)
{
    auto *led = new PortStatusItem(this);
    led->setFixedSize(ledSize, ledSize);
    led->setObjectName(QStringLiteral("TableLEDLabel_%1").arg(column));
    auto *name = new QLabel(this);
    name->setObjectName(QStringLiteral("TableNameLabel_%1").arg(column));
    *binding = std::make_unique<UiHelper_Status>(m_manager, led, name, sid, UiHelper::ConnectManually);
    auto cell = std::make_unique<QWidget>();
    auto *layout = new QHBoxLayout(cell.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(led);
    layout->addWidget(name);
    return cell;
}
