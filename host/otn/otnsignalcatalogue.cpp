#include "otnsignalcatalogue.h"

#include <QHash>

namespace {

using C = OtnSignalCatalogue;

// Nominal rates in kbit/s as G.709 derives them from the client rates (ratios 239/238, 239/237, ...).
const C::Odu &oduEntry(C::OduType type)
{
    static const C::Odu table[] = {
        {C::OduNone, "", 0, 0, 0, 0},
        {C::Odu0, "ODU0", 1244160.0, 20, 1, 15232},
        {C::Odu1, "ODU1", 239.0 / 238 * 2488320, 20, 2, 15232},
        {C::Odu2, "ODU2", 239.0 / 237 * 9953280, 20, 8, 15232},
        {C::Odu2e, "ODU2e", 239.0 / 237 * 10312500, 100, 0, 15232},
        {C::Odu3, "ODU3", 239.0 / 236 * 39813120, 20, 32, 15232},
        {C::Odu4, "ODU4", 239.0 / 227 * 99532800, 20, 80, 15200},
        {C::OduFlex, "ODUflex", 0, 100, 0, 15232},
        {C::Odu1e, "ODU1e", 239.0 / 238 * 10312500, 100, 0, 15232},
        {C::Odu1f, "ODU1f", 239.0 / 238 * 10518750, 100, 0, 15232},
        {C::Odu2f, "ODU2f", 239.0 / 237 * 10518750, 100, 0, 15232},
        {C::Odu3e1, "ODU3e1", 239.0 / 236 * 4 * 10312500, 20, 0, 15232},
        {C::Odu3e2, "ODU3e2", 239.0 / 255 * 243.0 / 217 * 16 * 2488320, 20, 0, 15232},
        {C::OduC1, "ODUC1", 239.0 / 226 * 99532800, 20, 0, 15232},
    };
    const int index = int(type);
    if (index < 0 || index >= int(sizeof(table) / sizeof(table[0])))
        return table[0];
    return table[index];
}

const QVector<C::Interface> &interfaceTable()
{
    static const QVector<C::Interface> table = {
        {0, "OTU1", C::Odu1, 0, false, false, false},
        {1, "OTU2", C::Odu2, 0, false, false, false},
        {2, "OTU3", C::Odu3, 0, false, false, false},
        {3, "OTU4", C::Odu4, 0, false, false, false},
        {4, "OTL3.4", C::Odu3, 4, false, true, false},
        {5, "OTL4.4", C::Odu4, 20, false, true, false},
        {6, "OTU3e1", C::Odu3e1, 0, false, false, false},
        {7, "OTU3e2", C::Odu3e2, 0, false, false, false},
        {8, "OTU1e", C::Odu1e, 0, false, false, false},
        {9, "OTU2e", C::Odu2e, 0, false, false, false},
        {10, "OTU1f", C::Odu1f, 0, false, false, false},
        // One 11.2G lane of OTL4.10: two bit-interleaved logical lanes whose FAS byte 6 is the lane marker.
        {11, "OTL4.10 Lane", C::Odu4, 2, false, false, true},
        {12, "OTU2f", C::Odu2f, 0, false, false, false},
        {13, "OTL3.4 Lane", C::Odu3, 0, false, false, true},
        {14, "OTLC.4", C::OduC1, 20, true, true, false},
        {15, "OTL4.10", C::Odu4, 20, false, true, false},
    };
    return table;
}

C::Multiplex mux(int kind, const char *name, C::OduType ho, C::OduType lo, C::Procedure procedure, quint8 pt,
                 int tsCount, int tsPerTp, int tsTotal, int autoDetection, int odtuColumns, int gmpBlocks)
{
    C::Multiplex m;
    m.kind = kind;
    m.name = name;
    m.ho = ho;
    m.lo = lo;
    m.procedure = procedure;
    m.payloadType = pt;
    m.tsCount = tsCount;
    m.tsPerTp = tsPerTp;
    m.tpCount = tsPerTp > 0 ? tsCount / tsPerTp : 0;
    m.tsTotal = tsTotal;
    m.autoDetection = autoDetection;
    m.odtuColumns = odtuColumns;
    m.gmpBlocks = gmpBlocks;
    return m;
}

const QVector<C::Multiplex> &multiplexTable()
{
    // ODTUk.ts payload per TS and multiframe: OPU2 476 columns, OPU3 119, OPU4 47.5 (kept x10).
    static const QVector<C::Multiplex> table = {
        mux(1, "ODTU2.1 (PT=21)", C::Odu2, C::Odu0, C::ProcGmp, 0x21, 8, 1, 8, 1, 4760, 15232),
        mux(2, "ODTU12 (PT=20)", C::Odu2, C::Odu1, C::ProcAmp, 0x20, 4, 1, 0, 0, 0, 0),
        mux(3, "ODTU12 (PT=21)", C::Odu2, C::Odu1, C::ProcAmp, 0x21, 8, 2, 8, 1, 0, 0),
        mux(4, "ODTU01", C::Odu1, C::Odu0, C::ProcAmp, 0x20, 2, 1, 0, 0, 0, 0),
        mux(5, "ODTU13 (PT=20)", C::Odu3, C::Odu1, C::ProcAmp, 0x20, 16, 1, 0, 0, 0, 0),
        mux(6, "ODTU13 (PT=21)", C::Odu3, C::Odu1, C::ProcAmp, 0x21, 32, 2, 32, 1, 0, 0),
        mux(7, "ODTU23 (PT=20)", C::Odu3, C::Odu2, C::ProcAmp, 0x20, 16, 4, 0, 0, 0, 0),
        mux(9, "ODTU23 (PT=21)", C::Odu3, C::Odu2, C::ProcAmp, 0x21, 32, 8, 32, 1, 0, 0),
        // 9 TS hold 3 ODU2e; 5 of the 32 TS stay free.
        mux(10, "ODTU3.9 (ODU2e)", C::Odu3, C::Odu2e, C::ProcGmp, 0x21, 32, 9, 32, 1, 1190, 15232),
        mux(11, "ODTU3.1 (PT=21)", C::Odu3, C::Odu0, C::ProcGmp, 0x21, 32, 1, 32, 1, 1190, 15232),
        mux(12, "ODTU3e2 (ODU2e)", C::Odu3e2, C::Odu2e, C::ProcGmp, 0x21, 32, 8, 32, 1, 1190, 15232),
        mux(13, "ODTU3e1 (ODU2e)", C::Odu3e1, C::Odu2e, C::ProcAmp, 0x20, 16, 4, 0, 0, 0, 0),
        mux(14, "ODTU4.1", C::Odu4, C::Odu0, C::ProcGmp, 0x21, 80, 1, 80, 1, 475, 15200),
        mux(15, "ODTU4.2", C::Odu4, C::Odu1, C::ProcGmp, 0x21, 80, 2, 80, 1, 475, 15200),
        mux(16, "ODTU4.8 (ODU2)", C::Odu4, C::Odu2, C::ProcGmp, 0x21, 80, 8, 80, 1, 475, 15200),
        mux(18, "ODTU4.8 (ODU2e)", C::Odu4, C::Odu2e, C::ProcGmp, 0x21, 80, 8, 80, 1, 475, 15200),
        // 31 TS hold one ODU3: 2 ODU3 use 62 of the 80 TS.
        mux(19, "ODTU4.31", C::Odu4, C::Odu3, C::ProcGmp, 0x21, 80, 31, 80, 1, 475, 15200),
        mux(20, "ODTU2.ts (ODUflex)", C::Odu2, C::OduFlex, C::ProcGmp, 0x21, 8, 0, 8, 3, 4760, 15232),
        mux(21, "ODTU3.ts (ODUflex)", C::Odu3, C::OduFlex, C::ProcGmp, 0x21, 32, 0, 32, 3, 1190, 15232),
        mux(22, "ODTU4.ts (ODUflex)", C::Odu4, C::OduFlex, C::ProcGmp, 0x21, 80, 0, 80, 3, 475, 15200),
    };
    return table;
}

C::Client client(int value, const char *name, const char *sonet, C::Procedure procedure, quint8 pt,
                 QVector<C::OduType> carriers, double rate = 0)
{
    C::Client c;
    c.value = value;
    c.name = name;
    c.sonet = sonet;
    c.procedure = procedure;
    c.payloadType = pt;
    c.carriers = carriers;
    c.rateKbps = rate;
    return c;
}

QVector<C::Client> buildClients()
{
    QVector<C::Client> t;
    C::Client c;

    c = client(0, "Bulk", "", C::ProcPattern, 0xFE, {});
    c.pattern = true;
    t << c;
    // 1000BASE-X after timing-transparent transcoding: 15/16 x 1.25 Gbit/s.
    c = client(1, "1GbE (GFP-T)", "", C::ProcGmp, 0x07, {C::Odu0}, 1171875.0);
    c.gfpT = c.ethernet = true;
    t << c;
    c = client(2, "STM-16 (AMP)", "OC-48 (AMP)", C::ProcAmp, 0x02, {C::Odu1}, 2488320.0);
    c.sdh = true;
    t << c;
    c = client(3, "STM-1", "OC-3", C::ProcGmp, 0x0A, {C::Odu0}, 155520.0);
    c.sdh = true;
    t << c;
    c = client(4, "STM-4", "OC-12", C::ProcGmp, 0x0B, {C::Odu0}, 622080.0);
    c.sdh = true;
    t << c;
    c = client(5, "10GbE (GFP-F)", "", C::ProcGfp, 0x05, {C::Odu2});
    c.gfpF = c.ethernet = true;
    t << c;
    // 40GBASE-R after 1024B/1027B transcoding.
    c = client(6, "40GbE", "", C::ProcGmp, 0x07, {C::Odu3}, 41250000.0 * 1027 / 1056);
    c.ethernet = true;
    t << c;
    c = client(7, "100GbE", "", C::ProcGmp, 0x07, {C::Odu4}, 103125000.0);
    c.ethernet = true;
    t << c;
    c = client(8, "STM-64 (AMP)", "OC-192 (AMP)", C::ProcAmp, 0x02, {C::Odu2}, 9953280.0);
    c.sdh = true;
    t << c;
    c = client(9, "10GbE (BMP)", "", C::ProcBmp, 0x03, {C::Odu2e, C::Odu1e}, 10312500.0);
    c.ethernet = true;
    t << c;
    c = client(10, "STM-256 (AMP)", "OC-768 (AMP)", C::ProcAmp, 0x02, {C::Odu3}, 39813120.0);
    c.sdh = true;
    t << c;
    c = client(11, "10GbE (GFP-F, Ext. OPU2)", "", C::ProcGfp, 0x09, {C::Odu2});
    c.gfpF = c.ethernet = c.extendedOpu2 = true;
    t << c;
    c = client(12, "STM-16 (BMP)", "OC-48 (BMP)", C::ProcBmp, 0x03, {C::Odu1}, 2488320.0);
    c.sdh = true;
    t << c;
    t << client(13, "FC-100", "", C::ProcGmp, 0x0C, {C::Odu0}, 1062500.0);
    t << client(14, "FC-200", "", C::ProcGmp, 0x0D, {C::Odu1}, 2125000.0);
    c = client(15, "STM-64 (BMP)", "OC-192 (BMP)", C::ProcBmp, 0x03, {C::Odu2}, 9953280.0);
    c.sdh = true;
    t << c;
    c = client(16, "STM-256 (BMP)", "OC-768 (BMP)", C::ProcBmp, 0x03, {C::Odu3}, 39813120.0);
    c.sdh = true;
    t << c;
    // FC-1200 transcoded to 513B blocks and carried in transparent GFP, asynchronously into OPU2e.
    c = client(17, "FC-1200 (GFP-T)", "", C::ProcAmp, 0x08, {C::Odu2e});
    c.gfpT = c.fcGfp = true;
    t << c;
    t << client(18, "HD-SDI (1.485G)", "", C::ProcGmp, 0x17, {C::Odu1}, 1485000.0);
    t << client(20, "ESCON", "", C::ProcGmp, 0x1A, {C::Odu0}, 200000.0);
    t << client(22, "DVB-ASI", "", C::ProcGmp, 0x1B, {C::Odu0}, 270000.0);
    t << client(23, "FC-1200 (BMP)", "", C::ProcBmp, 0x03, {C::Odu1f, C::Odu2f}, 10518750.0);
    // The all-zero NULL test signal: a fixed pattern the receiver checks like Bulk.
    c = client(28, "NULL", "", C::ProcPattern, 0xFD, {});
    c.pattern = true;
    t << c;
    c = client(29, "1GbE (GFP-F)", "", C::ProcGfp, 0x05, {C::Odu0});
    c.gfpF = c.ethernet = true;
    t << c;
    c = client(30, "Ethernet (GFP-F)", "", C::ProcGfp, 0x05, {C::OduFlex});
    c.gfpF = c.ethernet = true;
    t << c;
    c = client(31, "40GbE (GFP-F)", "", C::ProcGfp, 0x05, {C::Odu3});
    c.gfpF = c.ethernet = true;
    t << c;
    return t;
}

const QVector<C::Client> &clientTable()
{
    static const QVector<C::Client> table = buildClients();
    return table;
}

template<typename T, typename Key>
const T *findIn(const QVector<T> &table, Key key, int T::*member)
{
    for (const T &entry : table) {
        if (entry.*member == key)
            return &entry;
    }
    return nullptr;
}

// Stage-1 and stage-2 parameter values: the lower-order ODU of level 1 or 2 multiplexed further.
// The OPU of the level is PT 21 wherever both payload types exist, so ODU0 and ODU1 can share it.
const int stage1Kinds[] = {0, 4, 1, 3, 6, 11};
const int stage2Kinds[] = {0, 4};

constexpr int interfaceValueRange = 16;
constexpr int clientValueRange = 32;
constexpr int multiplexKindRange = 23;

const char reservedName[] = "Reserved";
const char noneName[] = "None";

} // namespace

const OtnSignalCatalogue::Odu &OtnSignalCatalogue::odu(OduType type)
{
    return oduEntry(type);
}

QString OtnSignalCatalogue::oduName(OduType type)
{
    return QString::fromLatin1(oduEntry(type).name);
}

const OtnSignalCatalogue::Interface *OtnSignalCatalogue::interfaceSignal(int value)
{
    return findIn(interfaceTable(), value, &Interface::value);
}

const OtnSignalCatalogue::Multiplex *OtnSignalCatalogue::multiplex(int kind)
{
    return findIn(multiplexTable(), kind, &Multiplex::kind);
}

const OtnSignalCatalogue::Client *OtnSignalCatalogue::client(int value)
{
    return findIn(clientTable(), value, &Client::value);
}

static QVector<int> range(int count)
{
    QVector<int> values;
    for (int v = 0; v < count; ++v)
        values << v;
    return values;
}

QVector<int> OtnSignalCatalogue::interfaceValues()
{
    return range(interfaceValueRange);
}

QVector<int> OtnSignalCatalogue::clientValues()
{
    return range(clientValueRange);
}

QVector<int> OtnSignalCatalogue::multiplexKinds()
{
    return range(multiplexKindRange);
}

int OtnSignalCatalogue::interfaceValueCount()
{
    return interfaceValueRange;
}

int OtnSignalCatalogue::clientValueCount()
{
    return clientValueRange;
}

int OtnSignalCatalogue::multiplexKindCount()
{
    return multiplexKindRange;
}

QVector<int> OtnSignalCatalogue::stage1Values()
{
    return range(int(sizeof(stage1Kinds) / sizeof(stage1Kinds[0])));
}

QVector<int> OtnSignalCatalogue::stage2Values()
{
    return range(int(sizeof(stage2Kinds) / sizeof(stage2Kinds[0])));
}

int OtnSignalCatalogue::stage1Kind(int value)
{
    if (value < 0 || value >= int(sizeof(stage1Kinds) / sizeof(stage1Kinds[0])))
        return 0;
    return stage1Kinds[value];
}

int OtnSignalCatalogue::stage2Kind(int value)
{
    if (value < 0 || value >= int(sizeof(stage2Kinds) / sizeof(stage2Kinds[0])))
        return 0;
    return stage2Kinds[value];
}

QString OtnSignalCatalogue::interfaceName(int value)
{
    const Interface *i = interfaceSignal(value);
    return QString::fromLatin1(i ? i->name : reservedName);
}

QString OtnSignalCatalogue::clientName(int value, int terminology)
{
    const Client *c = client(value);
    if (!c)
        return QString::fromLatin1(reservedName);
    if (terminology == 2 && *c->sonet)
        return QString::fromLatin1(c->sonet);
    return QString::fromLatin1(c->name);
}

QString OtnSignalCatalogue::multiplexName(int kind)
{
    if (kind == 0)
        return QString::fromLatin1(noneName);
    const Multiplex *m = multiplex(kind);
    return QString::fromLatin1(m ? m->name : reservedName);
}

QString OtnSignalCatalogue::stage1Name(int value)
{
    if (!stage1Values().contains(value))
        return QString::fromLatin1(reservedName);
    return multiplexName(stage1Kind(value));
}

QString OtnSignalCatalogue::stage2Name(int value)
{
    if (!stage2Values().contains(value))
        return QString::fromLatin1(reservedName);
    return multiplexName(stage2Kind(value));
}

bool OtnSignalCatalogue::clientFits(const Client &client, OduType lo)
{
    if (lo == OduNone)
        return false;
    return client.carriers.isEmpty() || client.carriers.contains(lo);
}
