#pragma once

#include <QString>

#include "zelassert.h"

// SID: parameter id in bits 0-15, group (kept shifted) in bits 16-23, port in bits 24-30, flag in bit 31.
namespace nsSID {

constexpr int sidMask = 0x0000FFFF;
constexpr int groupMask = 0x00FF0000;
constexpr int portMask = 0x7F000000;
constexpr unsigned flagMask = 0x80000000u;
constexpr int max_number_of_ports = 4;
constexpr int noPort = 127;
// Groups: every OTN parameter, the general settings (the terminology of a port), and the settings of
// the whole tester, kept on no port (the tributary scan lock, the bidirectional performance figures).
constexpr int otn = 0x0D0000;
constexpr int general = 0x060000;
constexpr int global = 0x050000;

inline int build(int port, int grp, int id, bool flag = false)
{
    ZEL_ASSERT_TEXT(port <= max_number_of_ports || port == noPort, "port <= max_number_of_ports || port == noPort",
                    QStringLiteral("port = %1").arg(port));
    ZEL_ASSERT_TEXT((id & sidMask) == id, "(id & sidMask) == id", QStringLiteral("id = %1").arg(id));
    ZEL_ASSERT_TEXT((grp & groupMask) == grp, "(grp & groupMask) == grp", QStringLiteral("grp = %1").arg(grp));
    const unsigned sid = unsigned(id) | unsigned(grp) | (unsigned(port) << 24) | (flag ? flagMask : 0u);
    return int(sid);
}

inline int setPort(int sid, int port)
{
    ZEL_ASSERT_TEXT(port <= max_number_of_ports || port == noPort, "port <= max_number_of_ports || port == noPort",
                    QStringLiteral("port = %1").arg(port));
    return int((unsigned(sid) & 0x80FFFFFFu) | (unsigned(port) << 24));
}

// The SID by which a page, dialog, panel or the tester names an OTN parameter of a port.
inline int otnSid(int port, int id)
{
    return build(port, otn, id);
}

inline int portOf(int sid) { return int((unsigned(sid) & unsigned(portMask)) >> 24); }
inline int groupOf(int sid) { return sid & groupMask; }
inline int idOf(int sid) { return sid & sidMask; }
inline bool flagOf(int sid) { return (unsigned(sid) & flagMask) != 0; }

} // namespace nsSID
