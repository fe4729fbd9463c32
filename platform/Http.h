#pragma once
// Synchronous HTTP on the user-interface thread: GET, form POST and multipart POST.
// A request waits in a local event loop that lets the window repaint but holds back
// clicks and keys, ends after a time-out, and never lets an exception out: every
// failure comes back as a result with ok == false.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace platform {

// The marker every form request of the online services carries.
inline constexpr char HttpUserAgentMarker[] = "QyvOpenRelays";
inline constexpr int HttpDefaultTimeoutMs = 10000;

struct HttpResult {
    bool ok = false;       // a reply with a 2xx status arrived in time
    int status = 0;        // HTTP status, 0 when none arrived
    QByteArray body;       // reply bytes as sent (also for an error status)
    QString error;         // why it failed; empty on success
};

struct HttpOptions {
    // Empty: the client's own default agent (the plain page GETs send no marker).
    QByteArray userAgent = HttpUserAgentMarker;
    int timeoutMs = HttpDefaultTimeoutMs;
};

// One request as it goes to the transport.
struct HttpRequest {
    enum class Method { Get, Post };
    Method method = Method::Get;
    QString url;
    QByteArray contentType;   // POST only
    QByteArray body;          // POST only
    HttpOptions options;
};

// Name/value pairs of a form, in order.
using HttpFormFields = QList<QPair<QString, QString>>;

// The transport that carries requests; tests put a fake in its place.
class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    virtual HttpResult perform(const HttpRequest& request) = 0;
};

// The transport in use (the real one runs on QNetworkAccessManager).
HttpTransport& httpTransport();
// Test hook: nullptr returns to the real transport. The caller keeps ownership.
void setHttpTransportForTest(HttpTransport* t);

HttpResult httpGet(const QString& url, const HttpOptions& options = {});

// application/x-www-form-urlencoded; names and values are turned into code page 1251
// and percent-encoded (only letters, digits and "-._~" stay as they are).
HttpResult httpPostForm(const QString& url, const HttpFormFields& fields,
                        const HttpOptions& options = {});
// The form body of httpPostForm, for callers that log or compare it.
QByteArray httpFormBody(const HttpFormFields& fields);

// A body the caller has built itself, posted as it stands.
HttpResult httpPostRaw(const QString& url, const QByteArray& body, const QByteArray& contentType,
                       const HttpOptions& options = {});

// multipart/form-data with one file part named "file".
HttpResult httpPostMultipart(const QString& url, const QByteArray& fileBytes, const QString& fileName,
                             const QByteArray& fileContentType, const HttpOptions& options = {});
// The multipart body and its content type (with the boundary) as httpPostMultipart sends them.
QByteArray httpMultipartBody(const QByteArray& fileBytes, const QString& fileName,
                             const QByteArray& fileContentType, const QByteArray& boundary,
                             QByteArray& contentType);

} // namespace platform
