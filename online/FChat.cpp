#include "online/FChat.h"

#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/Countries.h"
#include "online/FServerInfo.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_UWorldC.h"
#include "online/WorldWindowParts.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <limits>

namespace FChat {

namespace {

QString shownBlanks(QString text)
{
    return text.replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

void SetChatFonts(TFormChat& form)
{
    const QString times = QStringLiteral("times");
    Online::SetWindowFont(&form, 16, times, false);
    Online::SetWindowFont(form.Button1, 20, times, true);
    Online::SetWindowFont(form.Button2, 20, times, true);
    Online::SetWindowFont(form.Edit1, 20, times, false);
    Online::SetPictureFont(*form.Image0, 48, times);
    Online::SetPictureFont(*form.Image2, 16, times);
}

QString ChatFiltered(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (Online::PassportCharClass(c) == Online::PassportChar::Other)
            c = QLatin1Char('_');
    return out;
}

QString ChatTimeStamp()
{
    const QDateTime now = platform::currentDateTime();
    const QLocale locale;
    QString stamp = locale.toString(now.time(), QLocale::ShortFormat) + QLatin1Char('_') +
                    locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char('_') +
                    ChatFiltered(Texts::Tx(Texts::ProductNames));
    // A blank of any kind would split the row for every reader of the chat.
    for (QChar& c : stamp)
        if (c.isSpace())
            c = QLatin1Char('_');
    return stamp;
}

bool PassportPasses()
{
    const int nick = Online::CheckPassportText(Settings::PassportNick, 1);
    const int city = Online::CheckPassportText(Settings::PassportCity, 2);
    return nick >= 2 && nick <= 3 && city >= 2 && city <= 3;
}

void DrawChatMessages(TFormChat& form)
{
    platform::Canvas& c = form.Image2->canvas();
    c.font.bold = true;
    c.brush.color = WindowParts::FaceColor;
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(-1, -1, c.width() + 1, c.height() + 1);
    c.brush.style = platform::BrushStyle::Clear;

    bool ok = false;
    Online::TQyvRecords rows;
    Online::ReadWorldTopTen(Settings::RatingServiceAddress, Online::ChatListId, ok, rows);

    form.BoardLines = QList<TFormChat::Line>(10);
    form.BoardMessage.clear();
    for (int k = 1; k <= 10; ++k) {
        const int y0 = 50 * (10 - k);
        const bool admin = rows[k].Nick == AdministratorNick;
        const QString background = admin ? QStringLiteral("GChatR") : QStringLiteral("GChatY");
        const QImage png = platform::resources::image(background);
        if (!png.isNull())
            c.draw(0, y0 + 2, png);
        form.BoardLines[10 - k].background = background;
    }
    if (!ok) {
        c.font.color = FontsAndCursors::TextColor5;
        form.BoardMessage = QStringLiteral("No Connect");
        DrawHelpers::TextOutCentered(form.BoardMessage, 0, c.width(), 4, c);
        form.Image2->invalidate();
        return;
    }
    for (int k = 1; k <= 10; ++k) {
        const Online::TQyvRecord& r = rows[k];
        if (r.Nick == QLatin1String("#"))
            continue;
        const int y0 = 50 * (10 - k);
        TFormChat::Line& line = form.BoardLines[10 - k];
        const platform::TColor header =
            r.Nick == AdministratorNick ? FontsAndCursors::TextColor1 : FontsAndCursors::TextColor2;
        line.number = QString::number(r.Score % 10000);
        c.font.color = platform::clWhite;
        DrawHelpers::TextOutCentered(line.number, 0, 60, y0 + 6, c);
        Online::DrawCountryFlag(r.Country, 23, y0 + 25, c);
        Online::DrawSexIcon(r.R07, 680, y0 + 14, c);
        line.header = r.City + QStringLiteral(" : ") + shownBlanks(r.R09) + QLatin1Char(' ') + r.R08 +
                      QStringLiteral(" : ") + r.Nick;
        c.font.color = header;
        c.textOut(60, y0 + 7, line.header);
        line.text = shownBlanks(r.R10);
        c.font.color = platform::clBlack;
        c.textOut(60, y0 + 21, line.text);
    }
    form.Image2->invalidate();
}

void SendChatMessage(TFormChat& form)
{
    if (form.Edit1->text().isEmpty())
        return;
    const QString text = ChatFiltered(form.Edit1->text().left(80));
    const QString stamp = ChatTimeStamp();
    bool ok = false;
    Online::TQyvRecords rows;
    Online::ReadWorldTopTen(Settings::RatingServiceAddress, Online::ChatListId, ok, rows);
    // The newest number cannot take one more: nothing can be sent after it.
    if (ok && rows[1].Score == std::numeric_limits<int>::max())
        ok = false;
    if (ok)
        Online::SubmitWorldResult(Settings::RatingServiceAddress, Settings::PassportNick, Settings::PassportCity,
                                  Settings::PassportCountry, Settings::PassportSex, rows[1].Score + 1,
                                  Online::ChatListId, stamp, text, ok);
    if (!ok) {
        DrawHelpers::PlayWavResource(QStringLiteral("WavCancel"), false, Settings::SoundOn);
        platform::presenter().message(platform::MessageKind::Warning, Texts::Tx(Texts::ProductNames),
                                      Texts::Tx(Texts::TxtCantSendMessage), platform::Buttons::Ok);
        return;
    }
    DrawHelpers::PlayWavResource(QStringLiteral("WavDown"), false, Settings::SoundOn);
    form.Edit1->clear();
    form.Edit1->setEnabled(false);
    form.Image3->setVisible(false);
    DrawChatMessages(form);
}

} // namespace FChat

TFormChat::TFormChat(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormChat"));
    WindowParts::SetupDialogFrame(*this, 710, 645);
    WindowParts::SetHelpContext(*this, 1);
    setWindowTitle(Texts::Tx(Texts::TxtChatTitle));
    setMouseTracking(true);
    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 60, 5, 590, 48);
    Image3 = platform::newPictureAt(this, 655, 3, 51, 51);
    Image3->setObjectName(QStringLiteral("Image3"));
    ImageDiv = platform::newPictureAt(this, 5, 60, 700, 6);
    Image2 = platform::newPictureAt(this, 5, 70, 700, 500);
    Image2->setObjectName(QStringLiteral("Image2"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(5, 575, 660, 21);
    Edit1->setMaxLength(80);
    Edit1->installEventFilter(this);
    Button3 = FAcc1::OrangeButton(this, 675, 574, 30, 30);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->SetKontur(false);
    Button3->SetLayout(blGlyphBottom);
    Button3->SetGlyph(platform::resources::image(QStringLiteral("GChatSend")));
    Button1 = FAcc1::OrangeButton(this, 5, 610, 340, 30);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = FAcc1::OrangeButton(this, 366, 610, 340, 30);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (TQyvCardsButton* b : {Button1, Button2, Button3}) {
        b->SetGrayDis(false);
        b->setAutoDefault(false);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { FChat::SendChatMessage(*this); });
    Timer1 = Online::WireRefreshButton(*Image3, [this] { Image3Click(); }, 15000, [this] { Timer1Timer(); });
}

void TFormChat::FormShow()
{
    Online::SetWindowCursors(*this, {Button1, Button2, Button3, Image3}, {Edit1});
    Button1->setText(Texts::Tx(Texts::TxtClose));
    Button2->setText(Texts::Tx(Texts::TxtPassport));
    FChat::SetChatFonts(*this);

    Online::DrawWindowHead(*Image1, QStringLiteral("GChat048"), *Image0, QStringLiteral("GChatCap"), 235, *ImageDiv);
    Online::DrawRefreshButton(*Image3, QStringLiteral("AdvButR"), false);

    FChat::DrawChatMessages(*this);

    QFont f = Edit1->font();
    f.setBold(true);
    Edit1->setFont(f);
    QPalette p = Edit1->palette();
    p.setColor(QPalette::Text, platform::toQColor(FontsAndCursors::TextColor2));
    Edit1->setPalette(p);
    Edit1->setEnabled(FChat::PassportPasses());
}

void TFormChat::Timer1Timer()
{
    Image3->setVisible(true);
    Edit1->setEnabled(FChat::PassportPasses());
}

void TFormChat::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    accept();
}

void TFormChat::Button2Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    ShowFormServerInfo(this);
    Edit1->setEnabled(FChat::PassportPasses());
}

void TFormChat::Image3Click()
{
    FChat::DrawChatMessages(*this);
    Image3->setVisible(false);
}

void TFormChat::mouseMoveEvent(QMouseEvent* e)
{
    Online::DrawRefreshButton(*Image3, QStringLiteral("AdvButR"), false);
    QDialog::mouseMoveEvent(e);
}

bool TFormChat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FChat::SendChatMessage(*this);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int ShowFormChat(QWidget* owner)
{
    TFormChat form(owner);
    form.FormShow();
    return platform::presenter().exec(form);
}
