#pragma once

// The first CR or LF in [begin, end), or end when there is none; a word of bytes at a time.
const char *LineEnd(const char *begin, const char *end);
