// The rules every server request shares: how a reply's frames, fields and numbers are
// read, how status words are found, the two number formats, and what goes on the wire
// (body forms, user agent, the read time-out the list reads leave behind).
#include "foundation/ServerRequest.h"
#include "platform/Cp1251.h"
#include "platform/Http.h"
#include "support/LoopbackServer.h"

#include <gtest/gtest.h>

namespace {

using namespace ServerRequest;

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

TEST(ServerReplyFrames, FirstFrameEndsAtItsCloserOrBeforeTheLastCharacter)
{
    struct Case {
        const char* reply;
        char close;
        bool found;
        const char* frame;
    };
    const Case cases[] = {
        {"$ok$", '$', true, "ok"},
        {"$", '$', false, ""},               // a lone "$" is the last character
        {"abc$", '$', false, ""},
        {"", '$', false, ""},
        {"$a b", '$', true, "a "},           // no closer: the last character is lost
        {"head$1 2*tail$", '*', true, "1 2"},
        {"x$$y", '$', true, ""},             // an empty frame
        {"$a$b$", '$', true, "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        QString frame;
        EXPECT_EQ(FirstFrame(T(c.reply), QLatin1Char(c.close), frame), c.found);
        if (c.found) {
            EXPECT_EQ(frame, T(c.frame));
        }
    }
}

TEST(ServerReplyFrames, EveryDollarOpensARowUpToTheLimit)
{
    EXPECT_EQ(Frames(T("junk$1 a*$2 b*$3 c*"), QLatin1Char('*'), 10), (QStringList{T("1 a"), T("2 b"), T("3 c")}));
    EXPECT_EQ(Frames(T("$1*$2*$3*"), QLatin1Char('*'), 2), (QStringList{T("1"), T("2")}));
    // A "$" inside a row's text starts a row of its own.
    EXPECT_EQ(Frames(T("$a$b*x"), QLatin1Char('*'), 10), (QStringList{T("a$b"), T("b")}));
    EXPECT_TRUE(Frames(T("no rows"), QLatin1Char('*'), 10).isEmpty());
}

TEST(ServerReplyFrames, FieldsCountFromOneAndKeepEmptyOnes)
{
    const QStringList f = Fields(T("a  c"), QLatin1Char(' '));
    QString v;
    ASSERT_TRUE(Field(f, 1, v));
    EXPECT_EQ(v, T("a"));
    ASSERT_TRUE(Field(f, 2, v));
    EXPECT_EQ(v, QString());
    ASSERT_TRUE(Field(f, 3, v));
    EXPECT_EQ(v, T("c"));
    EXPECT_FALSE(Field(f, 4, v));
    EXPECT_FALSE(Field(f, 0, v));
    // "a " has two fields, the second empty; "~" separates the contact profile.
    EXPECT_EQ(Fields(T("a "), QLatin1Char(' ')).size(), 3);
    EXPECT_EQ(Fields(T("x y~z"), QLatin1Char('~')), (QStringList{QString(), T("x y"), T("z")}));
}

TEST(ServerReplyNumbers, StrictIntegersOnly)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"150", true, 150},      {"-7", true, -7},     {"+3", true, 3},         {"0", true, 0},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"", false, 0},      {"-", false, 0},         {"12a", false, 0},
        {" 1", false, 0},        {"1.5", false, 0},    {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int v = 12345;
        EXPECT_EQ(StrictInt(T(c.text), v), c.ok);
        EXPECT_EQ(v, c.ok ? c.value : 12345) << "a failed conversion leaves the target alone";
    }
}

TEST(ServerReplyNumbers, NumberAfterTheLastDollar)
{
    struct Case {
        const char* reply;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"$7$", true, 7},
        {"$12", true, 1},          // the last character never counts
        {"$12*", true, 12},
        {"$*", false, 0},
        {"$7", false, 0},
        {"$x$", false, 0},
        {"7", false, 0},
        {"$42#", true, 42},
        {"$5$ and $9#", true, 9},
        {"$5*$#", false, 0},       // the last "$" decides, an earlier number is not tried
        {"$-3#", false, 0},
        {"$99999999999#", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        int v = -1;
        EXPECT_EQ(NumberAfterLastDollar(T(c.reply), v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST(ServerReplyStatus, WholeWordsOutsideTheDataFrame)
{
    struct Case {
        const char* reply;
        const char* word;
        char dataClose;   // 0: the reply carries no data
        bool found;
    };
    const Case cases[] = {
        {"ok", "ok", 0, true},
        {"$ok#", "ok", 0, true},
        {"saved: ok.", "ok", 0, true},
        {"token", "ok", 0, false},            // inside a longer word
        {"OK", "ok", 0, false},
        {"no", "no", '$', true},
        {"No", "no", '$', false},
        {"not found", "no", '$', false},
        {"no$Moscow$", "no", '$', true},
        {"$Snowdon no@mail.ru$", "no", '$', false},   // data is never a status
        {"$Moscow$ no", "no", '$', true},
        {"ok is", "is", 0, true},
        {"this", "is", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(HasStatusWord(T(c.reply), c.word, c.dataClose ? QChar(QLatin1Char(c.dataClose)) : QChar()), c.found);
    }
}

TEST(ServerNumberFormats, LooseFloatAcceptsAnyDecimalPoint)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"12.5", true, 12.5}, {"12,5", true, 12.5}, {"1e5", true, 1.5}, {"-3", true, -3},
        {"45.5", true, 45.5}, {" 7 ", true, 7},     {"", true, 9.75},   {"1.2.3", false, 9.75},
        {"abc", false, 9.75}, {"-", false, 9.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        bool ok = !c.ok;
        EXPECT_DOUBLE_EQ(StrToFloatLoose(T(c.text), 9.75, ok), c.value);
        EXPECT_EQ(ok, c.ok);
    }
}

TEST(ServerNumberFormats, DotStrUsesADotAndDropsTinyValues)
{
    EXPECT_EQ(FloatToDotStr(0.000004), T("0"));
    EXPECT_EQ(FloatToDotStr(-0.000004), T("0"));
    EXPECT_EQ(FloatToDotStr(0), T("0"));
    EXPECT_EQ(FloatToDotStr(12.25), T("12.25"));
    EXPECT_EQ(FloatToDotStr(-3.5), T("-3.5"));
    EXPECT_EQ(FloatToDotStr(25.2), T("25.2"));
    EXPECT_EQ(FloatToDotStr(0.1 + 0.2), T("0.3")) << "fifteen significant digits";
    EXPECT_EQ(FloatToDotStr(100), T("100"));
    // What goes out reads back.
    bool ok = false;
    EXPECT_DOUBLE_EQ(StrToFloatLoose(FloatToDotStr(50.1), 0, ok), 50.1);
    EXPECT_TRUE(ok);
}

TEST(ServerStringBody, ValuesGoOutInCodePage1251WithoutTheirMeaningChanged)
{
    StringBody body;
    body.add(T("nick"), T("Иван"))
        .add(T("city"), T("St. Peter's/№"))
        .add(T("pw"), T("a&b=c+d%e"))
        .add(T("R04"), -25)
        .raw("*");
    QByteArray expected = "nick=" + platform::cp1251::fromUnicode(T("Иван")) + "&city=St. Peter's/" +
                          platform::cp1251::fromUnicode(T("№")) + "&pw=a%26b=c%2Bd%25e&R04=-25*";
    EXPECT_EQ(body.bytes(), expected);
}

// Records what goes to the transport and answers with a fixed reply.
struct RecordingTransport : platform::HttpTransport {
    std::vector<platform::HttpRequest> requests;
    platform::HttpResult reply{true, 200, "ok", {}};
    platform::HttpResult perform(const platform::HttpRequest& r) override
    {
        requests.push_back(r);
        return reply;
    }
};

class ServerPostTest : public ::testing::Test {
protected:
    void SetUp() override { ReadTimeoutMs = platform::HttpDefaultTimeoutMs; }
    void TearDown() override
    {
        platform::setHttpTransportForTest(nullptr);
        ReadTimeoutMs = platform::HttpDefaultTimeoutMs;
    }
};

TEST_F(ServerPostTest, BothFormsCarryTheMarkerAndTheSharedTimeOut)
{
    RecordingTransport t;
    platform::setHttpTransportForTest(&t);
    PostList(T("http://h/a"), {{T("nick"), T("a b&c")}, {T("label0"), T("0")}});
    ReadTimeoutMs = ListReadTimeoutMs;
    PostString(T("http://h/b"), "x=1");
    ASSERT_EQ(t.requests.size(), 2u);
    for (const auto& r : t.requests) {
        EXPECT_EQ(r.method, platform::HttpRequest::Method::Post);
        EXPECT_EQ(r.options.userAgent, QByteArray("QyvOpenRelays"));
        EXPECT_EQ(r.contentType, QByteArray("application/x-www-form-urlencoded"));
    }
    EXPECT_EQ(t.requests[0].body, QByteArray("nick=a%20b%26c&label0=0"));
    EXPECT_EQ(t.requests[0].options.timeoutMs, platform::HttpDefaultTimeoutMs);
    EXPECT_EQ(t.requests[1].body, QByteArray("x=1"));
    EXPECT_EQ(t.requests[1].options.timeoutMs, 3000);
}

TEST_F(ServerPostTest, ReplyIsReadAsCodePage1251)
{
    testsupport::LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    server.setPage("/acc", "$" + platform::cp1251::fromUnicode(T("Москва")) + "$");
    const Reply r = PostString(server.url(T("/acc")), "a=1");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.text, T("$Москва$"));
}

TEST_F(ServerPostTest, EveryFailureIsAFlagNeverAnException)
{
    testsupport::LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    server.setPage("/slow", "$ok$");
    server.setDelay("/slow", 1500);
    server.setPage("/err", "$ok$", "text/html", 500);
    server.setPage("/cut", "$ok$");
    server.setFailure("/cut", testsupport::LoopbackServer::Failure::CloseConnection);
    ReadTimeoutMs = 200;
    for (const char* path : {"/slow", "/err", "/cut"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(PostString(server.url(T(path)), "a=1").ok);
        EXPECT_FALSE(PostList(server.url(T(path)), {{T("a"), T("1")}}).ok);
    }
    const QString refused = server.url(T("/err"));
    server.stop();
    EXPECT_FALSE(PostString(refused, "a=1").ok);
    EXPECT_FALSE(PostString(T("not an address"), "a=1").ok);
    EXPECT_FALSE(PostString(QString(), "a=1").ok);
}

} // namespace
