#include "version_worker.h"

#include "http_client.h"
#include "version_text.h"

namespace korvana::online {

TWebThread1::TWebThread1(HttpClient &client, QUrl versionUrl, HandOff showVersionNotice, QObject *parent)
    : QObject(parent), m_client(client), m_url(std::move(versionUrl)), m_handOff(std::move(showVersionNotice))
{
}

void TWebThread1::start()
{
    m_request = m_client.getText(m_url, kVersionTextLimit);
    connect(m_request, &HttpRequest::done, this, &TWebThread1::onDone);
}

void TWebThread1::cancel()
{
    if (m_request)
        m_request->cancel();
    m_request = nullptr;
    deleteLater();
}

void TWebThread1::onDone(bool ok)
{
    // A failed request, or an answer that is no version, ends the worker
    // silently: the notice and the remote version keep their state.
    if (ok) {
        if (const auto version = remoteVersionFromBody(m_request->body()))
            m_handOff(*version);
    }
    m_request = nullptr;
    Q_EMIT ended();
    deleteLater();
}

}  // namespace korvana::online
