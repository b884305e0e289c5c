#include <QtTest>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/parameters/qcmaparametermap.h"
#include "host/parameters/qcmaparameteruint.h"

using ParameterPtr = QSharedPointer<QcmaParameter>;
Q_DECLARE_METATYPE(ParameterPtr)

class tst_Parameters : public QObject
{
    Q_OBJECT
private slots:
    void accepts_data();
    void accepts();
    void mapHoldsNewestPerSidInOrderSet();
    void definitionFromJson();
};

void tst_Parameters::accepts_data()
{
    QTest::addColumn<ParameterPtr>("current");
    QTest::addColumn<ParameterPtr>("candidate");
    QTest::addColumn<bool>("accepted");
    auto enumWithHole = [] {
        auto *e = new QcmaParameterEnum(1, 0, 0, 5);
        e->setEnumActive(2, false);
        return ParameterPtr(e);
    };
    QTest::newRow("int above range") << ParameterPtr(new QcmaParameterInt(1, 0, 2, 4))
                                     << ParameterPtr(new QcmaParameterInt(1, 5)) << false;
    QTest::newRow("wrong kind") << ParameterPtr(new QcmaParameterInt(1, 0, 0, 9))
                                << ParameterPtr(new QcmaParameterUInt(1, 3)) << false;
    QTest::newRow("active enumerator") << enumWithHole() << ParameterPtr(new QcmaParameterEnum(1, 3, 0, 5)) << true;
    QTest::newRow("inactive enumerator") << enumWithHole() << ParameterPtr(new QcmaParameterEnum(1, 2, 0, 5)) << false;
    QTest::newRow("byte length") << ParameterPtr(new QcmaParameterByteArray(1, QByteArray(16, 0), 16))
                                 << ParameterPtr(new QcmaParameterByteArray(1, QByteArray(15, 0))) << false;
    QTest::newRow("free byte length") << ParameterPtr(new QcmaParameterByteArray(1, QByteArray(2, 0)))
                                      << ParameterPtr(new QcmaParameterByteArray(1, QByteArray(5, 0))) << true;
    QTest::newRow("bit count") << ParameterPtr(new QcmaParameterBitArray(1, QBitArray(8)))
                               << ParameterPtr(new QcmaParameterBitArray(1, QBitArray(32))) << false;
}

void tst_Parameters::accepts()
{
    QFETCH(ParameterPtr, current);
    QFETCH(ParameterPtr, candidate);
    QFETCH(bool, accepted);
    QString reason;
    QCOMPARE(current->accepts(*candidate, &reason), accepted);
    QCOMPARE(reason.isEmpty(), accepted);
}

void tst_Parameters::mapHoldsNewestPerSidInOrderSet()
{
    // A batch goes out in the order its values were set, a value set again at its new place.
    QcmaParameterMap map;
    QcmaParameterUInt a(11, 1), b(10, 2), c(12, 3), d(11, 4);
    for (const QcmaParameter *p : {&a, &b, &c, &d})
        map.AddParameter(p);
    QList<uint> held;
    for (const QcmaParameter *p : map.parameters())
        held << uint(p->getSID()) * 10 + p->getUInt();
    QCOMPARE(held, (QList<uint>{102, 123, 114}));
    QCOMPARE(map.find(11)->getUInt(), 4u);
}

void tst_Parameters::definitionFromJson()
{
    ParameterCatalogue catalogue;
    QStringList errors;
    QVERIFY(catalogue.loadJson(R"({"parameters": [
        {"id": 11009, "group": "0x0D0000", "kind": "enum", "name": "Client Signal", "default": 1,
         "values": [{"value": 0, "name": "Bulk"}, {"value": 1, "name": "STM-16", "sonet": "OC-48"},
                    {"value": 2, "name": "Reserved", "active": false}]},
        {"id": 11129, "group": "0x0D0000", "kind": "bytes", "length": 4, "default": "01020304"}]})", &errors));
    QCOMPARE(errors.size(), 0);
    QVERIFY(!catalogue.loadJson(R"({"parameters": [{"id": 11129, "group": "0x0D0000", "kind": "uint"}]})", &errors));
    QCOMPARE(errors.size(), 1);   // defined twice
    const ParameterDefinition *client = catalogue.find(nsSID::otn, 11009);
    QVERIFY(client);
    QCOMPARE(client->valueName(1, 0), QStringLiteral("STM-16"));
    QCOMPARE(client->valueName(1, 2), QStringLiteral("OC-48"));
    const std::unique_ptr<QcmaParameter> p = client->createParameter(0x010D2B01);
    QCOMPARE(p->getEnum(), 1);
    QVERIFY(!static_cast<QcmaParameterEnum *>(p.get())->isEnumActive(2));
    const std::unique_ptr<QcmaParameter> bytes = catalogue.find(nsSID::otn, 11129)->createParameter(1);
    QCOMPARE(bytes->getByteArray(), QByteArray::fromHex("01020304"));
}

QTEST_GUILESS_MAIN(tst_Parameters)
#include "tst_parameters.moc"
