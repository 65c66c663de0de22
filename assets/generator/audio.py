"""Sound effects, synthesised from sine/square tones and seeded noise.
22050 Hz mono 16-bit: small files and plenty for chiptune-style effects."""

import math
import os
import random
import struct
import wave

RATE = 22050
PEAK = 0.708  # about -3 dBFS, before levelling
CEILING = 0.891  # -1 dBFS: no levelled effect peaks above this
WINDOW = 0.05  # seconds: loudness is the RMS of the loudest 50 ms
QUIETER = {"CheckStats": 1.0}  # dB under the others: a warning, not an alarm


def tone(freq, t, shape="sine"):
    ph = (freq * t) % 1.0
    if shape == "sine":
        return math.sin(2 * math.pi * ph)
    if shape == "square":
        return 1.0 if ph < 0.5 else -1.0
    if shape == "tri":
        return 4 * abs(ph - 0.5) - 1
    if shape == "saw":
        return 2 * ph - 1
    raise ValueError(shape)


class Track:
    def __init__(self, seconds):
        self.s = [0.0] * int(seconds * RATE)

    def add(self, start, dur, fn):
        """fn(t_local, u) -> sample, u = 0..1 through the note."""
        i0 = int(start * RATE)
        n = int(dur * RATE)
        for i in range(n):
            j = i0 + i
            if 0 <= j < len(self.s):
                t = i / RATE
                self.s[j] += fn(t, i / n)

    def finish(self, fade=0.004):
        """Fade both ends (no clicks), then scale the loudest sample to PEAK."""
        n = len(self.s)
        f = int(fade * RATE)
        faded = []
        for i, v in enumerate(self.s):
            g = 1.0
            if i < f:
                g = i / f
            elif i >= n - f:
                g = (n - 1 - i) / f
            faded.append(v * g)
        m = max(abs(v) for v in faded) or 1.0
        return [v / m * PEAK for v in faded]


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(max(-1, min(1, v)) * 32767))) for v in samples))


def lowpass(samples, a):
    out, y = [], 0.0
    for v in samples:
        y += a * (v - y)
        out.append(y)
    return out


def noise(rng, n, a=1.0):
    return lowpass([rng.uniform(-1, 1) for _ in range(n)], a)


def env(u, attack=0.02, decay=4.0):
    return min(1.0, u / attack) * math.exp(-decay * u)


# ---------------------------------------------------------------------------


def walk():
    rng = random.Random(11)
    tr = Track(0.15)
    nz = noise(rng, len(tr.s), 0.12)
    tr.add(0, 0.15, lambda t, u: nz[int(t * RATE)] * env(u, 0.03, 9) + 0.6 * tone(70 - 30 * u, t) * env(u, 0.02, 12))
    return tr.finish()


def dice_rattle():
    rng = random.Random(12)
    tr = Track(0.085)
    for k in range(4):   # individual clicks of the dice on the table
        st = 0.004 + k * 0.019 + rng.uniform(0, 0.006)
        nz = noise(rng, int(0.012 * RATE), 0.7)
        f = rng.uniform(1800, 2600)
        tr.add(st, 0.012, lambda t, u, nz=nz, f=f: (nz[int(t * RATE)] * 0.6 + 0.5 * tone(f, t)) * math.exp(-7 * u))
    return tr.finish(0.002)


def teleport():
    tr = Track(0.7)
    rng = random.Random(13)
    sh = noise(rng, len(tr.s), 0.5)

    def fn(t, u):
        f = 300 * 2 ** (u * 2.5)
        vib = 1 + 0.02 * math.sin(2 * math.pi * 30 * t)
        a = math.sin(math.pi * u) ** 0.6
        return a * (0.6 * tone(f * vib, t) + 0.3 * tone(f * 1.5 * vib, t, "tri") + 0.15 * sh[int(t * RATE)] * u)
    tr.add(0, 0.7, fn)
    return tr.finish(0.01)


def roar():
    tr = Track(1.5)
    rng = random.Random(14)
    nz = noise(rng, len(tr.s), 0.08)
    ph = [0.0]

    def fn(t, u):
        f = 80 + 40 * math.sin(math.pi * u) + 6 * math.sin(2 * math.pi * 7 * t)
        ph[0] += f / RATE
        p = ph[0] % 1.0
        body = (2 * p - 1) * 0.6 + (1.0 if (ph[0] * 1.01) % 1 < 0.5 else -1.0) * 0.25
        a = min(1, u / 0.08) * (1 - u) ** 0.7
        return a * (body + 0.7 * nz[int(t * RATE)] * 6)
    tr.add(0, 1.5, fn)
    tr.s = lowpass(tr.s, 0.25)
    return tr.finish(0.01)


def fanfare():
    tr = Track(1.5)
    notes = [(0.0, 0.16, 523.25), (0.16, 0.16, 659.25), (0.32, 0.16, 783.99), (0.48, 1.0, 1046.5)]
    for st, du, f in notes:
        tr.add(st, du, lambda t, u, f=f, du=du: env(u, 0.03, 2.0 if du > 0.5 else 1.0) *
               (0.5 * tone(f, t, "square") + 0.5 * tone(f / 2, t, "tri")))
    for f in (523.25, 659.25, 783.99):   # the final chord under the top note
        tr.add(0.48, 1.0, lambda t, u, f=f: env(u, 0.03, 2.2) * 0.3 * tone(f, t, "tri"))
    return tr.finish(0.01)


def skeleton_hit():
    tr = Track(0.3)
    rng = random.Random(15)
    nz = noise(rng, len(tr.s), 0.9)
    tr.add(0, 0.3, lambda t, u: nz[int(t * RATE)] * math.exp(-18 * u) +
           0.5 * tone(900 - 500 * u, t, "square") * math.exp(-10 * u))
    tr.add(0.06, 0.2, lambda t, u: 0.5 * tone(1400, t, "tri") * math.exp(-14 * u))   # rattling bones
    return tr.finish()


def player_hit():
    tr = Track(0.3)
    rng = random.Random(16)
    nz = noise(rng, len(tr.s), 0.1)
    tr.add(0, 0.12, lambda t, u: (tone(90 - 40 * u, t) + nz[int(t * RATE)] * 3) * math.exp(-5 * u))
    tr.add(0.08, 0.22, lambda t, u: 0.6 * math.sin(math.pi * u) *
           (tone(180 - 60 * u, t, "saw") * 0.6 + tone(360 - 120 * u, t, "tri") * 0.3))   # "ugh"
    tr.s = lowpass(tr.s, 0.35)
    return tr.finish()


def spell():
    tr = Track(0.6)
    for k, f in enumerate((1318.5, 1567.98, 1975.53, 2637.0)):
        tr.add(k * 0.07, 0.6 - k * 0.07, lambda t, u, f=f: env(u, 0.01, 5) *
               (tone(f, t) + 0.3 * tone(f * 2.01, t)) * (1 + 0.3 * math.sin(2 * math.pi * 9 * t)))
    return tr.finish(0.008)


def discovery():
    tr = Track(0.5)
    for k, f in enumerate((587.33, 739.99, 880.0, 1174.66)):
        d = 0.5 - k * 0.09
        tr.add(k * 0.09, d, lambda t, u, f=f: env(u, 0.02, 4) * (0.6 * tone(f, t, "square") + 0.4 * tone(f, t)))
    tr.s = lowpass(tr.s, 0.5)
    return tr.finish(0.006)


def shop():
    tr = Track(0.4)
    rng = random.Random(17)
    for k in range(5):   # coins clinking into a purse
        st = k * 0.07 + rng.uniform(0, 0.02)
        f = rng.uniform(2600, 3600)
        tr.add(st, 0.16, lambda t, u, f=f: math.exp(-9 * u) * (tone(f, t) + 0.6 * tone(f * 1.47, t) + 0.3 * tone(f * 2.3, t)))
    return tr.finish(0.004)


def check_stats():
    tr = Track(0.4)
    for st, f in ((0.0, 880.0), (0.2, 660.0)):
        tr.add(st, 0.19, lambda t, u, f=f: min(1, u / 0.05) * min(1, (1 - u) / 0.1) * 0.7 * tone(f, t, "square"))
    tr.s = lowpass(tr.s, 0.4)
    return tr.finish(0.006)


SOUNDS = {
    "Walk": walk, "Dice": dice_rattle, "Teleport": teleport, "Gorvak": roar,
    "Gorvak2": fanfare, "SkeletonHit": skeleton_hit, "PlayerHit": player_hit,
    "Spell": spell, "Discovery": discovery, "Shop": shop, "CheckStats": check_stats,
}


def loudness_db(samples):
    """RMS of the loudest 50 ms (10 ms steps), in dB of full scale: what
    the ear takes from a short effect, whatever its length."""
    w = max(1, int(WINDOW * RATE))
    hop = max(1, int(0.01 * RATE))
    sq = [0.0]
    for v in samples:
        sq.append(sq[-1] + v * v)
    best = 0.0
    for i in range(0, max(1, len(samples) - w + 1), hop):
        j = min(len(samples), i + w)
        best = max(best, (sq[j] - sq[i]) / (j - i))
    return 10 * math.log10(best) if best > 0 else -200.0


def peak_db(samples):
    m = max(abs(v) for v in samples)
    return 20 * math.log10(m) if m > 0 else -200.0


def level(sounds):
    """One loudness for all: as loud as the effect with the most headroom
    between its peak and its loudness lets the others be."""
    target = min(20 * math.log10(CEILING) - (peak_db(s) - loudness_db(s)) + QUIETER.get(n, 0.0)
                 for n, s in sounds.items())
    out = {}
    for name, s in sounds.items():
        gain = 10 ** ((target - QUIETER.get(name, 0.0) - loudness_db(s)) / 20)
        out[name] = [v * gain for v in s]
    return out


def build_all(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    levelled = level({name: fn() for name, fn in SOUNDS.items()})
    for name, samples in levelled.items():
        write_wav(os.path.join(out_dir, name + ".wav"), samples)
    return sorted(SOUNDS)
