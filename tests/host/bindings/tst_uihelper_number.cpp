#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_number.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/qzelnumpaddlg.h"

Q_DECLARE_METATYPE(QcmaParameter *)

using namespace BindingTest;

namespace {
// What the keypad looked like when the binding opened it.
struct KeypadSeen {
    int runs = 0;
    int inputType = -1;
    double minimum = 0;
    double maximum = 0;
    QString text;
    QString title;
    bool parentIsButton = false;
};

QcmaParameter *numberParameter(const QString &kind)
{
    if (kind == QLatin1String("int"))
        return new QcmaParameterInt(nsSID::otnSid(port, burstId), 43, 1, 1000);
    if (kind == QLatin1String("uint"))
        return new QcmaParameterUInt(nsSID::otnSid(port, upiId), 200, 0, 255);
    return new QcmaParameterDouble(nsSID::otnSid(port, offsetId), -2.5, -100.0, 100.0, 1);
}
} // namespace

class tst_UiHelper_Number : public QObject
{
    Q_OBJECT
private slots:
    void valueText_data();
    void valueText();
    void keypadEdits_data();
    void keypadEdits();
};

void tst_UiHelper_Number::valueText_data()
{
    QTest::addColumn<QcmaParameter *>("parameter");
    QTest::addColumn<QString>("text");

    auto p = [](QcmaParameter *parameter) { return parameter; };
    QTest::newRow("int") << p(new QcmaParameterInt(1, -17)) << "-17";
    QTest::newRow("uint above int range") << p(new QcmaParameterUInt(1, 4000000000u)) << "4000000000";
    QTest::newRow("double 1 decimal") << p(new QcmaParameterDouble(1, 2.04, -10, 10, 1)) << "2.0";
    QTest::newRow("double no decimals") << p(new QcmaParameterDouble(1, 7.6, 0, 10, 0)) << "8";
    auto *undefined = new QcmaParameterInt(1, 5);
    undefined->setDefined(false);
    QTest::newRow("undefined") << p(undefined) << "";
    QTest::newRow("bytes") << p(new QcmaParameterByteArray(1, "ab")) << "";
}

void tst_UiHelper_Number::valueText()
{
    QFETCH(QcmaParameter *, parameter);
    QFETCH(QString, text);
    QScopedPointer<QcmaParameter> owner(parameter);
    QCOMPARE(UiHelper_Number::valueText(*parameter), text);
}

// The keypad opens on the button with the parameter's range and value; only an accepted value
// inside the range is written, and the button shows it once the server has confirmed it.
void tst_UiHelper_Number::keypadEdits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("inputType");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("shown");

    const int integer = QzelNumpadDlg::Integer;
    QTest::newRow("int") << "int" << 1 << "1000" << integer << 1.0 << 1000.0 << "Burst [frame]" << "43" << "1000";
    QTest::newRow("double") << "double" << 1 << "-99.5" << int(QzelNumpadDlg::Decimal) << -100.0 << 100.0
                            << "Offset [ppm]" << "-2.5" << "-99.5";
    QTest::newRow("cancelled") << "int" << 0 << "12" << integer << 1.0 << 1000.0 << "Burst [frame]" << "43" << "43";
    QTest::newRow("accepted above the range") << "int" << 1 << "1001" << integer << 1.0 << 1000.0 << "Burst [frame]"
                                              << "43" << "43";
}

void tst_UiHelper_Number::keypadEdits()
{
    QFETCH(QString, kind);
    QFETCH(int, result);
    QFETCH(QString, entered);
    QFETCH(int, inputType);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, caption);
    QFETCH(QString, preset);
    QFETCH(QString, shown);

    Server server;
    QcmaParameter *parameter = numberParameter(kind);
    const int boundSid = parameter->getSID();
    server.fake()->addParameter(parameter);
    QWidget page;
    auto *button = new QPushButton(&page);
    auto *name = new QLabel(&page);
    auto *unit = new QLabel(&page);
    UiHelper_Number binding(server.manager(), button, name, unit, boundSid, UiHelper::ConnectImmediately);
    QCOMPARE(QStringLiteral("%1 [%2]").arg(name->text(), unit->text()), caption);

    KeypadSeen seen;
    ScopedDialogHandler handler(server.dialogRunner(), [&seen, &entered, button, result](QDialog *dialog) {
        auto *pad = qobject_cast<QzelNumpadDlg *>(dialog);
        if (!pad)
            return 0;
        ++seen.runs;
        seen.inputType = pad->inputType();
        seen.minimum = pad->minimum();
        seen.maximum = pad->maximum();
        seen.text = pad->text();
        seen.title = pad->windowTitle();
        seen.parentIsButton = pad->parentWidget() == button;
        pad->setText(entered);
        return result;
    });
    button->click();

    QCOMPARE(seen.runs, 1);
    QCOMPARE(seen.inputType, inputType);
    QCOMPARE(seen.minimum, minimum);
    QCOMPARE(seen.maximum, maximum);
    QCOMPARE(seen.text, preset);
    QCOMPARE(seen.title, binding.GetText_Name());
    QVERIFY(seen.parentIsButton);
    QVERIFY2(button->findChildren<QzelNumpadDlg *>().isEmpty(), "the keypad is gone after the run");
    QCOMPARE(server.fake()->writeRequests(), shown == preset ? 0 : 1);
    QCOMPARE(button->text(), preset);
    QTRY_COMPARE(button->text(), shown);
}

QTEST_MAIN(tst_UiHelper_Number)
#include "tst_uihelper_number.moc"
