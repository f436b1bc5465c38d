#pragma once
// Reads one HTTP/1.x response from the bytes of a connection, strictly: a
// reply whose framing is in any doubt is an error, never a guess. What the
// reader refuses:
//   - a status line that is not "HTTP/1.x nnn ...";
//   - a header line without a name and colon, or a continued (folded) line;
//   - a Content-Length that is not a plain decimal number, or two that differ;
//   - a transfer coding other than "chunked", or one together with a length,
//     or one in an HTTP/1.0 reply (which cannot carry it);
//   - a chunk size that is not hexadecimal, a chunk-size line longer than
//     any sensible one, or chunk data not ended by a line break;
//   - a head (status line, headers, trailers, interim 1xx replies) longer than
//     its limit, and a body longer than its limit, counted as bytes arrive;
//   - a connection that closes before the declared body has arrived.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

#include "services/error_kind.h"

namespace korvana::online {

class HttpResponseReader {
public:
    enum class Progress {
        NeedMore,  // everything given so far is consumed
        HeadDone,  // the final head has been read; call read() again for the body
        Complete,  // the whole response has been read
        Failed,    // see error()
    };
    // Receives body bytes as they are decoded; false stops the reader with a
    // failure of kind File (the receiver knows why).
    using BodySink = std::function<bool(QByteArrayView)>;

    HttpResponseReader(qint64 maxHeadBytes, qint64 maxBodyBytes);

    // Adds received bytes (possibly none) and reads as far as they go.
    Progress read(QByteArrayView received, const BodySink& sink);
    // The peer closed the connection: ends a body that runs until the close,
    // fails a response that is not complete.
    Progress closed(const BodySink& sink);

    int status() const { return status_; }
    // Values of every header of this name (case-insensitive), in order.
    QList<QByteArray> headerValues(QByteArrayView name) const;
    QByteArray header(QByteArrayView name) const;
    qint64 headBytes() const { return headBytes_; }
    qint64 bodyBytes() const { return bodyBytes_; }
    // After Failed: TooLarge, File (the sink refused) or BadResponse.
    ErrorKind errorKind() const { return errorKind_; }
    const QString& error() const { return error_; }

private:
    enum class Stage {
        StatusLine,
        Headers,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailers,
        Body,
        UntilClose,
        Done,
        Failed
    };

    Progress fail(ErrorKind kind, const QString& why);
    // Takes one line (without its line break) off the buffer, counting it
    // against the head limit when countAsHead; false when no full line is there.
    bool takeLine(QByteArray* line, bool countAsHead);
    Progress parseStatusLine(const QByteArray& line);
    Progress parseHeaderLine(const QByteArray& line);
    Progress endOfHead();
    Progress parseChunkSize(const QByteArray& line);
    Progress deliver(qint64 count, const BodySink& sink);

    qint64 maxHeadBytes_;
    qint64 maxBodyBytes_;
    QByteArray buffer_;
    qsizetype pos_ = 0;  // read position in buffer_
    Stage stage_ = Stage::StatusLine;
    int status_ = 0;
    bool http10_ = false;                           // the reply is HTTP/1.0
    QList<QPair<QByteArray, QByteArray>> headers_;  // names in lower case
    qint64 headBytes_ = 0;
    qint64 bodyBytes_ = 0;
    qint64 remaining_ = 0;  // of the declared length or of the current chunk
    ErrorKind errorKind_ = ErrorKind::None;
    QString error_;
};

}  // namespace korvana::online
