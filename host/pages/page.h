#pragma once

#include <memory>

#include <QWidget>

#include "host/hostexport.h"
#include "host/texts/widgettext.h"

class QDialog;
class UiHelperList;
class zelServerManager;

// Base of every page: the host's life cycle (initializeUi, initializeHelper, connectHelper, setPort,
// texts, access state) and the page's binding list, connected while the page is shown.
class ZELBASE_EXPORT Page : public QWidget
{
    Q_OBJECT
public:
    explicit Page(zelServerManager *manager, QWidget *parent = nullptr);
    ~Page() override;

    // The host's start-up sequence: initializeUi, texts, initializeHelper, connectHelper.
    void initializePage();
    bool isPageInitialized() const { return m_initialized; }

    virtual void initializeUi();
    virtual void initializeHelper();
    virtual void connectHelper();
    virtual void setPort(int port);
    int port() const { return m_port; }
    virtual void UpdateText();
    virtual void ChangeTerminology(int terminology);
    virtual void SetGUIAccessState(int state);

    // Runs a dialog for the page modally through the server manager; the dialog goes afterwards.
    int uiEditDialog_open(std::unique_ptr<QDialog> dialog);

    zelServerManager *serverManager() const { return m_manager; }
    // The server manager's texts; the built-in texts alone when the page has no manager.
    WidgetText texts() const;
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    zelServerManager *m_manager = nullptr;
    // A member, so the bindings go before the base class deletes the child widgets they point at.
    std::unique_ptr<UiHelperList> m_helpers;
    int m_port = 1;

private:
    bool m_initialized = false;
};
