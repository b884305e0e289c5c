#pragma once

#include <functional>
#include <memory>

#include <QVector>

class OtnMapping;
class TestServerLink;
class zelServerManager;

// A test server with every parameter the frame setup pages and the mapping dialog bind, on port 1.
// Value names: interface "IF<v>", client "Client <v>" with a few named ones, stage s value v
// "ODTU-s<s>v<v> (PT=21)"; interface and stage names have SDH and SONET variants.
class FrameTestServer
{
public:
    static constexpr int port = 1;
    static constexpr int otn = 0x0D0000;
    static constexpr int general = 0x060000;

    // The mapping fields of one direction start with the given values (the rest 0).
    explicit FrameTestServer(int direction = 0, const QVector<int> &mapping = {});
    ~FrameTestServer();

    // Before the first manager() call the value is simply held; afterwards the server changes it by
    // itself and announces it queued.
    void setValue(int id, int value, int group = otn);
    int value(int id, int group = otn) const;
    zelServerManager *manager();

    static int sid(int id, int group = otn);
    static const int *mappingIds(int direction);
    // First structure the record accepts with exactly `stages` multiplex stages (any number, fewest
    // first, when negative) and the wanted property; empty when the record knows none.
    static QVector<int> findStructure(int stages, const std::function<bool(const OtnMapping &)> &want);
    static OtnMapping mappingOf(const QVector<int> &fields);

private:
    std::unique_ptr<TestServerLink> m_link;
    std::unique_ptr<zelServerManager> m_manager;
};
