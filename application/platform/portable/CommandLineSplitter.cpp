#include "platform/portable/CommandLineSplitter.h"

#include <cstdlib>

namespace mirobanth::application::command_line {

namespace {

char* skipBlanks(char* at) {
    while (*at == ' ') ++at;
    return at;
}

char* skipWord(char* at) {
    while (*at != '\0' && *at != ' ') ++at;
    return at;
}

int countArguments(char* text) {
    int count = 1;  // the program path
    for (char* at = skipBlanks(text); *at != '\0'; at = skipBlanks(skipWord(at))) ++count;
    return count;
}

}  // namespace

char** split(char* text, char* programPath, int& count) {
    count = countArguments(text);
    char** vector = static_cast<char**>(std::malloc(sizeof(char*) * static_cast<size_t>(count)));
    if (!vector) {
        count = 0;
        return nullptr;
    }
    vector[0] = programPath;
    int next = 1;
    for (char* at = skipBlanks(text); *at != '\0'; at = skipBlanks(at)) {
        vector[next++] = at;
        at = skipWord(at);
        if (*at == ' ') *at++ = '\0';
    }
    return vector;
}

}  // namespace mirobanth::application::command_line
