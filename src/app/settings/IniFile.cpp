#include "app/settings/IniFile.h"

#include "app/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

Q_LOGGING_CATEGORY(lcSettings, "trv630.settings")

namespace trv630 {

namespace {

// Windows code page 1250 (Central European), bytes 0x80 to 0xFF. The five
// unassigned bytes map to the control character of the same number.
constexpr char16_t cp1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

using Content = IniFile::Content;

Content load(const QString& path)
{
    Content content;
    QFile file(path);
    if (!file.exists())
        return content;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSettings) << "cannot read" << path << file.errorString();
        content.readable = false;
        return content;
    }
    const QString text = IniFile::decodeFileBytes(file.readAll());
    const qsizetype firstLf = text.indexOf(u'\n');
    if (firstLf >= 0)
        content.eol = firstLf > 0 && text[firstLf - 1] == u'\r' ? QStringLiteral("\r\n")
                                                                : QStringLiteral("\n");
    content.lines = text.split(u'\n');
    if (!content.lines.isEmpty() && content.lines.last().isEmpty())
        content.lines.removeLast(); // the file ended with a line end
    for (QString& line : content.lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return content;
}

/// "[Name]" (blanks allowed around and inside the brackets).
bool sectionOf(QStringView line, QStringView& name)
{
    const QStringView t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    name = t.mid(1, close - 1).trimmed();
    return true;
}

/// "Key=Value"; comment lines (";") and lines without "=" hold no key.
bool keyOf(QStringView line, QStringView& key, QStringView& value)
{
    const QStringView t = line.trimmed();
    if (t.startsWith(u';'))
        return false;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1);
    return true;
}

/// Where a key stands: its section's header line, its own line and the
/// last non-blank line of its section (-1 when absent).
struct Location {
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype sectionEnd = -1;
};

Location locate(const QStringList& lines, const QString& section, const QString& key)
{
    Location loc;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView name;
        if (sectionOf(lines[i], name)) {
            if (inside)
                break; // only the first section of that name counts
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                inside = true;
                loc.section = loc.sectionEnd = i;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!lines[i].trimmed().isEmpty())
            loc.sectionEnd = i;
        QStringView k, v;
        if (loc.key < 0 && keyOf(lines[i], k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            loc.key = i;
    }
    return loc;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

QString IniFile::fullPath() const
{
    return QDir::toNativeSeparators(QFileInfo(path_).absoluteFilePath());
}

bool IniFile::exists() const
{
    return QFileInfo(path_).isFile();
}

QString IniFile::decodeFileBytes(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b < 0x80 ? QChar(b) : QChar(cp1250High[b - 0x80]));
    }
    return text;
}

QString IniFile::decodeValue(QStringView stored)
{
    QStringView t = stored.trimmed();
    if (t.size() >= 2 && t.front() == t.back() && (t.front() == u'"' || t.front() == u'\''))
        t = t.mid(1, t.size() - 2);
    return t.left(maxTextLength).toString();
}

QString IniFile::encodeValue(const QString& text)
{
    QString t = text;
    t.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool quote = !t.isEmpty()
        && (t.front().isSpace() || t.back().isSpace()
            || (t.size() >= 2 && t.front() == t.back()
                && (t.front() == u'"' || t.front() == u'\'')));
    return quote ? u'"' + t + u'"' : t;
}

bool IniFile::parseInteger(QStringView text, int& result)
{
    QStringView t = text;
    bool negative = false;
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+')) {
        negative = t.front() == u'-';
        t = t.mid(1);
    }
    int base = 10;
    if (t.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        t = t.mid(2);
    } else if (t.startsWith(u'$')) {
        base = 16;
        t = t.mid(1);
    }
    if (t.isEmpty())
        return false;
    // Decimal: the int range. Hexadecimal: up to 32 bits, taken as two's
    // complement ("$FFFFFFFF" is -1), as the platform reads them.
    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 value = 0;
    for (const QChar c : t) {
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > limit)
            return false;
    }
    quint32 bits = static_cast<quint32>(value);
    if (negative)
        bits = 0u - bits;
    result = static_cast<int>(bits);
    return true;
}

QString IniFile::readString(QAnyStringView section, QAnyStringView key, const QString& def) const
{
    const Content content = this->content();
    const Location loc = locate(content.lines, section.toString(), key.toString());
    if (loc.key < 0)
        return def;
    QStringView k, v;
    keyOf(content.lines[loc.key], k, v);
    return decodeValue(v);
}

int IniFile::readInteger(QAnyStringView section, QAnyStringView key, int def) const
{
    const Content content = this->content();
    const Location loc = locate(content.lines, section.toString(), key.toString());
    if (loc.key < 0)
        return def;
    QStringView k, v;
    keyOf(content.lines[loc.key], k, v);
    int value = 0;
    return parseInteger(decodeValue(v), value) ? value : def;
}

bool IniFile::readBool(QAnyStringView section, QAnyStringView key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeInteger(QAnyStringView section, QAnyStringView key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(QAnyStringView section, QAnyStringView key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeString(QAnyStringView section, QAnyStringView key, const QString& value)
{
    Content content = this->content();
    if (!content.readable)
        throw Error(QStringLiteral("Unable to write to %1").arg(fullPath())); // rewriting would drop what we could not read

    const QString sectionName = section.toString();
    const QString keyName = key.toString();
    const Location loc = locate(content.lines, sectionName, keyName);
    const QString encoded = encodeValue(value);
    if (loc.key >= 0) {
        QStringView k, v;
        keyOf(content.lines[loc.key], k, v);
        content.lines[loc.key] = k.toString() + u'=' + encoded; // keeps the stored spelling
    } else if (loc.section >= 0) {
        content.lines.insert(loc.sectionEnd + 1, keyName + u'=' + encoded);
    } else {
        if (!content.lines.isEmpty() && !content.lines.last().trimmed().isEmpty())
            content.lines.append(QString());
        content.lines.append(u'[' + sectionName + u']');
        content.lines.append(keyName + u'=' + encoded);
    }

    if (group_) {
        group_->content = std::move(content);
        group_->dirty = true;
    } else {
        save(content);
    }
}

void IniFile::open()
{
    group_ = Group{load(path_), false};
}

void IniFile::close()
{
    if (!group_)
        return;
    const Group group = std::move(*group_);
    group_.reset();
    if (group.dirty)
        save(group.content);
}

IniFile::Content IniFile::content() const
{
    return group_ ? group_->content : load(path_);
}

void IniFile::save(const Content& content)
{
    const auto refused = [this] {
        return Error(QStringLiteral("Unable to write to %1").arg(fullPath()));
    };
    QString text;
    for (const QString& line : std::as_const(content.lines))
        text += line + content.eol;

    // A config.ini that is a link to the real file (a shared settings file)
    // stays a link: the file it points to is the one replaced.
    const QFileInfo info(path_);
    QSaveFile file(info.isSymLink() && info.exists() ? info.canonicalFilePath() : path_);
    file.setDirectWriteFallback(true); // a writable file in a read-only directory
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcSettings) << "cannot write" << path_ << file.errorString();
        throw refused();
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcSettings) << "cannot write" << path_ << file.errorString();
        throw refused();
    }
}

} // namespace trv630
