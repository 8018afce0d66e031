#include "link/EmptyLink.h"
#include "link/LinkFactory.h"

namespace trv630 {
std::unique_ptr<HidLink> createPlatformLink() { return std::make_unique<EmptyLink>(); }
} // namespace trv630
