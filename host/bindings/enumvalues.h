#pragma once

class QcmaParameter;

// Shared by the enumeration bindings.
namespace EnumValues {
// Whether value is one the parameter may take: an active enumerator, or within an integer's range.
bool isSelectable(const QcmaParameter *parameter, int value);
// Whether the parameter is of a kind the enumeration bindings show (enumeration or integer).
bool isEnumerable(const QcmaParameter &parameter);
} // namespace EnumValues
