#include "services/web/http_response_reader.h"

#include <algorithm>

namespace korvana::online {

namespace {

// A chunk-size line is a hexadecimal number with optional extensions; nothing
// sensible needs more than this.
constexpr qsizetype kMaxChunkLine = 256;
// 15 hexadecimal or 18 decimal digits stay well inside qint64.
constexpr qsizetype kMaxHexDigits = 15;
constexpr qsizetype kMaxDecimalDigits = 18;

bool isTokenChar(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isDigits(QByteArrayView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

QByteArray trimmedBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.sliced(begin, end - begin).toByteArray();
}

}  // namespace

HttpResponseReader::HttpResponseReader(qint64 maxHeadBytes, qint64 maxBodyBytes)
    : maxHeadBytes_(maxHeadBytes), maxBodyBytes_(maxBodyBytes) {}

QList<QByteArray> HttpResponseReader::headerValues(QByteArrayView name) const {
    const QByteArray key = name.toByteArray().toLower();
    QList<QByteArray> values;
    for (const auto& [headerName, value] : headers_)
        if (headerName == key) values.append(value);
    return values;
}

QByteArray HttpResponseReader::header(QByteArrayView name) const {
    return headerValues(name).value(0);
}

HttpResponseReader::Progress HttpResponseReader::fail(ErrorKind kind, const QString& why) {
    stage_ = Stage::Failed;
    errorKind_ = kind;
    error_ = why;
    buffer_.clear();
    pos_ = 0;
    return Progress::Failed;
}

bool HttpResponseReader::takeLine(QByteArray* line, bool countAsHead) {
    const qsizetype end = buffer_.indexOf('\n', pos_);
    if (end < 0) return false;
    if (countAsHead) headBytes_ += end + 1 - pos_;
    qsizetype length = end - pos_;
    if (length > 0 && buffer_[end - 1] == '\r') --length;
    *line = buffer_.sliced(pos_, length);
    pos_ = end + 1;
    return true;
}

HttpResponseReader::Progress HttpResponseReader::read(QByteArrayView received,
                                                      const BodySink& sink) {
    if (stage_ == Stage::Failed) return Progress::Failed;
    if (pos_ > 0) {
        buffer_.remove(0, pos_);
        pos_ = 0;
    }
    buffer_.append(received);

    for (;;) {
        QByteArray line;
        switch (stage_) {
            case Stage::StatusLine:
            case Stage::Headers:
            case Stage::Trailers: {
                const bool full = takeLine(&line, true);
                const qint64 pending = full ? 0 : buffer_.size() - pos_;
                if (headBytes_ + pending > maxHeadBytes_)
                    return fail(
                        ErrorKind::TooLarge,
                        QStringLiteral("reply head larger than %1 bytes").arg(maxHeadBytes_));
                if (!full) return Progress::NeedMore;
                Progress progress = Progress::NeedMore;
                if (stage_ == Stage::StatusLine)
                    progress = parseStatusLine(line);
                else if (!line.isEmpty())
                    progress =
                        stage_ == Stage::Headers ? parseHeaderLine(line) : Progress::NeedMore;
                else if (stage_ == Stage::Headers)
                    progress = endOfHead();
                else
                    stage_ = Stage::Done;
                if (progress != Progress::NeedMore) return progress;
                break;
            }
            case Stage::ChunkSize:
                if (!takeLine(&line, false)) {
                    // The same bound whether the line is complete or not: room
                    // for a carriage return still to be followed by its line feed.
                    if (buffer_.size() - pos_ > kMaxChunkLine + 1)
                        return fail(ErrorKind::BadResponse,
                                    QStringLiteral("chunk-size line too long"));
                    return Progress::NeedMore;
                }
                if (line.size() > kMaxChunkLine)
                    return fail(ErrorKind::BadResponse, QStringLiteral("chunk-size line too long"));
                if (const Progress progress = parseChunkSize(line); progress != Progress::NeedMore)
                    return progress;
                break;
            case Stage::ChunkEnd:
                if (!takeLine(&line, false)) {
                    if (buffer_.size() - pos_ >= 2)
                        return fail(ErrorKind::BadResponse,
                                    QStringLiteral("chunk longer than its size"));
                    return Progress::NeedMore;
                }
                if (!line.isEmpty())
                    return fail(ErrorKind::BadResponse,
                                QStringLiteral("chunk longer than its size"));
                stage_ = Stage::ChunkSize;
                break;
            case Stage::Body:
            case Stage::ChunkData: {
                if (remaining_ > maxBodyBytes_ - bodyBytes_)
                    return fail(ErrorKind::TooLarge,
                                QStringLiteral("body larger than %1 bytes").arg(maxBodyBytes_));
                const qint64 count = std::min<qint64>(remaining_, buffer_.size() - pos_);
                if (const Progress progress = deliver(count, sink); progress != Progress::NeedMore)
                    return progress;
                remaining_ -= count;
                if (remaining_ > 0) return Progress::NeedMore;
                stage_ = stage_ == Stage::Body ? Stage::Done : Stage::ChunkEnd;
                break;
            }
            case Stage::UntilClose: {
                const Progress progress = deliver(buffer_.size() - pos_, sink);
                return progress;
            }
            case Stage::Done:
                buffer_.clear();  // anything after the response is not ours to read
                pos_ = 0;
                return Progress::Complete;
            case Stage::Failed: return Progress::Failed;
        }
    }
}

HttpResponseReader::Progress HttpResponseReader::closed(const BodySink& sink) {
    const Progress progress = read({}, sink);
    if (progress == Progress::Failed || progress == Progress::Complete) return progress;
    if (stage_ == Stage::UntilClose) {
        stage_ = Stage::Done;
        return Progress::Complete;
    }
    if (progress == Progress::HeadDone) return closed(sink);
    return fail(ErrorKind::BadResponse,
                QStringLiteral("connection closed before the whole reply arrived"));
}

HttpResponseReader::Progress HttpResponseReader::parseStatusLine(const QByteArray& line) {
    // "HTTP/1.1 200 OK"; the reason may be missing.
    const bool shaped = line.size() >= 12 && line.startsWith("HTTP/1.") &&
                        (line[7] == '0' || line[7] == '1') && line[8] == ' ' &&
                        isDigits(QByteArrayView(line).sliced(9, 3)) &&
                        (line.size() == 12 || line[12] == ' ');
    if (!shaped) return fail(ErrorKind::BadResponse, QStringLiteral("malformed status line"));
    status_ = line.mid(9, 3).toInt();
    http10_ = line[7] == '0';
    if (status_ < 100) return fail(ErrorKind::BadResponse, QStringLiteral("malformed status line"));
    stage_ = Stage::Headers;
    return Progress::NeedMore;
}

HttpResponseReader::Progress HttpResponseReader::parseHeaderLine(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0) return fail(ErrorKind::BadResponse, QStringLiteral("malformed header line"));
    const QByteArrayView name = QByteArrayView(line).first(colon);
    if (!std::all_of(name.begin(), name.end(), isTokenChar))
        return fail(ErrorKind::BadResponse, QStringLiteral("malformed header line"));
    headers_.append(
        {name.toByteArray().toLower(), trimmedBlanks(QByteArrayView(line).sliced(colon + 1))});
    return Progress::NeedMore;
}

HttpResponseReader::Progress HttpResponseReader::endOfHead() {
    if (status_ == 101)
        return fail(ErrorKind::BadResponse, QStringLiteral("unexpected protocol switch"));
    if (status_ < 200) {  // an interim reply: the real one follows
        headers_.clear();
        stage_ = Stage::StatusLine;
        return Progress::NeedMore;
    }

    QList<QByteArray> codings;
    for (const QByteArray& value : headerValues("transfer-encoding"))
        for (const QByteArray& coding : value.split(','))
            if (const QByteArray name = trimmedBlanks(coding).toLower(); !name.isEmpty())
                codings.append(name);
    const QList<QByteArray> lengthValues = headerValues("content-length");
    if (!codings.isEmpty() && !lengthValues.isEmpty())
        return fail(ErrorKind::BadResponse,
                    QStringLiteral("reply with both a length and a transfer coding"));
    if (!codings.isEmpty() && codings != QList<QByteArray>{"chunked"})
        return fail(ErrorKind::BadResponse, QStringLiteral("unsupported transfer coding"));
    if (!codings.isEmpty() && http10_)
        return fail(ErrorKind::BadResponse, QStringLiteral("transfer coding in an HTTP/1.0 reply"));

    qint64 length = -1;
    for (const QByteArray& value : lengthValues) {
        for (const QByteArray& item : value.split(',')) {
            const QByteArray digits = trimmedBlanks(item);
            if (!isDigits(digits) || digits.size() > kMaxDecimalDigits)
                return fail(ErrorKind::BadResponse, QStringLiteral("malformed Content-Length"));
            const qint64 declared = digits.toLongLong();
            if (length >= 0 && declared != length)
                return fail(ErrorKind::BadResponse, QStringLiteral("conflicting Content-Length"));
            length = declared;
        }
    }

    if (status_ == 204 || status_ == 304 || length == 0)
        stage_ = Stage::Done;
    else if (!codings.isEmpty())
        stage_ = Stage::ChunkSize;
    else if (length > 0) {
        stage_ = Stage::Body;
        remaining_ = length;
    } else
        stage_ = Stage::UntilClose;
    return Progress::HeadDone;
}

HttpResponseReader::Progress HttpResponseReader::parseChunkSize(const QByteArray& line) {
    qsizetype digits = 0;
    qint64 size = 0;
    while (digits < line.size() && hexValue(line[digits]) >= 0) {
        if (digits == kMaxHexDigits)
            return fail(ErrorKind::BadResponse, QStringLiteral("malformed chunk size"));
        size = size * 16 + hexValue(line[digits]);
        ++digits;
    }
    const QByteArray rest = trimmedBlanks(QByteArrayView(line).sliced(digits));
    if (digits == 0 || (!rest.isEmpty() && !rest.startsWith(';')))
        return fail(ErrorKind::BadResponse, QStringLiteral("malformed chunk size"));
    if (size == 0) {
        stage_ = Stage::Trailers;
        return Progress::NeedMore;
    }
    remaining_ = size;
    stage_ = Stage::ChunkData;
    return Progress::NeedMore;
}

HttpResponseReader::Progress HttpResponseReader::deliver(qint64 count, const BodySink& sink) {
    if (count <= 0) return Progress::NeedMore;
    bodyBytes_ += count;
    if (bodyBytes_ > maxBodyBytes_)
        return fail(ErrorKind::TooLarge,
                    QStringLiteral("body larger than %1 bytes").arg(maxBodyBytes_));
    const QByteArrayView data = QByteArrayView(buffer_).sliced(pos_, count);
    pos_ += count;
    if (sink && !sink(data)) return fail(ErrorKind::File, QStringLiteral("body not stored"));
    return Progress::NeedMore;
}

}  // namespace korvana::online
