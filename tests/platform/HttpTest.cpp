#include "platform/Http.h"
#include "support/LoopbackServer.h"

#include <gtest/gtest.h>

using platform::HttpFormFields;
using platform::HttpOptions;
using testsupport::LoopbackServer;

TEST(HttpTest, GetReturnsTheBodyAndSendsTheMarkerOnlyWhenAsked)
{
    LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    server.setPage("/page.txt", QByteArray("Hello\r\nworld \xE9", 14));

    auto r = platform::httpGet(server.url("/page.txt"));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.status, 200);

    // A path with characters that are not encoded yet goes out encoded in UTF-8.
    server.setPage("/Ava/%D0%81%D0%B6.jpg", "photo");
    r = platform::httpGet(server.url(QString::fromUtf8("/Ava/Ёж.jpg")));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.body, "photo");
    server.clearRequests();
    r = platform::httpGet(server.url("/page.txt"));
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, QByteArray("Hello\r\nworld \xE9", 14));

    HttpOptions plain;
    plain.userAgent.clear();
    r = platform::httpGet(server.url("/page.txt?x=1"), plain);
    EXPECT_TRUE(r.ok);

    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(server.requests()[0].header("User-Agent"), "QyvOpenRelays");
    EXPECT_EQ(server.requests()[1].path, "/page.txt?x=1");
    EXPECT_NE(server.requests()[1].header("User-Agent"), "QyvOpenRelays");
}

TEST(HttpTest, FormBodyIsPercentEncodedInCodePage1251)
{
    struct Case {
        HttpFormFields fields;
        QByteArray body;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"nick", "Bob"}}, "nick=Bob"},
        {{{"nick", "Bob"}, {"pw", "a b&c=d"}}, "nick=Bob&pw=a%20b%26c%3Dd"},
        {{{"city", QString::fromUtf8("Иван")}}, "city=%C8%E2%E0%ED"},
        {{{"solvdbest", "0"}, {"x", "-._~+%"}}, "solvdbest=0&x=-._~%2B%25"},
        // No byte in the code page: sent as a question mark, never dropped.
        {{{"n", QString::fromUtf8("a\u4e2db")}}, "n=a%3Fb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::httpFormBody(c.fields), c.body);

    LoopbackServer server;
    server.setPage("/acc.php", "$ok$");
    auto r = platform::httpPostForm(server.url("/acc.php"), {{"nick", QString::fromUtf8("Ёж")}, {"pw", "1 2"}});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.body, "$ok$");
    ASSERT_EQ(server.requests().size(), 1);
    const auto& q = server.requests()[0];
    EXPECT_EQ(q.method, "POST");
    EXPECT_EQ(q.body, "nick=%A8%E6&pw=1%202");
    EXPECT_EQ(q.header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(q.header("User-Agent"), "QyvOpenRelays");
}

TEST(HttpTest, MultipartCarriesOneFilePartNamedFile)
{
    LoopbackServer server;
    server.setPage("/upload.php", "done");
    const QByteArray photo("\xFF\xD8\x00\x01jpeg\r\n--x\xFF\xD9", 16);
    auto r = platform::httpPostMultipart(server.url("/upload.php"), photo, "Bob.jpg", "image/jpeg");
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(server.requests().size(), 1);
    const auto& q = server.requests()[0];
    const QByteArray type = q.header("Content-Type");
    ASSERT_TRUE(type.startsWith("multipart/form-data; boundary="));
    const QByteArray boundary = type.mid(type.indexOf('=') + 1);
    const QByteArray expected = "--" + boundary +
                                "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"Bob.jpg\"\r\n"
                                "Content-Type: image/jpeg\r\n\r\n" +
                                photo + "\r\n--" + boundary + "--\r\n";
    EXPECT_EQ(q.body, expected);
}

TEST(HttpTest, RedirectsAreFollowed)
{
    LoopbackServer server;
    server.setPage("/new/file.dll", "payload");
    server.setRedirect("/old/file.dll", server.url("/new/file.dll").toLatin1());
    auto r = platform::httpGet(server.url("/old/file.dll"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.body, "payload");
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests()[1].path, "/new/file.dll");
}

TEST(HttpTest, FailuresComeBackAsResultsNeverAsExceptions)
{
    LoopbackServer server;
    server.setPage("/gone", "missing", "text/plain", 404);
    server.setPage("/err", "x");
    server.setFailure("/err", LoopbackServer::Failure::ServerError);
    server.setPage("/cut", "x");
    server.setFailure("/cut", LoopbackServer::Failure::CloseConnection);

    struct Case {
        QString url;
        int status;
    };
    const Case cases[] = {
        {server.url("/gone"), 404},
        {server.url("/unknown"), 404},
        {server.url("/err"), 500},
        {server.url("/cut"), 0},
        {"not an address", 0},
        {"ftp://127.0.0.1/x", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        platform::HttpResult r;
        EXPECT_NO_THROW(r = platform::httpGet(c.url)) << c.url.toStdString();
        EXPECT_FALSE(r.ok) << c.url.toStdString();
        EXPECT_EQ(r.status, c.status) << c.url.toStdString();
        EXPECT_FALSE(r.error.isEmpty()) << c.url.toStdString();
        EXPECT_NO_THROW(r = platform::httpPostForm(c.url, {{"a", "b"}}));
        EXPECT_FALSE(r.ok);
    }
}

TEST(HttpTest, AReplyLaterThanTheTimeOutIsAFailedRequest)
{
    LoopbackServer server;
    server.setPage("/slow", "late");
    server.setDelay("/slow", 3000);
    server.setPage("/soon", "in time");
    server.setDelay("/soon", 50);

    HttpOptions shortWait;
    shortWait.timeoutMs = 200;
    auto r = platform::httpGet(server.url("/slow"), shortWait);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.body.isEmpty());
    EXPECT_EQ(r.error, "time-out");

    HttpOptions longWait;
    longWait.timeoutMs = 10000;
    r = platform::httpGet(server.url("/soon"), longWait);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.body, "in time");
}

TEST(HttpTest, NoListenerFailsAtOnceInsteadOfWaitingForTheTimeOut)
{
    LoopbackServer server;
    const QString url = server.url("/config.txt");
    server.stop();
    HttpOptions patient;
    patient.timeoutMs = 600000;
    auto r = platform::httpGet(url, patient);
    EXPECT_FALSE(r.ok);
    // A refused connection, not the time-out, ended the request.
    EXPECT_NE(r.error, "time-out");
}

namespace {
class FakeTransport final : public platform::HttpTransport {
public:
    FakeTransport() { platform::setHttpTransportForTest(this); }
    ~FakeTransport() override { platform::setHttpTransportForTest(nullptr); }
    platform::HttpResult perform(const platform::HttpRequest& request) override
    {
        seen.push_back(request);
        if (request.url.contains("throw"))
            throw std::runtime_error("fake failure");
        platform::HttpResult r;
        r.ok = true;
        r.status = 200;
        r.body = "fake";
        return r;
    }
    std::vector<platform::HttpRequest> seen;
};
} // namespace

TEST(HttpTest, TransportSeamSeesEveryRequestAndContainsItsExceptions)
{
    FakeTransport fake;
    auto r = platform::httpPostForm("http://127.0.0.1:1/a", {{"k", "v"}});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.body, "fake");
    r = platform::httpGet("http://127.0.0.1:1/throw");
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(fake.seen.size(), 2u);
    EXPECT_EQ(fake.seen[0].method, platform::HttpRequest::Method::Post);
    EXPECT_EQ(fake.seen[0].body, "k=v");
    EXPECT_EQ(fake.seen[0].contentType, "application/x-www-form-urlencoded");
    EXPECT_EQ(fake.seen[1].method, platform::HttpRequest::Method::Get);
}
