#pragma once
// Text tables of the online windows that the general tables (Texts.h) do not hold:
// the currency tab of the account window, its e-mail label, and the caption of the
// shared message box. Same form as there: ten entries in the order of LanguageIndex,
// read with Texts::Tx(). The entries live in TextsOnline.cpp, one block per table.
//
// Texts the online windows show untranslated on purpose ("No Connect", "No Connect!",
// "World Top Ten - ", "Top 10", "Qyvs" on the tab, "Ok") are not tables.
#include "foundation/Texts.h"

#include <vector>

namespace Texts {

#define VARDELIN_TEXTS_ONLINE_EXTRA(X)                                                     \
    X(TxtAttention)               /* "Attention": caption of the shared message box */     \
    X(TxtAccountEMail)            /* "E-Mail:" label of the account tab */                 \
    X(TxtAddQyvs)                 /* "Add Qyvs to Your account" */                         \
    X(TxtTransferQyvs)            /* "Transfer Qyvs" */                                    \
    X(TxtTransferHeading)         /* "Transfer" */                                         \
    X(TxtTransferAmount)          /* "Transfer amount" (hint of the amount field) */       \
    X(TxtTransferToNick)          /* "Nick of the club member you want to transfer to" */

#define VARDELIN_DECLARE_TEXT(name) extern const TText name;
VARDELIN_TEXTS_ONLINE_EXTRA(VARDELIN_DECLARE_TEXT)
#undef VARDELIN_DECLARE_TEXT

// Every table of this file by name, for the walks that check all tables.
std::vector<TextTableEntry> OnlineTextTables();

} // namespace Texts
