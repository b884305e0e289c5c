#include <memory>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/components/otnttilayout.h"
#include "client/otn/customizedscreen/uihelper_otnoverhead.h"
#include "client/otn/interface_setup_status/dialogs/otnohdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohftfldialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohpmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohsmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohtcmidialog.h"
#include "dialogframe.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/dialogrunner.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

namespace {

using namespace PID::Otn::TX;

constexpr int port = 1;
constexpr int gcc0Id = 11020;

// The structures the table is shown for: mapping values written in this order, the level, the OTL slice.
struct Structure {
    QList<QPair<int, int>> settings;
    int level = 0;
    int slice = 0;
};

const Structure otu2Line{{}, 0, 0};
const Structure odu0InOtu2{{{11010, 1}}, 1, 0};   // ODTU2.1: ODU0 below the OTU2's ODU2
const Structure otlcSlice1{{{11008, 14}, {11204, 0}}, 0, 0};
const Structure otlcSlice2{{{11008, 14}, {11204, 1}}, 0, 1};

// A tester whose first port has a multi-lane transceiver (OTLC needs one), set to the structure.
struct Tester {
    explicit Tester(const Structure &structure) : fixture(options())
    {
        for (const auto &setting : structure.settings)
            ok = ok && fixture.writeAndWait(port, setting.first, setting.second);
        for (int field = 0; field < OtnMapping::fieldCount; ++field) {
            const QcmaParameter *p = fixture.cached(port, MAPPING[field]);
            mapping.setValue(field, p && p->isDefined() ? p->getEnum() : 0);
        }
    }
    static SimulatorOptions options()
    {
        SimulatorOptions o = TesterFixture::testOptions(1);
        o.moduleTypes = {3};
        return o;
    }
    std::unique_ptr<OtnOhDialog> open(const Structure &structure) const
    {
        const QString name = mapping.getOduName(structure.level).remove(QStringLiteral("ODU"));
        return std::make_unique<OtnOhDialog>(ClientInfo{port, fixture.manager()}, structure.level, name, nullptr,
                                             mapping, structure.slice);
    }
    QByteArray bytes(int id) const { return fixture.link()->value(nsSID::otnSid(port, id))->getByteArray(); }
    uint number(int id) const { return fixture.link()->value(nsSID::otnSid(port, id))->getUInt(); }

    TesterFixture fixture;
    OtnMapping mapping;
    bool ok = true;
};

QTableWidget *tableOf(const QDialog &dialog)
{
    return dialog.findChild<QTableWidget *>(QStringLiteral("tblOverhead"));
}

QPushButton *cell(const QDialog &dialog, int row, int column)
{
    return qobject_cast<QPushButton *>(tableOf(dialog)->cellWidget(row, column));
}

void clickBox(const QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("bbOh"))->button(which)->click();
}

// A label row as "text@span" plus the colour (g ODU, b OTU, s fixed stuff, o OPU) and 9 for the small font.
QString labelRow(const QTableWidget &table, int row)
{
    QStringList tokens;
    for (int column = 0; column < table.columnCount(); column += table.columnSpan(row, column)) {
        const QTableWidgetItem *item = table.item(row, column);
        if (!item)
            return QStringLiteral("no item at %1").arg(column);
        const QColor colour = item->background().color();
        const char area = colour == QColor(170, 255, 127) ? 'g'
                          : colour == QColor(85, 170, 255) ? 'b'
                          : colour == QColor(192, 192, 192) ? 's'
                          : colour == QColor(255, 170, 0)   ? 'o'
                                                            : '?';
        tokens << QStringLiteral("%1@%2%3%4")
                      .arg(item->text())
                      .arg(table.columnSpan(row, column))
                      .arg(QLatin1Char(area))
                      .arg(item->font().pixelSize() == 9 ? QStringLiteral("9") : QString());
    }
    return tokens.join(QLatin1Char('|'));
}

// A value row, one character per cell: - disabled "--", T "TTI", F "FTFL", x an enabled byte in hex, o an
// enabled cell without text.
QString valueRow(const QTableWidget &table, int row)
{
    static const QRegularExpression byteText(QStringLiteral("^[0-9A-F]{2}$"));
    QString cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        const auto *button = qobject_cast<QPushButton *>(table.cellWidget(row, column));
        const QString text = button ? button->text() : QString();
        if (button && !button->isEnabled())
            cells += text == QLatin1String("--") ? QLatin1Char('-') : QLatin1Char('?');
        else if (text == QLatin1String("TTI"))
            cells += QLatin1Char('T');
        else if (text == QLatin1String("FTFL"))
            cells += QLatin1Char('F');
        else if (text.isEmpty())
            cells += QLatin1Char('o');
        else
            cells += byteText.match(text).hasMatch() ? QLatin1Char('x') : QLatin1Char('?');
    }
    return cells;
}

// The transmitted overhead values the tester confirms, in the order it takes them, as "id=value" (bytes in hex).
class TxWrites
{
public:
    explicit TxWrites(const Tester &tester)
    {
        QObject::connect(tester.fixture.link(), &ServerLink::parameterChanged, &m_context,
                         [this](QSharedPointer<QcmaParameter> p) {
                             const int id = nsSID::idOf(p->getSID());
                             if (nsSID::portOf(p->getSID()) == port && id >= 11000 && id < 12000)
                                 m_taken << written(id, p->getType() == QcmaParameter::TypeByteArray
                                                            ? QVariant(p->getByteArray())
                                                            : QVariant(p->getUInt()));
                         });
    }
    static QString written(int id, const QVariant &value)
    {
        const QString text = value.type() == QVariant::ByteArray ? QString::fromLatin1(value.toByteArray().toHex().toUpper())
                                                                 : QString::number(value.toUInt());
        return QStringLiteral("%1=%2").arg(id).arg(text);
    }
    QStringList taken() const { return m_taken; }

private:
    QObject m_context;
    QStringList m_taken;
};

QString w(int id, const QVariant &value)
{
    return TxWrites::written(id, value);
}

// Bytes counting up from first.
QByteArray numbered(int count, int first)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(first + i));
    return bytes;
}

QByteArray zeros(int count)
{
    return QByteArray(count, '\0');
}

// A message of SAPI, DAPI and operator specific parameters as Restore Defaults sets it.
QStringList defaultTti(int sapi, int dapi, int operatorSpecific)
{
    const QByteArray accessPoint = zeros(1) + "JPNTAMBRIK ZEL ";
    return {w(sapi, accessPoint), w(dapi, accessPoint), w(operatorSpecific, zeros(32))};
}

// FFI, FOI, FOS, BFI, BOI, BOS of a level from the forward and backward halves.
QStringList ftflWrites(int level, const QByteArray &forward, const QByteArray &backward)
{
    return {w(ODU_FTFL_FFI[level], forward.left(1)),   w(ODU_FTFL_FOI[level], forward.mid(1, 9)),
            w(ODU_FTFL_FOS[level], forward.mid(10)),   w(ODU_FTFL_BFI[level], backward.left(1)),
            w(ODU_FTFL_BOI[level], backward.mid(1, 9)), w(ODU_FTFL_BOS[level], backward.mid(10))};
}

// EXP, GCC1, GCC2, APS/PCC and RES2 of a level as Restore Defaults sets them.
QStringList defaultLastBytes(int level)
{
    return {w(ODU_EXP[level], zeros(2)),    w(ODU_GCC1[level], zeros(2)),   w(ODU_GCC2[level], zeros(2)),
            w(ODU_APS_FB[level], zeros(1)), w(ODU_APS_SB[level], zeros(3)), w(ODU_RES2[level], zeros(6))};
}

} // namespace

Q_DECLARE_METATYPE(Structure)
Q_DECLARE_METATYPE(OtnMapping)

class tst_OtnOhDialog : public QObject
{
    Q_OBJECT
private slots:
    void gridOfEachStructure_data();
    void gridOfEachStructure();
    void title_data();
    void title();
    void editsWaitForApplyAndGoAsOneBatch();
    void restoreDefaultsIsOneBatchTheTesterTakes_data();
    void restoreDefaultsIsOneBatchTheTesterTakes();
    void fieldEditorWritesItsParameters_data();
    void fieldEditorWritesItsParameters();
    void psiComboListsAnUnknownCodeOnce();
    void setupButtonOpensTheTableOfItsLevel_data();
    void setupButtonOpensTheTableOfItsLevel();
};

void tst_OtnOhDialog::gridOfEachStructure_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("psiOffered");

    const QString tcmLabels = QStringLiteral("RES@2g|P&T@1g|T/A@1g|TCM6@3g|TCM5@3g|TCM4@3g|%1@1g|@1o|@1o");
    const QString pmLabels = QStringLiteral("TCM3@3g|TCM2@3g|TCM1@3g|PM@3g|EXP@2g|@1o|@1o");
    const QString lastLabels = QStringLiteral("GCC1@2g|GCC2@2g|APS/PCC@4g|RES@6g|PSI@1o|@1o");
    QTest::newRow("line level")
        << otu2Line
        << QStringList{"FAS@6g|MFAS@1g9|SM@3b|GCC0@2b|RES@2b|@1o|@1o", "xxxxxx-T-xxxxx--",
                       tcmLabels.arg("FTFL"),                       "xx--T-xT-xT-xF--",
                       pmLabels,                                    "T-xT-xT-xT-xxx--",
                       lastLabels,                                  "xxxxxxxxxxxxxxx-"}
        << true;
    QTest::newRow("lower level: fixed stuff, TCM TTI cells without text")
        << odu0InOtu2
        << QStringList{"FAS@6g|MFAS@1g9|Fixed Stuff@7s|@1o|@1o", "xxxxxx----------",
                       tcmLabels.arg("FTFL"),                   "xx--o-xo-xo-xF--",
                       pmLabels,                                "o-xo-xo-xT-xxx--",
                       lastLabels,                              "xxxxxxxxxxxxxxx-"}
        << true;
    QTest::newRow("OTLC, first slice: OSMC, no FTFL, no lane marker byte")
        << otlcSlice1
        << QStringList{"FAS@6g|MFAS@1g9|SM@3b|GCC0@2b|OSMC@1b9|RES@1b|@1o|@1o", "xxxxx--T-xxxxx--",
                       tcmLabels.arg("RES"),                                  "xx--T-xT-xT-x---",
                       pmLabels,                                              "T-xT-xT-xT-xxx--",
                       lastLabels,                                            "xxxxxxxxxxxxxxx-"}
        << true;
    QTest::newRow("OTLC, second slice: no TCM, PM TTI, SM TTI or PSI choice")
        << otlcSlice2
        << QStringList{"FAS@6g|MFAS@1g9|SM@3b|GCC0@2b|RES@2b|@1o|@1o", "xxxxx----xxxxx--",
                       "RES@14g|@1o|@1o",                             "xx--------------",
                       "RES@9g|PM@3g|EXP@2g|@1o|@1o",                 "-----------xxx--",
                       lastLabels,                                    "xxxxxxxxxxxxxxx-"}
        << false;
}

void tst_OtnOhDialog::gridOfEachStructure()
{
    QFETCH(Structure, structure);
    QFETCH(QStringList, rows);
    QFETCH(bool, psiOffered);

    const Tester tester(structure);
    QVERIFY(tester.ok);
    const auto dialog = tester.open(structure);
    const int requests = tester.fixture.link()->writeRequests();
    const QTableWidget *table = tableOf(*dialog);
    QCOMPARE(table->rowCount(), 8);
    QCOMPARE(table->columnCount(), 16);
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row)
        shown << (row % 2 == 0 ? labelRow(*table, row) : valueRow(*table, row));
    QCOMPARE(shown, rows);
    QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("cmbPsi0"))->isVisibleTo(dialog.get()), psiOffered);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblPsi0"))->isVisibleTo(dialog.get()), psiOffered);

    // Every cell that can be pressed opens the editor of the field its label names (keypads are titled with
    // the byte's parameter); a TCM below the line level edits its TTI byte.
    QStringList wrongEditors;
    for (int row = 1; row < table->rowCount(); row += 2) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (!cell(*dialog, row, column)->isEnabled())
                continue;
            int first = column;
            while (first > 0 && table->item(row - 1, first)->text().isEmpty())
                --first;
            const QString field = table->item(row - 1, first)->text();
            QString title;
            ScopedDialogHandler handler(tester.fixture.dialogRunner(), [&](QDialog *opened) {
                title = opened->windowTitle();
                const auto *tcm = qobject_cast<OtnOhTcmiDialog *>(opened);
                if (tcm && tcm->isTtiShown() != (structure.level == 0))
                    title += QStringLiteral(" (wrong TTI mode)");
                return 0;
            });
            cell(*dialog, row, column)->click();
            if (title.isEmpty() || !title.contains(field) || title.endsWith(QStringLiteral("mode)")))
                wrongEditors << QStringLiteral("%1,%2 under %3: \"%4\"").arg(row).arg(column).arg(field, title);
        }
    }
    QCOMPARE(wrongEditors, QStringList());
    QCOMPARE(tester.fixture.link()->writeRequests(), requests);

    // Read-only access leaves nothing to press.
    dialog->setAccessState(1);
    for (int row = 1; row < table->rowCount(); row += 2) {
        for (int column = 0; column < table->columnCount(); ++column)
            QVERIFY2(!cell(*dialog, row, column)->isEnabled(),
                     qPrintable(QStringLiteral("%1,%2").arg(row).arg(column)));
    }
}

void tst_OtnOhDialog::title_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<QString>("title");

    const OtnMapping otu2(1, 0, 0, 0, 0);
    QTest::newRow("line level") << 0 << "2" << otu2 << "OTU2/ODU2/OPU2 Overhead";
    QTest::newRow("lower level") << 1 << "flex" << otu2 << "ODUflex/OPUflex Overhead";
    QTest::newRow("no name") << 2 << "" << otu2 << "Level3 Overhead";
}

void tst_OtnOhDialog::title()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(OtnMapping, mapping);
    QFETCH(QString, title);
    const OtnOhDialog dialog(ClientInfo{port, nullptr}, level, name, nullptr, mapping, 0);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialogFrameFaults(dialog, "otn_overhead.html", "bbOh",
                               {{QDialogButtonBox::Ok, 2005},
                                {QDialogButtonBox::Cancel, 2006},
                                {QDialogButtonBox::Apply, 2007},
                                {QDialogButtonBox::RestoreDefaults, 2015}}),
             QStringList());
}

void tst_OtnOhDialog::editsWaitForApplyAndGoAsOneBatch()
{
    Tester tester(otu2Line);
    const auto dialog = tester.open(otu2Line);
    QByteArray tti = OtnTti::message({}, {}, {});
    setFieldBytes(tti, OtnTti::sapiIs, "DEU");
    setFieldBytes(tti, OtnTti::dapiNs, "LAB 7");
    QStringList typed{"AB", "CD"};
    QByteArray shownTti;
    ScopedDialogHandler handler(tester.fixture.dialogRunner(), [&](QDialog *opened) {
        if (auto *sm = qobject_cast<OtnOhSmDialog *>(opened)) {
            shownTti = sm->tti();
            sm->setTti(tti);
            sm->setThirdByte(0x6D);
            return 1;
        }
        if (auto *keypad = qobject_cast<QzelNumpadDlg *>(opened)) {
            keypad->setText(typed.takeFirst());
            return 1;
        }
        return 0;
    });
    const int requests = tester.fixture.link()->writeRequests();
    cell(*dialog, 1, 7)->click();
    QCOMPARE(shownTti, OtnTti::message(tester.bytes(OTU_SM_TTI_SAPI), tester.bytes(OTU_SM_TTI_DAPI),
                                       tester.bytes(OTU_SM_TTI_OS)));
    cell(*dialog, 1, 11)->click();
    cell(*dialog, 5, 12)->click();

    // Shown at once, sent only by Apply.
    QCOMPARE(cell(*dialog, 1, 9)->text(), QStringLiteral("6D"));
    QCOMPARE(cell(*dialog, 1, 11)->text(), QStringLiteral("AB"));
    QCOMPARE(cell(*dialog, 5, 12)->text(), QStringLiteral("CD"));
    QCOMPARE(tester.fixture.link()->writeRequests(), requests);
    clickBox(*dialog, QDialogButtonBox::Apply);
    QCOMPARE(tester.fixture.link()->writeRequests(), requests + 1);
    QVERIFY(tester.fixture.settle());
    QCOMPARE(tester.fixture.link()->refusedWrites(), 0);
    QCOMPARE(OtnTti::message(tester.bytes(OTU_SM_TTI_SAPI), tester.bytes(OTU_SM_TTI_DAPI),
                             tester.bytes(OTU_SM_TTI_OS)),
             tti);
    QCOMPARE(tester.number(OTU_SM_BITS), 0x6Du);
    QCOMPARE(tester.bytes(gcc0Id), QByteArray("\x00\xAB", 2));
    QCOMPARE(tester.bytes(ODU_EXP[0]), QByteArray("\xCD\x00", 2));

    // From now on the table follows the tester.
    QVERIFY(tester.fixture.link()->serverChange(nsSID::otnSid(port, gcc0Id), QByteArray("\x12\x34")));
    QVERIFY(tester.fixture.settle());
    QCOMPARE(cell(*dialog, 1, 10)->text(), QStringLiteral("12"));
    QCOMPARE(cell(*dialog, 1, 11)->text(), QStringLiteral("34"));
    cell(*dialog, 1, 9)->click();
    QCOMPARE(shownTti, tti);
}

void tst_OtnOhDialog::restoreDefaultsIsOneBatchTheTesterTakes_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<QStringList>("writes");

    const QByteArray ftflHalf = zeros(1) + "JPNZEL   " + zeros(118);
    QStringList tcmsOnLine;
    QStringList tcmsBelow;
    for (int tcm = 0; tcm < 6; ++tcm) {
        tcmsOnLine << defaultTti(ODU_TCM_TTI_SAPI[tcm], ODU_TCM_TTI_DAPI[tcm], ODU_TCM_TTI_OS[tcm])
                   << w(ODU_TCM_BITS[0][tcm], 1u);
        tcmsBelow << w(ODU_TCM_TTI_OH[1][tcm], zeros(1)) << w(ODU_TCM_BITS[1][tcm], 1u);
    }
    const QStringList smOnLine = defaultTti(OTU_SM_TTI_SAPI, OTU_SM_TTI_DAPI, OTU_SM_TTI_OS)
                                 << w(OTU_SM_BITS, 0u) << w(gcc0Id, zeros(2));
    const QStringList pmOnLine = defaultTti(ODU_PM_TTI_SAPI[0], ODU_PM_TTI_DAPI[0], ODU_PM_TTI_OS[0])
                                 << w(ODU_PM_BITS[0], 1u);
    const QString fas0 = w(ODU_FAS[0], QByteArray::fromHex("F6F6F6282828"));

    QTest::newRow("line level") << otu2Line
                                << (QStringList{fas0} << smOnLine << w(OTU_RES, zeros(2)) << w(ODU_RES1[0], zeros(2))
                                                      << tcmsOnLine << ftflWrites(0, ftflHalf, ftflHalf) << pmOnLine
                                                      << defaultLastBytes(0) << w(OPU_PAYLOAD_TYPE[0], QByteArray("\xFE")));
    QTest::newRow("lower level")
        << odu0InOtu2
        << (QStringList{w(ODU_FAS[1], QByteArray::fromHex("F6F6F6282828")), w(ODU_RES1[1], zeros(2))}
            << tcmsBelow << ftflWrites(1, ftflHalf, ftflHalf)
            << defaultTti(ODU_PM_TTI_SAPI[1], ODU_PM_TTI_DAPI[1], ODU_PM_TTI_OS[1]) << w(ODU_PM_BITS[1], 1u)
            << defaultLastBytes(1) << w(OPU_PAYLOAD_TYPE[1], QByteArray("\xFE")));
    QTest::newRow("OTLC, second slice: third bytes without TTI, no TCM, FTFL or PSI")
        << otlcSlice2
        << (QStringList{fas0, w(OTU_SM_BITS, 0u), w(gcc0Id, zeros(2)), w(OTU_RES, zeros(2)),
                        w(ODU_RES1[0], zeros(2)), w(ODU_PM_BITS[0], 0u)}
            << defaultLastBytes(0));
}

void tst_OtnOhDialog::restoreDefaultsIsOneBatchTheTesterTakes()
{
    QFETCH(Structure, structure);
    QFETCH(QStringList, writes);

    Tester tester(structure);
    const int l = structure.level;
    QVERIFY(tester.ok);
    QVERIFY(tester.fixture.writeAndWait(port, ODU_FAS[l], QByteArray::fromHex("000102030405")));
    QVERIFY(tester.fixture.writeAndWait(port, ODU_PM_BITS[l], 0x20u));
    QVERIFY(tester.fixture.writeAndWait(port, OPU_PAYLOAD_TYPE[l], QByteArray("\x83")));
    const auto dialog = tester.open(structure);
    const int requests = tester.fixture.link()->writeRequests();

    // The PM third byte, edited first and set again by Restore Defaults, goes in its place in the batch.
    const TxWrites taken(tester);
    ScopedDialogHandler handler(tester.fixture.dialogRunner(), [](QDialog *opened) {
        if (auto *pm = qobject_cast<OtnOhPmDialog *>(opened))
            pm->setThirdByte(0x35);
        return 1;
    });
    cell(*dialog, 5, 11)->click();
    clickBox(*dialog, QDialogButtonBox::RestoreDefaults);
    QCOMPARE(cell(*dialog, 1, 0)->text(), QStringLiteral("F6"));
    QCOMPARE(tester.fixture.link()->writeRequests(), requests);
    clickBox(*dialog, QDialogButtonBox::Ok);
    QCOMPARE(tester.fixture.link()->writeRequests(), requests + 1);
    QVERIFY(tester.fixture.settle());
    QCOMPARE(tester.fixture.link()->refusedWrites(), 0);
    QCOMPARE(taken.taken(), writes);
}

void tst_OtnOhDialog::fieldEditorWritesItsParameters_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("writes");

    const QByteArray tti = numbered(64, 0x20);
    const QByteArray forward = numbered(128, 0);
    const QByteArray backward = numbered(128, 0x80);
    QTest::newRow("FTFL: forward, then backward") << otu2Line << 3 << 13 << ftflWrites(0, forward, backward);
    QTest::newRow("TCM1 on the line: message, third byte")
        << otu2Line << 5 << 6
        << QStringList{w(ODU_TCM_TTI_SAPI[0], tti.left(16)), w(ODU_TCM_TTI_DAPI[0], tti.mid(16, 16)),
                       w(ODU_TCM_TTI_OS[0], tti.mid(32)), w(ODU_TCM_BITS[0][0], 0x6Du)};
    QTest::newRow("TCM3 below the line: first and third byte")
        << odu0InOtu2 << 5 << 2 << QStringList{w(ODU_TCM_TTI_OH[1][2], QByteArray("\x5A")), w(ODU_TCM_BITS[1][2], 0x6Du)};
    QTest::newRow("PM on the second OTLC slice: third byte") << otlcSlice2 << 5 << 11
                                                             << QStringList{w(ODU_PM_BITS[0], 0x6Du)};
}

void tst_OtnOhDialog::fieldEditorWritesItsParameters()
{
    QFETCH(Structure, structure);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QStringList, writes);

    Tester tester(structure);
    QVERIFY(tester.ok);
    const auto dialog = tester.open(structure);
    const TxWrites taken(tester);
    ScopedDialogHandler handler(tester.fixture.dialogRunner(), [](QDialog *opened) {
        if (auto *ftfl = qobject_cast<OtnOhFtflDialog *>(opened)) {
            ftfl->setFtflHalf(0, numbered(128, 0));
            ftfl->setFtflHalf(1, numbered(128, 0x80));
        } else if (auto *field = qobject_cast<OtnOhTtiDialog *>(opened)) {
            field->setTti(numbered(64, 0x20));
            field->setThirdByte(0x6D);
            if (auto *tcm = qobject_cast<OtnOhTcmiDialog *>(opened))
                tcm->setFirstByte(0x5A);
        }
        return 1;
    });
    cell(*dialog, row, column)->click();
    clickBox(*dialog, QDialogButtonBox::Apply);
    QVERIFY(tester.fixture.settle());
    QCOMPARE(tester.fixture.link()->refusedWrites(), 0);
    QCOMPARE(taken.taken(), writes);
}

void tst_OtnOhDialog::psiComboListsAnUnknownCodeOnce()
{
    Tester tester(otu2Line);
    const auto dialog = tester.open(otu2Line);
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("cmbPsi0"));
    const int standard = combo->count();
    QCOMPARE(combo->currentText(), QStringLiteral("0xFE PRBS test signal mapping"));
    const int psi = nsSID::otnSid(port, OPU_PAYLOAD_TYPE[0]);

    for (int repeat = 0; repeat < 2; ++repeat) {
        QVERIFY(tester.fixture.link()->serverChange(psi, QByteArray("\x83")));
        QVERIFY(tester.fixture.settle());
        QCOMPARE(combo->count(), standard + 1);
        QCOMPARE(combo->currentText(), QStringLiteral("0x83 Reserved codes for proprietary use"));
    }
    QVERIFY(tester.fixture.link()->serverChange(psi, QByteArray("\x05")));
    QVERIFY(tester.fixture.settle());
    QCOMPARE(combo->count(), standard);
    QCOMPARE(combo->currentText(), QStringLiteral("0x05 GFP mapping"));
    QCOMPARE(cell(*dialog, 7, 14)->text(), QStringLiteral("05"));

    // A choice waits for Apply like any other edit.
    combo->setCurrentIndex(combo->findText(QStringLiteral("0xFD NULL test signal mapping")));
    QCOMPARE(cell(*dialog, 7, 14)->text(), QStringLiteral("FD"));
    QCOMPARE(tester.bytes(OPU_PAYLOAD_TYPE[0]), QByteArray("\x05"));
    clickBox(*dialog, QDialogButtonBox::Apply);
    QVERIFY(tester.fixture.settle());
    QCOMPARE(tester.bytes(OPU_PAYLOAD_TYPE[0]), QByteArray("\xFD"));
}

void tst_OtnOhDialog::setupButtonOpensTheTableOfItsLevel_data()
{
    QTest::addColumn<int>("buttonPort");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("report");

    QTest::newRow("11024 on port 2") << 2 << 11024 << 2 << QString();
    QTest::newRow("11022 on port 1") << 1 << 11022 << 0 << QString();
    QTest::newRow("another id: line level")
        << 1 << 11025 << 0
        << "ZEL_FATAL: ..\\..\\client\\otn\\customizedscreen\\uihelper_otnoverhead: line %d: Incorrect sid = "
           "17640209 in UiHelper_OtnOverhead";
}

void tst_OtnOhDialog::setupButtonOpensTheTableOfItsLevel()
{
    QFETCH(int, buttonPort);
    QFETCH(int, id);
    QFETCH(int, level);
    QFETCH(QString, report);

    // Each port's structure fields read port * 10 + field; the second stage field is never read.
    TestServerLink link;
    for (int p = 1; p <= 2; ++p) {
        for (int field = 0; field < OtnMapping::fieldCount; ++field)
            link.addParameter(new QcmaParameterEnum(nsSID::otnSid(p, MAPPING[field]), p * 10 + field, 0, 99));
    }
    zelServerManager manager(&link);
    DialogRunner dialogs;
    manager.setModalRunner(&dialogs);
    QPushButton button(QStringLiteral("Setup"));
    UiHelper_OtnOverhead binding(&manager, &button, nullptr, nullptr, nsSID::otnSid(buttonPort, id),
                                 UiHelper::ConnectManually);
    QList<int> shown;
    ScopedDialogHandler handler(dialogs, [&](QDialog *dialog) {
        if (const auto *table = qobject_cast<OtnOhDialog *>(dialog)) {
            shown << table->port() << table->level() << int(table->parentWidget() == &button);
            for (int field = 0; field < OtnMapping::fieldCount; ++field)
                shown << table->mapping()[field];
        }
        return 0;
    });
    DiagnosticsRecorder log;
    QTest::mouseClick(&button, Qt::LeftButton);
    const int f = buttonPort * 10;
    QCOMPARE(shown, (QList<int>{buttonPort, level, 1, f, f + 1, f + 2, f + 3, 0}));
    QCOMPARE(log.withLineNumbersMasked(), report.isEmpty() ? QStringList() : QStringList{report});
}

QTEST_MAIN(tst_OtnOhDialog)
#include "tst_otnohdialog.moc"
