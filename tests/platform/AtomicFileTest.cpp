#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray readFile(const QString& p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

TEST(AtomicFile, WritesWholeFileAndReplacesOld)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    ASSERT_TRUE(platform::writeFileAtomically(path, "first\r\n"));
    ASSERT_TRUE(platform::writeFileAtomically(path, "second\r\n"));
    EXPECT_EQ(readFile(path), QByteArray("second\r\n"));
}

TEST(AtomicFile, FailedWriteLeavesOldFileIntactAndNoLeftovers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("club.clb");
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray(900, 'x')));
    platform::setAtomicWriteFailureForTest(450);
    EXPECT_FALSE(platform::writeFileAtomically(path, QByteArray(900, 'y')));
    platform::setAtomicWriteFailureForTest(-1);
    EXPECT_EQ(readFile(path), QByteArray(900, 'x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"club.clb"});
}

TEST(AtomicFile, MissingFolderFails)
{
    QTemporaryDir dir;
    EXPECT_FALSE(platform::writeFileAtomically(dir.filePath("no/such/folder/f.txt"), "x"));
}

TEST(AtomicFile, LeftoversOfAKilledWriteAreRemovedAndNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList names = {"Vardelin.clb", "Vardelin.clb.Ab12Cd", "Vardelin.clb.x9Y8z7", "Vardelin.clb.bak",
                               "Vardelin.clb.Ab12Cd7", "Vardelin.ini.Ab12Cd", "XVardelin.clb.Ab12Cd"};
    for (const QString& name : names) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(platform::removeAtomicLeftovers(dir.filePath("Vardelin.clb")), 2);
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"Vardelin.clb", "Vardelin.clb.Ab12Cd7", "Vardelin.clb.bak", "Vardelin.ini.Ab12Cd",
                                 "XVardelin.clb.Ab12Cd"}));
}
