#include <QPushButton>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_pushbutton.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace BindingTest;

class tst_UiHelper_PushButton : public QObject
{
    Q_OBJECT
private slots:
    void pressWritesOne_data();
    void pressWritesOne();
    void unusableParameterIsReported();
};

void tst_UiHelper_PushButton::pressWritesOne_data()
{
    QTest::addColumn<bool>("serverHasValue");
    QTest::addColumn<int>("presses");

    QTest::newRow("announced trigger, three presses") << true << 3;
    QTest::newRow("trigger built from the catalogue") << false << 1;
}

void tst_UiHelper_PushButton::pressWritesOne()
{
    QFETCH(bool, serverHasValue);
    QFETCH(int, presses);

    Server server;
    if (serverHasValue)
        server.fake()->addParameter(new QcmaParameterEnum(nsSID::otnSid(port, applyId), 0, 0, 1));
    QWidget page;
    auto *button = new QPushButton(QStringLiteral("Apply Move"), &page);
    UiHelper_PushButton binding(server.manager(), button, nsSID::otnSid(port, applyId), UiHelper::ConnectImmediately);
    // Without a value the button is disabled; the press comes from code here.
    QCOMPARE(button->isEnabled(), serverHasValue);
    for (int i = 0; i < presses; ++i)
        emit button->clicked();
    // Every press is a command of its own, even when the value does not change.
    QCOMPARE(server.fake()->writeRequests(), presses);
    if (serverHasValue)
        QCOMPARE(server.fake()->value(nsSID::otnSid(port, applyId))->getEnum(), 1);
}

void tst_UiHelper_PushButton::unusableParameterIsReported()
{
    Server server;
    server.fake()->addParameter(new QcmaParameterByteArray(nsSID::otnSid(port, bytesId), "\x01"));
    QWidget page;
    auto *button = new QPushButton(QStringLiteral("Go"), &page);
    UiHelper_PushButton binding(server.manager(), button, nsSID::otnSid(port, bytesId), UiHelper::ConnectImmediately);
    DiagnosticsRecorder recorder;
    button->click();
    QCOMPARE(recorder.withLineNumbersMasked(),
             QStringList{QStringLiteral("ZEL_FATAL: ..\\..\\host\\bindings\\uihelper_pushbutton: line %d: "
                                        "Incorrect qcmaparameter type=5 for UiHelper_PushButton(sid=10d2b5c)")});
    QCOMPARE(server.fake()->writeRequests(), 0);
}

QTEST_MAIN(tst_UiHelper_PushButton)
#include "tst_uihelper_pushbutton.moc"
