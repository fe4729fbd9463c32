// The champions list: the top ten of the current game's block of the club file.
#include "ImagePixels.h"

#include "app/Qyv_FTopTen.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1251.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "support/ProgramFolderFixture.h"
#include "support/ScriptedPresenter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray topLine(const QString& name, int score)
{
    return platform::cp1251::fromUnicode(name.leftJustified(20, QLatin1Char(' '), true)) +
           QByteArray::number(score).rightJustified(6, ' ');
}

class TopTenList : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        lines = ClubFile::EmptyClubLines("ozk");
        // Game number 2 (code 71) owns lines 19-36; its top ten is lines 24-33.
        for (int i = 1; i <= 10; ++i)
            lines[23 + i - 1] = topLine(QStringLiteral("Player %1").arg(i), 1000 - i * 10);
        lines[23 + 6 - 1] = QByteArray(20, ' ') + QByteArray("    35"); // a blank name
        lines[23 + 8 - 1] = topLine(QStringLiteral("Ёлкин Жора"), -99999);
        // Neighbours that must not show: the last entry line of block 2 and block 3's first place.
        lines[22] = topLine(QStringLiteral("Entry five"), 1);
        lines[33] = topLine(QStringLiteral("Number line"), 2);
        lines[18 * 2 + 5] = topLine(QStringLiteral("Block three"), 3);
        ClubFile::UpdateClubChecksums(lines);
        write();
    }
    void write()
    {
        QByteArray bytes;
        for (const QByteArray& l : lines)
            bytes += l + "\r\n";
        ASSERT_TRUE(platform::writeFileAtomically(platform::programFolder() + file(), bytes));
    }
    // Club files are named within the program folder.
    QString file() const { return ClubFile::ClubFileName; }

    ClubFile::ClubLines lines;
};

TEST_F(TopTenList, ReadsLines24To33ForGame71)
{
    TopTen::TopTenRow rows[10];
    ASSERT_TRUE(TopTen::ReadTopTen(file(), 71, rows));
    const struct {
        int place;
        const char* name;
        const char* score;
    } expected[] = {{1, "Player 1", "   990"}, {5, "Player 5", "   950"}, {6, "", "    35"},
                    {8, "Ёлкин Жора", "-99999"}, {10, "Player 10", "   900"}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.place);
        EXPECT_EQ(rows[e.place - 1].Name.trimmed(), QString::fromUtf8(e.name));
        EXPECT_EQ(rows[e.place - 1].Name.size(), 20);
        EXPECT_EQ(rows[e.place - 1].Score, QString::fromLatin1(e.score));
    }
    for (const TopTen::TopTenRow& r : rows) {
        EXPECT_FALSE(r.Name.contains(QStringLiteral("Entry five")));
        EXPECT_FALSE(r.Name.contains(QStringLiteral("Number line")));
        EXPECT_FALSE(r.Name.contains(QStringLiteral("Block three")));
    }
    // The first game's block has only empty places: 20 blanks and "     0".
    ASSERT_TRUE(TopTen::ReadTopTen(file(), 431, rows));
    for (const TopTen::TopTenRow& r : rows) {
        EXPECT_EQ(r.Name, QString(20, QLatin1Char(' ')));
        EXPECT_EQ(r.Score, QStringLiteral("     0"));
    }
}

TEST_F(TopTenList, UnreadableFileOrUnknownGameGivesBlankPlaces)
{
    TopTen::TopTenRow rows[10];
    rows[0].Name = QStringLiteral("stale");
    EXPECT_FALSE(TopTen::ReadTopTen(file(), 999, rows));
    EXPECT_TRUE(rows[0].Name.isEmpty());
    EXPECT_FALSE(TopTen::ReadTopTen(QStringLiteral("missing.clb"), 71, rows));
    lines.resize(500); // a cut-off file
    write();
    EXPECT_FALSE(TopTen::ReadTopTen(file(), 71, rows));
    for (const TopTen::TopTenRow& r : rows)
        EXPECT_TRUE(r.Name.isEmpty() && r.Score.isEmpty());
}

TEST_F(TopTenList, WindowDrawsPlacesOneToThreeRedTheRestNavy)
{
    GameState::CurrentGameId = 71;
    const bool savedGif = Settings::GifAnimationOn;
    Settings::GifAnimationOn = false;
    testsupport::ScriptedPresenter presenter;
    bool checked = false;
    presenter.onDialog = [&](QDialog& d) {
        auto& f = static_cast<TFormTopTen&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Top Ten"));
        EXPECT_EQ(WindowParts::HelpContextOf(f), 1);
        EXPECT_EQ(f.RxGIFAn1->Resource(), QStringLiteral("GTopTen"));
        EXPECT_EQ(f.RxGIFAn1->Frame(), 15);
        EXPECT_GT(PixelsOf(f, platform::clMaroon, 60, 80), 0);   // the headings
        EXPECT_GT(PixelsOf(f, platform::clRed, 90, 90 + 3 * 22), 0);
        EXPECT_EQ(PixelsOf(f, platform::clNavy, 90, 90 + 3 * 22 - 2), 0);
        EXPECT_GT(PixelsOf(f, platform::clNavy, 90 + 3 * 22, 90 + 10 * 22), 0);
        EXPECT_EQ(PixelsOf(f, platform::clRed, 90 + 3 * 22 + 2, 90 + 10 * 22), 0);
        checked = true;
        return QDialog::Accepted;
    };
    ShowFormTopTen(nullptr);
    EXPECT_TRUE(checked);
    EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormTopTen")});
    Settings::GifAnimationOn = savedGif;
}

TEST_F(TopTenList, EscAndOkClearTheAnimation)
{
    GameState::CurrentGameId = 71;
    for (bool esc : {true, false}) {
        TFormTopTen f;
        f.FormActivate();
        ASSERT_NE(f.RxGIFAn1->Movie(), nullptr);
        if (esc)
            f.reject();
        else
            f.Button1Click();
        EXPECT_EQ(f.RxGIFAn1->Movie(), nullptr);
        EXPECT_EQ(f.result(), esc ? QDialog::Rejected : QDialog::Accepted);
    }
}

} // namespace
