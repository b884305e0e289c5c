#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnmappingdialog.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagetx.h"
#include "frametestserver.h"
#include "host/bindings/notifyinterface.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/dialogrunner.h"
#include "host/server/zelservermanager.h"
#include "tests/support/diagnosticsrecorder.h"

namespace {

using Fields = QVector<int>;
using Calls = QList<QPair<int, QString>>;

constexpr int Tx = 0;
constexpr int Rx = 1;

// Records the channel dialogs the page would open.
class TxPageProbe : public OtnFrameSetupPageTx
{
public:
    using OtnFrameSetupPageTx::OtnFrameSetupPageTx;
    Calls calls;

protected:
    void openChDialog(int stage, const QString &odtuName) override { calls.append({stage, odtuName}); }
};

class RxPageProbe : public OtnFrameSetupPageRx
{
public:
    using OtnFrameSetupPageRx::OtnFrameSetupPageRx;
    Calls calls;

protected:
    void openChDialog(int stage, const QString &odtuName) override { calls.append({stage, odtuName}); }
};

// Hears the values of one parameter after the page has heard them (observers are told in order).
struct Probe : NotifyInterface {
    QList<int> values;
    void qcmaParameterChanged(const QcmaParameter &p) override { values.append(p.getInt()); }
};

std::unique_ptr<OtnFrameSetupPageBase> openPage(int direction, zelServerManager *manager)
{
    const InterfaceSetupIdentifier id(direction == Tx ? 31 : 32, direction + 1, 2, 5);
    std::unique_ptr<OtnFrameSetupPageBase> page;
    if (direction == Tx)
        page.reset(new TxPageProbe(id, manager, 1));
    else
        page.reset(new RxPageProbe(id, manager, 1));
    page->initializePage();
    page->show();
    return page;
}

Calls callsOf(OtnFrameSetupPageBase *page)
{
    if (auto *tx = dynamic_cast<TxPageProbe *>(page))
        return tx->calls;
    return static_cast<RxPageProbe *>(page)->calls;
}

bool shown(const OtnFrameSetupPageBase *page, const QString &name)
{
    const QWidget *w = page->findChild<QWidget *>(name);
    return w && w->isVisibleTo(page);
}

QString textOf(const OtnFrameSetupPageBase *page, const QString &name)
{
    if (const auto *label = page->findChild<QLabel *>(name))
        return label->text();
    if (const auto *button = page->findChild<QPushButton *>(name))
        return button->text();
    return QStringLiteral("<no %1>").arg(name);
}

const char *directionName(int direction)
{
    return direction == Tx ? "Tx" : "Rx";
}

bool plain(const OtnMapping &m)
{
    return !m.isGfp() && !m.isOTLC();
}

// A structure with any number of stages (fewest first) that has the property.
Fields anyStructure(const std::function<bool(const OtnMapping &)> &want)
{
    for (int stages = 0; stages <= OtnMapping::maxStages; ++stages) {
        const Fields found = FrameTestServer::findStructure(stages, want);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace

class tst_OtnFrameSetupPage : public QObject
{
    Q_OBJECT
private slots:
    void findChildInLayout_data();
    void findChildInLayout();
    void setLayoutVisibleSpansNestedLayouts();
    void setChButtonTextIfCurrent_data();
    void setChButtonTextIfCurrent();

    void diagramByStageCount_data();
    void diagramByStageCount();
    void gfpColumn_data();
    void gfpColumn();
    void otlSliceSetupRow_data();
    void otlSliceSetupRow();
    void counterLabels_data();
    void counterLabels();
    void tsCountChangeRedrawsOneLevel_data();
    void tsCountChangeRedrawsOneLevel();
    void txTpChangeSparesForeignChButton();
    void rxChText_data();
    void rxChText();
    void rxChTextFollowsDetectionMode();
    void configureRule_data();
    void configureRule();
    void clientSignalLineBreak_data();
    void clientSignalLineBreak();
    void rxTtiDetectionEnabling_data();
    void rxTtiDetectionEnabling();
    void bindingsInOrder_data();
    void bindingsInOrder();
    void chButtonsOpenTheirStage_data();
    void chButtonsOpenTheirStage();
    void stageLookup_data();
    void stageLookup();
    void mappingDialogRoundTrip_data();
    void mappingDialogRoundTrip();
};

// --- layout helpers ------------------------------------------------------------------------------

void tst_OtnFrameSetupPage::findChildInLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedTag");
    QTest::newRow("direct child") << "a" << "a";
    QTest::newRow("nested child") << "b" << "b";
    QTest::newRow("deeper nesting") << "c" << "c";
    QTest::newRow("first match wins, depth first") << "dup" << "dup-nested";
    QTest::newRow("unknown name") << "zz" << "";
}

void tst_OtnFrameSetupPage::findChildInLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, expectedTag);
    QWidget host;
    auto *outer = new QVBoxLayout(&host);
    auto *inner = new QHBoxLayout;
    auto *deeper = new QVBoxLayout;
    const auto label = [&host](const QString &objectName, const QString &tag) {
        auto *l = new QLabel(tag, &host);
        l->setObjectName(objectName);
        return l;
    };
    outer->addWidget(label("a", "a"));
    outer->addLayout(inner);
    inner->addWidget(label("b", "b"));
    inner->addSpacing(10);
    inner->addLayout(deeper);
    deeper->addWidget(label("dup", "dup-nested"));
    deeper->addWidget(label("c", "c"));
    outer->addWidget(label("dup", "dup-direct"));

    QWidget *found = OtnFrameSetupPageBase::findChildInLayout(outer, name);
    if (expectedTag.isEmpty()) {
        QVERIFY2(!found, qPrintable(QStringLiteral("found %1").arg(name)));
    } else {
        QVERIFY(found);
        QCOMPARE(static_cast<QLabel *>(found)->text(), expectedTag);
    }
    QVERIFY(!OtnFrameSetupPageBase::findChildInLayout(nullptr, name));
}

void tst_OtnFrameSetupPage::setLayoutVisibleSpansNestedLayouts()
{
    QWidget host;
    auto *outer = new QVBoxLayout(&host);
    auto *inner = new QHBoxLayout;
    auto *a = new QLabel("a", &host);
    auto *b = new QLabel("b", &host);
    auto *outside = new QLabel("outside", &host);
    outer->addWidget(a);
    outer->addLayout(inner);
    inner->addWidget(b);
    inner->addStretch();
    host.show();

    OtnFrameSetupPageBase::setLayoutVisible(inner, false);
    QVERIFY(a->isVisible());
    QVERIFY(!b->isVisible());
    OtnFrameSetupPageBase::setLayoutVisible(outer, false);
    QVERIFY(!a->isVisible());
    QVERIFY(!b->isVisible());
    QVERIFY2(outside->isVisible(), "a widget outside the layout must keep its state");
    OtnFrameSetupPageBase::setLayoutVisible(outer, true);
    QVERIFY(a->isVisible());
    QVERIFY(b->isVisible());
    OtnFrameSetupPageBase::setLayoutVisible(nullptr, false);
}

void tst_OtnFrameSetupPage::setChButtonTextIfCurrent_data()
{
    QTest::addColumn<QString>("labelText");
    QTest::addColumn<QString>("odtuName");
    QTest::addColumn<bool>("changes");
    QTest::newRow("label on two lines") << "ODTU12 \n(PT=20)" << "ODTU12 (PT=20)" << true;
    QTest::newRow("name is a prefix") << "ODTU2.ts \n(PT=21)" << "ODTU2.ts" << true;
    QTest::newRow("other ODTU") << "ODTU01" << "ODTU12" << false;
    QTest::newRow("case matters") << "odtu12" << "ODTU12" << false;
    QTest::newRow("label shorter than name") << "ODTU" << "ODTU12" << false;
}

void tst_OtnFrameSetupPage::setChButtonTextIfCurrent()
{
    QFETCH(QString, labelText);
    QFETCH(QString, odtuName);
    QFETCH(bool, changes);
    QLabel label(labelText);
    QPushButton button("before");
    OtnFrameSetupPageBase::setChButtonTextIfCurrent(&label, &button, odtuName, "TP #7");
    QCOMPARE(button.text(), changes ? QStringLiteral("TP #7") : QStringLiteral("before"));
    OtnFrameSetupPageBase::setChButtonTextIfCurrent(nullptr, &button, odtuName, "TP #8");
    OtnFrameSetupPageBase::setChButtonTextIfCurrent(&label, nullptr, odtuName, "TP #8");
    QCOMPARE(button.text(), changes ? QStringLiteral("TP #7") : QStringLiteral("before"));
}

// --- the diagram --------------------------------------------------------------------------------

void tst_OtnFrameSetupPage::diagramByStageCount_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("stages");
    for (int direction : {Tx, Rx}) {
        for (int stages = 0; stages <= 3; ++stages)
            QTest::addRow("%s, %d stage(s)", directionName(direction), stages) << direction << stages;
    }
}

void tst_OtnFrameSetupPage::diagramByStageCount()
{
    QFETCH(int, direction);
    QFETCH(int, stages);
    const Fields fields = FrameTestServer::findStructure(stages, plain);
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");
    const OtnMapping mapping = FrameTestServer::mappingOf(fields);

    FrameTestServer server;
    server.setMapping(direction, fields);
    auto page = openPage(direction, server.start());

    const bool tx = direction == Tx;
    QHash<QString, bool> expected;
    expected.insert("lblLv1Odu", true);
    expected.insert("pbLv1Oh", tx);
    for (int s = 0; s < 3; ++s) {
        const bool present = s < stages;
        const int n = s + 1;
        expected.insert(QStringLiteral("lblLv%1Odtu").arg(n), present);
        expected.insert(QStringLiteral("hLine_Lv%1Odtu").arg(n), !present);
        expected.insert(QStringLiteral("lblLv%1DummyCh").arg(n), present && tx);
        expected.insert(QStringLiteral("cmbLv%1DummyCh").arg(n), present && tx);
        expected.insert(QStringLiteral("pbLv%1Ch").arg(n), present);
        expected.insert(QStringLiteral("vLineLv%1OdtuToCh").arg(n), present);
        expected.insert(QStringLiteral("pbMsimDetection%1").arg(n), present && !tx);
    }
    for (int level = 1; level < 4; ++level) {
        const bool present = level - 1 < stages;
        const int n = level + 1;
        expected.insert(QStringLiteral("lblLv%1Odu").arg(n), present);
        expected.insert(QStringLiteral("hLine_Lv%1Odu").arg(n), !present);
        expected.insert(QStringLiteral("pbLv%1Oh").arg(n), present && tx);
        expected.insert(QStringLiteral("lblLv%1Multiplex").arg(n), present);
    }
    expected.insert("hLine_Gfp", true);
    expected.insert("pbGfpT", false);
    expected.insert("lblGfpRx", false);
    expected.insert("lblClientSignal", true);
    expected.insert("pbConfigure", true);
    expected.insert("cmbFecControl", true);
    expected.insert("cmbTtiEncoding", tx);
    expected.insert("cmbTcm", !tx);
    expected.insert("pbTtiDetection", !tx);
    expected.insert("pbOtlcSliceSetup", false);
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
        QVERIFY2(shown(page.get(), it.key()) == it.value(), qPrintable(it.key()));

    QCOMPARE(textOf(page.get(), "lblSignal"), QString(tx ? "Tx" : "Rx"));
    const QString ho = mapping.getHoOduName().remove("ODU");
    QCOMPARE(page->oduNames().value(0), ho);
    QCOMPARE(textOf(page.get(), "lblLv1Odu"),
             (mapping.hasExtendedOpu(0) ? QStringLiteral("OTU%1\nODU%1\nExt. OPU%1")
                                        : QStringLiteral("OTU%1\nODU%1\nOPU%1")).arg(ho));
    for (int s = 0; s < 3; ++s) {
        const bool present = s < stages;
        QCOMPARE(page->odtuNames().value(s),
                 present ? QStringLiteral("ODTU-s%1v%2 (PT=21)").arg(s).arg(fields[2 + s]) : QString());
        if (present) {
            QCOMPARE(textOf(page.get(), QStringLiteral("lblLv%1Odtu").arg(s + 1)),
                     QStringLiteral("ODTU-s%1v%2 \n(PT=21)").arg(s).arg(fields[2 + s]));
            const QString lo = mapping.getOduName(s + 1).remove("ODU");
            QCOMPARE(page->oduNames().value(s + 1), lo);
            QCOMPARE(textOf(page.get(), QStringLiteral("lblLv%1Odu").arg(s + 2)),
                     mapping.hasExtendedOpu(s + 1) ? QStringLiteral("ODU%1\nExt. OPU%1").arg(lo)
                                                   : QStringLiteral("ODU%1\nOPU%1").arg(lo));
        }
    }
}

void tst_OtnFrameSetupPage::gfpColumn_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("gfpF");
    QTest::addColumn<QString>("shownWidget");
    QTest::addColumn<QString>("hiddenWidget");
    QTest::addColumn<QString>("text");
    QTest::newRow("GFP-T on Tx: button") << Tx << false << "pbGfpT" << "lblGfpRx" << "GFP-T";
    QTest::newRow("GFP-T on Rx: label") << Rx << false << "lblGfpRx" << "pbGfpT" << "GFP-T";
    QTest::newRow("GFP-F on Tx: button") << Tx << true << "pbGfpT" << "lblGfpRx" << "GFP-F";
    QTest::newRow("GFP-F on Rx: button") << Rx << true << "pbGfpT" << "lblGfpRx" << "GFP-F";
}

void tst_OtnFrameSetupPage::gfpColumn()
{
    QFETCH(int, direction);
    QFETCH(bool, gfpF);
    QFETCH(QString, shownWidget);
    QFETCH(QString, hiddenWidget);
    QFETCH(QString, text);
    const Fields fields = anyStructure([gfpF](const OtnMapping &m) { return gfpF ? m.isGfpF() : m.isGfpT(); });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such GFP structure");

    FrameTestServer server;
    server.setMapping(direction, fields);
    auto page = openPage(direction, server.start());

    QVERIFY(shown(page.get(), shownWidget));
    QVERIFY(!shown(page.get(), hiddenWidget));
    QVERIFY2(!shown(page.get(), "hLine_Gfp"), "the plain line gives way to the GFP box");
    QCOMPARE(textOf(page.get(), shownWidget), text);
}

void tst_OtnFrameSetupPage::otlSliceSetupRow_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("otlc");
    for (int direction : {Tx, Rx}) {
        QTest::addRow("%s, OTL lane interface", directionName(direction)) << direction << true;
        QTest::addRow("%s, single-lane interface", directionName(direction)) << direction << false;
    }
}

void tst_OtnFrameSetupPage::otlSliceSetupRow()
{
    QFETCH(int, direction);
    QFETCH(bool, otlc);
    const Fields fields = anyStructure([otlc](const OtnMapping &m) { return m.isOTLC() == otlc; });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such interface");

    FrameTestServer server;
    server.setMapping(direction, fields);
    auto page = openPage(direction, server.start());
    QCOMPARE(shown(page.get(), "pbOtlcSliceSetup"), otlc);
    QCOMPARE(shown(page.get(), "cmbFecControl"), true);
}

void tst_OtnFrameSetupPage::counterLabels_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("stages");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("factor");
    QTest::newRow("Tx, 80 lower-order ODUs") << Tx << 1 << 0 << 80;
    QTest::newRow("Rx, 80 lower-order ODUs") << Rx << 1 << 0 << 80;
    QTest::newRow("Tx, 4 lower-order ODUs") << Tx << 1 << 0 << 4;
    QTest::newRow("Tx, second stage of 2") << Tx << 2 << 1 << 2;
    QTest::newRow("Rx, third stage of 2") << Rx << 3 << 2 << 2;
}

void tst_OtnFrameSetupPage::counterLabels()
{
    QFETCH(int, direction);
    QFETCH(int, stages);
    QFETCH(int, stage);
    QFETCH(int, factor);
    const Fields fields = FrameTestServer::findStructure(stages, [&](const OtnMapping &m) {
        return plain(m) && !m.hasOduFlex(stage)
               && OtnTpTs::getTpTsInfo(stage, m, 0).multiplexFactor == quint32(factor);
    });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");

    FrameTestServer server;
    server.setMapping(direction, fields);
    auto page = openPage(direction, server.start());
    QCOMPARE(textOf(page.get(), QStringLiteral("lblLv%1Multiplex").arg(stage + 2)), QStringLiteral("x%1").arg(factor));
}

void tst_OtnFrameSetupPage::tsCountChangeRedrawsOneLevel_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("stage");
    QTest::newRow("Tx, stage 1") << Tx << 0;
    QTest::newRow("Tx, stage 2") << Tx << 1;
    QTest::newRow("Rx, stage 1") << Rx << 0;
    QTest::newRow("Rx, stage 2") << Rx << 1;
}

void tst_OtnFrameSetupPage::tsCountChangeRedrawsOneLevel()
{
    QFETCH(int, direction);
    QFETCH(int, stage);
    // Prefer an ODUflex stage, whose counter depends on the TS count; any stage shows the partial redraw.
    Fields fields = FrameTestServer::findStructure(stage + 1, [stage](const OtnMapping &m) { return m.hasOduFlex(stage); });
    if (fields.isEmpty())
        fields = FrameTestServer::findStructure(stage + 1, plain);
    QVERIFY(!fields.isEmpty());
    const OtnMapping mapping = FrameTestServer::mappingOf(fields);
    const bool flex = mapping.hasOduFlex(stage);
    const int tsCountId = (direction == Tx ? PID::Otn::TX::NUMBER_OF_TS : PID::Otn::RX::NUMBER_OF_TS)[stage];
    quint32 newCount = 1;
    if (flex) {
        // A count whose factor differs from the first one, so the redraw shows.
        const quint32 first = OtnTpTs::getTpTsInfo(stage, mapping, 1).multiplexFactor;
        while (newCount < 80 && OtnTpTs::getTpTsInfo(stage, mapping, newCount).multiplexFactor == first)
            ++newCount;
    }
    const QString expected =
        QStringLiteral("x%1").arg(OtnTpTs::getTpTsInfo(stage, mapping, flex ? newCount : 0).multiplexFactor);

    FrameTestServer server;
    server.setMapping(direction, fields);
    auto page = openPage(direction, server.start());
    auto *counter = page->findChild<QLabel *>(QStringLiteral("lblLv%1Multiplex").arg(stage + 2));
    auto *hoBox = page->findChild<QLabel *>("lblLv1Odu");
    auto *client = page->findChild<QLabel *>("lblClientSignal");
    counter->setText("stale");
    hoBox->setText("untouched");
    client->setText("untouched");

    server.change(tsCountId, int(newCount));
    QTRY_COMPARE(counter->text(), expected);
    QCOMPARE(hoBox->text(), QStringLiteral("untouched"));
    QCOMPARE(client->text(), QStringLiteral("untouched"));
}

void tst_OtnFrameSetupPage::txTpChangeSparesForeignChButton()
{
    const Fields fields = FrameTestServer::findStructure(1, plain);
    QVERIFY(!fields.isEmpty());
    FrameTestServer server;
    server.setMapping(Tx, fields);
    auto page = openPage(Tx, server.start());
    auto *button = page->findChild<QPushButton *>("pbLv1Ch");
    QCOMPARE(button->text(), QStringLiteral("TP #1"));

    const int tpId = PID::Otn::TX::MAIN_TP[0];
    server.change(tpId, 3);
    QTRY_COMPARE(button->text(), QStringLiteral("TP #3"));

    // The label now shows another ODTU: the stage's TP no longer belongs on that button.
    page->findChild<QLabel *>("lblLv1Odtu")->setText("ODTU-other");
    Probe probe;
    UiHelper_Notification after(server.manager(), &probe, FrameTestServer::sid(tpId), UiHelper::ConnectImmediately);
    server.change(tpId, 2);
    QTRY_COMPARE(probe.values.value(probe.values.size() - 1), 2);
    QCOMPARE(button->text(), QStringLiteral("TP #3"));
}

void tst_OtnFrameSetupPage::rxChText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mode 1 always shows the TP") << 1 << true << "TP #3";
    QTest::newRow("mode 0 with automatic TS") << 0 << true << "Auto";
    QTest::newRow("mode 2 with automatic TS") << 2 << true << "Auto";
    QTest::newRow("mode 0, TP fixes the TS") << 0 << false << "TP #3";
    QTest::newRow("mode 2, TP fixes the TS") << 2 << false << "TP #3";
}

void tst_OtnFrameSetupPage::rxChText()
{
    QFETCH(int, mode);
    QFETCH(bool, automatic);
    QFETCH(QString, expected);
    const Fields fields = FrameTestServer::findStructure(1, [automatic](const OtnMapping &m) {
        return plain(m) && (OtnTpTs::getTpTsInfo(0, m, 0).autoDetection != 0) == automatic;
    });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");

    FrameTestServer server;
    server.setMapping(Rx, fields);
    server.setValue(PID::Otn::RX::DET_MODE[0], mode);
    server.setValue(PID::Otn::RX::MAIN_TP[0], 3);
    auto page = openPage(Rx, server.start());
    QCOMPARE(textOf(page.get(), "pbLv1Ch"), expected);
    page->UpdateText();
    QCOMPARE(textOf(page.get(), "pbLv1Ch"), expected);
}

void tst_OtnFrameSetupPage::rxChTextFollowsDetectionMode()
{
    const Fields fields = FrameTestServer::findStructure(2, [](const OtnMapping &m) {
        return plain(m) && OtnTpTs::getTpTsInfo(1, m, 0).autoDetection != 0;
    });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");
    FrameTestServer server;
    server.setMapping(Rx, fields);
    server.setValue(PID::Otn::RX::DET_MODE[1], 0);
    server.setValue(PID::Otn::RX::MAIN_TP[1], 2);
    auto page = openPage(Rx, server.start());
    auto *button = page->findChild<QPushButton *>("pbLv2Ch");
    QCOMPARE(button->text(), QStringLiteral("Auto"));

    server.change(PID::Otn::RX::DET_MODE[1], 1);
    QTRY_COMPARE(button->text(), QStringLiteral("TP #2"));
    server.change(PID::Otn::RX::MAIN_TP[1], 4);
    QTRY_COMPARE(button->text(), QStringLiteral("TP #4"));
    server.change(PID::Otn::RX::DET_MODE[1], 2);
    QTRY_COMPARE(button->text(), QStringLiteral("Auto"));
}

void tst_OtnFrameSetupPage::configureRule_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("access");
    QTest::addColumn<bool>("enabled");
    for (int direction : {Tx, Rx}) {
        QTest::addRow("%s, client 0, full access", directionName(direction)) << direction << 0 << 0 << true;
        QTest::addRow("%s, client 1, full access", directionName(direction)) << direction << 1 << 0 << false;
        QTest::addRow("%s, client 0, restricted", directionName(direction)) << direction << 0 << 1 << false;
        QTest::addRow("%s, client 2, restricted", directionName(direction)) << direction << 2 << 2 << false;
    }
}

void tst_OtnFrameSetupPage::configureRule()
{
    QFETCH(int, direction);
    QFETCH(int, client);
    QFETCH(int, access);
    QFETCH(bool, enabled);
    FrameTestServer server;
    server.setMapping(direction, {0, client, 0, 0, 0});
    zelServerManager *manager = server.start();
    auto page = openPage(direction, manager);
    manager->setGUIAccessState(access);
    page->SetGUIAccessState(access);
    QCOMPARE(page->findChild<QPushButton *>("pbConfigure")->isEnabled(), enabled);
    QCOMPARE(page->findChild<QPushButton *>("pbMapping")->isEnabled(), access == 0);
    if (direction == Tx)
        QCOMPARE(page->findChild<QPushButton *>("pbGfpT")->isEnabled(), access == 0);

    // Back to full access: only the client value decides again.
    manager->setGUIAccessState(0);
    page->SetGUIAccessState(0);
    QCOMPARE(page->findChild<QPushButton *>("pbConfigure")->isEnabled(), client == 0);
}

void tst_OtnFrameSetupPage::clientSignalLineBreak_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("terminology");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no bracket") << Tx << 0 << 0 << "GbE";
    QTest::newRow("break before the bracket") << Tx << 1 << 0 << "STM-64 \n(OPU2e)";
    QTest::newRow("only the first bracket") << Rx << 2 << 0 << "10GbE LAN \n(GFP-F) (Ext. OPU2)";
    QTest::newRow("neutral name") << Rx << 3 << 0 << "Client 3";
    QTest::newRow("SDH name") << Tx << 3 << 1 << "STM-16 \n(SDH)";
    QTest::newRow("SONET name") << Rx << 3 << 2 << "OC-48 \n(SONET)";
}

void tst_OtnFrameSetupPage::clientSignalLineBreak()
{
    QFETCH(int, direction);
    QFETCH(int, client);
    QFETCH(int, terminology);
    QFETCH(QString, expected);
    FrameTestServer server;
    server.setMapping(direction, {0, client, 0, 0, 0});
    auto page = openPage(direction, server.start());
    page->ChangeTerminology(terminology);
    QCOMPARE(page->terminology(), terminology);
    QCOMPARE(textOf(page.get(), "lblClientSignal"), expected);
}

void tst_OtnFrameSetupPage::rxTtiDetectionEnabling_data()
{
    QTest::addColumn<bool>("otlc");
    QTest::addColumn<int>("slice");
    QTest::addColumn<int>("access");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("OTL lanes, reduced overhead slice") << true << 1 << 0 << false;
    QTest::newRow("OTL lanes, full overhead slice") << true << 0 << 0 << true;
    QTest::newRow("single lane, value 1") << false << 1 << 0 << true;
    QTest::newRow("OTL lanes, restricted access") << true << 0 << 1 << false;
}

void tst_OtnFrameSetupPage::rxTtiDetectionEnabling()
{
    QFETCH(bool, otlc);
    QFETCH(int, slice);
    QFETCH(int, access);
    QFETCH(bool, enabled);
    const Fields fields = anyStructure([otlc](const OtnMapping &m) { return m.isOTLC() == otlc; });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such interface");
    FrameTestServer server;
    server.setMapping(Rx, fields);
    server.setValue(12028, slice == 0 ? 1 : 0);
    zelServerManager *manager = server.start();
    manager->setGUIAccessState(access);
    auto page = openPage(Rx, manager);
    Probe probe;
    UiHelper_Notification after(manager, &probe, FrameTestServer::sid(12028), UiHelper::ConnectImmediately);
    server.change(12028, slice);
    QTRY_COMPARE(probe.values, (QList<int>{slice == 0 ? 1 : 0, slice}));
    QCOMPARE(page->findChild<QPushButton *>("pbTtiDetection")->isEnabled(), enabled);
}

// --- bindings and dispatch ----------------------------------------------------------------------

void tst_OtnFrameSetupPage::bindingsInOrder_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<int>>("ids");
    using namespace PID::Otn;
    QList<int> tx{12018, 11008, 11009, 11010, 11011, 11166, 11012};
    for (int s = 0; s < 3; ++s) {
        tx << TX::TX_COPY[s] << TX::TX_COPY[s] << TX::MAIN_TP[s];
        if (s < 2)
            tx << TX::NUMBER_OF_TS[s];
    }
    tx << 13001 << 11204;
    QList<int> rx{12018, 12006, 12007, 12008, 12009, 12022, 12010,
                  12012, 12014, 12011, 12016, 12023, 12015, 12024, 12026, 13002, 12028};
    QTest::newRow("Tx") << Tx << tx;
    QTest::newRow("Rx") << Rx << rx;
}

void tst_OtnFrameSetupPage::bindingsInOrder()
{
    QFETCH(int, direction);
    QFETCH(QList<int>, ids);
    FrameTestServer server;
    auto page = openPage(direction, server.start());
    const auto boundIds = [&page](int port) {
        QList<int> list;
        for (const UiHelper *helper : page->uiHelperList()->helpers()) {
            if (nsSID::portOf(helper->getSID()) != port || nsSID::groupOf(helper->getSID()) != nsSID::otn)
                return QList<int>{-1};
            list << nsSID::idOf(helper->getSID());
        }
        return list;
    };
    QCOMPARE(boundIds(FrameTestServer::port), ids);
    for (const UiHelper *helper : page->uiHelperList()->helpers())
        QVERIFY2(helper->isConnected(), "a shown page follows its parameters");

    // Rebuilding replaces the bindings instead of adding a second set.
    static_cast<OtnSetupPage *>(page.get())->reinitialize();
    QCOMPARE(boundIds(FrameTestServer::port), ids);

    page->setPort(2);
    QCOMPARE(boundIds(2), ids);
}

void tst_OtnFrameSetupPage::chButtonsOpenTheirStage_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("Tx") << Tx;
    QTest::newRow("Rx") << Rx;
}

void tst_OtnFrameSetupPage::chButtonsOpenTheirStage()
{
    QFETCH(int, direction);
    const Fields fields = FrameTestServer::findStructure(3, plain);
    QVERIFY(!fields.isEmpty());
    FrameTestServer server;
    server.setMapping(direction, fields);
    auto page = openPage(direction, server.start());
    page->findChild<QPushButton *>("pbLv3Ch")->click();
    page->findChild<QPushButton *>("pbLv1Ch")->click();
    page->findChild<QPushButton *>("pbLv2Ch")->click();
    const QStringList names = page->odtuNames();
    QCOMPARE(callsOf(page.get()), (Calls{{2, names[2]}, {0, names[0]}, {1, names[1]}}));
    QCOMPARE(names[1], QStringLiteral("ODTU-s1v%1 (PT=21)").arg(fields[3]));

    // Rebuilding the bindings must not connect the buttons twice.
    static_cast<OtnSetupPage *>(page.get())->reinitialize();
    page->findChild<QPushButton *>("pbLv1Ch")->click();
    QCOMPARE(callsOf(page.get()).size(), 4);
}

void tst_OtnFrameSetupPage::stageLookup_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("tsCountTable");
    QTest::addColumn<int>("tableIndex");   // 0 MAIN_TP, 1 NUMBER_OF_TS, 2 MAPPING + 2, 3 DET_MODE
    QTest::addColumn<int>("pid");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("report");
    const QString tx = "ZEL_ASSERT_MSG: ..\\..\\client\\otn\\interface_setup_status\\pages\\setup\\otnframesetuppagetx: "
                       "line %d - ";
    const QString rx = "ZEL_ASSERT_MSG: ..\\..\\client\\otn\\interface_setup_status\\pages\\setup\\otnframesetuppagerx: "
                       "line %d - ";
    QTest::newRow("Tx main TP of stage 3") << Tx << false << 0 << 11201 << 2 << "";
    QTest::newRow("Tx TS count of stage 2") << Tx << true << 1 << 11200 << 1 << "";
    QTest::newRow("Rx multiplexing 3") << Rx << false << 2 << 12022 << 2 << "";
    QTest::newRow("Rx detection mode of stage 2") << Rx << false << 3 << 12015 << 1 << "";
    QTest::newRow("Rx main TP of stage 1") << Rx << false << 0 << 12012 << 0 << "";
    QTest::newRow("Tx unknown main TP id")
        << Tx << false << 0 << 0x1234 << -1 << tx + "(level < 3): pid=0x1234 is not found.";
    QTest::newRow("Tx TS count table lacks stage 3")
        << Tx << true << 1 << 11201 << -1 << tx + "(level < (3-1)): pid=0x2bc1 is not found.";
    QTest::newRow("Rx unknown detection mode id")
        << Rx << false << 3 << 12012 << -1 << rx + "(level < 3): pid=0x2eec is not found.";
    QTest::newRow("Rx TS count table lacks stage 3")
        << Rx << true << 1 << 12024 << -1 << rx + "(level < (3-1)): pid=0x2ef8 is not found.";
}

void tst_OtnFrameSetupPage::stageLookup()
{
    QFETCH(int, direction);
    QFETCH(bool, tsCountTable);
    QFETCH(int, tableIndex);
    QFETCH(int, pid);
    QFETCH(int, stage);
    QFETCH(QString, report);
    using namespace PID::Otn;
    const int *tables[2][4] = {{TX::MAIN_TP, TX::NUMBER_OF_TS, TX::MAPPING + 2, nullptr},
                               {RX::MAIN_TP, RX::NUMBER_OF_TS, RX::MAPPING + 2, RX::DET_MODE}};
    const int *table = tables[direction][tableIndex];
    QVERIFY(table);

    DiagnosticsRecorder recorder;
    int found = 0;
    if (direction == Tx)
        found = tsCountTable ? OtnFrameSetupPageTx::tsStageOfPid(table, pid) : OtnFrameSetupPageTx::stageOfPid(table, pid);
    else
        found = tsCountTable ? OtnFrameSetupPageRx::tsStageOfPid(table, pid) : OtnFrameSetupPageRx::stageOfPid(table, pid);
    QCOMPARE(found, stage);
    QCOMPARE(recorder.withLineNumbersMasked(), report.isEmpty() ? QStringList() : QStringList{report});
}

// --- mapping dialog from the page ---------------------------------------------------------------

void tst_OtnFrameSetupPage::mappingDialogRoundTrip_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("Tx") << Tx;
    QTest::newRow("Rx") << Rx;
}

void tst_OtnFrameSetupPage::mappingDialogRoundTrip()
{
    QFETCH(int, direction);
    FrameTestServer server;
    server.setMapping(direction, {0, 0, 0, 0, 0});
    auto page = openPage(direction, server.start());
    QCOMPARE(textOf(page.get(), "lblClientSignal"), QStringLiteral("GbE"));

    int runs = 0;
    ScopedDialogHandler handler([&](QDialog *dialog) {
        ++runs;
        auto *mapping = qobject_cast<OtnMappingDialog *>(dialog);
        if (!mapping)
            return 0;
        [&] {
            QCOMPARE(mapping->direction(), direction);
            QCOMPARE(mapping->port(), FrameTestServer::port);
            QCOMPARE(mapping->parentWidget(), page->findChild<QWidget *>("pbMapping"));
        }();
        auto *combo = mapping->findChild<QComboBox *>("cmbClientSignal");
        combo->setCurrentIndex(combo->findText("STM-64 (OPU2e)"));
        return 1;
    });
    page->findChild<QPushButton *>("pbMapping")->click();
    QCOMPARE(runs, 1);

    const int clientId = FrameTestServer::mappingIds(direction)[1];
    QTRY_COMPARE(server.value(clientId), 1);
    QTRY_COMPARE(textOf(page.get(), "lblClientSignal"), QStringLiteral("STM-64 \n(OPU2e)"));
    QCOMPARE(page->mapping()[OtnMapping::FieldClient], 1);
    QVERIFY2(!page->findChild<QPushButton *>("pbConfigure")->isEnabled(), "only client 0 is configured here");
}

QTEST_MAIN(tst_OtnFrameSetupPage)
#include "tst_otnframesetuppage.moc"
