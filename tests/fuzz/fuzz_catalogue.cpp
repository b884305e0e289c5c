// The parameter catalogue as the server sends it: any JSON loads or is refused with its reasons, and every
// definition it keeps makes a parameter and names its values.
#include "fuzzinput.h"

#include <memory>

#include "host/catalogue/parametercatalogue.h"
#include "host/parameters/qcmaparameter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ParameterCatalogue catalogue;
    QStringList errors;
    const bool loaded = catalogue.loadJson(QByteArray(reinterpret_cast<const char *>(data), int(size)), &errors);
    FUZZ_CHECK(loaded || !errors.isEmpty());
    for (const ParameterDefinition *definition : catalogue.all()) {
        FUZZ_CHECK(catalogue.find(definition->group, definition->id) == definition);
        const int sid = (definition->group & 0xFF0000) | (definition->id & 0xFFFF) | (1 << 24);
        const std::unique_ptr<QcmaParameter> parameter = definition->createParameter(sid);
        for (const ParameterDefinition::Enumerator &enumerator : definition->enumerators) {
            for (int terminology = -1; terminology <= 3; ++terminology)
                definition->valueName(enumerator.value, terminology);
        }
        definition->valueName(-1, 0);
    }
    return 0;
}
