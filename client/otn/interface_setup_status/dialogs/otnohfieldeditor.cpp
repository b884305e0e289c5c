#include "otnohfieldeditor.h"

#include <QVector>

#include "client/otn/components/otnohtext.h"
#include "host/widgets/qcmapatterneditdlg.h"
#include "host/widgets/qzelqwertydlg.h"

namespace {
// The host editor's layout wishes and display mode for overhead bytes.
constexpr int patternControls = 2;
constexpr int patternTabs = 7;
constexpr int patternViewMode = 8;
constexpr int bytesPerLine = 4;
} // namespace

bool OtnOhFieldEditor::editText(QWidget *button, QByteArray &message, OtnOhField field)
{
    QzelQwertyDlg keyboard(button);
    keyboard.setText(textBeforeZero(fieldBytes(message, field)));
    keyboard.setMaximumLength(field.length);
    if (keyboard.exec() != QDialog::Accepted)
        return false;
    setFieldBytes(message, field, paddedFieldText(keyboard.text(), field.length));
    return true;
}

bool OtnOhFieldEditor::editHex(const QWidget *origin, QByteArray &message, OtnOhField field)
{
    QcmaPatternEditDlg editor(patternControls, patternTabs);
    editor.setDialogRunner(QzelDialog::runnerAround(origin));
    editor.useApply(false);
    editor.setLineWidth(bytesPerLine);
    editor.setSize(field.length * 8);
    editor.setVariableSize(field.length * 8);
    editor.setViewMode(patternViewMode);
    const QByteArray bytes = fieldBytes(message, field);
    QVector<quint8> content;
    content.reserve(bytes.size());
    for (char byte : bytes)
        content.append(quint8(byte));
    editor.setContent(content);
    if (editor.exec() != QDialog::Accepted)
        return false;
    const QVector<quint8> edited = editor.content();
    QByteArray result(field.length, '\0');
    for (int i = 0; i < field.length && i < edited.size(); ++i)
        result[i] = char(edited.at(i));
    setFieldBytes(message, field, result);
    return true;
}
