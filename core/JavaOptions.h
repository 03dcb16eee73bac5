#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Java VM options as the VM itself reads them: the ones it takes from the
// environment, the sizes they name, and the stack a thread needs to run main
// as deep as the options let `java` run it.
namespace mirobanth::java {

// The options of an environment variable's text, split as the VM splits
// JAVA_TOOL_OPTIONS: at white space, where a single or double quote keeps
// blanks inside an option and is itself dropped.
std::vector<std::string> splitOptions(const std::string& text);

// Every option the VM will see, in the order it reads them (later ones win):
// JAVA_TOOL_OPTIONS, then the options given at its creation, then
// _JAVA_OPTIONS.
std::vector<std::string> withEnvironmentOptions(const std::vector<std::string>& given = {});

// A size as the VM reads one: decimal digits, or hexadecimal after "0x",
// then at most one of the suffixes k, m, g or t in either case (binary
// multiples). Nothing when the text is no size or the size does not fit.
std::optional<std::uint64_t> parseSize(const std::string& text);

// The VM's own default thread stack: 1 MiB on the 64-bit systems; the 32-bit
// Windows VM takes what java.exe reserves, 320 KiB.
constexpr std::size_t DEFAULT_THREAD_STACK_SIZE = sizeof(void*) >= 8 ? 1024 * 1024 : 320 * 1024;
// Room for what lies on the launch thread's stack below main and not below
// java's: the application's construction, the launch and the call into
// main, and what the thread library keeps at the top of a stack.
constexpr std::size_t LAUNCH_STACK_MARGIN = 64 * 1024;

// The stack, in bytes, of the thread that creates the VM and runs main: what
// the last -Xss or -XX:ThreadStackSize= among the options asks for, else the
// VM's default, plus the margin. The VM
// refuses an option it cannot read; such an option changes nothing here.
std::size_t launchThreadStackSize(const std::vector<std::string>& options);

}  // namespace mirobanth::java
