// The effects on a PulseAudio server (PipeWire's too). The server asks for a
// few milliseconds of samples at a time, as a sound card would, and libpulse's
// own thread mixes them then and there. What the server holds ahead of that is our
// choice: when the server reports that it ran dry (a busy machine kept that
// thread waiting), it grows, so the same wait is not heard twice.
#include "sound/Library.h"
#include "sound/Output.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <mutex>

namespace sound {

namespace {

// Mixed ahead of the speaker at first: too little to notice after a click,
// and a start for the server's requests to grow it.
constexpr int AheadFrames = 4 * OutputFrames;  // 46 ms
constexpr int MostAheadFrames = 16 * OutputFrames;  // 186 ms
// Asked for this much at a time: a click is mixed within 5.8 ms.
constexpr int RequestFrames = OutputFrames / 2;

constexpr std::uint32_t Bytes(int frames)
{
    return static_cast<std::uint32_t>(frames) * sizeof(std::int16_t);
}

#define PULSE_FUNCTIONS(F)                                                                         \
    F(pa_threaded_mainloop_new)                                                                    \
    F(pa_threaded_mainloop_get_api)                                                                \
    F(pa_threaded_mainloop_start)                                                                  \
    F(pa_threaded_mainloop_stop)                                                                   \
    F(pa_threaded_mainloop_free)                                                                   \
    F(pa_threaded_mainloop_lock)                                                                   \
    F(pa_threaded_mainloop_unlock)                                                                 \
    F(pa_threaded_mainloop_wait)                                                                   \
    F(pa_threaded_mainloop_signal)                                                                 \
    F(pa_context_new)                                                                              \
    F(pa_context_set_state_callback)                                                               \
    F(pa_context_connect)                                                                          \
    F(pa_context_get_state)                                                                        \
    F(pa_context_errno)                                                                            \
    F(pa_context_disconnect)                                                                       \
    F(pa_context_unref)                                                                            \
    F(pa_stream_new)                                                                               \
    F(pa_stream_set_state_callback)                                                                \
    F(pa_stream_set_write_callback)                                                                \
    F(pa_stream_set_underflow_callback)                                                            \
    F(pa_stream_connect_playback)                                                                  \
    F(pa_stream_get_state)                                                                         \
    F(pa_stream_begin_write)                                                                       \
    F(pa_stream_write)                                                                             \
    F(pa_stream_set_buffer_attr)                                                                   \
    F(pa_stream_cork)                                                                              \
    F(pa_stream_flush)                                                                             \
    F(pa_stream_disconnect)                                                                        \
    F(pa_stream_unref)                                                                             \
    F(pa_operation_unref)                                                                          \
    F(pa_strerror)

struct Pulse {
#define DECLARE(name) decltype(::name)* name = nullptr;
    PULSE_FUNCTIONS(DECLARE)
#undef DECLARE
};

class PulseOutput final : public Output {
public:
    ~PulseOutput() override { Close(); }

    bool Open(Fill fill) override
    {
        const std::lock_guard device(device_);
        if (!Load()) return false;
        fill_ = std::move(fill);
        lost_ = false;
        loop_ = pa_.pa_threaded_mainloop_new();
        context_ = pa_.pa_context_new(pa_.pa_threaded_mainloop_get_api(loop_), "gorvak");
        pa_.pa_context_set_state_callback(context_, &PulseOutput::ContextChanged, this);
        pa_.pa_threaded_mainloop_lock(loop_);
        const bool opened =
            pa_.pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) == 0 &&
            pa_.pa_threaded_mainloop_start(loop_) == 0 && Connect();
        if (!opened)
            error_ = std::string("PulseAudio: ") + pa_.pa_strerror(pa_.pa_context_errno(context_));
        pa_.pa_threaded_mainloop_unlock(loop_);
        if (!opened) CloseDevice();
        return opened;
    }

    bool Lost() const override { return lost_; }

    void Close() override
    {
        const std::lock_guard device(device_);
        CloseDevice();
    }

    void Rest() override { Done(pa_.pa_stream_cork(stream_, 1, nullptr, nullptr)); }

    void Wake() override
    {
        // Being reopened, it starts playing by itself.
        const std::unique_lock device(device_, std::try_to_lock);
        if (!device || stream_ == nullptr) return;
        pa_.pa_threaded_mainloop_lock(loop_);
        // What the server still holds is the silence from before the rest.
        Done(pa_.pa_stream_flush(stream_, nullptr, nullptr));
        Done(pa_.pa_stream_cork(stream_, 0, nullptr, nullptr));
        pa_.pa_threaded_mainloop_unlock(loop_);
    }

private:
    void CloseDevice()
    {
        if (loop_ == nullptr) return;
        pa_.pa_threaded_mainloop_lock(loop_);
        if (stream_ != nullptr) {
            pa_.pa_stream_disconnect(stream_);
            pa_.pa_stream_unref(stream_);
        }
        pa_.pa_context_disconnect(context_);
        pa_.pa_context_unref(context_);
        pa_.pa_threaded_mainloop_unlock(loop_);
        pa_.pa_threaded_mainloop_stop(loop_);
        pa_.pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        context_ = nullptr;
        stream_ = nullptr;
    }

    void Done(pa_operation* operation)
    {
        if (operation != nullptr) pa_.pa_operation_unref(operation);
    }

    bool Load()
    {
        if (pa_.pa_strerror != nullptr) return true;
        void* library = OpenLibrary("libpulse.so.0", error_);
#define RESOLVE(name) &&Resolve(library, #name, pa_.name, error_)
        return library != nullptr PULSE_FUNCTIONS(RESOLVE);
#undef RESOLVE
    }

    // With the loop's lock held: waits until the context, then the stream,
    // is ready, or has failed.
    bool Connect()
    {
        pa_context_state_t context;
        while ((context = pa_.pa_context_get_state(context_)) != PA_CONTEXT_READY) {
            if (!PA_CONTEXT_IS_GOOD(context)) return false;
            pa_.pa_threaded_mainloop_wait(loop_);
        }
        const pa_sample_spec format{PA_SAMPLE_S16NE, OutputRate, 1};
        stream_ = pa_.pa_stream_new(context_, "effects", &format, nullptr);
        if (stream_ == nullptr) return false;
        pa_.pa_stream_set_state_callback(stream_, &PulseOutput::StreamChanged, this);
        pa_.pa_stream_set_write_callback(stream_, &PulseOutput::Write, this);
        pa_.pa_stream_set_underflow_callback(stream_, &PulseOutput::RanDry, this);
        const pa_buffer_attr buffer = Buffer();
        if (pa_.pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_EARLY_REQUESTS,
                                           nullptr, nullptr) != 0) {
            return false;
        }
        pa_stream_state_t state;
        while ((state = pa_.pa_stream_get_state(stream_)) != PA_STREAM_READY) {
            if (!PA_STREAM_IS_GOOD(state)) return false;
            pa_.pa_threaded_mainloop_wait(loop_);
        }
        return true;
    }

    pa_buffer_attr Buffer() const
    {
        // Asked for a request at a time, and playing as soon as one is there,
        // after a start or a dry spell.
        constexpr std::uint32_t serverChooses = static_cast<std::uint32_t>(-1);
        return {serverChooses, Bytes(ahead_), Bytes(RequestFrames), Bytes(RequestFrames),
                serverChooses};
    }

    static void ContextChanged(pa_context* context, void* self)
    {
        auto* out = static_cast<PulseOutput*>(self);
        if (!PA_CONTEXT_IS_GOOD(out->pa_.pa_context_get_state(context))) out->lost_ = true;
        out->pa_.pa_threaded_mainloop_signal(out->loop_, 0);
    }

    static void StreamChanged(pa_stream* stream, void* self)
    {
        auto* out = static_cast<PulseOutput*>(self);
        if (!PA_STREAM_IS_GOOD(out->pa_.pa_stream_get_state(stream))) out->lost_ = true;
        out->pa_.pa_threaded_mainloop_signal(out->loop_, 0);
    }

    static void Write(pa_stream* stream, std::size_t bytes, void* self)
    {
        auto* out = static_cast<PulseOutput*>(self);
        while (bytes >= sizeof(std::int16_t)) {
            std::size_t size = std::min<std::size_t>(bytes, Bytes(RequestFrames));
            void* data = nullptr;
            if (out->pa_.pa_stream_begin_write(stream, &data, &size) != 0 || data == nullptr)
                return;
            size -= size % sizeof(std::int16_t);
            out->fill_({static_cast<std::int16_t*>(data), size / sizeof(std::int16_t)});
            out->pa_.pa_stream_write(stream, data, size, nullptr, 0, PA_SEEK_RELATIVE);
            bytes -= size;
        }
    }

    static void RanDry(pa_stream* stream, void* self)
    {
        auto* out = static_cast<PulseOutput*>(self);
        if (out->ahead_ >= MostAheadFrames) return;
        out->ahead_ *= 2;
        const pa_buffer_attr buffer = out->Buffer();
        out->Done(out->pa_.pa_stream_set_buffer_attr(stream, &buffer, nullptr, nullptr));
    }

    Pulse pa_;
    std::mutex device_;  // the keeper's Open and Close against Wake
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    Fill fill_;
    int ahead_ = AheadFrames;  // kept when the server comes back
    std::atomic<bool> lost_{false};
};

}  // namespace

std::unique_ptr<Output> MakePulseOutput() { return std::make_unique<PulseOutput>(); }

}  // namespace sound
