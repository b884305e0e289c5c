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
    void toggleAnyNumberOfCells();
    void allocateAll_data();
    void allocateAll();
    void maskOnlyUpToThirtyTwoCells();
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

void tst_OtnTxChAllocationDialog::maskOnlyUpToThirtyTwoCells()
{
    OtnTxChAllocationDialog narrow(nullptr, 32, 16);
    narrow.setMask(0xF000000Fu);
    QCOMPARE(narrow.mask(), 0xF000000Fu);
    OtnTxChAllocationDialog wide(nullptr, 80, 20);
    wide.setBits(QBitArray(80, false));
    wide.setMask(0xFFu);
    wide.copyCells(*narrow.grid());
    QCOMPARE(wide.bits(), QBitArray(80, false));
    QCOMPARE(wide.mask(), 0u);
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
