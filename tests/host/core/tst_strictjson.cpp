#include <QtTest>

#include "host/catalogue/strictjson.h"

// JSON from outside is refused when an object names a key twice, however the key is written.
class tst_StrictJson : public QObject
{
    Q_OBJECT
private slots:
    void duplicateKey_data();
    void duplicateKey();
};

void tst_StrictJson::duplicateKey_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("twice");
    QTest::addColumn<int>("offset");
    QTest::newRow("array replaced") << QByteArray(R"({"v":[1],"v":[1]})") << "v" << 9;
    QTest::newRow("escaped spelling") << QByteArray(R"({"ab":1, "a\u0062":{}})") << "ab" << 9;
    QTest::newRow("deep object") << QByteArray(R"([{"p":{"x":1,"y":2,"x":3}}])") << "x" << 19;
    QTest::newRow("same key, other objects") << QByteArray(R"([{"a":1},{"a":2,"b":{"a":3}}])") << QString() << 0;
    QTest::newRow("key as a value") << QByteArray(R"({"a":"a","b":["a","a"]})") << QString() << 0;
    QTest::newRow("quote escaped in key") << QByteArray(R"({"a\"":1,"a":2})") << QString() << 0;
    QTest::newRow("cut inside a key") << QByteArray(R"({"a":1,"a)") << QString() << 0;
}

void tst_StrictJson::duplicateKey()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, twice);
    QFETCH(int, offset);
    int at = 0;
    QCOMPARE(StrictJson::duplicateKey(json, &at), twice);
    QString error;
    const QJsonDocument document = StrictJson::parse(json, &error);
    if (twice.isNull()) {
        QCOMPARE(document.isNull(), !error.isEmpty());
    } else {
        QCOMPARE(at, offset);
        QVERIFY(document.isNull());
        QCOMPARE(error, QStringLiteral("key \"%1\" named twice in one object at byte %2").arg(twice).arg(offset));
    }
}

QTEST_APPLESS_MAIN(tst_StrictJson)
#include "tst_strictjson.moc"
