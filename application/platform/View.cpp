#include <mirobanth/application/platform/View.h>
#include <mirobanth/core/Console.h>

namespace mirobanth::application {

using core::Console;

namespace {

constexpr int DEFAULT_SIZE = 400;

}  // namespace

void View::browse(std::string url) {
    if (url.empty()) Console::warn("URL_SIZE_0");
    Console::notImplemented();
}

Application* View::asApplication(std::string name, void* handle) {
    return asApplication(std::move(name), handle, true);
}

Application* View::asApplication(std::string name, void* handle, bool flag) {
    return asApplication(std::move(name), handle, DEFAULT_SIZE, DEFAULT_SIZE, flag);
}

Application* View::asApplication(std::string name, void* handle, int width, int height) {
    return asApplication(std::move(name), handle, width, height, true);
}

Application* View::asApplication(std::string, void* handle, int, int, bool) {
    if (!handle) Console::warn("JAWT_HANDLE_NULL");
    return nullptr;
}

}  // namespace mirobanth::application
