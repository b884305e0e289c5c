#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "dialogframe.h"

class tst_OtnTxChAllocationDialog : public QObject
{
    Q_OBJECT

private slots:
    void toggleAndAllocateAll();
};

void tst_OtnTxChAllocationDialog::toggleAndAllocateAll()
{
    OtnTxChAllocationDialog dialog(nullptr, 8, 8);
    dialog.setBits(QBitArray(8, true));
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(dialog.grid()->cell(i), Qt::LeftButton);
    // All eight toggled: the maximum is the cell count.
    QCOMPARE(dialog.bits(), QBitArray(8, false));
    QTest::mouseClick(dialog.grid()->cell(3), Qt::LeftButton);
    QVERIFY(dialog.bits().testBit(3));

    dialog.setBits(QBitArray(8, true));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pbAllocatedAll")), Qt::LeftButton);
    QCOMPARE(dialog.bits(), QBitArray(8, false));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(dialog.grid()->cell(i)->styleSheet(), QString::fromLatin1(OtnChWidget::setStyle));
}

QTEST_MAIN(tst_OtnTxChAllocationDialog)
#include "tst_otntxchallocationdialog.moc"
