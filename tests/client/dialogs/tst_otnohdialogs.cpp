#include <functional>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnohapsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohftfldialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohftflwidget.h"
#include "client/otn/interface_setup_status/dialogs/otnohpmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohsmdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohtcmidialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohttiwidget.h"
#include "dialogframe.h"
#include "host/widgets/dialogrunner.h"
#include "host/widgets/qcmapatterneditdlg.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "host/widgets/qzeldialog.h"
#include "host/widgets/qzelqwertydlg.h"
#include "tests/support/bitpattern.h"

namespace {

// An OTU2 line and an OTLC.4 line (interface values of the mapping record).
const OtnMapping otu2(1, 0, 0, 0, 0);
const OtnMapping otlc(14, 0, 0, 0, 0);

QVector<quint8> vectorOf(const QByteArray &array)
{
    QVector<quint8> v;
    for (char c : array)
        v.append(quint8(c));
    return v;
}

// A message whose every byte tells its position.
QByteArray numbered(int count, int first)
{
    QByteArray array;
    for (int i = 0; i < count; ++i)
        array.append(char(first + i));
    return array;
}

// Plays the user at the host's entry dialogs (keyboard, hex editor, keypad) and remembers how each was
// opened. The answer is typed (or put into the editor) and confirmed, or the dialog is cancelled.
struct EntryUser {
    bool confirm = true;
    QString typed;
    QVector<quint8> content;
    QString presetText;
    int maximumLength = -1;
    QVector<quint8> presetContent;
    int sizeInBits = -1;
    int lineWidth = -1;
    int viewMode = -1;
    double keypadMaximum = -1;
    int opened = 0;

    int answer(QDialog *dialog)
    {
        ++opened;
        if (auto *keyboard = qobject_cast<QzelQwertyDlg *>(dialog)) {
            presetText = keyboard->text();
            maximumLength = keyboard->maximumLength();
            keyboard->setText(typed);
        } else if (auto *editor = qobject_cast<QcmaPatternEditDlg *>(dialog)) {
            presetContent = editor->content();
            sizeInBits = editor->sizeInBits();
            lineWidth = editor->lineWidth();
            viewMode = editor->viewMode();
            editor->setContent(content);
        } else if (auto *keypad = qobject_cast<QzelNumpadDlg *>(dialog)) {
            presetText = keypad->text();
            keypadMaximum = keypad->maximum();
            keypad->setText(typed);
        }
        return confirm ? 1 : 0;
    }
};

QStringList comboTexts(const QWidget &dialog, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names) {
        const auto *combo = dialog.findChild<QComboBox *>(name);
        texts << (combo ? combo->currentText() : QStringLiteral("<no %1>").arg(name));
    }
    return texts;
}

QStringList visibleOf(const QWidget &parent, const QStringList &names)
{
    QStringList visible;
    for (const QString &name : names) {
        const auto *widget = parent.findChild<QWidget *>(name);
        if (widget && widget->isVisibleTo(&parent))
            visible << name;
    }
    return visible;
}

// The dialog an editor widget sits in, with the runner its entry dialogs go through.
struct EditorHost {
    EditorHost() { dialog.setDialogRunner(&runner); }
    DialogRunner runner;
    QzelDialog dialog;
};

void click(const QWidget &parent, const char *name)
{
    auto *button = parent.findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

// The dialog's third-byte combos, bit 1 first.
const QStringList pmCombos{"cmbBei", "cmbBdi", "cmbStat"};
const QStringList smCombos{"cmbBeiBiae", "cmbBdi", "cmbIae", "cmbRes"};
const QStringList tcmiCombos{"cmbBeiBiae", "cmbBdi", "cmbStat"};

enum class Kind { Pm, Sm, Tcmi };

OtnOhTtiDialog *makeDialog(Kind kind, const OtnMapping &mapping, int selector, bool structured = true)
{
    switch (kind) {
    case Kind::Pm:
        return new OtnOhPmDialog(nullptr, structured, mapping, selector);
    case Kind::Sm:
        return new OtnOhSmDialog(nullptr, structured, mapping, selector);
    case Kind::Tcmi:
        return new OtnOhTcmiDialog(nullptr, structured, mapping);
    }
    return nullptr;
}

const QStringList &combosOf(Kind kind)
{
    return kind == Kind::Pm ? pmCombos : kind == Kind::Sm ? smCombos : tcmiCombos;
}

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(OtnMapping)

class tst_OtnOhDialogs : public QObject
{
    Q_OBJECT
private slots:
    void ttiTextEntry_data();
    void ttiTextEntry();
    void thirdByte_data();
    void thirdByte();
    void ftflHalf_data();
    void ftflHalf();
    void ftflEntry_data();
    void ftflEntry();
    void acceptedGivesEntriesCancelledGivesOld_data();
    void acceptedGivesEntriesCancelledGivesOld();
};

void tst_OtnOhDialogs::ttiTextEntry_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("buttonText");
    // The message holds "OSAKA" behind SAPI[0] and DAPI[0], and again in the DAPI NS, zero-filled.
    QTest::newRow("two letters into SAPI IS") << "pbSapiIs" << 1 << "OSA" << "AB" << true << QByteArray("AB ") << "AB ";
    QTest::newRow("SAPI NS") << "pbSapiNs" << 4 << "KA" << "TOKYO" << true << QByteArray("TOKYO       ")
                             << "TOKYO       ";
    QTest::newRow("ampersand into DAPI IS") << "pbDapiIs" << 17 << "OSA" << "A&B" << true << QByteArray("A&B")
                                            << "A&&B";
    QTest::newRow("cancelled") << "pbDapiNs" << 20 << "OSAKA" << "XYZ" << false
                               << QByteArray("OSAKA\0\0\0\0\0\0\0", 12) << "OSAKA.......";
}

void tst_OtnOhDialogs::ttiTextEntry()
{
    QFETCH(QString, button);
    QFETCH(int, start);
    QFETCH(QString, preset);
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QByteArray, field);
    QFETCH(QString, buttonText);

    EditorHost host;
    OtnOhTtiWidget widget(&host.dialog, true);
    QByteArray tti(64, '\0');
    tti.replace(0, 6, "\x09OSAKA");
    tti.replace(16, 6, "\x0aOSAKA");
    tti.replace(20, 5, "OSAKA");
    widget.setTti(tti);

    EntryUser user{confirm, typed};
    ScopedDialogHandler handler(host.runner, [&user](QDialog *dialog) { return user.answer(dialog); });
    click(widget, qPrintable(button));
    QCOMPARE(user.opened, 1);
    QCOMPARE(user.maximumLength, field.size());
    QCOMPARE(user.presetText, preset);

    QByteArray expected = tti;
    expected.replace(start, field.size(), field);
    QCOMPARE(widget.tti(), expected);
    QCOMPARE(widget.findChild<QPushButton *>(button)->text(), buttonText);
}

void tst_OtnOhDialogs::thirdByte_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<OtnMapping>("mapping");
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("changedCombo");
    QTest::addColumn<int>("newIndex");
    QTest::addColumn<int>("changedByte");

    QTest::newRow("PM") << Kind::Pm << otu2 << 0 << 0xB5 << QStringList{"1011", "0", "101: ODUk-LCK"} << "cmbBdi" << 1
                        << 0xBD;
    QTest::newRow("PM, ODUCn first slice") << Kind::Pm << otlc << 0 << 0x05
                                           << QStringList{"0000", "0", "101: Reserved"} << "cmbStat" << 7 << 0x07;
    QTest::newRow("SM") << Kind::Sm << otu2 << 0 << 0x6D << QStringList{"0110", "1", "1", "01"} << "cmbIae" << 0
                        << 0x69;
    // The hidden BDI and IAE combos take no bits.
    QTest::newRow("SM, OTLC second slice") << Kind::Sm << otlc << 1 << 0x6D << QStringList{"0110", "0", "0", "1101"}
                                           << "cmbRes" << 2 << 0x62;
    QTest::newRow("TCMi") << Kind::Tcmi << otu2 << 0 << 0xB5 << QStringList{"1011", "0", "101: ODUk-LCK"}
                          << "cmbBeiBiae" << 0 << 0x05;
    QTest::newRow("TCMi, ODUCn") << Kind::Tcmi << otlc << 0 << 0x0D << QStringList{"0000", "1", "101: ODUCn-OCI"}
                                 << "cmbStat" << 0 << 0x08;
}

void tst_OtnOhDialogs::thirdByte()
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
    QCOMPARE(comboTexts(*dialog, combosOf(kind)), shown);
    QCOMPARE(int(dialog->thirdByte()), byte);
    dialog->findChild<QComboBox *>(changedCombo)->setCurrentIndex(newIndex);
    QCOMPARE(int(dialog->thirdByte()), changedByte);
}

void tst_OtnOhDialogs::ftflHalf_data()
{
    QTest::addColumn<QByteArray>("half");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fif");
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("nsc");
    const QByteArray rest(118, '\x5a');
    QTest::newRow("reserved code 0x2A") << bytes({0x2A}) + "USAOPERA1" + rest << 42 << "0x2A Reserved" << "USA"
                                        << "OPERA1";
    QTest::newRow("last code") << bytes({0xFF}) + "JPNZEL   " + rest << 255 << "0xFF Reserved" << "JPN" << "ZEL   ";
    QTest::newRow("zero first in CC, DEL in NSC") << bytes({0x01, 0x00, 'X', 'Y', 'A', 0x7F, 'B', 0, 'C', 'D'}) + rest
                                                  << 1 << "0x01 Signal Fail" << "" << "A.B";
    QTest::newRow("ampersand") << bytes({0x02}) + "A&BR&D   " + rest << 2 << "0x02 Signal Degrade" << "A&&B"
                               << "R&&D   ";
}

void tst_OtnOhDialogs::ftflHalf()
{
    QFETCH(QByteArray, half);
    QFETCH(int, item);
    QFETCH(QString, fif);
    QFETCH(QString, cc);
    QFETCH(QString, nsc);

    OtnOhFtflWidget widget;
    auto *combo = widget.findChild<QComboBox *>("cmbFif");
    QCOMPARE(combo->count(), 256);
    widget.setFtflHalf(half);
    QCOMPARE(combo->currentIndex(), item);
    QCOMPARE(combo->currentText(), fif);
    QCOMPARE(widget.findChild<QPushButton *>("pbOifCc")->text(), cc);
    QCOMPARE(widget.findChild<QPushButton *>("pbOifNsc")->text(), nsc);
    QCOMPARE(widget.findChild<QLabel *>("lblOpe")->text(), WidgetText().getUiText(5111));
    QCOMPARE(widget.ftflHalf(), half);

    // Choosing item i stores code i.
    combo->setCurrentIndex(7);
    QByteArray expected = half;
    expected[0] = 7;
    QCOMPARE(widget.ftflHalf(), expected);
}

void tst_OtnOhDialogs::ftflEntry_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("start");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("one letter into NSC") << "pbOifNsc" << "A" << 4 << QByteArray("A     ");
    QTest::newRow("CC") << "pbOifCc" << "DE" << 1 << QByteArray("DE ");
    QTest::newRow("operator specific") << "pbOpe" << "" << 10 << numbered(118, 0x10);
}

void tst_OtnOhDialogs::ftflEntry()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(int, start);
    QFETCH(QByteArray, field);

    DialogRunner runner;
    OtnOhFtflDialog dialog;
    dialog.setDialogRunner(&runner);
    const QByteArray forward = bytes({0x01}) + "JPNZEL   " + QByteArray(118, '\0');
    const QByteArray backward = bytes({0x02}) + "USAOPERA1" + QByteArray(118, '\x33');
    dialog.setFtflHalf(0, forward);
    dialog.setFtflHalf(1, backward);
    QCOMPARE(dialog.ftflHalf(0), forward);
    QCOMPARE(dialog.ftflHalf(2), backward);

    EntryUser user{true, typed};
    user.content = vectorOf(field);
    ScopedDialogHandler handler(runner, [&user](QDialog *d) { return user.answer(d); });
    click(*dialog.backwardWidget(), qPrintable(button));
    QCOMPARE(user.opened, 1);
    if (button == QLatin1String("pbOpe"))
        QCOMPARE(user.sizeInBits, 944);
    else
        QCOMPARE(user.maximumLength, field.size());
    QByteArray expected = backward;
    expected.replace(start, field.size(), field);
    QCOMPARE(dialog.ftflHalf(1), expected);
    QCOMPARE(dialog.ftflHalf(0), forward);
}

// The user edits a text field and a third-byte combo (or the first byte), then presses OK or Cancel.
void tst_OtnOhDialogs::acceptedGivesEntriesCancelledGivesOld_data()
{
    QTest::addColumn<QString>("dialogKind");
    QTest::addColumn<bool>("accept");
    for (const char *kind : {"PM", "TCMi 1st byte", "FTFL"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 accepted").arg(kind))) << QString(kind) << true;
        QTest::newRow(qPrintable(QStringLiteral("%1 cancelled").arg(kind))) << QString(kind) << false;
    }
}

void tst_OtnOhDialogs::acceptedGivesEntriesCancelledGivesOld()
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
    std::unique_ptr<OtnOhTtiDialog> dialog(makeDialog(pm ? Kind::Pm : Kind::Tcmi, otu2, 0));
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

QTEST_MAIN(tst_OtnOhDialogs)
#include "tst_otnohdialogs.moc"
