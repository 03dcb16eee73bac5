#include "platform/StateStreams.h"

#include <iostream>
#include <string>

namespace mirobanth::application {

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
