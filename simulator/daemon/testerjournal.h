#pragma once

#include <QFile>
#include <QList>
#include <QStringList>

class QCborMap;

// The state file of the tester daemon: every write request it received, in order, as the frames it came
// in. Replayed at start through the same rules, it brings the tester back to what its clients had set,
// refusals included, so a restart loses no confirmed value.
class TesterJournal
{
public:
    // Empty path: nothing is kept.
    explicit TesterJournal(const QString &path);

    // The write requests kept so far; problems (a frame cut short by a kill, a damaged file) in errors.
    QList<QCborMap> load(QStringList *errors) const;
    // Appends a request and hands it to the system before the write is confirmed; false when the file
    // cannot be written (logged).
    bool append(const QCborMap &write);
    QString path() const { return m_file.fileName(); }

private:
    QFile m_file;
};
