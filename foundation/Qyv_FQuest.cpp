#include "foundation/Qyv_FQuest.h"

#include "foundation/CardCode.h"
#include "foundation/CardPictures.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Texts.h"
#include "platform/Help.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QKeyEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace FQuest {

int RankButtonOf(unsigned char rank)
{
    const int order = cards::rankOrder(char(rank));
    // Order 12 is the Ace: no button.
    return order >= 0 && order <= 11 ? order + 1 : 0;
}

} // namespace FQuest

namespace {

const char* const RankCaptions[12] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

} // namespace

TFormQuest::TFormQuest(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormQuest"));
    setFixedSize(268, 256);
    // No title-bar buttons: only the dialog's own buttons close it.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    Label1 = new QLabel(this);
    Label1->setGeometry(16, 78, 233, 17);
    Label1->setAlignment(Qt::AlignCenter);
    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 60, 5, 204, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 258, 6);
    static constexpr int ColumnX[4] = {8, 72, 136, 200};
    static constexpr int RowY[3] = {102, 134, 166};
    for (int k = 1; k <= 12; ++k) {
        auto* b = new QPushButton(QString::fromLatin1(RankCaptions[k - 1]), this);
        b->setObjectName(QStringLiteral("BitBtn%1").arg(k));
        // Column by column: 2, 3, 4 down the first column.
        b->setGeometry(ColumnX[(k - 1) / 3], RowY[(k - 1) % 3], 57, 33);
        b->setLayoutDirection(Qt::RightToLeft); // the glyph right of the caption
        b->setIconSize(QSize(20, 20));
        b->setAutoDefault(false);
        FontsAndCursors::UseCursor(b, FontsAndCursors::CursorKind::Hand);
        connect(b, &QPushButton::clicked, this, [this, k] { BitBtnClick(k); });
        FontsAndCursors::RegisterFontRow(b, QStringLiteral("serif"), 24);
        BitBtn[k] = b;
    }
    Button1 = new TQyvCardsButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(27, 216, 90, 30);
    FontsAndCursors::UseCursor(Button1, FontsAndCursors::CursorKind::Hand);
    Button2 = new TQyvCardsButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(150, 216, 90, 30);
    FontsAndCursors::UseCursor(Button2, FontsAndCursors::CursorKind::Hand);
    for (TQyvCardsButton* b : {Button1, Button2}) {
        b->SetFontColor(platform::clWhite);
        b->setAutoDefault(false);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    FontsAndCursors::RegisterFontRow(Label1, QStringLiteral("serif"), 20);
    FontsAndCursors::RegisterFontRow(Button1, QStringLiteral("times"), 20);
    FontsAndCursors::RegisterFontRow(Button2, QStringLiteral("times"), 20);
    Language::Caption(Label1, Texts::TxtWhatCardsToShift);
    Language::Caption(Button1, Texts::TxtAll);
    Language::Caption(Button2, Texts::TxtCancel);
    setWindowTitle(QStringLiteral("?"));
    FormCreate();
}

TFormQuest::~TFormQuest() = default;

void TFormQuest::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
}

void TFormQuest::FormShow()
{
    using namespace Texts;
    Label1->setText(Shown(Tx(TxtWhatCardsToShift)));
    Button1->setText(Shown(Tx(TxtAll)));
    Button2->setText(Shown(Tx(TxtCancel)));
    setWindowTitle(QStringLiteral("?"));

    platform::fillWithWindowColour(*Image1);
    if (const QImage p = platform::resources::image(QStringLiteral("Quest")); !p.isNull())
        Image1->canvas().draw(0, 0, p);
    Image1->canvas().notifyChanged();
    platform::fillWithWindowColour(*Image0);
    if (const QImage p = platform::resources::image(QStringLiteral("GChoiceCap")); !p.isNull())
        Image0->canvas().draw(27, 0, p);
    Image0->canvas().notifyChanged();
    platform::fillWithWindowColour(*ImageDiv);
    if (QImage d = platform::resources::image(QStringLiteral("GDivider260")); !d.isNull())
        ImageDiv->canvas().stretchDraw(QRect(0, 0, 258, 6), d);
    ImageDiv->canvas().notifyChanged();

    FontsAndCursors::ApplyFontChoice(Label1, FontsAndCursors::RoleFont(QStringLiteral("serif"), 20));
    for (TQyvCardsButton* b : {Button1, Button2})
        FontsAndCursors::ApplyFontChoice(b, FontsAndCursors::RoleFont(QStringLiteral("times"), 20));
    for (int k = 1; k <= 12; ++k) {
        FontsAndCursors::ApplyFontChoice(BitBtn[k], FontsAndCursors::RoleFont(QStringLiteral("serif"), 24));
        BitBtn[k]->setEnabled(false);
    }

    const int pile = GameState::SelectedPile;
    if (pile < 1 || pile > 19)
        return; // no such pile: every rank stays disabled
    const auto& cardsOfPile = GameState::PileCards[pile];
    for (int slot = 1; slot <= 13; ++slot) {
        const int k = FQuest::RankButtonOf(static_cast<unsigned char>(cardsOfPile[slot].rank()));
        if (k > 0)
            BitBtn[k]->setEnabled(true);
    }

    // An empty first slot keeps the colours and glyphs of the previous show.
    int suit = 0;
    switch (cardsOfPile[1].suit()) {
    case cards::SuitHearts: suit = 1; break;
    case cards::SuitDiamonds: suit = 2; break;
    case cards::SuitClubs: suit = 3; break;
    case cards::SuitSpades: suit = 4; break;
    default: break;
    }
    if (suit == 0)
        return;
    const platform::TColor colour = suit <= 2 ? platform::clRed : platform::clBlack;
    const QIcon glyph(QPixmap::fromImage(CardPictures::ExtraBitmaps[suit]));
    for (int k = 1; k <= 12; ++k) {
        QPalette p = BitBtn[k]->palette();
        p.setColor(QPalette::ButtonText, platform::toQColor(colour));
        BitBtn[k]->setPalette(p);
        BitBtn[k]->setIcon(glyph);
    }
}

void TFormQuest::BitBtnClick(int k)
{
    FQuest::QuestAnswer = k;
    accept();
}

void TFormQuest::Button1Click()
{
    FQuest::QuestAnswer = 13;
    accept();
}

void TFormQuest::Button2Click()
{
    FQuest::QuestAnswer = 0;
    reject();
}

void TFormQuest::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        platform::showHelp(GameTables::GameSlotOf(GameState::CurrentGameId) + 1, Texts::LanguageIndex);
        return;
    }
    // Escape would close the window without an answer; only the buttons close it.
    if (e->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(e);
}

TFormQuest& FormQuest()
{
    // Kept for the program's life; a static owner would outlive the application object.
    static TFormQuest* form = new TFormQuest;
    return *form;
}

int AskMoveQuestion()
{
    TFormQuest& form = FormQuest();
    FQuest::QuestAnswer = 0;
    form.FormShow();
    platform::presenter().exec(form);
    return FQuest::QuestAnswer;
}
