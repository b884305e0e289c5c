#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnmappingdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohdialog.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagetx.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "tests/support/framecatalogue.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {

using Fields = QVector<int>;
using Calls = QList<QPair<int, QString>>;
using Values = QHash<int, int>;

constexpr int Tx = 0;
constexpr int Rx = 1;
enum Structure { Plain, GfpT, GfpF, OtlLanes };

Calls chDialogs;   // the channel dialogs the pages asked to open

// Records the channel dialog instead of opening it.
template <class Base>
struct ChProbe : Base {
    using Base::Base;
    void openChDialog(int stage, const QString &odtuName) override { chDialogs.append({stage, odtuName}); }
};

const int *mappingIds(int direction)
{
    return direction == Tx ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING;
}

const QStringList comboNames{"cmbIoSignal", "cmbClientSignal", "cmbMultiplexing1", "cmbMultiplexing2",
                             "cmbMultiplexing3"};

bool has(const OtnMapping &m, int structure)
{
    switch (structure) {
    case GfpT: return m.isGfpT();
    case GfpF: return m.isGfpF();
    case OtlLanes: return m.isOTLC();
    default: return !m.isGfp() && !m.isOTLC();
    }
}

std::unique_ptr<OtnFrameSetupPageBase> openPage(int direction, zelServerManager *manager)
{
    const InterfaceSetupIdentifier id(31 + direction, direction + 1, 2, 5);
    std::unique_ptr<OtnFrameSetupPageBase> page;
    if (direction == Tx)
        page.reset(new ChProbe<OtnFrameSetupPageTx>(id, manager, 1));
    else
        page.reset(new ChProbe<OtnFrameSetupPageRx>(id, manager, 1));
    chDialogs.clear();
    page->initializePage();
    page->show();
    return page;
}

// A shown frame setup page of one direction on a test server holding the mapping and the values.
struct Frame {
    Frame(int direction, const Fields &fields, const Values &values = {})
        : server(FrameCatalogue::json(), {FrameCatalogue::port}, initialValues(direction, fields, values))
    {
        page = openPage(direction, server.manager());
    }
    static QHash<int, QVariant> initialValues(int direction, const Fields &fields, const Values &values)
    {
        QHash<int, QVariant> initial = FrameCatalogue::mappingValues(direction, fields);
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            initial.insert(nsSID::otnSid(FrameCatalogue::port, it.key()), it.value());
        return initial;
    }
    // The server changes a value of the page's port by itself.
    void set(int id, int value) const { server.fake()->serverChange(nsSID::otnSid(FrameCatalogue::port, id), value); }
    bool shown(const QString &name) const
    {
        const QWidget *w = page->findChild<QWidget *>(name);
        return w && w->isVisibleTo(page.get());
    }
    QString text(const QString &name) const
    {
        if (const auto *label = page->findChild<QLabel *>(name))
            return label->text();
        const auto *button = page->findChild<QPushButton *>(name);
        return button ? button->text() : QStringLiteral("<no %1>").arg(name);
    }
    QPushButton *button(const QString &name) const { return page->findChild<QPushButton *>(name); }

    TesterFixture server;
    std::unique_ptr<OtnFrameSetupPageBase> page;
};

} // namespace

class tst_OtnFrameSetupPage : public QObject
{
    Q_OBJECT
private slots:
    void diagramByStageCount_data();
    void diagramByStageCount();
    void boxesByStructure_data();
    void boxesByStructure();
    void tsCountChangeRedrawsTheCounter_data();
    void tsCountChangeRedrawsTheCounter();
    void rxChTextFollowsDetectionMode_data();
    void rxChTextFollowsDetectionMode();
    void clientBox_data();
    void clientBox();
    void bindingsAndChButtons_data();
    void bindingsAndChButtons();
    void mappingDialogFormAndBindings_data();
    void mappingDialogFormAndBindings();
    void mappingDialogRoundTrip();
    void ohButtonsOpenTheTableOfTheirLevel();
};

void tst_OtnFrameSetupPage::diagramByStageCount_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("stages");
    for (int direction : {Tx, Rx}) {
        for (int stages = 0; stages <= 3; ++stages)
            QTest::addRow("%s, %d stage(s)", direction == Tx ? "Tx" : "Rx", stages) << direction << stages;
    }
}

void tst_OtnFrameSetupPage::diagramByStageCount()
{
    QFETCH(int, direction);
    QFETCH(int, stages);
    const Fields fields = FrameCatalogue::findStructure(stages, [](const OtnMapping &m) {
        // ODUflex counters depend on the TS count: they have their own test.
        return has(m, Plain) && !m.hasOduFlex(0) && !m.hasOduFlex(1) && !m.hasOduFlex(2);
    });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");
    const OtnMapping mapping = FrameCatalogue::mappingOf(fields);
    const Frame f(direction, fields);

    const bool tx = direction == Tx;
    QHash<QString, bool> expected{
        {"pbLv1Oh", tx}, {"pbGfpT", false}, {"cmbTtiEncoding", tx}, {"cmbTcm", !tx}, {"pbTtiDetection", !tx}};
    for (int s = 0; s < 3; ++s) {
        const bool present = s < stages;
        const QString n = QString::number(s + 1);
        const QString lower = QString::number(s + 2);
        expected.insert("lblLv" + n + "Odtu", present);
        expected.insert("cmbLv" + n + "DummyCh", present && tx);
        expected.insert("pbLv" + n + "Ch", present);
        expected.insert("pbMsimDetection" + n, present && !tx);
        expected.insert("lblLv" + lower + "Odu", present);
        expected.insert("pbLv" + lower + "Oh", present && tx);
        expected.insert("lblLv" + lower + "Multiplex", present);
    }
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
        QVERIFY2(f.shown(it.key()) == it.value(), qPrintable(it.key()));

    QCOMPARE(f.text("lblSignal"), QString(tx ? "Tx" : "Rx"));
    const QString ho = mapping.getHoOduName().remove("ODU");
    QCOMPARE(f.page->oduNames().value(0), ho);
    QCOMPARE(f.text("lblLv1Odu"), (mapping.hasExtendedOpu(0) ? QStringLiteral("OTU%1\nODU%1\nExt. OPU%1")
                                                             : QStringLiteral("OTU%1\nODU%1\nOPU%1")).arg(ho));
    for (int s = 0; s < 3; ++s) {
        const QString odtu = QStringLiteral("ODTU-s%1v%2").arg(s).arg(fields[2 + s]);
        QCOMPARE(f.page->odtuNames().value(s), s < stages ? odtu + " (PT=21)" : QString());
        if (s >= stages)
            continue;
        QCOMPARE(f.text(QStringLiteral("lblLv%1Odtu").arg(s + 1)), odtu + " \n(PT=21)");
        const QString lo = mapping.getOduName(s + 1).remove("ODU");
        QCOMPARE(f.page->oduNames().value(s + 1), lo);
        QCOMPARE(f.text(QStringLiteral("lblLv%1Odu").arg(s + 2)),
                 (mapping.hasExtendedOpu(s + 1) ? QStringLiteral("ODU%1\nExt. OPU%1") : QStringLiteral("ODU%1\nOPU%1"))
                     .arg(lo));
        // The counter shows how many lower-order ODUs the stage carries.
        QCOMPARE(f.text(QStringLiteral("lblLv%1Multiplex").arg(s + 2)),
                 QStringLiteral("x%1").arg(OtnTpTs::getTpTsInfo(s, mapping, 0).multiplexFactor));
    }
}

void tst_OtnFrameSetupPage::boxesByStructure_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("structure");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QString>("text");
    const QStringList gfpHidesOthers{"lblGfpRx", "hLine_Gfp"};
    QTest::newRow("GFP-T on Tx: button") << Tx << int(GfpT) << QStringList{"pbGfpT"} << gfpHidesOthers << "GFP-T";
    QTest::newRow("GFP-T on Rx: label") << Rx << int(GfpT) << QStringList{"lblGfpRx"}
                                        << QStringList{"pbGfpT", "hLine_Gfp"} << "GFP-T";
    QTest::newRow("GFP-F on Rx: button") << Rx << int(GfpF) << QStringList{"pbGfpT"} << gfpHidesOthers << "GFP-F";
    QTest::newRow("Rx, OTL lane interface") << Rx << int(OtlLanes) << QStringList{"pbOtlcSliceSetup"} << QStringList{}
                                            << "";
}

void tst_OtnFrameSetupPage::boxesByStructure()
{
    QFETCH(int, direction);
    QFETCH(int, structure);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QString, text);
    const Fields fields =
        FrameCatalogue::findStructure(-1, [structure](const OtnMapping &m) { return has(m, structure); });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");
    const Frame f(direction, fields);
    for (const QString &name : shown)
        QVERIFY2(f.shown(name), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!f.shown(name), qPrintable(name));
    if (!text.isEmpty())
        QCOMPARE(f.text(shown.first()), text);
}

void tst_OtnFrameSetupPage::tsCountChangeRedrawsTheCounter_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("stage");
    QTest::newRow("Tx, stage 1") << Tx << 0;
    QTest::newRow("Rx, stage 2") << Rx << 1;
}

void tst_OtnFrameSetupPage::tsCountChangeRedrawsTheCounter()
{
    QFETCH(int, direction);
    QFETCH(int, stage);
    // Prefer an ODUflex stage, whose counter depends on the TS count; any stage shows the partial redraw.
    Fields fields =
        FrameCatalogue::findStructure(stage + 1, [stage](const OtnMapping &m) { return m.hasOduFlex(stage); });
    if (fields.isEmpty())
        fields = FrameCatalogue::findStructure(stage + 1, [](const OtnMapping &m) { return has(m, Plain); });
    QVERIFY(!fields.isEmpty());
    const OtnMapping mapping = FrameCatalogue::mappingOf(fields);
    const bool flex = mapping.hasOduFlex(stage);
    quint32 newCount = 1;
    // With ODUflex, a count whose factor differs from the first one, so the redraw shows.
    while (flex && newCount < 80
           && OtnTpTs::getTpTsInfo(stage, mapping, newCount).multiplexFactor
                  == OtnTpTs::getTpTsInfo(stage, mapping, 1).multiplexFactor)
        ++newCount;
    const QString expected =
        QStringLiteral("x%1").arg(OtnTpTs::getTpTsInfo(stage, mapping, flex ? newCount : 0).multiplexFactor);

    Frame f(direction, fields);
    auto *counter = f.page->findChild<QLabel *>(QStringLiteral("lblLv%1Multiplex").arg(stage + 2));
    counter->setText("stale");
    f.set((direction == Tx ? PID::Otn::TX::NUMBER_OF_TS : PID::Otn::RX::NUMBER_OF_TS)[stage], int(newCount));
    QTRY_COMPARE(counter->text(), expected);
}

void tst_OtnFrameSetupPage::rxChTextFollowsDetectionMode_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mode 1 always shows the TP") << 0 << 1 << true << "TP #";
    QTest::newRow("mode 0 with automatic TS") << 0 << 0 << true << "Auto";
    QTest::newRow("mode 0, TP fixes the TS") << 0 << 0 << false << "TP #";
}

void tst_OtnFrameSetupPage::rxChTextFollowsDetectionMode()
{
    QFETCH(int, stage);
    QFETCH(int, mode);
    QFETCH(bool, automatic);
    QFETCH(QString, expected);
    const Fields fields = FrameCatalogue::findStructure(stage + 1, [stage, automatic](const OtnMapping &m) {
        return has(m, Plain) && (OtnTpTs::getTpTsInfo(stage, m, 0).autoDetection != 0) == automatic;
    });
    QVERIFY2(!fields.isEmpty(), "the mapping record knows no such structure");
    const int modeId = PID::Otn::RX::DET_MODE[stage];
    const int tpId = PID::Otn::RX::MAIN_TP[stage];
    Frame f(Rx, fields, {{modeId, mode}, {tpId, 3}});
    const QString button = QStringLiteral("pbLv%1Ch").arg(stage + 1);
    const auto text = [&expected](int tp) { return expected == "Auto" ? expected : expected + QString::number(tp); };
    QCOMPARE(f.text(button), text(3));

    // The server moves to mode 1, which always shows the TP, and back.
    f.set(modeId, 1);
    QTRY_COMPARE(f.text(button), QStringLiteral("TP #3"));
    f.set(tpId, 4);
    QTRY_COMPARE(f.text(button), QStringLiteral("TP #4"));
    f.set(modeId, mode);
    QTRY_COMPARE(f.text(button), text(4));
}

void tst_OtnFrameSetupPage::clientBox_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("terminology");
    QTest::addColumn<int>("access");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("configurable");
    QTest::newRow("Tx, client 0, restricted") << Tx << 0 << 0 << 1 << "GbE" << false;
    QTest::newRow("Tx, break before the bracket") << Tx << 1 << 0 << 0 << "STM-64 \n(OPU2e)" << false;
    QTest::newRow("Rx, only the first bracket, restricted")
        << Rx << 2 << 0 << 2 << "10GbE LAN \n(GFP-F) (Ext. OPU2)" << false;
    QTest::newRow("Rx, SONET name") << Rx << 3 << 2 << 0 << "OC-48 \n(SONET)" << false;
}

void tst_OtnFrameSetupPage::clientBox()
{
    QFETCH(int, direction);
    QFETCH(int, client);
    QFETCH(int, terminology);
    QFETCH(int, access);
    QFETCH(QString, text);
    QFETCH(bool, configurable);
    // The page opens on client 0; the server then moves to the row's client.
    Frame f(direction, {});
    f.page->ChangeTerminology(terminology);
    f.set(mappingIds(direction)[OtnMapping::FieldClient], client);
    QTRY_COMPARE(f.text("lblClientSignal"), text);
    QCOMPARE(f.page->mapping()[OtnMapping::FieldClient], client);

    f.server.manager()->setGUIAccessState(access);
    f.page->SetGUIAccessState(access);
    QCOMPARE(f.button("pbConfigure")->isEnabled(), configurable);
    QCOMPARE(f.button("pbMapping")->isEnabled(), access == 0);
    if (direction == Tx)
        QCOMPARE(f.button("pbGfpT")->isEnabled(), access == 0);
    // Back to full access: only the client value decides again.
    f.server.manager()->setGUIAccessState(0);
    f.page->SetGUIAccessState(0);
    QCOMPARE(f.button("pbConfigure")->isEnabled(), client == 0);
}

void tst_OtnFrameSetupPage::bindingsAndChButtons_data()
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
    QTest::newRow("Tx") << Tx << (tx << 13001 << 11204);
    QTest::newRow("Rx") << Rx << QList<int>{12018, 12006, 12007, 12008, 12009, 12022, 12010, 12012, 12014,
                                            12011, 12016, 12023, 12015, 12024, 12026, 13002, 12028};
}

void tst_OtnFrameSetupPage::bindingsAndChButtons()
{
    QFETCH(int, direction);
    QFETCH(QList<int>, ids);
    const Fields fields = FrameCatalogue::findStructure(3, [](const OtnMapping &m) { return has(m, Plain); });
    QVERIFY(!fields.isEmpty());
    Frame f(direction, fields);
    const auto boundIds = [&f](int port) {
        QList<int> list;
        for (const UiHelper *helper : f.page->uiHelperList()->helpers()) {
            if (nsSID::portOf(helper->getSID()) != port || nsSID::groupOf(helper->getSID()) != nsSID::otn)
                return QList<int>{-1};
            list << nsSID::idOf(helper->getSID());
        }
        return list;
    };
    QCOMPARE(boundIds(FrameCatalogue::port), ids);
    for (const UiHelper *helper : f.page->uiHelperList()->helpers())
        QVERIFY2(helper->isConnected(), "a shown page follows its parameters");
    for (const char *name : {"pbLv3Ch", "pbLv1Ch", "pbLv2Ch"})
        f.button(name)->click();
    const QStringList names = f.page->odtuNames();
    QCOMPARE(chDialogs, (Calls{{2, names[2]}, {0, names[0]}, {1, names[1]}}));
    QCOMPARE(names[1], QStringLiteral("ODTU-s1v%1 (PT=21)").arg(fields[3]));

    // Rebuilding replaces the bindings instead of adding a second set, and connects no button twice.
    static_cast<OtnSetupPage *>(f.page.get())->reinitialize();
    QCOMPARE(boundIds(FrameCatalogue::port), ids);
    f.button("pbLv1Ch")->click();
    QCOMPARE(chDialogs.size(), 4);
    f.page->setPort(2);
    QCOMPARE(boundIds(2), ids);
}

void tst_OtnFrameSetupPage::mappingDialogFormAndBindings_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("Tx") << 0;
    QTest::newRow("Rx") << 1;
}

void tst_OtnFrameSetupPage::mappingDialogFormAndBindings()
{
    QFETCH(int, direction);
    TesterFixture server(FrameCatalogue::json(), {FrameCatalogue::port},
                         FrameCatalogue::mappingValues(direction, {5, 3, 2, 1, 1}));
    OtnMappingDialog dialog(server.manager(), FrameCatalogue::port, nullptr, direction);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mapping"));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_mapping.html"));
    // Each combo box shows its own parameter of the dialog's direction, named in the port's terminology.
    QCOMPARE(dialog.uiHelperList()->helpers().size(), 6);
    const auto texts = [&dialog] {
        QStringList list;
        for (const QString &name : comboNames)
            list << dialog.findChild<QComboBox *>(name)->currentText();
        return list;
    };
    QCOMPARE(texts(), (QStringList{"IF5 SDH", "STM-16 (SDH)", "ODTU-s0v2 SDH", "ODTU-s1v1 SDH", "ODTU-s2v1 SDH"}));
    server.fake()->serverChange(zelServerManager::terminologySid(FrameCatalogue::port), 0);
    QTRY_COMPARE(texts(),
                 (QStringList{"IF5 SONET", "OC-48 (SONET)", "ODTU-s0v2 SONET", "ODTU-s1v1 SONET", "ODTU-s2v1 SONET"}));
}

void tst_OtnFrameSetupPage::mappingDialogRoundTrip()
{
    const int direction = Tx;
    const QString choice = QStringLiteral("ODTU2.1 (PT=21)");
    // The mapping dialog opened from the page writes to the simulated tester; its confirmation redraws.
    TesterFixture tester;
    const int stage1Id = mappingIds(direction)[2];
    QVERIFY(tester.writeAndWait(1, mappingIds(direction)[0], 1)); // OTU2
    QVERIFY(tester.writeAndWait(1, stage1Id, 0));
    auto page = openPage(direction, tester.manager());
    auto *odtu = page->findChild<QLabel *>("lblLv1Odtu");
    QVERIFY(!odtu->isVisibleTo(page.get()));
    QCOMPARE(page->findChild<QLabel *>("lblLv1Odu")->text(), QStringLiteral("OTU2\nODU2\nOPU2"));

    int runs = 0;
    ScopedDialogHandler handler(tester.dialogRunner(), [&](QDialog *dialog) {
        ++runs;
        auto *mapping = qobject_cast<OtnMappingDialog *>(dialog);
        if (!mapping || mapping->direction() != direction || mapping->port() != 1
            || mapping->parentWidget() != page->findChild<QWidget *>("pbMapping"))
            return 0;
        auto *combo = mapping->findChild<QComboBox *>("cmbMultiplexing1");
        combo->setCurrentIndex(combo->findText(choice));
        return 1;
    });
    page->findChild<QPushButton *>("pbMapping")->click();
    QCOMPARE(runs, 1);

    QTRY_VERIFY(odtu->isVisibleTo(page.get()));
    QCOMPARE(tester.cached(1, stage1Id)->getEnum(), page->mapping()[OtnMapping::FieldStage0]);
    QCOMPARE(odtu->text(), QString(choice).replace(" (", " \n("));
    QCOMPARE(page->findChild<QLabel *>("lblLv2Odu")->text(), QStringLiteral("ODU0\nOPU0"));
    QCOMPARE(page->findChild<QLabel *>("lblLv2Multiplex")->text(), QStringLiteral("x8"));
}

void tst_OtnFrameSetupPage::ohButtonsOpenTheTableOfTheirLevel()
{
    const Fields fields = FrameCatalogue::findStructure(3, [](const OtnMapping &m) { return has(m, Plain); });
    QVERIFY(!fields.isEmpty());
    Frame f(Tx, fields, {{11204, 2}});
    struct Opened {
        int level;
        QWidget *parent;
        QString title;
        int slice;
    };
    QList<Opened> opened;
    ScopedDialogHandler handler(f.server.dialogRunner(), [&opened](QDialog *dialog) {
        if (const auto *table = qobject_cast<OtnOhDialog *>(dialog))
            opened.append({table->level(), table->parentWidget(), table->windowTitle(), table->otlcSliceSelector()});
        return 0;
    });
    for (int level : {3, 0, 2, 1})
        f.button(QStringLiteral("pbLv%1Oh").arg(level + 1))->click();
    QCOMPARE(opened.size(), 4);
    for (const Opened &o : qAsConst(opened)) {
        QCOMPARE(o.parent, f.button(QStringLiteral("pbLv%1Oh").arg(o.level + 1)));
        const QString name = f.page->oduNames().value(o.level);
        QVERIFY2(!name.isEmpty() && o.title.contains(QStringLiteral("ODU%1/").arg(name)), qPrintable(o.title));
        QCOMPARE(o.slice, 2);
    }
    QVERIFY(opened.at(1).title.startsWith(QStringLiteral("OTU")));
}

QTEST_MAIN(tst_OtnFrameSetupPage)
#include "tst_otnframesetuppage.moc"
