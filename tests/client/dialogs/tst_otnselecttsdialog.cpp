#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnselecttsdialog.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testserverlink.h"

namespace {
constexpr int port = 1;
constexpr int mainTpId = 11128;
constexpr int mainTsId = 11129;
const int mainTpSid = nsSID::build(port, nsSID::otn, mainTpId);
const int mainTsSid = nsSID::build(port, nsSID::otn, mainTsId);

// A server holding the stage's main TP and main TS, and a channel dialog that lends its manager.
struct Fixture {
    explicit Fixture(const QByteArray &mainTs, bool mainTpDefined = true)
    {
        auto *tp = new QcmaParameterUInt(mainTpSid, 1, 1, 80);
        tp->setDefined(mainTpDefined);
        link.addParameter(tp);
        link.addParameter(new QcmaParameterByteArray(mainTsSid, mainTs));
        manager.reset(new zelServerManager(&link));
        channelDialog.reset(new ZelDialog(nullptr, manager.data(), true));
    }
    QByteArray serverMainTs() const { return link.value(mainTsSid)->getByteArray(); }

    TestServerLink link;
    QScopedPointer<zelServerManager> manager;
    QScopedPointer<ZelDialog> channelDialog;
};

QPushButton *closeButton(const OtnSelectTsDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>(QStringLiteral("bbSelectedTs"))->button(QDialogButtonBox::Close);
}

QStringList labelTexts(const OtnSelectTsDialog &dialog)
{
    QStringList texts;
    for (int i = 0; i < dialog.tpCount(); ++i)
        texts << dialog.findChild<QLabel *>(QStringLiteral("lblChosenTs%1").arg(i))->text();
    return texts;
}
} // namespace

class tst_OtnSelectTsDialog : public QObject
{
    Q_OBJECT

private slots:
    void form_data();
    void form();
    void preselectionWritesNothing();
    void selectionRules_data();
    void selectionRules();
    void allOff();
    void mainTpShownWhenDefined_data();
    void mainTpShownWhenDefined();
};

void tst_OtnSelectTsDialog::form_data()
{
    QTest::addColumn<int>("tpCount");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("gridColumns");
    QTest::addColumn<int>("labelColumns");
    QTest::addColumn<int>("labelRows");

    QTest::newRow("1 TP in 2 TS") << 1 << 2 << 2 << 1 << 1;
    QTest::newRow("4 TP in 8 TS") << 4 << 8 << 8 << 4 << 1;
    QTest::newRow("32 TP in 32 TS") << 32 << 32 << 8 << 20 << 2;
    QTest::newRow("80 TP in 80 TS") << 80 << 80 << 8 << 20 << 4;
}

void tst_OtnSelectTsDialog::form()
{
    QFETCH(int, tpCount);
    QFETCH(int, tsCount);
    QFETCH(int, gridColumns);
    QFETCH(int, labelColumns);
    QFETCH(int, labelRows);

    Fixture f{QByteArray()};
    OtnSelectTsDialog dialog(f.channelDialog.data(), port, tpCount, tsCount, 0, mainTpId, mainTsId);
    QCOMPARE(dialog.parentWidget(), f.channelDialog.data());
    QCOMPARE(dialog.serverManager(), f.manager.data());
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.helpPage(), QStringLiteral("otn_select_ts_dialog.html"));
    dialog.setOdtuName(QStringLiteral("ODTU4.1"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ODTU4.1 TP/TS Select"));

    OtnChWidget *grid = dialog.grid();
    QCOMPARE(grid->cellCount(), tsCount);
    QCOMPARE(grid->columnCount(), gridColumns);
    QVERIFY(grid->isNumbered() && !grid->isToggle() && !grid->isInverted() && grid->isCheckable());
    QCOMPARE(grid->maximum(), tpCount);

    auto *labels = dialog.findChild<QGridLayout *>(QStringLiteral("gLayoutSelectedTs"));
    QCOMPARE(labels->count(), tpCount);
    QCOMPARE(labels->columnCount(), labelColumns);
    QCOMPARE(labels->rowCount(), labelRows);
    auto *first = dialog.findChild<QLabel *>(QStringLiteral("lblChosenTs0"));
    QCOMPARE(first->size(), QSize(20, 20));
    QCOMPARE(first->font().pixelSize(), 12);
    QCOMPARE(first->text(), QStringLiteral("--"));
    QCOMPARE(first->styleSheet(), QStringLiteral("QFrame { border: 1px solid black; background-color: gray; }"));
}

void tst_OtnSelectTsDialog::preselectionWritesNothing()
{
    Fixture f(QByteArray("\x07\x02", 2));
    OtnSelectTsDialog dialog(f.channelDialog.data(), port, 2, 8, 0, mainTpId, mainTsId);
    QCOMPARE(dialog.grid()->setCellBytes(), QByteArray("\x02\x07", 2));
    QVERIFY(dialog.grid()->cell(1)->isChecked());
    QVERIFY(dialog.grid()->cell(6)->isChecked());
    QCOMPARE(labelTexts(dialog), (QStringList{"2", "7"}));
    QVERIFY(closeButton(dialog)->isEnabled());
    QCOMPARE(f.link.writeRequests(), 0);
}

void tst_OtnSelectTsDialog::selectionRules_data()
{
    QTest::addColumn<int>("tpCount");
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("closeEnabled");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("single TP moves") << 1 << QByteArray("\x03", 1) << QList<int>{5} << QByteArray("\x06", 1) << true
                                     << QByteArray("\x06", 1);
    QTest::newRow("single TP moves twice") << 1 << QByteArray() << QList<int>{2, 7} << QByteArray("\x08", 1) << true
                                           << QByteArray("\x08", 1);
    QTest::newRow("fifth click refused") << 4 << QByteArray("\x01\x02\x03\x04", 4) << QList<int>{6}
                                         << QByteArray("\x01\x02\x03\x04", 4) << true << QByteArray("\x01\x02\x03\x04", 4);
    QTest::newRow("clearing disables Close") << 4 << QByteArray("\x01\x02\x03\x04", 4) << QList<int>{1}
                                             << QByteArray("\x01\x03\x04", 3) << false
                                             << QByteArray("\x01\x02\x03\x04", 4);
    QTest::newRow("bytes ascending, not in click order") << 3 << QByteArray() << QList<int>{7, 2, 5}
                                                         << QByteArray("\x03\x06\x08", 3) << true
                                                         << QByteArray("\x03\x06\x08", 3);
    QTest::newRow("incomplete writes nothing") << 3 << QByteArray() << QList<int>{4, 0}
                                               << QByteArray("\x01\x05", 2) << false << QByteArray();
    QTest::newRow("replace one of four") << 4 << QByteArray("\x01\x02\x03\x04", 4) << QList<int>{2, 7}
                                         << QByteArray("\x01\x02\x04\x08", 4) << true
                                         << QByteArray("\x01\x02\x04\x08", 4);
}

void tst_OtnSelectTsDialog::selectionRules()
{
    QFETCH(int, tpCount);
    QFETCH(QByteArray, initial);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, chosen);
    QFETCH(bool, closeEnabled);
    QFETCH(QByteArray, written);

    Fixture f(initial);
    OtnSelectTsDialog dialog(f.channelDialog.data(), port, tpCount, 8, 0, mainTpId, mainTsId);
    for (int index : qAsConst(clicks))
        QTest::mouseClick(dialog.grid()->cell(index), Qt::LeftButton);

    QCOMPARE(dialog.grid()->setCellBytes(), chosen);
    for (int i = 0; i < dialog.grid()->cellCount(); ++i)
        QCOMPARE(dialog.grid()->cell(i)->isChecked(), chosen.contains(char(i + 1)));
    QStringList labels;
    for (int i = 0; i < tpCount; ++i)
        labels << (i < chosen.size() ? QString::number(int(chosen.at(i))) : QStringLiteral("--"));
    QCOMPARE(labelTexts(dialog), labels);
    QCOMPARE(closeButton(dialog)->isEnabled(), closeEnabled);
    if (!written.isEmpty() && written != initial) {
        QTRY_COMPARE(f.serverMainTs(), written);
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(f.link.writeRequests(), 0);
        QCOMPARE(f.serverMainTs(), initial);
    }
}

void tst_OtnSelectTsDialog::allOff()
{
    Fixture f(QByteArray("\x01\x05", 2));
    OtnSelectTsDialog dialog(f.channelDialog.data(), port, 2, 8, 0, mainTpId, mainTsId);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pbAllOff")), Qt::LeftButton);
    QCOMPARE(dialog.grid()->setCellCount(), 0);
    QCOMPARE(labelTexts(dialog), (QStringList{"--", "--"}));
    QVERIFY(!closeButton(dialog)->isEnabled());
    QCOMPARE(f.link.writeRequests(), 0);
    // Choosing again completes and writes.
    QTest::mouseClick(dialog.grid()->cell(3), Qt::LeftButton);
    QTest::mouseClick(dialog.grid()->cell(0), Qt::LeftButton);
    QVERIFY(closeButton(dialog)->isEnabled());
    QTRY_COMPARE(f.serverMainTs(), QByteArray("\x01\x04", 2));
}

void tst_OtnSelectTsDialog::mainTpShownWhenDefined_data()
{
    QTest::addColumn<bool>("defined");
    QTest::addColumn<int>("tpId");
    QTest::addColumn<bool>("shown");
    QTest::newRow("defined") << true << mainTpId << true;
    QTest::newRow("undefined") << false << mainTpId << false;
    QTest::newRow("no such parameter") << true << 0 << false;
}

void tst_OtnSelectTsDialog::mainTpShownWhenDefined()
{
    QFETCH(bool, defined);
    QFETCH(int, tpId);
    QFETCH(bool, shown);
    Fixture f(QByteArray("\x01", 1), defined);
    OtnSelectTsDialog dialog(f.channelDialog.data(), port, 1, 8, 0, tpId, mainTsId);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblMainTp"))->isVisibleTo(&dialog), shown);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("pbMainTp"))->isVisibleTo(&dialog), shown);
}

QTEST_MAIN(tst_OtnSelectTsDialog)
#include "tst_otnselecttsdialog.moc"
