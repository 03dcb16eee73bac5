#include <mirobanth/application/Application.h>

#include <iostream>

namespace mirobanth::application {

using core::Console;

namespace {

bool isEndingWord(const std::string& word) {
    return word == "x" || word == "exit" || word == "quit" || word == ":q" || word == "q";
}

}  // namespace

void Application::processCommandLater(std::string command) { commands.push(std::move(command)); }

bool Application::hasMoreCommands() const { return !commands.empty(); }

std::string Application::nextCommand() {
    if (commands.empty()) return "";
    std::string command = std::move(commands.front());
    commands.pop();
    return command;
}

void Application::standardInputMode() {
    while (!std::cin.fail()) {
        std::cout << getName() << ": ";
        std::string line;
        std::getline(std::cin, line);
        if (line.empty()) continue;
        // Only the word before the first blank is a command; the rest is its argument.
        std::string word = line.substr(0, line.find(' '));
        if (isEndingWord(word)) break;
        if (word == "help") {
            Console::info(this, "Commands: create,user,list,size,clear,exit,help");
        } else if (word == "clear" || word == "cls") {
            Console::clear();
        } else if (word != "create" && word != "list" && word != "dir" && word != "ls") {
            Console::info(this, "Unknown command \"" + line + "\"");
        }
    }
    Console::info(this, "Bye");
}

std::string Application::readline() {
    Console::info(this, "Enter one line as input:");
    std::string word;
    std::cin >> word;
    Console::info(this, "Line was: " + word);
    return word;
}

void Application::standardInputLineEvent(LineEvent* event) {
    if (!event) Console::warn("ASSERT_FAILURE_0");
    Console::notImplemented(this, "standardInputLineEvent");
}

}  // namespace mirobanth::application
