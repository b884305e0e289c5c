#include "otnohsampledialogs.h"

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnohapsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohdialog.h"
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

int txValue(const zelServerManager *manager, int port, int id)
{
    const QcmaParameter *parameter = manager->cachedParameter(nsSID::otnSid(port, id));
    return parameter && parameter->isDefined() ? parameter->getEnum() : 0;
}

// The transmitter's structure as the frame setup page keeps it.
OtnMapping txMapping(const zelServerManager *manager, int port)
{
    OtnMapping mapping;
    for (int field = 0; field < OtnMapping::fieldCount; ++field)
        mapping.setValue(field, txValue(manager, port, MAPPING[field]));
    return mapping;
}

QString ohName(const OtnMapping &mapping, int level)
{
    return mapping.getOduName(level).remove(QStringLiteral("ODU"));
}

} // namespace

std::vector<SampleDialog> OtnOhSampleDialogs::create(zelServerManager *manager, int port)
{
    std::vector<SampleDialog> samples;
    if (!manager)
        return samples;
    const OtnMapping mapping = txMapping(manager, port);
    const int slice = txValue(manager, port, OTLC_SLICE_NUMBER);
    const ClientInfo context{port, manager};

    const OtnOhDialog line(context, 0, ohName(mapping, 0), nullptr, mapping, slice);
    samples.push_back({QStringLiteral("OtnOhSmDialog"), line.createSmDialog(nullptr)});
    samples.push_back({QStringLiteral("OtnOhPmDialog"), line.createPmDialog(nullptr)});
    if (line.layout().hasField(OtnOhTableLayout::Tcm1))
        samples.push_back({QStringLiteral("OtnOhTcmiDialog level 0"), line.createTcmiDialog(sampleTcm, nullptr)});
    if (line.layout().hasFtfl())
        samples.push_back({QStringLiteral("OtnOhFtflDialog"), line.createFtflDialog(nullptr)});
    samples.push_back({QStringLiteral("OtnOhApsDialog"), line.createApsDialog(nullptr)});

    // A lower level's TCM carries a TTI byte in place of the message.
    if (mapping.getOduCount() > 1) {
        const OtnOhDialog lower(context, 1, ohName(mapping, 1), nullptr, mapping, slice);
        samples.push_back({QStringLiteral("OtnOhTcmiDialog level 1"), lower.createTcmiDialog(sampleTcm, nullptr)});
    }
    return samples;
}
