#pragma once

#include <QPointer>

#include "uihelper.h"

class QLabel;

// A read-only value on a label, with optional caption and unit labels. formatType 0 shows the value
// as the parameter holds it (enumerators by name, doubles with the parameter's decimals, bytes as
// hex pairs, bits as 0/1); FormatHex shows integers in upper-case hex. Undefined shows "--".
class ZELBASE_EXPORT UiHelper_Label : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Label(zelServerManager *manager, QLabel *valueLabel, QLabel *nameLabel, QLabel *unitLabel, int sid,
                   quint32 intervalSelector, int strategy = ConnectManually, int formatType = 0);

    enum FormatType { FormatPlain = 0, FormatHex = 1 };

    static QString formatValue(const QcmaParameter &parameter, int terminology, int formatType);
    quint32 intervalSelector() const { return m_selector; }

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateText() override;

private:
    QPointer<QLabel> m_valueLabel;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLabel> m_unitLabel;
    quint32 m_selector = 0;
    int m_formatType = 0;
};
