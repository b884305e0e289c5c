#include <functional>
#include <memory>

#include <QtTest>

#include "apps/shared/sid.h"
#include "host/pages/physicalstatus.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "tests/support/testerfixture.h"

using ViewMaker = std::function<std::unique_ptr<BoundView>(zelServerManager *)>;

Q_DECLARE_METATYPE(ViewMaker)

class tst_BoundView : public QObject
{
    Q_OBJECT
private slots:
    void followsServerOnlyWhileShown_data();
    void followsServerOnlyWhileShown();
};

// Each kind of view reports to itself; none says anything about its bindings when it goes.
void tst_BoundView::followsServerOnlyWhileShown_data()
{
    QTest::addColumn<ViewMaker>("make");
    QTest::newRow("page") << ViewMaker([](zelServerManager *manager) {
        auto page = std::make_unique<PhysicalStatus>(InterfaceSetupIdentifier(70, 0, 0, 5), manager, 0, nsSID::otn,
                                                     QStringLiteral("status.html"));
        page->initializePage();
        return std::unique_ptr<BoundView>(std::move(page));
    });
    QTest::newRow("setup widget") << ViewMaker([](zelServerManager *manager) {
        return std::unique_ptr<BoundView>(std::make_unique<ClockConfigurationWidget>(manager, 1));
    });
}

void tst_BoundView::followsServerOnlyWhileShown()
{
    QFETCH(ViewMaker, make);
    TesterFixture tester;
    zelServerManager *manager = tester.manager();
    const QList<int> unobserved = manager->observedSids();
    std::unique_ptr<BoundView> view = make(manager);
    QCOMPARE(manager->observedSids(), unobserved);

    view->show();
    const QList<int> observed = manager->observedSids();
    QVERIFY2(observed.size() > unobserved.size(), "the shown view follows no parameter");
    view->hide();
    QCOMPARE(manager->observedSids(), unobserved);
    view->show();
    QCOMPARE(manager->observedSids(), observed);

    view.reset();
    QCOMPARE(manager->observedSids(), unobserved);
}

QTEST_MAIN(tst_BoundView)
#include "tst_boundview.moc"
