#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnrxchdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnselecttsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxchdialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"


namespace {
using namespace nsSettings::Otn;
constexpr int port = 1;
constexpr int odtu12Pt21 = 3;   // ODU1 into ODU2 on 1.25G TS: 4 TP of 2 TS in 8 TS
constexpr int allOff = -1;      // a click on "All Off" instead of a cell
const int txMainTpSid = nsSID::otnSid(port, 11128);
const int txMainTsSid = nsSID::otnSid(port, 11129);
const int allocSid = nsSID::otnSid(port, 11130);
constexpr int rxPort = 2;
const int rxMainTsSid = nsSID::otnSid(rxPort, 12013);
const QByteArray eightTs("\x01\x02\x03\x04\x05\x06\x07\x08", 8);

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

// The cell of a TS index in a TS map, below the header and right of its row label.
QPushButton *tsCell(const OtnChWidget &grid, int ts)
{
    return grid.cell((ts / 8 + 1) * 9 + 1 + ts % 8);
}

// The TS indexes (0-based) the map marks as main TP.
QList<int> markedTs(const OtnChWidget &grid, int tsCount)
{
    QList<int> marked;
    for (int ts = 0; ts < tsCount; ++ts) {
        if (tsCell(grid, ts)->styleSheet() == QLatin1String(OtnTsMap::mainTpStyle))
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

// A server with the transmitter's stage-0 slot parameters, shaped like the tester's for the multiplex kind
// (the interface carries the kind's higher-order ODU).
struct TxServer : TesterFixture {
    explicit TxServer(int kind, QByteArray mainTs = QByteArray(), QBitArray alloc = QBitArray())
        : TesterFixture(QByteArray())
    {
        const int interfaceOf[] = {1, 1, 1, 1, 0, 2, 2, 2, 2, 2, 2, 2, 7, 6, 3, 3, 3, 3, 3, 3, 1, 2, 3};
        mapping = OtnMapping(interfaceOf[kind], 0, kind, 0, 0);
        const TpTsInfo info = OtnTpTs::getTpTsInfo(0, mapping, 0);
        for (quint32 i = 0; mainTs.isEmpty() && i < info.tpCount; ++i)
            mainTs.append(char(1 + i * qMax<quint32>(1, info.tsPerTp)));
        fake()->addParameter(new QcmaParameterUInt(txMainTpSid, 1, 1, qMax<quint32>(1, info.tpCount)));
        fake()->addParameter(new QcmaParameterByteArray(txMainTsSid, mainTs));
        fake()->addParameter(new QcmaParameterBitArray(allocSid, alloc.isEmpty() ? QBitArray(int(info.tsTotal), true)
                                                                                 : alloc));
        fake()->addParameter(new QcmaParameterUInt(nsSID::otnSid(port, 11131), 2, 1, 8));
    }
    OtnTxChDialog *dialog(int copyStatus = COPY_MAIN) const
    {
        return new OtnTxChDialog(manager(), port, nullptr, 0, mapping, copyStatus);
    }

    OtnMapping mapping;
};

// A receiver with the stage-0 slot parameters of an OTU2.
struct RxServer : TesterFixture {
    RxServer(int kind, int mode, const QByteArray &mainTs) : TesterFixture(QByteArray())
    {
        fake()->addParameter(new QcmaParameterEnum(nsSID::otnSid(rxPort, 12011), mode, 0, 2));
        fake()->addParameter(new QcmaParameterUInt(nsSID::otnSid(rxPort, 12012), 1, 1, 80));
        fake()->addParameter(new QcmaParameterByteArray(rxMainTsSid, mainTs));
        fake()->addParameter(new QcmaParameterUInt(nsSID::otnSid(rxPort, 12014), 1, 1, 8));
        dialog.reset(new OtnRxChDialog(manager(), rxPort, nullptr, 0, OtnMapping(1, 0, kind, 0, 0)));
    }

    QScopedPointer<OtnRxChDialog> dialog;
};

// A server holding the stage's main TP and main TS, and a channel dialog that lends its manager.
struct SelectServer : TesterFixture {
    explicit SelectServer(const QByteArray &mainTs, bool mainTpDefined = true) : TesterFixture(QByteArray())
    {
        auto *tp = new QcmaParameterUInt(txMainTpSid, 1, 1, 80);
        tp->setDefined(mainTpDefined);
        fake()->addParameter(tp);
        fake()->addParameter(new QcmaParameterByteArray(txMainTsSid, mainTs));
        channelDialog.reset(new ZelDialog(nullptr, manager(), true));
    }
    OtnSelectTsDialog *dialog(int tpCount, int tsCount, int tpId = 11128)
    {
        return new OtnSelectTsDialog(channelDialog.data(), port, tpCount, tsCount, 0, tpId, 11129);
    }

    QScopedPointer<ZelDialog> channelDialog;
};
} // namespace

// The user's road through the tributary dialogs against the simulated tester, in the process and through
// the tester daemon; then the rules the road does not reach, on servers shaped like the tester's; last the
// TP/TS grid and the TS map alone.
class tst_OtnChDialogs : public QObject
{
    Q_OBJECT

private slots:
    void transmitterRoad();
    void receiverRoad();
    void txFormAndMap();
    void txFollowsTheServerIgnoringBadValues();
    void allocationRoundTrip_data();
    void allocationRoundTrip();
    void allocationToggleAndAllocateAll();
    void rxFormMapAndSelection();
    void rxMainTsEntry();
    void selectionRules_data();
    void selectionRules();
    void toggleStopsAtTheMaximum();
    void mask();
    void tsMapLayout();
    void mainTsMarks();
};

void tst_OtnChDialogs::transmitterRoad()
{
    using namespace PID::Otn::TX;
    TesterFixture f(TesterFixture::testOptions());
    QVERIFY(f.writeAndWait(port, MAPPING[2], odtu12Pt21));
    const OtnMapping mapping = mappingOf(f, MAPPING);
    QVERIFY(mapping.hasOdtu(0));

    OtnTxChDialog dialog(f.manager(), port, nullptr, 0, mapping);
    QCOMPARE(dialog.tpCount(), 4);
    QCOMPARE(dialog.tsCount(), 8);
    QVERIFY(dialog.allocatedGrid());
    QCOMPARE(dialog.allocatedGrid()->bits(), cachedBits(f, ALLOC[0]));
    QCOMPARE(markedTs(*dialog.mainGrid(), 8), tsIndexes(cachedBytes(f, MAIN_TS[0])));

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

void tst_OtnChDialogs::receiverRoad()
{
    using namespace PID::Otn::RX;
    TesterFixture f(TesterFixture::testOptions());
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

void tst_OtnChDialogs::txFormAndMap()
{
    // ODU1 in ODU2 on 1.25G TS: 4 TP of 2 TS each; TP 1 starts at TS 3, TP 2 at TS 1.
    TxServer f(MUX_ODU1_ODU2_PT21, QByteArray("\x03\x01\x05\x07", 4));
    QScopedPointer<OtnTxChDialog> dialog(f.dialog());
    dialog->setOdtuName(QStringLiteral("ODTU12 (PT=21)"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("ODTU12 (PT=21) TP/TS"));

    QCOMPARE(tsCell(*dialog->mainGrid(), 0)->text(), QStringLiteral("2"));
    QCOMPARE(tsCell(*dialog->mainGrid(), 2)->text(), QStringLiteral("1"));
    QCOMPARE(tsCell(*dialog->mainGrid(), 3)->text(), QStringLiteral("1"));
    QCOMPARE(markedTs(*dialog->mainGrid(), 8), (QList<int>{0, 2, 4, 6}));
    // Dummy TPs unequipped: only the main TP's TS show their TP.
    QScopedPointer<OtnTxChDialog> off(f.dialog(COPY_OFF));
    QCOMPARE(tsCell(*off->mainGrid(), 2)->text(), QStringLiteral("1"));
    QCOMPARE(tsCell(*off->mainGrid(), 0)->text(), QStringLiteral("0"));
}

void tst_OtnChDialogs::txFollowsTheServerIgnoringBadValues()
{
    TxServer f(MUX_ODU0_ODU2);
    QScopedPointer<OtnTxChDialog> dialog(f.dialog());
    f.fake()->serverChange(new QcmaParameterByteArray(txMainTsSid, QByteArray("\x08\x02\x03\x04\x05\x06\x07\x01", 8)));
    QTRY_COMPARE(dialog->mainTsList()[0], 8);
    f.fake()->serverChange(new QcmaParameterUInt(txMainTpSid, 3, 1, 8));
    QTRY_COMPARE(dialog->mainTp(), 3u);

    // A value of the wrong kind is logged and ignored, an undefined one ignored.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Tx channel: main TP .* wrong kind, ignored$")));
    dialog->qcmaParameterChanged(QcmaParameterByteArray(txMainTpSid, QByteArray("\x05", 1)));
    QCOMPARE(dialog->mainTp(), 3u);
    QcmaParameterByteArray undefinedTs(txMainTsSid, QByteArray("\x01", 1));
    undefinedTs.setDefined(false);
    dialog->qcmaParameterChanged(undefinedTs);
    QCOMPARE(dialog->mainTsList()[0], 8);
}

// The road accepts a plain allocation; here a cancelled one and one the server keeps longer than the map.
void tst_OtnChDialogs::allocationRoundTrip_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("serverBits");
    QTest::newRow("cancelled writes nothing") << 0 << 8;
    QTest::newRow("accepted into a longer array keeps its size") << 1 << 12;
}

void tst_OtnChDialogs::allocationRoundTrip()
{
    QFETCH(int, result);
    QFETCH(int, serverBits);

    QBitArray initial(serverBits, true);
    initial.clearBit(1);
    TxServer f(MUX_ODU0_ODU2, QByteArray(), initial);
    QScopedPointer<OtnTxChDialog> dialog(f.dialog());
    QBitArray seen;
    ScopedDialogHandler handler(f.dialogRunner(), [&](QDialog *d) {
        auto *allocation = qobject_cast<OtnTxChAllocationDialog *>(d);
        if (!allocation)
            return 0;
        seen = allocation->bits();
        QTest::mouseClick(allocation->grid()->cell(1), Qt::LeftButton);
        QTest::mouseClick(allocation->grid()->cell(6), Qt::LeftButton);
        return result;
    });
    emit dialog->allocatedGrid()->cellClicked(3);

    QBitArray first8 = initial;
    first8.resize(8);
    QCOMPARE(seen, first8);
    QBitArray expected = initial;
    if (result == 1) {
        expected.toggleBit(1);
        expected.toggleBit(6);
    }
    QCOMPARE(f.fake()->writeRequests(), result == 1 ? 1 : 0);
    QTRY_COMPARE(f.fake()->value(allocSid)->getBitArray(), expected);
    QBitArray shownBits = expected;
    shownBits.resize(8);
    QTRY_COMPARE(dialog->allocatedGrid()->bits(), shownBits);
}

void tst_OtnChDialogs::allocationToggleAndAllocateAll()
{
    OtnTxChAllocationDialog dialog(nullptr, 8, 8);
    dialog.setBits(QBitArray(8, true));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pbAllocatedAll")), Qt::LeftButton);
    QCOMPARE(dialog.bits(), QBitArray(8, false));
}

void tst_OtnChDialogs::rxFormMapAndSelection()
{
    // ODU1 in ODU2 on 1.25G TS: 4 TP; their first TS 2, 4, 6, 8.
    RxServer f(MUX_ODU1_ODU2_PT21, 0, QByteArray("\x02\x04\x06\x08", 4));

    OtnChWidget *grid = f.dialog->mainGrid();
    QCOMPARE(grid->cellCount(), 18);
    QCOMPARE(tsCell(*grid, 0)->text(), QStringLiteral("--"));
    QCOMPARE(markedTs(*grid, 8), (QList<int>{1, 3, 5, 7}));
    QCOMPARE(f.dialog->findChild<QPushButton *>(QStringLiteral("pbMainTs"))->text(), QStringLiteral("2"));

    // A click on the map opens the TS selection of the receiver's slots.
    QByteArray preselected;
    ScopedDialogHandler handler(f.dialogRunner(), [&preselected](QDialog *d) {
        auto *select = qobject_cast<OtnSelectTsDialog *>(d);
        if (!select || select->tpCount() != 4)
            return 0;
        preselected = select->grid()->setCellBytes();
        QTest::mouseClick(select->grid()->cell(7), Qt::LeftButton);
        QTest::mouseClick(select->grid()->cell(0), Qt::LeftButton);
        return 0;
    });
    QTest::mouseClick(grid->cell(12), Qt::LeftButton);
    QCOMPARE(preselected, QByteArray("\x02\x04\x06\x08", 4));
    QTRY_COMPARE(f.fake()->value(rxMainTsSid)->getByteArray(), QByteArray("\x01\x02\x04\x06", 4));
}

// The road swaps two TPs; here the entry's limits and a cancelled keypad, which writes nothing.
void tst_OtnChDialogs::rxMainTsEntry()
{
    RxServer f(MUX_ODU0_ODU2, 2, eightTs);
    QList<double> shown;
    ScopedDialogHandler handler(f.dialogRunner(), [&](QDialog *d) {
        if (auto *pad = qobject_cast<QzelNumpadDlg *>(d)) {
            shown << pad->minimum() << pad->maximum() << pad->text().toDouble();
            pad->setText(QStringLiteral("5"));
        }
        return 0;
    });
    QTest::mouseClick(f.dialog->findChild<QPushButton *>(QStringLiteral("pbMainTs")), Qt::LeftButton);
    QCOMPARE(shown, (QList<double>{1, 8, 1}));
    QCOMPARE(f.fake()->writeRequests(), 0);
    QCOMPARE(f.dialog->findChild<QPushButton *>(QStringLiteral("pbMainTs"))->text(), QStringLiteral("1"));
}

void tst_OtnChDialogs::selectionRules_data()
{
    QTest::addColumn<int>("tpCount");
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("closeEnabled");
    QTest::addColumn<QList<QByteArray>>("writes");   // every main TS list sent, in order

    const QByteArray four("\x01\x02\x03\x04", 4);
    // The server's list is clicked in like the user's: a complete one goes back in ascending order.
    QTest::newRow("complete preselection written ascending")
        << 2 << QByteArray("\x07\x02", 2) << QList<int>{} << QByteArray("\x02\x07", 2) << true
        << QList<QByteArray>{QByteArray("\x02\x07", 2)};
    QTest::newRow("incomplete preselection writes nothing")
        << 3 << QByteArray("\x02\x05", 2) << QList<int>{} << QByteArray("\x02\x05", 2) << false
        << QList<QByteArray>{};
    QTest::newRow("single TP moves") << 1 << QByteArray("\x03", 1) << QList<int>{5} << QByteArray("\x06", 1) << true
                                     << QList<QByteArray>{QByteArray("\x03", 1), QByteArray("\x06", 1)};
    QTest::newRow("replace one of four") << 4 << four << QList<int>{2, 7} << QByteArray("\x01\x02\x04\x08", 4)
                                         << true << QList<QByteArray>{four, QByteArray("\x01\x02\x04\x08", 4)};
    QTest::newRow("All Off disables Close") << 2 << QByteArray("\x01\x05", 2) << QList<int>{allOff} << QByteArray()
                                            << false << QList<QByteArray>{QByteArray("\x01\x05", 2)};
}

void tst_OtnChDialogs::selectionRules()
{
    QFETCH(int, tpCount);
    QFETCH(QByteArray, initial);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, chosen);
    QFETCH(bool, closeEnabled);
    QFETCH(QList<QByteArray>, writes);

    SelectServer f(initial);
    QList<QByteArray> confirmed;
    QObject::connect(f.manager(), &zelServerManager::parameterChanged, f.manager(),
                     [&confirmed](const QcmaParameter &parameter) {
                         if (parameter.getSID() == txMainTsSid)
                             confirmed.append(parameter.getByteArray());
                     });
    QScopedPointer<OtnSelectTsDialog> dialog(f.dialog(tpCount, 8));
    for (int index : qAsConst(clicks)) {
        QTest::mouseClick(index == allOff ? dialog->findChild<QPushButton *>(QStringLiteral("pbAllOff"))
                                          : dialog->grid()->cell(index),
                          Qt::LeftButton);
    }

    QCOMPARE(dialog->grid()->setCellBytes(), chosen);
    for (int i = 0; i < dialog->grid()->cellCount(); ++i)
        QCOMPARE(dialog->grid()->cell(i)->isChecked(), chosen.contains(char(i + 1)));
    for (int i = 0; i < tpCount; ++i) {
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblChosenTs%1").arg(i))->text(),
                 i < chosen.size() ? QString::number(int(chosen.at(i))) : QStringLiteral("--"));
    }
    auto *box = dialog->findChild<QDialogButtonBox *>(QStringLiteral("bbSelectedTs"));
    QCOMPARE(box->button(QDialogButtonBox::Close)->isEnabled(), closeEnabled);
    QCOMPARE(f.fake()->writeRequests(), writes.size());
    QTRY_COMPARE(confirmed, writes);
    QCOMPARE(f.fake()->value(txMainTsSid)->getByteArray(), writes.isEmpty() ? initial : writes.last());
}

// In toggle mode the grid takes no more set cells than its maximum; an inverted grid counts the set look.
void tst_OtnChDialogs::toggleStopsAtTheMaximum()
{
    OtnChWidget grid(8, 8, true, true, true, true, 1);
    grid.setAllCells(true);   // every cell clear
    QTest::mouseClick(grid.cell(2), Qt::LeftButton);
    QTest::mouseClick(grid.cell(3), Qt::LeftButton);
    QCOMPARE(grid.setCellBytes(), QByteArray("\x03"));
}

void tst_OtnChDialogs::mask()
{
    OtnChWidget grid(8, 16, false, true, false, false, 8);
    grid.setMask(0xA5u);
    QCOMPARE(grid.mask(), 0xA5u);
    QCOMPARE(grid.setCellCount(), 4);
    // Copying goes through the mask; the target's own inversion decides the looks.
    OtnChWidget copy(8, 8, true, true, true, false, 8);
    copy.copyCells(grid);
    QCOMPARE(copy.mask(), 0xA5u);
    QCOMPARE(copy.setCellCount(), 4);
}

// The TS map is a grid of 9 columns: a header row, then rows of 8 TS behind their first index; TS past the
// count show "--" (the 8-TS grid is read in the Rx channel test).
void tst_OtnChDialogs::tsMapLayout()
{
    const int tsCount = 78;
    QScopedPointer<OtnChWidget> grid(OtnTsMap::createMainGrid(80, nullptr));
    QCOMPARE(grid->cellCount(), 99);
    QCOMPARE(grid->columnCount(), 9);

    // TP 0-2 in turn, and every fourth TS carrying no TP (-1, shown as 0).
    int channels[OtnTsMap::maxTs];
    for (int t = 0; t < OtnTsMap::maxTs; ++t)
        channels[t] = t % 4 - 1;
    OtnTsMap::layout(grid.data(), OtnTsMap::channelContents(channels, tsCount), OtnTsMap::rows(tsCount));

    QCOMPARE(grid->cell(8)->text(), QStringLiteral("+8"));
    QCOMPARE(OtnTsMap::rows(tsCount), 10);
    // The last row: its first index, the TS texts, then the two TS past the count.
    QStringList last;
    for (int column = 0; column < 9; ++column)
        last << grid->cell(90 + column)->text();
    QCOMPARE(last, (QStringList{"72", "0", "1", "2", "3", "0", "1", "--", "--"}));
}

void tst_OtnChDialogs::mainTsMarks()
{
    // Entry 80 is the last TS; entries 0 and beyond the map, and TPs past the count, mark nothing.
    const int mainTs[] = {81, 0, 80, 5};
    OtnTsMap::Contents contents = OtnTsMap::emptyContents();
    OtnTsMap::markMainTs(contents, mainTs, 3);
    for (int t = 0; t < OtnTsMap::maxTs; ++t) {
        const char *style = t == 79 ? OtnTsMap::mainTpStyle : OtnTsMap::dummyTpStyle;
        QVERIFY2(contents.at(t).styleSheet == QLatin1String(style), qPrintable(QStringLiteral("TS index %1").arg(t)));
        QCOMPARE(contents.at(t).text, QStringLiteral("--"));
    }
}

QTEST_MAIN(tst_OtnChDialogs)
#include "tst_otnchdialogs.moc"
