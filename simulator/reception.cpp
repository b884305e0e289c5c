#include "reception.h"

#include <iterator>
#include <limits>
#include <numeric>

#include "apps/shared/sid.h"
#include "host/otn/cmcalculator.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameter.h"
#include "livevalues.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

namespace Alarm = nsIID::Otn::Alarm;
namespace Error = nsIID::Otn::Error;
namespace Id = PID::Otn;

constexpr int tcms = 6;

namespace Lane = nsIID::Otn::Lane;
namespace Gfp = nsIID::Otn::Gfp;

// The alarms of the logical lanes (LLD-LOF, LLD-OOF: a lane cannot be framed; LOR, OOR: the lanes are
// framed one by one but cannot be aligned to each other), each with the status that counts its seconds.
struct LaneAlarm {
    int id;
    int seconds;
};
constexpr LaneAlarm laneAlarms[] = {{Lane::LLD_LOF, Lane::LLD_LOF_SECONDS},
                                    {Lane::LLD_OOF, Lane::LLD_OOF_SECONDS},
                                    {Lane::LOR, Lane::LOR_SECONDS},
                                    {Lane::OOR, Lane::OOR_SECONDS}};
// The lanes' own frame alignment words (FAS, MFAS, LLM), each counted twice by the tester.
constexpr int laneErrorIds[] = {Lane::LLD_FAS_ERROR, Lane::LLD_FAS_ERROR_COUNT, Lane::LLD_MFAS_ERROR,
                                Lane::LLD_MFAS_ERROR_COUNT, Lane::LLM_ERROR, Lane::LLM_ERROR_COUNT};
// The frames a lane's MFAS tells apart, and the values its logical lane marker takes.
constexpr int mfasFrames = 256;
constexpr int laneMarkerValues = 240;
// The header checks of GFP frames: those of every GFP mapping (core and type header), those of the framed
// mapping's extension header; the client frames they leave errored (framed mapping and Fibre Channel).
constexpr int gfpHecIds[] = {Gfp::CHEC_CORRECTABLE, Gfp::CHEC_UNCORRECTABLE, Gfp::THEC_CORRECTABLE,
                             Gfp::THEC_UNCORRECTABLE};
constexpr int gfpExtensionIds[] = {Gfp::EHEC_CORRECTABLE, Gfp::EHEC_UNCORRECTABLE};
constexpr int patternLossId = nsIID::Otn::Client::PATTERN_LOSS;
constexpr int bitErrorId = nsIID::Otn::Client::BIT_ERROR;
constexpr int csfId = nsIID::Otn::Client::CSF;
constexpr int clientBulk = 0;
constexpr int otuAisId = Id::STATUS::OTU_AIS;
// The line's frame alignment errors, whose frames are the OTU's.
constexpr int fasErrorId = Id::STATUS::FAS_ERROR;
constexpr int mfasErrorId = Id::STATUS::MFAS_ERROR;
constexpr int smBip8Id = Id::STATUS::SM_BIP8;

// The third byte of the SM, PM and TCM fields, bit 1 the most significant: BEI/BIAE in bits 1-4, BDI in
// bit 5, IAE (OTUk SM) in bit 6, STAT (PM, TCM, OTUCn SM) in bits 6-8.
int beiOf(uint byte3) { return int(byte3 >> 4) & 0xF; }
bool bdiOf(uint byte3) { return (byte3 & 0x08) != 0; }
bool iaeOf(uint byte3) { return (byte3 & 0x04) != 0; }
int statOf(uint byte3) { return int(byte3 & 0x07); }
// BEI 0-8 counts that many block errors of one frame; the other codes count none.
int blockErrorsOf(uint byte3) { return beiOf(byte3) <= 8 ? beiOf(byte3) : 0; }
constexpr int biaeCode = 0xB;
constexpr int statNoSource = 0;
constexpr int statInUseWithIae = 2;
constexpr int statLck = 5;
constexpr int statOci = 6;
constexpr int statAis = 7;
// How long a frame or multiframe alignment must stay corrupted before its loss is declared.
constexpr double lossPersistenceSeconds = 3e-3;
// The FEC decoder: off, on (corrects), monitor only (counts, corrects nothing).
constexpr int fecOff = 0;
constexpr int fecOn = 1;

} // namespace

double Reception::oduBitRate(const ParameterStore &store, int port, const OtnMapping &mapping, int level)
{
    using Catalogue = OtnSignalCatalogue;
    if (level < 0 || level >= mapping.getOduCount())
        return 0;
    const QString name = mapping.getOduName(level);
    Catalogue::OduType type = Catalogue::OduNone;
    for (int t = Catalogue::OduNone; t <= Catalogue::OduC1; ++t) {
        if (Catalogue::oduName(Catalogue::OduType(t)) == name)
            type = Catalogue::OduType(t);
    }
    if (type == Catalogue::OduFlex) {
        const int stage = level - 1;
        const QcmaParameter *ts = stage >= 0 && Id::RX::NUMBER_OF_TS[stage]
                                      ? store.value(nsSID::otnSid(port, Id::RX::NUMBER_OF_TS[stage]))
                                      : nullptr;
        return CmCalculator::oduFlexRate(ts ? int(ts->getUInt()) : 1) * 1000.0;
    }
    return Catalogue::odu(type).rateKbps * 1000.0;
}

QSet<int> Reception::decidedIds()
{
    QSet<int> ids{Id::STATUS::LOS,       Id::STATUS::LOF,     Id::STATUS::OOF,    Id::STATUS::LOM,
                  Id::STATUS::OOM,       otuAisId,            Id::STATUS::SM_TIM, Id::STATUS::SM_BIAE,
                  Id::STATUS::SM_IAE,    Id::STATUS::SM_BDI,  Id::STATUS::SM_BEI, Id::STATUS::OTUCN_LOL,
                  Id::STATUS::FEC_CORRECTED, patternLossId,   bitErrorId,         csfId,
                  fasErrorId,            mfasErrorId,         smBip8Id,           Id::STATUS::FEC_UNCORRECTABLE,
                  Lane::SKEW_EXCEEDED,   Gfp::CSF,            Gfp::CLIENT_ERRORED_FRAMES};
    for (const LaneAlarm &lane : laneAlarms)
        ids << lane.id << lane.seconds;
    for (int id : laneErrorIds)
        ids.insert(id);
    for (int id : gfpHecIds)
        ids.insert(id);
    for (int id : gfpExtensionIds)
        ids.insert(id);
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        for (const int *table : {Alarm::ODU_LOF_LOM, Alarm::ODU_OOF, Alarm::ODU_OOM, Alarm::ODU_AIS, Alarm::ODU_LCK,
                                 Alarm::ODU_OCI, Alarm::PM_TIM, Alarm::PM_BDI, Alarm::PLM, Alarm::MSIM, Error::PM_BIP8,
                                 Error::PM_BEI, Error::ODU_FAS, Error::OMFI, Error::CRC8, Error::CRC5}) {
            if (table[level])
                ids.insert(table[level]);
        }
    }
    for (int tcm = 0; tcm < tcms; ++tcm) {
        for (const int *table : {Alarm::TCMi_TIM, Alarm::TCMi_BIAE, Alarm::TCMi_BDI, Alarm::TCMi_IAE, Alarm::TCMi_LTC,
                                 Error::TCMi_BIP8, Error::TCMi_BEI})
            ids.insert(table[tcm]);
    }
    return ids;
}

bool Reception::omfiMultiplex(const OtnMapping &mapping, int level)
{
    const OtnSignalCatalogue::Multiplex *m =
        mapping.hasOdtu(level) ? OtnSignalCatalogue::multiplex(mapping.convertMultiplexes().value(level)) : nullptr;
    return m && m->ho == OtnSignalCatalogue::Odu4;
}

double Reception::gfpFramesPerSecond(const ParameterStore &store, int port, const OtnMapping &mapping)
{
    const double payloadBits = oduBitRate(store, port, mapping, mapping.getOduCount() - 1) * 3808.0 / 3824.0;
    return payloadBits / 8.0 / gfpFrameBytes;
}

bool Reception::carriesLaneMarker(int interfaceSignal)
{
    const OtnSignalCatalogue::Interface *i = OtnSignalCatalogue::interfaceSignal(interfaceSignal);
    return i && i->logicalLanes > 0 && i->odu != OtnSignalCatalogue::Odu3;
}

double Reception::skewToleranceSeconds() const
{
    // G.709 lets the receiver take out a skew below half the period of what tells the lanes' frames apart:
    // 127 frames of the MFAS of OTL3.4, 1919 frames of the MFAS and LLM together.
    const int period = carriesLaneMarker(m_rx[OtnMapping::FieldInterface]) ? std::lcm(mfasFrames, laneMarkerValues)
                                                                            : mfasFrames;
    const double frames = period / 2 - 1;
    return framesPerSecond(0) > 0 ? frames / framesPerSecond(0) : std::numeric_limits<double>::infinity();
}

double Reception::framesPerSecond(int level) const
{
    return level >= 0 && level < OtnMapping::maxLevels ? m_framesPerSecond[level] : 0.0;
}

void Reception::alarm(int group, int id, bool raised)
{
    m_alarms.insert(id, raised);
    m_groupIds[group].append(id);
}

void Reception::counter(int group, int id, int level, double perFrame, bool counting)
{
    m_counters.insert(id, Counter{level, perFrame, counting});
    m_groupIds[group].append(id);
}

int Reception::intOf(int id) const
{
    return m_store.intValue(nsSID::otnSid(m_port, id));
}

QByteArray Reception::bytesOf(int id) const
{
    const QcmaParameter *p = m_store.value(nsSID::otnSid(m_port, id));
    return (p && p->isDefined()) ? p->getByteArray() : QByteArray();
}

// The received trace differs from the expected one in the parts the detection mode compares (1 SAPI,
// 2 DAPI, 3 both).
bool Reception::traceMismatch(int detectionId, int expectedSapiId, int expectedDapiId, int sentSapiId,
                              int sentDapiId) const
{
    const int mode = intOf(detectionId);
    return ((mode & 1) && bytesOf(expectedSapiId) != m_sent.bytesOf(sentSapiId))
           || ((mode & 2) && bytesOf(expectedDapiId) != m_sent.bytesOf(sentDapiId));
}

bool Reception::lost(int level, quint64 corruptedFrames) const
{
    if (corruptedFrames == 0)
        return false;
    return corruptedFrames == TransmittedSignal::Insertion::endless
           || double(corruptedFrames) >= lossPersistenceSeconds * framesPerSecond(level);
}

Reception::Arrival Reception::arrival(int level) const
{
    return level >= 0 && level < OtnMapping::maxLevels ? m_arrival[level] : Arrival::Nothing;
}

bool Reception::passesOn(int level) const
{
    return level >= 0 && level < OtnMapping::maxLevels && m_passesOn[level];
}

bool Reception::unequipped(int level) const
{
    const int stage = level - 1;
    if (stage < 0 || stage >= OtnMapping::maxStages
        || m_sent.intOf(Id::TX::TX_COPY[stage]) != nsSettings::Otn::COPY_OFF)
        return false;
    return m_sent.intOf(Id::TX::MAIN_TP[stage]) != intOf(Id::RX::MAIN_TP[stage]);
}

Reception::Reception(const ParameterStore &store, int port, const TransmittedSignal::Insertion &insertion)
    : m_store(store), m_port(port), m_sent(store, port, insertion),
      m_rx(TributaryLayout::mappingOf(store, port, TributaryLayout::Rx))
{
    for (int level = 0; level < m_rx.getOduCount() && level < OtnMapping::maxLevels; ++level)
        m_framesPerSecond[level] = oduBitRate(store, port, m_rx, level) / oduFrameBits;

    const OtnMapping tx = TributaryLayout::mappingOf(store, port, TributaryLayout::Tx);
    const OtnMapping &rx = m_rx;
    const bool signal = m_sent.light();
    const bool sameInterface = signal && tx[OtnMapping::FieldInterface] == rx[OtnMapping::FieldInterface];
    const bool otucn = rx.isOTLC();
    // An OTUCn has no RS FEC; an OTUk's decoder counts what it decodes, and corrects it unless it only
    // monitors.
    const int fec = intOf(Id::RX::FEC_CONTROL);
    m_fecCounts = !otucn && m_sent.intOf(Id::TX::FEC_CONTROL) != fecOff && fec != fecOff;
    m_fecCorrects = m_fecCounts && fec == fecOn;
    const int logicalLanes = OtnMapping::numOfLldLane(rx[OtnMapping::FieldInterface]);
    Arrival arriving = receiveLine(signal, sameInterface, logicalLanes, otucn);
    // The tandem connections sit between the section and the path: they see the ODU as it arrives,
    // whatever its path overhead says.
    receiveTcms(arriving == Arrival::Signal);

    // The ODU levels the receiver expects, the line's first, each taking what the level above passes on:
    // what a level's sink replaces (G.798 consequent actions) arrives below as ODU-AIS, a multiplex taken
    // apart otherwise than it was built leaves no frame to find, and nothing is decoded below a lost frame.
    const QVector<int> txMultiplexes = tx.convertMultiplexes();
    const QVector<int> rxMultiplexes = rx.convertMultiplexes();
    const QList<quint8> expectedTypes = rx.getPayloadTypes();
    const bool plmDetection = intOf(Id::RX::PLM_DETECTION) != 0;
    const bool pmTimAction = intOf(PID::Otn::RX::PM_TIM_ACTION) != 0;
    const int lastLevel = qMax(0, rx.getOduCount() - 1);
    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        const bool present = level < rx.getOduCount();
        Arrival in = present ? arriving : Arrival::Nothing;
        // A lower-order ODU is framed inside its tributary: a frame or multiframe alignment sent corrupted
        // puts the receiver out of frame there, and long enough loses the frame (LOFLOM).
        const quint64 outOfFrame = level > 0 && in == Arrival::Signal ? m_sent.corruptedFrameAlignment(level) : 0;
        const quint64 outOfMultiframe =
            level > 0 && in == Arrival::Signal ? m_sent.corruptedMultiframeAlignment(level) : 0;
        if (lost(level, outOfFrame) || lost(level, outOfMultiframe))
            in = Arrival::Lost;
        m_arrival[level] = in;
        const bool inspected = in == Arrival::Signal;
        const uint pm = sentByte3(Id::TX::ODU_PM_BITS[level]);
        // G.709 defines no ODUCn-OCI: STAT 110 of an ODUCn is reserved.
        const bool oducn = otucn && level == 0;
        const bool ais = in == Arrival::Ais || (inspected && statOf(pm) == statAis);
        const bool lck = inspected && statOf(pm) == statLck;
        const bool oci = inspected && !oducn && (statOf(pm) == statOci || unequipped(level));
        const bool open = inspected && !ais && !lck && !oci;
        if (const int lofLom = Alarm::ODU_LOF_LOM[level])
            alarm(level, lofLom, in == Arrival::Lost);
        if (const int oof = Alarm::ODU_OOF[level])
            alarm(level, oof, in == Arrival::Lost || outOfFrame > 0);
        if (const int oom = Alarm::ODU_OOM[level])
            alarm(level, oom, in == Arrival::Lost || outOfMultiframe > 0);
        alarm(level, Alarm::ODU_AIS[level], ais);
        alarm(level, Alarm::ODU_LCK[level], lck);
        alarm(level, Alarm::ODU_OCI[level], oci);

        const bool pmTim = open && traceMismatch(Id::RX::PM_TTI_DETECTION, Id::RX::PM_EXPECTED_SAPI[level],
                                                 Id::RX::PM_EXPECTED_DAPI[level], Id::TX::ODU_PM_TTI_SAPI[level],
                                                 Id::TX::ODU_PM_TTI_DAPI[level]);
        // With its action a trace mismatch fails the path: what it carries is replaced, and the backward
        // defect the port's own transmitter sends for it is not reported beside it.
        const bool pmFailed = pmTim && pmTimAction;
        alarm(level, Alarm::PM_TIM[level], pmTim);
        alarm(level, Alarm::PM_BDI[level], open && (bdiOf(pm) || pmTim) && !pmFailed);
        counter(level, Error::PM_BIP8[level], level, 0, open && !pmFailed);
        counter(level, Error::PM_BEI[level], level, blockErrorsOf(pm), open && !pmFailed);
        if (const int fas = Error::ODU_FAS[level])
            counter(level, fas, level, 0, inspected);

        const QByteArray sentType = m_sent.bytesOf(Id::TX::OPU_PAYLOAD_TYPE[level]);
        const bool plm = open && !pmFailed && plmDetection && !sentType.isEmpty() && level < expectedTypes.size()
                         && quint8(sentType.at(0)) != expectedTypes.at(level);
        alarm(level, Alarm::PLM[level], plm);
        // An OPU4 multiplex follows its OMFI: out of sequence, each frame is an OMFI error and the
        // tributaries are lost (LOOMFI, which the tester reports through its consequences).
        bool loomfi = false;
        if (omfiMultiplex(rx, level)) {
            loomfi = open && !pmFailed && !plm && m_sent.omfiOutOfSequence(level);
            counter(level, Error::OMFI[level], level, loomfi ? 1 : 0, open && !pmFailed && !plm);
        }
        bool msim = false;
        if (const int msimId = Alarm::MSIM[level]) {
            const int stage = level;
            msim = open && !pmFailed && !plm && !loomfi && rx.hasOdtu(stage)
                   && intOf(Id::MEASUREMENT::MSIM_DETECTION[stage]) != 0
                   && (rxMultiplexes.value(stage) != txMultiplexes.value(stage) || m_sent.msiMisstated(level));
            alarm(level, msimId, msim);
        }
        m_passesOn[level] = open && !pmFailed && !plm && !loomfi && !msim;
        // The GMP demapper checks the justification control of each multiframe it reads: Cm by its CRC-8,
        // the sum of CnD by its CRC-5.
        if (rx.isGmp(level)) {
            counter(level, Error::CRC8[level], level, 0, m_passesOn[level]);
            counter(level, Error::CRC5[level], level, 0, m_passesOn[level]);
        }

        // What the next level receives.
        if (!present || !rx.hasOdtu(level) || in == Arrival::Nothing || in == Arrival::Lost)
            arriving = Arrival::Nothing;
        else if (!m_passesOn[level])
            arriving = Arrival::Ais;
        else if (tx.hasOdtu(level) && rxMultiplexes.value(level) == txMultiplexes.value(level))
            arriving = Arrival::Signal;
        else
            arriving = Arrival::Lost;
    }

    receiveClient(lastLevel, tx);
}

void Reception::receiveClient(int lastLevel, const OtnMapping &tx)
{
    // A test pattern the receiver does not expect cannot be synchronised on; one it is in sync with
    // shows its bit errors. A client's OPU may signal that the client failed before the mapper.
    const OtnMapping &rx = m_rx;
    const bool received = m_passesOn[lastLevel];
    const OtnSignalCatalogue::Client *client = OtnSignalCatalogue::client(rx[OtnMapping::FieldClient]);
    const bool patterns = rx[OtnMapping::FieldClient] == clientBulk && tx[OtnMapping::FieldClient] == clientBulk;
    const bool patternDiffers = m_sent.intOf(Id::TX::BULK_PATTERN) != intOf(Id::RX::BULK_PATTERN)
                                || m_sent.intOf(Id::TX::BULK_POLARITY) != intOf(Id::RX::BULK_POLARITY);
    alarm(lastLevel, patternLossId, received && patterns && patternDiffers);
    counter(lastLevel, bitErrorId, lastLevel, 0, received && patterns && !patternDiffers);
    alarm(lastLevel, csfId, received && client && !client->pattern && m_sent.clientSignalFail());

    // A GFP client's frames (in the frames of the last level): the checks of their headers, the client
    // frames they leave errored, and the client signal fail their client management frames signal.
    if (!rx.isGfp())
        return;
    for (int id : gfpHecIds)
        counter(lastLevel, id, lastLevel, 0, received);
    if (rx.isGfpF()) {
        for (int id : gfpExtensionIds)
            counter(lastLevel, id, lastLevel, 0, received);
    }
    if (rx.isGfpF() || rx.isFcGfp())
        counter(lastLevel, Gfp::CLIENT_ERRORED_FRAMES, lastLevel, 0, received);
    alarm(lastLevel, Gfp::CSF, received && m_sent.gfpClientSignalFail());
}

Reception::Arrival Reception::receiveLine(bool signal, bool sameInterface, int logicalLanes, bool otucn)
{
    // OTU-AIS of an OTUk is a sequence in place of the frame: a defect of its own, whose frame loss is
    // not reported beside it. Lanes whose alignment is lost (LOL) leave no frame to look for either.
    const bool genericAis = sameInterface && m_sent.genericAis();
    const bool noFrame = signal && !sameInterface;
    const bool lol = receiveLanes(logicalLanes, sameInterface && !genericAis, noFrame);
    const bool framed = sameInterface && !genericAis && !lol;
    const quint64 outOfFrame = framed ? m_sent.corruptedFrameAlignment(0) : 0;
    const bool frameFound = framed && !lost(0, outOfFrame);
    const quint64 outOfMultiframe = frameFound ? m_sent.corruptedMultiframeAlignment(0) : 0;
    const bool lom = lost(0, outOfMultiframe);
    alarm(0, Id::STATUS::LOS, !signal);
    alarm(0, Id::STATUS::LOF, noFrame || (framed && !frameFound));
    alarm(0, Id::STATUS::OOF, noFrame || outOfFrame > 0);
    alarm(0, Id::STATUS::LOM, lom);
    alarm(0, Id::STATUS::OOM, outOfMultiframe > 0);
    alarm(0, Id::STATUS::OTUCN_LOL, otucn && lol);

    // An OTUCn signals IAE and OTUCn-AIS in the STAT of its first SM field, an OTUk IAE in bit 6.
    const uint sm = sentByte3(Id::TX::OTU_SM_BITS);
    const bool otuAis = genericAis || (frameFound && otucn && statOf(sm) == statAis);
    // Without its multiframe the section cannot read its trace nor trust the rest of its field.
    const bool monitored = frameFound && !lom && !otuAis;
    const bool smTim = monitored && traceMismatch(Id::RX::SM_TTI_DETECTION, Id::RX::SM_EXPECTED_SAPI,
                                                  Id::RX::SM_EXPECTED_DAPI, Id::TX::OTU_SM_TTI_SAPI,
                                                  Id::TX::OTU_SM_TTI_DAPI);
    // With its action a trace mismatch fails the section: the ODU it carries is replaced by ODU-AIS, and
    // the backward defect the port's own transmitter sends for it is not reported beside it.
    const bool smFailed = smTim && intOf(PID::Otn::RX::SM_TIM_ACTION) != 0;
    alarm(0, otuAisId, otuAis);
    alarm(0, Id::STATUS::SM_TIM, smTim);
    alarm(0, Id::STATUS::SM_BIAE, monitored && beiOf(sm) == biaeCode);
    alarm(0, Id::STATUS::SM_IAE, monitored && (otucn ? statOf(sm) == statInUseWithIae : iaeOf(sm)));
    alarm(0, Id::STATUS::SM_BDI, monitored && (bdiOf(sm) || smTim) && !smFailed);
    counter(0, fasErrorId, 0, 0, frameFound);
    counter(0, mfasErrorId, 0, 0, frameFound && !lom);
    counter(0, smBip8Id, 0, 0, monitored && !smFailed);
    counter(0, Id::STATUS::SM_BEI, 0, blockErrorsOf(sm), monitored && !smFailed);
    counter(0, Id::STATUS::FEC_CORRECTED, 0, 0, frameFound && m_fecCounts);
    counter(0, Id::STATUS::FEC_UNCORRECTABLE, 0, 0, frameFound && m_fecCounts);
    if (genericAis)
        return Arrival::Ais;
    if (!frameFound)
        return Arrival::Nothing;
    return (otuAis || smFailed || lom) ? Arrival::Ais : Arrival::Signal;
}

bool Reception::receiveLanes(int logicalLanes, bool framed, bool noFrame)
{
    const bool multiLane = logicalLanes > 0;
    const bool lanes = framed && multiLane;
    // The chosen lanes out of frame for a run of their frames, each as long as as many of the line's frames
    // as there are lanes (the line's frames are dealt to the lanes in turn); long enough, the lanes lose it.
    const quint64 outOfFrame = lanes ? m_sent.corruptedLaneAlignment() : 0;
    const bool laneLost =
        lost(0, outOfFrame == TransmittedSignal::Insertion::endless ? outOfFrame : outOfFrame * quint64(logicalLanes));
    // A lane without its frame, lanes sent out of alignment or a skew the receiver cannot take out leave
    // the lanes unaligned: the signal has lost its lane alignment.
    const bool skewExceeded = lanes && m_sent.laneSkewSeconds() > skewToleranceSeconds();
    const bool lol = lanes && (!m_sent.lanesAligned() || laneLost || skewExceeded);
    // Raised or not, in the order of laneAlarms.
    const bool raised[] = {laneLost, outOfFrame > 0, lol, lol};
    for (int i = 0; i < int(std::size(laneAlarms)); ++i) {
        alarm(laneGroup, laneAlarms[i].id, multiLane && (noFrame || raised[i]));
        alarm(laneGroup, laneAlarms[i].seconds, multiLane && (noFrame || raised[i]));
    }
    alarm(laneGroup, Lane::SKEW_EXCEEDED, skewExceeded);
    // The lanes' alignment words are read while the lanes are aligned.
    for (int id : laneErrorIds)
        counter(laneGroup, id, 0, 0, lanes && !lol);
    return lol;
}

void Reception::receiveTcms(bool arriving)
{
    // Tandem connections of the line's ODU, watched when the receiver monitors them. The tester only
    // monitors them: what they report replaces nothing.
    const bool watched = arriving && intOf(Id::RX::TCM) != 0;
    for (int tcm = 0; tcm < tcms; ++tcm) {
        const uint bits = sentByte3(Id::TX::ODU_TCM_BITS[0][tcm]);
        const bool inUse = watched && statOf(bits) != statNoSource;
        // A maintenance signal in the TCM's own STAT leaves the rest of its field undefined.
        const bool monitored = inUse && statOf(bits) < statLck;
        const bool tim = monitored && traceMismatch(Id::RX::TCM_TTI_DETECTION[tcm], Id::RX::TCM_EXPECTED_SAPI[tcm],
                                                    Id::RX::TCM_EXPECTED_DAPI[tcm], Id::TX::ODU_TCM_TTI_SAPI[tcm],
                                                    Id::TX::ODU_TCM_TTI_DAPI[tcm]);
        alarm(0, Alarm::TCMi_LTC[tcm], watched && !inUse);
        alarm(0, Alarm::TCMi_IAE[tcm], inUse && statOf(bits) == statInUseWithIae);
        alarm(0, Alarm::TCMi_TIM[tcm], tim);
        alarm(0, Alarm::TCMi_BIAE[tcm], monitored && beiOf(bits) == biaeCode);
        alarm(0, Alarm::TCMi_BDI[tcm], monitored && bdiOf(bits) && !tim);
        counter(0, Error::TCMi_BIP8[tcm], 0, 0, monitored && !tim);
        counter(0, Error::TCMi_BEI[tcm], 0, blockErrorsOf(bits), monitored && !tim);
    }
}
