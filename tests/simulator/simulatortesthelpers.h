#pragma once

// Small helpers the simulator suites share.

#include <initializer_list>

#include <QByteArray>
#include <QString>
#include <QVector>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testerfixture.h"
#include "tests/support/bitpattern.h"

namespace SimTest {

// The value of an enumeration whose (neutral) name is name, -1 when there is none.
inline int valueNamed(const TesterFixture &f, int id, const QString &name)
{
    const ParameterDefinition *d = f.manager()->catalogue().find(nsSID::otn, id);
    for (const ParameterDefinition::Enumerator &e : d ? d->enumerators : QVector<ParameterDefinition::Enumerator>()) {
        if (e.names[0] == name)
            return e.value;
    }
    return -1;
}

inline QVector<int> activeOf(const QcmaParameter *p)
{
    return p && p->getType() == QcmaParameter::TypeEnum ? static_cast<const QcmaParameterEnum *>(p)->activeEnums()
                                                          : QVector<int>();
}

// The warning the tester logs for a refused write to an OTN parameter.
inline QString refusedLine(int sid, const QString &reason)
{
    return QStringLiteral("write refused: sid 0x%1 (port %2, group 0xd0000, id %3): %4")
        .arg(uint(sid), 8, 16, QLatin1Char('0'))
        .arg(nsSID::portOf(sid))
        .arg(nsSID::idOf(sid))
        .arg(reason);
}

} // namespace SimTest
