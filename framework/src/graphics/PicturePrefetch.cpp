#include "graphics/PicturePrefetch.h"

#include "graphics/QtPicture.h"

#include <algorithm>
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

struct Decoded {
    std::optional<FileStamp> stamp; // the file as it was decoded; nullopt when it changed meanwhile
    QImage image;                   // null when decoding failed
};

struct Pending {
    fs::path file;
    std::promise<Decoded> promise;
};

struct PrefetchState {
    std::mutex lock;
    std::map<fs::path, std::shared_future<Decoded>> ready;
    std::vector<std::thread> workers;
};

PrefetchState& State()
{
    static PrefetchState state;
    return state;
}

Decoded DecodeFile(const fs::path& file)
{
    const auto before = StampOf(file);
    std::string complaint;
    QImage image = DecodePicture(file, complaint);
    const auto after = StampOf(file);
    return {before == after ? after : std::nullopt, std::move(image)};
}

void Work(std::shared_ptr<std::vector<Pending>> pending, std::shared_ptr<std::atomic<std::size_t>> next)
{
    for (std::size_t index = (*next)++; index < pending->size(); index = (*next)++)
        (*pending)[index].promise.set_value(DecodeFile((*pending)[index].file));
}

std::vector<fs::path> PngFilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".png" && entry.is_regular_file(error))
            files.push_back(entry.path());
    return files;
}

} // namespace

void PicturePrefetch::Start(const fs::path& folder)
{
    Stop();
    auto pending = std::make_shared<std::vector<Pending>>();
    for (auto& file : PngFilesIn(folder))
        pending->push_back({std::move(file), {}});
    if (pending->empty())
        return;
    PrefetchState& state = State();
    const std::lock_guard guard(state.lock);
    for (auto& entry : *pending)
        state.ready.emplace(entry.file, entry.promise.get_future().share());
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    auto next = std::make_shared<std::atomic<std::size_t>>(0);
    for (unsigned n = 0; n < workers; ++n)
        state.workers.emplace_back(Work, pending, next);
}

std::optional<QImage> PicturePrefetch::Take(const fs::path& file)
{
    std::shared_future<Decoded> result;
    {
        PrefetchState& state = State();
        const std::lock_guard guard(state.lock);
        const auto found = state.ready.find(file);
        if (found == state.ready.end())
            return std::nullopt;
        result = std::move(found->second);
        state.ready.erase(found);
    }
    const Decoded& decoded = result.get();
    if (decoded.image.isNull() || !decoded.stamp || decoded.stamp != StampOf(file))
        return std::nullopt;
    return decoded.image;
}

void PicturePrefetch::Stop()
{
    PrefetchState& state = State();
    std::vector<std::thread> workers;
    {
        const std::lock_guard guard(state.lock);
        workers = std::move(state.workers);
        state.workers.clear();
    }
    for (auto& worker : workers)
        worker.join();
    const std::lock_guard guard(state.lock);
    state.ready.clear();
}

} // namespace rb
