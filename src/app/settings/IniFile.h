// config.ini in the private-profile form: "[Section]" lines open sections,
// "Key=Value" lines inside them hold the values. Section and key names are
// matched without regard to case.
//
// The object only names the file: it neither creates nor locks it and holds
// no handle. Every read parses the file as it is at that moment; every write
// goes to the file at once (the whole file is rewritten through a temporary
// file and synced, so a full disk or a power cut leaves the old file intact).
// A refused write throws trv630::Error("Unable to write to <full path>").
//
// A group of reads and writes (start-up, close, the first-run file) may be
// put between open() and close(): the file is read once at open(), reads and
// writes in between work on that copy, and close() writes the file once if
// anything changed, throwing on a refused write as a single write would.
//
// Layout of what we write: no blanks around "=", the line ends of the file
// (CR LF in a new file), a blank line before a new section. A value with a
// blank or tab at either end, or one that is itself wrapped in a pair of
// equal quotes, is written inside double quotes; reading strips blanks at
// either end and then one pair of equal surrounding quotes (" or '), so
// every text we write reads back unchanged. Line breaks cannot live in a
// line-based file: a CR or LF inside a written text becomes a blank.
//
// Encoding: written in UTF-8. A file that is not valid UTF-8 (written by an
// older Windows installation) is read as Windows code page 1250.
//
// Not thread-safe; used on the GUI thread only.
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringList>

#include <optional>

namespace trv630 {

class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    /// The path as shown in error messages: absolute, native separators.
    QString fullPath() const;
    bool exists() const;

    /// The stored text (blanks at either end and one pair of surrounding
    /// quotes removed, at most maxTextLength characters), or def when the
    /// key is missing.
    QString readString(QAnyStringView section, QAnyStringView key, const QString& def) const;
    /// A decimal number, or a hexadecimal one after "0x", "0X" or "$";
    /// anything else and a missing key give def.
    int readInteger(QAnyStringView section, QAnyStringView key, int def) const;
    /// An integer as readInteger: 0 is false, any other number true.
    bool readBool(QAnyStringView section, QAnyStringView key, bool def) const;

    void writeString(QAnyStringView section, QAnyStringView key, const QString& value);
    void writeInteger(QAnyStringView section, QAnyStringView key, int value);
    /// Written as "1" or "0".
    void writeBool(QAnyStringView section, QAnyStringView key, bool value);

    /// Begins a group: reads the file once; later reads and writes use that copy.
    void open();
    /// Ends the group: writes the file once if a write changed the copy.
    void close();
    bool isOpen() const { return group_.has_value(); }

    static constexpr int maxTextLength = 2047;

    // The value rules on their own, for tests and for anyone parsing a value.
    /// The text of a stored value as read back (trim, unquote, cut).
    static QString decodeValue(QStringView stored);
    /// The stored form of a text (quoted when needed, line breaks to blanks).
    static QString encodeValue(const QString& text);
    /// Integer rule of readInteger; false when the text is not a number.
    static bool parseInteger(QStringView text, int& result);
    /// Bytes of a file to text: UTF-8 when valid, else Windows-1250.
    static QString decodeFileBytes(const QByteArray& bytes);

    /// The file's lines (without their line ends) and the line end it uses.
    struct Content {
        QStringList lines;
        QString eol = QStringLiteral("\r\n");
        bool readable = true; ///< false: the file exists but could not be read
    };

private:
    Content content() const;
    void save(const Content& content);

    QString path_;
    struct Group {
        Content content;
        bool dirty = false;
    };
    std::optional<Group> group_;
};

} // namespace trv630
