#pragma once
// The club file "Vardelin.clb" in the program folder: 900 one-byte lines, fifty blocks
// of 18, one block per game number. Lines 1-5 of a block are the player entries (best
// first), 6-15 the top ten, 16 the game number (and two marker bytes in block 1), 17 the
// label (block 1) and three checksums, 18 free. The program never creates the file;
// the installation ships an empty one. Every operation reads and rewrites it whole.
#include <QByteArray>
#include <QList>
#include <QString>

namespace ClubFile {

inline const QString ClubFileName = QStringLiteral("Vardelin.clb");

inline constexpr int ClubLineCount = 900;
inline constexpr int ClubBlockLines = 18;
inline constexpr int ClubEntryCount = 5;
inline constexpr int ClubEntryLength = 55;
inline constexpr int ClubTopLength = 26;
inline constexpr int ClubMarkLength = 28;
inline constexpr int ClubNameLength = 20;
// What the six score columns and the three round columns can hold.
inline constexpr int ClubScoreMin = -99999;
inline constexpr int ClubScoreMax = 999999;
inline constexpr int ClubRoundsMax = 999;

// Lines of the whole file, without line ends, index 0 = line 1.
using ClubLines = QList<QByteArray>;

// Set by the start-up check when the file is write-protected: nothing writes it then.
inline bool ClubFileReadOnly = false;
// Columns 7-9 of line 17 of block 1, taken by the start-up check.
inline QString ClubLabel;
// Place 1..10 reached in the top ten by a finished series, 0 when not placed.
inline int EndGamePlace = 0;
// Final score of the finished series.
inline int EndGameScore = 0;

// The start-up check. False after it has shown its message: the caller closes the
// main window. A valid file is rewritten as read (line ends become CR LF) unless it is
// write-protected.
bool OpenClubFile(const QString& fileName);

// The password field (five characters) of entry 1..5 of the game number's block,
// decoded. False (field five blanks) when the file cannot be read or the arguments are
// out of range.
bool ReadClubField(int gameNumber, int entry, const QString& fileName, QString& field);

// The field padded with blanks to five characters (the rest is ignored), each
// character written as its one-byte code + 234 in three digits.
QString EncodeClubField(const QString& field);

// Recomputes the three checksums of every block into columns 11-28 of its line 17.
void UpdateClubChecksums(ClubLines& lines);

// Takes entry 1..5 out of the game number's block: the entries below move up, the fifth
// becomes empty. False when the file could not be read or written (message shown).
bool DeleteClubEntry(const QString& fileName, int entry, int gameNumber);

// Puts a 55-character entry back in score order, or after a tenth round
// (GameState::ClubResultPending) enters its score into the top ten and sets
// EndGamePlace and EndGameScore. False when the file could not be read or written.
bool InsertClubEntry(const QString& entryLine, const QString& fileName, int gameNumber);

// --- helpers for the callers that read and build entries ---

// "################################# #####################"
QByteArray EmptyClubEntry();
// True when character 33 of the entry is "#".
bool IsEmptyClubEntry(const QByteArray& line);

// A number field: blanks around it allowed, anything that is not a decimal integer
// reads 0.
int ClubNumber(const QByteArray& text);

// False when the name holds a character the one-byte file cannot store; the sign-in
// refuses such a name (it would come back with question marks).
bool ClubNameAcceptable(const QString& name);

// The entry of a player: the name cut or padded to 20, the rounds and the score
// clamped to what their columns hold, the coded password (15 digits).
QString ComposeClubEntry(const QString& name, int rounds, int score, const QString& passwordCoded);

// The whole file's lines; false when it cannot be read or has fewer than 900 lines.
// Lines beyond 900 are ignored.
bool ReadClubLines(const QString& fileName, ClubLines& lines);
// ReadClubLines that shows "Can`t read the file" with the name when it fails.
bool ReadClubLinesOrReport(const QString& fileName, ClubLines& lines);

// The start-up check's rules over lines in memory: 900 lines, their lengths, the
// checksums and the two marker bytes.
bool ClubLinesValid(const ClubLines& lines);

// The in-memory halves of DeleteClubEntry and InsertClubEntry (arguments out of range
// change nothing). InsertClubEntryInLines with topTen set returns the place 1..10 or 0.
void DeleteClubEntryInLines(ClubLines& lines, int entry, int gameNumber);
int InsertClubEntryInLines(ClubLines& lines, const QByteArray& entryLine, int gameNumber, bool topTen);

// A file of fifty empty blocks that passes the start-up check.
ClubLines EmptyClubLines(const QByteArray& label);

} // namespace ClubFile
