#include "sound/SdlSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace sound {

SdlSound::SdlSound(std::filesystem::path audioFolder) : folder_(std::move(audioFolder)) {}

SdlSound::~SdlSound()
{
    if (audioOpen_) {
        Mix_HaltChannel(-1);
        for (Mix_Chunk*& chunk : buffers_) {
            if (chunk != nullptr) Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
        Mix_CloseAudio();
    }
    if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::InitSoundDevice()
{
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would
    // no longer end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        lastError_ = SDL_GetError();
        return false;
    }
    sdlStarted_ = true;
    // A small buffer keeps the delay from a click to the first samples short.
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 256) != 0) {
        lastError_ = Mix_GetError();
        return false;
    }
    audioOpen_ = true;
    Mix_AllocateChannels(SoundCount);
    return true;
}

Mix_Chunk* SdlSound::LoadSoundFile(const std::filesystem::path& path)
{
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk == nullptr) lastError_ = path.string() + ": " + Mix_GetError();
    return chunk;
}

LoadResult SdlSound::LoadSounds()
{
    if (!InitSoundDevice()) return LoadResult::DeviceFailed;
    for (int i = 0; i < SoundCount; ++i) {
        buffers_[i] = LoadSoundFile(folder_ / std::string(SoundFiles[i]));
        if (buffers_[i] == nullptr) return LoadResult::FileMissing;
    }
    return LoadResult::Loaded;
}

void SdlSound::PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt)
{
    const int channel = static_cast<int>(sound);
    Mix_Chunk* chunk = buffers_.at(channel);
    if (!audioOpen_ || chunk == nullptr) return;
    if (StopFirst) {
        Mix_HaltChannel(channel);
    } else if (Mix_Playing(channel) != 0) {
        return;  // still sounding: let it go on
    }
    // In SDL_mixer 0 loops means "once" and -1 "for ever".
    Mix_PlayChannel(channel, chunk, LoopIt ? -1 : 0);
}

bool SdlSound::IsPlaying(Sound sound) const
{
    return audioOpen_ && Mix_Playing(static_cast<int>(sound)) != 0;
}

}  // namespace sound
