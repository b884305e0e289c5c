#include <QLabel>
#include <QSet>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxchdialog.h"
#include "dialogframe.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
using namespace nsSettings::Otn;
constexpr int port = 1;
const int mainTpSid = nsSID::otnSid(port, 11128);
const int mainTsSid = nsSID::otnSid(port, 11129);
const int allocSid = nsSID::otnSid(port, 11130);
const int numberOfTsSid = nsSID::otnSid(port, 11131);

// Interface signal values whose ODU is the higher-order ODU of the stage-0 multiplex kind.
OtnMapping stage0Mapping(int kind)
{
    const int interfaceOf[] = {1, 1, 1, 1, 0, 2, 2, 2, 2, 2, 2, 2, 7, 6, 3, 3, 3, 3, 3, 3, 1, 2, 3};
    return OtnMapping(interfaceOf[kind], 0, kind, 0, 0);
}

// A server with the stage-0 slot parameters, shaped like the tester's for that multiplex.
struct Fixture : TesterFixture {
    explicit Fixture(int kind, QByteArray mainTs = QByteArray(), QBitArray alloc = QBitArray())
        : TesterFixture(QByteArray()), mapping(stage0Mapping(kind)), info(OtnTpTs::getTpTsInfo(0, mapping, 0))
    {
        if (mainTs.isEmpty()) {
            for (quint32 i = 0; i < info.tpCount; ++i)
                mainTs.append(char(1 + i * qMax<quint32>(1, info.tsPerTp)));
        }
        if (alloc.isEmpty())
            alloc = QBitArray(int(info.tsTotal), true);
        fake()->addParameter(new QcmaParameterUInt(mainTpSid, 1, 1, qMax<quint32>(1, info.tpCount)));
        fake()->addParameter(new QcmaParameterByteArray(mainTsSid, mainTs));
        fake()->addParameter(new QcmaParameterBitArray(allocSid, alloc));
        fake()->addParameter(new QcmaParameterUInt(numberOfTsSid, 2, 1, 8));
    }
    OtnTxChDialog *dialog(int copyStatus = COPY_MAIN) const
    {
        return new OtnTxChDialog(manager(), port, nullptr, 0, mapping, copyStatus);
    }

    OtnMapping mapping;
    TpTsInfo info;
};

// The cell of a TS index in the main grid, below the header and right of its row label.
QPushButton *tsCell(const OtnTxChDialog &dialog, int ts)
{
    return dialog.mainGrid()->cell((ts / 8 + 1) * 9 + 1 + ts % 8);
}
} // namespace

class tst_OtnTxChDialog : public QObject
{
    Q_OBJECT

private slots:
    void formAndMap();
    void followsTheServerIgnoringBadValues();
    void allocationRoundTrip_data();
    void allocationRoundTrip();
};

void tst_OtnTxChDialog::formAndMap()
{
    // ODU1 in ODU2 on 1.25G TS: 4 TP of 2 TS each; TP 1 starts at TS 3, TP 2 at TS 1.
    Fixture f(MUX_ODU1_ODU2_PT21, QByteArray("\x03\x01\x05\x07", 4));
    QScopedPointer<OtnTxChDialog> dialog(f.dialog());
    dialog->setOdtuName(QStringLiteral("ODTU12 (PT=21)"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("ODTU12 (PT=21) TP/TS"));
    QCOMPARE(dialogFrameFaults(*dialog, "otn_tx_ch_dialog.html", "bbTxCh", {{QDialogButtonBox::Close, 2004}}),
             QStringList());
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblMainTpClassificationColor"))->styleSheet(),
             QStringLiteral("background-color: rgb(170, 255, 255); color: black; border: 1.5px solid gray;"));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblDummyTpClassificationColor"))->styleSheet(),
             QStringLiteral("background-color: white; color: black; border: 1.5px solid gray;"));

    QCOMPARE(tsCell(*dialog, 0)->text(), QStringLiteral("2"));
    QCOMPARE(tsCell(*dialog, 2)->text(), QStringLiteral("1"));
    QCOMPARE(tsCell(*dialog, 3)->text(), QStringLiteral("1"));
    for (int ts = 0; ts < 8; ++ts) {
        const char *style = ts % 2 == 0 ? OtnTsMap::mainTpStyle : OtnTsMap::dummyTpStyle;
        QCOMPARE(tsCell(*dialog, ts)->styleSheet(), QString::fromLatin1(style));
    }
    // Dummy TPs unequipped: only the main TP's TS show their TP.
    QScopedPointer<OtnTxChDialog> off(f.dialog(COPY_OFF));
    QCOMPARE(tsCell(*off, 2)->text(), QStringLiteral("1"));
    QCOMPARE(tsCell(*off, 0)->text(), QStringLiteral("0"));

    auto *content = dialog->findChild<QWidget *>(QStringLiteral("widget"));
    auto *close = dialog->findChild<QDialogButtonBox *>(QStringLiteral("bbTxCh"))->button(QDialogButtonBox::Close);
    for (int state : {1, 0}) {
        dialog->setAccessState(state);
        QCOMPARE(content->isEnabled(), state == 0);
        QCOMPARE(close->isEnabled(), state == 0);
    }
}

void tst_OtnTxChDialog::followsTheServerIgnoringBadValues()
{
    Fixture f(MUX_ODU0_ODU2);
    QScopedPointer<OtnTxChDialog> dialog(f.dialog());
    f.fake()->serverChange(new QcmaParameterByteArray(mainTsSid, QByteArray("\x08\x02\x03\x04\x05\x06\x07\x01", 8)));
    QTRY_COMPARE(dialog->mainTsList()[0], 8);
    QCOMPARE(tsCell(*dialog, 7)->text(), QStringLiteral("1"));
    QCOMPARE(tsCell(*dialog, 0)->text(), QStringLiteral("8"));

    QBitArray alloc(8, true);
    alloc.clearBit(5);
    f.fake()->serverChange(new QcmaParameterBitArray(allocSid, alloc));
    QTRY_COMPARE(dialog->allocatedGrid()->bits(), alloc);

    f.fake()->serverChange(new QcmaParameterUInt(mainTpSid, 3, 1, 8));
    QTRY_COMPARE(dialog->mainTp(), 3u);

    // A value of the wrong kind is logged and ignored, an undefined one ignored.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Tx channel: main TP .* wrong kind, ignored$")));
    dialog->qcmaParameterChanged(QcmaParameterByteArray(mainTpSid, QByteArray("\x05", 1)));
    QCOMPARE(dialog->mainTp(), 3u);
    QcmaParameterByteArray undefinedTs(mainTsSid, QByteArray("\x01", 1));
    undefinedTs.setDefined(false);
    dialog->qcmaParameterChanged(undefinedTs);
    QCOMPARE(dialog->mainTsList()[0], 8);
}

void tst_OtnTxChDialog::allocationRoundTrip_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("serverBits");
    QTest::newRow("cancelled writes nothing") << 0 << 8;
    QTest::newRow("accepted into a longer array keeps its size") << 1 << 12;
}

void tst_OtnTxChDialog::allocationRoundTrip()
{
    QFETCH(int, result);
    QFETCH(int, serverBits);

    QBitArray initial(serverBits, true);
    initial.clearBit(1);
    Fixture f(MUX_ODU0_ODU2, QByteArray(), initial);
    QScopedPointer<OtnTxChDialog> dialog(f.dialog());
    dialog->setOdtuName(QStringLiteral("ODTU2.1"));

    QBitArray seen;
    QString title;
    ScopedDialogHandler handler(f.dialogRunner(), [&](QDialog *d) {
        auto *allocation = qobject_cast<OtnTxChAllocationDialog *>(d);
        if (!allocation)
            return 0;
        seen = allocation->bits();
        title = allocation->windowTitle();
        QTest::mouseClick(allocation->grid()->cell(1), Qt::LeftButton);
        QTest::mouseClick(allocation->grid()->cell(6), Qt::LeftButton);
        return result;
    });
    emit dialog->allocatedGrid()->cellClicked(3);

    QBitArray first8 = initial;
    first8.resize(8);
    QCOMPARE(seen, first8);
    QVERIFY(title.startsWith(QStringLiteral("ODTU2.1")));
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

QTEST_MAIN(tst_OtnTxChDialog)
#include "tst_otntxchdialog.moc"
