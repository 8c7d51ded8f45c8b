#pragma once

// Whether a command-line argument is the switch `letter`: one leading '-' or
// '/' is skipped, then exactly one character is compared, case-sensitively
// ("/c", "-c", "c" and "/config" are all "c"; "/C" is not).
bool MatchSwitch(const char* argument, const char* letter);
