#include <QtTest>

#include <QRegularExpression>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

struct Use {
    int group;
    int id;
    QString where;
};

// Every id the id tables name, read from their definitions (0 marks "no such parameter"): the tables
// of the sources and the single ids of the headers. Numbers written elsewhere are scripts/check-ids'
// business.
QVector<Use> tableIds()
{
    static const QRegularExpression table(QStringLiteral("const int (\\w+)[^=]*=\\s*\\{([^;]*)\\};"));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    static const QRegularExpression single(QStringLiteral("constexpr int (\\w+) = (\\d+);"));
    const struct {
        const char *name;
        int group;
    } files[] = {{"otnpid.cpp", nsSID::otn}, {"otniid.cpp", nsSID::otn}, {"otnpid.h", nsSID::otn},
                 {"otniid.h", nsSID::otn}, {"globalpid.h", nsSID::global}};
    QVector<Use> uses;
    for (const auto &f : files) {
        QFile file(QStringLiteral(SIM_SOURCE_DIR "/host/otn/") + QLatin1String(f.name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        auto tables = table.globalMatch(text);
        while (tables.hasNext()) {
            const QRegularExpressionMatch t = tables.next();
            auto ids = number.globalMatch(t.captured(2));
            for (int i = 0; ids.hasNext(); ++i)
                uses.append({f.group, ids.next().captured().toInt(), QStringLiteral("%1[%2]").arg(t.captured(1)).arg(i)});
        }
        auto singles = single.globalMatch(text);
        while (singles.hasNext()) {
            const QRegularExpressionMatch m = singles.next();
            uses.append({f.group, m.captured(2).toInt(), m.captured(1)});
        }
    }
    return uses;
}

} // namespace

class tst_CatalogueConsistency : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCatalogueFileLoadsWithoutClash();
    void usedIdsAreInTheCatalogue_data();
    void usedIdsAreInTheCatalogue();
    void overheadLengthsFollowG709_data();
    void overheadLengthsFollowG709();

private:
    std::unique_ptr<SimulatedServerLink> m_link;
};

void tst_CatalogueConsistency::initTestCase()
{
    m_link = std::make_unique<SimulatedServerLink>(TesterFixture::testOptions(1));
}

void tst_CatalogueConsistency::everyCatalogueFileLoadsWithoutClash()
{
    QVERIFY2(m_link->catalogueErrors().isEmpty(), qPrintable(m_link->catalogueErrors().join('\n')));
    for (const ParameterDefinition *d : m_link->catalogue().all()) {
        QVERIFY2(!d->name.isEmpty(), qPrintable(QString::number(d->id)));
        if (d->kind == QcmaParameter::TypeEnum)
            QVERIFY2(!d->enumerators.isEmpty(), qPrintable(d->name));
    }
}

// Every id the id tables name.
void tst_CatalogueConsistency::usedIdsAreInTheCatalogue_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("id");
    const QVector<Use> tables = tableIds();
    QVERIFY2(tables.size() > 400, "the id tables were not found: wrong source folder?");
    for (const Use &use : tables) {
        if (use.id)
            QTest::addRow("%s = %d", qPrintable(use.where), use.id) << use.group << use.id;
    }
}

void tst_CatalogueConsistency::usedIdsAreInTheCatalogue()
{
    QFETCH(int, group);
    QFETCH(int, id);
    QVERIFY(m_link->catalogue().find(group, id));
}

void tst_CatalogueConsistency::overheadLengthsFollowG709_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("value");

    // The lengths of the other overhead fields are covered by the writes of tst_intervaldata.
    using namespace PID::Otn;
    const QByteArray ident = QByteArray(1, '\0') + "JPNTAMBRIK ZEL ";
    QTest::newRow("SM SAPI") << int(TX::OTU_SM_TTI_SAPI) << ident;
    QTest::newRow("PM operator specific") << TX::ODU_PM_TTI_OS[0] << QByteArray(32, '\0');
    QTest::newRow("TCM6 DAPI") << TX::ODU_TCM_TTI_DAPI[5] << ident;
    QTest::newRow("FTFL backward OIF") << TX::ODU_FTFL_BOI[0] << QByteArray("JPNZEL   ");
    QTest::newRow("FTFL forward operator") << TX::ODU_FTFL_FOS[0] << QByteArray(118, '\0');
    QTest::newRow("TCM TTI byte, level 2") << TX::ODU_TCM_TTI_OH[1][0] << QByteArray(1, '\0');
}

void tst_CatalogueConsistency::overheadLengthsFollowG709()
{
    QFETCH(int, id);
    QFETCH(QByteArray, value);
    const ParameterDefinition *d = m_link->catalogue().find(nsSID::otn, id);
    QVERIFY(d);
    QCOMPARE(d->kind, int(QcmaParameter::TypeByteArray));
    QCOMPARE(d->length, value.size());
    const QcmaParameter *held = m_link->value(nsSID::otnSid(1, id));
    QVERIFY(held);
    QCOMPARE(held->getByteArray(), value);
}

QTEST_GUILESS_MAIN(tst_CatalogueConsistency)
#include "tst_catalogueconsistency.moc"
