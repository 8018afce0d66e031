// config.ini rules: what each stored text reads as, where writes land, the
// round trip of every text we write, encodings and refused writes.
#include "app/Errors.h"
#include "app/settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using trv630::IniFile;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("config.ini")); }

    void store(const QByteArray& bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray contents() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

struct ReadCase {
    const char* stored; // the value text after "Key="
    const char* text;   // readString
    int integer;        // readInteger with default 77
    bool boolean;       // readBool with default true
};

// clang-format off
const ReadCase readCases[] = {
    {"12",          "12",        12,          true},
    {"-5",          "-5",        -5,          true},
    {"+7",          "+7",        7,           true},
    {"0",           "0",         0,           false},
    {"0x10",        "0x10",      16,          true},
    {"0X1f",        "0X1f",      31,          true},
    {"$FF",         "$FF",       255,         true},
    {"-$10",        "-$10",      -16,         true},
    {"$FFFFFFFF",   "$FFFFFFFF", -1,          true},
    {"$100000000",  "$100000000", 77,         true},
    {"2147483647",  "2147483647", 2147483647, true},
    {"-2147483648", "-2147483648", -2147483647 - 1, true},
    {"2147483648",  "2147483648", 77,         true},
    {"abc",         "abc",       77,          true},
    {"12abc",       "12abc",     77,          true},
    {"0x",          "0x",        77,          true},
    {"$",           "$",         77,          true},
    {"1.5",         "1.5",       77,          true},
    {"",            "",          77,          true},
    {"  42  ",      "42",        42,          true},
    {"\t0\t",       "0",         0,           false},
    {"\"5\"",       "5",         5,           true},
    {"'0'",         "0",         0,           false},
    {"\"  cm \"",   "  cm ",     77,          true},
    {"\"abc",       "\"abc",     77,          true},
    {"'x\"",        "'x\"",      77,          true},
    {"\"",          "\"",        77,          true},
    {"a=b",         "a=b",       77,          true},
    {"[V]",         "[V]",       77,          true},
};
// clang-format on

TEST_F(IniFileTest, StoredTextsReadAsTheRulesSay)
{
    for (const ReadCase& c : readCases) {
        store(QByteArray("[Options]\r\nKey=") + c.stored + "\r\n");
        IniFile ini(path());
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ini.readString("Options", "Key", QStringLiteral("def")), QString::fromUtf8(c.text));
        EXPECT_EQ(ini.readInteger("Options", "Key", 77), c.integer);
        EXPECT_EQ(ini.readBool("Options", "Key", true), c.boolean);
        const bool number = c.integer != 77;
        EXPECT_EQ(ini.readBool("Options", "Key", false), number ? c.boolean : false);
    }
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Options", "Key", QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(ini.readInteger("Options", "Key", -3), -3);
    EXPECT_TRUE(ini.readBool("Options", "Key", true));
    EXPECT_FALSE(QFile::exists(path())) << "reading must not create the file";

    store("[Other]\nKey=1\n[Options]\nOther=2\n");
    EXPECT_EQ(ini.readInteger("Options", "Key", -3), -3);
    EXPECT_EQ(ini.readInteger("Missing", "Key", -4), -4);
    EXPECT_EQ(ini.readInteger("Other", "Key", -4), 1);
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCase)
{
    store("[options]\nPOINT=3\n; comment=9\n[Chart]\npoint=4\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("Options", "Point", 0), 3);
    EXPECT_EQ(ini.readInteger("OPTIONS", "point", 0), 3);
    EXPECT_EQ(ini.readInteger("chart", "Point", 0), 4);
    EXPECT_EQ(ini.readInteger("Options", "; comment", 0), 0);

    ini.writeInteger("OPTIONS", "Point", 1);
    EXPECT_EQ(contents(), QByteArray("[options]\nPOINT=1\n; comment=9\n[Chart]\npoint=4\n"));
}

TEST_F(IniFileTest, TextIsCutAt2047Characters)
{
    store("[Options]\nKey=" + QByteArray(3000, 'x') + "\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Options", "Key", {}), QString(2047, u'x'));
}

TEST_F(IniFileTest, WritesReplaceInPlaceAppendToSectionAndAddSectionsAtTheEnd)
{
    store("; settings\r\n[Options]\r\nA=1\r\nB=2\r\n\r\n[Chart]\r\nPeriod=3\r\n");
    IniFile ini(path());
    ini.writeInteger("Options", "a", 10);      // replaced where it stands, stored spelling kept
    ini.writeString("Options", "C", QStringLiteral("new")); // end of its section, before the blank
    ini.writeBool("Chart", "Shown", true);     // end of the last section
    ini.writeBool("Extra", "Flag", false);     // a new section at the end of the file
    EXPECT_EQ(contents(), QByteArray("; settings\r\n[Options]\r\nA=10\r\nB=2\r\nC=new\r\n\r\n"
                                     "[Chart]\r\nPeriod=3\r\nShown=1\r\n\r\n[Extra]\r\nFlag=0\r\n"));
}

TEST_F(IniFileTest, FileWithLfLineEndsKeepsThem)
{
    store("[Options]\nA=1");
    IniFile ini(path());
    ini.writeInteger("Options", "B", -2);
    EXPECT_EQ(contents(), QByteArray("[Options]\nA=1\nB=-2\n"));
}

TEST_F(IniFileTest, NewFileIsCreatedByTheFirstWrite)
{
    IniFile ini(path());
    EXPECT_FALSE(ini.exists());
    ini.writeString("Options", "MathName1", QStringLiteral("..."));
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(contents(), QByteArray("[Options]\r\nMathName1=...\r\n"));
}

TEST_F(IniFileTest, EveryWrittenTextReadsBackUnchanged)
{
    const QString texts[] = {
        QString(), QStringLiteral(" "), QStringLiteral("   "), QStringLiteral(" cm"),
        QStringLiteral("cm "), QStringLiteral("\tcm\t"), QStringLiteral("\"quoted\""),
        QStringLiteral("'single'"), QStringLiteral("\""), QStringLiteral("'"),
        QStringLiteral("\"x'"), QStringLiteral(" \"both\" "), QStringLiteral("a=b=c"),
        QStringLiteral("[bracket]"), QStringLiteral(";semi"), QStringLiteral("obr/min"),
        QStringLiteral("Zażółć gęślą jaźń"), QStringLiteral("µm/s²"), QStringLiteral("\u00a0nbsp\u00a0"),
        QStringLiteral("C:\\dane\\pomiary.csv"), QString(2047, u'y'),
    };
    IniFile ini(path());
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        ini.writeString("Options", "Unit", text);
        EXPECT_EQ(ini.readString("Options", "Unit", QStringLiteral("def")), text);
    }
    for (const int value : {0, 1, -1, 2147483647, -2147483647 - 1}) {
        ini.writeInteger("Options", "Int", value);
        EXPECT_EQ(ini.readInteger("Options", "Int", 5), value);
    }
    for (const bool value : {true, false}) {
        ini.writeBool("Options", "Bool", value);
        EXPECT_EQ(ini.readBool("Options", "Bool", !value), value);
    }
}

TEST_F(IniFileTest, LineBreaksInAWrittenTextBecomeBlanks)
{
    IniFile ini(path());
    ini.writeString("Options", "Unit", QStringLiteral("a\r\nb"));
    ini.writeString("Options", "Next", QStringLiteral("n"));
    EXPECT_EQ(ini.readString("Options", "Unit", {}), QStringLiteral("a  b"));
    EXPECT_EQ(ini.readString("Options", "Next", {}), QStringLiteral("n"));
}

TEST_F(IniFileTest, WritesUtf8AndReadsOldFilesAsWindows1250)
{
    // "Zażółć" and "Nazwa wykresu" in code page 1250, as an older Windows
    // installation wrote them.
    store("[Options]\r\nMathName1=Za\xBF\xF3\xB3\xE6\r\nMathUnit1=\xB3\xF1\x9C\x9F\xA5\xCA\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Options", "MathName1", {}), QStringLiteral("Zażółć"));
    EXPECT_EQ(ini.readString("Options", "MathUnit1", {}), QStringLiteral("łńśźĄĘ"));

    ini.writeString("Options", "MathName2", QStringLiteral("ę"));
    EXPECT_EQ(contents(), QByteArray("[Options]\r\nMathName1=Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\n"
                                     "MathUnit1=\xC5\x82\xC5\x84\xC5\x9B\xC5\xBA\xC4\x84\xC4\x98\r\n"
                                     "MathName2=\xC4\x99\r\n"));
    EXPECT_EQ(ini.readString("Options", "MathName1", {}), QStringLiteral("Zażółć"));
}

TEST_F(IniFileTest, Utf8ByteOrderMarkIsNotPartOfTheFirstSection)
{
    store("\xEF\xBB\xBF[Options]\nPoint=4\n");
    EXPECT_EQ(IniFile(path()).readInteger("Options", "Point", 2), 4);
}

TEST_F(IniFileTest, LinkedFileStaysALink)
{
    const QString target = dir.filePath(QStringLiteral("shared.ini"));
    QFile t(target);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write("[Options]\nPoint=1\n");
    t.close();
    ASSERT_TRUE(QFile::link(target, path()));
    IniFile ini(path());
    ini.writeInteger("Options", "Point", 3);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(contents(), QByteArray("[Options]\nPoint=3\n"));
}

// Refused writes. Tests may run as root, which ignores directory and file
// permissions, so the refusal is forced by the path itself: a config.ini
// whose parent is a regular file, or a config.ini that is a directory.
TEST_F(IniFileTest, RefusedWriteThrowsWithTheFullPath)
{
    const QString blocker = dir.filePath(QStringLiteral("not-a-dir"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString badPath = blocker + QStringLiteral("/config.ini");
    IniFile ini(badPath);
    try {
        ini.writeString("Options", "AdcUnit1", QStringLiteral("bar"));
        FAIL() << "the write was not refused";
    } catch (const trv630::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(badPath));
    }
    EXPECT_EQ(ini.readString("Options", "AdcUnit1", QStringLiteral("old")), QStringLiteral("old"));
}

TEST_F(IniFileTest, RefusedWriteWhenThePathIsADirectory)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
    IniFile ini(path());
    EXPECT_THROW(ini.writeBool("Options", "SaveAuto", true), trv630::Error);
}

TEST_F(IniFileTest, ReadOnlyFileRefusesTheWriteAndKeepsItsContent)
{
    store("[Options]\nPoint=3\n");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile probe(path());
    if (probe.open(QIODevice::WriteOnly | QIODevice::Append))
        GTEST_SKIP() << "running as root: file permissions are not enforced";
    IniFile ini(path());
    EXPECT_THROW(ini.writeInteger("Options", "Point", 1), trv630::Error);
    EXPECT_EQ(contents(), QByteArray("[Options]\nPoint=3\n"));
}

} // namespace

TEST_F(IniFileTest, GroupWritesTheFileOnceAtClose)
{
    store("[Options]\r\nMod=1\r\n");
    IniFile ini(path());
    ini.open();
    ini.writeInteger("Options", "Mod", 5);
    ini.writeString("Chart", "Title", QStringLiteral("A"));
    EXPECT_EQ(ini.readInteger("options", "mod", 0), 5) << "reads in a group see its writes";
    EXPECT_EQ(contents(), QByteArray("[Options]\r\nMod=1\r\n")) << "nothing written before close";
    ini.close();
    EXPECT_EQ(contents(), QByteArray("[Options]\r\nMod=5\r\n\r\n[Chart]\r\nTitle=A\r\n"));
    EXPECT_FALSE(ini.isOpen());
}

TEST_F(IniFileTest, GroupWithoutWritesLeavesTheFileAlone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("config.ini"))); // any write would fail
    IniFile ini(path());
    ini.open();
    EXPECT_EQ(ini.readInteger("Options", "Mod", 7), 7);
    EXPECT_NO_THROW(ini.close());
}

TEST_F(IniFileTest, RefusedWriteOfAGroupThrowsAtClose)
{
    const QString blocker = dir.filePath(QStringLiteral("not-a-dir"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString badPath = blocker + QStringLiteral("/config.ini");
    IniFile ini(badPath);
    ini.open();
    ini.writeBool("Options", "SaveAuto", true);
    try {
        ini.close();
        FAIL() << "the write was not refused";
    } catch (const trv630::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(badPath));
    }
    EXPECT_FALSE(ini.isOpen()) << "a later group starts afresh";
}
