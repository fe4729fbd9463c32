#include "online/Qyv_FStat.h"

#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/Countries.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QInputDialog>
#include <algorithm>

namespace FStat {

namespace {

constexpr int GroupCodes[5] = {71, 19, 12, 18, 17};
constexpr int RowBase[6] = {6, 43, 80, 117, 154, 191};

void useFont(platform::Canvas& c, int size)
{
    c.font.name = Settings::FontTimesName;
    c.font.height = Scaling::FontHeightFor(size, QStringLiteral("serif"));
}

// Won and lost rounds of the current game; empty texts for a code in no list.
void currentGameCounts(const Online::TQyvStat (&records)[5], const platform::Arr<int, 40>& table, QString& won,
                       QString& lost)
{
    const int game = GameState::CurrentGameId;
    for (int i = 0; i < 5; ++i)
        if (GroupCodes[i] == game) {
            won = QString::number(records[i].StatX[1]);
            lost = QString::number(records[i].StatX[2]);
            return;
        }
    int group = 0;
    int slot = 0;
    if (Online::StatTableSlot(game, group, slot)) {
        won = QString::number(table[2 * slot - 1]);
        lost = QString::number(table[2 * slot]);
    }
}

} // namespace

void SetStatFonts(TFStat& form)
{
    QFont f = form.font();
    f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
    f.setPixelSize(qMax(1, Scaling::FontHeightFor(24, QStringLiteral("serif"))));
    form.setFont(f);
    f.setBold(true);
    form.Button1->setFont(f);
    form.Button2->setFont(f);
    useFont(form.Image2->canvas(), 40);
    useFont(form.ImageSG->canvas(), 20);
    useFont(form.ImageV->canvas(), 20);
}

QString VersionNote(int gameId)
{
    const QString note = Texts::Tx(Texts::TxtStatisticsSince);
    const struct {
        int low, high;
        const char* suffix;
    } ranges[] = {{401, 410, " (3.0)"}, {411, 420, " (3.1)"}, {421, 425, " (3.3)"}, {426, 430, " (3.4)"},
                  {431, 445, " (3.6)"}};
    for (const auto& r : ranges)
        if (gameId >= r.low && gameId <= r.high)
            return note + QLatin1String(r.suffix);
    return note;
}

QStringList PaintStatPanel(platform::Canvas& c, int Mode, const Online::TQyvStat& A, const Online::TQyvStat& B,
                    const Online::TQyvStat& C, const Online::TQyvStat& D, const Online::TQyvStat& E,
                    const platform::Arr<int, 40>& Table, bool Ok)
{
    c.brush.style = platform::BrushStyle::Clear;
    c.font.bold = true;
    if (Mode == 1) {
        c.brush.color = WindowParts::FaceColor;
        c.brush.style = platform::BrushStyle::Solid;
        c.fillRect(0, 0, c.width(), c.height());
        c.brush.style = platform::BrushStyle::Clear;
        const char* const bars[3] = {"GStatR", "GStatG", "GStatB"};
        for (int i = 0; i < 6; ++i) {
            const QImage bar = platform::resources::image(QLatin1String(bars[i / 2]));
            if (!bar.isNull())
                c.draw(0, 37 * i, bar);
        }
        const Texts::TText* labels[6] = {&Texts::TxtNumberOfStarts, &Texts::TxtNumberOfUniqueStarts,
                                             &Texts::TxtLikes, &Texts::TxtLastLike, &Texts::TxtSolitaireConverged,
                                             &Texts::TxtSolitaireNotConverged};
        const platform::TColor colours[3] = {FontsAndCursors::TextColor1, FontsAndCursors::TextColor3,
                                             FontsAndCursors::TextColor4};
        const int height = c.font.height;
        for (int i = 0; i < 6; ++i) {
            c.font.color = platform::clWhite;
            c.textOut(12, RowBase[i], QString::number(i + 1));
            c.font.color = colours[i / 2];
            // A long label keeps clear of the value standing right of x 340.
            const QString label = Texts::Tx(*labels[i]) + QLatin1Char(':');
            DrawHelpers::ShrinkFontToFit(label, 340 - 31, 8, c);
            c.textOut(31, RowBase[i], label);
            c.font.height = height;
        }
        return {};
    }
    c.font.color = platform::clWhite;
    if (!Ok) {
        DrawHelpers::TextOutRight(QStringLiteral("No Connect"), 400, RowBase[0], c);
        return {QStringLiteral("No Connect")};
    }
    const Online::TQyvStat records[5] = {A, B, C, D, E};
    // Sums in 64 bits: five service counters may add up past 32 bits.
    qint64 starts = A.StatX[3];
    qint64 unique = A.StatX[4];
    for (const auto& r : records) {
        starts += r.Stat1;
        unique += r.Stat2;
    }
    QString won;
    QString lost;
    currentGameCounts(records, Table, won, lost);
    const QString values[6] = {QString::number(starts), QString::number(unique), QString::number(A.Stat3), A.Stat4,
                               won, lost};
    for (int i = 0; i < 6; ++i)
        DrawHelpers::TextOutRight(values[i], 400, RowBase[i], c);
    return QStringList(std::begin(values), std::end(values));
}

} // namespace FStat

TFStat::TFStat(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FStat"));
    WindowParts::SetupDialogFrame(*this, 430, 475);
    WindowParts::SetHelpContext(*this, 1);
    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image2 = platform::newPictureAt(this, 60, 5, 365, 50);
    ImageDiv = platform::newPictureAt(this, 5, 60, 420, 6);
    ImageSG = platform::newPictureAt(this, 5, 70, 420, 220);
    ImageV = platform::newPictureAt(this, 5, 295, 420, 70);
    auto button = [this](const char* name, int y, bool grayDis) {
        auto* b = new TQyvCardsButton(this);
        b->setObjectName(QLatin1String(name));
        b->SetColorSB(DOrang);
        b->SetColorMouse(platform::clYellow);
        b->SetLightFont(true);
        b->SetGrayDis(grayDis);
        b->SetHeightSB(D45);
        b->SetKLightSB(0);
        b->SetKontur(true);
        b->SetSmooth(true);
        b->SetOvila(false);
        b->SetFontColor(platform::clWhite);
        b->setGeometry(5, y, 420, 45);
        return b;
    };
    Button2 = button("Button2", 370, true);
    Button1 = button("Button1", 420, false);
    Button1->setText(QStringLiteral("Ok"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    WindowParts::FillFace(*Image1);
    WindowParts::DrawPng(*Image1, QStringLiteral("Stat48"), 0, 0);
}

bool TFStat::readCounters(Online::TQyvStat (&records)[5])
{
    bool all = true;
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        Online::GetGameStat(Settings::StatServiceAddress, FStat::GroupCodes[i], ok, records[i]);
        all = all && ok;
    }
    const int game = GameState::CurrentGameId;
    if (all && !std::count(std::begin(FStat::GroupCodes), std::end(FStat::GroupCodes), game)) {
        platform::Arr<int, 40> table;
        bool ok = false;
        Online::GetGameTable40(Scrambler::UnscrambleText(Online::StatTableAddressCoded, Scrambler::KeyStatTable),
                               Online::StatGroupCode(GameState::CurrentGroup), ok, table);
        FStat::StatTable = table;
        all = ok;
    }
    return all;
}

void TFStat::showCounters()
{
    Online::TQyvStat r[5];
    FStat::PaintStatPanel(ImageSG->canvas(), 1, r[0], r[1], r[2], r[3], r[4], FStat::StatTable, false);
    const bool ok = readCounters(r);
    Values = FStat::PaintStatPanel(ImageSG->canvas(), 2, r[0], r[1], r[2], r[3], r[4], FStat::StatTable, ok);
    ImageSG->invalidate();
}

void TFStat::FormShow()
{
    const int set = Settings::YellowCursor ? 1 : 0;
    FontsAndCursors::SetCursorOf(this, FontsAndCursors::CursorKind::Arrow, set);
    FontsAndCursors::SetCursorOf(Button1, FontsAndCursors::CursorKind::Hand, set);
    FontsAndCursors::SetCursorOf(Button2, FontsAndCursors::CursorKind::Hand, set);
    FStat::SetStatFonts(*this);

    WindowParts::FillFace(*Image2);
    WindowParts::DrawPng(*Image2, QStringLiteral("GWorldStatsCap"), 58, 0);
    WindowParts::DrawDivider(*ImageDiv);

    QString name;
    GameTables::GameNameOf(name);
    setWindowTitle(Texts::Tx(Texts::TxtStatistics) + QStringLiteral(" - ") + name);

    WindowParts::FillFace(*ImageV);
    WindowParts::DrawPng(*ImageV, QStringLiteral("GStatV"), 0, 0);
    platform::Canvas& v = ImageV->canvas();
    v.font.bold = true;
    v.font.color = FontsAndCursors::TextColor1;
    v.brush.style = platform::BrushStyle::Clear;
    const QString note = FStat::VersionNote(GameState::CurrentGameId);
    DrawHelpers::ShrinkFontToFit(note, v.width() - 8, 8, v);
    DrawHelpers::TextOutCentered(note, 0, v.width(), 25, v);
    ImageV->invalidate();

    Button2->setText(Texts::Tx(Texts::TxtILikeThisGame));

    showCounters();
    Button2->setEnabled(!Settings::GameLiked);
}

void TFStat::Button2Click()
{
    const QString incognito = QStringLiteral("Incognito");
    if (Settings::PassportNick == incognito) {
        for (;;) {
            QInputDialog ask(this);
            ask.setObjectName(QStringLiteral("NickQuery"));
            ask.setWindowTitle(Texts::Tx(Texts::TxtNick));
            ask.setLabelText(Texts::Tx(Texts::TxtNick));
            ask.setTextValue(Settings::PassportNick);
            if (platform::presenter().exec(ask) != QDialog::Accepted)
                break;
            const QString answer = ask.textValue();
            if (Online::CheckPassportText(answer, 1) != 1) {
                Settings::PassportNick = answer.left(12);
                break;
            }
        }
    }
    bool ok = false;
    Online::SendGameLike(Settings::StatServiceAddress, 71, 1, Settings::PassportNick, ok);
    if (!ok)
        return;
    DrawHelpers::PlayWavResource(QStringLiteral("WavDown"), false, Settings::SoundOn);
    Button2->setEnabled(false);
    showCounters();
    Settings::GameLiked = true;
    Settings::SaveSettings();
}

void TFStat::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    accept();
}

int ShowFStat(QWidget* owner)
{
    TFStat form(owner);
    form.FormShow();
    return platform::presenter().exec(form);
}
