#include "qzeldialog.h"

#include "host/server/modalrunner.h"

QzelDialog::QzelDialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

int QzelDialog::exec()
{
    if (ModalRunner *runner = runnerAround(this))
        return runner->run(this);
    return QDialog::exec();
}

ModalRunner *QzelDialog::runnerAround(const QObject *object)
{
    for (; object; object = object->parent()) {
        const auto *dialog = qobject_cast<const QzelDialog *>(object);
        if (dialog && dialog->m_runner)
            return dialog->m_runner;
    }
    return nullptr;
}

void QzelDialog::removeContextHelpButton()
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}
