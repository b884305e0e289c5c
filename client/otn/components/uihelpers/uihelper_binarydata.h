#pragma once

#include <QByteArray>

#include "client/otn/otnexport.h"
#include "host/bindings/uihelper.h"

// Binds a byte-array parameter to code, without a widget: holds a copy of the bytes, announces each new
// value with received() and sends a whole new array on request.
class ZELOTN_EXPORT UiHelper_BinaryData : public UiHelper
{
    Q_OBJECT
public:
    // The SID is only stored: binding and connecting are the caller's (or a subclass's) business.
    UiHelper_BinaryData(zelServerManager *manager, int sid);
    ~UiHelper_BinaryData() override;

    QByteArray data() const { return m_data; }

    void QcmaParameter_Changed(QcmaParameter &parameter) override;

signals:
    void received(const QByteArray &data);

public slots:
    // Writes data as the parameter's new value (into the dialog's pending values inside a dialog).
    void send(const QByteArray &data);

protected:
    // The last value received, or the last one edited locally.
    QByteArray m_data;
};
