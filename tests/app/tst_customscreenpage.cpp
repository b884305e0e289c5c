#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "apps/shared/sid.h"
#include "clientsession.h"
#include "customscreen.h"
#include "customscreenpage.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"

namespace {
QStringList classesOn(const CustomScreenPage &page)
{
    QStringList classes;
    for (int i = 0; i < page.itemCount(); ++i) {
        QStringList row;
        for (const QWidget *widget : page.itemWidgets(i))
            row << QString::fromLatin1(widget->metaObject()->className());
        classes << row.join(QLatin1Char('+'));
    }
    return classes;
}
} // namespace

class tst_CustomScreenPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedScreenOpensAgain();
    void brokenFileChangesNothing_data();
    void brokenFileChangesNothing();
    void searchFindsByName();
    void ordinaryValuesWriteBack();

private:
    zelServerManager *manager() const { return m_session->serverManager(); }
    bool settle();

    std::unique_ptr<ClientSession> m_session;
    std::unique_ptr<CustomScreenPage> m_page;
    QTemporaryDir m_dir;
};

void tst_CustomScreenPage::init()
{
    ClientOptions options;
    options.portCount = 1;
    options.pluginPath = QStringLiteral(ZEL_OTN_PLUGIN);
    options.liveValues = false;
    m_session = std::make_unique<ClientSession>(options);
    QString error;
    QVERIFY2(m_session->start(&error), qPrintable(error));
    QVERIFY(m_session->uiHelperWrapper());
    m_page = std::make_unique<CustomScreenPage>();
    m_page->setup(manager(), m_session->uiHelperWrapper(), 1);
}

void tst_CustomScreenPage::cleanup()
{
    m_page.reset();
    m_session.reset();
}

bool tst_CustomScreenPage::settle()
{
    for (int round = 0; round < 100 && m_session->tester()->pendingAnswers() > 0; ++round)
        QCoreApplication::processEvents();
    return !m_session->tester()->pendingAnswers() > 0;
}

void tst_CustomScreenPage::savedScreenOpensAgain()
{
    QVERIFY(m_page->setScreen(CustomScreenPage::sampleScreen(1), nullptr));
    // The host's own widgets for the two ordinary parameters, the plug-in's for the OTN ones.
    const QStringList made{"QComboBox", "QDoubleSpinBox", "QPushButton", "OtnChWidget", "QPushButton"};
    QCOMPARE(classesOn(*m_page), made);
    const QString path = m_dir.filePath(QStringLiteral("screen.json"));
    QVERIFY(m_page->saveScreen(path));

    CustomScreenPage reopened;
    reopened.setup(manager(), m_session->uiHelperWrapper(), 1);
    QVERIFY(reopened.openScreen(path));
    QCOMPARE(reopened.screen().sids, CustomScreenPage::sampleScreen(1).sids);
    QCOMPARE(reopened.screen().name, m_page->screen().name);
    QCOMPARE(classesOn(reopened), made);
    // Live: the combo shows the tester's clock source.
    auto *combo = qobject_cast<QComboBox *>(reopened.itemWidgets(0).value(0));
    QCOMPARE(combo->currentText(), QStringLiteral("Internal"));
}

void tst_CustomScreenPage::brokenFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    CustomScreen other;
    other.sids = {nsSID::otnSid(1, PID::Otn::TX::FEC_CONTROL)};
    const QByteArray whole = other.toJson();
    QTest::newRow("malformed") << QByteArray("{\"format\": otn-client") << "it is no JSON";
    QByteArray newer = whole;
    newer.replace("\"version\": 1", "\"version\": 2");
    QTest::newRow("newer version") << newer << "written by a newer client (format version 2";
    QByteArray unknown = whole;
    unknown.replace(QByteArray::number(other.sids.first()), "218169343");
    QTest::newRow("parameter the server does not know") << unknown << "parameter 218169343, which this server";
    QByteArray noSid = whole;
    noSid.replace("\"sid\"", "\"id\"");
    QTest::newRow("entry without SID") << noSid << "parameter 1 has no valid SID";
}

void tst_CustomScreenPage::brokenFileChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    QVERIFY(m_page->setScreen(CustomScreenPage::sampleScreen(1), nullptr));
    const QString path = m_dir.filePath(QStringLiteral("broken.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    DiagnosticsRecorder log;
    QVERIFY(!m_page->openScreen(path));
    QCOMPARE(m_page->screen().sids, CustomScreenPage::sampleScreen(1).sids);
    QCOMPARE(m_page->itemCount(), 5);
    QVERIFY2(m_page->message().contains(reason), qPrintable(m_page->message()));
    QCOMPARE(log.lines(), QStringList{m_page->message()});
}

void tst_CustomScreenPage::searchFindsByName()
{
    auto *search = m_page->findChild<QLineEdit *>(QStringLiteral("leSearch"));
    QTest::keyClicks(search, QStringLiteral("msim detection (stage"));
    QCOMPARE(m_page->visibleCatalogueRows(), 3);
    search->clear();
    QVERIFY(m_page->visibleCatalogueRows() > 100);

    // The line's clear button fades out (160 ms); the fade has no parent and deletes itself only once it
    // has run to its end, in an event loop.
    QTest::qWait(400);
}

void tst_CustomScreenPage::ordinaryValuesWriteBack()
{
    using namespace PID::Otn;
    const int consequent = nsSID::otnSid(1, RX::SM_TIM_ACTION);
    const int fas = nsSID::otnSid(1, TX::ODU_FAS[0]);
    QVERIFY(m_page->addParameter(consequent));
    QVERIFY(m_page->addParameter(fas));
    QCOMPARE(classesOn(*m_page), (QStringList{"QCheckBox", "QLineEdit"}));
    auto *box = qobject_cast<QCheckBox *>(m_page->itemWidgets(0).value(0));
    auto *line = qobject_cast<QLineEdit *>(m_page->itemWidgets(1).value(0));
    const bool wasOn = box->isChecked();
    QCOMPARE(wasOn, manager()->cachedParameter(consequent)->getEnum() == 1);

    box->click();
    line->setText(QStringLiteral("f6 f6 f6 28 28 29"));
    emit line->editingFinished();
    QVERIFY(settle());
    QCOMPARE(manager()->cachedParameter(consequent)->getEnum(), wasOn ? 0 : 1);
    QCOMPARE(manager()->cachedParameter(fas)->getByteArray(), QByteArray::fromHex("F6F6F6282829"));

    // Text that is no byte string is logged and the value kept.
    DiagnosticsRecorder log;
    line->setText(QStringLiteral("f6 g6"));
    emit line->editingFinished();
    QVERIFY(settle());
    QCOMPARE(line->text(), QStringLiteral("F6 F6 F6 28 28 29"));
    QCOMPARE(log.lines().size(), 1);
    QCOMPARE(manager()->cachedParameter(fas)->getByteArray(), QByteArray::fromHex("F6F6F6282829"));
}

QTEST_MAIN(tst_CustomScreenPage)
#include "tst_customscreenpage.moc"
