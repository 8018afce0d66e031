// One HID device checked out through hidapi.
//
// Threading: constructed, used and destroyed on the GUI thread. When the
// device opens for reading and writing and a data handler is set, a reader
// thread of its own waits for input reports with hid_read_timeout (short
// timeout, so that stopping it never races a blocked read), stamps each one
// with the wall clock on arrival and pushes it into a ReportPump; the GUI
// thread drains the pump in batches and calls the handler once per report,
// in order. The reader never waits on the GUI thread. A device with
// numbered reports sends the report id first; the handler gets the bytes
// after it, and a report of the id alone (no data) is not delivered.
//
// The reader and the writer use two hidapi handles on the same node: hidapi
// keeps per-handle error state that concurrent calls would race on, and each
// hidraw open has its own input queue, so the write handle's queue simply
// stays unread. Writes and every other call go through the GUI-side handle,
// serialised by a mutex.
#pragma once

#include "link/HidLink.h"
#include "link/ReportPump.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

struct hid_device_;
typedef struct hid_device_ hid_device;

namespace trv630 {

class HidapiDevice : public HidDevice {
public:
    /// `checkedOut` holds the paths of every checked-out device of the link;
    /// the device adds its path and removes it again when destroyed.
    HidapiDevice(HidDeviceInfo info, std::string path,
                 std::shared_ptr<std::set<std::string>> checkedOut);
    ~HidapiDevice() override;

    HidDeviceInfo info() const override { return info_; }
    bool hasReadWriteAccess() const override { return writeHandle_ != nullptr; }
    std::optional<int> outputReportLength() const override { return outputLength_; }
    int writeOutputReport(std::span<const std::uint8_t> report) override;
    void setDataHandler(DataHandler handler) override;

    /// True once the reader has met a read error (the device vanished).
    bool readerLost() const { return lost_.load(); }

private:
    void readDescriptor();
    void startReader();
    void stopReader();
    void readLoop();

    HidDeviceInfo info_;
    std::string path_;
    std::shared_ptr<std::set<std::string>> checkedOut_;
    hid_device* writeHandle_ = nullptr;
    hid_device* readHandle_ = nullptr;
    std::optional<int> outputLength_;
    bool numberedReports_ = false;
    std::mutex writeMutex_;

    ReportPump pump_;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> lost_{false};
};

} // namespace trv630
