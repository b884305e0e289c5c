#include <functional>
#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QSharedPointer>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "client/otn/interface_setup_status/otnstatisticspagefactory.h"
#include "client/otn/interface_setup_status/pages/status/tributaryscan/otntesttscanpage.h"
#include "host/contract/testresultidentifier.h"
#include "host/otn/otnpid.h"
#include "host/pages/page.h"
#include "host/pages/statisticslistpage.h"
#include "ui_physicalstatus.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"
#include "ui_otnframesetuppagebase.h"
#include "ui_otnsignalsetuppagerx.h"
#include "ui_otnsignalsetuppagetx.h"
#include "ui_otnstatuscapturepage.h"
#include "ui_otnstatuserrorpage.h"
#include "ui_otnstatusphysicalpage.h"
#include "ui_otntesttscanpage.h"

// Each figure of the plug-in beside Qt's own cost of the same work, measured in the same run: a row
// "<figure>" and a row "<figure> | qt". scripts/bench reads both and prints their ratio.
namespace {

constexpr int port = 1;
const QSize pageSize(1024, 700);
const QString qtRow = QStringLiteral(" | qt");

// The server announces a new value of a parameter it holds: the link's signal, through the manager and
// its observers to the widgets, as a confirmed write or a measured value arrives.
void announce(TesterFixture &tester, int sid, const QVariant &value)
{
    const QcmaParameter *cached = tester.cachedSid(sid);
    if (!cached)
        QFAIL(qPrintable(QStringLiteral("no parameter %1").arg(sid)));
    std::unique_ptr<QcmaParameter> copy = cached->clone();
    QVERIFY(copy->setValue(value));
    emit tester.link()->parameterChanged(QSharedPointer<QcmaParameter>(copy.release()));
}

// One block of the interval data the tester sends for sid (any, when sid is negative) after a poll, kept for
// replaying.
template <typename DataT>
QSharedPointer<DataT> oneBlock(TesterFixture &tester, int sid)
{
    QSharedPointer<DataT> kept;
    const auto connection = QObject::connect(tester.manager(), &zelServerManager::intervalDataChanged,
                                             [&kept, sid](const IntervalData &data) {
                                                 const auto *typed = dynamic_cast<const DataT *>(&data);
                                                 if (typed && (sid < 0 || data.sid() == sid) && !kept)
                                                     kept = QSharedPointer<DataT>::create(*typed);
                                             });
    IntervalPoller poller(tester.manager());
    for (int round = 0; round < 3 && !kept; ++round) {
        poller.poll();
        tester.settle();
    }
    QObject::disconnect(connection);
    return kept;
}

std::unique_ptr<Page> shownPage(TesterFixture &tester, int pageId)
{
    std::unique_ptr<Page> page(
        OtnSetupPageFactory().createPage(InterfaceSetupIdentifier(pageId, 0, 0, 5), tester.manager()));
    if (!page)
        return nullptr;
    page->initializePage();
    page->resize(pageSize);
    page->show();
    tester.settle();
    return page;
}

// The form of a page built by its generated setupUi alone, shown at the page's size.
template <typename UiT>
void setupUiOnly()
{
    QWidget form;
    UiT ui;
    ui.setupUi(&form);
    form.resize(pageSize);
    form.show();
}

using Work = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Work)

class bench_Pages : public QObject
{
    Q_OBJECT

private slots:
    void notification_data();
    void notification();
    void frameRedraw_data() { addPair(QStringLiteral("frame setup redraw, mapping change, three stages")); }
    void frameRedraw();
    void levelSwitch_data() { addPair(QStringLiteral("alarms/errors level switch")); }
    void levelSwitch();
    void scanColouring_data() { addPair(QStringLiteral("tributary scan colouring, 83 buttons")); }
    void scanColouring();
    void captureDisplay_data() { addPair(QStringLiteral("overhead capture record shown")); }
    void captureDisplay();
    void resultRefresh_data() { addPair(QStringLiteral("result page refresh, one interval")); }
    void resultRefresh();
    void pageCreation_data();
    void pageCreation();

private:
    // The figure's two rows: the plug-in's work, then Qt's own.
    static void addPair(const QString &figure)
    {
        QTest::addColumn<bool>("qt");
        QTest::newRow(qPrintable(figure)) << false;
        QTest::newRow(qPrintable(figure + qtRow)) << true;
    }
};

void bench_Pages::notification_data()
{
    QTest::addColumn<bool>("qt");
    QTest::addColumn<int>("id");
    const auto add = [](const char *name, int id) {
        const QString figure = QStringLiteral("notification reaction, %1").arg(QLatin1String(name));
        QTest::newRow(qPrintable(figure)) << false << id;
        QTest::newRow(qPrintable(figure + qtRow)) << true << id;
    };
    // A bound combo of the Tx frame setup page.
    add("FEC combo", PID::Otn::TX::FEC_CONTROL);
}

void bench_Pages::notification()
{
    QFETCH(bool, qt);
    QFETCH(int, id);
    int step = 0;
    if (qt) {
        QLabel label;
        label.show();
        QBENCHMARK {
            label.setText(QString::number(++step & 1));
        }
        return;
    }
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    const std::unique_ptr<Page> page = shownPage(tester, InterfaceSetupIdentifier::PageOtnTxFrameSetup);
    QVERIFY(page);
    const int sid = nsSID::otnSid(port, id);
    const QcmaParameter *cached = tester.cachedSid(sid);
    QVERIFY(cached);
    const QVariant held = cached->toVariant();
    const QVariant other = held.toInt() == 0 ? 1 : 0;
    QBENCHMARK {
        announce(tester, sid, ++step & 1 ? other : held);
    }
}

void bench_Pages::frameRedraw()
{
    QFETCH(bool, qt);
    // The last of three stages turns to another mapping and back; the page redraws its frame.
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu3-odu2-odu1-odu0")));
    const std::unique_ptr<Page> page = shownPage(tester, InterfaceSetupIdentifier::PageOtnTxFrameSetup);
    QVERIFY(page);
    const int sid = nsSID::otnSid(port, PID::Otn::TX::MAPPING[4]);
    const int held = tester.cachedSid(sid)->toVariant().toInt();
    int step = 0;
    if (qt) {
        QBENCHMARK {
            page->repaint();
        }
        return;
    }
    QBENCHMARK {
        announce(tester, sid, ++step & 1 ? (held == 0 ? 1 : 0) : held);
        page->repaint();
    }
}

void bench_Pages::levelSwitch()
{
    QFETCH(bool, qt);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu3-odu2-odu1-odu0")));
    const std::unique_ptr<Page> page = shownPage(tester, InterfaceSetupIdentifier::PageOtnAlarmsErrorsStatus);
    QVERIFY(page);
    auto *second = page->findChild<QPushButton *>(QStringLiteral("pbLevel2"));
    auto *third = page->findChild<QPushButton *>(QStringLiteral("pbLevel3"));
    QVERIFY(second && third);
    int step = 0;
    if (qt) {
        QBENCHMARK {
            page->repaint();
        }
        return;
    }
    QBENCHMARK {
        (++step & 1 ? third : second)->click();
        page->repaint();
    }
}

void bench_Pages::scanColouring()
{
    QFETCH(bool, qt);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    OtnTestTScanPage page(InterfaceSetupIdentifier(InterfaceSetupIdentifier::PageOtnTributaryScan, 0, 0, 0),
                          tester.manager(), 1);
    page.initializePage();
    page.resize(pageSize);
    page.show();
    // 80 ODU0 in an OTU4, the scan running: a line, 80 tributaries and the second level's words.
    const auto receive = [&page](int id, int value) {
        page.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(port, id), value, 0, 100));
    };
    receive(12006, 3);
    receive(12007, 1);
    receive(12008, 14);
    receive(12009, 0);
    page.qcmaParameterChanged(QcmaParameterInt(nsSID::otnSid(port, PID::Otn::SCAN::RUNNING), 1, 0, 1));
    const QList<QPushButton *> buttons = page.findChildren<QPushButton *>();
    IntervalDataOtnTributaryScan blocks[2] = {{nsSID::otnSid(port, 7101), currentIntervalSelector},
                                              {nsSID::otnSid(port, 7101), currentIntervalSelector}};
    // Every tributary clear (a word of 0), then every other one in alarm: half the buttons change colour
    // at each block.
    for (int word = 0; word < blocks[1].words.size(); ++word) {
        blocks[0].words[word] = 0;
        blocks[1].words[word] = word % 2 ? 0x3 : 0;
    }
    int step = 0;
    if (qt) {
        const QString styles[2] = {QStringLiteral("background-color: lime;"), QStringLiteral("background-color: red;")};
        QBENCHMARK {
            ++step;
            for (int i = 0; i < 83 && i < buttons.size(); ++i)
                buttons.at(i)->setStyleSheet(styles[(step + i) & 1]);
            page.repaint();
        }
        return;
    }
    QBENCHMARK {
        page.intervalDataChanged(blocks[++step & 1]);
        page.repaint();
    }
}

void bench_Pages::captureDisplay()
{
    QFETCH(bool, qt);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    const std::unique_ptr<Page> page = shownPage(tester, InterfaceSetupIdentifier::PageOtnOverheadCapture);
    QVERIFY(page);
    const auto block = oneBlock<IntervalDataOtnCapture>(tester, nsSID::otnSid(port, PID::Otn::CAPTURE::OVERHEAD));
    QVERIFY(block);
    if (qt) {
        QBENCHMARK {
            page->repaint();
        }
        return;
    }
    QBENCHMARK {
        emit tester.link()->intervalDataArrived(block);
        page->repaint();
    }
}

void bench_Pages::resultRefresh()
{
    QFETCH(bool, qt);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    QList<int> ports{port};
    OtnStatisticsPageFactory factory(&ports);
    std::unique_ptr<StatisticsListPage> page(
        factory.createPage(TestResultIdentifier(TestResultIdentifier::ViewAlarmsErrors), tester.manager()));
    QVERIFY(page);
    page->initializePage();
    page->resize(pageSize);
    page->show();
    tester.settle();
    const auto block = oneBlock<IntervalDataCounters>(tester, -1);
    QVERIFY(block);
    if (qt) {
        QBENCHMARK {
            page->repaint();
        }
        return;
    }
    QBENCHMARK {
        emit tester.link()->intervalDataArrived(block);
        page->repaint();
    }
}

void bench_Pages::pageCreation_data()
{
    QTest::addColumn<bool>("qt");
    QTest::addColumn<int>("pageId");
    QTest::addColumn<Work>("setupUi");
    using Id = InterfaceSetupIdentifier;
    const QList<QPair<int, Work>> pages = {
        {Id::PageOtnTxFrameSetup, setupUiOnly<Ui::OtnFrameSetupPageBase>},
        {Id::PageOtnRxFrameSetup, setupUiOnly<Ui::OtnFrameSetupPageBase>},
        {Id::PageOtnTxPhysicalSetup, setupUiOnly<Ui::OtnSignalSetupPageTx>},
        {Id::PageOtnRxPhysicalSetup, setupUiOnly<Ui::OtnSignalSetupPageRx>},
        {Id::PageOtnPhysicalStatus, setupUiOnly<Ui::OtnStatusPhysicalPage>},
        {Id::PageOtnAlarmsErrorsStatus, setupUiOnly<Ui::OtnStatusErrorPage>},
        {Id::PageOtnOverheadCapture, setupUiOnly<Ui::OtnStatusCapturePage>},
        {Id::PageOtnTributaryScan, setupUiOnly<Ui::OtnTestTScanPage>},
        {Id::PageOtnTransceiverStatus, setupUiOnly<Ui::PhysicalStatus>},
    };
    for (const auto &entry : pages) {
        const QString figure = QStringLiteral("page %1 created and shown").arg(entry.first);
        QTest::newRow(qPrintable(figure)) << false << entry.first << entry.second;
        QTest::newRow(qPrintable(figure + qtRow)) << true << entry.first << entry.second;
    }
}

void bench_Pages::pageCreation()
{
    QFETCH(bool, qt);
    QFETCH(int, pageId);
    QFETCH(Work, setupUi);
    if (qt) {
        QBENCHMARK {
            setupUi();
        }
        return;
    }
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    QBENCHMARK {
        const std::unique_ptr<Page> page = shownPage(tester, pageId);
        QVERIFY(page);
    }
}

QTEST_MAIN(bench_Pages)
#include "bench_pages.moc"
