// Placeholder until the native readers land: the QScreen reader.
#include "platform/ScreenSource.h"
#include "platform/FakeScreenSource.h"

namespace platform {
std::unique_ptr<ScreenSource> CreateNativeScreenSource()
{
    return std::make_unique<FakeScreenSource>(QImage(1, 1, QImage::Format_RGB32));
}
} // namespace platform
