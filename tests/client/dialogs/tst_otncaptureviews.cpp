#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include "client/otn/components/capturedumpwidget.h"
#include "client/otn/interface_setup_status/dialogs/otncaptureftfldialog.h"
#include "client/otn/interface_setup_status/dialogs/otncapturetptsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otncapturettidialog.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/intervaldata.h"
#include "tests/support/bitpattern.h"

namespace {

// Each row of a dump as its cells' texts joined by "|".
QStringList dumpRows(const QWidget &owner)
{
    QStringList rows;
    const auto *table = owner.findChild<QTableWidget *>(QStringLiteral("tblDump"));
    for (int row = 0; table && row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QStringLiteral("?"));
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// A dump row of count equal cells.
QString sameCells(const QString &cell, int count)
{
    QStringList cells;
    for (int i = 0; i < count; ++i)
        cells << cell;
    return cells.join(QLatin1Char('|'));
}

QString labelText(const QWidget &owner, const char *name)
{
    const auto *label = owner.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// The texts of one row of TS cells of a TS map (the row label first).
QStringList mapRow(const OtnChWidget *map, int row)
{
    QStringList texts;
    for (int column = 0; map && column < 9; ++column)
        texts << map->cell(9 * (row + 1) + column)->text();
    return texts;
}

} // namespace

class tst_OtnCaptureViews : public QObject
{
    Q_OBJECT
private slots:
    void ttiDialog();
    void ftflDialogKeepsItsTabAndFormat();
    void tpTsDialogShowsTheCapturedSlots();
};

// A structured message: its four segments decoded, the dump in characters.
void tst_OtnCaptureViews::ttiDialog()
{
    QByteArray tti(64, 'o');
    tti.replace(0, 32, QByteArray("\x01\x00\x41\x7F" "NATIONAL-SEG\x02" "DEU" "DAPI-SEGMENT", 32));
    OtnCaptureTtiDialog dialog(nullptr, true);
    dialog.setTti(tti);
    const QString o8 = sameCells("o", 8);
    QCOMPARE(dumpRows(dialog), (QStringList{o8, o8, o8, o8}));
    const QStringList segments{".A.", "NATIONAL-SEG", "DEU", "DAPI-SEGMENT"};
    const char *const names[] = {"lblSapiIs", "lblSapiNs", "lblDapiIs", "lblDapiNs"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(labelText(dialog, names[i]), segments.at(i));
}

void tst_OtnCaptureViews::ftflDialogKeepsItsTabAndFormat()
{
    QByteArray ftfl(256, '\0');
    ftfl[0] = char(0x01);
    ftfl.replace(1, 9, "USAOPER-A");
    ftfl[10] = 'F';
    ftfl[128] = char(0x02);
    ftfl.replace(129, 3, "JP\x7F");
    ftfl[138] = 'B';

    OtnCaptureFtflDialog dialog;
    dialog.setFtfl(ftfl);
    QCOMPARE(labelText(dialog, "lblFifValue"), QStringLiteral("0x01 Signal Fail"));
    QCOMPARE(labelText(dialog, "lblOifCc"), QStringLiteral("USA"));
    QCOMPARE(labelText(dialog, "lblOifNsc"), QStringLiteral("OPER-A"));
    const QStringList forward = dumpRows(dialog);
    QCOMPARE(forward.size(), 10);
    QCOMPARE(forward.first().section('|', 0, 0), QStringLiteral("F"));
    // 118 operator specific bytes in rows of 12: the last row holds 10.
    QCOMPARE(forward.last(), sameCells(".", 10) + QStringLiteral("||"));

    dialog.findChild<QTabBar *>(QStringLiteral("tabTrace"))->setCurrentIndex(1);
    dialog.findChild<QComboBox *>(QStringLiteral("cmbFormat"))->setCurrentIndex(CaptureDumpWidget::Hexadecimal);
    QCOMPARE(labelText(dialog, "lblFifValue"), QStringLiteral("0x02 Signal Degrade"));
    QCOMPARE(labelText(dialog, "lblOifCc"), QStringLiteral("JP."));

    // The next capture: the backward half stays on screen, in hexadecimal.
    ftfl[128] = char(0x2A);
    dialog.setFtfl(ftfl);
    QCOMPARE(dialog.currentTab(), 1);
    QCOMPARE(labelText(dialog, "lblFifValue"), QStringLiteral("0x2A Reserved"));
    QCOMPARE(dumpRows(dialog).first().section('|', 0, 0), QStringLiteral("42"));
}

void tst_OtnCaptureViews::tpTsDialogShowsTheCapturedSlots()
{
    // OTU2 carrying eight ODU0 in its 8 TS (ODTU2.1).
    const OtnMapping otu2Odu0(1, 0, nsSettings::Otn::MUX_ODU0_ODU2, 0, 0);
    QByteArray words(IntervalDataOtnCapture::channelWordsLength, '\0');
    const quint16 channels[8] = {3, 1, 0x100, 2, 0x104, 8, 7, 6};
    for (int t = 0; t < 8; ++t)
        IntervalDataOtnCapture::setChannelWord(words, t, channels[t]);
    // TP 1 starts in TS 2, TP 2 in TS 4, TP 3 in no TS of the map.
    QByteArray mainTs(80, char(0xFF));
    mainTs[0] = 1;
    mainTs[1] = 3;
    mainTs[2] = 80;

    OtnCaptureTpTsDialog dialog;
    dialog.setLevelName(QStringLiteral("OTU2"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("OTU2 TP/TS"));
    dialog.setRxMapSize(0, otu2Odu0);
    QVERIFY(dialog.rxMap());
    QCOMPARE(dialog.rxMap()->cellCount(), 8 + 1 + 9);
    dialog.setRxCapture(0, otu2Odu0, 0, words, mainTs);
    QCOMPARE(mapRow(dialog.rxMap(), 0), QStringList({"0", "3", "1", "--", "2", "--", "8", "7", "6"}));
    const QString mainTp = QStringLiteral("rgb(170, 255, 255)");
    for (int t = 0; t < 8; ++t) {
        const bool marked = dialog.rxMap()->cell(10 + t)->styleSheet().contains(mainTp);
        QVERIFY2(marked == (t == 1 || t == 3), qPrintable(QStringLiteral("TS %1").arg(t + 1)));
    }
}

QTEST_MAIN(tst_OtnCaptureViews)
#include "tst_otncaptureviews.moc"
