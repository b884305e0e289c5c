#include "zeleditbutton.h"

ZelEditButton::ZelEditButton(QWidget *parent) : QPushButton(parent)
{
    // The button stands for a value field: it never becomes the dialog's default button, and it
    // grows with its column like a line edit would.
    setAutoDefault(false);
    setDefault(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumWidth(60);
}
