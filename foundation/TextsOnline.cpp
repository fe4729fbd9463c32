// Entries of the online tables, one block per table, one line per language.
// English as the windows have always shown it; the currency keeps its Latin name
// "Qyvs" in every language, as on the account window's tab.
#include "foundation/TextsOnline.h"

namespace Texts {

const TText TxtAttention = Ten(
    /* English  */ "Attention",
    /* Russian  */ "Внимание",
    /* German   */ "Achtung",
    /* French   */ "Avertissement",
    /* Spanish  */ "Atención",
    /* Chinese  */ "注意",
    /* Italian  */ "Attenzione",
    /* Czech    */ "Upozornění",
    /* Japanese */ "注意",
    /* Korean   */ "알림");

const TText TxtAccountEMail = Ten(
    /* English  */ "E-Mail:",
    /* Russian  */ "Эл. почта:",
    /* German   */ "E-Mail-Adresse:",
    /* French   */ "E-mail :",
    /* Spanish  */ "Correo:",
    /* Chinese  */ "电子邮箱：",
    /* Italian  */ "E-mail:",
    /* Czech    */ "E-mail:",
    /* Japanese */ "メール：",
    /* Korean   */ "이메일:");

const TText TxtAddQyvs = Ten(
    /* English  */ "Add Qyvs to Your account",
    /* Russian  */ "Пополнить счёт Qyvs",
    /* German   */ "Konto mit Qyvs aufladen",
    /* French   */ "Ajouter des Qyvs à votre compte",
    /* Spanish  */ "Añadir Qyvs a su cuenta",
    /* Chinese  */ "为账户充值 Qyvs",
    /* Italian  */ "Ricarica Qyvs sul tuo conto",
    /* Czech    */ "Dobít Qyvs na účet",
    /* Japanese */ "アカウントに Qyvs を追加",
    /* Korean   */ "계정에 Qyvs 충전");

const TText TxtTransferQyvs = Ten(
    /* English  */ "Transfer Qyvs",
    /* Russian  */ "Перевести Qyvs",
    /* German   */ "Qyvs überweisen",
    /* French   */ "Transférer des Qyvs",
    /* Spanish  */ "Transferir Qyvs",
    /* Chinese  */ "转账 Qyvs",
    /* Italian  */ "Trasferisci Qyvs",
    /* Czech    */ "Převést Qyvs",
    /* Japanese */ "Qyvs を送る",
    /* Korean   */ "Qyvs 보내기");

const TText TxtTransferHeading = Ten(
    /* English  */ "Transfer",
    /* Russian  */ "Перевод",
    /* German   */ "Überweisung",
    /* French   */ "Transfert",
    /* Spanish  */ "Transferencia",
    /* Chinese  */ "转账",
    /* Italian  */ "Trasferimento",
    /* Czech    */ "Převod",
    /* Japanese */ "送金",
    /* Korean   */ "이체");

const TText TxtTransferAmount = Ten(
    /* English  */ "Transfer amount",
    /* Russian  */ "Сумма перевода",
    /* German   */ "Überweisungsbetrag",
    /* French   */ "Montant du transfert",
    /* Spanish  */ "Importe de la transferencia",
    /* Chinese  */ "转账金额",
    /* Italian  */ "Importo da trasferire",
    /* Czech    */ "Částka převodu",
    /* Japanese */ "送金額",
    /* Korean   */ "이체 금액");

const TText TxtTransferToNick = Ten(
    /* English  */ "Nick of the club member you want to transfer to",
    /* Russian  */ "Ник члена клуба, которому вы хотите сделать перевод",
    /* German   */ "Nick des Clubmitglieds, an das Sie überweisen möchten",
    /* French   */ "Pseudo du membre du club à qui vous voulez transférer",
    /* Spanish  */ "Nick del miembro del club al que desea transferir",
    /* Chinese  */ "收款俱乐部成员的昵称",
    /* Italian  */ "Nick del membro del club a cui vuoi trasferire",
    /* Czech    */ "Přezdívka člena klubu, kterému chcete převést",
    /* Japanese */ "送金先のクラブメンバーのニックネーム",
    /* Korean   */ "이체받을 클럽 회원의 닉네임");

std::vector<TextTableEntry> OnlineTextTables()
{
    std::vector<TextTableEntry> out;
#define VARDELIN_REGISTER_TEXT(name) out.push_back({QStringLiteral(#name), &name});
    VARDELIN_TEXTS_ONLINE_EXTRA(VARDELIN_REGISTER_TEXT)
#undef VARDELIN_REGISTER_TEXT
    return out;
}

} // namespace Texts
