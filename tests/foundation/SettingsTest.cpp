#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"
#include "foundation/Settings.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/AtomicFile.h"
#include "platform/Http.h"
#include "platform/ProgramFolder.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedPresenter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Settings;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file a first start writes, line by line.
QList<QByteArray> defaultLines()
{
    return {"<# General>", "01010RL1071", "<# Cards>", "0", "<# Decks>", "000", "<# Fonts>",
            "Comic Sans MS", "Comic Sans MS", "Fixedsys", "Courier New", "100", "100", "100", "100",
            "<# Backgraund>", "020", "<# Name Of Player>", "Unknown", "<# World Top Ten>",
            ServerAddresses::BuiltInRatingAddressCoded.toLatin1(), "Incognito", "1-001", "Moscow", "M",
            "<# Server: Stat>", ServerAddresses::BuiltInStatAddressCoded.toLatin1()};
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedGame = GameState::CurrentGameId;
        savedGroup = GameState::CurrentGroup;
        savedLanguage = Texts::LanguageIndex;
        ASSERT_TRUE(dir.isValid());
        platform::setProgramFolderForTest(dir.path() + "/");
        // Where the configuration page is asked; nobody listens unless a test says so.
        savedConfig = ServerAddresses::ConfigPageAddress;
        ServerAddresses::ConfigPageAddress = Scrambler::ScrambleText(server.url("/config.txt"), Scrambler::KeySettings);
    }
    void TearDown() override
    {
        platform::setAtomicWriteFailureForTest(-1);
        platform::setProgramFolderForTest(QString());
        ServerAddresses::ConfigPageAddress = savedConfig;
        SetDefaultSettings();
        GameState::CurrentGameId = savedGame;
        GameState::CurrentGroup = savedGroup;
        Texts::LanguageIndex = savedLanguage;
    }
    QString path() const { return dir.path() + "/Vardelin.ini"; }
    void writeLines(const QList<QByteArray>& lines)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(TextFileLines::JoinLines(lines));
    }
    // Every global as text, to compare whole states.
    static QStringList snapshot()
    {
        return {QString::number(Texts::LanguageIndex), QString::number(SoundOn), QString::number(SoundFlag2),
                QString::number(MoveMode), QString::number(GifAnimationOn), QString::number(YellowCursor),
                QString::number(StartStatPosted), QString::number(GameLiked), QString::number(WindowSize),
                QString::number(GameState::CurrentGameId), QString::number(GameState::CurrentGroup), ServerGameCode,
                QString::number(FaceDeckNo), QString::number(BackDeckNo), QString::number(BackModeFlag),
                FontTimesName, FontSerifName, FontCouriName, FontConewName, QString::number(FontTimesPercent),
                QString::number(FontSerifPercent), QString::number(FontCouriPercent),
                QString::number(FontConewPercent), QString::number(BackgroundNo),
                QString::number(BackgroundColorIndex), LocalPlayerName, RatingServiceAddressCoded,
                RatingServiceAddress, PassportNick, PassportCountry, PassportCity, PassportSex,
                StatServiceAddressCoded, StatServiceAddress};
    }

    QTemporaryDir dir;
    testsupport::LoopbackServer server;
    testsupport::ScriptedPresenter presenter;
    QString savedConfig;
    int savedGame = 0, savedGroup = 0, savedLanguage = 0;
};

} // namespace

TEST_F(SettingsTest, NoFileGivesEveryDefaultAndAsksNoServer)
{
    Texts::LanguageIndex = 4;
    SoundOn = false;
    GameState::CurrentGameId = 12;
    FontConewName = "x";
    PassportNick.clear();
    WorldTopTenOn = true;
    LoadSettings();
    EXPECT_EQ(Texts::LanguageIndex, 0);
    EXPECT_TRUE(SoundOn);
    EXPECT_TRUE(SoundFlag2);
    EXPECT_EQ(MoveMode, 0);
    EXPECT_EQ(WindowSize, 1);
    EXPECT_EQ(GameState::CurrentGameId, 71);
    EXPECT_EQ(GameState::CurrentGroup, 1);
    EXPECT_EQ(ServerGameCode, "solvd");
    EXPECT_EQ(FontTimesName, "Comic Sans MS");
    EXPECT_EQ(FontConewName, "Courier New");
    EXPECT_EQ(FontCouriPercent, 100);
    EXPECT_EQ(BackgroundNo, 2);
    EXPECT_EQ(LocalPlayerName, "Unknown");
    EXPECT_EQ(PassportNick, "Incognito");
    // A fresh installation still has its unique start to post and its like to send.
    EXPECT_FALSE(StartStatPosted);
    EXPECT_FALSE(GameLiked);
    EXPECT_FALSE(WorldTopTenOn);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_TRUE(RatingServiceAddress.startsWith("http://127.0.0.1:"));
    EXPECT_TRUE(StatServiceAddress.startsWith("http://127.0.0.1:"));
    EXPECT_TRUE(Scrambler::UnscrambleText(AccountServiceAddress, Scrambler::KeyAccount).startsWith("http://127.0.0.1:"));

    // Saved at once, the file holds the defaults and no empty line.
    SaveSettings();
    QList<QByteArray> fresh = defaultLines();
    fresh[1] = "01010##1071";
    EXPECT_EQ(TextFileLines::SplitLines(readAll(path())), fresh);
    // The file now exists: its letters hold from here on.
    StartStatPosted = true;
    GameLiked = true;
    LoadSettings();
    EXPECT_FALSE(StartStatPosted);
    EXPECT_FALSE(GameLiked);
}

TEST_F(SettingsTest, SaveThenLoadRoundTripsForEverySoundCombination)
{
    struct Sound {
        bool on, flag2;
        char written;
    };
    const Sound sounds[] = {{false, false, '0'}, {true, true, '1'}, {true, false, '2'}, {false, true, '3'}};
    for (const auto& s : sounds) {
        SCOPED_TRACE(s.written);
        SetDefaultSettings();
        Texts::LanguageIndex = 9;
        SoundOn = s.on;
        SoundFlag2 = s.flag2;
        MoveMode = 2;
        GifAnimationOn = false;
        YellowCursor = true;
        StartStatPosted = false;
        GameLiked = false;
        WindowSize = 5;
        GameState::CurrentGameId = 405;
        FaceDeckNo = 47;
        BackDeckNo = 7;
        BackModeFlag = false;
        FontTimesName = "DejaVu Serif";
        FontSerifName = QString::fromUtf8("Шрифт");
        FontCouriName = "Mono";
        FontConewName = "Courier";
        FontTimesPercent = 50;
        FontSerifPercent = 150;
        FontCouriPercent = 77;
        FontConewPercent = 120;
        BackgroundNo = 10;
        BackgroundColorIndex = 6;
        LocalPlayerName = QString::fromUtf8("Ёжик Иванов");
        RatingServiceAddressCoded = Scrambler::ScrambleText(QString("http://127.0.0.1:1/r.php"), Scrambler::KeySettings);
        PassportNick = "Nick12345678";
        PassportCountry = "6-054";
        PassportCity = "Rio de Janeiro";
        PassportSex = "W";
        StatServiceAddressCoded = Scrambler::ScrambleText(QString("http://127.0.0.1:1/s.php"), Scrambler::KeySettings);
        SaveSettings();
        const QByteArray first = readAll(path());
        ASSERT_EQ(TextFileLines::SplitLines(first).size(), 27);
        EXPECT_EQ(TextFileLines::SplitLines(first)[1], QByteArray("9") + s.written + "201##5405");

        SetDefaultSettings();
        LoadSettings();
        EXPECT_EQ(SoundOn, s.on);
        EXPECT_EQ(SoundFlag2, s.flag2);
        EXPECT_EQ(GameState::CurrentGameId, 405);
        EXPECT_EQ(GameState::CurrentGroup, GameTables::GameGroupOf(405));
        EXPECT_EQ(ServerGameCode, "sol405");
        EXPECT_EQ(LocalPlayerName, QString::fromUtf8("Ёжик Иванов"));
        EXPECT_EQ(RatingServiceAddress, "http://127.0.0.1:1/r.php");
        EXPECT_EQ(StatServiceAddress, "http://127.0.0.1:1/s.php");
        EXPECT_TRUE(WorldTopTenOn);   // the page could not be read: "old"
        SaveSettings();
        EXPECT_EQ(readAll(path()), first);
    }
}

TEST_F(SettingsTest, MalformedFilesGiveDefinedResults)
{
    struct Case {
        const char* what;
        int line;               // 1-based line to replace, 0 for none
        QByteArray content;
        bool dropLast;          // file one line short
        bool refreshed;         // reading ran to its end
        std::function<void()> check;
    };
    const QStringList defaults = [] {
        SetDefaultSettings();
        return snapshot();
    }();
    auto allDefault = [defaults] { EXPECT_EQ(snapshot(), defaults); };
    const Case cases[] = {
        {"26 lines", 0, "", true, false, allDefault},
        {"line 2 of 6 characters", 2, "91001R", false, false, allDefault},
        {"line 2 of 7 characters", 2, "9100100", false, true,
         [] {
             EXPECT_EQ(Texts::LanguageIndex, 9);
             EXPECT_EQ(WindowSize, 1);
             EXPECT_EQ(GameState::CurrentGameId, 71);
         }},
        {"line 2 junk", 2, "xxxxxxxxxxx", false, true,
         [] {
             EXPECT_EQ(Texts::LanguageIndex, 0);
             EXPECT_TRUE(SoundOn && SoundFlag2);
             EXPECT_FALSE(StartStatPosted);
             EXPECT_EQ(GameState::CurrentGameId, 71);
         }},
        {"unknown game 099", 2, "01001RL1099", false, true,
         [] {
             EXPECT_EQ(GameState::CurrentGameId, 431);
             EXPECT_EQ(ServerGameCode, "sol431");
             EXPECT_EQ(GameState::CurrentGroup, 1);
         }},
        {"game 019", 2, "01001RL1019", false, true, [] { EXPECT_EQ(ServerGameCode, "soltu"); }},
        {"game code not a number", 2, "01001RL1a9b", false, true, [] { EXPECT_EQ(GameState::CurrentGameId, 71); }},
        {"face deck out of range", 4, "48", false, true, [] { EXPECT_EQ(FaceDeckNo, 0); }},
        {"face deck not a number", 4, "1x", false, true, [] { EXPECT_EQ(FaceDeckNo, 0); }},
        {"back deck out of range", 6, "131", false, true,
         [] {
             EXPECT_EQ(BackDeckNo, 0);
             EXPECT_FALSE(BackModeFlag);
         }},
        {"back line short", 6, "05", false, false, [] { EXPECT_EQ(FontTimesName, "Comic Sans MS"); }},
        {"font name of one character", 9, "X", false, false, [] { EXPECT_EQ(FontSerifName, "Comic Sans MS"); }},
        {"font name too long", 9, QByteArray(200, 'F'), false, true,
         [] { EXPECT_EQ(FontSerifName, "Comic Sans MS"); }},
        {"percent out of range", 13, "151", false, true, [] { EXPECT_EQ(FontSerifPercent, 100); }},
        {"percent empty", 14, "", false, false, [] { EXPECT_EQ(FontSerifPercent, 100); }},
        {"colour out of range", 17, "057", false, true,
         [] {
             EXPECT_EQ(BackgroundNo, 5);
             EXPECT_EQ(BackgroundColorIndex, 0);
         }},
        {"background line empty", 17, "", false, true,
         [] {
             EXPECT_EQ(BackgroundNo, 2);
             EXPECT_EQ(BackgroundColorIndex, 0);
         }},
        {"empty name", 19, "", false, false,
         [] {
             EXPECT_EQ(LocalPlayerName, "Unknown");
             EXPECT_EQ(PassportNick, "Incognito");
             EXPECT_EQ(RatingServiceAddressCoded, ServerAddresses::BuiltInRatingAddressCoded);
         }},
        {"name too long", 19, "A name much longer than twenty", false, true,
         [] { EXPECT_EQ(LocalPlayerName, "A name much longer t"); }},
        {"address that is no address", 21, "not scrambled at all", false, true,
         [] { EXPECT_EQ(RatingServiceAddressCoded, ServerAddresses::BuiltInRatingAddressCoded); }},
        {"nick too long", 22, "ABCDEFGHIJKLMNOP", false, true, [] { EXPECT_EQ(PassportNick, "ABCDEFGHIJKL"); }},
        {"country 2-052", 23, "2-052", false, true,
         [] {
             EXPECT_EQ(PassportCountry, "1-001");
             EXPECT_EQ(PassportCity, "Bergen");
         }},
        {"country 7-001", 23, "7-001", false, true, [] { EXPECT_EQ(PassportCountry, "1-001"); }},
        {"country 2-0x1", 23, "2-0x1", false, true, [] { EXPECT_EQ(PassportCountry, "1-001"); }},
        {"country of four characters", 23, "2-05", false, false,
         [] {
             EXPECT_EQ(PassportCountry, "1-001");
             EXPECT_EQ(PassportCity, "Moscow");
         }},
        {"city too long", 24, "Ciudad de Buenos Aires", false, true, [] { EXPECT_EQ(PassportCity, "Ciudad de Bueno"); }},
        {"sex X", 25, "X", false, true, [] { EXPECT_EQ(PassportSex, "M"); }},
        // Unscrambles to a web address, but the bytes after it would not survive a save.
        {"address with junk after it", 27, ServerAddresses::BuiltInStatAddressCoded.toLatin1() + QByteArray("\xEC\0\0", 3),
         false, true, [] { EXPECT_EQ(StatServiceAddressCoded, ServerAddresses::BuiltInStatAddressCoded); }},
        {"stat address empty", 27, "", false, false,
         [] { EXPECT_EQ(StatServiceAddressCoded, ServerAddresses::BuiltInStatAddressCoded); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QList<QByteArray> lines = defaultLines();
        lines[1] = "01001##1071";
        lines[22] = "3-035";
        lines[23] = "Bergen";
        lines[24] = "W";
        if (c.line)
            lines[c.line - 1] = c.content;
        if (c.dropLast)
            lines.removeLast();
        writeLines(lines);
        server.clearRequests();
        LoadSettings();
        c.check();
        EXPECT_EQ(server.requests().size(), c.refreshed ? 3 : 0);
        if (c.refreshed) {
            EXPECT_EQ(PassportSex, c.line == 25 ? "M" : "W");
        }
        // Whatever was read, the next save writes a file that reads back whole.
        SaveSettings();
        const auto saved = TextFileLines::SplitLines(readAll(path()));
        ASSERT_EQ(saved.size(), 27);
        for (const auto& l : saved)
            EXPECT_FALSE(l.isEmpty());
        server.clearRequests();
        LoadSettings();
        EXPECT_EQ(server.requests().size(), 3);
    }
}

TEST_F(SettingsTest, BinaryJunkNeverCrashes)
{
    QByteArray junk;
    for (int i = 0; i < 4000; ++i)
        junk.append(static_cast<char>((i * 7919 + 13) % 256));
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(junk);
    f.close();
    EXPECT_NO_THROW(LoadSettings());
    EXPECT_NO_THROW(SaveSettings());
    EXPECT_EQ(TextFileLines::SplitLines(readAll(path())).size(), 27);
}

TEST_F(SettingsTest, RefreshTakesTheConfigurationPage)
{
    const QString rating = Scrambler::ScrambleText(QString("http://127.0.0.1:2/wt.php"), Scrambler::KeySettings);
    const QString stat = Scrambler::ScrambleText(QString("http://127.0.0.1:2/st.php"), Scrambler::KeySettings);
    const QString acc = Scrambler::ScrambleText(QString("http://127.0.0.1:2/acc.php"), Scrambler::KeyAccount);
    struct Case {
        const char* what;
        QByteArray page;   // empty: the page fails
        bool topTenOn;
        bool chatOn;
        QString ratingPlain, statPlain, accPlain;
    };
    const QString oldRating = "http://127.0.0.1:1/r.php";
    const QString builtInStat = Scrambler::UnscrambleText(ServerAddresses::BuiltInStatAddressCoded, Scrambler::KeySettings);
    const QString builtInAcc = Scrambler::UnscrambleText(ServerAddresses::BuiltInAccountAddressCoded, Scrambler::KeyAccount);
    const Case cases[] = {
        {"all three", ("WTGamesPatt=" + rating + "#\nStatPath=" + stat + "#\nAccPath=" + acc + "#").toLatin1(), true,
         true, "http://127.0.0.1:2/wt.php", "http://127.0.0.1:2/st.php", "http://127.0.0.1:2/acc.php"},
        {"pause", ("CTGamesPause WTGamesPause WTGamesPatt=" + rating + "#").toLatin1(), false, false, oldRating,
         builtInStat, builtInAcc},
        {"variant 1 key only", ("WTGamesPath=" + rating + "#").toLatin1(), true, true, oldRating, builtInStat,
         builtInAcc},
        {"garbage values", "WTGamesPatt=%%%#StatPath=#AccPath:???#", true, true, oldRating, builtInStat, builtInAcc},
        {"page fails", "", true, true, oldRating, builtInStat, builtInAcc},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.page.isEmpty())
            server.setFailure("/config.txt", testsupport::LoopbackServer::Failure::ServerError);
        else
            server.setFailure("/config.txt", testsupport::LoopbackServer::Failure::None);
        server.setPage("/config.txt", c.page);
        SetDefaultSettings();
        RatingServiceAddressCoded = Scrambler::ScrambleText(oldRating, Scrambler::KeySettings);
        RatingServiceAddress = oldRating;
        RefreshServerAddresses();
        EXPECT_EQ(WorldTopTenOn, c.topTenOn);
        EXPECT_EQ(ChatOn, c.chatOn);
        EXPECT_EQ(RatingServiceAddress, c.ratingPlain);
        EXPECT_EQ(Scrambler::UnscrambleText(RatingServiceAddressCoded, Scrambler::KeySettings), c.ratingPlain);
        EXPECT_EQ(StatServiceAddress, c.statPlain);
        EXPECT_EQ(Scrambler::UnscrambleText(AccountServiceAddress, Scrambler::KeyAccount), c.accPlain);
    }
}

TEST_F(SettingsTest, AFailedSaveLeavesThePreviousFileAndSaysSo)
{
    SaveSettings();
    const QByteArray before = readAll(path());
    LocalPlayerName = "Changed";
    platform::setAtomicWriteFailureForTest(before.size() / 2);
    SaveSettings();
    EXPECT_EQ(readAll(path()), before);
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, "Can`t save options!");
}
