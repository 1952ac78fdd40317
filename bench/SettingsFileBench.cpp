// A settings file of 30 MB (another tool's sections around ours): loading and
// saving it, against a floor that reads the same file whole and writes it
// back whole the same way (temporary file, flush to disk, rename).
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "BenchRatio.h"
#include "platform/Platform.h"
#include "platform/RecordingPlatform.h"
#include "worksheet/SettingsFile.h"

namespace {

struct LargeFile {
    LargeFile()
    {
        quorvant::platform::SetPlatform(std::make_unique<quorvant::platform::RecordingPlatform>());
        QDir().mkpath(dir.filePath("Quorvant"));
        path = quorvant::SettingsFilePath(dir.path().toStdString(), quorvant::ProductSubfolderName);
        std::string text = "[Window]\r\n";
        for (int i = 0; text.size() < 15'000'000; ++i)
            text += "Entry" + std::to_string(i) + "=" + std::string(40, char('a' + i % 26)) + "\r\n";
        text += "[LastValues]\r\nInterest=7.5\r\nTerm=15\r\n[Recent]\r\n";
        for (int i = 0; text.size() < 30'000'000; ++i)
            text += "File" + std::to_string(i) + "=/home/user/" + std::string(30, 'x') + "\r\n";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    QTemporaryDir dir;
    std::string path;
};

LargeFile& File()
{
    static LargeFile file;
    return file;
}

void LoadAndSave(benchmark::State& state)
{
    const std::string& path = File().path;
    for (auto _ : state) {
        quorvant::SettingsValues values = quorvant::LoadSettings(path, '.');
        values.LastValues.Interest += 0.125;
        quorvant::SaveSettings(path, values, '.');
        benchmark::DoNotOptimize(values);
    }
}

void ReadAndWriteWhole(benchmark::State& state)
{
    const std::string& path = File().path;
    const std::string temp = path + ".floor";
    for (auto _ : state) {
        std::string text;
        char buffer[65536];
        const int in = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        for (ssize_t n; (n = read(in, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        close(in);
        const int out = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        for (std::size_t at = 0; at < text.size();)
            at += static_cast<std::size_t>(write(out, text.data() + at, text.size() - at));
        fsync(out);
        close(out);
        std::rename(temp.c_str(), (path + ".copy").c_str());
        benchmark::DoNotOptimize(text);
    }
}

} // namespace

BENCHMARK(LoadAndSave)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndWriteWhole)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return quorvant::bench::RunWithRatios(argc, argv, {{"LoadAndSave", "ReadAndWriteWhole", 2.0}});
}
