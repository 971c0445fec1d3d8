# A reader that goes away must not end the game: a recording into a pipe whose reader closed,
# and a log into one, are each told or dropped while the game goes on and saves at its exit.
# Usage: closed_pipe_test.py GAME SOURCE_DIR
import os
import subprocess
import sys
import tempfile
import time

GAME, SRC = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
SAVE = "fart_user_1_score=2500\nfart_user_1_level=3\n"


def wait_for(ready, what, seconds=60):
    deadline = time.monotonic() + seconds
    while not ready():
        if time.monotonic() > deadline:
            raise SystemExit(f"no {what} within {seconds} s")
        time.sleep(0.05)


def run(work, record_to_pipe):
    open(os.path.join(work, "game.txt"), "w").write(SAVE)
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    # `| head -c 10`: the reader takes a few bytes and is gone.
    head = subprocess.Popen(["head", "-c", "10"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    pipe = head.stdin.fileno()
    target = f"/dev/fd/{pipe}" if record_to_pipe else "game.rec"
    with open(os.path.join(work, "err"), "w") as err_file:
        game = subprocess.Popen([GAME, "-test", f"-record={target}"], cwd=work, env=env,
                                pass_fds=[pipe], stderr=err_file,
                                stdout=subprocess.DEVNULL if record_to_pipe else pipe)
    head.stdin.close()
    err = lambda: open(os.path.join(work, "err")).read()
    if record_to_pipe:
        wait_for(lambda: "Broken pipe" in err() or game.poll() is not None, "the broken pipe")
    else:
        wait_for(lambda: os.path.exists(os.path.join(work, "game.rec")) or
                 game.poll() is not None, "the first frame")
    head.wait(timeout=60)
    if game.poll() is None:
        game.terminate()  # SDL makes it a quit: the game ends in order
    status = game.wait(timeout=60)
    saved = open(os.path.join(work, "game.txt")).read()
    return status, err().count("recording stopped at frame"), saved != SAVE


failed = False
with tempfile.TemporaryDirectory() as work:
    os.symlink(os.path.join(SRC, "dat"), os.path.join(work, "dat"))
    for to_pipe, told in ((True, 1), (False, 0)):
        got = run(work, to_pipe)
        print(f"{'recording' if to_pipe else 'log'} into a closed pipe: status, "
              f"'recording stopped' lines, saved: {got}")
        failed = failed or got != (0, told, True)
sys.exit(1 if failed else 0)
