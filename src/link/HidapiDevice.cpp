#include "link/HidapiDevice.h"

#include "link/HidDescriptor.h"
#include "link/HidLog.h"

#include <QFile>
#include <QFileInfo>

#include <hidapi.h>

#ifdef __linux__
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace trv630 {

namespace {

// How long one hid_read_timeout waits before the reader looks at its stop
// flag again; also the longest a release waits for the reader to end.
constexpr int readTimeoutMs = 20;
// hidraw never returns more than this in one read.
constexpr std::size_t readBufferSize = 4096 + 1;

#ifdef __linux__
// The descriptor as sysfs shows it beside the hidraw node, or through the
// node itself where sysfs has no copy.
std::vector<std::uint8_t> loadDescriptor(const std::string& path)
{
    const QString node = QFileInfo(QString::fromStdString(path)).fileName();
    QFile sysfs(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(node));
    if (sysfs.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = sysfs.read(HID_MAX_DESCRIPTOR_SIZE);
        if (!bytes.isEmpty())
            return {bytes.begin(), bytes.end()};
    }
    std::vector<std::uint8_t> result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return result;
    int size = 0;
    auto desc = std::make_unique<hidraw_report_descriptor>();
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        desc->size = static_cast<__u32>(size);
        if (::ioctl(fd, HIDIOCGRDESC, desc.get()) == 0)
            result.assign(desc->value, desc->value + size);
    }
    ::close(fd);
    return result;
}
#else
std::vector<std::uint8_t> loadDescriptor(const std::string&) { return {}; }
#endif

} // namespace

HidapiDevice::HidapiDevice(HidDeviceInfo info, std::string path,
                           std::shared_ptr<std::set<std::string>> checkedOut)
    : info_(std::move(info)), path_(std::move(path)), checkedOut_(std::move(checkedOut))
{
    checkedOut_->insert(path_);
    writeHandle_ = hid_open_path(path_.c_str());
    if (!writeHandle_) {
        qCInfo(lcHidraw) << "cannot open" << info_.path << "for reading and writing:"
                         << QString::fromWCharArray(hid_error(nullptr));
        return;
    }
    readDescriptor();
}

HidapiDevice::~HidapiDevice()
{
    stopReader();
    if (readHandle_)
        hid_close(readHandle_);
    if (writeHandle_)
        hid_close(writeHandle_);
    checkedOut_->erase(path_);
}

void HidapiDevice::readDescriptor()
{
    const std::vector<std::uint8_t> bytes = loadDescriptor(path_);
    std::string error;
    const auto summary = parseHidDescriptor(bytes, &error);
    if (!summary || bytes.empty()) {
        qCWarning(lcHidraw) << "no usable report descriptor for" << info_.path << error.c_str();
        return;
    }
    numberedReports_ = summary->usesReportIds;
    outputLength_ = hidOutputReportLength(*summary);
    qCDebug(lcHidraw) << info_.path << "output report length" << outputLength_.value_or(-1)
                      << (numberedReports_ ? "numbered reports" : "unnumbered reports");
}

int HidapiDevice::writeOutputReport(std::span<const std::uint8_t> report)
{
    std::lock_guard lock(writeMutex_);
    if (!writeHandle_ || report.empty())
        return -1;
    const int written = hid_write(writeHandle_, report.data(), report.size());
    if (written < 0)
        qCDebug(lcHidraw) << "write to" << info_.path << "failed:"
                          << QString::fromWCharArray(hid_error(writeHandle_));
    return written;
}

void HidapiDevice::setDataHandler(DataHandler handler)
{
    const bool deliver = static_cast<bool>(handler);
    pump_.setHandler(std::move(handler));
    if (deliver && writeHandle_ && !reader_.joinable() && !lost_)
        startReader();
}

void HidapiDevice::startReader()
{
    readHandle_ = hid_open_path(path_.c_str());
    if (!readHandle_) {
        qCWarning(lcHidraw) << "cannot open" << info_.path << "for reading";
        return;
    }
    stop_ = false;
    reader_ = std::thread([this] { readLoop(); });
}

void HidapiDevice::stopReader()
{
    stop_ = true;
    if (reader_.joinable())
        reader_.join();
}

void HidapiDevice::readLoop()
{
    std::vector<std::uint8_t> buffer(readBufferSize);
    while (!stop_) {
        const int n = hid_read_timeout(readHandle_, buffer.data(), buffer.size(), readTimeoutMs);
        if (n == 0)
            continue;
        if (n < 0) {
            // Unplugged: hidraw fails the read (or poll reports a hang-up).
            // The reader ends here; the device change that follows releases
            // the device.
            lost_ = true;
            qCInfo(lcHidraw) << "reading" << info_.path << "ended:"
                             << QString::fromWCharArray(hid_error(readHandle_));
            return;
        }
        const qint64 arrival = ReportPump::nowMs();
        // Numbered reports come with the id in byte 0; the program's data
        // starts after it.
        const std::size_t skip = numberedReports_ ? 1 : 0;
        if (static_cast<std::size_t>(n) > skip)
            pump_.push(std::span<const std::uint8_t>(buffer.data() + skip, n - skip), arrival);
    }
}

} // namespace trv630
