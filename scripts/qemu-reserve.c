/* Preloaded into Wine's 32-bit loader when it runs under qemu's user-mode
 * emulator. qemu takes MAP_FIXED_NOREPLACE as a mere hint and hands back some
 * other address; Wine then halves and retries each reservation down to 64 KiB,
 * which costs about a minute per process. Here the flag is honoured: the
 * range is checked against the emulated /proc/self/maps and mapped fixed. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

static void *(*real_mmap64)(void *, size_t, int, int, int, __off64_t);

static uint64_t read_hex(const char **p)
{
    uint64_t v = 0;
    for (;; (*p)++) {
        char c = **p;
        if (c >= '0' && c <= '9') v = v * 16 + (uint64_t)(c - '0');
        else if (c >= 'a' && c <= 'f') v = v * 16 + (uint64_t)(c - 'a' + 10);
        else return v;
    }
}

/* 1 when [start, end) overlaps a mapping of this process */
static int range_in_use(uint64_t start, uint64_t end)
{
    static char buf[1 << 17];
    int fd = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 1;
    size_t n = 0;
    ssize_t r;
    while (n < sizeof buf - 1 && (r = read(fd, buf + n, sizeof buf - 1 - n)) > 0) n += (size_t)r;
    close(fd);
    buf[n] = 0;
    for (const char *p = buf; *p;) {
        uint64_t a = read_hex(&p);
        if (*p == '-') p++;
        uint64_t b = read_hex(&p);
        if (a < end && start < b) return 1;
        p = strchr(p, '\n');
        if (!p) break;
        p++;
    }
    return 0;
}

void *mmap64(void *addr, size_t len, int prot, int flags, int fd, __off64_t off)
{
    if (!real_mmap64) real_mmap64 = (void *(*)(void *, size_t, int, int, int, __off64_t))dlsym(RTLD_NEXT, "mmap64");
    if (flags & MAP_FIXED_NOREPLACE) {
        uint64_t s = (uintptr_t)addr, e = s + len;
        if (e > 0x100000000ull || range_in_use(s, e)) {
            errno = EEXIST;
            return MAP_FAILED;
        }
        flags = (flags & ~MAP_FIXED_NOREPLACE) | MAP_FIXED;
    }
    return real_mmap64(addr, len, prot, flags, fd, off);
}

void *mmap(void *addr, size_t len, int prot, int flags, int fd, off_t off)
{
    return mmap64(addr, len, prot, flags, fd, off);
}
