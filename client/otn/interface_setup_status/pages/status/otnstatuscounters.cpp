#include "otnstatuscounters.h"

#include <algorithm>
#include <iterator>

#include "host/otn/otniid.h"
#include "host/otn/otnmapping.h"

namespace {

// Alarms shown only on the innermost level, or only for some structures.
constexpr int csfId = 167;
constexpr int lofdId = 168;
constexpr int patternLossId = 169;
constexpr int otucnLolId = 433;

// Errors of the payload and of OTUCn lanes.
constexpr int gfpHecIds[] = {1149, 1150, 1151, 1152};
constexpr int gfpTIds[] = {1153, 1154, 1155, 1156};
constexpr int gfpFIds[] = {1166, 1167, 1168, 1169};
constexpr int gfpClientIds[] = {1157, 1165, 1401, 1402};
constexpr int bitErrorId = 1174;
constexpr int otucnLaneErrorId = 1429;

// Clients whose payload is a test pattern: nothing (bulk) or the NULL signal.
constexpr int clientBulk = 0;
constexpr int clientNull = 28;

const QVector<int> gfpBlock = {1149, 1150, 1151, 1152, 1168, 1169, 1153, 1154,
                               1155, 1156, 1157, 1166, 1167, 1165, 1401, 1402};

QVector<int> tcmAlarms()
{
    using namespace nsIID::Otn::Alarm;
    QVector<int> ids;
    for (int tcm = 0; tcm < 6; ++tcm)
        ids << TCMi_TIM[tcm] << TCMi_BIAE[tcm] << TCMi_BDI[tcm] << TCMi_IAE[tcm] << TCMi_LTC[tcm];
    return ids;
}

QVector<int> tcmErrors()
{
    using namespace nsIID::Otn::Error;
    QVector<int> ids;
    for (int tcm = 0; tcm < 6; ++tcm)
        ids << TCMi_BIP8[tcm] << TCMi_BEI[tcm];
    return ids;
}

QVector<int> alarmIds(int level)
{
    switch (level) {
    case 0:
        return QVector<int>{101, 102, 103, 106, 109, 110, 113, 116, 115, 114, 117, 120, 123, 126, 129} + tcmAlarms()
               + QVector<int>{162, 417, 421, 425, 429, 165, 167, 168, 169, 433};
    case 1:
        return {104, 107, 111, 118, 121, 124, 127, 130, 163, 418, 422, 426, 430, 166, 167, 168, 169};
    case 2:
        return {105, 108, 112, 119, 122, 125, 128, 131, 164, 419, 423, 427, 431, 415, 167, 168, 169};
    case 3:
        return {406, 407, 408, 409, 410, 411, 412, 413, 414, 420, 424, 428, 432, 167, 168, 169};
    default:
        return {};
    }
}

QVector<int> errorIds(int level)
{
    switch (level) {
    case 0:
        return QVector<int>{1101, 1104, 1107, 1109, 1111, 1112, 1113, 1119} + tcmErrors()
               + QVector<int>{1174, 1421, 1425, 1429} + gfpBlock + QVector<int>{2407, 2411};
    case 1:
        return QVector<int>{1102, 1114, 1120, 1174, 1422, 1426} + gfpBlock + QVector<int>{2408, 2412};
    case 2:
        return QVector<int>{1103, 1115, 1121, 1174, 1423, 1427} + gfpBlock + QVector<int>{2409, 2413};
    case 3:
        return QVector<int>{1414, 1415, 1417, 1174, 1424, 1428} + gfpBlock + QVector<int>{2410, 2414};
    default:
        return {};
    }
}

template <std::size_t N>
bool isOneOf(int id, const int (&ids)[N])
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

bool alarmShown(int id, bool lastLevel, bool patternClient, const OtnMapping &mapping)
{
    switch (id) {
    case csfId:
    case lofdId:
        return lastLevel;
    case patternLossId:
        return lastLevel && patternClient;
    case otucnLolId:
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
    if (id == bitErrorId)
        return lastLevel && patternClient;
    if (id == otucnLaneErrorId)
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
    static const QVector<int> ids = {401, 402, 403, 404, 170};
    return ids;
}

const QVector<int> &OtnStatusCounters::laneErrors()
{
    static const QVector<int> ids = {1411, 1412, 1413};
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
