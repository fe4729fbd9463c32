#pragma once
// Localized texts: every visible text is a table of ten strings, one per language, in
// the order of LanguageIndex (English, Russian, German, French, Spanish, Chinese,
// Italian, Czech, Japanese, Korean).
//
// The entries themselves live in foundation/texts/*.cpp, one block per table, so a
// translator edits them without touching code. The English entries write the
// apostrophe as a grave accent (U+0060), and a line break inside a text is "\n\r"
// (line feed, carriage return) as stored; Shown() turns it into one line feed where
// a control shows it.
#include "platform/Array.h"

#include <QString>
#include <vector>

namespace Texts {

using TText = platform::Arr<QString, 10, 0>;

inline constexpr int LanguageCount = 10;

// The current language, 0..9.
inline int LanguageIndex = 0;

// The entry of the current language.
inline const QString& Tx(const TText& t)
{
    return t[LanguageIndex >= 0 && LanguageIndex <= 9 ? LanguageIndex : 0];
}

// A table from its ten entries (UTF-8), in the language order above; the compiler
// refuses a table with a missing entry.
TText Ten(const char* english, const char* russian, const char* german, const char* french,
          const char* spanish, const char* chinese, const char* italian, const char* czech,
          const char* japanese, const char* korean);

// A stored text as a control shows it: the stored line breaks "\n\r" and "\r\n"
// become a single line feed.
QString Shown(const QString& text);

// Single tables, by role. The English entry follows each name in the data files.
// Each list is also the registry of its role (AllTextTables).
#define VARDELIN_TEXTS_PRODUCT(X)                                                          \
    X(LanguageCodes)       /* "Eng", "Rus", ... part of resource names */                 \
    X(LanguageNames)       /* each language's name in itself, for the language list */    \
    X(ProductNames)        /* "Vardelin" */                                                \
    X(ProductNamesUpper)   /* "VARDELIN" */                                                \
    X(ReleaseDateTexts)    /* "March 15, 2024" */                                          \
    X(CreditTexts)         /* the intro's credit line */

#define VARDELIN_TEXTS_FILES(X)                                                            \
    X(TxtCantFindFile)            /* "Can`t find the file" */                              \
    X(TxtCantReadFile)            /* "Can`t read the file" */                              \
    X(TxtIncorrectFile)           /* "The incorrect file" */                               \
    X(TxtDiskWriteError)          /* "Error of disk writing!" */                           \
    X(TxtCantMakeChanges)         /* "Can`t make changes on the disk!" */                  \
    X(TxtCantSaveOptions)         /* "Can`t save options!" */                              \
    X(TxtTheFile)                 /* "The file" */                                         \
    X(TxtHasIncorrectAttributes)  /* "has incorrect attributes!" */                        \
    X(TxtWorkWillBeIncorrect)     /* "The work of the program will be incorrect!" */

#define VARDELIN_TEXTS_MENU(X)                                                             \
    X(TxtNewPlayer)               /* "New Player" */                                       \
    X(TxtTopTen)                  /* "Top Ten" */                                          \
    X(TxtOptions)                 /* "Options" */                                          \
    X(TxtExit)                    /* "Exit" */                                             \
    X(TxtHelp)                    /* "Help" */                                             \
    X(TxtAbout)                   /* "About" */                                            \
    X(TxtDedication)              /* "Dedication" */                                       \
    X(TxtChangeName)              /* "To change a name" */                                 \
    X(TxtExitToMenu)              /* "Exit to menu" */                                     \
    X(TxtDownload)                /* "Download" */                                         \
    X(TxtStatistics)              /* "Statistics" */                                       \
    X(TxtOn)                      /* " on " */                                             \
    X(TxtClubMembersTitle)        /* " The members of club      Rounds      Score " */     \
    X(TxtUnknown)                 /* "Unknown" */                                          \
    X(TxtToBegin)                 /* "To Begin" */                                         \
    X(TxtToMenu)                  /* "To menu" */                                          \
    X(TxtThatsAll)                /* "That`s all" */                                       \
    X(TxtToReshuffle)             /* "To reshuffle" */                                     \
    X(TxtCollectCards)            /* "Collect cards" */                                    \
    X(TxtUndo)                    /* "Undo" */                                             \
    X(TxtInfo)                    /* "Info" */                                             \
    X(TxtGame)                    /* "Game" */                                             \
    X(TxtLeaveToMenu)             /* "You want to leave in the main menu?" */              \
    X(TxtLeaveGame)               /* "You want to leave from game?" */                     \
    X(TxtDataWillBeLost)          /* "All datas for want of it will be lost!" */           \
    X(TxtWorldTopTenUnavailable)  /* "World Top Ten Tournament is temporarily unavailable!" */ \
    X(TxtChatUnavailable)         /* "Chat is temporarily unavailable!" */                 \
    X(TxtApkUnavailable)          /* "in Apk is temporarily unavailable!" */               \
    X(TxtGooglePlayUnavailable)   /* "Google Play are temporarily unavailable!" */         \
    X(TxtCouldNotConnect)         /* "Could not connect to server!" */                     \
    X(TxtRepeat)                  /* "Repeat?" */                                          \
    X(TxtCantWriteResult)         /* "Unable to write the result of the game!" */          \
    X(TxtExcuse)                  /* "Excuse!" */                                          \
    X(TxtHelpNotTranslated)       /* "The file of the help is not translated to ..." */    \
    X(TxtGameOnRating)            /* "There is a game on the rating!" */                   \
    X(TxtNotLoggedIn)             /* "You are not logged in to your account!" */           \
    X(TxtLoggedIn)                /* "You are logged in to your account!" */

#define VARDELIN_TEXTS_SIGNIN(X)                                                           \
    X(TxtWelcome)                 /* "Welcome!" */                                         \
    X(TxtEnterName)               /* "Enter Your name:" */                                 \
    X(TxtEnterPassword)           /* "Enter Your password:" */                             \
    X(TxtPasswordAgain)           /* "And once again for check..." */                      \
    X(TxtCancel)                  /* "Cancel" */                                           \
    X(TxtIncorrectName)           /* "Incorrect name!" */                                  \
    X(TxtNameCharsNotAllowed)     /* a name the club file cannot hold */                   \
    X(TxtPasswordsDiffer)         /* "The passwords do not coincide!" */                   \
    X(TxtIncorrectPassword)       /* "The incorrect password!" */                          \
    X(TxtWhatCardsToShift)        /* "What cards to shift?" */                             \
    X(TxtAll)                     /* "All" */                                              \
    X(TxtYes)                     /* "Yes": the standard question boxes */                 \
    X(TxtNo)                      /* "No" */

#define VARDELIN_TEXTS_SCORE(X)                                                            \
    X(TxtPlayer)                  /* "Player" */                                           \
    X(TxtRound)                   /* "Round: " */                                          \
    X(TxtScore)                   /* "Score" */                                            \
    X(TxtBullet)                  /* "Bullet:" */                                          \
    X(TxtMoves)                   /* "Moves:" */                                           \
    X(TxtVariants)                /* "Variants" */                                         \
    X(TxtLCards)                  /* "L-Cards:" */                                         \
    X(TxtLPacks)                  /* "L-Packs:" */                                         \
    X(TxtPack)                    /* "Pack:" */                                            \
    X(TxtVictory)                 /* "Victory!!!" */                                       \
    X(TxtCameOut)                 /* Russian only: the second line after a win */          \
    X(TxtLose)                    /* "Lose!" */                                            \
    X(TxtNotCameOut)              /* Russian only: the second line after a loss */         \
    X(TxtGeneral)                 /* "General:" */                                         \
    X(TxtSolitaire)               /* "Solitaire" */                                        \
    X(TxtIsUnfinished)            /* "is unfinished..." */

#define VARDELIN_TEXTS_ENDGAME(X)                                                          \
    X(TxtCompletionOfGame)        /* "The completion of game" */                           \
    X(TxtCongratulations)         /* "CONGRATULATIONS!!!" */                               \
    X(TxtBestResult)              /* "Your result - the best!" */                          \
    X(TxtBecomeChairman)          /* "You become the chairman of club!" */                 \
    X(TxtGoodResult)              /* "Good result!" */                                     \
    X(TxtInTopTen)                /* "You have hitted in top ten players!" */              \
    X(TxtOurRegrets)              /* "Our regrets..." */                                   \
    X(TxtWishBetter)              /* "Your result keeps to wish best" */                   \
    X(TxtNotInTopTen)             /* "You have not hitted in ten best players..." */       \
    X(TxtResult)                  /* "Result: " */                                         \
    X(TxtPlace)                   /* "Place: " */                                          \
    X(TxtYouGet)                  /* "You get" */                                          \
    X(TxtQyvs)                    /* "Qyvs", the currency */                               \
    X(DedicationTexts)            /* the dedication window's text */                       \
    X(TxtAboutPlace)              /* the about box's place name */                         \
    X(TxtAuthorsHeading)          /* the heading of the authors' credit */                 \
    X(TxtAuthorsLine)             /* the authors' credit line */                           \
    X(TxtAuthorOfIdea)            /* "The author of idea:" */                              \
    X(TxtProgrammingPhp)          /* "Programming php:" */                                 \
    X(TxtProgrammingPhpLine)      /* the second credit line */                             \
    X(TxtSeparateThanks)          /* "Separate thank you:" */                              \
    X(TxtForResourceAuthors)      /* "For resource authors" */                             \
    X(TxtMoreInHelp)              /* "More in detail in the help" */                       \
    X(TxtOfficialSite)            /* "Official site:" */                                   \
    X(TxtEMail)                   /* "E-mail:" */                                          \
    X(TxtAutoMethodFailed)        /* "Auto method failed." */

#define VARDELIN_TEXTS_OPTIONS(X)                                                          \
    X(TxtTabGeneral)              /* "General" */                                          \
    X(TxtTabCards)                /* "Cards" */                                            \
    X(TxtDecks)                   /* "Decks" (tab and back-choice group) */                \
    X(TxtTabFonts)                /* "Fonts" */                                            \
    X(TxtTabBG)                   /* "BG" */                                               \
    X(TxtMultimedia)              /* "Multimedia" */                                       \
    X(TxtControl)                 /* "Control" */                                          \
    X(TxtSound)                   /* "Sound" */                                            \
    X(TxtGifAnimation)            /* "Gif-animation" */                                    \
    X(TxtYellowCursor)            /* "Yellow cursor" */                                    \
    X(TxtScalePercent)            /* "Scale, %" */                                         \
    X(TxtDefault)                 /* "Default" */                                          \
    X(TxtFontsAttention)          /* "Attention!\n\rThese installations(aims) ..." */      \
    X(TxtBackground)              /* "Background" */

#define VARDELIN_TEXTS_CALENDAR(X)                                                         \
    X(AnniversaryWord)            /* "-th anniversary" */

#define VARDELIN_TEXTS_ONLINE(X)                                                           \
    X(TxtCantSendMessage)         /* "Unable to send a message!" */                        \
    X(TxtSend)                    /* "Send" */                                             \
    X(TxtClose)                   /* "Close" */                                            \
    X(TxtYourScore)               /* "Your score" */                                       \
    X(TxtYourPlace)               /* "Your place" */                                       \
    X(TxtNumberOfGames)           /* "Number of games" */                                  \
    X(TxtPassport)                /* "Passport" */                                         \
    X(TxtNick)                    /* "Nick" */                                             \
    X(TxtCountry)                 /* "Country" */                                          \
    X(TxtCity)                    /* "City" */                                             \
    X(TxtSex)                     /* "Sex" */                                              \
    X(TxtEurope)                  /* "Europe" */                                           \
    X(TxtAsia)                    /* "Asia" */                                             \
    X(TxtNorthAmerica)            /* "North America" */                                    \
    X(TxtSouthAmerica)            /* "South America" */                                    \
    X(TxtOceania)                 /* "Oceania" */                                          \
    X(TxtAfrica)                  /* "Africa" */                                           \
    X(TxtMale)                    /* "Male" */                                             \
    X(TxtFemale)                  /* "Female" */                                           \
    X(TxtChatTitle)               /* "Qyv Games Chat" */                                   \
    X(TxtLastMessageAtBottom)     /* "Last message at the bottom" */                       \
    X(TxtOpenOnNewMessage)        /* "Open this window when a new message" */              \
    X(TxtNumberOfStarts)          /* "Number of starts" */                                 \
    X(TxtNumberOfUniqueStarts)    /* "Number of unique starts" */                          \
    X(TxtLikes)                   /* "Likes" */                                            \
    X(TxtLastLike)                /* "Last Like" */                                        \
    X(TxtILikeThisGame)           /* "I like this game!" */                                \
    X(TxtMyAccount)               /* "My account" */                                       \
    X(TxtMyResults)               /* "My results" */                                       \
    X(TxtLoginToAccount)          /* "Login to account" */                                 \
    X(TxtSignOut)                 /* "Sign out" */                                         \
    X(TxtAccountInformation)      /* "Your account information" */                         \
    X(TxtPassword)                /* "Password" */                                         \
    X(TxtRegistration)            /* "Registration" */                                     \
    X(TxtHidePassword)            /* "Hide password" */                                    \
    X(TxtPlayGlobalRating)        /* "Play global rating" */                               \
    X(TxtClubMembers)             /* "Club members: " */                                   \
    X(TxtAccountCreated)          /* "Your account has been successfully created!" */      \
    X(TxtNickTaken)               /* "The club already has a player with the same Nick!" */ \
    X(TxtCouldNotCreateAccount)   /* "Could not create account!" */                        \
    X(TxtLoginFailed)             /* "Login failed!" */                                    \
    X(TxtGamesInformation)        /* "Information about your games" */                     \
    X(TxtRating)                  /* "Rating" */                                           \
    X(TxtPlaceWord)               /* "Place" */                                            \
    X(TxtPlayedGames)             /* "Played games" */                                     \
    X(TxtMyBestScore)             /* "My best score" */                                    \
    X(TxtTopTenRated)             /* "Top 10 best rated players" */                        \
    X(TxtCreateAccount)           /* "Create an account" */                                \
    X(TxtSave)                    /* "Save" */                                             \
    X(TxtDelete)                  /* "Delete" */                                           \
    X(TxtPlayedCycles)            /* "Played cycles" */                                    \
    X(TxtCurrentDeal)             /* "Current Deal" */                                     \
    X(TxtCurrentScore)            /* "Current Score" */                                    \
    X(TxtRefill)                  /* "Refill" */                                           \
    X(TxtPaymentCredit)           /* "In case of payment, Qyvs will be credited ..." */    \
    X(TxtPaymentComment)          /* "Add a comment when you pay, ..." */                  \
    X(TxtTransferQuestion)        /* "Do you really want to transfer to a club member" */  \
    X(TxtTransferDone)            /* "Transfer is successful!" */                          \
    X(TxtNotEnoughQyvs)           /* "You do not have enough Qyvs to transfer!" */         \
    X(TxtEmptyTransfer)           /* "I can not make an empty transfer!" */                \
    X(TxtNoSuchMember)            /* "There is no club member with that nick!" */          \
    X(TxtAboutMe)                 /* "About me" */                                         \
    X(TxtTheChairman)             /* "The chairman" */                                     \
    X(TxtRefresh)                 /* "Refresh" */                                          \
    X(TxtCopiedToClipboard)       /* "Copied to clipboard!" */                             \
    X(TxtYourName)                /* "Your name" */                                        \
    X(TxtYourLastName)            /* "Your last name" */                                   \
    X(TxtBriefInfo)               /* "Brief information about you" */                      \
    X(TxtYourPhone)               /* "Your phone number" */                                \
    X(TxtYourEMail)               /* "Your e-mail" */                                      \
    X(TxtYourWebSite)             /* "Your web site" */                                    \
    X(TxtYourSkype)               /* "Your skype" */                                       \
    X(TxtYourOK)                  /* "Your OK" */                                          \
    X(TxtYourVK)                  /* "Your VK" */                                          \
    X(TxtYourTelegram)            /* "Your Telegram" */                                    \
    X(TxtYourFacebook)            /* "Your Facebook" */                                    \
    X(TxtYourTwitter)             /* "Your Twitter" */                                     \
    X(TxtYourInstagram)           /* "Your Instagram" */                                   \
    X(TxtYourYouTube)             /* "Your YouTube" */                                     \
    X(TxtPhotoFormat)             /* "The photo must be in jpg format 200x250 ..." */      \
    X(TxtPhotoUploadFailed)       /* "Failed to upload photo to server!" */                \
    X(TxtInfoVisible)             /* "This information may be visible to other ..." */     \
    X(TxtUpdateInfo)              /* "Update info" */                                      \
    X(TxtRefreshPhoto)            /* "Refresh photo" */                                    \
    X(TxtSolitaireConverged)      /* "Solitaire converged" */                              \
    X(TxtSolitaireNotConverged)   /* "Solitaire has not converged" */                      \
    X(TxtStatisticsSince)         /* "This statistic is maintained since version 1.8" */   \
    X(TxtOnlineClubHeading)       /* heading of the account window: the online club */     \
    X(TxtOnlineClubChairman)      /* chairman line of the profile window */

#define VARDELIN_TEXTS_ALL(X)                                                              \
    VARDELIN_TEXTS_PRODUCT(X) VARDELIN_TEXTS_FILES(X) VARDELIN_TEXTS_MENU(X)               \
    VARDELIN_TEXTS_SIGNIN(X) VARDELIN_TEXTS_SCORE(X) VARDELIN_TEXTS_ENDGAME(X)             \
    VARDELIN_TEXTS_OPTIONS(X) VARDELIN_TEXTS_CALENDAR(X) VARDELIN_TEXTS_ONLINE(X)

#define VARDELIN_DECLARE_TEXT(name) extern const TText name;
VARDELIN_TEXTS_ALL(VARDELIN_DECLARE_TEXT)
#undef VARDELIN_DECLARE_TEXT

// Lists of texts: the entries of list controls and the names of a series.
template <int N, int Base = 0>
using TTextList = platform::Arr<TText, N, Base>;

// The fifty game names, index = game number (GameTables::Games).
extern const TTextList<50, 1> GameNames;
// Options dialog lists.
extern const TTextList<3> MoveModeNames;        // "Click and \"No Fly\"", ...
extern const TTextList<3> BackModeNames;        // "To change decks", "Always one", "Random"
extern const TTextList<5> WindowSizeNames;      // "Small window" ... "Large window"
extern const TTextList<48> FaceDeckNames;       // "Classical-1" ... "Czech"
extern const TTextList<13> BackDeckNames;       // "Classical-1" ... "Russian"
extern const TTextList<3> FontRoleNames;        // "Large font", "Small font", "Special font"
extern const TTextList<10> BackgroundNames;     // "Sun" ... "Ornament"
extern const TTextList<7> BackgroundColorNames; // "Green" ... "Violet"
// Calendar page.
extern const TTextList<12, 1> MonthNames;       // "January" ... (Russian in the genitive)
extern const TTextList<12> ZodiacNames;         // "Aries" ... "Pisces"
extern const TTextList<12> YearAnimalNames;     // "Year Of The Rat" ... "Year Of The Pig"
extern const TTextList<8> OwnerLabels;          // "Holiday UK" ... "Catholic feast"

// A list from its tables in order; the count must match the declared list.
template <int Base = 0, class... T>
TTextList<sizeof...(T), Base> List(const T&... tables)
{
    TTextList<sizeof...(T), Base> list;
    int i = Base;
    ((list[i++] = tables), ...);
    return list;
}

// Every table above, by name ("TxtToBegin", "GameNames[7]", ...), so that a walk can
// check them all.
struct TextTableEntry {
    QString name;
    const TText* table;
};
std::vector<TextTableEntry> AllTextTables();

} // namespace Texts
