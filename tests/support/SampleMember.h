#pragma once
// A club member as the server keeps one after a registration: Oslo, Norway, an empty
// profile; header-only so that the benchmarks can use it too.
#include "server/Store.h"

namespace testsupport {

inline VardelinServer::Member SampleMember(const QString& nick, const QString& pw, qint64 balance = 0,
                                           const QString& country2 = QStringLiteral("1-001"))
{
    VardelinServer::Member m;
    m.nick = nick;
    m.pw = pw;
    m.city = QStringLiteral("Oslo");
    m.country1 = QStringLiteral("Norway");
    m.country2 = country2;
    m.sex = QStringLiteral("M");
    m.email = QStringLiteral("a@b.c");
    m.dater = QStringLiteral("01.01.2026");
    m.r01 = m.r02 = m.r03 = QStringLiteral("xxx");
    m.r04 = balance;
    for (int i = 0; i < 14; ++i)
        m.info << QStringLiteral("#");
    return m;
}

} // namespace testsupport
