#include <mirobanth/application/Application.h>
#include <mirobanth/application/Notify.h>
#include <mirobanth/core/Console.h>

#include <iostream>

#include "Text.h"

namespace mirobanth::application {

using core::Console;

Notify::Notify() : Name("Notify") {
    if (traceLifecycle) Console::initEvent(this);
}

Notify::~Notify() {
    if (traceLifecycle) Console::finalizeEvent(this);
}

void Notify::setMessage(std::wstring newMessage) { message = std::move(newMessage); }

void Notify::setLink(std::string newLink) { link = std::move(newLink); }

void Notify::setLevel(int newLevel) { level = newLevel; }

void Notify::setFlag(bool newFlag) { flag = newFlag; }

std::wstring Notify::getMessage() const { return message; }

std::string Notify::getLink() const { return link; }

int Notify::getLevel() const { return level; }

bool Notify::getFlag() const { return flag; }

std::ostream& Notify::print() const { return std::cout << text::toUtf8(message) << std::endl; }

void Notify::announceChecking() { Console::info(this, "Checking for new updates"); }

void Notify::announceCancel() { Console::info(this, "CANCEL"); }

// The application acknowledges a notification without acting on it; the
// caller keeps the record and deletes it.
void Application::announce(Notify* notify) { Console::info(this, "Ignored: " + notify->getName()); }

}  // namespace mirobanth::application
