#include "foundation/Qyv_FCount.h"

#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/AnimatedPicture.h"
#include "platform/Help.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <algorithm>
#include <array>

namespace FCount {

namespace {
std::array<GameResultRoutine, 5> resultRoutines{};
}

void SetGameResultRoutine(int group, GameResultRoutine routine)
{
    if (group >= 1 && group <= 5)
        resultRoutines[std::size_t(group - 1)] = routine;
}

QList<BoardRow> LeftBoardRows()
{
    using namespace Texts;
    const BoardRow round{Tx(TxtRound), CountRound};
    const BoardRow score{Tx(TxtScore) + QLatin1Char(':'), CountScoreBefore};
    const BoardRow cards{Tx(TxtLCards), CountCardsLeft};
    const BoardRow packs{Tx(TxtLPacks), CountExtra};
    const BoardRow moves{Tx(TxtMoves), CountGameScore};
    const BoardRow bullet{Tx(TxtBullet), CountPasses};
    switch (CountLayout) {
    case 0: return {round, score, cards, packs};
    case 1: return {round, score, bullet, moves, cards};
    case 2: return {round, score, bullet, moves, cards, packs};
    case 3: return {round, score, moves};
    case 4: return {round, score, cards};
    case 5: return {round, score, moves, cards, packs};
    // The live table counters, not their copies.
    case 6: return {round, score, {Tx(TxtBullet), GameState::PassCount}, cards};
    case 7: return {round, score, {Tx(TxtMoves), GameState::MoveCounter}, cards};
    case 8:
        return {round, score, {Tx(TxtBullet), GameState::PassCount},
                {Tx(TxtMoves), GameState::MoveCounter}, cards};
    default: return {};
    }
}

QString BoardName()
{
    QString n = CountPlayerName;
    while (n.endsWith(QLatin1Char(' ')))
        n.chop(1);
    return n;
}

QStringList OutcomeLines()
{
    using namespace Texts;
    if (!GameState::GameOver)
        return {Tx(TxtSolitaire), Tx(TxtIsUnfinished)};
    if (GameState::GameWon)
        return {Tx(TxtVictory), Tx(TxtCameOut)};
    return {Tx(TxtLose), Tx(TxtNotCameOut)};
}

int NameFontSize(const std::function<int(int size)>& widthAt, int room)
{
    for (int size : NameFontSizes)
        if (widthAt(size) <= room)
            return size;
    return NameFontSizes[std::size(NameFontSizes) - 1];
}

int RowLabelSize(const std::function<int(int size)>& labelWidthAt, int valueWidth)
{
    return NameFontSize([&](int s) { return labelWidthAt(s) + valueWidth; }, 167 - 33 - 1);
}

} // namespace FCount

namespace {

constexpr int LabelX = 33;
constexpr int ValueRight = 167;
constexpr int RowY[] = {100, 130, 160, 190, 220, 250};

// The header strip shared by the program's dialogs: a square picture, a caption
// picture and a divider, on the window's face colour.
void drawHeaderPicture(platform::PictureControl& control, const QString& name, int x, int y)
{
    platform::Canvas& c = control.canvas();
    c.brush.color = platform::fromQColor(control.palette().color(QPalette::Window));
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    const QImage picture = platform::resources::image(name);
    if (!picture.isNull())
        c.draw(x, y, picture);
    c.notifyChanged();
}

void drawDivider(platform::PictureControl& control, int width, int height)
{
    QImage divider = platform::resources::image(QStringLiteral("GDivider260"));
    platform::Canvas& c = control.canvas();
    c.brush.color = platform::fromQColor(control.palette().color(QPalette::Window));
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    if (!divider.isNull()) {
        divider = divider.convertToFormat(QImage::Format_ARGB32);
        DrawHelpers::ResizePngSmooth(divider, width, height);
        c.draw(0, 0, divider);
    }
    c.notifyChanged();
}

void startGif(QLabel& label, QMovie*& movie, const QString& name)
{
    if (movie) {
        movie->stop();
        label.setMovie(nullptr);
        delete movie;
        movie = nullptr;
    }
    const QString path = platform::resources::pathOf(name);
    if (path.isEmpty())
        return;
    movie = new QMovie(path, QByteArray(), &label);
    label.setMovie(movie);
    if (Settings::GifAnimationOn) {
        movie->start();
    } else {
        movie->jumpToFrame(0);
    }
}

} // namespace

TFormCount::TFormCount(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCount"));
    setFixedSize(425, 435);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Image1 = platform::newPictureAt(this, 5, 70, 200, 350);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2 = platform::newPictureAt(this, 220, 70, 200, 200);
    Image2->setObjectName(QStringLiteral("Image2"));
    RxGIFAn1 = new QLabel(this);
    platform::restMovieWhileHidden(*RxGIFAn1); // a closed window animates nothing
    RxGIFAn1->setGeometry(255, 290, 130, 80);
    RxGIFAn1->setAlignment(Qt::AlignCenter);
    Image01 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image00 = platform::newPictureAt(this, 60, 5, 360, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 415, 6);
    Button1 = new TQyvCardsButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(215, 390, 200, 30);
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setDefault(true);
    Button1->SetFontColor(platform::clWhite);
    FontsAndCursors::RegisterFontRow(Button1, QStringLiteral("times"), 20);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TFormCount::~TFormCount() = default;

void TFormCount::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
}

void TFormCount::FormShow()
{
    QString gameName;
    GameTables::GameNameOf(gameName);
    setWindowTitle(Texts::Tx(Texts::TxtInfo) + QStringLiteral(" - ") + gameName);
    FontsAndCursors::ApplyFontChoice(Button1, FontsAndCursors::RoleFont(QStringLiteral("times"), 20));
    const int cursorSet = Settings::YellowCursor ? 1 : 0;
    FontsAndCursors::SetCursorOf(this, FontsAndCursors::CursorKind::Arrow, cursorSet);
    FontsAndCursors::SetCursorOf(Button1, FontsAndCursors::CursorKind::Hand, cursorSet);

    drawHeaderPicture(*Image01, QStringLiteral("Score"), 0, 0);
    drawHeaderPicture(*Image00, QStringLiteral("GInfoCap"), 130, 0);
    drawDivider(*ImageDiv, 415, 6);

    const int group = GameState::CurrentGroup;
    if (group >= 1 && group <= 5 && FCount::resultRoutines[std::size_t(group - 1)])
        FCount::resultRoutines[std::size_t(group - 1)]();

    DrawCountTabloY();
    DrawCountTabloG();
    startGif(*RxGIFAn1, gif_, QStringLiteral("GGenCount"));
}

namespace {

void loadBoard(platform::PictureControl& image, const QString& name, int defaultW, int defaultH)
{
    const QImage board = platform::resources::image(name);
    if (board.isNull()) {
        image.setPicture(QImage());
        image.setPictureSize(defaultW, defaultH);
    } else {
        image.setPicture(board);
        image.resize(board.size());
    }
}

void boardFont(platform::Canvas& c)
{
    c.font.name = Settings::FontTimesName;
    c.font.height = Scaling::FontHeightFor(23, QStringLiteral("times"));
    c.font.italic = true;
    c.font.bold = false;
    c.brush.style = platform::BrushStyle::Clear;
}

// A board row: the label at LabelX, the value ending at ValueRight. A long label (some
// languages) steps down like the name so that it never runs into its value.
void drawRow(platform::Canvas& c, const QString& label, platform::TColor labelColour, std::int32_t number,
             platform::TColor valueColour, int y)
{
    const int fullHeight = c.font.height;
    const QString value = QString::number(number);
    const int valueWidth = c.textWidth(value);
    const int size = FCount::RowLabelSize(
        [&](int s) {
            c.font.height = Scaling::FontHeightFor(s, QStringLiteral("times"));
            return c.textWidth(label);
        },
        valueWidth);
    c.font.height = Scaling::FontHeightFor(size, QStringLiteral("times"));
    c.font.color = labelColour;
    c.textOut(LabelX, y + (fullHeight - c.font.height) / 2, label);
    c.font.height = fullHeight;
    c.font.color = valueColour;
    DrawHelpers::TextOutRight(value, ValueRight, y, c);
}

} // namespace

void TFormCount::DrawCountTabloY()
{
    using namespace Texts;
    loadBoard(*Image1, QStringLiteral("TabloY"), 200, 350);
    platform::Canvas& c = Image1->canvas();
    boardFont(c);

    c.font.color = 0xFF0000;
    DrawHelpers::TextOutCentered(Tx(TxtPlayer) + QLatin1Char(':'), LabelX, ValueRight, 40, c);

    const QString name = FCount::BoardName();
    c.font.color = 0x0000FF;
    const int size = FCount::NameFontSize([&](int s) {
        c.font.height = Scaling::FontHeightFor(s, QStringLiteral("times"));
        return c.textWidth(name);
    });
    c.font.height = Scaling::FontHeightFor(size, QStringLiteral("times"));
    DrawHelpers::TextOutCentered(name, LabelX, ValueRight, 70, c);
    c.font.height = Scaling::FontHeightFor(23, QStringLiteral("times"));

    const QList<FCount::BoardRow> rows = FCount::LeftBoardRows();
    for (int i = 0; i < rows.size() && i < int(std::size(RowY)); ++i)
        drawRow(c, rows[i].label, 0xFF0000, rows[i].value, 0x0000FF, RowY[i]);
    c.notifyChanged();
}

void TFormCount::DrawCountTabloG()
{
    using namespace Texts;
    loadBoard(*Image2, QStringLiteral("TabloG"), 200, 200);
    platform::Canvas& c = Image2->canvas();
    boardFont(c);
    c.font.color = 0xFF00FF;

    const QStringList lines = FCount::OutcomeLines();
    DrawHelpers::TextOutCentered(lines[0], LabelX, ValueRight, 40, c);
    // A tall script (CJK) would lay the second line over the first.
    const int secondY = std::max(57, 40 + c.textHeight(lines[0]) - 6);
    DrawHelpers::TextOutCentered(lines[1], LabelX, ValueRight, secondY, c);

    drawRow(c, Tx(TxtScore) + QLatin1Char(':'), 0xFF00FF, FCount::CountDealScore, 0x4080FF, 87);
    drawRow(c, Tx(TxtGeneral), 0xFF00FF, FCount::CountTotal, 0x4080FF, 117);
    c.notifyChanged();
}

void TFormCount::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    if (gif_) {
        gif_->stop();
        RxGIFAn1->setMovie(nullptr);
        delete gif_;
        gif_ = nullptr;
    }
    accept();
}

void TFormCount::FormKeyPress(char& Key)
{
    if (Key == 27)
        reject();
}

void TFormCount::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        platform::showHelp(GameTables::GameSlotOf(GameState::CurrentGameId) + 1, Texts::LanguageIndex);
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        char key = 27;
        FormKeyPress(key);
        return;
    }
    QDialog::keyPressEvent(e);
}

TFormCount& FormCount()
{
    // Kept for the program's life; a static owner would outlive the application object.
    static TFormCount* form = new TFormCount;
    return *form;
}

void ShowScoreWindow()
{
    TFormCount& form = FormCount();
    form.FormShow();
    platform::presenter().exec(form);
}
