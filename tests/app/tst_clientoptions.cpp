#include <QtTest>

#include "clientoptions.h"

using IntVector = QVector<int>;

class tst_ClientOptions : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void helpNeedsNoFurtherInput();
};

void tst_ClientOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("ports");
    QTest::addColumn<IntVector>("modules");
    QTest::addColumn<QString>("screenshotDir");
    QTest::addColumn<QString>("plugin");

    QTest::newRow("defaults") << QStringList{} << 4 << IntVector{0, 0, 0, 0} << QString() << QString();
    QTest::newRow("one port") << QStringList{"--ports", "1"} << 1 << IntVector{0, 0, 0, 0} << QString() << QString();
    QTest::newRow("short options") << QStringList{"-p", "2", "-m", "3,6"} << 2 << IntVector{3, 6, 0, 0} << QString()
                                   << QString();
    QTest::newRow("fewer modules than ports") << QStringList{"--modules", "4"} << 4 << IntVector{4, 0, 0, 0}
                                              << QString() << QString();
    QTest::newRow("spaces around types") << QStringList{"--modules", "7, 1"} << 4 << IntVector{7, 1, 0, 0}
                                         << QString() << QString();
    QTest::newRow("screenshots") << QStringList{"--screenshot", "out/shots"} << 4 << IntVector{0, 0, 0, 0}
                                 << "out/shots" << QString();
    QTest::newRow("plug-in file") << QStringList{"--plugin", "/x/libzelTpClientOtn.so"} << 4 << IntVector{0, 0, 0, 0}
                                  << QString() << "/x/libzelTpClientOtn.so";
}

void tst_ClientOptions::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, ports);
    QFETCH(IntVector, modules);
    QFETCH(QString, screenshotDir);
    QFETCH(QString, plugin);
    ClientOptions options;
    QString error;
    QVERIFY2(options.parse(QStringList{"otn-client"} + arguments, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(options.portCount, ports);
    QCOMPARE(options.moduleTypes, modules);
    QCOMPARE(options.screenshotDir, screenshotDir);
    QCOMPARE(options.pluginPath, plugin);
    QVERIFY(!options.helpRequested);
}

void tst_ClientOptions::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no ports") << QStringList{"--ports", "0"} << "The port count must be 1 to 4, not '0'.";
    QTest::newRow("five ports") << QStringList{"--ports", "5"} << "The port count must be 1 to 4, not '5'.";
    QTest::newRow("ports not a number") << QStringList{"--ports", "two"} << "The port count must be 1 to 4, not 'two'.";
    QTest::newRow("module type 8") << QStringList{"--modules", "0,8"} << "Unknown module type '8' for port 2.";
    QTest::newRow("negative module type") << QStringList{"--modules", "-1"} << "Unknown module type '-1' for port 1.";
    QTest::newRow("more modules than ports") << QStringList{"--ports", "1", "--modules", "0,3"}
                                             << "2 module types given for 1 ports.";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "Unknown option 'colour'.";
    QTest::newRow("stray argument") << QStringList{"now"} << "Unexpected argument 'now'.";
    QTest::newRow("seed not a number") << QStringList{"--seed", "x"} << "The seed must be a number, not 'x'.";
}

void tst_ClientOptions::rejected()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    ClientOptions options;
    QString message;
    QVERIFY(!options.parse(QStringList{"otn-client"} + arguments, &message));
    QCOMPARE(message, error);
}

void tst_ClientOptions::helpNeedsNoFurtherInput()
{
    ClientOptions options;
    QString error;
    QString help;
    QVERIFY(options.parse({"otn-client", "--help", "--ports", "9"}, &error, &help));
    QVERIFY(options.helpRequested);
    QVERIFY(help.contains(QLatin1String("--screenshot <dir>")));
    QVERIFY(help.contains(QLatin1String("--modules <types>")));
    QVERIFY(help.contains(QLatin1String("--ports <count>")));
}

QTEST_MAIN(tst_ClientOptions)
#include "tst_clientoptions.moc"
