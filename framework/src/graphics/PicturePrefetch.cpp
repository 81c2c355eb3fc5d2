#include "graphics/PicturePrefetch.h"

#include "graphics/DoubledPicture.h"
#include "graphics/QtPicture.h"

#include <atomic>
#include <future>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace rb {
namespace {

namespace fs = std::filesystem;

// What identifies the bytes of a file without opening it.
struct FileStamp {
    std::uintmax_t size = 0;
    fs::file_time_type written;

    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const fs::path& file)
{
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (error)
        return std::nullopt;
    const auto written = fs::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return FileStamp{size, written};
}

struct Checked {
    std::optional<FileStamp> stamp;     // the file as it was read; nullopt when it changed meanwhile
    std::shared_ptr<const PngFile> png; // null when the file is no whole PNG
};

struct Pending {
    fs::path file;
    std::promise<Checked> promise;
};

// The files of one start, taken one at a time by the workers.
struct Batch {
    std::vector<Pending> pending;
    std::atomic<std::size_t> next = 0;

    // The workers take no further file; each finishes the one it decodes.
    void Close() { next = pending.size(); }
};

struct PrefetchState {
    std::mutex lock;
    std::map<fs::path, std::shared_future<Checked>> ready;
    std::shared_ptr<Batch> batch;
    std::vector<std::thread> workers;

    ~PrefetchState() { StopWorkers(); }

    void StopWorkers()
    {
        std::vector<std::thread> stopping;
        {
            const std::lock_guard guard(lock);
            if (batch)
                batch->Close();
            batch = nullptr;
            stopping = std::move(workers);
            workers.clear();
        }
        for (auto& worker : stopping)
            worker.join();
    }
};

PrefetchState& State()
{
    static PrefetchState state;
    return state;
}

Checked CheckFile(const fs::path& file)
{
    const auto before = StampOf(file);
    std::string complaint;
    auto png = PngFile::Read(file, complaint);
    const auto after = StampOf(file);
    return {before == after ? after : std::nullopt, std::move(png)};
}

void Work(std::shared_ptr<Batch> batch)
{
    for (std::size_t index = batch->next++; index < batch->pending.size(); index = batch->next++)
        batch->pending[index].promise.set_value(CheckFile(batch->pending[index].file));
}

// The doubled renderings only where the screens want them.
std::vector<fs::path> PngFilesIn(const fs::path& folder)
{
    const bool doubled = DoubledWanted();
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".png" && entry.is_regular_file(error) &&
            (doubled || !entry.path().stem().string().ends_with("@2x")))
            files.push_back(entry.path());
    return files;
}

} // namespace

void PicturePrefetch::Start(const fs::path& folder)
{
    Stop();
    auto batch = std::make_shared<Batch>();
    for (auto& file : PngFilesIn(folder))
        batch->pending.push_back({std::move(file), {}});
    if (batch->pending.empty())
        return;
    PrefetchState& state = State();
    const std::lock_guard guard(state.lock);
    for (auto& entry : batch->pending)
        state.ready.emplace(entry.file, entry.promise.get_future().share());
    state.batch = batch;
    // Reading and checking is quick: two workers keep ahead of the opens.
    for (unsigned n = 0; n < 2; ++n)
        state.workers.emplace_back(Work, batch);
}

std::shared_ptr<const PngFile> PicturePrefetch::Take(const fs::path& file)
{
    std::shared_future<Checked> result;
    {
        PrefetchState& state = State();
        const std::lock_guard guard(state.lock);
        const auto found = state.ready.find(file);
        if (found == state.ready.end())
            return nullptr;
        result = std::move(found->second);
        state.ready.erase(found);
    }
    const Checked& checked = result.get();
    if (!checked.png || !checked.stamp || checked.stamp != StampOf(file))
        return nullptr;
    return checked.png;
}

void PicturePrefetch::Stop()
{
    PrefetchState& state = State();
    state.StopWorkers();
    const std::lock_guard guard(state.lock);
    state.ready.clear();
}

} // namespace rb
