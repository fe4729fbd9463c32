#include "platform/Http.h"

#include "platform/Cp1251.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QUuid>

namespace platform {

namespace {

class QtTransport final : public HttpTransport {
public:
    HttpResult perform(const HttpRequest& request) override
    {
        HttpResult result;
        try {
            result = run(request);
        } catch (const std::exception& e) {
            result = {};
            result.error = QString::fromLocal8Bit(e.what());
        } catch (...) {
            result = {};
            result.error = QStringLiteral("unknown failure");
        }
        return result;
    }

private:
    QNetworkAccessManager* manager()
    {
        // One client for the program's life, so cookies carry over from request to
        // request; it dies with the application object.
        if (!manager_) {
            manager_ = new QNetworkAccessManager(QCoreApplication::instance());
            manager_->setProxy(QNetworkProxy::NoProxy);
        }
        return manager_;
    }

    HttpResult run(const HttpRequest& request)
    {
        HttpResult result;
        if (!QCoreApplication::instance()) {
            result.error = QStringLiteral("no application object");
            return result;
        }
        const QUrl url(request.url);
        if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
            result.error = QStringLiteral("bad address");
            return result;
        }
        QNetworkRequest req(url);
        if (!request.options.userAgent.isEmpty())
            req.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(request.options.userAgent));
        req.setRawHeader("Accept", "text/html, */*");
        const int timeout = request.options.timeoutMs > 0 ? request.options.timeoutMs : HttpDefaultTimeoutMs;
        req.setTransferTimeout(timeout);

        QNetworkReply* reply = nullptr;
        if (request.method == HttpRequest::Method::Get) {
            reply = manager()->get(req);
        } else {
            if (!request.contentType.isEmpty())
                req.setHeader(QNetworkRequest::ContentTypeHeader, QString::fromLatin1(request.contentType));
            reply = manager()->post(req, request.body);
        }
        QPointer<QNetworkReply> guard(reply);

        // The whole exchange, not only each silence, is bounded by the time-out.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            if (guard)
                guard->abort();
            loop.quit();
        });
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        timer.start(timeout);
        if (!reply->isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        timer.stop();

        if (!guard) {
            result.error = QStringLiteral("request lost");
            return result;
        }
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (timedOut || reply->error() == QNetworkReply::OperationCanceledError ||
            reply->error() == QNetworkReply::TimeoutError) {
            result.error = QStringLiteral("time-out");
            result.status = 0;
        } else {
            result.body = reply->readAll();
            if (reply->error() != QNetworkReply::NoError)
                result.error = reply->errorString();
            else if (result.status < 200 || result.status > 299)
                result.error = QStringLiteral("HTTP status %1").arg(result.status);
            else
                result.ok = true;
        }
        // Finished and out of its signals: nothing else refers to it.
        delete reply;
        return result;
    }

    QPointer<QNetworkAccessManager> manager_;
};

HttpTransport* g_testTransport = nullptr;

HttpResult send(HttpRequest request)
{
    try {
        return httpTransport().perform(request);
    } catch (...) {
        HttpResult r;
        r.error = QStringLiteral("transport failure");
        return r;
    }
}

QByteArray percentEncode(const QString& text)
{
    return platform::cp1251::fromUnicode(text).toPercentEncoding();
}

} // namespace

HttpTransport& httpTransport()
{
    static QtTransport real;
    return g_testTransport ? *g_testTransport : real;
}

void setHttpTransportForTest(HttpTransport* t)
{
    g_testTransport = t;
}

HttpResult httpGet(const QString& url, const HttpOptions& options)
{
    HttpRequest r;
    r.method = HttpRequest::Method::Get;
    r.url = url;
    r.options = options;
    return send(r);
}

QByteArray httpFormBody(const HttpFormFields& fields)
{
    QByteArray body;
    for (const auto& [name, value] : fields) {
        if (!body.isEmpty())
            body.append('&');
        body.append(percentEncode(name));
        body.append('=');
        body.append(percentEncode(value));
    }
    return body;
}

HttpResult httpPostForm(const QString& url, const HttpFormFields& fields, const HttpOptions& options)
{
    return httpPostRaw(url, httpFormBody(fields), "application/x-www-form-urlencoded", options);
}

HttpResult httpPostRaw(const QString& url, const QByteArray& body, const QByteArray& contentType,
                       const HttpOptions& options)
{
    HttpRequest r;
    r.method = HttpRequest::Method::Post;
    r.url = url;
    r.body = body;
    r.contentType = contentType;
    r.options = options;
    return send(r);
}

QByteArray httpMultipartBody(const QByteArray& fileBytes, const QString& fileName,
                             const QByteArray& fileContentType, const QByteArray& boundary,
                             QByteArray& contentType)
{
    QByteArray safeName = platform::cp1251::fromUnicode(fileName);
    safeName.replace('"', '_').replace('\r', '_').replace('\n', '_');
    QByteArray body;
    body += "--" + boundary + "\r\n";
    body += "Content-Disposition: form-data; name=\"file\"; filename=\"" + safeName + "\"\r\n";
    body += "Content-Type: " + (fileContentType.isEmpty() ? QByteArray("application/octet-stream") : fileContentType) +
            "\r\n\r\n";
    body += fileBytes;
    body += "\r\n--" + boundary + "--\r\n";
    contentType = "multipart/form-data; boundary=" + boundary;
    return body;
}

HttpResult httpPostMultipart(const QString& url, const QByteArray& fileBytes, const QString& fileName,
                             const QByteArray& fileContentType, const HttpOptions& options)
{
    QByteArray boundary = "----Vardelin" + QUuid::createUuid().toByteArray(QUuid::Id128);
    QByteArray contentType;
    const QByteArray body = httpMultipartBody(fileBytes, fileName, fileContentType, boundary, contentType);
    return httpPostRaw(url, body, contentType, options);
}

} // namespace platform
