#pragma once

#include <QPointer>

#include "uihelper.h"

class ParameterDefinition;
class QLabel;

// A read-only value on a label, with optional caption and unit labels. A non-zero interval selector binds
// it to the values of that interval (currentIntervalSelector: the current one), which the host polls
// while the label is connected; 0 shows a plain parameter value. formatType 0 shows the value
// as the parameter holds it (enumerators by name, doubles with the parameter's decimals, bytes as
// hex pairs, bits as 0/1); FormatHex shows integers in upper-case hex. Undefined shows "--".
// The value label keeps room for the widest value the server's catalogue allows, in its current font,
// so that no value is cut and the layout does not jump when the value changes.
class ZELBASE_EXPORT UiHelper_Label : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Label(zelServerManager *manager, QLabel *valueLabel, QLabel *nameLabel, QLabel *unitLabel, int sid,
                   quint32 intervalSelector, int strategy = ConnectManually, int formatType = 0);

    enum FormatType { FormatPlain = 0, FormatHex = 1 };

    static QString formatValue(const WidgetText &texts, const QcmaParameter &parameter, int terminology,
                               int formatType);
    // Every text of the definition's extremes: both ends of a numeric range, every enumerator name in
    // every terminology, a full byte or bit array, and the undefined "--".
    static QStringList extremeTexts(const ParameterDefinition &definition, int sid, int formatType);
    quint32 intervalSelector() const override { return m_selector; }
    bool isIntervalBound() const override { return m_selector != 0; }
    QLabel *valueLabel() const;

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateText() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reserveValueWidth();

    QPointer<QLabel> m_valueLabel;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLabel> m_unitLabel;
    quint32 m_selector = 0;
    int m_formatType = 0;
    QStringList m_extremeTexts;
};
