#include "app/RoundStart.h"

#include "app/Qyv_FPassword.h"
#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/GameState.h"
#include "foundation/MenuDecorations.h"
#include "foundation/MessageBox.h"
#include "foundation/OnlineResult.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "foundation/TextsOnline.h"
#include "foundation/Texts.h"
#include "games/group1/Qyv_10_FreeCell.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/group2/Group2.h"
#include "games/group3/Group3.h"
#include "games/group4/Group4.h"
#include "games/group5/Group5.h"
#include "games/kit/KitDrag.h"
#include "online/Qyv_FAcc1.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"

#include <QPointer>
#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <exception>

namespace RoundStart {

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

void timer1On(TTableSurface& form)
{
    form.Timer1->start();
}

void setCaption(QPushButton* button, const Texts::TText& text)
{
    button->setText(Texts::Tx(text));
}

bool memberSlotEmpty(int k)
{
    return PlayerLines[k].size() < 33 || PlayerLines[k].at(32) == QLatin1Char('#');
}

void setRoundMenuItems(TTableSurface& form)
{
    if (QAction* quit = form.findChild<QAction*>(QStringLiteral("Quit")))
        quit->setEnabled(true);
    if (QAction* n2 = form.findChild<QAction*>(QStringLiteral("N2")))
        n2->setEnabled(Online::OnlineState <= 2);
}

// The common start of play.
void beginPlay(TTableSurface& form)
{
    RoundPhase = 2;
    click();
    timer1On(form);
    form.Button7->setEnabled(true);
    setCaption(form.Button7, Texts::TxtInfo);
}

void button8(TTableSurface& form, bool enabled, const Texts::TText& caption)
{
    form.Button8->setEnabled(enabled);
    setCaption(form.Button8, caption);
}

bool in(int code, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}

void firstPress(TTableSurface& form)
{
    const int g = CurrentGameId;
    int count = 0;
    if (in(g, {71, 431})) {
        RoundPhase = 2;
        Group1::DealFromKoloda1();
        ++MoveCounter;
        wav("WavCardUp");
        Group1::DrawInfoPanel1();
        timer1On(form);
        form.Button7->setEnabled(true);
        setCaption(form.Button7, Texts::TxtInfo);
        button8(form, false, Texts::TxtUndo);
    } else if (g == 403) {
        beginPlay(form);
        button8(form, false, Texts::TxtExitToMenu);
    } else if (in(g, {433, 404, 432})) {
        beginPlay(form);
        button8(form, true, Texts::TxtThatsAll);
    } else if (in(g, {413, 414, 421})) {
        beginPlay(form);
        button8(form, false, Texts::TxtThatsAll);
    } else if (g == 430) {
        beginPlay(form);
        button8(form, false, Texts::TxtThatsAll);
        Group1::FreeCellAutoPlay();
    } else if (in(g, {19, 401, 419, 420, 424, 427, 434, 435, 436, 405, 406, 417, 418, 425, 428, 445, 408, 411,
                      412, 423})) {
        beginPlay(form);
    } else if (in(g, {402, 426, 437, 438, 439})) {
        beginPlay(form);
        setCaption(form.Button8, Texts::TxtThatsAll);
    } else if (in(g, {443, 444})) {
        beginPlay(form);
        button8(form, true, Texts::TxtThatsAll);
    } else if (g == 18) {
        RoundPhase = 2;
        Group4::DealFromKoloda4();
        Group4::BookCardListPanel(false);
        ++MoveCounter;
        wav("WavCardUp");
        timer1On(form);
        form.Button7->setEnabled(true);
        setCaption(form.Button7, Texts::TxtInfo);
        button8(form, false, Texts::TxtUndo);
    } else if (g == 407) {
        beginPlay(form);
        if (Group4::CountMoves4(count))
            wav("WavStopka");
    } else if (g == 17) {
        RoundPhase = 2;
        Group5::DealFromKoloda5();
        ++MoveCounter;
        wav("WavCardUp");
        Group5::DrawTabloY5(false);
        timer1On(form);
        form.Button7->setEnabled(false);
        setCaption(form.Button7, Texts::TxtUndo);
    } else if (g == 409) {
        RoundPhase = 2;
        Group5::DealFromKoloda5();
        ++MoveCounter;
        wav("WavCardUp");
        Group5::DrawInfoPanel5();
        timer1On(form);
        form.Button7->setEnabled(true);
        setCaption(form.Button7, Texts::TxtInfo);
        button8(form, false, Texts::TxtUndo);
    } else if (g == 410) {
        beginPlay(form);
        setCaption(form.Button8, Texts::TxtToReshuffle);
    } else if (in(g, {415, 416})) {
        beginPlay(form);
        button8(form, true, Texts::TxtToReshuffle);
    } else if (g == 422) {
        beginPlay(form);
        button8(form, false, Texts::TxtThatsAll);
    } else if (g == 429) {
        beginPlay(form);
        form.Button8->setEnabled(false);
        Group5::DemonAutoFill();
        Group5::CountMoves5(count);
    } else if (g == 440) {
        beginPlay(form);
        button8(form, false, Texts::TxtToReshuffle);
        Group5::CountMoves5(count);
        // A first deal without a move offers its redeal at once, as a move that left
        // none would.
        if (count == 0) {
            wav("WavStopka");
            form.Button8->setEnabled(true);
        }
    } else if (g == 441) {
        beginPlay(form);
        form.Button8->setEnabled(false);
        Group5::CountMoves5(count);
    } else if (g == 442) {
        beginPlay(form);
        button8(form, false, Texts::TxtThatsAll);
        Group5::CountMoves5(count);
    }
    // 12: Button7 stays disabled after the deal; the redeal buttons start play.
}

// Game 17's later presses: one take-back of the last stock deal.
void unclePelkUndo(TTableSurface& form)
{
    if (!UndoFlag)
        return;
    const int top = WasteCount - 1;
    const TCardCode card = WasteCards[top];
    const Byte value = WasteValues[top];
    WasteCards[top] = cards::Empty;
    WasteValues[top] = cards::EmptyValue;
    --WasteCount;
    Group5::RedrawKoloda5(0);
    if (Settings::MoveMode >= 1) {
        form.ImageKoloda->update();
        Sprite::SpriteFly(AuxPile1X + SideAreaRect[1], AuxPile1Y + SideAreaRect[2], AuxPile2X + SideAreaRect[1],
                          AuxPile2Y + SideAreaRect[2], FlySpeed, card, 1);
    }
    StockCards[StockCount + 1] = card;
    StockValues[StockCount + 1] = value;
    ++StockCount;
    Group5::RedrawKoloda5(0);
    ++MoveCounter;
    wav("WavCardUp");
    Group5::DrawTabloY5(false);
    UndoFlag = 0;
    form.Button7->setEnabled(false);
}

void memberClick(TTableSurface& form, int k)
{
    if (memberSlotEmpty(k))
        return;
    click();
    AskPlayerAndDeal(form, k);
}

} // namespace

void StartDeal(TTableSurface& form)
{
    MenuActive = 0;
    // A drag whose release never came must not carry its cards into the new deal.
    Kit::EndPendingDrag();
    switch (CurrentGroup) {
    case 1: Group1::NewDeal1(false); break;
    case 2: Group2::NewDeal2(false); break;
    case 3: Group3::NewDeal3(false); break;
    case 4: Group4::NewDeal4(false); break;
    case 5: Group5::NewDeal5(false); break;
    default: break;
    }
    if (RoundActive)
        setRoundMenuItems(form);
}

void AskPlayerAndDeal(TTableSurface& form, int Slot)
{
    PasswordAccepted = 0;
    PlayerSlot = Slot;
    if (AskPlayerPassword(Slot, PlayerLines[Slot].left(20)))
        StartDeal(form);
}

void Button1Click(TTableSurface& form) { memberClick(form, 1); }
void Button2Click(TTableSurface& form) { memberClick(form, 2); }
void Button3Click(TTableSurface& form) { memberClick(form, 3); }
void Button4Click(TTableSurface& form) { memberClick(form, 4); }

void Button5Click(TTableSurface& form)
{
    if (Online::OnlineState == 1) {
        if (memberSlotEmpty(5))
            return;
        AskPlayerAndDeal(form, 5);
        click();
        return;
    }
    click();
    Online::OnlineStartSaved = false;
    Online::AccountPlayAllowed = true;
    Online::OnlineGameRunning = false;
    const int stateBefore = Online::OnlineState;
    const QString nickBefore = Online::AccountUser.Nick;
    if (ShowAccountWindow)
        ShowAccountWindow();
    if (Online::OnlineState == 3) {
        const QString address = Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount);
        Online::TQyvGame game;
        bool loaded = false;
        Online::ReadAccountGame(address, loaded, game);
        Online::AccountGameLoaded = loaded;
        Online::AccountGame = game;
        bool saved = false;
        if (loaded) {
            Online::TQyvGame& g = Online::AccountGame;
            const int oldKon = g.Kon;
            const double oldRating = g.Rating;
            const int oldKonL = g.KonL;
            const int oldScore = g.Score;
            g.Kon = g.Kon + 1;
            g.Rating = Online::RatingOnGameStart(g.Kon, 1, 0, 10, oldRating);
            g.KonL = 0;
            g.Score = 0;
            saved = Online::SaveAccountGame(address, g);
            if (!saved) {
                g.Kon = oldKon;
                g.Rating = oldRating;
            }
            g.KonL = oldKonL;
            g.Score = oldScore;
        }
        Online::OnlineStartSaved = saved;
    } else {
        Online::OnlineStartSaved = false;
    }
    if (Online::OnlineState == 3 && !Online::OnlineStartSaved) {
        MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtCouldNotConnect), QString(), QString());
        Online::OnlineState = 1;
        MenuDecorations::DrawAccountIcon(1);
        StartScreen::ShowMainMenu(0, 0);
        return;
    }
    if (Online::OnlineState == 3) {
        Online::OnlineGameRunning = true;
        PlayerSlot = 7;
        MenuActive = 0;
        RoundActive = 1;
        StartDeal(form);
        return;
    }
    if (Online::OnlineState != stateBefore || Online::AccountUser.Nick != nickBefore) {
        MenuDecorations::DrawAccountIcon(Online::OnlineState);
        StartScreen::ShowMainMenu(0, 0);
    }
}

void Button6Click(TTableSurface& form)
{
    PlayerSlot = 6;
    click();
    PasswordAccepted = 0;
    if (AskPlayerPassword(6)) {
        form.Timer1->stop();
        StartDeal(form);
    }
}

void Button7Click(TTableSurface& form)
{
    if (RoundPhase == 1) {
        firstPress(form);
        return;
    }
    if (CurrentGameId == 17) {
        unclePelkUndo(form);
        return;
    }
    click();
    ShowScoreWindow();
}

void BitBtn1Click(TTableSurface& form)
{
    click();
    ++GalleryRedealCount;
    if (GalleryRedealCount == 2) {
        Group3::DrawTrafficLight(QStringLiteral("yellow"));
        form.BitBtn1->setText(QStringLiteral("2/2"));
    }
    if (GalleryRedealCount == 3) {
        Group3::DrawTrafficLight(QStringLiteral("red"));
        form.BitBtn1->setEnabled(false);
        form.BitBtn2->setEnabled(false);
        form.Button7->setEnabled(true);
    }
    Group3::NewDeal3(true);
    if (GalleryRedealCount == 3) {
        RoundPhase = 2;
        ++MoveCounter;
        timer1On(form);
    }
}

void BitBtn2Click(TTableSurface& form)
{
    click();
    form.BitBtn1->setEnabled(false);
    form.BitBtn2->setEnabled(false);
    form.Button7->setEnabled(true);
    RoundPhase = 2;
    ++MoveCounter;
    timer1On(form);
}

void Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        platform::presenter().message(platform::MessageKind::Error, Texts::Tx(Texts::TxtAttention),
                                      QString::fromLocal8Bit(e.what()), platform::Buttons::Ok);
    } catch (...) {
        platform::presenter().message(platform::MessageKind::Error, Texts::Tx(Texts::TxtAttention),
                                      QStringLiteral("?"), platform::Buttons::Ok);
    }
}

void BindRoundStartHandlers(TTableSurface& form)
{
    // The window may go before the hook does (a new main window in the same run).
    if (!ShowAccountWindow)
        ShowAccountWindow = [owner = QPointer<QWidget>(&form)] { ShowFAcc1(owner.data()); };
    auto bind = [&form](QPushButton* button, void (*handler)(TTableSurface&)) {
        QObject::connect(button, &QPushButton::clicked, &form, [&form, handler] { Guarded([&] { handler(form); }); });
    };
    bind(form.Button1, Button1Click);
    bind(form.Button2, Button2Click);
    bind(form.Button3, Button3Click);
    bind(form.Button4, Button4Click);
    bind(form.Button5, Button5Click);
    bind(form.Button6, Button6Click);
    bind(form.Button7, Button7Click);
    bind(form.BitBtn1, BitBtn1Click);
    bind(form.BitBtn2, BitBtn2Click);
}

} // namespace RoundStart
