#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "client/otn/interface_setup_status/dialogs/otnmappingdialog.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagerx.h"
#include "client/otn/interface_setup_status/pages/setup/otnframesetuppagetx.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/dialogrunner.h"
#include "tests/support/simulatorfixture.h"

// The mapping dialog opened from the frame page writes to the simulated tester; its confirmation
// redraws the diagram.
class tst_OtnFrameSetupSimulator : public QObject
{
    Q_OBJECT
private slots:
    void mappingChangeRedrawsDiagram_data();
    void mappingChangeRedrawsDiagram();
};

void tst_OtnFrameSetupSimulator::mappingChangeRedrawsDiagram_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("multiplexingId");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("odtuText");
    QTest::addColumn<QString>("loOduText");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("stageButton");
    QTest::newRow("Tx, ODU0 into ODU2") << 0 << 11010 << "ODTU2.1 (PT=21)" << "ODTU2.1 \n(PT=21)" << "ODU0\nOPU0"
                                        << "x8" << "cmbLv1DummyCh";
    QTest::newRow("Rx, ODU1 into ODU2") << 1 << 12008 << "ODTU12 (PT=20)" << "ODTU12 \n(PT=20)" << "ODU1\nOPU1"
                                        << "x4" << "pbMsimDetection1";
}

void tst_OtnFrameSetupSimulator::mappingChangeRedrawsDiagram()
{
    QFETCH(int, direction);
    QFETCH(int, multiplexingId);
    QFETCH(QString, choice);
    QFETCH(QString, odtuText);
    QFETCH(QString, loOduText);
    QFETCH(QString, counter);
    QFETCH(QString, stageButton);

    SimulatorFixture tester;
    const int port = 1;
    QVERIFY(tester.writeAndWait(port, direction == 0 ? 11008 : 12006, 1));   // OTU2
    QVERIFY(tester.writeAndWait(port, multiplexingId, 0));
    const InterfaceSetupIdentifier id(direction == 0 ? 31 : 32, direction + 1, 2, 5);
    std::unique_ptr<OtnFrameSetupPageBase> page;
    if (direction == 0)
        page.reset(new OtnFrameSetupPageTx(id, tester.manager(), 1));
    else
        page.reset(new OtnFrameSetupPageRx(id, tester.manager(), 1));
    page->initializePage();
    page->show();
    auto *odtu = page->findChild<QLabel *>("lblLv1Odtu");
    QVERIFY(!odtu->isVisibleTo(page.get()));
    QCOMPARE(page->findChild<QLabel *>("lblLv1Odu")->text(), QStringLiteral("OTU2\nODU2\nOPU2"));

    bool found = false;
    ScopedDialogHandler handler([&](QDialog *dialog) {
        auto *mapping = qobject_cast<OtnMappingDialog *>(dialog);
        if (!mapping)
            return 0;
        auto *combo = mapping->findChild<QComboBox *>("cmbMultiplexing1");
        const int index = combo->findText(choice);
        found = index >= 0;
        combo->setCurrentIndex(index);
        return 1;
    });
    page->findChild<QPushButton *>("pbMapping")->click();
    QVERIFY2(found, qPrintable(choice));

    QTRY_VERIFY(odtu->isVisibleTo(page.get()));
    QCOMPARE(tester.cached(port, multiplexingId)->getEnum(), page->mapping()[2]);
    QCOMPARE(odtu->text(), odtuText);
    QCOMPARE(page->findChild<QLabel *>("lblLv2Odu")->text(), loOduText);
    QCOMPARE(page->findChild<QLabel *>("lblLv2Multiplex")->text(), counter);
    QVERIFY(page->findChild<QWidget *>(stageButton)->isVisibleTo(page.get()));
    QVERIFY(page->findChild<QPushButton *>("pbLv1Ch")->isVisibleTo(page.get()));
}

QTEST_MAIN(tst_OtnFrameSetupSimulator)
#include "tst_otnframesetupsimulator.moc"
