#include <QtTest>

#include <cmath>
#include <memory>

#include <QRegularExpression>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "simulator/parameterstore.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

namespace {

// A small catalogue with one parameter of every kind, one global parameter and an enumeration with a
// gap and an inactive value.
const char catalogueJson[] = R"({"parameters": [
 {"id": 101, "group": "0x0D0000", "kind": "enum", "name": "Mode", "default": 1,
  "values": [{"value": 0, "name": "Off"}, {"value": 1, "name": "On"}, {"value": 3, "name": "Auto"},
             {"value": 4, "name": "Spare", "active": false}]},
 {"id": 102, "group": "0x0D0000", "kind": "int", "name": "Count", "min": -5, "max": 5, "default": 0},
 {"id": 103, "group": "0x0D0000", "kind": "uint", "name": "Port", "min": 1, "max": 8, "default": 1},
 {"id": 104, "group": "0x0D0000", "kind": "double", "name": "Offset", "min": -100, "max": 100, "default": 0,
  "decimals": 1},
 {"id": 105, "group": "0x0D0000", "kind": "bytes", "name": "Tag", "length": 3, "default": "414243"},
 {"id": 106, "group": "0x0D0000", "kind": "bits", "name": "Lanes", "length": 4, "default": "1010"},
 {"id": 107, "group": "0x0D0000", "kind": "uint", "name": "Hidden", "min": 0, "max": 9, "default": 2,
  "defined": false},
 {"id": 48, "group": "0x050000", "kind": "enum", "name": "Lock", "global": true, "default": 0,
  "values": [{"value": 0, "name": "No"}, {"value": 1, "name": "Yes"}]}
]})";

using Candidate = std::shared_ptr<QcmaParameter>;

QList<int> sidsOf(const QSignalSpy &spy)
{
    QList<int> sids;
    for (const QList<QVariant> &args : spy)
        sids.append(args.at(0).value<QSharedPointer<QcmaParameter>>()->getSID());
    return sids;
}

} // namespace

Q_DECLARE_METATYPE(Candidate)
Q_DECLARE_METATYPE(QSharedPointer<QcmaParameter>)

// The simulated tester's parameters: its catalogue, the store that holds and checks their values, and
// the link that answers the manager.
class tst_SimulatedServerLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCatalogueFileLoadsWithoutClash();
    void idTablesNameOnlyCatalogueParameters();
    void overheadLengthsFollowG709_data();
    void overheadLengthsFollowG709();
    void storeValidates_data();
    void storeValidates();
    void storeTakesValuesAndRecordsChangesOnce();
    void batchIsAppliedInOrderAndConfirmedAsOne();

private:
    static SimulatorOptions options(int ports = 2) { return TesterFixture::testOptions(ports); }
    // A small catalogue of every kind, for the store.
    ParameterCatalogue m_catalogue;
    // The tester's own catalogue.
    std::unique_ptr<SimulatedServerLink> m_link;
};

void tst_SimulatedServerLink::initTestCase()
{
    qRegisterMetaType<QSharedPointer<QcmaParameter>>();
    QStringList errors;
    QVERIFY2(m_catalogue.loadJson(catalogueJson, &errors), qPrintable(errors.join('\n')));
    m_link = std::make_unique<SimulatedServerLink>(TesterFixture::testOptions(1));
}

void tst_SimulatedServerLink::everyCatalogueFileLoadsWithoutClash()
{
    QVERIFY2(m_link->catalogueErrors().isEmpty(), qPrintable(m_link->catalogueErrors().join('\n')));
    for (const ParameterDefinition *d : m_link->catalogue().all()) {
        QVERIFY2(!d->name.isEmpty(), qPrintable(QString::number(d->id)));
        if (d->kind == QcmaParameter::TypeEnum)
            QVERIFY2(!d->enumerators.isEmpty(), qPrintable(d->name));
    }
}

// Every id the id tables of the sources and the single ids of the headers name (0 marks "no such
// parameter"); numbers written elsewhere are scripts/check-ids' business.
void tst_SimulatedServerLink::idTablesNameOnlyCatalogueParameters()
{
    static const QRegularExpression table(QStringLiteral("const int (\\w+)[^=]*=\\s*\\{([^;]*)\\};"));
    static const QRegularExpression single(QStringLiteral("constexpr int (\\w+) = (\\d+);"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QStringList missing;
    int ids = 0;
    for (const char *name : {"otnpid.cpp", "otniid.cpp", "otnpid.h", "otniid.h", "globalpid.h"}) {
        QFile file(QStringLiteral(SIM_SOURCE_DIR "/host/otn/") + QLatin1String(name));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), name);
        const int group = qstrcmp(name, "globalpid.h") == 0 ? nsSID::global : nsSID::otn;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpression *definition : {&table, &single}) {
            for (auto d = definition->globalMatch(text); d.hasNext();) {
                const QRegularExpressionMatch m = d.next();
                for (auto n = number.globalMatch(m.captured(2)); n.hasNext(); ++ids) {
                    const int id = n.next().captured().toInt();
                    if (id && !m_link->catalogue().find(group, id))
                        missing << QStringLiteral("%1 = %2").arg(m.captured(1)).arg(id);
                }
            }
        }
    }
    QVERIFY2(ids > 400, "the id tables were not found: wrong source folder?");
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void tst_SimulatedServerLink::overheadLengthsFollowG709_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("value");

    // The lengths of the other overhead fields are covered by the writes of tst_intervaldata.
    using namespace PID::Otn;
    const QByteArray ident = QByteArray(1, '\0') + "JPNTAMBRIK ZEL ";
    QTest::newRow("SM SAPI") << int(TX::OTU_SM_TTI_SAPI) << ident;
    QTest::newRow("PM operator specific") << TX::ODU_PM_TTI_OS[0] << QByteArray(32, '\0');
    QTest::newRow("FTFL backward OIF") << TX::ODU_FTFL_BOI[0] << QByteArray("JPNZEL   ");
    QTest::newRow("FTFL forward operator") << TX::ODU_FTFL_FOS[0] << QByteArray(118, '\0');
}

void tst_SimulatedServerLink::overheadLengthsFollowG709()
{
    QFETCH(int, id);
    QFETCH(QByteArray, value);
    const ParameterDefinition *d = m_link->catalogue().find(nsSID::otn, id);
    QVERIFY(d);
    QCOMPARE(d->kind, int(QcmaParameter::TypeByteArray));
    QCOMPARE(d->length, value.size());
    const QcmaParameter *held = m_link->value(nsSID::otnSid(1, id));
    QVERIFY(held);
    QCOMPARE(held->getByteArray(), value);
}

void tst_SimulatedServerLink::storeValidates_data()
{
    QTest::addColumn<Candidate>("candidate");
    QTest::addColumn<QString>("reason");

    QTest::newRow("active enumerator") << Candidate(new QcmaParameterEnum(nsSID::otnSid(1, 101), 3)) << QString();
    QTest::newRow("double not a number") << Candidate(new QcmaParameterDouble(nsSID::otnSid(1, 104), std::nan("")))
                                         << "value is not a finite number";
    QTest::newRow("bytes too short") << Candidate(new QcmaParameterByteArray(nsSID::otnSid(1, 105), "xy"))
                                     << "byte length 2, expected 3";
    QTest::newRow("global without port")
        << Candidate(new QcmaParameterEnum(nsSID::build(nsSID::noPort, 0x050000, 48), 1)) << QString();
}

void tst_SimulatedServerLink::storeValidates()
{
    QFETCH(Candidate, candidate);
    QFETCH(QString, reason);

    ParameterStore store(m_catalogue, 3);
    QString why = QStringLiteral("untouched");
    QCOMPARE(store.validate(*candidate, &why), reason.isEmpty());
    QCOMPARE(why, reason);
}

void tst_SimulatedServerLink::storeTakesValuesAndRecordsChangesOnce()
{
    ParameterStore store(m_catalogue, 2);
    // A client may build a bare enumeration; the store keeps its own range and active values.
    QVERIFY(store.assign(QcmaParameterEnum(nsSID::otnSid(1, 101), 3)));
    const auto *mode = static_cast<const QcmaParameterEnum *>(store.value(nsSID::otnSid(1, 101)));
    QCOMPARE(mode->getEnum(), 3);
    QCOMPARE(mode->activeEnums(), QVector<int>({0, 1, 3}));
    QCOMPARE(store.value(nsSID::otnSid(2, 101))->getEnum(), 1);
    QVERIFY(store.assign(QcmaParameterByteArray(nsSID::otnSid(1, 105), "xyz")));
    QCOMPARE(static_cast<const QcmaParameterByteArray *>(store.value(nsSID::otnSid(1, 105)))->fixedLength(), 3);

    // The tester's own changes, recorded in order, once each, when they change something.
    QVERIFY(store.setValue(nsSID::otnSid(2, 102), 4));
    QVERIFY(store.setDefined(nsSID::otnSid(1, 107), true));
    QVERIFY(store.setValue(nsSID::otnSid(2, 102), -2));
    QVERIFY(store.setRange(nsSID::otnSid(1, 103), 1, 4));
    QVERIFY(!store.assign(QcmaParameterByteArray(nsSID::otnSid(1, 105), "xyz")));
    QVERIFY(!store.setValue(nsSID::otnSid(2, 102), -2));
    QVERIFY(!store.setDefined(nsSID::otnSid(1, 101), true));
    QVERIFY(!store.setActiveEnums(nsSID::otnSid(1, 101), {0, 1, 3}));
    QVERIFY(!store.setValue(nsSID::otnSid(1, 999), 1));
    QCOMPARE(store.takeChanges(), QList<int>({nsSID::otnSid(1, 101), nsSID::otnSid(1, 105), nsSID::otnSid(2, 102),
                                              nsSID::otnSid(1, 107), nsSID::otnSid(1, 103)}));
    QVERIFY(store.takeChanges().isEmpty());
    QCOMPARE(store.intValue(nsSID::otnSid(2, 102)), -2);
    QString why;
    QVERIFY(!store.validate(QcmaParameterUInt(nsSID::otnSid(1, 103), 5), &why));
    QCOMPARE(why, QStringLiteral("value 5 outside 1..4"));
}

void tst_SimulatedServerLink::batchIsAppliedInOrderAndConfirmedAsOne()
{
    TesterFixture f(options());
    QSignalSpy spy(f.link(), &ServerLink::parameterChanged);
    // Two values of the SM third byte's reserved bits: nothing the receiver reports on.
    QcmaParameterUInt first(nsSID::otnSid(1, 11019), 1);
    QcmaParameterUInt second(nsSID::otnSid(1, 11019), 3);
    QcmaParameterUInt burst(nsSID::otnSid(1, 14004), 7);
    // Only the tester ends an insertion: refused, the value it keeps is announced again.
    const int insertion = nsSID::otnSid(1, PID::Otn::STIMULI::INSERTION);
    QcmaParameterEnum refused(insertion, PID::Otn::STIMULI::INSERTION_DONE);
    QcmaParameterByteArray gcc0(nsSID::otnSid(2, 11020), QByteArray("\x12\x34", 2));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(SimTest::refusedLine(insertion, "only the tester ends an insertion")));
    f.manager()->SetQcmaParameterList({&first, &burst, &refused, &second, &gcc0});

    // Nothing is answered while the write call runs.
    QCOMPARE(spy.count(), 0);
    QCOMPARE(f.cached(1, 11019)->getUInt(), 0u);
    QCOMPARE(f.link()->writeRequests(), 1);
    QCOMPARE(f.link()->pendingAnswers(), 1);
    QVERIFY(f.settle());
    // One answer, each SID once, in the order of first mention; the later value of a SID wins.
    QCOMPARE(sidsOf(spy), QList<int>({nsSID::otnSid(1, 11019), nsSID::otnSid(1, 14004), insertion,
                                      nsSID::otnSid(2, 11020)}));
    QCOMPARE(f.cached(1, 11019)->getUInt(), 3u);
    QCOMPARE(f.cached(1, 14004)->getUInt(), 7u);
    QCOMPARE(f.cachedSid(insertion)->getEnum(), PID::Otn::STIMULI::INSERTION_OFF);
    QCOMPARE(f.cached(2, 11020)->getByteArray(), QByteArray("\x12\x34", 2));
    QCOMPARE(f.cached(1, 11020)->getByteArray(), QByteArray(2, '\0'));
}

QTEST_GUILESS_MAIN(tst_SimulatedServerLink)
#include "tst_simulatedserverlink.moc"
