#include "otnchsampledialogs.h"

#include <memory>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/odtudisplayname.h"
#include "client/otn/interface_setup_status/dialogs/otnselecttsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

using namespace PID::Otn::TX;

const QcmaParameter *txValue(const zelServerManager *manager, int port, int id)
{
    return (manager && id) ? manager->cachedParameter(nsSID::otnSid(port, id)) : nullptr;
}

OtnMapping txMapping(const zelServerManager *manager, int port)
{
    OtnMapping mapping;
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        const QcmaParameter *value = txValue(manager, port, MAPPING[field]);
        mapping.setValue(field, value && value->isDefined() ? value->getEnum() : 0);
    }
    return mapping;
}

quint32 flexTsCount(const zelServerManager *manager, int port, int stage)
{
    const QcmaParameter *value = txValue(manager, port, stage < OtnMapping::maxStages ? NUMBER_OF_TS[stage] : 0);
    return value && value->isDefined() ? value->getUInt() : 0;
}

} // namespace

std::vector<SampleDialog> OtnChSampleDialogs::create(zelServerManager *manager, int port)
{
    std::vector<SampleDialog> samples;
    const OtnMapping mapping = txMapping(manager, port);
    const WidgetText texts = manager ? manager->texts() : WidgetText();
    for (int stage = 0; stage < OtnMapping::maxStages && mapping.hasOdtu(stage); ++stage) {
        const QString odtu = odtuDisplayName(texts, port, mapping, stage);
        const TpTsInfo info = OtnTpTs::getTpTsInfo(stage, mapping, flexTsCount(manager, port, stage));
        const QString suffix = QStringLiteral(" stage %1").arg(stage + 1);

        const QcmaParameter *allocation = txValue(manager, port, ALLOC[stage]);
        if (allocation && allocation->isDefined()) {
            const QBitArray bits = allocation->getBitArray();
            auto dialog = std::make_unique<OtnTxChAllocationDialog>(nullptr, bits.size(),
                                                                    OtnTsMap::allocationColumns(bits.size()));
            dialog->setOdtuName(odtu);
            dialog->setBits(bits);
            samples.push_back(SampleDialog{QStringLiteral("OtnTxChAllocationDialog") + suffix, std::move(dialog)});
        }

        // The channel dialog lends its server manager only while the selection dialog is made.
        ZelDialog lender(nullptr, manager, true);
        auto dialog = std::make_unique<OtnSelectTsDialog>(&lender, port, int(info.tpCount),
                                                          int(qMin<quint32>(info.tsCount, OtnTsMap::maxTs)), stage,
                                                          MAIN_TP[stage], MAIN_TS[stage]);
        dialog->setParent(nullptr, dialog->windowFlags());
        dialog->setOdtuName(odtu);
        samples.push_back(SampleDialog{QStringLiteral("OtnSelectTsDialog") + suffix, std::move(dialog)});
    }
    return samples;
}
