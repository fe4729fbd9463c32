#include "foundation/Language.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Canvas.h"
#include "platform/Presenter.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <vector>

namespace Language {

namespace {

QFontDatabase::WritingSystem scriptOfLanguage()
{
    switch (Texts::LanguageIndex) {
    case 1: return QFontDatabase::Cyrillic;
    case 5: return QFontDatabase::SimplifiedChinese;
    case 8: return QFontDatabase::Japanese;
    case 9: return QFontDatabase::Korean;
    default: return QFontDatabase::Latin;
    }
}

// Fonts follow the interface language's script (see platform::setWritingSystemSource).
[[maybe_unused]] const bool scriptSourceInstalled = (platform::setWritingSystemSource(scriptOfLanguage), true);

QString answerText(platform::Answer answer)
{
    switch (answer) {
    case platform::Answer::Yes: return Texts::Tx(Texts::TxtYes);
    case platform::Answer::No: return Texts::Tx(Texts::TxtNo);
    case platform::Answer::Cancel: return Texts::Tx(Texts::TxtCancel);
    default: return {};
    }
}

// The question boxes answer in the interface language too.
[[maybe_unused]] const bool buttonTextsInstalled = (platform::setButtonTextSource(answerText), true);

struct Row {
    QPointer<QObject> owner;
    std::function<void()> apply;
};

std::vector<Row>& rows()
{
    static std::vector<Row> r;
    return r;
}

void dropDead()
{
    auto& r = rows();
    std::erase_if(r, [](const Row& row) { return row.owner.isNull(); });
}

} // namespace

void Register(QObject* owner, std::function<void()> apply)
{
    if (!owner || !apply)
        return;
    dropDead();
    rows().push_back({QPointer<QObject>(owner), std::move(apply)});
}

void Title(QWidget* window, TextSource text)
{
    Register(window, [window, text = std::move(text)] { window->setWindowTitle(text()); });
}

void Hint(QWidget* control, TextSource text)
{
    Register(control, [control, text = std::move(text)] { control->setToolTip(text()); });
}

void Property(QObject* control, const char* property, TextSource text)
{
    Register(control, [control, property, text = std::move(text)] {
        control->setProperty(property, QVariant(text()));
    });
}

TextSource From(const Texts::TText& table)
{
    return [&table] { return Texts::Shown(Texts::Tx(table)); };
}

int RowCount()
{
    dropDead();
    return static_cast<int>(rows().size());
}

void ApplyLanguage()
{
    dropDead();
    // A row may register further rows (a window filling a list); walk by index so
    // the vector may grow underneath.
    auto& r = rows();
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i].owner.isNull())
            continue;
        auto apply = r[i].apply;
        apply();
    }
}

void SetLanguage(int index)
{
    if (index < 0 || index >= Texts::LanguageCount)
        return;
    Texts::LanguageIndex = index;
    // Faces are resolved for the language's script: a switch picks them as a fresh start would.
    FontsAndCursors::ApplyFormFonts();
    ApplyLanguage();
}

void RegisterSurface(TTableSurface& s)
{
    Title(&s, [] {
        QString game;
        GameTables::GameNameOf(game);
        return Texts::Tx(Texts::ProductNames) + QStringLiteral(" - ") + game;
    });
    if (s.Button6)
        Caption(s.Button6, Texts::TxtNewPlayer);
    if (s.Button9)
        Caption(s.Button9, Texts::TxtTopTen);
    if (s.Button10)
        Caption(s.Button10, Texts::TxtOptions);
    if (s.Button11)
        Caption(s.Button11, Texts::TxtExit);
    if (s.Panel4)
        Caption(s.Panel4, Texts::TxtClubMembersTitle);
}

} // namespace Language

namespace GameTables {

void GameNameOf(QString& name)
{
    const int slot = GameSlotOf(GameState::CurrentGameId);
    name = slot == 0 ? QString() : Texts::Tx(Texts::GameNames[slot]);
}

} // namespace GameTables
