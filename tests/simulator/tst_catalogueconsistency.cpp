#include <QtTest>

#include <QDirIterator>
#include <QRegularExpression>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/parametercatalogue.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/simulatorfixture.h"

namespace {

struct Table {
    const char *name;
    const int *ids;
    int count;
};

#define TABLE(t) Table{#t, &t[0], int(sizeof(t) / sizeof(int))}
#define TABLE2(t) Table{#t, &t[0][0], int(sizeof(t) / sizeof(int))}

QVector<Table> idTables()
{
    using namespace PID::Otn;
    using namespace nsIID::Otn;
    return {
        TABLE(TX::MAIN_TP), TABLE(TX::MAIN_TS), TABLE(TX::NUMBER_OF_TS), TABLE(TX::ALLOC), TABLE(TX::MAPPING),
        TABLE(TX::TX_COPY), TABLE(TX::OPU_PAYLOAD_TYPE), TABLE(TX::ODU_FAS), TABLE(TX::ODU_EXP),
        TABLE(TX::ODU_GCC1), TABLE(TX::ODU_GCC2), TABLE(TX::ODU_RES1), TABLE(TX::ODU_RES2), TABLE(TX::ODU_APS_FB),
        TABLE(TX::ODU_APS_SB), TABLE(TX::ODU_PM_BITS), TABLE(TX::ODU_PM_TTI_SAPI), TABLE(TX::ODU_PM_TTI_DAPI),
        TABLE(TX::ODU_PM_TTI_OS), TABLE(TX::ODU_TCM_TTI_SAPI), TABLE(TX::ODU_TCM_TTI_DAPI),
        TABLE(TX::ODU_TCM_TTI_OS), TABLE(TX::ODU_FTFL_FOI), TABLE(TX::ODU_FTFL_FOS), TABLE(TX::ODU_FTFL_FFI),
        TABLE(TX::ODU_FTFL_BOI), TABLE(TX::ODU_FTFL_BOS), TABLE(TX::ODU_FTFL_BFI), TABLE2(TX::ODU_TCM_BITS),
        TABLE2(TX::ODU_TCM_TTI_OH), TABLE(RX::MAIN_TP), TABLE(RX::MAIN_TS), TABLE(RX::NUMBER_OF_TS),
        TABLE(RX::MAPPING), TABLE(RX::DET_MODE), TABLE(MEASUREMENT::MSIM_DETECTION),
        TABLE(MEASUREMENT::MSIM_REFERENCE_DATA),
        TABLE(Alarm::SUM_ERRALARM), TABLE(Alarm::ODU_LOF_LOM), TABLE(Alarm::ODU_OOF), TABLE(Alarm::ODU_OOM),
        TABLE(Alarm::ODU_AIS), TABLE(Alarm::ODU_LCK), TABLE(Alarm::ODU_OCI), TABLE(Alarm::PM_TIM),
        TABLE(Alarm::PM_BDI), TABLE(Alarm::PLM), TABLE(Alarm::FSF), TABLE(Alarm::FSD), TABLE(Alarm::BSF),
        TABLE(Alarm::BSD), TABLE(Alarm::MSIM), TABLE(Alarm::TCMi_TIM), TABLE(Alarm::TCMi_BIAE),
        TABLE(Alarm::TCMi_BDI), TABLE(Alarm::TCMi_IAE), TABLE(Alarm::TCMi_LTC), TABLE(Error::ODU_FAS),
        TABLE(Error::PM_BIP8), TABLE(Error::PM_BEI), TABLE(Error::CRC8), TABLE(Error::CRC5),
        TABLE(Error::TCMi_BIP8), TABLE(Error::TCMi_BEI), TABLE(Mapping::ODU_NAME), TABLE(Mapping::AMP_NAME),
        TABLE(Mapping::GMP_NAME), TABLE(Mapping::ODU_PER_NAME), TABLE(Pointer::Offset_AMP), TABLE(Pointer::PJC),
        TABLE(Pointer::PJC2), TABLE(Pointer::PJC3), TABLE(Pointer::NJC), TABLE(Pointer::NJC2),
        TABLE(Pointer::Offset_GMP), TABLE(Pointer::Inc0), TABLE(Pointer::Dec0), TABLE(Pointer::Inc1),
        TABLE(Pointer::Dec1), TABLE(Pointer::Inc2), TABLE(Pointer::Dec2), TABLE(Pointer::IncOver),
        TABLE(Pointer::DecOver), TABLE(Pointer::CmtMin), TABLE(Pointer::CmtMax),
        TABLE(Performance::STAT_ODU_NEAREND), TABLE(Performance::SES_ODU_NEAREND),
        TABLE(Performance::BBE_ODU_NEAREND), TABLE(Performance::UAS_ODU_NEAREND),
        TABLE(Performance::STAT_ODU_FAREND), TABLE(Performance::SES_ODU_FAREND), TABLE(Performance::BBE_ODU_FAREND),
        TABLE(Performance::UAS_ODU_FAREND), TABLE(Performance::STAT_ODU_BIDIRECTIONAL),
        TABLE(Performance::SES_ODU_BIDIRECTIONAL), TABLE(Performance::BBE_ODU_BIDIRECTIONAL),
        TABLE(Performance::UAS_ODU_BIDIRECTIONAL), TABLE(Performance::STAT_TCMi_NEAREND),
        TABLE(Performance::SES_TCMi_NEAREND), TABLE(Performance::BBE_TCMi_NEAREND),
        TABLE(Performance::UAS_TCMi_NEAREND), TABLE(Performance::STAT_TCMi_FAREND),
        TABLE(Performance::SES_TCMi_FAREND), TABLE(Performance::BBE_TCMi_FAREND), TABLE(Performance::UAS_TCMi_FAREND),
        TABLE(Performance::STAT_TCMi_BIDIRECTIONAL), TABLE(Performance::SES_TCMi_BIDIRECTIONAL),
        TABLE(Performance::BBE_TCMi_BIDIRECTIONAL), TABLE(Performance::UAS_TCMi_BIDIRECTIONAL),
    };
}

// Ids the status items of the physical and alarm/error status pages register (port 127).
const int statusItemIds[] = {11001, 101, 8106, 103, 117, 1111};

struct Use {
    int id;
    QString where;
};

// Literal OTN ids in the sources: five-digit numbers 11000-16999 standing alone, and any number
// given together with the OTN group. The OTN records' own sources hold G.709 constants in that range
// (GMP block counts and the like); their id tables are checked through the tables themselves.
QVector<Use> literalIds()
{
    static const QRegularExpression fiveDigits(QStringLiteral("(?<![\\w.])(1[1-6]\\d{3})(?![\\w.])"));
    static const QRegularExpression withGroup(
        QStringLiteral("(?:nsSID::otn|0x0[dD]0000)\\s*,\\s*(\\d+)(?![\\w.])"));
    static const QRegularExpression comment(QStringLiteral("//.*$"));
    QVector<Use> uses;
    const QString root = QStringLiteral(SIM_SOURCE_DIR);
    for (const QString &folder : {QStringLiteral("client"), QStringLiteral("host")}) {
        QDirIterator it(root + QLatin1Char('/') + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const bool domainModel = path.contains(QLatin1String("/host/otn/"));
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            int lineNumber = 0;
            while (!file.atEnd()) {
                ++lineNumber;
                const QString line = QString::fromUtf8(file.readLine()).remove(comment);
                const QString where = QStringLiteral("%1:%2").arg(path.mid(root.size() + 1)).arg(lineNumber);
                for (const QRegularExpression *re : {&fiveDigits, &withGroup}) {
                    if (domainModel && re == &fiveDigits)
                        continue;
                    auto matches = re->globalMatch(line);
                    while (matches.hasNext())
                        uses.append({matches.next().captured(1).toInt(), where});
                }
            }
        }
    }
    return uses;
}

} // namespace

class tst_CatalogueConsistency : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCatalogueFileLoadsWithoutClash();
    void idTablesAreInTheCatalogue_data();
    void idTablesAreInTheCatalogue();
    void literalIdsAreInTheCatalogue_data();
    void literalIdsAreInTheCatalogue();
    void kindsMatchHowTheScreensWrite_data();
    void kindsMatchHowTheScreensWrite();
    void overheadLengthsFollowG709_data();
    void overheadLengthsFollowG709();

private:
    std::unique_ptr<SimulatedServerLink> m_link;
};

void tst_CatalogueConsistency::initTestCase()
{
    m_link = std::make_unique<SimulatedServerLink>(SimulatorFixture::quietOptions(1));
}

void tst_CatalogueConsistency::everyCatalogueFileLoadsWithoutClash()
{
    QVERIFY2(m_link->catalogueErrors().isEmpty(), qPrintable(m_link->catalogueErrors().join('\n')));
    for (const ParameterDefinition *d : m_link->catalogue().all()) {
        QVERIFY2(!d->name.isEmpty(), qPrintable(QString::number(d->id)));
        if (d->kind == QcmaParameter::TypeEnum)
            QVERIFY2(!d->enumerators.isEmpty(), qPrintable(d->name));
    }
}

void tst_CatalogueConsistency::idTablesAreInTheCatalogue_data()
{
    QTest::addColumn<int>("id");
    for (const Table &t : idTables()) {
        for (int i = 0; i < t.count; ++i) {
            if (t.ids[i])
                QTest::addRow("%s[%d] = %d", t.name, i, t.ids[i]) << t.ids[i];
        }
    }
}

void tst_CatalogueConsistency::idTablesAreInTheCatalogue()
{
    QFETCH(int, id);
    QVERIFY(m_link->catalogue().find(nsSID::otn, id));
}

void tst_CatalogueConsistency::literalIdsAreInTheCatalogue_data()
{
    QTest::addColumn<int>("id");
    const QVector<Use> uses = literalIds();
    QVERIFY2(uses.size() > 50, "the source scan found almost nothing: wrong source folder?");
    QSet<int> seen;
    for (const Use &use : uses) {
        if (seen.contains(use.id))
            continue;
        seen.insert(use.id);
        QTest::addRow("%d at %s", use.id, qPrintable(use.where)) << use.id;
    }
    for (int id : statusItemIds)
        QTest::addRow("status item %d", id) << id;
}

void tst_CatalogueConsistency::literalIdsAreInTheCatalogue()
{
    QFETCH(int, id);
    QVERIFY(m_link->catalogue().find(nsSID::otn, id));
}

void tst_CatalogueConsistency::kindsMatchHowTheScreensWrite_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("kind");

    using namespace PID::Otn;
    const int uintKind = QcmaParameter::TypeUInt;
    const int enumKind = QcmaParameter::TypeEnum;
    const int bytesKind = QcmaParameter::TypeByteArray;
    for (int stage = 0; stage < 3; ++stage) {
        QTest::addRow("Tx main TP %d", stage) << TX::MAIN_TP[stage] << uintKind;
        QTest::addRow("Tx main TS %d", stage) << TX::MAIN_TS[stage] << bytesKind;
        QTest::addRow("Rx main TP %d", stage) << RX::MAIN_TP[stage] << uintKind;
        QTest::addRow("Rx main TS %d", stage) << RX::MAIN_TS[stage] << bytesKind;
        QTest::addRow("detection mode %d", stage) << RX::DET_MODE[stage] << enumKind;
        QTest::addRow("Dummy CH %d", stage) << TX::TX_COPY[stage] << enumKind;
        QTest::addRow("MSIM detection %d", stage) << MEASUREMENT::MSIM_DETECTION[stage] << enumKind;
        QTest::addRow("MSI reference %d", stage) << MEASUREMENT::MSIM_REFERENCE_DATA[stage] << bytesKind;
    }
    for (int stage = 0; stage < 2; ++stage) {
        QTest::addRow("Tx ODUflex TS %d", stage) << TX::NUMBER_OF_TS[stage] << uintKind;
        QTest::addRow("Rx ODUflex TS %d", stage) << RX::NUMBER_OF_TS[stage] << uintKind;
        QTest::addRow("allocation %d", stage) << TX::ALLOC[stage] << int(QcmaParameter::TypeBitArray);
    }
    for (int field = 0; field < 5; ++field) {
        QTest::addRow("Tx mapping %d", field) << TX::MAPPING[field] << enumKind;
        QTest::addRow("Rx mapping %d", field) << RX::MAPPING[field] << enumKind;
    }
    for (int level = 0; level < 4; ++level) {
        QTest::addRow("PM byte 3, level %d", level) << TX::ODU_PM_BITS[level] << uintKind;
        for (int tcm = 0; tcm < 6; ++tcm)
            QTest::addRow("TCM%d byte 3, level %d", tcm + 1, level) << TX::ODU_TCM_BITS[level][tcm] << uintKind;
    }
    QTest::newRow("SM byte 3") << 11019 << uintKind;
    QTest::newRow("UPI") << 11137 << uintKind;
    QTest::newRow("TTI encoding") << 13001 << enumKind;
    QTest::newRow("TCM results") << 13002 << enumKind;
    QTest::newRow("apply move") << 14011 << int(QcmaParameter::TypeInt);
    QTest::newRow("scan running") << 16001 << int(QcmaParameter::TypeInt);
    QTest::newRow("scan channel 1") << 16002 << uintKind;
    QTest::newRow("scan channel 3") << 16004 << uintKind;
    QTest::newRow("LLD error lanes") << 14039 << int(QcmaParameter::TypeBitArray);
    QTest::newRow("Tx module") << 11143 << enumKind;
    QTest::newRow("Rx module") << 12001 << enumKind;
    QTest::newRow("category") << 14031 << enumKind;
}

void tst_CatalogueConsistency::kindsMatchHowTheScreensWrite()
{
    QFETCH(int, id);
    QFETCH(int, kind);
    const ParameterDefinition *d = m_link->catalogue().find(nsSID::otn, id);
    QVERIFY(d);
    QCOMPARE(d->kind, kind);
}

void tst_CatalogueConsistency::overheadLengthsFollowG709_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("value");

    using namespace PID::Otn;
    const QByteArray ident = QByteArray(1, '\0') + "JPNTAMBRIK ZEL ";
    QTest::newRow("SM SAPI") << 11016 << 16 << ident;
    QTest::newRow("SM DAPI") << 11017 << 16 << ident;
    QTest::newRow("SM operator specific") << 11018 << 32 << QByteArray(32, '\0');
    QTest::newRow("GCC0") << 11020 << 2 << QByteArray(2, '\0');
    QTest::newRow("FAS") << TX::ODU_FAS[0] << 6 << QByteArray::fromHex("F6F6F6282828");
    QTest::newRow("PM SAPI") << TX::ODU_PM_TTI_SAPI[0] << 16 << ident;
    QTest::newRow("PM operator specific") << TX::ODU_PM_TTI_OS[0] << 32 << QByteArray(32, '\0');
    QTest::newRow("TCM6 DAPI") << TX::ODU_TCM_TTI_DAPI[5] << 16 << ident;
    QTest::newRow("FTFL forward FIF") << TX::ODU_FTFL_FFI[0] << 1 << QByteArray(1, '\0');
    QTest::newRow("FTFL forward OIF") << TX::ODU_FTFL_FOI[0] << 9 << QByteArray("JPNZEL   ");
    QTest::newRow("FTFL forward operator") << TX::ODU_FTFL_FOS[0] << 118 << QByteArray(118, '\0');
    QTest::newRow("FTFL backward OIF") << TX::ODU_FTFL_BOI[0] << 9 << QByteArray("JPNZEL   ");
    QTest::newRow("FTFL backward operator") << TX::ODU_FTFL_BOS[0] << 118 << QByteArray(118, '\0');
    QTest::newRow("APS/PCC byte 1") << TX::ODU_APS_FB[0] << 1 << QByteArray(1, '\0');
    QTest::newRow("APS/PCC bytes 2-4") << TX::ODU_APS_SB[0] << 3 << QByteArray(3, '\0');
    QTest::newRow("EXP") << TX::ODU_EXP[0] << 2 << QByteArray(2, '\0');
    QTest::newRow("RES row 4") << TX::ODU_RES2[0] << 6 << QByteArray(6, '\0');
    QTest::newRow("TCM TTI byte, level 2") << TX::ODU_TCM_TTI_OH[1][0] << 1 << QByteArray(1, '\0');
    QTest::newRow("PSI[0]") << TX::OPU_PAYLOAD_TYPE[0] << 1 << QByteArray();
}

void tst_CatalogueConsistency::overheadLengthsFollowG709()
{
    QFETCH(int, id);
    QFETCH(int, length);
    QFETCH(QByteArray, value);
    const ParameterDefinition *d = m_link->catalogue().find(nsSID::otn, id);
    QVERIFY(d);
    QCOMPARE(d->kind, int(QcmaParameter::TypeByteArray));
    QCOMPARE(d->length, length);
    const QcmaParameter *held = m_link->value(nsSID::build(1, nsSID::otn, id));
    QVERIFY(held);
    QCOMPARE(held->getByteArray().size(), length);
    if (!value.isEmpty())
        QCOMPARE(held->getByteArray(), value);
}

QTEST_GUILESS_MAIN(tst_CatalogueConsistency)
#include "tst_catalogueconsistency.moc"
