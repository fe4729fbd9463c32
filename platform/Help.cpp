#include "platform/Help.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace platform {

namespace {

const char* const languageCodes[10] = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};

QString pageIn(const QString& code, const QString& file)
{
    const QString path = QStringLiteral(":/res/help/") + code + QLatin1Char('/') + file;
    return QFile::exists(path) ? path : QString();
}

QString pageFor(const QString& file, int languageIndex)
{
    QString path = pageIn(helpLanguageCode(languageIndex), file);
    if (path.isEmpty())
        path = pageIn(QStringLiteral("en"), file);
    return path;
}

QUrl urlOf(const QString& path)
{
    // ":/res/..." as a URL the browser resolves relative links and the stylesheet against.
    return QUrl(QStringLiteral("qrc") + path);
}

// One window for the whole program, as a help viewer is: a second request shows the new
// page in the same window.
class HelpWindow final : public QWidget {
public:
    HelpWindow()
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setAttribute(Qt::WA_DeleteOnClose, false);
        resize(720, 560);
        auto* column = new QVBoxLayout(this);
        auto* bar = new QHBoxLayout;
        back_ = new QPushButton(this);
        contents_ = new QPushButton(this);
        bar->addWidget(back_);
        bar->addWidget(contents_);
        bar->addStretch(1);
        column->addLayout(bar);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        // Pages only link to each other; anything else is not followed.
        browser_->setOpenLinks(false);
        browser_->setOpenExternalLinks(false);
        column->addWidget(browser_, 1);
        QObject::connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            follow(url);
        });
        QObject::connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        QObject::connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
        QObject::connect(contents_, &QPushButton::clicked, this, [this] {
            const QString path = helpContentsPath(language_);
            if (!path.isEmpty())
                browser_->setSource(urlOf(path));
        });
        QObject::connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = browser_->documentTitle();
            setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : title);
        });
        back_->setEnabled(false);
    }

    void open(const QString& path, int languageIndex)
    {
        language_ = languageIndex;
        const bool russian = helpLanguageCode(languageIndex) == QLatin1String("ru");
        back_->setText(russian ? QStringLiteral("Назад") : QStringLiteral("Back"));
        contents_->setText(russian ? QStringLiteral("Содержание") : QStringLiteral("Contents"));
        browser_->setSource(urlOf(path));
        // A modal window blocks every window but its own children: help asked for from a
        // dialog must belong to that dialog to be usable while it is open.
        QWidget* owner = QApplication::activeModalWidget();
        if (owner == this)
            owner = nullptr;
        if (parentWidget() != owner) {
            const QRect where = geometry();
            setParent(owner, Qt::Window);
            setGeometry(where);
        }
        if (!isVisible())
            placeOverProgram(owner);
        show();
        raise();
        activateWindow();
    }

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QWidget::keyPressEvent(e);
    }

private:
    // Over the window the request came from, not at the screen's corner.
    void placeOverProgram(QWidget* owner)
    {
        QWidget* over = owner ? owner : QApplication::activeWindow();
        if (!over || over == this) {
            over = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != this && w->isVisible() && w->isWindow()) {
                    over = w;
                    break;
                }
        }
        if (!over)
            return;
        QRect r = geometry();
        r.moveCenter(over->frameGeometry().center());
        move(r.topLeft());
    }

    void follow(const QUrl& url)
    {
        const QUrl target = browser_->source().resolved(url);
        if (target.scheme() != QLatin1String("qrc"))
            return;
        if (target.path() == browser_->source().path() && target.hasFragment()) {
            browser_->scrollToAnchor(target.fragment());
            return;
        }
        if (QFile::exists(QLatin1Char(':') + target.path()))
            browser_->setSource(target);
    }

    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* contents_ = nullptr;
    int language_ = 0;
};

QPointer<HelpWindow>& window()
{
    static QPointer<HelpWindow> w;
    return w;
}

bool openPath(const QString& path, int languageIndex)
{
    if (path.isEmpty())
        return false;
    if (!window())
        window() = new HelpWindow;
    window()->open(path, languageIndex);
    return true;
}

} // namespace

QString helpLanguageCode(int languageIndex)
{
    if (languageIndex < 0 || languageIndex > 9)
        return QStringLiteral("en");
    return QLatin1String(languageCodes[languageIndex]);
}

QString helpPagePath(int context, int languageIndex)
{
    if (context <= 0)
        return {};
    return pageFor(QStringLiteral("help_") + QString::number(context) + QStringLiteral(".html"), languageIndex);
}

QString helpContentsPath(int languageIndex)
{
    return pageFor(QStringLiteral("help_contents.html"), languageIndex);
}

QString helpPageHtml(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool showHelp(int context, int languageIndex)
{
    QString path = helpPagePath(context, languageIndex);
    if (path.isEmpty())
        path = helpContentsPath(languageIndex);
    return openPath(path, languageIndex);
}

bool showHelpContents(int languageIndex)
{
    return openPath(helpContentsPath(languageIndex), languageIndex);
}

QString helpNamedPagePath(const QString& name, int languageIndex)
{
    // Only plain names: a name never reaches outside the help folder.
    for (const QChar c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            return {};
    if (name.isEmpty())
        return {};
    return pageFor(QStringLiteral("help_") + name + QStringLiteral(".html"), languageIndex);
}

bool showHelpPage(const QString& name, int languageIndex)
{
    QString path = helpNamedPagePath(name, languageIndex);
    if (path.isEmpty())
        path = helpContentsPath(languageIndex);
    return openPath(path, languageIndex);
}

QTextBrowser* helpWindowForTest()
{
    return window() ? window()->browser() : nullptr;
}

} // namespace platform
