#include "qzeldialog.h"

#include "dialogrunner.h"

QzelDialog::QzelDialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

int QzelDialog::exec()
{
    return DialogRunner::run(this);
}

void QzelDialog::removeContextHelpButton()
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}
