#include <QtTest>

#include <limits>
#include <memory>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

enum Fault { WrongKind, Undefined, OutOfRange, InactiveEnumerator, NotAvailable };

// The malformed write of the fault for the tester's current value, null when the parameter cannot be
// written wrongly that way.
std::unique_ptr<QcmaParameter> malformed(const SimulatedServerLink &link, int sid, Fault fault)
{
    const QcmaParameter *current = link.value(sid);
    const ParameterDefinition *definition = link.catalogue().findBySid(sid);
    if (!current || !definition || current->isDefined() == (fault == NotAvailable))
        return nullptr;
    const int type = current->getType();
    std::unique_ptr<QcmaParameter> copy = current->clone();
    switch (fault) {
    case WrongKind:
        if (type == QcmaParameter::TypeByteArray)
            return std::make_unique<QcmaParameterInt>(sid, current->getByteArray().size());
        return std::make_unique<QcmaParameterByteArray>(sid, QByteArray(1, char(current->getInt())));
    case Undefined:
    case NotAvailable:
        copy->setDefined(fault == NotAvailable);
        return copy;
    case InactiveEnumerator:
        if (type == QcmaParameter::TypeEnum) {
            const auto *e = static_cast<const QcmaParameterEnum *>(current);
            for (int value = e->minimum(); value <= e->maximum(); ++value) {
                if (!e->isEnumActive(value)) {
                    copy->setValue(value);
                    return copy;
                }
            }
        }
        return nullptr;
    case OutOfRange:
        break;
    }
    // A value the definition's range, enumerators or length exclude.
    switch (type) {
    case QcmaParameter::TypeEnum: {
        int beyond = 0;
        for (const ParameterDefinition::Enumerator &e : definition->enumerators)
            beyond = qMax(beyond, e.value + 1);
        copy->setValue(beyond);
        return copy;
    }
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeUInt:
        if (definition->maximum >= double(std::numeric_limits<int>::max()))
            return nullptr;
        copy->setValue(qint64(definition->maximum) + 1);
        return copy;
    case QcmaParameter::TypeDouble:
        copy->setValue(definition->maximum + 1.0);
        return copy;
    case QcmaParameter::TypeByteArray:
        // A free length is bounded by the structure (one MSI byte per TS), so one byte more never fits.
        copy->setValue(current->getByteArray() + QByteArray(1, '\0'));
        return copy;
    case QcmaParameter::TypeBitArray: {
        QBitArray bits = current->getBitArray();
        bits.resize(bits.size() + 1);
        copy->setValue(bits);
        return copy;
    }
    default:
        return nullptr;
    }
}

// Every value the tester holds, as text.
QStringList state(const SimulatedServerLink &link)
{
    QStringList lines;
    for (const std::unique_ptr<QcmaParameter> &p : link.snapshot())
        lines << p->describe();
    return lines;
}

} // namespace

// The simulated tester refuses every malformed write, for every parameter of its catalogue, with a
// logged line and its state unchanged.
class tst_MalformedWrites : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refused_data();
    void refused();

private:
    std::unique_ptr<TesterFixture> m_tester;
};

void tst_MalformedWrites::initTestCase()
{
    // Three multiplexing stages, so that every stage's parameters (TS maps, expected MSIs) exist.
    SimulatorOptions options = TesterFixture::testOptions(1);
    options.structure = QStringLiteral("otu3-odu2-odu1-odu0");
    m_tester = std::make_unique<TesterFixture>(options);
}

void tst_MalformedWrites::refused_data()
{
    QTest::addColumn<int>("sid");
    QTest::addColumn<int>("fault");
    const char *names[] = {"wrong kind", "undefined", "out of range", "inactive enumerator", "not available"};
    const SimulatedServerLink &link = *m_tester->link();
    for (const std::unique_ptr<QcmaParameter> &p : link.snapshot()) {
        for (int fault = WrongKind; fault <= NotAvailable; ++fault) {
            if (malformed(link, p->getSID(), Fault(fault)))
                QTest::addRow("0x%08x %s", uint(p->getSID()), names[fault]) << p->getSID() << fault;
        }
    }
    // A SID the tester does not know: an OTN parameter of a port it does not have.
    QTest::addRow("unknown sid") << nsSID::otnSid(2, PID::Otn::TX::MAPPING[0]) << int(WrongKind);
}

void tst_MalformedWrites::refused()
{
    QFETCH(int, sid);
    QFETCH(int, fault);
    SimulatedServerLink &link = *m_tester->link();
    std::unique_ptr<QcmaParameter> candidate = malformed(link, sid, Fault(fault));
    if (!candidate)
        candidate = std::make_unique<QcmaParameterInt>(sid, 1);
    const QStringList before = state(link);
    const int refusedBefore = link.refusedWrites();

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^write refused: sid 0x%1 ").arg(uint(sid) & 0x7FFFFFFFu, 8, 16, QLatin1Char('0'))));
    link.write({candidate.get()});
    QVERIFY(m_tester->settle());

    QCOMPARE(link.refusedWrites(), refusedBefore + 1);
    QCOMPARE(state(link), before);
}

QTEST_MAIN(tst_MalformedWrites)
#include "tst_malformedwrites.moc"
