#include "online/FServerWrite.h"

#include "foundation/MessageBox.h"
#include "foundation/Texts.h"

TFormServerWrite::TFormServerWrite(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormServerWrite"));
    setWindowTitle(QStringLiteral("World Top Ten"));
}

int ShowFormServerWrite(QWidget*)
{
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtWorldTopTenUnavailable), QString(), QString());
    return QDialog::Rejected;
}
