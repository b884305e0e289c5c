#pragma once

#include <memory>

#include "boundview.h"
#include "host/texts/widgettext.h"

class QDialog;

// Base of every page: the host's life cycle (initializeUi, initializeHelper, connectHelper, setPort,
// texts, access state) on the bound view's bindings, which follow the server once the page is
// initialised and while it is shown.
class ZELBASE_EXPORT Page : public BoundView
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

    // Runs a dialog for the page modally through the server manager; the dialog goes afterwards.
    int uiEditDialog_open(std::unique_ptr<QDialog> dialog);

    // The server manager's texts; the built-in texts alone when the page has no manager.
    WidgetText texts() const;

protected:
    bool bindingsReady() const override { return m_initialized; }

private:
    bool m_initialized = false;
};
