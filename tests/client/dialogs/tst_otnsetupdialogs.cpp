#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/components/otngfpupi.h"
#include "client/otn/interface_setup_status/dialogs/otnotlcsetupdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnttidetectiondialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfpfdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfptdialog.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

using namespace nsSettings::Otn;
Q_DECLARE_METATYPE(OtnMapping)

// The setup dialogs of the interface and test setup pages: on servers shaped like the tester's for the
// parameters under test, and on the simulated tester with its own names, rules and reference data.
namespace {
constexpr int idPti = 11134;
constexpr int idExi = 11136;
constexpr int idUpi = 11137;
constexpr int ptiData = 0;
constexpr int ptiManagement = 4;

const QString reserved = QStringLiteral("Reserved codes for proprietary use");

QString binary(int code)
{
    return QStringLiteral("%1").arg(code, 8, 2, QLatin1Char('0'));
}

const QByteArray gfpCatalogue = R"({"parameters": [
    {"id": 11134, "group": "0x0D0000", "kind": "enum", "name": "PTI", "default": 0,
     "values": [{"value": 0, "name": "000: Client Data"}, {"value": 4, "name": "100: Client Management"},
                {"value": 5, "name": "101: Reserved"}]},
    {"id": 11135, "group": "0x0D0000", "kind": "enum", "name": "PFI", "default": 0,
     "values": [{"value": 0, "name": "0: No Payload FCS"}, {"value": 1, "name": "1: Payload FCS"}]},
    {"id": 11136, "group": "0x0D0000", "kind": "enum", "name": "EXI", "default": 0,
     "values": [{"value": 0, "name": "0000: Null Extension Header"}, {"value": 1, "name": "0001: Linear Frame"},
                {"value": 2, "name": "0010: Ring Frame"}]},
    {"id": 11137, "group": "0x0D0000", "kind": "uint", "name": "UPI", "min": 0, "max": 255, "default": 1},
    {"id": 11138, "group": "0x0D0000", "kind": "uint", "name": "CID", "min": 0, "max": 255, "default": 0},
    {"id": 11139, "group": "0x0D0000", "kind": "uint", "name": "Spare", "min": 0, "max": 255, "default": 0},
    {"id": 11140, "group": "0x0D0000", "kind": "uint", "name": "cHEC Presync Times", "min": 1, "max": 255,
     "default": 1}
]})";

QHash<int, QVariant> gfpValues(int pti, int upi, int exi = 0, int port = 1)
{
    return {{nsSID::otnSid(port, idPti), pti}, {nsSID::otnSid(port, idUpi), upi}, {nsSID::otnSid(port, idExi), exi}};
}

int referenceSid(int stage)
{
    return nsSID::otnSid(1, PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage]);
}

// Detection (Off/On) and reference data (undefined until the receiver has seen a structure) of every stage.
QByteArray msimCatalogue()
{
    QList<QByteArray> definitions;
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        definitions << TestServerLink::enumDefinition(PID::Otn::MEASUREMENT::MSIM_DETECTION[stage],
                                                      QStringLiteral("MSIM Detection (Stage %1)").arg(stage + 1),
                                                      {QStringLiteral("Off"), QStringLiteral("On")}, 1);
        definitions << QStringLiteral("{\"id\": %1, \"group\": \"0x0D0000\", \"kind\": \"bytes\", "
                                      "\"defined\": false, \"name\": \"MSI Reference Data %2\", \"default\": \"\"}")
                           .arg(PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[stage])
                           .arg(stage + 1)
                           .toUtf8();
    }
    return TestServerLink::catalogueJson(definitions);
}

OtnMapping stageMapping(int stage0)
{
    OtnMapping mapping;
    mapping.setValue(OtnMapping::FieldStage0, stage0);
    return mapping;
}

// The texts of the cells, row by row, and "--" for unknown ones up to the end of the table.
QStringList cellTexts(const QTableWidget *table)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            texts << (table->item(row, column) ? table->item(row, column)->text() : QStringLiteral("<none>"));
    }
    return texts;
}

QStringList padded(QStringList cells, int count)
{
    while (cells.size() < count)
        cells << QStringLiteral("--");
    return cells;
}

struct TtiRow {
    const char *combo;
    int id;
};
const TtiRow ttiRows[] = {{"cmbSm", 13003},   {"cmbPm", 13007},   {"cmbTcm1", 13011},
                          {"cmbTcm2", 13015}, {"cmbTcm3", 13019}, {"cmbTcm4", 13023},
                          {"cmbTcm5", 13027}, {"cmbTcm6", 13031}, {"cmbPlm", 12501}};

QByteArray patternDefinition(int id)
{
    return QByteArray(R"({"id": )") + QByteArray::number(id) + R"json(, "group": "0x0D0000", "kind": "enum",
        "name": "Bulk Pattern", "default": 0, "values": [{"value": 0, "name": "PRBS31"}, {"value": 1, "name": "PRBS23"},
        {"value": 2, "name": "PRBS15"}, {"value": 3, "name": "PRBS9"}, {"value": 4, "name": "PRBS7"}]})json";
}

QByteArray otlcCatalogue()
{
    using S = TestServerLink;
    const QStringList polarities = {QStringLiteral("Normal"), QStringLiteral("Inverted")};
    return S::catalogueJson(
        {S::enumDefinition(11204, QStringLiteral("Slice Number"), {"Slice #1", "Slice #2", "Slice #3", "Slice #4"}, 0),
         patternDefinition(11206), patternDefinition(12029),
         S::enumDefinition(11207, QStringLiteral("Tx Bulk Polarity"), polarities, 0),
         S::enumDefinition(12030, QStringLiteral("Rx Bulk Polarity"), polarities, 0)});
}

} // namespace

class tst_OtnSetupDialogs : public QObject
{
    Q_OBJECT
private slots:
    void upiTextByPti_data();
    void upiTextByPti();
    void upiChoicesFollowPti_data();
    void upiChoicesFollowPti();
    void chosenUpiIsSentOnlyOnOk_data();
    void chosenUpiIsSentOnlyOnOk();
    void extensionHeaderFollowsExi();
    void gfpTChoiceOnItsPortSentOnlyOnOk_data();
    void gfpTChoiceOnItsPortSentOnlyOnOk();
    void msimTableShowsReferenceData();
    void msiFromTheTransmitter();
    void ttiDetectionComboFollowsItsParameter();
    void otlcWidgetFollowsAndWrites_data();
    void otlcWidgetFollowsAndWrites();
};

void tst_OtnSetupDialogs::upiTextByPti_data()
{
    QTest::addColumn<QString>("ptiText");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    const QString data = QStringLiteral("000: Client Data");
    const QString management = QStringLiteral("100: Client Management");
    QTest::newRow("data 1") << data << 1 << "Frame-mapped Ethernet";
    QTest::newRow("data 7 reserved") << data << 7 << reserved;
    QTest::newRow("data 14 unused") << data << 14 << "Unused";
    QTest::newRow("management 14 reserved, not unused") << management << 14 << reserved;
    QTest::newRow("reserved prefix") << "101: Reserved" << 1 << "";
}

void tst_OtnSetupDialogs::upiTextByPti()
{
    QFETCH(QString, ptiText);
    QFETCH(int, code);
    QFETCH(QString, text);

    const OtnGfpUpi::Table table = OtnGfpUpi::tableOfPti(ptiText);
    QCOMPARE(OtnGfpUpi::upiText(table, code), text);
    // A code is in the table exactly when it has a text of its own.
    QCOMPARE(OtnGfpUpi::contains(table, code), !text.isEmpty() && text != reserved && text != "Unused");
}

void tst_OtnSetupDialogs::upiChoicesFollowPti_data()
{
    QTest::addColumn<int>("pti");
    QTest::addColumn<int>("upi");
    QTest::addColumn<int>("newPti");   // -1: as opened
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("currentText");

    const QString ethernet = QStringLiteral("Frame-mapped Ethernet");
    const QString csf = QStringLiteral("CSF (loss of client signal)");
    QTest::newRow("opened on data 200: extra item") << ptiData << 200 << -1 << false << 20 << ethernet << reserved;
    QTest::newRow("management to data, user") << ptiManagement << 2 << ptiData << true << 19 << ethernet
                                              << "Frame-mapped PPP";
    QTest::newRow("data to management, server, code only in data table")
        << ptiData << 16 << ptiManagement << false << 6 << csf << reserved;
}

void tst_OtnSetupDialogs::upiChoicesFollowPti()
{
    QFETCH(int, pti);
    QFETCH(int, upi);
    QFETCH(int, newPti);
    QFETCH(bool, byUser);
    QFETCH(int, items);
    QFETCH(QString, firstText);
    QFETCH(QString, currentText);

    // Port 1 keeps the defaults (data frames, UPI 1): the dialog must read its own port.
    TesterFixture server(gfpCatalogue, {1, 2}, gfpValues(pti, upi, 0, 2));
    OtnTxGfpFDialog dialog(server.manager(), 2);
    auto *cmbPti = dialog.findChild<QComboBox *>("cmbPti");
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    QVERIFY(cmbPti && cmbUpi && pbUpi);

    if (newPti >= 0 && byUser) {
        const QString name = dialog.texts().getValueName(nsSID::otnSid(2, idPti), newPti, 0);
        QVERIFY2(cmbPti->findText(name) >= 0, qPrintable(name));
        cmbPti->setCurrentIndex(cmbPti->findText(name));
    } else if (newPti >= 0) {
        server.fake()->serverChange(nsSID::otnSid(2, idPti), newPti);
        QTRY_COMPARE(server.cachedSid(nsSID::otnSid(2, idPti))->getEnum(), newPti);
    }
    QCOMPARE(cmbUpi->count(), items);
    QCOMPARE(cmbUpi->itemText(0), firstText);
    QCOMPARE(cmbUpi->currentText(), currentText);
    QCOMPARE(cmbUpi->isEnabled(), items > 0);
    if (items > 0)
        QCOMPARE(cmbUpi->currentData().toInt(), upi);
    // Opening and refilling are display changes: the UPI itself is not written.
    QCOMPARE(pbUpi->text(), binary(upi));
    QCOMPARE(server.fake()->writeRequests(), 0);
    QCOMPARE(server.fake()->value(nsSID::otnSid(2, idUpi))->getUInt(), uint(upi));
}

void tst_OtnSetupDialogs::chosenUpiIsSentOnlyOnOk_data()
{
    QTest::addColumn<int>("pti");
    QTest::addColumn<int>("startUpi");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("chosenCode");
    QTest::addColumn<int>("itemsAfterChoice");
    QTest::addColumn<bool>("accept");

    QTest::newRow("reserved code replaced, OK") << ptiData << 200 << "Frame-mapped IPv4" << 16 << 19 << true;
    QTest::newRow("unused code replaced, Cancel") << ptiData << 14 << "Frame-mapped MPLS" << 13 << 19 << false;
}

void tst_OtnSetupDialogs::chosenUpiIsSentOnlyOnOk()
{
    QFETCH(int, pti);
    QFETCH(int, startUpi);
    QFETCH(QString, chosen);
    QFETCH(int, chosenCode);
    QFETCH(int, itemsAfterChoice);
    QFETCH(bool, accept);

    TesterFixture server(gfpCatalogue, {1}, gfpValues(pti, startUpi));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    auto *cmbUpi = dialog.findChild<QComboBox *>("cmbUpi");
    auto *pbUpi = dialog.findChild<QPushButton *>("pbUpi");
    QVERIFY2(cmbUpi->findText(chosen) >= 0, qPrintable(chosen));
    cmbUpi->setCurrentIndex(cmbUpi->findText(chosen));
    // The choice shows at once; a code outside the table disappears from the list once another is chosen.
    QCOMPARE(pbUpi->text(), binary(chosenCode));
    QCOMPARE(cmbUpi->count(), itemsAfterChoice);
    QCOMPARE(cmbUpi->currentText(), chosen);
    QCOMPARE(server.fake()->writeRequests(), 0);

    dialog.findChild<QDialogButtonBox *>("bbTxGfpF")->button(accept ? QDialogButtonBox::Ok
                                                                    : QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(server.fake()->writeRequests(), accept ? 1 : 0);
    if (accept) {
        QTRY_COMPARE(server.cachedSid(nsSID::otnSid(1, idUpi))->getUInt(), uint(chosenCode));
        QCOMPARE(server.fake()->value(nsSID::otnSid(1, idUpi))->getType(), int(QcmaParameter::TypeUInt));
    } else {
        QCOMPARE(server.fake()->value(nsSID::otnSid(1, idUpi))->getUInt(), uint(startUpi));
        // The dropped choice gives way to the server's value again.
        QCOMPARE(cmbUpi->currentData().toInt(), startUpi);
        QCOMPARE(pbUpi->text(), binary(startUpi));
    }
}

void tst_OtnSetupDialogs::extensionHeaderFollowsExi()
{
    TesterFixture server(gfpCatalogue, {1}, gfpValues(ptiData, 1, 0));
    OtnTxGfpFDialog dialog(server.manager(), 1);
    QList<QWidget *> header;
    for (const char *name : {"gbExtentionHeader", "lblCid", "pbCid", "lblSpare", "pbSpare"})
        header << dialog.findChild<QWidget *>(name);
    QVERIFY(!header.contains(nullptr));
    // Only a linear extension header (EXI 1) has a CID and a spare byte: null, then linear, then ring.
    for (int exi : {0, 1, 2}) {
        if (exi > 0) {
            server.fake()->serverChange(nsSID::otnSid(1, idExi), exi);
            QTRY_COMPARE(header.first()->isHidden(), exi != 1);
        }
        for (QWidget *w : header)
            QVERIFY2(w->isHidden() == (exi != 1), qPrintable(w->objectName()));
    }
    QVERIFY(!dialog.findChild<QWidget *>("gbRx")->isHidden());
}

void tst_OtnSetupDialogs::gfpTChoiceOnItsPortSentOnlyOnOk_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("accept");

    QTest::newRow("port 2, OK") << 2 << true;
    QTest::newRow("port 1, Cancel") << 1 << false;
}

void tst_OtnSetupDialogs::gfpTChoiceOnItsPortSentOnlyOnOk()
{
    QFETCH(int, port);
    QFETCH(bool, accept);

    const int id = PID::Otn::TX::GFP_T_CSF_REPLACEMENT;
    const QByteArray catalogue = TestServerLink::catalogueJson({TestServerLink::enumDefinition(
        id, QStringLiteral("CSF Replacement"), {QStringLiteral("Off"), QStringLiteral("On")}, 0)});
    // The other port holds the opposite value.
    TesterFixture server(catalogue, {1, 2}, {{nsSID::otnSid(port, id), 0}, {nsSID::otnSid(3 - port, id), 1}});
    OtnTxGfpTDialog dialog(server.manager(), port);
    auto *combo = dialog.findChild<QComboBox *>("cmbCsfReplacement");
    QCOMPARE(combo->currentText(), QStringLiteral("Off"));

    combo->setCurrentIndex(combo->findText(QStringLiteral("On")));
    QCOMPARE(server.fake()->writeRequests(), 0);
    auto *box = dialog.findChild<QDialogButtonBox *>("bbTxGfpT");
    box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    QCOMPARE(server.fake()->writeRequests(), accept ? 1 : 0);
    QTRY_COMPARE(server.cached(port, id)->getEnum(), accept ? 1 : 0);
    QCOMPARE(combo->currentText(), accept ? QStringLiteral("On") : QStringLiteral("Off"));
    QCOMPARE(server.fake()->value(nsSID::otnSid(3 - port, id))->getEnum(), 1);
}

// 8 TS: one row; a short record, digits padded.
void tst_OtnSetupDialogs::msimTableShowsReferenceData()
{
    const QByteArray bytes = QByteArray::fromHex("0a0bc3");
    TesterFixture server(msimCatalogue());
    OtnMsimDetectionDialog dialog(server.manager(), 1, nullptr, 0, stageMapping(MUX_ODU0_ODU2));
    auto *table = dialog.findChild<QTableWidget *>("tblMsiValue");
    QCOMPARE(table->columnCount(), 8);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("MSI[0]"));
    // Unknown until reference data arrives while shown; undefined data leaves nothing to show.
    const QStringList unknown = padded({}, 8);
    const QStringList known = padded({"0A", "0B", "C3"}, 8);
    QCOMPARE(cellTexts(table), unknown);
    server.fake()->serverChange(referenceSid(0), bytes);
    QTRY_VERIFY(server.cachedSid(referenceSid(0))->isDefined());
    QCOMPARE(cellTexts(table), unknown);
    dialog.show();
    QCOMPARE(cellTexts(table), known);
    server.fake()->serverChange(referenceSid(0), bytes, false);
    QTRY_COMPARE(cellTexts(table), unknown);
}

// The simulated tester's receiver takes its reference data from the transmitter: ODU0s in an OTU1 carry the
// ODTU01 type (11) and the TS as port.
void tst_OtnSetupDialogs::msiFromTheTransmitter()
{
    const OtnMapping mapping(0, 0, 4, 0, 0);
    TesterFixture fixture;
    for (const int *ids : {PID::Otn::TX::MAPPING, PID::Otn::RX::MAPPING}) {
        for (int field = 0; field < OtnMapping::fieldCount; ++field) {
            if (fixture.cached(1, ids[field])->getEnum() != mapping.value(field))
                QVERIFY(fixture.writeAndWait(1, ids[field], mapping.value(field)));
        }
    }
    OtnMsimDetectionDialog dialog(fixture.manager(), 1, nullptr, 0, mapping);
    dialog.show();
    QCOMPARE(cellTexts(dialog.findChild<QTableWidget *>("tblMsiValue")).mid(0, 3), (QStringList{"C0", "C1", "--"}));
}

void tst_OtnSetupDialogs::ttiDetectionComboFollowsItsParameter()
{
    // One representative combo (TCM3); on the dialog's port only its parameter is on; the first port keeps the tester's defaults.
    const int id = 13019;
    TesterFixture tester;
    for (const TtiRow &r : ttiRows)
        QVERIFY(tester.writeAndWait(3, r.id, r.id == id ? 1 : 0));
    OtnTtiDetectionDialog dialog(tester.manager(), 3);
    auto *target = dialog.findChild<QComboBox *>(QStringLiteral("cmbTcm3"));
    // Bound on show, not before.
    QCOMPARE(target->count(), 0);
    dialog.show();
    for (const TtiRow &r : ttiRows) {
        auto *c = dialog.findChild<QComboBox *>(QString::fromLatin1(r.combo));
        QCOMPARE(c->currentIndex(), r.id == id ? 1 : 0);
    }
    target->setCurrentIndex(0);
    const int requests = tester.link()->writeRequests();
    dialog.findChild<QDialogButtonBox *>("bbTtiDetection")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(tester.link()->writeRequests(), requests + 1);
    QVERIFY(tester.settle());
    QCOMPARE(tester.cached(3, id)->getEnum(), 0);
}

void tst_OtnSetupDialogs::otlcWidgetFollowsAndWrites_data()
{
    QTest::addColumn<QString>("widget");   // the combo, or the radio button of value 1
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("serverValue");
    QTest::addColumn<int>("chosen");

    QTest::newRow("slice number") << "cmbSliceNumber" << 11204 << 2 << 3;
    QTest::newRow("Tx polarity inverted") << "rbInvertedBulkTx" << 11207 << 0 << 1;
}

void tst_OtnSetupDialogs::otlcWidgetFollowsAndWrites()
{
    QFETCH(QString, widget);
    QFETCH(int, id);
    QFETCH(int, serverValue);
    QFETCH(int, chosen);

    TesterFixture server(otlcCatalogue(), {1, 2}, {{nsSID::otnSid(2, id), serverValue}});
    OtnOtlcSetupDialog dialog(server.manager(), 2);
    if (auto *combo = dialog.findChild<QComboBox *>(widget)) {
        QCOMPARE(combo->currentIndex(), serverValue);
        combo->setCurrentIndex(chosen);
    } else {
        auto *inverted = dialog.findChild<QRadioButton *>(widget);
        auto *normal = dialog.findChild<QRadioButton *>(QString(widget).replace("Inverted", "Normal"));
        QVERIFY(inverted && normal);
        QCOMPARE(inverted->isChecked(), serverValue == 1);
        QCOMPARE(normal->isChecked(), serverValue == 0);
        (chosen == 1 ? inverted : normal)->click();
    }
    // Written at once, to the dialog's port only.
    QCOMPARE(server.fake()->writeRequests(), 1);
    QTRY_COMPARE(server.cachedSid(nsSID::otnSid(2, id))->getEnum(), chosen);
    QCOMPARE(server.fake()->value(nsSID::otnSid(1, id))->getEnum(), 0);
}

QTEST_MAIN(tst_OtnSetupDialogs)
#include "tst_otnsetupdialogs.moc"
