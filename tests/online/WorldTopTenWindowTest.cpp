// The world-top-ten window and the result sender against the protocol server, with
// rows submitted through the world-rating client: the lines of the three lists, the
// requests each drawing makes, the refresh button, the lists kept between openings,
// and the result sent from a finished series.
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/FServerInfo.h"
#include "online/FServerRead.h"
#include "online/FServerWrite.h"
#include "online/Qyv_UWorldC.h"
#include "platform/PictureControl.h"
#include "support/OnlineServerFixture.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using VardelinServer::Fault;
using VardelinServer::Kind;

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

class WorldWindowTest : public testsupport::OnlineServerFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OnlineServerFixture::SetUp());
        // The default passport: Incognito of Moscow, Russia, male.
        Settings::SetDefaultSettings();
        PointAddressesAt(*server);
        GameState::CurrentGameId = 431;
        Settings::SoundOn = false;
        Online::WorldListKind = 1;
        Online::AccountUser = Online::TQyvUser{};
        GameState::WorldSubmitScore = 0;
        GameState::WorldSubmitPlace = -1;
    }
    void TearDown() override
    {
        Online::WorldListKind = 1;
        Online::AccountUser = Online::TQyvUser{};
        OnlineServerFixture::TearDown();
    }
    void submit(int gid, const char* nick, const char* city, int score, const char* country = "1-001")
    {
        bool ok = false;
        Online::SubmitWorldResult(Settings::RatingServiceAddress, T(nick), T(city), T(country), T("M"), score, gid,
                                  T("#"), T("#"), ok);
        ASSERT_TRUE(ok);
    }
    // The texts the last drawing wrote on line y.
    static QStringList line(const TFormServerRead& f, int y)
    {
        QStringList out;
        for (const auto& w : f.BoardTexts)
            if (w.y == y)
                out << w.text;
        return out;
    }
    QList<QByteArray> bodies(Kind kind) const
    {
        QList<QByteArray> out;
        for (const auto& e : server->log())
            if (e.kind == kind)
                out << e.body;
        return out;
    }
    QList<Kind> kinds() const
    {
        QList<Kind> k;
        for (const auto& e : server->log())
            k << e.kind;
        return k;
    }
    static void pressOn(TFormServerRead& f, int x, int y)
    {
        f.Image2->onMouseDown(platform::mbLeft, platform::ssLeft, x, y);
    }

    testsupport::ScriptedPresenter presenter;
};

const QList<Kind> OneDrawing = {Kind::WorldTopTen, Kind::WorldCount, Kind::WorldOwn};

TEST_F(WorldWindowTest, ThreeRowsInScoreOrderWithCountAndNoOwnRows)
{
    submit(431, "Ann", "Oslo", 100);
    submit(431, "Bob", "Kyiv", 300, "1-046");
    submit(431, "Cid", "Rome", 200);
    submit(432, "Dan", "Bern", 999);
    server->clearLog();
    TFormServerRead f;
    f.FormShow();
    EXPECT_EQ(f.windowTitle().left(16), T("World Top Ten - "));
    EXPECT_EQ(kinds(), OneDrawing);
    EXPECT_EQ(bodies(Kind::WorldTopTen), QList<QByteArray>{"gid=431"});
    EXPECT_EQ(bodies(Kind::WorldCount), QList<QByteArray>{"rgid=431"});
    EXPECT_EQ(bodies(Kind::WorldOwn), QList<QByteArray>{"gid=431&nick=Incognito&city=Moscow"});
    EXPECT_EQ(line(f, 65), (QStringList{T("1."), T("Bob"), T("Kyiv"), T("300")}));
    EXPECT_EQ(line(f, 85), (QStringList{T("2."), T("Cid"), T("Rome"), T("200")}));
    EXPECT_EQ(line(f, 105), (QStringList{T("3."), T("Ann"), T("Oslo"), T("100")}));
    for (int k = 4; k <= 10; ++k)
        EXPECT_TRUE(line(f, 45 + 20 * k).isEmpty()) << k;
    EXPECT_EQ(line(f, 275), QStringList{T("Number of games: 3")});
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(line(f, 290 + 20 * k).isEmpty()) << k;
    EXPECT_TRUE(line(f, 200).isEmpty());
}

TEST_F(WorldWindowTest, SevenOwnRowsShowFiveOwnLines)
{
    for (int i = 1; i <= 7; ++i)
        submit(431, "Incognito", "Moscow", 10 * i);
    submit(431, "Incognito", "Paris", 500);
    TFormServerRead f;
    f.FormShow();
    for (int k = 1; k <= 5; ++k) {
        const QStringList own = line(f, 290 + 20 * k);
        ASSERT_EQ(own.size(), 3) << k;
        EXPECT_EQ(own[1], T("Incognito"));
    }
    EXPECT_EQ(line(f, 310), (QStringList{T("2."), T("Incognito"), T("70")}));
    EXPECT_TRUE(line(f, 400).isEmpty());
    EXPECT_EQ(line(f, 275), QStringList{T("Number of games: 8")});
}

TEST_F(WorldWindowTest, TheOtherListsAskTheirIdsAndShowCityAndCountry)
{
    GameState::CurrentGameId = 422;
    Online::AccountUser.Nick = T("ann");
    Online::AccountUser.City = T("Oslo");
    submit(522, "Pho", "Lima", 40, "Peru");
    TFormServerRead f;
    f.FormShow();
    server->clearLog();

    pressOn(f, 291, 415);
    EXPECT_EQ(Online::WorldListKind, 2);
    EXPECT_EQ(kinds(), OneDrawing);
    EXPECT_EQ(bodies(Kind::WorldTopTen), QList<QByteArray>{"gid=522"});
    EXPECT_EQ(bodies(Kind::WorldCount), QList<QByteArray>{"rgid=522"});
    EXPECT_EQ(bodies(Kind::WorldOwn), QList<QByteArray>{"gid=522&nick=Incognito&city=Moscow"});
    EXPECT_EQ(line(f, 65), (QStringList{T("1."), T("Pho"), T("Lima, Peru"), T("40")}));

    // The list already shown asks nothing.
    server->clearLog();
    pressOn(f, 339, 463);
    EXPECT_TRUE(server->log().isEmpty());

    pressOn(f, 417, 463);
    EXPECT_EQ(Online::WorldListKind, 3);
    EXPECT_EQ(bodies(Kind::WorldTopTen), QList<QByteArray>{"gid=722"});
    EXPECT_EQ(bodies(Kind::WorldCount), QList<QByteArray>{"rgid=722"});
    EXPECT_EQ(bodies(Kind::WorldOwn), QList<QByteArray>{"gid=722&nick=ann&city=Oslo"});
}

TEST_F(WorldWindowTest, IconBoxesIncludeTheirBounds)
{
    const struct {
        int x, y, list;
    } cases[] = {{213, 415, 1}, {261, 463, 1}, {212, 430, 0}, {262, 430, 0}, {230, 414, 0}, {230, 464, 0},
                 {291, 440, 2}, {339, 440, 2}, {340, 440, 0}, {369, 415, 3}, {417, 463, 3}, {418, 463, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(FServerRead::ListAt(c.x, c.y), c.list) << c.x << "," << c.y;
}

TEST_F(WorldWindowTest, EachRequestFailsOnItsOwn)
{
    submit(431, "Incognito", "Moscow", 50);
    const struct {
        Kind kind;
        int blankY;        // a line that loses its texts
        const char* shown; // what stands at y 200 / 275 / 380 then
        int shownY;
    } cases[] = {{Kind::WorldTopTen, 65, "No Connect", 200},
                 {Kind::WorldCount, 0, "", 275},
                 {Kind::WorldOwn, 310, "No Connect", 380}};
    for (const auto& c : cases) {
        server->clearFaults();
        server->addFault(c.kind, Fault{Fault::Drop, 0, 0, {}});
        TFormServerRead f;
        f.FormShow();
        EXPECT_EQ(line(f, c.shownY), QStringList{T(c.shown)}) << VardelinServer::KindName(c.kind);
        if (c.blankY) {
            EXPECT_EQ(line(f, c.blankY).size(), 0);
        }
        // The other two are drawn.
        EXPECT_EQ(line(f, 65).size(), c.kind == Kind::WorldTopTen ? 0 : 4);
        EXPECT_EQ(line(f, 275).value(0).isEmpty(), c.kind == Kind::WorldCount);
        EXPECT_EQ(line(f, 310).size(), c.kind == Kind::WorldOwn ? 0 : 3);
    }
}

TEST_F(WorldWindowTest, RefreshHidesUntilTheTimerAndRedraws)
{
    TFormServerRead f;
    f.FormShow();
    EXPECT_FALSE(f.Image3->isHidden());
    EXPECT_EQ(f.Timer1->interval(), 10000);
    EXPECT_TRUE(f.Timer1->isActive());
    submit(431, "Eve", "Riga", 77);
    server->clearLog();
    f.Image3->onClick();
    EXPECT_TRUE(f.Image3->isHidden());
    EXPECT_EQ(kinds(), OneDrawing);
    EXPECT_EQ(line(f, 65), (QStringList{T("1."), T("Eve"), T("Riga"), T("77")}));
    server->clearLog();
    f.Timer1Timer();
    EXPECT_FALSE(f.Image3->isHidden());
    EXPECT_TRUE(server->log().isEmpty()) << "the timer reads nothing";
}

TEST_F(WorldWindowTest, ReopeningShowsTheListLastShownAndPassportRedraws)
{
    {
        TFormServerRead f;
        f.FormShow();
        pressOn(f, 300, 430);
        EXPECT_EQ(Online::WorldListKind, 2);
    }
    server->clearLog();
    TFormServerRead again;
    again.FormShow();
    EXPECT_EQ(bodies(Kind::WorldTopTen), QList<QByteArray>{"gid=531"});

    server->clearLog();
    presenter.onDialog = [](QDialog& d) {
        Settings::PassportNick = T("Newnick");
        return int(d.objectName() == QLatin1String("FormServerInfo") ? QDialog::Accepted : QDialog::Rejected);
    };
    again.Button2->click();
    EXPECT_EQ(presenter.dialogs, QStringList{T("FormServerInfo")});
    EXPECT_EQ(bodies(Kind::WorldOwn), QList<QByteArray>{"gid=531&nick=Newnick&city=Moscow"});
}

// ---- the result sender ----

class ResultSenderTest : public WorldWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(WorldWindowTest::SetUp());
        GameState::WorldSubmitScore = 350;
        GameState::WorldSubmitPlace = -1;
    }
};

TEST_F(ResultSenderTest, SendsTheSeriesAndShowsThePlace)
{
    submit(431, "Top", "Oslo", 900);
    server->clearLog();
    TFormServerWrite f;
    f.FormShow();
    EXPECT_EQ(presenter.dialogs, QStringList{T("FormServerInfo")}) << "Incognito opens the passport";
    EXPECT_TRUE(f.Button1->isEnabled());
    f.Button1->click();
    EXPECT_EQ(bodies(Kind::WorldSubmit),
              QList<QByteArray>{"gid=431&nick=Incognito&city=Moscow&country=1-001&score=350&R7=M&R8=4.0&R9=#&R10=#*"});
    EXPECT_EQ(GameState::WorldSubmitPlace, 2);
    EXPECT_TRUE(f.ResultSent);
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_TRUE(presenter.messages.empty());
    // Still disabled after a visit to the passport.
    f.Button2->click();
    EXPECT_EQ(presenter.dialogs.size(), 2);
    EXPECT_FALSE(f.Button1->isEnabled());
}

TEST_F(ResultSenderTest, ADroppedSendKeepsSendEnabled)
{
    server->addFault(Kind::WorldSubmit, Fault{Fault::Drop, 0, 0, {}});
    TFormServerWrite f;
    f.FormShow();
    f.Button1->click();
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, T("Unable to write the result of the game!"));
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_FALSE(f.ResultSent);
    EXPECT_EQ(GameState::WorldSubmitPlace, -1);
    server->clearFaults();
    f.Button1->click();
    EXPECT_EQ(GameState::WorldSubmitPlace, 1);
}

TEST_F(ResultSenderTest, ThePassportOpensByItselfOnlyOnTheFirstShowingOfIncognito)
{
    {
        TFormServerWrite f;
        f.FormShow();
        f.FormShow();
        EXPECT_EQ(presenter.dialogs, QStringList{T("FormServerInfo")});
    }
    TFormServerWrite next;
    next.FormShow();
    EXPECT_EQ(presenter.dialogs.size(), 2) << "a later series opens it again";
    Settings::PassportNick = T("Named");
    TFormServerWrite named;
    named.FormShow();
    EXPECT_EQ(presenter.dialogs.size(), 2);
}

TEST_F(ResultSenderTest, ACyrillicNickPassesOnShowingButNotAfterThePassport)
{
    Settings::PassportNick = T("Боб");
    TFormServerWrite f;
    f.FormShow();
    EXPECT_TRUE(f.Button1->isEnabled());
    f.Button2->click();
    EXPECT_FALSE(f.Button1->isEnabled());
}

TEST_F(ResultSenderTest, EscDoesNothing)
{
    Settings::PassportNick = T("Named");
    TFormServerWrite f;
    f.FormShow();
    f.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(&f, &esc);
    EXPECT_TRUE(f.isVisible());
    f.Button3->click();
    EXPECT_FALSE(f.isVisible());
}

} // namespace
