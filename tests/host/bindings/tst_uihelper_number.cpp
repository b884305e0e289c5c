#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_number.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/dialogrunner.h"
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

QcmaParameter *numberParameter(const QString &kind, bool defined = true)
{
    QcmaParameter *p = nullptr;
    if (kind == QLatin1String("int"))
        p = new QcmaParameterInt(sid(burstId), 43, 1, 1000);
    else if (kind == QLatin1String("uint"))
        p = new QcmaParameterUInt(sid(upiId), 200, 0, 255);
    else
        p = new QcmaParameterDouble(sid(offsetId), -2.5, -100.0, 100.0, 1);
    p->setDefined(defined);
    return p;
}
} // namespace

class tst_UiHelper_Number : public QObject
{
    Q_OBJECT
private slots:
    void valueText_data();
    void valueText();
    void keypadAcceptedWrites_data();
    void keypadAcceptedWrites();
    void keypadRejectedWritesNothing_data();
    void keypadRejectedWritesNothing();
};

void tst_UiHelper_Number::valueText_data()
{
    QTest::addColumn<QcmaParameter *>("parameter");
    QTest::addColumn<QString>("text");

    QTest::newRow("int") << static_cast<QcmaParameter *>(new QcmaParameterInt(1, -17)) << "-17";
    QTest::newRow("uint above int range")
        << static_cast<QcmaParameter *>(new QcmaParameterUInt(1, 4000000000u)) << "4000000000";
    QTest::newRow("double 1 decimal") << static_cast<QcmaParameter *>(new QcmaParameterDouble(1, 2.04, -10, 10, 1))
                                      << "2.0";
    QTest::newRow("double 3 decimals")
        << static_cast<QcmaParameter *>(new QcmaParameterDouble(1, -0.5, -10, 10, 3)) << "-0.500";
    QTest::newRow("double no decimals") << static_cast<QcmaParameter *>(new QcmaParameterDouble(1, 7.6, 0, 10, 0))
                                        << "8";
    auto *undefined = new QcmaParameterInt(1, 5);
    undefined->setDefined(false);
    QTest::newRow("undefined") << static_cast<QcmaParameter *>(undefined) << "";
    QTest::newRow("bytes") << static_cast<QcmaParameter *>(new QcmaParameterByteArray(1, "ab")) << "";
}

void tst_UiHelper_Number::valueText()
{
    QFETCH(QcmaParameter *, parameter);
    QFETCH(QString, text);
    QScopedPointer<QcmaParameter> owner(parameter);
    QCOMPARE(UiHelper_Number::valueText(*parameter), text);
}

void tst_UiHelper_Number::keypadAcceptedWrites_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("inputType");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");

    QTest::newRow("int") << "int" << "1000" << int(QzelNumpadDlg::Integer) << 1.0 << 1000.0 << "43" << "1000"
                         << "Burst" << "frame";
    QTest::newRow("uint") << "uint" << "7" << int(QzelNumpadDlg::Unsigned) << 0.0 << 255.0 << "200" << "7" << "UPI"
                          << "";
    QTest::newRow("double") << "double" << "-99.5" << int(QzelNumpadDlg::Decimal) << -100.0 << 100.0 << "-2.5"
                            << "-99.5" << "Offset" << "ppm";
}

void tst_UiHelper_Number::keypadAcceptedWrites()
{
    QFETCH(QString, kind);
    QFETCH(QString, entered);
    QFETCH(int, inputType);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, preset);
    QFETCH(QString, shown);
    QFETCH(QString, name);
    QFETCH(QString, unit);

    Server server;
    QcmaParameter *parameter = numberParameter(kind);
    const int boundSid = parameter->getSID();
    server.link->addParameter(parameter);
    QWidget page;
    auto *button = new QPushButton(&page);
    auto *nameLabel = new QLabel(&page);
    auto *unitLabel = new QLabel(&page);
    UiHelper_Number binding(server.start(), button, nameLabel, unitLabel, boundSid, UiHelper::ConnectImmediately);
    QCOMPARE(nameLabel->text(), name);
    QCOMPARE(unitLabel->text(), unit);

    KeypadSeen seen;
    ScopedDialogHandler handler([&seen, &entered, button](QDialog *dialog) {
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
        return 1;
    });
    button->click();

    QCOMPARE(seen.runs, 1);
    QCOMPARE(seen.inputType, inputType);
    QCOMPARE(seen.minimum, minimum);
    QCOMPARE(seen.maximum, maximum);
    QCOMPARE(seen.text, preset);
    QCOMPARE(seen.title, binding.GetText_Name());
    QVERIFY(seen.parentIsButton);
    QCOMPARE(server.link->writeRequests(), 1);
    // The button shows the new value once the server has confirmed it.
    QCOMPARE(button->text(), preset);
    QTRY_COMPARE(button->text(), shown);
}

void tst_UiHelper_Number::keypadRejectedWritesNothing_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("entered");

    QTest::newRow("cancelled") << 0 << "12";
    QTest::newRow("accepted out of range") << 1 << "1001";
    QTest::newRow("accepted below range") << 1 << "0";
    QTest::newRow("accepted empty") << 1 << "";
}

void tst_UiHelper_Number::keypadRejectedWritesNothing()
{
    QFETCH(int, result);
    QFETCH(QString, entered);

    Server server;
    server.link->addParameter(numberParameter(QStringLiteral("int")));
    QWidget page;
    auto *button = new QPushButton(&page);
    UiHelper_Number binding(server.start(), button, nullptr, nullptr, sid(burstId), UiHelper::ConnectImmediately);
    int runs = 0;
    ScopedDialogHandler handler([&runs, &entered, result](QDialog *dialog) {
        ++runs;
        if (auto *pad = qobject_cast<QzelNumpadDlg *>(dialog))
            pad->setText(entered);
        return result;
    });
    button->click();
    QCOMPARE(runs, 1);
    QCOMPARE(server.link->writeRequests(), 0);
    QCOMPARE(button->text(), QStringLiteral("43"));
    // The keypad is gone after the run.
    QVERIFY(button->findChildren<QzelNumpadDlg *>().isEmpty());
}

QTEST_MAIN(tst_UiHelper_Number)
#include "tst_uihelper_number.moc"
