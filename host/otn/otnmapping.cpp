#include "otnmapping.h"

#include "host/diagnostics/zeldiagnostics.h"
#include "otnsignalcatalogue.h"

namespace {

using Catalogue = OtnSignalCatalogue;

// Multiplex kind of a stage's parameter value; 0 when the value names no multiplexing (or none known).
int kindOfStage(int stage, int value)
{
    switch (stage) {
    case 0:
        return Catalogue::multiplex(value) ? value : 0;
    case 1:
        return OtnMapping::convertMux2ToMux(value);
    case 2:
        return OtnMapping::convertMux3ToMux(value);
    default:
        return 0;
    }
}

} // namespace

OtnMapping::OtnMapping(int interfaceSignal, int clientSignal, int stage0, int stage1, int stage2)
{
    m_fields[FieldInterface] = interfaceSignal;
    m_fields[FieldClient] = clientSignal;
    m_fields[FieldStage0] = stage0;
    m_fields[FieldStage1] = stage1;
    m_fields[FieldStage2] = stage2;
}

void OtnMapping::init()
{
    for (int &field : m_fields)
        field = 0;
}

void OtnMapping::setValue(int field, int value)
{
    ZEL_ASSERT_TEXT(field >= 0 && field < fieldCount, "field >= 0 && field < fieldCount",
                    QStringLiteral("OtnMapping::setValue: no field %1").arg(field));
    if (field >= 0 && field < fieldCount)
        m_fields[field] = value;
}

// A stage exists when its value names a multiplex kind and every stage before it exists; a value in a
// stage behind a missing one is ignored.
bool OtnMapping::hasOdtu(int stage) const
{
    if (stage < 0 || stage >= maxStages)
        return false;
    for (int s = 0; s <= stage; ++s) {
        if (kindOfStage(s, m_fields[FieldStage0 + s]) == 0)
            return false;
    }
    return true;
}

int OtnMapping::getOduCount() const
{
    int count = 1;
    while (count <= maxStages && hasOdtu(count - 1))
        ++count;
    return count;
}

QVector<int> OtnMapping::convertMultiplexes() const
{
    QVector<int> kinds;
    for (int s = 0; s < maxStages && hasOdtu(s); ++s)
        kinds << kindOfStage(s, m_fields[FieldStage0 + s]);
    return kinds;
}

int OtnMapping::convertMux2ToMux(int stage1Value)
{
    return Catalogue::stage1Kind(stage1Value);
}

int OtnMapping::convertMux3ToMux(int stage2Value)
{
    return Catalogue::stage2Kind(stage2Value);
}

static Catalogue::OduType oduTypeOfLevel(const OtnMapping &mapping, int level)
{
    if (level < 0 || level >= mapping.getOduCount())
        return Catalogue::OduNone;
    if (level == 0) {
        const Catalogue::Interface *i = Catalogue::interfaceSignal(mapping[OtnMapping::FieldInterface]);
        return i ? i->odu : Catalogue::OduNone;
    }
    const Catalogue::Multiplex *m = Catalogue::multiplex(mapping.convertMultiplexes().value(level - 1));
    return m ? m->lo : Catalogue::OduNone;
}

QString OtnMapping::getOduName(int level) const
{
    return Catalogue::oduName(oduTypeOfLevel(*this, level));
}

QStringList OtnMapping::getOduNames() const
{
    QStringList names;
    const int count = getOduCount();
    for (int level = 0; level < count; ++level)
        names << getOduName(level);
    return names;
}

QString OtnMapping::getHoOduName() const
{
    return getOduName(0);
}

QString OtnMapping::getLoOduName() const
{
    return getOduName(getOduCount() - 1);
}

bool OtnMapping::hasExtendedOpu(int level) const
{
    const Catalogue::Client *c = Catalogue::client(m_fields[FieldClient]);
    return c && c->extendedOpu2 && level == getOduCount() - 1
           && oduTypeOfLevel(*this, level) == Catalogue::Odu2;
}

bool OtnMapping::hasOduFlex(int stage) const
{
    if (!hasOdtu(stage))
        return false;
    const Catalogue::Multiplex *m = Catalogue::multiplex(convertMultiplexes().value(stage));
    return m && m->lo == Catalogue::OduFlex;
}

bool OtnMapping::isGfp() const
{
    return isGfpF() || isGfpT();
}

bool OtnMapping::isGfpF() const
{
    const Catalogue::Client *c = Catalogue::client(m_fields[FieldClient]);
    return c && c->gfpF;
}

bool OtnMapping::isGfpT() const
{
    const Catalogue::Client *c = Catalogue::client(m_fields[FieldClient]);
    return c && c->gfpT;
}

bool OtnMapping::isFcGfp() const
{
    const Catalogue::Client *c = Catalogue::client(m_fields[FieldClient]);
    return c && c->fcGfp;
}

// The procedure that puts level's OPU payload in place: the stage below it, or the client on the last level.
static Catalogue::Procedure procedureOfLevel(const OtnMapping &mapping, int level)
{
    const int count = mapping.getOduCount();
    if (level < 0 || level >= count)
        return Catalogue::ProcNone;
    if (level < count - 1) {
        const Catalogue::Multiplex *m = Catalogue::multiplex(mapping.convertMultiplexes().value(level));
        return m ? m->procedure : Catalogue::ProcNone;
    }
    const Catalogue::Client *c = Catalogue::client(mapping[OtnMapping::FieldClient]);
    return c ? c->procedure : Catalogue::ProcNone;
}

bool OtnMapping::isGmp(int level) const
{
    return procedureOfLevel(*this, level) == Catalogue::ProcGmp;
}

bool OtnMapping::isAmp(int level) const
{
    return procedureOfLevel(*this, level) == Catalogue::ProcAmp;
}

bool OtnMapping::isOTLC() const
{
    const Catalogue::Interface *i = Catalogue::interfaceSignal(m_fields[FieldInterface]);
    return i && i->otlc;
}

int OtnMapping::numOfLldLane(int interfaceSignal)
{
    const Catalogue::Interface *i = Catalogue::interfaceSignal(interfaceSignal);
    return i ? i->logicalLanes : 0;
}

QList<quint8> OtnMapping::getPayloadTypes() const
{
    QList<quint8> types;
    const QVector<int> kinds = convertMultiplexes();
    for (int kind : kinds) {
        const Catalogue::Multiplex *m = Catalogue::multiplex(kind);
        types << (m ? m->payloadType : quint8(0));
    }
    const Catalogue::Client *c = Catalogue::client(m_fields[FieldClient]);
    if (c)
        types << c->payloadType;
    return types;
}

bool OtnMapping::isValid() const
{
    const Catalogue::Interface *iface = Catalogue::interfaceSignal(m_fields[FieldInterface]);
    if (!iface)
        return false;
    Catalogue::OduType current = iface->odu;
    bool present = true;
    for (int s = 0; s < maxStages; ++s) {
        const int value = m_fields[FieldStage0 + s];
        if (!present || value == 0) {
            present = false;
            continue;
        }
        const int kind = kindOfStage(s, value);
        const Catalogue::Multiplex *m = Catalogue::multiplex(kind);
        if (!m || m->ho != current || iface->laneOnly)
            return false;
        current = m->lo;
    }
    const Catalogue::Client *c = Catalogue::client(m_fields[FieldClient]);
    if (!c || !Catalogue::clientFits(*c, current))
        return false;
    return !iface->laneOnly || c->pattern;
}

bool OtnMapping::operator==(const OtnMapping &other) const
{
    for (int f = 0; f < fieldCount; ++f) {
        if (m_fields[f] != other.m_fields[f])
            return false;
    }
    return true;
}
