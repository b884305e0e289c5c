#include "uihelper_binarydata.h"

#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterbytearray.h"

UiHelper_BinaryData::UiHelper_BinaryData(zelServerManager *manager, int sid) : UiHelper(manager)
{
    setSID(sid);
}

UiHelper_BinaryData::~UiHelper_BinaryData() = default;

void UiHelper_BinaryData::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (parameter.getType() != QcmaParameter::TypeByteArray) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_BinaryData(sid=%2)")
                      .arg(parameter.getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    m_data = parameter.getByteArray();
    emit received(m_data);
}

void UiHelper_BinaryData::send(const QByteArray &data)
{
    QcmaParameterByteArray value(getSID(), data);
    QcmaParameter_SetValue(&value, false);
}
