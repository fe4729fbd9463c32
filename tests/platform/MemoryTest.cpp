#include "platform/Memory.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

long residentAnonymousKb()
{
    return platform::OwnMemoryKb("RssAnon");
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
