#include "online/Qyv_FAcc1.h"

#include "foundation/MessageBox.h"
#include "foundation/Texts.h"

TFAcc1::TFAcc1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAcc1"));
    setWindowTitle(Texts::Tx(Texts::TxtMyAccount));
}

int ShowFAcc1(QWidget*)
{
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtCouldNotConnect), QString(), QString());
    return QDialog::Rejected;
}
