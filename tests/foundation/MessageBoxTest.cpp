#include "foundation/MessageBox.h"

#include "foundation/Texts.h"
#include "platform/ShellOpen.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace MessageBox;

namespace {

// What the player saw in the box.
struct Seen {
    QSize client;
    int buttonWidth = 0;
    QString caption;
    QStringList shown; // texts of the visible lines
};

Seen show(const QString& l1, const QString& l2, const QString& link)
{
    testsupport::ScriptedPresenter presenter;
    Seen seen;
    presenter.onDialog = [&](QDialog& d) {
        auto& box = dynamic_cast<TFormLink&>(d);
        EXPECT_EQ(FormLink, &box);
        seen.client = box.size();
        seen.buttonWidth = box.Button1->width();
        seen.caption = box.windowTitle();
        for (QLabel* l : {box.Label1, box.Label2, static_cast<QLabel*>(box.Label3)})
            if (!l->isHidden())
                seen.shown << l->text();
        EXPECT_FALSE(box.Button1->isHidden());
        return QDialog::Accepted;
    };
    ShowLinkMessage(l1, l2, link);
    EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormLink")});
    EXPECT_EQ(FormLink, nullptr);
    return seen;
}

// A line at least `minWidth` wide as the box measures it.
QString lineOfWidth(int minWidth)
{
    QString s;
    while (LinkLineWidth(s) < minWidth)
        s += QLatin1Char('W');
    return s;
}

} // namespace

TEST(MessageBox, ClientWidthFormula)
{
    const std::pair<int, int> cases[] = {{0, 400}, {290, 400}, {291, 400}, {292, 401}, {500, 609}, {1000, 1109}};
    for (auto [widest, width] : cases)
        EXPECT_EQ(LinkClientWidth(widest), width) << widest;
    EXPECT_EQ(LinkLineWidth(QString()), 0);
    EXPECT_GT(LinkLineWidth(QStringLiteral("W")), 0);
}

TEST(MessageBox, SizedByTheWidestLine)
{
    const QString wide = lineOfWidth(500);
    const int w = LinkLineWidth(wide);
    struct Case {
        const char* what;
        QString l1, l2, l3;
        int client;
    };
    const Case cases[] = {
        {"three short lines", "News", "More news", "https://example.org", 400},
        {"wide first line", wide, "x", "", w + 109},
        {"wide second line", "x", wide, "", w + 109},
        {"wide link", "", "", wide, w + 109},
    };
    for (const auto& c : cases) {
        const Seen s = show(c.l1, c.l2, c.l3);
        EXPECT_EQ(s.client, QSize(c.client, 90)) << c.what;
        EXPECT_EQ(s.buttonWidth, c.client - 10) << c.what;
    }
}

TEST(MessageBox, EmptyLinesAreLeftOut)
{
    Texts::LanguageIndex = 0;
    struct Case {
        QString l1, l2, l3;
        QStringList shown;
    };
    const Case cases[] = {
        {"One", "Two", "https://example.org", {"One", "Two", "https://example.org"}},
        {"One", "Two", "", {"One", "Two"}},
        {"", "Two", "", {"Two"}},
        {"", "", "", {}},
    };
    for (const auto& c : cases) {
        const Seen s = show(c.l1, c.l2, c.l3);
        EXPECT_EQ(s.shown, c.shown) << c.l1.toStdString() << "/" << c.l2.toStdString();
        EXPECT_EQ(s.caption, QStringLiteral("Attention"));
    }
    // the lines stay until the next call
    EXPECT_EQ(LinkLine1, QString());
    show("a", "b", "c");
    EXPECT_EQ(LinkLine3, QStringLiteral("c"));
}

TEST(MessageBox, EscapeAndOkBothClose)
{
    struct Case {
        const char* what;
        std::function<void(TFormLink&)> act;
        int result;
    };
    const Case cases[] = {
        {"Esc",
         [](TFormLink& b) {
             QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
             QApplication::sendEvent(&b, &esc);
         },
         QDialog::Rejected},
        {"Ok button", [](TFormLink& b) { b.Button1->click(); }, QDialog::Accepted},
        {"Enter", [](TFormLink& b) {
             QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
             QApplication::sendEvent(&b, &enter);
         },
         QDialog::Accepted},
    };
    for (const auto& c : cases) {
        testsupport::ScriptedPresenter presenter;
        int result = -1;
        presenter.onDialog = [&](QDialog& d) {
            d.setResult(-1);
            d.show(); // the box as the player has it, with its default button live
            c.act(dynamic_cast<TFormLink&>(d));
            result = d.result();
            return result;
        };
        ShowLinkMessage("Line", "", "");
        EXPECT_EQ(result, c.result) << c.what;
    }
}

TEST(MessageBox, LinkOpensOnlyWebAndMailAddresses)
{
    struct Case {
        QString link;
        bool opened;
    };
    const Case cases[] = {
        {"https://example.org/download", true},
        {"http://example.org", true},
        {"mailto:club@example.org", true},
        {"javascript:alert(1)", false},
        {"file:///etc/passwd", false},
        {"Just a third line", false},
    };
    for (const auto& c : cases) {
        QStringList opened;
        platform::setUrlOpenerForTest([&](const QUrl& u) {
            opened << u.toString();
            return true;
        });
        testsupport::ScriptedPresenter presenter;
        presenter.onDialog = [&](QDialog& d) {
            auto& box = dynamic_cast<TFormLink&>(d);
            const QPointF p(3, 3);
            QMouseEvent press(QEvent::MouseButtonPress, p, box.Label3->mapToGlobal(p), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, p, box.Label3->mapToGlobal(p), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(box.Label3, &press);
            QApplication::sendEvent(box.Label3, &release);
            return QDialog::Accepted;
        };
        ShowLinkMessage("News", "", c.link);
        platform::setUrlOpenerForTest({});
        EXPECT_EQ(opened, c.opened ? QStringList{c.link} : QStringList{}) << c.link.toStdString();
    }
}
