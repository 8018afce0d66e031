// The measurement file writer: the open / write / close save cycle, the
// append-only rule, and what happens when the file cannot be written.
#include "log/LogWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using trv630::LogWriter;

namespace {

class LogWriterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

    static std::string contents(const QString& file)
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        return f.readAll().toStdString();
    }

    static void writeFile(const QString& file, const std::string& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    static std::string rec(int n) { return std::to_string(n) + ";\r\n"; }
};

TEST_F(LogWriterTest, SaveCycleOpensOnFirstRecordAndClosesOnFirstRecordAfterTick)
{
    const QString file = path("pomiary.csv");
    LogWriter w;
    EXPECT_FALSE(QFile::exists(file));

    w.append(file, rec(0));
    EXPECT_TRUE(w.isOpen());
    w.append(file, rec(1));
    EXPECT_TRUE(w.isOpen());

    // The tick asks for the close and, while the file is open, pushes the
    // records written so far into it.
    w.saveCycleTick();
    EXPECT_TRUE(w.flushRequested());
    EXPECT_EQ(contents(file), rec(0) + rec(1));

    w.append(file, rec(2)); // first record after the tick: written, then closed
    EXPECT_FALSE(w.isOpen());
    EXPECT_FALSE(w.flushRequested());
    EXPECT_EQ(contents(file), rec(0) + rec(1) + rec(2));

    w.append(file, rec(3)); // reopens
    EXPECT_TRUE(w.isOpen());
    w.close();
    EXPECT_FALSE(w.isOpen());
    EXPECT_EQ(contents(file), rec(0) + rec(1) + rec(2) + rec(3));
    EXPECT_FALSE(w.failing());
    EXPECT_EQ(w.pendingBytes(), 0u);
}

TEST_F(LogWriterTest, TicksWithoutRecordsKeepTheRequestSoTheNextRecordClosesAtOnce)
{
    const QString file = path("a.csv");
    LogWriter w;
    w.saveCycleTick();
    w.saveCycleTick();
    EXPECT_TRUE(w.flushRequested());
    EXPECT_FALSE(QFile::exists(file)); // nothing opened without a record

    w.append(file, rec(1));
    EXPECT_FALSE(w.isOpen());
    EXPECT_EQ(contents(file), rec(1));
    w.append(file, rec(2));
    EXPECT_TRUE(w.isOpen());
}

TEST_F(LogWriterTest, ExistingFileKeepsItsContentAndGrowsAtItsEnd)
{
    const QString file = path("old.csv");
    writeFile(file, "earlier;\r\nlines;\r\n");
    {
        LogWriter w;
        w.append(file, rec(7));
        w.close();
        w.append(file, rec(8)); // a second logging period, same file
    } // destruction closes
    EXPECT_EQ(contents(file), "earlier;\r\nlines;\r\n" + rec(7) + rec(8));
}

TEST_F(LogWriterTest, RecordBytesAreWrittenUnchanged)
{
    const QString file = path("bytes.csv");
    LogWriter w;
    const std::string line = "9-3-2024;4,500;\r\n";
    w.append(file, line);
    w.append(file, "\r\n"); // a record with no field is still a line
    w.close();
    EXPECT_EQ(contents(file), line + "\r\n");
}

TEST_F(LogWriterTest, LargeBurstsAreWrittenInChunksWithoutWaitingForTheTick)
{
    const QString file = path("burst.csv");
    LogWriter w(LogWriter::Options{.backlogLimit = 1 << 20, .writeChunk = 64, .syncToDisk = false});
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        w.append(file, rec(i));
        expected += rec(i);
    }
    EXPECT_LT(w.pendingBytes(), 64u);
    EXPECT_EQ(contents(file).size() + w.pendingBytes(), expected.size());
    w.close();
    EXPECT_EQ(contents(file), expected);
}

// A file that cannot be opened: the records wait, in order, and reach the
// file at the first record after a save-cycle tick once it can be opened.
// Directory permissions mean nothing to root, so the failures are made with
// a path through a regular file and with a directory that appears later.
struct UnwritableCase {
    const char* name;
    const char* fileName;   ///< relative to the temporary directory
    void (*breakIt)(const QDir&);
    void (*repairIt)(const QDir&);
};

const UnwritableCase unwritableCases[] = {
    {"ParentIsARegularFile", "blocker/pomiary.csv",
     [](const QDir& d) {
         QFile f(d.filePath("blocker"));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
     },
     [](const QDir& d) {
         ASSERT_TRUE(QFile::remove(d.filePath("blocker")));
         ASSERT_TRUE(d.mkdir("blocker"));
     }},
    {"MissingDirectoryCreatedLater", "later/deeper/pomiary.csv", [](const QDir&) {},
     [](const QDir& d) { ASSERT_TRUE(d.mkpath("later/deeper")); }},
};

class UnwritableFileTest : public LogWriterTest,
                           public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableFileTest, RecordsWaitAndAreWrittenInOrderOnRecovery)
{
    const UnwritableCase& c = GetParam();
    const QDir root(dir.path());
    c.breakIt(root);
    const QString file = path(c.fileName);

    LogWriter w;
    std::string expected;
    for (int i = 0; i < 5; ++i) {
        w.append(file, rec(i));
        expected += rec(i);
    }
    EXPECT_TRUE(w.failing());
    EXPECT_FALSE(w.isOpen());
    EXPECT_EQ(w.failedFileName(), file);
    EXPECT_FALSE(w.failureReason().isEmpty());
    EXPECT_EQ(w.pendingBytes(), expected.size());

    w.saveCycleTick();
    w.append(file, rec(5)); // still broken: the cycle's attempt fails
    expected += rec(5);
    EXPECT_TRUE(w.failing());

    c.repairIt(root);
    w.append(file, rec(6)); // no new attempt before the next tick
    expected += rec(6);
    EXPECT_TRUE(w.failing());
    EXPECT_EQ(contents(file), "<missing>");

    w.saveCycleTick();
    w.append(file, rec(7)); // opens, writes the backlog then this record, closes
    expected += rec(7);
    EXPECT_FALSE(w.failing());
    EXPECT_FALSE(w.isOpen());
    EXPECT_EQ(w.pendingBytes(), 0u);
    EXPECT_EQ(contents(file), expected);

    w.append(file, rec(8));
    w.close();
    EXPECT_EQ(contents(file), expected + rec(8));
    EXPECT_EQ(w.droppedRecords(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Log, UnwritableFileTest, ::testing::ValuesIn(unwritableCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogWriterTest, AnotherFileNameIsTriedAtOnceAndReceivesTheBacklog)
{
    const QString bad = path("nowhere/pomiary.csv");
    const QString good = path("pomiary.csv");
    LogWriter w;
    w.append(bad, rec(1));
    w.append(bad, rec(2));
    ASSERT_TRUE(w.failing());
    w.append(good, rec(3));
    EXPECT_FALSE(w.failing());
    w.close();
    EXPECT_EQ(contents(good), rec(1) + rec(2) + rec(3));
}

TEST_F(LogWriterTest, CloseMakesOneMoreAttemptForTheBacklog)
{
    const QString file = path("late/pomiary.csv");
    LogWriter w;
    w.append(file, rec(1));
    ASSERT_TRUE(w.failing());
    ASSERT_TRUE(QDir(dir.path()).mkdir("late"));
    w.close();
    EXPECT_FALSE(w.failing());
    EXPECT_EQ(contents(file), rec(1));
}

TEST_F(LogWriterTest, FullBacklogDropsNewRecordsAndCountsThem)
{
    const QString file = path("gone/pomiary.csv");
    LogWriter w(LogWriter::Options{.backlogLimit = 3 * rec(1).size(), .writeChunk = 64,
                                   .syncToDisk = false});
    for (int i = 1; i <= 5; ++i)
        w.append(file, rec(i));
    EXPECT_EQ(w.acceptedRecords(), 3u);
    EXPECT_EQ(w.droppedRecords(), 2u);
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
    w.saveCycleTick();
    w.append(file, rec(6)); // the backlog is written first, so this one fits again
    EXPECT_FALSE(w.failing());
    EXPECT_EQ(contents(file), rec(1) + rec(2) + rec(3) + rec(6));
}

TEST_F(LogWriterTest, EmptyFileNameCreatesNothingAndKeepsTheRecords)
{
    LogWriter w;
    w.append(QString(), rec(1));
    EXPECT_TRUE(w.failing());
    EXPECT_EQ(w.pendingBytes(), rec(1).size());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// A write that fails after a successful open (a full disk): the bytes that
// did not reach the file are kept, and the stream is not used again.
TEST_F(LogWriterTest, WriteFailureOnFullDiskKeepsEveryByte)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full on this system";
    LogWriter w;
    std::string expected;
    for (int i = 0; i < 3; ++i) {
        w.append(QStringLiteral("/dev/full"), rec(i));
        expected += rec(i);
    }
    w.saveCycleTick(); // the write is attempted here and refused
    EXPECT_TRUE(w.failing());
    EXPECT_FALSE(w.isOpen());
    EXPECT_EQ(w.pendingBytes(), expected.size());

    const QString good = path("rescued.csv");
    w.append(good, rec(3));
    expected += rec(3);
    w.close();
    EXPECT_EQ(contents(good), expected);
}

} // namespace
