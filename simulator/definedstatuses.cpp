#include "definedstatuses.h"

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsignalcatalogue.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

namespace Alarm = nsIID::Otn::Alarm;
namespace Error = nsIID::Otn::Error;
namespace Id = PID::Otn;

// The line's section: LOS, LOF, OOF, LOM, OOM, OTU-AIS, SM-TIM, SM-BIAE, SM-IAE, SM-BDI; FAS, MFAS,
// SM-BIP8 and SM-BEI errors.
const QVector<int> lineIds{101, 102, 103, 106, 109, 110, 113, 114, 115, 116, 1101, 1104, 1107, 1109};
// FEC corrected and uncorrectable.
const QVector<int> fecIds{1111, 1112};
// OTUCn lane alignment: OTUCn-LOL and lane errors.
const QVector<int> otucnIds{433, 1429};
// The logical lanes: LLD-LOF, LLD-OOF, LOR, OOR, their summary, the skew, their seconds and errors.
const QVector<int> laneIds{401, 402, 403, 404, 405, 170, 176, 177, 178, 179, 1177, 1178, 1179, 1411, 1412, 1413};
// JC errors and OMFI errors of a level's OPU.
constexpr int jcErrorIds[4] = {2407, 2408, 2409, 2410};
constexpr int omfiErrorIds[4] = {2411, 2412, 2413, 2414};
// The client: CSF, loss of GFP frame delineation, pattern loss and the pattern's bit errors.
constexpr int csfId = 167;
constexpr int lofdId = 168;
constexpr int patternIds[] = {169, 1174};
// GFP counters: HEC of every GFP mapping, GFP-T codes, GFP-F frames, and the client frames both carry.
const QVector<int> gfpIds{1149, 1150, 1151, 1152};
const QVector<int> gfpTIds{1153, 1154, 1155, 1156};
const QVector<int> gfpFIds{1166, 1167, 1168, 1169};
const QVector<int> gfpClientIds{1157, 1165, 1401, 1402};

constexpr int tcms = 6;

const int *const levelTables[] = {Alarm::SUM_ERRALARM, Alarm::ODU_LOF_LOM, Alarm::ODU_OOF, Alarm::ODU_OOM,
                                  Alarm::ODU_AIS,      Alarm::ODU_LCK,     Alarm::ODU_OCI, Alarm::PM_TIM,
                                  Alarm::PM_BDI,       Alarm::PLM,         Alarm::FSF,     Alarm::FSD,
                                  Alarm::BSF,          Alarm::BSD,         Alarm::MSIM,    Error::ODU_FAS,
                                  Error::PM_BIP8,      Error::PM_BEI,      Error::CRC8,    Error::CRC5,
                                  jcErrorIds,          omfiErrorIds};
const int *const tcmTables[] = {Alarm::TCMi_TIM, Alarm::TCMi_BIAE, Alarm::TCMi_BDI, Alarm::TCMi_IAE,
                                Alarm::TCMi_LTC, Error::TCMi_BIP8, Error::TCMi_BEI};

bool opu4Multiplex(const OtnMapping &mapping, int level)
{
    const OtnSignalCatalogue::Multiplex *m =
        mapping.hasOdtu(level) ? OtnSignalCatalogue::multiplex(mapping.convertMultiplexes().value(level)) : nullptr;
    return m && m->ho == OtnSignalCatalogue::Odu4;
}

} // namespace

const QVector<int> &DefinedStatuses::all()
{
    static const QVector<int> ids = [] {
        QVector<int> list = lineIds + fecIds + otucnIds + laneIds + gfpIds + gfpTIds + gfpFIds + gfpClientIds;
        list << csfId << lofdId;
        for (int id : patternIds)
            list << id;
        for (int level = 0; level < OtnMapping::maxLevels; ++level) {
            for (const int *table : levelTables) {
                if (table[level])
                    list << table[level];
            }
        }
        for (int tcm = 0; tcm < tcms; ++tcm) {
            for (const int *table : tcmTables)
                list << table[tcm];
        }
        return list;
    }();
    return ids;
}

DefinedStatuses::DefinedStatuses(const ParameterStore &store, int port)
{
    const OtnMapping rx = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    const auto add = [this](const QVector<int> &ids) {
        for (int id : ids)
            m_defined.insert(id);
    };
    add(lineIds);
    // An OTUCn has no FEC of its own (FlexO has); an OTUk counts FEC errors only while it decodes FEC.
    if (!rx.isOTLC() && store.intValue(nsSID::otnSid(port, Id::RX::FEC_CONTROL)) != 0)
        add(fecIds);
    if (rx.isOTLC())
        add(otucnIds);
    if (OtnMapping::numOfLldLane(rx[OtnMapping::FieldInterface]) > 0)
        add(laneIds);

    const int count = qMin(rx.getOduCount(), int(OtnMapping::maxLevels));
    for (int level = 0; level < count; ++level) {
        // G.709 defines neither ODU-OCI nor FTFL for an ODUCn.
        const bool oducn = rx.isOTLC() && level == 0;
        for (const int *table : {Alarm::SUM_ERRALARM, Alarm::ODU_LOF_LOM, Alarm::ODU_OOF, Alarm::ODU_OOM,
                                 Alarm::ODU_AIS, Alarm::ODU_LCK, Alarm::PM_TIM, Alarm::PM_BDI, Alarm::PLM,
                                 Error::ODU_FAS, Error::PM_BIP8, Error::PM_BEI}) {
            if (table[level])
                m_defined.insert(table[level]);
        }
        if (!oducn) {
            for (const int *table : {Alarm::ODU_OCI, Alarm::FSF, Alarm::FSD, Alarm::BSF, Alarm::BSD})
                m_defined.insert(table[level]);
        }
        if (rx.hasOdtu(level) && Alarm::MSIM[level])
            m_defined.insert(Alarm::MSIM[level]);
        if (opu4Multiplex(rx, level))
            m_defined.insert(omfiErrorIds[level]);
        if (rx.isGmp(level)) {
            m_defined.insert(Error::CRC8[level]);
            m_defined.insert(Error::CRC5[level]);
        }
        if (rx.isGmp(level) || rx.isAmp(level))
            m_defined.insert(jcErrorIds[level]);
    }

    const OtnSignalCatalogue::Client *client = OtnSignalCatalogue::client(rx[OtnMapping::FieldClient]);
    if (client && client->pattern) {
        for (int id : patternIds)
            m_defined.insert(id);
    } else if (client) {
        m_defined.insert(csfId);
    }
    if (rx.isGfp()) {
        m_defined.insert(lofdId);
        add(gfpIds);
    }
    if (rx.isGfpT())
        add(gfpTIds);
    if (rx.isGfpF())
        add(gfpFIds);
    if (rx.isGfpF() || rx.isFcGfp())
        add(gfpClientIds);

    if (store.intValue(nsSID::otnSid(port, Id::RX::TCM)) != 0) {
        for (int tcm = 0; tcm < tcms; ++tcm) {
            for (const int *table : tcmTables)
                m_defined.insert(table[tcm]);
        }
    }
}
