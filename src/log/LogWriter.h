// The measurement file: records appended to a text file that is opened by
// the first record after each close and closed on the one-second save cycle.
//
//   append()          one record; opens the file if it is closed, and closes
//                     it again when the save cycle asked for that
//   saveCycleTick()   SaveFileTimer: asks the next record to close the file;
//                     while the file is open, also pushes everything written
//                     so far to the disk (fdatasync), so a crash or a power
//                     loss costs at most about one second of records
//   close()           logging switched off, or shutdown
//
// The file is only ever appended to. Records are collected in one byte
// buffer and written with plain unbuffered writes, so the writer always
// knows which bytes reached the file. When the file cannot be opened or a
// write fails (missing directory, no permission, disk full), the bytes that
// did not reach it stay in that buffer, which then serves as a backlog:
// later records queue behind it (up to backlogLimit bytes; beyond that new
// records are dropped and counted), and the next attempt, made by the first
// record after a save-cycle tick or with another file name, writes the whole
// backlog first, in order. Nothing is written through a stream that failed.
//
// Threading: GUI thread only (report delivery and the timer); not locked.
#pragma once

#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trv630 {

class LogWriter {
public:
    struct Options {
        std::size_t backlogLimit = std::size_t{64} << 20; ///< bytes kept while the file fails
        std::size_t writeChunk = std::size_t{64} << 10;   ///< buffered bytes that trigger a write
        bool syncToDisk = true;                            ///< fdatasync on the save-cycle tick
    };

    LogWriter();
    explicit LogWriter(Options options);
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    /// Appends one record (its bytes unchanged) to the file `fileName`.
    void append(const QString& fileName, std::string_view record);
    /// The save cycle's tick: flushRequested := true; an open file is synced.
    void saveCycleTick();
    /// Writes out what is buffered and closes an open file. A failing file
    /// gets one more attempt here, so the backlog is not given up lightly.
    void close();

    bool isOpen() const { return file_.isOpen(); }
    bool flushRequested() const { return flushRequested_; }

    /// The last open or write failed; records wait in the backlog.
    bool failing() const { return failing_; }
    /// The name of the file that could not be written, and why.
    const QString& failedFileName() const { return failedName_; }
    const QString& failureReason() const { return failureReason_; }
    /// Bytes accepted but not yet in the file (buffer or backlog).
    std::size_t pendingBytes() const { return pending_.size(); }
    /// Records refused because the backlog was full, since construction.
    std::uint64_t droppedRecords() const { return dropped_; }
    /// Records accepted (in the file or pending), since construction.
    std::uint64_t acceptedRecords() const { return accepted_; }

private:
    bool open(const QString& fileName);
    bool writePending();
    void fail(const QString& fileName, const QString& reason);
    void closeFile();

    Options options_;
    QFile file_;
    std::string pending_;
    bool flushRequested_ = false;
    bool failing_ = false;
    QString failedName_;
    QString failureReason_;
    std::uint64_t dropped_ = 0;
    std::uint64_t accepted_ = 0;
};

} // namespace trv630
