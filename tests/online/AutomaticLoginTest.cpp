// The automatic login at start: the user file above the program folder signs the
// player in at the account service the configuration page names.
#include "app/Qyv__Form1.h"
#include "foundation/AccountClient.h"
#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"
#include "foundation/Settings.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedPresenter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class AutomaticLogin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("prog")));
        program = dir.filePath(QStringLiteral("prog"));
        platform::setProgramFolderForTest(program);
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
        Settings::WindowSize = 1;
        savedConfig = ServerAddresses::ConfigPageAddress;
        ServerAddresses::ConfigPageAddress =
            Scrambler::ScrambleText(server.url(QStringLiteral("/config")), Scrambler::KeySettings);
        server.setPage("/config", "AccPath=" +
                                      Scrambler::ScrambleText(server.url(QStringLiteral("/acc.php")), Scrambler::KeyAccount)
                                          .toLatin1() +
                                      "#");
        // "ozk": no start-up statistics post.
        ASSERT_TRUE(TextFileLines::WriteFileBytes(QDir(program).filePath(ClubFile::ClubFileName),
                                                  TextFileLines::JoinLines(ClubFile::EmptyClubLines("ozk"))));
        Settings::SetDefaultSettings();
        Settings::SaveSettings();
    }
    void TearDown() override
    {
        delete form;
        platform::setProgramFolderForTest({});
        ServerAddresses::ConfigPageAddress = savedConfig;
        Online::OnlineState = 1;
        Online::AccountUser = Online::TQyvUser{};
        Online::UserFilePresent = false;
    }

    void writeUserFile(const QString& nick, const QString& password)
    {
        QFile f(dir.filePath(QStringLiteral("QyvUser.qyv")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Qyv User File\r\n" + platform::cp1251::fromUnicode(nick) + "\r\n" +
                platform::cp1251::fromUnicode(Scrambler::ScrambleText(password, Scrambler::KeyAccount)) + "\r\n");
    }
    QList<QByteArray> accountBodies() const
    {
        QList<QByteArray> bodies;
        for (const auto& r : server.requests())
            if (r.path == "/acc.php")
                bodies << r.body;
        return bodies;
    }
    void start()
    {
        form = new TForm1;
        form->show();
        form->FormFirstShow();
    }

    QTemporaryDir dir;
    QString program;
    QString savedConfig;
    testsupport::LoopbackServer server;
    testsupport::ScriptedPresenter presenter;
    TForm1* form = nullptr;
};

TEST_F(AutomaticLogin, UserFileSignsThePlayerIn)
{
    server.setPage("/acc.php", "$Moscow Russia 1-001 W a@b.ru 01.02.2020 x x x 150 0 0$");
    writeUserFile(QStringLiteral("Bob"), QStringLiteral("se#cret"));
    start();
    // "#", "$" and blanks of a stored password go out as "-".
    EXPECT_EQ(accountBodies(), QList<QByteArray>{"nick=Bob&pw=se-cret&label0=0"});
    EXPECT_EQ(Online::OnlineState, 2);
    EXPECT_TRUE(Online::UserFilePresent);
    EXPECT_EQ(Online::AccountUser.Nick, QStringLiteral("Bob"));
    EXPECT_EQ(Online::AccountUser.City, QStringLiteral("Moscow"));
    EXPECT_EQ(Online::AccountUser.R04, 150);
    EXPECT_EQ(Online::AccountUser.PwC, Scrambler::ScrambleText(QStringLiteral("se-cret"), Scrambler::KeyAccount));
}

TEST_F(AutomaticLogin, RefusedOrUnreachableLeavesThePlayerSignedOut)
{
    server.setPage("/acc.php", "no");
    writeUserFile(QStringLiteral("Bob"), QStringLiteral("wrong"));
    start();
    EXPECT_EQ(accountBodies().size(), 1);
    EXPECT_EQ(Online::OnlineState, 1);
    EXPECT_TRUE(Online::UserFilePresent);
    EXPECT_EQ(Online::AccountUser.Nick, QStringLiteral("Bob"));
    EXPECT_EQ(Online::AccountUser.City, QStringLiteral("#"));
    EXPECT_TRUE(presenter.messages.empty()) << "no message at start";
}

TEST_F(AutomaticLogin, NoUserFileNoRequest)
{
    server.setPage("/acc.php", "$Moscow Russia 1-001 W a@b.ru 01.02.2020 x x x 150 0 0$");
    start();
    EXPECT_TRUE(accountBodies().isEmpty());
    EXPECT_EQ(Online::OnlineState, 1);
    EXPECT_FALSE(Online::UserFilePresent);
}

} // namespace
