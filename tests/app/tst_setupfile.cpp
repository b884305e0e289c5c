#include <QtTest>

#include "apps/shared/sid.h"
#include "app/setupfile.h"
#include "app/setupwriter.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/poweronstructure.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

constexpr int port = 1;

// The setup of the port as a map, for readable differences.
QMap<int, QJsonValue> valuesOf(const SetupFile &file)
{
    QMap<int, QJsonValue> values;
    for (const SetupFile::Value &value : file.values())
        values.insert(value.id, value.value);
    return values;
}

// Writes the file's setup to the tester and waits for the end; the refused values.
QStringList writeSetup(TesterFixture &tester, const SetupFile &file)
{
    SetupWriter writer(tester.manager(), file.batches(*tester.manager(), port));
    QSignalSpy finished(&writer, &SetupWriter::finished);
    writer.start();
    if (finished.isEmpty() && !finished.wait())
        return {QStringLiteral("no end")};
    if (!writer.error().isEmpty())
        return {writer.error()};
    return writer.refused();
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

} // namespace

class tst_SetupFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTripOntoAnotherStructure_data();
    void roundTripOntoAnotherStructure();
    void refusedValueIsReported();
    void unusableFileChangesNothing_data();
    void unusableFileChangesNothing();

private:
    QTemporaryDir m_dir;
};

void tst_SetupFile::roundTripOntoAnotherStructure_data()
{
    QTest::addColumn<QString>("structure");
    for (const PowerOnStructure &structure : PowerOnStructure::all())
        QTest::newRow(qPrintable(structure.name)) << structure.name;
}

// A setup saved on one structure and opened on a tester powered on with another ends equal, and the
// example of the structure is that setup.
void tst_SetupFile::roundTripOntoAnotherStructure()
{
    QFETCH(QString, structure);
    TesterFixture source(TesterFixture::structureOptions(structure));
    const SetupFile saved = SetupFile::capture(*source.manager(), port);
    QVERIFY(saved.values().size() > 50);
    const QString path = m_dir.filePath(structure + QStringLiteral(".json"));
    QString error;
    QVERIFY2(saved.save(path, *source.manager(), &error), qPrintable(error));

    // Another structure, another module, other traces.
    const QString other = structure == QLatin1String("otu2-bulk") ? QStringLiteral("otl4.4") : QStringLiteral("otu2-bulk");
    TesterFixture target(TesterFixture::structureOptions(other));
    QVERIFY(target.writeAndWait(port, PID::Otn::TX::OTU_SM_TTI_SAPI, QByteArray(16, 'x')));
    SetupFile opened;
    QVERIFY2(opened.load(path, *target.manager(), port, &error), qPrintable(error));
    QCOMPARE(writeSetup(target, opened), QStringList());
    QCOMPARE(valuesOf(SetupFile::capture(*target.manager(), port)), valuesOf(saved));

    SetupFile example;
    const QString examplePath = QStringLiteral(ZEL_SOURCE_DIR "/examples/%1.json").arg(structure);
    QVERIFY2(example.load(examplePath, *target.manager(), port, &error), qPrintable(error));
    QCOMPARE(valuesOf(example), valuesOf(saved));
}

void tst_SetupFile::refusedValueIsReported()
{
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu2-odu0")));
    const QString path = m_dir.filePath(QStringLiteral("short-sapi.json"));
    QString error;
    QVERIFY(SetupFile::capture(*tester.manager(), port).save(path, *tester.manager(), &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray parameters = root.value(QStringLiteral("parameters")).toArray();
    for (int i = 0; i < parameters.size(); ++i) {
        QJsonObject entry = parameters.at(i).toObject();
        if (entry.value(QStringLiteral("id")).toInt() == PID::Otn::TX::OTU_SM_TTI_SAPI)
            entry.insert(QStringLiteral("value"), QStringLiteral("414243"));
        else if (entry.value(QStringLiteral("id")).toInt() == PID::Otn::TX::OTU_SM_TTI_DAPI)
            entry.insert(QStringLiteral("value"), QString::fromLatin1(QByteArray(16, 'd').toHex()));
        parameters[i] = entry;
    }
    root.insert(QStringLiteral("parameters"), parameters);
    QVERIFY(!writeFile(path, QJsonDocument(root).toJson()).isEmpty());

    SetupFile opened;
    QVERIFY2(opened.load(path, *tester.manager(), port, &error), qPrintable(error));
    const QStringList refused = writeSetup(tester, opened);
    QCOMPARE(refused.size(), 1);
    QVERIFY2(refused.first().startsWith(QLatin1String("SM TTI SAPI: 414243")), qPrintable(refused.first()));
    // The rest was written.
    QCOMPARE(tester.cached(port, PID::Otn::TX::OTU_SM_TTI_DAPI)->getByteArray(), QByteArray(16, 'd'));
}

void tst_SetupFile::unusableFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    const QByteArray entry = R"({"id": 11012, "value": 1})";
    const auto file = [](const QByteArray &format, int version, const QByteArray &entries) {
        return QByteArray(R"({"format": ")") + format + R"(", "version": )" + QByteArray::number(version)
               + R"(, "parameters": [)" + entries + "]}";
    };
    QTest::newRow("malformed") << file("otn-client setup", 1, entry).left(40) << QStringLiteral("not a setup file (");
    QTest::newRow("foreign") << file("another tool", 1, entry) << QStringLiteral("not a setup file of otn-client");
    QTest::newRow("newer") << file("otn-client setup", 2, entry) << QStringLiteral("has version 2");
    QTest::newRow("not a setup parameter")
        << file("otn-client setup", 1, entry + R"(, {"id": 14001, "value": 1})") << QStringLiteral("parameter 14001 is not");
    QTest::newRow("value of another kind")
        << file("otn-client setup", 1, entry + R"(, {"id": 11016, "value": 7})") << QStringLiteral("parameter 11016 (");
}

void tst_SetupFile::unusableFileChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otu2-odu0")));
    SetupFile file = SetupFile::capture(*tester.manager(), port);
    const QMap<int, QJsonValue> before = valuesOf(file);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("unusable.json")), content);
    QString error;
    QVERIFY(!file.load(path, *tester.manager(), port, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(valuesOf(file), before);
}

QTEST_GUILESS_MAIN(tst_SetupFile)
#include "tst_setupfile.moc"
