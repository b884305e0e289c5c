#pragma once

#include "client/otn/otnexport.h"

class QWidget;

// Gives every combo box below root a styled item delegate, so its popup follows the style sheet.
ZELOTN_EXPORT void installComboDelegates(QWidget *root);
