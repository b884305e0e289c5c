#include "transmittedsignal.h"

#include <QBitArray>

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "livevalues.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

namespace Tx = PID::Otn::TX;
namespace Rx = PID::Otn::RX;
namespace Stimuli = PID::Otn::STIMULI;

constexpr int tcms = 6;
// The third byte of the SM, PM and TCM fields, bit 1 the most significant: BEI/BIAE in bits 1-4, BDI in
// bit 5, IAE (OTUk SM) in bit 6, STAT (PM, TCM, OTUCn SM) in bits 6-8.
constexpr int beiMask = 0xF0;
constexpr int biae = 0xB0;
constexpr int bdiBit = 0x08;
constexpr int iaeBit = 0x04;
constexpr int statMask = 0x07;
constexpr int statNoSource = 0;
constexpr int statInUseWithIae = 2;
constexpr int statLck = 5;
constexpr int statOci = 6;
constexpr int statAis = 7;
constexpr int traceLength = 16;
// Payload types of the test signals G.709 defines: the tester sends one of them where it must send a
// type other than the expected one.
constexpr quint8 nullTestSignal = 0xFD;
constexpr quint8 prbsTestSignal = 0xFE;

int withStat(int bits, int stat)
{
    return (bits & ~statMask) | stat;
}

// A trace that the receiver cannot take for the expected one: the expected one with its last character
// changed.
QByteArray otherTraceThan(const QByteArray &expected)
{
    QByteArray trace = expected.leftJustified(traceLength, '\0', true);
    trace[traceLength - 1] = trace.at(traceLength - 1) == 'X' ? 'Y' : 'X';
    return trace;
}

} // namespace

TransmittedSignal::TransmittedSignal(const ParameterStore &store, int port, const Insertion &insertion)
    : m_store(store), m_port(port), m_insertion(insertion)
{
}

bool TransmittedSignal::inserts(InsertedItem::What what, int level) const
{
    return m_insertion.what == what && m_insertion.level == level;
}

bool TransmittedSignal::insertsOnAnyLevel(InsertedItem::What what) const
{
    return m_insertion.what == what;
}

bool TransmittedSignal::otucn() const
{
    return TributaryLayout::mappingOf(m_store, m_port, TributaryLayout::Tx).isOTLC();
}

int TransmittedSignal::intOf(int id) const
{
    using What = InsertedItem;
    int value = m_store.intValue(nsSID::otnSid(m_port, id));
    if (m_insertion.what == What::Nothing)
        return value;
    const int level = m_insertion.level;
    if (id == Tx::OTU_SM_BITS) {
        // An OTUCn signals IAE and OTUCn-AIS in the STAT of its first SM field, an OTUk IAE in bit 6.
        if (inserts(What::SmBdi, 0))
            value |= bdiBit;
        else if (inserts(What::SmIae, 0))
            value = otucn() ? withStat(value, statInUseWithIae) : value | iaeBit;
        else if (inserts(What::SmBiae, 0))
            value = (value & ~beiMask) | biae;
        else if (inserts(What::OtuAis, 0) && otucn())
            value = withStat(value, statAis);
    } else if (level >= 0 && level < OtnMapping::maxLevels && id == Tx::ODU_PM_BITS[level]) {
        if (m_insertion.what == What::OduAis)
            value = withStat(value, statAis);
        else if (m_insertion.what == What::OduOci)
            value = withStat(value, statOci);
        else if (m_insertion.what == What::OduLck)
            value = withStat(value, statLck);
        else if (m_insertion.what == What::PmBdi)
            value |= bdiBit;
    } else if (level == 0 && id == Tx::ODU_TCM_BITS[0][m_insertion.tcm]) {
        // The tandem connections are those of the line's ODU.
        if (m_insertion.what == What::TcmBdi)
            value |= bdiBit;
        else if (m_insertion.what == What::TcmIae)
            value = withStat(value, statInUseWithIae);
        else if (m_insertion.what == What::TcmBiae)
            value = (value & ~beiMask) | biae;
        else if (m_insertion.what == What::TcmLtc)
            value = withStat(value, statNoSource);
    }
    return value;
}

QByteArray TransmittedSignal::bytesOf(int id) const
{
    using What = InsertedItem;
    const auto stored = [this](int parameter) {
        const QcmaParameter *p = m_store.value(nsSID::otnSid(m_port, parameter));
        return (p && p->isDefined()) ? p->getByteArray() : QByteArray();
    };
    const int level = m_insertion.level;
    if (inserts(What::SmTim, 0)) {
        if (id == Tx::OTU_SM_TTI_SAPI)
            return otherTraceThan(stored(Rx::SM_EXPECTED_SAPI));
        if (id == Tx::OTU_SM_TTI_DAPI)
            return otherTraceThan(stored(Rx::SM_EXPECTED_DAPI));
    }
    if (m_insertion.what == What::PmTim && level >= 0 && level < OtnMapping::maxLevels) {
        if (id == Tx::ODU_PM_TTI_SAPI[level])
            return otherTraceThan(stored(Rx::PM_EXPECTED_SAPI[level]));
        if (id == Tx::ODU_PM_TTI_DAPI[level])
            return otherTraceThan(stored(Rx::PM_EXPECTED_DAPI[level]));
    }
    if (m_insertion.what == What::Plm && level >= 0 && level < OtnMapping::maxLevels
        && id == Tx::OPU_PAYLOAD_TYPE[level]) {
        const QList<quint8> expected =
            TributaryLayout::mappingOf(m_store, m_port, TributaryLayout::Rx).getPayloadTypes();
        const quint8 type = expected.value(level) == nullTestSignal ? prbsTestSignal : nullTestSignal;
        return QByteArray(1, char(type));
    }
    return stored(id);
}

bool TransmittedSignal::light() const
{
    return LiveValues::sendsLight(m_store, m_port) && !insertsOnAnyLevel(InsertedItem::Los);
}

bool TransmittedSignal::genericAis() const
{
    return inserts(InsertedItem::OtuAis, 0) && !otucn();
}

bool TransmittedSignal::lanesAligned() const
{
    // LOR on chosen lanes: they arrive framed, but out of the alignment the others keep.
    const bool laneRecovery = insertsOnAnyLevel(InsertedItem::LaneRecovery) && m_insertion.lanes;
    return !insertsOnAnyLevel(InsertedItem::Lol) && !laneRecovery;
}

quint64 TransmittedSignal::corruptedLaneAlignment() const
{
    if (!m_insertion.lanes)
        return 0;
    if (insertsOnAnyLevel(InsertedItem::LaneLof))
        return Insertion::endless;
    return insertsOnAnyLevel(InsertedItem::LaneOof) ? m_insertion.frames : 0;
}

double TransmittedSignal::laneSkewSeconds() const
{
    // The skew delays the chosen lanes of its kind (logical or physical); the tester states it in ns too.
    const bool logical = m_store.intValue(nsSID::otnSid(m_port, Stimuli::SKEW_LANE_TYPE)) == 0;
    const QcmaParameter *lanes =
        m_store.value(nsSID::otnSid(m_port, logical ? Stimuli::SKEW_LOGICAL_LANES : Stimuli::SKEW_PHYSICAL_LANES));
    const QcmaParameter *ns = m_store.value(nsSID::otnSid(m_port, Stimuli::SKEW_NS));
    if (!lanes || !lanes->isDefined() || !ns || !ns->isDefined())
        return 0;
    const QBitArray delayed = lanes->getBitArray();
    const int count = delayed.count(true);
    return count > 0 && count < delayed.size() ? ns->getDouble() * 1e-9 : 0.0;
}

quint64 TransmittedSignal::corruptedFrameAlignment(int level) const
{
    // LOF and LOFLOM hold the alignment corrupted for as long as the receiver takes to lose the frame.
    if (inserts(InsertedItem::Lof, level) || inserts(InsertedItem::Loflom, level))
        return Insertion::endless;
    return inserts(InsertedItem::Oof, level) ? m_insertion.frames : 0;
}

quint64 TransmittedSignal::corruptedMultiframeAlignment(int level) const
{
    if (inserts(InsertedItem::Lom, level) || inserts(InsertedItem::Loflom, level))
        return Insertion::endless;
    return inserts(InsertedItem::Oom, level) ? m_insertion.frames : 0;
}

bool TransmittedSignal::omfiOutOfSequence(int level) const
{
    return inserts(InsertedItem::Loomfi, level);
}

bool TransmittedSignal::msiMisstated(int level) const
{
    return inserts(InsertedItem::Msim, level);
}

bool TransmittedSignal::clientSignalFail() const
{
    return insertsOnAnyLevel(InsertedItem::OpuCsf);
}

bool TransmittedSignal::gfpClientSignalFail() const
{
    return insertsOnAnyLevel(InsertedItem::GfpCsf);
}
