#include <memory>

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/uihelper_binarybuttons.h"
#include "client/otn/components/uihelpers/uihelper_settext_combobox.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/dialogrunner.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testserverlink.h"
#include "tests/support/bitpattern.h"

namespace {

constexpr int enumId = 14003;
constexpr int intId = 14004;
constexpr int bytesId = 11100;

int sid(int id)
{
    return nsSID::otnSid(1, id);
}

const QByteArray catalogue = R"json({"parameters": [
    {"id": 14003, "group": "0x0D0000", "kind": "enum", "name": "Mode", "max": 5},
    {"id": 14004, "group": "0x0D0000", "kind": "int", "name": "Level", "min": 2, "max": 4},
    {"id": 11100, "group": "0x0D0000", "kind": "bytes", "name": "GCC1"}
]})json";

// What a value is made of, for the data tables.
struct Value {
    int id = enumId;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    QList<int> inactive;

    QcmaParameter *make() const
    {
        if (id == intId)
            return new QcmaParameterInt(sid(id), value, minimum, maximum);
        auto *p = new QcmaParameterEnum(sid(id), value, minimum, maximum);
        for (int v : inactive)
            p->setEnumActive(v, false);
        return p;
    }
};

// The test server with the value, and the manager on it.
struct Server {
    explicit Server(QcmaParameter *value)
    {
        link.addParameter(value);
        manager = std::make_unique<zelServerManager>(&link);
        manager->setModalRunner(&dialogs);
    }
    TestServerLink link{catalogue};
    DialogRunner dialogs;
    std::unique_ptr<zelServerManager> manager;
};

QStringList itemTexts(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Value)

class tst_OtnUiHelpers : public QObject
{
    Q_OBJECT
private slots:
    void textComboListsValuesAndWritesChoice_data();
    void textComboListsValuesAndWritesChoice();
    void textComboReportsWhatItCannotShow();
    void editingOneByteSendsTheWholeArray_data();
    void editingOneByteSendsTheWholeArray();
};

void tst_OtnUiHelpers::textComboListsValuesAndWritesChoice_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("written");

    const QStringList six{"t0", "t1", "t2", "t3", "t4", "t5"};
    QTest::newRow("enumeration 0..5 without 2 and 4, value 3")
        << Value{enumId, 3, 0, 5, {2, 4}} << six << QStringList{"t0", "t1", "t3", "t5"} << 2 << 3 << 5;
    QTest::newRow("inactive current value selects nothing")
        << Value{enumId, 4, 0, 5, {4}} << six << QStringList{"t0", "t1", "t2", "t3", "t5"} << -1 << 4 << 5;
    QTest::newRow("integer 2..4 takes the texts of 2, 3 and 4")
        << Value{intId, 3, 2, 4, {}} << six << QStringList{"t2", "t3", "t4"} << 1 << 2 << 4;
}

void tst_OtnUiHelpers::textComboListsValuesAndWritesChoice()
{
    QFETCH(Value, value);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(int, chosen);
    QFETCH(int, written);

    Server server(value.make());
    QComboBox combo;
    UiHelper_SetText_ComboBox binding(server.manager.get(), &combo, texts, sid(value.id), UiHelper::ConnectImmediately);
    QCOMPARE(itemTexts(combo), items);
    QCOMPARE(combo.currentIndex(), selected);

    // Refilling, from new texts or from the server, never writes back.
    const auto upper = [](QStringList list) {
        for (QString &text : list)
            text = text.toUpper();
        return list;
    };
    binding.setTextList(upper(texts));
    QCOMPARE(itemTexts(combo), upper(items));
    QCOMPARE(combo.currentIndex(), selected);
    server.link.serverChange(value.make());
    QTRY_COMPARE(server.manager->cachedParameter(sid(value.id))->getInt(), value.value);
    QCOMPARE(server.link.writeRequests(), 0);

    combo.setCurrentIndex(chosen);
    QCOMPARE(server.link.writeRequests(), 1);
    QTRY_COMPARE(server.link.value(sid(value.id))->getInt(), written);
}

void tst_OtnUiHelpers::textComboReportsWhatItCannotShow()
{
    {
        Server server(new QcmaParameterByteArray(sid(bytesId), bytes({1, 2})));
        QComboBox combo;
        combo.addItems({"kept", "items"});
        DiagnosticsRecorder log;
        UiHelper_SetText_ComboBox binding(server.manager.get(), &combo, {"a", "b"}, sid(bytesId),
                                          UiHelper::ConnectImmediately);
        QCOMPARE(log.lines().filter(QStringLiteral("ZEL_FATAL: ")).size(), 1);
        QCOMPARE(itemTexts(combo), (QStringList{"kept", "items"}));
    }
    Server server(Value{intId, 2, 2, 4, {}}.make());
    QComboBox combo;
    DiagnosticsRecorder log;
    UiHelper_SetText_ComboBox binding(server.manager.get(), &combo, {"t0", "t1", "t2", "t3"}, sid(intId),
                                      UiHelper::ConnectImmediately);
    QCOMPARE(log.lines().filter(QStringLiteral("ZEL_ASSERT_MSG: ")).size(), 1);
    QCOMPARE(itemTexts(combo), (QStringList{"t2", "t3", "4"}));
}

void tst_OtnUiHelpers::editingOneByteSendsTheWholeArray_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("sent");   // empty: nothing sent

    QTest::newRow("accepted") << 1 << "7e" << bytes({0x11, 0x7e, 0x33, 0x44});
    QTest::newRow("cancelled") << 0 << "7e" << QByteArray();
}

void tst_OtnUiHelpers::editingOneByteSendsTheWholeArray()
{
    QFETCH(int, answer);
    QFETCH(QString, typed);
    QFETCH(QByteArray, sent);

    const QByteArray start = bytes({0x11, 0x22, 0x33, 0x44});
    Server server(new QcmaParameterByteArray(sid(bytesId), start));
    UiHelper_BinaryButtons binding(server.manager.get(), sid(bytesId), UiHelper::ConnectImmediately);
    QWidget row;
    for (int i = 0; i < start.size(); ++i)
        binding.addButton(new QPushButton(&row));

    QString preset;
    QString title;
    double maximum = 0;
    int inputType = -1;
    ScopedDialogHandler handler(server.dialogs, [&](QDialog *dialog) {
        auto *keypad = qobject_cast<QzelNumpadDlg *>(dialog);
        if (!keypad)
            return 0;
        preset = keypad->text();
        title = keypad->windowTitle();
        maximum = keypad->maximum();
        inputType = keypad->inputType();
        keypad->setText(typed);
        return answer;
    });
    binding.button(1)->click();
    QCOMPARE(preset, QStringLiteral("22"));
    QCOMPARE(title, QStringLiteral("GCC1"));
    QCOMPARE(maximum, 255.0);
    QCOMPARE(inputType, int(QzelNumpadDlg::Hexadecimal));
    QCOMPARE(server.link.writeRequests(), sent.isEmpty() ? 0 : 1);
    // The button shows the server's answer, not the edit.
    QCOMPARE(binding.button(1)->text(), QStringLiteral("22"));
    if (sent.isEmpty())
        return;
    QCOMPARE(server.link.value(sid(bytesId))->getByteArray(), sent);
    QTRY_COMPARE(binding.button(1)->text(), QString::fromLatin1(sent.mid(1, 1).toHex().toUpper()));
}

QTEST_MAIN(tst_OtnUiHelpers)
#include "tst_otnuihelpers.moc"
