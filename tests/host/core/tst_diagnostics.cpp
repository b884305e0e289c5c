#include <QtTest>

#include "host/diagnostics/zeldiagnostics.h"
#include "tests/support/diagnosticsrecorder.h"

class tst_Diagnostics : public QObject
{
    Q_OBJECT
private slots:
    void reportLines();
};

// Both kinds of report name the source from the tree's root, Windows-style and without its suffix, and
// the line. That execution goes on after a report is proven wherever a report is expected.
void tst_Diagnostics::reportLines()
{
    DiagnosticsRecorder recorder;
    const QByteArray root(ZEL_SOURCE_ROOT);
    fZEL_ASSERT((root + "client/otn/interface_setup_status/otnsetuppagemanager.cpp").constData(), 42,
                QStringLiteral("( (void*)&type != 0 )"), QStringLiteral("type is 0"));
    fZEL_FATAL((root + "client/otn/stimuli/otnstimuliwidgeterror.cpp").constData(), 7,
               QStringLiteral("bad type. type = %1").arg(3));
    QCOMPARE(recorder.lines(),
             (QStringList{"ZEL_ASSERT_MSG: ..\\..\\client\\otn\\interface_setup_status\\otnsetuppagemanager: line 42 - "
                          "( (void*)&type != 0 ): type is 0",
                          "ZEL_FATAL: ..\\..\\client\\otn\\stimuli\\otnstimuliwidgeterror: line 7: bad type. type = 3"}));
}

QTEST_GUILESS_MAIN(tst_Diagnostics)
#include "tst_diagnostics.moc"
