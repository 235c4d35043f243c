// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
/* A FUSE file system that stops answering: its root lists as an empty
 * folder, and every lookup below it waits for ever, as a network or FUSE
 * mount of a corpus does when its server goes away. Run in the foreground:
 * dead_mount MOUNTPOINT -f */
#define FUSE_USE_VERSION 31
#include <errno.h>
#include <fuse.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int dead_getattr(const char* path, struct stat* st, struct fuse_file_info* fi)
{
    (void)fi;
    if (strcmp(path, "/") == 0) {
        memset(st, 0, sizeof *st);
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
        return 0;
    }
    for (;;)
        pause(); /* never answers */
    return -ENOENT;
}

static const fuse_operations ops = [] {
    fuse_operations o{};
    o.getattr = dead_getattr;
    return o;
}();

int main(int argc, char** argv) { return fuse_main(argc, argv, &ops, nullptr); }
