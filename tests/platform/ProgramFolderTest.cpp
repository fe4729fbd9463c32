#include "platform/ProgramFolder.h"
#include "platform/Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

TEST(ProgramFolder, LibrariesOfAReadOnlyInstallationComeFirst)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir(root.path()).mkpath("install");
    QDir(root.path()).mkpath("user/data");
    const QString install = root.filePath("install") + "/";
    const QString user = root.filePath("user/data") + "/";
    platform::setProgramFolderForTest(user);
    platform::setInstallFolderForTest(install);
    const QStringList expected = {install + "QyvBackG03.dll", root.filePath("QyvBackG03.dll"),
                                  user + "QyvBackG03.dll", root.filePath("user/QyvBackG03.dll")};
    EXPECT_EQ(platform::libraryPaths("QyvBackG03.dll"), expected);

    EXPECT_TRUE(platform::existingLibraryPath("QyvBackG03.dll").isEmpty());
    for (const QString& path : {expected[2], expected[0]}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        EXPECT_EQ(platform::existingLibraryPath("QyvBackG03.dll"), path);
    }
    // A folder of that name is no library.
    platform::setInstallFolderForTest(QString());
    QDir(user).mkpath("QyvCards07A.dll");
    EXPECT_TRUE(platform::existingLibraryPath("QyvCards07A.dll").isEmpty());
    platform::setProgramFolderForTest(QString());
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

TEST(Seams, APacerCountsTheWorkBetweenPausesIntoThePace)
{
    std::uint64_t now = 5000000000u;
    platform::SeamOverrides o;
    o.monotonicNanos = [&now] { return now; };
    platform::setSeamOverridesForTest(o);
    platform::StepPacer pacer;
    struct Step {
        std::uint64_t work; // nanoseconds spent before the pause (a repaint)
        int ms;
        std::uint64_t wait;
    };
    const Step steps[] = {
        {400000, 1, 600000},    // 0.4 ms of drawing leave 0.6 ms of the first millisecond
        {1000000, 1, 0},        // 2 ms due, 2 ms passed
        {2500000, 2, 0},        // 4 ms due, 4.5 passed: behind time, no pause
        {100000, 2, 1400000},   // 6 ms due, 4.6 passed: the pace catches up
        {0, 3, 3000000},        // 9 ms due, 6 passed
    };
    for (const Step& s : steps) {
        now += s.work;
        pacer.pause(s.ms);
        if (pacer.lastWaitNs() > 0)
            now += pacer.lastWaitNs(); // the wait itself, as a real clock would see it
        EXPECT_EQ(pacer.lastWaitNs(), s.wait) << s.work;
    }
    platform::setSeamOverridesForTest({});
}
