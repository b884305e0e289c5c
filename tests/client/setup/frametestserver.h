#pragma once

#include <functional>

#include <QScopedPointer>
#include <QVector>

class OtnMapping;
class QcmaParameter;
class TestServerLink;
class zelServerManager;

// A test server with every parameter the frame setup pages and the mapping dialog bind, on port 1.
// Value names: interface "IF<v>" (SDH/SONET variants), client "Client <v>" with a few named ones,
// stage s value v "ODTU-s<s>v<v> (PT=21)".
class FrameTestServer
{
public:
    static constexpr int port = 1;

    FrameTestServer();
    ~FrameTestServer();

    // Before start(): replaces a value (the kind and range stay those of the parameter).
    void setValue(int id, int value, int group = 0x0D0000);
    void setMapping(int direction, const QVector<int> &fields);
    zelServerManager *start();
    zelServerManager *manager() const { return m_manager.data(); }
    TestServerLink *link() const { return m_link.data(); }

    // After start(): the server changes a value by itself (announced queued).
    void change(int id, int value, int group = 0x0D0000);
    int value(int id, int group = 0x0D0000) const;

    static int sid(int id, int group = 0x0D0000);
    static const int *mappingIds(int direction);

    // First structure the record accepts with exactly `stages` multiplex stages and the wanted property;
    // empty when the record knows none.
    static QVector<int> findStructure(int stages, const std::function<bool(const OtnMapping &)> &want);
    static OtnMapping mappingOf(const QVector<int> &fields);

private:
    QcmaParameter *create(int id, int group, int value) const;

    QScopedPointer<TestServerLink> m_link;
    QScopedPointer<zelServerManager> m_manager;
};
