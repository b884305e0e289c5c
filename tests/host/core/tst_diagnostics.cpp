#include <QtTest>

#include "host/diagnostics/zeldiagnostics.h"
#include "tests/support/diagnosticsrecorder.h"

class tst_Diagnostics : public QObject
{
    Q_OBJECT
private slots:
    void assertLine();
    void fatalLine();
    void executionGoesOn();
};

void tst_Diagnostics::assertLine()
{
    DiagnosticsRecorder recorder;
    const QByteArray file = QByteArray(ZEL_SOURCE_ROOT) + "client/otn/interface_setup_status/otnsetuppagemanager.cpp";
    fZEL_ASSERT(file.constData(), 42, QStringLiteral("( (void*)&type != 0 )"), QStringLiteral("type is 0"));
    QCOMPARE(recorder.lines(),
             QStringList{"ZEL_ASSERT_MSG: ..\\..\\client\\otn\\interface_setup_status\\otnsetuppagemanager: line 42 - "
                         "( (void*)&type != 0 ): type is 0"});
}

void tst_Diagnostics::fatalLine()
{
    DiagnosticsRecorder recorder;
    const QByteArray file = QByteArray(ZEL_SOURCE_ROOT) + "client/otn/stimuli/otnstimuliwidgeterror.cpp";
    fZEL_FATAL(file.constData(), 7, QStringLiteral("bad type. type = %1").arg(3));
    QCOMPARE(recorder.lines(),
             QStringList{"ZEL_FATAL: ..\\..\\client\\otn\\stimuli\\otnstimuliwidgeterror: line 7: bad type. type = 3"});
}

void tst_Diagnostics::executionGoesOn()
{
    DiagnosticsRecorder recorder;
    int reached = 0;
    ZEL_ASSERT(reached == 1, QStringLiteral("first"));
    ++reached;
    ZEL_FATAL(QStringLiteral("second"));
    ++reached;
    QCOMPARE(reached, 2);
    QCOMPARE(recorder.lines().size(), 2);
    QVERIFY(recorder.withLineNumbersMasked().at(0).endsWith(
        QStringLiteral("tests\\host\\core\\tst_diagnostics: line %d - reached == 1: first")));
}

QTEST_GUILESS_MAIN(tst_Diagnostics)
#include "tst_diagnostics.moc"
