#include "platform/Memory.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Resident anonymous memory of this process in kB; -1 where the system does not say.
long residentAnonymousKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

TEST(Memory, FreedSmallBlocksGoBackToTheSystem)
{
    if (residentAnonymousKb() < 0)
        GTEST_SKIP() << "no /proc/self/status";
    // 64 MB in blocks small enough to come from the heap, then all freed but every 64th,
    // which keep the heap from shrinking by itself: the free runs lie between them.
    std::vector<std::unique_ptr<char[]>> blocks(64 * 1024);
    for (int i = 0; i < 64 * 1024; ++i) {
        blocks[i].reset(new char[1000]);
        std::fill_n(blocks[i].get(), 1000, char(i));
    }
    for (int i = 0; i < 64 * 1024; ++i)
        if (i % 64 != 63)
            blocks[i].reset();
    const long before = residentAnonymousKb();
    platform::ReturnFreedMemory();
    const long after = residentAnonymousKb();
    EXPECT_LT(after, before - 32 * 1024) << "before " << before << " kB, after " << after << " kB";
}
