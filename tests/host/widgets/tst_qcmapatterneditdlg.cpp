#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "host/widgets/qcmapatterneditdlg.h"

using Bytes = QVector<quint8>;

namespace {
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

class tst_QcmaPatternEditDlg : public QObject
{
    Q_OBJECT
private slots:
    void contentRoundTrip_data();
    void contentRoundTrip();
    void cellEdits_data();
    void cellEdits();
};

void tst_QcmaPatternEditDlg::contentRoundTrip_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<Bytes>("given");
    QTest::addColumn<Bytes>("content");
    QTest::addColumn<int>("rows");

    QTest::newRow("32 bytes, 4 a line") << 256 << 4 << counting(32) << counting(32) << 8;
    QTest::newRow("short content filled with 00") << 64 << 4 << Bytes{0xAA, 0xBB} << Bytes{0xAA, 0xBB, 0, 0, 0, 0, 0, 0}
                                                  << 2;
    QTest::newRow("long content cut") << 24 << 8 << Bytes{1, 2, 3, 4, 5} << Bytes{1, 2, 3} << 1;
    QTest::newRow("size not a byte multiple") << 12 << 4 << Bytes{0xF0, 0x0F, 0xFF} << Bytes{0xF0, 0x0F} << 1;
    QTest::newRow("last line partly used") << 40 << 4 << counting(5) << counting(5) << 2;
}

void tst_QcmaPatternEditDlg::contentRoundTrip()
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

void tst_QcmaPatternEditDlg::cellEdits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint8>("byte");
    QTest::addColumn<QString>("shown");

    QTest::newRow("two digits") << 1 << "ab" << quint8(0xAB) << "AB";
    QTest::newRow("one digit") << 2 << "7" << quint8(0x07) << "07";
    QTest::newRow("emptied is 00") << 0 << "" << quint8(0x00) << "00";
    QTest::newRow("not hex keeps old") << 3 << "zz" << quint8(3 * 7 + 3) << "18";
    QTest::newRow("too big keeps old") << 4 << "1FF" << quint8(4 * 7 + 3) << "1F";
}

void tst_QcmaPatternEditDlg::cellEdits()
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

QTEST_MAIN(tst_QcmaPatternEditDlg)
#include "tst_qcmapatterneditdlg.moc"
