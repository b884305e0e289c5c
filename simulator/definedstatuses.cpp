#include "definedstatuses.h"

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsignalcatalogue.h"
#include "parameterstore.h"
#include "reception.h"
#include "tributarylayout.h"

namespace {

namespace Alarm = nsIID::Otn::Alarm;
namespace Error = nsIID::Otn::Error;
namespace Id = PID::Otn;
namespace Status = PID::Otn::STATUS;
namespace Client = nsIID::Otn::Client;
namespace Gfp = nsIID::Otn::Gfp;
namespace Lane = nsIID::Otn::Lane;

// The line's section: LOS, LOF, OOF, LOM, OOM, OTU-AIS, SM-TIM, SM-BIAE, SM-IAE, SM-BDI; FAS, MFAS,
// SM-BIP8 and SM-BEI errors.
const QVector<int> lineIds{Status::LOS,     Status::LOF,       Status::OOF,        Status::LOM,
                           Status::OOM,     Status::OTU_AIS,   Status::SM_TIM,     Status::SM_BIAE,
                           Status::SM_IAE,  Status::SM_BDI,    Status::FAS_ERROR,  Status::MFAS_ERROR,
                           Status::SM_BIP8, Status::SM_BEI};
// FEC corrected and uncorrectable.
const QVector<int> fecIds{Status::FEC_CORRECTED, Status::FEC_UNCORRECTABLE};
// OTUCn lane alignment: OTUCn-LOL and lane errors.
const QVector<int> otucnIds{Status::OTUCN_LOL, Status::OTUCN_LANE_ERROR};
// The logical lanes: LLD-LOF, LLD-OOF, LOR, OOR, their summary, the skew, their seconds and errors.
const QVector<int> laneIds{Lane::LLD_LOF,
                           Lane::LLD_OOF,
                           Lane::LOR,
                           Lane::OOR,
                           Lane::SUMMARY,
                           Lane::SKEW_EXCEEDED,
                           Lane::LLD_LOF_SECONDS,
                           Lane::LLD_OOF_SECONDS,
                           Lane::LOR_SECONDS,
                           Lane::OOR_SECONDS,
                           Lane::LLD_FAS_ERROR_COUNT,
                           Lane::LLD_MFAS_ERROR_COUNT,
                           Lane::LLM_ERROR_COUNT,
                           Lane::LLD_FAS_ERROR,
                           Lane::LLD_MFAS_ERROR,
                           Lane::LLM_ERROR};
// The client: CSF, loss of GFP frame delineation, pattern loss and the pattern's bit errors.
constexpr int csfId = Client::CSF;
constexpr int lofdId = Client::LOFD;
constexpr int patternIds[] = {Client::PATTERN_LOSS, Client::BIT_ERROR};
// GFP: the client signal fail and the HEC of every GFP mapping, GFP-T codes, GFP-F frames, and the client
// frames both carry.
const QVector<int> gfpIds{Gfp::CSF, Gfp::CHEC_CORRECTABLE, Gfp::CHEC_UNCORRECTABLE, Gfp::THEC_CORRECTABLE,
                          Gfp::THEC_UNCORRECTABLE};
const QVector<int> gfpTIds{Gfp::T_10B_ERROR, Gfp::T_SUPERBLOCK_CRC, Gfp::T_DISPARITY, Gfp::T_INVALID_CODE};
const QVector<int> gfpFIds{Gfp::EHEC_CORRECTABLE, Gfp::EHEC_UNCORRECTABLE, Gfp::PFCS_ERROR,
                           Gfp::FRAME_LENGTH_ERROR};
const QVector<int> gfpClientIds{Gfp::CLIENT_DATA_LOSS, Gfp::IDLE_FRAMES, Gfp::CLIENT_FRAMES,
                                Gfp::CLIENT_ERRORED_FRAMES};

constexpr int tcms = 6;

const int *const levelTables[] = {Alarm::SUM_ERRALARM, Alarm::ODU_LOF_LOM, Alarm::ODU_OOF, Alarm::ODU_OOM,
                                  Alarm::ODU_AIS,      Alarm::ODU_LCK,     Alarm::ODU_OCI, Alarm::PM_TIM,
                                  Alarm::PM_BDI,       Alarm::PLM,         Alarm::FSF,     Alarm::FSD,
                                  Alarm::BSF,          Alarm::BSD,         Alarm::MSIM,    Error::ODU_FAS,
                                  Error::PM_BIP8,      Error::PM_BEI,      Error::CRC8,    Error::CRC5,
                                  Error::JC,           Error::OMFI};
const int *const tcmTables[] = {Alarm::TCMi_TIM, Alarm::TCMi_BIAE, Alarm::TCMi_BDI, Alarm::TCMi_IAE,
                                Alarm::TCMi_LTC, Error::TCMi_BIP8, Error::TCMi_BEI};

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
        if (Reception::omfiMultiplex(rx, level))
            m_defined.insert(Error::OMFI[level]);
        if (rx.isGmp(level)) {
            m_defined.insert(Error::CRC8[level]);
            m_defined.insert(Error::CRC5[level]);
        }
        if (rx.isGmp(level) || rx.isAmp(level))
            m_defined.insert(Error::JC[level]);
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
