#include "otnohsampledialogs.h"

#include <memory>

#include "apps/shared/sid.h"
#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnttilayout.h"
#include "client/otn/interface_setup_status/dialogs/otnohftfldialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohpmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohsmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohtcmidialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

using namespace PID::Otn::TX;

// The TCM each sample shows.
constexpr int sampleTcm = 1;

// The transmit values of one port as the tester holds them. A parameter of a level the structure does
// not use still holds the value the tester would send there.
class TxValues
{
public:
    TxValues(const zelServerManager *manager, int port) : m_manager(manager), m_port(port) {}

    QByteArray bytes(int id) const
    {
        const QcmaParameter *parameter = find(id);
        return parameter ? parameter->getByteArray() : QByteArray();
    }
    // The first byte of a byte array.
    quint8 firstByte(int id) const
    {
        const QByteArray value = bytes(id);
        return value.isEmpty() ? 0 : quint8(value.at(0));
    }
    int number(int id) const
    {
        const QcmaParameter *parameter = find(id);
        return parameter ? parameter->toVariant().toInt() : 0;
    }
    bool isDefined(int id) const
    {
        const QcmaParameter *parameter = find(id);
        return parameter && parameter->isDefined();
    }
    QByteArray tti(int sapi, int dapi, int operatorSpecific) const
    {
        return OtnTti::message(bytes(sapi), bytes(dapi), bytes(operatorSpecific));
    }
    OtnMapping mapping() const
    {
        OtnMapping record;
        for (int field = 0; field < OtnMapping::fieldCount; ++field) {
            const bool stage = field >= OtnMapping::FieldStage0;
            record.setValue(field, stage && !isDefined(MAPPING[field]) ? 0 : number(MAPPING[field]));
        }
        return record;
    }

private:
    const QcmaParameter *find(int id) const
    {
        return m_manager ? m_manager->cachedParameter(nsSID::otnSid(m_port, id)) : nullptr;
    }

    const zelServerManager *m_manager = nullptr;
    int m_port = 0;
};

QString ohName(const OtnMapping &mapping, int level)
{
    return mapping.getOduName(level).remove(QStringLiteral("ODU"));
}

SampleDialog sample(const QString &name, std::unique_ptr<ZelDialog> dialog, zelServerManager *manager)
{
    dialog->setServerManager(manager);
    return SampleDialog{name, std::move(dialog)};
}

} // namespace

std::vector<SampleDialog> OtnOhSampleDialogs::create(zelServerManager *manager, int port)
{
    const TxValues tx(manager, port);
    const OtnMapping mapping = tx.mapping();
    const int slice = tx.number(OTLC_SLICE_NUMBER);
    const bool structured = tx.number(TTI_ENCODING) == 0;
    const QString lineName = ohName(mapping, 0);
    // A structure without a lower level shows the one of an ODU0 in an OTU2.
    const bool multiplexed = mapping.getOduCount() > 1;
    const OtnMapping lowerMapping = multiplexed ? mapping : OtnMapping(1, 0, 1, 0, 0);
    const int lowerLevel = 1;

    std::vector<SampleDialog> samples;

    auto sm = std::make_unique<OtnOhSmDialog>(nullptr, structured, mapping, slice);
    sm->setOhName(lineName);
    sm->setTti(tx.tti(OTU_SM_TTI_SAPI, OTU_SM_TTI_DAPI, OTU_SM_TTI_OS));
    sm->setThirdByte(quint8(tx.number(OTU_SM_BITS)));
    samples.push_back(sample(QStringLiteral("OtnOhSmDialog"), std::move(sm), manager));

    for (const bool structuredTti : {true, false}) {
        auto pm = std::make_unique<OtnOhPmDialog>(nullptr, structuredTti, mapping, slice);
        pm->setOhName(lineName);
        pm->setTti(tx.tti(ODU_PM_TTI_SAPI[0], ODU_PM_TTI_DAPI[0], ODU_PM_TTI_OS[0]));
        pm->setThirdByte(quint8(tx.number(ODU_PM_BITS[0])));
        samples.push_back(sample(structuredTti ? QStringLiteral("OtnOhPmDialog structured TTI")
                                               : QStringLiteral("OtnOhPmDialog raw TTI"),
                                 std::move(pm), manager));
    }

    auto tcm = std::make_unique<OtnOhTcmiDialog>(nullptr, structured, mapping);
    tcm->setOhName(lineName);
    tcm->setTcmNumber(sampleTcm);
    tcm->setTtiShown(true);
    tcm->setTti(tx.tti(ODU_TCM_TTI_SAPI[sampleTcm - 1], ODU_TCM_TTI_DAPI[sampleTcm - 1], ODU_TCM_TTI_OS[sampleTcm - 1]));
    tcm->setThirdByte(quint8(tx.number(ODU_TCM_BITS[0][sampleTcm - 1])));
    samples.push_back(sample(QStringLiteral("OtnOhTcmiDialog level 0"), std::move(tcm), manager));

    auto lowerTcm = std::make_unique<OtnOhTcmiDialog>(nullptr, structured, lowerMapping);
    lowerTcm->setOhName(ohName(lowerMapping, lowerLevel));
    lowerTcm->setTcmNumber(sampleTcm);
    lowerTcm->setTtiShown(false);
    lowerTcm->setFirstByte(tx.firstByte(ODU_TCM_TTI_OH[lowerLevel][sampleTcm - 1]));
    lowerTcm->setThirdByte(quint8(tx.number(ODU_TCM_BITS[lowerLevel][sampleTcm - 1])));
    samples.push_back(sample(QStringLiteral("OtnOhTcmiDialog level 1"), std::move(lowerTcm), manager));

    auto ftfl = std::make_unique<OtnOhFtflDialog>(nullptr);
    ftfl->setOhName(lineName);
    ftfl->setFtflHalf(0, OtnFtfl::half(tx.bytes(ODU_FTFL_FFI[0]), tx.bytes(ODU_FTFL_FOI[0]), tx.bytes(ODU_FTFL_FOS[0])));
    ftfl->setFtflHalf(1, OtnFtfl::half(tx.bytes(ODU_FTFL_BFI[0]), tx.bytes(ODU_FTFL_BOI[0]), tx.bytes(ODU_FTFL_BOS[0])));
    samples.push_back(sample(QStringLiteral("OtnOhFtflDialog"), std::move(ftfl), manager));
    return samples;
}
