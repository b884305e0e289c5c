#include <QtTest>

#include <cmath>
#include <memory>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/catalogue/parametercatalogue.h"
#include "simulator/parameterstore.h"

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

} // namespace

Q_DECLARE_METATYPE(Candidate)

class tst_ParameterStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void defaultsComeFromTheCatalogue();
    void validate_data();
    void validate();
    void assignTakesTheValueButKeepsTheDefinition();
    void serverChangesAreRecordedInOrderOnceWhenTheyChangeSomething();

private:
    ParameterCatalogue m_catalogue;
};

void tst_ParameterStore::initTestCase()
{
    QStringList errors;
    QVERIFY2(m_catalogue.loadJson(catalogueJson, &errors), qPrintable(errors.join('\n')));
}

void tst_ParameterStore::defaultsComeFromTheCatalogue()
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

void tst_ParameterStore::validate_data()
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

void tst_ParameterStore::validate()
{
    QFETCH(Candidate, candidate);
    QFETCH(QString, reason);

    ParameterStore store(m_catalogue, 3);
    QString why = QStringLiteral("untouched");
    QCOMPARE(store.validate(*candidate, &why), reason.isEmpty());
    QCOMPARE(why, reason);
}

void tst_ParameterStore::assignTakesTheValueButKeepsTheDefinition()
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

void tst_ParameterStore::serverChangesAreRecordedInOrderOnceWhenTheyChangeSomething()
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

QTEST_GUILESS_MAIN(tst_ParameterStore)
#include "tst_parameterstore.moc"
