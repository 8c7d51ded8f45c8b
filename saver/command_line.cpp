#include "saver/command_line.h"

bool MatchSwitch(const char* argument, const char* letter) {
    if (*argument == '-' || *argument == '/') ++argument;
    return *argument != '\0' && *argument == *letter;
}
