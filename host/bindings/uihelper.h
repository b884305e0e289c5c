#pragma once

#include <memory>

#include <QList>
#include <QObject>
#include <QPointer>

#include "host/hostexport.h"
#include "host/server/parameterobserver.h"
#include "host/texts/widgettext.h"

class QWidget;
class QcmaParameter;
class UiHelperList;
class zelServerManager;

// Binds one server parameter (SID) to widgets or code: reads it, shows it, writes user changes back.
class ZELBASE_EXPORT UiHelper : public QObject, public ParameterObserver
{
    Q_OBJECT
public:
    enum enumConnectionStrategy {
        ConnectNone = 0,
        ConnectManually = 1,    // connected by the owner's ConnectManual (pages: on show, off on hide)
        ConnectImmediately = 2  // connected as soon as bound, and stays connected
    };

    explicit UiHelper(zelServerManager *manager, QObject *parent = nullptr);
    ~UiHelper() override;

    // Binds the SID; strategy 2 connects at once.
    void setSID_QcmaParameter(int sid, int strategy);
    int getSID() const { return m_sid; }
    void setSID(int sid) { m_sid = sid; }
    int connectionStrategy() const { return m_strategy; }

    void ConnectManual();
    void DisconnectManual();
    bool isConnected() const { return m_connected; }
    // Moves a port-bound SID to another port and reads the new value when connected.
    virtual void ChangePort(int port);

    // The value the binding holds (null before the first value); owned by the binding.
    QcmaParameter *QcmaParameter_Get() const { return m_parameter.get(); }
    std::unique_ptr<QcmaParameter> QcmaParameter_GetCopy() const;
    // Sends value to the server, or into the owning dialog's pending values. local=true only shows it.
    void QcmaParameter_SetValue(QcmaParameter *value, bool local);

    virtual void QcmaParameter_Changed(QcmaParameter &parameter);
    virtual void ConnectionStateChanged(bool connected);
    virtual void UpdateActiveWidgets();
    virtual void SetDataEnabled(bool enabled);
    virtual void SetGUIAccessState(int state);
    virtual void UpdateText();
    virtual void ChangeTerminology(int terminology);

    // Widgets enabled and disabled with the binding; data widgets also follow the access state.
    void SetHelperWidgetActive(QWidget *widget, bool active, bool dataWidget);
    QString GetText_Name() const;
    // withUnit appends the unit in brackets ("Offset [ppm]") when the parameter has one.
    QString GetText_Name(bool withUnit) const;
    QString GetText_Unit() const;

    zelServerManager *serverManager() const { return m_manager; }
    // The server manager's texts; the built-in texts alone without a manager.
    WidgetText texts() const;
    int terminology() const { return m_terminology; }
    int guiAccessState() const { return m_accessState; }
    bool isUpdating() const { return m_updating; }
    UiHelperList *ownerList() const { return m_owner; }
    void setOwnerList(UiHelperList *list) { m_owner = list; }

    // Shows a value that did not come from the server (a dialog's pending value).
    void deliverLocal(const QcmaParameter &parameter);

    void parameterUpdated(const QcmaParameter &parameter) override;

protected:
    // Whether data widgets may take input now: a defined value, data enabled, full access.
    bool dataWidgetsEnabled() const;

    bool m_updating = false;   // set while the binding fills its widgets

private:
    void deliver(const QcmaParameter &parameter);
    void connectNow();
    void disconnectNow();

    struct ActiveWidget {
        QPointer<QWidget> widget;
        bool dataWidget = false;
    };

    zelServerManager *m_manager = nullptr;
    UiHelperList *m_owner = nullptr;
    std::unique_ptr<QcmaParameter> m_parameter;
    QList<ActiveWidget> m_activeWidgets;
    int m_sid = 0;
    int m_strategy = ConnectNone;
    int m_terminology = 0;
    int m_accessState = 0;
    bool m_connected = false;
    bool m_dataEnabled = true;
};
