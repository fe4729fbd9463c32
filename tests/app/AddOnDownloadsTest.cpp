// Download buttons of the options dialog against a server on 127.0.0.1.
#include "app/AddOnDownloads.h"
#include "app/Qyv_FOptions.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"
#include "support/LoopbackServer.h"
#include "support/RecordingSoundSink.h"
#include "support/ResourceBundle.h"
#include "support/ScriptedPresenter.h"

#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What a resource bundle starts with, and some content after it.
QByteArray bundleBytes()
{
    static const QByteArray bytes = testsupport::DummyBundleBytes();
    return bytes;
}

class AddOnDownloadsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("prog")));
        platform::setProgramFolderForTest(prog());
        ASSERT_TRUE(server.isListening());
        AddOnDownloads::SetDownloadHost(server.url(QString()));
        GameState::ResetGameState();
        Settings::SetDefaultSettings();
        FormOptions = new TFormOptions;
    }
    void TearDown() override
    {
        delete FormOptions;
        AddOnDownloads::SetDownloadHost(QStringLiteral("http://127.0.0.1:8080"));
        platform::setProgramFolderForTest({});
    }
    QString prog() const { return dir.path() + QStringLiteral("/prog/"); }
    QString above() const { return dir.path() + QStringLiteral("/"); }
    static void touch(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    // The names of every file in the test folders (stray temporary files included).
    QStringList allFiles() const
    {
        return QDir(above()).entryList(QDir::Files) + QDir(prog()).entryList(QDir::Files);
    }
    QByteArray soundOf(const char* name) const { return platform::resources::find(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    testsupport::LoopbackServer server;
    RecordingSoundSink sound;
    testsupport::ScriptedPresenter presenter;
};

std::vector<bool> enabledStates()
{
    std::vector<bool> out;
    for (TQyvCardsButton* b : FormOptions->DownloadButtons())
        out.push_back(b->isEnabled());
    return out;
}

} // namespace

TEST_F(AddOnDownloadsTest, ButtonsFollowThePresenceOfTheirLibraryInEitherFolder)
{
    // Buttons in the order A, B (cards), C, B (decks), backgrounds, calendar.
    const struct {
        const char* file;
        bool inProgramFolder;
        std::vector<bool> enabled;
    } cases[] = {
        {nullptr, false, {true, true, true, true, true, true}},
        {"QyvCards07B.dll", true, {true, false, true, false, true, true}},
        {"QyvCards07B.dll", false, {true, false, true, false, true, true}},
        {"QyvCards07A.dll", false, {false, true, true, true, true, true}},
        {"QyvCards07C.dll", true, {true, true, false, true, true, true}},
        {"QyvBackG03.dll", false, {true, true, true, true, false, true}},
        {"QyvCalendar01.dll", true, {true, true, true, true, true, false}},
        // A near miss of a name counts as absent.
        {"QyvCards06B.dll", true, {true, true, true, true, true, true}},
    };
    for (const auto& c : cases) {
        QString path;
        if (c.file) {
            path = (c.inProgramFolder ? prog() : above()) + QString::fromLatin1(c.file);
            touch(path);
        }
        AddOnDownloads::UpdateDownloadButtons();
        EXPECT_EQ(enabledStates(), c.enabled) << (c.file ? c.file : "none");
        for (TQyvCardsButton* b : FormOptions->DownloadButtons())
            EXPECT_EQ(b->KLightSB(), b->isEnabled() ? 0 : 50);
        if (!path.isEmpty())
            QFile::remove(path);
    }
}

TEST_F(AddOnDownloadsTest, SuccessfulDownloadStoresTheLibraryAboveAndDisablesItsButton)
{
    server.setPage("/downloads/varor/cards/QyvCards07A.dll", bundleBytes(), "application/octet-stream");
    AddOnDownloads::UpdateDownloadButtons();
    ASSERT_TRUE(FormOptions->ButtonDLLCardsA_1->isEnabled());

    FormOptions->ButtonDLLCardsA_1->click();

    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].path, QByteArray("/downloads/varor/cards/QyvCards07A.dll"));
    QFile stored(above() + QStringLiteral("QyvCards07A.dll"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), bundleBytes());
    EXPECT_FALSE(FormOptions->ButtonDLLCardsA_1->isEnabled());
    EXPECT_EQ(FormOptions->ButtonDLLCardsA_1->KLightSB(), 50);
    EXPECT_TRUE(FormOptions->ButtonDLLCardsB_1->isEnabled());
    ASSERT_EQ(sound.calls.size(), 1u);
    EXPECT_EQ(sound.calls[0].wav, soundOf("WavKoGood"));
    EXPECT_FALSE(sound.calls[0].wait);
    EXPECT_EQ(allFiles(), QStringList{QStringLiteral("QyvCards07A.dll")});
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(AddOnDownloadsTest, EachButtonAsksForItsOwnLibrary)
{
    const struct {
        TQyvCardsButton* TFormOptions::*button;
        const char* file;
    } cases[] = {
        {&TFormOptions::ButtonDLLCardsA_1, "QyvCards07A.dll"}, {&TFormOptions::ButtonDLLCardsB_1, "QyvCards07B.dll"},
        {&TFormOptions::ButtonDLLCardsB_2, "QyvCards07B.dll"}, {&TFormOptions::ButtonDLLCardsC_1, "QyvCards07C.dll"},
        {&TFormOptions::ButtonDLLBackG_1, "QyvBackG03.dll"},   {&TFormOptions::ButtonDLLCalendar, "QyvCalendar01.dll"},
    };
    for (const auto& c : cases) {
        server.clearRequests();
        (FormOptions->*c.button)->click();
        ASSERT_EQ(server.requests().size(), 1) << c.file;
        EXPECT_EQ(server.requests()[0].path, QByteArray("/downloads/varor/cards/") + c.file);
    }
}

TEST_F(AddOnDownloadsTest, FailedTransfersPlayTheFailureSoundAndLeaveNoFile)
{
    const QByteArray path = "/downloads/varor/cards/QyvCards07C.dll";
    const struct {
        const char* what;
        std::function<void(testsupport::LoopbackServer&)> arrange;
    } cases[] = {
        {"not found", [](testsupport::LoopbackServer&) {}},
        {"server error",
         [&](testsupport::LoopbackServer& s) { s.setPage(path, bundleBytes()); s.setFailure(path, testsupport::LoopbackServer::Failure::ServerError); }},
        {"connection cut",
         [&](testsupport::LoopbackServer& s) { s.setPage(path, bundleBytes()); s.setFailure(path, testsupport::LoopbackServer::Failure::CloseConnection); }},
        {"an error page served as success",
         [&](testsupport::LoopbackServer& s) { s.setPage(path, "<html>moved</html>", "text/html"); }},
        {"an empty reply", [&](testsupport::LoopbackServer& s) { s.setPage(path, QByteArray()); }},
        {"a bundle whose index points outside it", [&](testsupport::LoopbackServer& s) {
             QByteArray broken = bundleBytes();
             broken[8] = '\x7F'; // the tree offset
             s.setPage(path, broken);
         }},
    };
    for (const auto& c : cases) {
        server.removePage(path);
        server.setFailure(path, testsupport::LoopbackServer::Failure::None);
        c.arrange(server);
        sound.calls.clear();
        EXPECT_FALSE(AddOnDownloads::DownloadAddOnLibrary(8)) << c.what;
        EXPECT_TRUE(allFiles().isEmpty()) << c.what << ": " << allFiles().join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(FormOptions->ButtonDLLCardsC_1->isEnabled()) << c.what;
        ASSERT_EQ(sound.calls.size(), 1u) << c.what;
        EXPECT_EQ(sound.calls[0].wav, soundOf("WavKoBads")) << c.what;
    }
    // Nobody listening at all.
    server.stop();
    sound.calls.clear();
    EXPECT_FALSE(AddOnDownloads::DownloadAddOnLibrary(8));
    EXPECT_TRUE(allFiles().isEmpty());
    ASSERT_EQ(sound.calls.size(), 1u);
    EXPECT_EQ(sound.calls[0].wav, soundOf("WavKoBads"));
}

TEST_F(AddOnDownloadsTest, SoundOffIsSilentEitherWay)
{
    Settings::SoundOn = false;
    server.setPage("/downloads/varor/cards/QyvBackG03.dll", bundleBytes());
    EXPECT_TRUE(AddOnDownloads::DownloadAddOnLibrary(3));
    EXPECT_FALSE(AddOnDownloads::DownloadAddOnLibrary(4));
    EXPECT_TRUE(sound.calls.empty());
    EXPECT_FALSE(FormOptions->ButtonDLLBackG_1->isEnabled());
    EXPECT_TRUE(FormOptions->ButtonDLLCalendar->isEnabled());
}

TEST_F(AddOnDownloadsTest, AddressesAndUnknownNumbers)
{
    AddOnDownloads::SetDownloadHost(QStringLiteral("http://127.0.0.1:9/"));
    EXPECT_EQ(AddOnDownloads::DownloadUrlOf(2), QStringLiteral("http://127.0.0.1:9/downloads/varor/cards/QyvCards07B.dll"));
    for (int which : {0, 5, 6, 7, 9, 255, -1}) {
        EXPECT_TRUE(AddOnDownloads::LibraryFileOf(which).isEmpty()) << which;
        EXPECT_FALSE(AddOnDownloads::DownloadAddOnLibrary(which)) << which;
    }
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(AddOnDownloadsTest, ADownloadedLibraryIsFoundAtTheNextChoiceOfADeck)
{
    const QByteArray bundle = testsupport::DummyBundleBytes();
    if (bundle.isEmpty())
        GTEST_SKIP() << "no resource compiler";
    server.setPage("/downloads/varor/cards/QyvCards07A.dll", bundle, "application/octet-stream");
    ASSERT_TRUE(AddOnDownloads::DownloadAddOnLibrary(1));
    FormOptions->ComboBox1->setCurrentIndex(5);
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_EQ(Settings::FaceDeckNo, 5);
    EXPECT_EQ(FormOptions->ComboBox1->currentIndex(), 5);
}
