#pragma once

#include <QPointer>

#include "host/bindings/uihelper.h"

class QWidget;

// An ordinary parameter on a customised screen, on the widget the screen made for its kind: a check box
// (an Off/On choice), a spin box (a number) or a line of text (hex bytes, or bits as 0 and 1).
class UiHelper_ScreenValue : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_ScreenValue(zelServerManager *manager, QWidget *widget, int sid, int strategy = ConnectManually);

    void QcmaParameter_Changed(QcmaParameter &parameter) override;

    // The text a line shows for a byte or bit array; fromText is its inverse, false for text that is none.
    static QString toText(const QcmaParameter &parameter);
    static bool fromText(const QString &text, int kind, QVariant *value);

private:
    void userChanged();
    void write(const QVariant &value);

    QPointer<QWidget> m_widget;
};
