#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/uihelperdialog.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/parameters/qcmaparametermap.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/qzelnumpaddlg.h"

using namespace BindingTest;

namespace {
// A dialog as the plug-in builds one: a combo and a number button, a label that shows the combo's
// value too, and a box with OK, Apply and Cancel.
struct EditDialog {
    explicit EditDialog(zelServerManager *manager) : dialog(manager, nullptr)
    {
        combo = new QComboBox(&dialog);
        echo = new QLabel(&dialog);
        number = new QPushButton(&dialog);
        box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel,
                                   &dialog);
        dialog.SetButtons(box);
        UiHelperList *list = dialog.uiHelperList();
        list->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
            manager, combo, nullptr, nullptr, nullptr, nsSID::otnSid(port, modeId), UiHelper::ConnectImmediately));
        list->AddUiHelper(std::make_unique<UiHelper_Label>(manager, echo, nullptr, nullptr, nsSID::otnSid(port, modeId),
                                                           0, UiHelper::ConnectImmediately));
        list->AddUiHelper(std::make_unique<UiHelper_Number>(
            manager, number, nullptr, nullptr, nsSID::otnSid(port, burstId), UiHelper::ConnectImmediately));
    }

    void press(QDialogButtonBox::StandardButton which) { box->button(which)->click(); }

    UiHelperDialog dialog;
    QComboBox *combo = nullptr;
    QLabel *echo = nullptr;
    QPushButton *number = nullptr;
    QDialogButtonBox *box = nullptr;
};

void enterNumber(DialogRunner &runner, QPushButton *button, const QString &text)
{
    ScopedDialogHandler handler(runner, [&text](QDialog *dialog) {
        qobject_cast<QzelNumpadDlg *>(dialog)->setText(text);
        return 1;
    });
    button->click();
}
} // namespace

class tst_UiHelperDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void closingWays_data();
    void closingWays();
    void applyThenCancelKeepsApplied();
    void pendingValueSurvivesServerChange();

private:
    std::unique_ptr<Server> m_server;
};

void tst_UiHelperDialog::init()
{
    m_server = std::make_unique<Server>();
    m_server->fake()->addParameter(new QcmaParameterEnum(nsSID::otnSid(port, modeId), 0, 0, 5));
    m_server->fake()->addParameter(new QcmaParameterInt(nsSID::otnSid(port, burstId), 1, 1, 1000));
    m_server->manager();
}

void tst_UiHelperDialog::closingWays_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("serverMode");
    QTest::addColumn<int>("serverBurst");
    QTest::addColumn<QString>("comboShows");

    QTest::newRow("OK sends one request") << "ok" << 1 << int(QDialog::Accepted) << 4 << 250 << "Rate";
    QTest::newRow("Apply sends, stays open") << "apply" << 1 << -1 << 4 << 250 << "Rate";
    QTest::newRow("Cancel drops") << "cancel" << 0 << int(QDialog::Rejected) << 0 << 1 << "Single";
    QTest::newRow("closing drops") << "close" << 0 << int(QDialog::Rejected) << 0 << 1 << "Single";
    QTest::newRow("accept from code sends") << "accept" << 1 << int(QDialog::Accepted) << 4 << 250 << "Rate";
}

void tst_UiHelperDialog::closingWays()
{
    QFETCH(QString, way);
    QFETCH(int, requests);
    QFETCH(int, result);
    QFETCH(int, serverMode);
    QFETCH(int, serverBurst);
    QFETCH(QString, comboShows);

    EditDialog edit(m_server->manager());
    edit.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit.dialog));
    edit.combo->setCurrentIndex(4);
    enterNumber(m_server->dialogRunner(), edit.number, QStringLiteral("250"));
    // Pending: shown by every binding of the dialog, sent to nobody.
    QCOMPARE(edit.echo->text(), QStringLiteral("Rate"));
    QCOMPARE(edit.number->text(), QStringLiteral("250"));
    QCOMPARE(edit.dialog.uiHelperList()->parameterMap()->count(), 2);
    QCOMPARE(m_server->fake()->writeRequests(), 0);

    if (way == QLatin1String("ok"))
        edit.press(QDialogButtonBox::Ok);
    else if (way == QLatin1String("apply"))
        edit.press(QDialogButtonBox::Apply);
    else if (way == QLatin1String("cancel"))
        edit.press(QDialogButtonBox::Cancel);
    else if (way == QLatin1String("close"))
        QTest::keyClick(&edit.dialog, Qt::Key_Escape);
    else
        edit.dialog.accept();

    QCOMPARE(m_server->fake()->writeRequests(), requests);
    QCOMPARE(m_server->fake()->value(nsSID::otnSid(port, modeId))->getEnum(), serverMode);
    QCOMPARE(m_server->fake()->value(nsSID::otnSid(port, burstId))->getInt(), serverBurst);
    QCOMPARE(edit.dialog.isVisible(), result < 0);
    if (result >= 0)
        QCOMPARE(edit.dialog.result(), result);
    QVERIFY(edit.dialog.uiHelperList()->parameterMap()->isEmpty());
    // After the server's answers the bindings show what the server holds.
    QTRY_COMPARE(m_server->cachedSid(nsSID::otnSid(port, modeId))->getEnum(), serverMode);
    QTRY_COMPARE(m_server->cachedSid(nsSID::otnSid(port, burstId))->getInt(), serverBurst);
    QCOMPARE(edit.combo->currentText(), comboShows);
    QCOMPARE(edit.echo->text(), comboShows);
    QCOMPARE(edit.number->text(), QString::number(serverBurst));
    QCOMPARE(m_server->fake()->writeRequests(), requests);
}

void tst_UiHelperDialog::applyThenCancelKeepsApplied()
{
    EditDialog edit(m_server->manager());
    edit.combo->setCurrentIndex(2);
    edit.press(QDialogButtonBox::Apply);
    QCOMPARE(m_server->fake()->writeRequests(), 1);
    enterNumber(m_server->dialogRunner(), edit.number, QStringLiteral("9"));
    edit.press(QDialogButtonBox::Cancel);
    QCOMPARE(m_server->fake()->writeRequests(), 1);
    QTRY_COMPARE(m_server->cachedSid(nsSID::otnSid(port, modeId))->getEnum(), 2);
    QCOMPARE(m_server->fake()->value(nsSID::otnSid(port, burstId))->getInt(), 1);
    QCOMPARE(edit.number->text(), QStringLiteral("1"));
}

void tst_UiHelperDialog::pendingValueSurvivesServerChange()
{
    EditDialog edit(m_server->manager());
    edit.combo->setCurrentIndex(5);
    // The server moves the value meanwhile: the dialog keeps showing the user's pending choice.
    m_server->fake()->serverChange(new QcmaParameterEnum(nsSID::otnSid(port, modeId), 1, 0, 5));
    QTRY_COMPARE(m_server->cachedSid(nsSID::otnSid(port, modeId))->getEnum(), 1);
    QCOMPARE(edit.combo->currentText(), QStringLiteral("Off"));
    edit.press(QDialogButtonBox::Ok);
    QCOMPARE(m_server->fake()->value(nsSID::otnSid(port, modeId))->getEnum(), 5);
}

QTEST_MAIN(tst_UiHelperDialog)
#include "tst_uihelperdialog.moc"
