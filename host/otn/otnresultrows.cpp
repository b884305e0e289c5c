#include "otnresultrows.h"

#include <initializer_list>

#include <QtGlobal>

#include "host/diagnostics/zeldiagnostics.h"
#include "otniid.h"
#include "otnperformancecounters.h"
#include "otnpid.h"

namespace {

using Rows = QVector<OtnResultRows::Row>;
using Condition = OtnResultRows::Condition;

constexpr int levels = 4;
constexpr int tcms = 6;

// Section titles and column texts.
constexpr int lineAlarmsTitle = 4027;
constexpr int lineErrorsTitle = 4033;
constexpr int oduAlarmsTitle = 4028;
constexpr int oduErrorsTitle = 4034;
constexpr int clientAlarmsTitle = 4032;
constexpr int bitErrorsTitle = 4038;
constexpr int patternTitle = 4039;
constexpr int firstTcmAlarmsTitle = 4265;
constexpr int firstTcmErrorsTitle = 4271;
constexpr int justificationTitle = 4131;
constexpr int gfpTitle = 4204;
constexpr int txTitle = 4187;
constexpr int rxTitle = 4188;
constexpr int lanesTitle = 4278;
constexpr int laneSecondsColumn = 4647;
constexpr int laneCountColumn = 4648;
constexpr int logicalSkewTitle = 4617;
constexpr int physicalSkewTitle = 4619;
constexpr int linePerformanceTitle = 4194;
constexpr int oduPerformanceTitle = 4059;
constexpr int firstTcmPerformanceTitle = 4259;
constexpr int countColumn = 4560;

// Sections, as the result table numbers them.
constexpr int clientSection = 4;
constexpr int firstAmpSection = 5;
constexpr int firstGmpSection = 8;
constexpr int gfpTSection = 11;
constexpr int gfpFSection = 12;
constexpr int gfpFcSection = 13;
constexpr int patternSection = 14;
constexpr int firstMsimSection = 15;   // MSIM of levels 0 and 1: only multiplexing levels have it
constexpr int lanesSection = 22;
constexpr int linePerformanceSection = 23;
constexpr int firstOduPerformanceSection = 24;
constexpr int firstTcmPerformanceSection = 28;
constexpr int lineBidirectionalSection = 34;
constexpr int firstOduBidirectionalSection = 35;
constexpr int lastOduBidirectionalSection = 37;   // the fourth level's share the third level's
constexpr int firstTcmBidirectionalSection = 39;
constexpr int firstTcmAlarmSection = 45;

// ODU types by rank.
const char *const oduRanks[] = {"(NONE)", "ODUFLEX", "ODU0", "ODU1", "ODU2", "ODU1E", "ODU2E",
                                "ODU1F",  "ODU2F",   "ODU3", "ODU3E1", "ODU3E2", "ODU4", "ODUC"};

// Levels below the line are shown while some port multiplexes down to them.
Condition levelCondition(int level)
{
    const Condition odtu[] = {OtnResultRows::Always, OtnResultRows::Odtu0, OtnResultRows::Odtu1, OtnResultRows::Odtu2};
    return odtu[qBound(0, level, levels - 1)];
}

int boundedLevel(int level)
{
    ZEL_ASSERT(level >= 0 && level < levels, QStringLiteral("level %1 has no result rows").arg(level));
    return qBound(0, level, levels - 1);
}

// Appends rows that share a section and a condition.
class Builder
{
public:
    explicit Builder(Rows &rows) : m_rows(rows) {}

    Builder &in(int section, Condition shownWhen = OtnResultRows::Always, int tcm = -1, bool bidirectional = false)
    {
        m_section = section;
        m_condition = shownWhen;
        m_tcm = tcm;
        m_bidirectional = bidirectional;
        return *this;
    }
    void open(int title, int firstColumn = 0, int secondColumn = 0)
    {
        add(-1, OtnResultRows::SectionHeader).texts[0] = title;
        m_rows.last().texts[1] = firstColumn;
        m_rows.last().texts[2] = secondColumn;
    }
    void header(int title, int column = 0)
    {
        add(-1, OtnResultRows::Header).texts[0] = title;
        m_rows.last().texts[1] = column;
    }
    void close() { add(-1, OtnResultRows::SectionEnd); }
    void rows(OtnResultRows::Kind kind, std::initializer_list<int> counters)
    {
        for (int counter : counters)
            add(counter, kind);
    }
    void row(OtnResultRows::Kind kind, int counter) { add(counter, kind); }
    void pair(int counter, int second = -1) { add(counter, OtnResultRows::Pair).pairCounterId = second; }

private:
    OtnResultRows::Row &add(int counter, OtnResultRows::Kind kind)
    {
        OtnResultRows::Row row;
        row.section = m_section;
        row.counterId = counter;
        row.kind = kind;
        row.shownWhen = m_condition;
        row.tcm = m_tcm;
        row.bidirectional = m_bidirectional;
        m_rows.append(row);
        return m_rows.last();
    }

    Rows &m_rows;
    int m_section = 0;
    Condition m_condition = OtnResultRows::Always;
    int m_tcm = -1;
    bool m_bidirectional = false;
};

// The alarms and errors of ODU level k, in section k.
void addOduBlock(Rows &rows, int level)
{
    using namespace nsIID::Otn;
    const int k = boundedLevel(level);
    const Condition shown = levelCondition(k);
    Builder b(rows);
    b.in(k, shown).open(oduAlarmsTitle);
    b.row(OtnResultRows::Value, Mapping::ODU_NAME[k]);
    if (k > 0)
        b.rows(OtnResultRows::AlarmError, {Alarm::ODU_LOF_LOM[k], Alarm::ODU_OOF[k], Alarm::ODU_OOM[k]});
    b.rows(OtnResultRows::AlarmError, {Alarm::ODU_AIS[k], Alarm::ODU_LCK[k], Alarm::ODU_OCI[k], Alarm::PM_TIM[k],
                                       Alarm::PM_BDI[k], Alarm::PLM[k], Alarm::FSF[k], Alarm::FSD[k], Alarm::BSF[k],
                                       Alarm::BSD[k]});
    if (k < 2)
        b.in(firstMsimSection + k, levelCondition(k + 1)).row(OtnResultRows::AlarmError, Alarm::MSIM[k]);
    b.in(k, shown).close();

    b.open(oduErrorsTitle);
    b.row(OtnResultRows::Value, Mapping::ODU_NAME[k]);
    if (k > 0)
        b.row(OtnResultRows::AlarmError, Error::ODU_FAS[k]);
    b.rows(OtnResultRows::AlarmError, {Error::PM_BIP8[k], Error::PM_BEI[k]});
    b.close();
}

// Near end and far end in a section, the figures of both directions in a section of their own.
void addPerformanceBlock(Rows &rows, int title, const OtnPerformanceCounters &c, int section, int bidirectionalSection,
                         Condition shown, int tcm = -1)
{
    Builder b(rows);
    b.in(section, shown, tcm).open(title);
    b.row(OtnResultRows::Value, c.name);
    for (const OtnPerformanceCounters::Direction &d : {c.nearEnd, c.farEnd}) {
        b.row(OtnResultRows::State, d.state);
        b.rows(OtnResultRows::AlarmError, {d.ses, d.bbe});
        b.row(OtnResultRows::Count, d.uas);
    }
    b.in(bidirectionalSection, shown, tcm, true);
    b.row(OtnResultRows::State, c.bidirectional.state);
    b.rows(OtnResultRows::AlarmError, {c.bidirectional.ses, c.bidirectional.bbe});
    b.row(OtnResultRows::Count, c.bidirectional.uas);
    b.in(section, shown, tcm).close();
}

Rows lineRows()
{
    namespace Line = PID::Otn::STATUS;
    Rows rows;
    Builder b(rows);
    b.in(0).open(lineAlarmsTitle);
    b.row(OtnResultRows::Value, nsIID::Otn::Mapping::LINE_NAME);
    b.rows(OtnResultRows::AlarmError, {Line::LOS, Line::LOF, Line::OOF, Line::LOM, Line::OOM, Line::OTU_AIS,
                                       Line::SM_TIM, Line::SM_BDI, Line::SM_IAE, Line::SM_BIAE, Line::OTUCN_LOL});
    b.close();
    b.open(lineErrorsTitle);
    b.row(OtnResultRows::Value, nsIID::Otn::Mapping::LINE_NAME);
    b.rows(OtnResultRows::AlarmError, {Line::FAS_ERROR, Line::MFAS_ERROR, Line::SM_BIP8, Line::SM_BEI,
                                       Line::FEC_CORRECTED, Line::FEC_UNCORRECTABLE, Line::OTUCN_LANE_ERROR});
    b.close();
    addOduBlock(rows, 0);
    return rows;
}

Rows clientRows()
{
    namespace Client = nsIID::Otn::Client;
    Rows rows;
    Builder b(rows);
    b.in(clientSection).open(clientAlarmsTitle);
    b.rows(OtnResultRows::AlarmError, {Client::CSF, Client::LOFD});
    b.in(clientSection, OtnResultRows::Gfp).row(OtnResultRows::AlarmError, nsIID::Otn::Gfp::CSF);
    b.in(patternSection).row(OtnResultRows::AlarmError, Client::PATTERN_LOSS);
    b.in(clientSection).close();
    b.in(patternSection).open(bitErrorsTitle);
    b.row(OtnResultRows::AlarmError, Client::BIT_ERROR);
    b.close();
    b.in(clientSection).open(patternTitle, countColumn, OtnResultRows::noText);
    b.row(OtnResultRows::SecondValue, Client::PATTERN_SYNC_SECONDS);
    b.row(OtnResultRows::Value, Client::BIT_ERROR_COUNT);
    b.close();
    return rows;
}

Rows tcmRows()
{
    using namespace nsIID::Otn;
    Rows rows;
    Builder b(rows);
    for (int j = 0; j < tcms; ++j) {
        b.in(firstTcmAlarmSection + j, OtnResultRows::TcmResults, j).open(firstTcmAlarmsTitle + j);
        b.row(OtnResultRows::Value, Mapping::ODU_NAME[0]);
        b.rows(OtnResultRows::AlarmError,
               {Alarm::TCMi_TIM[j], Alarm::TCMi_BIAE[j], Alarm::TCMi_BDI[j], Alarm::TCMi_IAE[j], Alarm::TCMi_LTC[j]});
        b.close();
        b.open(firstTcmErrorsTitle + j);
        b.row(OtnResultRows::Value, Mapping::ODU_NAME[0]);
        b.rows(OtnResultRows::AlarmError, {Error::TCMi_BIP8[j], Error::TCMi_BEI[j]});
        b.close();
    }
    return rows;
}

// The counters of the transparent mapping, of the framed mapping with its client, and of Fibre Channel
// over the framed mapping.
Rows gfpRows()
{
    namespace Client = nsIID::Otn::Client;
    namespace Gfp = nsIID::Otn::Gfp;
    Rows rows;
    Builder b(rows);
    b.in(gfpTSection).open(gfpTitle, countColumn, OtnResultRows::noText);
    b.rows(OtnResultRows::Count, {Gfp::T_SUPERBLOCKS, Gfp::T_ERRORED_SUPERBLOCKS, Gfp::T_CODES, Gfp::T_ERRORED_CODES,
                                  Gfp::T_10B_ERROR, Gfp::T_SUPERBLOCK_CRC, Gfp::T_DISPARITY, Gfp::T_INVALID_CODE});
    b.close();
    b.in(gfpFSection).open(gfpTitle, countColumn, OtnResultRows::noText);
    b.header(txTitle);
    b.rows(OtnResultRows::Count, {Client::TX_FRAMES, Client::TX_OCTETS, Client::TX_ERRORED_FRAMES, Gfp::TX_FRAMES});
    b.header(rxTitle);
    b.rows(OtnResultRows::Count,
           {Client::RX_FRAMES, Client::RX_OCTETS, Client::RX_ERRORED_FRAMES, Gfp::IDLE_FRAMES, Gfp::EHEC_CORRECTABLE,
            Gfp::EHEC_UNCORRECTABLE, Gfp::CLIENT_DATA_LOSS, Gfp::RX_FRAMES, Gfp::RX_CLIENT_FRAMES,
            Gfp::RX_MANAGEMENT_FRAMES, Gfp::RX_DISCARDED_FRAMES, Gfp::PFCS_ERROR, Gfp::FRAME_LENGTH_ERROR,
            Gfp::CLIENT_FRAMES, Gfp::CLIENT_ERRORED_FRAMES});
    b.close();
    b.in(gfpFcSection).open(gfpTitle, countColumn, OtnResultRows::noText);
    b.header(txTitle);
    b.rows(OtnResultRows::Count, {Client::TX_FRAMES, Client::TX_ERRORED_FRAMES, Gfp::TX_FRAMES});
    b.header(rxTitle);
    b.rows(OtnResultRows::Count,
           {Client::RX_FRAMES, Client::RX_ERRORED_FRAMES, Gfp::IDLE_FRAMES, Gfp::CLIENT_DATA_LOSS,
            Gfp::CHEC_CORRECTABLE, Gfp::CHEC_UNCORRECTABLE, Gfp::THEC_CORRECTABLE, Gfp::THEC_UNCORRECTABLE,
            Gfp::CLIENT_FRAMES, Gfp::CLIENT_ERRORED_FRAMES});
    b.close();
    return rows;
}

// The lanes' alarm seconds beside their counts, the errors' counts beside their seconds, and the skew.
Rows laneRows()
{
    namespace Lane = nsIID::Otn::Lane;
    Rows rows;
    Builder b(rows);
    b.in(lanesSection).open(lanesTitle, laneSecondsColumn, laneCountColumn);
    b.pair(Lane::LLD_LOF_SECONDS);
    b.pair(Lane::LLD_OOF_SECONDS, Lane::LLD_OOF);
    b.pair(Lane::LOR_SECONDS);
    b.pair(Lane::OOR_SECONDS, Lane::OOR);
    b.pair(Lane::LLD_FAS_ERROR_COUNT, Lane::LLD_FAS_ERROR);
    b.pair(Lane::LLD_MFAS_ERROR_COUNT, Lane::LLD_MFAS_ERROR);
    b.pair(Lane::LLM_ERROR_COUNT, Lane::LLM_ERROR);
    b.row(OtnResultRows::Count, Lane::SKEW_EXCEEDED);
    b.header(logicalSkewTitle);
    b.pair(Lane::SKEW_LOGICAL);
    b.header(physicalSkewTitle);
    b.pair(Lane::SKEW_PHYSICAL);
    b.close();
    return rows;
}

Rows oduPerformanceRows(int level)
{
    const int k = boundedLevel(level);
    Rows rows;
    addPerformanceBlock(rows, oduPerformanceTitle, OtnPerformanceCounters::odu(k), firstOduPerformanceSection + k,
                        qMin(firstOduBidirectionalSection + k, lastOduBidirectionalSection), levelCondition(k));
    return rows;
}

Rows tcmPerformanceRows()
{
    Rows rows;
    for (int j = 0; j < tcms; ++j) {
        addPerformanceBlock(rows, firstTcmPerformanceTitle + j, OtnPerformanceCounters::tcm(j),
                            firstTcmPerformanceSection + j, firstTcmBidirectionalSection + j, OtnResultRows::TcmResults,
                            j);
    }
    return rows;
}

Rows justificationBlock(int level, bool gmp)
{
    using namespace nsIID::Otn;
    const int k = boundedLevel(level);
    Rows rows;
    Builder b(rows);
    b.in((gmp ? firstGmpSection : firstAmpSection) + k).open(justificationTitle, countColumn, OtnResultRows::noText);
    if (gmp) {
        b.rows(OtnResultRows::Count,
               {Mapping::GMP_NAME[k], Pointer::Offset_GMP[k], Pointer::Inc0[k], Pointer::Dec0[k], Pointer::Inc1[k],
                Pointer::Dec1[k], Pointer::Inc2[k], Pointer::Dec2[k], Pointer::IncOver[k], Pointer::DecOver[k],
                Pointer::CmtMin[k], Pointer::CmtMax[k], Error::CRC8[k], Error::CRC5[k]});
    } else {
        b.rows(OtnResultRows::Count, {Mapping::AMP_NAME[k], Pointer::Offset_AMP[k], Pointer::PJC[k], Pointer::PJC2[k],
                                      Pointer::PJC3[k], Pointer::NJC[k], Pointer::NJC2[k]});
    }
    b.close();
    return rows;
}

} // namespace

const QVector<OtnResultRows::TypeEntry> &OtnResultRows::types()
{
    static const QVector<TypeEntry> entries = {
        {TypeLine, TypeLine, 5684, Always},
        {TypeOdu1, TypeLine, 5681, Odtu0},
        {TypeOdu2, TypeLine, 5682, Odtu1},
        {TypeOdu3, TypeLine, 5683, Odtu2},
        {TypeClient, TypeLine, 5685, Always},
        {TypeTcm, TypeLine, 5686, TcmResults},
        {TypeJustification, TypeLine, 4131, Justification},
        {TypeGfp, TypeLine, 4204, Gfp},
        {TypeLanes, TypeLine, 4277, Lanes},
        {TypeLinePerformance, TypeLinePerformance, 5684, Always},
        {TypeOdu1Performance, TypeLinePerformance, 5681, Odtu0},
        {TypeOdu2Performance, TypeLinePerformance, 5682, Odtu1},
        {TypeOdu3Performance, TypeLinePerformance, 5683, Odtu2},
        {TypeTcmPerformance, TypeLinePerformance, 5686, TcmResults},
    };
    return entries;
}

QVector<OtnResultRows::Row> OtnResultRows::rows(int type)
{
    Rows rows;
    switch (type) {
    case TypeLine:
        return lineRows();
    case TypeOdu1:
    case TypeOdu2:
    case TypeOdu3:
        addOduBlock(rows, type - TypeLine);
        return rows;
    case TypeClient:
        return clientRows();
    case TypeTcm:
        return tcmRows();
    case TypeGfp:
        return gfpRows();
    case TypeLanes:
        return laneRows();
    case TypeLinePerformance:
        addPerformanceBlock(rows, linePerformanceTitle, OtnPerformanceCounters::line(), linePerformanceSection,
                            lineBidirectionalSection, Always);
        return rows + oduPerformanceRows(0);
    case TypeOdu1Performance:
    case TypeOdu2Performance:
    case TypeOdu3Performance:
        return oduPerformanceRows(type - TypeLinePerformance);
    case TypeTcmPerformance:
        return tcmPerformanceRows();
    case TypeJustification:
        return rows;
    default:
        ZEL_ASSERT(false, QStringLiteral("result type %1 is not an OTN result type").arg(type));
        return rows;
    }
}

QVector<OtnResultRows::Row> OtnResultRows::justificationRows(int level, int ampRank, int gmpRank)
{
    const bool ampFirst = ampRank > gmpRank;
    Rows rows;
    if (ampFirst)
        rows += justificationBlock(level, false);
    if (gmpRank >= 0)
        rows += justificationBlock(level, true);
    if (!ampFirst && ampRank >= 0)
        rows += justificationBlock(level, false);
    return rows;
}

int OtnResultRows::oduRank(const QString &oduName)
{
    const QString upper = oduName.toUpper();
    for (int rank = int(sizeof(oduRanks) / sizeof(oduRanks[0])) - 1; rank >= 0; --rank) {
        const QString candidate = QString::fromLatin1(oduRanks[rank]);
        if (upper == candidate || (candidate == QLatin1String("ODUC") && upper.startsWith(candidate)))
            return rank;
    }
    return 0;
}
