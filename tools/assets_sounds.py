"""The six sound effects, synthesised: 44 100 Hz, mono, 16-bit PCM."""

import math
import wave

import numpy as np

import assets_common as C

RATE = 44100
# Peaks, as fractions of full scale. The mixer adds every channel, and the worst
# case (thrust held, fire held with key repeats, a blast every third frame, the
# radar loop) stacks twenty blasts and several shots and thrust copies, those
# started within one mixer callback adding in phase; tests/assets/mix_test.py
# holds that sum under full scale. Blast loudest, then shot, radar, click.
LEVEL = {"shot": 0.1, "click": 0.11, "blast": 0.18, "hit": 0.18, "radar": 0.07, "thrust": 0.07}


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


def _normalise(sig, peak):
    return sig * (peak / np.max(np.abs(sig)))


def _saturate(sig, drive):
    """Soft clipping: rounds off the few sharp peaks, so the body of the sound can
    be louder within the same peak level."""
    return np.tanh(drive * sig / np.max(np.abs(sig)))


def _sweep(freq):
    """Phase (radians) of a tone whose frequency follows the array freq."""
    return 2 * math.pi * np.cumsum(freq) / RATE


def shot(rng):
    """Short (90 ms), because fire held down repeats it every frame."""
    t = _t(0.09)
    freq = 1700.0 * np.exp(-t / 0.03) + 300.0
    ph = _sweep(freq)
    square = np.tanh(5.0 * np.sin(ph))
    saw = 2.0 * ((ph / (2 * math.pi)) % 1.0) - 1.0
    body = (0.6 * square + 0.4 * saw) * np.exp(-t / 0.028)
    sizzle = rng.standard_normal(len(t)) * np.exp(-t / 0.006) * 0.2
    sig = _lowpass(body + sizzle, 7000.0)
    return _normalise(_fade(_saturate(sig, 1.5), 0.0015, 0.015), LEVEL["shot"])


def gun_click(rng):
    t = _t(0.12)
    click = _highpass(rng.standard_normal(len(t)), 2000.0) * np.exp(-t / 0.0025)
    # The hammer falling on nothing: a tiny inharmonic ring.
    ring = sum(a * np.sin(2 * math.pi * f * t) * np.exp(-t / d)
               for f, a, d in ((2430.0, 0.5, 0.022), (3810.0, 0.35, 0.015), (5270.0, 0.2, 0.01)))
    # A second, softer catch of the mechanism.
    t2 = np.clip(t - 0.038, 0, None)
    catch = _highpass(rng.standard_normal(len(t)), 3000.0) * np.exp(-t2 / 0.0015) * (t >= 0.038) * 0.5
    return _normalise(_fade(click + ring * 0.6 + catch, 0.0005, 0.01), LEVEL["click"])


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
    return _normalise(_fade(_saturate(sig, 2.0), 0.001, 0.08), LEVEL["blast"])


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
    return _normalise(_fade(sig, 0.001, 0.05), LEVEL["hit"])


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
        # A soft swell and a faint overtone: it plays all game long, under everything.
        env = (t >= start) * C.smoothstep(0.0, 0.02, tp) * np.exp(-tp / 0.22)
        tone = np.sin(2 * math.pi * 1250.0 * tp) + 0.1 * np.sin(2 * math.pi * 2500.0 * tp)
        return tone * env * level

    pings = ping(0.01, 0.6) + ping(0.42, 0.18)
    pings *= C.smoothstep(2.0, 1.6, t)  # gone long before the seam
    sig = pings + hum * 0.09
    return _normalise(sig, LEVEL["radar"])


def thrust(rng):
    """50 ms of filtered noise, because the game starts it afresh every frame the
    engine burns: the copies overlap into a steady rumble. No tone (it would beat
    with the frame rate) and no DC (it would pile up across the copies)."""
    t = _t(0.05)
    noise = rng.standard_normal(len(t))
    rumble = _lowpass(_lowpass(noise, 400.0), 400.0)
    rumble = rumble / np.max(np.abs(rumble))
    hiss = _highpass(_lowpass(noise, 2500.0), 900.0) * 0.1
    window = np.sin(math.pi * np.arange(len(t)) / (len(t) - 1)) ** 2
    sig = _highpass(rumble + hiss, 90.0) * window
    sig -= window * (np.sum(sig) / np.sum(window))
    return _normalise(sig, LEVEL["thrust"])


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
