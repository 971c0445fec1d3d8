# What hostile recordings can make the viewer hold, played with -timedemo by the normal build:
# - the largest field (16384 x 16384), a 16 MiB saved game and N pressed as often as a frame
#   takes (64 times): the field's picture alone is 1 GiB (4 bytes a pixel); everything else must
#   stay within 256 MiB more, where the rocks once took gigabytes and ended in std::bad_alloc;
# - a score of 2^31 - 1 (a magazine of 42.9 million) and Space pressed 65,000 times in each of
#   30 frames, which reached 2.29 GB of missiles: refused as damage at its first frame;
# - flags of 1 MiB each (the reader kept them whole, 559 MB for 256): refused at the first.
# Usage: memory_bound_test.py GAME SOURCE_DIR
import os, re, resource, subprocess, sys, tempfile

GAME, SRC = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
RECORDED = open(os.path.join(SRC, "tests/replays/waves.rec")).read().split("\n")
HEAD = RECORDED[: RECORDED.index("frame 1")]
FIELD = HEAD.index("field 1024 768")
SAVED = [i for i, line in enumerate(HEAD) if line.startswith("| ")]
# Every part of a digest, none of them right.
DIGEST = re.sub(r"=[0-9a-f]+", "=00000000", next(l for l in RECORDED if l.startswith("digest")))


def recording(saved, field="field 1024 768", flags=(), frames=()):
    head = HEAD[:FIELD] + list(flags) + [field] + HEAD[FIELD + 1 : SAVED[0]] + saved
    return head + HEAD[SAVED[-1] + 1 :] + list(frames)


missiles = recording(["| fart_user_1_score=2147483647\\n"], frames=[
    line for n in range(1, 31) for line in [f"frame {n}", *["key 44 down", "key 44 up"] * 65000, DIGEST]])
flags = recording([], flags=["flag -run_lvl=" + "9" * 1000000] * 8, frames=["frame 1", DIGEST, "end 1"])
rocks = recording(["| fart_user_1_lfpt=1,1\\n"] * ((16 << 20) // 21), "field 16384 16384",
                  frames=["frame 1", *["key 17 down", "key 17 up"] * 64, DIGEST, "end 1"])
CASES = [  # the recording, its status, a line its standard error holds, the bound in MiB
    ("missiles", missiles, 4, r"line \d+: frame 1 presses key 44 more than 64 times", 256),
    ("flags", flags, 4, r"line 4: a flag over its 128 KiB cap", 256),
    ("rocks", rocks, 3, r"a wave of \d+ rocks is not built: it would take the rocks past 2048", 1280),
]
failed = False
with tempfile.TemporaryDirectory() as work:
    os.symlink(os.path.join(SRC, "dat"), os.path.join(work, "dat"))
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    for name, lines, status, line, bound in CASES:
        open(os.path.join(work, "hostile.rec"), "w").write("\n".join(lines) + "\n")
        run = subprocess.run([GAME, "-timedemo=hostile.rec"], cwd=work, env=env, timeout=600,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        # Over every run so far: the cases go from the smallest bound up.
        peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
        print(f"{name}: peak resident memory {peak:.0f} MiB (bound {bound}); status {run.returncode}")
        if run.returncode != status or not re.search(line, run.stderr) or peak >= bound:
            print("\n".join(run.stderr.splitlines()[-5:]))
            failed = True
sys.exit(1 if failed else 0)
