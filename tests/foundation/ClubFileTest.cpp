#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPresenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ClubFile;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// 15 lines (entries and top ten) of a block, from tests/foundation/data.
ClubLines goldenBlock(const char* name)
{
    const QString path = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/data/" + name;
    const ClubLines lines = TextFileLines::SplitLines(readAll(path));
    EXPECT_EQ(lines.size(), 15) << path.toStdString();
    return lines;
}

class ClubFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::setProgramFolderForTest(dir.path() + "/");
        ClubFileReadOnly = false;
        ClubLabel.clear();
        EndGamePlace = -1;
        EndGameScore = -1;
        GameState::ClubResultPending = 0;
        Texts::LanguageIndex = 0;
    }
    void TearDown() override
    {
        platform::setAtomicWriteFailureForTest(-1);
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        platform::setProgramFolderForTest(QString());
        ClubFileReadOnly = false;
        GameState::ClubResultPending = 0;
    }
    QString path() const { return dir.path() + "/Vardelin.clb"; }

    // A valid file whose block of game number g holds the given 15 lines.
    void install(int g, const ClubLines& block)
    {
        ClubLines lines = EmptyClubLines("vrd");
        for (int i = 0; i < 15; ++i)
            lines[(g - 1) * 18 + i] = block[i];
        UpdateClubChecksums(lines);
        ASSERT_TRUE(ClubLinesValid(lines));
        writeAll(path(), TextFileLines::JoinLines(lines));
    }
    ClubLines fileLines() const { return TextFileLines::SplitLines(readAll(path())); }
    ClubLines blockOf(int g) const { return fileLines().mid((g - 1) * 18, 15); }

    QTemporaryDir dir;
    testsupport::ScriptedPresenter presenter;
};

QByteArray shippedFile()
{
    return readAll(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../resources/shipped/Vardelin.clb");
}

} // namespace

TEST_F(ClubFileTest, ShippedFilePassesAndIsRewrittenByteIdentical)
{
    const QByteArray shipped = shippedFile();
    ASSERT_EQ(shipped.size(), 32750);
    EXPECT_EQ(TextFileLines::JoinLines(EmptyClubLines("vrd")), shipped);
    writeAll(path(), shipped);
    const auto before = QFileInfo(path()).lastModified();
    EXPECT_TRUE(OpenClubFile("Vardelin.clb"));
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_EQ(readAll(path()), shipped);
    EXPECT_EQ(ClubLabel, "vrd");
    EXPECT_FALSE(ClubFileReadOnly);
    (void)before;

    // Other line ends are read and come back as CR LF.
    QByteArray lf = shipped;
    lf.replace("\r\n", "\n");
    writeAll(path(), lf);
    EXPECT_TRUE(OpenClubFile("Vardelin.clb"));
    EXPECT_EQ(readAll(path()), shipped);
}

TEST_F(ClubFileTest, DamagedFilesAreRefusedAndLeftAlone)
{
    const QByteArray good = TextFileLines::JoinLines(EmptyClubLines("vrd"));
    auto flip = [&](int line, int column) {
        ClubLines l = EmptyClubLines("vrd");
        l[line - 1][column - 1] = static_cast<char>(l[line - 1][column - 1] ^ 0x01);
        return TextFileLines::JoinLines(l);
    };
    auto edit = [&](auto change, bool renewSums) {
        ClubLines l = EmptyClubLines("vrd");
        change(l);
        if (renewSums)
            UpdateClubChecksums(l);
        return TextFileLines::JoinLines(l);
    };
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"899 lines", good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2)},
        {"empty file", QByteArray()},
        {"entry byte of block 1", flip(1, 1)},
        {"entry byte of block 7", flip(6 * 18 + 3, 40)},
        {"top ten byte of block 50", flip(49 * 18 + 15, 26)},
        {"game number of block 25", flip(24 * 18 + 16, 4)},
        {"checksum digit", flip(17, 28)},
        {"checksum not a number", edit([](ClubLines& l) { l[16 + 18][20] = 'x'; }, false)},
        {"entry one byte long", edit([](ClubLines& l) { l[2 * 18 + 1] += '#'; }, true)},
        {"top ten line short", edit([](ClubLines& l) { l[7].chop(1); }, true)},
        {"line 17 short", edit([](ClubLines& l) { l[16].remove(0, 1); }, false)},
        {"marker bytes", edit([](ClubLines& l) { l[15][0] = '#'; }, true)},
        {"second marker byte", edit([](ClubLines& l) { l[15][1] = 'y'; }, true)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        presenter.messages.clear();
        writeAll(path(), c.bytes);
        EXPECT_FALSE(OpenClubFile("Vardelin.clb"));
        ASSERT_EQ(presenter.messages.size(), 1u);
        EXPECT_EQ(presenter.messages[0].text, "The incorrect file \"Vardelin.clb\"!");
        EXPECT_EQ(presenter.messages[0].kind, platform::MessageKind::Error);
        EXPECT_EQ(readAll(path()), c.bytes);
    }

    // Line 18 is free, and so is a game number that is not the block's.
    presenter.messages.clear();
    ClubLines free = EmptyClubLines("vrd");
    free[17] = "anything at all, any length";
    free[18 * 3 + 15].replace(2, 3, "777");
    UpdateClubChecksums(free);
    writeAll(path(), TextFileLines::JoinLines(free));
    EXPECT_TRUE(OpenClubFile("Vardelin.clb"));
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(ClubFileTest, MissingFileIsReportedByName)
{
    EXPECT_FALSE(OpenClubFile("Vardelin.clb"));
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, "Can`t find the file \"Vardelin.clb\"!");
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ClubFileTest, WriteProtectedFileIsReportedOnceAndNeverWritten)
{
    install(3, goldenBlock("club_block.txt"));
    QByteArray lf = readAll(path());
    lf.replace("\r\n", "\n");   // any rewrite would show as CR LF
    writeAll(path(), lf);
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    EXPECT_TRUE(OpenClubFile("Vardelin.clb"));
    EXPECT_TRUE(ClubFileReadOnly);
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text,
              "The file \"Vardelin.clb**\" has incorrect attributes!\n\rThe work of the program will be incorrect!");

    EXPECT_TRUE(DeleteClubEntry("Vardelin.clb", 2, 3));
    EXPECT_TRUE(InsertClubEntry(ComposeClubEntry("Zed", 1, 5, EncodeClubField("")), "Vardelin.clb", 3));
    GameState::ClubResultPending = 1;
    EXPECT_TRUE(InsertClubEntry(ComposeClubEntry("Zed", 10, 9999, EncodeClubField("")), "Vardelin.clb", 3));
    EXPECT_EQ(EndGamePlace, 1);   // worked out in memory all the same
    EXPECT_EQ(readAll(path()), lf);
    EXPECT_EQ(presenter.messages.size(), 1u);
}

TEST_F(ClubFileTest, EntriesMoveAsGoldenBlocksShow)
{
    const ClubLines five = goldenBlock("club_block.txt");
    install(12, five);

    ASSERT_TRUE(DeleteClubEntry("Vardelin.clb", 2, 12));
    EXPECT_EQ(blockOf(12), goldenBlock("club_delete2.txt"));
    EXPECT_TRUE(ClubLinesValid(fileLines()));

    // The returning player equals the best score and goes above it.
    ASSERT_TRUE(InsertClubEntry(ComposeClubEntry("Boris", 4, 900, EncodeClubField("")), "Vardelin.clb", 12));
    EXPECT_EQ(blockOf(12), goldenBlock("club_insert_tie.txt"));
    EXPECT_TRUE(ClubLinesValid(fileLines()));

    // A new player in a full club always gets a line: the fifth entry leaves.
    install(12, five);
    ASSERT_TRUE(InsertClubEntry(ComposeClubEntry("Newbie", 1, 50, EncodeClubField("pw")), "Vardelin.clb", 12));
    EXPECT_EQ(blockOf(12), goldenBlock("club_insert_full.txt"));

    // Tenth round: the score ties place 3 and goes above it; the last place drops out.
    install(12, five);
    GameState::ClubResultPending = 1;
    ASSERT_TRUE(InsertClubEntry(ComposeClubEntry("Boris", 10, 3000, EncodeClubField("")), "Vardelin.clb", 12));
    EXPECT_EQ(blockOf(12), goldenBlock("club_topten3.txt"));
    EXPECT_EQ(EndGamePlace, 3);
    EXPECT_EQ(EndGameScore, 3000);
    EXPECT_TRUE(ClubLinesValid(fileLines()));
    EXPECT_TRUE(presenter.messages.empty());

    // Other blocks never change.
    const ClubLines empty = EmptyClubLines("vrd");
    const ClubLines now = fileLines();
    for (int i = 0; i < 900; ++i) {
        if (i / 18 != 11) {
            ASSERT_EQ(now[i], empty[i]) << "line " << i + 1;
        }
    }
}

TEST_F(ClubFileTest, EntryOrderForEveryPosition)
{
    struct Case {
        int score;
        int line;   // where the new entry lands in the full club of club_block.txt
    };
    // Scores in the club: 900 700 700 300 100.
    const Case cases[] = {{5000, 1}, {900, 1}, {899, 2}, {700, 2}, {699, 4}, {300, 4},
                          {100, 5}, {-5, 5}, {0, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        ClubLines lines = EmptyClubLines("vrd");
        const ClubLines five = goldenBlock("club_block.txt");
        for (int i = 0; i < 15; ++i)
            lines[i] = five[i];
        const QByteArray e = platform::cp1251::fromUnicode(ComposeClubEntry("New", 1, c.score, EncodeClubField("")));
        InsertClubEntryInLines(lines, e, 1, false);
        EXPECT_EQ(lines[c.line - 1], e);
        // The order of the others is kept, the weakest leaves.
        int j = 0;
        for (int i = 0; i < 5; ++i) {
            if (i != c.line - 1) {
                EXPECT_EQ(lines[i], five[j++]);
            }
        }
    }
}

TEST_F(ClubFileTest, TopTenPlaces)
{
    struct Case {
        int score;
        int place;
    };
    // Top ten: 5000 4000 3000 3000 2000 1500 1000 800 500 200.
    const Case cases[] = {{9999, 1}, {5000, 1}, {3500, 3}, {3000, 3}, {200, 10}, {199, 0}, {-50, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        ClubLines lines = EmptyClubLines("vrd");
        const ClubLines five = goldenBlock("club_block.txt");
        for (int i = 0; i < 15; ++i)
            lines[18 + i] = five[i];
        const ClubLines before = lines;
        const QByteArray e = platform::cp1251::fromUnicode(ComposeClubEntry("Top", 10, c.score, EncodeClubField("")));
        EXPECT_EQ(InsertClubEntryInLines(lines, e, 2, true), c.place);
        EXPECT_EQ(EndGameScore, c.score);
        if (c.place == 0) {
            EXPECT_EQ(lines, before);
        } else {
            EXPECT_EQ(lines[18 + 4 + c.place], QByteArray("Top                 ") + QByteArray::number(c.score).rightJustified(6, ' '));
            EXPECT_EQ(lines[18 + 14], c.place == 10 ? lines[18 + 14] : before[18 + 13]);
        }
    }
}

TEST_F(ClubFileTest, PasswordFieldsEncodeAndReadBack)
{
    struct Case {
        QString plain;
        QString coded;
        QString readBack;
    };
    const Case cases[] = {
        {"", "266266266266266", "     "},
        {"abc", "331332333266266", "abc  "},
        {"abcdefg", "331332333334335", "abcde"},
        {QString::fromUtf8("ёЯ"), "418457266266266", QString::fromUtf8("ёЯ   ")},
        {QString(QChar(0)), "234266266266266", QString(QChar(0)) + "    "},
    };
    ClubLines block = goldenBlock("club_block.txt");
    for (int i = 0; i < 5; ++i)
        block[i] = platform::cp1251::fromUnicode(ComposeClubEntry("P", 1, 10 - i, EncodeClubField(cases[i].plain)));
    install(50, block);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(EncodeClubField(cases[i].plain), cases[i].coded);
        QString field;
        EXPECT_TRUE(ReadClubField(50, i + 1, "Vardelin.clb", field));
        EXPECT_EQ(field, cases[i].readBack);
    }
    QString field = "x";
    EXPECT_FALSE(ReadClubField(51, 1, "Vardelin.clb", field));
    EXPECT_EQ(field, "     ");
    EXPECT_FALSE(ReadClubField(1, 6, "Vardelin.clb", field));
}

TEST_F(ClubFileTest, DamagedFieldsReadSoundly)
{
    struct Case {
        QByteArray text;
        int value;
    };
    const Case cases[] = {{"   123", 123}, {"  -500", -500}, {"12a456", 0}, {"######", 0},
                          {"", 0}, {"   +7 ", 7}, {"-", 0}, {"999999", 999999}};
    for (const auto& c : cases)
        EXPECT_EQ(ClubNumber(c.text), c.value) << c.text.toStdString();

    // Junk in the score columns of an entry reads 0 and sorts as such.
    ClubLines lines = EmptyClubLines("vrd");
    lines[0] = QByteArray("Junk                ##########  1  12x45266266266266266");
    lines[1] = QByteArray("Real                ##########  1      5266266266266266");
    const QByteArray e = platform::cp1251::fromUnicode(ComposeClubEntry("New", 1, 3, EncodeClubField("")));
    InsertClubEntryInLines(lines, e, 1, false);
    EXPECT_EQ(lines[0], e);
    EXPECT_EQ(lines[1].left(4), "Junk");
    EXPECT_EQ(lines[2].left(4), "Real");

    // Passwords with codes outside the byte range read as blanks.
    lines[0] = QByteArray("Junk                ##########  1     12999000abc331266");
    install(1, lines.mid(0, 15));
    QString field;
    EXPECT_TRUE(ReadClubField(1, 1, "Vardelin.clb", field));
    EXPECT_EQ(field, "   a ");
}

TEST_F(ClubFileTest, EntriesAreComposedToFitTheirColumns)
{
    struct Case {
        QString name;
        int rounds;
        int score;
        QString expected;
    };
    const QString pw = "331332333266266";
    const Case cases[] = {
        {"Bob", 3, 120, "Bob                 ##########  3    120" + pw},
        {"A twenty-five char name!", 10, 0, "A twenty-five char n########## 10      0" + pw},
        {"Max", 1000, 1234567, "Max                 ##########999 999999" + pw},
        {"Min", -1, -7654321, "Min                 ##########  0 -99999" + pw},
        {"Line\nbreak", 1, 1, "Line break          ##########  1      1" + pw},
    };
    for (const auto& c : cases) {
        const QString e = ComposeClubEntry(c.name, c.rounds, c.score, pw);
        EXPECT_EQ(e, c.expected);
        EXPECT_EQ(e.size(), 55);
    }
    EXPECT_TRUE(ClubNameAcceptable(QString::fromUtf8("Ёжик Петров")));
    EXPECT_TRUE(ClubNameAcceptable(""));
    EXPECT_FALSE(ClubNameAcceptable(QString::fromUtf8("王")));
    EXPECT_FALSE(ClubNameAcceptable("tab\there"));
}

TEST_F(ClubFileTest, ChecksumsKeepTheFirstTenColumns)
{
    ClubLines lines = EmptyClubLines("abc");
    EXPECT_EQ(lines[16].left(10), "######abc#");
    lines[18 + 16] = "1234567";   // short: padded to ten columns
    lines[0].replace(0, 4, "Anna");
    UpdateClubChecksums(lines);
    EXPECT_EQ(lines[18 + 16].left(10), "1234567   ");
    EXPECT_EQ(lines[18 + 16].size(), 28);
    EXPECT_TRUE(ClubLinesValid(lines));
    // First sum of an empty block by hand: 5 entries, 10 top-ten lines, line 16.
    const ClubLines e = EmptyClubLines("abc");
    qint64 sum = 0;
    for (int i = 18; i < 34; ++i)
        for (char ch : e[i])
            sum += static_cast<unsigned char>(ch);
    EXPECT_EQ(e[18 + 16].mid(10, 6), QByteArray::number(sum).rightJustified(6, '0'));
}

TEST_F(ClubFileTest, AFailedWriteLeavesThePreviousFile)
{
    install(5, goldenBlock("club_block.txt"));
    const QByteArray before = readAll(path());
    platform::setAtomicWriteFailureForTest(before.size() / 2);

    EXPECT_FALSE(DeleteClubEntry("Vardelin.clb", 1, 5));
    EXPECT_EQ(readAll(path()), before);
    EXPECT_FALSE(InsertClubEntry(ComposeClubEntry("X", 1, 1, EncodeClubField("")), "Vardelin.clb", 5));
    EXPECT_EQ(readAll(path()), before);
    EXPECT_TRUE(OpenClubFile("Vardelin.clb"));   // the file is fine; only the rewrite failed
    EXPECT_EQ(readAll(path()), before);
    ASSERT_EQ(presenter.messages.size(), 3u);
    EXPECT_EQ(presenter.messages[0].text, "Can`t make changes on the disk!");
    EXPECT_EQ(presenter.messages[1].text, "Error of disk writing!");
    EXPECT_EQ(presenter.messages[2].text, "Error of disk writing!");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Vardelin.clb"});
}

TEST_F(ClubFileTest, OperationsOnAFileThatVanishedReport)
{
    EXPECT_FALSE(DeleteClubEntry("Vardelin.clb", 1, 1));
    EXPECT_FALSE(InsertClubEntry(ComposeClubEntry("X", 1, 1, EncodeClubField("")), "Vardelin.clb", 1));
    EXPECT_FALSE(DeleteClubEntry("Vardelin.clb", 6, 1));
    EXPECT_FALSE(InsertClubEntry(ComposeClubEntry("X", 1, 1, EncodeClubField("")), "Vardelin.clb", 0));
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[0].text, "Can`t read the file \"Vardelin.clb\"!");
    EXPECT_FALSE(QFile::exists(path()));
}

TEST(ClubChecksums, ThreeSumsOfOneBlockWorkedByHand)
{
    // Lines 1 to 16 of a block read as one run of bytes, counted from 1: "ABC" then "D".
    // All bytes: 65 + 66 + 67 + 68 = 266; every second (B, D): 66 + 68 = 134; every
    // third (C): 67. The mark keeps its first ten characters.
    ClubLines lines(ClubBlockLines);
    lines[0] = "ABC";
    lines[1] = "D";
    lines[16] = "0123456789xxxxxxxxxxxxxxxxxx";
    UpdateClubChecksums(lines);
    EXPECT_EQ(lines[16], QByteArray("0123456789" "000266" "000134" "000067"));
}
