#include <functional>
#include <memory>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/components/otnpayloadtype.h"
#include "client/otn/interface_setup_status/dialogs/otncapturetptsdialog.h"
#include "client/otn/interface_setup_status/pages/status/otncaptureohwidget.h"
#include "client/otn/interface_setup_status/pages/status/otnstatuscapturepage.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/server/zelservermanager.h"
#include "tests/support/factorypage.h"

namespace {

using namespace PID::Otn;

constexpr int pageId = 39;
const char *const captureButtons[] = {"pbSm", "pbPm", "pbTcm1", "pbTcm2", "pbTcm3",
                                      "pbTcm4", "pbTcm5", "pbTcm6", "pbFtfl"};

QTableWidget *overheadTable(const QWidget &owner)
{
    return owner.findChild<QTableWidget *>(QStringLiteral("tblOverhead"));
}

// The text of a cell of the overhead table, with the columns its label spans ("SM/3").
QString cell(const QWidget &owner, int row, int column)
{
    const QTableWidget *table = overheadTable(owner);
    const QTableWidgetItem *item = table ? table->item(row, column) : nullptr;
    if (!item)
        return QStringLiteral("<none>");
    const int span = table->columnSpan(row, column);
    return span > 1 ? QStringLiteral("%1/%2").arg(item->text()).arg(span) : item->text();
}

// The overhead byte shown for overhead row r, column c (both 1-based).
QString shownByte(const QWidget &owner, int row, int column)
{
    return cell(owner, 2 * row - 1, column - 1);
}

// The capture buttons the overhead table shows, in the order of the capture items.
QStringList presentButtons(const QWidget &owner)
{
    QStringList names;
    for (const char *name : captureButtons) {
        for (const QPushButton *button : owner.findChildren<QPushButton *>(QLatin1String(name))) {
            if (button->isVisibleTo(&owner)) {
                names << QLatin1String(name);
                break;
            }
        }
    }
    return names;
}

// Presses a capture button; inspect sees the dialog it runs.
bool openCapture(TesterFixture &tester, const QWidget &owner, const char *button,
                 const std::function<void(QDialog *)> &inspect)
{
    auto *pushButton = owner.findChild<QPushButton *>(QLatin1String(button));
    if (!pushButton)
        return false;
    bool ran = false;
    ScopedDialogHandler handler(tester.dialogRunner(), [&](QDialog *dialog) {
        ran = true;
        inspect(dialog);
        return 0;
    });
    pushButton->click();
    return ran;
}

// Asks for the current interval as the host's poller does, and lets the answers arrive.
bool pollInterval(TesterFixture &tester)
{
    tester.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, currentIntervalSelector);
    return tester.settle();
}

} // namespace

class tst_OtnStatusCapturePage : public QObject
{
    Q_OBJECT
private slots:
    void labelsAndButtonsOfALevel_data();
    void labelsAndButtonsOfALevel();
    void pausedPageTakesOneCapturePerUpdate();
    void chosenLevelShowsItsOwnRecord_data();
    void chosenLevelShowsItsOwnRecord();
    void sapiSetOnTheTransmitterIsDecodedAndFollowed();
};

void tst_OtnStatusCapturePage::labelsAndButtonsOfALevel_data()
{
    QTest::addColumn<int>("interfaceSignal");
    QTest::addColumn<int>("stage0");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("selector");
    QTest::addColumn<QStringList>("cells");   // "row,column=text"
    QTest::addColumn<QStringList>("buttons");

    const int otu2 = 1;
    const int otlc = 14;
    const QStringList all{"pbSm", "pbPm", "pbTcm1", "pbTcm2", "pbTcm3", "pbTcm4", "pbTcm5", "pbTcm6", "pbFtfl"};
    QTest::newRow("line level") << otu2 << 0 << 0 << 0
                                << QStringList{"0,6=MF", "0,7=SM/3", "0,12=RES/2", "2,13=FTFL", "2,2=P&T", "6,14=PSI"} << all;
    QTest::newRow("lower level: fixed stuff, no section or tandem fields")
        << otu2 << 1 << 2 << 0 << QStringList{"0,7=Fixed Stuff/7", "4,6=TCM1/3", "4,9=PM/3"}
        << QStringList{"pbPm", "pbFtfl"};
    QTest::newRow("OTLC, first slice: OSMC, no FTFL")
        << otlc << 0 << 0 << 0 << QStringList{"0,12=OSMC", "0,13=RES", "2,13=RES", "6,14=PSI"}
        << QStringList{"pbSm", "pbPm", "pbTcm1", "pbTcm2", "pbTcm3", "pbTcm4", "pbTcm5", "pbTcm6"};
    QTest::newRow("OTLC, other slice: reserved rows")
        << otlc << 0 << 0 << 1 << QStringList{"2,0=RES/14", "4,0=RES/9", "4,9=PM/3", "4,12=EXP/2", "6,14=RES"}
        << QStringList{};
    // Stage value 13 (ODTU3e2) gives the OPU kind with NJO1/NJO2; a level beyond the kinds the record
    // gives shows the first kind.
    QTest::newRow("OPU kind of the line") << otu2 << 13 << 0 << 0 << QStringList{"0,15=JCA", "4,15=NJO2", "6,15=NJO1"}
                                          << all;
    QTest::newRow("level beyond the kinds") << otu2 << 13 << 3 << 0 << QStringList{"0,15=JC1", "6,15=NJO"}
                                            << QStringList{"pbPm", "pbFtfl"};
}

void tst_OtnStatusCapturePage::labelsAndButtonsOfALevel()
{
    QFETCH(int, interfaceSignal);
    QFETCH(int, stage0);
    QFETCH(int, level);
    QFETCH(int, selector);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, buttons);

    OtnCaptureOhWidget widget(nullptr, nullptr);
    // Another level first: the labels of the level asked for replace those, spans included.
    widget.setLevel(level == 0 ? 1 : 0, OtnMapping(1, 0, 0, 0, 0), 1 - selector);
    widget.setLevel(level, OtnMapping(interfaceSignal, 11, stage0, 0, 0), selector);
    for (const QString &expected : cells) {
        const QStringList place = expected.section('=', 0, 0).split(',');
        QCOMPARE(place.at(0) + "," + place.at(1) + "=" + cell(widget, place.at(0).toInt(), place.at(1).toInt()),
                 expected);
    }
    QCOMPARE(presentButtons(widget), buttons);
}

void tst_OtnStatusCapturePage::pausedPageTakesOneCapturePerUpdate()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    const auto page = shownFactoryPage<OtnStatusCapturePage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    QVERIFY(tester.writeAndWait(1, TX::OTU_SM_BITS, 0x11u));
    QVERIFY(pollInterval(tester));
    QTRY_COMPARE(shownByte(*page, 1, 10), QStringLiteral("11"));

    auto *pause = page->findChild<QPushButton *>(QStringLiteral("pbPause"));
    auto *update = page->findChild<QPushButton *>(QStringLiteral("pbSingle"));
    QVERIFY(!update->isVisibleTo(page.get()));
    pause->click();
    QVERIFY(pause->isChecked());
    QVERIFY(update->isVisibleTo(page.get()));
    QVERIFY(tester.writeAndWait(1, TX::OTU_SM_BITS, 0x22u));
    QVERIFY(pollInterval(tester));
    QCOMPARE(shownByte(*page, 1, 10), QStringLiteral("11"));
    update->click();
    QTRY_COMPARE(shownByte(*page, 1, 10), QStringLiteral("22"));
}

void tst_OtnStatusCapturePage::chosenLevelShowsItsOwnRecord_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stuffLabel");
    QTest::addColumn<bool>("tpTs");

    QTest::newRow("line") << 0 << "SM/3" << true;
    QTest::newRow("ODU2 inside") << 1 << "Fixed Stuff/7" << true;
    QTest::newRow("ODU0 innermost") << 2 << "Fixed Stuff/7" << false;
}

void tst_OtnStatusCapturePage::chosenLevelShowsItsOwnRecord()
{
    QFETCH(int, index);
    QFETCH(QString, stuffLabel);
    QFETCH(bool, tpTs);

    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0"), 2));
    const auto page = shownFactoryPage<OtnStatusCapturePage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    auto *levels = page->findChild<QComboBox *>(QStringLiteral("cmbLevel"));
    QStringList offered;
    for (int i = 0; i < levels->count(); ++i)
        offered << levels->itemText(i);
    QCOMPARE(offered, QStringList({"1: OTU4", "2: ODU2", "3: ODU0"}));
    QVERIFY(tester.writeAndWait(1, TX::ODU_EXP[index], QByteArray("\xE0\x01", 2)));
    QVERIFY(pollInterval(tester));

    levels->setCurrentIndex(index);
    QCOMPARE(page->currentLevel(), index);
    QCOMPARE(cell(*page, 0, 7), stuffLabel);
    QCOMPARE(page->findChild<QPushButton *>(QStringLiteral("pbTpTs"))->isVisibleTo(page.get()), tpTs);
    // The level's own overhead and payload type, from the record of that level.
    QCOMPARE(shownByte(*page, 3, 13) + shownByte(*page, 3, 14), QStringLiteral("E001"));
    const QByteArray record = page->record(index);
    QCOMPARE(labelText(*page, "lblPsiValue"), payloadTypeText(quint8(record.at(832))));
    QCOMPARE(shownByte(*page, 4, 15), QStringLiteral("%1").arg(quint8(record.at(832)), 2, 16, QLatin1Char('0')).toUpper());
    // The TP/TS view, made when first asked for, opens on the level shown with its maps.
    if (tpTs) {
        QVERIFY(!page->tpTsDialog());
        page->findChild<QPushButton *>(QStringLiteral("pbTpTs"))->click();
        OtnCaptureTpTsDialog *view = page->tpTsDialog();
        QVERIFY(view && view->isVisible());
        QVERIFY(view->windowTitle().startsWith(offered.at(index).mid(3)));
        view->hide();
    }

    // The level chosen stays while the received structure has it: over a hide and show, a look at the
    // other port and the structure told again; one without it starts again at the line.
    page->hide();
    page->show();
    QVERIFY(tester.settle());
    page->setPort(2);
    QVERIFY(tester.settle());
    page->setPort(1);
    QVERIFY(tester.writeAndWait(1, RX::MAPPING[0], tester.cached(1, RX::MAPPING[0])->getEnum()));
    QCOMPARE(levels->currentIndex(), index);
    QCOMPARE(page->currentLevel(), index);
    QVERIFY(tester.writeAndWait(1, RX::MAPPING[3], 0));
    QCOMPARE(levels->count(), 2);
    QCOMPARE(page->currentLevel(), index < 2 ? index : 0);
}

void tst_OtnStatusCapturePage::sapiSetOnTheTransmitterIsDecodedAndFollowed()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    const auto page = shownFactoryPage<OtnStatusCapturePage>(tester, pageId, QSize(1024, 700));
    QVERIFY(page);
    QVERIFY(tester.writeAndWait(1, TX::OTU_SM_TTI_SAPI, QByteArray("\0JPNSECTION-A1  ", 16)));
    QVERIFY(pollInterval(tester));

    QStringList seen;
    QVERIFY(openCapture(tester, *page, "pbSm", [&](QDialog *dialog) {
        seen << dialog->windowTitle() << labelText(*dialog, "lblSapiIs") << labelText(*dialog, "lblSapiNs");
        // While the dialog is open, the transmitter sends another trace: the next capture shows it.
        tester.writeAndWait(1, TX::OTU_SM_TTI_SAPI, QByteArray("\0DEUSECTION-B2  ", 16));
        pollInterval(tester);
        const bool followed = QTest::qWaitFor([&] { return labelText(*dialog, "lblSapiIs") == QLatin1String("DEU"); });
        seen << (followed ? labelText(*dialog, "lblSapiIs") : QStringLiteral("<not followed>"))
             << labelText(*dialog, "lblSapiNs");
    }));
    QCOMPARE(seen, QStringList({"SM-TTI", "JPN", "SECTION-A1  ", "DEU", "SECTION-B2  "}));
    QCOMPARE(page->overheadWidget()->openItem(), -1);
}

QTEST_MAIN(tst_OtnStatusCapturePage)
#include "tst_otnstatuscapturepage.moc"
