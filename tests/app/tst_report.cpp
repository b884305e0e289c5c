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

// RFC 4180 read back: quoted fields may hold commas, doubled quotes and line breaks.
QVector<QStringList> parseCsv(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const auto next = [&text](int i) { return i + 1 < text.size() ? text.at(i + 1) : QChar(); };
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && next(i) == QLatin1Char('"'))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && next(i) == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

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
    void csvFieldsReadBack_data();
    void csvFieldsReadBack();
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
    const QVector<QStringList> rows = parseCsv(readAll(csv));
    QVERIFY(rows.size() > 10);
    for (const QStringList &row : rows)
        QCOMPARE(row.size(), rows.first().size());
    const auto bip8 = std::find_if(rows.cbegin(), rows.cend(), [](const QStringList &row) {
        return row.at(4) == QLatin1String("ODU4") && row.at(5).startsWith(QLatin1String("PM-BIP8"))
               && row.at(6) == QLatin1String("Cumulative");
    });
    QVERIFY(bip8 != rows.cend());
    QCOMPARE(bip8->at(7), QStringLiteral("10"));
    const QVector<QStringList> events = parseCsv(readAll(ReportSaver::eventsPathFor(csv)));
    QVERIFY(std::any_of(events.cbegin(), events.cend(), [](const QStringList &row) {
        return row.contains(QStringLiteral("SM-BDI")) && row.last() == QLatin1String("3 s");
    }));

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

void tst_Report::csvFieldsReadBack_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << QStringLiteral("SM-BIP8");
    QTest::newRow("comma") << QStringLiteral("Alarms, Errors");
    QTest::newRow("quote") << QStringLiteral("the \"ODU\" level");
    QTest::newRow("line break") << QStringLiteral("two\r\nlines");
    QTest::newRow("UTF-8") << QStringLiteral("Δt µs");
    QTest::newRow("empty") << QString();
}

void tst_Report::csvFieldsReadBack()
{
    QFETCH(QString, field);
    const QStringList fields{field, QStringLiteral("x"), field};
    const QByteArray bytes = ReportCsvWriter::line(fields) + ReportCsvWriter::line(fields);
    QCOMPARE(parseCsv(bytes), (QVector<QStringList>{fields, fields}));
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

    const QString missing = m_dir->filePath(QStringLiteral("missing/cli.pdf"));
    client.start(QStringLiteral(ZEL_OTN_CLIENT), common + QStringList{missing});
    QVERIFY(client.waitForFinished(120000));
    QCOMPARE(client.exitCode(), 1);
    QVERIFY(client.readAllStandardError().contains("Cannot write the report"));
    QVERIFY(!QFileInfo::exists(missing));
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
