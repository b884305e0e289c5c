#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnmappingdialog.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "tests/support/framecatalogue.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
const QStringList comboNames{"cmbIoSignal", "cmbClientSignal", "cmbMultiplexing1", "cmbMultiplexing2",
                             "cmbMultiplexing3"};
constexpr int port = FrameCatalogue::port;

int mappingSid(int direction, int row)
{
    return nsSID::otnSid(port, (direction == 0 ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING)[row]);
}
} // namespace

class tst_OtnMappingDialog : public QObject
{
    Q_OBJECT
private slots:
    void formAndTexts();
    void bindingsAndTerminology_data();
    void bindingsAndTerminology();
    void comboChangeIsWrittenAtOnce_data();
    void comboChangeIsWrittenAtOnce();
};

void tst_OtnMappingDialog::formAndTexts()
{
    TesterFixture server(FrameCatalogue::json());
    OtnMappingDialog dialog(server.manager(), port, nullptr, 0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mapping"));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_mapping.html"));
    QVERIFY(dialog.isModal());
    QVERIFY2(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint), "no context help button");
    QCOMPARE(dialog.findChild<QLabel *>("lblMultiplexing3")->text(), QStringLiteral("Multiplexing 3"));
    QPushButton *close = dialog.findChild<QDialogButtonBox *>("bbMapping")->button(QDialogButtonBox::Close);
    QCOMPARE(close->text(), QStringLiteral("Close"));

    // Close ends the dialog as rejected.
    dialog.show();
    close->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void tst_OtnMappingDialog::bindingsAndTerminology_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("Tx") << 0;
    QTest::newRow("Rx") << 1;
}

void tst_OtnMappingDialog::bindingsAndTerminology()
{
    QFETCH(int, direction);
    TesterFixture server(FrameCatalogue::json(), {port}, FrameCatalogue::mappingValues(direction, {5, 3, 2, 1, 1}));
    OtnMappingDialog dialog(server.manager(), port, nullptr, direction);
    const QList<UiHelper *> helpers = dialog.uiHelperList()->helpers();
    QCOMPARE(helpers.size(), 6);
    for (int row = 0; row < 5; ++row) {
        auto *binding = qobject_cast<UiHelper_Enum_ComboBox *>(helpers[row]);
        QVERIFY2(binding, qPrintable(comboNames[row]));
        QCOMPARE(binding->comboBox(), dialog.findChild<QComboBox *>(comboNames[row]));
        QCOMPARE(binding->getSID(), mappingSid(direction, row));
        QCOMPARE(binding->connectionStrategy(), int(UiHelper::ConnectImmediately));
        QVERIFY(binding->isConnected());
    }
    auto *terminology = qobject_cast<UiHelper_Notification *>(helpers[5]);
    QVERIFY(terminology);
    QCOMPARE(terminology->getSID(), zelServerManager::terminologySid(port));
    QVERIFY(terminology->isConnected());

    const auto texts = [&dialog] {
        QStringList list;
        for (const QString &name : comboNames)
            list << dialog.findChild<QComboBox *>(name)->currentText();
        return list;
    };
    QCOMPARE(texts(), (QStringList{"IF5 SDH", "STM-16 (SDH)", "ODTU-s0v2 SDH", "ODTU-s1v1 SDH", "ODTU-s2v1 SDH"}));
    server.fake()->serverChange(zelServerManager::terminologySid(port), 0);
    QTRY_COMPARE(texts(),
                 (QStringList{"IF5 SONET", "OC-48 (SONET)", "ODTU-s0v2 SONET", "ODTU-s1v1 SONET", "ODTU-s2v1 SONET"}));
    server.fake()->serverChange(zelServerManager::terminologySid(port), 1);
    QTRY_COMPARE(texts().value(1), QStringLiteral("STM-16 (SDH)"));
}

void tst_OtnMappingDialog::comboChangeIsWrittenAtOnce_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("row");
    QTest::newRow("Tx output signal") << 0 << 0;
    QTest::newRow("Tx multiplexing 3") << 0 << 4;
    QTest::newRow("Rx client signal") << 1 << 1;
    QTest::newRow("Rx multiplexing 2") << 1 << 3;
}

void tst_OtnMappingDialog::comboChangeIsWrittenAtOnce()
{
    QFETCH(int, direction);
    QFETCH(int, row);
    TesterFixture server(FrameCatalogue::json());
    OtnMappingDialog dialog(server.manager(), port, nullptr, direction);
    auto *binding = qobject_cast<UiHelper_Enum_ComboBox *>(dialog.uiHelperList()->helpers().value(row));
    QVERIFY(binding);
    const int index = binding->itemValues().indexOf(7);
    QVERIFY(index >= 0);
    dialog.findChild<QComboBox *>(comboNames[row])->setCurrentIndex(index);
    QTRY_COMPARE(server.fake()->value(mappingSid(direction, row))->getEnum(), 7);
    // The other rows are left alone.
    for (int other = 0; other < 5; ++other) {
        if (other != row)
            QCOMPARE(server.fake()->value(mappingSid(direction, other))->getEnum(), 0);
    }
}

QTEST_MAIN(tst_OtnMappingDialog)
#include "tst_otnmappingdialog.moc"
