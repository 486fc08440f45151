// Fixed-size 8-bit text fields: every copy writes at most cap - 1 characters
// and one NUL, and leaves the bytes after that NUL as they were.
#pragma once
#include <stddef.h>

// Copies src into dst (capacity cap bytes); returns the characters written.
inline size_t CopyText(char *dst, size_t cap, const char *src)
{
    if (!dst || cap == 0) return 0;
    size_t n = 0;
    if (src)
        while (n + 1 < cap && src[n]) {
            dst[n] = src[n];
            ++n;
        }
    dst[n] = 0;
    return n;
}

// Appends src to the text already in dst, within the same capacity.
inline size_t AppendText(char *dst, size_t cap, const char *src)
{
    if (!dst || cap == 0) return 0;
    size_t used = 0;
    while (used + 1 < cap && dst[used])
        ++used;
    return used + CopyText(dst + used, cap - used, src);
}
