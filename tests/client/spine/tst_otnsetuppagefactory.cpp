#include <memory>

#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "client/otn/interface_setup_status/otnsetuppagemanager.h"
#include "host/contract/setuppageproperty.h"
#include "host/pages/physicalstatus.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/texts/widgettext.h"
#include "tests/support/testerfixture.h"

namespace {

using Id = InterfaceSetupIdentifier;
using IdList = QList<int>;

// The verdicts of a judge given the Rx interface values one after the other.
QList<bool> verdictsFor(SubLayerJudgeInterface &judge, const QList<int> &values, int group = nsSID::otn)
{
    QList<bool> verdicts;
    for (int value : values)
        verdicts.append(judge.judge(QcmaParameterEnum(nsSID::build(1, group, 12006), value, 0, 15)));
    return verdicts;
}

} // namespace

class tst_OtnSetupPageFactory : public QObject
{
    Q_OBJECT
private slots:
    void createPage_data();
    void createPage();
    void registeredRecords();
    void judgeVerdicts_data();
    void judgeVerdicts();
};

void tst_OtnSetupPageFactory::createPage_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("technology");
    QTest::addColumn<QString>("objectName");   // empty: no page
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("34") << 34 << 0 << 5 << "OTN Tx Physical Setup" << "otn_setup_transmitter.html";
    QTest::newRow("38") << 38 << 0 << 5 << "OTN Alarms/Errors status" << "otn_status_erroralarm.html";
    QTest::newRow("70") << 70 << 0 << 5 << "PhysicalStatus" << "otn_status_transceiver.html";
    QTest::newRow("unknown 33") << 33 << 1 << 5 << "" << "";
}

void tst_OtnSetupPageFactory::createPage()
{
    QFETCH(int, pageId);
    QFETCH(int, direction);
    QFETCH(int, technology);
    QFETCH(QString, objectName);
    QFETCH(QString, helpPage);
    TesterFixture tester(1);
    OtnSetupPageFactory factory;
    std::unique_ptr<Page> page(factory.createPage(Id(pageId, direction, Id::LayerFrame, technology), tester.manager()));
    QCOMPARE(page != nullptr, !objectName.isEmpty());
    if (!page)
        return;
    QCOMPARE(page->objectName(), objectName);
    auto *setupStatus = qobject_cast<SetupStatusPage *>(page.get());
    QVERIFY(setupStatus);
    const Id &identifier = setupStatus->identifier();
    QCOMPARE((IdList{identifier.pageId(), identifier.direction(), identifier.technology()}),
             (IdList{pageId, direction, technology}));
    QCOMPARE(setupStatus->helpPage(), helpPage);
    if (auto *transceiver = qobject_cast<PhysicalStatus *>(page.get())) {
        QCOMPARE(transceiver->group(), nsSID::otn);
        QCOMPARE(transceiver->updateOnConnectGroup(), nsSID::otn);
    }
}

// What the host is told at construction, in order: page id, direction, layer, title text and the
// direction of the navigation manager (0: none) of each setup page; page id and title text of each status
// page, with the status items (type, SID) of the two embedded records.
void tst_OtnSetupPageFactory::registeredRecords()
{
    const OtnSetupPageFactory factory;
    QList<IdList> setup;
    for (const SetupPageProperty *p : factory.setupPageProperties()) {
        const auto *manager = qobject_cast<OtnSetupPageManager *>(p->pageManager());
        setup.append({p->pageId(), p->direction(), p->layer(), p->technology(), p->titleKey(),
                      manager ? manager->direction() : 0});
    }
    QCOMPARE(setup, (QList<IdList>{{34, 1, 1, 5, UI_Text::buildUIKey(5000), 0},
                                   {35, 2, 1, 5, UI_Text::buildUIKey(5001), 0},
                                   {31, 1, 2, 5, UI_Text::buildUIKey(4008), 1},
                                   {32, 2, 2, 5, UI_Text::buildUIKey(4008), 2}}));
    QList<IdList> status;
    for (const StatusPageProperty *p : factory.allStatusPageProperties()) {
        IdList record{p->pageId(), p->technology(), p->titleKey()};
        for (const StatusItem &item : p->items())
            record << item.type() << item.sid();
        status.append(record);
    }
    const auto noPort = [](int id) { return nsSID::build(nsSID::noPort, nsSID::otn, id); };
    QCOMPARE(status, (QList<IdList>{
                         {37, 5, UI_Text::buildUIKey(4018), 0, noPort(11001), 1, noPort(101), 2, noPort(8106)},
                         {38, 5, UI_Text::buildUIKey(5003), 1, noPort(103), 1, noPort(117), 1, noPort(1111)},
                         {39, 5, UI_Text::buildUIKey(5070)},
                         {40, 5, UI_Text::buildUIKey(5121)},
                         {70, 5, UI_Text::buildUIKey(5095)}}));
    QCOMPARE(factory.statusPageProperties().at(1)->followedSids(), QVector<int>{nsSID::otnSid(0, 12006)});
}

void tst_OtnSetupPageFactory::judgeVerdicts_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QList<bool>>("verdicts");
    QTest::newRow("0 is multiplexable") << QList<int>{0} << QList<bool>{true};
    QTest::newRow("10 is of the 10G family") << QList<int>{10} << QList<bool>{false};
    QTest::newRow("verdict follows each change") << QList<int>{1, 9, 14, 13, 7}
                                                 << QList<bool>{true, false, true, false, true};
}

void tst_OtnSetupPageFactory::judgeVerdicts()
{
    QFETCH(QList<int>, values);
    QFETCH(QList<bool>, verdicts);
    OtnSetupPageFactory::StatusJudge10Gonly judge;
    QCOMPARE(verdictsFor(judge, values), verdicts);
}

QTEST_MAIN(tst_OtnSetupPageFactory)
#include "tst_otnsetuppagefactory.moc"
