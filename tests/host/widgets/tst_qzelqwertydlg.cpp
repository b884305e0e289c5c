#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "host/widgets/qzelqwertydlg.h"

namespace {
void press(QzelQwertyDlg &keyboard, const QString &name)
{
    auto *key = keyboard.findChild<QPushButton *>(name);
    QVERIFY2(key, qPrintable(name));
    key->click();
}
} // namespace

class tst_QzelQwertyDlg : public QObject
{
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
};

void tst_QzelQwertyDlg::keys_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("counter");

    QTest::newRow("lower case") << "" << 16 << QStringList{"pbKey_2_0", "pbKey_2_1", "pbKey_2_2"} << "asd" << "3/16";
    QTest::newRow("shifted") << "" << 16 << QStringList{"pbShift", "pbKey_2_0", "pbKey_0_0", "pbShift", "pbKey_2_0"}
                             << "A!a" << "3/16";
    QTest::newRow("space and symbols") << "" << 16 << QStringList{"pbKey_3_7", "pbSpace", "pbKey_3_9"} << ", /"
                                       << "3/16";
    QTest::newRow("ampersand") << "" << 16 << QStringList{"pbShift", "pbKey_0_6"} << "&" << "1/16";
    QTest::newRow("room left") << "JP" << 3 << QStringList{"pbKey_1_0"} << "JPq" << "3/3";
    QTest::newRow("full line takes no key") << "JPN" << 3 << QStringList{"pbKey_1_0", "pbSpace"} << "JPN" << "3/3";
    QTest::newRow("preset longer is cut") << "TAMBRIK ZEL XYZ" << 12 << QStringList{} << "TAMBRIK ZEL " << "12/12";
    QTest::newRow("backspace makes room") << "JPN" << 3 << QStringList{"pbBackspace", "pbKey_0_0"} << "JP1" << "3/3";
    QTest::newRow("clear") << "JPN" << 3 << QStringList{"pbClear"} << "" << "0/3";
}

void tst_QzelQwertyDlg::keys()
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

QTEST_MAIN(tst_QzelQwertyDlg)
#include "tst_qzelqwertydlg.moc"
