#include <QtTest>

#include <functional>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnalarmerror.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameter.h"

using C = OtnSignalCatalogue;
using namespace nsSettings::Otn;

class tst_OtnSignalCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void oduRates_data();
    void oduRates();
    void catalogueFileAgrees();
};

// G.709 Table 7-2 and G.Sup43: ODU = 239/(255-k') x client-derived rate, kbit/s.
void tst_OtnSignalCatalogue::oduRates_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("ODU1") << int(C::Odu1) << 2498775.126 << 20.0;
    QTest::newRow("ODU2") << int(C::Odu2) << 10037273.924 << 20.0;
    QTest::newRow("ODU2e") << int(C::Odu2e) << 10399525.316 << 100.0;
    QTest::newRow("ODU3") << int(C::Odu3) << 40319218.983 << 20.0;
    QTest::newRow("ODU4") << int(C::Odu4) << 104794445.815 << 20.0;
    QTest::newRow("ODU2f") << int(C::Odu2f) << 10607515.823 << 100.0;
    QTest::newRow("ODU3e1") << int(C::Odu3e1) << 41774364.407 << 20.0;
    QTest::newRow("ODU3e2") << int(C::Odu3e2) << 41785968.560 << 20.0;
}

void tst_OtnSignalCatalogue::oduRates()
{
    QFETCH(int, type);
    QFETCH(double, rate);
    QFETCH(double, tolerance);
    const C::Odu &odu = C::odu(C::OduType(type));
    QVERIFY2(qAbs(odu.rateKbps - rate) < 0.001, qPrintable(QString::number(odu.rateKbps, 'f', 4)));
    QCOMPARE(odu.tolerancePpm, tolerance);
}

void tst_OtnSignalCatalogue::catalogueFileAgrees()
{
    ParameterCatalogue catalogue;
    QStringList errors;
    QVERIFY(catalogue.loadFile(QStringLiteral(ZEL_SOURCE_ROOT "simulator/catalogue/mapping.json"), &errors));
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

    struct Expect {
        int txId;
        int rxId;
        QVector<int> values;
        std::function<QString(int, int)> name;
        std::function<bool(int)> active;
    };
    const auto always = [](int) { return true; };
    const QList<Expect> expected = {
        {11008, 12006, C::interfaceValues(), [](int v, int) { return C::interfaceName(v); },
         [](int v) { return C::interfaceSignal(v) != nullptr; }},
        {11009, 12007, C::clientValues(), C::clientName, [](int v) { return C::client(v) != nullptr; }},
        {11010, 12008, C::multiplexKinds(), [](int v, int) { return C::multiplexName(v); },
         [](int v) { return v == 0 || C::multiplex(v); }},
        {11011, 12009, C::stage1Values(), [](int v, int) { return C::stage1Name(v); }, always},
        {11166, 12022, C::stage2Values(), [](int v, int) { return C::stage2Name(v); }, always},
        {14002, 14002, QVector<int>::fromList(OtnAlarmError::allItems()),
         [](int v, int) { return OtnAlarmError::itemName(v); }, always},
    };
    for (const Expect &e : expected) {
        for (int id : {e.txId, e.rxId}) {
            const ParameterDefinition *d = catalogue.find(nsSID::otn, id);
            QVERIFY2(d, qPrintable(QString::number(id)));
            QCOMPARE(d->kind, int(QcmaParameter::TypeEnum));
            QCOMPARE(d->enumerators.size(), e.values.size());
            for (int i = 0; i < e.values.size(); ++i) {
                const ParameterDefinition::Enumerator &en = d->enumerators.at(i);
                QCOMPARE(en.value, e.values.at(i));
                for (int terminology = 0; terminology < 3; ++terminology)
                    QCOMPARE(d->valueName(en.value, terminology), e.name(en.value, terminology));
                QCOMPARE(en.active, e.active(en.value));
            }
        }
    }
    QCOMPARE(catalogue.find(nsSID::otn, 11008)->defaultValue.toInt(), 1);
    QCOMPARE(catalogue.count(), 11);
}

QTEST_GUILESS_MAIN(tst_OtnSignalCatalogue)
#include "tst_otnsignalcatalogue.moc"
