#include "otnohwrites.h"

#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnttilayout.h"
#include "host/otn/otnpid.h"

namespace {

using namespace PID::Otn::TX;
using Layout = OtnOhTableLayout;

QByteArray zeros(int count)
{
    return QByteArray(count, '\0');
}

// SAPI and DAPI: byte 0 zero, then IS "JPN" and NS "TAMBRIK ZEL "; operator specific all zero.
QByteArray defaultTti()
{
    const QByteArray accessPoint = zeros(1) + QByteArrayLiteral("JPNTAMBRIK ZEL ");
    return OtnTti::message(accessPoint, accessPoint, zeros(OtnTti::operatorSpecific.length));
}

// FIF 0 (no fault), operator identifier "JPN" + "ZEL   ", operator specific all zero.
QByteArray defaultFtflHalf()
{
    return OtnFtfl::half(zeros(1), QByteArrayLiteral("JPNZEL   "), zeros(OtnFtfl::operatorSpecific.length));
}

} // namespace

OtnOhWrites::Batch OtnOhWrites::ttiField(const OtnOhTableLayout::FieldIds &ids, const QByteArray &tti,
                                         quint8 ttiByte, quint8 thirdByte, bool leaveTti)
{
    Batch batch;
    if (!leaveTti && ids.sapi) {
        batch.append({ids.sapi, fieldBytes(tti, OtnTti::sapi)});
        batch.append({ids.dapi, fieldBytes(tti, OtnTti::dapi)});
        batch.append({ids.operatorSpecific, fieldBytes(tti, OtnTti::operatorSpecific)});
    }
    if (ids.ttiByte)
        batch.append({ids.ttiByte, QByteArray(1, char(ttiByte))});
    batch.append({ids.thirdByte, uint(thirdByte)});
    return batch;
}

OtnOhWrites::Batch OtnOhWrites::ftfl(int level, const QByteArray &forward, const QByteArray &backward)
{
    return {{ODU_FTFL_FFI[level], fieldBytes(forward, OtnFtfl::fif)},
            {ODU_FTFL_FOI[level], fieldBytes(forward, OtnFtfl::oif)},
            {ODU_FTFL_FOS[level], fieldBytes(forward, OtnFtfl::operatorSpecific)},
            {ODU_FTFL_BFI[level], fieldBytes(backward, OtnFtfl::fif)},
            {ODU_FTFL_BOI[level], fieldBytes(backward, OtnFtfl::oif)},
            {ODU_FTFL_BOS[level], fieldBytes(backward, OtnFtfl::operatorSpecific)}};
}

OtnOhWrites::Batch OtnOhWrites::restoreDefaults(const OtnOhTableLayout &layout)
{
    const int l = layout.level();
    const bool secondSlice = layout.isSecondOtlcSlice();
    const auto field = [&layout](int f, quint8 thirdByte, bool leaveTti) {
        return ttiField(layout.fieldIds(f), defaultTti(), 0, thirdByte, leaveTti);
    };

    Batch batch{{ODU_FAS[l], QByteArray::fromHex("F6F6F6282828")}};
    if (l == 0) {
        batch += field(Layout::Sm, 0x00, secondSlice);
        batch.append({OTU_GCC0, zeros(2)});
        if (layout.isFirstOtlcSlice())
            batch += Batch{{OTU_OSMC, zeros(1)}, {OTU_RES, zeros(1)}};
        else
            batch.append({OTU_RES, zeros(2)});
    }
    batch.append({ODU_RES1[l], zeros(2)});
    if (!secondSlice) {
        for (int tcm = 0; tcm < Layout::tcmCount; ++tcm)
            batch += field(Layout::Tcm1 + tcm, 0x01, false);
    }
    if (layout.hasFtfl())
        batch += ftfl(l, defaultFtflHalf(), defaultFtflHalf());
    batch += field(Layout::Pm, secondSlice ? 0x00 : 0x01, secondSlice);
    for (const int id : {ODU_EXP[l], ODU_GCC1[l], ODU_GCC2[l]})
        batch.append({id, zeros(2)});
    batch += Batch{{ODU_APS_FB[l], zeros(1)}, {ODU_APS_SB[l], zeros(3)}, {ODU_RES2[l], zeros(6)}};
    const QList<quint8> payloadTypes = layout.mapping().getPayloadTypes();
    if (!secondSlice && l < payloadTypes.size())
        batch.append({OPU_PAYLOAD_TYPE[l], QByteArray(1, char(payloadTypes.at(l)))});
    return batch;
}
