#include <QGridLayout>
#include <QLabel>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnselecttsdialog.h"
#include "dialogframe.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {
constexpr int port = 1;
constexpr int mainTpId = 11128;
constexpr int mainTsId = 11129;
const int mainTsSid = nsSID::otnSid(port, mainTsId);
constexpr int allOff = -1;   // a click on "All Off" instead of a cell

// A server holding the stage's main TP and main TS, and a channel dialog that lends its manager.
struct Fixture : TesterFixture {
    explicit Fixture(const QByteArray &mainTs, bool mainTpDefined = true) : TesterFixture(QByteArray())
    {
        auto *tp = new QcmaParameterUInt(nsSID::otnSid(port, mainTpId), 1, 1, 80);
        tp->setDefined(mainTpDefined);
        fake()->addParameter(tp);
        fake()->addParameter(new QcmaParameterByteArray(mainTsSid, mainTs));
        channelDialog.reset(new ZelDialog(nullptr, manager(), true));
    }
    OtnSelectTsDialog *dialog(int tpCount, int tsCount, int tpId = mainTpId)
    {
        return new OtnSelectTsDialog(channelDialog.data(), port, tpCount, tsCount, 0, tpId, mainTsId);
    }

    QScopedPointer<ZelDialog> channelDialog;
};
} // namespace

class tst_OtnSelectTsDialog : public QObject
{
    Q_OBJECT

private slots:
    void selectionRules_data();
    void selectionRules();
    void mainTpShownWhenDefined_data();
    void mainTpShownWhenDefined();
};

void tst_OtnSelectTsDialog::selectionRules_data()
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
    QTest::newRow("longer list cut to the TP count")
        << 2 << QByteArray("\x04\x01\x06", 3) << QList<int>{} << QByteArray("\x01\x04", 2) << true
        << QList<QByteArray>{QByteArray("\x01\x04", 2)};
    QTest::newRow("single TP moves") << 1 << QByteArray("\x03", 1) << QList<int>{5} << QByteArray("\x06", 1) << true
                                     << QList<QByteArray>{QByteArray("\x03", 1), QByteArray("\x06", 1)};
    QTest::newRow("fifth click refused") << 4 << four << QList<int>{6} << four << true << QList<QByteArray>{four};
    QTest::newRow("clearing disables Close") << 4 << four << QList<int>{1} << QByteArray("\x01\x03\x04", 3) << false
                                             << QList<QByteArray>{four};
    QTest::newRow("bytes ascending, not in click order")
        << 3 << QByteArray() << QList<int>{7, 2, 5} << QByteArray("\x03\x06\x08", 3) << true
        << QList<QByteArray>{QByteArray("\x03\x06\x08", 3)};
    QTest::newRow("replace one of four") << 4 << four << QList<int>{2, 7} << QByteArray("\x01\x02\x04\x08", 4)
                                         << true << QList<QByteArray>{four, QByteArray("\x01\x02\x04\x08", 4)};
    QTest::newRow("All Off disables Close") << 2 << QByteArray("\x01\x05", 2) << QList<int>{allOff} << QByteArray()
                                            << false << QList<QByteArray>{QByteArray("\x01\x05", 2)};
}

void tst_OtnSelectTsDialog::selectionRules()
{
    QFETCH(int, tpCount);
    QFETCH(QByteArray, initial);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, chosen);
    QFETCH(bool, closeEnabled);
    QFETCH(QList<QByteArray>, writes);

    Fixture f(initial);
    QList<QByteArray> confirmed;
    QObject::connect(f.manager(), &zelServerManager::parameterChanged, f.manager(),
                     [&confirmed](const QcmaParameter &parameter) {
                         if (parameter.getSID() == mainTsSid)
                             confirmed.append(parameter.getByteArray());
                     });
    QScopedPointer<OtnSelectTsDialog> dialog(f.dialog(tpCount, 8));
    for (int index : qAsConst(clicks)) {
        QTest::mouseClick(index == allOff ? dialog->findChild<QPushButton *>(QStringLiteral("pbAllOff"))
                                          : dialog->grid()->cell(index),
                          Qt::LeftButton);
    }

    QCOMPARE(dialog->grid()->setCellBytes(), chosen);
    // The choice shows through the check marks alone: the grid's set and clear looks are replaced by none.
    for (int i = 0; i < dialog->grid()->cellCount(); ++i) {
        QCOMPARE(dialog->grid()->cell(i)->isChecked(), chosen.contains(char(i + 1)));
        QVERIFY(dialog->grid()->cell(i)->styleSheet().isEmpty());
    }
    for (int i = 0; i < tpCount; ++i) {
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblChosenTs%1").arg(i))->text(),
                 i < chosen.size() ? QString::number(int(chosen.at(i))) : QStringLiteral("--"));
    }
    auto *box = dialog->findChild<QDialogButtonBox *>(QStringLiteral("bbSelectedTs"));
    QCOMPARE(box->button(QDialogButtonBox::Close)->isEnabled(), closeEnabled);
    QCOMPARE(f.fake()->writeRequests(), writes.size());
    QTRY_COMPARE(confirmed, writes);
    QCOMPARE(f.fake()->value(mainTsSid)->getByteArray(), writes.isEmpty() ? initial : writes.last());
}

void tst_OtnSelectTsDialog::mainTpShownWhenDefined_data()
{
    QTest::addColumn<bool>("defined");
    QTest::addColumn<int>("tpId");

    QTest::newRow("defined") << true << mainTpId;
    QTest::newRow("undefined") << false << mainTpId;
    QTest::newRow("no such parameter") << true << 0;
}

void tst_OtnSelectTsDialog::mainTpShownWhenDefined()
{
    QFETCH(bool, defined);
    QFETCH(int, tpId);

    Fixture f(QByteArray("\x01", 1), defined);
    QScopedPointer<OtnSelectTsDialog> dialog(f.dialog(1, 8, tpId));
    const bool shown = defined && tpId != 0;
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblMainTp"))->isVisibleTo(dialog.data()), shown);
    QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("pbMainTp"))->isVisibleTo(dialog.data()), shown);
}

QTEST_MAIN(tst_OtnSelectTsDialog)
#include "tst_otnselecttsdialog.moc"
