#include "dialogrunner.h"

#include <QDialog>

namespace {
DialogRunner::Handler &currentHandler()
{
    static DialogRunner::Handler handler;
    return handler;
}
} // namespace

int DialogRunner::run(QDialog *dialog)
{
    if (!dialog)
        return 0;
    if (currentHandler())
        return currentHandler()(dialog);
    return dialog->QDialog::exec();
}

DialogRunner::Handler DialogRunner::setHandler(Handler handler)
{
    Handler previous = currentHandler();
    currentHandler() = std::move(handler);
    return previous;
}
