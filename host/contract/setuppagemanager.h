#pragma once

#include <QAbstractButton>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>

#include "host/hostexport.h"
#include "interfacesetupidentifier.h"

class QcmaParameter;
class WidgetText;
class zelServerManager;

// Drives a navigation button of the host that leads to a setup page: which page it opens and its label.
// The host delivers the parameters registered for the label (any port, looked up as port 0) to
// updateButtonLabel, and the followed ones to followsChanged, for the port it shows.
class ZELBASE_EXPORT SetupPageManager : public QObject
{
    Q_OBJECT
public:
    explicit SetupPageManager(QObject *parent = nullptr);
    ~SetupPageManager() override;

    // The page the button opens for the given kind of page; the caller owns the result (null: none).
    virtual InterfaceSetupIdentifier *setupPage(const InterfaceSetupIdentifier &type);
    virtual void setCurrentRate(int rate);
    // Writes the label now, whatever has been received.
    virtual void refreshButtonLabel();

    void setButtonLabelSID(int sid);
    void setFollowsSID(int rate, int sid);
    QList<int> buttonLabelSIDs() const { return m_labelSids; }
    bool isButtonLabelSID(int sid) const { return m_labelSids.contains(sid); }
    QList<QPair<int, int>> followsSIDs() const { return m_followsSids; }   // (rate, SID)
    bool isFollowsSID(int sid) const;
    int currentRate() const { return m_rate; }

    QAbstractButton *getButton() const { return m_button.data(); }
    void setButton(QAbstractButton *button) { m_button = button; }

    // Host side: takes values from the server manager for the given port, and at once every cached
    // value of the registered SIDs on that port. A null manager stops the delivery.
    void attach(zelServerManager *manager, int port);
    void setPort(int port);
    int port() const { return m_port; }
    // The attached server manager's texts; the built-in texts alone while detached.
    WidgetText texts() const;
    // Hands the parameter to updateButtonLabel or followsChanged when it is registered (port 0 lookup).
    void deliver(const QcmaParameter &parameter);

public slots:
    virtual void updateButtonLabel(QcmaParameter *parameter);
    virtual void followsChanged(QcmaParameter *parameter);

private:
    void parameterChanged(const QcmaParameter &parameter);
    void replay();

    QList<int> m_labelSids;
    QList<QPair<int, int>> m_followsSids;
    QPointer<QAbstractButton> m_button;
    QPointer<zelServerManager> m_manager;
    QMetaObject::Connection m_connection;
    int m_port = 1;
    int m_rate = InterfaceSetupIdentifier::RateDefault;
};
