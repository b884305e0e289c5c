#pragma once

#include <memory>

#include <QWidget>

#include "host/hostexport.h"

class UiHelperList;
class zelServerManager;

// Base of the small bound widgets that setup pages place: owns their bindings, follows the server
// while shown (like a page) and moves them along when the page changes port.
class ZELBASE_EXPORT SetupWidget : public QWidget
{
    Q_OBJECT
public:
    SetupWidget(zelServerManager *manager, int port, int group, QWidget *parent = nullptr);
    ~SetupWidget() override;

    void setPort(int port);
    int port() const { return m_port; }
    int group() const { return m_group; }
    zelServerManager *serverManager() const { return m_manager; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    zelServerManager *m_manager = nullptr;
    // A member, so the bindings go before the base class deletes the child widgets they point at.
    std::unique_ptr<UiHelperList> m_helpers;

private:
    int m_port = 1;
    int m_group = 0;
};
