#pragma once

#include "host/hostexport.h"

class QDialog;

// Runs a dialog modally for the server manager. The session core knows no widgets: the widget library's
// runner implements this, and whoever builds a manager for a screen installs one.
class ZELCORE_EXPORT ModalRunner
{
public:
    virtual ~ModalRunner();
    // The dialog's result: 1 accepted, 0 rejected.
    virtual int run(QDialog *dialog) = 0;
};
