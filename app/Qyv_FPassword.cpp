#include "app/Qyv_FPassword.h"

#include "foundation/Celebration.h"
#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/AnimatedPicture.h"
#include "platform/Cp1251.h"
#include "platform/Help.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QProxyStyle>
#include <QValidator>

namespace {

// Password boxes show "#" for every character.
class HashEchoStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '#';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Only characters the one-byte club file stores can be typed into a password box: any
// other would be stored as "?" and the password could never be typed again.
class StorablePasswordValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return ClubFile::ClubNameAcceptable(input) ? Acceptable : Invalid;
    }
};

// The dialog's PNG pictures are read by type: "GPwR" names both a marker and an animation.
QImage smallPicture(const QString& name, int w, int h)
{
    QImage p = platform::resources::imageOfType(name, QStringLiteral("png"));
    if (p.isNull())
        return p;
    p = p.convertToFormat(QImage::Format_ARGB32);
    if (w > 0)
        DrawHelpers::ResizePngSmooth(p, w, h);
    return p;
}

void stopGif(QLabel& label, QMovie*& movie)
{
    if (!movie)
        return;
    movie->stop();
    label.setMovie(nullptr);
    label.clear();
    delete movie;
    movie = nullptr;
}

void startGif(QLabel& label, QMovie*& movie, const QString& name)
{
    stopGif(label, movie);
    const QString path = platform::resources::pathOfType(name, QStringLiteral("gif"));
    if (path.isEmpty())
        return;
    movie = new QMovie(path, QByteArray(), &label);
    label.setMovie(movie);
    if (Settings::GifAnimationOn)
        movie->start();
    else
        movie->jumpToFrame(0);
}

QLabel* labelAt(QWidget* parent, int x, int y, int w, int h)
{
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, h);
    return l;
}

QString padded(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace

TFormPassword::TFormPassword(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPassword"));
    setFixedSize(310, 400);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 60, 5, 245, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 300, 6);

    Label1 = labelAt(this, 50, 80, 210, 20);
    Label2 = labelAt(this, 50, 160, 210, 20);
    Label3 = labelAt(this, 50, 240, 210, 20);
    Label4 = labelAt(this, 50, 300, 210, 13);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label4->setObjectName(QStringLiteral("Label4"));
    for (QLabel* l : {Label1, Label2, Label3}) {
        l->setAlignment(Qt::AlignCenter);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        // A member's name and second password lines are disabled: they grey out.
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
        l->setPalette(p);
        FontsAndCursors::RegisterFontRow(l, QStringLiteral("serif"), 16, true);
    }
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setWordWrap(true);
    {
        QPalette p = Label4->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        Label4->setPalette(p);
    }
    Label4->hide();

    auto* hashStyle = new HashEchoStyle;
    hashStyle->setParent(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(60, 115, 190, 23);
    Edit1->setMaxLength(20);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(100, 195, 110, 23);
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(100, 275, 110, 23);
    for (QLineEdit* e : {Edit2, Edit3}) {
        e->setMaxLength(5);
        e->setEchoMode(QLineEdit::Password);
        e->setStyle(hashStyle);
        e->setValidator(new StorablePasswordValidator(e));
    }
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        e->setAlignment(Qt::AlignCenter);
        e->setFrame(false);
        e->installEventFilter(this);
        FontsAndCursors::RegisterFontRow(e, QStringLiteral("serif"), 16, true);
    }

    RxGIFAn1 = labelAt(this, 93, 320, 124, 36);
    RxGIFAnL = labelAt(this, 15, 280, 30, 68);
    RxGIFAnR = labelAt(this, 265, 280, 30, 68);
    // A closed dialog shows nothing: its animations rest until it opens again.
    for (QLabel* gif : {RxGIFAn1, RxGIFAnL, RxGIFAnR})
        platform::restMovieWhileHidden(*gif);

    Button1 = new TQyvCardsButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(45, 365, 100, 30);
    Button2 = new TQyvCardsButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(165, 365, 100, 30);
    for (TQyvCardsButton* b : {Button1, Button2}) {
        // Enter belongs to the edits (it acts as OK there), never to a focused Cancel.
        b->setAutoDefault(false);
        b->SetFontColor(platform::clWhite);
        FontsAndCursors::UseCursor(b, FontsAndCursors::CursorKind::Hand);
        FontsAndCursors::RegisterFontRow(b, QStringLiteral("times"), 20);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    Language::Title(this, Language::From(Texts::TxtWelcome));
    Language::Caption(Label1, Texts::TxtEnterName);
    Language::Caption(Label2, Texts::TxtEnterPassword);
    Language::Caption(Label3, Texts::TxtPasswordAgain);
    Language::Caption(Button2, Texts::TxtCancel);

    FormCreate();
}

TFormPassword::~TFormPassword() = default;

void TFormPassword::FormCreate()
{
    Edit1->setText(Texts::Tx(Texts::TxtUnknown));
    GPwR_ = smallPicture(QStringLiteral("GPwR"), 0, 0);
    GServerInfoR2_ = smallPicture(QStringLiteral("GServerInfoR2"), 194, 27);
    GPwY_ = smallPicture(QStringLiteral("GPwY"), 0, 0);
    GServerInfoY2_ = smallPicture(QStringLiteral("GServerInfoY2"), 114, 27);
}

void TFormPassword::Prepare(int slot, const QString& memberName)
{
    GameState::PlayerSlot = slot;
    GameState::PasswordAccepted = 0;
    Edit2->clear();
    Edit3->clear();
    const bool newPlayer = slot == 6;
    if (!newPlayer)
        Edit1->setText(memberName);
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit3, Label1, Label3})
        w->setEnabled(newPlayer);
}

void TFormPassword::FormShow()
{
    using namespace Texts;
    platform::fillWithWindowColour(*Image1);
    if (const QImage p = platform::resources::image(QStringLiteral("FlagS")); !p.isNull())
        Image1->canvas().draw(0, 0, p);
    Image1->canvas().notifyChanged();
    platform::fillWithWindowColour(*Image0);
    if (const QImage p = platform::resources::image(QStringLiteral("GWelcomeCap")); !p.isNull())
        Image0->canvas().draw(22, 0, p);
    Image0->canvas().notifyChanged();
    platform::fillWithWindowColour(*ImageDiv);
    if (const QImage d = smallPicture(QStringLiteral("GDivider260"), 300, 6); !d.isNull())
        ImageDiv->canvas().draw(0, 0, d);
    ImageDiv->canvas().notifyChanged();

    Label4->hide();
    setWindowTitle(Shown(Tx(TxtWelcome)));
    Label1->setText(Shown(Tx(TxtEnterName)));
    Label2->setText(Shown(Tx(TxtEnterPassword)));
    Label3->setText(Shown(Tx(TxtPasswordAgain)));
    Button2->setText(Shown(Tx(TxtCancel)));
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, Edit1, Edit2, Edit3})
        FontsAndCursors::ApplyFontChoice(w, FontsAndCursors::RoleFont(QStringLiteral("serif"), 16, true));
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2})
        FontsAndCursors::ApplyFontChoice(w, FontsAndCursors::RoleFont(QStringLiteral("times"), 20));

    {
        using FontsAndCursors::CursorKind;
        const int cursorSet = Settings::YellowCursor ? 1 : 0;
        FontsAndCursors::SetCursorOf(this, CursorKind::Arrow, cursorSet);
        for (QWidget* b : std::initializer_list<QWidget*>{Button1, Button2})
            FontsAndCursors::SetCursorOf(b, CursorKind::Hand, cursorSet);
        for (QWidget* e : std::initializer_list<QWidget*>{Edit1, Edit2, Edit3})
            FontsAndCursors::SetCursorOf(e, CursorKind::IBeam, cursorSet);
    }

    startGif(*RxGIFAn1, gif1_, QStringLiteral("GPw1"));
    startGif(*RxGIFAnL, gifL_, QStringLiteral("GPwL"));
    startGif(*RxGIFAnR, gifR_, QStringLiteral("GPwR"));

    Settings::LocalPlayerName = Settings::LocalPlayerName.trimmed();
    if (GameState::PlayerSlot == 6) {
        Edit1->setText(Settings::LocalPlayerName);
        Edit1->setFocus();
    } else {
        Edit2->setFocus();
    }
}

void TFormPassword::FormPaint(QPainter& painter)
{
    const auto mark = [&](QLabel* label, const QImage& marker) {
        if (!marker.isNull())
            painter.drawImage(label->x() - 29, label->y() - 7, marker);
    };
    const auto frame = [&](QLineEdit* edit, const QImage& picture) {
        if (!picture.isNull())
            painter.drawImage(edit->x() - 2, edit->y() - 2, picture);
    };
    mark(Label1, GPwR_);
    frame(Edit1, GServerInfoR2_);
    mark(Label2, GPwY_);
    mark(Label3, GPwY_);
    frame(Edit2, GServerInfoY2_);
    frame(Edit3, GServerInfoY2_);

    platform::Font digitFont;
    digitFont.name = QStringLiteral("Arial");
    digitFont.height = 25;
    digitFont.bold = true;
    painter.setFont(platform::qFontFor(digitFont));
    painter.setPen(Qt::white);
    const QFontMetrics metrics(painter.font());
    int digit = 1;
    for (QLabel* label : {Label1, Label2, Label3}) {
        const QString text = QString::number(digit++);
        const int x1 = label->x() - 29;
        const int x2 = label->x() + 4;
        const int x = x1 + (x2 - x1 - metrics.horizontalAdvance(text)) / 2;
        painter.drawText(QPoint(x, label->y() - 1 + metrics.ascent()), text);
    }
}

void TFormPassword::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter painter(this);
    FormPaint(painter);
}

void TFormPassword::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
}

void TFormPassword::FormKeyPress(char& Key)
{
    if (Key == 27)
        reject();
}

void TFormPassword::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        platform::showHelp(1, Texts::LanguageIndex);
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        char key = 27;
        FormKeyPress(key);
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFormPassword::Edit1KeyPress(char& Key)
{
    if (Key == 13) {
        Key = 0;
        PasswordDialogOK();
    }
}

void TFormPassword::Edit2KeyPress(char& Key)
{
    Edit1KeyPress(Key);
}

void TFormPassword::Edit3KeyPress(char& Key)
{
    Edit1KeyPress(Key);
}

bool TFormPassword::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            char k = 13;
            if (watched == Edit1)
                Edit1KeyPress(k);
            else if (watched == Edit2)
                Edit2KeyPress(k);
            else if (watched == Edit3)
                Edit3KeyPress(k);
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TFormPassword::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    PasswordDialogOK();
}

void TFormPassword::Button2Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    stopGif(*RxGIFAn1, gif1_);
    stopGif(*RxGIFAnL, gifL_);
    stopGif(*RxGIFAnR, gifR_);
    reject();
}

void TFormPassword::ShowError(const QString& text, QLineEdit* focus)
{
    Label4->setText(text);
    // A message longer than the line gets the dialog's width and a second line.
    if (Label4->fontMetrics().horizontalAdvance(text) > 210)
        Label4->setGeometry(5, 298, 300, 2 * Label4->fontMetrics().height());
    else
        Label4->setGeometry(50, 300, 210, 13);
    Label4->show();
    focus->setFocus();
}

void TFormPassword::PasswordDialogOK()
{
    using namespace Texts;
    const bool newPlayer = GameState::PlayerSlot == 6;
    // A name of blanks alone would be an invisible entry in the club list.
    if (Edit1->text().trimmed().isEmpty()) {
        ShowError(Tx(TxtIncorrectName), Edit1);
        return;
    }
    if (newPlayer && !ClubFile::ClubNameAcceptable(Edit1->text())) {
        ShowError(Tx(TxtNameCharsNotAllowed), Edit1);
        return;
    }
    if (newPlayer && Edit2->text() != Edit3->text()) {
        ShowError(Tx(TxtPasswordsDiffer), Edit2);
        return;
    }
    if (!newPlayer) {
        const int gameNumber = GameTables::GameSlotOf(GameState::CurrentGameId);
        QString stored;
        // An unreadable club file must not let the five-blank password through.
        const bool read = ClubFile::ReadClubField(gameNumber, GameState::PlayerSlot, ClubFile::ClubFileName, stored);
        const QString typed = padded(Edit2->text(), 5);
        if (!read || typed != stored) {
            ShowError(Tx(TxtIncorrectPassword), Edit2);
            return;
        }
        ClubPlayer::ClubPassword = stored;
        ClubPlayer::ClubPasswordCoded = ClubFile::EncodeClubField(stored);
        ClubPlayer::CurrentPlayerName = Edit1->text();
        ClubFile::ClubLines lines;
        const int lineNo = (gameNumber - 1) * ClubFile::ClubBlockLines + GameState::PlayerSlot;
        QByteArray line;
        if (ClubFile::ReadClubLines(ClubFile::ClubFileName, lines) && lineNo >= 1 && lineNo <= lines.size())
            line = lines[lineNo - 1];
        ClubPlayer::ClubRoundsText = padded(platform::cp1251::toUnicode(line.mid(30, 3)), 3);
        ClubPlayer::ClubScoreText = padded(platform::cp1251::toUnicode(line.mid(34, 6)), 6);
    } else {
        ClubPlayer::CurrentPlayerName = padded(Edit1->text(), 20);
        ClubPlayer::ClubPassword = padded(Edit2->text(), 5);
        ClubPlayer::ClubPasswordCoded = ClubFile::EncodeClubField(ClubPlayer::ClubPassword);
        ClubPlayer::ClubRoundsText = QStringLiteral("  0");
        ClubPlayer::ClubScoreText = QStringLiteral("     0");
    }
    Settings::LocalPlayerName = Edit1->text();
    GameState::PasswordAccepted = 1;
    accept();
}

TFormPassword& FormPassword()
{
    // Kept for the program's life; a static owner would outlive the application object.
    static TFormPassword* form = new TFormPassword;
    return *form;
}

bool AskPlayerPassword(int slot, const QString& memberName)
{
    TFormPassword& form = FormPassword();
    form.Prepare(slot, memberName);
    form.FormShow();
    platform::presenter().exec(form);
    return GameState::PasswordAccepted != 0;
}

void N2Click()
{
    TFormPassword& form = FormPassword();
    form.Prepare(6, QString());
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    form.FormShow();
    platform::presenter().exec(form);
}
