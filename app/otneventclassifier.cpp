#include "otneventclassifier.h"

#include <algorithm>

#include <QCoreApplication>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"

namespace {

namespace Alarm = nsIID::Otn::Alarm;
namespace Error = nsIID::Otn::Error;
namespace Line = PID::Otn::STATUS;

// A status goes Clear, Current or History; only Current is an alarm present now.
constexpr int statusCurrent = 1;

} // namespace

OtnEventClassifier::OtnEventClassifier()
{
    using K = Kind;
    for (int id : {Line::LOS, Line::LOF, Line::OOF, Line::LOM, Line::OOM, Line::OTU_AIS, Line::SM_TIM,
                   Line::SM_BIAE, Line::SM_IAE, Line::SM_BDI, Line::OTUCN_LOL})
        add(K::Alarm, LevelLine, id);
    for (int id : {Line::FAS_ERROR, Line::MFAS_ERROR, Line::SM_BIP8, Line::SM_BEI, Line::FEC_CORRECTED,
                   Line::FEC_UNCORRECTABLE, Line::OTUCN_LANE_ERROR})
        add(K::ErrorCounter, LevelLine, id);
    for (int k = 0; k < 4; ++k) {
        for (const int *ids : {Alarm::ODU_LOF_LOM, Alarm::ODU_OOF, Alarm::ODU_OOM, Alarm::ODU_AIS, Alarm::ODU_LCK,
                               Alarm::ODU_OCI, Alarm::PM_TIM, Alarm::PM_BDI, Alarm::PLM, Alarm::FSF, Alarm::FSD,
                               Alarm::BSF, Alarm::BSD, Alarm::MSIM})
            add(K::Alarm, LevelOdu1 + k, ids[k]);
        for (const int *ids : {Error::ODU_FAS, Error::PM_BIP8, Error::PM_BEI, Error::CRC8, Error::CRC5, Error::JC,
                               Error::OMFI})
            add(K::ErrorCounter, LevelOdu1 + k, ids[k]);
    }
    for (int j = 0; j < 6; ++j) {
        for (const int *ids : {Alarm::TCMi_TIM, Alarm::TCMi_BIAE, Alarm::TCMi_BDI, Alarm::TCMi_IAE, Alarm::TCMi_LTC})
            add(K::Alarm, LevelTcm, ids[j]);
        for (const int *ids : {Error::TCMi_BIP8, Error::TCMi_BEI})
            add(K::ErrorCounter, LevelTcm, ids[j]);
    }
    namespace Client = nsIID::Otn::Client;
    namespace Gfp = nsIID::Otn::Gfp;
    namespace Lane = nsIID::Otn::Lane;
    for (int id : {Client::CSF, Client::LOFD, Client::PATTERN_LOSS, Gfp::CSF})
        add(K::Alarm, LevelClient, id);
    for (int id : {Client::BIT_ERROR, Gfp::CHEC_UNCORRECTABLE, Gfp::THEC_UNCORRECTABLE, Gfp::EHEC_UNCORRECTABLE,
                   Gfp::PFCS_ERROR})
        add(K::ErrorCounter, LevelClient, id);
    for (int id : {Lane::LLD_LOF, Lane::LLD_OOF, Lane::LOR, Lane::OOR, Lane::SKEW_EXCEEDED})
        add(K::Alarm, LevelLanes, id);
    for (int id : {Lane::LLD_FAS_ERROR, Lane::LLD_MFAS_ERROR, Lane::LLM_ERROR})
        add(K::ErrorCounter, LevelLanes, id);
}

void OtnEventClassifier::add(Kind kind, int level, int id)
{
    // The tables hold 0 where a level has no such alarm or counter.
    if (id != 0)
        m_statuses.insert(id, Status{kind, level});
}

int OtnEventClassifier::group() const
{
    return nsSID::otn;
}

EventClassifier::Status OtnEventClassifier::classify(int id) const
{
    return m_statuses.value(id);
}

QList<int> OtnEventClassifier::alarmIds() const
{
    QList<int> ids;
    for (auto it = m_statuses.cbegin(); it != m_statuses.cend(); ++it) {
        if (it->kind == Kind::Alarm)
            ids.append(it.key());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool OtnEventClassifier::raised(int value) const
{
    return value == statusCurrent;
}

QString OtnEventClassifier::levelName(int level) const
{
    switch (level) {
    case LevelLine:
        return QStringLiteral("OTU");
    case LevelOdu1:
    case LevelOdu2:
    case LevelOdu3:
    case LevelOdu4:
        return QCoreApplication::translate("OtnEventClassifier", "ODU #%1").arg(level - LevelOdu1 + 1);
    case LevelTcm:
        return QStringLiteral("TCM");
    case LevelClient:
        return QCoreApplication::translate("OtnEventClassifier", "Client");
    case LevelLanes:
        return QCoreApplication::translate("OtnEventClassifier", "Lanes");
    }
    return QString::number(level);
}
