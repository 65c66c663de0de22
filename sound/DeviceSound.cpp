#include "sound/DeviceSound.h"

#include "sound/Wav.h"

#include <chrono>
#include <cstdlib>
#include <utility>

namespace sound {

namespace {

// After this long with nothing sounding, the output may rest: a game left at
// its map keeps neither itself nor the sound server busy mixing silence.
constexpr std::size_t RestAfterFrames = 2 * OutputRate;

}  // namespace

DeviceSound::DeviceSound(std::filesystem::path audioFolder)
    : folder_(std::move(audioFolder))
{
}

DeviceSound::~DeviceSound()
{
    if (loader_.joinable()) loader_.join();
    {
        const std::lock_guard lock(keeping_);
        ending_ = true;
    }
    wake_.notify_all();
    if (keeper_.joinable()) keeper_.join();
    output_.reset();  // before the mixer it takes from
}

void DeviceSound::StartLoading()
{
    if (loader_.joinable() || result_) return;
    loader_ = std::thread([this] { result_ = Load(); });
}

LoadResult DeviceSound::LoadSounds()
{
    if (loader_.joinable()) loader_.join();
    if (!result_) result_ = Load();
    return *result_;
}

bool DeviceSound::OpenOutput()
{
    const Fill fill = [this](std::span<std::int16_t> out) { Mix(out); };
    // A player's desktop mixes through a sound server; SDL, with thirty
    // libraries more, only where none answers or a driver of its is named.
    if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
        output_ = MakePulseOutput();
        if (output_->Open(fill)) return true;
        lastError_ = output_->Error() + "; ";
    }
    output_ = MakeSdlOutput();
    if (output_->Open(fill)) return true;
    lastError_ += "SDL: " + output_->Error();
    output_.reset();
    return false;
}

LoadResult DeviceSound::Load()
{
    if (!OpenOutput()) return LoadResult::DeviceFailed;
    lastError_.clear();
    for (int i = 0; i < SoundCount; ++i) {
        const std::filesystem::path path =
            folder_ / std::string(SoundFiles[static_cast<std::size_t>(i)]);
        std::string why;
        std::optional<Clip> clip = LoadWav(path, OutputRate, why);
        if (!clip) {
            lastError_ = path.string() + ": " + why;
            return LoadResult::FileMissing;
        }
        const std::lock_guard lock(mixing_);
        mixer_.SetClip(i, std::move(*clip));
    }
    keeper_ = std::thread([this] { KeepOpen(); });
    return LoadResult::Loaded;
}

void DeviceSound::KeepOpen()
{
    using namespace std::chrono_literals;
    std::unique_lock lock(keeping_);
    bool open = true;
    // A lost device is noticed within a tenth of a second and tried again
    // twice a second: the next effect after a server's return is heard.
    while (!wake_.wait_for(lock, open ? 100ms : 500ms, [this] { return ending_; })) {
        if (open && !output_->Lost()) continue;
        if (open) output_->Close();
        {
            // What sounded when the device went is not played late.
            const std::lock_guard mixing(mixing_);
            mixer_.StopAll();
            resting_ = false;  // a new device plays at once
        }
        open = output_->Open([this](std::span<std::int16_t> out) { Mix(out); });
    }
}

bool DeviceSound::Ready() const
{
    // Until LoadSounds has waited for the loading thread, its results are
    // not this thread's to read.
    return !loader_.joinable() && result_ == LoadResult::Loaded;
}

void DeviceSound::Mix(std::span<std::int16_t> out)
{
    bool rest = false;
    {
        const std::lock_guard lock(mixing_);
        mixer_.Mix(out);
        bool sounding = false;
        for (int i = 0; i < SoundCount; ++i) sounding = sounding || mixer_.IsPlaying(i);
        quietFrames_ = sounding ? 0 : quietFrames_ + out.size();
        rest = !resting_ && quietFrames_ >= RestAfterFrames;
        resting_ = resting_ || rest;
    }
    // Outside the lock: the output's own lock is taken before ours.
    if (rest) output_->Rest();
}

void DeviceSound::PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt)
{
    if (!Ready()) return;
    bool wake = false;
    {
        const std::lock_guard lock(mixing_);
        mixer_.Play(static_cast<int>(sound), StopFirst, LoopIt);
        wake = std::exchange(resting_, false);
        quietFrames_ = 0;
    }
    if (wake) output_->Wake();
}

void DeviceSound::SetVolume(int percent)
{
    const std::lock_guard lock(mixing_);
    mixer_.SetVolume(percent);
}

bool DeviceSound::IsPlaying(Sound sound) const
{
    if (!Ready()) return false;
    const std::lock_guard lock(mixing_);
    return mixer_.IsPlaying(static_cast<int>(sound));
}

long DeviceSound::FramesMixed(Sound sound) const
{
    if (!Ready()) return 0;
    const std::lock_guard lock(mixing_);
    return mixer_.FramesMixed(static_cast<int>(sound));
}

}  // namespace sound
