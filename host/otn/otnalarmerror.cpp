#include "otnalarmerror.h"

#include <QVector>

#include <algorithm>

#include "otnmapping.h"
#include "otnsignalcatalogue.h"

namespace {

enum Kind { KindNone, KindAlarm, KindError };

// Bulk pattern of an OTUCn lane interface (parameter 11206) that is no checkable sequence.
constexpr int scrambledIdlePattern = 5;

// Where an item can be inserted.
enum Scope {
    ScopeLine,      // the line (level 0) only
    ScopeAny,       // every level
    ScopeLower,     // the lower-order ODUs (level 1 and below)
    ScopeLast,      // the level that carries the client
    ScopeServer     // a level that carries a multiplex (MSI of its OPU)
};

enum Need {
    NeedNothing = 0,
    NeedLineWide = 0x001,   // acts on the whole signal: possible in through mode, kept on a level change
    NeedPayload = 0x002,    // lives in the OPU payload: not in overhead-overwrite through mode
    NeedLanes = 0x004,      // a multi-lane interface
    NeedOpu4Mux = 0x008,    // the level's OPU4 carries a multiplex (OMFI)
    NeedClient = 0x010,     // a real client (not a test pattern)
    NeedPattern = 0x020,    // a test pattern client
    NeedSdh = 0x040,        // an SDH/SONET client
    NeedEthernet = 0x080,   // an Ethernet client carried as a bit stream
    NeedStat = 0x100,       // PM/SM STAT, BDI or IAE bits: absent on the further slices of an OTUCn
    NeedTti = 0x200,        // a TTI: absent on the further slices of an OTUCn
    NeedLckOci = 0x400,     // LCK and OCI codes of PM STAT: not defined for ODUCn
    NeedTcm = 0x800         // TCM overhead: absent on the further slices of an OTUCn
};

struct Item {
    int value;
    QString name;
    Kind kind;
    Scope scope;
    int needs;
};

QVector<Item> buildItems()
{
    QVector<Item> t = {
        {0, "None", KindNone, ScopeAny, NeedNothing},
        {1, "LOF", KindAlarm, ScopeLine, NeedNothing},
        {2, "LOS", KindAlarm, ScopeLine, NeedLineWide},
        {3, "OOF", KindAlarm, ScopeAny, NeedNothing},
        {4, "LOM", KindAlarm, ScopeLine, NeedNothing},
        {5, "OOM", KindAlarm, ScopeAny, NeedNothing},
        {6, "SM-BDI", KindAlarm, ScopeLine, NeedStat},
        {7, "SM-IAE", KindAlarm, ScopeLine, NeedStat},
        {8, "SM-BIAE", KindAlarm, ScopeLine, NeedStat},
        {9, "SM-TIM", KindAlarm, ScopeLine, NeedTti},
        {10, "ODU-AIS", KindAlarm, ScopeAny, NeedStat},
        {11, "ODU-OCI", KindAlarm, ScopeAny, NeedStat | NeedLckOci},
        {12, "ODU-LCK", KindAlarm, ScopeAny, NeedStat | NeedLckOci},
        {13, "PM-BDI", KindAlarm, ScopeAny, NeedStat},
        {14, "PM-TIM", KindAlarm, ScopeAny, NeedTti},
        {15, "PLM", KindAlarm, ScopeAny, NeedStat},
        {16, "LOFLOM", KindAlarm, ScopeLower, NeedNothing},
        {17, "LOOMFI", KindAlarm, ScopeServer, NeedOpu4Mux | NeedStat},
        {20, "LOL", KindAlarm, ScopeLine, NeedLineWide | NeedLanes},
        {21, "OPU-CSF", KindAlarm, ScopeLast, NeedClient | NeedStat},
        {22, "OTU-AIS", KindAlarm, ScopeLine, NeedLineWide | NeedStat},
        {24, "MSIM", KindAlarm, ScopeServer, NeedStat},
        {50, "FAS", KindError, ScopeAny, NeedNothing},
        {51, "MFAS", KindError, ScopeAny, NeedNothing},
        {52, "SM-BIP8", KindError, ScopeLine, NeedNothing},
        {53, "SM-BEI", KindError, ScopeLine, NeedNothing},
        {54, "PM-BIP8", KindError, ScopeAny, NeedNothing},
        {55, "PM-BEI", KindError, ScopeAny, NeedNothing},
        {64, "Line Bit", KindError, ScopeLine, NeedLineWide},
        {66, "Pattern Bit", KindError, ScopeLast, NeedPayload | NeedPattern},
        {67, "Client B1", KindError, ScopeLast, NeedPayload | NeedSdh},
        {72, "Client Block", KindError, ScopeLast, NeedPayload | NeedEthernet},
    };
    static const char *const tcmAlarms[] = {"BDI", "IAE", "BIAE", "LTC"};
    static const char *const tcmErrors[] = {"BIP8", "BEI"};
    for (int tcm = 0; tcm < 6; ++tcm) {
        for (int k = 0; k < 4; ++k) {
            t << Item{100 + tcm * 4 + k, QStringLiteral("TCM%1-%2").arg(tcm + 1).arg(QLatin1String(tcmAlarms[k])),
                      KindAlarm, ScopeLine, NeedTcm};
        }
    }
    for (int tcm = 0; tcm < 6; ++tcm) {
        for (int k = 0; k < 2; ++k) {
            t << Item{130 + tcm * 2 + k, QStringLiteral("TCM%1-%2").arg(tcm + 1).arg(QLatin1String(tcmErrors[k])),
                      KindError, ScopeLine, NeedTcm};
        }
    }
    return t;
}

const QVector<Item> &items()
{
    static const QVector<Item> table = buildItems();
    return table;
}

const Item *findItem(int value)
{
    for (const Item &item : items()) {
        if (item.value == value)
            return &item;
    }
    return nullptr;
}

bool inScope(Scope scope, int level)
{
    switch (scope) {
    case ScopeLine:
        return level == 0;
    case ScopeLower:
        return level >= 1;
    case ScopeServer:
        return level <= 2;
    case ScopeAny:
    case ScopeLast:
        return true;
    }
    return false;
}

QList<int> listOf(Kind kind, int level)
{
    QList<int> values;
    if (level < 0 || level >= OtnMapping::maxLevels)
        return values;
    for (const Item &item : items()) {
        if (item.kind == kind && inScope(item.scope, level))
            values << item.value;
    }
    return values;
}

bool onScopeLevel(const Item &item, int level, const OtnMapping &mapping)
{
    const int last = mapping.getOduCount() - 1;
    if (level < 0 || level > last)
        return false;
    switch (item.scope) {
    case ScopeLine:
        return level == 0;
    case ScopeLower:
        return level >= 1;
    case ScopeLast:
        return level == last;
    case ScopeServer:
        return mapping.hasOdtu(level);
    case ScopeAny:
        return true;
    }
    return false;
}

bool opu4Multiplex(const OtnMapping &mapping, int level)
{
    if (!mapping.hasOdtu(level))
        return false;
    const OtnSignalCatalogue::Multiplex *m =
        OtnSignalCatalogue::multiplex(mapping.convertMultiplexes().value(level));
    return m && m->ho == OtnSignalCatalogue::Odu4;
}

} // namespace

QList<int> OtnAlarmError::getAlarms(int level)
{
    return listOf(KindAlarm, level);
}

QList<int> OtnAlarmError::getErrors(int level)
{
    return listOf(KindError, level);
}

bool OtnAlarmError::valid(int applicationType, int level, int portMode, const OtnMapping &mapping, int otlSlice,
                          int patternType, int item)
{
    Q_UNUSED(applicationType)
    const Item *entry = findItem(item);
    if (!entry || entry->kind == KindNone || !onScopeLevel(*entry, level, mapping))
        return false;

    const int needs = entry->needs;
    switch (portMode) {
    case 1:
        break;
    case 2:
        if (!(needs & NeedLineWide))
            return false;
        break;
    case 3:
        if (needs & NeedPayload)
            return false;
        break;
    default:
        return false;
    }

    if (mapping.isOTLC()) {
        if ((needs & NeedPattern) && patternType == scrambledIdlePattern)
            return false;
        if (needs & NeedLckOci)
            return false;
        if (otlSlice != 0 && (needs & (NeedStat | NeedTti | NeedTcm)))
            return false;
    }

    const OtnSignalCatalogue::Client *client = OtnSignalCatalogue::client(mapping[OtnMapping::FieldClient]);
    if ((needs & NeedLanes) && OtnMapping::numOfLldLane(mapping[OtnMapping::FieldInterface]) == 0)
        return false;
    if ((needs & NeedOpu4Mux) && !opu4Multiplex(mapping, level))
        return false;
    if ((needs & NeedClient) && (!client || client->pattern))
        return false;
    if ((needs & NeedPattern) && (!client || !client->pattern))
        return false;
    if ((needs & NeedSdh) && (!client || !client->sdh))
        return false;
    if ((needs & NeedEthernet) && (!client || !client->ethernet || client->gfpF))
        return false;
    return true;
}

QList<int> OtnAlarmError::allItems()
{
    QList<int> values;
    for (const Item &item : items())
        values << item.value;
    std::sort(values.begin(), values.end());
    return values;
}

QString OtnAlarmError::itemName(int item)
{
    const Item *entry = findItem(item);
    return entry ? entry->name : QString();
}

bool OtnAlarmError::isAlarm(int item)
{
    const Item *entry = findItem(item);
    return entry && entry->kind == KindAlarm;
}

bool OtnAlarmError::isError(int item)
{
    const Item *entry = findItem(item);
    return entry && entry->kind == KindError;
}
