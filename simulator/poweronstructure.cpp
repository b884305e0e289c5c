#include "poweronstructure.h"

#include "apps/shared/sid.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameter.h"
#include "otnstructurerules.h"
#include "parameterstore.h"
#include "structurerules.h"
#include "tributarylayout.h"

namespace {

// The value whose name matches among values, or -1.
template <typename NameOf>
int valueNamed(const QVector<int> &values, const QString &name, NameOf nameOf)
{
    for (int value : values) {
        if (nameOf(value) == name)
            return value;
    }
    return -1;
}

} // namespace

const QVector<PowerOnStructure> &PowerOnStructure::all()
{
    using namespace OtnModule;
    static const QVector<PowerOnStructure> structures = {
        // Three levels with 1.25G TS in both stages: the ODU2 takes 8 of the OTU4's 80 TS (GMP), the ODU0
        // one of the ODU2's 8 (GMP), and a test pattern fills the ODU0.
        {QStringLiteral("otu4-odu2-odu0"), QStringLiteral("OTU4 > ODU2 > ODU0"), QStringLiteral("OTU4"),
         QStringLiteral("Bulk"), {QStringLiteral("ODTU4.8 (ODU2)"), QStringLiteral("ODTU2.1 (PT=21)")}, 0,
         Qsfp28},
        {QStringLiteral("otu2-bulk"), QStringLiteral("OTU2 bulk"), QStringLiteral("OTU2"), QStringLiteral("Bulk"),
         {}, 0, Sfp},
        // Gigabit Ethernet, transcoded and GMP-mapped into an ODU0, which takes one TS of the ODU2 by GMP.
        {QStringLiteral("otu2-odu0"), QStringLiteral("OTU2 > ODU0 GMP (1GbE)"), QStringLiteral("OTU2"),
         QStringLiteral("1GbE (GFP-T)"), {QStringLiteral("ODTU2.1 (PT=21)")}, 0, Sfp},
        // Four levels, all AMP: ODU2 in 8 of 32 TS, ODU1 in 2 of 8, ODU0 in 1 of 2; STM-1 by GMP in the ODU0.
        {QStringLiteral("otu3-odu2-odu1-odu0"), QStringLiteral("OTU3 > ODU2 > ODU1 > ODU0 (STM-1)"),
         QStringLiteral("OTU3"), QStringLiteral("STM-1"),
         {QStringLiteral("ODTU23 (PT=21)"), QStringLiteral("ODTU12 (PT=21)"), QStringLiteral("ODTU01")}, 0,
         Cfp},
        // 80 ODU0 in the OTU4's 1.25G TS, only the first equipped with Gigabit Ethernet: the other
        // tributaries are unequipped, as a tributary scan shows.
        {QStringLiteral("otu4-odu0"), QStringLiteral("OTU4 > 80 x ODU0, one equipped (1GbE)"), QStringLiteral("OTU4"),
         QStringLiteral("1GbE (GFP-T)"), {QStringLiteral("ODTU4.1")}, 0, Qsfp28, {}, false},
        // An ODUflex(GFP) of 8 ODU4.ts (about 10.4 Gbit/s) carrying Ethernet frames.
        {QStringLiteral("otu4-oduflex-gfpf"), QStringLiteral("OTU4 > ODUflex GFP-F (Ethernet)"),
         QStringLiteral("OTU4"), QStringLiteral("Ethernet (GFP-F)"), {QStringLiteral("ODTU4.ts (ODUflex)")}, 8,
         Qsfp28},
        // 100GbE in an OTU4 dealt over 4 physical lanes of 5 logical lanes each.
        {QStringLiteral("otl4.4"), QStringLiteral("OTL4.4 multi-lane (100GbE)"), QStringLiteral("OTL4.4"),
         QStringLiteral("100GbE"), {}, 0, Cfp4},
        // OTU2 bulk whose receiver expects the section trace of another site: SM-TIM, whose consequent
        // action replaces the ODU2 by ODU-AIS.
        {QStringLiteral("otu2-tim"), QStringLiteral("OTU2 bulk, another section trace expected (SM-TIM)"),
         QStringLiteral("OTU2"), QStringLiteral("Bulk"), {}, 0, Sfp,
         {{PID::Otn::RX::SM_TTI_DETECTION, 3}, {PID::Otn::RX::SM_EXPECTED_SAPI, QByteArray("\0DEUBERLIN  ZEL ", 16)}}},
        // An OTUC1 dealt over 4 physical lanes of 5 logical lanes, carrying a test pattern; its overhead has
        // the OTUCn fields (OSMC, no FTFL) and is sent per OTL slice.
        {QStringLiteral("otlc.4"), QStringLiteral("OTLC.4 multi-lane (OTUC1 bulk)"), QStringLiteral("OTLC.4"),
         QStringLiteral("Bulk"), {}, 0, Cfp4},
    };
    return structures;
}

const PowerOnStructure *PowerOnStructure::find(const QString &name)
{
    for (const PowerOnStructure &structure : all()) {
        if (structure.name == name)
            return &structure;
    }
    return nullptr;
}

const PowerOnStructure &PowerOnStructure::defaultStructure()
{
    return all().first();
}

OtnMapping PowerOnStructure::mapping(QString *problem) const
{
    OtnMapping record;
    const auto fail = [problem, &record](const QString &what) {
        if (problem)
            *problem = what;
        record.init();
        return record;
    };
    if (stages.size() > OtnMapping::maxStages)
        return fail(QStringLiteral("%1 stages, at most %2").arg(stages.size()).arg(OtnMapping::maxStages));
    const int interfaceValue = valueNamed(OtnSignalCatalogue::interfaceValues(), interfaceSignal,
                                          &OtnSignalCatalogue::interfaceName);
    if (interfaceValue < 0)
        return fail(QStringLiteral("unknown interface signal '%1'").arg(interfaceSignal));
    const int clientValue = valueNamed(OtnSignalCatalogue::clientValues(), clientSignal,
                                       [](int value) { return OtnSignalCatalogue::clientName(value); });
    if (clientValue < 0)
        return fail(QStringLiteral("unknown client signal '%1'").arg(clientSignal));
    record.setValue(OtnMapping::FieldInterface, interfaceValue);
    record.setValue(OtnMapping::FieldClient, clientValue);
    for (int stage = 0; stage < stages.size(); ++stage) {
        int value = -1;
        if (stage == 0)
            value = valueNamed(OtnSignalCatalogue::multiplexKinds(), stages.at(0), &OtnSignalCatalogue::multiplexName);
        else if (stage == 1)
            value = valueNamed(OtnSignalCatalogue::stage1Values(), stages.at(1), &OtnSignalCatalogue::stage1Name);
        else
            value = valueNamed(OtnSignalCatalogue::stage2Values(), stages.at(2), &OtnSignalCatalogue::stage2Name);
        if (value < 0)
            return fail(QStringLiteral("unknown multiplexing '%1' in stage %2").arg(stages.at(stage)).arg(stage + 1));
        record.setValue(OtnMapping::FieldStage0 + stage, value);
    }
    return record;
}

bool PowerOnStructure::needsMultiLaneModule() const
{
    return OtnStructureRules::needsMultiLaneModule(mapping()[OtnMapping::FieldInterface]);
}

bool PowerOnStructure::applyTo(ParameterStore &store, StructureRules &rules, int port, QString *problem) const
{
    QString unknown;
    const OtnMapping target = mapping(&unknown);
    const auto fail = [problem](const QString &what) {
        if (problem)
            *problem = what;
        return false;
    };
    if (!unknown.isEmpty())
        return fail(unknown);
    // Checked first, so that a port without lanes keeps its start-up structure.
    const int module = store.intValue(nsSID::otnSid(port, PID::Otn::TX::MODULE));
    if (needsMultiLaneModule() && !OtnModule::isMultiLane(module))
        return fail(QStringLiteral("%1 needs a multi-lane module, not module type %2").arg(interfaceSignal).arg(module));

    const int *const directions[] = {PID::Otn::TX::MAPPING, PID::Otn::RX::MAPPING};
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        for (const int *ids : directions) {
            const int sid = nsSID::otnSid(port, ids[field]);
            const QcmaParameter *current = store.value(sid);
            // A stage behind a missing one stays as the rules left it.
            if (!current || (target[field] == 0 && !current->isDefined()))
                continue;
            store.setDefined(sid, true);
            store.setValue(sid, target[field]);
        }
        rules.apply(port);
    }
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        if (!target.hasOduFlex(stage))
            continue;
        for (const int *ids : {PID::Otn::TX::NUMBER_OF_TS, PID::Otn::RX::NUMBER_OF_TS}) {
            if (ids[stage])
                store.setValue(nsSID::otnSid(port, ids[stage]), flexTsCount);
        }
        rules.apply(port);
    }

    for (const auto &setting : receiverSettings) {
        const int sid = nsSID::otnSid(port, setting.first);
        const QcmaParameter *current = store.value(sid);
        if (!current || (!store.setValue(sid, setting.second) && current->toVariant() != setting.second))
            return fail(QStringLiteral("receiver setting %1 cannot hold %2").arg(setting.first).arg(setting.second.toString()));
    }

    if (!dummyCopies) {
        for (int stage = 0; stage < OtnMapping::maxStages && target.hasOdtu(stage); ++stage)
            store.setValue(nsSID::otnSid(port, PID::Otn::TX::TX_COPY[stage]), int(nsSettings::Otn::COPY_OFF));
        rules.apply(port);
    }

    for (TributaryLayout::Direction direction : {TributaryLayout::Tx, TributaryLayout::Rx}) {
        const OtnMapping held = TributaryLayout::mappingOf(store, port, direction);
        if (held != target) {
            return fail(QStringLiteral("port %1 %2 holds %3, %4, %5, %6, %7")
                            .arg(port)
                            .arg(direction == TributaryLayout::Tx ? QStringLiteral("Tx") : QStringLiteral("Rx"))
                            .arg(held[0])
                            .arg(held[1])
                            .arg(held[2])
                            .arg(held[3])
                            .arg(held[4]));
        }
        for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
            if (target.hasOduFlex(stage)
                && TributaryLayout(store, port, direction, stage).flexTsCount() != flexTsCount)
                return fail(QStringLiteral("port %1: the ODUflex of stage %2 does not have %3 TS")
                                .arg(port)
                                .arg(stage + 1)
                                .arg(flexTsCount));
        }
    }
    return true;
}
