#pragma once

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
    UiHelperList *uiHelperList() const { return m_helpers; }

protected:
    // SID of a parameter of this widget's port and group.
    int sidOf(int id) const;

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    zelServerManager *m_manager = nullptr;
    UiHelperList *m_helpers = nullptr;

private:
    int m_port = 1;
    int m_group = 0;
};
