// A real add-on library, as the build makes it, fetched from a server on 127.0.0.1 and
// then read by the deck loader from the folder above the program's folder.
#include "app/AddOnDownloads.h"
#include "app/Qyv_FOptions.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/ProgramFolder.h"
#include "support/LoopbackServer.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(AddOnBundleDownload, DownloadedDeckLibraryLoadsItsDecksAtTheNextChoice)
{
    QFile built(QCoreApplication::applicationDirPath() + QStringLiteral("/QyvCards07C.dll"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << "the build puts the library beside the tests";
    const QByteArray bundle = built.readAll();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("prog")));
    platform::setProgramFolderForTest(dir.path() + QStringLiteral("/prog/"));
    testsupport::LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    AddOnDownloads::SetDownloadHost(server.url(QString()));
    testsupport::ScriptedPresenter presenter;
    RecordingSoundSink sound;
    GameState::ResetGameState();
    Settings::SetDefaultSettings();
    Scaling::Scale = 1.0;
    Scaling::ClassicCardMode = 1;
    FormOptions = new TFormOptions;
    server.setPage("/downloads/varor/cards/QyvCards07C.dll", bundle, "application/octet-stream");

    // Before the download the deck falls back to the built-in one with a message.
    Settings::FaceDeckNo = 45;
    EXPECT_FALSE(CardPictures::LoadCardFaces());
    EXPECT_EQ(presenter.messages.size(), 1u);

    EXPECT_TRUE(AddOnDownloads::DownloadAddOnLibrary(8));
    QFile stored(dir.path() + QStringLiteral("/QyvCards07C.dll"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.size(), bundle.size());
    EXPECT_FALSE(FormOptions->ButtonDLLCardsC_1->isEnabled());

    for (int deck : {40, 45, 47}) {
        Settings::FaceDeckNo = deck;
        EXPECT_TRUE(CardPictures::LoadCardFaces()) << deck;
        EXPECT_EQ(Settings::FaceDeckNo, deck);
    }
    EXPECT_EQ(presenter.messages.size(), 1u) << "no message once the library is there";

    delete FormOptions;
    FormOptions = nullptr;
    AddOnDownloads::SetDownloadHost(QStringLiteral("http://127.0.0.1:8080"));
    platform::setProgramFolderForTest({});
    Settings::SetDefaultSettings();
    CardPictures::LoadCardFaces();
}
