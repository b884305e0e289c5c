#include <QPushButton>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnrxchdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnselecttsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxchdialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "tests/support/testerfixture.h"

Q_DECLARE_METATYPE(TesterFixture::Path)

namespace {
constexpr int port = 1;
constexpr int odtu12Pt21 = 3;   // ODU1 into ODU2 on 1.25G TS: 4 TP of 2 TS in 8 TS

OtnMapping mappingOf(const TesterFixture &f, const int (&ids)[5])
{
    int fields[5] = {};
    for (int i = 0; i < 5; ++i) {
        const QcmaParameter *p = f.cached(port, ids[i]);
        fields[i] = p && p->isDefined() ? p->getEnum() : 0;
    }
    return OtnMapping(fields[0], fields[1], fields[2], fields[3], fields[4]);
}

QByteArray cachedBytes(const TesterFixture &f, int id)
{
    const QcmaParameter *p = f.cached(port, id);
    return p ? p->getByteArray() : QByteArray();
}

QBitArray cachedBits(const TesterFixture &f, int id)
{
    const QcmaParameter *p = f.cached(port, id);
    return p ? p->getBitArray() : QBitArray();
}

// The TS indexes (0-based) the map marks as main TP.
QList<int> markedTs(const OtnChWidget &grid, int tsCount)
{
    QList<int> marked;
    for (int ts = 0; ts < tsCount; ++ts) {
        if (grid.cell((ts / 8 + 1) * 9 + 1 + ts % 8)->styleSheet() == QLatin1String(OtnTsMap::mainTpStyle))
            marked << ts;
    }
    return marked;
}

QList<int> tsIndexes(const QByteArray &mainTs)
{
    QList<int> indexes;
    for (char c : mainTs)
        indexes << quint8(c) - 1;
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}
} // namespace

// The user's road through the tributary dialogs against the simulated tester, in the process and
// through the tester daemon.
class tst_OtnChRoad : public QObject
{
    Q_OBJECT

private slots:
    void transmitter_data() { paths(); }
    void transmitter();
    void receiver_data() { paths(); }
    void receiver();

private:
    static void paths()
    {
        QTest::addColumn<TesterFixture::Path>("path");
        QTest::newRow("embedded") << TesterFixture::Path::Embedded;
        QTest::newRow("through otn-tester") << TesterFixture::Path::ThroughDaemon;
    }
};

void tst_OtnChRoad::transmitter()
{
    using namespace PID::Otn::TX;
    QFETCH(TesterFixture::Path, path);
    TesterFixture f(TesterFixture::testOptions(), path);
    QVERIFY(f.writeAndWait(port, MAPPING[2], odtu12Pt21));
    const OtnMapping mapping = mappingOf(f, MAPPING);
    QVERIFY(mapping.hasOdtu(0));

    OtnTxChDialog dialog(f.manager(), port, nullptr, 0, mapping);
    QCOMPARE(dialog.tpCount(), 4);
    QCOMPARE(dialog.tsCount(), 8);
    QVERIFY(dialog.allocatedGrid());
    QCOMPARE(dialog.allocatedGrid()->bits(), cachedBits(f, ALLOC[0]));
    QCOMPARE(markedTs(*dialog.mainGrid(), 8), tsIndexes(cachedBytes(f, MAIN_TS[0])));

    // Allocation: the user frees TS 7 and 8 and accepts.
    QBitArray allocated = cachedBits(f, ALLOC[0]);
    {
        ScopedDialogHandler handler(f.dialogRunner(), [](QDialog *d) {
            auto *allocation = qobject_cast<OtnTxChAllocationDialog *>(d);
            if (!allocation)
                return 0;
            QTest::mouseClick(allocation->grid()->cell(6), Qt::LeftButton);
            QTest::mouseClick(allocation->grid()->cell(7), Qt::LeftButton);
            return 1;
        });
        QTest::mouseClick(dialog.allocatedGrid()->cell(0), Qt::LeftButton);
    }
    allocated.toggleBit(6);
    allocated.toggleBit(7);
    QTRY_COMPARE(cachedBits(f, ALLOC[0]), allocated);
    QCOMPARE(dialog.allocatedGrid()->bits(), allocated);

    // TS selection, named after the stage: all off, then TS 2, 4, 6 and 8 in a scrambled order.
    dialog.setOdtuName(QStringLiteral("ODTU12"));
    QString selectTitle;
    {
        ScopedDialogHandler handler(f.dialogRunner(), [&selectTitle](QDialog *d) {
            auto *select = qobject_cast<OtnSelectTsDialog *>(d);
            if (!select)
                return 0;
            selectTitle = select->windowTitle();
            QTest::mouseClick(select->findChild<QPushButton *>(QStringLiteral("pbAllOff")), Qt::LeftButton);
            for (int cell : {7, 1, 5, 3})
                QTest::mouseClick(select->grid()->cell(cell), Qt::LeftButton);
            return 0;
        });
        QTest::mouseClick(dialog.mainGrid()->cell(10), Qt::LeftButton);
    }
    QCOMPARE(selectTitle, QStringLiteral("ODTU12 TP/TS Select"));
    QTRY_COMPARE(cachedBytes(f, MAIN_TS[0]), QByteArray("\x02\x04\x06\x08", 4));
    QTRY_COMPARE(markedTs(*dialog.mainGrid(), 8), (QList<int>{1, 3, 5, 7}));

}

void tst_OtnChRoad::receiver()
{
    using namespace PID::Otn::RX;
    QFETCH(TesterFixture::Path, path);
    TesterFixture f(TesterFixture::testOptions(), path);
    QVERIFY(f.writeAndWait(port, MAPPING[2], odtu12Pt21));
    const OtnMapping mapping = mappingOf(f, MAPPING);
    QVERIFY(mapping.hasOdtu(0));

    OtnRxChDialog dialog(f.manager(), port, nullptr, 0, mapping);
    const auto shown = [&dialog](const char *name) {
        return dialog.findChild<QWidget *>(QLatin1String(name))->isVisibleTo(&dialog);
    };
    QVERIFY(f.writeAndWait(port, DET_MODE[0], 0));
    QTRY_VERIFY(shown("mainTpTsGrid"));
    QVERIFY(!shown("pbMainTs"));
    QCOMPARE(markedTs(*dialog.mainGrid(), 8), tsIndexes(cachedBytes(f, MAIN_TS[0])));

    QVERIFY(f.writeAndWait(port, DET_MODE[0], 2));
    QTRY_VERIFY(shown("pbMainTs"));
    QVERIFY(!shown("mainTpTsGrid"));

    // The user enters a TS that another TP starts in: the two TPs swap.
    QByteArray mainTs = cachedBytes(f, MAIN_TS[0]);
    QVERIFY(mainTs.size() == 4);
    const char other = mainTs.at(2);
    {
        ScopedDialogHandler handler(f.dialogRunner(), [other](QDialog *d) {
            auto *pad = qobject_cast<QzelNumpadDlg *>(d);
            if (!pad)
                return 0;
            pad->setText(QString::number(quint8(other)));
            return 1;
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pbMainTs")), Qt::LeftButton);
    }
    mainTs[2] = mainTs.at(0);
    mainTs[0] = other;
    QTRY_COMPARE(cachedBytes(f, MAIN_TS[0]), mainTs);
    QTRY_COMPARE(dialog.findChild<QPushButton *>(QStringLiteral("pbMainTs"))->text(),
                 QString::number(quint8(other)));
}

QTEST_MAIN(tst_OtnChRoad)
#include "tst_otnchroad.moc"
