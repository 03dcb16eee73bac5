#include "platform/State.h"

#include <mirobanth/application/Application.h>
#include <mirobanth/core/Console.h>

#include <cctype>
#include <iostream>

namespace mirobanth::application {

using core::Console;

namespace {

const char* const SHARED_STATE_FILE = "../brask.state";

// The key of a key=value line: everything before the first "=", or the
// whole line. Empty lines and lines starting with "=" carry none.
bool keyOfLine(const std::string& line, std::string& key) {
    if (line.empty()) return false;
    const auto separator = line.find('=');
    if (separator == 0) return false;
    key = line.substr(0, separator);
    return true;
}

std::string lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

State::State() { Console::info("<STATE>"); }

State::State(std::string key, std::string value) : State() { Console::info(key + " " + value); }

std::string makeKey(std::string name) { return "@" + name; }

std::string makeEntry(std::string key, std::string value) { return "Unknown:" + key + "=" + value; }

void storeEntry(std::string, std::string) { Console::notImplemented(); }

void listStateKeys() {
    std::ifstream file(SHARED_STATE_FILE);
    if (!file.is_open()) std::cout << "file not found" << std::endl;
    std::string line, key;
    while (std::getline(file, line)) {
        if (keyOfLine(line, key)) std::cout << key << std::endl;
    }
}

std::string stateFilePath(std::string applicationName) {
    std::string path = "..\\" + lowercase(std::move(applicationName)) + ".state";
    Console::info(path);
    return path;
}

PropertyTable* loadApplicationState(const Application* application) {
    const std::string path = stateFilePath(application->getApplicationName());
    std::ifstream file(path);
    if (!file.is_open()) {
        Console::info("File not found - " + path);
        return nullptr;
    }
    std::string word;
    while (file >> word) Console::info("-" + word);
    return nullptr;
}

void readPairs(std::ifstream& in) {
    if (!in.is_open()) {
        std::cerr << "File not found" << std::endl;
        return;
    }
    std::string key, value;
    while (std::getline(in, key) && std::getline(in, value)) {
    }
    in.close();
}

void writeTest(std::ofstream& out) {
    if (!out.is_open()) {
        std::cout << "File not found" << std::endl;
        return;
    }
    out << "test" << std::endl;
    out.close();
}

void checkStream(const std::ifstream& in) { [[maybe_unused]] bool usable = in.good(); }

void printWords(std::ifstream& in) {
    std::string word;
    while (in >> word) std::cout << word << std::endl;
    in.close();
}

}  // namespace mirobanth::application
