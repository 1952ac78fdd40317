#include "support/TestPlatform.h"

namespace quorvant::testing {

platform::RecordingPlatform& FreshPlatform()
{
    auto fresh = std::make_unique<platform::RecordingPlatform>();
    auto& ref = *fresh;
    platform::SetPlatform(std::move(fresh));
    return ref;
}

platform::RecordingPlatform& CurrentPlatform()
{
    return static_cast<platform::RecordingPlatform&>(platform::ThePlatform());
}

} // namespace quorvant::testing
