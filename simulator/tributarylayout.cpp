#include "tributarylayout.h"

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "parameterstore.h"

namespace {

const QcmaParameter *definedValue(const ParameterStore &store, int port, int id)
{
    if (id == 0)
        return nullptr;
    const QcmaParameter *p = store.value(nsSID::otnSid(port, id));
    return (p && p->isDefined()) ? p : nullptr;
}

QVector<int> defaultMainTs(const OtnMapping &mapping, int stage, quint32 flexTs)
{
    const TpTsInfo info = OtnTpTs::getTpTsInfo(stage, mapping, flexTs);
    QVector<int> list(OtnTpTs::maxTs, 0);
    for (int i = 0; i < OtnTpTs::maxTs; ++i)
        list[i] = int(1 + quint32(i) * qMax<quint32>(1, info.tsPerTp));
    return list;
}

} // namespace

OtnMapping TributaryLayout::mappingOf(const ParameterStore &store, int port, Direction direction)
{
    const int *ids = direction == Tx ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING;
    OtnMapping mapping;
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        if (const QcmaParameter *p = definedValue(store, port, ids[field]))
            mapping.setValue(field, p->getEnum());
    }
    return mapping;
}

TributaryLayout::TributaryLayout(const OtnMapping &mapping, int stage)
    : m_mapping(mapping), m_stage(stage), m_mainTs(defaultMainTs(mapping, stage, 0))
{
}

TributaryLayout::TributaryLayout(const ParameterStore &store, int port, Direction direction, int stage)
    : m_mapping(mappingOf(store, port, direction)), m_stage(stage)
{
    const bool tx = direction == Tx;
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    if (const QcmaParameter *p = definedValue(store, port, (tx ? PID::Otn::TX::NUMBER_OF_TS : PID::Otn::RX::NUMBER_OF_TS)[stage]))
        m_flexTs = p->getUInt();
    m_mainTs = defaultMainTs(m_mapping, stage, m_flexTs);
    if (const QcmaParameter *p = definedValue(store, port, (tx ? PID::Otn::TX::MAIN_TP : PID::Otn::RX::MAIN_TP)[stage]))
        m_mainTp = p->getUInt();
    if (const QcmaParameter *p = definedValue(store, port, (tx ? PID::Otn::TX::MAIN_TS : PID::Otn::RX::MAIN_TS)[stage])) {
        const QByteArray bytes = p->getByteArray();
        OtnTpTs::copyTs(m_mainTs.data(), bytes, qMin(bytes.size(), int(OtnTpTs::maxTs)));
    }
    if (tx) {
        if (const QcmaParameter *p = definedValue(store, port, PID::Otn::TX::TX_COPY[stage]))
            m_copyStatus = p->getEnum();
        if (const QcmaParameter *p = definedValue(store, port, PID::Otn::TX::ALLOC[stage])) {
            m_allocated = p->getBitArray();
            m_hasAllocation = true;
        }
    }
}

int TributaryLayout::tsCount() const
{
    return int(OtnTpTs::getTpTsInfo(m_stage, m_mapping, m_flexTs).tsCount);
}

int TributaryLayout::tpCount() const
{
    return int(OtnTpTs::getTpTsInfo(m_stage, m_mapping, m_flexTs).tpCount);
}

QVector<int> TributaryLayout::channels(bool withDummies) const
{
    QVector<int> list(OtnTpTs::maxTs, -1);
    if (!exists())
        return list;
    const int copy = withDummies ? int(nsSettings::Otn::COPY_MAIN) : m_copyStatus;
    OtnTpTs::assignCh(m_stage, m_mapping, copy, m_mainTp, m_mainTs.constData(), m_flexTs, list.data(),
                      m_hasAllocation ? &m_allocated : nullptr);
    return list;
}

QByteArray TributaryLayout::msi() const
{
    if (!exists())
        return {};
    const OtnSignalCatalogue::Multiplex *m =
        OtnSignalCatalogue::multiplex(m_mapping.convertMultiplexes().value(m_stage));
    if (!m)
        return {};
    const int count = qMin(tsCount(), int(OtnTpTs::maxTs));
    const QVector<int> tp = channels(true);
    // Bits 1-2 of PT 20/21 MSI bytes: 00 ODTU12/ODTU13, 01 ODTU23, 10 ODTUk.ts (GMP), 11 ODTU01/free.
    int type = 0;
    if (m->procedure == OtnSignalCatalogue::ProcGmp)
        type = 2;
    else if (m->lo == OtnSignalCatalogue::Odu2 || m->lo == OtnSignalCatalogue::Odu2e)
        type = 1;
    QByteArray bytes(count, '\0');
    for (int t = 0; t < count; ++t) {
        const int port = tp.at(t);
        quint8 b = 0;
        if (m->ho == OtnSignalCatalogue::Odu4) {
            // OPU4: bit 1 = TS occupied, bits 2-8 = tributary port - 1.
            b = port >= 0 ? quint8(0x80 | (port & 0x7F)) : 0;
        } else if (m->ho == OtnSignalCatalogue::Odu1) {
            // OPU1: ODTU01 in both TS, the port is the TS.
            b = quint8(0xC0 | t);
        } else if (m->payloadType == 0x20) {
            // PT 20: every TS belongs to a fixed or free tributary port.
            b = quint8((type << 6) | ((port >= 0 ? port : t) & 0x3F));
        } else {
            b = port >= 0 ? quint8((type << 6) | (port & 0x3F)) : quint8(0xC0);
        }
        bytes[t] = char(b);
    }
    return bytes;
}
