#include <functional>
#include <memory>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/customizedscreen/uihelper_otnoverhead.h"
#include "client/otn/interface_setup_status/dialogs/otnohdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohftfldialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohftflwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnohpmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohsmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohtcmidialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohttiwidget.h"
#include "dialogframe.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/dialogrunner.h"
#include "host/widgets/qcmapatterneditdlg.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "host/widgets/qzeldialog.h"
#include "host/widgets/qzelqwertydlg.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/bitpattern.h"
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

// A label row as "text@span".
QString labelRow(const QTableWidget &table, int row)
{
    QStringList tokens;
    for (int column = 0; column < table.columnCount(); column += table.columnSpan(row, column)) {
        const QTableWidgetItem *item = table.item(row, column);
        if (!item)
            return QStringLiteral("no item at %1").arg(column);
        tokens << QStringLiteral("%1@%2").arg(item->text()).arg(table.columnSpan(row, column));
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

QString w(int id, const QVariant &value)
{
    const QString text = value.type() == QVariant::ByteArray ? QString::fromLatin1(value.toByteArray().toHex().toUpper())
                                                             : QString::number(value.toUInt());
    return QStringLiteral("%1=%2").arg(id).arg(text);
}

// The transmitted overhead values the tester confirms, in the order it takes them, as w() gives them.
struct TxWrites : QObject {
    explicit TxWrites(const Tester &tester)
    {
        connect(tester.fixture.link(), &ServerLink::parameterChanged, this, [this](QSharedPointer<QcmaParameter> p) {
            const int id = nsSID::idOf(p->getSID());
            if (nsSID::portOf(p->getSID()) == port && id >= 11000 && id < 12000)
                taken << w(id, p->getType() == QcmaParameter::TypeByteArray ? QVariant(p->getByteArray())
                                                                           : QVariant(p->getUInt()));
        });
    }
    QStringList taken;
};

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

// Plays the user at the host's entry dialogs (keyboard, hex editor, keypad), remembering how the last one was
// opened: the answer is typed (or put into the editor) and confirmed, or the dialog is cancelled.
struct EntryUser {
    bool confirm = true;
    QString typed;
    QByteArray content;
    QString presetText;
    int maximumLength = -1;
    int sizeInBits = -1;
    int opened = 0;

    int answer(QDialog *dialog)
    {
        ++opened;
        if (auto *keyboard = qobject_cast<QzelQwertyDlg *>(dialog)) {
            presetText = keyboard->text();
            maximumLength = keyboard->maximumLength();
            keyboard->setText(typed);
        } else if (auto *editor = qobject_cast<QcmaPatternEditDlg *>(dialog)) {
            sizeInBits = editor->sizeInBits();
            QVector<quint8> bytes;
            for (char c : content)
                bytes.append(quint8(c));
            editor->setContent(bytes);
        } else if (auto *keypad = qobject_cast<QzelNumpadDlg *>(dialog)) {
            keypad->setText(typed);
        }
        return confirm ? 1 : 0;
    }
};

void click(const QWidget &parent, const char *name)
{
    auto *button = parent.findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

// An OTU2 line and an OTLC.4 line (interface values of the mapping record).
const OtnMapping otu2Mapping(1, 0, 0, 0, 0);
const OtnMapping otlcMapping(14, 0, 0, 0, 0);

enum class Kind { Pm, Sm, Tcmi };

OtnOhTtiDialog *makeDialog(Kind kind, const OtnMapping &mapping, int selector)
{
    if (kind == Kind::Pm)
        return new OtnOhPmDialog(nullptr, true, mapping, selector);
    if (kind == Kind::Sm)
        return new OtnOhSmDialog(nullptr, true, mapping, selector);
    return new OtnOhTcmiDialog(nullptr, true, mapping);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

Q_DECLARE_METATYPE(Structure)
Q_DECLARE_METATYPE(OtnMapping)

class tst_OtnOhDialog : public QObject
{
    Q_OBJECT
private slots:
    void gridOfEachStructure_data();
    void gridOfEachStructure();
    void editsGoAsOneBatch_data();
    void editsGoAsOneBatch();
    void followsTheTesterAndListsAnUnknownPsiOnce();
    void setupButtonOpensTheTableOfItsLevel();
    void textEntry_data();
    void textEntry();
    void thirdByte_data();
    void thirdByte();
    void ftflHalf();
    void acceptedGivesEntriesCancelledGivesOld_data();
    void acceptedGivesEntriesCancelledGivesOld();
};

void tst_OtnOhDialog::gridOfEachStructure_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("psiOffered");
    QTest::addColumn<QString>("title");

    const QString tcmLabels = QStringLiteral("RES@2|P&T@1|T/A@1|TCM6@3|TCM5@3|TCM4@3|%1@1|@1|@1");
    const QString pmLabels = QStringLiteral("TCM3@3|TCM2@3|TCM1@3|PM@3|EXP@2|@1|@1");
    const QString lastLabels = QStringLiteral("GCC1@2|GCC2@2|APS/PCC@4|RES@6|PSI@1|@1");
    QTest::newRow("line level")
        << otu2Line
        << QStringList{"FAS@6|MFAS@1|SM@3|GCC0@2|RES@2|@1|@1", "xxxxxx-T-xxxxx--",
                       tcmLabels.arg("FTFL"),                       "xx--T-xT-xT-xF--",
                       pmLabels,                                    "T-xT-xT-xT-xxx--",
                       lastLabels,                                  "xxxxxxxxxxxxxxx-"}
        << true << "OTU2/ODU2/OPU2 Overhead";
    QTest::newRow("lower level: fixed stuff, TCM TTI cells without text")
        << odu0InOtu2
        << QStringList{"FAS@6|MFAS@1|Fixed Stuff@7|@1|@1", "xxxxxx----------",
                       tcmLabels.arg("FTFL"),                   "xx--o-xo-xo-xF--",
                       pmLabels,                                "o-xo-xo-xT-xxx--",
                       lastLabels,                              "xxxxxxxxxxxxxxx-"}
        << true << "ODU0/OPU0 Overhead";
    QTest::newRow("OTLC, second slice: no TCM, PM TTI, SM TTI or PSI choice")
        << otlcSlice2
        << QStringList{"FAS@6|MFAS@1|SM@3|GCC0@2|RES@2|@1|@1", "xxxxx----xxxxx--",
                       "RES@14|@1|@1",                             "xx--------------",
                       "RES@9|PM@3|EXP@2|@1|@1",                 "-----------xxx--",
                       lastLabels,                                    "xxxxxxxxxxxxxxx-"}
        << false << "OTUC1/ODUC1/OPUC1 Overhead";
}

void tst_OtnOhDialog::gridOfEachStructure()
{
    QFETCH(Structure, structure);
    QFETCH(QStringList, rows);
    QFETCH(bool, psiOffered);
    QFETCH(QString, title);

    const Tester tester(structure);
    QVERIFY(tester.ok);
    const auto dialog = tester.open(structure);
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(dialogFrameFaults(*dialog, "otn_overhead.html", "bbOh",
                               {{QDialogButtonBox::Ok, 2005},
                                {QDialogButtonBox::Cancel, 2006},
                                {QDialogButtonBox::Apply, 2007},
                                {QDialogButtonBox::RestoreDefaults, 2015}}),
             QStringList());
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

// Each editor the table opens (keypads answer "AB"): shown at once, sent as one batch by Apply only. Restore
// Defaults (after a PM edit it overrides) waits for OK and sends every field the structure has, in table order.
void tst_OtnOhDialog::editsGoAsOneBatch_data()
{
    QTest::addColumn<Structure>("structure");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("shownColumn");   // a cell of the row that shows the edit at once, or -1
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<bool>("restoreDefaults");
    QTest::addColumn<QStringList>("writes");

    const QByteArray tti = numbered(64, 0x20);
    QTest::newRow("FTFL: forward, then backward")
        << otu2Line << 3 << 13 << -1 << "" << false << ftflWrites(0, numbered(128, 0), numbered(128, 0x80));
    QTest::newRow("SM: message, third byte")
        << otu2Line << 1 << 7 << 9 << "6D" << false
        << QStringList{w(OTU_SM_TTI_SAPI, tti.left(16)), w(OTU_SM_TTI_DAPI, tti.mid(16, 16)),
                       w(OTU_SM_TTI_OS, tti.mid(32)), w(OTU_SM_BITS, 0x6Du)};
    QTest::newRow("TCM3 below the line: first and third byte")
        << odu0InOtu2 << 5 << 2 << 2 << "6D" << false
        << QStringList{w(ODU_TCM_TTI_OH[1][2], QByteArray("\x5A")), w(ODU_TCM_BITS[1][2], 0x6Du)};

    const QByteArray ftflHalf = zeros(1) + "JPNZEL   " + zeros(118);
    QStringList tcmsOnLine;
    for (int tcm = 0; tcm < 6; ++tcm) {
        tcmsOnLine << defaultTti(ODU_TCM_TTI_SAPI[tcm], ODU_TCM_TTI_DAPI[tcm], ODU_TCM_TTI_OS[tcm])
                   << w(ODU_TCM_BITS[0][tcm], 1u);
    }
    const QStringList smOnLine = defaultTti(OTU_SM_TTI_SAPI, OTU_SM_TTI_DAPI, OTU_SM_TTI_OS)
                                 << w(OTU_SM_BITS, 0u) << w(gcc0Id, zeros(2));
    const QStringList pmOnLine = defaultTti(ODU_PM_TTI_SAPI[0], ODU_PM_TTI_DAPI[0], ODU_PM_TTI_OS[0])
                                 << w(ODU_PM_BITS[0], 1u);
    const QString fas0 = w(ODU_FAS[0], QByteArray::fromHex("F6F6F6282828"));
    QTest::newRow("defaults, line level")
        << otu2Line << 5 << 11 << -1 << "" << true
        << (QStringList{fas0} << smOnLine << w(OTU_RES, zeros(2)) << w(ODU_RES1[0], zeros(2)) << tcmsOnLine
                              << ftflWrites(0, ftflHalf, ftflHalf) << pmOnLine << defaultLastBytes(0)
                              << w(OPU_PAYLOAD_TYPE[0], QByteArray("\xFE")));
    QTest::newRow("defaults, OTLC second slice: third bytes without TTI, no TCM, FTFL or PSI")
        << otlcSlice2 << 5 << 11 << -1 << "" << true
        << (QStringList{fas0, w(OTU_SM_BITS, 0u), w(gcc0Id, zeros(2)), w(OTU_RES, zeros(2)),
                        w(ODU_RES1[0], zeros(2)), w(ODU_PM_BITS[0], 0u)}
            << defaultLastBytes(0));
}

void tst_OtnOhDialog::editsGoAsOneBatch()
{
    QFETCH(Structure, structure);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, shownColumn);
    QFETCH(QString, shownText);
    QFETCH(bool, restoreDefaults);
    QFETCH(QStringList, writes);

    Tester tester(structure);
    QVERIFY(tester.ok);
    if (restoreDefaults) {   // the tester holds other values than the defaults
        QVERIFY(tester.fixture.writeAndWait(port, ODU_FAS[structure.level], QByteArray::fromHex("000102030405")));
        QVERIFY(tester.fixture.writeAndWait(port, ODU_PM_BITS[structure.level], 0x20u));
        QVERIFY(tester.fixture.writeAndWait(port, OPU_PAYLOAD_TYPE[structure.level], QByteArray("\x83")));
    }
    const auto dialog = tester.open(structure);
    TxWrites taken(tester);
    ScopedDialogHandler handler(tester.fixture.dialogRunner(), [](QDialog *opened) {
        if (auto *ftfl = qobject_cast<OtnOhFtflDialog *>(opened)) {
            ftfl->setFtflHalf(0, numbered(128, 0));
            ftfl->setFtflHalf(1, numbered(128, 0x80));
        } else if (auto *field = qobject_cast<OtnOhTtiDialog *>(opened)) {
            field->setTti(numbered(64, 0x20));
            field->setThirdByte(0x6D);
            if (auto *tcm = qobject_cast<OtnOhTcmiDialog *>(opened))
                tcm->setFirstByte(0x5A);
        } else if (auto *keypad = qobject_cast<QzelNumpadDlg *>(opened)) {
            keypad->setText(QStringLiteral("AB"));
        }
        return 1;
    });
    const int requests = tester.fixture.link()->writeRequests();
    cell(*dialog, row, column)->click();
    if (shownColumn >= 0)
        QCOMPARE(cell(*dialog, row, shownColumn)->text(), shownText);
    if (restoreDefaults) {
        clickBox(*dialog, QDialogButtonBox::RestoreDefaults);
        QCOMPARE(cell(*dialog, 1, 0)->text(), QStringLiteral("F6"));
    }
    QCOMPARE(tester.fixture.link()->writeRequests(), requests);
    clickBox(*dialog, restoreDefaults ? QDialogButtonBox::Ok : QDialogButtonBox::Apply);
    QCOMPARE(tester.fixture.link()->writeRequests(), requests + 1);
    QVERIFY(tester.fixture.settle());
    QCOMPARE(tester.fixture.link()->refusedWrites(), 0);
    QCOMPARE(taken.taken, writes);
}

void tst_OtnOhDialog::followsTheTesterAndListsAnUnknownPsiOnce()
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

    // An editor opens on what the tester holds.
    QVERIFY(tester.fixture.link()->serverChange(nsSID::otnSid(port, OTU_SM_TTI_DAPI), numbered(16, 0x41)));
    QVERIFY(tester.fixture.settle());
    QByteArray shownTti;
    ScopedDialogHandler handler(tester.fixture.dialogRunner(), [&shownTti](QDialog *opened) {
        if (auto *sm = qobject_cast<OtnOhSmDialog *>(opened))
            shownTti = sm->tti();
        return 0;
    });
    cell(*dialog, 1, 7)->click();
    QCOMPARE(shownTti.mid(16, 16), numbered(16, 0x41));
}

// The button of id 11024 on port 2 opens the table of level 2.
void tst_OtnOhDialog::setupButtonOpensTheTableOfItsLevel()
{
    const int buttonPort = 2;
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
    UiHelper_OtnOverhead binding(&manager, &button, nullptr, nullptr, nsSID::otnSid(buttonPort, 11024),
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
    QTest::mouseClick(&button, Qt::LeftButton);
    const int f = buttonPort * 10;
    QCOMPARE(shown, (QList<int>{buttonPort, 2, 1, f, f + 1, f + 2, f + 3, 0}));
}

// A text field of a trace editor: the entry dialog opens on it, and what is typed goes into its bytes.
void tst_OtnOhDialog::textEntry_data()
{
    QTest::addColumn<bool>("ftfl");   // a field of the backward FTFL half, else of a TTI message
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("buttonText");
    // The message holds "OSAKA" behind SAPI[0] and DAPI[0], and again in the DAPI NS, zero-filled.
    QTest::newRow("ampersand into DAPI IS")
        << false << "pbDapiIs" << 17 << "OSA" << "A&B" << true << QByteArray("A&B") << "A&&B";
    QTest::newRow("cancelled") << false << "pbDapiNs" << 20 << "OSAKA" << "XYZ" << false
                               << QByteArray("OSAKA\0\0\0\0\0\0\0", 12) << "OSAKA.......";
    QTest::newRow("FTFL: one letter into NSC")
        << true << "pbOifNsc" << 4 << "OPERA1" << "A" << true << QByteArray("A     ") << "A     ";
    QTest::newRow("FTFL: operator specific, 944 bits")
        << true << "pbOpe" << 10 << "" << "" << true << numbered(118, 0x10) << "";
}

void tst_OtnOhDialog::textEntry()
{
    QFETCH(bool, ftfl);
    QFETCH(QString, button);
    QFETCH(int, start);
    QFETCH(QString, preset);
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QByteArray, field);
    QFETCH(QString, buttonText);

    DialogRunner runner;
    QzelDialog host;   // the TTI widget's entry dialogs go through the runner of the dialog it sits in
    host.setDialogRunner(&runner);
    OtnOhTtiWidget ttiWidget(&host, true);
    QByteArray before(64, '\0');
    before.replace(0, 6, "\x09OSAKA");
    before.replace(16, 6, "\x0aOSAKA");
    before.replace(20, 5, "OSAKA");
    ttiWidget.setTti(before);
    OtnOhFtflDialog ftflDialog;
    ftflDialog.setDialogRunner(&runner);
    const QByteArray forward = bytes({0x01}) + "JPNZEL   " + QByteArray(118, '\0');
    ftflDialog.setFtflHalf(0, forward);
    if (ftfl) {
        before = bytes({0x02}) + "USAOPERA1" + QByteArray(118, '\x33');
        ftflDialog.setFtflHalf(1, before);
    }
    const QWidget &editor = ftfl ? static_cast<QWidget &>(*ftflDialog.backwardWidget()) : ttiWidget;

    EntryUser user{confirm, typed, field};
    ScopedDialogHandler handler(runner, [&user](QDialog *dialog) { return user.answer(dialog); });
    click(editor, qPrintable(button));
    QCOMPARE(user.opened, 1);
    if (button == QLatin1String("pbOpe")) {
        QCOMPARE(user.sizeInBits, 944);
    } else {
        QCOMPARE(user.maximumLength, field.size());
        QCOMPARE(user.presetText, preset);
        QCOMPARE(editor.findChild<QPushButton *>(button)->text(), buttonText);
    }
    QByteArray expected = before;
    expected.replace(start, field.size(), field);
    QCOMPARE(ftfl ? ftflDialog.ftflHalf(1) : ttiWidget.tti(), expected);
    QCOMPARE(ftflDialog.ftflHalf(0), forward);
}

void tst_OtnOhDialog::thirdByte_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QStringList>("shown");   // the third-byte combos, bit 1 first
    QTest::addColumn<QString>("changedCombo");
    QTest::addColumn<int>("newIndex");
    QTest::addColumn<int>("changedByte");

    QTest::newRow("PM") << Kind::Pm << otu2Mapping << 0 << 0xB5 << QStringList{"1011", "0", "101: ODUk-LCK"}
                        << "cmbBdi" << 1 << 0xBD;
    QTest::newRow("SM") << Kind::Sm << otu2Mapping << 0 << 0x6D << QStringList{"0110", "1", "1", "01"} << "cmbIae"
                        << 0 << 0x69;
    QTest::newRow("TCMi, ODUCn") << Kind::Tcmi << otlcMapping << 0 << 0x0D
                                 << QStringList{"0000", "1", "101: ODUCn-OCI"} << "cmbStat" << 0 << 0x08;
}

void tst_OtnOhDialog::thirdByte()
{
    QFETCH(Kind, kind);
    QFETCH(OtnMapping, mapping);
    QFETCH(int, selector);
    QFETCH(int, byte);
    QFETCH(QStringList, shown);
    QFETCH(QString, changedCombo);
    QFETCH(int, newIndex);
    QFETCH(int, changedByte);

    std::unique_ptr<OtnOhTtiDialog> dialog(makeDialog(kind, mapping, selector));
    dialog->setThirdByte(quint8(byte));
    const QStringList combos = kind == Kind::Pm   ? QStringList{"cmbBei", "cmbBdi", "cmbStat"}
                               : kind == Kind::Sm ? QStringList{"cmbBeiBiae", "cmbBdi", "cmbIae", "cmbRes"}
                                                  : QStringList{"cmbBeiBiae", "cmbBdi", "cmbStat"};
    QStringList texts;
    for (const QString &name : combos)
        texts << dialog->findChild<QComboBox *>(name)->currentText();
    QCOMPARE(texts, shown);
    QCOMPARE(int(dialog->thirdByte()), byte);
    dialog->findChild<QComboBox *>(changedCombo)->setCurrentIndex(newIndex);
    QCOMPARE(int(dialog->thirdByte()), changedByte);
}

// A zero first in the CC, a DEL in the NSC.
void tst_OtnOhDialog::ftflHalf()
{
    const QByteArray half = bytes({0x01, 0x00, 'X', 'Y', 'A', 0x7F, 'B', 0, 'C', 'D'}) + QByteArray(118, '\x5a');
    OtnOhFtflWidget widget;
    auto *combo = widget.findChild<QComboBox *>("cmbFif");
    QCOMPARE(combo->count(), 256);
    widget.setFtflHalf(half);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("0x01 Signal Fail"));
    QCOMPARE(widget.findChild<QPushButton *>("pbOifCc")->text(), QString());
    QCOMPARE(widget.findChild<QPushButton *>("pbOifNsc")->text(), QStringLiteral("A.B"));
    QCOMPARE(widget.ftflHalf(), half);

    // Choosing item i stores code i.
    combo->setCurrentIndex(7);
    QByteArray expected = half;
    expected[0] = 7;
    QCOMPARE(widget.ftflHalf(), expected);
}

// The user edits a text field and a third-byte combo (or the first byte), then presses OK or Cancel.
void tst_OtnOhDialog::acceptedGivesEntriesCancelledGivesOld_data()
{
    QTest::addColumn<QString>("dialogKind");
    QTest::addColumn<bool>("accept");
    for (const char *kind : {"PM", "TCMi 1st byte", "FTFL"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 accepted").arg(kind))) << QString(kind) << true;
        QTest::newRow(qPrintable(QStringLiteral("%1 cancelled").arg(kind))) << QString(kind) << false;
    }
}

void tst_OtnOhDialog::acceptedGivesEntriesCancelledGivesOld()
{
    QFETCH(QString, dialogKind);
    QFETCH(bool, accept);

    const QByteArray oldTti = QByteArray(1, '\0') + "JPNTAMBRIK ZEL " + QByteArray(1, '\0') + "JPNTAMBRIK ZEL "
                              + QByteArray(32, '\0');
    const QByteArray oldHalf = bytes({0x00}) + "JPNZEL   " + QByteArray(118, '\0');
    EntryUser user{true, QStringLiteral("42")};
    // Inside the dialog every entry is confirmed; the dialog itself is then closed by OK or Cancel.
    std::function<void(QDialog *)> edit;
    DialogRunner runner;
    ScopedDialogHandler handler(runner, [&](QDialog *d) {
        if (!qobject_cast<OtnOhTtiDialog *>(d) && !qobject_cast<OtnOhFtflDialog *>(d))
            return user.answer(d);
        edit(d);
        auto *box = d->findChild<QDialogButtonBox *>();
        box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return d->result();
    });

    if (dialogKind == QLatin1String("FTFL")) {
        OtnOhFtflDialog dialog;
        dialog.setDialogRunner(&runner);
        dialog.setFtflHalf(0, oldHalf);
        dialog.setFtflHalf(1, oldHalf);
        edit = [](QDialog *d) {
            auto *ftfl = static_cast<OtnOhFtflDialog *>(d);
            ftfl->forwardWidget()->findChild<QComboBox *>("cmbFif")->setCurrentIndex(2);
            click(*ftfl->backwardWidget(), "pbOifNsc");
        };
        QCOMPARE(dialog.exec(), accept ? 1 : 0);
        QByteArray forward = oldHalf;
        QByteArray backward = oldHalf;
        if (accept) {
            forward[0] = 2;
            backward.replace(4, 6, "42    ");
        }
        QCOMPARE(dialog.ftflHalf(0), forward);
        QCOMPARE(dialog.ftflHalf(1), backward);
        return;
    }

    const bool pm = dialogKind == QLatin1String("PM");
    std::unique_ptr<OtnOhTtiDialog> dialog(makeDialog(pm ? Kind::Pm : Kind::Tcmi, otu2Mapping, 0));
    dialog->setDialogRunner(&runner);
    auto *tcmi = qobject_cast<OtnOhTcmiDialog *>(dialog.get());
    dialog->setOhName(QStringLiteral("2"));
    if (tcmi) {
        tcmi->setTtiShown(false);
        tcmi->setFirstByte(9);
    } else {
        dialog->setTti(oldTti);
    }
    dialog->setThirdByte(0x01);
    edit = [pm](QDialog *d) {
        if (pm)
            click(*static_cast<OtnOhTtiDialog *>(d)->ttiWidget(), "pbSapiNs");
        else
            click(*d, "pb1stByte");
        d->findChild<QComboBox *>(pm ? "cmbBei" : "cmbBeiBiae")->setCurrentIndex(3);
    };
    QCOMPARE(dialog->exec(), accept ? 1 : 0);
    QCOMPARE(int(dialog->thirdByte()), accept ? 0x31 : 0x01);
    if (tcmi) {
        QCOMPARE(int(tcmi->firstByte()), accept ? 42 : 9);
    } else {
        QByteArray tti = oldTti;
        if (accept)
            tti.replace(4, 12, "42          ");
        QCOMPARE(dialog->tti(), tti);
    }
}

QTEST_MAIN(tst_OtnOhDialog)
#include "tst_otnohdialog.moc"
