#include "otnresultpagebase.h"

#include "host/otn/otniid.h"
#include "host/pages/statisticstable.h"

namespace {

// Column titles of a section: the table's defaults.
constexpr int justificationTitle = 4131;
constexpr int oduAlarmsTitle = 4028;
constexpr int oduErrorsTitle = 4034;
constexpr int countColumn = 4560;
// MSIM of levels 0 and 1 sits in sections of its own: only multiplexing levels have it.
constexpr int msimSection = 15;

} // namespace

OtnResultPageBase::OtnResultPageBase(const TestResultIdentifier &identifier, zelServerManager *manager,
                                     const QList<int> &ports, QWidget *parent)
    : StatisticsListTablePage(identifier, manager, ports, parent)
{
}

OtnResultPageBase::~OtnResultPageBase() = default;

OtnResultPageBase::PerformanceCounters OtnResultPageBase::oduPerformance(int level)
{
    using namespace nsIID::Otn::Performance;
    const int k = qBound(0, level, 3);
    return {STAT_ODU_NEAREND[k],       SES_ODU_NEAREND[k],       BBE_ODU_NEAREND[k],       UAS_ODU_NEAREND[k],
            STAT_ODU_FAREND[k],        SES_ODU_FAREND[k],        BBE_ODU_FAREND[k],        UAS_ODU_FAREND[k],
            STAT_ODU_BIDIRECTIONAL[k], SES_ODU_BIDIRECTIONAL[k], BBE_ODU_BIDIRECTIONAL[k], UAS_ODU_BIDIRECTIONAL[k]};
}

OtnResultPageBase::PerformanceCounters OtnResultPageBase::tcmPerformance(int tcm)
{
    using namespace nsIID::Otn::Performance;
    const int j = qBound(0, tcm, 5);
    return {STAT_TCMi_NEAREND[j],       SES_TCMi_NEAREND[j],       BBE_TCMi_NEAREND[j],       UAS_TCMi_NEAREND[j],
            STAT_TCMi_FAREND[j],        SES_TCMi_FAREND[j],        BBE_TCMi_FAREND[j],        UAS_TCMi_FAREND[j],
            STAT_TCMi_BIDIRECTIONAL[j], SES_TCMi_BIDIRECTIONAL[j], BBE_TCMi_BIDIRECTIONAL[j], UAS_TCMi_BIDIRECTIONAL[j]};
}

OtnResultPageBase::PerformanceCounters OtnResultPageBase::linePerformance()
{
    return {5222, 5132, 5162, 5192, 5232, 5142, 5172, 5202, 5242, 5152, 5182, 5212};
}

void OtnResultPageBase::clearRows()
{
    m_rows.clear();
}

void OtnResultPageBase::addRow(int section, int counterId, int kind, bool flagA, bool flagB)
{
    nsStatistics::TableItem item;
    item.section = section;
    item.counterId = counterId;
    item.kind = kind;
    item.columns = 1;
    item.flagA = flagA;
    item.flagB = flagB;
    m_rows.append(item);
}

void OtnResultPageBase::openSection(int section, int title, int firstColumn, int secondColumn)
{
    addRow(section, -1, nsStatistics::RowSectionHeader);
    m_rows.last().textIds[0] = title;
    m_rows.last().textIds[1] = firstColumn;
    m_rows.last().textIds[2] = secondColumn;
}

void OtnResultPageBase::addHeader(int section, int title, int column)
{
    addRow(section, -1, nsStatistics::RowHeader);
    m_rows.last().textIds[0] = title;
    m_rows.last().textIds[1] = column;
}

void OtnResultPageBase::closeSection(int section)
{
    addRow(section, -1, nsStatistics::RowSectionEnd);
}

void OtnResultPageBase::addAlarmError(int section, int counterId)
{
    addRow(section, counterId, nsStatistics::RowAlarmError);
}

void OtnResultPageBase::addValue(int section, int counterId)
{
    addRow(section, counterId, nsStatistics::RowValue);
}

void OtnResultPageBase::addState(int section, int counterId)
{
    addRow(section, counterId, nsStatistics::RowValue, true);
}

void OtnResultPageBase::addSecondValue(int section, int counterId)
{
    addRow(section, counterId, nsStatistics::RowValue, false, true);
}

void OtnResultPageBase::addCount(int section, int counterId)
{
    addRow(section, counterId, nsStatistics::RowCount);
}

void OtnResultPageBase::addPair(int section, int counterId, int pairCounterId)
{
    addRow(section, counterId, pairCounterId < 0 ? nsStatistics::RowPair : nsStatistics::RowPairSecond);
    m_rows.last().pairCounterId = pairCounterId;
}

void OtnResultPageBase::addOduBlock(int level)
{
    using namespace nsIID::Otn;
    const int k = qBound(0, level, 3);
    const int name = Mapping::ODU_NAME[k];
    openSection(k, oduAlarmsTitle);
    addValue(k, name);
    if (k > 0) {
        addAlarmError(k, Alarm::ODU_LOF_LOM[k]);
        addAlarmError(k, Alarm::ODU_OOF[k]);
        addAlarmError(k, Alarm::ODU_OOM[k]);
    }
    for (const int *alarm : {Alarm::ODU_AIS, Alarm::ODU_LCK, Alarm::ODU_OCI, Alarm::PM_TIM, Alarm::PM_BDI, Alarm::PLM,
                             Alarm::FSF, Alarm::FSD, Alarm::BSF, Alarm::BSD})
        addAlarmError(k, alarm[k]);
    if (k < 2)
        addAlarmError(msimSection + k, Alarm::MSIM[k]);
    closeSection(k);

    openSection(k, oduErrorsTitle);
    addValue(k, name);
    if (k > 0)
        addAlarmError(k, Error::ODU_FAS[k]);
    addAlarmError(k, Error::PM_BIP8[k]);
    addAlarmError(k, Error::PM_BEI[k]);
    closeSection(k);
}

void OtnResultPageBase::addAmpBlock(int level)
{
    using namespace nsIID::Otn;
    const int k = qBound(0, level, 3);
    const int section = 5 + k;
    openSection(section, justificationTitle, countColumn, StatisticsTable::noColumnText);
    for (const int *counter : {Mapping::AMP_NAME, Pointer::Offset_AMP, Pointer::PJC, Pointer::PJC2, Pointer::PJC3,
                               Pointer::NJC, Pointer::NJC2})
        addCount(section, counter[k]);
    closeSection(section);
}

void OtnResultPageBase::addGmpBlock(int level)
{
    using namespace nsIID::Otn;
    const int k = qBound(0, level, 3);
    const int section = 8 + k;
    openSection(section, justificationTitle, countColumn, StatisticsTable::noColumnText);
    for (const int *counter : {Mapping::GMP_NAME, Pointer::Offset_GMP, Pointer::Inc0, Pointer::Dec0, Pointer::Inc1,
                               Pointer::Dec1, Pointer::Inc2, Pointer::Dec2, Pointer::IncOver, Pointer::DecOver,
                               Pointer::CmtMin, Pointer::CmtMax, Error::CRC8, Error::CRC5})
        addCount(section, counter[k]);
    closeSection(section);
}

void OtnResultPageBase::addPerformanceBlock(int title, int nameCounter, const PerformanceCounters &c, int section,
                                            int bidirectionalSection)
{
    openSection(section, title);
    addValue(section, nameCounter);
    addState(section, c.stateNear);
    addAlarmError(section, c.sesNear);
    addAlarmError(section, c.bbeNear);
    addCount(section, c.uasNear);
    addState(section, c.stateFar);
    addAlarmError(section, c.sesFar);
    addAlarmError(section, c.bbeFar);
    addCount(section, c.uasFar);
    addState(bidirectionalSection, c.stateBidirectional);
    addAlarmError(bidirectionalSection, c.sesBidirectional);
    addAlarmError(bidirectionalSection, c.bbeBidirectional);
    addCount(bidirectionalSection, c.uasBidirectional);
    closeSection(section);
}
