#include <memory>

#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "client/otn/interface_setup_status/otnsetuppagemanager.h"
#include "host/contract/setuppageproperty.h"
#include "host/pages/physicalstatus.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/texts/widgettext.h"
#include "tests/support/simulatorfixture.h"

namespace {

using Id = InterfaceSetupIdentifier;
using IdList = QList<int>;

int otnSid(int port, int id)
{
    return nsSID::build(port, nsSID::otn, id);
}

QList<int> sidsOf(int port, const IdList &ids)
{
    QList<int> sids;
    for (int id : ids)
        sids.append(otnSid(port, id));
    return sids;
}

QList<int> followedOf(const SetupPageManager *manager)
{
    QList<int> sids;
    for (const auto &entry : manager->followsSIDs()) {
        if (entry.first == Id::RateDefault)
            sids.append(entry.second);
    }
    return sids;
}

// The verdicts of a judge given the Rx interface values one after the other.
QList<bool> verdictsFor(SubLayerJudgeInterface &judge, const QList<int> &values, int group = nsSID::otn)
{
    QList<bool> verdicts;
    for (int value : values) {
        QcmaParameterEnum parameter(nsSID::build(1, group, 12006), value, 0, 15);
        verdicts.append(judge.judge(parameter));
    }
    return verdicts;
}

} // namespace

class tst_OtnSetupPageFactory : public QObject
{
    Q_OBJECT
private slots:
    void setupPageRecords_data();
    void setupPageRecords();
    void managerRegistrations_data();
    void managerRegistrations();
    void embeddedStatusRecords_data();
    void embeddedStatusRecords();
    void furtherStatusRecords_data();
    void furtherStatusRecords();
    void titleTextsExist();
    void technologyIsOtn();
    void createPageByPageId_data();
    void createPageByPageId();
    void pageIdAloneSelects();
    void unknownIdsGiveNoPage_data();
    void unknownIdsGiveNoPage();
    void judgeVerdicts_data();
    void judgeVerdicts();
    void copiesAreDeepAndKeepTheirOwnJudge();
    void assignmentReplacesRecords();
};

void tst_OtnSetupPageFactory::setupPageRecords_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("managerDirection");   // 0: no manager
    QTest::addColumn<int>("titleText");
    QTest::newRow("Tx physical") << 0 << 34 << 1 << 1 << 0 << 5000;
    QTest::newRow("Rx physical") << 1 << 35 << 2 << 1 << 0 << 5001;
    QTest::newRow("Tx frame") << 2 << 31 << 1 << 2 << 1 << 4008;
    QTest::newRow("Rx frame shares the title") << 3 << 32 << 2 << 2 << 2 << 4008;
}

void tst_OtnSetupPageFactory::setupPageRecords()
{
    QFETCH(int, index);
    QFETCH(int, pageId);
    QFETCH(int, direction);
    QFETCH(int, layer);
    QFETCH(int, managerDirection);
    QFETCH(int, titleText);

    OtnSetupPageFactory factory;
    QCOMPARE(factory.setupPageProperties().size(), 4);
    const SetupPageProperty *record = factory.setupPageProperties().at(index);
    QCOMPARE(record->pageId(), pageId);
    QCOMPARE(record->direction(), direction);
    QCOMPARE(record->layer(), layer);
    QCOMPARE(record->technology(), 5);
    QCOMPARE(record->titleKey(), UI_Text::buildUIKey(titleText));
    if (managerDirection == 0) {
        QVERIFY(!record->pageManager());
        return;
    }
    const auto *manager = qobject_cast<const OtnSetupPageManager *>(record->pageManager());
    QVERIFY2(manager, "a frame setup record has an OTN navigation manager");
    QCOMPARE(manager->direction(), managerDirection);
}

void tst_OtnSetupPageFactory::managerRegistrations_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<IdList>("followed");
    QTest::addColumn<IdList>("label");
    QTest::newRow("Tx") << 2 << IdList{11141} << IdList{11008, 11009, 11010, 11011, 11166, 11128, 11132, 11201};
    QTest::newRow("Rx") << 3 << IdList{12018}
                        << IdList{12006, 12007, 12008, 12009, 12022, 12011, 12015, 12026, 12012, 12016, 12024};
}

void tst_OtnSetupPageFactory::managerRegistrations()
{
    QFETCH(int, index);
    QFETCH(IdList, followed);
    QFETCH(IdList, label);
    OtnSetupPageFactory factory;
    const SetupPageManager *manager = factory.setupPageProperties().at(index)->pageManager();
    QVERIFY(manager);
    QCOMPARE(followedOf(manager), sidsOf(0, followed));
    QCOMPARE(manager->followsSIDs().size(), followed.size());
    QCOMPARE(manager->buttonLabelSIDs(), sidsOf(0, label));
}

void tst_OtnSetupPageFactory::embeddedStatusRecords_data()
{
    QTest::addColumn<bool>("physical");
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("titleText");
    QTest::addColumn<IdList>("types");
    QTest::addColumn<IdList>("ids");
    QTest::newRow("physical status") << true << 37 << 4018 << IdList{0, 1, 2} << IdList{11001, 101, 8106};
    QTest::newRow("alarms/errors status") << false << 38 << 5003 << IdList{1, 1, 1} << IdList{103, 117, 1111};
}

void tst_OtnSetupPageFactory::embeddedStatusRecords()
{
    QFETCH(bool, physical);
    QFETCH(int, pageId);
    QFETCH(int, titleText);
    QFETCH(IdList, types);
    QFETCH(IdList, ids);

    OtnSetupPageFactory factory;
    const StatusPageProperty &record = physical ? factory.physicalStatusProperty() : factory.errorStatusProperty();
    QCOMPARE(record.pageId(), pageId);
    QCOMPARE(record.technology(), 5);
    QCOMPARE(record.titleKey(), UI_Text::buildUIKey(titleText));
    QVERIFY(record.followedSids().isEmpty());
    QVERIFY(!record.showJudge());
    const QVector<StatusItem> items = record.items();
    QCOMPARE(items.size(), ids.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i].rate(), 0);
        QCOMPARE(int(items[i].type()), types[i]);
        QCOMPARE(items[i].sid(), otnSid(nsSID::noPort, ids[i]));
        QVERIFY(items[i].followsPort());
        QVERIFY(!items[i].showJudge());
    }
}

void tst_OtnSetupPageFactory::furtherStatusRecords_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("titleText");
    QTest::addColumn<IdList>("followed");
    QTest::addColumn<bool>("judged");
    QTest::newRow("overhead capture") << 0 << 39 << 5070 << IdList{} << false;
    QTest::newRow("tributary scan") << 1 << 40 << 5121 << IdList{12006} << true;
    QTest::newRow("transceiver status") << 2 << 70 << 5095 << IdList{} << false;
}

void tst_OtnSetupPageFactory::furtherStatusRecords()
{
    QFETCH(int, index);
    QFETCH(int, pageId);
    QFETCH(int, titleText);
    QFETCH(IdList, followed);
    QFETCH(bool, judged);

    OtnSetupPageFactory factory;
    QCOMPARE(factory.statusPageProperties().size(), 3);
    const StatusPageProperty *record = factory.statusPageProperties().at(index);
    QCOMPARE(record->pageId(), pageId);
    QCOMPARE(record->technology(), 5);
    QCOMPARE(record->subLayer(), 0);
    QCOMPARE(record->titleKey(), UI_Text::buildUIKey(titleText));
    QCOMPARE(record->followedSids().toList(), sidsOf(0, followed));
    QVERIFY(record->items().isEmpty());
    if (judged)
        QCOMPARE(record->showJudge(), static_cast<const SubLayerJudgeInterface *>(&factory.tributaryScanJudge()));
    else
        QVERIFY(!record->showJudge());
}

void tst_OtnSetupPageFactory::titleTextsExist()
{
    OtnSetupPageFactory factory;
    QList<int> keys;
    for (const SetupPageProperty *record : factory.setupPageProperties())
        keys.append(record->titleKey());
    for (const StatusPageProperty *record : factory.allStatusPageProperties())
        keys.append(record->titleKey());
    QCOMPARE(keys.size(), 9);
    for (int key : keys) {
        QVERIFY(UI_Text::isUIKey(key));
        QVERIFY2(WidgetText::instance()->hasUiText(UI_Text::numberOfKey(key)),
                 qPrintable(QStringLiteral("no text %1").arg(UI_Text::numberOfKey(key))));
    }
}

void tst_OtnSetupPageFactory::technologyIsOtn()
{
    OtnSetupPageFactory factory;
    QCOMPARE(int(factory.technology()), 5);
    const OtnSetupPageFactory copy(factory);
    QCOMPARE(int(copy.technology()), 5);
    InterfaceSetupPageFactory &base = factory;
    QCOMPARE(int(base.technology()), 5);
}

void tst_OtnSetupPageFactory::createPageByPageId_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("34") << 34 << "OTN Tx Physical Setup" << "otn_setup_transmitter.html";
    QTest::newRow("35") << 35 << "OTN Rx Physical Setup" << "otn_setup_receiver.html";
    QTest::newRow("31") << 31 << "OTN Tx Frame Setup" << "otn_tx_parameters.html";
    QTest::newRow("32") << 32 << "OTN Rx Frame Setup" << "otn_rx_parameters.html";
    QTest::newRow("37") << 37 << "OTN Physical status" << "otn_status_physical.html";
    QTest::newRow("38") << 38 << "OTN Alarms/Errors status" << "otn_status_erroralarm.html";
    QTest::newRow("39") << 39 << "OTN OH Capture" << "otn_ohcapture.html";
    QTest::newRow("40") << 40 << "OTN Tributary Scan" << "otn_tributary_scan.html";
    QTest::newRow("70") << 70 << "PhysicalStatus" << "otn_status_transceiver.html";
}

void tst_OtnSetupPageFactory::createPageByPageId()
{
    QFETCH(int, pageId);
    QFETCH(QString, objectName);
    QFETCH(QString, helpPage);

    SimulatorFixture tester(1);
    OtnSetupPageFactory factory;
    const Id identifier(pageId, 0, 0, 5);
    std::unique_ptr<Page> page(factory.createPage(identifier, tester.manager()));
    if (!page && pageId != 70)
        QSKIP("the page's class is not in the library yet");
    QVERIFY(page);
    QCOMPARE(page->objectName(), objectName);
    QCOMPARE(page->serverManager(), tester.manager());
    auto *setupStatus = qobject_cast<SetupStatusPage *>(page.get());
    QVERIFY(setupStatus);
    QCOMPARE(setupStatus->identifier().pageId(), pageId);
    QCOMPARE(setupStatus->helpPage(), helpPage);
    QCOMPARE(setupStatus->flags(), 1);
}

void tst_OtnSetupPageFactory::pageIdAloneSelects()
{
    SimulatorFixture tester(1);
    OtnSetupPageFactory factory;
    // Direction, layer and technology other than the record's still select by page id.
    const Id identifier(70, Id::DirectionRx, Id::LayerFrame, 4);
    std::unique_ptr<Page> page(factory.createPage(identifier, tester.manager()));
    auto *transceiver = qobject_cast<PhysicalStatus *>(page.get());
    QVERIFY(transceiver);
    QCOMPARE(transceiver->group(), nsSID::otn);
    QCOMPARE(transceiver->updateOnConnectGroup(), nsSID::otn);
    QCOMPARE(transceiver->identifier().direction(), int(Id::DirectionRx));
    QCOMPARE(transceiver->identifier().technology(), 4);
}

void tst_OtnSetupPageFactory::unknownIdsGiveNoPage_data()
{
    QTest::addColumn<int>("pageId");
    for (int id : {-1, 0, 30, 33, 36, 41, 69, 71})
        QTest::addRow("%d", id) << id;
}

void tst_OtnSetupPageFactory::unknownIdsGiveNoPage()
{
    QFETCH(int, pageId);
    SimulatorFixture tester(1);
    OtnSetupPageFactory factory;
    QVERIFY(!factory.createPage(Id(pageId, 1, 2, 5), tester.manager()));
}

void tst_OtnSetupPageFactory::judgeVerdicts_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QList<bool>>("verdicts");
    QTest::newRow("7 is multiplexable") << QList<int>{7} << QList<bool>{true};
    QTest::newRow("14 is multiplexable") << QList<int>{14} << QList<bool>{true};
    QTest::newRow("0 is multiplexable") << QList<int>{0} << QList<bool>{true};
    for (int value = 8; value <= 13; ++value)
        QTest::addRow("%d is of the 10G family", value) << QList<int>{value} << QList<bool>{false};
    QTest::newRow("verdict follows each change") << QList<int>{1, 9, 14, 13, 7}
                                                 << QList<bool>{true, false, true, false, true};
}

void tst_OtnSetupPageFactory::judgeVerdicts()
{
    QFETCH(QList<int>, values);
    QFETCH(QList<bool>, verdicts);
    OtnSetupPageFactory factory;
    OtnSetupPageFactory::StatusJudge10Gonly judge;
    QCOMPARE(verdictsFor(judge, values), verdicts);
    // The factory's own judge starts the same way.
    QCOMPARE(factory.tributaryScanJudge().verdict(), false);
}

void tst_OtnSetupPageFactory::copiesAreDeepAndKeepTheirOwnJudge()
{
    auto original = std::make_unique<OtnSetupPageFactory>();
    // The host reaches the judge through the tributary scan record.
    SubLayerJudgeInterface &judge = *original->statusPageProperties().at(1)->showJudge();

    // Until 12006 is seen the verdict stays false, whatever else changes.
    QcmaParameterEnum client(otnSid(1, 12007), 3, 0, 31);
    QCOMPARE(judge.judge(client), false);
    QCOMPARE(verdictsFor(judge, {1}, 0x060000), QList<bool>{false});
    QCOMPARE(verdictsFor(judge, {1}), QList<bool>{true});
    QCOMPARE(judge.judge(client), true);

    const OtnSetupPageFactory copy(*original);
    QCOMPARE(copy.tributaryScanJudge().verdict(), true);
    QCOMPARE(copy.statusPageProperties().size(), 3);
    QVERIFY(copy.statusPageProperties().at(1) != original->statusPageProperties().at(1));
    QCOMPARE(copy.statusPageProperties().at(1)->showJudge(),
             static_cast<const SubLayerJudgeInterface *>(&copy.tributaryScanJudge()));
    QCOMPARE(copy.setupPageProperties().size(), 4);
    QVERIFY(copy.setupPageProperties().at(2) != original->setupPageProperties().at(2));
    // Both copies lead to the same navigation button: they share its manager.
    QCOMPARE(copy.setupPageProperties().at(2)->pageManager(), original->setupPageProperties().at(2)->pageManager());
    QCOMPARE(copy.physicalStatusProperty().items().size(), 3);

    original.reset();
    const SetupPageManager *manager = copy.setupPageProperties().at(3)->pageManager();
    QVERIFY(manager);
    QCOMPARE(manager->buttonLabelSIDs().size(), 11);
}

void tst_OtnSetupPageFactory::assignmentReplacesRecords()
{
    OtnSetupPageFactory source;
    QcmaParameterEnum rate(otnSid(1, 12006), 2, 0, 15);
    QVERIFY(source.statusPageProperties().at(1)->showJudge()->judge(rate));

    OtnSetupPageFactory target;
    target = source;
    QCOMPARE(target.tributaryScanJudge().verdict(), true);
    QCOMPARE(target.setupPageProperties().size(), 4);
    QCOMPARE(target.statusPageProperties().size(), 3);
    QCOMPARE(target.statusPageProperties().at(1)->showJudge(),
             static_cast<const SubLayerJudgeInterface *>(&target.tributaryScanJudge()));
    QCOMPARE(target.setupPageProperties().at(3)->pageManager(), source.setupPageProperties().at(3)->pageManager());

    target = target;
    QCOMPARE(target.setupPageProperties().size(), 4);
}

QTEST_MAIN(tst_OtnSetupPageFactory)
#include "tst_otnsetuppagefactory.moc"
