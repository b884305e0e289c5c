#include <QBitArray>
#include <QLabel>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_label.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/parameters/intervaldata.h"

Q_DECLARE_METATYPE(QcmaParameter *)

using namespace BindingTest;

class tst_UiHelper_Label : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formatValue_data();
    void formatValue();
    void labelsAndEnabledState();

private:
    Server m_catalogueServer;   // its manager's texts name the catalogue's values
};

void tst_UiHelper_Label::initTestCase()
{
    m_catalogueServer.manager();
}

void tst_UiHelper_Label::formatValue_data()
{
    QTest::addColumn<QcmaParameter *>("parameter");
    QTest::addColumn<int>("terminology");
    QTest::addColumn<int>("formatType");
    QTest::addColumn<QString>("text");

    auto p = [](QcmaParameter *parameter) { return parameter; };
    const int hex = UiHelper_Label::FormatHex;
    QTest::newRow("int") << p(new QcmaParameterInt(nsSID::otnSid(port, burstId), -42)) << 0 << 0 << "-42";
    QTest::newRow("int hex") << p(new QcmaParameterInt(nsSID::otnSid(port, burstId), 254)) << 0 << hex << "FE";
    QTest::newRow("uint") << p(new QcmaParameterUInt(nsSID::otnSid(port, upiId), 4294967295u)) << 0 << 0
                          << "4294967295";
    QTest::newRow("uint hex") << p(new QcmaParameterUInt(nsSID::otnSid(port, upiId), 0xABCu)) << 0 << hex << "ABC";
    QTest::newRow("enum SDH") << p(new QcmaParameterEnum(nsSID::otnSid(port, modeId), 1, 0, 5)) << 1 << 0
                              << "Burst (SDH)";
    QTest::newRow("enum without own SDH name")
        << p(new QcmaParameterEnum(nsSID::otnSid(port, modeId), 3, 0, 5)) << 1 << 0 << "Continuous";
    QTest::newRow("double rounded to its decimals")
        << p(new QcmaParameterDouble(nsSID::otnSid(port, offsetId), 0.0351, -10, 10, 3)) << 0 << 0 << "0.035";
    QTest::newRow("bytes") << p(
        new QcmaParameterByteArray(nsSID::otnSid(port, bytesId), QByteArray::fromHex("f6f6280a")))
                           << 0 << 0 << "F6 F6 28 0A";
    QBitArray bits(5);
    bits.setBit(0);
    bits.setBit(3);
    QTest::newRow("bits") << p(new QcmaParameterBitArray(nsSID::otnSid(port, lanesId), bits)) << 0 << 0 << "10010";
    auto *undefined = new QcmaParameterInt(nsSID::otnSid(port, burstId), 5);
    undefined->setDefined(false);
    QTest::newRow("undefined") << p(undefined) << 0 << 0 << "--";
}

void tst_UiHelper_Label::formatValue()
{
    QFETCH(QcmaParameter *, parameter);
    QFETCH(int, terminology);
    QFETCH(int, formatType);
    QFETCH(QString, text);
    QScopedPointer<QcmaParameter> owner(parameter);
    QCOMPARE(UiHelper_Label::formatValue(m_catalogueServer.manager()->texts(), *parameter, terminology, formatType),
             text);
}

void tst_UiHelper_Label::labelsAndEnabledState()
{
    Server server;
    auto *undefined = new QcmaParameterInt(nsSID::otnSid(port, burstId), 5, 1, 1000);
    undefined->setDefined(false);
    server.fake()->addParameter(undefined);
    QWidget page;
    auto *value = new QLabel(&page);
    auto *name = new QLabel(&page);
    auto *unit = new QLabel(&page);
    UiHelper_Label binding(server.manager(), value, name, unit, nsSID::otnSid(port, burstId), 0,
                           UiHelper::ConnectImmediately);
    QCOMPARE(name->text(), QStringLiteral("Burst"));
    QCOMPARE(unit->text(), QStringLiteral("frame"));
    QCOMPARE(value->text(), QStringLiteral("--"));
    QVERIFY(!value->isEnabled());
    QVERIFY(!name->isEnabled());

    server.fake()->serverChange(new QcmaParameterInt(nsSID::otnSid(port, burstId), 12, 1, 1000));
    QTRY_COMPARE(value->text(), QStringLiteral("12"));
    QVERIFY(value->isEnabled());
    QVERIFY(name->isEnabled());
    QVERIFY(unit->isEnabled());
}

QTEST_MAIN(tst_UiHelper_Label)
#include "tst_uihelper_label.moc"
