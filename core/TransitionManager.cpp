#include <mirobanth/core/Console.h>
#include <mirobanth/core/TransitionManager.h>

#include <mutex>

namespace mirobanth::core {

TransitionManager& TransitionManager::instance() {
    static std::once_flag created;
    static TransitionManager* manager = nullptr;
    std::call_once(created, [] { manager = new TransitionManager(); });
    manager->self = manager;
    return *manager;
}

void TransitionManager::enableVerbose(bool on) { Console::enableVerbose(on); }

void TransitionManager::enableSilent(bool on) { Console::enableSilent(on); }

void TransitionManager::setCommentPrefix(std::string prefix) {
    Console::setCommentPrefix(std::move(prefix));
}

void TransitionManager::info(std::string text) { Console::info(text); }

void TransitionManager::warn(std::string text) { checkText("Warning: " + text); }

void TransitionManager::fatal(std::string text, bool) { checkText("Fatal: " + text); }

void TransitionManager::fatal(std::string text) { fatal(std::move(text), false); }

void TransitionManager::test() {
    TransitionManager& manager = instance();
    Transition transition;
    manager.passByReference(transition, false);
    manager.passByValue(transition);
    manager.after(transition);
}

void TransitionManager::checkText(const std::string& text) {
    if (text.empty()) Console::warn("ZERO_LENGTH_STRING");
}

void TransitionManager::passByReference(Transition& transition, bool show) {
    if (trace) checkText("pass by reference");
    transition.passCount = 0;
    if (show) Console::info(transition.label);
}

void TransitionManager::passByValue(Transition transition) {
    if (trace) checkText("pass by value");
    passByReference(transition, false);
}

void TransitionManager::after(Transition& transition) {
    transition.afterFlag = 1;
    checkText("after");
}

}  // namespace mirobanth::core
