#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "host/texts/widgettext.h"

class tst_OtnTxChAllocationDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void bitsRoundTrip_data();
    void bitsRoundTrip();
    void toggleAnyNumberOfCells();
    void allocateAll_data();
    void allocateAll();
    void maskAboveThirtyTwoCells_data();
    void maskAboveThirtyTwoCells();
    void buttonsEndTheDialog_data();
    void buttonsEndTheDialog();
};

void tst_OtnTxChAllocationDialog::form()
{
    OtnTxChAllocationDialog dialog(nullptr, 32, 16);
    QVERIFY(dialog.isModal());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_tx_ch_allocation_dialog.html"));
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("bbChAllocation"));
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), WidgetText::instance()->getCommonText(2005));
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), WidgetText::instance()->getCommonText(2006));

    OtnChWidget *grid = dialog.grid();
    QCOMPARE(grid->cellCount(), 32);
    QCOMPARE(grid->columnCount(), 16);
    QVERIFY(grid->isNumbered() && grid->isToggle() && grid->isInverted() && !grid->isCheckable());
    QCOMPARE(grid->maximum(), 32);

    dialog.setOdtuName(QStringLiteral("ODTU13"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ODTU13") + WidgetText::instance()->getUiText(5105));
}

void tst_OtnTxChAllocationDialog::bitsRoundTrip_data()
{
    QTest::addColumn<int>("cells");
    QTest::addColumn<QBitArray>("bits");

    QBitArray some(8);
    some.setBit(0);
    some.setBit(5);
    QTest::newRow("8 TS") << 8 << some;
    QBitArray every80(80, true);
    every80.clearBit(41);
    QTest::newRow("80 TS") << 80 << every80;
    QTest::newRow("32 TS none") << 32 << QBitArray(32);
}

void tst_OtnTxChAllocationDialog::bitsRoundTrip()
{
    QFETCH(int, cells);
    QFETCH(QBitArray, bits);

    OtnTxChAllocationDialog dialog(nullptr, cells, 8);
    dialog.setBits(bits);
    QCOMPARE(dialog.bits(), bits);
    QCOMPARE(dialog.bits().size(), cells);
}

void tst_OtnTxChAllocationDialog::toggleAnyNumberOfCells()
{
    OtnTxChAllocationDialog dialog(nullptr, 8, 8);
    dialog.setBits(QBitArray(8, true));
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(dialog.grid()->cell(i), Qt::LeftButton);
    // All eight toggled: the maximum is the cell count.
    QCOMPARE(dialog.bits(), QBitArray(8, false));
    QTest::mouseClick(dialog.grid()->cell(3), Qt::LeftButton);
    QVERIFY(dialog.bits().testBit(3));
}

void tst_OtnTxChAllocationDialog::allocateAll_data()
{
    QTest::addColumn<int>("cells");
    QTest::newRow("8") << 8;
    QTest::newRow("80") << 80;
}

void tst_OtnTxChAllocationDialog::allocateAll()
{
    QFETCH(int, cells);
    OtnTxChAllocationDialog dialog(nullptr, cells, 20);
    dialog.setBits(QBitArray(cells, true));
    auto *all = dialog.findChild<QPushButton *>(QStringLiteral("pbAllocatedAll"));
    QVERIFY(all);
    QTest::mouseClick(all, Qt::LeftButton);
    QCOMPARE(dialog.grid()->setCellCount(), cells);
    QCOMPARE(dialog.bits(), QBitArray(cells, !dialog.grid()->isInverted()));
    for (int i = 0; i < cells; ++i)
        QCOMPARE(dialog.grid()->cell(i)->styleSheet(), QString::fromLatin1(OtnChWidget::setStyle));
}

void tst_OtnTxChAllocationDialog::maskAboveThirtyTwoCells_data()
{
    QTest::addColumn<int>("cells");
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<quint32>("readBack");

    QTest::newRow("8 cells") << 8 << 0x81u << 0x81u;
    QTest::newRow("32 cells") << 32 << 0xF000000Fu << 0xF000000Fu;
    QTest::newRow("80 cells ignored") << 80 << 0xFFu << 0u;
}

void tst_OtnTxChAllocationDialog::maskAboveThirtyTwoCells()
{
    QFETCH(int, cells);
    QFETCH(quint32, mask);
    QFETCH(quint32, readBack);

    OtnTxChAllocationDialog dialog(nullptr, cells, 8);
    dialog.setBits(QBitArray(cells, false));
    dialog.setMask(mask);
    QCOMPARE(dialog.mask(), readBack);
    if (cells > 32)
        QCOMPARE(dialog.bits(), QBitArray(cells, false));

    OtnChWidget other(cells, 8, false, false, false, false, cells);
    other.setMask(0x2u);
    dialog.copyCells(other);
    QCOMPARE(dialog.mask(), cells > 32 ? 0u : 0x2u);
}

void tst_OtnTxChAllocationDialog::buttonsEndTheDialog_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK accepts") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("Cancel rejects") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
}

void tst_OtnTxChAllocationDialog::buttonsEndTheDialog()
{
    QFETCH(int, button);
    QFETCH(int, result);
    OtnTxChAllocationDialog dialog(nullptr, 8, 8);
    dialog.setResult(-1);
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("bbChAllocation"));
    QTest::mouseClick(box->button(QDialogButtonBox::StandardButton(button)), Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
}

QTEST_MAIN(tst_OtnTxChAllocationDialog)
#include "tst_otntxchallocationdialog.moc"
