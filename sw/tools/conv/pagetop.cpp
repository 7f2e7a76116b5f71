// SPDX-FileCopyrightText: 2026 The pagetop authors
// SPDX-License-Identifier: MIT
// pagetop: writes the header page that goes in front of a merged file, 512
// words of 32 bits as text, one per line: the file size, then 511 zeros.
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char *argv[])
{
#ifdef _WIN32
    // The page is exact bytes: stop Windows writing "\n" as "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc <= 1) {
        std::fputs("pagetop creates a page with file size as first word\n"
                   "The rest of the page is padded with 0\n"
                   "Usage: pagetop <merged_file_size>\n",
                   stdout);
    } else {
        // strtoll reads the argument as atoi would, and is defined past the
        // int range too: it saturates, and the word keeps the low 32 bits,
        // so every size up to 4294967295 comes out right.
        const auto size = static_cast<std::uint32_t>(std::strtoll(argv[1], nullptr, 10));
        std::printf("0x%08" PRIx32 "\n", size);
        for (int i = 0; i < 511; ++i)
            std::fputs("0x00000000\n", stdout);
    }
    // A full disk or a closed stdout must not pass for a written page: check
    // once, after the last byte has left the buffer, and close stdout here,
    // since some file systems (NFS, quotas) report a lost write only then.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || std::fclose(stdout) != 0) {
        std::fprintf(stderr, "pagetop: write error: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
