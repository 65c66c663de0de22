#!/usr/bin/env python3
"""What a player hears through a sound server: a private PulseAudio daemon's
null sink runs at the effects' rate, so what the game sends arrives sample for
sample on its recorded monitor. Real X input makes the game walk, warn, sell
and move by charm; the sound layer alone plays the rest. Each must arrive
whole; then the server goes away and returns, and the game is heard again.
usage: sound_server.py GORVAK PLAY_EFFECTS SCRATCH [--load: 30 s of effects
beside two CPU-bound workers]"""

import array, ctypes, math, operator, os, re, signal, subprocess, sys, time, wave  # noqa: E401

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "acceptance"))
import acceptance as a  # noqa: E402

RATE = 22050
EFFECTS = ["Walk", "Dice", "Teleport", "Gorvak", "Gorvak2", "SkeletonHit", "PlayerHit", "Spell",
           "Discovery", "Shop", "CheckStats"]
# Row 4 a corridor, a serum in every room but the start: each step's find is
# known and silent.
CORRIDOR = {40: "E", 49: "W", **{r: "EW" for r in range(41, 49)}}
counts, procs = [0, 0, 0], []  # passed, failed, dropouts; the server and its recorder

def start(*args, **kw):  # a child that dies with this script, however it ends
    return subprocess.Popen(args, preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL), **kw)

def server(up):
    """Starts the daemon (its socket, runtime folder and home in SCRATCH) and,
    once it answers, the recording of its monitor; or stops both."""
    for p in procs:
        p.kill()
        p.wait()
    procs[:] = [start("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                      "module-native-protocol-unix auth-anonymous=1 socket=" + PULSE + "/native", "-L",
                      "module-null-sink sink_name=out rate=%d" % RATE, stderr=subprocess.DEVNULL)] if up else []
    if up:
        a.check(a.wait_until(lambda: ctl("info"), 10), "PulseAudio did not start")
        with open(PULSE + "/heard.raw", "wb") as out:
            procs.append(start("parec", "-d", "out.monitor", "--format=s16le", "--rate=%d" % RATE, "--channels=1",
                               "--latency-msec=10", stdout=out, stderr=subprocess.DEVNULL))

def ctl(*args):
    return subprocess.run(["pactl", *args], capture_output=True, timeout=5).stdout

def samples(since=0):
    with open(PULSE + "/heard.raw", "rb") as f:
        data = f.read()[2 * since:]
    return array.array("h", data[:len(data) // 2 * 2])

def heard(since, ref, timeout=5.0):
    """The recording from `since` once a sound as loud as `ref` has begun
    there and had time to end."""
    def whole(rec):
        first = audible(rec, ref)[0]
        return rec if first is not None and len(rec) > first + len(ref) + RATE // 10 else None
    return a.wait_until(lambda: whole(samples(since)), timeout, 0.1)

def audible(x, ref):  # where a sound in x as loud as ref begins and ends
    level = max(map(abs, ref)) // 50
    loud = [i for i, v in enumerate(x) if abs(v) > level]
    return (loud[0], loud[-1] + 1) if loud else (None, None)

def dot(x, y):
    return sum(map(operator.mul, x, y))

def whole(since, effect, how):
    """Waits for `effect` after `since` and says how it compares with its file
    (the worst 2 ms of the difference shows a gap or a click); whether whole.
    A dropout (a silence the file lacks) is forgiven unless half the effects
    have one: a busy machine can starve any buffer (the output then asks for
    a larger one), and the bench counts them."""
    ref, rec = REFS[effect], heard(since, REFS[effect])
    if not rec:
        return report(False, "%s %s: nothing heard in 5 s" % (effect, how))
    (first, last), (own, end) = audible(rec, ref), audible(ref, ref)
    seg, w = rec[max(0, first - own):first - own + len(ref)], RATE // 500
    rest = [x - y for x, y in zip(seg, ref)]
    worst = max(dot(rest[i:i + w], rest[i:i + w]) for i in range(0, len(rest) - w, w)) * len(ref) / w
    corr = dot(seg, ref) / (math.sqrt(dot(seg, seg) * dot(ref, ref)) or 1)
    good = abs(last - first - end + own) <= 256 and corr >= 0.99 and worst < dot(ref, ref) / 4
    gaps = [len(re.findall(rb"(\0\0){16,}", x[i:j].tobytes())) for x, i, j in ((rec, first, last), (ref, own, end))]
    dropout = not good and gaps[0] > gaps[1]
    counts[2] += dropout
    report(good or dropout and 2 * counts[2] <= sum(counts[:2]) + 1,
           "%s %s: heard %d samples of the file's %d, correlation %.4f, worst 2 ms off by %.2f of its loudness, %.0f "
           "ms after%s" % (effect, how, last - first, end - own, corr, math.sqrt(worst / dot(ref, ref)),
                           first * 1000 / RATE, " (a dropout)" * dropout))
    return good

def report(passed, what):
    print("PASS " + what if passed else "FAIL " + what, flush=True)
    counts[not passed] += 1

def act(do, effect, how):
    since = len(samples())
    do()
    return whole(since, effect, how)

def found(pred, what):
    got = a.wait_until(pred, 3)
    a.check(got, "no " + what)
    return got[0]

def player(program, **env):  # plays the effect of each number on its stdin, answers the call's µs
    p = start(program, AUDIO, stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=dict(os.environ, **env))
    said = p.stdout.readline()
    a.check(said == b"loaded\n", "the sound layer did not load: %r" % said)
    return p, lambda effect: (p.stdin.write(b"%d\n" % EFFECTS.index(effect)), p.stdin.flush(),
                              float(p.stdout.readline()))[2]

def layer(program):
    # SDL's own buffer is too small for a busy machine: only its return is heard.
    for output, env in (("PulseAudio", {}), ("SDL", {"SDL_AUDIODRIVER": "pulseaudio"})):
        p, play = player(program, **env)
        for effect in ["Dice", "Teleport", "Gorvak", "Gorvak2", "SkeletonHit", "PlayerHit", "Discovery"] * (
                output == "PulseAudio"):
            act(lambda: play(effect), effect, "from the sound layer on " + output)
        server(False)
        worst = max(play("Dice") for _ in range(3))
        server(True)  # then plays until heard: the recording counts the time since
        back = a.wait_until(lambda: play("Dice") >= 0 and heard(0, REFS["Dice"], 0.2), 5, 0)
        report(back, "the sound layer on %s: calls took at most %.0f µs with the server gone; heard again %s" % (
            output, worst, "%.2f s after its return" % (audible(back, REFS["Dice"])[0] / RATE) if back else "never"))
        p.kill()

def game():
    game = a.Game("sound", a.dungeon_bytes(CORRIDOR, {r: 1 for r in CORRIDOR if r != 45}))

    def key(name):  # focuses the main window first: only the press is timed
        a.X.focus(game.main)
        return lambda: a.X.key(name)
    try:
        game.wait_ready()
        act(key("Left"), "Walk", "by a key")
        act(key("Left"), "Walk", "by a key")
        act(key("Left"), "CheckStats", "as the last pie is eaten")
        status = found(lambda: a.status_windows(game.main), "status window")
        act(lambda: a.press_keys(status[0], "Return"), "Walk", "once the status window closes")
        a.click_button(a.CMD_SHOP)
        a.click_button((96, 168, 65, 33), origin=found(lambda: a.visible_windows(a.TITLE_RE, a.HUB_SIZE), "shop")[1])
        magic = found(lambda: a.visible_windows(a.TITLE_RE, (252, 221)), "magic department")
        act(lambda: a.click_button((24, 168, 65, 33), origin=magic[1]), "Shop", "buying a charm")
        a.click_button((168, 416, 81, 33))
        a.press_return(a.wait_box(game)[0])
        act(lambda: a.click_client(*(c + 16 for c in a.room_corner(49))), "Spell", "by the charm")
        server(False)
        a.press_keys(game.main, "Left")
        a.check_walked_to(game, 48, "a step with the server gone")
        a.check(not a.visible_windows(a.BOX_RE), "a message box with the server gone")
        server(True)
        begun = time.monotonic()
        a.check(a.wait_until(lambda: ctl("list", "short", "sink-inputs"), 5), "no sound after the server's return")
        report(True, "the game walked on silently with the server gone; its sound was back %.2f s after the "
               "server" % (time.monotonic() - begun))
        act(key("Left"), "Walk", "by a key after the server's return")
    except a.CaseFailure as e:
        game.log.flush()
        report(False, "the real game: %s%s; it said: %s" % (e, game.exit_note(), open(game.log.name).read()))
    finally:
        game.stop()

def main():
    global REFS, AUDIO, PULSE
    exe, program, scratch = sys.argv[1:4]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    a.EXE, a.SCRATCH, PULSE = os.path.abspath(exe), scratch, scratch + "/pulse"
    a.X = a.Screen()
    AUDIO = os.path.join(os.path.dirname(a.EXE), "audio")
    REFS = {e: array.array("h", wave.open(os.path.join(AUDIO, e + ".wav")).readframes(10 ** 6)) for e in EFFECTS}
    os.makedirs(PULSE + "/run", 0o700)
    os.environ.update(XDG_RUNTIME_DIR=PULSE + "/run", HOME=PULSE, PULSE_SERVER="unix:%s/native" % PULSE)
    os.environ.pop("SDL_AUDIODRIVER", None)
    try:
        server(True)
        if "--load" in sys.argv:
            (_, play), _, end = player(program), start("stress-ng", "--cpu", "2", "--quiet"), time.monotonic() + 30
            while time.monotonic() < end:
                effect = EFFECTS[sum(counts[:2]) % 11]
                act(lambda: play(effect), effect, "under load")
        else:
            game()
            layer(program)
    except a.CaseFailure as e:
        report(False, str(e))
    finally:
        server(False)
    print("%d passed, %d failed" % tuple(counts[:2]), flush=True)
    return 1 if counts[1] or not counts[0] else 0

if __name__ == "__main__":
    sys.exit(main())
