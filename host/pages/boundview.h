#pragma once

#include <memory>

#include <QWidget>

#include "host/hostexport.h"

class UiHelperList;
class zelServerManager;

// Base of every view bound to server parameters (pages, setup widgets, stimuli panels): owns the
// view's binding list and runs its life cycle. The bindings follow the server while the view is shown
// and ready, move with the view's port, take its texts, terminology and access state, and go with it.
class ZELBASE_EXPORT BoundView : public QWidget
{
    Q_OBJECT
public:
    BoundView(zelServerManager *manager, int port, QWidget *parent = nullptr);
    ~BoundView() override;

    // Moves the port-bound bindings to the port; connected ones read their value there at once.
    virtual void setPort(int port);
    int port() const { return m_port; }
    virtual void UpdateText();
    virtual void ChangeTerminology(int terminology);
    virtual void SetGUIAccessState(int state);

    zelServerManager *serverManager() const { return m_manager; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

protected:
    // Connects the bindings when the view is visible and ready (bindings added meanwhile included) and
    // then asks once for the current interval of the interval group, if one is set; the host's poller
    // keeps asking while they stay connected.
    void connectBindings();
    // Whether the bindings may follow the server yet; a page waits for its initialisation.
    virtual bool bindingsReady() const;
    // The group whose current interval connectBindings asks for on the view's port; 0: none.
    void setIntervalGroup(int group) { m_intervalGroup = group; }

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    zelServerManager *m_manager = nullptr;
    // Held here, so every view's bindings go without a word from its destructor, before QWidget deletes
    // the child widgets. The derived part is gone by then: a binding's own end only leaves the manager
    // and its widgets (through guarded pointers), and values reach a binding only from the event loop,
    // on connecting or from a dialog's pending values, never while a view is destroyed.
    std::unique_ptr<UiHelperList> m_helpers;
    int m_port = 1;

private:
    int m_intervalGroup = 0;
};
