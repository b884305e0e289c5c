#include <memory>

#include <QLabel>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/bindings/notifyinterface.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
const int sidA = nsSID::otnSid(1, 11008);
const int sidB = nsSID::otnSid(1, 11128);

// A tester whose catalogue names value 1 of the interface parameter (sidA) as given, holding that value.
std::unique_ptr<TesterFixture> namingTester(const QString &valueName)
{
    const QString json = QStringLiteral(R"({"parameters": [{"id": 11008, "group": "0x0D0000", "kind": "enum",
        "name": "Interface", "values": [{"value": 0, "name": "Off"}, {"value": 1, "name": "%1"}]}]})")
                             .arg(valueName);
    return std::make_unique<TesterFixture>(json.toUtf8(), QList<int>{1}, QHash<int, QVariant>{{sidA, 1}});
}

struct Recorder : NotifyInterface {
    QList<int> values;
    QList<quint32> intervals;
    void qcmaParameterChanged(const QcmaParameter &p) override { values.append(p.getInt()); }
    void intervalDataChanged(const IntervalData &d) override { intervals.append(d.selector()); }
};
} // namespace

class tst_ServerManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void batchShowsOnlyConfirmedValues();
    void portChangeRebinds();
    void flaggedSidNamesTheSameParameter();
    void intervalRequestsNameOnlyGroupsWithData();
    void textsComeFromTheirOwnServerAndOutliveAnother();

private:
    std::unique_ptr<TesterFixture> m_tester;
    TestServerLink *m_link = nullptr;
    zelServerManager *m_manager = nullptr;
};

void tst_ServerManager::init()
{
    m_tester = std::make_unique<TesterFixture>(QByteArray());
    m_link = m_tester->fake();
    m_link->addParameter(new QcmaParameterEnum(sidA, 1, 0, 5));
    m_link->addParameter(new QcmaParameterUInt(sidB, 1, 1, 8));
    m_link->addParameter(new QcmaParameterUInt(nsSID::setPort(sidB, 2), 7, 1, 8));
    m_manager = m_tester->manager();
}

void tst_ServerManager::cleanup()
{
    m_tester.reset();
}

// A batch goes out whole; a binding hears a value only from the tester's answer, a refused one its old
// value again.
void tst_ServerManager::batchShowsOnlyConfirmedValues()
{
    Recorder heardA, heardB;
    UiHelper_Notification a(m_manager, &heardA, sidA, UiHelper::ConnectImmediately);
    UiHelper_Notification b(m_manager, &heardB, sidB, UiHelper::ConnectImmediately);
    std::unique_ptr<QcmaParameter> taken = m_manager->GetQcmaParameter(sidA);
    std::unique_ptr<QcmaParameter> refused = m_manager->GetQcmaParameter(sidB);
    QVERIFY(taken->setValue(4) && refused->setValue(9));
    m_manager->SetQcmaParameterList({taken.get(), refused.get()});
    QCOMPARE(m_link->writeRequests(), 1);
    QCOMPARE(m_manager->cachedParameter(sidA)->getInt(), 1);
    QTRY_COMPARE(heardA.values, (QList<int>{1, 4}));
    QTRY_COMPARE(heardB.values, (QList<int>{1, 1}));
    QCOMPARE(m_manager->cachedParameter(sidA)->getInt(), 4);
}

void tst_ServerManager::portChangeRebinds()
{
    Recorder recorder;
    UiHelperList list;
    list.AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, &recorder, sidB, UiHelper::ConnectManually));
    list.ConnectManual();
    list.ChangePort(2);
    QCOMPARE(list.helpers().first()->getSID(), nsSID::setPort(sidB, 2));
    QCOMPARE(recorder.values, (QList<int>{1, 7}));
}

void tst_ServerManager::flaggedSidNamesTheSameParameter()
{
    // A result page follows its parameters under SIDs with the flag bit set.
    const int flagged = nsSID::build(1, nsSID::otn, 11008, true);
    QCOMPARE(m_manager->cachedParameter(flagged), m_manager->cachedParameter(sidA));
    Recorder recorder;
    UiHelper_Notification notification(m_manager, &recorder, flagged, UiHelper::ConnectImmediately);
    QCOMPARE(recorder.values, QList<int>{1});
    m_link->serverChange(new QcmaParameterEnum(sidA, 2, 0, 5));
    QTRY_COMPARE(recorder.values, (QList<int>{1, 2}));
    notification.DisconnectManual();
    QVERIFY(!m_manager->hasObserver(sidA, &notification));
}

void tst_ServerManager::intervalRequestsNameOnlyGroupsWithData()
{
    Recorder recorder;
    const int scanSid = nsSID::otnSid(2, 7101);
    UiHelper_Notification scan(m_manager, &recorder, scanSid, currentIntervalSelector, UiHelper::ConnectImmediately);
    // Bound to the interval but to no group's data: it waits for what the others ask for.
    UiHelper_Notification anyInterval(m_manager, &recorder, nsSID::setPort(0, 2), currentIntervalSelector,
                                      UiHelper::ConnectImmediately);
    UiHelper_Notification plain(m_manager, &recorder, sidA, UiHelper::ConnectImmediately);
    QCOMPARE(m_manager->intervalRequests(), (QList<IntervalRequest>{{2, nsSID::otn, currentIntervalSelector}}));
    // The group's data reaches the binding.
    m_link->setIntervalReply(
        QSharedPointer<IntervalData>(new IntervalDataOtnTributaryScan(scanSid, currentIntervalSelector)));
    m_manager->Interval_GetAndPost_Ex(2, nsSID::otn, currentIntervalSelector);
    QCOMPARE(m_link->intervalRequests(), (QList<int>{2, nsSID::otn, int(currentIntervalSelector)}));
    QTRY_COMPARE(recorder.intervals, QList<quint32>{currentIntervalSelector});

    plain.DisconnectManual();
    scan.DisconnectManual();
    QCOMPARE(m_manager->intervalRequests(), QList<IntervalRequest>());
}

void tst_ServerManager::textsComeFromTheirOwnServerAndOutliveAnother()
{
    const std::unique_ptr<TesterFixture> testerA = namingTester(QStringLiteral("OTU2"));
    std::unique_ptr<TesterFixture> testerB = namingTester(QStringLiteral("OTU2e"));
    zelServerManager &managerA = *testerA->manager();
    {
        // Bindings show the names of the server they are bound to.
        QLabel valueA, valueB;
        UiHelper_Label labelA(&managerA, &valueA, nullptr, nullptr, sidA, 0, UiHelper::ConnectImmediately);
        UiHelper_Label labelB(testerB->manager(), &valueB, nullptr, nullptr, sidA, 0, UiHelper::ConnectImmediately);
        QCOMPARE(valueA.text(), QStringLiteral("OTU2"));
        QCOMPARE(valueB.text(), QStringLiteral("OTU2e"));
    }
    const WidgetText keptB = testerB->manager()->texts();

    // The server made last goes first, its manager and link together.
    testerB.reset();
    QCOMPARE(managerA.texts().getValueName(sidA, 1), QStringLiteral("OTU2"));
    QCOMPARE(managerA.texts().getSidName(sidA), QStringLiteral("Interface"));
    // Texts taken from the server that is gone still hold its names.
    QCOMPARE(keptB.getValueName(sidA, 1), QStringLiteral("OTU2e"));
}

QTEST_MAIN(tst_ServerManager)
#include "tst_servermanager.moc"
