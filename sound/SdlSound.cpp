#include "sound/SdlSound.h"

#include <SDL.h>

namespace sound {

namespace {

// The effects' own format: no conversion at all where the device agrees.
constexpr int EffectRate = 22050;
constexpr int EffectChannels = 1;
// 256 frames at 22050 Hz is 11.6 ms a buffer: a click is heard within one.
constexpr Uint16 BufferFrames = 256;

}  // namespace

SdlSound::SdlSound(std::filesystem::path audioFolder)
    : folder_(std::move(audioFolder))
{
}

SdlSound::~SdlSound()
{
    if (loader_.joinable()) loader_.join();
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (driverStarted_) SDL_AudioQuit();
}

void SdlSound::StartLoading()
{
    if (loader_.joinable() || result_) return;
    loader_ = std::thread([this] { result_ = Load(); });
}

LoadResult SdlSound::LoadSounds()
{
    if (loader_.joinable()) loader_.join();
    if (!result_) result_ = Load();
    return *result_;
}

bool SdlSound::OpenDevice()
{
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would
    // no longer end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The audio part alone: SDL_Init would first look for a D-Bus session
    // (and start one) for nothing the game uses. The driver is the first
    // that works, or the one SDL_AUDIODRIVER names.
    if (SDL_AudioInit(nullptr) != 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    driverStarted_ = true;
    SDL_AudioSpec want{};
    want.freq = EffectRate;
    want.format = AUDIO_S16SYS;
    want.channels = EffectChannels;
    want.samples = BufferFrames;
    want.callback = &SdlSound::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // Any rate and channel count the device prefers: the effects are
    // converted to it once, below. The sample format is always ours (SDL
    // converts in its own thread if the hardware's differs).
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    mixer_.emplace(SoundCount, have.channels, std::size_t{have.samples} * have.channels);
    deviceRate_ = have.freq;
    return true;
}

LoadResult SdlSound::Load()
{
    if (!OpenDevice()) return LoadResult::DeviceFailed;
    for (int i = 0; i < SoundCount; ++i) {
        const std::filesystem::path path =
            folder_ / std::string(SoundFiles[static_cast<std::size_t>(i)]);
        SDL_AudioSpec wavFormat{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        if (SDL_LoadWAV(path.c_str(), &wavFormat, &data, &length) == nullptr) {
            lastError_ = path.string() + ": " + SDL_GetError();
            return LoadResult::FileMissing;
        }
        std::optional<Clip> clip =
            ConvertClip({data, length}, wavFormat, mixer_->Channels(), deviceRate_);
        SDL_FreeWAV(data);
        if (!clip) {
            lastError_ = path.string() + ": " + SDL_GetError();
            return LoadResult::FileMissing;
        }
        // The device is still paused: nothing mixes yet.
        mixer_->SetClip(i, std::move(*clip));
    }
    SDL_PauseAudioDevice(device_, 0);
    return LoadResult::Loaded;
}

bool SdlSound::Ready() const
{
    // Until LoadSounds has waited for the loading thread, its results are
    // not this thread's to read.
    return !loader_.joinable() && result_ == LoadResult::Loaded;
}

void SdlSound::Callback(void* self, Uint8* stream, int length)
{
    // SDL holds the device's lock while this runs.
    auto* sound = static_cast<SdlSound*>(self);
    sound->mixer_->Mix({reinterpret_cast<std::int16_t*>(stream),
                        static_cast<std::size_t>(length) / sizeof(std::int16_t)});
}

void SdlSound::PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt)
{
    if (!Ready()) return;
    SDL_LockAudioDevice(device_);
    mixer_->Play(static_cast<int>(sound), StopFirst, LoopIt);
    SDL_UnlockAudioDevice(device_);
}

bool SdlSound::IsPlaying(Sound sound) const
{
    if (!Ready()) return false;
    SDL_LockAudioDevice(device_);
    const bool playing = mixer_->IsPlaying(static_cast<int>(sound));
    SDL_UnlockAudioDevice(device_);
    return playing;
}

long SdlSound::FramesMixed(Sound sound) const
{
    if (!Ready()) return 0;
    SDL_LockAudioDevice(device_);
    const long frames = mixer_->FramesMixed(static_cast<int>(sound));
    SDL_UnlockAudioDevice(device_);
    return frames;
}

}  // namespace sound
