#pragma once

#include <QList>
#include <QPointer>
#include <QSharedPointer>
#include <QWidget>

#include "host/hostexport.h"

class SidProperty;
class UiHelperList;
class WidgetProperty;
class zelServerManager;

// The technology's maker of the widgets a customised screen cannot build itself: for a parameter of a
// custom helper kind it makes the widget (under the parent set here) and the binding that drives it.
class ZELBASE_EXPORT UiHelperWrapper
{
public:
    explicit UiHelperWrapper(zelServerManager *manager);
    UiHelperWrapper(const UiHelperWrapper &) = default;
    UiHelperWrapper &operator=(const UiHelperWrapper &) = default;
    virtual ~UiHelperWrapper();

    // Appends the new widgets to widgets and returns their bindings in a new list the caller owns, or
    // null (widgets unchanged) for a kind the technology does not make.
    virtual UiHelperList *createUiHelper(QSharedPointer<WidgetProperty> widgetProperty, SidProperty *sidproperty,
                                         QList<QWidget *> &widgets) = 0;

    void setParent(QWidget *parent) { _parent = parent; }
    QWidget *parent() const { return _parent; }
    zelServerManager *serverManager() const { return m_manager; }

protected:
    // The terminology the port's values are named in (the base's terminology source).
    int terminology(int port) const;

    QPointer<QWidget> _parent;

private:
    zelServerManager *m_manager = nullptr;
};
