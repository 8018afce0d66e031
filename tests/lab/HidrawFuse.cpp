#define FUSE_USE_VERSION 35
#include "lab/HidrawFuse.h"

#include <fuse_lowlevel.h>
#include <linux/hidraw.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace trv630::lab {

namespace {
constexpr fuse_ino_t rootIno = FUSE_ROOT_ID;
constexpr fuse_ino_t firstNodeIno = 2;
// hidraw keeps 64 reports per open; the lab allows more (several seconds of
// the fastest stream a test sends) so that a reader starved of CPU on a busy
// test machine falls behind but loses nothing.
constexpr std::size_t queueCapacity = 1 << 16;
} // namespace

struct HidrawFuse::State {
    struct Client {
        int minor = 0;
        int flags = 0;
        unsigned generation = 0;
        std::deque<std::vector<std::uint8_t>> queue;
        fuse_req_t pendingRead = nullptr;
        std::size_t pendingSize = 0;
        fuse_pollhandle* poll = nullptr;
    };
    struct Node {
        HidrawNodeConfig config;
        OutputHandler onOutput;
        bool plugged = false;
        unsigned generation = 0; // raised on every plug; older opens stay dead
        std::uint64_t dropped = 0;
    };

    mutable std::mutex mutex;
    std::map<int, Node> nodes;
    std::map<std::uint64_t, Client> clients;
    std::uint64_t nextClient = 1;
    fuse_session* session = nullptr;
    std::thread loop;

    Node* nodeFor(fuse_ino_t ino)
    {
        if (ino < firstNodeIno)
            return nullptr;
        auto it = nodes.find(static_cast<int>(ino - firstNodeIno));
        return it == nodes.end() ? nullptr : &it->second;
    }
    bool dead(const Client& c) const
    {
        const Node& n = nodes.at(c.minor);
        return !n.plugged || n.generation != c.generation;
    }
    static void wakePoll(Client& c)
    {
        if (c.poll) {
            fuse_lowlevel_notify_poll(c.poll);
            fuse_pollhandle_destroy(c.poll);
            c.poll = nullptr;
        }
    }
};

namespace {

using State = HidrawFuse::State;
State* stateOf(fuse_req_t req) { return static_cast<State*>(fuse_req_userdata(req)); }

void fillAttr(fuse_ino_t ino, struct stat* st)
{
    std::memset(st, 0, sizeof *st);
    st->st_ino = ino;
    if (ino == rootIno) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
    } else {
        st->st_mode = S_IFREG | 0660;
        st->st_nlink = 1;
    }
}

void opLookup(fuse_req_t req, fuse_ino_t parent, const char* name)
{
    State* s = stateOf(req);
    int minor = -1;
    if (parent == rootIno && std::strncmp(name, "hidraw", 6) == 0 && name[6])
        minor = std::atoi(name + 6);
    {
        std::lock_guard lock(s->mutex);
        if (minor < 0 || !s->nodes.count(minor))
            return void(fuse_reply_err(req, ENOENT));
    }
    fuse_entry_param e{};
    e.ino = firstNodeIno + minor;
    fillAttr(e.ino, &e.attr);
    fuse_reply_entry(req, &e);
}

void opGetattr(fuse_req_t req, fuse_ino_t ino, fuse_file_info*)
{
    struct stat st;
    fillAttr(ino, &st);
    fuse_reply_attr(req, &st, 0);
}

void opOpen(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi)
{
    State* s = stateOf(req);
    std::lock_guard lock(s->mutex);
    State::Node* node = s->nodeFor(ino);
    if (!node)
        return void(fuse_reply_err(req, EISDIR));
    if (!node->plugged)
        return void(fuse_reply_err(req, ENODEV));
    if (!node->config.writable && (fi->flags & O_ACCMODE) != O_RDONLY)
        return void(fuse_reply_err(req, EACCES));
    const std::uint64_t id = s->nextClient++;
    State::Client& c = s->clients[id];
    c.minor = static_cast<int>(ino - firstNodeIno);
    c.flags = fi->flags;
    c.generation = node->generation;
    fi->fh = id;
    fi->direct_io = 1;
    fi->nonseekable = 1;
    fuse_reply_open(req, fi);
}

void opRelease(fuse_req_t req, fuse_ino_t, fuse_file_info* fi)
{
    State* s = stateOf(req);
    {
        std::lock_guard lock(s->mutex);
        auto it = s->clients.find(fi->fh);
        if (it != s->clients.end()) {
            if (it->second.poll)
                fuse_pollhandle_destroy(it->second.poll);
            s->clients.erase(it);
        }
    }
    fuse_reply_err(req, 0);
}

void onReadInterrupted(fuse_req_t req, void* data)
{
    State* s = static_cast<State*>(data);
    std::lock_guard lock(s->mutex);
    for (auto& [id, c] : s->clients) {
        if (c.pendingRead == req) {
            c.pendingRead = nullptr;
            fuse_reply_err(req, EINTR);
            return;
        }
    }
}

void opRead(fuse_req_t req, fuse_ino_t, size_t size, off_t, fuse_file_info* fi)
{
    State* s = stateOf(req);
    {
        std::lock_guard lock(s->mutex);
        auto it = s->clients.find(fi->fh);
        if (it == s->clients.end())
            return void(fuse_reply_err(req, EBADF));
        State::Client& c = it->second;
        if (s->dead(c))
            return void(fuse_reply_err(req, EIO));
        if (!c.queue.empty()) {
            const std::vector<std::uint8_t> report = std::move(c.queue.front());
            c.queue.pop_front();
            return void(fuse_reply_buf(req, reinterpret_cast<const char*>(report.data()),
                                       std::min(size, report.size())));
        }
        if ((fi->flags & O_NONBLOCK) || (c.flags & O_NONBLOCK))
            return void(fuse_reply_err(req, EAGAIN));
    }
    // Blocking read: answered by the next report, an unplug or an interrupt.
    // The loop is single-threaded, so no interrupt can slip in between.
    fuse_req_interrupt_func(req, onReadInterrupted, s);
    if (fuse_req_interrupted(req))
        return void(fuse_reply_err(req, EINTR));
    std::lock_guard lock(s->mutex);
    auto it = s->clients.find(fi->fh);
    it->second.pendingRead = req;
    it->second.pendingSize = size;
}

void opWrite(fuse_req_t req, fuse_ino_t, const char* buf, size_t size, off_t, fuse_file_info* fi)
{
    State* s = stateOf(req);
    HidrawFuse::OutputHandler handler;
    {
        std::lock_guard lock(s->mutex);
        auto it = s->clients.find(fi->fh);
        if (it == s->clients.end())
            return void(fuse_reply_err(req, EBADF));
        if (s->dead(it->second))
            return void(fuse_reply_err(req, ENODEV));
        if (size == 0)
            return void(fuse_reply_err(req, EINVAL));
        handler = s->nodes.at(it->second.minor).onOutput;
    }
    if (handler)
        handler(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(buf), size));
    fuse_reply_write(req, size);
}

void opPoll(fuse_req_t req, fuse_ino_t, fuse_file_info* fi, fuse_pollhandle* ph)
{
    State* s = stateOf(req);
    std::lock_guard lock(s->mutex);
    auto it = s->clients.find(fi->fh);
    if (it == s->clients.end()) {
        if (ph)
            fuse_pollhandle_destroy(ph);
        return void(fuse_reply_err(req, EBADF));
    }
    State::Client& c = it->second;
    unsigned revents = 0;
    if (s->dead(c))
        revents = POLLERR | POLLHUP;
    else
        revents = POLLOUT | POLLWRNORM | (c.queue.empty() ? 0u : unsigned(POLLIN | POLLRDNORM));
    if (ph) {
        if (c.poll)
            fuse_pollhandle_destroy(c.poll);
        c.poll = ph;
    }
    fuse_reply_poll(req, revents);
}

void opIoctl(fuse_req_t req, fuse_ino_t ino, unsigned int cmd, void*, fuse_file_info* fi, unsigned flags,
             const void*, size_t, size_t outSize)
{
    State* s = stateOf(req);
    if (flags & FUSE_IOCTL_COMPAT)
        return void(fuse_reply_err(req, ENOSYS));
    std::unique_lock lock(s->mutex);
    State::Node* node = s->nodeFor(ino);
    auto it = s->clients.find(fi->fh);
    if (!node || it == s->clients.end())
        return void(fuse_reply_err(req, EBADF));
    if (s->dead(it->second))
        return void(fuse_reply_err(req, ENODEV));
    const std::vector<std::uint8_t> descriptor = node->config.descriptor;
    const HidrawNodeConfig config = node->config;
    lock.unlock();

    switch (cmd) {
    case HIDIOCGRDESCSIZE: {
        const int size = static_cast<int>(descriptor.size());
        return void(fuse_reply_ioctl(req, 0, &size, sizeof size));
    }
    case HIDIOCGRDESC: {
        // The caller's wanted size is not passed through FUSE; hand over the
        // whole descriptor, as hidraw does for a caller asking for all of it.
        auto d = std::make_unique<hidraw_report_descriptor>();
        d->size = static_cast<__u32>(descriptor.size());
        std::copy(descriptor.begin(), descriptor.end(), d->value);
        return void(fuse_reply_ioctl(req, 0, d.get(), std::min(outSize, sizeof *d)));
    }
    case HIDIOCGRAWINFO: {
        hidraw_devinfo info{};
        info.bustype = BUS_USB;
        info.vendor = static_cast<__s16>(config.vendorId);
        info.product = static_cast<__s16>(config.productId);
        return void(fuse_reply_ioctl(req, 0, &info, sizeof info));
    }
    default:
        return void(fuse_reply_err(req, ENOTTY));
    }
}

} // namespace

HidrawFuse::HidrawFuse() : state_(std::make_unique<State>()) {}

HidrawFuse::~HidrawFuse()
{
    // The FUSE thread serves until the process ends (the kernel drops the
    // mount with the namespace); its state must outlive every request.
    if (state_->session) {
        state_->loop.detach();
        static_cast<void>(state_.release());
    }
}

bool HidrawFuse::mount(const std::string& mountPoint, std::string* error)
{
    static const fuse_lowlevel_ops ops = [] {
        fuse_lowlevel_ops o{};
        o.lookup = opLookup;
        o.getattr = opGetattr;
        o.open = opOpen;
        o.release = opRelease;
        o.read = opRead;
        o.write = opWrite;
        o.poll = opPoll;
        o.ioctl = opIoctl;
        return o;
    }();
    char arg0[] = "trv630-lab";
    char* argv[] = {arg0, nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    fuse_session* se = fuse_session_new(&args, &ops, sizeof ops, state_.get());
    if (!se) {
        if (error)
            *error = "fuse_session_new failed";
        return false;
    }
    if (fuse_session_mount(se, mountPoint.c_str()) != 0) {
        if (error)
            *error = "cannot mount FUSE on " + mountPoint;
        fuse_session_destroy(se);
        return false;
    }
    state_->session = se;
    state_->loop = std::thread([se] { fuse_session_loop(se); });
    return true;
}

void HidrawFuse::configure(int minor, HidrawNodeConfig config, OutputHandler onOutput)
{
    std::lock_guard lock(state_->mutex);
    State::Node& node = state_->nodes[minor];
    node.config = std::move(config);
    node.onOutput = std::move(onOutput);
}

void HidrawFuse::setPlugged(int minor, bool plugged)
{
    std::lock_guard lock(state_->mutex);
    State::Node& node = state_->nodes[minor];
    if (node.plugged == plugged)
        return;
    node.plugged = plugged;
    if (plugged) {
        ++node.generation;
        return;
    }
    for (auto& [id, c] : state_->clients) {
        if (c.minor != minor)
            continue;
        c.queue.clear();
        if (c.pendingRead) {
            fuse_reply_err(c.pendingRead, EIO);
            c.pendingRead = nullptr;
        }
        State::wakePoll(c);
    }
}

void HidrawFuse::pushInput(int minor, std::span<const std::uint8_t> report)
{
    std::lock_guard lock(state_->mutex);
    State::Node& node = state_->nodes[minor];
    if (!node.plugged)
        return;
    for (auto& [id, c] : state_->clients) {
        if (c.minor != minor || state_->dead(c))
            continue;
        if (c.pendingRead) {
            fuse_reply_buf(c.pendingRead, reinterpret_cast<const char*>(report.data()),
                           std::min(c.pendingSize, report.size()));
            c.pendingRead = nullptr;
        } else if (c.queue.size() >= queueCapacity) {
            ++node.dropped;
        } else {
            c.queue.emplace_back(report.begin(), report.end());
        }
        State::wakePoll(c);
    }
}

int HidrawFuse::openCount(int minor) const
{
    std::lock_guard lock(state_->mutex);
    return static_cast<int>(std::count_if(state_->clients.begin(), state_->clients.end(),
                                          [minor](const auto& kv) { return kv.second.minor == minor; }));
}

std::uint64_t HidrawFuse::dropped(int minor) const
{
    std::lock_guard lock(state_->mutex);
    auto it = state_->nodes.find(minor);
    return it == state_->nodes.end() ? 0 : it->second.dropped;
}

} // namespace trv630::lab
