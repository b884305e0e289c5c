#include "otnstructurerules.h"

#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/otn/otntpts.h"

namespace {

using Catalogue = OtnSignalCatalogue;

QVector<int> domain(int field)
{
    switch (field) {
    case OtnMapping::FieldInterface:
        return Catalogue::interfaceValues();
    case OtnMapping::FieldClient:
        return Catalogue::clientValues();
    case OtnMapping::FieldStage0:
        return Catalogue::multiplexKinds();
    case OtnMapping::FieldStage1:
        return Catalogue::stage1Values();
    case OtnMapping::FieldStage2:
        return Catalogue::stage2Values();
    default:
        return {};
    }
}

// Stages are written in canonical form: behind a stage of value 0 every stage is 0.
bool stageAllowed(const OtnMapping &mapping, int field, int value)
{
    if (field <= OtnMapping::FieldStage0 || value == 0)
        return true;
    return mapping[field - 1] != 0;
}

bool completes(OtnMapping mapping, int field)
{
    if (field >= OtnMapping::fieldCount)
        return mapping.isValid();
    const QVector<int> values = domain(field);
    for (int v : values) {
        if (!stageAllowed(mapping, field, v))
            continue;
        mapping.setValue(field, v);
        if (completes(mapping, field + 1))
            return true;
    }
    return false;
}

bool fieldInRange(int field)
{
    return field >= 0 && field < OtnMapping::fieldCount;
}

} // namespace

QVector<int> OtnStructureRules::possibleValues(int field, const OtnMapping &mapping)
{
    QVector<int> values;
    ZEL_ASSERT(fieldInRange(field), QStringLiteral("OtnStructureRules: no field %1").arg(field));
    if (!fieldInRange(field))
        return values;
    OtnMapping probe = mapping;
    const QVector<int> candidates = domain(field);
    for (int v : candidates) {
        if (!stageAllowed(mapping, field, v))
            continue;
        probe.setValue(field, v);
        if (completes(probe, field + 1))
            values << v;
    }
    return values;
}

bool OtnStructureRules::isPossible(int field, const OtnMapping &mapping)
{
    return fieldInRange(field) && possibleValues(field, mapping).contains(mapping[field]);
}

OtnMapping OtnStructureRules::resolve(const OtnMapping &mapping, int changedField)
{
    OtnMapping result = mapping;
    for (int field = qMax(changedField + 1, 0); field < OtnMapping::fieldCount; ++field) {
        const QVector<int> values = possibleValues(field, result);
        if (values.contains(result[field]))
            continue;
        result.setValue(field, values.contains(0) || values.isEmpty() ? 0 : values.first());
    }
    return result;
}

bool OtnStructureRules::needsMultiLaneModule(int interfaceSignal)
{
    const Catalogue::Interface *i = Catalogue::interfaceSignal(interfaceSignal);
    return i && i->multiLaneModule;
}

int OtnStructureRules::mainTsLength(int stage, const OtnMapping &mapping, quint32 flexTsCount)
{
    return int(OtnTpTs::getTpTsInfo(stage, mapping, flexTsCount).tpCount);
}

int OtnStructureRules::allocationLength(int stage, const OtnMapping &mapping)
{
    return int(OtnTpTs::getTpTsInfo(stage, mapping, 0).tsTotal);
}

QByteArray OtnStructureRules::defaultMainTs(int stage, const OtnMapping &mapping, quint32 flexTsCount)
{
    const TpTsInfo info = OtnTpTs::getTpTsInfo(stage, mapping, flexTsCount);
    QByteArray bytes;
    for (quint32 tp = 0; tp < info.tpCount; ++tp)
        bytes.append(char(quint8(1 + tp * info.tsPerTp)));
    return bytes;
}

QBitArray OtnStructureRules::defaultAllocation(int stage, const OtnMapping &mapping)
{
    return QBitArray(allocationLength(stage, mapping), false);
}

int OtnStructureRules::maxFlexTsCount(int stage, const OtnMapping &mapping)
{
    return mapping.hasOduFlex(stage) ? int(OtnTpTs::getTpTsInfo(stage, mapping, 0).tsCount) : 0;
}
