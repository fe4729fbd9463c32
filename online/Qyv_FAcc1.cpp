#include "online/Qyv_FAcc1.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/MessageBox.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "foundation/TextsOnline.h"
#include "online/Countries.h"
#include "online/Qyv_FAcc2.h"
#include "online/Qyv_UAccC.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1251.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QSpinBox>
#include <QTabWidget>
#include <cmath>

using namespace Online;
using platform::TColor;

namespace FAcc1 {

namespace {

constexpr TColor Yellow = 0xFFFF;
constexpr TColor Red = 0xFF;
constexpr TColor Maroon = 0x80;
constexpr TColor BandRed = 0x6464FF;
constexpr TColor BandYellow = 0x64FFFF;
constexpr TColor BandGreen = 0x64FF64;
constexpr TColor White = 0xFFFFFF;

} // namespace

int CheckAccountField(const QString& Text, int Kind)
{
    const int n = int(Text.size());
    if (n == 0)
        return 1;
    const int maxima[5] = {0, 12, 15, 12, 30};
    if (Kind >= 1 && Kind <= 4) {
        if (n == 1 || n > maxima[Kind] || (Kind == 3 && n < 4))
            return 1;
    }
    int verdict = 3;
    for (const QChar c : Text) {
        const PassportChar cls = PassportCharClass(c);
        if (cls == PassportChar::Other)
            return 1;
        if (cls == PassportChar::Cyrillic)
            verdict = 2;
    }
    if (verdict == 2 && (Kind == 1 || Kind == 3 || Kind == 4))
        return 1;
    if (Kind == 4 && verdict == 3) {
        const int at = int(Text.indexOf(QLatin1Char('@')));
        if (at < 1 || at == n - 1)
            return 1;
    }
    return verdict;
}

void FormatRatingText(QString& S, double X)
{
    double scaled = X * 1000.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9e15)
        scaled = 0;
    const double n = std::nearbyint(scaled);   // the default rounding: halves to even
    S = QString::number(n / 1000.0, 'g', QLocale::FloatingPointShortest);
    S.replace(QLatin1Char('.'), QLatin1Char(','));
    const int p = int(S.lastIndexOf(QLatin1Char(',')));
    if (p < 0)
        S += QStringLiteral(",000");
    else if (S.size() - 1 - p == 2)
        S += QLatin1Char('0');
    else if (S.size() - 1 - p == 1)
        S += QStringLiteral("00");
}

void DrawGradient(TColor ColourTop, TColor ColourBottom, int Left, platform::Canvas& Canvas, int Bottom, int Right,
                  int Top)
{
    const int n = Bottom - Top - 1;
    const int tr = platform::redOf(ColourTop), tg = platform::greenOf(ColourTop), tb = platform::blueOf(ColourTop);
    const int br = platform::redOf(ColourBottom), bg = platform::greenOf(ColourBottom),
              bb = platform::blueOf(ColourBottom);
    QPainter p(&Canvas.image());
    for (int i = 0; i <= n; ++i) {
        auto mix = [&](int a, int b) { return n > 0 ? int(std::lround(a - double(a - b) / n * i)) : a; };
        p.setPen(QColor(mix(tr, br), mix(tg, bg), mix(tb, bb)));
        p.drawLine(Left, Top + i, Right - 1, Top + i);
    }
    p.end();
    Canvas.notifyChanged();
}

void BalanceFont(int Balance, int& Height, int& Shift)
{
    const int limits[6] = {9, 99, 999, 9999, 99999, 999999};
    int k = 0;
    while (k < 6 && Balance > limits[k])
        ++k;
    Height = 48 - 4 * k;
    Shift = 2 * k;
}

QString RegistrationDate()
{
    QString d = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    d.replace(QLatin1Char(' '), QLatin1Char('_'));
    d.replace(QChar(0x00A0), QLatin1Char('_'));
    d.replace(QChar(0x202F), QLatin1Char('_'));
    return d;
}

} // namespace FAcc1

using namespace FAcc1;

namespace {

QString address()
{
    return Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount);
}

void clickSound()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
}

void sound(const char* name)
{
    DrawHelpers::PlayWavResource(QLatin1String(name), false, Settings::SoundOn);
}

void useFont(platform::Canvas& c, int height)
{
    c.font.name = QStringLiteral("Comic Sans MS");
    c.font.bold = true;
    c.font.height = height;
    c.brush.style = platform::BrushStyle::Clear;
}

void shadow(platform::Canvas& c, const QString& text, int x1, int x2, int y, TColor colour, char mode)
{
    DrawHelpers::TextOutShadow(text, x1, x2, y, c, colour, mode);
}

void drawPng(platform::Canvas& c, const QString& name, int x, int y)
{
    const QImage png = platform::resources::image(name);
    if (!png.isNull())
        c.draw(x, y, png);
}

void band(platform::Canvas& c, TColor colour, int x1, int y1, int x2, int y2)
{
    DrawGradient(colour, White, x1, c, y2, x2, y1);
}

void tabBackground(platform::PictureControl& image)
{
    platform::Canvas& c = image.canvas();
    DrawGradient(0xFF6464, 0xFFFF64, 0, c, c.height(), c.width(), 0);
}

// "Windows" and "Android" in their red rounded frames.
void platformPictures(platform::Canvas& c)
{
    drawPng(c, QStringLiteral("Windows"), 30, 400);
    drawPng(c, QStringLiteral("Android"), 622, 400);
    c.pen.color = Red;
    c.pen.width = 2;
    c.brush.style = platform::BrushStyle::Clear;
    c.roundRect(28, 398, 80, 450, 7, 7);
    c.roundRect(620, 398, 672, 450, 7, 7);
    c.pen.width = 1;
}

void outlineCells(platform::Canvas& c, std::initializer_list<int> xs, int y1, int y2)
{
    c.pen.color = Maroon;
    c.pen.width = 1;
    c.brush.style = platform::BrushStyle::Clear;
    const int* b = xs.begin();
    for (size_t i = 0; i + 1 < xs.size(); ++i)
        c.rectangle(b[i], y1, b[i + 1] + 1, y2 + 1);
}

// The photo or the picture for the sex, under the frame.
void photo(platform::Canvas& c, bool loaded, const QImage& picture, QChar sex, int px, int py, int fx, int fy)
{
    if (loaded && !picture.isNull())
        c.draw(px, py, picture);
    else
        drawPng(c, sex == QLatin1Char('M') ? QStringLiteral("GAcNoM") : QStringLiteral("GAcNoF"), px, py);
    drawPng(c, QStringLiteral("GAcFrame"), fx, fy);
}

const char* const FieldIcons[14] = {"GAcName1", "GAcName2", "GAcAbout", "GAcTelephone", "GAcEMail",
                                    "GAcWebSite", "GAcSkype", "GAcOK", "GAcVK", "GAcTelegram",
                                    "GAcFaceBook", "GAcTwitter", "GAcInstagramm", "GAcYouTube"};

QString infoField(const TInfo14& i, int row)
{
    const QString* f[14] = {&i.Name1, &i.Name2, &i.About, &i.Telephone, &i.EMailO, &i.WebSite, &i.Skype,
                            &i.OK, &i.VK, &i.Telegram, &i.FaceBook, &i.Twitter, &i.Instagramm, &i.YouTube};
    return (row >= 1 && row <= 14) ? *f[row - 1] : QString();
}

void fieldIcon(platform::Canvas& c, int row, int x, int y)
{
    QImage icon = platform::resources::image(QLatin1String(FieldIcons[row - 1]));
    if (icon.isNull())
        return;
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    DrawHelpers::ResizePngSmooth(icon, 27, 27);
    c.draw(x, y, icon);
}

void readChairman()
{
    bool ok = false;
    ServerReadInfo(address(), AccountTopTen[1].Nick, ok, AccountInfo);
    LeaderPhotoLoaded = DownloadAvatar(AccountTopTen[1].Nick, 2);
}

void readGameAndPlace(bool second)
{
    bool ok = false;
    if (second)
        ServerReadGame2(address(), AccountUser.Nick, AccountUser.Pw, Settings::ServerGameCode, ok, AccountGame);
    else
        ServerReadGame(address(), AccountUser.Nick, AccountUser.Pw, Settings::ServerGameCode, ok, AccountGame);
    AccountGameLoaded = ok;
    const int place = ServerPlaceForRating(address(), Settings::ServerGameCode, AccountGame.Rating, ok);
    AccountGame.Place = place;
    AccountGameLoaded = ok;
}

void readPlayerCount()
{
    bool ok = false;
    AccountPlayerCount = ServerPlayerCount(address(), ok);
    AccountPlayerCountRead = ok;
}

QString gameName()
{
    QString name;
    GameTables::GameNameOf(name);
    return name;
}

} // namespace

TQyvCardsButton* FAcc1::OrangeButton(QWidget* parent, int x, int y, int w, int h)
{
    auto* b = new TQyvCardsButton(parent);
    b->SetColorSB(DOrang);
    b->SetColorMouse(platform::clYellow);
    b->SetLightFont(true);
    b->SetGrayDis(true);
    b->SetHeightSB(h <= 30 ? D30 : D45);
    b->SetKLightSB(0);
    b->SetKontur(true);
    b->SetSmooth(true);
    b->SetOvila(false);
    b->SetFontColor(platform::clWhite);
    b->setGeometry(x, y, w, h);
    return b;
}

TQyvCardsButton* TFAcc1::cardButton(QWidget* parent, int x, int y, int w, int h, bool small)
{
    auto* b = OrangeButton(parent, x, y, w, h);
    if (small) {
        const QImage glyph = platform::resources::image(QStringLiteral("GRefresh24"));
        if (!glyph.isNull())
            b->SetGlyph(glyph);
    }
    return b;
}

TFAcc1::TFAcc1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAcc1"));
    WindowParts::SetupDialogFrame(*this, 720, 605);
    WindowParts::SetHelpContext(*this, 1);

    // The creation requests, in their order.
    AccountWindowFresh = true;
    bool ok = false;
    ServerTopTen(address(), Settings::ServerGameCode, ok, AccountTopTen);
    AccountTopTenRead = ok;
    if (OnlineState >= 2)
        readGameAndPlace(false);
    readPlayerCount();
    if (OnlineState >= 2) {
        AccountPhotoLoaded = DownloadAvatar(AccountUser.Nick, 1);
        ServerReadInfo(address(), AccountUser.Nick, ok, AccountUser.Info);
    }
    readChairman();

    DrawHelpers::LoadJpegResource(nullptr, QStringLiteral("BGAccount"), AccountBackground);

    ImageIco = platform::newPictureAt(this, 5, 5, 48, 48);
    ImageCap = platform::newPictureAt(this, 60, 5, 655, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 710, 6);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(5, 70, 710, 480);
    QWidget* tabs[7] = {};
    for (int t = 1; t <= 6; ++t) {
        tabs[t] = new QWidget;
        tabs[t]->setObjectName(QStringLiteral("TabSheet%1").arg(t));
        PageControl1->addTab(tabs[t], QString());
        ImageN[t] = platform::newPictureAt(tabs[t], 0, 0, 702, 452);
        ImageN[t]->setObjectName(QStringLiteral("ImageN%1").arg(t));
        ImageN[t]->canvas().setSize(702, 452);
        useFont(ImageN[t]->canvas(), 20);
    }
    ButtonOk = cardButton(this, 5, 555, 710, 45, false);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setText(QStringLiteral("Ok"));
    connect(ButtonOk, &QPushButton::clicked, this, [this] {
        clickSound();
        accept();
    });

    // First tab.
    QWidget* t1 = tabs[1];
    auto edit = [this, t1](const char* name, int x, int y, int max) {
        auto* e = new QLineEdit(t1);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(x, y, 170, 28);
        if (max > 0)
            e->setMaxLength(max);
        e->installEventFilter(this);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        return e;
    };
    Edit1 = edit("Edit1", 10, 89, 12);
    Edit2 = edit("Edit2", 10, 163, 12);
    Edit3 = edit("Edit3", 10, 313, 0);
    Edit4 = edit("Edit4", 240, 89, 15);
    Edit5 = edit("Edit5", 240, 163, 30);
    Edit6 = edit("Edit6", 240, 313, 0);
    CheckBox1 = new QCheckBox(t1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(10, 198, 220, 24);
    CheckBox2 = new QCheckBox(t1);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(255, 378, 440, 24);
    auto combo = [t1](const char* name, int x, int y) {
        auto* c = new QComboBox(t1);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(x, y, 170, 28);
        return c;
    };
    ComboBox1 = combo("ComboBox1", 10, 250);
    ComboBox2 = combo("ComboBox2", 10, 283);
    ComboBox2->setGeometry(10, 283, 215, 28);
    ComboBox3 = combo("ComboBox3", 240, 250);
    RxGIFAn1 = new WindowParts::GifAnimator(t1);
    RxGIFAn1->setGeometry(194, 365, 48, 48);
    Button1 = cardButton(t1, 455, 80, 240, 45, false);
    Button2 = cardButton(t1, 455, 155, 240, 45, false);
    Button3 = cardButton(t1, 455, 240, 240, 45, false);
    Button4 = cardButton(t1, 455, 305, 240, 45, false);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4->setObjectName(QStringLiteral("Button4"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    QLineEdit* fields[4] = {Edit1, Edit2, Edit4, Edit5};
    for (int f = 0; f < 4; ++f)
        connect(fields[f], &QLineEdit::textEdited, this, [this, f] { EditChange(f); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    connect(ComboBox1, QOverload<int>::of(&QComboBox::activated), this, [this] { ComboBox1Change(); });
    connect(ComboBox2, QOverload<int>::of(&QComboBox::activated), this, [this] { ComboBox2Change(); });
    connect(ComboBox3, QOverload<int>::of(&QComboBox::activated), this, [this] { ComboBox3Change(); });
    ImageN[1]->onMouseMove = [](platform::ShiftState, int, int) { AccountWindowFresh = false; };
    ImageN[1]->setMouseTracking(true);

    // Results, top ten, own profile.
    ButtonRef2 = cardButton(tabs[2], 325, 400, 54, 45, true);
    ButtonRef3 = cardButton(tabs[3], 325, 400, 54, 45, true);
    ButtonAva1 = cardButton(tabs[5], 10, 364, 240, 45, false);
    ButtonRef2->setObjectName(QStringLiteral("ButtonRef2"));
    ButtonRef3->setObjectName(QStringLiteral("ButtonRef3"));
    ButtonAva1->setObjectName(QStringLiteral("ButtonAva1"));
    connect(ButtonRef2, &QPushButton::clicked, this, [this] { ButtonRef2Click(); });
    connect(ButtonRef3, &QPushButton::clicked, this, [this] { ButtonRef3Click(); });
    connect(ButtonAva1, &QPushButton::clicked, this, [this] { ButtonAva1Click(); });
    ImageN[6]->setMouseTracking(true);
    ImageN[6]->onMouseMove = [this](platform::ShiftState, int x, int y) { ImageN6MouseMove(x, y); };
    ImageN[6]->onMouseUp = [this](platform::MouseButton, platform::ShiftState, int x, int y) {
        ImageN6MouseUp(x, y);
    };

    // Currency.
    QWidget* t4 = tabs[4];
    RxGIFAnD = new WindowParts::GifAnimator(t4);
    RxGIFAnD->setGeometry(70, 140, 100, 80);
    ButtonRef4 = cardButton(t4, 200, 40, 54, 45, true);
    ButtonQyvsAddMe = cardButton(t4, 230, 135, 240, 45, false);
    SpinQyvsAddUs = new QSpinBox(t4);
    SpinQyvsAddUs->setGeometry(500, 95, 180, 35);
    SpinQyvsAddUs->setMinimum(0);
    SpinQyvsAddUs->setStyleSheet(QStringLiteral("background-color: #FAAFBE;"));
    EditQyvsAddUs = new QLineEdit(t4);
    EditQyvsAddUs->setGeometry(500, 140, 180, 33);
    EditQyvsAddUs->setStyleSheet(QStringLiteral("background-color: #FAF8CC;"));
    ButtonQyvsAddUs = cardButton(t4, 500, 187, 180, 30, false);
    ButtonRef4->setObjectName(QStringLiteral("ButtonRef4"));
    ButtonQyvsAddMe->setObjectName(QStringLiteral("ButtonQyvsAddMe"));
    ButtonQyvsAddUs->setObjectName(QStringLiteral("ButtonQyvsAddUs"));
    SpinQyvsAddUs->setObjectName(QStringLiteral("SpinQyvsAddUs"));
    EditQyvsAddUs->setObjectName(QStringLiteral("EditQyvsAddUs"));
    connect(ButtonRef4, &QPushButton::clicked, this, [this] { ButtonRef4Click(); });
    connect(ButtonQyvsAddMe, &QPushButton::clicked, this, [this] { ButtonQyvsAddMeClick(); });
    connect(ButtonQyvsAddUs, &QPushButton::clicked, this, [this] { ButtonQyvsAddUsClick(); });
    connect(SpinQyvsAddUs, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int v) {
        if (painting_)
            return;
        TransferAmount = v;
        PaintQyvsTab();
    });
    connect(EditQyvsAddUs, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (painting_)
            return;
        TransferNick = t;
        PaintQyvsTab();
    });

    CheckBox1->setChecked(true);
    CheckBox1Click();
    Button3->setEnabled(!UserFilePresent && OnlineState >= 2);
    Button4->setEnabled(UserFilePresent);
    for (auto& f : FlagBitmaps)
        f = QImage(14, 12, QImage::Format_RGB32);
    if (OnlineState == 1) {
        AccountUser.City.clear();
        AccountUser.EMail.clear();
        AccountUser.Country2 = QStringLiteral("1-001");
        AccountUser.Country1 = QStringLiteral("Russia");
        AccountUser.Sex = QLatin1Char('M');
        AccountUser.DateR = QStringLiteral("00.00.0000");
    }

    QFont f = font();
    f.setFamily(platform::resolvedFamily(QStringLiteral("Comic Sans MS")));
    f.setBold(true);
    f.setPixelSize(20);
    const QString inputStyle = QStringLiteral("background-color: #FFFFC8; color: #FF0000;");
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, ComboBox1,
                                                      ComboBox2, ComboBox3, CheckBox1, CheckBox2}) {
        w->setFont(f);
        if (w != CheckBox1 && w != CheckBox2)
            w->setStyleSheet(inputStyle);
    }
    CheckBox1->setStyleSheet(QStringLiteral("color: #FFFF00;"));
    CheckBox2->setStyleSheet(QStringLiteral("color: #FFFF00;"));
    f.setPixelSize(18);
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonOk, Button1, Button2, Button3, Button4, ButtonAva1,
                                                      ButtonQyvsAddMe, ButtonQyvsAddUs, SpinQyvsAddUs,
                                                      EditQyvsAddUs})
        w->setFont(f);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int i) { ShowTab(i + 1); });
}

void TFAcc1::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    if (!AccountBackground.isNull()) {
        QPainter p(this);
        p.drawImage(0, 0, AccountBackground);
    }
}

bool TFAcc1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool nickOrCity = watched == Edit1 || watched == Edit4;
    const bool strict = watched == Edit2 || watched == Edit5;
    if (!nickOrCity && !strict)
        return QDialog::eventFilter(watched, event);
    if (key->key() == Qt::Key_Backspace)
        return false;
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut))
        return true;
    const QString text = key->text();
    if (text.isEmpty())
        return false;   // moving the cursor, no character
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F)
        return true;
    const int verdict = CheckAccountField(text, 0);
    return verdict == 1 || (strict && verdict == 2);
}

void TFAcc1::DrawAccountWindowIcon(int State)
{
    platform::Canvas& c = ImageIco->canvas();
    c.setSize(48, 48);
    if (!AccountBackground.isNull())
        c.draw(-5, -5, AccountBackground);
    drawPng(c, QStringLiteral("Account48"), 0, 0);
    drawPng(c, State == 3 ? QStringLiteral("LampG24") : State == 2 ? QStringLiteral("LampY24") : QStringLiteral("LampR24"),
            24, 0);
    ImageIco->invalidate();
}

void TFAcc1::FormShow()
{
    DrawAccountWindowIcon(OnlineState);
    platform::Canvas& cap = ImageCap->canvas();
    cap.setSize(655, 48);
    if (!AccountBackground.isNull())
        cap.draw(-60, -5, AccountBackground);
    drawPng(cap, QStringLiteral("GClubOfCap"), 68, 0);
    ImageCap->invalidate();
    WindowParts::DrawDivider(*ImageDiv);
    FillCountryList();
    ComboBox2Change();
    setWindowTitle(Texts::Tx(Texts::TxtOnlineClubHeading) + QStringLiteral(" - ") + gameName());
    const QString captions[6] = {Texts::Tx(Texts::TxtMyAccount), Texts::Tx(Texts::TxtMyResults),
                                 QStringLiteral("Top 10"), QStringLiteral("Qyvs"),
                                 Texts::Tx(Texts::TxtAboutMe), Texts::Tx(Texts::TxtTheChairman)};
    for (int t = 0; t < 6; ++t)
        PageControl1->setTabText(t, captions[t]);
    PageControl1->setCurrentIndex(0);
    ShowTab(1);
}

void TFAcc1::ShowTab(int index)
{
    switch (index) {
    case 1: PaintAccountTab(); break;
    case 2: PaintResultsTab(); break;
    case 3: PaintTopTenTab(); break;
    case 4:
        RxGIFAnD->Load(QStringLiteral("GQyvsGIF"));
        RxGIFAnD->Start();
        PaintQyvsTab();
        break;
    case 5: PaintAboutMeTab(); break;
    case 6: PaintChairmanTab(); break;
    default: break;
    }
}

// ---- First tab ----

void TFAcc1::setStar()
{
    const char* stars[4] = {"StarR0", "StarR0", "StarY0", "StarG0"};
    RxGIFAn1->Load(QLatin1String(stars[std::clamp(OnlineState, 1, 3)]));
    RxGIFAn1->Start();
}

void TFAcc1::DrawFieldLamp(int X, int Y, int Verdict)
{
    platform::Canvas& c = ImageN[1]->canvas();
    drawPng(c, Verdict == 3 ? QStringLiteral("LampG24") : Verdict == 2 ? QStringLiteral("LampY24") : QStringLiteral("LampR24"),
            X, Y);
    ImageN[1]->invalidate();
}

// Lamps of the changed field (0 nick, 1 password, 2 city, 3 e-mail) or of all (-1), and
// the two buttons.
void TFAcc1::lampsAndButtons(int changed)
{
    const int n = CheckAccountField(AccountUser.Nick, 1);
    const int c = CheckAccountField(AccountUser.City, 2);
    const int p = CheckAccountField(AccountUser.Pw, 3);
    const int e = CheckAccountField(AccountUser.EMail, 4);
    const struct {
        int x, y, v;
    } lamps[4] = {{180, 91, n}, {180, 165, p}, {410, 91, c}, {410, 165, e}};
    for (int i = 0; i < 4; ++i)
        if (changed < 0 || changed == i)
            DrawFieldLamp(lamps[i].x, lamps[i].y, lamps[i].v);
    Button1->setEnabled(OnlineState == 1 && n >= 2 && c >= 2 && p == 3 && e == 3);
    Button2->setEnabled(OnlineState > 1 || (OnlineState == 1 && n >= 2 && p == 3));
}

void TFAcc1::EditChange(int field)
{
    switch (field) {
    case 0: AccountUser.Nick = Edit1->text(); break;
    case 1:
        AccountUser.Pw = Edit2->text();
        AccountUser.PwC = Scrambler::ScrambleText(AccountUser.Pw, Scrambler::KeyAccount);
        break;
    case 2: AccountUser.City = Edit4->text(); break;
    default: AccountUser.EMail = Edit5->text(); break;
    }
    lampsAndButtons(field);
    if ((field == 0 || field == 1) && !AccountWindowFresh)
        Button3->setEnabled(true);
}

void TFAcc1::RefreshAccountTab()
{
    const QSignalBlocker b1(ComboBox1), b3(ComboBox3);
    ComboBox1->clear();
    for (const Texts::TText* t : {&Texts::TxtEurope, &Texts::TxtAsia, &Texts::TxtNorthAmerica, &Texts::TxtSouthAmerica,
                                  &Texts::TxtOceania, &Texts::TxtAfrica})
        ComboBox1->addItem(Texts::Tx(*t));
    ComboBox3->clear();
    ComboBox3->addItem(Texts::Tx(Texts::TxtMale));
    ComboBox3->addItem(Texts::Tx(Texts::TxtFemale));
    Edit3->setEnabled(false);
    Edit6->setEnabled(false);
    Edit1->setText(AccountUser.Nick);
    Edit2->setText(AccountUser.Pw);
    Edit4->setText(AccountUser.City);
    Edit5->setText(AccountUser.EMail);
    const bool out = OnlineState == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, Edit4, Edit5, ComboBox1, ComboBox2, ComboBox3})
        w->setEnabled(out);
    Edit6->setText(out ? QStringLiteral("00.00.0000") : AccountUser.DateR);
    CheckBox2->setEnabled(!out && AccountPlayAllowed);
    Button1->setEnabled(out);
    Button2->setEnabled(true);
    Button2->setText(Texts::Tx(out ? Texts::TxtLoginToAccount : Texts::TxtSignOut));
    Button1->setText(Texts::Tx(Texts::TxtCreateAccount));
    Button3->setText(Texts::Tx(Texts::TxtSave));
    Button4->setText(Texts::Tx(Texts::TxtDelete));
    ComboBox3->setCurrentIndex(AccountUser.Sex == QLatin1Char('M') ? 0 : 1);
    FillCountryList();
    CheckBox2->setChecked(OnlineState == 3);
    if (!out)
        Edit3->setText(AccountUser.Country1);
    lampsAndButtons(-1);
    if (OnlineStartSaved || OnlineGameRunning)
        for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, Edit4, Edit5, ComboBox1, ComboBox2, ComboBox3,
                                                          CheckBox2, Button1, Button2, Button3, Button4})
            w->setEnabled(false);
}

void TFAcc1::PaintAccountTab()
{
    tabBackground(*ImageN[1]);
    platform::Canvas& c = ImageN[1]->canvas();
    RefreshAccountTab();
    useFont(c, 36);
    shadow(c, Texts::Tx(Texts::TxtAccountInformation), 10, 692, 10, Yellow, 'c');
    useFont(c, 24);
    const struct {
        const Texts::TText* text;
        int x, y;
    } labels[6] = {{&Texts::TxtNick, 10, 60},   {&Texts::TxtPassword, 10, 135}, {&Texts::TxtCountry, 10, 222},
                   {&Texts::TxtCity, 240, 60},  {&Texts::TxtSex, 240, 222},     {&Texts::TxtRegistration, 240, 285}};
    for (const auto& l : labels)
        shadow(c, Texts::Tx(*l.text) + QLatin1Char(':'), l.x, 0, l.y, Yellow, 'l');
    shadow(c, QStringLiteral("E-Mail:"), 240, 0, 135, Yellow, 'l');
    CheckBox1->setText(Texts::Tx(Texts::TxtHidePassword));
    CheckBox2->setText(Texts::Tx(Texts::TxtPlayGlobalRating));
    if (AccountPlayerCountRead)
        shadow(c, Texts::Tx(Texts::TxtClubMembers) + QString::number(AccountPlayerCount), 10, 692, 420, Red, 'c');
    drawPng(c, QStringLiteral("RamkaAc"), 180, 360);
    setStar();
    platformPictures(c);
    lampsAndButtons(-1);
    if (OnlineStartSaved || OnlineGameRunning)
        RefreshAccountTab();
    ImageN[1]->invalidate();
}

void TFAcc1::FillCountryList()
{
    int continent = 1;
    int number = 0;
    if (!ParseCountryCode(AccountUser.Country2, continent, number)) {
        continent = std::clamp(AccountUser.Country2.left(1).toInt(), 1, 6);
        number = 0;
    }
    // A number past the continent's table shows its "Unknown" entry; Country2 stays.
    if (number < 0 || number >= CountryCount(continent))
        number = 0;
    for (int i = 0; i < 55; ++i) {
        const QImage flag = CountryFlag(continent, i);
        FlagBitmaps[i] = flag.isNull() ? QImage() : flag;
    }
    const QSignalBlocker b1(ComboBox1), b2(ComboBox2);
    ComboBox1->setCurrentIndex(continent - 1);
    Online::FillCountryList(*ComboBox2, continent, 2, 2);
    ComboBox2->setCurrentIndex(number);
}

void TFAcc1::ComboBox1Change()
{
    const int item = std::clamp(ComboBox1->currentIndex(), 0, 5);
    AccountUser.Country2 = QString::number(item + 1) + QStringLiteral("-000");
    FillCountryList();
    QString name, shortName;
    CountryName(item + 1, 0, name, shortName);
    Edit3->setText(shortName);
    AccountUser.Country1 = Edit3->text();
}

void TFAcc1::ComboBox2Change()
{
    int continent = std::clamp(ComboBox1->currentIndex() + 1, 1, 6);
    const int index = std::max(0, ComboBox2->currentIndex());
    // A code the list cannot show keeps what the service sent.
    int parsedC = 0, parsedN = 0;
    if (ParseCountryCode(AccountUser.Country2, parsedC, parsedN) && parsedC == continent &&
        parsedN >= CountryCount(continent) && index == 0)
        return;
    AccountUser.Country2 = QStringLiteral("%1-%2").arg(continent).arg(index, 3, 10, QLatin1Char('0'));
    QString name, shortName;
    CountryName(continent, index, name, shortName);
    Edit3->setText(shortName);
    AccountUser.Country1 = shortName;
}

void TFAcc1::ComboBox3Change()
{
    AccountUser.Sex = ComboBox3->currentIndex() == 0 ? QLatin1Char('M') : QLatin1Char('W');
}

void TFAcc1::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        Edit2->setEchoMode(QLineEdit::Password);
        Edit2->setStyleSheet(QStringLiteral("background-color: #FFFFC8; color: #FF0000; "
                                            "lineedit-password-character: 35;"));
    } else {
        Edit2->setEchoMode(QLineEdit::Normal);
    }
}

void TFAcc1::CheckBox2Click()
{
    if (!AccountPlayAllowed || OnlineStartSaved || OnlineGameRunning || OnlineState < 2) {
        CheckBox2->setChecked(OnlineState == 3);
        return;
    }
    if (CheckBox2->isChecked() && OnlineState == 2)
        OnlineState = 3;
    else if (!CheckBox2->isChecked() && OnlineState == 3)
        OnlineState = 2;
    DrawAccountWindowIcon(OnlineState);
    setStar();
}

void TFAcc1::Button1Click()
{
    clickSound();
    AccountUser.DateR = RegistrationDate();
    AccountUser.R01 = AccountUser.R02 = AccountUser.R03 = QStringLiteral("xxx");
    AccountUser.R04 = AccountUser.R05 = AccountUser.R06 = 0;
    const int r = ServerRegister(address(), AccountUser);
    const Texts::TText* messages[3] = {&Texts::TxtAccountCreated, &Texts::TxtNickTaken, &Texts::TxtCouldNotCreateAccount};
    MessageBox::ShowLinkMessage(Texts::Tx(*messages[std::clamp(r, 0, 2)]), QString(), QString());
    if (r == 0) {
        OnlineState = CheckBox2->isChecked() ? 3 : 2;
        readPlayerCount();
        TQyvUser fresh;
        bool ok = false;
        const QString pw = AccountUser.Pw;
        ServerLogin(address(), AccountUser.Nick, pw, ok, fresh);
        fresh.PwC = Scrambler::ScrambleText(pw, Scrambler::KeyAccount);
        AccountUser = fresh;
        readGameAndPlace(true);
        AccountPhotoLoaded = false;
        ServerReadInfo(address(), AccountUser.Nick, ok, AccountUser.Info);
    } else {
        OnlineState = 1;
        AccountUser.DateR = QStringLiteral("00.00.0000");
    }
    DrawAccountWindowIcon(OnlineState);
    PaintAccountTab();
}

void TFAcc1::Button2Click()
{
    clickSound();
    if (OnlineState != 1) {
        OnlineState = 1;
        RefreshAccountTab();
        DrawAccountWindowIcon(1);
        setStar();
        AccountPhotoLoaded = false;
        AccountUser.R04 = AccountUser.R05 = AccountUser.R06 = 0;
        return;
    }
    TQyvUser fresh;
    bool ok = false;
    ServerLogin(address(), AccountUser.Nick, AccountUser.Pw, ok, fresh);
    fresh.PwC = Scrambler::ScrambleText(AccountUser.Pw, Scrambler::KeyAccount);
    if (!ok) {
        MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtLoginFailed), QString(), QString());
        AccountGameLoaded = false;
        AccountPlayerCountRead = false;
        return;
    }
    OnlineState = 2;
    AccountUser = fresh;
    RefreshAccountTab();
    DrawAccountWindowIcon(2);
    readGameAndPlace(false);
    readPlayerCount();
    setStar();
    AccountPhotoLoaded = DownloadAvatar(AccountUser.Nick, 1);
    ServerReadInfo(address(), AccountUser.Nick, ok, AccountUser.Info);
    readChairman();
}

void TFAcc1::Button3Click()
{
    clickSound();
    QByteArray bytes = "Qyv User File\r\n";
    bytes += platform::cp1251::fromUnicode(AccountUser.Nick) + "\r\n";
    bytes += platform::cp1251::fromUnicode(AccountUser.PwC) + "\r\n";
    if (platform::writeFileAtomically(UserFilePath(), bytes)) {
        UserFilePresent = true;
        Button3->setEnabled(false);
    }
    Button4->setEnabled(UserFilePresent);
}

void TFAcc1::Button4Click()
{
    clickSound();
    if (QFile::exists(UserFilePath()))
        QFile::remove(UserFilePath());
    UserFilePresent = false;
    Button3->setEnabled(true);
    Button4->setEnabled(false);
}

// ---- Results, top ten, profiles ----

void TFAcc1::PaintResultsTab()
{
    tabBackground(*ImageN[2]);
    platform::Canvas& c = ImageN[2]->canvas();
    useFont(c, 36);
    shadow(c, Texts::Tx(Texts::TxtGamesInformation), 10, 692, 10, Yellow, 'c');
    useFont(c, 24);
    const Texts::TText* labels[9] = {&Texts::TxtGame,        &Texts::TxtPlayer,       &Texts::TxtRating,
                                     &Texts::TxtPlaceWord,   &Texts::TxtPlayedGames,  &Texts::TxtMyBestScore,
                                     &Texts::TxtPlayedCycles, &Texts::TxtCurrentDeal, &Texts::TxtCurrentScore};
    QString rating;
    FormatRatingText(rating, AccountGame.Rating);
    const QString values[9] = {gameName(),
                               AccountUser.Nick,
                               rating,
                               QString::number(AccountGame.Place),
                               QString::number(AccountGame.Kon),
                               QString::number(AccountGame.Best),
                               QString::number(AccountGame.Sessions),
                               QString::number(AccountGame.KonL),
                               QString::number(AccountGame.Score)};
    const bool show = !AccountUser.Nick.isEmpty() && AccountGameLoaded && OnlineState > 1;
    for (int i = 0; i <= 8; ++i) {
        const int y1 = 60 + 35 * i;
        band(c, i % 2 == 0 ? BandYellow : BandRed, 10, y1, 692, y1 + 35);
        outlineCells(c, {10, 350, 692}, y1, y1 + 35);
        useFont(c, 24);
        const int y = 65 + 35 * i;
        shadow(c, Texts::Tx(*labels[i]) + QLatin1Char(':'), 20, 0, y, Red, 'l');
        if (i == 0 || show)
            shadow(c, values[i], 0, 682, y, Red, 'r');
        else if (!AccountGameLoaded)
            shadow(c, QStringLiteral("No Connect"), 350, 692, y, Red, 'c');
    }
    platformPictures(c);
    ImageN[2]->invalidate();
}

void TFAcc1::ButtonRef2Click()
{
    clickSound();
    if (OnlineState > 1)
        readGameAndPlace(false);
    PaintResultsTab();
}

void TFAcc1::PaintTopTenTab()
{
    tabBackground(*ImageN[3]);
    platform::Canvas& c = ImageN[3]->canvas();
    useFont(c, 36);
    shadow(c, Texts::Tx(Texts::TxtTopTenRated), 10, 692, 10, Yellow, 'c');
    const int borders[7] = {10, 50, 250, 300, 350, 550, 692};
    const QString header[6] = {QString(QChar(0x2116)), Texts::Tx(Texts::TxtNick), QStringLiteral("C"),
                               Texts::Tx(Texts::TxtSex), Texts::Tx(Texts::TxtCity), Texts::Tx(Texts::TxtRating)};
    for (int r = 0; r <= 10; ++r) {
        const int y1 = 60 + 30 * r;
        band(c, r == 0 ? BandRed : (r % 2 == 1 ? BandGreen : BandYellow), 10, y1, 692, y1 + 30);
        outlineCells(c, {10, 50, 250, 300, 350, 550, 692}, y1, y1 + 30);
        useFont(c, 20);
        const int y = 65 + 30 * r;
        if (r == 0) {
            for (int k = 0; k < 6; ++k)
                shadow(c, header[k], borders[k], borders[k + 1], y, Red, 'c');
            continue;
        }
        if (!AccountTopTenRead) {
            shadow(c, QStringLiteral("No Connect"), 50, 250, y, Red, 'c');
            continue;
        }
        const TQyvTop10& row = AccountTopTen[r];
        if (row.Nick.isEmpty())
            continue;
        shadow(c, QString::number(r) + QLatin1Char('.'), 10, 50, y, Red, 'c');
        shadow(c, row.Nick, 55, 0, y, Red, 'l');
        DrawCountryFlag(row.Country, 268, 70 + 30 * r, c);
        DrawSexIcon(QString(row.Sex), 318, 68 + 30 * r, c);
        shadow(c, row.City, 355, 0, y, Red, 'l');
        QString rating;
        FormatRatingText(rating, row.Rating);
        shadow(c, rating, 0, 687, y, Red, 'r');
    }
    platformPictures(c);
    ImageN[3]->invalidate();
}

void TFAcc1::ButtonRef3Click()
{
    clickSound();
    bool ok = false;
    ServerTopTen(address(), Settings::ServerGameCode, ok, AccountTopTen);
    AccountTopTenRead = ok;
    PaintTopTenTab();
}

void TFAcc1::PaintAboutMeTab()
{
    ButtonAva1->setEnabled(OnlineState > 1);
    ButtonAva1->setText(Texts::Tx(Texts::TxtRefresh));
    tabBackground(*ImageN[5]);
    platform::Canvas& c = ImageN[5]->canvas();
    photo(c, AccountPhotoLoaded, AccountPhoto, AccountUser.Sex, 30, 50, 10, 30);
    for (int i = 1; i <= 14; ++i) {
        band(c, i % 2 == 1 ? BandYellow : BandRed, 260, 31 * (i - 1) + 10, 700, 31 * i + 10);
        fieldIcon(c, i, 265, 31 * i - 19);
        useFont(c, 22);
        if (OnlineState > 1)
            shadow(c, infoField(AccountUser.Info, i), 300, 0, 31 * i - 17, Red, 'l');
    }
    ImageN[5]->invalidate();
}

void TFAcc1::ButtonAva1Click()
{
    clickSound();
    ShowFAcc2(this);
    readChairman();
    PaintAboutMeTab();
}

void TFAcc1::PaintChairmanTab()
{
    tabBackground(*ImageN[6]);
    platform::Canvas& c = ImageN[6]->canvas();
    useFont(c, 24);
    shadow(c, Texts::Tx(Texts::TxtOnlineClubChairman) + QStringLiteral(" \"") + gameName() + QLatin1Char('"'), 0, 700,
           10, Yellow, 'c');
    photo(c, LeaderPhotoLoaded, LeaderPhoto, AccountTopTen[1].Sex, 30, 60, 10, 40);
    useFont(c, 22);
    shadow(c, AccountInfo.Name1, 10, 250, 331, Red, 'c');
    shadow(c, AccountInfo.Name2, 10, 250, 351, Red, 'c');
    shadow(c, AccountTopTen[1].Nick, 10, 250, 371, Red, 'c');
    shadow(c, AccountTopTen[1].City, 10, 250, 391, Red, 'c');
    for (int i = 1; i <= 12; ++i) {
        band(c, i % 2 == 1 ? BandYellow : BandRed, 260, 40 + 31 * (i - 1), 700, 40 + 31 * i);
        fieldIcon(c, i + 2, 265, 31 * i + 11);
        useFont(c, 22);
        shadow(c, infoField(AccountInfo, i + 2), 300, 0, 31 * i + 13, Red, 'l');
    }
    ImageN[6]->invalidate();
}

void TFAcc1::ImageN6MouseMove(int X, int Y)
{
    const bool over = X >= 260 && X <= 700 && Y >= 40 && Y <= 412;
    FontsAndCursors::UseCursor(ImageN[6], over ? FontsAndCursors::CursorKind::Hand : FontsAndCursors::CursorKind::Arrow);
}

void TFAcc1::ImageN6MouseUp(int X, int Y)
{
    if (X < 260 || X > 700)
        return;
    int k = 0;
    for (int row = 1; row <= 12; ++row)
        if (40 + 31 * (row - 1) < Y && Y < 40 + 31 * row)
            k = row;
    if (k == 0)
        return;
    const QString text = infoField(AccountInfo, k + 2);
    if (k == 1 || k == 2 || k == 3 || k == 5 || k == 8) {
        QApplication::clipboard()->setText(text);
        MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtCopiedToClipboard), QString(), QString());
    } else {
        platform::openUrl(text);   // only web and mail addresses are opened
    }
}

// ---- Currency ----

void TFAcc1::PaintQyvsTab()
{
    painting_ = true;
    tabBackground(*ImageN[4]);
    platform::Canvas& c = ImageN[4]->canvas();
    ButtonQyvsAddMe->setText(Texts::Tx(Texts::TxtAddQyvs));
    ButtonQyvsAddUs->setText(Texts::Tx(Texts::TxtTransferQyvs));
    const int balance = AccountUser.R04;
    const bool canSend = OnlineState >= 2 && balance >= 1;
    ButtonQyvsAddMe->setEnabled(OnlineState > 1);
    EditQyvsAddUs->setEnabled(canSend);
    SpinQyvsAddUs->setEnabled(canSend);
    ButtonQyvsAddUs->setEnabled(canSend && TransferAmount >= 1 && !TransferNick.isEmpty() &&
                                TransferNick != AccountUser.Nick);
    ButtonRef4->setEnabled(OnlineState > 1);
    SpinQyvsAddUs->setMaximum(std::max(0, balance));
    SpinQyvsAddUs->setValue(TransferAmount);
    if (EditQyvsAddUs->text() != TransferNick)
        EditQyvsAddUs->setText(TransferNick);
    SpinQyvsAddUs->setToolTip(Texts::Tx(Texts::TxtTransferAmount));
    EditQyvsAddUs->setToolTip(Texts::Tx(Texts::TxtTransferToNick));
    drawPng(c, QStringLiteral("GQyvs128"), 20, 20);
    drawPng(c, QStringLiteral("GQyvsT128"), 287, 5);
    int height = 48, shift = 0;
    BalanceFont(balance, height, shift);
    BalanceFontHeight = height;
    useFont(c, height);
    shadow(c, QString::number(balance), 287, 415, 35 + shift, Yellow, 'c');
    for (int a = 1; a <= 4; ++a)
        band(c, a % 2 == 1 ? BandYellow : BandRed, 485, 45 * a, 695, 45 * a + 45);
    useFont(c, 30);
    shadow(c, Texts::Tx(Texts::TxtTransferHeading), 485, 695, 52, Red, 'c');
    ImageN[4]->invalidate();
    painting_ = false;
}

void TFAcc1::ButtonRef4Click()
{
    if (OnlineState <= 1)
        return;
    bool ok = false;
    const int b = ServerReadBalance(address(), AccountUser.Nick, ok);
    if (ok)
        AccountUser.R04 = b;
    sound(ok ? "WavDown" : "WavCancel");
    PaintQyvsTab();
}

void TFAcc1::ButtonQyvsAddMeClick()
{
    if (OnlineState <= 1)
        return;
    clickSound();
    QApplication::clipboard()->setText(AccountUser.Nick + QLatin1Char('#') + Texts::Tx(Texts::TxtRefill));
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtPaymentComment), Texts::Tx(Texts::TxtPaymentCredit), QString());
    platform::openUrl(Scrambler::UnscrambleText(TopUpPageAddressCoded, Scrambler::KeySettings) +
                      QStringLiteral("100"));
}

void TFAcc1::ButtonQyvsAddUsClick()
{
    TransferAmount = SpinQyvsAddUs->value();
    TransferNick = EditQyvsAddUs->text();
    auto say = [](const QString& text) { MessageBox::ShowLinkMessage(text, QString(), QString()); };
    const QString noConnect = QStringLiteral("No Connect!");
    if (AccountUser.R04 < TransferAmount || TransferAmount < 1) {
        if (AccountUser.R04 < TransferAmount)
            say(Texts::Tx(Texts::TxtNotEnoughQyvs));
        if (TransferAmount == 0)
            say(Texts::Tx(Texts::TxtEmptyTransfer));
        PaintQyvsTab();
        return;
    }
    const QString question = Texts::Tx(Texts::TxtTransferQuestion) + QStringLiteral(" \"") + TransferNick +
                             QStringLiteral("\" ") + QString::number(TransferAmount) + QLatin1Char(' ') +
                             Texts::Tx(Texts::TxtQyvs) + QLatin1Char('?');
    if (platform::presenter().message(platform::MessageKind::Confirmation, QString(), question,
                                      platform::Buttons::YesNo) != platform::Answer::Yes) {
        PaintQyvsTab();
        return;
    }
    bool read = false;
    const int b = ServerReadBalance(address(), AccountUser.Nick, read);
    if (read)
        AccountUser.R04 = b;
    if (read && AccountUser.R04 >= TransferAmount) {
        bool credited = false;
        ServerSaveBalance(address(), TransferNick, TransferAmount, credited);
        if (!credited) {
            say(Texts::Tx(Texts::TxtNoSuchMember));
        } else {
            bool debited = false;
            ServerSaveBalance(address(), AccountUser.Nick, -TransferAmount, debited);
            if (!debited) {
                // Without the debit the credit would make currency from nothing.
                bool undone = false;
                ServerSaveBalance(address(), TransferNick, -TransferAmount, undone);
                say(noConnect);
            } else {
                bool again = false;
                const int now = ServerReadBalance(address(), AccountUser.Nick, again);
                if (again)
                    AccountUser.R04 = now;
                say(Texts::Tx(Texts::TxtTransferDone));
            }
        }
    } else if (!read) {
        say(noConnect);
    } else {
        say(Texts::Tx(Texts::TxtNotEnoughQyvs));
    }
    PaintQyvsTab();
}

int ShowFAcc1(QWidget* owner)
{
    TFAcc1 form(owner);
    form.FormShow();
    const int result = platform::presenter().exec(form);
    FAcc1::FlagBitmaps = {};
    FAcc1::AccountBackground = QImage();
    return result;
}
