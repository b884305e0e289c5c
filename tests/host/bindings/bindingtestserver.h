#pragma once

#include <memory>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testerfixture.h"
#include "tests/support/testserverlink.h"

// The catalogue of the parameters the binding suites use, and a fake tester holding exactly the values
// each test gives it.
namespace BindingTest {

constexpr int modeId = 14003;      // enumeration 0..5, names per terminology for 1
constexpr int burstId = 14004;     // int, unit "frame"
constexpr int offsetId = 14012;    // double, unit "ppm"
constexpr int upiId = 11137;       // unsigned
constexpr int lanesId = 14039;     // bit array
constexpr int applyId = 14011;     // trigger
constexpr int alarmId = 405;       // status
constexpr int bytesId = 11100;     // byte array

constexpr int port = 1;

inline QByteArray catalogueJson()
{
    return QByteArray(R"json({"parameters": [
        {"id": 14003, "group": "0x0D0000", "kind": "enum", "name": "Insertion Mode", "max": 5, "values": [
            {"value": 0, "name": "Single"},
            {"value": 1, "name": "Burst", "sdh": "Burst (SDH)", "sonet": "Burst (SONET)"},
            {"value": 2, "name": "Alternate"},
            {"value": 3, "name": "Continuous"},
            {"value": 4, "name": "Rate"},
            {"value": 5, "name": "Off"}]},
        {"id": 14004, "group": "0x0D0000", "kind": "int", "name": "Burst", "unit": "frame", "min": 1, "max": 1000},
        {"id": 14012, "group": "0x0D0000", "kind": "double", "name": "Offset", "unit": "ppm", "min": -100,
         "max": 100, "decimals": 1},
        {"id": 11137, "group": "0x0D0000", "kind": "uint", "name": "UPI", "min": 0, "max": 255},
        {"id": 14039, "group": "0x0D0000", "kind": "bits", "name": "Error Lane", "length": 4},
        {"id": 14011, "group": "0x0D0000", "kind": "enum", "name": "Apply Move", "values": [
            {"value": 0, "name": "Idle"}, {"value": 1, "name": "Apply"}]},
        {"id": 405, "group": "0x0D0000", "kind": "enum", "name": "LOS", "values": [
            {"value": 0, "name": "Ok"}, {"value": 1, "name": "Alarm"}, {"value": 2, "name": "History"}]},
        {"id": 11100, "group": "0x0D0000", "kind": "bytes", "name": "FAS"}
    ]})json");
}

// The mode parameter holding value, with the given enumerators inactive.
inline QcmaParameterEnum *modeParameter(int value, const QList<int> &inactive = {}, bool defined = true)
{
    auto *p = new QcmaParameterEnum(nsSID::otnSid(port, modeId), value, 0, 5);
    for (int v : inactive)
        p->setEnumActive(v, false);
    p->setDefined(defined);
    return p;
}

// The fake link with the binding catalogue; each test gives it the values it needs.
struct Server : TesterFixture {
    Server() : TesterFixture(catalogueJson(), {}) {}
};

} // namespace BindingTest
