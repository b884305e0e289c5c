#include <QLabel>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnrxchdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnselecttsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "dialogframe.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
using namespace nsSettings::Otn;
constexpr int port = 2;
const int detModeSid = nsSID::otnSid(port, 12011);
const int mainTpSid = nsSID::otnSid(port, 12012);
const int mainTsSid = nsSID::otnSid(port, 12013);
const int numberOfTsSid = nsSID::otnSid(port, 12014);

// A receiver with the stage-0 slot parameters; the interface carries the kind's higher-order ODU.
struct Fixture : TesterFixture {
    Fixture(int interfaceSignal, int kind, int mode, const QByteArray &mainTs)
        : TesterFixture(QByteArray()), mapping(interfaceSignal, 0, kind, 0, 0)
    {
        fake()->addParameter(new QcmaParameterEnum(detModeSid, mode, 0, 2));
        fake()->addParameter(new QcmaParameterUInt(mainTpSid, 1, 1, 80));
        fake()->addParameter(new QcmaParameterByteArray(mainTsSid, mainTs));
        fake()->addParameter(new QcmaParameterUInt(numberOfTsSid, 1, 1, 8));
        dialog.reset(new OtnRxChDialog(manager(), port, nullptr, 0, mapping));
    }

    OtnMapping mapping;
    QScopedPointer<OtnRxChDialog> dialog;
};

const QByteArray eightTs("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
} // namespace

class tst_OtnRxChDialog : public QObject
{
    Q_OBJECT

private slots:
    void formMapAndSelection();
    void mainTsSwap_data();
    void mainTsSwap();
};

void tst_OtnRxChDialog::formMapAndSelection()
{
    // ODU1 in ODU2 on 1.25G TS: 4 TP; their first TS 2, 4, 6, 8.
    Fixture f(1, MUX_ODU1_ODU2_PT21, 0, QByteArray("\x02\x04\x06\x08", 4));
    const QString mainTs = WidgetText().getUiText(5099) + QLatin1Char(':');
    QCOMPARE(f.dialog->findChild<QLabel *>(QStringLiteral("lblMainTs"))->text(), mainTs);
    QCOMPARE(f.dialog->findChild<QLabel *>(QStringLiteral("lblMainTpTs"))->text(), mainTs);
    QCOMPARE(dialogFrameFaults(*f.dialog, "otn_rx_ch_dialog.html", "bbRxCh", {{QDialogButtonBox::Close, 2004}}),
             QStringList());

    OtnChWidget *grid = f.dialog->mainGrid();
    QCOMPARE(grid->cellCount(), 18);
    for (int ts = 0; ts < 8; ++ts) {
        QCOMPARE(grid->cell(10 + ts)->text(), QStringLiteral("--"));
        const char *style = ts % 2 ? OtnTsMap::mainTpStyle : OtnTsMap::dummyTpStyle;
        QCOMPARE(grid->cell(10 + ts)->styleSheet(), QString::fromLatin1(style));
    }
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
    QTRY_COMPARE(f.fake()->value(mainTsSid)->getByteArray(), QByteArray("\x01\x02\x04\x06", 4));
}

void tst_OtnRxChDialog::mainTsSwap_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("written");   // empty: nothing written

    QTest::newRow("last TP's TS: swap") << "8" << 1 << QByteArray("\x08\x02\x03\x04\x05\x06\x07\x01", 8);
    QTest::newRow("own TS: unchanged") << "1" << 1 << eightTs;
    QTest::newRow("cancelled") << "5" << 0 << QByteArray();
}

void tst_OtnRxChDialog::mainTsSwap()
{
    QFETCH(QString, entered);
    QFETCH(int, result);
    QFETCH(QByteArray, written);

    Fixture f(1, MUX_ODU0_ODU2, 2, eightTs);
    double minimum = 0, maximum = 0;
    QString initialText;
    QString title;
    ScopedDialogHandler handler(f.dialogRunner(), [&](QDialog *d) {
        auto *pad = qobject_cast<QzelNumpadDlg *>(d);
        if (!pad)
            return 0;
        minimum = pad->minimum();
        maximum = pad->maximum();
        initialText = pad->text();
        title = pad->windowTitle();
        pad->setText(entered);
        return result;
    });
    QTest::mouseClick(f.dialog->findChild<QPushButton *>(QStringLiteral("pbMainTs")), Qt::LeftButton);

    QCOMPARE(minimum, 1.0);
    QCOMPARE(maximum, 8.0);
    QCOMPARE(initialText, QStringLiteral("1"));
    QVERIFY(title.contains(WidgetText().getUiText(5099)));
    QCOMPARE(f.fake()->writeRequests(), written.isEmpty() ? 0 : 1);
    const QByteArray expected = written.isEmpty() ? eightTs : written;
    QTRY_COMPARE(f.fake()->value(mainTsSid)->getByteArray(), expected);
    QTRY_COMPARE(f.dialog->mainTsList()[0], int(quint8(expected.at(0))));
    QCOMPARE(f.dialog->findChild<QPushButton *>(QStringLiteral("pbMainTs"))->text(),
             QString::number(quint8(expected.at(0))));
}

QTEST_MAIN(tst_OtnRxChDialog)
#include "tst_otnrxchdialog.moc"
