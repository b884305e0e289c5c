#pragma once

#include <functional>

#include <QHash>
#include <QVariant>
#include <QVector>

class OtnMapping;

// A catalogue with every parameter the frame setup pages and the mapping dialog bind, for a fake link.
// Value names: interface "IF<v>", client "Client <v>" with a few named ones, stage s value v
// "ODTU-s<s>v<v> (PT=21)"; interface and stage names have SDH and SONET variants.
namespace FrameCatalogue {

constexpr int port = 1;

QByteArray json();
// Initial values (by SID, on the port) of the mapping fields of a direction (0 Tx, 1 Rx).
QHash<int, QVariant> mappingValues(int direction, const QVector<int> &fields);
// First structure the record accepts with exactly `stages` multiplex stages (any number, fewest
// first, when negative) and the wanted property; empty when the record knows none.
QVector<int> findStructure(int stages, const std::function<bool(const OtnMapping &)> &want);
OtnMapping mappingOf(const QVector<int> &fields);

} // namespace FrameCatalogue
