#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A customised screen as the user saved it: its name and the parameters on it (SIDs, in screen order).
// The file is JSON with a format name and version, so that a foreign or newer file is refused whole.
class CustomScreen
{
public:
    static constexpr int formatVersion = 1;

    QString name;
    QList<int> sids;

    QByteArray toJson() const;
    // False, with the reason in error and into untouched, for anything but a whole screen of a known version.
    static bool fromJson(const QByteArray &json, CustomScreen *into, QString *error);

    // Written through QSaveFile: an existing file stays whole when writing fails.
    bool save(const QString &path, QString *error) const;
    static bool load(const QString &path, CustomScreen *into, QString *error);
};
