#pragma once

#include <QDialog>

#include "host/hostexport.h"

class ModalRunner;

// Base of the tester's dialogs. A modal run (exec) goes through the dialog runner of this dialog or of
// the nearest dialog around it that has one (the server manager's, for a dialog of a manager), so that
// a handler installed there also sees the dialogs opened inside; without a runner it is QDialog::exec.
class ZELBASE_EXPORT QzelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QzelDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    int exec() override;
    // The runner is not owned; it must outlive the dialog or be taken away first.
    void setDialogRunner(ModalRunner *runner) { m_runner = runner; }
    ModalRunner *dialogRunner() const { return m_runner; }
    // The runner of the nearest QzelDialog that is object or holds it and has one, or null.
    static ModalRunner *runnerAround(const QObject *object);

    // Removes the window's context-help button.
    void removeContextHelpButton();

private:
    ModalRunner *m_runner = nullptr;
};
