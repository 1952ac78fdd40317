// A program killed while it saves: a child process saves the settings over
// and over, each save with all thirteen values changed, and is killed with
// SIGKILL at a random moment, 200 times. The file must then be exactly the
// last completed save or the one that was under way, never a mixture, a
// truncated file or nothing.
//
// The child calls SaveSettings directly rather than closing the real
// program: a save takes well under a millisecond, so kills timed from
// outside a window's close would almost all land before or after it; a save
// loop puts nearly every kill inside one.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/ProfileFile.h"
#include "platform/RecordingPlatform.h"
#include "support/TempFolder.h"
#include "worksheet/SettingsFile.h"

using namespace quorvant;
using quorvant::testing::ReadFile;
using quorvant::testing::TempFolder;

namespace {

// Shared with the child: the save it has begun and the last it finished.
struct SaveProgress {
    std::atomic<long> started{0};
    std::atomic<long> finished{0};
};

SettingsValues Version(long v)
{
    SettingsValues values;
    int i = 0;
    for (const auto& key : SettingsKeys)
        values.LastValues[key.input] = static_cast<double>(v * 16 + i++);
    values.Run = true;
    return values;
}

class SettingsCrashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetPlatform(std::make_unique<platform::RecordingPlatform>());
        void* shared =
            mmap(nullptr, sizeof(SaveProgress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(MAP_FAILED, shared);
        progress = new (shared) SaveProgress;
    }
    void TearDown() override
    {
        munmap(progress, sizeof(SaveProgress));
        platform::SetPlatform(nullptr);
    }

    // The exact file that a complete save of version v leaves.
    const std::string& TextOf(long v)
    {
        auto& text = texts[v];
        if (text.empty()) {
            const std::string scratch = dir / "scratch/Quorvant/quorvant.ini";
            std::filesystem::remove(scratch);
            SaveSettings(scratch, Version(v), '.');
            text = ReadFile(scratch);
        }
        return text;
    }

    [[noreturn]] void SaveForever(long first)
    {
        for (long v = first;; ++v) {
            progress->started = v;
            try {
                SaveSettings(path, Version(v), '.');
            } catch (...) {
                _exit(3);
            }
            progress->finished = v;
        }
    }

    TempFolder dir;
    std::string path = SettingsFilePath(dir.Path(), ProductSubfolderName);
    SaveProgress* progress = nullptr;
    std::map<long, std::string> texts;
};

} // namespace

TEST_F(SettingsCrashTest, KilledWhileSavingLeavesTheOldOrTheNewFileWhole)
{
    SaveSettings(path, Version(1), '.');
    long onDisk = 1;
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int insideSave = 0;

    for (long round = 1; round <= 200; ++round) {
        const long first = round * 1000000;
        progress->started = 0;
        progress->finished = 0;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            SaveForever(first);
        while (progress->started == 0)
            std::this_thread::yield();
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(child, waitpid(child, &status, 0));
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child failed on its own in round " << round;

        const long started = progress->started;
        const long finished = progress->finished;
        const long old = finished ? finished : onDisk;
        if (started != finished)
            ++insideSave;
        const std::string text = ReadFile(path);
        if (text == TextOf(started)) {
            onDisk = started;
        } else {
            ASSERT_EQ(TextOf(old), text)
                << "round " << round << ": neither save " << old << " nor save " << started << " whole";
            onDisk = old;
        }
    }
    // Most kills must have hit a save in progress, or the test proves little.
    EXPECT_GT(insideSave, 150);

    // Kills between a temporary file's creation and its rename leave it
    // behind; the next save, once they are no longer fresh, removes every
    // one, and still saves and loads.
    const auto temporaryFiles = [this] {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir / "Quorvant"))
            count += entry.path().filename().string().starts_with(platform::TemporaryFilePrefix);
        return count;
    };
    EXPECT_GT(temporaryFiles(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(platform::StaleTemporaryFileSeconds * 1000 + 200));
    SaveSettings(path, Version(7), '.');
    EXPECT_EQ(0, temporaryFiles());
    EXPECT_EQ(Version(7).LastValues, LoadSettings(path, '.').LastValues);
}
