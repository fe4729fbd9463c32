#include "app/MenuCommands.h"

#include "app/Qyv_FAbout.h"
#include "app/Qyv_FOptions.h"
#include "app/Qyv_FPapa.h"
#include "app/Qyv_FTopTen.h"
#include "app/Qyv__Form1.h"
#include "app/RoundStart.h"
#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/MenuDecorations.h"
#include "foundation/MessageBox.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/StartScreen.h"
#include "foundation/Texts.h"
#include "online/FChat.h"
#include "online/FServerRead.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_FStat.h"
#include "platform/AtomicFile.h"
#include "platform/Help.h"
#include "platform/Http.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/ProgramFolder.h"
#include "platform/Seams.h"
#include "platform/ShellOpen.h"

#include <QAction>
#include <QFileDialog>
#include <QPushButton>
#include <QUrl>

namespace MenuCommands {

namespace {

void click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
}

QString quotedProductName()
{
    return QLatin1Char('"') + Texts::Tx(Texts::ProductNames) + QLatin1Char('"');
}

void tell(const QString& line)
{
    MessageBox::ShowLinkMessage(line, QString(), QString());
}

// A link from the status page is fetched only over the web: a file or resource address
// must not be copied anywhere by it.
bool downloadableLink(const QString& link)
{
    const QUrl url(link.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

} // namespace

QString DownloadFileName(const QString& link)
{
    // The path's last part: a query or fragment is not part of the name.
    return QUrl(link.trimmed()).fileName();
}

QString DownloadExtension(const QString& link)
{
    const QString name = DownloadFileName(link);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

void ImAnClick(QWidget* owner)
{
    click();
    const QString link = MenuDecorations::DownloadLink;
    if (link.isEmpty() || !downloadableLink(link)) {
        tell(quotedProductName() + QLatin1Char(' ') + Texts::Tx(Texts::TxtApkUnavailable));
        return;
    }
    QFileDialog SaveDialog1(owner);
    SaveDialog1.setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1.setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1.setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1.setFileMode(QFileDialog::AnyFile);
    const QString extension = DownloadExtension(link);
    if (!extension.isEmpty()) {
        SaveDialog1.setNameFilter(extension + QStringLiteral(" (*.") + extension + QLatin1Char(')'));
        SaveDialog1.setDefaultSuffix(extension);
    }
    SaveDialog1.setDirectory(platform::programFolder());
    SaveDialog1.selectFile(DownloadFileName(link));
    if (platform::presenter().exec(SaveDialog1) != QDialog::Accepted)
        return;
    const QString target = SaveDialog1.selectedFiles().value(0);
    if (target.isEmpty())
        return;
    // Not reported either way; only a whole package replaces the chosen file.
    const platform::HttpResult reply = platform::httpGet(link.trimmed());
    if (reply.ok)
        platform::writeFileAtomically(target, reply.body);
}

void ImGPClick()
{
    click();
    if (!MenuDecorations::StoreLink.isEmpty()) {
        platform::openUrl(MenuDecorations::StoreLink);
        return;
    }
    tell(quotedProductName() + Texts::Tx(Texts::TxtOn) + Texts::Tx(Texts::TxtGooglePlayUnavailable));
}

void ImChClick(QWidget* owner)
{
    click();
    if (Settings::ChatOn)
        ShowFormChat(owner);
    else
        tell(Texts::Tx(Texts::TxtChatUnavailable));
}

void ImWTClick(QWidget* owner)
{
    click();
    if (Settings::WorldTopTenOn)
        ShowFormServerRead(owner);
    else
        tell(Texts::Tx(Texts::TxtWorldTopTenUnavailable));
}

void ImStClick(QWidget* owner)
{
    click();
    ShowFStat(owner);
}

void ImHpClick()
{
    click();
    if (platform::randomBelow(2) == 0)
        platform::openUrl(MakerSiteHost + MakerSitePage);
    else
        platform::openUrl(SecondSiteHost + SecondSitePage);
}

void ImAcClick(QWidget* owner)
{
    click();
    const int state = Online::OnlineState;
    const QString nick = Online::AccountUser.Nick;
    // Rated play is offered only on the way into a game.
    Online::AccountPlayAllowed = false;
    ShowFAcc1(owner);
    MenuDecorations::DrawAccountIcon(Online::OnlineState);
    if (Online::OnlineState != state || Online::AccountUser.Nick != nick)
        StartScreen::ShowMainMenu(0, 0);
}

void Button9Click(QWidget* owner)
{
    click();
    ShowFormTopTen(owner);
}

void Button10Click()
{
    click();
    Options::ShowOptionsDialog();
}

void AboutClick(QWidget* owner)
{
    click();
    ShowFormAbout(owner);
}

void HelpClick()
{
    click();
    const int language = Texts::LanguageIndex;
    const QString ownFolder = QStringLiteral(":/res/help/") + platform::helpLanguageCode(language) + QLatin1Char('/');
    if (!platform::helpContentsPath(language).startsWith(ownFolder))
        platform::presenter().message(platform::MessageKind::Information, Texts::Tx(Texts::ProductNames),
                                      Texts::Tx(Texts::TxtExcuse) + QLatin1Char('\n') +
                                          Texts::Tx(Texts::TxtHelpNotTranslated),
                                      platform::Buttons::Ok);
    platform::showHelpContents(language);
}

void N1Click(QWidget* owner)
{
    click();
    ShowFormPapa(owner);
}

void BindMenuCommands(TForm1& form)
{
    TForm1* f = &form;
    // An exception inside a command is reported and the window goes on.
    auto guarded = [](std::function<void()> handler) {
        return [handler] { RoundStart::Guarded(handler); };
    };
    f->ImAn->onClick = [f] { ImAnClick(f); };
    f->ImGP->onClick = [] { ImGPClick(); };
    f->ImCh->onClick = [f] { ImChClick(f); };
    f->ImWT->onClick = [f] { ImWTClick(f); };
    f->ImSt->onClick = [f] { ImStClick(f); };
    f->ImHp->onClick = [] { ImHpClick(); };
    f->ImAc->onClick = [f] { ImAcClick(f); };
    QObject::connect(f->Button9, &QPushButton::clicked, f, guarded([f] { Button9Click(f); }));
    QObject::connect(f->Button10, &QPushButton::clicked, f, guarded([] { Button10Click(); }));
    QObject::connect(f->About, &QAction::triggered, f, guarded([f] { AboutClick(f); }));
    QObject::connect(f->Help, &QAction::triggered, f, guarded([] { HelpClick(); }));
    QObject::connect(f->N1, &QAction::triggered, f, guarded([f] { N1Click(f); }));
}

} // namespace MenuCommands
