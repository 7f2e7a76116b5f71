// SPDX-FileCopyrightText: 2026 The pagetop authors
// SPDX-License-Identifier: MIT
// A reset handler that spins, and PADDING bytes of data that the image keeps.
const unsigned char padding[PADDING] __attribute__((used)) = {1};

void reset(void)
{
    for (;;)
        ;
}
