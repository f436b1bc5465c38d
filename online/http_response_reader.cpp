#include "http_response_reader.h"

#include <algorithm>

namespace korvana::online {

namespace {

// A chunk-size line is a hexadecimal number with optional extensions; nothing
// sensible needs more than this.
constexpr qsizetype kMaxChunkLine = 256;
// 15 hexadecimal or 18 decimal digits stay well inside qint64.
constexpr qsizetype kMaxHexDigits = 15;
constexpr qsizetype kMaxDecimalDigits = 18;

bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isDigits(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QByteArray trimmedBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.sliced(begin, end - begin).toByteArray();
}

}  // namespace

HttpResponseReader::HttpResponseReader(qint64 maxHeadBytes, qint64 maxBodyBytes)
    : m_maxHeadBytes(maxHeadBytes), m_maxBodyBytes(maxBodyBytes)
{
}

QList<QByteArray> HttpResponseReader::headerValues(QByteArrayView name) const
{
    const QByteArray key = name.toByteArray().toLower();
    QList<QByteArray> values;
    for (const auto &[headerName, value] : m_headers)
        if (headerName == key)
            values.append(value);
    return values;
}

QByteArray HttpResponseReader::header(QByteArrayView name) const { return headerValues(name).value(0); }

HttpResponseReader::Progress HttpResponseReader::fail(const QString &why)
{
    m_stage = Stage::Failed;
    m_error = why;
    m_buffer.clear();
    m_pos = 0;
    return Progress::Failed;
}

bool HttpResponseReader::takeLine(QByteArray *line, bool countAsHead)
{
    const qsizetype end = m_buffer.indexOf('\n', m_pos);
    if (end < 0)
        return false;
    if (countAsHead)
        m_headBytes += end + 1 - m_pos;
    qsizetype length = end - m_pos;
    if (length > 0 && m_buffer[end - 1] == '\r')
        --length;
    *line = m_buffer.sliced(m_pos, length);
    m_pos = end + 1;
    return true;
}

HttpResponseReader::Progress HttpResponseReader::read(QByteArrayView received, const BodySink &sink)
{
    if (m_stage == Stage::Failed)
        return Progress::Failed;
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(received);

    for (;;) {
        QByteArray line;
        switch (m_stage) {
        case Stage::StatusLine:
        case Stage::Headers:
        case Stage::Trailers: {
            const bool full = takeLine(&line, true);
            const qint64 pending = full ? 0 : m_buffer.size() - m_pos;
            if (m_headBytes + pending > m_maxHeadBytes)
                return fail(QStringLiteral("reply head larger than %1 bytes").arg(m_maxHeadBytes));
            if (!full)
                return Progress::NeedMore;
            Progress progress = Progress::NeedMore;
            if (m_stage == Stage::StatusLine)
                progress = parseStatusLine(line);
            else if (!line.isEmpty())
                progress = m_stage == Stage::Headers ? parseHeaderLine(line) : Progress::NeedMore;
            else if (m_stage == Stage::Headers)
                progress = endOfHead();
            else
                m_stage = Stage::Done;
            if (progress != Progress::NeedMore)
                return progress;
            break;
        }
        case Stage::ChunkSize:
            if (!takeLine(&line, false)) {
                if (m_buffer.size() - m_pos > kMaxChunkLine)
                    return fail(QStringLiteral("malformed chunk size"));
                return Progress::NeedMore;
            }
            if (const Progress progress = parseChunkSize(line); progress != Progress::NeedMore)
                return progress;
            break;
        case Stage::ChunkEnd:
            if (!takeLine(&line, false)) {
                if (m_buffer.size() - m_pos >= 2)
                    return fail(QStringLiteral("chunk longer than its size"));
                return Progress::NeedMore;
            }
            if (!line.isEmpty())
                return fail(QStringLiteral("chunk longer than its size"));
            m_stage = Stage::ChunkSize;
            break;
        case Stage::Body:
        case Stage::ChunkData: {
            if (m_remaining > m_maxBodyBytes - m_bodyBytes)
                return fail(QStringLiteral("body larger than %1 bytes").arg(m_maxBodyBytes));
            const qint64 count = std::min<qint64>(m_remaining, m_buffer.size() - m_pos);
            if (const Progress progress = deliver(count, sink); progress != Progress::NeedMore)
                return progress;
            m_remaining -= count;
            if (m_remaining > 0)
                return Progress::NeedMore;
            m_stage = m_stage == Stage::Body ? Stage::Done : Stage::ChunkEnd;
            break;
        }
        case Stage::UntilClose: {
            const Progress progress = deliver(m_buffer.size() - m_pos, sink);
            return progress;
        }
        case Stage::Done:
            m_buffer.clear();  // anything after the response is not ours to read
            m_pos = 0;
            return Progress::Complete;
        case Stage::Failed:
            return Progress::Failed;
        }
    }
}

HttpResponseReader::Progress HttpResponseReader::closed(const BodySink &sink)
{
    const Progress progress = read({}, sink);
    if (progress == Progress::Failed || progress == Progress::Complete)
        return progress;
    if (m_stage == Stage::UntilClose) {
        m_stage = Stage::Done;
        return Progress::Complete;
    }
    if (progress == Progress::HeadDone)
        return closed(sink);
    return fail(QStringLiteral("connection closed before the whole reply arrived"));
}

HttpResponseReader::Progress HttpResponseReader::parseStatusLine(const QByteArray &line)
{
    // "HTTP/1.1 200 OK"; the reason may be missing.
    const bool shaped = line.size() >= 12 && line.startsWith("HTTP/1.") && (line[7] == '0' || line[7] == '1')
                        && line[8] == ' ' && isDigits(QByteArrayView(line).sliced(9, 3))
                        && (line.size() == 12 || line[12] == ' ');
    if (!shaped)
        return fail(QStringLiteral("malformed status line"));
    m_status = line.mid(9, 3).toInt();
    if (m_status < 100)
        return fail(QStringLiteral("malformed status line"));
    m_stage = Stage::Headers;
    return Progress::NeedMore;
}

HttpResponseReader::Progress HttpResponseReader::parseHeaderLine(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return fail(QStringLiteral("malformed header line"));
    const QByteArrayView name = QByteArrayView(line).first(colon);
    if (!std::all_of(name.begin(), name.end(), isTokenChar))
        return fail(QStringLiteral("malformed header line"));
    m_headers.append({name.toByteArray().toLower(), trimmedBlanks(QByteArrayView(line).sliced(colon + 1))});
    return Progress::NeedMore;
}

HttpResponseReader::Progress HttpResponseReader::endOfHead()
{
    if (m_status == 101)
        return fail(QStringLiteral("unexpected protocol switch"));
    if (m_status < 200) {  // an interim reply: the real one follows
        m_headers.clear();
        m_stage = Stage::StatusLine;
        return Progress::NeedMore;
    }

    QList<QByteArray> codings;
    for (const QByteArray &value : headerValues("transfer-encoding"))
        for (const QByteArray &coding : value.split(','))
            if (const QByteArray name = trimmedBlanks(coding).toLower(); !name.isEmpty())
                codings.append(name);
    const QList<QByteArray> lengthValues = headerValues("content-length");
    if (!codings.isEmpty() && !lengthValues.isEmpty())
        return fail(QStringLiteral("reply with both a length and a transfer coding"));
    if (!codings.isEmpty() && codings != QList<QByteArray>{"chunked"})
        return fail(QStringLiteral("unsupported transfer coding"));

    qint64 length = -1;
    for (const QByteArray &value : lengthValues) {
        for (const QByteArray &item : value.split(',')) {
            const QByteArray digits = trimmedBlanks(item);
            if (!isDigits(digits) || digits.size() > kMaxDecimalDigits)
                return fail(QStringLiteral("malformed Content-Length"));
            const qint64 declared = digits.toLongLong();
            if (length >= 0 && declared != length)
                return fail(QStringLiteral("conflicting Content-Length"));
            length = declared;
        }
    }

    if (m_status == 204 || m_status == 304 || length == 0)
        m_stage = Stage::Done;
    else if (!codings.isEmpty())
        m_stage = Stage::ChunkSize;
    else if (length > 0) {
        m_stage = Stage::Body;
        m_remaining = length;
    } else
        m_stage = Stage::UntilClose;
    return Progress::HeadDone;
}

HttpResponseReader::Progress HttpResponseReader::parseChunkSize(const QByteArray &line)
{
    qsizetype digits = 0;
    qint64 size = 0;
    while (digits < line.size() && hexValue(line[digits]) >= 0) {
        if (digits == kMaxHexDigits)
            return fail(QStringLiteral("malformed chunk size"));
        size = size * 16 + hexValue(line[digits]);
        ++digits;
    }
    const QByteArray rest = trimmedBlanks(QByteArrayView(line).sliced(digits));
    if (digits == 0 || (!rest.isEmpty() && !rest.startsWith(';')))
        return fail(QStringLiteral("malformed chunk size"));
    if (size == 0) {
        m_stage = Stage::Trailers;
        return Progress::NeedMore;
    }
    m_remaining = size;
    m_stage = Stage::ChunkData;
    return Progress::NeedMore;
}

HttpResponseReader::Progress HttpResponseReader::deliver(qint64 count, const BodySink &sink)
{
    if (count <= 0)
        return Progress::NeedMore;
    m_bodyBytes += count;
    if (m_bodyBytes > m_maxBodyBytes)
        return fail(QStringLiteral("body larger than %1 bytes").arg(m_maxBodyBytes));
    const QByteArrayView data = QByteArrayView(m_buffer).sliced(m_pos, count);
    m_pos += count;
    if (sink && !sink(data))
        return fail(QStringLiteral("body not stored"));
    return Progress::NeedMore;
}

}  // namespace korvana::online
