#include "sound/alsa_output.h"

#include <cerrno>
#include <cstdio>

namespace {

const char* const kDevice = "default";
const snd_pcm_uframes_t kBufferFrames = 4096;
const snd_pcm_uframes_t kPeriodFrames = 1024;

struct Hw_params_free {
  void operator()(snd_pcm_hw_params_t* params) const { snd_pcm_hw_params_free(params); }
};
struct Sw_params_free {
  void operator()(snd_pcm_sw_params_t* params) const { snd_pcm_sw_params_free(params); }
};

// Prints `fmt` with the text of `err` when `err` is an error; returns whether
// it was one.
bool failed(int err, const char* fmt) {
  if (err >= 0) return false;
  std::fprintf(stderr, fmt, snd_strerror(err));
  return true;
}

// Same for the software-parameter steps, whose messages name the caller.
bool failed_named(int err, const char* fmt) {
  if (err >= 0) return false;
  std::fprintf(stderr, fmt, "alsa_open", snd_strerror(err));
  return true;
}

// Installs the hardware parameters; fills the sizes granted. Fails (false)
// after the message of the step that failed.
bool set_hw_params(snd_pcm_t* pcm, int channels, int samplerate, snd_pcm_uframes_t& buffer_size,
                   snd_pcm_uframes_t& period_size) {
  snd_pcm_hw_params_t* raw = nullptr;
  if (failed(snd_pcm_hw_params_malloc(&raw), "cannot allocate hardware parameter structure (%s)\n"))
    return false;
  std::unique_ptr<snd_pcm_hw_params_t, Hw_params_free> hw(raw);

  unsigned rate = static_cast<unsigned>(samplerate);
  buffer_size = kBufferFrames;
  period_size = kPeriodFrames;
  int dir = 0;
  if (failed(snd_pcm_hw_params_any(pcm, hw.get()),
             "cannot initialize hardware parameter structure (%s)\n") ||
      failed(snd_pcm_hw_params_set_access(pcm, hw.get(), SND_PCM_ACCESS_RW_INTERLEAVED),
             "cannot set access type (%s)\n") ||
      failed(snd_pcm_hw_params_set_format(pcm, hw.get(), SND_PCM_FORMAT_FLOAT_LE),
             "cannot set sample format (%s)\n") ||
      failed(snd_pcm_hw_params_set_rate_near(pcm, hw.get(), &rate, nullptr),
             "cannot set sample rate (%s)\n") ||
      failed(snd_pcm_hw_params_set_channels(pcm, hw.get(), static_cast<unsigned>(channels)),
             "cannot set channel count (%s)\n") ||
      failed(snd_pcm_hw_params_set_buffer_size_near(pcm, hw.get(), &buffer_size),
             "cannot set buffer size (%s)\n") ||
      failed(snd_pcm_hw_params_set_period_size_near(pcm, hw.get(), &period_size, &dir),
             "cannot set period size (%s)\n") ||
      failed(snd_pcm_hw_params(pcm, hw.get()), "cannot set parameters (%s)\n"))
    return false;

  snd_pcm_hw_params_get_period_size(hw.get(), &period_size, &dir);
  snd_pcm_hw_params_get_buffer_size(hw.get(), &buffer_size);
  if (period_size == buffer_size) {
    std::fprintf(stderr, "Can't use period equal to buffer size (%lu == %lu)", buffer_size,
                 period_size);
    return false;
  }
  return true;
}

// Makes playback start once the buffer is full. Fails (false) after the
// message of the step that failed.
bool set_sw_params(snd_pcm_t* pcm, snd_pcm_uframes_t buffer_size) {
  snd_pcm_sw_params_t* raw = nullptr;
  if (failed_named(snd_pcm_sw_params_malloc(&raw), "%s: snd_pcm_sw_params_malloc: %s"))
    return false;
  std::unique_ptr<snd_pcm_sw_params_t, Sw_params_free> sw(raw);
  return !failed_named(snd_pcm_sw_params_current(pcm, sw.get()),
                       "%s: snd_pcm_sw_params_current: %s") &&
         !failed(snd_pcm_sw_params_set_start_threshold(pcm, sw.get(), buffer_size),
                 "cannot set start threshold (%s)\n") &&
         !failed_named(snd_pcm_sw_params(pcm, sw.get()), "%s: snd_pcm_sw_params: %s");
}

}  // namespace

Alsa_pcm alsa_open(int channels, int samplerate) {
  snd_pcm_t* raw = nullptr;
  int err = snd_pcm_open(&raw, kDevice, SND_PCM_STREAM_PLAYBACK, 0);
  if (err < 0) {
    std::fprintf(stderr, "cannot open audio device \"%s\" (%s)\n", kDevice, snd_strerror(err));
    return nullptr;
  }
  Alsa_pcm pcm(raw);
  snd_pcm_nonblock(pcm.get(), 0);

  snd_pcm_uframes_t buffer_size = 0;
  snd_pcm_uframes_t period_size = 0;
  if (!set_hw_params(pcm.get(), channels, samplerate, buffer_size, period_size) ||
      !set_sw_params(pcm.get(), buffer_size))
    return nullptr;
  snd_pcm_reset(pcm.get());
  return pcm;
}

bool Underrun_counter::on_underrun() {
  if (count_ > 0) {
    std::fprintf(stderr, "alsa_write_float: EPIPE %d\n", count_);
    if (count_ > 140) return true;
  }
  count_ += 100;
  return false;
}

Underrun_counter& run_underruns() {
  static Underrun_counter counter;
  return counter;
}

int alsa_write_float(snd_pcm_t* alsa_dev, const float* data, int frames, int channels) {
  Underrun_counter& underruns = run_underruns();
  underruns.on_write_call();

  int total = 0;
  while (total < frames) {
    const snd_pcm_sframes_t written = snd_pcm_writei(
        alsa_dev, data + total * channels, static_cast<snd_pcm_uframes_t>(frames - total));
    if (written >= 0) {
      total += static_cast<int>(written);
      continue;
    }
    switch (written) {
      case -EPIPE:
        if (underruns.on_underrun()) return static_cast<int>(written);
        snd_pcm_prepare(alsa_dev);
        break;
      case -EAGAIN:
        std::fprintf(stderr, "alsa_write_float: EAGAIN\n");
        snd_pcm_wait(alsa_dev, 1000);
        break;
      case -EIO:
        std::fprintf(stderr, "alsa_write_float: EIO\n");
        return 0;
      case -ESTRPIPE:
        std::fprintf(stderr, "alsa_write_float: Suspend event.n");
        return 0;
      case -EBADFD:
        std::fprintf(stderr, "alsa_write_float: Bad PCM state.n");
        return 0;
      default:
        std::fprintf(stderr, "alsa_write_float: retval = %d\n", static_cast<int>(written));
        return 0;
    }
  }
  return total;
}
