#include "platform/ProgramFolder.h"
#include "platform/Seams.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, EndsWithOneSlashAndHonoursTheTestOverride)
{
    const QString real = platform::programFolder();
    EXPECT_TRUE(real.endsWith('/'));
    EXPECT_FALSE(real.endsWith("//"));

    QTemporaryDir dir;
    platform::setProgramFolderForTest(dir.path());
    EXPECT_EQ(platform::programFolder(), dir.path() + '/');
    platform::setProgramFolderForTest(dir.path() + '/');
    EXPECT_EQ(platform::programFolder(), dir.path() + '/');
    platform::setProgramFolderForTest({});
    EXPECT_EQ(platform::programFolder(), real);
}

TEST(Seams, OverridesReplaceOnlyWhatIsSet)
{
    std::vector<int> slept;
    platform::SeamOverrides o;
    o.sleepMs = [&](int ms) { slept.push_back(ms); };
    o.randomBelow = [](int n) { return n - 1; };
    platform::setSeamOverridesForTest(o);
    platform::sleepMs(2);
    platform::sleepMs(1);
    EXPECT_EQ(slept, (std::vector<int>{2, 1}));
    EXPECT_EQ(platform::randomBelow(6), 5);
    EXPECT_EQ(platform::randomBelow(0), 0);
    const auto a = platform::monotonicNanos();
    EXPECT_GE(platform::monotonicNanos(), a);
    platform::setSeamOverridesForTest({});
    for (int i = 0; i < 100; ++i) {
        const int r = platform::randomBelow(3);
        EXPECT_TRUE(r >= 0 && r < 3);
    }
}
