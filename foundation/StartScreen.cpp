#include "foundation/StartScreen.h"
#include "platform/Memory.h"

#include "foundation/AccountClient.h"
#include "foundation/CaptionNames.h"
#include "foundation/CardPictures.h"
#include "foundation/Celebration.h"
#include "foundation/ClubFile.h"
#include "foundation/DrawHelpers.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/MenuDecorations.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/AnimatedPicture.h"
#include "platform/Cp1251.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"

#include <QFile>
#include <QPainter>
#include <QScreen>
#include <cstring>
#include <QTimer>

namespace StartScreen {

using platform::Canvas;
using Scaling::RoundHalfEven;
using Scaling::Scale;
using Scaling::Scaled;
using Scaling::ScaledLeft;
using Scaling::ScaledTop;
using Scaling::ScaleX;
using Scaling::ScaleY;

namespace {

constexpr platform::TColor kTableGreen = platform::rgbColor(0, 128, 0);
constexpr platform::TColor kSilver = platform::rgbColor(192, 192, 192);

// Characters first..last (1-based, inclusive) of a line, blanks where it is short.
QString columns(const QString& line, int first, int last)
{
    return line.mid(first - 1, last - first + 1).leftJustified(last - first + 1, QLatin1Char(' '));
}

// Paints a caption picture into its control over the table background.
void placeCaption(platform::PictureControl& image, const QString& resource, int left, int top,
                  int width, int height)
{
    image.setGeometry(left, top, width, height);
    image.setPictureSize(width, height);
    Canvas& c = image.canvas();
    if (!CardPictures::TableBackground.isNull() && Settings::BackgroundNo != 0) {
        c.draw(-left, -top, CardPictures::TableBackground);
    } else {
        c.brush.color = kTableGreen;
        c.brush.style = platform::BrushStyle::Solid;
        c.fillRect(0, 0, width, height);
    }
    QImage png = platform::resources::image(resource);
    if (!png.isNull()) {
        png = png.convertToFormat(QImage::Format_ARGB32);
        DrawHelpers::ResizePngSmooth(png, width, height);
        c.draw(0, 0, png);
    }
    image.show();
}

// Starts (or holds on frame 0) one of the two animated menu decorations. The GIF is
// decoded the first time the menu shows it and kept for every later menu.
void showMenuAnimation(platform::AnimatedPicture& gif, const QString& resource)
{
    if (!gif.isLoaded()) {
        gif.load(platform::resources::find(resource));
        // The menu timer ticks anyway; the pictures take their frames on its ticks.
        gif.followTicks(Form1->Timer1);
    }
    gif.stop();
    gif.jumpToFrame(0);
    if (Settings::GifAnimationOn)
        gif.start();
    gif.show();
}

// The nine lines of the current game's block of the club file; empty when unreadable.
void readMemberLines()
{
    using GameState::PlayerLines;
    using GameState::PlayerLines2;
    for (int k = 1; k <= 9; ++k) {
        PlayerLines2[k].clear();
        PlayerLines[k].clear();
    }
    QFile file(platform::programFolder() + ClubFile::ClubFileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const int skip = (GameTables::GameSlotOf(GameState::CurrentGameId) - 1) * 18;
    for (int i = 0; i < skip && !file.atEnd(); ++i)
        file.readLine();
    for (int k = 1; k <= 9 && !file.atEnd(); ++k) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        PlayerLines2[k] = platform::cp1251::toUnicode(line);
        PlayerLines[k] = PlayerLines2[k];
        if (k <= 5)
            PlayerLines[k].remove(55, 15);
    }
}

void setScheme(QWidget* button, TColorSB scheme)
{
    if (auto* b = qobject_cast<TQyvCardsButton*>(button))
        b->SetColorSB(scheme);
}

void layoutMenuControls()
{
    TTableSurface& f = *Form1;
    const int H = RoundHalfEven(Scale * 30);
    const int listTop = RoundHalfEven(ScaleY * 265);
    TQyvCardsButton* panels[3] = {f.Panel1, f.Panel2, f.Panel3};
    for (int k = 1; k <= 3; ++k)
        panels[k - 1]->setGeometry(RoundHalfEven(ScaleX * 230), RoundHalfEven(ScaleY * 90) + (k - 1) * H,
                                   RoundHalfEven(ScaleX * 300), H);
    f.Panel4->setGeometry(RoundHalfEven(ScaleX * 180), listTop - H - Scaled(10), RoundHalfEven(ScaleX * 400), H);
    TQyvCardsButton* members[5] = {f.Button1, f.Button2, f.Button3, f.Button4, f.Button5};
    for (int k = 1; k <= 5; ++k)
        members[k - 1]->setGeometry(RoundHalfEven(ScaleX * 180), listTop + (k - 1) * H,
                                    RoundHalfEven(ScaleX * 400), H);
    f.Button6->setGeometry(RoundHalfEven(ScaleX * 280), listTop + 5 * H + Scaled(10), RoundHalfEven(ScaleX * 200), H);
    f.Button9->setGeometry(RoundHalfEven(ScaleX * 40), RoundHalfEven(ScaleY * 260), RoundHalfEven(ScaleX * 100), H);
    f.Button10->setGeometry(RoundHalfEven(ScaleX * 620), RoundHalfEven(ScaleY * 260), RoundHalfEven(ScaleX * 100), H);
    f.Button11->setGeometry(RoundHalfEven(ScaleX * 330), RoundHalfEven(ScaleY * 465), RoundHalfEven(ScaleX * 100), H);
    const int gifTop = RoundHalfEven((ScaleY - 1) * 200 / 2) + RoundHalfEven(ScaleY * 290);
    f.RxGIFAnL->setGeometry(RoundHalfEven((ScaleX - 1) * 160 / 2) + RoundHalfEven(ScaleX * 7), gifTop, 160, 200);
    f.RxGIFAnR->setGeometry(RoundHalfEven((ScaleX - 1) * 160 / 2) + RoundHalfEven(ScaleX * 592), gifTop, 160, 200);
    for (QWidget* w : {static_cast<QWidget*>(f.Button6), static_cast<QWidget*>(f.Button9),
                       static_cast<QWidget*>(f.Button10), static_cast<QWidget*>(f.Button11)}) {
        QFont font = w->font();
        font.setBold(true);
        w->setFont(font);
    }
}

void fillMembers()
{
    TTableSurface& f = *Form1;
    using GameState::PlayerLines2;
    TQyvCardsButton* members[5] = {f.Button1, f.Button2, f.Button3, f.Button4, f.Button5};
    for (int k = 1; k <= 4; ++k)
        members[k - 1]->setText(MemberText(PlayerLines2[k]));

    bool accountLine = false;
    if (Online::OnlineState == 2 || Online::OnlineState == 3) {
        const QString address = Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount);
        Online::TQyvGame game;
        bool loaded = false;
        Online::ServerReadGame(address, Online::AccountUser.Nick, Online::AccountUser.Pw,
                               Settings::ServerGameCode, loaded, game);
        Online::AccountGame = game;
        Online::AccountGameLoaded = loaded;
        accountLine = loaded;
    }
    if (accountLine) {
        setScheme(f.Button5, DRed);
        f.Button5->setText(Online::AccountUser.Nick.leftJustified(20, QLatin1Char(' ')) + QString(7, QLatin1Char(' ')) +
                           QString::number(Online::AccountGame.KonL).rightJustified(3, QLatin1Char(' ')) +
                           QString(7, QLatin1Char(' ')) +
                           QString::number(Online::AccountGame.Score).rightJustified(6, QLatin1Char(' ')));
    } else {
        setScheme(f.Button5, DViolet);
        f.Button5->setText(MemberText(PlayerLines2[5]));
    }

    TQyvCardsButton* panels[3] = {f.Panel1, f.Panel2, f.Panel3};
    for (int k = 6; k <= 8; ++k)
        panels[k - 6]->setText(columns(PlayerLines2[k], 1, 20) + QStringLiteral("  ") + columns(PlayerLines2[k], 21, 26));
}

// The candle flames tick fifty times a second. Each of the six flame places shows the
// table under it with one of fourteen fire frames on it; a flame is composed the first
// time it is shown and kept while the candles stand where they are on the same
// background, so a tick only copies kept flames and repaints their own rectangles.
constexpr int kFlameWidth = 15;
constexpr int kFlameHeight = 35;

const QImage& flame(int place, int windowX, int windowY, int frame)
{
    struct Place {
        QPoint at;
        int backgroundNo = -1;
        qint64 backgroundKey = 0;
        QImage frames[14];
    };
    static Place places[6];
    Place& p = places[place];
    const bool drawn = Settings::BackgroundNo != 0 && !CardPictures::TableBackground.isNull();
    const qint64 key = drawn ? CardPictures::TableBackground.cacheKey() : 0;
    if (p.at != QPoint(windowX, windowY) || p.backgroundNo != Settings::BackgroundNo || p.backgroundKey != key)
        p = {QPoint(windowX, windowY), Settings::BackgroundNo, key, {}};
    QImage& f = p.frames[frame - 1];
    if (f.isNull()) {
        Canvas bmp(kFlameWidth, kFlameHeight, kTableGreen);
        if (drawn)
            bmp.draw(-windowX, -windowY, CardPictures::TableBackground);
        const QImage fire = platform::resources::image(QStringLiteral("Fire%1").arg(frame, 2, 10, QLatin1Char('0')));
        if (!fire.isNull())
            bmp.draw(0, 0, fire);
        f = bmp.image();
    }
    return f;
}

// Copies a kept flame into the candle picture, row by row.
void putFlame(QImage& picture, const QPoint& at, const QImage& flame)
{
    const QRect r(at, flame.size());
    if (picture.format() != flame.format() || !picture.rect().contains(r)) {
        QPainter(&picture).drawImage(at, flame);
        return;
    }
    // One write access for all rows: each scanLine() would check the picture's sharing anew.
    uchar* const top = picture.bits() + qsizetype(at.y()) * picture.bytesPerLine() + qsizetype(at.x()) * 4;
    const qsizetype bytes = qsizetype(flame.width()) * 4;
    for (int y = 0; y < flame.height(); ++y)
        std::memcpy(top + qsizetype(y) * picture.bytesPerLine(), flame.constScanLine(y), bytes);
}

// Nothing is seen of a hidden or minimised window, so its flames stand still.
bool candlesSeen(const TTableSurface& f)
{
    return f.isVisible() && !f.isMinimized() && f.ImageSvLeft->isVisible() && f.ImageSvRight->isVisible();
}

void candleStep()
{
    TTableSurface& f = *Form1;
    if (!candlesSeen(f))
        return;
    const int n = CandleFrame;
    const QPoint places[3] = {{4, 6}, {42, 23}, {81, 6}};
    int place = 0;
    for (platform::PictureControl* candle : {f.ImageSvLeft, f.ImageSvRight}) {
        // The flames stand on the candle picture itself, which lies over the form. They
        // change the picture without the whole-picture repaint that a canvas drawing asks for.
        QImage& picture = candle->canvas().image();
        QRegion flames;
        for (int i = 0; i < 3; ++i, ++place) {
            if (picture.isNull())
                continue;
            const int frame = (i == 1) ? (n + 7) % 14 + 1 : n + 1;
            const QPoint at = places[i];
            putFlame(picture, at, flame(place, candle->x() + at.x(), candle->y() + at.y(), frame));
            flames += QRect(at, QSize(kFlameWidth, kFlameHeight));
        }
        candle->invalidate(flames);
    }
    CandleFrame = (n >= 13) ? 0 : n + 1;
}

} // namespace

QString MemberText(const QString& line)
{
    const QString gap(7, QLatin1Char(' '));
    return columns(line, 1, 20) + gap + columns(line, 31, 33) + gap + columns(line, 35, 40);
}

void TextOutAt(const QString& Text, int X, int Y, platform::PictureControl& Image)
{
    Image.canvas().textOut(X, Y, Text);
}

void ShowSplash(int Mode, const QString& Text)
{
    if (!Form1)
        return;
    Form1->HelpContext = 1;
    platform::PictureControl& image = *Form1->Image1;
    Canvas& c = image.canvas();
    if (c.width() < 760 || c.height() < 500)
        image.setPictureSize(760, 500);

    if (Mode == 0) {
        c.brush.color = platform::clBlack;
        c.brush.style = platform::BrushStyle::Solid;
        c.pen.color = platform::clBlack;
        c.fillRect(0, 0, 760, 500);
        DrawHelpers::DrawFrame3D(130, 50, 630, 450, c);
        DrawHelpers::DrawFrame3D(230, 150, 530, 350, c);
        c.font.color = platform::rgbColor(255, 0, 0);
        c.font.height = Scaling::FontHeightFor(26, QStringLiteral("times"));
        c.font.name = Settings::FontTimesName;
        c.font.italic = true;
        c.font.bold = false;
        c.brush.style = platform::BrushStyle::Clear;
        DrawHelpers::TextOutCentered(Texts::Tx(Texts::ReleaseDateTexts), 230, 530, 240, c);
        c.font.color = platform::rgbColor(0, 0, 255);
        DrawHelpers::TextOutCentered(Texts::Tx(Texts::CreditTexts), 230, 530, 265, c);
        c.font.color = platform::rgbColor(0, 100, 100);
        DrawHelpers::TextOutCentered(QStringLiteral("V 4.0"), 230, 530, 315, c);
        const QImage logo = platform::resources::image(QStringLiteral("Logo"));
        c.draw(250, 270, logo);
        c.draw(445, 270, logo);
        SplashIconPos[1] = {155, 68};
        SplashIconPos[2] = {550, 68};
        SplashIconPos[3] = {155, 362};
        SplashIconPos[4] = {550, 362};
        const platform::TColor colours[10] = {0x000080, 0xFF0000, 0x00FFFF, 0x008000, 0x0000FF,
                                              0x800000, 0x4080FF, 0xFFFF00, 0x800080, 0x008080};
        for (int i = 1; i <= 10; ++i)
            SplashColors[i] = colours[i - 1];
        SplashStep = 0;
        image.invalidate();
        return;
    }

    // Mode 1: one step of the title and the circling icons.
    c.brush.style = platform::BrushStyle::Clear;
    c.font.name = QStringLiteral("Arial");
    c.font.bold = true;
    c.font.italic = false;
    c.font.height = Scaling::FontHeightFor(40, QStringLiteral("times"));
    const int n = static_cast<int>(Text.size());
    if (n > 0) {
        platform::Arr<int, 10> offset;
        offset[1] = 0;
        const int kept = qMin(n, 10);
        for (int i = 2; i <= kept; ++i)
            offset[i] = offset[i - 1] + c.textWidth(Text.mid(i - 2, 1)) + 5;
        const int lastOffset = offset[kept];
        const int totalWidth = lastOffset + c.textWidth(Text.mid(kept - 1, 1));
        const int x0 = 380 - RoundHalfEven(totalWidth / 2.0);
        // Letters 1 to 3 are always written; a shorter title writes blanks there.
        const int letters = qMax(3, kept);
        for (int i = 1; i <= letters; ++i) {
            c.font.color = SplashColors[i <= 9 ? 10 - i : 10];
            const int x = x0 + (i <= kept ? offset[i] : lastOffset);
            c.textOut(x, 175, i <= n ? Text.mid(i - 1, 1) : QString());
        }
    }
    image.invalidate();
    if (SplashStep == 11) {
        SplashColors[11] = SplashColors[1];
        for (int i = 1; i <= 10; ++i)
            SplashColors[i] = SplashColors[i + 1];
        SplashStep = 0;
    }
    ++SplashStep;

    for (int k = 1; k <= 4; ++k) {
        // The icons stand on the silver panel; their own silver ground covers the trail.
        Canvas icon(60, 70, kSilver);
        icon.draw(0, 0, platform::resources::image(QStringLiteral("Intro%1").arg(k - 1)));
        c.draw(SplashIconPos[k].x(), SplashIconPos[k].y(), icon);
    }
    image.invalidate();

    // Each icon moves one pixel along the rectangle (155, 68)-(550, 362).
    auto step = [](QPoint& p, const char* order) {
        for (const char* t = order; *t; ++t) {
            switch (*t) {
            case 'T': if (p.y() == 68) p.rx() += 1; break;    // top edge: right
            case 'B': if (p.y() == 362) p.rx() -= 1; break;   // bottom edge: left
            case 'L': if (p.x() == 155) p.ry() -= 1; break;   // left edge: up
            case 'R': if (p.x() == 550) p.ry() += 1; break;   // right edge: down
            }
        }
    };
    step(SplashIconPos[1], "TBLR");
    step(SplashIconPos[2], "RBTL");
    step(SplashIconPos[3], "LBTR");
    step(SplashIconPos[4], "BLTR");
    c.brush.style = platform::BrushStyle::Solid;
}

void DrawGameCaption(int Mode, int CaptionSize)
{
    if (!Form1)
        return;
    if (Mode == 0 || Mode == 1)
        placeCaption(*Form1->ImageCaption,
                     Captions::TitleCaptionName(Texts::LanguageIndex, Settings::WindowSize != 1),
                     ScaledLeft(155, 450), ScaledTop(5, 80), Scaled(450), Scaled(80));
    if (Mode == 0 || Mode == 2)
        placeCaption(*Form1->ImageElite,
                     Captions::GameCaptionName(GameState::CurrentGameId, Texts::LanguageIndex),
                     ScaledLeft(205, 350), ScaledTop(183, CaptionSize), Scaled(350), Scaled(40));
}

void ShowMainMenu(int Mode, int SubMode)
{
    if (!Form1)
        return;
    Celebration::WinBalloonsPending = false;
    Form1->Timer2->stop();

    if (Mode == 1) {
        candleStep();
        return;
    }

    TTableSurface& f = *Form1;
    if (SubMode == 0) {
        f.HelpContext = 1;
        f.SetClientSize(Scaling::TableWidth, Scaling::TableHeight);
        if (const QScreen* screen = f.screen()) {
            const QRect s = screen->geometry();
            f.move(RoundHalfEven((s.width() - f.width()) / 2.0), RoundHalfEven((s.height() - f.height()) / 2.0));
        }
        // The opening picture is not shown again (a new one is sized when it is):
        // its window-sized canvas is let go.
        f.Image1->hide();
        f.Image1->setPictureSize(0, 0);
        // A flight of the last round painted onto this canvas: the menu always starts clean.
        Canvas& form = f.FormCanvas();
        form.setSize(f.ClientWidth(), f.ClientHeight());
        form.brush.color = kTableGreen;
        form.pen.color = kTableGreen;
        form.fillRect(0, 0, f.ClientWidth(), f.ClientHeight());
        if (Settings::BackgroundNo != 0 && !CardPictures::TableBackground.isNull())
            form.draw(0, 0, CardPictures::TableBackground);
        f.FormArea()->invalidate();
        layoutMenuControls();
        f.Panel4->setText(Texts::Tx(Texts::TxtClubMembersTitle));
        GameCaptionSize = 185;
        for (QWidget* w : {static_cast<QWidget*>(f.Panel1), static_cast<QWidget*>(f.Panel2),
                           static_cast<QWidget*>(f.Panel3), static_cast<QWidget*>(f.Panel4),
                           static_cast<QWidget*>(f.Button1), static_cast<QWidget*>(f.Button2),
                           static_cast<QWidget*>(f.Button3), static_cast<QWidget*>(f.Button4),
                           static_cast<QWidget*>(f.Button5), static_cast<QWidget*>(f.Button6),
                           static_cast<QWidget*>(f.Button9), static_cast<QWidget*>(f.Button10),
                           static_cast<QWidget*>(f.Button11)})
            w->show();
        showMenuAnimation(*f.RxGIFAnL, QStringLiteral("GMenuL"));
        showMenuAnimation(*f.RxGIFAnR, QStringLiteral("GMenuR"));

        const int C = MenuDecorations::LayoutCalendarImages() ? 25 : 0;
        MenuDecorations::PlaceIconBar();
        CandleFrame = 0;
        const int candleTop = RoundHalfEven((ScaleY - 1) * 200 / 2) + RoundHalfEven(ScaleY * 55);
        f.ImageSvLeft->move(RoundHalfEven((ScaleX - 1) * 100 / 2) + RoundHalfEven(ScaleX * (50 - C)), candleTop);
        f.ImageSvRight->move(RoundHalfEven((ScaleX - 1) * 100 / 2) + RoundHalfEven(ScaleX * (615 + C)), candleTop);
        MenuDecorations::PlaceCandles();
    }

    DrawGameCaption(SubMode == 0 ? 0 : 2, GameCaptionSize);
    f.Button6->setText(Texts::Tx(Texts::TxtNewPlayer));
    readMemberLines();
    fillMembers();
    // The menu's pictures are decoded and the table's are gone: what they used goes back.
    platform::ReturnFreedMemory();
}

} // namespace StartScreen
