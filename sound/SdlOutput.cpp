// The effects through SDL's audio. Loaded only when it is asked for
// (SDL_AUDIODRIVER) or no sound server answers: SDL and the thirty libraries
// Debian's build of it links stay out of a game that does not need them.
#include "sound/Library.h"
#include "sound/Output.h"

#include <SDL.h>

namespace sound {

namespace {

class SdlOutput final : public Output {
public:
    ~SdlOutput() override
    {
        Close();
        if (started_) quit_();
    }

    bool Open(Fill fill) override
    {
        if (!Start()) return false;
        fill_ = std::move(fill);
        SDL_AudioSpec want{};
        want.freq = OutputRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = OutputFrames;
        want.callback = &SdlOutput::Callback;
        want.userdata = this;
        // Our format whatever the device's: SDL converts on its own thread.
        SDL_AudioSpec have{};
        device_ = open_(nullptr, 0, &want, &have, 0);
        if (device_ == 0) {
            error_ = getError_();
            return false;
        }
        pause_(device_, 0);
        return true;
    }

    bool Lost() const override { return device_ != 0 && status_(device_) == SDL_AUDIO_STOPPED; }

    void Close() override
    {
        if (device_ != 0) close_(device_);
        device_ = 0;
    }

private:
    bool Start()
    {
        if (started_) return true;
        void* sdl = OpenLibrary("libSDL2-2.0.so.0", error_);
        decltype(SDL_SetHint)* setHint = nullptr;
        decltype(SDL_AudioInit)* init = nullptr;
        if (sdl == nullptr || !Resolve(sdl, "SDL_SetHint", setHint, error_) ||
            !Resolve(sdl, "SDL_AudioInit", init, error_) ||
            !Resolve(sdl, "SDL_AudioQuit", quit_, error_) ||
            !Resolve(sdl, "SDL_GetError", getError_, error_) ||
            !Resolve(sdl, "SDL_OpenAudioDevice", open_, error_) ||
            !Resolve(sdl, "SDL_PauseAudioDevice", pause_, error_) ||
            !Resolve(sdl, "SDL_GetAudioDeviceStatus", status_, error_) ||
            !Resolve(sdl, "SDL_CloseAudioDevice", close_, error_)) {
            return false;
        }
        // SDL would otherwise take over SIGINT and SIGTERM, and the game
        // would no longer end when asked to.
        setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // The audio part alone: SDL_Init would first look for a D-Bus
        // session (and start one) for nothing the game uses. The driver is
        // the first that works, or the one SDL_AUDIODRIVER names.
        if (init(nullptr) != 0) {
            error_ = getError_();
            return false;
        }
        started_ = true;
        return true;
    }

    static void Callback(void* self, Uint8* stream, int length)
    {
        static_cast<SdlOutput*>(self)->fill_(
            {reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(length) / 2});
    }

    decltype(SDL_AudioQuit)* quit_ = nullptr;
    decltype(SDL_GetError)* getError_ = nullptr;
    decltype(SDL_OpenAudioDevice)* open_ = nullptr;
    decltype(SDL_PauseAudioDevice)* pause_ = nullptr;
    decltype(SDL_GetAudioDeviceStatus)* status_ = nullptr;
    decltype(SDL_CloseAudioDevice)* close_ = nullptr;
    SDL_AudioDeviceID device_ = 0;
    bool started_ = false;
    Fill fill_;
};

}  // namespace

std::unique_ptr<Output> MakeSdlOutput() { return std::make_unique<SdlOutput>(); }

}  // namespace sound
