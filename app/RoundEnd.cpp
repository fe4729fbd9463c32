#include "app/RoundEnd.h"

#include "app/Qyv_FEndGame.h"


#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/ClubFile.h"
#include "foundation/DrawHelpers.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/OnlineResult.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Scaling.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/Sprite.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/group2/Group2.h"
#include "games/group4/Group4.h"
#include "games/group5/Group5.h"
#include "online/Qyv_UStatC.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "games/kit/KitCursors.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <array>

namespace RoundEnd {

using namespace GameState;

namespace {

void click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
}

void wav(const char* name)
{
    DrawHelpers::PlayWavResource(QString::fromLatin1(name), false, Settings::SoundOn);
}

bool in(int code, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}

void caption8(TTableSurface& form, const Texts::TText& text)
{
    form.Button8->setText(Texts::Tx(text));
}

// The game is lost: the score window first, then the caption.
void lost(TTableSurface& form, const Texts::TText& caption)
{
    GameWon = 0;
    GameOver = 1;
    wav("WavKoBads");
    ShowScoreWindow();
    caption8(form, caption);
}

// The game is lost and the button finishes the round next: caption first.
void lostEnabled(TTableSurface& form, const Texts::TText& caption)
{
    form.Button8->setEnabled(true);
    caption8(form, caption);
    GameWon = 0;
    GameOver = 1;
    wav("WavKoBads");
    ShowScoreWindow();
}

void putOnStock(const TCardCode& card, Byte value)
{
    StockCards[StockCount + 1] = card;
    StockValues[StockCount + 1] = value;
    ++StockCount;
}

void vardelinUndo(TTableSurface& form)
{
    TCardCode card;
    Byte value = 0;
    if (!Group1::TakeWasteTop1(card, value))
        return;
    Group1::RedrawStockWaste1(0);
    if (Settings::MoveMode >= 1) {
        form.ImageStol->repaintNow();
        Sprite::SpriteFly(SpecialX[2], Group1::WasteTopY1(), SpecialX[1], Group1::StockTopY1(), FlySpeed, card, 0);
    }
    putOnStock(card, value);
    // A selection of the waste card taken back must not pass to the card below it.
    SelectedPile = 0;
    Group1::RedrawStockWaste1(0);
    ++MoveCounter;
    wav("WavCardUp");
    UndoFlag = 0;
    form.Button8->setEnabled(false);
    Group1::DrawInfoPanel1();
    form.ImageStol->setProperty(Kit::StockHintProperty, QString::number(StockCount));
}

void bookUndo(TTableSurface& form)
{
    TCardCode card;
    Byte value = 0;
    if (!Group1::TakeWasteTop1(card, value))
        return;
    Group4::RedrawStockWaste4();
    if (Settings::MoveMode >= 1) {
        form.ImageStol->repaintNow();
        Sprite::SpriteFly(BookWasteRect[1], Group4::WasteTopY4(), BookStockRect[1], BookStockRect[2], FlySpeed, card, 0);
    }
    putOnStock(card, value);
    Group4::RedrawStockWaste4();
    ++MoveCounter;
    wav("WavCardUp");
    UndoFlag = 0;
    form.Button8->setEnabled(false);
    Group4::BookCardListPanel(false);
}

void busyAcesUndo(TTableSurface& form)
{
    TCardCode card;
    Byte value = 0;
    if (!Group1::TakeWasteTop1(card, value))
        return;
    Group5::RedrawKoloda5(0);
    if (Settings::MoveMode == 1) {
        form.ImageKoloda->repaintNow();
        Sprite::SpriteFly(AuxPile1X, AuxPile1Y, AuxPile2X, AuxPile2Y, FlySpeed, card, 1);
    }
    putOnStock(card, value);
    Group5::RedrawKoloda5(0);
    ++MoveCounter;
    wav("WavCardUp");
    Group5::DrawInfoPanel5();
    UndoFlag = 0;
    form.Button8->setEnabled(false);
}

// A fresh pack less the cards on the foundations, dealt into the fans three by three
// in reading order, until a move is possible.
void lucieRedeal()
{
    // A pack that never gives a move must not hang the window.
    constexpr int maxTries = 1000;
    for (int attempt = 0; attempt < maxTries; ++attempt) {
        ShuffleDeck52();
        for (int i = 1; i <= 52; ++i)
            for (int f = 1; f <= 4; ++f)
                for (int s = 1; s <= 13; ++s)
                    if (DealCards[i] == FoundationCards[f][s] && !(DealCards[i] == cards::Empty))
                        DealCards[i] = cards::Empty;
        for (int row = 1; row <= 4; ++row)
            for (int fan = 1; fan <= 5; ++fan) {
                for (int slot = 1; slot <= 15; ++slot) {
                    PileCards2[row][fan][slot] = cards::Empty;
                    PileValues2[row][fan][slot] = cards::EmptyValue;
                }
                Group5::RedrawColumn5(row, fan);
            }
        int place = 0; // 0 .. 59: row, fan, slot 1..3 in reading order
        for (int i = 1; i <= 52 && place < 60; ++i) {
            if (DealCards[i] == cards::Empty)
                continue;
            const int row = place / 15 + 1;
            const int fan = (place % 15) / 3 + 1;
            const int slot = place % 3 + 1;
            PileCards2[row][fan][slot] = DealCards[i];
            PileValues2[row][fan][slot] = DealValues[i];
            ++place;
        }
        for (int row = 1; row <= 4; ++row)
            for (int fan = 1; fan <= 5; ++fan)
                for (int slot = 1; slot <= 4; ++slot)
                    if (PileCards2[row][fan][slot] == cards::Empty) {
                        LucieFanNext[row][fan] = slot;
                        break;
                    }
        int count = 0;
        if (!Group5::CountMoves5(count))
            break;
    }
    for (int row = 1; row <= 4; ++row)
        for (int fan = 1; fan <= 5; ++fan) {
            LucieFanSteps[row][fan] = Scaling::Scaled(20);
            Group5::RedrawColumn5(row, fan);
        }
}

void setRoundMenuItemsOff(TTableSurface& form)
{
    for (const char* name : {"Quit", "N2"})
        if (QAction* a = form.findChild<QAction*>(QString::fromLatin1(name)))
            a->setEnabled(false);
}

void backToMenu(TTableSurface& form)
{
    StartScreen::ShowMainMenu(0, 0);
    if (CurrentGameId == 17)
        form.update();
    form.Timer1->start();
    setRoundMenuItemsOff(form);
    MenuActive = 1;
    RoundActive = 0;
}

void postStatistics()
{
    const int group = GameTables::GameGroupOf(CurrentGameId);
    const int gid = Online::StatGroupCode(group);
    bool ok = false;
    if (in(CurrentGameId, {71, 19, 12, 18, 17})) {
        platform::Arr<int, 12> values;
        values.fill(0);
        if (GameWon)
            values[1] = 1;
        else
            values[2] = 1;
        Online::SendGameStat12(Settings::StatServiceAddress, gid, values, ok);
    } else {
        Online::SendGameTable40(Scrambler::UnscrambleText(Online::StatTableAddressCoded, Scrambler::KeyStatTable), gid, ok,
                                StatTableValues(CurrentGameId, GameWon != 0));
    }
}

void ratedSeriesComplete(TTableSurface& form)
{
    SeriesServices& s = Services();
    Online::TQyvUser& user = Online::AccountUser;
    for (;;) {
        bool ok = false;
        int place = 0;
        if (s.submitWorldResult)
            place = s.submitWorldResult(Settings::RatingServiceAddress, user.Nick, user.City, user.Country1,
                                        QString(user.Sex), QString::number(NewTotalScore), CurrentGameId + 300, ok);
        WorldPlace = place;
        if (!ok) {
            const QString text =
                Texts::Tx(Texts::TxtCantWriteResult) + QLatin1Char(' ') + Texts::Tx(Texts::TxtRepeat);
            if (platform::presenter().message(platform::MessageKind::Confirmation, Texts::Tx(Texts::ProductNames), text,
                                              platform::Buttons::YesNo) == platform::Answer::Yes)
                continue;
            return;
        }
        ClubFile::EndGamePlace = place;
        ClubFile::EndGameScore = NewTotalScore;
        int& reward = EndGame::EndGameReward;
        reward = place == 1 ? 25 : (place >= 2 && place <= 10 ? 10 : 0);
        const QString account = Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount);
        bool paid = true;
        if (place >= 1 && place <= 10) {
            paid = false;
            if (s.saveBalance)
                s.saveBalance(account, user.Nick, reward, paid);
            if (!paid)
                reward = -1;
        }
        if (paid) {
            bool read = false;
            const int balance = s.readBalance ? s.readBalance(account, user.Nick, read) : 0;
            if (read)
                user.R04 = balance;
        }
        ShowFormEndGame(&form);
        return;
    }
}

} // namespace

SeriesServices& Services()
{
    static SeriesServices services;
    return services;
}

platform::Arr<int, 40> StatTableValues(int gameId, bool won)
{
    platform::Arr<int, 40> values;
    values.fill(0);
    int groupCode = 0;
    int slot = 0;
    if (Online::StatTableSlot(gameId, groupCode, slot))
        values[won ? 2 * slot - 1 : 2 * slot] = 1;
    return values;
}

void FinishRound(TTableSurface& form)
{
    click();
    HideTableControls();
    const QString entry = RoundClubEntry();
    Online::SendOnlineResult(NewTotalScore - PlayerScore, NewTotalScore);
    postStatistics();
    if (Online::OnlineState <= 2) {
        if (PlayerRounds == 10)
            ClubResultPending = 1;
        ClubFile::InsertClubEntry(entry, ClubFile::ClubFileName, GameTables::GameSlotOf(CurrentGameId));
    }
    if (PlayerRounds == 10 && Online::OnlineState <= 2) {
        ShowFormEndGame(&form);
        WorldSubmitScore = NewTotalScore;
        WorldSubmitPlace = -1;
        if (Services().showWorldResultWindow)
            Services().showWorldResultWindow();
    }
    if (Online::OnlineState == 3 && PlayerRounds == 10)
        ratedSeriesComplete(form);
    if (Online::OnlineState == 3)
        Online::OnlineState = 2;
    backToMenu(form);
}

void Button8Click(TTableSurface& form)
{
    // Only the keyboard reaches the button while cards are lifted (the table holds the
    // mouse); acting then would end the game with cards still in the lift buffer.
    if (DragActive)
        return;
    const int g = CurrentGameId;
    int count = 0;
    if (in(g, {71, 431}) && UndoFlag && !(StockCount == 0 && PassCount == 3)) {
        vardelinUndo(form);
        return;
    }
    // The Vardelin module offers the give-up whenever stock and waste are both empty,
    // in any pass, so the button must act then too.
    if (in(g, {71, 431}) && !GameOver && StockCount == 0 && (PassCount == 3 || WasteCount <= 1)) {
        lost(form, Texts::TxtExitToMenu);
        Button8Mode = 3;
        return;
    }
    if (in(g, {404, 432, 433, 430}) && !GameOver) {
        lost(form, Texts::TxtExitToMenu);
        return;
    }
    if (in(g, {413, 414, 421}) && !GameOver && StockCount == 0) {
        lost(form, Texts::TxtExitToMenu);
        Button8Mode = 3;
        return;
    }
    if (in(g, {19, 401}) && TulipPhase == 2) {
        Group2::TulipCollectCards();
        caption8(form, Texts::TxtToReshuffle);
        TulipPhase = 3;
        return;
    }
    if (in(g, {19, 401}) && TulipPhase == 3) {
        Group2::TulipRedeal();
        ++PassCount;
        const int limit = g == 19 ? 3 : 5;
        caption8(form, PassCount < limit ? Texts::TxtCollectCards : Texts::TxtExitToMenu);
        // Until the next stuck position the button has nothing to do.
        form.Button8->setEnabled(false);
        TulipPhase = 1;
        Group2::DrawInfoPanel2();
        return;
    }
    if (g == 402 && !GameOver) {
        lostEnabled(form, Texts::TxtExitToMenu);
        return;
    }
    if (g == 419 && !GameOver && StockCount == 0) {
        lostEnabled(form, Texts::TxtExitToMenu);
        return;
    }
    if (in(g, {425, 443, 444}) && !GameOver) {
        lostEnabled(form, Texts::TxtToMenu);
        return;
    }
    if (g == 18 && Button8Mode == 1 && UndoFlag) {
        bookUndo(form);
        return;
    }
    if (g == 18 && Button8Mode == 2) {
        lost(form, Texts::TxtExitToMenu);
        Button8Mode = 3;
        return;
    }
    if (in(g, {426, 437, 438, 439}) && !GameOver) {
        lost(form, Texts::TxtExitToMenu);
        return;
    }
    if (g == 409 && !GameOver && StockCount > 0)
        busyAcesUndo(form); // and go on
    if (g == 409 && !GameOver && StockCount == 0) {
        lost(form, Texts::TxtExitToMenu);
        return;
    }
    if (g == 410 && !GameOver) {
        lucieRedeal();
        ++PassCount;
        RoundPhase = 2;
        Group5::DrawInfoPanel5();
        form.Button8->setEnabled(false);
    }
    if (in(g, {415, 416}) && !GameOver) {
        Group5::CrescentRotate(0);
        ++PassCount;
        Group5::DrawInfoPanel5();
        form.Button8->setEnabled(PassCount <= 4);
    }
    if (g == 422 && !GameOver) {
        lostEnabled(form, Texts::TxtExitToMenu);
        return;
    }
    if (g == 440 && !GameOver) {
        Group5::KleverRedeal();
        ++PassCount;
        const bool noMove = Group5::CountMoves5(count);
        Group5::DrawInfoPanel5();
        form.Button8->setEnabled(false);
        if (noMove && PassCount <= 2) {
            form.Button8->setEnabled(true);
            caption8(form, Texts::TxtToReshuffle);
            wav("WavStopka");
        } else if (noMove) {
            lostEnabled(form, Texts::TxtToMenu);
        }
        return;
    }
    if (g == 441 && !GameOver) {
        lostEnabled(form, Texts::TxtExitToMenu);
        return;
    }
    if (g == 442 && !GameOver) {
        lostEnabled(form, Texts::TxtExitToMenu);
        return;
    }
    if (GameOver)
        FinishRound(form);
}

void QuitClick(TTableSurface& form)
{
    click();
    if (IntroActive || MenuActive)
        return;
    const QString text = Texts::Tx(Texts::TxtLeaveToMenu) + QLatin1Char('\n') + Texts::Tx(Texts::TxtDataWillBeLost);
    if (platform::presenter().message(platform::MessageKind::Confirmation, Texts::Tx(Texts::ProductNames), text,
                                      platform::Buttons::YesNo) != platform::Answer::Yes)
        return;
    if (Online::OnlineState == 3)
        Online::OnlineState = 2;
    Online::OnlineGameRunning = false;
    Online::OnlineStartSaved = false;
    HideTableControls();
    StartScreen::ShowMainMenu(0, 0);
    form.Timer1->start();
    MenuActive = 1;
    RoundActive = 0;
}

} // namespace RoundEnd
