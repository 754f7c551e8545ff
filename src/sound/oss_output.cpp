#include "sound/oss_output.h"

#include <fcntl.h>
#include <linux/soundcard.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Opens the first device that exists. Fails (-1) after the messages of a
// missing device, which a run prints only once.
int open_device() {
  int dsp = open("/dev/dsp", O_WRONLY);
  if (dsp < 0) dsp = open("/dev/sound/dsp", O_WRONLY);
  if (dsp >= 0) return dsp;

  static bool reported = false;
  if (!reported) {
    reported = true;
    std::perror("linux_open_dsp_device : open ");
    std::fputs(kNoSoundDevice, stderr);
  }
  return -1;
}

// Sends one set-up request; fails (false) after perror with `what`.
bool request(int dsp, unsigned long code, int value, const char* what) {
  if (ioctl(dsp, code, &value) != -1) return true;
  std::perror(what);
  return false;
}

}  // namespace

int linux_open_dsp_device(int channels, int srate) {
  const int dsp = open_device();
  if (dsp < 0) return -1;

  bool ready = request(dsp, SNDCTL_DSP_STEREO, 0, "linux_open_dsp_device : stereo ");
  if (ready && ioctl(dsp, SNDCTL_DSP_RESET, 0) == -1) {
    std::perror("linux_open_dsp_device : reset ");
    ready = false;
  }
  ready = ready &&
          request(dsp, SNDCTL_DSP_SETFMT, AFMT_S16_LE, "linux_open_dsp_device : set format ") &&
          request(dsp, SNDCTL_DSP_CHANNELS, channels, "linux_open_dsp_device : channels ") &&
          request(dsp, SNDCTL_DSP_SPEED, srate, "linux_open_dsp_device : sample rate ");
  if (ready && ioctl(dsp, SNDCTL_DSP_SYNC, 0) == -1) {
    std::perror("linux_open_dsp_device : sync ");
    ready = false;
  }
  if (ready) return dsp;
  close(dsp);
  return -1;
}

bool dsp_write(int dsp, const void* data, std::size_t bytes) {
  const char* next = static_cast<const char*>(data);
  while (bytes > 0) {
    const ssize_t written = write(dsp, next, bytes);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      std::perror("linux_play : write ");
      return false;
    }
    next += written;
    bytes -= static_cast<std::size_t>(written);
  }
  return true;
}

void dsp_finish(int dsp) {
  if (ioctl(dsp, SNDCTL_DSP_POST, 0) == -1) std::perror("ioctl (SNDCTL_DSP_POST) ");
  if (ioctl(dsp, SNDCTL_DSP_SYNC, 0) == -1) std::perror("ioctl (SNDCTL_DSP_SYNC) ");
  close(dsp);
}
