#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "host/widgets/qzelnumpaddlg.h"

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
} // namespace

class tst_QzelNumpadDlg : public QObject
{
    Q_OBJECT
private slots:
    void rangeEnforced_data();
    void rangeEnforced();
    void keysEdit_data();
    void keysEdit();
    void acceptOnlyValid_data();
    void acceptOnlyValid();
};

void tst_QzelNumpadDlg::rangeEnforced_data()
{
    QTest::addColumn<int>("inputType");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    const int integer = QzelNumpadDlg::Integer;
    const int hex = QzelNumpadDlg::Hexadecimal;
    const int decimal = QzelNumpadDlg::Decimal;
    const int unsignedType = QzelNumpadDlg::Unsigned;
    QTest::newRow("int inside") << integer << 1.0 << 80.0 << "80" << true << 80.0;
    QTest::newRow("int above") << integer << 1.0 << 80.0 << "81" << false << 81.0;
    QTest::newRow("int below") << integer << 1.0 << 80.0 << "0" << false << 0.0;
    QTest::newRow("int empty") << integer << 0.0 << 5.0 << "" << false << 0.0;
    QTest::newRow("hex lower case") << hex << 0.0 << 255.0 << "0a" << true << 10.0;
    QTest::newRow("hex 100 above 255") << hex << 0.0 << 255.0 << "100" << false << 256.0;
    QTest::newRow("decimal above") << decimal << -100.0 << 100.0 << "100.1" << false << 100.1;
    QTest::newRow("unsigned above int") << unsignedType << 0.0 << 4294967295.0 << "4294967295" << true
                                        << 4294967295.0;
}

void tst_QzelNumpadDlg::rangeEnforced()
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

void tst_QzelNumpadDlg::keysEdit_data()
{
    QTest::addColumn<int>("inputType");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");

    const int integer = QzelNumpadDlg::Integer;
    QTest::newRow("first key replaces preset") << integer << "43" << QStringList{"pbKey7"} << "7";
    QTest::newRow("digits append") << integer << "" << QStringList{"pbKey1", "pbKey0", "pbKey5"} << "105";
    QTest::newRow("backspace") << integer << "" << QStringList{"pbKey1", "pbKey2", "pbBackspace"} << "1";
    QTest::newRow("clear") << integer << "43" << QStringList{"pbClear"} << "";
    QTest::newRow("sign toggles") << integer << "" << QStringList{"pbKey3", "pbSign"} << "-3";
    QTest::newRow("point once") << int(QzelNumpadDlg::Decimal) << ""
                                << QStringList{"pbKey1", "pbPoint", "pbKey5", "pbPoint", "pbKey2"} << "1.52";
    QTest::newRow("decimals limited") << int(QzelNumpadDlg::Decimal) << ""
                                      << QStringList{"pbKey1", "pbPoint", "pbKey1", "pbKey2", "pbKey3", "pbKey4"}
                                      << "1.123";
}

void tst_QzelNumpadDlg::keysEdit()
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

void tst_QzelNumpadDlg::acceptOnlyValid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("in range") << "12" << true;
    QTest::newRow("out of range") << "13" << false;
}

void tst_QzelNumpadDlg::acceptOnlyValid()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    QzelNumpadDlg pad(QzelNumpadDlg::Integer);
    pad.setMinimum(1);
    pad.setMaximum(12);
    pad.setTitle(QStringLiteral("Main TS"));
    pad.show();
    pad.setText(text);
    QSignalSpy acceptedSpy(&pad, &QDialog::accepted);
    // Return in the line edit reaches accept() even with OK disabled.
    QTest::keyClick(pad.findChild<QLineEdit *>(QStringLiteral("leValue")), Qt::Key_Return);
    pad.accept();
    QCOMPARE(!acceptedSpy.isEmpty(), accepted);
    QCOMPARE(pad.isVisible(), !accepted);
    QCOMPARE(pad.windowTitle(), QStringLiteral("Main TS"));
}

QTEST_MAIN(tst_QzelNumpadDlg)
#include "tst_qzelnumpaddlg.moc"
