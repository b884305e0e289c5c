#pragma once

#include <functional>

#include "host/hostexport.h"

class QDialog;

// Runs modal dialogs. Tests install a handler that inspects, edits, accepts or rejects the dialog.
class ZELBASE_EXPORT DialogRunner
{
public:
    using Handler = std::function<int(QDialog *)>;

    static int run(QDialog *dialog);
    // Replaces the handler (an empty handler restores QDialog::exec); returns the previous one.
    static Handler setHandler(Handler handler);
};

// Installs a handler for the lifetime of a scope.
class ZELBASE_EXPORT ScopedDialogHandler
{
public:
    explicit ScopedDialogHandler(DialogRunner::Handler handler) : m_previous(DialogRunner::setHandler(std::move(handler))) {}
    ~ScopedDialogHandler() { DialogRunner::setHandler(m_previous); }
    ScopedDialogHandler(const ScopedDialogHandler &) = delete;
    ScopedDialogHandler &operator=(const ScopedDialogHandler &) = delete;

private:
    DialogRunner::Handler m_previous;
};
