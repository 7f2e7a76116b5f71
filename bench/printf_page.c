/* SPDX-FileCopyrightText: 2026 The pagetop authors
 * SPDX-License-Identifier: MIT */
/* The yardstick for pagetop's cost: the same page from a plain C program. */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char *argv[])
{
    unsigned size = argc > 1 ? (unsigned)atoi(argv[1]) : 0;

    printf("0x%08x\n", size);
    for (int i = 0; i < 511; i++)
        printf("0x00000000\n");
    return 0;
}
