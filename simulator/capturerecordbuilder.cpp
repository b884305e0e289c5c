#include "capturerecordbuilder.h"

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/intervaldata.h"
#include "gmpjustification.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

constexpr int tcmCount = 6;

// Overhead column (1-based) of the TTI byte of TCM1-TCM6 in rows 3 and 2: TCM3, TCM2, TCM1 in row 3
// columns 1, 4, 7; TCM6, TCM5, TCM4 in row 2 columns 5, 8, 11.
struct TcmPlace {
    int row;
    int column;
};
constexpr TcmPlace tcmPlaces[tcmCount] = {{3, 7}, {3, 4}, {3, 1}, {2, 11}, {2, 8}, {2, 5}};

void put(QByteArray &record, int row, int column, const QByteArray &bytes)
{
    const int at = IntervalDataOtnCapture::overheadOffset + 16 * (row - 1) + (column - 1);
    record.replace(at, bytes.size(), bytes);
}

void putByte(QByteArray &record, int row, int column, int value)
{
    put(record, row, column, QByteArray(1, char(quint8(value))));
}

QByteArray firstByte(const QByteArray &bytes)
{
    return bytes.left(1).leftJustified(1, '\0');
}

} // namespace

CaptureRecordBuilder::CaptureRecordBuilder(const ParameterStore &store, int port, int seconds,
                                           const TransmittedSignal::Insertion &insertion)
    : m_store(store), m_port(port), m_seconds(seconds),
      m_mapping(TributaryLayout::mappingOf(store, port, TributaryLayout::Tx)), m_sent(store, port, insertion),
      m_reception(store, port, insertion)
{
}

QByteArray CaptureRecordBuilder::bytes(int id, int length) const
{
    const QByteArray value = id ? m_sent.bytesOf(id) : QByteArray();
    return value.leftJustified(length, '\0', true);
}

int CaptureRecordBuilder::uintValue(int id) const
{
    return m_sent.intOf(id);
}

QByteArray CaptureRecordBuilder::tti(int sapiId, int dapiId, int osId) const
{
    return bytes(sapiId, 16) + bytes(dapiId, 16) + bytes(osId, 32);
}

QByteArray CaptureRecordBuilder::record(int level) const
{
    using namespace PID::Otn::TX;
    using Record = IntervalDataOtnCapture;
    QByteArray r(Record::recordSize, '\0');
    const Reception::Arrival arrival = m_reception.arrival(level);
    if (arrival == Reception::Arrival::Nothing || arrival == Reception::Arrival::Lost
        || level >= m_mapping.getOduCount())
        return r;

    // Captured in the frame whose MFAS is 0: the multiframe fields show their byte 0.
    const QByteArray pmTti = tti(ODU_PM_TTI_SAPI[level], ODU_PM_TTI_DAPI[level], ODU_PM_TTI_OS[level]);
    QByteArray tcmTti[tcmCount];
    for (int i = 0; i < tcmCount; ++i) {
        tcmTti[i] = level == 0 ? tti(ODU_TCM_TTI_SAPI[i], ODU_TCM_TTI_DAPI[i], ODU_TCM_TTI_OS[i])
                               : QByteArray(64, bytes(ODU_TCM_TTI_OH[level][i], 1).at(0));
    }
    const QByteArray ftfl = bytes(ODU_FTFL_FFI[level], 1) + bytes(ODU_FTFL_FOI[level], 9)
                            + bytes(ODU_FTFL_FOS[level], 118) + bytes(ODU_FTFL_BFI[level], 1)
                            + bytes(ODU_FTFL_BOI[level], 9) + bytes(ODU_FTFL_BOS[level], 118);
    const QByteArray payloadType = bytes(OPU_PAYLOAD_TYPE[level], 1);

    // Row 1: FAS, MFAS, then the OTU overhead on the line level, fixed stuff below it.
    put(r, 1, 1, bytes(ODU_FAS[level], 6));
    putByte(r, 1, 7, 0);
    if (level == 0) {
        const QByteArray smTti =
            tti(PID::Otn::TX::OTU_SM_TTI_SAPI, PID::Otn::TX::OTU_SM_TTI_DAPI, PID::Otn::TX::OTU_SM_TTI_OS);
        put(r, 1, 8, firstByte(smTti));
        putByte(r, 1, 10, uintValue(PID::Otn::TX::OTU_SM_BITS));
        put(r, 1, 11, bytes(PID::Otn::TX::OTU_GCC0, 2));
        if (m_mapping.isOTLC() && uintValue(PID::Otn::TX::OTLC_SLICE_NUMBER) == 0) {
            put(r, 1, 13, bytes(PID::Otn::TX::OTU_OSMC, 1));
            put(r, 1, 14, bytes(PID::Otn::TX::OTU_RES, 1));
        } else {
            put(r, 1, 13, bytes(PID::Otn::TX::OTU_RES, 2));
        }
        r.replace(Record::smTtiOffset, 64, smTti);
    }
    // Row 2: RES, PM&TCM, TCM ACT, TCM6-TCM4, FTFL; row 3: TCM3-TCM1, PM, EXP.
    put(r, 2, 1, bytes(ODU_RES1[level], 2));
    put(r, 2, 14, firstByte(ftfl));
    for (int i = 0; i < tcmCount; ++i) {
        put(r, tcmPlaces[i].row, tcmPlaces[i].column, firstByte(tcmTti[i]));
        putByte(r, tcmPlaces[i].row, tcmPlaces[i].column + 2, uintValue(ODU_TCM_BITS[level][i]));
        r.replace(Record::tcmTtiOffset + 64 * i, 64, tcmTti[i]);
    }
    put(r, 3, 10, firstByte(pmTti));
    putByte(r, 3, 12, uintValue(ODU_PM_BITS[level]));
    put(r, 3, 13, bytes(ODU_EXP[level], 2));
    // Row 4: GCC1, GCC2, APS/PCC, RES; the OPU overhead carries PSI[0] in column 15.
    put(r, 4, 1, bytes(ODU_GCC1[level], 2));
    put(r, 4, 3, bytes(ODU_GCC2[level], 2));
    put(r, 4, 5, bytes(ODU_APS_FB[level], 1));
    put(r, 4, 6, bytes(ODU_APS_SB[level], 3));
    put(r, 4, 9, bytes(ODU_RES2[level], 6));
    put(r, 4, 15, payloadType);
    // A GMP-mapped OPU carries JC1-JC3 in column 16 and JC4-JC6 in column 15 of rows 1-3.
    const GmpJustification gmp = GmpJustification::ofLevel(m_store, m_port, level);
    if (gmp.isValid()) {
        const QByteArray jc = gmp.jcBytes(gmp.multiframesBy(m_seconds));
        for (int row = 1; row <= 3; ++row) {
            putByte(r, row, 16, quint8(jc.at(row - 1)));
            putByte(r, row, 15, quint8(jc.at(row + 2)));
        }
    }

    r.replace(Record::pmTtiOffset, 64, pmTti);
    r.replace(Record::ftflOffset, 256, ftfl);
    r.replace(Record::psiOffset, 1, payloadType);

    // A level the receiver finds replaced by ODU-AIS from above (not one whose own STAT says AIS) is
    // all-ones behind its frame alignment: overhead rows 2-4, the OPU overhead, messages and PSI; it
    // carries no tributaries.
    if (arrival == Reception::Arrival::Ais) {
        r.replace(Record::overheadOffset + 14, 2, QByteArray(2, '\xFF'));
        r.replace(Record::overheadOffset + 16, 48, QByteArray(48, '\xFF'));
        r.replace(Record::pmTtiOffset, Record::psiOffset + 256 - Record::pmTtiOffset,
                  QByteArray(Record::psiOffset + 256 - Record::pmTtiOffset, '\xFF'));
        QByteArray none(Record::channelWordsLength, '\0');
        for (int t = 0; t < OtnTpTs::maxTs; ++t)
            Record::setChannelWord(none, t, Record::noChannel);
        r.replace(Record::channelWordsOffset, none.size(), none);
        r.replace(Record::mainTsOffset, OtnTpTs::maxTs, QByteArray(OtnTpTs::maxTs, '\xFF'));
        return r;
    }

    // The tributary slots of the stage below this level: MSI in the PSI, and the TP of each TS.
    QVector<int> channels(OtnTpTs::maxTs, -1);
    QVector<int> mainTs;
    int tpCount = 0;
    int tsCount = 0;
    if (level < OtnMapping::maxStages && m_mapping.hasOdtu(level)) {
        const TributaryLayout layout(m_store, m_port, TributaryLayout::Tx, level);
        const QByteArray msi = layout.msi();
        r.replace(Record::psiOffset + 2, msi.size(), msi);
        channels = layout.channels(false);
        mainTs = layout.mainTs();
        tpCount = layout.tpCount();
        tsCount = layout.tsCount();
    }
    QByteArray words(Record::channelWordsLength, '\0');
    for (int t = 0; t < OtnTpTs::maxTs; ++t) {
        const bool hasTp = t < tsCount && channels.at(t) >= 0;
        Record::setChannelWord(words, t, hasTp ? quint16(channels.at(t) + 1) : Record::noChannel);
        const bool hasMainTs = t < tpCount && t < mainTs.size() && mainTs.at(t) >= 1;
        r[Record::mainTsOffset + t] = char(hasMainTs ? quint8(mainTs.at(t) - 1) : quint8(0xFF));
    }
    r.replace(Record::channelWordsOffset, words.size(), words);
    return r;
}
