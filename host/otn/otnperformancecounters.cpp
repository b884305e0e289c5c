#include "otnperformancecounters.h"

#include <QtGlobal>

#include "host/diagnostics/zeldiagnostics.h"
#include "otniid.h"

namespace {

constexpr int levels = 4;
constexpr int tcms = 6;

int bounded(int index, int count, const char *what)
{
    ZEL_ASSERT(index >= 0 && index < count, QStringLiteral("%1 %2 has no performance counters").arg(what).arg(index));
    return qBound(0, index, count - 1);
}

} // namespace

OtnPerformanceCounters OtnPerformanceCounters::line()
{
    using namespace nsIID::Otn;
    using namespace nsIID::Otn::Performance;
    return {Mapping::LINE_PER_NAME,
            {STAT_LINE_NEAREND, SES_LINE_NEAREND, BBE_LINE_NEAREND, UAS_LINE_NEAREND},
            {STAT_LINE_FAREND, SES_LINE_FAREND, BBE_LINE_FAREND, UAS_LINE_FAREND},
            {STAT_LINE_BIDIRECTIONAL, SES_LINE_BIDIRECTIONAL, BBE_LINE_BIDIRECTIONAL, UAS_LINE_BIDIRECTIONAL}};
}

OtnPerformanceCounters OtnPerformanceCounters::odu(int level)
{
    using namespace nsIID::Otn;
    using namespace nsIID::Otn::Performance;
    const int k = bounded(level, levels, "level");
    return {Mapping::ODU_PER_NAME[k],
            {STAT_ODU_NEAREND[k], SES_ODU_NEAREND[k], BBE_ODU_NEAREND[k], UAS_ODU_NEAREND[k]},
            {STAT_ODU_FAREND[k], SES_ODU_FAREND[k], BBE_ODU_FAREND[k], UAS_ODU_FAREND[k]},
            {STAT_ODU_BIDIRECTIONAL[k], SES_ODU_BIDIRECTIONAL[k], BBE_ODU_BIDIRECTIONAL[k], UAS_ODU_BIDIRECTIONAL[k]}};
}

OtnPerformanceCounters OtnPerformanceCounters::tcm(int tcm)
{
    using namespace nsIID::Otn;
    using namespace nsIID::Otn::Performance;
    const int j = bounded(tcm, tcms, "tandem connection");
    return {Mapping::ODU_PER_NAME[0],
            {STAT_TCMi_NEAREND[j], SES_TCMi_NEAREND[j], BBE_TCMi_NEAREND[j], UAS_TCMi_NEAREND[j]},
            {STAT_TCMi_FAREND[j], SES_TCMi_FAREND[j], BBE_TCMi_FAREND[j], UAS_TCMi_FAREND[j]},
            {STAT_TCMi_BIDIRECTIONAL[j], SES_TCMi_BIDIRECTIONAL[j], BBE_TCMi_BIDIRECTIONAL[j],
             UAS_TCMi_BIDIRECTIONAL[j]}};
}
