#include <QtTest>

#include <memory>

#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "apps/shared/sid.h"
#include "app/clientsession.h"
#include "app/eventsamplerun.h"
#include "app/reportcsvwriter.h"
#include "app/reportsaver.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

namespace {

const QByteArray sapi = QByteArray(1, '\0') + QByteArrayLiteral("JPNREPORTSAPI01");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Report : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void reportHoldsTheRun();
    void csvFieldsAreQuoted_data();
    void csvFieldsAreQuoted();
    void unwritablePathLeavesNoFile_data();
    void unwritablePathLeavesNoFile();
    void commandLineWritesWithoutDisplay();
    void saveAsksForTheNameAndWritesTheCsvBeside();

private:
    std::unique_ptr<ClientSession> m_session;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Report::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ClientOptions options;
    options.portCount = 1;
    options.pluginPath = QStringLiteral(ZEL_OTN_PLUGIN);
    options.liveValues = false;
    m_session = std::make_unique<ClientSession>(options);
    QString error;
    QVERIFY2(m_session->start(&error), qPrintable(error));
}

void tst_Report::cleanup()
{
    m_session.reset();
    m_dir.reset();
}

// The road a user takes: a SAPI set, an alarm for three seconds, ten BIP-8 errors, then the report.
void tst_Report::reportHoldsTheRun()
{
    zelServerManager *manager = m_session->serverManager();
    const int sid = nsSID::otnSid(1, PID::Otn::TX::OTU_SM_TTI_SAPI);
    std::unique_ptr<QcmaParameter> copy = manager->GetQcmaParameter(sid);
    QVERIFY(copy && copy->setValue(sapi));
    manager->SetQcmaParameter(copy.get());
    QString problem;
    QVERIFY2(EventSampleRun::run(manager, m_session->intervalPoller(), 1, &problem), qPrintable(problem));
    QTRY_COMPARE(manager->cachedParameter(sid)->getByteArray(), sapi);

    const QString pdf = m_dir->filePath(QStringLiteral("run.pdf"));
    const QString csv = m_dir->filePath(QStringLiteral("run.csv"));
    QString error;
    QVERIFY2(ReportSaver::write(*m_session, pdf, csv, &error), qPrintable(error));

    // The results: one row per counter, with the burst counted once and kept in the cumulative values.
    const QString results = QString::fromUtf8(readAll(csv));
    QVERIFY(results.count(QLatin1String("\r\n")) > 10);
    QVERIFY2(results.contains(QRegularExpression(QStringLiteral(",ODU4,PM-BIP8[^,]*,Cumulative,10,"))),
             qPrintable(results));
    const QString events = QString::fromUtf8(readAll(ReportSaver::eventsPathFor(csv)));
    QVERIFY2(events.contains(QRegularExpression(QStringLiteral("SM-BDI[^\r\n]*,3 s\r\n"))), qPrintable(events));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(60000));
    QCOMPARE(reader.exitCode(), 0);
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Tx structure: OTU4 > ODU2 > ODU0")), qPrintable(text.left(2000)));
    QVERIFY(text.contains(QStringLiteral("JPNREPORTSAPI01")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("SM-BDI\\s+3\\s+History"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("PM-BIP8 \\(Level 1\\)\\s+\\S+\\s+\\S+\\s+10\\s"))));
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
void tst_Report::csvFieldsAreQuoted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("comma") << QStringLiteral("Alarms, Errors") << QByteArray("\"Alarms, Errors\"");
    QTest::newRow("quote") << QStringLiteral("the \"ODU\" level") << QByteArray("\"the \"\"ODU\"\" level\"");
    QTest::newRow("line break") << QStringLiteral("two\r\nlines") << QByteArray("\"two\r\nlines\"");
    QTest::newRow("UTF-8") << QStringLiteral("Δt") << QByteArray("\xce\x94t");
}

void tst_Report::csvFieldsAreQuoted()
{
    QFETCH(QString, field);
    QFETCH(QByteArray, written);
    QCOMPARE(ReportCsvWriter::line({field, QStringLiteral("x"), field}), written + ",x," + written + "\r\n");
}

void tst_Report::unwritablePathLeavesNoFile_data()
{
    QTest::addColumn<bool>("pdfWritable");
    QTest::newRow("PDF") << false;
    QTest::newRow("CSV") << true;
}

void tst_Report::unwritablePathLeavesNoFile()
{
    QFETCH(bool, pdfWritable);
    const QString missing = m_dir->filePath(QStringLiteral("missing/run"));
    const QString pdf = pdfWritable ? m_dir->filePath(QStringLiteral("run.pdf")) : missing + QStringLiteral(".pdf");
    const QString csv = pdfWritable ? missing + QStringLiteral(".csv") : m_dir->filePath(QStringLiteral("run.csv"));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot write the report to .*missing")));
    QVERIFY(!ReportSaver::write(*m_session, pdf, csv, &error));
    QVERIFY2(error.contains(QStringLiteral("missing")), qPrintable(error));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
}

void tst_Report::commandLineWritesWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QString pdf = m_dir->filePath(QStringLiteral("cli.pdf"));
    const QStringList common{QStringLiteral("--plugin-file"), QStringLiteral(ZEL_OTN_PLUGIN), QStringLiteral("--ports"),
                             QStringLiteral("1"), QStringLiteral("--run-seconds"), QStringLiteral("0"),
                             QStringLiteral("--report")};
    QProcess client;
    client.setProcessEnvironment(environment);
    client.start(QStringLiteral(ZEL_OTN_CLIENT), common + QStringList{pdf});
    QVERIFY(client.waitForFinished(120000));
    QCOMPARE(client.exitCode(), 0);
    QVERIFY(readAll(pdf).startsWith("%PDF"));
}

void tst_Report::saveAsksForTheNameAndWritesTheCsvBeside()
{
    const QString chosen = m_dir->filePath(QStringLiteral("chosen"));
    bool asked = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        asked = dialog != nullptr;
        if (!dialog)
            return;
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    QVERIFY(ReportSaver::save(*m_session, nullptr));
    QVERIFY(asked);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("chosen-events.csv"), QStringLiteral("chosen.csv"), QStringLiteral("chosen.pdf")}));
}

QTEST_MAIN(tst_Report)
#include "tst_report.moc"
