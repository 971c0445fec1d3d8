# A reader that goes away (`| head -c 10`) must not end the game: a recording into such a pipe is
# told once, a log into one is dropped, and either way the game goes on and saves at its exit.
# Usage: closed_pipe_test.py GAME SOURCE_DIR
import os, subprocess, sys, tempfile, time

GAME, SRC = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
SAVE = "fart_user_1_score=2500\nfart_user_1_level=3\n"


def run(work, record_to_pipe):
    open(os.path.join(work, "game.txt"), "w").write(SAVE)
    head = subprocess.Popen(["head", "-c", "10"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    pipe, err = head.stdin.fileno(), os.path.join(work, "err")
    with open(err, "w") as err_file:
        game = subprocess.Popen(
            [GAME, "-test", f"-record={f'/dev/fd/{pipe}' if record_to_pipe else 'game.rec'}"],
            cwd=work, env=dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy"),
            pass_fds=[pipe], stderr=err_file, stdout=subprocess.DEVNULL if record_to_pipe else pipe)
    head.stdin.close()
    # The broken pipe told, or the first frame written (the log's reader is gone by then).
    ready = lambda: ("Broken pipe" in open(err).read() if record_to_pipe
                     else os.path.exists(os.path.join(work, "game.rec")))
    deadline = time.monotonic() + 60
    while not ready() and game.poll() is None and time.monotonic() < deadline:
        time.sleep(0.05)
    head.wait(timeout=60)
    if game.poll() is None:
        game.terminate()  # SDL makes it a quit: the game ends in order
    status = game.wait(timeout=60)
    saved = open(os.path.join(work, "game.txt")).read() != SAVE
    return status, open(err).read().count("recording stopped at frame"), saved


with tempfile.TemporaryDirectory() as work:
    os.symlink(os.path.join(SRC, "dat"), os.path.join(work, "dat"))
    got = [run(work, to_pipe) for to_pipe in (True, False)]
print(f"recording, then log, into a closed pipe: (status, stopped lines, saved) {got}")
sys.exit(0 if got == [(0, 1, True), (0, 0, True)] else 1)
