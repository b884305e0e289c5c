#include "dialogrunner.h"

#include <QDialog>

int DialogRunner::run(QDialog *dialog)
{
    if (!dialog)
        return 0;
    if (m_handler)
        return m_handler(dialog);
    // Not the virtual exec: a QzelDialog's exec comes here.
    return dialog->QDialog::exec();
}

DialogRunner::Handler DialogRunner::setHandler(Handler handler)
{
    Handler previous = std::move(m_handler);
    m_handler = std::move(handler);
    return previous;
}
