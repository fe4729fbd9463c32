#include "app/Qyv_FOptions.h"

#include "app/AddOnDownloads.h"
#include "app/WindowSize.h"
#include "foundation/CardCode.h"
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Language.h"
#include "foundation/MenuDecorations.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/AnimatedPicture.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

// ---------------------------------------------------------------------------------

TRadioGroup::TRadioGroup(int count, QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this))
{
    group_->setExclusive(true);
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(this);
        b->setGeometry(10, 22 + i * 26, 180, 22);
        group_->addButton(b, i);
        items_.push_back(b);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int) {
        if (OnClick)
            OnClick();
    });
}

int TRadioGroup::ItemIndex() const
{
    return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= Count()) {
        // An exclusive group cannot clear its selection directly.
        group_->setExclusive(false);
        for (auto* b : items_)
            b->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    items_[std::size_t(index)]->setChecked(true);
}

// ---------------------------------------------------------------------------------

namespace {

using GameState::CardHeight;
using GameState::CardWidth;

// The language whose flag marks a face deck (the country the deck comes from).
int DeckFlagLanguage(int deck)
{
    if (deck <= 28)
        return 0;
    if (deck <= 31)
        return 2;
    if (deck <= 39)
        return 1;
    if (deck == 40)
        return 3;
    if (deck <= 44)
        return 4;
    if (deck == 45)
        return 5;
    return deck == 46 ? 6 : 7;
}

// Names of the languages, each in itself; the list keeps them in every language.
const char* const kLanguageNames[10] = {"English",  "Русский", "Deutsche", "Français", "Español",
                                        "中文",     "Italiano", "Čeština",  "日本",     "한국인"};

QString& RoleName(int role)
{
    switch (role) {
    case 1: return Settings::FontSerifName;
    case 2: return Settings::FontCouriName;
    case 3: return Settings::FontConewName;
    default: return Settings::FontTimesName;
    }
}

int& RolePercent(int role)
{
    switch (role) {
    case 1: return Settings::FontSerifPercent;
    case 2: return Settings::FontCouriPercent;
    case 3: return Settings::FontConewPercent;
    default: return Settings::FontTimesPercent;
    }
}

void SetIndexQuietly(QComboBox* box, int index)
{
    const QSignalBlocker block(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

platform::TColor ButtonFaceOf(const QWidget* w)
{
    const QColor q = w->palette().color(QPalette::Window);
    return platform::TColor(q.red() | (q.green() << 8) | (q.blue() << 16));
}

void FillButtonFace(platform::PictureControl* image)
{
    platform::Canvas& c = image->canvas();
    c.brush.color = ButtonFaceOf(image);
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(-1, -1, c.width() + 1, c.height() + 1);
}

TQyvCardsButton* CardsButton(QWidget* parent, int x, int y, int w, const QString& caption)
{
    auto* b = new TQyvCardsButton(caption, parent);
    b->SetColorSB(DOrang);
    b->SetColorMouse(platform::clYellow);
    b->SetKontur(true);
    b->SetSmooth(true);
    b->SetHeightSB(D30);
    b->setGeometry(x, y, w, 30);
    return b;
}


QScreen* ScreenOfMainWindow()
{
    if (Form1 && Form1->screen())
        return Form1->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

// ---------------------------------------------------------------------------------

TFormOptions::TFormOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormOptions"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(600, 455);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);

    for (int i = 0; i < Texts::LanguageCount; ++i) {
        QImage flag = platform::resources::image(QStringLiteral("FFlag") + Texts::LanguageCodes[i]);
        if (flag.isNull()) {
            flag = QImage(14, 12, QImage::Format_RGB32);
            flag.fill(Qt::white);
        }
        LanguageFlags.push_back(
            flag.scaled(14, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32));
    }

    createControls();
    registerCaptions();
    registerFonts();
    PageControl1->setCurrentIndex(0);
}

TFormOptions::~TFormOptions()
{
    if (FormOptions == this)
        FormOptions = nullptr;
}

std::vector<TQyvCardsButton*> TFormOptions::DownloadButtons() const
{
    return {ButtonDLLCardsA_1, ButtonDLLCardsB_1, ButtonDLLCardsC_1, ButtonDLLCardsB_2, ButtonDLLBackG_1,
            ButtonDLLCalendar};
}

void TFormOptions::createControls()
{
    Image01 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image00 = platform::newPictureAt(this, 60, 5, 535, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 590, 6);
    ImageLogo = platform::newPictureAt(this, 450, 70, 145, 145);
    RxGIFAn1 = new QLabel(this);
    platform::restMovieWhileHidden(*RxGIFAn1); // a closed window animates nothing
    RxGIFAn1->setGeometry(455, 215, 140, 200);
    RxGIFAn1->setAlignment(Qt::AlignCenter);
    Button1 = CardsButton(this, 455, 420, 140, QStringLiteral("OK"));
    Button1->SetFontColor(platform::clWhite);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(5, 70, 440, 380);
    auto page = [this]() {
        auto* w = new QWidget;
        w->setAutoFillBackground(true);
        return w;
    };
    TabSheet1 = page();
    TabSheet2 = page();
    TabSheet3 = page();
    TabSheet4 = page();
    TabSheet5 = page();
    PageControl1->addTab(TabSheet1, QStringLiteral("General"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Cards"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Decks"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Fonts"));
    PageControl1->addTab(TabSheet5, QStringLiteral("BG"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [](int tab) {
        if (tab != 3)
            AddOnDownloads::UpdateDownloadButtons();
    });

    // General
    ComboBoxLan = new QComboBox(TabSheet1);
    ComboBoxLan->setGeometry(5, 19, 130, 22);
    ComboBoxLan->setIconSize(QSize(14, 12));
    for (int i = 0; i < 10; ++i)
        ComboBoxLan->addItem(QIcon(QPixmap::fromImage(LanguageFlags[std::size_t(i)])),
                             QString::fromUtf8(kLanguageNames[i]));
    connect(ComboBoxLan, &QComboBox::currentIndexChanged, this, [this](int) { ComboBoxLanChange(); });

    ComboBoxSol = new QComboBox(TabSheet1);
    ComboBoxSol->setGeometry(150, 20, 130, 21);
    for (const auto& g : GameTables::Games)
        ComboBoxSol->addItem(QString::fromUtf8(g.name));
    connect(ComboBoxSol, &QComboBox::currentIndexChanged, this, [this](int) { ComboBoxSolChange(); });

    ComboBoxWSize = new QComboBox(TabSheet1);
    ComboBoxWSize->setGeometry(295, 19, 130, 21);
    for (int i = 0; i < 5; ++i)
        ComboBoxWSize->addItem(Texts::Tx(Texts::WindowSizeNames[i]));
    connect(ComboBoxWSize, &QComboBox::currentIndexChanged, this, [this](int) { ComboBoxWSizeChange(); });

    GroupBox1 = new QGroupBox(TabSheet1);
    GroupBox1->setGeometry(5, 50, 200, 120);
    CheckBox1 = new QCheckBox(GroupBox1);
    CheckBox1->setGeometry(15, 20, 180, 22);
    CheckBox3 = new QCheckBox(GroupBox1);
    CheckBox3->setGeometry(15, 55, 180, 22);
    CheckBoxCur = new QCheckBox(GroupBox1);
    CheckBoxCur->setGeometry(15, 90, 180, 22);
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool) { CheckBox1Click(); });
    connect(CheckBox3, &QCheckBox::toggled, this, [this](bool) { CheckBox3Click(); });
    connect(CheckBoxCur, &QCheckBox::toggled, this, [this](bool) { CheckBoxCurClick(); });
    connect(CheckBoxCur, &QCheckBox::clicked, this, [this](bool) { CheckBoxCurMouseUp(); });

    RadioGroup2 = new TRadioGroup(3, TabSheet1);
    // Reaches to just short of the flag: the move modes read long in some languages.
    RadioGroup2->setGeometry(5, 175, 258, 120);
    for (int i = 0; i < 3; ++i)
        RadioGroup2->Item(i)->setGeometry(10, 24 + i * 30, 244, 24);
    RadioGroup2->OnClick = [this] { RadioGroup2Click(); };

    ImageFlag = platform::newPictureAt(TabSheet1, 270, 125, 100, 100);
    ButtonDLLCalendar = CardsButton(TabSheet1, 120, 305, 200, QStringLiteral("QyvCalendar01"));

    // Cards
    ComboBox1 = new QComboBox(TabSheet2);
    ComboBox1->setGeometry(115, 30, 200, 22);
    ComboBox1->setIconSize(QSize(14, 12));
    for (int i = 0; i < 48; ++i)
        ComboBox1->addItem(QIcon(QPixmap::fromImage(LanguageFlags[std::size_t(DeckFlagLanguage(i))])),
                           Texts::Tx(Texts::FaceDeckNames[i]));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int) { ComboBox1Change(); });
    Image1 = platform::newPictureAt(TabSheet2, 85, 90, 260, 96);
    ButtonDLLCardsA_1 = CardsButton(TabSheet2, 85, 215, 260, QStringLiteral("QyvCards06A"));
    ButtonDLLCardsB_1 = CardsButton(TabSheet2, 85, 251, 260, QStringLiteral("QyvCards06B"));
    ButtonDLLCardsC_1 = CardsButton(TabSheet2, 85, 287, 260, QStringLiteral("QyvCards06C"));

    // Decks
    ComboBox2 = new QComboBox(TabSheet3);
    ComboBox2->setGeometry(105, 60, 220, 21);
    for (int i = 0; i < 13; ++i)
        ComboBox2->addItem(Texts::Tx(Texts::BackDeckNames[i]));
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int) { ComboBox2Change(); });
    RadioGroup3 = new TRadioGroup(3, TabSheet3);
    // Wider to the left than the list above it: the longer translations need the room.
    RadioGroup3->setGeometry(81, 105, 160, 105);
    for (int i = 0; i < 3; ++i)
        RadioGroup3->Item(i)->setGeometry(6, 22 + i * 26, 152, 22);
    RadioGroup3->OnClick = [this] { RadioGroup3Click(); };
    ImageDeck = platform::newPictureAt(TabSheet3, 250, 112, 71, 96);
    ButtonDLLCardsB_2 = CardsButton(TabSheet3, 105, 240, 220, QStringLiteral("QyvCards06B"));

    // Fonts
    ComboBoxFont = new QComboBox(TabSheet4);
    ComboBoxFont->setGeometry(115, 75, 200, 21);
    for (int i = 0; i < 3; ++i)
        ComboBoxFont->addItem(Texts::Tx(Texts::FontRoleNames[i]));
    ComboBoxFont->addItem(QStringLiteral("Особый шрифт 2"));
    ComboBoxFont->setCurrentIndex(0);
    connect(ComboBoxFont, &QComboBox::currentIndexChanged, this, [this](int) { ComboBoxFontChange(); });
    FontComboBox1 = new QFontComboBox(TabSheet4);
    FontComboBox1->setGeometry(115, 115, 200, 20);
    connect(FontComboBox1, &QFontComboBox::currentFontChanged, this, [this](const QFont&) { FontComboBox1Change(); });
    Label2 = new QLabel(TabSheet4);
    // Taller and wider than a one-line label of the dialog's own font: the role
    // fonts and some scripts need the room.
    Label2->setGeometry(135, 135, 160, 19);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SpinEdit1 = new QSpinBox(TabSheet4);
    SpinEdit1->setGeometry(190, 154, 51, 22);
    SpinEdit1->setRange(50, 150);
    SpinEdit1->setValue(100);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int) { SpinEdit1Change(); });
    Button2 = new QPushButton(TabSheet4);
    Button2->setGeometry(80, 185, 270, 25);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    Label1 = new QLabel(TabSheet4);
    Label1->setGeometry(80, 215, 270, 110);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setStyleSheet(QStringLiteral("color: red"));

    // BG
    GroupBoxBG = new QGroupBox(TabSheet5);
    GroupBoxBG->setGeometry(95, 70, 250, 150);
    ComboBoxBG1 = new QComboBox(GroupBoxBG);
    ComboBoxBG1->setGeometry(25, 45, 200, 21);
    for (int i = 0; i < 10; ++i)
        ComboBoxBG1->addItem(Texts::Tx(Texts::BackgroundNames[i]));
    connect(ComboBoxBG1, &QComboBox::currentIndexChanged, this, [this](int) { ComboBoxBG1Change(); });
    ComboBoxBG2 = new QComboBox(GroupBoxBG);
    ComboBoxBG2->setGeometry(25, 90, 200, 21);
    for (int i = 0; i < 7; ++i)
        ComboBoxBG2->addItem(Texts::Tx(Texts::BackgroundColorNames[i]));
    connect(ComboBoxBG2, &QComboBox::currentIndexChanged, this, [this](int) { ComboBoxBG2Change(); });
    ButtonDLLBackG_1 = CardsButton(TabSheet5, 95, 250, 250, QStringLiteral("QyvBackG03"));

    for (TQyvCardsButton* b : DownloadButtons())
        b->SetFontColor(platform::clYellow);
    connect(ButtonDLLCardsA_1, &QPushButton::clicked, this, [] { AddOnDownloads::DownloadAddOnLibrary(1); });
    connect(ButtonDLLCardsB_1, &QPushButton::clicked, this, [] { AddOnDownloads::DownloadAddOnLibrary(2); });
    connect(ButtonDLLCardsB_2, &QPushButton::clicked, this, [] { AddOnDownloads::DownloadAddOnLibrary(2); });
    connect(ButtonDLLBackG_1, &QPushButton::clicked, this, [] { AddOnDownloads::DownloadAddOnLibrary(3); });
    connect(ButtonDLLCalendar, &QPushButton::clicked, this, [] { AddOnDownloads::DownloadAddOnLibrary(4); });
    connect(ButtonDLLCardsC_1, &QPushButton::clicked, this, [] { AddOnDownloads::DownloadAddOnLibrary(8); });
}

void TFormOptions::registerCaptions()
{
    using namespace Texts;
    Language::Title(this, Language::From(TxtOptions));
    Language::Register(this, [this] {
        const TText* tabs[] = {&TxtTabGeneral, &TxtTabCards, &TxtDecks, &TxtTabFonts, &TxtTabBG};
        for (int i = 0; i < 5; ++i)
            PageControl1->setTabText(i, Tx(*tabs[i]));
    });
    Language::Register(GroupBox1, [this] { GroupBox1->setTitle(Tx(TxtMultimedia)); });
    Language::Register(RadioGroup2, [this] { RadioGroup2->setTitle(Tx(TxtControl)); });
    for (int i = 0; i < 3; ++i)
        Language::Caption(RadioGroup2->Item(i), MoveModeNames[i]);
    Language::Register(RadioGroup3, [this] { RadioGroup3->setTitle(Tx(TxtDecks)); });
    for (int i = 0; i < 3; ++i)
        Language::Caption(RadioGroup3->Item(i), BackModeNames[i]);
    Language::Caption(CheckBox1, TxtSound);
    Language::Caption(CheckBox3, TxtGifAnimation);
    Language::Caption(CheckBoxCur, TxtYellowCursor);
    Language::Items(ComboBoxWSize, WindowSizeNames);
    Language::Register(ComboBoxWSize, [this] { SetIndexQuietly(ComboBoxWSize, Settings::WindowSize - 1); });
    Language::Items(ComboBoxSol, GameNames);
    Language::Register(ComboBoxSol,
                       [this] { SetIndexQuietly(ComboBoxSol, Options::GameEntryOf(GameState::CurrentGameId)); });
    Language::Items(ComboBox1, FaceDeckNames);
    Language::Register(ComboBox1, [this] { SetIndexQuietly(ComboBox1, Settings::FaceDeckNo); });
    Language::Items(ComboBox2, BackDeckNames);
    Language::Register(ComboBox2, [this] { SetIndexQuietly(ComboBox2, Settings::BackDeckNo); });
    Language::Items(ComboBoxFont, FontRoleNames);
    Language::Caption(Label2, TxtScalePercent);
    Language::Caption(Button2, TxtDefault);
    Language::Caption(Label1, TxtFontsAttention);
    Language::Register(GroupBoxBG, [this] { GroupBoxBG->setTitle(Tx(TxtBackground)); });
    Language::Items(ComboBoxBG1, BackgroundNames);
    Language::Register(ComboBoxBG1, [this] { SetIndexQuietly(ComboBoxBG1, Settings::BackgroundNo - 1); });
    Language::Items(ComboBoxBG2, BackgroundColorNames);
    Language::Register(ComboBoxBG2, [this] { SetIndexQuietly(ComboBoxBG2, Settings::BackgroundColorIndex); });
    const std::vector<std::pair<TQyvCardsButton*, int>> downloads = {
        {ButtonDLLCardsA_1, 1}, {ButtonDLLCardsB_1, 2}, {ButtonDLLCardsC_1, 8},
        {ButtonDLLCardsB_2, 2}, {ButtonDLLBackG_1, 3},  {ButtonDLLCalendar, 4}};
    for (const auto& [button, which] : downloads) {
        const QString file = AddOnDownloads::LibraryFileOf(which);
        Language::Hint(button, [file] { return Tx(TxtDownload) + QLatin1Char(' ') + file; });
    }
    Language::Register(ImageFlag, [this] { DrawLanguageFlag(); });
    Language::Register(Image00, [this] { DrawCaption(); });
    Language::Register(ComboBoxLan, [this] { SetIndexQuietly(ComboBoxLan, Texts::LanguageIndex); });
}

void TFormOptions::registerFonts()
{
    FontsAndCursors::RegisterFontRow(Button1, QStringLiteral("times"), 20, true);
    for (QWidget* w : std::initializer_list<QWidget*>{
             PageControl1, ComboBoxLan, RadioGroup2, GroupBox1, CheckBox1, CheckBox3, ComboBox1, ComboBox2,
             RadioGroup3, ComboBoxFont, FontComboBox1, SpinEdit1, Label1, Label2, Button2, ButtonDLLCardsA_1,
             ButtonDLLCardsB_1, ButtonDLLCardsC_1, ButtonDLLCardsB_2, ButtonDLLBackG_1, ButtonDLLCalendar})
        FontsAndCursors::RegisterFontRow(w, QStringLiteral("serif"), 16);
}

// ---------------------------------------------------------------------------------

void TFormOptions::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFormOptions::FormShow()
{
    if (Form1) {
        const QRect r = Form1->frameGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    FillButtonFace(Image01);
    const QImage icon = platform::resources::image(QStringLiteral("Options"));
    if (!icon.isNull()) {
        Image01->canvas().draw(0, 0, icon);
    } else if (!CardPictures::SuitPngs[4].isNull()) {
        // Without its own picture the corner shows the spade of the current deck.
        CardPictures::DrawImageScaled(4, 4, CardPictures::SuitPngs[4], Image01->canvas(), 40, 40);
    }
    Image01->invalidate();

    DrawCaption();

    QImage div = platform::resources::image(QStringLiteral("GDivider260"));
    FillButtonFace(ImageDiv);
    if (!div.isNull()) {
        DrawHelpers::ResizePngSmooth(div, 590, 6);
        ImageDiv->canvas().draw(0, 0, div);
    } else {
        platform::Canvas& c = ImageDiv->canvas();
        c.brush.color = 0x00A0A0A0;
        c.fillRect(0, 2, 590, 3);
        c.brush.color = platform::clWhite;
        c.fillRect(0, 3, 590, 4);
    }
    ImageDiv->invalidate();

    // Other windows may have changed the settings since the last showing.
    SetIndexQuietly(ComboBoxSol, Options::GameEntryOf(GameState::CurrentGameId));
    SetIndexQuietly(ComboBoxWSize, Settings::WindowSize - 1);
    SetIndexQuietly(ComboBox1, Settings::FaceDeckNo);
    SetIndexQuietly(ComboBox2, Settings::BackDeckNo);
    SetIndexQuietly(ComboBoxBG1, Settings::BackgroundNo - 1);
    SetIndexQuietly(ComboBoxBG2, Settings::BackgroundColorIndex);

    ShowOptionsAnimation();
    CardPictures::EnsureCardPictures();
    DrawFacePreview();
    DrawBackPreview();
    DrawLogo();
    Options::ApplyCursorSet(true);
    AddOnDownloads::UpdateDownloadButtons();
}

void TFormOptions::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFormOptions::ShowOptionsAnimation()
{
    if (!movie_) {
        QByteArray bytes = platform::resources::find(QStringLiteral("GOptions"));
        if (bytes.isEmpty())
            return;
        auto* buffer = new QBuffer(this);
        buffer->setData(bytes);
        movie_ = new QMovie(buffer, QByteArray(), this);
        RxGIFAn1->setMovie(movie_);
    }
    RxGIFAn1->show();
    if (Settings::GifAnimationOn) {
        movie_->start();
    } else {
        movie_->stop();
        // A GIF reads forward only: step to the standing frame one by one (a movie that
        // never ran knows no frame count yet, so a direct jump would show nothing).
        movie_->jumpToFrame(0);
        for (int i = 1; i <= 26 && movie_->currentFrameNumber() == i - 1; ++i)
            movie_->jumpToFrame(i);
    }
}

void TFormOptions::DrawFacePreview()
{
    const int w = CardWidth, h = CardHeight;
    const double s = Scaling::Scale;
    CardWidth = 71;
    CardHeight = 96;
    Scaling::Scale = 1.0;
    platform::Canvas& c = Image1->canvas();
    c.brush.color = ButtonFaceOf(Image1);
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    // Jack of hearts, queen of diamonds, king of clubs, ace of spades.
    const TCardCode codes[4] = {TCardCode('\xC2', '\xF7'), TCardCode('\xC4', '\xE1'), TCardCode('\xCA', '\xEA'),
                                TCardCode('\xD2', '\xEF')};
    for (int i = 0; i < 4; ++i)
        CardDrawing::DrawCardFace(i * 63, 0, codes[i], c);
    Image1->invalidate();
    CardWidth = w;
    CardHeight = h;
    Scaling::Scale = s;
}

void TFormOptions::DrawBackPreview()
{
    const int w = CardWidth, h = CardHeight;
    const double s = Scaling::Scale;
    CardWidth = 71;
    CardHeight = 96;
    Scaling::Scale = 1.0;
    CardDrawing::ChooseCardBack();
    CardDrawing::DrawCardBack(0, 0, ImageDeck->canvas());
    ImageDeck->invalidate();
    CardWidth = w;
    CardHeight = h;
    Scaling::Scale = s;
}

void TFormOptions::DrawLogo()
{
    FillButtonFace(ImageLogo);
    if (GameTables::GameInfoOf(GameState::CurrentGameId))
        GameTables::DrawGameLogo(GameState::CurrentGameId, 0, 0, true, ImageLogo->canvas(),
                                 ImageLogo->canvas().width());
    ImageLogo->invalidate();
}

void TFormOptions::DrawCaption()
{
    FillButtonFace(Image00);
    const QImage cap = platform::resources::image(QStringLiteral("GOptionsCap"));
    if (!cap.isNull()) {
        Image00->canvas().draw(178, 0, cap);
    } else {
        // Without its picture the caption is the window's title in large type.
        platform::Canvas& c = Image00->canvas();
        c.brush.style = platform::BrushStyle::Clear;
        c.font.bold = true;
        c.font.height = 30;
        c.font.color = 0x00206090;
        c.textOut(178, 6, Texts::Tx(Texts::TxtOptions));
    }
    Image00->invalidate();
}

void TFormOptions::DrawLanguageFlag()
{
    platform::Canvas& c = ImageFlag->canvas();
    c.brush.color = platform::clWhite;
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    const QImage flag = platform::resources::image(QStringLiteral("FFlag") + Texts::Tx(Texts::LanguageCodes));
    if (!flag.isNull())
        c.draw(0, 0, flag);
    ImageFlag->invalidate();
}

// --- General ----------------------------------------------------------------------

void TFormOptions::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    accept();
}

void TFormOptions::CheckBox1Click()
{
    Settings::SoundOn = CheckBox1->isChecked();
}

void TFormOptions::CheckBox3Click()
{
    if (!GameState::MenuActive)
        return;
    Settings::GifAnimationOn = CheckBox3->isChecked();
    ShowOptionsAnimation();
    if (!Form1)
        return;
    for (platform::AnimatedPicture* gif : {Form1->RxGIFAnL, Form1->RxGIFAnR}) {
        if (!gif || !gif->isLoaded())
            continue;
        gif->jumpToFrame(0);
        if (Settings::GifAnimationOn)
            gif->start();
        else
            gif->stop();
    }
}

void TFormOptions::CheckBoxCurClick()
{
    Settings::YellowCursor = CheckBoxCur->isChecked();
    Options::ApplyCursorSet(false);
}

void TFormOptions::CheckBoxCurMouseUp()
{
    Options::ApplyCursorSet(true);
}

void TFormOptions::RadioGroup2Click()
{
    const int i = RadioGroup2->ItemIndex();
    if (i >= 0 && i <= 2)
        Settings::MoveMode = i;
}

void TFormOptions::ComboBoxLanChange()
{
    const int i = ComboBoxLan->currentIndex();
    if (i < 0)
        return;
    Language::SetLanguage(i);
    if (GameState::MenuActive)
        MenuDecorations::LayoutCalendarImages();
}

void TFormOptions::ComboBoxSolChange()
{
    const int i = ComboBoxSol->currentIndex();
    if (i < 0 || i >= GameTables::GameCount)
        return;
    const int code = GameTables::Games[std::size_t(i)].code;
    GameState::CurrentGameId = code;
    Settings::ServerGameCode = Settings::ServerGameCodeFor(code);
    GameState::CurrentGroup = GameTables::GameGroupOf(code);
    if (Form1) {
        StartScreen::ShowMainMenu(0, 1);
        QString name;
        GameTables::GameNameOf(name);
        Form1->setWindowTitle(Texts::Tx(Texts::ProductNames) + QStringLiteral(" - ") + name);
    }
    DrawLogo();
}

void TFormOptions::ComboBoxWSizeChange()
{
    const int entry = ComboBoxWSize->currentIndex();
    if (entry >= 0)
        Settings::WindowSize = entry + 1;
    // No entry (the stored size was removed for this screen): the size falls back to
    // the largest that fits, which the list then shows.
    QString hint;
    if (Form1) {
        WindowSize::ApplyWindowSize(*Form1);
        Options::RefreshMenuButtons();
    }
    SetIndexQuietly(ComboBoxWSize, Settings::WindowSize - 1);
    switch (Settings::WindowSize) {
    case 1: hint = QStringLiteral("760 x 500"); break;
    case 3: hint = QStringLiteral("990 x 650"); break;
    case 4: hint = QStringLiteral("1290 x 850"); break;
    case 5: hint = QStringLiteral("1520 x 1000"); break;
    default: break;
    }
    setToolTip(hint);
    ComboBoxWSize->setToolTip(hint);
    ComboBoxSol->setToolTip(hint);
    SetIndexQuietly(ComboBox1, Settings::FaceDeckNo);
    SetIndexQuietly(ComboBox2, Settings::BackDeckNo);
    DrawFacePreview();
}

// --- Cards and decks ----------------------------------------------------------------

void TFormOptions::ComboBox1Change()
{
    const int i = ComboBox1->currentIndex();
    if (i < 0)
        return;
    Settings::FaceDeckNo = i;
    if (!CardPictures::LoadCardFaces()) {
        Settings::FaceDeckNo = 0;
        SetIndexQuietly(ComboBox1, 0);
    }
    DrawFacePreview();
}

void TFormOptions::ComboBox2Change()
{
    const int i = ComboBox2->currentIndex();
    if (i < 0)
        return;
    Settings::BackDeckNo = i;
    const bool tenBacks = i >= 8 && i <= 11;
    if (tenBacks) {
        RadioGroup3->SetItemIndex(2);
    } else if (RadioGroup3->ItemIndex() == 2) {
        RadioGroup3->SetItemIndex(0);
    }
    RadioGroup3->Item(0)->setEnabled(!tenBacks);
    RadioGroup3->Item(1)->setEnabled(!tenBacks);
    RadioGroup3->Item(2)->setEnabled(tenBacks);
    if (!CardPictures::LoadCardBacks()) {
        Settings::BackDeckNo = 0;
        SetIndexQuietly(ComboBox2, 0);
    }
    DrawBackPreview();
}

void TFormOptions::RadioGroup3Click()
{
    const int i = RadioGroup3->ItemIndex();
    if (i < 0)
        return;
    Settings::BackModeFlag = i != 1;
    DrawBackPreview();
}

// --- Fonts ----------------------------------------------------------------------------

void TFormOptions::ComboBoxFontChange()
{
    const int role = std::max(0, ComboBoxFont->currentIndex());
    {
        const QSignalBlocker block(FontComboBox1);
        FontComboBox1->setCurrentFont(QFont(RoleName(role)));
        // A family this system lacks still shows its stored name.
        FontComboBox1->setEditText(RoleName(role));
    }
    const QSignalBlocker block(SpinEdit1);
    SpinEdit1->setValue(RolePercent(role));
}

void TFormOptions::FontComboBox1Change()
{
    const int role = std::max(0, ComboBoxFont->currentIndex());
    const QString name = FontComboBox1->currentFont().family();
    if (name.isEmpty())
        return;
    RoleName(role) = name;
    FontsAndCursors::ApplyFormFonts();
}

void TFormOptions::SpinEdit1Change()
{
    const int v = SpinEdit1->value();
    if (v < 50 || v > 150)
        return;
    RolePercent(std::max(0, ComboBoxFont->currentIndex())) = v;
    FontsAndCursors::ApplyFormFonts();
}

void TFormOptions::Button2Click()
{
    Settings::FontTimesName = QStringLiteral("Comic Sans MS");
    Settings::FontSerifName = QStringLiteral("Comic Sans MS");
    Settings::FontCouriName = QStringLiteral("Fixedsys");
    Settings::FontConewName = QStringLiteral("Courier New");
    Settings::FontTimesPercent = Settings::FontSerifPercent = Settings::FontCouriPercent =
        Settings::FontConewPercent = 100;
    FontsAndCursors::ApplyFormFonts();
    ComboBoxFontChange();
}

// --- Backgrounds ------------------------------------------------------------------------

void TFormOptions::afterBackgroundChange()
{
    if (!CardPictures::LoadTableBackground()) {
        Settings::BackgroundNo = 2;
        Settings::BackgroundColorIndex = 0;
        SetIndexQuietly(ComboBoxBG1, 1);
        SetIndexQuietly(ComboBoxBG2, 0);
    }
}

void TFormOptions::ComboBoxBG1Change()
{
    const int i = ComboBoxBG1->currentIndex();
    if (i < 0)
        return;
    Settings::BackgroundNo = i + 1;
    afterBackgroundChange();
    ComboBoxBG2->setEnabled(true);
    if (!Form1)
        return;
    if (!CardPictures::TableBackground.isNull())
        Form1->FormCanvas().draw(0, 0, CardPictures::TableBackground);
    Form1->FormArea()->invalidate();
    Options::RefreshMenuButtons();
    if (GameState::MenuActive) {
        StartScreen::DrawGameCaption(0, StartScreen::GameCaptionSize);
        MenuDecorations::LayoutCalendarImages();
        MenuDecorations::PlaceIconBar();
        MenuDecorations::PlaceCandles();
    }
}

void TFormOptions::ComboBoxBG2Change()
{
    const int i = ComboBoxBG2->currentIndex();
    if (i < 0)
        return;
    Settings::BackgroundColorIndex = i;
    afterBackgroundChange();
    CardPictures::SetTableColor();
    if (!Form1)
        return;
    if (!CardPictures::TableBackground.isNull())
        Form1->FormCanvas().draw(0, 0, CardPictures::TableBackground);
    Form1->FormArea()->invalidate();
    Options::RefreshMenuButtons();
    if (GameState::MenuActive) {
        StartScreen::DrawGameCaption(0, StartScreen::GameCaptionSize);
        MenuDecorations::LayoutCalendarImages();
        MenuDecorations::PlaceIconBar();
        MenuDecorations::PlaceCandles();
    }
}

// ---------------------------------------------------------------------------------

namespace Options {

QCursor ArrowCursors(int set)
{
    return FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::Arrow, set).FrameAt(0);
}

QCursor HandCursors(int set)
{
    return FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::Hand, set).FrameAt(0);
}

QCursor WaitCursors(int /*set*/)
{
    // The yellow set has no wait cursor of its own.
    return QCursor(Qt::WaitCursor);
}

QCursor IBeamCursors(int set)
{
    return FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::IBeam, set).FrameAt(0);
}

int GameEntryOf(int gameCode)
{
    for (std::size_t i = 0; i < GameTables::Games.size(); ++i)
        if (GameTables::Games[i].code == gameCode)
            return int(i);
    return -1;
}

void FillOptionControls(int screenWidth, int screenHeight)
{
    TFormOptions* f = FormOptions;
    if (!f)
        return;
    // Code-set check boxes run their handlers, which copy the state back.
    f->CheckBox1->setChecked(Settings::SoundOn);
    f->CheckBox3->setChecked(Settings::GifAnimationOn);
    f->CheckBoxCur->setChecked(Settings::YellowCursor);
    SetIndexQuietly(f->ComboBoxLan, Texts::LanguageIndex);
    f->RadioGroup2->SetItemIndex(Settings::MoveMode);
    SetIndexQuietly(f->ComboBox1, Settings::FaceDeckNo);
    SetIndexQuietly(f->ComboBox2, Settings::BackDeckNo);
    SetIndexQuietly(f->ComboBoxFont, 0);

    const int entry = GameEntryOf(GameState::CurrentGameId);
    if (entry >= 0)
        SetIndexQuietly(f->ComboBoxSol, entry);

    f->RadioGroup3->SetItemIndex(Settings::BackModeFlag ? 0 : 1);
    const bool tenBacks = Settings::BackDeckNo >= 8 && Settings::BackDeckNo <= 11;
    if (tenBacks)
        f->RadioGroup3->SetItemIndex(2);
    f->RadioGroup3->Item(0)->setEnabled(!tenBacks);
    f->RadioGroup3->Item(1)->setEnabled(!tenBacks);
    f->RadioGroup3->Item(2)->setEnabled(tenBacks);

    SetIndexQuietly(f->ComboBoxBG1, Settings::BackgroundNo - 1);
    SetIndexQuietly(f->ComboBoxBG2, Settings::BackgroundColorIndex);
    f->ComboBoxBG2->setEnabled(Settings::BackgroundNo != 0);

    WindowSize3Hidden = screenWidth < 990 || screenHeight < 670;
    WindowSize4Hidden = screenWidth < 1290 || screenHeight < 870;
    WindowSize5Hidden = screenWidth < 1520 || screenHeight < 1020;
    {
        const QSignalBlocker block(f->ComboBoxWSize);
        const int keep = f->ComboBoxWSize->currentIndex();
        f->ComboBoxWSize->clear();
        const int count = WindowSize3Hidden ? 2 : WindowSize4Hidden ? 3 : WindowSize5Hidden ? 4 : 5;
        for (int i = 0; i < count; ++i)
            f->ComboBoxWSize->addItem(Texts::Tx(Texts::WindowSizeNames[i]));
        f->ComboBoxWSize->setCurrentIndex(keep < count ? keep : -1);
    }

    f->ComboBoxFontChange();
    f->DrawLogo();
}

void FillOptionControls()
{
    const QScreen* s = ScreenOfMainWindow();
    const QSize size = s ? s->size() : QSize(1920, 1080);
    FillOptionControls(size.width(), size.height());
}

void ApplyCursorSet(bool dialogToo)
{
    const int set = Settings::YellowCursor ? 1 : 0;
    using FontsAndCursors::CursorKind;
    // The program's own cursors are animated; SetCursorOf keeps them running.
    const auto arrow = [set](QWidget* w) { FontsAndCursors::SetCursorOf(w, CursorKind::Arrow, set); };
    const auto hand = [set](QWidget* w) { FontsAndCursors::SetCursorOf(w, CursorKind::Hand, set); };
    if (dialogToo && FormOptions) {
        TFormOptions* f = FormOptions;
        for (QWidget* w : std::initializer_list<QWidget*>{f, f->TabSheet1, f->TabSheet2, f->TabSheet3, f->TabSheet4,
                                                          f->TabSheet5, f->GroupBox1, f->RadioGroup2,
                                                          f->RadioGroup3, f->GroupBoxBG})
            arrow(w);
        std::vector<QWidget*> hands = {f->PageControl1, f->Button1,     f->ComboBoxLan,   f->ComboBoxSol,
                                       f->CheckBox1,    f->CheckBox3,   f->CheckBoxCur,   f->ComboBox1,
                                       f->ComboBox2,    f->ComboBoxFont, f->FontComboBox1, f->Button2,
                                       f->ComboBoxBG1,  f->ComboBoxBG2};
        for (int i = 0; i < 3; ++i) {
            hands.push_back(f->RadioGroup2->Item(i));
            hands.push_back(f->RadioGroup3->Item(i));
        }
        for (TQyvCardsButton* b : f->DownloadButtons())
            hands.push_back(b);
        for (QWidget* w : hands)
            hand(w);
        FontsAndCursors::SetCursorOf(f->SpinEdit1, CursorKind::IBeam, set);
        f->ComboBoxWSize->unsetCursor();
    }
    if (Form1) {
        arrow(Form1);
        if (Form1->FormArea())
            arrow(Form1->FormArea());
        for (QWidget* b : std::initializer_list<QWidget*>{Form1->Button1, Form1->Button2, Form1->Button3,
                                                          Form1->Button4, Form1->Button5, Form1->Button6,
                                                          Form1->Button7, Form1->Button8, Form1->Button9,
                                                          Form1->Button10, Form1->Button11})
            if (b)
                hand(b);
    }
    FontsAndCursors::ApplyRegisteredCursors();
}

void RefreshMenuButtons()
{
    if (!Form1)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{Form1->Button1, Form1->Button2, Form1->Button3,
                                                      Form1->Button4, Form1->Button5, Form1->Button6,
                                                      Form1->Button9, Form1->Button10, Form1->Button11,
                                                      Form1->Panel1, Form1->Panel2, Form1->Panel3, Form1->Panel4})
        if (w)
            w->update();
}

void CreateOptionsDialog()
{
    if (FormOptions)
        return;
    FormOptions = new TFormOptions(Form1);
    {
        // The boxes only take the settings' own state here: their handlers would restart
        // the menu's animations and re-apply the cursors for nothing.
        const QSignalBlocker sound(FormOptions->CheckBox1), gifs(FormOptions->CheckBox3),
            cursors(FormOptions->CheckBoxCur);
        FillOptionControls();
    }
    Language::ApplyLanguage();
}

void ShowOptionsDialog()
{
    CreateOptionsDialog();
    platform::presenter().exec(*FormOptions);
}

} // namespace Options
