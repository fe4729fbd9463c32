#include "platform/Resources.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace platform::resources;

TEST(BuiltInResources, FoundByBaseNameIgnoringCase)
{
    for (const QString name : {"GFree", "gfree", "GFREE", "gFrEe"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(exists(name));
        EXPECT_TRUE(pathOf(name).startsWith(":/res/"));
        EXPECT_FALSE(find(name).isEmpty());
        EXPECT_EQ(image(name).size(), QSize(10, 10));
    }
}

TEST(BuiltInResources, MissingNamesGiveNothing)
{
    // A name carries no extension or folder; those forms are missing too.
    for (const QString name : {"", "NoSuchPicture", "GFree.png", "pictures/GFree", "GFre", "GFree "}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(exists(name));
        EXPECT_TRUE(pathOf(name).isEmpty());
        EXPECT_TRUE(find(name).isEmpty());
        EXPECT_TRUE(image(name).isNull());
    }
}

TEST(BuiltInResources, EveryEntryOfTheTreeIsFoundWhereAWalkFindsIt)
{
    // The index comes from the build's name list, not from walking the tree: the two
    // must agree on every entry, with and without its type. A name some folders share
    // (a help page per language) finds one of them.
    QHash<QString, QStringList> byName, byNameAndType;
    QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        byName[info.completeBaseName()].append(path);
        byNameAndType[info.completeBaseName() + QLatin1Char('.') + info.suffix()].append(path);
    }
    EXPECT_GT(byNameAndType.size(), 100);
    for (auto i = byNameAndType.cbegin(); i != byNameAndType.cend(); ++i) {
        const QFileInfo info(i.key());
        const QString found = pathOfType(info.completeBaseName(), info.suffix());
        EXPECT_TRUE(i.value().contains(found)) << i.key().toStdString() << " found " << found.toStdString();
    }
    for (auto i = byName.cbegin(); i != byName.cend(); ++i)
        EXPECT_TRUE(i.value().contains(pathOf(i.key()))) << i.key().toStdString();
}

namespace {

QByteArray pngOf(const QSize& size, QColor color)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// An add-on library as the program receives it: a binary resource bundle made by rcc,
// under a library's file name.
class AddOnBundle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
        if (!QFile::exists(rcc))
            GTEST_SKIP() << "Qt's rcc is not installed at " << rcc.toStdString();
        QDir(dir_.path()).mkpath("src/cards");
        ASSERT_TRUE(writeFile(dir_.filePath("src/cards/QyvCard01.png"), pngOf({4, 3}, Qt::red)));
        ASSERT_TRUE(writeFile(dir_.filePath("src/Back.PNG"), pngOf({2, 5}, Qt::blue)));
        ASSERT_TRUE(writeFile(dir_.filePath("src/notes.txt"), "not a picture"));
        ASSERT_TRUE(writeFile(dir_.filePath("src/long.txt"), QByteArray("a compressed entry ").repeated(200)));
        ASSERT_TRUE(writeFile(dir_.filePath("src/bundle.qrc"),
                              "<RCC><qresource prefix=\"/\">"
                              "<file>cards/QyvCard01.png</file><file>Back.PNG</file>"
                              "<file>notes.txt</file><file>long.txt</file></qresource></RCC>"));
        bundle_ = dir_.filePath("QyvCards07A.dll");
        QProcess p;
        p.setWorkingDirectory(dir_.filePath("src"));
        p.start(rcc, {"-binary", "bundle.qrc", "-o", bundle_});
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }

    QStringList rootEntries() const { return QDir(":/").entryList(); }

    QTemporaryDir dir_;
    QString bundle_;
};

} // namespace

TEST_F(AddOnBundle, FindsPicturesByNameIgnoringCase)
{
    AddOnLibrary lib(bundle_);
    ASSERT_TRUE(lib.isOpen());
    EXPECT_EQ(lib.image("QyvCard01").size(), QSize(4, 3));
    EXPECT_EQ(lib.image("qyvcard01").pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(lib.image("BACK").size(), QSize(2, 5));
    EXPECT_EQ(lib.find("Notes"), QByteArray("not a picture"));
    EXPECT_TRUE(lib.image("Notes").isNull());
    EXPECT_TRUE(lib.find("QyvCard02").isEmpty());
    EXPECT_TRUE(lib.image("QyvCard02").isNull());
    // The add-on's names do not leak into the built-in ones.
    EXPECT_FALSE(exists("QyvCard01"));
}

TEST_F(AddOnBundle, OtherFilesCountAsNotOpen)
{
    struct Case {
        const char* what;
        QString path;
    };
    ASSERT_TRUE(writeFile(dir_.filePath("Picture.dll"), pngOf({4, 4}, Qt::green)));
    ASSERT_TRUE(writeFile(dir_.filePath("Empty.dll"), QByteArray()));
    QFile whole(bundle_);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    ASSERT_TRUE(writeFile(dir_.filePath("Cut.dll"), whole.read(20)));
    const std::vector<Case> cases = {
        {"missing file", dir_.filePath("QyvBackG03.dll")},
        {"a picture under a library's name", dir_.filePath("Picture.dll")},
        {"empty file", dir_.filePath("Empty.dll")},
        {"bundle cut short", dir_.filePath("Cut.dll")},
        {"a folder", dir_.path()},
        {"no name", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AddOnLibrary lib(c.path);
        EXPECT_FALSE(lib.isOpen());
        EXPECT_TRUE(lib.find("QyvCard01").isEmpty());
        EXPECT_TRUE(lib.image("QyvCard01").isNull());
    }
}

TEST_F(AddOnBundle, ReleasedWhenDestroyed)
{
    const QStringList before = rootEntries();
    {
        AddOnLibrary first(bundle_);
        ASSERT_TRUE(first.isOpen());
        EXPECT_EQ(rootEntries().size(), before.size() + 1);
        {
            // The same file open twice: closing one leaves the other usable.
            AddOnLibrary second(bundle_);
            ASSERT_TRUE(second.isOpen());
            EXPECT_EQ(rootEntries().size(), before.size() + 2);
        }
        EXPECT_EQ(rootEntries().size(), before.size() + 1);
        EXPECT_EQ(first.image("QyvCard01").size(), QSize(4, 3));
    }
    EXPECT_EQ(rootEntries(), before);

    // One load after another, as every game start does, leaves nothing behind.
    for (int i = 0; i < 50; ++i) {
        AddOnLibrary lib(bundle_);
        ASSERT_TRUE(lib.isOpen());
    }
    EXPECT_EQ(rootEntries(), before);
}

TEST_F(AddOnBundle, OneChangedByteAnywhereNeverBreaksTheReader)
{
    QFile whole(bundle_);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray good = whole.readAll();
    ASSERT_TRUE(IsValidBundle(good));
    {
        AddOnLibrary lib(bundle_);
        ASSERT_TRUE(lib.isOpen());
        EXPECT_EQ(lib.find("long"), QByteArray("a compressed entry ").repeated(200));
    }
    const QString damaged = dir_.filePath("QyvBackG03.dll");
    int refused = 0;
    for (qsizetype i = 0; i < good.size(); ++i) {
        for (int mask : {0x01, 0x80, 0xFF}) {
            QByteArray bytes = good;
            bytes[i] = char(bytes[i] ^ mask);
            ASSERT_TRUE(writeFile(damaged, bytes));
            AddOnLibrary lib(damaged);
            refused += !lib.isOpen();
            // Whatever opened can be read through without a crash or a hang.
            for (const char* name : {"QyvCard01", "Back", "Notes", "Long"})
                (void)lib.image(name);
        }
    }
    EXPECT_GT(refused, 0);
    // Cut anywhere, the bundle is not a bundle any more.
    for (qsizetype n : {qsizetype(0), qsizetype(4), qsizetype(20), good.size() / 2, good.size() - 1})
        EXPECT_FALSE(IsValidBundle(good.left(n))) << n;
}
