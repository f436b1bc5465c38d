#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#endif

namespace korvana::ui {

SettingsFileCheck checkSettingsFile(const QString& path) {
    using Kind = SettingsFileCheck::Kind;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {Kind::Absent, {}};
        return {Kind::Unusable, QString::fromLocal8Bit(std::strerror(errno))};
    }
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0)
        return {Kind::Unusable, QStringLiteral("a link that leads nowhere")};
    if (S_ISREG(st.st_mode)) return {Kind::Regular, {}};
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {Kind::Absent, {}};
    if (info.isFile()) return {Kind::Regular, {}};
#endif
    return {Kind::Unusable, QStringLiteral("not a regular file")};
}

namespace {

bool isIniSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// One logical line of an INI file, read by the rules QSettings follows:
// blank and ';' comment lines are skipped, a backslash takes the next
// character (a line break too) into the line, quotes may span lines, and a
// ';' outside quotes ends the line.
struct IniLine {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;  // the first '=' outside quotes
};

bool readIniLine(QByteArrayView data, qsizetype& pos, IniLine& line) {
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = pos;
    while (start < size && isIniSpace(data[start])) ++start;
    qsizetype i = start;
    while (i < size) {
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && line.equals == -1) line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size) {
                    const char after = data[i];
                    if ((escaped == '\n' && after == '\r') || (escaped == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r') ++i;
                while (i < size && isIniSpace(data[i])) ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.end = i;
    return i > start;
}

// Past the line break (\n, \r or \r\n) at or after pos, or the end of the text.
qsizetype afterLineBreak(QByteArrayView data, qsizetype pos) {
    while (pos < data.size() && data[pos] != '\n' && data[pos] != '\r') ++pos;
    if (pos == data.size()) return pos;
    if (data[pos] == '\r' && pos + 1 < data.size() && data[pos + 1] == '\n') return pos + 2;
    return pos + 1;
}

bool isGeneralHeader(QByteArrayView line) {
    qsizetype close = line.indexOf(']');
    if (close < 0) close = line.size();
    return line.sliced(1, close - 1).trimmed().compare("general", Qt::CaseInsensitive) == 0;
}

struct Cut {
    qsizetype from, to;
};

}  // namespace

QByteArray iniValue(const QString& text) {
    QByteArray value;
    // A leading @ marks a value of another type; two of them stand for one.
    if (text.startsWith(QLatin1Char('@'))) value += '@';
    bool quoted = false;
    // After a \x escape a hexadecimal digit would read as part of it.
    bool escapeHexDigit = false;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == ';' || code == ',' || code == '=') quoted = true;
        const bool hexDigit = (code >= '0' && code <= '9') || (code >= 'a' && code <= 'f') ||
                              (code >= 'A' && code <= 'F');
        if (escapeHexDigit && hexDigit) {
            value += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeHexDigit = false;
        if (code == '"' || code == '\\') {
            value += '\\';
            value += static_cast<char>(code);
        } else if (code < 0x20 || code >= 0x7f) {
            value += "\\x" + QByteArray::number(code, 16);
            escapeHexDigit = true;
        } else {
            value += static_cast<char>(code);
        }
    }
    if (!value.isEmpty() && (value.front() == ' ' || value.back() == ' ')) quoted = true;
    return quoted ? '"' + value + '"' : value;
}

QByteArray withGeneralValue(QByteArrayView ini, QByteArrayView key, QByteArrayView value) {
    // QSettings reads past a UTF-8 byte order mark; so does this.
    const qsizetype begin = ini.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const QByteArrayView data = ini.sliced(begin);
    const qsizetype firstBreak = data.indexOf('\n');
    const QByteArray lineBreak = firstBreak > 0 && data[firstBreak - 1] == '\r' ? "\r\n" : "\n";

    std::vector<Cut> cuts;  // the lines that set the key now
    qsizetype firstLine = -1;
    bool firstIsHeader = false;
    qsizetype afterGeneralHeader = -1;
    bool inGeneral = true;  // lines before any header belong to [General]
    IniLine line;
    for (qsizetype pos = 0; readIniLine(data, pos, line);) {
        const QByteArrayView text = data.sliced(line.start, line.end - line.start);
        const bool header = text.startsWith('[');
        if (firstLine < 0) {
            firstLine = line.start;
            firstIsHeader = header;
        }
        if (header) {
            inGeneral = isGeneralHeader(text);
            if (inGeneral && afterGeneralHeader < 0)
                afterGeneralHeader = afterLineBreak(data, line.end);
        } else if (inGeneral && line.equals >= 0 &&
                   data.sliced(line.start, line.equals - line.start).trimmed() == key) {
            cuts.push_back({line.start, afterLineBreak(data, line.end)});
        }
    }
    // The new line goes first into the section that already holds the
    // unnamed lines or the first [General] header; without either, a new
    // [General] section goes before all others.
    qsizetype insertAt = data.size();
    bool needsHeader = true;
    if (firstLine >= 0 && !firstIsHeader) {
        insertAt = firstLine;
        needsHeader = false;
    } else if (afterGeneralHeader >= 0) {
        insertAt = afterGeneralHeader;
        needsHeader = false;
    } else if (firstLine >= 0) {
        insertAt = firstLine;
    }

    QByteArray added;
    if (insertAt > 0 && data[insertAt - 1] != '\n' && data[insertAt - 1] != '\r')
        added += lineBreak;
    if (needsHeader) added += "[General]" + lineBreak;
    added += key.toByteArray() + '=' + value.toByteArray() + lineBreak;

    QByteArray result = ini.sliced(0, begin).toByteArray();
    qsizetype copied = 0;
    bool inserted = false;
    for (const Cut& cut : cuts) {
        if (!inserted && insertAt <= cut.from) {
            result += data.sliced(copied, insertAt - copied);
            result += added;
            copied = insertAt;
            inserted = true;
        }
        result += data.sliced(copied, cut.from - copied);
        copied = cut.to;
    }
    if (!inserted) {
        result += data.sliced(copied, insertAt - copied);
        result += added;
        copied = insertAt;
    }
    result += data.sliced(copied);
    return result;
}

bool replaceSettingsFile(const QString& path, const QByteArray& text, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return fail(QStringLiteral("cannot create the folder"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    // QSaveFile::commit() puts the new file in place even when the flush it
    // makes itself fails (a full disk leaves an empty file), so the text is
    // flushed, and checked, first.
    if (file.write(text) != text.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

}  // namespace korvana::ui
