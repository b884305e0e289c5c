#include <memory>

#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/pages/setup/otnsignalsetuppagerx.h"
#include "host/bindings/uihelperlist.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/texts/widgettext.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testserverlink.h"

namespace {
constexpr int moduleType = 12001;

const QStringList moduleButtonNames = {"pbOff", "pbSfp",  "pbQsfpp", "pbQsfp28",    "pbCfp",
                                       "pbCfp2", "pbCfp4", "pbCxp",   "pbQsfp28Adpt"};

int sid(int port, int id)
{
    return nsSID::build(port, nsSID::otn, id);
}

QcmaParameterEnum *enumParameter(int sid, int value, int maximum, const QList<int> &active)
{
    auto *p = new QcmaParameterEnum(sid, value, 0, maximum);
    p->setAllEnumsActive(false);
    for (int v : active)
        p->setEnumActive(v, true);
    return p;
}

QList<int> range(int count)
{
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values.append(i);
    return values;
}

// A test server with the receiver module parameter on ports 1 and 2.
struct PageServer {
    explicit PageServer(const QList<int> &activePort1 = range(9), const QList<int> &activePort2 = range(9),
                        int maximum = 8)
    {
        link.addParameter(enumParameter(sid(1, moduleType), activePort1.value(0, 0), maximum, activePort1));
        link.addParameter(enumParameter(sid(2, moduleType), activePort2.value(0, 0), maximum, activePort2));
        manager = std::make_unique<zelServerManager>(&link);
    }
    ~PageServer() { manager.reset(); }

    TestServerLink link;
    std::unique_ptr<zelServerManager> manager;
};

std::unique_ptr<OtnSignalSetupPageRx> openPage(zelServerManager *manager)
{
    auto page = std::make_unique<OtnSignalSetupPageRx>(InterfaceSetupIdentifier(35, 2, 1, 5), manager, 1);
    page->initializePage();
    page->show();
    return page;
}

QStringList shownModuleButtons(QWidget *page)
{
    QStringList shown;
    for (const QString &name : moduleButtonNames) {
        auto *button = page->findChild<QPushButton *>(name);
        if (button && !button->isHidden())
            shown.append(name);
    }
    return shown;
}
} // namespace

class tst_OtnSignalSetupPageRx : public QObject
{
    Q_OBJECT
private slots:
    void pageIdentity();
    void moduleValueOrder_data();
    void moduleValueOrder();
    void moduleButtonsByActiveEnumerators_data();
    void moduleButtonsByActiveEnumerators();
    void otherKindsAndIdsIgnored_data();
    void otherKindsAndIdsIgnored();
    void texts();
    void portChange();
    void reinitializeRebuildsBindings();
};

void tst_OtnSignalSetupPageRx::pageIdentity()
{
    PageServer server;
    OtnSignalSetupPageRx page(InterfaceSetupIdentifier(35, 2, 1, 5), server.manager.get(), 1);
    QCOMPARE(page.directionIndex(), 1);
    QCOMPARE(page.helpPage(), QStringLiteral("otn_setup_receiver.html"));
    QCOMPARE(page.identifier().pageId(), 35);
    page.setPort(2);
    page.UpdateText();
    QCOMPARE(page.uiHelperList()->count(), 0);

    page.initializePage();
    QCOMPARE(page.windowTitle(), QStringLiteral("Rx Signal Setup"));
    QCOMPARE(page.contentsMargins(), QMargins(25, 0, 0, 0));
    auto *status = page.findChild<PhysicalStatusMiniWidget *>();
    QVERIFY(status);
    QVERIFY(page.findChild<QGroupBox *>("gbPhysicalStatus")->layout()->indexOf(status) >= 0);
    QCOMPARE(status->port(), 2);
    QCOMPARE(page.uiHelperList()->count(), 2);
}

void tst_OtnSignalSetupPageRx::moduleValueOrder_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("button");
    const QStringList order = {"pbOff", "pbSfp", "pbQsfpp", "pbCfp", "pbCxp",
                               "pbCfp2", "pbQsfp28Adpt", "pbCfp4", "pbQsfp28"};
    for (int value = 0; value < order.size(); ++value)
        QTest::addRow("value %d", value) << value << order.at(value);
}

void tst_OtnSignalSetupPageRx::moduleValueOrder()
{
    QFETCH(int, value);
    QFETCH(QString, button);
    PageServer server({value});
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), QStringList{button});
    QVERIFY(page->findChild<QPushButton *>(button)->isChecked());

    // Pressing the button writes its value.
    server.link.serverChange(enumParameter(sid(1, moduleType), value == 0 ? 1 : 0, 8, range(9)));
    QTRY_COMPARE(shownModuleButtons(page.get()), moduleButtonNames);
    page->findChild<QPushButton *>(button)->click();
    QTRY_COMPARE(server.link.value(sid(1, moduleType))->getEnum(), value);
}

void tst_OtnSignalSetupPageRx::moduleButtonsByActiveEnumerators_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("active");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all active") << 8 << range(9) << moduleButtonNames;
    QTest::newRow("off and SFP") << 8 << QList<int>{0, 1} << QStringList{"pbOff", "pbSfp"};
    QTest::newRow("value 4 is CXP here") << 8 << QList<int>{4} << QStringList{"pbCxp"};
    QTest::newRow("none active") << 8 << QList<int>{} << QStringList{};
    QTest::newRow("values without a button are skipped") << 11 << QList<int>{8, 9, 10, 11}
                                                         << QStringList{"pbQsfp28"};
}

void tst_OtnSignalSetupPageRx::moduleButtonsByActiveEnumerators()
{
    QFETCH(int, maximum);
    QFETCH(QList<int>, active);
    QFETCH(QStringList, shown);
    PageServer server(active, range(9), maximum);
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), shown);
}

void tst_OtnSignalSetupPageRx::otherKindsAndIdsIgnored_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("id");
    QTest::newRow("module type as unsigned") << int(QcmaParameter::TypeUInt) << moduleType;
    QTest::newRow("another enumeration") << int(QcmaParameter::TypeEnum) << 12006;
}

void tst_OtnSignalSetupPageRx::otherKindsAndIdsIgnored()
{
    QFETCH(int, kind);
    QFETCH(int, id);
    PageServer server({1, 2});
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), (QStringList{"pbSfp", "pbQsfpp"}));

    DiagnosticsRecorder recorder;
    std::unique_ptr<QcmaParameter> other;
    if (kind == QcmaParameter::TypeUInt)
        other.reset(new QcmaParameterUInt(sid(1, id), 4, 0, 8));
    else
        other.reset(enumParameter(sid(1, id), 4, 8, {4}));
    page->qcmaParameterChanged(*other);
    QCOMPARE(shownModuleButtons(page.get()), (QStringList{"pbSfp", "pbQsfpp"}));
    QCOMPARE(recorder.lines(), QStringList{});
}

void tst_OtnSignalSetupPageRx::texts()
{
    PageServer server;
    auto page = openPage(server.manager.get());
    QCOMPARE(page->findChild<QGroupBox *>("gbPhysicalStatus")->title(), WidgetText::instance()->getUiText(5096));
    page->findChild<QPushButton *>("pbQsfp28Adpt")->setText(QStringLiteral("changed"));
    page->findChild<QPushButton *>("pbCfp4")->setText(QString());
    page->UpdateText();
    QCOMPARE(page->findChild<QPushButton *>("pbQsfp28Adpt")->text(), QStringLiteral("QSFP28 Adpt."));
    QCOMPARE(page->findChild<QPushButton *>("pbCfp4")->text(), QStringLiteral("CFP4"));
    QCOMPARE(page->findChild<QPushButton *>("pbQsfp28")->text(), QStringLiteral("QSFP28"));
}

void tst_OtnSignalSetupPageRx::portChange()
{
    PageServer server({1}, {7, 8});
    auto page = openPage(server.manager.get());
    QCOMPARE(shownModuleButtons(page.get()), QStringList{"pbSfp"});

    page->setPort(2);
    QCOMPARE(page->findChild<PhysicalStatusMiniWidget *>()->port(), 2);
    QCOMPARE(shownModuleButtons(page.get()), (QStringList{"pbQsfp28", "pbCfp4"}));
    // Port 1 no longer reaches the page.
    server.link.serverChange(enumParameter(sid(1, moduleType), 0, 8, {0}));
    server.link.serverChange(enumParameter(sid(2, moduleType), 8, 8, {8}));
    QTRY_COMPARE(shownModuleButtons(page.get()), QStringList{"pbQsfp28"});
}

void tst_OtnSignalSetupPageRx::reinitializeRebuildsBindings()
{
    PageServer server;
    auto page = openPage(server.manager.get());
    page->reinitialize();
    QCOMPARE(page->uiHelperList()->count(), 2);
    server.link.serverChange(enumParameter(sid(1, moduleType), 3, 8, {3, 5}));
    QTRY_COMPARE(shownModuleButtons(page.get()), (QStringList{"pbCfp", "pbCfp2"}));
}

QTEST_MAIN(tst_OtnSignalSetupPageRx)
#include "tst_otnsignalsetuppagerx.moc"
