#include "eventsamplerun.h"

#include <memory>

#include <QCoreApplication>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"

namespace Stimuli = PID::Otn::STIMULI;

namespace {
// Answers may ask for more answers: a few rounds of the event loop deliver them all.
constexpr int settleRounds = 4;

void settle()
{
    for (int round = 0; round < settleRounds; ++round)
        QCoreApplication::processEvents();
}
} // namespace

bool EventSampleRun::run(zelServerManager *manager, IntervalPoller *poller, int port, QString *problem)
{
    const int alarm = valueNamed(manager, Stimuli::ITEM, QStringLiteral("SM-BDI"));
    const int error = valueNamed(manager, Stimuli::ITEM, QStringLiteral("PM-BIP8"));
    const int continuous = valueNamed(manager, Stimuli::MODE, QStringLiteral("Continuous"));
    const int burst = valueNamed(manager, Stimuli::MODE, QStringLiteral("Burst"));
    const int category = valueNamed(manager, Stimuli::CATEGORY, QStringLiteral("Alarms/Errors"));
    if (alarm < 0 || error < 0 || continuous < 0 || burst < 0 || category < 0) {
        *problem = QStringLiteral("The tester offers no SM-BDI or PM-BIP8 insertion: the event pages show no sample run.");
        return false;
    }
    // Whatever the stimuli area left going stops; the alarms and errors panel's category inserts.
    const bool alarmOn = write(manager, port, Stimuli::INSERTION, Stimuli::INSERTION_OFF)
                         && write(manager, port, Stimuli::CATEGORY, category) && write(manager, port, Stimuli::LEVEL, 0) && write(manager, port, Stimuli::ITEM, alarm)
                         && write(manager, port, Stimuli::MODE, continuous)
                         && write(manager, port, Stimuli::INSERTION, Stimuli::INSERTION_ON);
    pass(poller, alarmSeconds);
    const bool alarmOff = write(manager, port, Stimuli::INSERTION, Stimuli::INSERTION_OFF);
    pass(poller, 2);
    const bool errors = write(manager, port, Stimuli::ITEM, error) && write(manager, port, Stimuli::MODE, burst)
                        && write(manager, port, Stimuli::BURST, errorBurst)
                        && write(manager, port, Stimuli::INSERTION, Stimuli::INSERTION_ON);
    pass(poller, 3);
    if (!(alarmOn && alarmOff && errors)) {
        *problem = QStringLiteral("The tester refused a stimuli parameter of port %1: the sample run is incomplete.")
                       .arg(port);
        return false;
    }
    return true;
}

bool EventSampleRun::write(zelServerManager *manager, int port, int id, int value)
{
    const QcmaParameter *current = manager->cachedParameter(nsSID::otnSid(port, id));
    if (!current)
        return false;
    std::unique_ptr<QcmaParameter> copy = current->clone();
    if (!copy->setValue(value))
        return false;
    manager->SetQcmaParameter(copy.get());
    settle();
    return true;
}

int EventSampleRun::valueNamed(const zelServerManager *manager, int id, const QString &name)
{
    if (const ParameterDefinition *d = manager->catalogue().find(nsSID::otn, id)) {
        for (const ParameterDefinition::Enumerator &e : d->enumerators) {
            if (e.names[0] == name)
                return e.value;
        }
    }
    return -1;
}

void EventSampleRun::pass(IntervalPoller *poller, int seconds)
{
    for (int s = 0; s < seconds; ++s) {
        if (poller)
            poller->poll();
        settle();
    }
}
