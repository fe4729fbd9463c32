#include "foundation/Settings.h"

#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/Presenter.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>

namespace Settings {

namespace {

// Longest values a field may hold; a longer one is not a value this program wrote.
constexpr int MaxFontName = 31;
constexpr int MaxPlayerName = 20;
constexpr int MaxAddress = 2048;
constexpr int MaxPassportNick = 12;
constexpr int MaxPassportCity = 15;

const char* const DefaultFontNames[4] = {"Comic Sans MS", "Comic Sans MS", "Fixedsys", "Courier New"};

QString* fontNames[4] = {&FontTimesName, &FontSerifName, &FontCouriName, &FontConewName};
int* fontPercents[4] = {&FontTimesPercent, &FontSerifPercent, &FontCouriPercent, &FontConewPercent};

// Control characters read as blanks, as the writer puts them.
QString text(QByteArray bytes)
{
    for (char& c : bytes)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return platform::cp1251::toUnicode(bytes);
}

// Scrambled texts hold only the 64 characters of their alphabet.
bool scrambledForm(const QString& s)
{
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (!((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '+' || u == '/'))
            return false;
    }
    return true;
}

// A decimal number of digits only; -1 for anything else.
int digits(const QByteArray& t)
{
    if (t.isEmpty() || t.size() > 6)
        return -1;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

int numberIn(const QByteArray& t, int low, int high, int fallback)
{
    const int v = digits(t);
    return v >= low && v <= high ? v : fallback;
}

char charAt(const QByteArray& line, int column)
{
    return column <= line.size() ? line[column - 1] : '\0';
}

bool plainAddress(const QString& plain)
{
    return plain.startsWith(QLatin1String("http://")) || plain.startsWith(QLatin1String("https://"));
}

// Takes a scrambled address when it unscrambles to a web address.
bool takeAddress(const QString& coded, std::uint16_t key, QString& codedOut, QString& plainOut)
{
    const QString c = coded.trimmed();
    if (c.isEmpty() || c.size() > MaxAddress || !scrambledForm(c))
        return false;
    const QString plain = Scrambler::UnscrambleText(c, key);
    if (!plainAddress(plain))
        return false;
    codedOut = c;
    plainOut = plain;
    return true;
}

bool countryCodeValid(const QByteArray& t)
{
    static const int limits[6] = {48, 51, 35, 14, 23, 54};
    if (t.size() != 5 || t[0] < '1' || t[0] > '6' || t[1] != '-')
        return false;
    const int n = digits(t.mid(2, 3));
    return n >= 0 && n <= limits[t[0] - '1'];
}

void applyLine2(const QByteArray& l)
{
    const char c1 = charAt(l, 1);
    if (c1 >= '0' && c1 <= '9')
        Texts::LanguageIndex = c1 - '0';
    switch (charAt(l, 2)) {
    case '0': SoundOn = false; SoundFlag2 = false; break;
    case '1': SoundOn = true; SoundFlag2 = true; break;
    case '2': SoundOn = true; SoundFlag2 = false; break;
    case '3': SoundOn = false; SoundFlag2 = true; break;
    default: break;
    }
    const char c3 = charAt(l, 3);
    MoveMode = c3 == '1' || c3 == '2' ? c3 - '0' : 0;
    GifAnimationOn = charAt(l, 4) != '0';
    YellowCursor = charAt(l, 5) == '1';
    StartStatPosted = charAt(l, 6) == 'R';
    GameLiked = charAt(l, 7) == 'L';
    const char c8 = charAt(l, 8);
    WindowSize = c8 >= '1' && c8 <= '5' ? c8 - '0' : 1;
    // A code that is a number but none of the fifty games becomes 431; no number at
    // all keeps the default game.
    const int code = l.size() >= 11 ? digits(l.mid(8, 3)) : -1;
    if (code >= 0)
        GameState::CurrentGameId = GameTables::GameSlotOf(code) ? code : 431;
    ServerGameCode = ServerGameCodeFor(GameState::CurrentGameId);
    GameState::CurrentGroup = GameTables::GameGroupOf(GameState::CurrentGameId);
}

QByteArray bytes(const QString& s)
{
    QByteArray b = platform::cp1251::fromUnicode(s);
    // A line end inside a value would shift every later line.
    for (char& c : b)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return b;
}

// A value to write, or its default when it could not be read back.
QByteArray orDefault(const QString& value, int maxLength, const QString& fallback)
{
    const QByteArray b = bytes(value);
    return b.trimmed().isEmpty() || b.size() > maxLength ? bytes(fallback) : b;
}

QByteArray digitOf(int v, int low, int high, int fallback)
{
    return QByteArray::number(v >= low && v <= high ? v : fallback);
}

} // namespace

QString ServerGameCodeFor(int gameId)
{
    switch (gameId) {
    case 19: return QStringLiteral("soltu");
    case 71: return QStringLiteral("solvd");
    case 12: return QStringLiteral("solpg");
    case 18: return QStringLiteral("solbo");
    case 17: return QStringLiteral("soluq");
    default: break;
    }
    return gameId > 400 ? QStringLiteral("sol%1").arg(gameId) : QString();
}

void SetDefaultSettings()
{
    Texts::LanguageIndex = 0;
    SoundOn = true;
    SoundFlag2 = true;
    MoveMode = 0;
    GifAnimationOn = true;
    YellowCursor = false;
    StartStatPosted = true;
    GameLiked = true;
    WindowSize = 1;
    GameState::CurrentGameId = 71;
    GameState::CurrentGroup = GameTables::GameGroupOf(71);
    ServerGameCode = ServerGameCodeFor(71);
    FaceDeckNo = 0;
    BackDeckNo = 0;
    BackModeFlag = true;
    for (int i = 0; i < 4; ++i) {
        *fontNames[i] = QString::fromLatin1(DefaultFontNames[i]);
        *fontPercents[i] = 100;
    }
    BackgroundNo = 2;
    BackgroundColorIndex = 0;
    LocalPlayerName = Texts::TxtUnknown[0];
    // Set here rather than halfway through the file, so that a short file never
    // leaves them empty for the next save.
    RatingServiceAddressCoded = ServerAddresses::BuiltInRatingAddressCoded;
    RatingServiceAddress = Scrambler::UnscrambleText(RatingServiceAddressCoded, Scrambler::KeySettings);
    PassportNick = QStringLiteral("Incognito");
    PassportCountry = QStringLiteral("1-001");
    PassportCity = QStringLiteral("Moscow");
    PassportSex = QStringLiteral("M");
    StatServiceAddressCoded = ServerAddresses::BuiltInStatAddressCoded;
    StatServiceAddress = Scrambler::UnscrambleText(StatServiceAddressCoded, Scrambler::KeySettings);
    AccountServiceAddress = ServerAddresses::BuiltInAccountAddressCoded;
    WorldTopTenOn = false;
    ChatOn = true;
}

bool ApplySettingsLines(const QList<QByteArray>& lines)
{
    if (lines.size() < SettingsLineCount)
        return false;
    auto line = [&](int n) -> const QByteArray& { return lines[n - 1]; };

    if (line(2).size() < 7)
        return false;
    applyLine2(line(2));

    FaceDeckNo = numberIn(line(4).trimmed(), 0, 47, 0);

    if (line(6).size() < 3)
        return false;
    BackDeckNo = numberIn(line(6).left(2), 0, 12, 0);
    BackModeFlag = line(6)[2] == '0';

    for (int i = 0; i < 4; ++i) {
        const QByteArray& l = line(8 + i);
        if (l.size() < 2)
            return false;
        if (l.size() <= MaxFontName)
            *fontNames[i] = text(l);
    }
    for (int i = 0; i < 4; ++i) {
        const QByteArray& l = line(12 + i);
        if (l.isEmpty())
            return false;
        *fontPercents[i] = numberIn(l.trimmed(), 50, 150, 100);
    }

    BackgroundNo = numberIn(line(17).left(2), 0, 10, 2);
    BackgroundColorIndex = numberIn(line(17).mid(2, 1), 0, 6, 0);

    if (line(18).isEmpty() || line(19).isEmpty())
        return false;
    LocalPlayerName = text(line(19).left(MaxPlayerName));

    if (line(21).isEmpty())
        return false;
    takeAddress(text(line(21)), Scrambler::KeySettings, RatingServiceAddressCoded, RatingServiceAddress);

    if (line(22).isEmpty())
        return false;
    PassportNick = text(line(22).left(MaxPassportNick));

    if (line(23).size() != 5)
        return false;
    if (countryCodeValid(line(23)))
        PassportCountry = text(line(23));

    if (line(24).isEmpty())
        return false;
    PassportCity = text(line(24).left(MaxPassportCity));

    if (line(25).isEmpty())
        return false;
    const char sex = line(25)[0];
    PassportSex = sex == 'W' ? QStringLiteral("W") : QStringLiteral("M");

    if (line(27).isEmpty())
        return false;
    takeAddress(text(line(27)), Scrambler::KeySettings, StatServiceAddressCoded, StatServiceAddress);
    return true;
}

void RefreshServerAddresses()
{
    QString path;
    bool chatOn = true;
    ServerAddresses::FetchRatingPath(ServerAddresses::ConfigPageAddress, 2, chatOn, path);
    ChatOn = chatOn;
    if (path == QLatin1String("pause")) {
        WorldTopTenOn = false;
    } else {
        WorldTopTenOn = true;
        if (path != QLatin1String("old"))
            takeAddress(path, Scrambler::KeySettings, RatingServiceAddressCoded, RatingServiceAddress);
    }

    ServerAddresses::FetchStatPath(ServerAddresses::ConfigPageAddress, path);
    takeAddress(path, Scrambler::KeySettings, StatServiceAddressCoded, StatServiceAddress);

    AccountServiceAddress = ServerAddresses::BuiltInAccountAddressCoded;
    ServerAddresses::FetchAccPath(ServerAddresses::ConfigPageAddress, path);
    QString plain;
    takeAddress(path, Scrambler::KeyAccount, AccountServiceAddress, plain);
}

void LoadSettings()
{
    SetDefaultSettings();
    const QString file = platform::programFolder() + SettingsFileName;
    if (!QFileInfo::exists(file)) {
        // A fresh installation has posted no start and sent no like yet.
        StartStatPosted = false;
        GameLiked = false;
        return;
    }
    QByteArray content;
    if (!TextFileLines::ReadFileBytes(file, content))
        return;
    if (ApplySettingsLines(TextFileLines::SplitLines(content, SettingsLineCount)))
        RefreshServerAddresses();
}

QList<QByteArray> SettingsLines()
{
    QByteArray l2(11, '#');
    l2[0] = digitOf(Texts::LanguageIndex, 0, 9, 0)[0];
    l2[1] = SoundOn ? (SoundFlag2 ? '1' : '2') : (SoundFlag2 ? '3' : '0');
    l2[2] = digitOf(MoveMode, 0, 2, 0)[0];
    l2[3] = GifAnimationOn ? '1' : '0';
    l2[4] = YellowCursor ? '1' : '0';
    l2[5] = StartStatPosted ? 'R' : '#';
    l2[6] = GameLiked ? 'L' : '#';
    l2[7] = digitOf(WindowSize, 1, 5, 1)[0];
    const int game = GameTables::GameSlotOf(GameState::CurrentGameId) ? GameState::CurrentGameId : 71;
    l2.replace(8, 3, QByteArray::number(game).rightJustified(3, '0'));

    QList<QByteArray> out;
    out << "<# General>" << l2;
    out << "<# Cards>" << digitOf(FaceDeckNo, 0, 47, 0);
    out << "<# Decks>" << digitOf(BackDeckNo, 0, 12, 0).rightJustified(2, '0') + (BackModeFlag ? "0" : "1");
    out << "<# Fonts>";
    for (int i = 0; i < 4; ++i) {
        QByteArray name = orDefault(*fontNames[i], MaxFontName, QString::fromLatin1(DefaultFontNames[i]));
        out << name;
    }
    for (int i = 0; i < 4; ++i)
        out << digitOf(*fontPercents[i], 50, 150, 100);
    out << "<# Backgraund>"
        << digitOf(BackgroundNo, 0, 10, 2).rightJustified(2, '0') + digitOf(BackgroundColorIndex, 0, 6, 0);
    out << "<# Name Of Player>" << orDefault(LocalPlayerName.left(MaxPlayerName), MaxPlayerName, Texts::TxtUnknown[0]);
    out << "<# World Top Ten>" << orDefault(RatingServiceAddressCoded, MaxAddress, ServerAddresses::BuiltInRatingAddressCoded);
    out << orDefault(PassportNick.left(MaxPassportNick), MaxPassportNick, QStringLiteral("Incognito"));
    const QByteArray country = bytes(PassportCountry);
    out << (countryCodeValid(country) ? country : QByteArray("1-001"));
    out << orDefault(PassportCity.left(MaxPassportCity), MaxPassportCity, QStringLiteral("Moscow"));
    out << QByteArray(PassportSex == QLatin1String("W") ? "W" : "M");
    out << "<# Server: Stat>" << orDefault(StatServiceAddressCoded, MaxAddress, ServerAddresses::BuiltInStatAddressCoded);
    return out;
}

void SaveSettings()
{
    const QString path = platform::programFolder() + SettingsFileName;
    if (!TextFileLines::WriteFileBytes(path, TextFileLines::JoinLines(SettingsLines())))
        platform::presenter().message(platform::MessageKind::Error, QString(),
                                      Texts::Tx(Texts::TxtCantSaveOptions), platform::Buttons::Ok);
}

} // namespace Settings
