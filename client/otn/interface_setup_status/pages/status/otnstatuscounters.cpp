#include "otnstatuscounters.h"

#include <algorithm>
#include <iterator>

#include "host/otn/otniid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"

namespace {

using namespace nsIID::Otn;
namespace Line = PID::Otn::STATUS;

// Errors of the payload, shown by its mapping.
constexpr int gfpHecIds[] = {Gfp::CHEC_CORRECTABLE, Gfp::CHEC_UNCORRECTABLE, Gfp::THEC_CORRECTABLE,
                             Gfp::THEC_UNCORRECTABLE};
constexpr int gfpTIds[] = {Gfp::T_10B_ERROR, Gfp::T_SUPERBLOCK_CRC, Gfp::T_DISPARITY, Gfp::T_INVALID_CODE};
constexpr int gfpFIds[] = {Gfp::EHEC_CORRECTABLE, Gfp::EHEC_UNCORRECTABLE, Gfp::PFCS_ERROR, Gfp::FRAME_LENGTH_ERROR};
constexpr int gfpClientIds[] = {Gfp::CLIENT_DATA_LOSS, Gfp::IDLE_FRAMES, Gfp::CLIENT_FRAMES,
                                Gfp::CLIENT_ERRORED_FRAMES};

// Clients whose payload is a test pattern: nothing (bulk) or the NULL signal.
constexpr int clientBulk = 0;
constexpr int clientNull = 28;

const QVector<int> gfpBlock = {Gfp::CHEC_CORRECTABLE,   Gfp::CHEC_UNCORRECTABLE, Gfp::THEC_CORRECTABLE,
                               Gfp::THEC_UNCORRECTABLE, Gfp::PFCS_ERROR,         Gfp::FRAME_LENGTH_ERROR,
                               Gfp::T_10B_ERROR,        Gfp::T_SUPERBLOCK_CRC,   Gfp::T_DISPARITY,
                               Gfp::T_INVALID_CODE,     Gfp::CLIENT_DATA_LOSS,   Gfp::EHEC_CORRECTABLE,
                               Gfp::EHEC_UNCORRECTABLE, Gfp::IDLE_FRAMES,        Gfp::CLIENT_FRAMES,
                               Gfp::CLIENT_ERRORED_FRAMES};

QVector<int> tcmAlarms()
{
    QVector<int> ids;
    for (int tcm = 0; tcm < 6; ++tcm) {
        ids << Alarm::TCMi_TIM[tcm] << Alarm::TCMi_BIAE[tcm] << Alarm::TCMi_BDI[tcm] << Alarm::TCMi_IAE[tcm]
            << Alarm::TCMi_LTC[tcm];
    }
    return ids;
}

QVector<int> tcmErrors()
{
    QVector<int> ids;
    for (int tcm = 0; tcm < 6; ++tcm)
        ids << Error::TCMi_BIP8[tcm] << Error::TCMi_BEI[tcm];
    return ids;
}

// The line's own alarms and its TCMs on level 0, the ODU framing below; the client's on every level.
QVector<int> alarmIds(int level)
{
    if (level < 0 || level >= OtnStatusCounters::oduLevels)
        return {};
    const int k = level;
    QVector<int> ids;
    if (k == 0) {
        ids << Line::LOS << Line::LOF << Line::OOF << Line::LOM << Line::OOM << Line::OTU_AIS << Line::SM_TIM
            << Line::SM_BDI << Line::SM_IAE << Line::SM_BIAE;
    } else {
        ids << Alarm::ODU_LOF_LOM[k] << Alarm::ODU_OOF[k] << Alarm::ODU_OOM[k];
    }
    ids << Alarm::ODU_AIS[k] << Alarm::ODU_LCK[k] << Alarm::ODU_OCI[k] << Alarm::PM_TIM[k] << Alarm::PM_BDI[k];
    if (k == 0)
        ids += tcmAlarms();
    ids << Alarm::PLM[k] << Alarm::FSF[k] << Alarm::FSD[k] << Alarm::BSF[k] << Alarm::BSD[k];
    if (Alarm::MSIM[k])
        ids << Alarm::MSIM[k];
    ids << Client::CSF << Client::LOFD << Client::PATTERN_LOSS << Gfp::CSF;
    if (k == 0)
        ids << Line::OTUCN_LOL;
    return ids;
}

QVector<int> errorIds(int level)
{
    if (level < 0 || level >= OtnStatusCounters::oduLevels)
        return {};
    const int k = level;
    QVector<int> ids;
    if (k == 0) {
        ids << Line::FAS_ERROR << Line::MFAS_ERROR << Line::SM_BIP8 << Line::SM_BEI << Line::FEC_CORRECTED
            << Line::FEC_UNCORRECTABLE;
    } else {
        ids << Error::ODU_FAS[k];
    }
    ids << Error::PM_BIP8[k] << Error::PM_BEI[k];
    if (k == 0)
        ids += tcmErrors();
    ids << Client::BIT_ERROR << Error::CRC8[k] << Error::CRC5[k];
    if (k == 0)
        ids << Line::OTUCN_LANE_ERROR;
    return ids + gfpBlock + QVector<int>{Error::JC[k], Error::OMFI[k]};
}

template <std::size_t N>
bool isOneOf(int id, const int (&ids)[N])
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

bool alarmShown(int id, bool lastLevel, bool patternClient, const OtnMapping &mapping)
{
    switch (id) {
    case Client::CSF:
    case Client::LOFD:
        return lastLevel;
    case Client::PATTERN_LOSS:
        return lastLevel && patternClient;
    case Gfp::CSF:
        return lastLevel && mapping.isGfp();
    case Line::OTUCN_LOL:
        return mapping.isOTLC();
    default:
        return true;
    }
}

bool errorShown(int id, bool lastLevel, bool patternClient, const OtnMapping &mapping)
{
    if (isOneOf(id, gfpHecIds))
        return lastLevel && mapping.isGfp();
    if (isOneOf(id, gfpTIds))
        return lastLevel && mapping.isGfpT();
    if (isOneOf(id, gfpFIds))
        return lastLevel && mapping.isGfpF();
    if (isOneOf(id, gfpClientIds))
        return lastLevel && (mapping.isGfpF() || mapping.isFcGfp());
    if (id == Client::BIT_ERROR)
        return lastLevel && patternClient;
    if (id == Line::OTUCN_LANE_ERROR)
        return mapping.isOTLC();
    return true;
}

QVector<OtnStatusCounters::Entry> entriesOf(const QVector<int> &ids)
{
    QVector<OtnStatusCounters::Entry> entries;
    entries.reserve(ids.size());
    for (int id : ids)
        entries.append({id, true});
    return entries;
}

} // namespace

const QVector<int> &OtnStatusCounters::laneAlarms()
{
    static const QVector<int> ids = {Lane::LLD_LOF, Lane::LLD_OOF, Lane::LOR, Lane::OOR, Lane::SKEW_EXCEEDED};
    return ids;
}

const QVector<int> &OtnStatusCounters::laneErrors()
{
    static const QVector<int> ids = {Lane::LLD_FAS_ERROR, Lane::LLD_MFAS_ERROR, Lane::LLM_ERROR};
    return ids;
}

OtnStatusCounters::OtnStatusCounters()
{
    for (int level = 0; level < oduLevels; ++level) {
        m_lists[Alarms][level] = entriesOf(alarmIds(level));
        m_lists[Errors][level] = entriesOf(errorIds(level));
    }
}

void OtnStatusCounters::applyVisibility(const OtnMapping &mapping)
{
    const int client = mapping[OtnMapping::FieldClient];
    const bool patternClient = client == clientBulk || client == clientNull;
    for (int level = 0; level < oduLevels; ++level) {
        const bool lastLevel = level == mapping.getOduCount() - 1;
        for (Entry &entry : m_lists[Alarms][level])
            entry.shown = alarmShown(entry.id, lastLevel, patternClient, mapping);
        for (Entry &entry : m_lists[Errors][level])
            entry.shown = errorShown(entry.id, lastLevel, patternClient, mapping);
    }
}

const QVector<OtnStatusCounters::Entry> &OtnStatusCounters::entries(Kind kind, int level) const
{
    static const QVector<Entry> none;
    if (level < 0 || level >= oduLevels || (kind != Alarms && kind != Errors))
        return none;
    return m_lists[kind][level];
}

QVector<int> OtnStatusCounters::shownIds(Kind kind, int level) const
{
    QVector<int> ids;
    for (const Entry &entry : entries(kind, level)) {
        if (entry.shown)
            ids.append(entry.id);
    }
    return ids;
}
