// Entry routine of trv630-pc.
#include "app/Application.h"
#include "app/ShutdownWatcher.h"
#include "app/TFMain.h"
#include "link/LinkFactory.h"

#include <QTextStream>

#include <cstring>
#include <memory>

namespace {

const char* const usage =
    "Usage: trv630-pc [--simulate]\n"
    "\n"
    "Desktop companion program of the TRV630 measurement and I/O module.\n"
    "\n"
    "  --simulate  attach a built-in virtual TRV630U module, for a demonstration\n"
    "              or for trying the program without the hardware\n"
    "  --help      show this text\n";

} // namespace

int main(int argc, char** argv)
{
    bool simulate = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            QTextStream(stdout) << usage;
            return 0;
        }
        if (std::strcmp(argv[i], "--simulate") == 0)
            simulate = true;
    }

    trv630::Application app(argc, argv);
    std::unique_ptr<TFMain> FMain;
    trv630::runGuarded([&] {
        FMain = std::make_unique<TFMain>(simulate ? trv630::createSimulatedLink()
                                                  : trv630::createPlatformLink());
        trv630::ShutdownWatcher stopRequests(FMain.get());
        FMain->show();
        app.exec();
    });
    return 0;
}
