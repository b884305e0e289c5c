#pragma once

#include <QFlags>

#include "host/hostexport.h"

class QDialogButtonBox;
class QWidget;
class QzelDialog;
class WidgetText;

// The set-up lines every tester dialog runs once its form is built.
namespace DialogSetup {

enum Step {
    ComboDelegates = 0x1,  // every combo box of the form gets a styled item delegate
    CloseOnAccepted = 0x2, // the box's accepted() accepts the dialog
    CloseOnRejected = 0x4, // the box's rejected() rejects the dialog
};
Q_DECLARE_FLAGS(Steps, Step)

} // namespace DialogSetup

Q_DECLARE_OPERATORS_FOR_FLAGS(DialogSetup::Steps)

namespace DialogSetup {

constexpr Steps allSteps = ComboDelegates | CloseOnAccepted | CloseOnRejected;

// Removes the context-help button and names the box's Close, OK, Cancel, Apply and Restore Defaults buttons
// from the common texts, then runs the chosen steps. Binding dialogs (UiHelperDialog) leave the closing steps
// out: their SetButtons wires the box, Apply included.
ZELBASE_EXPORT void prepareDialog(QzelDialog *dialog, const WidgetText &texts, QDialogButtonBox *buttons,
                                  Steps steps = allSteps);

// Gives every combo box below root a styled item delegate, so that its popup follows the style sheet.
ZELBASE_EXPORT void installComboDelegates(QWidget *root);

} // namespace DialogSetup
