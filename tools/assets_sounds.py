"""The six sound effects, synthesised: 44 100 Hz, mono, 16-bit PCM."""

import math
import wave

import numpy as np

import assets_common as C

RATE = 44100
PEAK = 0.8  # of full scale, leaves headroom when effects overlap


def _t(seconds):
    return np.arange(int(round(seconds * RATE))) / RATE


def _fade(sig, fade_in=0.002, fade_out=0.01):
    """Short raised-cosine ramps so the sound starts and ends at silence."""
    out = sig.copy()
    n_in, n_out = max(1, int(fade_in * RATE)), max(1, int(fade_out * RATE))
    out[:n_in] *= 0.5 - 0.5 * np.cos(np.linspace(0, math.pi, n_in))
    out[-n_out:] *= 0.5 + 0.5 * np.cos(np.linspace(0, math.pi, n_out))
    return out


def _lowpass(sig, cutoff):
    """One-pole low-pass; cutoff may be a per-sample array."""
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=np.float64), sig.shape)
    a = 1.0 - np.exp(-2 * math.pi * cutoff / RATE)
    out = np.empty_like(sig)
    acc = 0.0
    for i in range(len(sig)):
        acc += a[i] * (sig[i] - acc)
        out[i] = acc
    return out


def _highpass(sig, cutoff):
    return sig - _lowpass(sig, cutoff)


def _normalise(sig, peak=PEAK):
    return sig * (peak / np.max(np.abs(sig)))


def _sweep(freq):
    """Phase (radians) of a tone whose frequency follows the array freq."""
    return 2 * math.pi * np.cumsum(freq) / RATE


def shot(rng):
    t = _t(0.2)
    freq = 1700.0 * np.exp(-t / 0.07) + 260.0
    ph = _sweep(freq)
    square = np.tanh(5.0 * np.sin(ph))
    saw = 2.0 * ((ph / (2 * math.pi)) % 1.0) - 1.0
    body = (0.6 * square + 0.4 * saw) * np.exp(-t / 0.06)
    sizzle = rng.standard_normal(len(t)) * np.exp(-t / 0.012) * 0.5
    sig = _lowpass(body + sizzle, 7000.0)
    return _normalise(_fade(sig, 0.0015, 0.02))


def gun_click(rng):
    t = _t(0.12)
    click = _highpass(rng.standard_normal(len(t)), 2000.0) * np.exp(-t / 0.0025)
    # The hammer falling on nothing: a tiny inharmonic ring.
    ring = sum(a * np.sin(2 * math.pi * f * t) * np.exp(-t / d)
               for f, a, d in ((2430.0, 0.5, 0.022), (3810.0, 0.35, 0.015), (5270.0, 0.2, 0.01)))
    # A second, softer catch of the mechanism.
    t2 = np.clip(t - 0.038, 0, None)
    catch = _highpass(rng.standard_normal(len(t)), 3000.0) * np.exp(-t2 / 0.0015) * (t >= 0.038) * 0.5
    return _normalise(_fade(click + ring * 0.6 + catch, 0.0005, 0.01), 0.7)


def explosion(rng):
    t = _t(0.9)
    noise = rng.standard_normal(len(t))
    # The burst darkens as it dies: the low-pass cutoff slides down.
    cutoff = 300.0 + 4200.0 * np.exp(-t / 0.12)
    burst = _lowpass(_lowpass(noise, cutoff), cutoff) * np.exp(-t / 0.28)
    thump = np.sin(_sweep(38.0 + 50.0 * np.exp(-t / 0.08))) * np.exp(-t / 0.22)
    crackle = np.zeros(len(t))
    for _ in range(40):
        at = int(rng.random() ** 1.7 * 0.6 * RATE)
        crackle[at] += (rng.random() - 0.5) * 6.0 * math.exp(-at / RATE / 0.2)
    crackle = _highpass(_lowpass(crackle, 5000.0), 800.0)
    attack = C.smoothstep(0.0, 0.006, t)
    sig = (burst / np.max(np.abs(burst)) + thump * 0.55 + crackle * 0.6) * attack
    return _normalise(_fade(sig, 0.001, 0.08))


def hero_hit(rng):
    t = _t(0.4)
    thud = np.sin(_sweep(55.0 + 70.0 * np.exp(-t / 0.04))) * np.exp(-t / 0.1)
    # Hull plates ring at unrelated frequencies, each dying at its own rate.
    clang = sum(a * np.sin(2 * math.pi * f * t + p) * np.exp(-t / d)
                for f, a, d, p in ((523.0, 0.5, 0.16, 0.0), (1187.0, 0.35, 0.09, 1.1),
                                   (1796.0, 0.25, 0.06, 2.3), (2621.0, 0.18, 0.04, 0.7),
                                   (3433.0, 0.1, 0.025, 1.9)))
    hit = _lowpass(rng.standard_normal(len(t)), 3000.0) * np.exp(-t / 0.01)
    sig = thud * 0.9 + clang * 0.7 + hit * 0.8
    return _normalise(_fade(sig, 0.001, 0.05))


def radar(rng):
    """Two seconds that loop: a ping with an echo over a steady hum.

    Every steady tone makes a whole number of cycles in the loop, and the ping
    has died to nothing well before the end, so the seam is continuous.
    """
    t = _t(2.0)
    hum = (np.sin(2 * math.pi * 55.0 * t) * 0.5 + np.sin(2 * math.pi * 110.0 * t) * 0.25
           + np.sin(2 * math.pi * 165.0 * t) * 0.08)
    hum *= 0.85 + 0.15 * np.sin(2 * math.pi * 1.0 * t)  # slow swell, also whole cycles

    def ping(start, level):
        tp = np.clip(t - start, 0, None)
        env = (t >= start) * C.smoothstep(0.0, 0.004, tp) * np.exp(-tp / 0.22)
        tone = np.sin(2 * math.pi * 1250.0 * tp) + 0.3 * np.sin(2 * math.pi * 2500.0 * tp)
        return tone * env * level

    pings = ping(0.01, 1.0) + ping(0.42, 0.3)
    pings *= C.smoothstep(2.0, 1.6, t)  # gone long before the seam
    sig = pings + hum * 0.09
    return _normalise(sig, 0.7)


def thrust(rng):
    """Short, because the game starts it afresh every frame the engine burns."""
    t = _t(0.15)
    noise = rng.standard_normal(len(t))
    rumble = _lowpass(_lowpass(noise, 320.0), 320.0)
    rumble = rumble / np.max(np.abs(rumble))
    hiss = _highpass(_lowpass(noise, 2500.0), 900.0) * 0.08
    growl = np.sin(2 * math.pi * 62.0 * t) * 0.25
    sig = (rumble + hiss + growl) * (0.85 + 0.15 * np.sin(2 * math.pi * 27.0 * t))
    # Soft ends: copies that overlap frame after frame must not click.
    return _normalise(_fade(sig, 0.02, 0.05), 0.4)


def write_wav(path, sig):
    C.ensure_dir(path)
    pcm = np.round(np.clip(sig, -1.0, 1.0) * 32767.0).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    return pcm


SOUNDS = [
    ("dat/shot.wav", shot, 101),
    ("dat/rev_gun_choke_v2.wav", gun_click, 102),
    ("dat/explosion_v2.wav", explosion, 103),
    ("dat/hero_hit_v2.wav", hero_hit, 104),
    ("dat/radar_v2.wav", radar, 105),
    ("dat/thrust_sfx2.wav", thrust, 106),
]


def write_all(root):
    out = {}
    for rel, make, seed in SOUNDS:
        out[rel] = write_wav(root + "/" + rel, make(np.random.default_rng(seed)))
    return out
