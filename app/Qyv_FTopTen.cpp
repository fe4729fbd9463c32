#include "app/Qyv_FTopTen.h"

#include "foundation/Qyv_FWindowParts.h"
#include "foundation/Celebration.h"
#include "foundation/ClubFile.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/MenuDecorations.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"

namespace TopTen {

bool ReadTopTen(const QString& fileName, int gameCode, TopTenRow (&rows)[10])
{
    for (TopTenRow& r : rows)
        r = TopTenRow{};
    const int slot = GameTables::GameSlotOf(gameCode);
    ClubFile::ClubLines lines;
    if (slot < 1 || !ClubFile::ReadClubLines(fileName, lines))
        return false;
    const int base = (slot - 1) * ClubFile::ClubBlockLines;
    for (int i = 1; i <= 10; ++i) {
        // Line base + 5 + i of the file, counted from 1.
        const QByteArray& line = lines[base + 4 + i];
        rows[i - 1].Name = platform::cp1251::toUnicode(line.left(20));
        rows[i - 1].Score = platform::cp1251::toUnicode(line.mid(20, 6));
    }
    return true;
}

} // namespace TopTen

TFormTopTen::TFormTopTen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormTopTen"));
    WindowParts::SetupDialogFrame(*this, 300, 605);
    WindowParts::SetHelpContext(*this, 1);
    Image2 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 60, 5, 235, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 290, 6);
    Image1 = platform::newPictureAt(this, 0, 70, 300, 375);
    RxGIFAn1 = new WindowParts::GifAnimator(this);
    RxGIFAn1->setGeometry(15, 445, 270, 120);
    Button1 = new TQyvCardsButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(5, 570, 290, 30);
    FontsAndCursors::UseCursor(Button1, FontsAndCursors::CursorKind::Hand);
    Button1->setDefault(true);
    FontsAndCursors::RegisterFontRow(Button1, QStringLiteral("times"), 20);
    FontsAndCursors::ApplyFontChoice(Button1, FontsAndCursors::RoleFont(QStringLiteral("times"), 20));
    FontsAndCursors::RegisterFontRow(Image1, QStringLiteral("serif"), 16);
    FontsAndCursors::UseCursor(this, FontsAndCursors::CursorKind::Arrow);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TFormTopTen::~TFormTopTen() = default;

void TFormTopTen::FormActivate()
{
    MenuDecorations::DrawScrollPicture(*Image1);
    DrawTopTenList();
    setWindowTitle(Texts::Tx(Texts::TxtTopTen));
    RxGIFAn1->Load(QStringLiteral("GTopTen"));
    if (Settings::GifAnimationOn)
        RxGIFAn1->Start();
    else
        RxGIFAn1->HoldAt(15);
    RxGIFAn1->show();
}

void TFormTopTen::DrawTopTenList()
{
    // An unreadable file leaves the places blank rather than failing the window.
    TopTen::TopTenRow rows[10];
    TopTen::ReadTopTen(ClubFile::ClubFileName, GameState::CurrentGameId, rows);

    WindowParts::FillFace(*Image2);
    WindowParts::DrawPng(*Image2, QStringLiteral("Top10"), 0, 0);
    WindowParts::FillFace(*Image0);
    WindowParts::DrawPng(*Image0, QStringLiteral("GTopTenCap"), 38, 0);
    WindowParts::DrawDivider(*ImageDiv);

    platform::Canvas& c = Image1->canvas();
    const FontsAndCursors::FontChoice font = FontsAndCursors::RoleFont(QStringLiteral("serif"), 16);
    c.font.name = font.name;
    c.font.height = font.height > 0 ? font.height : 16;
    c.brush.style = platform::BrushStyle::Clear;
    c.font.bold = true;
    c.font.color = platform::clMaroon;
    DrawHelpers::TextOutCentered(Texts::Tx(Texts::TxtTopTen), 20, 180, 60, c);
    DrawHelpers::TextOutCentered(Texts::Tx(Texts::TxtScore), 180, 280, 60, c);
    for (int i = 1; i <= 10; ++i) {
        const int y = (i - 1) * 22 + 90;
        c.font.color = i <= 3 ? platform::clRed : platform::clNavy;
        c.textOut(35, y, QString::number(i) + QLatin1Char('.'));
        c.textOut(57, y, rows[i - 1].Name);
        DrawHelpers::TextOutRight(rows[i - 1].Score, 265, y, c);
    }
    Image1->invalidate();
}

void TFormTopTen::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    RxGIFAn1->Clear();
    accept();
}

void TFormTopTen::reject()
{
    RxGIFAn1->Clear();
    QDialog::reject();
}

int ShowFormTopTen(QWidget* parent)
{
    TFormTopTen form(parent);
    form.FormActivate();
    return platform::presenter().exec(form);
}
