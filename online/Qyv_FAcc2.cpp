#include "online/Qyv_FAcc2.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/MessageBox.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_UAccC.h"
#include "platform/AtomicFile.h"
#include "platform/Http.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>

using namespace Online;

namespace {

struct Field {
    int max;
    const char* icon;
    const Texts::TText* hint;
    QString TInfo14::*member;
};

const Field Fields[14] = {
    {20, "GAcName1", &Texts::TxtYourName, &TInfo14::Name1},
    {20, "GAcName2", &Texts::TxtYourLastName, &TInfo14::Name2},
    {50, "GAcAbout", &Texts::TxtBriefInfo, &TInfo14::About},
    {20, "GAcTelephone", &Texts::TxtYourPhone, &TInfo14::Telephone},
    {50, "GAcEMail", &Texts::TxtYourEMail, &TInfo14::EMailO},
    {50, "GAcWebSite", &Texts::TxtYourWebSite, &TInfo14::WebSite},
    {50, "GAcSkype", &Texts::TxtYourSkype, &TInfo14::Skype},
    {50, "GAcOK", &Texts::TxtYourOK, &TInfo14::OK},
    {50, "GAcVK", &Texts::TxtYourVK, &TInfo14::VK},
    {50, "GAcTelegram", &Texts::TxtYourTelegram, &TInfo14::Telegram},
    {60, "GAcFaceBook", &Texts::TxtYourFacebook, &TInfo14::FaceBook},
    {50, "GAcTwitter", &Texts::TxtYourTwitter, &TInfo14::Twitter},
    {50, "GAcInstagramm", &Texts::TxtYourInstagram, &TInfo14::Instagramm},
    {50, "GAcYouTube", &Texts::TxtYourYouTube, &TInfo14::YouTube},
};

const char* const EditNames[14] = {"EditName1", "EditName2", "EditAbout", "EditTelephone", "EditEMail",
                                   "EditWebSite", "EditSkype", "EditOK", "EditVK", "EditTelegram",
                                   "EditFaceBook", "EditTwitter", "EditInstagramm", "EditYouTube"};

QString address()
{
    return Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount);
}

void sound(const char* name)
{
    DrawHelpers::PlayWavResource(QLatin1String(name), false, Settings::SoundOn);
}

void uploadFailed()
{
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtPhotoUploadFailed), QString(), QString());
    sound("WavCancel");
}

} // namespace

namespace FAcc2 {

QString BlankFraming(QString text)
{
    text.replace(QLatin1Char('$'), QLatin1Char(' '));
    text.replace(QLatin1Char('~'), QLatin1Char(' '));
    return text;
}

QImage LoadProfilePhoto(const QString& path)
{
    const QByteArray format = QImageReader::imageFormat(path);
    if (format != "jpeg" && format != "jpg")
        return QImage();
    const QImage picture = QImageReader(path, format).read();
    if (picture.width() != 200 || picture.height() != 250)
        return QImage();
    return picture;
}

} // namespace FAcc2

TFAcc2::TFAcc2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAcc2"));
    WindowParts::SetupDialogFrame(*this, 745, 515);
    WindowParts::SetHelpContext(*this, 1);
    Image01 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image00 = platform::newPictureAt(this, 60, 5, 680, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 735, 6);
    Image1 = platform::newPictureAt(this, 500, 70, 240, 290);
    Image1->setObjectName(QStringLiteral("Image1"));
    FontsAndCursors::UseCursor(Image1, FontsAndCursors::CursorKind::Hand);
    Image1->onClick = [this] { Image1Click(); };
    QFont bold = font();
    bold.setBold(true);
    bold.setItalic(true);
    bold.setPixelSize(16);
    for (int i = 0; i < 14; ++i) {
        const int column = i / 7;
        const int y = 70 + 35 * (i % 7);
        Icons[i] = platform::newPictureAt(this, 5 + 250 * column, y, 32, 32);
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(EditNames[i]));
        e->setGeometry(40 + 250 * column, y, 200, 31);
        e->setMaxLength(Fields[i].max);
        e->setFont(bold);
        connect(e, &QLineEdit::textEdited, this, [this] { ButtonOkI->setEnabled(true); });
        Edits[i] = e;
    }
    Label1 = new QLabel(this);
    Label1->setGeometry(5, 320, 485, 40);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    auto button = [this](const char* name, int y) {
        auto* b = FAcc1::OrangeButton(this, 5, y, 735, 45);
        b->setObjectName(QLatin1String(name));
        QFont f = b->font();
        f.setBold(true);
        f.setPixelSize(18);
        b->setFont(f);
        return b;
    };
    ButtonOkI = button("ButtonOkI", 370);
    ButtonOKF = button("ButtonOKF", 415);
    ButtonCancel = button("ButtonCancel", 460);
    connect(ButtonOkI, &QPushButton::clicked, this, [this] { ButtonOkIClick(); });
    connect(ButtonOKF, &QPushButton::clicked, this, [this] { ButtonOKFClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
}

void TFAcc2::paintEvent(QPaintEvent* e)
{
    if (ProfilePaintPending)
        FormPaintFirst();
    QDialog::paintEvent(e);
}

void TFAcc2::drawPhoto(const QImage& photo)
{
    platform::Canvas& c = Image1->canvas();
    c.setSize(240, 290);
    c.brush.color = WindowParts::FaceColor;
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, 240, 290);
    if (!photo.isNull()) {
        c.draw(20, 20, photo);
    } else {
        const QImage none = platform::resources::image(
            AccountUser.Sex == QLatin1Char('M') ? QStringLiteral("GAcNoM") : QStringLiteral("GAcNoF"));
        if (!none.isNull())
            c.draw(20, 20, none);
    }
    WindowParts::DrawPng(*Image1, QStringLiteral("GAcFrame"), 0, 0);
    Image1->invalidate();
}

void TFAcc2::FormPaintFirst()
{
    ProfilePaintPending = false;
    setWindowTitle(Texts::Tx(Texts::TxtMyAccount));
    Label1->setText(Texts::Tx(Texts::TxtInfoVisible));
    ButtonOKF->setText(Texts::Tx(Texts::TxtRefreshPhoto));
    ButtonOkI->setText(Texts::Tx(Texts::TxtUpdateInfo));
    ButtonCancel->setText(Texts::Tx(Texts::TxtClose));
    WindowParts::FillFace(*Image01);
    WindowParts::DrawPng(*Image01, QStringLiteral("Account48"), 0, 0);
    WindowParts::FillFace(*Image00);
    WindowParts::DrawPng(*Image00, QStringLiteral("GMyAccountCap"), 210, 0);
    WindowParts::DrawDivider(*ImageDiv);
    for (int i = 0; i < 14; ++i) {
        WindowParts::FillFace(*Icons[i]);
        WindowParts::DrawPng(*Icons[i], QLatin1String(Fields[i].icon), 0, 0);
        Edits[i]->setToolTip(Texts::Tx(*Fields[i].hint));
        Edits[i]->setText(AccountUser.Info.*Fields[i].member);
    }
    drawPhoto(AccountPhotoLoaded ? AccountPhoto : QImage());
    ButtonOkI->setEnabled(false);
    ButtonOKF->setEnabled(false);
}

void TFAcc2::ButtonOkIClick()
{
    TInfo14 profile;
    for (int i = 0; i < 14; ++i)
        profile.*Fields[i].member = FAcc2::BlankFraming(Edits[i]->text());
    bool ok = false;
    ServerSaveInfo(address(), AccountUser.Nick, profile, ok);
    if (!ok) {
        sound("WavCancel");
        return;
    }
    sound("WavDown");
    ButtonOkI->setEnabled(false);
    // A failed read keeps what was just saved: the service holds it.
    TInfo14 fresh;
    bool read = false;
    ServerReadInfo(address(), AccountUser.Nick, read, fresh);
    AccountUser.Info = read ? fresh : profile;
}

void TFAcc2::Image1Click()
{
    QFileDialog OpenPictureDialog1(this);
    OpenPictureDialog1.setObjectName(QStringLiteral("OpenPictureDialog1"));
    OpenPictureDialog1.setOption(QFileDialog::DontUseNativeDialog);
    OpenPictureDialog1.setFileMode(QFileDialog::ExistingFile);
    OpenPictureDialog1.setNameFilter(QStringLiteral("JPEG (*.jpg *.jpeg)"));
    if (platform::presenter().exec(OpenPictureDialog1) != QDialog::Accepted)
        return;
    const QString file = OpenPictureDialog1.selectedFiles().value(0);
    if (file.isEmpty())
        return;
    const QImage photo = FAcc2::LoadProfilePhoto(file);
    if (photo.isNull()) {
        MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtPhotoFormat), QString(), QString());
        return;
    }
    ChosenFile = file;
    drawPhoto(photo);
    ButtonOKF->setEnabled(true);
}

void TFAcc2::ButtonOKFClick()
{
    QFile source(ChosenFile);
    const QImage photo = FAcc2::LoadProfilePhoto(ChosenFile);
    if (photo.isNull() || !source.open(QIODevice::ReadOnly)) {
        uploadFailed();
        return;
    }
    const QByteArray bytes = source.readAll();
    // The nick names a file: it must not lead into another folder.
    const QString nick = AccountUser.Nick;
    QString exeDir;
    DrawHelpers::ExeDir(exeDir);
    if (FAcc1::CheckAccountField(nick, 1) == 1 || !QDir(exeDir).mkpath(QStringLiteral("Ava")) ||
        !platform::writeFileAtomically(exeDir + QStringLiteral("Ava/") + nick + QStringLiteral(".jpg"), bytes)) {
        uploadFailed();
        return;
    }
    platform::HttpOptions options;
    options.userAgent.clear();
    const platform::HttpResult reply = platform::httpPostMultipart(
        Scrambler::UnscrambleText(UploadScriptAddressCoded, Scrambler::KeyAccount), bytes,
        nick + QStringLiteral(".jpg"), QByteArray("image/jpeg"), options);
    if (!reply.ok || !reply.body.contains("Ok")) {
        uploadFailed();
        return;
    }
    sound("WavDown");
    AccountPhotoLoaded = DownloadAvatar(nick, 1);
    drawPhoto(AccountPhotoLoaded ? AccountPhoto : QImage());
    ButtonOKF->setEnabled(false);
}

void TFAcc2::ButtonCancelClick()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    reject();
}

int ShowFAcc2(QWidget* owner)
{
    TFAcc2 form(owner);
    form.FormPaintFirst();
    return platform::presenter().exec(form);
}
