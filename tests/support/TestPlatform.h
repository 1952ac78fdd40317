#pragma once
// Access to the recording double installed by the test main, reset per test.
#include "platform/RecordingPlatform.h"

namespace quorvant::testing {

// Installs a fresh double and returns it; the old one is destroyed.
platform::RecordingPlatform& FreshPlatform();
// The double currently installed.
platform::RecordingPlatform& CurrentPlatform();

} // namespace quorvant::testing
