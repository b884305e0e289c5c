#pragma once

#include <functional>

#include "host/hostexport.h"
#include "host/server/modalrunner.h"

class QDialog;

// Runs the modal dialogs of a server manager it is installed on (zelServerManager::setModalRunner):
// QDialog::exec, or a handler that inspects, edits, accepts or rejects the dialog instead (tests,
// screenshots).
class ZELBASE_EXPORT DialogRunner : public ModalRunner
{
public:
    using Handler = std::function<int(QDialog *)>;

    int run(QDialog *dialog) override;
    // Replaces the handler (an empty handler restores QDialog::exec); returns the previous one.
    Handler setHandler(Handler handler);

private:
    Handler m_handler;
};

// Installs a handler on a runner for the lifetime of a scope.
class ZELBASE_EXPORT ScopedDialogHandler
{
public:
    ScopedDialogHandler(DialogRunner &runner, DialogRunner::Handler handler)
        : m_runner(runner), m_previous(runner.setHandler(std::move(handler)))
    {
    }
    ~ScopedDialogHandler() { m_runner.setHandler(std::move(m_previous)); }
    ScopedDialogHandler(const ScopedDialogHandler &) = delete;
    ScopedDialogHandler &operator=(const ScopedDialogHandler &) = delete;

private:
    DialogRunner &m_runner;
    DialogRunner::Handler m_previous;
};
