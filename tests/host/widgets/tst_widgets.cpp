#include <QBitArray>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "host/widgets/multilanewidget.h"
#include "host/widgets/qcmapatterneditdlg.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "host/widgets/qzelqwertydlg.h"
#include "tests/support/bitpattern.h"

using Bytes = QVector<quint8>;

namespace {
QPushButton *key(const QzelNumpadDlg &pad, const QString &name)
{
    return pad.findChild<QPushButton *>(name);
}

bool okEnabled(const QzelNumpadDlg &pad)
{
    auto *box = pad.findChild<QDialogButtonBox *>(QStringLiteral("bbNumpad"));
    return box && box->button(QDialogButtonBox::Ok)->isEnabled();
}

void press(QzelQwertyDlg &keyboard, const QString &name)
{
    auto *key = keyboard.findChild<QPushButton *>(name);
    QVERIFY2(key, qPrintable(name));
    key->click();
}

QTableWidget *table(const QcmaPatternEditDlg &editor)
{
    return editor.findChild<QTableWidget *>(QStringLiteral("tblPattern"));
}

Bytes counting(int count)
{
    Bytes bytes(count);
    for (int i = 0; i < count; ++i)
        bytes[i] = quint8(i * 7 + 3);
    return bytes;
}
} // namespace

// The small host widgets: the keypads, the pattern editor and the lane toggles.
class tst_Widgets : public QObject
{
    Q_OBJECT
private slots:
    void numpadRangeEnforced_data();
    void numpadRangeEnforced();
    void numpadKeysEdit_data();
    void numpadKeysEdit();
    void numpadAcceptsOnlyValid();
    void qwertyKeys_data();
    void qwertyKeys();
    void patternContentRoundTrip_data();
    void patternContentRoundTrip();
    void patternCellEdits_data();
    void patternCellEdits();
    void laneClicks_data();
    void laneClicks();
};

void tst_Widgets::numpadRangeEnforced_data()
{
    QTest::addColumn<int>("inputType");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    const int integer = QzelNumpadDlg::Integer;
    QTest::newRow("int inside") << integer << 1.0 << 80.0 << "80" << true << 80.0;
    QTest::newRow("int above") << integer << 1.0 << 80.0 << "81" << false << 81.0;
}

void tst_Widgets::numpadRangeEnforced()
{
    QFETCH(int, inputType);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);

    QzelNumpadDlg pad(inputType);
    pad.setMinimum(minimum);
    pad.setMaximum(maximum);
    pad.setText(text);
    bool valid = !ok;
    QCOMPARE(pad.value(&valid), value);
    QCOMPARE(valid, ok);
    QCOMPARE(okEnabled(pad), ok);
}

void tst_Widgets::numpadKeysEdit_data()
{
    QTest::addColumn<int>("inputType");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");

    const int integer = QzelNumpadDlg::Integer;
    QTest::newRow("first key replaces preset") << integer << "43" << QStringList{"pbKey7"} << "7";
    QTest::newRow("sign toggles") << integer << "" << QStringList{"pbKey3", "pbSign"} << "-3";
    QTest::newRow("point once") << int(QzelNumpadDlg::Decimal) << ""
                                << QStringList{"pbKey1", "pbPoint", "pbKey5", "pbPoint", "pbKey2"} << "1.52";
    QTest::newRow("decimals limited") << int(QzelNumpadDlg::Decimal) << ""
                                      << QStringList{"pbKey1", "pbPoint", "pbKey1", "pbKey2", "pbKey3", "pbKey4"}
                                      << "1.123";
}

void tst_Widgets::numpadKeysEdit()
{
    QFETCH(int, inputType);
    QFETCH(QString, preset);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);

    QzelNumpadDlg pad(inputType);
    pad.setMinimum(-1000);
    pad.setText(preset);
    for (const QString &name : keys) {
        QPushButton *button = key(pad, name);
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
    QCOMPARE(pad.text(), text);
}

// Return in the line edit reaches accept() even with OK disabled: a value outside the range keeps the keypad open.
void tst_Widgets::numpadAcceptsOnlyValid()
{
    QzelNumpadDlg pad(QzelNumpadDlg::Integer);
    pad.setMinimum(1);
    pad.setMaximum(12);
    pad.show();
    QSignalSpy accepted(&pad, &QDialog::accepted);
    for (const QString &text : {QStringLiteral("13"), QStringLiteral("12")}) {
        pad.setText(text);
        QTest::keyClick(pad.findChild<QLineEdit *>(QStringLiteral("leValue")), Qt::Key_Return);
        pad.accept();
        QCOMPARE(!accepted.isEmpty(), text == QLatin1String("12"));
        QCOMPARE(pad.isVisible(), accepted.isEmpty());
    }
}

void tst_Widgets::qwertyKeys_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("counter");

    QTest::newRow("shifted") << "" << 16 << QStringList{"pbShift", "pbKey_2_0", "pbKey_0_0", "pbShift", "pbKey_2_0"}
                             << "A!a" << "3/16";
    QTest::newRow("full line takes no key") << "JPN" << 3 << QStringList{"pbKey_1_0", "pbSpace"} << "JPN" << "3/3";
    QTest::newRow("preset longer is cut") << "TAMBRIK ZEL XYZ" << 12 << QStringList{} << "TAMBRIK ZEL " << "12/12";
}

void tst_Widgets::qwertyKeys()
{
    QFETCH(QString, preset);
    QFETCH(int, maximum);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(QString, counter);

    // The order the editors use: text first, then the field length.
    QzelQwertyDlg keyboard;
    keyboard.setText(preset);
    keyboard.setMaximumLength(maximum);
    for (const QString &name : keys)
        press(keyboard, name);
    QCOMPARE(keyboard.text(), text);
    QCOMPARE(keyboard.maximumLength(), maximum);
    QCOMPARE(keyboard.findChild<QLabel *>(QStringLiteral("lblLength"))->text(), counter);
}

void tst_Widgets::patternContentRoundTrip_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<Bytes>("given");
    QTest::addColumn<Bytes>("content");
    QTest::addColumn<int>("rows");

    QTest::newRow("32 bytes, 4 a line") << 256 << 4 << counting(32) << counting(32) << 8;
    QTest::newRow("short content filled with 00") << 64 << 4 << Bytes{0xAA, 0xBB} << Bytes{0xAA, 0xBB, 0, 0, 0, 0, 0, 0}
                                                  << 2;
    QTest::newRow("size not a byte multiple") << 12 << 4 << Bytes{0xF0, 0x0F, 0xFF} << Bytes{0xF0, 0x0F} << 1;
}

void tst_Widgets::patternContentRoundTrip()
{
    QFETCH(int, bits);
    QFETCH(int, lineWidth);
    QFETCH(Bytes, given);
    QFETCH(Bytes, content);
    QFETCH(int, rows);

    // The call sequence of the overhead editors.
    QcmaPatternEditDlg editor(2, 7);
    editor.useApply(false);
    editor.setLineWidth(lineWidth);
    editor.setSize(bits);
    editor.setVariableSize(bits);
    editor.setViewMode(8);
    editor.setContent(given);
    QCOMPARE(editor.content(), content);
    QCOMPARE(editor.sizeInBits(), bits);
    QCOMPARE(table(editor)->rowCount(), rows);
    QCOMPARE(table(editor)->columnCount(), lineWidth);
    // Cells past the end of the block take no input.
    const int cells = rows * lineWidth;
    for (int i = content.size(); i < cells; ++i)
        QCOMPARE(table(editor)->item(i / lineWidth, i % lineWidth)->flags(), Qt::NoItemFlags);
}

void tst_Widgets::patternCellEdits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint8>("byte");
    QTest::addColumn<QString>("shown");

    QTest::newRow("two digits") << 1 << "ab" << quint8(0xAB) << "AB";
    QTest::newRow("emptied is 00") << 0 << "" << quint8(0x00) << "00";
    QTest::newRow("not hex keeps old") << 3 << "zz" << quint8(3 * 7 + 3) << "18";
}

void tst_Widgets::patternCellEdits()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(quint8, byte);
    QFETCH(QString, shown);

    QcmaPatternEditDlg editor(2, 7);
    editor.setLineWidth(4);
    editor.setSize(64);
    editor.setContent(counting(8));
    QTableWidgetItem *item = table(editor)->item(index / 4, index % 4);
    item->setText(typed);
    Bytes expected = counting(8);
    expected[index] = byte;
    QCOMPARE(editor.content(), expected);
    QCOMPARE(item->text(), shown);
}

void tst_Widgets::laneClicks_data()
{
    QTest::addColumn<bool>("singleLane");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("after");

    QTest::newRow("several: set") << false << "1000" << 2 << "1010";
    QTest::newRow("single: moves") << true << "1000" << 2 << "0010";
    QTest::newRow("single: stays on") << true << "0100" << 1 << "0100";
}

void tst_Widgets::laneClicks()
{
    QFETCH(bool, singleLane);
    QFETCH(QString, before);
    QFETCH(int, clicked);
    QFETCH(QString, after);

    MultiLaneWidget lanes(nullptr, singleLane);
    lanes.setBits(bitsOf(before));
    QSignalSpy edited(&lanes, &MultiLaneWidget::lanesEdited);
    lanes.laneButton(clicked)->click();
    QCOMPARE(edited.count(), 1);
    QCOMPARE(patternOf(lanes.bits()), after);
    // Values from code are no user edits.
    lanes.setBits(bitsOf(before));
    QCOMPARE(edited.count(), 1);
}

QTEST_MAIN(tst_Widgets)
#include "tst_widgets.moc"
