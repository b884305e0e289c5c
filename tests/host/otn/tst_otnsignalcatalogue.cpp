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

namespace {

// Every valid structure, stages behind a missing stage written as 0.
QVector<OtnMapping> validMappings()
{
    QVector<OtnMapping> all;
    for (int i : C::interfaceValues())
        for (int c : C::clientValues())
            for (int s0 : C::multiplexKinds())
                for (int s1 : C::stage1Values())
                    for (int s2 : C::stage2Values()) {
                        if ((s0 == 0 && s1 != 0) || (s1 == 0 && s2 != 0))
                            continue;
                        const OtnMapping m(i, c, s0, s1, s2);
                        if (m.isValid())
                            all << m;
                    }
    return all;
}

// The OPU overhead kinds the capture view labels per level (0 AMP JC/NJO, 1 GMP JC1-6, 2 no
// justification, 3 GMP with OMFI, 4 AMP with two NJO), as the capture view derives them.
QList<int> captureOpuKinds(const OtnMapping &m)
{
    QList<int> kinds;
    const int v0 = m[OtnMapping::FieldStage0] - 1;
    if (QList<int>{0, 10, 11, 19, 20}.contains(v0))
        kinds << 1;
    else if ((v0 >= 1 && v0 <= 6) || v0 == 8)
        kinds << 0;
    else if (v0 == 12)
        kinds << 4;
    else if (QList<int>{13, 14, 15, 17, 18, 21}.contains(v0))
        kinds << 3;
    const int v1 = m[OtnMapping::FieldStage1] - 1;
    if (QList<int>{0, 2, 3}.contains(v1))
        kinds << 0;
    else if (v1 == 1 || v1 == 4)
        kinds << 1;
    if (m[OtnMapping::FieldStage2] == 1)
        kinds << 0;
    const int c = m[OtnMapping::FieldClient];
    if (QList<int>{0, 5, 9, 11}.contains(c) || (c >= 23 && c <= 31))
        kinds << 2;
    else if (QList<int>{1, 3, 4, 6, 7, 13, 14, 18, 20, 22}.contains(c))
        kinds << 1;
    else if (QList<int>{2, 8, 10, 12, 15, 16, 17}.contains(c))
        kinds << 0;
    return kinds;
}

// The same kinds as this catalogue's procedures give them.
int designedOpuKind(const OtnMapping &m, int level)
{
    if (level < m.getOduCount() - 1) {
        const C::Multiplex *mux = C::multiplex(m.convertMultiplexes().at(level));
        if (mux->procedure == C::ProcGmp)
            return mux->ho == C::Odu4 ? 3 : 1;
        return mux->kind == MUX_ODU2E_ODU3E1 ? 4 : 0;
    }
    const C::Client *client = C::client(m[OtnMapping::FieldClient]);
    if (client->procedure == C::ProcGmp)
        return 1;
    if (client->procedure == C::ProcAmp || (client->procedure == C::ProcBmp && client->sdh))
        return 0;
    return 2;
}

} // namespace

class tst_OtnSignalCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void oduRates_data();
    void oduRates();
    void opuKindsAgreeWithProcedures();
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

void tst_OtnSignalCatalogue::opuKindsAgreeWithProcedures()
{
    const QVector<OtnMapping> mappings = validMappings();
    QVERIFY(mappings.size() > 500);
    int checked = 0;
    for (const OtnMapping &m : mappings) {
        // The capture view gives ODU2e in ODU3 no kind of its own.
        if (m[OtnMapping::FieldStage0] == MUX_ODU2E_ODU3)
            continue;
        const QList<int> kinds = captureOpuKinds(m);
        QCOMPARE(kinds.size(), m.getOduCount());
        for (int level = 0; level < kinds.size(); ++level) {
            QVERIFY2(kinds.at(level) == designedOpuKind(m, level),
                     qPrintable(QString("%1/%2/%3/%4/%5 level %6")
                                    .arg(m[0]).arg(m[1]).arg(m[2]).arg(m[3]).arg(m[4]).arg(level)));
            ++checked;
        }
    }
    QVERIFY(checked > 1000);
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
