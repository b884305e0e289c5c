#include <QtTest>

#include <cmath>
#include <memory>

#include <QRegularExpression>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterbitarray.h"
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

struct Use {
    int group;
    int id;
    QString where;
};

// Every id the id tables name, read from their definitions (0 marks "no such parameter"): the tables
// of the sources and the single ids of the headers. Numbers written elsewhere are scripts/check-ids'
// business.
QVector<Use> tableIds()
{
    static const QRegularExpression table(QStringLiteral("const int (\\w+)[^=]*=\\s*\\{([^;]*)\\};"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    static const QRegularExpression single(QStringLiteral("constexpr int (\\w+) = (\\d+);"));
    const struct {
        const char *name;
        int group;
    } files[] = {{"otnpid.cpp", nsSID::otn}, {"otniid.cpp", nsSID::otn}, {"otnpid.h", nsSID::otn},
                 {"otniid.h", nsSID::otn}, {"globalpid.h", nsSID::global}};
    QVector<Use> uses;
    for (const auto &f : files) {
        QFile file(QStringLiteral(SIM_SOURCE_DIR "/host/otn/") + QLatin1String(f.name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        auto tables = table.globalMatch(text);
        while (tables.hasNext()) {
            const QRegularExpressionMatch t = tables.next();
            auto ids = number.globalMatch(t.captured(2));
            for (int i = 0; ids.hasNext(); ++i)
                uses.append({f.group, ids.next().captured().toInt(), QStringLiteral("%1[%2]").arg(t.captured(1)).arg(i)});
        }
        auto singles = single.globalMatch(text);
        while (singles.hasNext()) {
            const QRegularExpressionMatch m = singles.next();
            uses.append({f.group, m.captured(2).toInt(), m.captured(1)});
        }
    }
    return uses;
}

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

Candidate enumValue(int sid, int v)
{
    return Candidate(new QcmaParameterEnum(sid, v));
}

Candidate intValue(int sid, int v)
{
    return Candidate(new QcmaParameterInt(sid, v));
}

Candidate undefined(Candidate c)
{
    c->setDefined(false);
    return c;
}

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
Q_DECLARE_METATYPE(QSharedPointer<IntervalData>)

// The simulated tester's parameters: its catalogue, the store that holds and checks their values, and
// the link that answers the manager.
class tst_SimulatedServerLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCatalogueFileLoadsWithoutClash();
    void usedIdsAreInTheCatalogue_data();
    void usedIdsAreInTheCatalogue();
    void overheadLengthsFollowG709_data();
    void overheadLengthsFollowG709();
    void storeDefaultsComeFromTheCatalogue();
    void storeValidates_data();
    void storeValidates();
    void storeAssignTakesTheValueButKeepsTheDefinition();
    void storeRecordsServerChangesInOrderOnceWhenTheyChangeSomething();
    void confirmationIsQueued();
    void batchIsAppliedInOrderAndConfirmedAsOne();
    void intervalDataCarriesPortSidAndSelector();

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
    qRegisterMetaType<QSharedPointer<IntervalData>>();
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

// Every id the id tables name.
void tst_SimulatedServerLink::usedIdsAreInTheCatalogue_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    const QVector<Use> tables = tableIds();
    QVERIFY2(tables.size() > 400, "the id tables were not found: wrong source folder?");
    for (const Use &use : tables) {
        if (use.id)
            QTest::addRow("%s = %d", qPrintable(use.where), use.id) << use.group << use.id;
    }
}

void tst_SimulatedServerLink::usedIdsAreInTheCatalogue()
{
    QFETCH(int, group);
    QFETCH(int, id);
    QVERIFY(m_link->catalogue().find(group, id));
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
    QTest::newRow("TCM6 DAPI") << TX::ODU_TCM_TTI_DAPI[5] << ident;
    QTest::newRow("FTFL backward OIF") << TX::ODU_FTFL_BOI[0] << QByteArray("JPNZEL   ");
    QTest::newRow("FTFL forward operator") << TX::ODU_FTFL_FOS[0] << QByteArray(118, '\0');
    QTest::newRow("TCM TTI byte, level 2") << TX::ODU_TCM_TTI_OH[1][0] << QByteArray(1, '\0');
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

void tst_SimulatedServerLink::storeDefaultsComeFromTheCatalogue()
{
    ParameterStore store(m_catalogue, 2);
    QCOMPARE(store.value(nsSID::otnSid(2, 101))->getEnum(), 1);
    QCOMPARE(store.value(nsSID::otnSid(2, 105))->getByteArray(), QByteArray("ABC"));
    QBitArray lanes(4);
    lanes.setBit(0);
    lanes.setBit(2);
    QCOMPARE(store.value(nsSID::otnSid(1, 106))->getBitArray(), lanes);
    QVERIFY(!store.value(nsSID::otnSid(1, 107))->isDefined());
    QCOMPARE(store.intValue(nsSID::otnSid(1, 107)), 0);
    QCOMPARE(store.intValue(nsSID::otnSid(1, 103)), 1);
}

void tst_SimulatedServerLink::storeValidates_data()
{
    QTest::addColumn<Candidate>("candidate");
    QTest::addColumn<QString>("reason");

    const int mode = nsSID::otnSid(1, 101);
    QTest::newRow("active enumerator") << enumValue(mode, 3) << QString();
    QTest::newRow("enumerator marked inactive") << enumValue(mode, 4) << "enumerator 4 is not active";
    QTest::newRow("enumerator beyond the range") << enumValue(mode, 9) << "value 9 outside 0..4";
    QTest::newRow("int below range") << intValue(nsSID::otnSid(1, 102), -6) << "value -6 outside -5..5";
    QTest::newRow("double above range") << Candidate(new QcmaParameterDouble(nsSID::otnSid(1, 104), 100.5))
                                        << "value 100.5 outside -100..100";
    QTest::newRow("double not a number") << Candidate(new QcmaParameterDouble(nsSID::otnSid(1, 104), std::nan("")))
                                         << "value is not a finite number";
    QTest::newRow("bytes too short") << Candidate(new QcmaParameterByteArray(nsSID::otnSid(1, 105), "xy"))
                                     << "byte length 2, expected 3";
    QTest::newRow("bits of another count")
        << Candidate(new QcmaParameterBitArray(nsSID::otnSid(1, 106), QBitArray(5))) << "bit count 5, expected 4";
    QTest::newRow("bytes for a bit array") << Candidate(new QcmaParameterByteArray(nsSID::otnSid(1, 106), "\x0f"))
                                           << "wrong parameter type 5 (expected 6)";
    QTest::newRow("unknown id") << intValue(nsSID::otnSid(1, 999), 1) << "unknown parameter";
    QTest::newRow("global without port") << enumValue(nsSID::build(nsSID::noPort, 0x050000, 48), 1) << QString();
    QTest::newRow("undefined candidate") << undefined(enumValue(mode, 1)) << "undefined value";
    QTest::newRow("parameter not available")
        << Candidate(new QcmaParameterUInt(nsSID::otnSid(1, 107), 3)) << "not available in the current configuration";
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

void tst_SimulatedServerLink::storeAssignTakesTheValueButKeepsTheDefinition()
{
    ParameterStore store(m_catalogue, 2);
    // A client may build a bare enumeration; the store keeps its own range and active values.
    QVERIFY(store.assign(QcmaParameterEnum(nsSID::otnSid(1, 101), 3)));
    const auto *mode = static_cast<const QcmaParameterEnum *>(store.value(nsSID::otnSid(1, 101)));
    QCOMPARE(mode->getEnum(), 3);
    QCOMPARE(mode->activeEnums(), QVector<int>({0, 1, 3}));
    QCOMPARE(store.value(nsSID::otnSid(2, 101))->getEnum(), 1);

    QVERIFY(store.assign(QcmaParameterByteArray(nsSID::otnSid(1, 105), "xyz")));
    const auto *tag = static_cast<const QcmaParameterByteArray *>(store.value(nsSID::otnSid(1, 105)));
    QCOMPARE(tag->getValue(), QByteArray("xyz"));
    QCOMPARE(tag->fixedLength(), 3);

    QVERIFY(!store.assign(QcmaParameterByteArray(nsSID::otnSid(1, 105), "xyz")));
    QCOMPARE(store.takeChanges(), QList<int>({nsSID::otnSid(1, 101), nsSID::otnSid(1, 105)}));
}

void tst_SimulatedServerLink::storeRecordsServerChangesInOrderOnceWhenTheyChangeSomething()
{
    ParameterStore store(m_catalogue, 2);
    QVERIFY(store.setValue(nsSID::otnSid(2, 102), 4));
    QVERIFY(store.setDefined(nsSID::otnSid(1, 107), true));
    QVERIFY(store.setActiveEnums(nsSID::otnSid(1, 101), {0, 1}));
    QVERIFY(store.setValue(nsSID::otnSid(2, 102), -2));
    QVERIFY(store.setRange(nsSID::otnSid(1, 103), 1, 4));
    QVERIFY(store.setRange(nsSID::otnSid(1, 104), -10, 10));
    // Writes that change nothing, or name no such parameter, are not recorded.
    QVERIFY(!store.setValue(nsSID::otnSid(2, 102), -2));
    QVERIFY(!store.setDefined(nsSID::otnSid(1, 101), true));
    QVERIFY(!store.setActiveEnums(nsSID::otnSid(1, 101), {0, 1}));
    QVERIFY(!store.setRange(nsSID::otnSid(1, 102), -5, 5));
    QVERIFY(!store.setByteArray(nsSID::otnSid(1, 105), "ABC", 3));
    QVERIFY(!store.setValue(nsSID::otnSid(1, 999), 1));
    QVERIFY(!store.setActiveEnums(nsSID::otnSid(1, 102), {1}));
    QCOMPARE(store.takeChanges(), QList<int>({nsSID::otnSid(2, 102), nsSID::otnSid(1, 107), nsSID::otnSid(1, 101),
                                              nsSID::otnSid(1, 103), nsSID::otnSid(1, 104)}));
    QVERIFY(store.takeChanges().isEmpty());

    QCOMPARE(store.intValue(nsSID::otnSid(2, 102)), -2);
    QVERIFY(store.value(nsSID::otnSid(1, 107))->isDefined());
    QString why;
    QVERIFY(!store.validate(QcmaParameterEnum(nsSID::otnSid(1, 101), 3), &why));
    QCOMPARE(why, QStringLiteral("enumerator 3 is not active"));
    QVERIFY(!store.validate(QcmaParameterUInt(nsSID::otnSid(1, 103), 5), &why));
    QCOMPARE(why, QStringLiteral("value 5 outside 1..4"));
    QVERIFY(!store.validate(QcmaParameterDouble(nsSID::otnSid(1, 104), 11), &why));
    QCOMPARE(static_cast<const QcmaParameterDouble *>(store.value(nsSID::otnSid(1, 104)))->decimals(), 1);
}

void tst_SimulatedServerLink::confirmationIsQueued()
{
    TesterFixture f(options());
    QSignalSpy spy(f.link(), &ServerLink::parameterChanged);
    QVERIFY(f.write(1, 11012, 0));
    // Nothing is answered while the write call runs.
    QCOMPARE(spy.count(), 0);
    QCOMPARE(f.cached(1, 11012)->getEnum(), 1);
    QCOMPARE(f.link()->pendingAnswers(), 1);
    QTRY_COMPARE(f.cached(1, 11012)->getEnum(), 0);
    QCOMPARE(sidsOf(spy), QList<int>({nsSID::otnSid(1, 11012)}));
    QCOMPARE(f.link()->value(nsSID::otnSid(2, 11012))->getEnum(), 1);
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
}

void tst_SimulatedServerLink::intervalDataCarriesPortSidAndSelector()
{
    TesterFixture f(options());
    // Port 2 scans its tributaries, so its answer carries the scan's words too.
    QVERIFY(f.writeAndWait(2, PID::Otn::SCAN::RUNNING, 1));
    QSignalSpy spy(f.link(), &ServerLink::intervalDataArrived);
    f.manager()->Interval_GetAndPost_Ex(2, nsSID::otn, currentIntervalSelector);
    f.manager()->Interval_GetAndPost_Ex(3, nsSID::otn, currentIntervalSelector);
    f.manager()->Interval_GetAndPost_Ex(1, nsSID::general, currentIntervalSelector);
    QCOMPARE(spy.count(), 0);
    QVERIFY(f.settle());
    QCOMPARE(spy.count(), 3);
    QList<int> sids;
    for (const QList<QVariant> &args : spy) {
        const auto data = args.at(0).value<QSharedPointer<IntervalData>>();
        sids.append(data->sid());
        QCOMPARE(data->selector(), currentIntervalSelector);
        if (auto capture = data.dynamicCast<IntervalDataOtnCapture>()) {
            for (const QByteArray &record : capture->records)
                QCOMPARE(record.size(), IntervalDataOtnCapture::recordSize);
        }
    }
    QCOMPARE(sids, QList<int>({nsSID::otnSid(2, 7101), nsSID::otnSid(2, 3101),
                               nsSID::otnSid(2, IntervalDataCounters::blockId)}));
}

QTEST_GUILESS_MAIN(tst_SimulatedServerLink)
#include "tst_simulatedserverlink.moc"
