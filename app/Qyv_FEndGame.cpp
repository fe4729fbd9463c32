#include "app/Qyv_FEndGame.h"

#include "foundation/Qyv_FWindowParts.h"
#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/ClubFile.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Language.h"
#include "foundation/MenuDecorations.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QMovie>

namespace EndGame {

namespace {
constexpr platform::TColor Purple = platform::clPurple;
constexpr platform::TColor Maroon = platform::clMaroon;
constexpr platform::TColor Navy = platform::clNavy;
constexpr platform::TColor Green = platform::clGreen;
} // namespace

EndGameView PlanEndGame(int place, int score, int onlineState, int reward)
{
    using Texts::Tx;
    EndGameView v;
    const bool rated = onlineState == 3;
    const int p = place < 0 ? 0 : place;

    // A rated series that got no place at all is shown like one placed beyond ten.
    if (p == 1)
        v.Animation = QStringLiteral("GFiBest");
    else if (p >= 2 && (!rated || p <= 10))
        v.Animation = QStringLiteral("GFiGood");
    else
        v.Animation = QStringLiteral("GFiBads");
    v.Loops = rated ? (p == 0 || p > 10) : p == 0;
    v.StillFrame = p >= 1 ? 15 : 5;

    v.ShowReward = rated && reward > 0;
    v.ShowAccount = rated;
    const int ys[2][4] = {{90, 150, 210, 270}, {50, 80, 110, 140}};
    const int* y = ys[v.ShowReward ? 1 : 0];

    const QString scoreText = Tx(Texts::TxtResult) + QString::number(score);
    const QString placed = scoreText + QStringLiteral(" ; ") + Tx(Texts::TxtPlace) + QString::number(p);
    auto row = [&](const QString& text, int x1, int yy, int height, platform::TColor color) {
        v.Rows.push_back(TextRow{text, x1, 280, yy, height, color});
    };
    if (p >= 1 && p <= 10) {
        const platform::TColor c = p == 1 ? Purple : Maroon;
        v.Sound = QStringLiteral("WavFiGood");
        row(Tx(Texts::TxtCongratulations), 22, y[0], 28, c);
        row(Tx(p == 1 ? Texts::TxtBestResult : Texts::TxtGoodResult), 22, y[1], 24, c);
        row(placed, 20, y[2], 24, Green);
        row(Tx(p == 1 ? Texts::TxtBecomeChairman : Texts::TxtInTopTen), 22, y[3], 16, c);
    } else {
        v.Sound = QStringLiteral("WavFiBads");
        row(Tx(Texts::TxtOurRegrets), 22, y[0], 28, Navy);
        row(Tx(Texts::TxtWishBetter), 22, y[1], 16, Navy);
        row(p == 0 ? scoreText : placed, 20, y[2], 24, Green);
        row(Tx(Texts::TxtNotInTopTen), 22, y[3], 16, Navy);
    }
    if (v.ShowReward) {
        row(Tx(Texts::TxtYouGet) + QLatin1Char(' ') + QString::number(reward) + QLatin1Char(' ') + Tx(Texts::TxtQyvs) +
                QStringLiteral("!!!"),
            20, 165, 20, Green);
        v.RewardNumber = QString::number(reward);
    }
    return v;
}

int FittingHeight(const TextRow& row, platform::Canvas& canvas)
{
    const int saved = canvas.font.height;
    int h = row.Height;
    for (canvas.font.height = h; h > 8 && canvas.textWidth(row.Text) > row.X2 - row.X1; canvas.font.height = --h) {
    }
    canvas.font.height = saved;
    return h;
}

} // namespace EndGame

TFormEndGame::TFormEndGame(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormEndGame"));
    WindowParts::SetupDialogFrame(*this, 450, 450);
    WindowParts::SetHelpContext(*this, 1);
    Image01 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image00 = platform::newPictureAt(this, 60, 5, 385, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 440, 6);
    Image1 = platform::newPictureAt(this, 0, 70, 300, 375);
    ImageLogo = platform::newPictureAt(this, 310, 80, 130, 130);
    RxGIFAn1 = new WindowParts::GifAnimator(this);
    RxGIFAn1->setGeometry(315, 240, 120, 150);
    Button1 = new TQyvCardsButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(315, 415, 120, 30);
    Button1->SetColorSB(DRed);
    FontsAndCursors::UseCursor(Button1, FontsAndCursors::CursorKind::Hand);
    Button1->setDefault(true);
    FontsAndCursors::RegisterFontRow(Button1, QStringLiteral("times"), 20);
    FontsAndCursors::ApplyFontChoice(Button1, FontsAndCursors::RoleFont(QStringLiteral("times"), 20));
    FontsAndCursors::UseCursor(this, FontsAndCursors::CursorKind::Arrow);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TFormEndGame::~TFormEndGame() = default;

void TFormEndGame::FormActivate()
{
    QString gameName;
    GameTables::GameNameOf(gameName);
    setWindowTitle(Texts::Tx(Texts::TxtCompletionOfGame) + QStringLiteral(" - ") + gameName);

    WindowParts::FillFace(*Image01);
    WindowParts::DrawPng(*Image01, QStringLiteral("FlagF"), 0, 0);
    WindowParts::FillFace(*Image00);
    WindowParts::DrawPng(*Image00, QStringLiteral("GGameOverCap"), 72, 0);
    WindowParts::DrawDivider(*ImageDiv);

    place_ = ClubFile::EndGamePlace;
    const EndGame::EndGameView v = EndGame::PlanEndGame(ClubFile::EndGamePlace, ClubFile::EndGameScore,
                                                        Online::OnlineState, EndGame::EndGameReward);
    RxGIFAn1->Load(v.Animation);
    if (QMovie* movie = RxGIFAn1->Movie()) {
        connect(movie, &QMovie::frameChanged, this, [this](int frame) { RxGIFAn1FrameChanged(frame); });
        if (Settings::GifAnimationOn) {
            movie->jumpToFrame(0);
            movie->start();
        } else {
            RxGIFAn1->HoldAt(v.StillFrame);
        }
    }
    RxGIFAn1->show();

    MenuDecorations::DrawScrollPicture(*Image1);
    platform::Canvas& c = Image1->canvas();
    c.brush.style = platform::BrushStyle::Clear;
    c.font.name = FontsAndCursors::FontNameOf(QStringLiteral("times"));
    c.font.bold = false;
    DrawHelpers::PlayWavResource(v.Sound, false, Settings::SoundOn);
    for (const EndGame::TextRow& r : v.Rows) {
        c.font.height = EndGame::FittingHeight(r, c);
        c.font.color = r.Color;
        DrawHelpers::TextOutCentered(r.Text, r.X1, r.X2, r.Y, c);
    }
    if (v.ShowReward) {
        c.draw(24, 220, platform::resources::image(QStringLiteral("GQyvs128")));
        c.draw(86, 195, platform::resources::image(QStringLiteral("GQyvsT128")));
        c.font.height = 44;
        c.font.bold = true;
        DrawHelpers::TextOutShadow(v.RewardNumber, 86, 214, 225, c, platform::clYellow, 'c');
        c.font.bold = false;
    }
    if (v.ShowAccount) {
        QImage account = platform::resources::image(QStringLiteral("Account48"));
        if (!account.isNull()) {
            account = account.convertToFormat(QImage::Format_ARGB32);
            DrawHelpers::ResizePngSmooth(account, 32, 32);
            c.draw(248, 40, account);
        }
    }
    Image1->invalidate();

    WindowParts::FillFace(*ImageLogo);
    GameTables::DrawGameLogo(GameState::CurrentGameId, 0, 0, true, ImageLogo->canvas(), ImageLogo->width());
    ImageLogo->invalidate();
}

void TFormEndGame::RxGIFAn1FrameChanged(int frame)
{
    if (place_ >= 1 && place_ <= 10 && frame == 15)
        RxGIFAn1->Stop();
}

void TFormEndGame::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    RxGIFAn1->Clear();
    accept();
}

int ShowFormEndGame(QWidget* parent)
{
    TFormEndGame form(parent);
    form.FormActivate();
    return platform::presenter().exec(form);
}
