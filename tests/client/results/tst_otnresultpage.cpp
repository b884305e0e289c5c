#include <memory>

#include <QComboBox>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnstatisticspagefactory.h"
#include "client/otn/test_results/otnresultpage.h"
#include "host/otn/otniid.h"
#include "host/pages/statisticstable.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/texts/widgettext.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

// Received structures by the values of 12006, 12007, 12008, 12009, 12022.
using Structure = QVector<int>;
const Structure otu2Bulk{1, 0, 0, 0, 0};
const Structure otu2Odu0Gfp{1, 1, 1, 0, 0};           // 1GbE by GFP-T into an ODU0, GMP into the ODU2
const Structure otu2Odu1Odu0{1, 0, 3, 1, 0};          // AMP on both stages
const Structure otu4Odu2Odu0{3, 0, 16, 2, 0};         // GMP on both stages
const Structure otu4Odu0{3, 0, 14, 0, 0};
const Structure otu3FourLevels{2, 3, 9, 3, 1};        // ODU3 > ODU2 > ODU1 > ODU0 with STM-1
const Structure otl44{5, 7, 0, 0, 0};                 // 100GbE over logical lanes
const int mappingIds[5] = {12006, 12007, 12008, 12009, 12022};

using Types = QList<int>;
using Counters = QList<int>;

// A result page of one view over ports 1 and 2 of the simulated tester, shown, whose ports' received
// structures the test sets as the tester's notifications would.
class ResultPage
{
public:
    explicit ResultPage(int view)
    {
        page.reset(static_cast<OtnResultPage *>(factory.createPage(TestResultIdentifier(view), tester.manager())));
        page->initializePage();
        page->show();
    }

    void receive(int sid, int value)
    {
        QcmaParameterEnum parameter(sid, value, 0, 100);
        page->qcmaParameterChanged(parameter);
    }
    void receive(int port, const Structure &structure, bool tcm = false)
    {
        for (int field = 0; field < structure.size(); ++field)
            receive(nsSID::otnSid(port, mappingIds[field]), structure.at(field));
        receive(nsSID::otnSid(port, 13002), tcm ? 1 : 0);
    }
    void receiveBidirectional(int value) { receive(nsSID::build(nsSID::noPort, 0x050000, 265), value); }

    QComboBox *types() const { return page->findChild<QComboBox *>("cmbResultType"); }
    QComboBox *tcms() const { return page->findChild<QComboBox *>("cmbTcm"); }
    Types offered() const
    {
        Types list;
        for (int i = 0; i < types()->count(); ++i)
            list.append(types()->itemData(i).toInt());
        return list;
    }
    bool choose(int type)
    {
        const int index = types()->findData(type);
        types()->setCurrentIndex(index);
        return index >= 0 && page->currentType() == type;
    }
    bool shows(int counter) const { return page->getStatisticsTable()->rowOfCounter(counter) >= 0; }
    // The counters of the shown rows, in table order, among those given.
    Counters shownAmong(const Counters &counters) const
    {
        Counters shown;
        for (const nsStatistics::TableItem &row : page->getStatisticsTable()->tableItems()) {
            if (row.shown && counters.contains(row.counterId))
                shown.append(row.counterId);
        }
        return shown;
    }

    TesterFixture tester{2};
    QList<int> ports{1, 2};
    OtnStatisticsPageFactory factory{&ports};
    std::unique_ptr<OtnResultPage> page;
};

} // namespace

class tst_OtnResultPage : public QObject
{
    Q_OBJECT
private slots:
    void offeredTypes_data();
    void offeredTypes();
    void rowsOfType_data();
    void rowsOfType();
    void headersNameTheirBlocks();
    void justificationBlocksByOduRank();
    void tcmComboChoosesTheConnection_data();
    void tcmComboChoosesTheConnection();
    void bidirectionalSettingHidesItsRows();
    void portOutsideThePageIsReported();
    void factoryGivesTheFirstPort_data();
    void factoryGivesTheFirstPort();
};

void tst_OtnResultPage::offeredTypes_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<Structure>("port1");
    QTest::addColumn<Structure>("port2");
    QTest::addColumn<bool>("tcm");          // TCM results on port 2
    QTest::addColumn<Types>("types");

    QTest::newRow("two levels, GMP and TCM")
        << 17 << otu2Bulk << otu4Odu2Odu0 << true << Types{17, 18, 19, 21, 22, 23};
    QTest::newRow("the ports add up: multiplexed on one, GFP on the other")
        << 17 << otu2Odu1Odu0 << otu2Odu0Gfp << false << Types{17, 18, 19, 21, 23, 24};
    QTest::newRow("lanes") << 17 << otl44 << otu2Bulk << false << Types{17, 21, 23, 25};
    QTest::newRow("four levels' performance with TCM")
        << 26 << otu3FourLevels << otu2Bulk << true << Types{26, 27, 28, 29, 30};
}

void tst_OtnResultPage::offeredTypes()
{
    QFETCH(int, view);
    QFETCH(Structure, port1);
    QFETCH(Structure, port2);
    QFETCH(bool, tcm);
    QFETCH(Types, types);
    ResultPage result(view);
    result.receive(1, port1);
    result.receive(2, port2, tcm);
    QCOMPARE(result.offered(), types);
    QCOMPARE(result.types()->isVisibleTo(result.page.get()), types.size() > 1);
}

void tst_OtnResultPage::rowsOfType_data()
{
    using namespace nsIID::Otn;
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<int>("type");
    QTest::addColumn<Counters>("shown");
    QTest::addColumn<Counters>("absent");

    QTest::newRow("line of a multiplexing ODU: its MSIM")
        << otu4Odu0 << 17 << Counters{10001, 101, 1101, 10002, Alarm::ODU_AIS[0], Alarm::MSIM[0], Error::PM_BIP8[0]}
        << Counters{Alarm::ODU_LOF_LOM[1], Error::ODU_FAS[1]};
    QTest::newRow("first level: ODU framing and MSIM")
        << otu2Odu1Odu0 << 18
        << Counters{10003, Alarm::ODU_LOF_LOM[1], Alarm::ODU_OOF[1], Alarm::MSIM[1], Error::ODU_FAS[1]}
        << Counters{Alarm::ODU_AIS[0], Alarm::MSIM[0]};
    QTest::newRow("client") << otu2Bulk << 21 << Counters{167, 168, 169, 1174, 2717, 2718}
                            << Counters{101, Gfp::CSF};
    QTest::newRow("client by GFP: its CSF") << otu2Odu0Gfp << 21 << Counters{167, Gfp::CSF} << Counters{};
    QTest::newRow("lanes in pairs") << otl44 << 25 << Counters{176, 177, 402, 2140, 2141} << Counters{};
}

void tst_OtnResultPage::rowsOfType()
{
    QFETCH(Structure, structure);
    QFETCH(int, type);
    QFETCH(Counters, shown);
    QFETCH(Counters, absent);
    ResultPage result(type >= 26 ? 26 : 17);
    result.receive(1, structure);
    result.receive(2, otu2Bulk);
    QVERIFY(result.choose(type));
    for (int counter : shown)
        QVERIFY2(result.shows(counter), qPrintable(QString::number(counter)));
    for (int counter : absent)
        QVERIFY2(!result.shows(counter), qPrintable(QString::number(counter)));
}

void tst_OtnResultPage::headersNameTheirBlocks()
{
    ResultPage result(17);
    result.receive(1, otu4Odu0);
    QStringList headers;
    for (const nsStatistics::TableItem &row : result.page->getStatisticsTable()->tableItems()) {
        if (row.shown && row.counterId == -1)
            headers << WidgetText().getUiText(row.textIds[0]);
    }
    QVERIFY2(headers.contains(QStringLiteral("ODU Alarms")), qPrintable(headers.join(QStringLiteral(", "))));
}

void tst_OtnResultPage::justificationBlocksByOduRank()
{
    using nsIID::Otn::Mapping::AMP_NAME;
    using nsIID::Otn::Mapping::GMP_NAME;
    const Counters names{AMP_NAME[0], AMP_NAME[1], AMP_NAME[2], GMP_NAME[0], GMP_NAME[1], GMP_NAME[2]};
    ResultPage result(17);
    // Port 1 puts an ODU1 in the ODU2 by AMP, port 2 an ODU0 by GMP: on the line's ODU both are ODU2 and
    // GMP leads; on the first level the ODU1 outranks the ODU0.
    result.receive(1, otu2Odu1Odu0);
    result.receive(2, otu2Odu0Gfp);
    QVERIFY(result.choose(23));
    QCOMPARE(result.shownAmong(names), (Counters{GMP_NAME[0], AMP_NAME[0], AMP_NAME[1], GMP_NAME[1]}));
    // One port alone gives its own blocks.
    result.receive(2, otu2Bulk);
    QCOMPARE(result.page->currentType(), 23);
    QCOMPARE(result.shownAmong(names), (Counters{AMP_NAME[0], AMP_NAME[1]}));
}

void tst_OtnResultPage::tcmComboChoosesTheConnection_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("tcm");
    QTest::addColumn<int>("fallback");   // the type shown once TCM results go: the one before in the table
    QTest::newRow("TCM6 alarms") << 17 << 22 << 5 << 21;
    QTest::newRow("TCM3 performance") << 26 << 30 << 2 << 26;
}

void tst_OtnResultPage::tcmComboChoosesTheConnection()
{
    QFETCH(int, view);
    QFETCH(int, type);
    QFETCH(int, tcm);
    QFETCH(int, fallback);
    const auto counterOf = [type](int j) {
        return type == 22 ? nsIID::Otn::Alarm::TCMi_TIM[j] : nsIID::Otn::Performance::SES_TCMi_NEAREND[j];
    };
    ResultPage result(view);
    result.receive(1, otu2Bulk, true);
    result.receive(2, otu2Bulk);
    QVERIFY(!result.tcms()->isVisibleTo(result.page.get()));
    QVERIFY(result.choose(type));
    QVERIFY(result.tcms()->isVisibleTo(result.page.get()));
    result.tcms()->setCurrentIndex(tcm);
    for (int j = 0; j < 6; ++j)
        QCOMPARE(result.shows(counterOf(j)), j == tcm);
    // The choice stays when the page's structure is heard again, and goes with the results.
    result.receive(2, otu2Bulk);
    QCOMPARE(result.shows(counterOf(tcm)), true);
    result.receive(1, otu2Bulk, false);
    QVERIFY(!result.offered().contains(type));
    QVERIFY(!result.tcms()->isVisibleTo(result.page.get()));
    QCOMPARE(result.page->currentType(), fallback);
}

void tst_OtnResultPage::bidirectionalSettingHidesItsRows()
{
    using namespace nsIID::Otn::Performance;
    ResultPage result(26);
    result.receive(1, otu4Odu2Odu0);
    QVERIFY(result.choose(27));
    QVERIFY(result.shows(SES_ODU_BIDIRECTIONAL[1]));
    result.receiveBidirectional(1);
    QVERIFY(!result.shows(SES_ODU_BIDIRECTIONAL[1]));
    QVERIFY(result.shows(SES_ODU_FAREND[1]));
    result.receiveBidirectional(0);
    QVERIFY(result.shows(UAS_ODU_BIDIRECTIONAL[1]));
}

void tst_OtnResultPage::portOutsideThePageIsReported()
{
    ResultPage result(17);
    result.receive(1, otu4Odu0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
        R"(^ZEL_ASSERT_MSG: .*client\\otn\\test_results\\otnresultpage: line \d+ - -1 != index: The specified port is invalid value\.$)")));
    result.receive(nsSID::otnSid(3, 12008), 0);
    // The page still shows port 1's structure.
    QVERIFY(result.offered().contains(18));
}

void tst_OtnResultPage::factoryGivesTheFirstPort_data()
{
    QTest::addColumn<QList<int>>("ports");   // empty: no list at all
    QTest::addColumn<int>("port");
    QTest::newRow("{3, 1} gives port 3") << QList<int>{3, 1} << 3;
    QTest::newRow("no list gives port 0") << QList<int>{} << 0;
}

void tst_OtnResultPage::factoryGivesTheFirstPort()
{
    QFETCH(QList<int>, ports);
    QFETCH(int, port);
    TesterFixture tester(4);
    OtnStatisticsPageFactory factory(ports.isEmpty() ? nullptr : &ports);
    const ClientInfo info = factory.clientInfo(tester.manager());
    QCOMPARE(info.port, port);
}

QTEST_MAIN(tst_OtnResultPage)
#include "tst_otnresultpage.moc"
