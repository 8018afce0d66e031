#include "log/LogWriter.h"

#include "log/LogCategory.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace trv630 {

namespace {

// Pushes what the OS holds for the file to the disk; false on failure.
bool syncFile(QFile& file)
{
    const int fd = file.handle();
    if (fd < 0)
        return false;
#if defined(Q_OS_WIN)
    return _commit(fd) == 0;
#elif defined(Q_OS_DARWIN)
    return ::fsync(fd) == 0;
#else
    return ::fdatasync(fd) == 0;
#endif
}

} // namespace

LogWriter::LogWriter() : LogWriter(Options{}) {}

LogWriter::LogWriter(Options options) : options_(options)
{
    pending_.reserve(options_.writeChunk + 4096);
}

LogWriter::~LogWriter()
{
    close();
}

void LogWriter::append(const QString& fileName, std::string_view record)
{
    if (!file_.isOpen()) {
        // While the file fails, a new attempt is made once per save cycle
        // (flushRequested) or at once when the user has chosen another file.
        const bool attempt = !failing_ || flushRequested_ || fileName != failedName_;
        if (attempt && !open(fileName))
            flushRequested_ = false; // this cycle's attempt is used up
    }

    if (!file_.isOpen() && pending_.size() + record.size() > options_.backlogLimit) {
        ++dropped_;
        return;
    }
    pending_.append(record);
    ++accepted_;

    if (!file_.isOpen())
        return;
    if ((flushRequested_ || failing_ || pending_.size() >= options_.writeChunk) && !writePending())
        return;
    if (flushRequested_) {
        closeFile();
        flushRequested_ = false;
    }
}

void LogWriter::saveCycleTick()
{
    flushRequested_ = true;
    if (!file_.isOpen() || !writePending())
        return;
    if (options_.syncToDisk && !syncFile(file_))
        qCWarning(lcLog) << "cannot sync the measurement file" << file_.fileName();
}

void LogWriter::close()
{
    if (!file_.isOpen() && failing_ && !pending_.empty())
        open(failedName_);
    if (file_.isOpen() && writePending())
        closeFile();
}

bool LogWriter::open(const QString& fileName)
{
    file_.setFileName(fileName);
    // Append-only: an existing file keeps its content, a missing one is
    // created. Unbuffered, so every write reports what reached the file.
    if (fileName.isEmpty()
        || !file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        fail(fileName, fileName.isEmpty() ? QStringLiteral("no file name") : file_.errorString());
        return false;
    }
    qCDebug(lcLog) << "opened" << fileName;
    return true;
}

bool LogWriter::writePending()
{
    std::size_t done = 0;
    while (done < pending_.size()) {
        const qint64 n = file_.write(pending_.data() + done,
                                     static_cast<qint64>(pending_.size() - done));
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    if (done == pending_.size()) {
        pending_.clear();
        if (failing_) {
            qCInfo(lcLog) << "measurement file writable again:" << file_.fileName();
            failing_ = false;
        }
        return true;
    }
    // Keep the bytes that did not reach the file, in order, for the next attempt.
    pending_.erase(0, done);
    fail(file_.fileName(), file_.errorString());
    return false;
}

void LogWriter::fail(const QString& fileName, const QString& reason)
{
    if (!failing_ || fileName != failedName_)
        qCWarning(lcLog) << "cannot write the measurement file" << fileName << ":" << reason;
    failing_ = true;
    failedName_ = fileName;
    failureReason_ = reason;
    if (file_.isOpen())
        closeFile();
}

void LogWriter::closeFile()
{
    file_.close();
    qCDebug(lcLog) << "closed" << file_.fileName();
}

} // namespace trv630
