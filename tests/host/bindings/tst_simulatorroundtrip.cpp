#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

// Bindings against the simulated tester: what the tester holds reaches the widget, and the user's
// choice reaches the tester and comes back confirmed.
class tst_SimulatorRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void comboRoundTrip_data();
    void comboRoundTrip();
};

void tst_SimulatorRoundTrip::comboRoundTrip_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("id");

    QTest::newRow("error insertion mode, port 1") << 1 << 14003;
    QTest::newRow("error rate, port 2") << 2 << 14007;
    QTest::newRow("FEC control, port 1") << 1 << 11012;
}

void tst_SimulatorRoundTrip::comboRoundTrip()
{
    QFETCH(int, port);
    QFETCH(int, id);

    TesterFixture fixture;
    const int sid = nsSID::otnSid(port, id);
    const QcmaParameter *held = fixture.cachedSid(sid);
    QVERIFY2(held, "the simulated tester knows the parameter");
    QCOMPARE(held->getType(), int(QcmaParameter::TypeEnum));
    const QVector<int> active = static_cast<const QcmaParameterEnum *>(held)->activeEnums();
    QVERIFY2(active.size() >= 2, "a choice needs two enumerators");
    const int before = held->getEnum();
    const ParameterDefinition *definition = fixture.link()->catalogue().findBySid(sid);
    QVERIFY(definition);

    QWidget page;
    auto *combo = new QComboBox(&page);
    auto *name = new QLabel(&page);
    UiHelper_Enum_ComboBox binding(fixture.manager(), combo, name, nullptr, nullptr, sid,
                                   UiHelper::ConnectImmediately);

    // Reads and displays.
    QCOMPARE(binding.itemValues(), active);
    QCOMPARE(combo->count(), active.size());
    const int terminology = fixture.manager()->GetTerminology(port);
    for (int i = 0; i < active.size(); ++i)
        QCOMPARE(combo->itemText(i), definition->valueName(active.at(i), terminology));
    QCOMPARE(combo->currentIndex(), active.indexOf(before));
    QCOMPARE(name->text(), definition->name);
    QVERIFY(combo->isEnabled());

    // Writes back and receives the confirmation.
    const int requestsBefore = fixture.link()->writeRequests();
    const int chosenIndex = (active.indexOf(before) + 1) % active.size();
    const int chosen = active.at(chosenIndex);
    combo->setCurrentIndex(chosenIndex);
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + 1);
    QTRY_COMPARE(fixture.cachedSid(sid)->getEnum(), chosen);
    QCOMPARE(binding.QcmaParameter_Get()->getEnum(), chosen);
    QCOMPARE(combo->currentIndex(), chosenIndex);
    QCOMPARE(combo->count(), active.size());
    // The confirmation refilled the combo without writing again.
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + 1);
}

QTEST_MAIN(tst_SimulatorRoundTrip)
#include "tst_simulatorroundtrip.moc"
