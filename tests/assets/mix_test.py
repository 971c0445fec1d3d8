# Worst-case mix of the real WAVs under the mixer's rules: it never clips and never drops a hit.
# Usage: mix_test.py REPO_ROOT CHANNELS. Each frame: thrust, a fire command (one more on a key
# repeat, 25 a second after 660 ms), a blast every third frame; the radar loops on channel 5.
# For the first half every fire command shoots; then the magazine is full: it clicks, and shoots
# every fourth frame. A request starts at the next 1024-sample mixer callback (so requests within
# one callback add in phase) on the first channel whose sound has ended, or is dropped. Channels
# add in order, each partial sum clamped to full scale, so none may pass it.
import sys
import wave

import numpy as np

RATE, CALLBACK, RADAR, FULL = 44100, 1024, 5, 32767
NAMES = ("shot", "rev_gun_choke_v2", "explosion_v2", "thrust_sfx2", "radar_v2")


def mix(sounds, channels, frame_ms, seconds=5.0):
    n, frames = int(seconds * RATE), int(seconds * 1000 / frame_ms)
    tracks = np.zeros((channels, n + 2 * RATE), np.int64)
    tracks[RADAR] = np.resize(sounds["radar_v2"], tracks.shape[1])
    ends, dropped, busiest = [-1] * channels, [], 0
    ends[RADAR] = 1 << 30
    for f in range(frames):
        repeat = f * frame_ms >= 660 and int(f * frame_ms / 40) != int((f - 1) * frame_ms / 40)
        fire = "shot" if f < frames // 2 or f % 4 == 0 else "rev_gun_choke_v2"
        callback = int(f * frame_ms / 1000 * RATE) // CALLBACK + 1
        for name in [fire] * (1 + repeat + (f == 0)) + ["explosion_v2"] * (f % 3 == 0) + ["thrust_sfx2"]:
            free = [c for c in range(channels) if ends[c] < callback]
            if not free:
                dropped.append(name)
                continue
            at, chunk = callback * CALLBACK, sounds[name]
            tracks[free[0], at : at + len(chunk)] += chunk
            ends[free[0]] = callback + (len(chunk) - 1) // CALLBACK
            busiest = max(busiest, sum(e >= callback for e in ends))
    return int(np.abs(np.cumsum(tracks[:, :n], axis=0)).max()), dropped, busiest


def main(root, channels):
    sounds = {}
    for name in NAMES:
        with wave.open("%s/dat/%s.wav" % (root, name)) as w:
            sounds[name] = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(np.int64)
    ok = True
    for frame_ms in (14.0, 15.0, 16.7, 20.0, 25.0):
        peak, dropped, busiest = mix(sounds, channels, frame_ms)
        sys.stderr.write("frame %4.1f ms: peak %5d of %d (%.1f dBFS), %d of %d channels busy, dropped %s\n"
                         % (frame_ms, peak, FULL, 20 * np.log10(peak / FULL), busiest, channels,
                            {d: dropped.count(d) for d in set(dropped)} or "none"))
        ok &= peak <= FULL and "shot" not in dropped and "explosion_v2" not in dropped
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2])))
