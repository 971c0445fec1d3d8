/* Counts the frames a running game presents, from outside the game: preloaded
 * (LD_PRELOAD) in front of SDL, it counts SDL_RenderPresent calls into an 8-byte
 * file named by VA_PRESENT_COUNT_FILE, mapped so that counting costs no system call. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

typedef struct SDL_Renderer SDL_Renderer;

static volatile uint64_t* counter;
static void (*realPresent)(SDL_Renderer*);

__attribute__((constructor)) static void openCounter(void) {
    const char* path = getenv("VA_PRESENT_COUNT_FILE");
    if (path == NULL) {
        return;
    }
    int fd = open(path, O_RDWR | O_CREAT, 0644);
    if (fd < 0 || ftruncate(fd, sizeof(uint64_t)) != 0) {
        return;
    }
    void* p = mmap(NULL, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (p != MAP_FAILED) {
        counter = p;
    }
}

void SDL_RenderPresent(SDL_Renderer* renderer) {
    if (realPresent == NULL) {
        realPresent = (void (*)(SDL_Renderer*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
    }
    realPresent(renderer);
    if (counter != NULL) {
        __atomic_add_fetch(counter, 1, __ATOMIC_RELAXED);
    }
}
