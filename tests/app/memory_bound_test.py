# What a hostile recording can make the viewer hold: the largest field (16384 x 16384), a 16 MiB
# saved game and N pressed 1000 times in its first frame, played with -timedemo by the normal
# build. The field's picture alone is 1 GiB (4 bytes a pixel); everything else must stay within
# 256 MiB more, where the rocks once took gigabytes and ended in std::bad_alloc.
# Usage: memory_bound_test.py GAME SOURCE_DIR
import os
import resource
import subprocess
import sys
import tempfile

BOUND_MIB = 1280
GAME, SRC = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])


def hostile_recording(path):
    head = open(os.path.join(SRC, "tests/replays/waves.rec")).read().split("\n")
    head = head[: head.index("frame 1")]
    saved = [i for i, line in enumerate(head) if line.startswith("| ")]
    head[saved[0] : saved[-1] + 1] = ["| fart_user_1_lfpt=1,1\\n"] * ((16 << 20) // 21)
    head[head.index("field 1024 768")] = "field 16384 16384"
    frame = ["frame 1"] + ["key 17 down", "key 17 up"] * 1000 + ["digest rng=0", "end 1"]
    open(path, "w").write("\n".join(head + frame) + "\n")


with tempfile.TemporaryDirectory() as work:
    os.symlink(os.path.join(SRC, "dat"), os.path.join(work, "dat"))
    hostile_recording(os.path.join(work, "hostile.rec"))
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    run = subprocess.run([GAME, "-timedemo=hostile.rec"], cwd=work, env=env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, timeout=600)
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
lines = run.stderr.splitlines()
print(f"peak resident memory {peak:.0f} MiB (bound {BOUND_MIB}); status {run.returncode}")
ok = (run.returncode == 3 and lines[-1].startswith("replay out of sync at frame 1")
      and "a wave of 2000 rocks is not built: it would take the rocks past 2048" in lines
      and peak < BOUND_MIB)
if not ok:
    print("\n".join(lines[-5:]))
sys.exit(0 if ok else 1)
